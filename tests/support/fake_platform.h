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

  std::optional<std::filesystem::path> OpenFileDialog(const std::string& filter) override {
    dialog_filters.push_back(filter);
    if (dialog_answers.empty()) return std::nullopt;
    auto answer = dialog_answers.front();
    dialog_answers.pop_front();
    return answer;
  }

  shell::StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                                  const std::vector<std::pair<std::string, std::string>>& extra_env,
                                  const std::filesystem::path& working_dir) override {
    started.push_back({program, args, extra_env, working_dir});
    return missing_programs.count(program) != 0 ? shell::StartResult::kNotFound
                                                : shell::StartResult::kStarted;
  }

  std::optional<shell::StartResult> StartProgramAndNotify(
      const std::string& program, const std::vector<std::string>& args,
      const std::vector<std::pair<std::string, std::string>>& extra_env,
      const std::filesystem::path& working_dir, std::function<void(bool)> on_finished) override {
    if (!can_notify) return std::nullopt;
    const shell::StartResult result = StartProgram(program, args, extra_env, working_dir);
    if (result == shell::StartResult::kStarted) pending.push_back(std::move(on_finished));
    return result;
  }

  /// Ends the oldest pending program, well or not.
  void Finish(bool well) {
    auto callback = std::move(pending.front());
    pending.erase(pending.begin());
    callback(well);
  }

  std::pair<int, int> ScreenSize() override { return screen; }

  std::string ShortDate() override { return date; }

  /// Uniform enough for tests and the same on every platform and library (the splitmix64
  /// sequence, not a library distribution).
  int RandomInt(int n) override {
    random_requests.push_back(n);
    if (n <= 1) return 0;
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_ = 20261210;
};

}  // namespace testing_support
