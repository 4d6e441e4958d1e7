// The main window: start-up, the mode switch, the settings round trip, Start on F2, the Q
// key and the TeX menu, with the recording platform under the offscreen platform.
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "shell/dispatch.h"
#include "shell/list_files.h"
#include "shell/settings.h"
#include "shell/tickets.h"
#include "shell/ui/ui_tests.h"
#include "shell/ui/window_harness.h"

namespace {

using testing_support::WindowHarness;
using Args = std::vector<std::string>;

void ClickMode(WindowHarness& h, int mode) {
  QTest::mouseClick(h.Find<QRadioButton>(qPrintable(QString("RG1Item%1").arg(mode))),
                    Qt::LeftButton);
}

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartUpInAnEmptyFolderReportsAndCreatesTheStartFiles() {
    WindowHarness h;
    h.Open();
    // One message names the four missing files, and nothing about the students file.
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    for (const char* name : {"kaf.txt", "vuz.txt", "ma1.txt", "ma2.txt"}) {
      QVERIFY(h.platform.messages[0].find(std::string("File  ") + name + " not found") !=
              std::string::npos);
    }
    for (const char* name : {"kaf.txt", "vuz.txt", "ma1.txt", "ma2.txt"}) {
      QCOMPARE(h.Read(name), std::string("  \r\n"));
    }
    QVERIFY(std::filesystem::exists(h.dir.path() / shell::kSettingsFileName));
    QVERIFY(std::filesystem::is_directory(h.dir.path() / "otv"));
    QVERIFY(std::filesystem::exists(shell::TicketQuestionFilePath(*h.s, h.dir.path())));
  }

