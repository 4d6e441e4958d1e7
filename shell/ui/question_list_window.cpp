#include "shell/ui/question_list_window.h"

#include <system_error>

#include <QAction>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/list_files.h"
#include "shell/tickets.h"
#include "shell/ui/memo_lines.h"

namespace shell::ui {

namespace {

constexpr const char* kHelpText1 =
    "Тексты экзаменационного вопроса №1 можно редактировать или загружать  из какого-либо "
    "подготовленного заранее файла, записанного в виде текста.  Если текст подготовлен в "
    "WinWord, то сначала его надо конвертировать в текст. На каждой строке помещается один "
    "вопрос. Текст, загруженный в окно, сохраняется  в файле ma1.txt, откуда он берется по "
    "умолчанию при запуске программы. ";
constexpr const char* kHelpText2 =
    "Тексты экзаменационного вопроса №2 можно редактировать или загружать  из какого-либо "
    "подготовленного заранее файла, записанного в виде текста.  Если текст подготовлен в "
    "WinWord, то сначала его надо конвертировать в текст. На каждой строке помещается один "
    "вопрос. Текст, загруженный в окно, сохраняется  в файле ma2.txt, откуда он берется по "
    "умолчанию при запуске программы. ";
constexpr const char* kTextFilesFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

}  // namespace

QuestionListWindow::QuestionListWindow(int list, SharedState& s, Platform& platform,
                                       std::filesystem::path start_dir, QWidget* parent)
    : QMainWindow(parent), list_(list), s_(s), platform_(platform),
      start_dir_(std::move(start_dir)) {
  setObjectName(list_ == 1 ? "Form2" : "Form3");
  setWindowTitle(list_ == 1 ? "List" : "Список вопросов 2");
  CreateMemo();
  CreateMenu();
  // A list file that is missing was told by the start-up (or its folder cannot be written).
  std::error_code ec;
  if (!std::filesystem::exists(ListPath(), ec)) return;
  if (auto file = LoadListFile(platform_, ListPath())) {
    SetMemoLines(*memo_, file->lines);
    memo_->document()->setModified(false);
    format_ = file->format;
  } else {
    file_unread_ = true;
  }
}

void QuestionListWindow::CreateMemo() {
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  if (list_ == 1) {
    QFont font = memo_->font();
    font.setPointSize(this->font().pointSize());
    memo_->setFont(font);
    memo_->installEventFilter(this);
  }
  setCentralWidget(memo_);
  resize(640, 480);
}

void QuestionListWindow::CreateMenu() {
  auto* open = new QAction(list_ == 1 ? "Open File 1" : "Open File 2", this);
  open->setObjectName(list_ == 1 ? "OpenFile11" : "File11");
  connect(open, &QAction::triggered, this, &QuestionListWindow::OpenFile);
  auto* help = new QAction("Help", this);
  help->setObjectName("Help1");
  connect(help, &QAction::triggered, this, &QuestionListWindow::ShowHelp);
  menuBar()->addAction(open);
  menuBar()->addAction(help);
}

void QuestionListWindow::OpenFile() {
  const auto chosen = platform_.OpenFileDialog(kTextFilesFilter);
  if (!chosen) return;
  const auto file = LoadListFile(platform_, *chosen);
  if (!file) return;
  SetMemoLines(*memo_, file->lines);
  // The list file takes the chosen file's text, in the chosen file's form.
  memo_->document()->setModified(true);
  format_ = file->format;
  file_unread_ = false;
  if (list_ == 1) setWindowTitle(QString::fromStdString(chosen->string()));
}

void QuestionListWindow::ShowHelp() { platform_.ShowMessage(list_ == 1 ? kHelpText1 : kHelpText2); }

std::filesystem::path QuestionListWindow::ListPath() const {
  return list_ == 1 ? QuestionList1Path(start_dir_) : QuestionList2Path(start_dir_);
}

void QuestionListWindow::SaveAndCopy(bool update_count) {
  // A message box shown here takes the focus from the memo; that must not save again.
  if (saving_) return;
  // A file that could not be read (not a list, far too long) is neither replaced by the empty
  // memo nor taken as an empty list, until the teacher types a list.
  if (file_unread_ && !memo_->document()->isModified()) return;
  file_unread_ = false;
  saving_ = true;
  const std::vector<std::string> lines = MemoLines(*memo_);
  // A list that was not edited is not written: the teacher's file stays byte for byte.
  if (memo_->document()->isModified() && SaveListFile(platform_, ListPath(), lines, format_)) {
    memo_->document()->setModified(false);
  }
  const bool all_kept =
      list_ == 1 ? CopyQuestionList(s_.QuestionList1, s_.QuestionCount1, lines, update_count)
                 : CopyQuestionList(s_.QuestionList2, s_.QuestionCount2, lines, update_count);
  if (!all_kept) {
    platform_.ShowMessage("The list holds more than " + std::to_string(kMaxQuestions) +
                          " questions; the tickets use the first " +
                          std::to_string(kMaxQuestions));
  }
  // The ticket question file is named after the list lengths: a list of another length
  // gets its own file (drawn for it), not the one loaded for the old length.
  if (update_count) ReloadTicketQuestions(s_, platform_, start_dir_);
  saving_ = false;
}

void QuestionListWindow::closeEvent(QCloseEvent* event) {
  SaveAndCopy(true);
  event->accept();
}

bool QuestionListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo_ && event->type() == QEvent::FocusOut) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A context menu over the memo does not leave it.
    if (reason != Qt::PopupFocusReason) SaveAndCopy(false);
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace shell::ui
