#include "subjects/calculus/answers_layout.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// The split layout of the document being written and the rows kept for its tables.
struct SplitLayout {
  std::vector<std::string> heads;
  int per_table = 1;
  std::string student_head;
  std::string before;
  std::vector<std::string> rows;  // one text per table
};

SplitLayout Layout;

int TableCount() {
  const int items = static_cast<int>(Layout.heads.size());
  return std::max(1, (items + Layout.per_table - 1) / Layout.per_table);
}

// Items per table: as even as the table count allows, so that no table is left with a lone item
// (7 items at most 5 a table: 4 and 3).
int ItemsPerTable() {
  const int items = static_cast<int>(Layout.heads.size());
  return std::max(1, (items + TableCount() - 1) / TableCount());
}

// The student column is there when the shell ends the answers rows with the student's name.
bool HasStudentColumn(const SharedState& s) { return s.StudentsMode && !s.TicketMode; }

// The student's cell of the current variant ("" without the student column).
std::string StudentCell(const SharedState& s) {
  return HasStudentColumn(s) ? " & " + s.StudentNames[s.VariantIndex + 1] : "";
}

int CellCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '&'));
}

// Table 0 goes to the answers file, the others to the second answers file.
void Put(SharedState& s, int table, std::string_view text) {
  if (table == 0) {
    AnsWrite(s, text);
  } else {
    Ans2Write(s, text);
  }
}

// Closes the tables a former set left open (their last rows ended by the shell).
void CloseOpenTables(SharedState& s) {
  if (s.AnsTableOpen) AnsWriteLine(s, "\\hline\\end{tabular}\\end{center}");
  if (s.Ans2TableOpen) Ans2WriteLine(s, "\\hline\\end{tabular}\\end{center}");
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
}

// Writes every table with the rows kept: the first and the last stay open with their last rows
// unended, for the shell.
void WriteTables(SharedState& s) {
  const int tables = TableCount();
  const int items = static_cast<int>(Layout.heads.size());
  for (int t = 0; t < tables; ++t) {
    const int first = t * ItemsPerTable();
    const int last = std::min(items, first + ItemsPerTable());
    int columns = 1 + (HasStudentColumn(s) ? 1 : 0);
    for (int i = first; i < last; ++i) columns += CellCount(Layout.heads[i]);
    Put(s, t, Layout.before);
    if (t == 0) {
      AnsBeginTable(s, columns - 2);
    } else {
      Ans2BeginTable(s, columns - 1);
    }
    for (int i = first; i < last; ++i) Put(s, t, Layout.heads[i] + "\r\n");
    if (HasStudentColumn(s)) Put(s, t, Layout.student_head);
    Put(s, t, " \\\\\\hline \r\n");
    Put(s, t, Layout.rows[t]);
    if (t > 0 && t + 1 < tables) {
      Ans2WriteLine(s, "\\hline\\end{tabular}\\end{center}");
      s.Ans2TableOpen = false;
    }
  }
  Layout.rows.assign(tables, std::string());
}

}  // namespace

bool AnswersNeedSplit(int items, int per_table) { return items > std::max(1, per_table); }

void BeginSplitAnswers(SharedState& s, std::vector<std::string> heads, int per_table,
                       std::string_view before, std::string_view student_head) {
  Layout.heads = std::move(heads);
  Layout.per_table = std::max(1, per_table);
  Layout.student_head = std::string(student_head);
  Layout.before = std::string(before);
  Layout.rows.assign(TableCount(), std::string());
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
}

void AddSplitAnswersRow(SharedState& s, std::string_view number,
                        const std::vector<std::string>& cells) {
  if (cells.size() != Layout.heads.size()) {
    throw toolkit::IndexRangeError("split answers row of " + std::to_string(cells.size()) +
                                   " items, the heading has " +
                                   std::to_string(Layout.heads.size()));
  }
  CloseOpenTables(s);
  const bool last_variant = s.VariantIndex >= (s.VariantCount & 0xFF);
  const int tables = TableCount();
  for (int t = 0; t < tables; ++t) {
    std::string& row = Layout.rows[t];
    row += number;
    const std::size_t first = static_cast<std::size_t>(t * ItemsPerTable());
    const std::size_t last = std::min(cells.size(), first + ItemsPerTable());
    for (std::size_t i = first; i < last; ++i) row += cells[i];
    // The shell ends the last row of each table left open (the first and the last): with the
    // student's name in the answers file, bare in the second one.
    if (t > 0) row += StudentCell(s);
    const bool ended_by_shell = last_variant && (t == 0 || t + 1 == tables);
    if (!ended_by_shell) row += (t == 0 ? StudentCell(s) : "") + " \\\\\r\n";
  }
  if (last_variant) WriteTables(s);
}

std::vector<std::string> ItemNumberHeads(int count) {
  std::vector<std::string> heads;
  for (int i = 1; i <= count; ++i) heads.push_back("&" + std::to_string(i) + " ");
  return heads;
}

AnswersRow::AnswersRow(SharedState& s, bool split, std::string number)
    : s_(s), split_(split), number_(std::move(number)) {
  if (!split_) AnsWrite(s_, number_);
}

void AnswersRow::Item(const std::string& cells) {
  if (split_) {
    items_.push_back(cells);
  } else {
    AnsWrite(s_, cells);
  }
}

void AnswersRow::End() {
  if (split_) AddSplitAnswersRow(s_, number_, items_);
}

}  // namespace calculus
