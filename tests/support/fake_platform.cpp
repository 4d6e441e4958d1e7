#include "tests/support/fake_platform.h"

namespace testing_support {

bool FakePlatform::AskYesNo(const std::string& text) {
  questions.push_back(text);
  if (question_answers.empty()) return false;
  const bool answer = question_answers.front();
  question_answers.pop_front();
  return answer;
}

std::optional<std::filesystem::path> FakePlatform::OpenFileDialog(const std::string& filter) {
    dialog_filters.push_back(filter);
    if (dialog_answers.empty()) return std::nullopt;
    auto answer = dialog_answers.front();
    dialog_answers.pop_front();
    return answer;
  }

shell::StartResult FakePlatform::StartProgram(
    const std::string& program, const std::vector<std::string>& args,
    const std::vector<std::pair<std::string, std::string>>& extra_env,
    const std::filesystem::path& working_dir) {
    started.push_back({program, args, extra_env, working_dir});
    return missing_programs.count(program) != 0 ? shell::StartResult::kNotFound
                                                : shell::StartResult::kStarted;
  }

std::optional<shell::StartResult> FakePlatform::StartProgramAndNotify(
    const std::string& program, const std::vector<std::string>& args,
    const std::vector<std::pair<std::string, std::string>>& extra_env,
    const std::filesystem::path& working_dir, std::function<void(bool)> on_finished) {
    if (!can_notify) return std::nullopt;
    const shell::StartResult result = StartProgram(program, args, extra_env, working_dir);
    if (result == shell::StartResult::kStarted) pending.push_back(std::move(on_finished));
    return result;
  }

void FakePlatform::Finish(bool well) {
    auto callback = std::move(pending.front());
    pending.erase(pending.begin());
    callback(well);
  }

int FakePlatform::RandomInt(int n) {
    random_requests.push_back(n);
    if (n <= 1) return 0;
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(n));
  }

}  // namespace testing_support
