// The list windows: question lists and the students list loaded and saved in Windows-1251,
// the open-file dialogs, and the colloquium list parsed on closing.
#include <QFocusEvent>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "shell/settings.h"
#include "shell/tickets.h"
#include "shell/ui/ui_tests.h"
#include "shell/ui/window_harness.h"

namespace {

using testing_support::Cp1251Lines;
using testing_support::WindowHarness;

QMainWindow* ListWindow(WindowHarness& h, const char* name) { return h.Find<QMainWindow>(name); }

QPlainTextEdit* Memo(QMainWindow* w) { return w->findChild<QPlainTextEdit*>("Memo1"); }

// The teacher types text into a window's memo (an edit, unlike a list loaded into it).
void Type(QMainWindow* w, const QString& text) {
  Memo(w)->setPlainText(text);
  Memo(w)->document()->setModified(true);
}

// A start directory whose settings name a students list.
void WriteStudentsSettings(WindowHarness& h, const std::string& file, const std::string& group) {
  SharedState saved;
  saved.FirstNumber = saved.VariantCount = saved.SetNumber = saved.Level = 1;
  saved.SavedProblems.Fill(1);
  saved.SubjectIndex = 5;
  saved.StudentsFileName = file;
  saved.GroupName = group;
  QVERIFY(shell::SaveSettings(saved, h.platform, h.dir.path(), 0, 0));
}

class ListWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void QuestionListsLoadAndSaveInWindows1251_data() {
    QTest::addColumn<int>("list");
    QTest::newRow("Set 1") << 1;
    QTest::newRow("Set 2") << 2;
  }
  void QuestionListsLoadAndSaveInWindows1251() {
    QFETCH(int, list);
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile(list == 1 ? "ma1.txt" : "ma2.txt", {"Вопрос А", "Вопрос Б"});
    h.Open();
    QMainWindow* w = ListWindow(h, list == 1 ? "Form2" : "Form3");
    QCOMPARE(w->windowTitle(), list == 1 ? QString("List") : QString("Список вопросов 2"));
    QCOMPARE(Memo(w)->toPlainText(), QString("Вопрос А\nВопрос Б"));

    h.Action(list == 1 ? "vpr1" : "vpr2")->trigger();
    QVERIFY(w->isVisible());
    Type(w, "Первый\nВторой\nТретий\n");
    w->close();
    QCOMPARE(h.Read(list == 1 ? "ma1.txt" : "ma2.txt"),
             Cp1251Lines({"Первый", "Второй", "Третий"}));
    auto& questions = list == 1 ? h.s->QuestionList1 : h.s->QuestionList2;
    QCOMPARE(questions[3], std::string("Третий"));
    QCOMPARE(list == 1 ? h.s->QuestionCount1 : h.s->QuestionCount2, 3);
    // The tickets take the question file of the new length.
    QCOMPARE(h.s->TicketFileName, shell::TicketQuestionFilePath(*h.s, h.dir.path()).string());
  }

