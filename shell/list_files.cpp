#include "shell/list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "toolkit/atomic_file.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"

namespace shell {

namespace {

constexpr std::size_t kStudentNameChars = 65;
constexpr const char* kNotCreated = "not created";
constexpr std::size_t kGroupNameChars = 50;

// Closes a descriptor when the read ends, however it ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

[[noreturn]] void ThrowReadError(const std::filesystem::path& path, const std::string& why) {
  throw toolkit::IoError("Cannot read file " + path.string() + ": " + why);
}

// Where the lines a reader asked for end in the bytes read so far.
class LineBound {
 public:
  LineBound(const std::filesystem::path& path, int max_lines)
      : path_(path), max_lines_(max_lines) {}

  // The length of the part of bytes[0..size) to keep, or size when all of it is kept and
  // reading goes on.
  std::size_t Scan(const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      const char c = bytes[i];
      if (after_cr_ && c == '\n') {
        after_cr_ = false;
        continue;
      }
      after_cr_ = c == '\r';
      if (c == '\r' || c == '\n') {
        ++ended_;
        line_bytes_ = 0;
        // The line after the last one asked for only shows that there are more.
        if (ended_ > max_lines_) return i + 1;
      } else if (++line_bytes_ > kMaxLineBytes) {
        if (ended_ >= max_lines_) return i;
        ThrowReadError(path_, "line " + std::to_string(ended_ + 1) + " is longer than " +
                                  std::to_string(kMaxLineBytes) +
                                  " bytes; it is not a text file of lines");
      }
    }
    return size;
  }

 private:
  const std::filesystem::path& path_;
  int max_lines_;
  int ended_ = 0;
  std::size_t line_bytes_ = 0;
  bool after_cr_ = false;
};

// The bytes of the first max_lines lines of a regular file, and the start of one more line
// when there is one. A folder, a device or a pipe is refused before anything is read from
// it: opening does not wait for a writer (O_NONBLOCK), and the kind is checked on the open
// descriptor, so nothing can be swapped in between.
std::string ReadFileBytes(const std::filesystem::path& path, int max_lines) {
  const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) {
    const int error = errno;
    if (error == EISDIR) ThrowReadError(path, "it is a folder, not a text file");
    throw toolkit::IoError("Cannot open file " + path.string() + ": " + std::strerror(error));
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) ThrowReadError(path, std::strerror(errno));
  if (S_ISDIR(info.st_mode)) ThrowReadError(path, "it is a folder, not a text file");
  if (!S_ISREG(info.st_mode)) {
    ThrowReadError(path, "it is not a regular file (a device, a pipe or a socket)");
  }
  LineBound bound(path, max_lines);
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowReadError(path, std::strerror(errno));
    }
    if (n == 0) break;
    const std::size_t keep = bound.Scan(buffer, static_cast<std::size_t>(n));
    bytes.append(buffer, keep);
    if (keep < static_cast<std::size_t>(n)) break;
    if (bytes.size() > kMaxTextFileBytes) {
      ThrowReadError(path, "it holds more than " + std::to_string(kMaxTextFileBytes >> 20) +
                               " MB; it is not a text file of lines");
    }
  }
  return bytes;
}

// What each start file holds, for the message that names the missing ones.
std::string StartFileContents(const std::string& name) {
  if (name == "kaf.txt") return "the departments, one per line";
  if (name == "vuz.txt") return "the universities, one per line";
  if (name == "ma1.txt") return "the first list of ticket questions, one per line";
  return "the second list of ticket questions, one per line";
}

// A start file that is missing: created with one line of two blanks so that the teacher
// finds it to fill in (its rows are read at the next start), and named in the one message
// that LoadStartFiles shows for all of them.
void CreateMissingStartFile(const std::filesystem::path& path, const std::string& name,
                            std::string& missing) {
  missing += "\nFile  " + name + " not found: " + StartFileContents(name);
  try {
    WriteTextFileLines(path, {"  "});
  } catch (const toolkit::IoError& e) {
    // Told in the one message, which must then not say that it was created.
    missing += std::string(" (") + kNotCreated + ": " + e.what() + ")";
  }
}

// Reads one start file; nothing when it is missing (created, and added to `missing`) or
// unreadable (told).
std::optional<std::vector<std::string>> ReadStartFile(Platform& platform,
                                                      const std::filesystem::path& start_dir,
                                                      const std::string& name, int max_lines,
                                                      std::string* missing) {
  const std::filesystem::path path = start_dir / name;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    if (missing != nullptr) CreateMissingStartFile(path, name, *missing);
    return std::nullopt;
  }
  try {
    return ReadTextFileLines(path, max_lines);
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return std::nullopt;
  }
}

