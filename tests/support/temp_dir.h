#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace testing_support {

/// A fresh, empty directory below the system's temporary directory, removed with everything
/// in it when the object goes.
class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tarbel_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

/// The bytes of a file, or an empty string when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

/// Writes bytes to a file, replacing it.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace testing_support
