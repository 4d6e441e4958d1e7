#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

namespace toolkit {

/// One output text file of a Start: takes UTF-8 text and writes it in Windows-1251 with
/// CR LF line ends, to a file on disk or to memory (tests). Characters that Windows-1251
/// lacks are written as "?". Every failed open, write or close throws IoError naming the file.
class TextWriter {
 public:
  TextWriter() = default;
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;
  ~TextWriter();

  /// When a file written to disk takes the place of the file at its path.
  enum class Replace {
    kOnClose,   ///< Close puts it in place
    kOnCommit,  ///< Close finishes it beside its path; Commit puts it in place
  };

  /// Opens a new file for writing that will replace the file at path (see Replace); until
  /// then it is written beside path, so the file at path stays as it was when the writing
  /// fails. Throws IoError.
  void OpenFile(const std::filesystem::path& path, Replace replace = Replace::kOnClose);
  /// Opens an empty in-memory text; Contents() then returns what was written.
  void OpenMemory();
  /// Writes text as it stands; throws IoError when the file is not open or the write fails.
  void Write(std::string_view utf8);
  /// Writes text and a line end (CR LF); throws IoError as Write.
  void WriteLine(std::string_view utf8);
  /// Flushes the file to the disk and closes it (a memory text keeps its contents), and puts it
  /// in place when opened with Replace::kOnClose; throws IoError on failure (the file at path
  /// stays as it was). Closing a writer that is not open does nothing.
  void Close();
  /// Puts a file closed with Replace::kOnCommit in place of the file at its path; nothing when
  /// there is none waiting. Throws IoError.
  void Commit();
  /// Closes without reporting errors and drops a file not yet in place; used while an earlier
  /// error is already on its way.
  void CloseQuietly() noexcept;

  /// Exchanges this writer's file (or memory text) and state with other's.
  void Swap(TextWriter& other) noexcept {
    std::swap(file_, other.file_);
    std::swap(open_, other.open_);
    memory_.swap(other.memory_);
    path_.swap(other.path_);
    temp_path_.swap(other.temp_path_);
    std::swap(replace_, other.replace_);
    std::swap(waiting_, other.waiting_);
  }

  /// True between an Open... and Close.
  bool IsOpen() const { return open_; }
  /// The bytes written to memory so far (Windows-1251, CR LF).
  const std::string& Contents() const { return memory_; }
  /// The path of the open (or last) disk file; empty for memory.
  const std::filesystem::path& Path() const { return path_; }

 private:
  void WriteBytes(const std::string& bytes);

  std::FILE* file_ = nullptr;
  bool open_ = false;
  std::string memory_;
  std::filesystem::path path_;
  std::filesystem::path temp_path_;  ///< the file being written, or closed and waiting
  Replace replace_ = Replace::kOnClose;
  bool waiting_ = false;  ///< closed with kOnCommit, not yet in place
};

}  // namespace toolkit
