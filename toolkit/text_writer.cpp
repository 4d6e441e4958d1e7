#include "toolkit/text_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "toolkit/atomic_file.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace toolkit {

TextWriter::~TextWriter() { CloseQuietly(); }

void TextWriter::OpenFile(const std::filesystem::path& path, Replace replace) {
  CloseQuietly();
  path_ = path;
  memory_.clear();
  replace_ = replace;
  const TempFile temp = CreateTempFileBeside(path);
  file_ = ::fdopen(temp.fd, "wb");
  if (file_ == nullptr) {
    const int error = errno;
    ::close(temp.fd);
    std::error_code ignored;
    std::filesystem::remove(temp.path, ignored);
    throw IoError("Cannot create file " + path.string() + ": " + std::strerror(error));
  }
  temp_path_ = temp.path;
  open_ = true;
}

void TextWriter::OpenMemory() {
  CloseQuietly();
  path_.clear();
  memory_.clear();
  open_ = true;
}

void TextWriter::WriteBytes(const std::string& bytes) {
  if (!open_) {
    throw IoError("File not open for writing" + (path_.empty() ? "" : ": " + path_.string()));
  }
  if (file_ == nullptr) {
    memory_ += bytes;
    return;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    throw IoError("Cannot write file " + path_.string() + ": " + std::strerror(errno));
  }
}

void TextWriter::Write(std::string_view utf8) { WriteBytes(Utf8ToCp1251(utf8)); }

void TextWriter::WriteLine(std::string_view utf8) { WriteBytes(Utf8ToCp1251(utf8) + "\r\n"); }

void TextWriter::Close() {
  if (!open_) return;
  open_ = false;
  if (file_ != nullptr) {
    std::FILE* f = file_;
    file_ = nullptr;
    // No fsync: a Start writes many documents, and the rename that puts a finished file in
    // place already keeps the old one whole when the writing fails.
    bool written = std::fflush(f) == 0 && !std::ferror(f);
    int error = errno;
    if (std::fclose(f) != 0 && written) {
      written = false;
      error = errno;
    }
    if (!written) {
      std::error_code ignored;
      std::filesystem::remove(temp_path_, ignored);
      temp_path_.clear();
      throw IoError("Cannot write file " + path_.string() + ": " + std::strerror(error));
    }
    waiting_ = true;
    if (replace_ == Replace::kOnClose) Commit();
  }
}

void TextWriter::Commit() {
  if (!waiting_) return;
  waiting_ = false;
  const std::filesystem::path temp = std::move(temp_path_);
  temp_path_.clear();
  ReplaceWithTempFile(temp, path_);
}

void TextWriter::CloseQuietly() noexcept {
  if (file_ != nullptr) std::fclose(file_);
  if (file_ != nullptr || waiting_) {
    std::error_code ignored;
    std::filesystem::remove(temp_path_, ignored);
  }
  temp_path_.clear();
  file_ = nullptr;
  open_ = false;
  waiting_ = false;
}

}  // namespace toolkit
