#pragma once

#include <filesystem>

namespace toolkit {

/// A file created for writing beside the file it will replace.
struct TempFile {
  int fd = -1;                  ///< open for writing
  std::filesystem::path path;  ///< target's name with a unique ending, same folder
};

/// Creates a new, empty file beside target: its name is target's with a unique ending, and it
/// is created exclusively without following links, so no existing file or planted link is
/// opened. Throws IoError naming target, also when target is there and is not a file or a
/// link (a folder, a device, a pipe), which a rename would replace.
TempFile CreateTempFileBeside(const std::filesystem::path& target);

/// Flushes the file of fd to the disk and closes fd (always); false when either failed, with
/// errno telling why.
bool SyncAndClose(int fd);

/// Moves the finished temporary file onto target in one step; on failure removes temp and
/// throws IoError naming target.
void ReplaceWithTempFile(const std::filesystem::path& temp, const std::filesystem::path& target);

}  // namespace toolkit
