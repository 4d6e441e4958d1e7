#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/platform.h"

namespace testing_support {

/// A recording stand-in for the platform layer: keeps every message and started program,
/// answers dialogs from a script, and draws reproducible random numbers from a fixed seed.
class FakePlatform : public shell::Platform {
 public:
  /// One call of StartProgram, as it was made.
  struct StartedProgram {
    std::string program;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::string>> env;
    std::filesystem::path working_dir;
  };

  /// Messages shown, in order.
  std::vector<std::string> messages;
  /// Programs started (or attempted: a program in missing_programs is recorded too).
  std::vector<StartedProgram> started;
  /// Questions asked (AskYesNo), in order.
  std::vector<std::string> questions;
  /// Answers of the next questions, front first; an empty queue answers No.
  std::deque<bool> question_answers;
  /// Filters of the file dialogs shown, in order.
  std::vector<std::string> dialog_filters;
  /// Answers of the next file dialogs, front first; an empty queue answers "cancelled".
  std::deque<std::optional<std::filesystem::path>> dialog_answers;
  /// Program names whose start reports kNotFound.
  std::set<std::string> missing_programs;
  /// What ScreenSize returns.
  std::pair<int, int> screen{1280, 1024};
  /// What ShortDate returns.
  std::string date = "10.12.2026";
  /// Every n passed to RandomInt, in order.
  std::vector<int> random_requests;
  /// false: behaves like a platform that cannot tell when a program ends.
  bool can_notify = true;
  /// End notices of programs started with StartProgramAndNotify that have not "ended" yet.
  std::vector<std::function<void(bool)>> pending;

  /// Starts the random sequence again from seed (the default seed is used at construction).
  void Reseed(std::uint64_t seed) { state_ = seed; }

  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  bool AskYesNo(const std::string& text) override;

  std::optional<std::filesystem::path> OpenFileDialog(const std::string& filter) override;

  shell::StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                                  const std::vector<std::pair<std::string, std::string>>& extra_env,
                                  const std::filesystem::path& working_dir) override;

  std::optional<shell::StartResult> StartProgramAndNotify(
      const std::string& program, const std::vector<std::string>& args,
      const std::vector<std::pair<std::string, std::string>>& extra_env,
      const std::filesystem::path& working_dir, std::function<void(bool)> on_finished) override;

  /// Ends the oldest pending program, well or not.
  void Finish(bool well);

  std::pair<int, int> ScreenSize() override { return screen; }

  std::string ShortDate() override { return date; }

  /// Uniform enough for tests and the same on every platform and library (the splitmix64
  /// sequence, not a library distribution).
  int RandomInt(int n) override;

 private:
  std::uint64_t state_ = 20261210;
};

}  // namespace testing_support
