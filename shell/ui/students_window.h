#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QString>

#include "shell/list_files.h"
#include "shell/platform.h"
#include "subjects/shared_state.h"

class QPlainTextEdit;

namespace shell::ui {

/// The students window ("Students"): a memo with the students list StudentsFileName (the
/// group line, then one student a line), loaded at creation and copied into the run; when the
/// window closes an edited list is saved in its file's own encoding and line ends, and the
/// list is copied into the run again. "OpenFile" chooses another list file.
class StudentsWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// Created hidden; loads StudentsFileName (relative names from start_dir) when one is set.
  StudentsWindow(SharedState& s, Platform& platform, std::filesystem::path start_dir,
                 QWidget* parent);

  /// Copies the list as the memo holds it into the run (StudentNames, StudentLineCount and
  /// GroupName from one list), telling once per list that it holds more lines than a set
  /// uses. A list that could not be read and was not edited since is left as it is.
  void CopyToRun();

 signals:
  /// Another students file was chosen; name is the new StudentsFileName.
  void StudentsFileChosen(const QString& name);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenu();
  void OpenFile();
  void CopyLines(const std::vector<std::string>& lines, bool tell);

  SharedState& s_;
  Platform& platform_;
  std::filesystem::path start_dir_;
  QPlainTextEdit* memo_ = nullptr;
  /// The form of the list's file, kept when an edited list is saved.
  TextFileFormat format_;
  /// The students list could not be loaded (told): it is not replaced unless the memo is edited.
  bool file_unread_ = false;
  /// The lists already told to be longer than a set uses, by file name.
  std::set<std::string> told_too_long_;
};

}  // namespace shell::ui
