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

  /// Creates (or empties) the file at path and opens it for writing; throws IoError.
  void OpenFile(const std::filesystem::path& path);
  /// Opens an empty in-memory text; Contents() then returns what was written.
  void OpenMemory();
  /// Writes text as it stands; throws IoError when the file is not open or the write fails.
  void Write(std::string_view utf8);
  /// Writes text and a line end (CR LF); throws IoError as Write.
  void WriteLine(std::string_view utf8);
  /// Flushes and closes the file (a memory text keeps its contents); throws IoError on failure.
  /// Closing a writer that is not open does nothing.
  void Close();
  /// Closes without reporting errors; used while an earlier error is already on its way.
  void CloseQuietly() noexcept;

  /// Exchanges this writer's file (or memory text) and state with other's.
  void Swap(TextWriter& other) noexcept {
    std::swap(file_, other.file_);
    std::swap(open_, other.open_);
    memory_.swap(other.memory_);
    path_.swap(other.path_);
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
};

}  // namespace toolkit
