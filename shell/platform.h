#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/random_source.h"

namespace shell {

/// How starting an external program ended.
enum class StartResult {
  kStarted,   ///< the process runs (it is never waited for)
  kNotFound,  ///< the program file does not exist or cannot be executed
};

/// Every outside effect of the shell that is not a file it reads or writes: message boxes,
/// file dialogs, starting programs, the screen, the clock and the random numbers. The windows
/// implement it with Qt; tests use a recording fake, so no test ever blocks. Its random
/// numbers are the program's one generator, which a Start hands to the generators.
class Platform : public toolkit::RandomSource {
 public:
  virtual ~Platform() = default;

  /// Shows a modal message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  /// Shows a modal question with Yes and No buttons (No the default); true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  /// Shows an open-file dialog with the given filter ("Text files (*.txt)|*.txt|..." as
  /// the caller builds it); returns the chosen path, or nothing when cancelled.
  virtual std::optional<std::filesystem::path> OpenFileDialog(const std::string& filter) = 0;
  /// Starts program with args (no shell), not waited for; extra_env entries ("NAME", "value")
  /// are added to its environment; working_dir empty means the current directory.
  virtual StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                                   const std::vector<std::pair<std::string, std::string>>& extra_env,
                                   const std::filesystem::path& working_dir) = 0;
  /// Starts program as StartProgram does and, without blocking the caller, calls
  /// on_finished(true) once it has ended with exit code 0, on_finished(false) once it has
  /// failed or crashed; a program that is not found gives kNotFound and no call. Returns
  /// nothing, and starts nothing, when this platform cannot tell when a program ends.
  virtual std::optional<StartResult> StartProgramAndNotify(
      const std::string& /*program*/, const std::vector<std::string>& /*args*/,
      const std::vector<std::pair<std::string, std::string>>& /*extra_env*/,
      const std::filesystem::path& /*working_dir*/, std::function<void(bool)> /*on_finished*/) {
    return std::nullopt;
  }
  /// Width and height of the screen in pixels.
  virtual std::pair<int, int> ScreenSize() = 0;
  /// The current date in the system's short form (e.g. "10.12.2026").
  virtual std::string ShortDate() = 0;
  /// A pseudo-random integer uniform in 0..n-1 (n >= 1), from a generator seeded from the clock.
  int RandomInt(int n) override = 0;
};

}  // namespace shell
