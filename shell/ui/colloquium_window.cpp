#include "shell/ui/colloquium_window.h"

#include <system_error>

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/colloquium.h"
#include "shell/ui/memo_lines.h"

namespace shell::ui {

ColloquiumWindow::ColloquiumWindow(SharedState& s, ShellSession& session, Platform& platform,
                                   QWidget* parent)
    : QMainWindow(parent), s_(s), session_(session), platform_(platform) {
  setObjectName("Form5");
  setWindowTitle("Colloquium");
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo1");
  setCentralWidget(memo_);
  resize(640, 480);
  auto* file = new QAction("File", this);
  file->setObjectName("VPRK");
  connect(file, &QAction::triggered, this, &ColloquiumWindow::LoadFile);
  menuBar()->addAction(file);

  std::error_code ec;
  if (!std::filesystem::exists(ListPath(), ec)) return;
  if (const auto kept = LoadListFile(platform_, ListPath())) {
    SetMemoLines(*memo_, kept->lines);
    memo_->document()->setModified(false);
    format_ = kept->format;
    session_.ColloquiumList = kept->lines;
    ParseColloquiumList(s_, kept->lines);
  }
}

std::filesystem::path ColloquiumWindow::ListPath() const {
  return session_.StartDirectory / kColloquiumListFile;
}

void ColloquiumWindow::LoadFile() {
  const auto chosen = platform_.OpenFileDialog("Text files (*.txt)|*.txt|All files (*.*)|*.*");
  if (!chosen) return;
  if (const auto file = LoadListFile(platform_, *chosen)) {
    SetMemoLines(*memo_, file->lines);
    memo_->document()->setModified(true);
  }
}

void ColloquiumWindow::CopyToRun() {
  const std::vector<std::string> lines = MemoLines(*memo_);
  session_.ColloquiumList = lines;
  ParseColloquiumList(s_, lines);
  if (memo_->document()->isModified() &&
      SaveListFile(platform_, ListPath(), lines, format_)) {
    memo_->document()->setModified(false);
  }
}

void ColloquiumWindow::closeEvent(QCloseEvent* event) {
  CopyToRun();
  event->accept();
}

}  // namespace shell::ui
