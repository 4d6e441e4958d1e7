#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/state.h"

// Answers of a problem type whose items are too many for one table across the page. The items
// go into several tables of at most a fixed number of items each; every table has the
// variant-number column (with its empty heading), the headings of its own items and, in
// students mode, the student column. A table is written whole only after the last variant of
// the document, so the rows are kept until then: the variant whose VariantIndex reaches
// VariantCount writes them. The first table goes to the answers file, inside the box the shell
// frames a problem's answers with (one page at most); the others go to the second answers
// file, which the document reads right after it and where pages may break between tables.
// The first and the last table are left open with their last rows unended (AnsTableOpen,
// Ans2TableOpen), for the shell to end and close as it does with any answers table. The split
// layout and the rows kept are the state's SplitAnswers.

namespace toolkit {

/// Whether `items` items need more than one table of at most `per_table` items.
bool AnswersNeedSplit(int items, int per_table);

/// Starts the split answers of this document: `heads` holds the heading cells of each item
/// (every cell begins with "&"; an item's data cells must be as many), `per_table` the most items
/// a table takes (at least 1), `student_head` the heading of the student column, `before` a text
/// written ahead of every table (a type size or column spacing). Writes nothing yet and leaves
/// AnsTableOpen and Ans2TableOpen false; rows kept from an earlier document are dropped.
void BeginSplitAnswers(Run& s, std::vector<std::string> heads, int per_table,
                       std::string_view before, std::string_view student_head = " & ");

/// Keeps the current variant's row: `number` is its variant-number cell, `cells` holds one text
/// per item (each beginning with "&"). After the document's last variant (VariantIndex reaching
/// VariantCount) writes every table as described above; tables a former variant left open are
/// closed first (a run going on past VariantCount starts a fresh set). Throws IndexRangeError
/// when `cells` does not hold one text per item of BeginSplitAnswers.
void AddSplitAnswersRow(Run& s, std::string_view number, const std::vector<std::string>& cells);

/// The headings "&1 ", "&2 ", .. of `count` items numbered as in the statement.
std::vector<std::string> ItemNumberHeads(int count);

/// Items of one answer cell each (a derivative's value) a table takes before it is split.
constexpr int kOneCellItemsPerTable = 5;

/// The head of answers of `items` items of one cell each, numbered "1", "2", ..: when they
/// need more than kOneCellItemsPerTable a table, starts the split answers (nothing written
/// yet) and returns true; otherwise opens the answers table of `columns` answer columns,
/// writes the item-number headings "&1 ", "&2 ", .. (a line each) and returns false.
bool BeginNumberedItemAnswers(Run& r, int items, int columns);

/// One variant's answers row of a problem whose answers may be split: unsplit, the number and
/// the cells go straight to the answers file as they come; split, they are kept and End hands
/// them to AddSplitAnswersRow.
class AnswersRow {
 public:
  /// Starts the row with its variant-number cell `number`, written at once unless `split`.
  AnswersRow(Run& s, bool split, std::string number);
  /// One item's cells, each beginning with "&".
  void Item(const std::string& cells);
  /// Ends a split row (see AddSplitAnswersRow); does nothing to an unsplit one.
  void End();

 private:
  Run& s_;
  bool split_;
  std::string number_;
  std::vector<std::string> items_;
};

}  // namespace toolkit
