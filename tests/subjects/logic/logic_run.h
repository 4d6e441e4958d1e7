#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

// Running Logic rows through the shell's table in memory, and reading their texts back.
namespace logic_check {

inline constexpr int kLogicSubject = 9;

/// What one variant of Logic row `row` writes: begin and one variant with parameters p at
/// `level`, printed as variant number `first_number`.
inline testing_support::RunTexts RunLogicVariant(int row, const testing_support::VariantParams& p,
                                                 int level = 1, int first_number = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->FirstNumber = first_number;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), kLogicSubject, row, {p});
}

/// The levels to run a parameter set at: every Level under TARBEL_FULL=1, else the one Level
/// picked by the set's running count, so that a sweep over the whole space meets every Level.
inline std::vector<int> LevelsFor(int count) {
  if (testing_support::FullSweep()) return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  return {1 + count % 10};
}

/// The text between the first `open` at or after `from` and the next `close`; "" and npos
/// in *end when either is missing.
inline std::string Between(const std::string& text, std::string_view open, std::string_view close,
                           std::size_t from = 0, std::size_t* end = nullptr) {
  const std::size_t a = text.find(open, from);
  if (a == std::string::npos) {
    if (end != nullptr) *end = std::string::npos;
    return "";
  }
  const std::size_t b = text.find(close, a + open.size());
  if (b == std::string::npos) {
    if (end != nullptr) *end = std::string::npos;
    return "";
  }
  if (end != nullptr) *end = b + close.size();
  return text.substr(a + open.size(), b - a - open.size());
}

/// The cells of an answers row (split at "&"), without the row end " \\".
inline std::vector<std::string> Cells(std::string row) {
  const std::string tail = " \\\\";
  if (row.size() >= tail.size() && row.compare(row.size() - tail.size(), tail.size(), tail) == 0) {
    row.resize(row.size() - tail.size());
  }
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t amp = row.find('&', start);
    cells.push_back(row.substr(start, amp == std::string::npos ? std::string::npos : amp - start));
    if (amp == std::string::npos) break;
    start = amp + 1;
  }
  return cells;
}

/// The answers row of a one-variant run: what follows the table head line.
inline std::string AnswersRow(const std::string& answers) {
  const std::size_t head = answers.find("\\hline \r\n");
  std::size_t start = head == std::string::npos ? 0 : head + 9;
  // A heading row, when the problem writes one, is a line of its own.
  if (answers.compare(start, 4, " \\No") == 0 || answers.compare(start, 3, "\\No") == 0) {
    start = answers.find("\r\n", start) + 2;
  }
  const std::size_t end = answers.find("\\hline\\end{tabular}", start);
  return answers.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

/// Digits of a list such as " 0, 1, 0" or "01001101", in order.
inline std::vector<int> Digits(std::string_view text) {
  std::vector<int> d;
  for (char c : text) {
    if (c == '0' || c == '1') d.push_back(c - '0');
  }
  return d;
}

}  // namespace logic_check
