#include "toolkit/answers_split.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace toolkit {

namespace {

int TableCount(const TSplitAnswers& layout) {
  const int items = static_cast<int>(layout.Heads.size());
  return std::max(1, (items + layout.PerTable - 1) / layout.PerTable);
}

// Items per table: as even as the table count allows, so that no table is left with a lone item
// (7 items at most 5 a table: 4 and 3).
int ItemsPerTable(const TSplitAnswers& layout) {
  const int items = static_cast<int>(layout.Heads.size());
  return std::max(1, (items + TableCount(layout) - 1) / TableCount(layout));
}

// The student column is there when the shell ends the answers rows with the student's name.
bool HasStudentColumn(const Run& s) { return s.StudentsMode && !s.TicketMode; }

// The student's cell of the current variant ("" without the student column).
std::string StudentCell(const Run& s) {
  return HasStudentColumn(s) ? " & " + s.StudentNames[s.VariantIndex + 1] : "";
}

int CellCount(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '&'));
}

// Table 0 goes to the answers file, the others to the second answers file.
void Put(Run& s, int table, std::string_view text) {
  if (table == 0) {
    AnsWrite(s, text);
  } else {
    Ans2Write(s, text);
  }
}

// Closes the tables a former set left open (their last rows ended by the shell).
void CloseOpenTables(Run& s) {
  if (s.AnsTableOpen) AnsWriteLine(s, "\\hline\\end{tabular}\\end{center}");
  if (s.Ans2TableOpen) Ans2WriteLine(s, "\\hline\\end{tabular}\\end{center}");
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
}

// Writes every table with the rows kept: the first and the last stay open with their last rows
// unended, for the shell.
void WriteTables(Run& s) {
  const int tables = TableCount(s.SplitAnswers);
  const int items = static_cast<int>(s.SplitAnswers.Heads.size());
  for (int t = 0; t < tables; ++t) {
    const int first = t * ItemsPerTable(s.SplitAnswers);
    const int last = std::min(items, first + ItemsPerTable(s.SplitAnswers));
    int columns = 1 + (HasStudentColumn(s) ? 1 : 0);
    for (int i = first; i < last; ++i) columns += CellCount(s.SplitAnswers.Heads[i]);
    Put(s, t, s.SplitAnswers.Before);
    if (t == 0) {
      AnsBeginTable(s, columns - 2);
    } else {
      Ans2BeginTable(s, columns - 1);
    }
    for (int i = first; i < last; ++i) Put(s, t, s.SplitAnswers.Heads[i] + "\r\n");
    if (HasStudentColumn(s)) Put(s, t, s.SplitAnswers.StudentHead);
    Put(s, t, " \\\\\\hline \r\n");
    Put(s, t, s.SplitAnswers.Rows[t]);
    if (t > 0 && t + 1 < tables) {
      Ans2WriteLine(s, "\\hline\\end{tabular}\\end{center}");
      s.Ans2TableOpen = false;
    }
  }
  s.SplitAnswers.Rows.assign(tables, std::string());
}

}  // namespace

bool AnswersNeedSplit(int items, int per_table) { return items > std::max(1, per_table); }

void BeginSplitAnswers(Run& s, std::vector<std::string> heads, int per_table,
                       std::string_view before, std::string_view student_head) {
  s.SplitAnswers.Heads = std::move(heads);
  s.SplitAnswers.PerTable = std::max(1, per_table);
  s.SplitAnswers.StudentHead = std::string(student_head);
  s.SplitAnswers.Before = std::string(before);
  s.SplitAnswers.Rows.assign(TableCount(s.SplitAnswers), std::string());
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
}

void AddSplitAnswersRow(Run& s, std::string_view number, const std::vector<std::string>& cells) {
  if (cells.size() != s.SplitAnswers.Heads.size()) {
    throw toolkit::IndexRangeError("split answers row of " + std::to_string(cells.size()) +
                                   " items, the heading has " +
                                   std::to_string(s.SplitAnswers.Heads.size()));
  }
  CloseOpenTables(s);
  const bool last_variant = s.VariantIndex >= (s.VariantCount & 0xFF);
  const int tables = TableCount(s.SplitAnswers);
  for (int t = 0; t < tables; ++t) {
    std::string& row = s.SplitAnswers.Rows[t];
    row += number;
    const std::size_t first = static_cast<std::size_t>(t * ItemsPerTable(s.SplitAnswers));
    const std::size_t last = std::min(cells.size(), first + ItemsPerTable(s.SplitAnswers));
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

bool BeginNumberedItemAnswers(Run& r, int items, int columns) {
  if (AnswersNeedSplit(items, kOneCellItemsPerTable)) {
    BeginSplitAnswers(r, ItemNumberHeads(items), kOneCellItemsPerTable, "");
    return true;
  }
  AnsBeginTable(r, columns);
  for (int i = 1; i <= items; ++i) AnsWriteTextNumberLn(r, "&", i, " ");
  return false;
}

AnswersRow::AnswersRow(Run& s, bool split, std::string number)
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

}  // namespace toolkit