// The rows of a combo box file, told when it holds more than the box takes.
std::vector<std::string> ReadComboRows(Platform& platform, const std::filesystem::path& start_dir,
                                       const std::string& name, std::string* missing) {
  auto lines = ReadStartFile(platform, start_dir, name, kMaxComboRows, missing);
  if (!lines) return {};
  if (static_cast<int>(lines->size()) > kMaxComboRows) {
    lines->resize(kMaxComboRows);
    platform.ShowMessage("File " + name + " holds more than " + std::to_string(kMaxComboRows) +
                         " lines; only the first " + std::to_string(kMaxComboRows) +
                         " are used");
  }
  return *lines;
}

void LoadStartQuestionList(Platform& platform, const std::filesystem::path& start_dir,
                           const std::string& name, toolkit::IndexedArray<std::string, 1, 50>& list,
                           int& count, std::string* missing) {
  const auto lines = ReadStartFile(platform, start_dir, name, kMaxQuestions, missing);
  if (!lines) return;
  if (!CopyQuestionList(list, count, *lines, true)) {
    platform.ShowMessage("File " + name + " holds more than " + std::to_string(kMaxQuestions) +
                         " questions; only the first " + std::to_string(kMaxQuestions) +
                         " are used");
  }
}

}  // namespace

std::string QuotedExcerpt(std::string_view text) {
  constexpr std::size_t kExcerptChars = 40;
  const std::string cut = toolkit::CutToChars(text, kExcerptChars);
  return cut.size() < text.size() ? cut + "..." : cut;
}

std::vector<std::string> SplitTextFileLines(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  const std::string text = toolkit::DecodeTextFileBytes(bytes);
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      pending = false;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
      pending = true;
    }
  }
  if (pending) lines.push_back(line);
  return lines;
}

std::vector<std::string> ReadTextFileLines(const std::filesystem::path& path, int max_lines) {
  std::vector<std::string> lines = SplitTextFileLines(ReadFileBytes(path, max_lines));
  if (static_cast<int>(lines.size()) > max_lines + 1) lines.resize(static_cast<std::size_t>(max_lines) + 1);
  return lines;
}

TextFileFormat DetectTextFileFormat(std::string_view bytes) {
  TextFileFormat format;
  format.ByteOrderMark = bytes.substr(0, 3) == "\xEF\xBB\xBF";
  // Plain ASCII is either; it stays in the program's own Windows-1251.
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  format.Utf8 = !ascii && toolkit::IsValidUtf8(bytes);
  const std::size_t end = bytes.find_first_of("\r\n");
  if (end != std::string_view::npos) {
    if (bytes[end] == '\n') {
      format.LineEnd = "\n";
    } else {
      format.LineEnd = end + 1 < bytes.size() && bytes[end + 1] == '\n' ? "\r\n" : "\r";
    }
  }
  return format;
}

std::string EncodeTextFileLines(const std::vector<std::string>& lines,
                                const TextFileFormat& format) {
  std::string text;
  for (const auto& line : lines) text += line + format.LineEnd;
  const std::string bom = "\xEF\xBB\xBF";
  std::vector<std::string> candidates;
  if (!format.Utf8) candidates.push_back(toolkit::Utf8ToCp1251(text));
  candidates.push_back(format.ByteOrderMark ? bom + text : text);
  candidates.push_back(format.ByteOrderMark ? text : bom + text);
  for (const std::string& bytes : candidates) {
    if (SplitTextFileLines(bytes) == lines) return bytes;
  }
  // Lines that hold a line end themselves cannot read back as they are.
  return candidates.front();
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const toolkit::TempFile temp = toolkit::CreateTempFileBeside(path);
  std::size_t done = 0;
  int error = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(temp.fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : ENOSPC;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  if (!toolkit::SyncAndClose(temp.fd) && error == 0) error = errno;
  if (error != 0) {
    std::error_code ignored;
    std::filesystem::remove(temp.path, ignored);
    throw toolkit::IoError("Cannot write file " + path.string() + ": " + std::strerror(error));
  }
  toolkit::ReplaceWithTempFile(temp.path, path);
}

void WriteTextFileLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        const TextFileFormat& format) {
  WriteFileAtomically(path, EncodeTextFileLines(lines, format));
}

