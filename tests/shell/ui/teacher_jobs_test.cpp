// A teacher's jobs driven through the window, with the recording platform under the
// offscreen platform: what the controls show is what Start uses, lists and files survive
// what the teacher did not mean to change, and every outcome is told.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "shell/settings.h"
#include "shell/ui/colloquium_window.h"
#include "shell/ui/ui_tests.h"
#include "shell/ui/window_harness.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WindowHarness;
using testing_support::WriteBytes;

QPlainTextEdit* Memo(WindowHarness& h, const char* window) {
  return h.Find<QMainWindow>(window)->findChild<QPlainTextEdit*>("Memo1");
}

// The teacher types text into a list window's memo.
void Type(WindowHarness& h, const char* window, const QString& text) {
  Memo(h, window)->setPlainText(text);
  Memo(h, window)->document()->setModified(true);
}

void ClickMode(WindowHarness& h, int mode) {
  h.Find<QRadioButton>(qPrintable(QString("RG1Item%1").arg(mode)))->click();
}

// A start directory whose settings name a students list and students mode.
void WriteStudentsSettings(WindowHarness& h, const std::string& file) {
  SharedState saved;
  saved.FirstNumber = saved.VariantCount = saved.SetNumber = saved.Level = 1;
  saved.SavedProblems.Fill(1);
  saved.SubjectIndex = 5;
  saved.StudentsFileName = file;
  saved.GsviewPath = "gv";
  QVERIFY(shell::SaveSettings(saved, h.platform, h.dir.path(), 1, 0));
}

// The first message, for a failed check that expected none.
const char* FirstMessage(const WindowHarness& h) {
  return h.platform.messages.empty() ? "" : h.platform.messages[0].c_str();
}

std::string Status(WindowHarness& h) {
  return h.Find<QStatusBar>("StatusLine")->currentMessage().toStdString();
}

class TeacherJobsTest : public QObject {
  Q_OBJECT

 private slots:
  // A colloquium list with & is refused before anything is written: the message names the
  // list, its line and what to write; the document, its .dvi and PDF stay those of the last
  // good list, and no latex starts. The list itself is there again at the next start.
  void ColloquiumListWithAnAmpersandKeepsTheOldDocument() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    ClickMode(h, 2);
    h.Find<QSpinBox>("SpinEdit3")->setValue(2);
    QCOMPARE(h.Find<QLabel>("Label3")->text(), QString("Number of sets"));
    h.Action("N14")->trigger();
    Type(h, "Form5", "Закон Ома\n###\nТок и напряжение\n***");
    h.Action("N1")->trigger();
    QVERIFY2(h.platform.messages.empty(), FirstMessage(h));
    const std::string document = h.Read("vprA.tex");
    QVERIFY(document.find("{\\bf Set 2}") != std::string::npos);
    QCOMPARE(Status(h), "Written vprA.tex in " + h.dir.path().string() + ": 2 sets");
    WriteBytes(h.dir.path() / "vprA.dvi", "dvi of the good list");
    WriteBytes(h.dir.path() / "vprA.pdf", "pdf of the good list");
    h.platform.Finish(true);
    QCOMPARE(Status(h), "latex made vprA.dvi in " + h.dir.path().string());

    Type(h, "Form5", "Закон Ома\n###\nТок & напряжение\n***");
    h.Action("N1")->trigger();
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QCOMPARE(h.platform.messages[0],
             std::string("The document was not written: The colloquium list (menu \"List\"), line "
                         "3 (\"Ток & напряжение\"): an & outside a table or matrix breaks the "
                         "document: write \\& for the sign. The previous document is kept."));
    QCOMPARE(h.Read("vprA.tex"), document);
    QCOMPARE(h.Read("vprA.pdf"), std::string("pdf of the good list"));
    QCOMPARE(h.Read("vprA.dvi"), std::string("dvi of the good list"));
    QCOMPARE(h.platform.started.size(), std::size_t{1});

