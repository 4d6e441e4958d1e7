#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <QProcess>
#include <QString>
#include <QPointer>
#include <QWidget>

#include "shell/platform.h"

namespace shell::ui {

/// The dialog filter of the platform layer ("Text files (*.txt)|*.txt|All files (*.*)|*.*")
/// in Qt's form ("Text files (*.txt);;All files (*)"); "*.*" becomes "*", which on Linux
/// also matches names without a dot.
QString QtFileFilter(const std::string& filter);

/// The platform layer on Qt: modal message boxes and file dialogs over the main window,
/// programs started with QProcess (detached, or watched through its signals), the primary
/// screen, the system's short date and a clock-seeded generator.
class QtPlatform : public Platform {
 public:
  /// dialog_dir is the folder the file dialogs open in.
  explicit QtPlatform(std::filesystem::path dialog_dir);
  /// Programs still running are no longer watched: their end notices would reach a platform
  /// that is gone.
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  /// The window the message boxes and dialogs belong to (none: they stand alone).
  void SetParentWindow(QWidget* window) { parent_ = window; }

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  std::optional<std::filesystem::path> OpenFileDialog(const std::string& filter) override;
  StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                           const std::vector<std::pair<std::string, std::string>>& extra_env,
                           const std::filesystem::path& working_dir) override;
  std::optional<StartResult> StartProgramAndNotify(
      const std::string& program, const std::vector<std::string>& args,
      const std::vector<std::pair<std::string, std::string>>& extra_env,
      const std::filesystem::path& working_dir, std::function<void(bool)> on_finished) override;
  std::pair<int, int> ScreenSize() override;
  std::string ShortDate() override;
  int RandomInt(int n) override;

 private:
  QPointer<QWidget> parent_;
  std::filesystem::path dialog_dir_;
  std::mt19937 generator_;
  std::vector<QPointer<QProcess>> watched_;
};

}  // namespace shell::ui