StartFileRows LoadStartFiles(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir, bool create_missing) {
  StartFileRows rows;
  std::string missing;
  std::string* create = create_missing ? &missing : nullptr;
  rows.departments = ReadComboRows(platform, start_dir, "kaf.txt", create);
  rows.universities = ReadComboRows(platform, start_dir, "vuz.txt", create);
  LoadStartQuestionList(platform, start_dir, "ma1.txt", s.QuestionList1, s.QuestionCount1,
                        create);
  LoadStartQuestionList(platform, start_dir, "ma2.txt", s.QuestionList2, s.QuestionCount2,
                        create);
  if (!missing.empty()) {
    const bool all_created = missing.find(kNotCreated) == std::string::npos;
    platform.ShowMessage("File not found:" + missing +
                         (all_created ? "\nEach was created with one blank line in "
                                      : "\nCreate and fill them in ") +
                         start_dir.string() +
                         (all_created ? ": fill it in, and the program reads it at the next start."
                                      : "; the program reads them at the next start."));
  }
  return rows;
}

std::vector<std::string> KeepTypedComboRow(Platform& platform, const std::filesystem::path& path,
                                           const std::vector<std::string>& rows,
                                           const std::string& row, int& index) {
  index = -1;
  const auto blank = [](const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
  };
  if (blank(row)) return rows;
  const auto found = std::find(rows.begin(), rows.end(), row);
  if (found != rows.end()) {
    index = static_cast<int>(found - rows.begin());
    return rows;
  }
  // The file, not the combo box, is what is saved: it may hold more rows than the box shows.
  TextFileFormat format;
  std::vector<std::string> kept = rows;
  try {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
      const std::string bytes = ReadFileBytes(path, kMaxListFileLines);
      format = DetectTextFileFormat(bytes);
      kept = SplitTextFileLines(bytes);
    }
  } catch (const toolkit::IoError&) {
    // An unreadable file is replaced by the rows the box shows, in the program's own form.
  }
  // The placeholder line of a file created at start-up is no department.
  if (std::all_of(kept.begin(), kept.end(), blank)) kept.clear();
  kept.push_back(row);
  if (!SaveListFile(platform, path, kept, format)) return rows;
  if (static_cast<int>(kept.size()) > kMaxComboRows) kept.resize(kMaxComboRows);
  if (kept.back() == row) index = static_cast<int>(kept.size()) - 1;
  return kept;
}

bool CopyQuestionList(toolkit::IndexedArray<std::string, 1, 50>& list, int& count,
                      const std::vector<std::string>& lines, bool update_count) {
  const int n = std::min<int>(static_cast<int>(lines.size()), kMaxQuestions);
  for (int i = 1; i <= n; ++i) list[i] = lines[static_cast<std::size_t>(i - 1)];
  if (update_count) count = n;
  return static_cast<int>(lines.size()) <= kMaxQuestions;
}

bool CopyStudentList(toolkit::Run& s, const std::vector<std::string>& lines) {
  const int n = std::min<int>(static_cast<int>(lines.size()), kMaxStudentLines);
  for (int i = 1; i <= kMaxStudentLines; ++i) {
    s.StudentNames[i] =
        i <= n ? toolkit::CutToChars(lines[static_cast<std::size_t>(i - 1)], kStudentNameChars)
               : std::string();
  }
  s.StudentLineCount = n;
  return static_cast<int>(lines.size()) <= kMaxStudentLines;
}

std::string GroupLineOf(const std::vector<std::string>& lines) {
  if (lines.empty()) return {};
  const std::string& first = lines.front();
  const std::size_t start = first.find_first_not_of(' ');
  return start == std::string::npos ? std::string()
                                    : toolkit::CutToChars(first.substr(start), kGroupNameChars);
}

std::optional<ListFile> LoadListFile(Platform& platform, const std::filesystem::path& path) {
  try {
    const std::string bytes = ReadFileBytes(path, kMaxListFileLines);
    ListFile file{SplitTextFileLines(bytes), DetectTextFileFormat(bytes)};
    if (static_cast<int>(file.lines.size()) > kMaxListFileLines) {
      // Loaded in part, the list would lose its other lines when the window saves it.
      ThrowReadError(path, "it holds more than " + std::to_string(kMaxListFileLines) +
                               " lines; it is not a list");
    }
    return file;
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return std::nullopt;
  }
}

bool SaveListFile(Platform& platform, const std::filesystem::path& path,
                  const std::vector<std::string>& lines, const TextFileFormat& format) {
  try {
    WriteTextFileLines(path, lines, format);
    return true;
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return false;
  }
}

std::filesystem::path QuestionList1Path(const std::filesystem::path& start_dir) {
  return start_dir / "ma1.txt";
}

std::filesystem::path QuestionList2Path(const std::filesystem::path& start_dir) {
  return start_dir / "ma2.txt";
}

std::filesystem::path StudentsListPath(const toolkit::Run& s,
                                       const std::filesystem::path& start_dir) {
  const std::filesystem::path name(s.StudentsFileName);
  return name.is_absolute() ? name : start_dir / name;
}

}  // namespace shell