    h.window->close();
    WindowHarness again;
    again.session.StartDirectory = h.dir.path();
    again.Open();
    QCOMPARE(Memo(again, "Form5")->toPlainText(), QString("Закон Ома\n###\nТок & напряжение\n***"));
    QCOMPARE(again.s->ColloquiumGroupCount, 2);
  }

  // The students window closed without an edit writes nothing: the teacher's UTF-8 list with
  // LF line ends stays byte for byte; an edit is saved in the list's own form.
  void StudentsWindowClosedUneditedLeavesTheFileAlone() {
    WindowHarness h;
    h.WriteStartFiles();
    const std::string bytes = "ИВТ-21а\nИванов\nПетров\n";
    WriteBytes(h.dir.path() / "group.txt", bytes);
    WriteStudentsSettings(h, "group.txt");
    h.Open();
    h.Action("N9")->trigger();
    h.Find<QMainWindow>("Form4")->close();
    h.window->close();
    QCOMPARE(h.Read("group.txt"), bytes);

    WindowHarness edit;
    edit.session.StartDirectory = h.dir.path();
    edit.Open();
    edit.Action("N9")->trigger();
    Type(edit, "Form4", "ИВТ-21а\nИванов\nПетров\nСидоров");
    edit.Find<QMainWindow>("Form4")->close();
    QCOMPARE(ReadBytes(h.dir.path() / "group.txt"), bytes + "Сидоров\n");
  }

  // After a students-mode Start, switching "Individual tasks" off gives the set the number of
  // variants and the starting number the controls show.
  void SpinBoxesAreWhatStartUsesAfterIndividualTasks() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("group.txt", {"ИВТ-21а", "Иванов", "Петров", "Сидоров"});
    WriteStudentsSettings(h, "group.txt");
    h.Open();
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(4);
    h.Action("N1")->trigger();
    QVERIFY2(h.platform.messages.empty(), FirstMessage(h));
    QVERIFY(Status(h).ends_with(": 3 variants"));

    h.Action("NameMenu")->trigger();  // off
    h.Find<QSpinBox>("SpinN_var")->setValue(4);
    h.Find<QSpinBox>("SpinNfirst")->setValue(10);
    h.Action("N1")->trigger();
    QVERIFY(Status(h).ends_with(": 4 variants"));
    const std::string document = h.Read(h.s->OutputName + ".tex");
    QVERIFY(document.find("zdch}.13.") != std::string::npos);
    QVERIFY(document.find("zdch}.14.") == std::string::npos);
  }

  // The students list's group line, names and a list too long come from one list, and its
  // length is told once, not at every start.
  void AListTooLongIsToldOncePerList() {
    WindowHarness h;
    h.WriteStartFiles();
    std::vector<std::string> lines{"ПМ-11"};
    for (int i = 1; i <= 44; ++i) lines.push_back("Student " + std::to_string(i));
    h.WriteFile("long.txt", lines);
    WriteStudentsSettings(h, "long.txt");
    h.Open();
    QVERIFY(h.platform.messages.empty());
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(4);
    h.Action("N1")->trigger();
    h.Action("N1")->trigger();
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY(h.platform.messages[0].find("more than 40 lines") != std::string::npos);
    QCOMPARE(h.s->GroupName, std::string("ПМ-11"));
  }

  // "Update File" asks first; the parameter file is kept beside the new one.
  void UpdateFileAsksAndKeepsTheOldParameters() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("group.txt", {"ПМ-11", "Иванов"});
    WriteStudentsSettings(h, "group.txt");
    h.Open();
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(4);
    h.Action("N1")->trigger();
    const std::filesystem::path file = h.s->ParameterFilePath;
    const std::string parameters = ReadBytes(file);
    QVERIFY(!parameters.empty());
    h.platform.messages.clear();

    h.Find<QPushButton>("ButtonDeL")->click();  // answered No
    QCOMPARE(h.platform.questions.size(), std::size_t{1});
    QVERIFY(h.platform.questions[0].find(file.string()) != std::string::npos);
    QCOMPARE(ReadBytes(file), parameters);

    h.platform.question_answers = {true, true};
    h.Find<QPushButton>("ButtonDeL")->click();
    QVERIFY(!std::filesystem::exists(file));
    QCOMPARE(ReadBytes(file.string() + ".bak"), parameters);
    h.Action("N1")->trigger();
    h.Find<QPushButton>("ButtonDeL")->click();
    QVERIFY(std::filesystem::exists(file.string() + ".bak2"));
    QCOMPARE(ReadBytes(file.string() + ".bak"), parameters);
  }

  // A university and a department typed into the ticket fields are there at the next start,
  // as rows of their list files; "Problem in the ticket" too.
  void TypedUniversityDepartmentAndTicketProblemLast() {
    WindowHarness h;
    h.Open();  // the start files are created with their blank placeholder line
    ClickMode(h, 1);
    h.Find<QComboBox>("VuzComboBox")->setEditText("Технический университет");
    h.Find<QComboBox>("KafComboBox")->setEditText("Кафедра физики");
    h.Action("N12")->trigger();
    h.window->close();

    WindowHarness again;
    again.session.StartDirectory = h.dir.path();
    again.Open();
    QCOMPARE(again.Find<QComboBox>("VuzComboBox")->currentText(), QString("Технический университет"));
    QCOMPARE(again.Find<QComboBox>("KafComboBox")->currentText(), QString("Кафедра физики"));
    QCOMPARE(again.Find<QComboBox>("KafComboBox")->count(), 1);
    QVERIFY(again.Action("N12")->isChecked());
    QVERIFY(again.s->TicketProblemOn);
  }

  // A blank row of the Dynamics list writes nothing and says so.
  void ABlankDynamicsRowWritesNothing() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.Find<QTabWidget>("PageControl1")->setCurrentIndex(6);
    h.Find<QListWidget>("ListBox7")->setCurrentRow(4);
    h.Action("N1")->trigger();
    QCOMPARE(h.platform.messages,
             std::vector<std::string>{"Row 5 of Dynamics holds no problem type; nothing was "
                                      "written. Choose another row."});
    QVERIFY(!std::filesystem::exists(h.dir.path() / "5d1A.tex"));
    QVERIFY(h.platform.started.empty());
  }

  // A start directory that cannot be written is told once, and nothing claims to be saved.
  void AReadOnlyStartDirectoryIsToldOnce() {
    WindowHarness h;
    h.session.StartDirectory = "/proc";
    h.Open();
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
    QVERIFY2(h.platform.messages[0].starts_with("The folder /proc cannot be written"),
             FirstMessage(h));
    QVERIFY(h.platform.messages[0].find("will not be saved") != std::string::npos);
    h.window->close();
    QCOMPARE(h.platform.messages.size(), std::size_t{1});
  }
};

}  // namespace

int RunTeacherJobsTests(int argc, char** argv) {
  TeacherJobsTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "teacher_jobs_test.moc"
