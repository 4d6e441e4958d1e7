#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QMainWindow>

#include "shell/list_files.h"
#include "shell/platform.h"
#include "subjects/shared_state.h"

class QPlainTextEdit;

namespace shell::ui {

/// The window of one examination question list ("Set 1" edits ma1.txt into QuestionList1,
/// "Set 2" ma2.txt into QuestionList2): a memo loaded at creation, copied into the run when the
/// window closes (list 1 also when the memo loses the focus, keeping its count) and then
/// saved when it was edited, in the file's own encoding and line ends.
class QuestionListWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// list is 1 or 2; the window is created hidden, loaded from its file in start_dir.
  QuestionListWindow(int list, SharedState& s, Platform& platform,
                     std::filesystem::path start_dir, QWidget* parent);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMemo();
  void CreateMenu();
  void OpenFile();
  void ShowHelp();
  /// Saves the memo to the list's file and copies it into the list's questions.
  void SaveAndCopy(bool update_count);
  std::filesystem::path ListPath() const;

  int list_;
  SharedState& s_;
  Platform& platform_;
  std::filesystem::path start_dir_;
  QPlainTextEdit* memo_ = nullptr;
  bool saving_ = false;
  /// The form of the list's file, kept when an edited list is saved.
  TextFileFormat format_;
  /// The list's file could not be loaded (told): it is not replaced unless the memo is edited.
  bool file_unread_ = false;
};

}  // namespace shell::ui
