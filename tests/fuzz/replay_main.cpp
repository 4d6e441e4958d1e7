// Replays seed corpus files through a fuzz target built with the normal compiler: the
// normal suite runs every corpus file once, with no fuzzing.
//   fuzz_replay TARGET FILE_OR_FOLDER...
#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_target.h"

namespace fuzz_support {

namespace {

std::map<std::string, Target>& Targets() {
  static std::map<std::string, Target> targets;
  return targets;
}

}  // namespace

bool Register(const char* name, Target target) {
  Targets()[name] = target;
  return true;
}

}  // namespace fuzz_support

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s TARGET FILE_OR_FOLDER...\n", argv[0]);
    return 2;
  }
  const auto found = fuzz_support::Targets().find(argv[1]);
  if (found == fuzz_support::Targets().end()) {
    std::fprintf(stderr, "no fuzz target %s\n", argv[1]);
    return 2;
  }
  std::vector<std::filesystem::path> files;
  for (int i = 2; i < argc; ++i) {
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& e : std::filesystem::directory_iterator(argv[i])) {
        if (e.is_regular_file()) files.push_back(e.path());
      }
    } else {
      files.emplace_back(argv[i]);
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "no corpus files for %s\n", argv[1]);
    return 1;
  }
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::fprintf(stderr, "%s\n", file.filename().c_str());
    found->second(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu corpus files of %s replayed\n", files.size(), argv[1]);
  return 0;
}
