#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/errors.h"

namespace {

using testing_support::Ans2Text;
using testing_support::AnsText;
using testing_support::OpenMemoryFiles;

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

/// One tabular of an answers text: the columns its format opens, the text ahead of it (type
/// size and spacing) and its rows, each split into cells.
struct Table {
  int columns = 0;
  std::string before;
  std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t p = text.find(by); p != std::string::npos; p = text.find(by, from)) {
    parts.push_back(text.substr(from, p - from));
    from = p + by.size();
  }
  parts.push_back(text.substr(from));
  return parts;
}

std::vector<Table> Tables(const std::string& ans) {
  std::vector<Table> tables;
  const std::string open = "\\begin{tabular}{";
  const std::string close = "\\end{tabular}";
  std::size_t previous_end = 0;
  for (std::size_t p = ans.find(open); p != std::string::npos; p = ans.find(open, p + 1)) {
    Table t;
    t.before = ans.substr(previous_end, p - previous_end);
    const std::size_t format_end = ans.find('}', p + open.size());
    const std::string format = ans.substr(p + open.size(), format_end - p - open.size());
    t.columns = static_cast<int>(std::count(format.begin(), format.end(), 'r'));
    const std::size_t end = ans.find(close, format_end);
    if (end == std::string::npos) return tables;  // unclosed: the caller counts the closings
    for (const std::string& row : Split(ans.substr(format_end + 1, end - format_end - 1), "\\\\")) {
      t.rows.push_back(Split(row, "&"));
    }
    tables.push_back(t);
    previous_end = end;
  }
  return tables;
}

// Rows whose head keeps a cell that only some variants fill: Logic row 3 heads a second
// minimal form that few functions have. Dynamics row 21 keeps the velocity heads of the
// figure's joints over a key of variant numbers only.
bool HeadMayOutnumberRows(int subject, int row) {
  return (subject == 9 && row == 3) || (subject == 7 && row == 21);
}

// The columns a row takes: one per cell, n for a cell \multicolumn{n}.
int CellCount(const std::vector<std::string>& cells) {
  int n = 0;
  for (const std::string& cell : cells) {
    const std::size_t span = cell.find("\\multicolumn{");
    n += span == std::string::npos ? 1 : std::atoi(cell.c_str() + span + 13);
  }
  return n;
}

// The printed length of a cell, roughly: a command counts as one sign, "---" as two, braces,
// "$", "^", "_", blanks and control spaces as none, a strut (a rule of width 0pt) as nothing;
// letters of any alphabet count once.
int PrintedSigns(std::string cell) {
  // A picture is as wide as it says (picture units are points), whatever it draws.
  std::smatch picture;
  if (std::regex_search(cell, picture, std::regex(R"(\\begin\{picture\}\(([0-9.]+),)"))) {
    return static_cast<int>(std::ceil(std::stod(picture[1].str()) / 5.0));
  }
  // Lines stacked in one cell (an array or tabular of one column, a \shortstack) take the widest line's
  // room; a cell set in \scriptsize takes four fifths of it.
  cell = std::regex_replace(cell, std::regex(R"(\\begin\{(array|tabular)\}\{(@\{\}|[^{}])*\})"),
                            "\\begin{}");
  cell = std::regex_replace(cell, std::regex(R"(\\end\{(array|tabular)\})"), "");
  cell = std::regex_replace(cell, std::regex(R"(\\shortstack(\[[a-z]\])?)"), "\\begin{}");
  const std::size_t stack = cell.find("\\begin{");
  const std::size_t stacked_break = cell.find("\\\\", stack == std::string::npos ? 0 : stack);
  if (stack != std::string::npos && stacked_break != std::string::npos) {
    const std::size_t lines = stack + std::string("\\begin{}").size();
    const int first = PrintedSigns(cell.substr(0, stack) + cell.substr(lines, stacked_break - lines));
    const int rest = PrintedSigns(cell.substr(0, stack) + cell.substr(stacked_break + 2));
    return std::max(first, rest);
  }
  if (cell.find("\\scriptsize") != std::string::npos) {
    return (4 * PrintedSigns(std::regex_replace(cell, std::regex(R"(\\scriptsize)"), "")) + 4) / 5;
  }
  cell = std::regex_replace(cell, std::regex(R"(\\hline)"), "");
  cell = std::regex_replace(cell, std::regex(R"(\\rule(\[[^\]]*\])?\{0pt\}\{[^}]*\})"), "");
  cell = std::regex_replace(cell, std::regex(R"(\\ )"), " ");
  // An em dash (a cell without a value) is as wide as two digits.
  cell = std::regex_replace(cell, std::regex("---"), "--");
  cell = std::regex_replace(cell, std::regex(R"(\\[A-Za-z]+)"), "#");
  int n = 0;
  for (unsigned char c : cell) {
    if ((c & 0xC0) == 0x80) continue;  // UTF-8 continuation byte
    if (c == '{' || c == '}' || c == '$' || c == '^' || c == '_' || c == ' ' || c == '\r' ||
        c == '\n') {
      continue;
    }
    ++n;
  }
  return n;
}

