#include "shell/tickets.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "shell/dispatch.h"
#include "shell/document_frame.h"
#include "shell/list_files.h"
#include "shell/start.h"
#include "shell/variant_parameters.h"
#include "toolkit/answers.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace shell {

namespace {

constexpr std::size_t kDateChars = 35;
constexpr std::size_t kNameChars = 78;
constexpr const char* kDefaultTicketDate = "25.12.2010.";

using TicketRow = toolkit::IndexedArray<int, 1, 40>;

std::string Field(int value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string NumberLine(const TicketRow& row, int width) {
  std::string line;
  for (int t = 1; t <= kTicketsPerFile; ++t) line += Field(row[t], width);
  return line;
}

// Reads up to 40 numbers of one line into row; numbers the line does not hold stay 0 (a file
// written for 32 tickets). Anything else than numbers makes the file unreadable.
void ReadNumberLine(const std::vector<std::string>& lines, std::size_t index, TicketRow& row,
                    const std::filesystem::path& path) {
  row.Fill(0);
  if (index >= lines.size()) return;
  const std::string& line = lines[index];
  std::size_t pos = 0;
  for (int t = 1; t <= kTicketsPerFile; ++t) {
    const std::size_t start = line.find_first_not_of(" \t", pos);
    if (start == std::string::npos) return;
    const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    int value = 0;
    const auto [stop, ec] = std::from_chars(line.data() + start, line.data() + end, value);
    if (ec != std::errc() || stop != line.data() + end) {
      throw toolkit::IoError("Cannot read file " + path.string() + ": line " +
                             std::to_string(index + 1) + " holds \"" +
                             QuotedExcerpt(std::string_view(line).substr(start, end - start)) +
                             "\" where a number stands");
    }
    row[t] = value;
    pos = end;
  }
}

std::string TicketFileDescription(const toolkit::Run& s) {
  const std::string file = s.TicketFileName.empty() ? std::string("of this set") : s.TicketFileName;
  return "The ticket question file " + file;
}

// Every ticket the run writes must find its questions: a file from before 40 tickets has
// none for tickets 33..40, and a file edited by hand may name a question the list lacks.
void CheckTicketQuestions(const toolkit::Run& s, int count) {
  const std::string advice =
      ": delete the file so that new questions are drawn, or choose another set of questions";
  if (count > kTicketsPerFile) {
    throw ListDataError("At most " + std::to_string(kTicketsPerFile) +
                                       " tickets can be written; " + std::to_string(count) +
                                       " were asked for");
  }
  struct List {
    int number;
    const TicketRow& questions;
    int count;
  };
  for (const List& list : {List{1, s.TicketQuestions1, s.QuestionCount1},
                           List{2, s.TicketQuestions2, s.QuestionCount2}}) {
    if (count >= 1 && list.count < 1) {
      throw ListDataError("The list of questions " + std::to_string(list.number) +
                                         " is empty (menu \"Set " + std::to_string(list.number) +
                                         "\")");
    }
    const int available = std::min(list.count, kMaxQuestions);
    for (int t = 1; t <= count; ++t) {
      const int q = list.questions[t];
      if (q == 0) {
        throw ListDataError(
            TicketFileDescription(s) + " holds no question of list " + std::to_string(list.number) +
            " for ticket " + std::to_string(t) + advice);
      }
      if (q < 1 || q > available) {
        throw ListDataError(
            TicketFileDescription(s) + " gives ticket " + std::to_string(t) + " question " +
            std::to_string(q) + " of list " + std::to_string(list.number) + ", which has " +
            std::to_string(available) + " questions" + advice);
      }
    }
  }
}

std::vector<std::string> TicketFileLines(const toolkit::Run& s, int width) {
  return {NumberLine(s.TicketQuestions1, width), NumberLine(s.TicketQuestions2, width),
          s.TicketDate};
}

void WriteQuestionIndexFile(const toolkit::Run& s) {
  if (s.TicketFileName.empty()) return;
  WriteTextFileLines(s.TicketFileName, TicketFileLines(s, 4));
}

}  // namespace

std::filesystem::path TicketQuestionFilePath(const toolkit::Run& s,
                                             const std::filesystem::path& start_dir) {
  return start_dir / "dat" /
         ("b_" + std::to_string(s.QuestionCount1) + "_" + std::to_string(s.QuestionCount2) + "." +
          std::to_string(s.QuestionSetNumber));
}

void CreateTicketQuestionFile(const toolkit::Run& s, Platform& platform,
                              const std::filesystem::path& path) {
  auto draw_line = [&](int question_count) {
    std::string line;
    for (int t = 1; t <= kTicketsPerFile; ++t) {
      line += Field(platform.RandomInt(std::max(question_count, 1)) + 1, 3);
    }
    return line;
  };
  const std::string line1 = draw_line(s.QuestionCount1);
  const std::string line2 = draw_line(s.QuestionCount2);
  WriteTextFileLines(path, {line1, line2, kDefaultTicketDate});
}

namespace {

// Builds TicketFileName for the current list lengths and reads it (creating it when missing);
// throws IoError.
void ReadTicketQuestionFile(SharedState& s, Platform& platform,
                            const std::filesystem::path& start_dir) {
  const std::filesystem::path path = TicketQuestionFilePath(s, start_dir);
  s.TicketFileName = path.string();
  s.TicketQuestions1.Fill(0);
  s.TicketQuestions2.Fill(0);
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) {
    throw toolkit::IoError("Cannot create folder " + path.parent_path().string() + ": " +
                           ec.message());
  }
  if (!std::filesystem::exists(path, ec)) CreateTicketQuestionFile(s, platform, path);
  const std::vector<std::string> lines = ReadTextFileLines(path, 3);
  ReadNumberLine(lines, 0, s.TicketQuestions1, path);
  ReadNumberLine(lines, 1, s.TicketQuestions2, path);
  s.TicketDate = lines.size() > 2 ? toolkit::CutToChars(lines[2], kDateChars) : std::string();
}

}  // namespace

