#pragma once

#include <QMainWindow>

#include "shell/platform.h"
#include "subjects/shared_state.h"

class QPlainTextEdit;

namespace shell::ui {

/// The colloquium window ("List"): a memo with the colloquium question list (groups
/// separated by "###", ended by "***"), parsed into the run whenever the window closes;
/// "File" loads a text file into the memo.
class ColloquiumWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// Created hidden with an empty list.
  ColloquiumWindow(SharedState& s, Platform& platform, QWidget* parent);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadFile();

  SharedState& s_;
  Platform& platform_;
  QPlainTextEdit* memo_ = nullptr;
};

}  // namespace shell::ui
