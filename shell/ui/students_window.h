#pragma once

#include <filesystem>

#include <QMainWindow>
#include <QString>

#include "shell/platform.h"
#include "subjects/shared_state.h"

class QPlainTextEdit;

namespace shell::ui {

/// The students window ("Students"): a memo with the students list StudentsFileName (the
/// group line, then one student a line), loaded at creation, saved and copied into
/// StudentNames when the window closes; "OpenFile" chooses another list file.
class StudentsWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// Created hidden; loads StudentsFileName (relative names from start_dir) when one is set.
  StudentsWindow(SharedState& s, Platform& platform, std::filesystem::path start_dir,
                 QWidget* parent);

 signals:
  /// Another students file was chosen; name is the new StudentsFileName.
  void StudentsFileChosen(const QString& name);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenu();
  void OpenFile();
  /// Copies the memo into StudentNames and StudentLineCount.
  void CopyToRun(const std::vector<std::string>& lines);

  SharedState& s_;
  Platform& platform_;
  std::filesystem::path start_dir_;
  QPlainTextEdit* memo_ = nullptr;
  /// The students list could not be loaded (told): it is not replaced unless the memo is edited.
  bool file_unread_ = false;
};

}  // namespace shell::ui
