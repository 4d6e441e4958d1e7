#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Reading numbers back from generated text, for the statics answer checks.
namespace statics_testing {

/// The number that starts right after the first `key` at or after `from` (NaN when the key is
/// missing or no number follows it); `from` moves past the key and the number.
inline double NumberAfter(std::string_view text, std::string_view key, std::size_t& from) {
  const std::size_t at = text.find(key, from);
  if (at == std::string_view::npos) return std::nan("");
  const std::string rest(text.substr(at + key.size(), 32));
  char* end = nullptr;
  const double v = std::strtod(rest.c_str(), &end);
  from = at + key.size() + static_cast<std::size_t>(end - rest.c_str());
  if (end == rest.c_str()) return std::nan("");
  return v;
}

inline double NumberAfter(std::string_view text, std::string_view key) {
  std::size_t from = 0;
  return NumberAfter(text, key, from);
}

/// The numbers of an answers row: every cell between "&" (and the text before the first),
/// stripped of "$" and blanks; a cell without a number ("---", "-") reads as NaN.
inline std::vector<double> AnswerCells(std::string_view row) {
  std::vector<double> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = row.find('&', start);
    std::string cell(row.substr(start, end == std::string_view::npos ? row.npos : end - start));
    std::string digits;
    for (char c : cell) {
      if (c != '$' && c != ' ' && c != '\r' && c != '\n') digits += c;
    }
    char* stop = nullptr;
    const double v = std::strtod(digits.c_str(), &stop);
    cells.push_back(digits.empty() || *stop != '\0' ? std::nan("") : v);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return cells;
}

}  // namespace statics_testing

namespace statics_testing {

/// The answers row of a one-variant run: the text after the table's and the head's "\hline"
/// up to the " \\" that ends the row.
inline std::string SingleRow(std::string_view answers) {
  std::size_t at = answers.find("\\hline");
  at = answers.find("\\hline", at + 1);
  if (at == std::string_view::npos) return {};
  at += 6;
  // The head's line end (a head may end in a blank before it).
  std::size_t end_of_head = at;
  while (end_of_head < answers.size() && answers[end_of_head] == ' ') ++end_of_head;
  if (answers.substr(end_of_head, 2) == "\r\n") at = end_of_head + 2;
  const std::size_t end = answers.rfind(" \\\\\\hline\\end{tabular}");
  if (end == std::string_view::npos || end < at) return {};
  return std::string(answers.substr(at, end - at));
}

}  // namespace statics_testing

namespace statics_testing {

struct PutPoint {
  double x = 0, y = 0;
};

/// The place of the last "\put(x,y)" before position `at`.
inline PutPoint PutBefore(std::string_view text, std::size_t at) {
  std::size_t p = text.rfind("\\put(", at);
  PutPoint out;
  if (p == std::string_view::npos) return {std::nan(""), std::nan("")};
  out.x = NumberAfter(text, "\\put(", p);
  out.y = NumberAfter(text, ",", p);
  return out;
}

/// The places of the "\put" heads of every occurrence of `marker` in text, in order.
inline std::vector<PutPoint> PutsOf(std::string_view text, std::string_view marker) {
  std::vector<PutPoint> out;
  for (std::size_t at = text.find(marker); at != std::string_view::npos;
       at = text.find(marker, at + 1)) {
    out.push_back(PutBefore(text, at));
  }
  return out;
}

}  // namespace statics_testing