  void AllNineSubjectTabsAreShownWithTheirLists() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    auto* pages = h.Find<QTabWidget>("PageControl1");
    const QStringList captions = {"Analysis", "Mechanics of Materials", "Algebra, geometry",
                                  "Discrete Mathematics", "Statics", "Kinematic", "Dynamics",
                                  "Artificial intelligence", "Logic"};
    QCOMPARE(pages->count(), 9);
    for (int k = 1; k <= 9; ++k) {
      QCOMPARE(pages->tabText(k - 1), captions[k - 1]);
      QVERIFY(pages->isTabVisible(k - 1));
      QVERIFY(pages->isTabEnabled(k - 1));
      auto* list = h.Find<QListWidget>(qPrintable(QString("ListBox%1").arg(k)));
      QCOMPARE(list->count(), shell::ProblemCount(shell::DefaultSubjectTable(), k));
      if (list->count() > 0) QVERIFY(list->item(0)->text().startsWith("1. "));
    }
    QCOMPARE(h.Find<QComboBox>("KafComboBox")->itemText(1), QString("Кафедра математики"));
    QCOMPARE(h.s->QuestionList1[2], std::string("Вопрос Б"));
  }

  void MenuShortcutsAndTheItemsHiddenAtStartUp() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"N1", QKeySequence(Qt::Key_F2)},
        {"Yap1", QKeySequence(Qt::Key_F7)},
        {"N8", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"GsView1", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {"N11", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"NameMenu", QKeySequence(Qt::CTRL | Qt::Key_I)}};
    for (const auto& [name, keys] : shortcuts) QCOMPARE(h.Action(name)->shortcut(), keys);
    for (const char* name : {"Yap1", "Ps1", "pdf", "GsView", "N9", "ButtonDeL"}) {
      QVERIFY2(!h.Shown(name), name);
    }
    QVERIFY(!h.Action("N11")->isChecked());
  }

  void ModeSwitchShowsExactlyItsControls_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("students");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    const QStringList ticket_controls = {"Labdata", "EditData", "vpr1", "vpr2", "Label6",
                                         "Label7", "Label9", "VuzComboBox", "KafComboBox",
                                         "SpinEdit4"};
    QTest::newRow("problems") << 0 << false
                              << QStringList{"LabelNvar", "SpinN_var", "PageControl1",
                                             "SpinUroven", "Label3", "SpinEdit3", "SpinNfirst",
                                             "Label_N0"}
                              << ticket_controls + QStringList{"N14", "N9"};
    QTest::newRow("problems, students") << 0 << true << QStringList{"PageControl1", "N9"}
                                        << ticket_controls + QStringList{"N14", "Label3",
                                                                         "SpinEdit3", "SpinNfirst",
                                                                         "Label_N0", "SpinN_var",
                                                                         "LabelNvar"};
    QTest::newRow("tickets") << 1 << false
                             << ticket_controls + QStringList{"LabelNvar", "Label3", "SpinEdit3",
                                                              "PageControl1", "SpinUroven",
                                                              "SpinN_var", "SpinNfirst"}
                             << QStringList{"N14", "N9"};
    QTest::newRow("tickets, students") << 1 << true
                                       << ticket_controls + QStringList{"Label3", "SpinEdit3",
                                                                        "PageControl1", "N9"}
                                       << QStringList{"N14", "SpinN_var", "LabelNvar",
                                                      "SpinNfirst"};
    QTest::newRow("colloquium") << 2 << false << QStringList{"N14", "SpinEdit3", "Label3", "N9"}
                                << ticket_controls + QStringList{"SpinUroven", "PageControl1",
                                                                 "SpinN_var", "LabelNvar",
                                                                 "SpinNfirst"};
  }
  void ModeSwitchShowsExactlyItsControls() {
    QFETCH(int, mode);
    QFETCH(bool, students);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    if (students) h.Action("NameMenu")->trigger();
    ClickMode(h, mode == 0 ? 1 : 0);  // come from another mode
    ClickMode(h, mode);
    QCOMPARE(h.s->DocumentMode, mode);
    QCOMPARE(h.s->TicketMode, mode != 0);
    for (const QString& name : shown) QVERIFY2(h.Shown(name), qPrintable(name + " hidden"));
    for (const QString& name : hidden) QVERIFY2(!h.Shown(name), qPrintable(name + " shown"));
    QCOMPARE(h.Find<QListWidget>("ListBox1")->selectionMode() ==
                 QAbstractItemView::SingleSelection,
             mode != 1);
  }

  void StudentsModeToggleAndColloquiumLeaveItOn() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.s->StudentsFileName = "group.txt";
    h.Find<QSpinBox>("SpinNfirst")->setValue(5);
    h.Action("NameMenu")->trigger();
    QVERIFY(h.s->StudentsMode);
    QCOMPARE(h.s->FirstNumber, 5);  // kept for when the option is off again
    QCOMPARE(h.window->windowTitle(), QString("group.txt"));
    QVERIFY(h.Shown("N9"));
    h.Action("NameMenu")->trigger();
    QVERIFY(!h.s->StudentsMode);
    QVERIFY(!h.Shown("N9"));

    ClickMode(h, 2);
    ClickMode(h, 0);
    QVERIFY(h.s->StudentsMode);
    QVERIFY(h.Action("NameMenu")->isChecked());
  }

  void SettingsAreRestoredIntoTheControlsAndSavedBackOnClose() {
    WindowHarness h;
    h.WriteStartFiles();
    SharedState saved;
    saved.FirstNumber = 7;
    saved.VariantCount = 12;
    saved.SetNumber = 250;
    saved.QuestionSetNumber = 3;
    saved.DocumentMode = 1;
    saved.GsviewPath = "gv";
    saved.DepartmentIndex = 1;
    saved.UniversityIndex = 0;
    saved.SavedProblems.Fill(1);
    saved.SavedProblems[1] = 3;
    saved.SubjectIndex = 1;
    saved.Level = 2;
    saved.AnswersOn = true;
    QVERIFY(shell::SaveSettings(saved, h.platform, h.dir.path(), 0, 1));

    h.Open();
    QCOMPARE(h.Find<QSpinBox>("SpinNfirst")->value(), 7);
    QCOMPARE(h.Find<QSpinBox>("SpinN_var")->value(), 12);
    QCOMPARE(h.Find<QSpinBox>("SpinEdit3")->value(), 250);
    QCOMPARE(h.Find<QSpinBox>("SpinEdit4")->value(), 3);
    QCOMPARE(h.Find<QSpinBox>("SpinUroven")->value(), 2);
    QVERIFY(h.Find<QRadioButton>("RG1Item1")->isChecked());
    QCOMPARE(h.Find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(h.Find<QListWidget>("ListBox1")->currentRow(), 2);
    QVERIFY(h.Action("otvmenu")->isChecked());
    QVERIFY(!h.Action("NameMenu")->isChecked());
    QCOMPARE(h.Find<QComboBox>("KafComboBox")->currentIndex(), 1);
    QCOMPARE(h.Find<QComboBox>("VuzComboBox")->currentText(), QString("Университет"));
    QVERIFY(h.Shown("EditData"));  // the ticket mode came back too

    h.Find<QSpinBox>("SpinUroven")->setValue(5);
    h.Find<QSpinBox>("SpinN_var")->setValue(9);
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(2);
    h.Find<QListWidget>("ListBox1")->setCurrentRow(0);
    h.Find<QComboBox>("KafComboBox")->setCurrentIndex(0);
    h.Find<QLineEdit>("EditData")->setText("01.02.2027");
    h.Action("otvmenu")->trigger();
    h.window->close();

    SharedState reread;
    QVERIFY(shell::LoadSettings(reread, h.platform, h.dir.path()));
    QCOMPARE(reread.Level, 5);
    QCOMPARE(reread.VariantCount, 9);
    QCOMPARE(reread.SubjectIndex, 3);
    QCOMPARE(reread.SavedProblems[1], 1);
    QCOMPARE(reread.DepartmentIndex, 0);
    QCOMPARE(reread.FirstNumber, 7);
    QCOMPARE(reread.SetNumber, 250);
    QCOMPARE(reread.QuestionSetNumber, 3);
    QCOMPARE(reread.DocumentMode, 1);
    QVERIFY(!reread.AnswersOn);
    const std::string tickets = testing_support::ReadBytes(h.s->TicketFileName);
    QVERIFY2(tickets.ends_with("\r\n01.02.2027\r\n"), tickets.c_str());
  }

  void F2RunsAStartIntoTheStartDirectory() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(4);  // Statics
    QVERIFY(h.ShowActive());
    QTest::keyClick(h.window.get(), Qt::Key_F2);

    QCOMPARE(h.s->SubjectIndex, 5);
    QVERIFY2(h.platform.messages.empty(),
             h.platform.messages.empty() ? "" : h.platform.messages[0].c_str());
    const std::string name = h.s->OutputName;
    QVERIFY2(name.ends_with("s1A"), name.c_str());
    QVERIFY(std::filesystem::exists(h.dir.path() / (name + ".tex")));
    QVERIFY(std::filesystem::exists(h.dir.path() / "otv" / ("otv" + name + ".tex")));
    QCOMPARE(h.platform.started.size(), std::size_t{1});
    const auto& latex = h.platform.started[0];
    QCOMPARE(latex.program, std::string("latex"));
    QCOMPARE(latex.args, (Args{"-no-shell-escape", "-interaction=nonstopmode", name}));
    QCOMPARE(latex.env, (std::vector<std::pair<std::string, std::string>>{
                            {"TEXINPUTS", "/src/tarbel/tex:"},
                            {"openin_any", "p"},
                            {"openout_any", "p"}}));
    QCOMPARE(latex.working_dir, h.dir.path());
    QVERIFY(h.Shown("Yap1"));
    QVERIFY(h.Shown("Ps1"));
    QVERIFY(h.window->windowTitle().startsWith("   Data File  "));
  }

  void TicketStartTakesTheSelectedProblemAndTheDateField() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    ClickMode(h, 1);
    h.Action("N12")->trigger();
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(0);
    h.Find<QListWidget>("ListBox1")->setCurrentRow(0);
    h.Find<QLineEdit>("EditData")->setText("15.01.2027");
    h.Action("N1")->trigger();
    QVERIFY2(h.platform.messages.empty(),
             h.platform.messages.empty() ? "" : h.platform.messages[0].c_str());
    QCOMPARE(h.s->ProblemNumber, 1);
    QCOMPARE(h.s->OutputName, std::string("mathA"));
    const std::string document = testing_support::ReadBytes(h.dir.path() / "mathA.tex");
    QVERIFY(document.find("{\\bf Problem. }") != std::string::npos);
    QVERIFY(document.find("15.01.2027") != std::string::npos);
  }

  void AFailedStartOffersNoTexMenu() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.Action("NameMenu")->trigger();  // students mode without a students list
    h.Action("N1")->trigger();
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.started.empty());
    QVERIFY(!h.Shown("Yap1"));
    QVERIFY(!h.Shown("Ps1"));
    QVERIFY(h.Shown("ButtonDeL"));
  }

  void QuitKeyOnlyOutsideTextFields_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("quits");
    QTest::newRow("date field") << "EditData" << false;
    QTest::newRow("combo box") << "KafComboBox" << false;
    QTest::newRow("spin edit") << "SpinNfirst" << false;
    QTest::newRow("subject list") << "ListBox1" << true;
  }
  void QuitKeyOnlyOutsideTextFields() {
    QFETCH(QString, control);
    QFETCH(bool, quits);
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    ClickMode(h, 1);  // every control shown
    QVERIFY(h.ShowActive());
    const std::string settings_before = h.Read(shell::kSettingsFileName);
    h.Find<QSpinBox>("SpinUroven")->setValue(6);
    h.Find<QLineEdit>("EditData")->setText("03.03.2027");
    auto* target = h.window->findChild<QWidget*>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Q);

    QCOMPARE(h.window->isVisible(), !quits);
    if (!quits) {
      QCOMPARE(h.Read(shell::kSettingsFileName), settings_before);
      return;
    }
    SharedState reread;
    shell::LoadSettings(reread, h.platform, h.dir.path());
    QCOMPARE(reread.Level, 6);
    QVERIFY(testing_support::ReadBytes(h.s->TicketFileName).ends_with("\r\n03.03.2027\r\n"));
  }

  void TexMenuCommandsGetTheirArgumentLists() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.Find<QSpinBox>("SpinUroven")->setValue(3);
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(4);
    h.Action("N1")->trigger();
    const std::string name = h.s->OutputName;
    QVERIFY(name.ends_with("C"));
    h.platform.Finish(true);  // latex
    h.platform.started.clear();

    h.Action("Yap1")->trigger();
    h.Action("Ps1")->trigger();
    QVERIFY(h.Shown("pdf"));
    QVERIFY(h.Shown("GsView"));
    h.Find<QSpinBox>("SpinUroven")->setValue(7);  // the PDF still belongs to the document
    h.Action("pdf")->trigger();
    h.Action("GsView")->trigger();
    h.Action("N1111")->trigger();
    QCOMPARE(h.platform.started.size(), std::size_t{5});
    QCOMPARE(h.platform.started[0].program, std::string("xdvi"));
    QCOMPARE(h.platform.started[0].args, Args{name});
    QCOMPARE(h.platform.started[1].program, std::string("dvips"));
    QCOMPARE(h.platform.started[1].args, (Args{"-t", "a4", name}));
    QCOMPARE(h.platform.started[2].program, std::string("gs"));
    QCOMPARE(h.platform.started[2].args.back(), name + ".ps");
    QCOMPARE(h.platform.started[2].args[3], "-sOutputFile=" + name + ".pdf");
    QCOMPARE(h.platform.started[3].program, h.s->GsviewPath);
    QCOMPARE(h.platform.started[3].args, Args{name + ".ps"});
    QCOMPARE(h.platform.started[4].program, std::string("dvips"));
    h.platform.Finish(true);  // "Ps"
    h.platform.Finish(true);  // "PDF"
    QCOMPARE(h.platform.started.size(), std::size_t{5});
    h.platform.Finish(true);  // "SuperPDF"'s dvips
    QCOMPARE(h.platform.started.size(), std::size_t{6});
    QCOMPARE(h.platform.started[5].program, std::string("gs"));
    h.platform.Finish(true);
    QCOMPARE(h.Find<QStatusBar>("StatusLine")->currentMessage(), "Ghostscript made " + QString::fromStdString(name) + ".pdf");
    for (const auto& p : h.platform.started) QCOMPARE(p.working_dir, h.dir.path());

    h.platform.dialog_answers.push_back(std::filesystem::path("/opt/viewer/gv"));
    h.Action("GsView1")->trigger();
    QCOMPARE(h.s->GsviewPath, std::string("/opt/viewer/gv"));
  }

  // Tearing the window down runs none of its slots: the date field losing its focus as it
  // goes must not reach a window that is half destroyed.
  void DestroyingTheWindowRunsNoSlotOfIt() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    ClickMode(h, 1);
    QVERIFY(h.ShowActive());
    auto* date = h.Find<QLineEdit>("EditData");
    date->setFocus();
    QTRY_VERIFY(date->hasFocus());
    const std::string before = h.s->TicketDate;
    date->setText("07.07.2027");
    h.window.reset();
    QCOMPARE(h.s->TicketDate, before);
  }

  void HelpMessagesAndAnOwnAboutBox() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    for (const char* name : {"N4", "N6", "Dvi2", "Yap2", "Ps2", "N13", "N10", "N7"}) {
      h.Action(name)->trigger();
    }
    QCOMPARE(h.platform.messages.size(), std::size_t{8});
    QVERIFY(h.platform.messages[0].starts_with(" The program creates files terms of problems"));
    QVERIFY(h.platform.messages[3].find("xdvi") != std::string::npos);
    // The texts name what this program does here: no button or file it does not have.
    for (std::size_t i = 0; i + 1 < h.platform.messages.size(); ++i) {
      const std::string& text = h.platform.messages[i];
      QVERIFY2(text.find("Dvi button") == std::string::npos && text.find("math.tex") == std::string::npos &&
                   text.find("Personal") == std::string::npos && text.find("GSView") == std::string::npos,
               text.c_str());
    }
    const std::string& about = h.platform.messages[7];
    QVERIFY(about.starts_with("Tarbel "));
    QVERIFY(about.find('@') == std::string::npos && about.find("http") == std::string::npos);
  }
};

}  // namespace

int RunMainWindowTests(int argc, char** argv) {
  MainWindowTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "main_window_test.moc"
