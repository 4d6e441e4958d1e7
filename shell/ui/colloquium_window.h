#pragma once

#include <filesystem>

#include <QMainWindow>

#include "shell/list_files.h"
#include "shell/platform.h"
#include "shell/start.h"
#include "subjects/shared_state.h"

class QPlainTextEdit;

namespace shell::ui {

/// The colloquium window ("List"): a memo with the colloquium question list (groups
/// separated by "###", ended by "***"), parsed into the run whenever the window closes;
/// "File" loads a text file into the memo. The list lasts from one program run to the next in
/// the list file kColloquiumListFile of the start directory, written when an edited list is
/// parsed.
class ColloquiumWindow : public QMainWindow {
  Q_OBJECT

 public:
  /// Created hidden with the list kept in the start directory (empty when there is none).
  ColloquiumWindow(SharedState& s, ShellSession& session, Platform& platform, QWidget* parent);

  /// Parses the list as the memo holds it into the run and session.ColloquiumList, and keeps
  /// an edited list in its file (a failure is told).
  void CopyToRun();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void LoadFile();
  std::filesystem::path ListPath() const;

  SharedState& s_;
  ShellSession& session_;
  Platform& platform_;
  QPlainTextEdit* memo_ = nullptr;
  TextFileFormat format_;
};

/// Name of the file in the start directory that keeps the colloquium list.
inline constexpr const char* kColloquiumListFile = "vpr.txt";

}  // namespace shell::ui