// Whether a head cell prints nothing: blanks, struts, rules and type sizes do not name a column.
bool BlankHead(const std::string& cell) {
  static const std::regex kNoText(
      R"(\\(hline|ru|rule(\[[^\]]*\])?\{[^}]*\}\{[^}]*\}|tiny|scriptsize|footnotesize|small)"
      R"(|normalsize|multicolumn\{[0-9]+\}\{[^}]*\}|mc)|[\s{}$]|\\ )");
  return std::regex_replace(cell, kNoText, "").empty();
}

// The columns (1-based, counted with their \multicolumn spans) whose head cell prints nothing.
std::vector<int> UnheadedColumns(const std::vector<std::string>& head) {
  std::vector<int> blank;
  int column = 1;
  for (const std::string& cell : head) {
    const std::size_t at = cell.find("\\multicolumn{");
    const int span = at == std::string::npos ? 1 : std::max(1, std::atoi(cell.c_str() + at + 13));
    if (BlankHead(cell)) blank.push_back(column);
    column += span;
  }
  return blank;
}

// Estimated width in pt: every sign as wide as a digit (5pt at the normal size, 4.5pt in \small,
// 4pt in \scriptsize), the padding of each column (2 \tabcolsep, as set ahead of the table) and
// the rules.
double EstimatedWidth(const Table& t) {
  const bool tiny = t.before.find("\\scriptsize") != std::string::npos;
  const bool small = t.before.find("\\small") != std::string::npos;
  const double sign = tiny ? 4.0 : small ? 4.5 : 5.0;
  // Each column is padded by 2 \tabcolsep: 6pt unless the text ahead of the table sets it.
  const std::size_t spacing = t.before.rfind("\\tabcolsep=");
  const double padding = spacing == std::string::npos
                             ? 12.0
                             : 2 * std::strtod(t.before.c_str() + spacing + 11, nullptr);
  // Columns that no row reaches take no room: a table may declare more than it fills.
  int used = 0;
  for (const auto& row : t.rows) used = std::max(used, static_cast<int>(row.size()));
  used = std::min(used, t.columns);
  std::vector<int> widest(used, 0);
  for (const auto& row : t.rows) {
    // A cell \multicolumn{n} shares its signs among the n columns it spans.
    std::size_t c = 0;
    for (const std::string& cell : row) {
      if (c >= widest.size()) break;
      const std::size_t at = cell.find("\\multicolumn{");
      const int span = at == std::string::npos ? 1 : std::max(1, std::atoi(cell.c_str() + at + 13));
      const int signs = PrintedSigns(cell);
      for (int k = 0; k < span && c < widest.size(); ++k, ++c) {
        widest[c] = std::max(widest[c], (signs + span - 1) / span);
      }
    }
  }
  double width = 0.4 * (used + 1);
  for (int w : widest) width += w * sign + padding;
  return width;
}

