#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// A list the run draws from (a question list, the ticket question file, the colloquium list)
/// cannot serve it; the message names the list and what to do.
class ListDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// text for a message that quotes it: cut to a few dozen characters, "..." marking the cut.
std::string QuotedExcerpt(std::string_view text);

/// Most questions a question list holds (QuestionList1/2 have rows 1..50).
inline constexpr int kMaxQuestions = 50;
/// Most lines a students list holds (the group line and 39 students; StudentNames has 1..40).
inline constexpr int kMaxStudentLines = 40;

/// The lines of text held in bytes (CR LF, LF or CR ends; a last line without an end counts;
/// no bytes give no lines). Taken as UTF-8 when valid, else as Windows-1251.
std::vector<std::string> SplitTextFileLines(std::string_view bytes);
/// Longest line, in bytes, of a text file the program reads.
inline constexpr std::size_t kMaxLineBytes = 16384;
/// Most bytes read from one text file.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{4} << 20;
/// Most lines of a list file that a window loads (a colloquium list is the longest).
inline constexpr int kMaxListFileLines = 10000;
/// Most rows of kaf.txt and vuz.txt that the combo boxes take.
inline constexpr int kMaxComboRows = 1000;

/// The first max_lines lines of the regular text file at path (see SplitTextFileLines), and
/// the start of one more when the file holds more; reading stops there. Throws IoError naming
/// the file when it is not a regular file (a folder, a pipe, a device), cannot be opened or
/// read, holds a line of more than kMaxLineBytes among those or more than kMaxTextFileBytes.
std::vector<std::string> ReadTextFileLines(const std::filesystem::path& path, int max_lines);
/// How a text file's bytes were written, so that a file saved again keeps its own form.
struct TextFileFormat {
  bool Utf8 = false;           ///< UTF-8; otherwise Windows-1251 (also for plain ASCII)
  bool ByteOrderMark = false;  ///< UTF-8 with the byte-order mark EF BB BF in front
  std::string LineEnd = "\r\n";
};
/// The format of bytes as SplitTextFileLines reads them; the line end is the first one found
/// (CR LF when there is none).
TextFileFormat DetectTextFileFormat(std::string_view bytes);
/// The bytes to store for UTF-8 lines, each ended by format's line end, in format's encoding
/// where SplitTextFileLines reads exactly these lines back from it; otherwise as UTF-8 (with a
/// byte-order mark when that is what reads back): Windows-1251 bytes that would be taken for
/// UTF-8, text beginning with what reads as a byte-order mark, or characters Windows-1251
/// lacks are never stored in a form that changes them.
std::string EncodeTextFileLines(const std::vector<std::string>& lines,
                                const TextFileFormat& format = {});
/// Replaces the file at path with bytes: writes them beside it and renames, so a failure
/// mid-write leaves the old file whole; throws IoError naming the file.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);
/// Replaces the file at path with the lines (EncodeTextFileLines, WriteFileAtomically).
void WriteTextFileLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                        const TextFileFormat& format = {});

/// What LoadStartFiles read for the two combo boxes of the main window.
struct StartFileRows {
  std::vector<std::string> departments;   ///< the lines of kaf.txt
  std::vector<std::string> universities;  ///< the lines of vuz.txt
};

/// Reads kaf.txt, vuz.txt, ma1.txt and ma2.txt in the start directory, in this order. The two
/// question lists go into QuestionList1/QuestionCount1 and QuestionList2/QuestionCount2. A
/// missing file is created with one line of two blanks (its rows stay empty until the next
/// start); one message names every missing file and what it holds. Other failures are
/// reported too; the start goes on. Without create_missing (a start directory that cannot be
/// written, told once elsewhere) missing files are neither created nor reported.
StartFileRows LoadStartFiles(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir, bool create_missing = true);

/// The rows of a combo box file (kaf.txt, vuz.txt in the start directory) once the row the
/// teacher typed is among them, and its index in them: a row it already holds is found; a new
/// one takes the place of a file of blank lines only, else it is added at the end, and the
/// file is saved in its own encoding and line ends. A blank row changes nothing (index -1);
/// a failed save is told and leaves rows as they were (index -1).
std::vector<std::string> KeepTypedComboRow(Platform& platform, const std::filesystem::path& path,
                                           const std::vector<std::string>& rows,
                                           const std::string& row, int& index);

/// Copies lines into a question list: row i := line i for the first 50 lines; the count
/// becomes the number of rows copied when update_count (leaving the memo keeps the old count).
/// Returns false when the list had more than 50 lines (the rest have no row).
bool CopyQuestionList(toolkit::IndexedArray<std::string, 1, 50>& list, int& count,
                      const std::vector<std::string>& lines, bool update_count);
/// Copies a students list into StudentNames[1..] (each name cut to 65 characters) and sets
/// StudentLineCount; rows past the list are emptied. Returns false when the list had more
/// than 40 lines (the rest have no row).
bool CopyStudentList(toolkit::Run& s, const std::vector<std::string>& lines);
/// The group line of a students list: its first line without leading blanks, cut to 50
/// characters (empty for an empty list).
std::string GroupLineOf(const std::vector<std::string>& lines);

/// A list file as a window holds it: its lines and the form its bytes had.
struct ListFile {
  std::vector<std::string> lines;
  TextFileFormat format;
};

/// Loads a list file for a window: its lines and format, or nothing after reporting the
/// failure ("Cannot open file ..."). A list of more lines than the window keeps is loaded
/// whole (so that saving it loses nothing) up to kMaxListFileLines; a longer file is refused.
std::optional<ListFile> LoadListFile(Platform& platform, const std::filesystem::path& path);
/// Saves a window's lines to a list file atomically in format; reports a failure and returns
/// false.
bool SaveListFile(Platform& platform, const std::filesystem::path& path,
                  const std::vector<std::string>& lines, const TextFileFormat& format = {});

/// Path of the first question list, ma1.txt in the start directory.
std::filesystem::path QuestionList1Path(const std::filesystem::path& start_dir);
/// Path of the second question list, ma2.txt in the start directory.
std::filesystem::path QuestionList2Path(const std::filesystem::path& start_dir);
/// Path of the students list StudentsFileName, taken from the start directory when relative.
std::filesystem::path StudentsListPath(const toolkit::Run& s,
                                       const std::filesystem::path& start_dir);

}  // namespace shell
