#include "toolkit/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

#include "toolkit/errors.h"

namespace toolkit {

TempFile CreateTempFileBeside(const std::filesystem::path& target) {
  // Only a file (or a link, which the rename replaces, not its target) gives up its place: a
  // device, a pipe or a folder at the target's name stays as it is.
  struct stat info {};
  if (::lstat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) {
    throw IoError("Cannot write file " + target.string() + ": " +
                  (S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file"));
  }
  static std::atomic<std::uint64_t> counter{0};
  int error = 0;
  // A name taken by anything (a file, a link planted there) is never opened: another is tried.
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    TempFile temp;
    temp.path = target;
    temp.path += "." + std::to_string(::getpid()) + "-" +
                 std::to_string((ticks ^ (counter++ * 0x9E3779B97F4A7C15ULL)) % 1000000007ULL) +
                 ".tmp";
    temp.fd = ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (temp.fd >= 0) return temp;
    error = errno;
    if (error != EEXIST) break;
  }
  throw IoError("Cannot create file " + target.string() + ": " + std::strerror(error));
}

bool SyncAndClose(int fd) {
  const bool synced = ::fsync(fd) == 0;
  const int sync_error = errno;
  const bool closed = ::close(fd) == 0;
  if (!synced) errno = sync_error;
  return synced && closed;
}

void ReplaceWithTempFile(const std::filesystem::path& temp, const std::filesystem::path& target) {
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw IoError("Cannot write file " + target.string() + ": " + ec.message());
  }
}

}  // namespace toolkit