  void LeavingTheFirstListsMemoSavesButKeepsTheCount() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    QMainWindow* w = ListWindow(h, "Form2");
    Type(w, "Новый А\nНовый Б\nНовый В");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Memo(w), &leave);
    QCOMPARE(h.Read("ma1.txt"), Cp1251Lines({"Новый А", "Новый Б", "Новый В"}));
    QCOMPARE(h.s->QuestionList1[1], std::string("Новый А"));
    QCOMPARE(h.s->QuestionList1[3], std::string("Новый В"));
    QCOMPARE(h.s->QuestionCount1, 2);
  }

  void OpeningAFileReplacesTheMemo() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("other.txt", {"Из файла"});
    h.Open();
    QMainWindow* w = ListWindow(h, "Form2");
    h.platform.dialog_answers.push_back(std::nullopt);
    w->findChild<QAction*>("OpenFile11")->trigger();
    QCOMPARE(Memo(w)->toPlainText(), QString("Вопрос А\nВопрос Б"));
    h.platform.dialog_answers.push_back(h.dir.path() / "other.txt");
    w->findChild<QAction*>("OpenFile11")->trigger();
    QCOMPARE(Memo(w)->toPlainText(), QString("Из файла"));
    QCOMPARE(w->windowTitle(), QString::fromStdString((h.dir.path() / "other.txt").string()));
    QCOMPARE(h.platform.dialog_filters[0],
             std::string("Text files (*.txt)|*.txt|All files (*.*)|*.*"));

    QMainWindow* w2 = ListWindow(h, "Form3");
    h.platform.dialog_answers.push_back(h.dir.path() / "other.txt");
    w2->findChild<QAction*>("File11")->trigger();
    QCOMPARE(Memo(w2)->toPlainText(), QString("Из файла"));
    QCOMPARE(w2->windowTitle(), QString("Список вопросов 2"));
  }

  void TheHelpTextsNameTheirList() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    ListWindow(h, "Form2")->findChild<QAction*>("Help1")->trigger();
    ListWindow(h, "Form3")->findChild<QAction*>("Help1")->trigger();
    QCOMPARE(h.platform.messages.size(), std::size_t{2});
    QVERIFY(h.platform.messages[0].starts_with("Тексты экзаменационного вопроса №1"));
    QVERIFY(h.platform.messages[0].find("в файле ma1.txt") != std::string::npos);
    QVERIFY(h.platform.messages[1].starts_with("Тексты экзаменационного вопроса №2"));
    QVERIFY(h.platform.messages[1].find("в файле ma2.txt") != std::string::npos);
  }

  void StudentsListOfTheSettingsIsLoadedAndSavedBack() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("group.txt", {"  ИВТ-21а", "Иванов", "Петров"});
    WriteStudentsSettings(h, "group.txt", "ИВТ-21а");
    h.Open();
    QVERIFY(h.platform.messages.empty());
    QCOMPARE(h.s->StudentLineCount, 3);
    QCOMPARE(h.s->StudentNames[1], std::string("  ИВТ-21а"));
    QCOMPARE(h.s->StudentNames[3], std::string("Петров"));
    QMainWindow* w = ListWindow(h, "Form4");
    QCOMPARE(w->windowTitle(), QString("group.txt"));

    Type(w, "  ИВТ-21а\nИванов\nПетров\nСидоров");
    w->close();
    QCOMPARE(h.Read("group.txt"), Cp1251Lines({"  ИВТ-21а", "Иванов", "Петров", "Сидоров"}));
    QCOMPARE(h.s->StudentLineCount, 4);
    QCOMPARE(h.s->StudentNames[4], std::string("Сидоров"));
  }

  void NoStudentsFileIsNoErrorAtStartUp() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    QVERIFY(h.platform.messages.empty());
    ListWindow(h, "Form4")->close();  // nothing to save to, and nothing told
    QVERIFY(h.platform.messages.empty());
  }

  void ChoosingAStudentsFileSetsGroupAndCaptions() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("new.txt", {"   ПМ-11", "Сидоров"});
    h.Open();
    QMainWindow* w = ListWindow(h, "Form4");
    const std::string path = (h.dir.path() / "new.txt").string();
    h.platform.dialog_answers.push_back(std::filesystem::path(path));
    w->findChild<QAction*>("OpenFile1")->trigger();
    QCOMPARE(h.platform.dialog_filters.back(), std::string("Text files (*.txt)|*.txt"));
    QCOMPARE(h.s->GroupName, std::string("ПМ-11"));
    QCOMPARE(h.s->StudentsFileName, path);
    QCOMPARE(w->windowTitle(), QString::fromStdString(path));
    QCOMPARE(h.window->windowTitle(), QString::fromStdString(path));
    QCOMPARE(Memo(w)->toPlainText(), QString("   ПМ-11\nСидоров"));
  }

  void ColloquiumListIsParsedWhenItsWindowCloses() {
    WindowHarness h;
    h.WriteStartFiles();
    h.WriteFile("colloquium.txt", {"a", "b", "###", "c", "***", "ignored"});
    h.Open();
    h.Find<QRadioButton>("RG1Item2")->click();
    h.Action("N14")->trigger();
    QMainWindow* w = ListWindow(h, "Form5");
    QVERIFY(w->isVisible());
    h.platform.dialog_answers.push_back(h.dir.path() / "colloquium.txt");
    w->findChild<QAction*>("VPRK")->trigger();
    w->close();
    QCOMPARE(h.s->ColloquiumGroupCount, 2);
    QCOMPARE(h.s->ColloquiumQuestions,
             (std::vector<std::vector<std::string>>{{"a", "b"}, {"c"}}));
  }

  void ClosingTheMainWindowSavesAnOpenListWindow() {
    WindowHarness h;
    h.WriteStartFiles();
    h.Open();
    h.Action("vpr2")->setVisible(true);
    h.Action("vpr2")->trigger();
    Type(ListWindow(h, "Form3"), "Несохранённый");
    h.window->close();
    QCOMPARE(h.Read("ma2.txt"), Cp1251Lines({"Несохранённый"}));
    QCOMPARE(h.s->QuestionCount2, 1);
  }

  // A list file the window refuses (far longer than any list) is told, and closing the
  // window does not replace it with the empty memo.
  void ARefusedListFileIsNotReplacedByTheEmptyMemo() {
    WindowHarness h;
    h.WriteStartFiles();
    std::string many;
    for (int i = 1; i <= 12000; ++i) many += "Q" + std::to_string(i) + "\r\n";
    testing_support::WriteBytes(h.dir.path() / "ma1.txt", many);
    testing_support::WriteBytes(h.dir.path() / "big.txt", many);
    WriteStudentsSettings(h, "big.txt", "Group");
    h.Open();
    // The start-up takes ma1.txt's first 50 questions (told); both windows refuse their file.
    QCOMPARE(h.platform.messages.size(), std::size_t{3});
    QCOMPARE(h.s->QuestionCount1, 50);
    for (const char* name : {"Form2", "Form4"}) {
      QMainWindow* w = ListWindow(h, name);
      w->show();
      w->close();
    }
    QCOMPARE(h.Read("ma1.txt"), many);
    QCOMPARE(h.Read("big.txt"), many);
    QCOMPARE(h.s->QuestionCount1, 50);
  }
};

}  // namespace

int RunListWindowsTests(int argc, char** argv) {
  ListWindowsTest tests;
  return RunTestObject(tests, argc, argv);
}

#include "list_windows_test.moc"
