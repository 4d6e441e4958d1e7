#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_platform.h"

namespace testing_support {

/// The recording fake that can also watch a program end: every StartProgramAndNotify is
/// recorded as a start, and its callback waits in `pending` until a test calls it.
class NotifyingPlatform : public FakePlatform {
 public:
  /// false: behaves like a platform that cannot tell when a program ends.
  bool can_notify = true;
  /// Callbacks of started programs that have not "ended" yet, in start order.
  std::vector<std::function<void(bool)>> pending;

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
};

}  // namespace testing_support
