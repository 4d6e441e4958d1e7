#include "toolkit/text_writer.h"

#include <cerrno>
#include <cstring>

#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace toolkit {

TextWriter::~TextWriter() { CloseQuietly(); }

void TextWriter::OpenFile(const std::filesystem::path& path) {
  CloseQuietly();
  path_ = path;
  memory_.clear();
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    throw IoError("Cannot create file " + path.string() + ": " + std::strerror(errno));
  }
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
    const bool flushed = std::fflush(f) == 0 && !std::ferror(f);
    const bool closed = std::fclose(f) == 0;
    if (!flushed || !closed) {
      throw IoError("Cannot write file " + path_.string() + ": " + std::strerror(errno));
    }
  }
}

void TextWriter::CloseQuietly() noexcept {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  open_ = false;
}

}  // namespace toolkit