bool LoadTicketQuestions(SharedState& s, Platform& platform,
                         const std::filesystem::path& start_dir) {
  try {
    ReadTicketQuestionFile(s, platform, start_dir);
    return true;
  } catch (const toolkit::IoError& e) {
    s.TicketQuestions1.Fill(0);
    s.TicketQuestions2.Fill(0);
    platform.ShowMessage(e.what());
    return false;
  }
}

bool ReloadTicketQuestions(SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir) {
  const std::string date = s.TicketDate;
  const bool loaded = LoadTicketQuestions(s, platform, start_dir);
  s.TicketDate = date;
  return loaded;
}

bool SaveQuestionIndexFile(const toolkit::Run& s, Platform& platform) {
  try {
    WriteQuestionIndexFile(s);
    return true;
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage(e.what());
    return false;
  }
}

void WriteExaminationTickets(SharedState& s, Platform& platform,
                             const std::filesystem::path& start_dir, int count,
                             const SubjectTable& table) {
  ReadSelectedProblem(s);
  s.UniversityName = toolkit::CutToChars(s.UniversityName, kNameChars);
  s.DepartmentName = toolkit::CutToChars(s.DepartmentName, kNameChars);
  s.TicketDate = toolkit::CutToChars(s.TicketDate, kDateChars);
  // The question file is named after the list lengths, which may have changed since it was
  // loaded (lists typed after start-up): the tickets take the file of the lists they print.
  {
    const std::string date = s.TicketDate;
    ReadTicketQuestionFile(s, platform, start_dir);
    s.TicketDate = date;
  }
  CheckTicketQuestions(s, count);

  s.TextHeight = 700;
  // A table left open by an earlier run must not be ended or closed in this one.
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
  // The begin entry's statement belongs to every ticket, above its problem: it is written to
  // memory here and copied into each ticket. The document is named as OpenDocument names it.
  std::string statement;
  if (s.TicketProblemOn) {
    if (count >= 1) PrepareVariantParameterFile(s, platform, start_dir, table);
    s.OutputName = "math" + std::string(1, LevelLetter(s.Level));
    s.MainFile.OpenMemory();
    OpenAnswerFiles(s, start_dir);
    BeginSubjectProblem(s, s.ProblemNumber, table);
    statement = toolkit::Cp1251ToUtf8(s.MainFile.Contents());
    s.MainFile.Close();
    OpenDocument(s, start_dir, "math", 500);
    // Every ticket repeats the statement, and with it the boxes and commands it defines: from
    // the second ticket on, a definition that exists is taken as made.
    WriteLine(s, "\\let\\TarbelNewSaveBox\\newsavebox"
                 "\\renewcommand{\\newsavebox}[1]{\\ifdefined#1\\else\\TarbelNewSaveBox{#1}\\fi}"
                 "\\let\\newcommand\\providecommand");
  } else {
    OpenDocument(s, start_dir, "math", 500);
    OpenAnswerFiles(s, start_dir);
  }

  for (int t = 1; t <= count; ++t) {
    s.VariantIndex = t;
    s.ParboxWidth = 470;
    WriteLine(s, "{\\parbox{" + toolkit::FormatNumber(s.ParboxWidth) + "pt}{");
    WriteTicketHeader(s);
    WriteText(s, "{\\bf Question 1. }");
    WriteLine(s, s.QuestionList1[s.TicketQuestions1[t]] + "\\\\");
    WriteText(s, "{\\bf Question 2. }");
    WriteLine(s, s.QuestionList2[s.TicketQuestions2[t]] + "\\\\");
    if (s.TicketProblemOn) {
      WriteText(s, "{\\bf Problem. }\\par ");
      WriteText(s, statement);
      LoadVariantParameters(s, platform, start_dir, table);
      SelectVariantParameters(s, t);
      s.ParboxWidth = 400;
      WriteSubjectVariant(s, s.ProblemNumber, table);
    }
    if (s.AnsTableOpen) AnsWrite(s, " \\\\");
    if (s.Ans2TableOpen) Ans2Write(s, " \\\\");
    WriteText(s, "}}}}\\vfill\\eject");
  }

  CloseAnswersTables(s);
  CloseDocumentAndAnswers(s);
  // The tickets are in place: a question file that cannot be saved does not undo them.
  try {
    WriteQuestionIndexFile(s);
  } catch (const toolkit::IoError& e) {
    platform.ShowMessage("The tickets were written, but the ticket question file was not saved: " +
                         std::string(e.what()));
  }
}

}  // namespace shell
