#pragma once

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

// Running rows of the Artificial intelligence tab through the shell's table in memory, and
// reading back what a student sees: numbers of the text, labels of a figure, answers cells.
namespace ai_check {

inline constexpr int kAiSubject = 8;

/// What one variant of row `row` writes: begin and one variant with parameters p at `level`,
/// printed as variant number `first_number`; in students mode with one student "Ivanov".
inline testing_support::RunTexts RunAiVariant(int row, const testing_support::VariantParams& p,
                                              int level = 1, int first_number = 1,
                                              bool students = false) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->FirstNumber = first_number;
  if (students) {
    s->StudentsMode = true;
    s->StudentNames[1] = "Group";
    s->StudentNames[2] = "Ivanov";
  }
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), kAiSubject, row, {p});
}

/// The sweep points of a row with bounds hi (P1..P7 from 1), every Level.
inline std::vector<testing_support::SweepPoint> Sweep(const std::array<int, 7>& hi, int budget) {
  return testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, hi, budget);
}

/// A sweep over a space too large to visit whole: the normal suite's stratified sample of
/// `budget` points, and under TARBEL_FULL=1 `full_count` points drawn by a fixed generator (the
/// same on every run), every Level in turn.
inline std::vector<testing_support::SweepPoint> LargeSweep(const std::array<int, 7>& hi, int budget,
                                                           int full_count) {
  if (!testing_support::FullSweep()) return Sweep(hi, budget);
  std::vector<testing_support::SweepPoint> points;
  unsigned long long state = 0x2545F4914F6CDD1DULL;
  for (int n = 0; n < full_count; ++n) {
    testing_support::SweepPoint point;
    for (int k = 0; k < 7; ++k) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      point.p[k] = 1 + static_cast<int>((state >> 33) % static_cast<unsigned long long>(hi[k]));
    }
    point.level = 1 + n % 10;
    points.push_back(point);
  }
  return points;
}

/// The text between the first `open` at or after `from` and the next `close`; "" when either
/// is missing. *end gets the position after `close` (npos when missing).
inline std::string Between(const std::string& text, std::string_view open, std::string_view close,
                           std::size_t from = 0, std::size_t* end = nullptr) {
  const std::size_t a = text.find(open, from);
  const std::size_t b = a == std::string::npos ? a : text.find(close, a + open.size());
  if (b == std::string::npos) {
    if (end != nullptr) *end = std::string::npos;
    return "";
  }
  if (end != nullptr) *end = b + close.size();
  return text.substr(a + open.size(), b - a - open.size());
}

/// Every number in text (signed decimals), in order; digits inside control words are not
/// numbers here, so callers pass only the part that holds data.
inline std::vector<double> Numbers(std::string_view text) {
  std::vector<double> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const bool starts = (c >= '0' && c <= '9') || (c == '-' && i + 1 < text.size() &&
                                                   text[i + 1] >= '0' && text[i + 1] <= '9');
    if (!starts) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < text.size() && ((text[j] >= '0' && text[j] <= '9') || text[j] == '.')) ++j;
    out.push_back(std::stod(std::string(text.substr(i, j - i))));
    i = j;
  }
  return out;
}

/// The labels "\put(x,y){<style> value}" of a text, keyed by position: the last number inside
/// the braces that follow the position.
inline std::map<std::pair<double, double>, double> LabelsByPosition(const std::string& text) {
  std::map<std::pair<double, double>, double> labels;
  std::size_t at = 0;
  while ((at = text.find("\\put(", at)) != std::string::npos) {
    std::size_t end = 0;
    const std::string where = Between(text, "\\put(", ")", at, &end);
    at = end;
    if (end >= text.size() || text[end] != '{') continue;
    // The braced argument, balanced.
    int depth = 0;
    std::size_t k = end;
    for (; k < text.size(); ++k) {
      if (text[k] == '{') ++depth;
      if (text[k] == '}' && --depth == 0) break;
    }
    const std::string body = text.substr(end, k - end);
    if (body.find("\\usebox") != std::string::npos || body.find("circle") != std::string::npos) {
      continue;
    }
    const auto pos = Numbers(where);
    const auto values = Numbers(body);
    if (pos.size() == 2 && !values.empty()) labels[{pos[0], pos[1]}] = values.back();
  }
  return labels;
}

/// The cells of a row split at "&", trimmed of blanks and line ends.
inline std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t amp = row.find('&', start);
    std::string cell =
        row.substr(start, amp == std::string::npos ? std::string::npos : amp - start);
    const std::size_t a = cell.find_first_not_of(" \r\n");
    const std::size_t b = cell.find_last_not_of(" \r\n");
    cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
    if (amp == std::string::npos) break;
    start = amp + 1;
  }
  return cells;
}

/// The data row of a one-variant table (answers or second answers): after the table head and,
/// when the table has one, its heading row, up to the row end "\\" before the closing.
inline std::string DataRow(const std::string& answers, bool has_heading) {
  const std::size_t table = answers.find("\\begin{tabular}");
  std::size_t start = answers.find("\\hline", table) + 6;
  if (has_heading) start = answers.find("\\hline", start) + 6;
  const std::size_t end = answers.find("\\\\\\hline\\end{tabular}", start);
  std::string row =
      answers.substr(start, end == std::string::npos ? std::string::npos : end - start);
  const std::size_t a = row.find_first_not_of(" \r\n");
  const std::size_t b = row.find_last_not_of(" \r\n");
  return a == std::string::npos ? "" : row.substr(a, b - a + 1);
}

/// Whether printed (a number written with d decimals) is x rounded to d decimals: the
/// difference is at most half a unit of the last place, with room for the last bits.
inline bool PrintedAs(double printed, double x, int d) {
  return std::fabs(printed - x) <= 0.5 * std::pow(10.0, -d) + 1e-9;
}

/// The straight pieces "\mt{x}{y}\pp{x}{y}" of a text, in order, as direction angles.
inline std::vector<double> BarAngles(const std::string& text) {
  std::vector<double> angles;
  std::size_t at = 0;
  while ((at = text.find("\\mt{", at)) != std::string::npos) {
    const std::size_t pp = text.find("\\pp{", at);
    const auto from = Numbers(text.substr(at, pp - at));
    std::size_t end = text.find('}', text.find('}', pp) + 1);
    const auto to = Numbers(text.substr(pp, end - pp));
    angles.push_back(std::atan2(to[1] - from[1], to[0] - from[0]));
    at = end;
  }
  return angles;
}

/// The turn from direction a to direction b in eighths of a full turn, counter-clockwise
/// positive (-3..4).
inline int TurnInEighths(double a, double b) {
  double d = b - a;
  while (d <= -M_PI) d += 2 * M_PI;
  while (d > M_PI) d -= 2 * M_PI;
  return static_cast<int>(std::lround(d / (M_PI / 4)));
}

/// The pictures of a text in order: what lies between "\begin{picture}" and "\end{picture}".
inline std::vector<std::string> Pictures(const std::string& text) {
  std::vector<std::string> pictures;
  std::size_t at = 0;
  while ((at = text.find("\\begin{picture}", at)) != std::string::npos) {
    const std::size_t end = text.find("\\end{picture}", at);
    pictures.push_back(text.substr(at, end - at));
    at = end;
  }
  return pictures;
}

}  // namespace ai_check