// Writes a document of row `row` of subject `subject` as the problem-set run does: the begin entry,
// then `count` variants each followed by the shell's row ends, then the shell's closing. Returns
// the answers file followed by the second one, as the document reads them.
std::string AnswersOfDocument(int subject, int row, int level, int count, bool students) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const toolkit::TParameterRangeTable ranges = shell::SubjectRanges(table, subject);
  SharedState s;
  OpenMemoryFiles(s);
  s.Level = level;
  s.FirstNumber = 1;
  s.VariantCount = count;
  s.StudentsMode = students;
  s.WriteCramerRows = true;  // as every problem-set run sets it
  s.SubjectIndex = subject;
  s.ProblemNumber = row;
  for (int i = 1; i <= count + 1; ++i) s.StudentNames[i + 1] = "Student" + std::to_string(i);
  shell::BeginSubjectProblem(s, row, table);
  std::uint32_t seed = 12345u + 977u * static_cast<std::uint32_t>(row * 16 + level);
  std::int8_t* p[7] = {&s.P1, &s.P2, &s.P3, &s.P4, &s.P5, &s.P6, &s.P7};
  for (int v = 1; v <= count; ++v) {
    s.VariantIndex = v;
    for (int k = 0; k < 7; ++k) {
      seed = seed * 1103515245u + 12345u;
      const int bound = std::max(1, static_cast<int>(ranges[row][k + 1]));
      *p[k] = static_cast<std::int8_t>(1 + (seed >> 16) % bound);
    }
    shell::WriteSubjectVariant(s, row, table);
    toolkit::EndAnswersRows(s);
  }
  toolkit::CloseAnswersTables(s);
  return AnsText(s) + Ans2Text(s);
}

// Mechanism: three items at most two a table give two tables (2 + 1 items); every table has the
// number column, its own headings and every variant's row. The first goes to the answers file
// (inside the shell's box for a problem's answers), the second to the second answers file (where
// pages may break); both are left open for the shell to end their last rows and close them.
TEST(SplitAnswers, TablesRepeatTheNumberColumnAndCloseAsTheShellExpects) {
  for (bool students : {false, true}) {
    SharedState s;
    OpenMemoryFiles(s);
    s.StudentsMode = students;
    s.VariantCount = 3;
    for (int i = 2; i <= 4; ++i) s.StudentNames[i] = "St" + std::to_string(i - 1);
    toolkit::BeginSplitAnswers(s, {"&a ", "&b ", "&c "}, 2, "\\small");
    EXPECT_FALSE(s.AnsTableOpen);
    EXPECT_FALSE(s.Ans2TableOpen);
    for (int v = 1; v <= 3; ++v) {
      s.VariantIndex = v;
      const std::string n = std::to_string(v);
      toolkit::AnswersRow row(s, true, n);
      for (const char* item : {"a", "b", "c"}) row.Item("&" + std::string(item) + n);
      row.End();
      if (v < 3) {
        EXPECT_EQ(AnsText(s) + Ans2Text(s), "") << "rows are kept until the last variant";
        EXPECT_FALSE(s.AnsTableOpen || s.Ans2TableOpen);
      }
      toolkit::EndAnswersRows(s);
    }
    EXPECT_TRUE(s.AnsTableOpen);
    EXPECT_TRUE(s.Ans2TableOpen);
    toolkit::CloseAnswersTables(s);

    // The names column's blank head cell is headed by the answers writers.
    const std::string head_end =
        students ? " &  студент\\\\\\hline \r\n" : " \\\\\\hline \r\n";
    auto name = [&](int v) { return students ? " & St" + std::to_string(v) : std::string(); };
    const std::string close = "\\hline\\end{tabular}\\end{center}";
    EXPECT_EQ(AnsText(s), "\\small\\noindent\\begin{center}\\begin{tabular}{" +
                              std::string(students ? "|r|r|r|r|" : "|r|r|r|") +
                              "}\\hline \r\n\\No&a \r\n&b \r\n" + head_end + "1&a1&b1" +
                              name(1) + " \\\\\r\n2&a2&b2" + name(2) + " \\\\\r\n3&a3&b3" +
                              (students ? " & St3\\\\" : " \\\\") + close);
    EXPECT_EQ(Ans2Text(s), "\\small\\noindent\\begin{center}\\begin{tabular}{" +
                               std::string(students ? "|r|r|r|" : "|r|r|") +
                               "}\\hline \r\n\\No&c \r\n" + head_end + "1&c1" +
                               name(1) + " \\\\\r\n2&c2" + name(2) + " \\\\\r\n3&c3" + name(3) +
                               " \\\\" + close);
  }
}

