#include "shell/ui/students_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/ui/memo_lines.h"

namespace shell::ui {

namespace {

constexpr const char* kCaption = "Список студентов";

}  // namespace

StudentsWindow::StudentsWindow(SharedState& s, Platform& platform,
                               std::filesystem::path start_dir, QWidget* parent)
    : QMainWindow(parent), s_(s), platform_(platform), start_dir_(std::move(start_dir)) {
  setObjectName("Form4");
  setWindowTitle(kCaption);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  setCentralWidget(memo_);
  resize(480, 560);
  CreateMenu();
  // No list chosen yet is the normal state of a fresh start directory, not an error.
  if (s_.StudentsFileName.empty()) return;
  setWindowTitle(QString::fromStdString(s_.StudentsFileName));
  if (auto file = LoadListFile(platform_, StudentsListPath(s_, start_dir_))) {
    SetMemoLines(*memo_, file->lines);
    memo_->document()->setModified(false);
    format_ = file->format;
    // A list too long is told when the teacher works with it, not at every program start.
    CopyLines(file->lines, false);
  } else {
    file_unread_ = true;
  }
}

void StudentsWindow::CreateMenu() {
  auto* open = new QAction("OpenFile", this);
  open->setObjectName("OpenFile1");
  connect(open, &QAction::triggered, this, &StudentsWindow::OpenFile);
  menuBar()->addAction(open);
}

void StudentsWindow::OpenFile() {
  const auto chosen = platform_.OpenFileDialog("Text files (*.txt)|*.txt");
  if (!chosen) return;
  const auto file = LoadListFile(platform_, *chosen);
  if (!file) return;
  SetMemoLines(*memo_, file->lines);
  memo_->document()->setModified(false);
  format_ = file->format;
  file_unread_ = false;
  std::string name = chosen->string();
  name.erase(0, name.find_first_not_of(' '));
  s_.StudentsFileName = name;
  // The names and the group come from the same list from now on.
  CopyLines(file->lines, true);
  setWindowTitle(QString::fromStdString(name));
  emit StudentsFileChosen(QString::fromStdString(name));
}

void StudentsWindow::CopyToRun() {
  if (file_unread_ && !memo_->document()->isModified()) return;
  CopyLines(MemoLines(*memo_), true);
}

void StudentsWindow::CopyLines(const std::vector<std::string>& lines, bool tell) {
  s_.GroupName = GroupLineOf(lines);
  if (!CopyStudentList(s_, lines) && tell && told_too_long_.insert(s_.StudentsFileName).second) {
    platform_.ShowMessage("The students list holds more than " +
                          std::to_string(kMaxStudentLines) + " lines; a set uses the first " +
                          std::to_string(kMaxStudentLines) + " (the group line and " +
                          std::to_string(kMaxStudentLines - 1) + " students)");
  }
}

void StudentsWindow::closeEvent(QCloseEvent* event) {
  // A list that could not be read (not a list, far too long) is neither replaced by the empty
  // memo nor taken as no students, until the teacher types a list or opens another; a list
  // that was not edited is not written at all.
  if (!memo_->document()->isModified()) {
    if (!file_unread_) CopyToRun();
    event->accept();
    return;
  }
  file_unread_ = false;
  const std::vector<std::string> lines = MemoLines(*memo_);
  if (!s_.StudentsFileName.empty() &&
      SaveListFile(platform_, StudentsListPath(s_, start_dir_), lines, format_)) {
    memo_->document()->setModified(false);
  }
  CopyLines(lines, true);
  event->accept();
}

}  // namespace shell::ui
