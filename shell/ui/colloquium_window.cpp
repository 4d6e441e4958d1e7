#include "shell/ui/colloquium_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/colloquium.h"
#include "shell/list_files.h"
#include "shell/ui/memo_lines.h"

namespace shell::ui {

ColloquiumWindow::ColloquiumWindow(SharedState& s, Platform& platform, QWidget* parent)
    : QMainWindow(parent), s_(s), platform_(platform) {
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
}

void ColloquiumWindow::LoadFile() {
  const auto chosen = platform_.OpenFileDialog("Text files (*.txt)|*.txt|All files (*.*)|*.*");
  if (!chosen) return;
  if (const auto lines = LoadListFile(platform_, *chosen)) SetMemoLines(*memo_, *lines);
}

void ColloquiumWindow::closeEvent(QCloseEvent* event) {
  ParseColloquiumList(s_, MemoLines(*memo_));
  event->accept();
}

}  // namespace shell::ui