TEST(SplitAnswers, RunsPastTheCountStartAFreshSetAndBadRowsThrow) {
  SharedState s;
  OpenMemoryFiles(s);
  s.TicketMode = true;
  s.VariantCount = 0;  // every variant counts as the last: each writes a whole set of tables
  toolkit::BeginSplitAnswers(s, {"&a ", "&b ", "&c "}, 1, "");
  for (int v = 1; v <= 2; ++v) {
    s.VariantIndex = v;
    toolkit::AddSplitAnswersRow(s, std::to_string(v), {"&x", "&y", "&z"});
    EXPECT_TRUE(s.AnsTableOpen && s.Ans2TableOpen);
    toolkit::EndAnswersRows(s);
  }
  toolkit::CloseAnswersTables(s);
  const std::string ans = AnsText(s) + Ans2Text(s);
  EXPECT_EQ(Count(ans, "\\begin{tabular}"), 6) << ans;
  EXPECT_EQ(Count(ans, "\\end{tabular}"), 6) << ans;
  EXPECT_EQ(Count(AnsText(s), "\\begin{tabular}"), 2) << ans;
  EXPECT_EQ(Count(ans, "&a"), 2) << ans;
  EXPECT_EQ(Count(ans, "&x"), 2) << ans;
  EXPECT_THROW(toolkit::AddSplitAnswersRow(s, "3", {"&x"}), toolkit::IndexRangeError);
}

// Whether a cell holds only the printed number of the first variant ("1", "1.", "{\bf 1.}"):
// a table whose first row starts so has no head row.
bool FirstVariantNumber(const std::string& cell) {
  const std::string text = std::regex_replace(cell, std::regex(R"(\\bf|[\s{}.])"), "");
  return text == "1";
}

// A table of one variant's answers lists its items under the variant's number, which stands
// above the table (AnsBeginVariant; the items are numbered as the statement numbers them) or
// just ahead of it, as "{\bf 3)}" ahead of a matrix.
bool OneVariantTable(const Table& t) {
  static const std::regex kVariantHeading(
      R"((\\vskip2mm [0-9]+\. \\par\s*\\noindent\\begin\{center\})"
      R"(|\{\\bf [0-9]+\)\}\s*(\$|\\tabcolsep=[0-9.]+pt))$)");
  return std::regex_search(t.before, kVariantHeading);
}

// The head row of a table names its columns: it comes first, a rule under it, and it is not a
// variant's row; every column has a heading (the variant numbers' too, and in students mode
// the names'); no row below it has a cell without a heading, and the widest row has as many
// cells as the head (no stray head cell).
void ExpectEveryColumnHeaded(const Table& t, int subject, int row, const std::string& where) {
  if (OneVariantTable(t)) return;
  ASSERT_GE(t.rows.size(), 2u) << where;
  // The rule under the head (a row's spacing may stand ahead of it).
  static const std::regex kRule(R"(^\s*(\[[^\]]*\])?\s*\\[hc]line)");
  const bool ruled = std::regex_search(t.rows[1].front(), kRule);
  if (!ruled || FirstVariantNumber(t.rows[0].front())) {
    ADD_FAILURE() << "a table without a head row: " << where;
    return;
  }
  for (int column : UnheadedColumns(t.rows[0])) {
    ADD_FAILURE() << "column " << column << " has no head: " << where;
  }
  const int head = CellCount(t.rows[0]);
  int widest = 0;
  for (std::size_t r = 1; r + 1 < t.rows.size(); ++r) {
    EXPECT_LE(CellCount(t.rows[r]), head) << "row " << r << ": " << where;
    widest = std::max(widest, CellCount(t.rows[r]));
  }
  if (!HeadMayOutnumberRows(subject, row)) {
    EXPECT_EQ(widest, head) << "the head has more cells than any row: " << where;
  }
}

std::string Where(int subject, int row, int level, const std::string& ans) {
  return "subject " + std::string(shell::SubjectLetters[static_cast<std::size_t>(subject - 1)]) +
         " row " + std::to_string(row) + ", Level " + std::to_string(level) + "\n" + ans;
}

// Every built row of every tab at every Level: the answers tables are well formed (each opened
// table closed, no row with more cells than columns), none is estimated wider than the 430pt
// text, and every table has a head row that names each of its columns.
TEST(AnswersTables, EveryTableOfEveryRowFitsThePageWidth) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int subject = 1; subject <= 9; ++subject) {
    for (int row = 1; row <= shell::ProblemCount(table, subject); ++row) {
      if (!shell::IsBuilt(table, subject, row)) continue;
      for (int level = 1; level <= 10; ++level) {
        const std::string ans = AnswersOfDocument(subject, row, level, 6, false);
        const std::string where = Where(subject, row, level, ans);
        ASSERT_EQ(Count(ans, "\\begin{tabular}"), Count(ans, "\\end{tabular}")) << where;
        // Every table's last row is ended before the table is closed.
        const std::string flat = std::regex_replace(ans, std::regex("\r\n"), "");
        EXPECT_EQ(Count(flat, "\\\\\\hline\\end{tabular}"), Count(ans, "\\end{tabular}")) << where;
        for (const Table& t : Tables(ans)) {
          for (const auto& cells : t.rows) {
            EXPECT_LE(static_cast<int>(cells.size()), t.columns) << where;
          }
          EXPECT_LE(EstimatedWidth(t), 430.0) << where;
          ExpectEveryColumnHeaded(t, subject, row, where);
        }
      }
    }
  }
}

// In students mode the names column is headed as every other, at the Levels where tables split
// and where they do not.
TEST(AnswersTables, TheNamesColumnIsHeadedInStudentsMode) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int subject = 1; subject <= 9; ++subject) {
    for (int row = 1; row <= shell::ProblemCount(table, subject); ++row) {
      if (!shell::IsBuilt(table, subject, row)) continue;
      for (int level : {1, 10}) {
        const std::string ans = AnswersOfDocument(subject, row, level, 6, true);
        const std::string where = Where(subject, row, level, ans);
        for (const Table& t : Tables(ans)) ExpectEveryColumnHeaded(t, subject, row, where);
      }
    }
  }
}

// Students mode adds the name column to split tables and keeps them well formed.
TEST(AnswersTables, SplitRowsInStudentsModeCarryEveryNameInEveryTable) {
  for (int row : {5, 6, 8, 9, 11}) {
    const std::string ans = AnswersOfDocument(1, row, 10, 4, true);
    const std::vector<Table> tables = Tables(ans);
    ASSERT_GE(tables.size(), 2u) << row << "\n" << ans;
    for (const Table& t : tables) {
      for (int v = 1; v <= 4; ++v) {
        EXPECT_NE(t.rows[static_cast<std::size_t>(v)].back().find("Student" + std::to_string(v)),
                  std::string::npos)
            << row << "\n"
            << ans;
      }
      for (std::size_t r = 0; r + 1 < t.rows.size(); ++r) {
        EXPECT_EQ(static_cast<int>(t.rows[r].size()), t.columns) << row << "\n" << ans;
      }
    }
  }
}

}  // namespace
