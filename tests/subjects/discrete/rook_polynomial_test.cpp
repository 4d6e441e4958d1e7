#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/subjects/discrete/counting_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::RowRunner;

TEST(RookPolynomial, GoldenVariants) {
  RowRunner run(34, 1);
  EXPECT_EQ(run.State().ParboxWidth, 100);
  EXPECT_NE(run.BeginMain().find("\\newsavebox{\\doska}\\sbox{\\doska}{%\r\n"), std::string::npos);
  EXPECT_EQ(discrete_check::ReadBars(run.BeginMain()).size(), 10u);  // the 5 + 5 grid lines
  EXPECT_NE(run.BeginAnswers().find("\\No\\ru & $L(x)$ & $L(1)$ \\\\\\hline"), std::string::npos);
  // Four cells in one line: no two rooks, the polynomial stops after the r1 term.
  auto [main, answers] = run.RunVariant({23, 10, 15, 23, 11, 16, 16});
  EXPECT_EQ(answers, "1 & $1+4x $ & 5 \\\\");
  // r4 = 1 is written without its coefficient.
  std::tie(main, answers) = run.RunVariant({4, 16, 25, 15, 16, 21, 13});
  EXPECT_EQ(answers, "1 & $1+8x  + 16 x^2  + 9 x^3  +  x^4 $ & 35 \\\\");
  // P3 <= 12 and P2 >= 28: the board has candidate cells 1..7 alone, all on the board.
  std::tie(main, answers) = run.RunVariant({4, 29, 11, 1, 1, 1, 21});
  EXPECT_EQ(answers, "1 & $1+5x  + 8 x^2  + 5 x^3  +  x^4 $ & 20 \\\\");
  EXPECT_EQ(main,
            "\\noindent\\begin{picture}(65,60)(-20,0)%\r\n"
            "\\put(0,0){\\usebox{\\doska}}\\Red{"
            "\\put(2,42){$*$}\\put(12,12){$*$}\\put(12,32){$*$}\\put(22,22){$*$}\\put(32,12){$*$}}"
            "\\end{picture}\r\n");
}

// The polynomial cell "$1+r1x + r2 x^2 ..$" as coefficients r0..r4.
std::vector<long> Coefficients(const std::string& cell) {
  std::string text = counting_check::Squeeze(cell);
  text.erase(std::remove(text.begin(), text.end(), '$'), text.end());
  std::vector<long> r(5, 0);
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find('+', at), text.size());
    const std::string term = text.substr(at, end - at);
    const std::size_t x = term.find('x');
    if (x == std::string::npos) {
      r[0] += std::stol(term);
    } else {
      const long coefficient = x == 0 ? 1 : std::stol(term.substr(0, x));
      const std::size_t power = x + 1 < term.size() ? std::stoul(term.substr(x + 2)) : 1;
      EXPECT_LE(power, 4u) << cell;
      r[power] += coefficient;
    }
    at = end + 1;
  }
  return r;
}

// The starred cells read from the picture; the rook numbers by trying every set of cells.
TEST(RookPolynomial, AnswerCountsThePlacementsOnTheStarredBoard) {
  counting_check::LevelRunners runners(34);
  const long budget = discrete_check::FullSweep() ? 200000 : 8000;
  counting_check::SampleParams({31, 31, 31, 31, 31, 31, 31}, budget, [&](const auto& p) {
    const auto [main, answers] = runners.Pick(p).RunVariant(p);
    const auto stars = discrete_check::ReadCircles(main, "{$*$}");
    ASSERT_FALSE(stars.empty()) << main;
    std::vector<std::pair<int, int>> cells;
    for (const auto& s : stars) {
      const int a = static_cast<int>(std::lround((s.x + 8) / 10));
      const int b = static_cast<int>(std::lround((s.y - 2) / 10));
      ASSERT_EQ(10 * a - 8, s.x) << main;
      ASSERT_EQ(10 * b + 2, s.y) << main;
      ASSERT_TRUE(a >= 1 && a <= 4 && b >= 1 && b <= 4) << "a star off the board: " << main;
      cells.push_back({a, b});
    }
    std::sort(cells.begin(), cells.end());
    ASSERT_EQ(std::unique(cells.begin(), cells.end()), cells.end())
        << "a cell starred twice: " << main;
    std::vector<long> r(5, 0);
    const std::size_t n = cells.size();
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
      unsigned columns = 0, rows = 0;
      int k = 0;
      bool ok = true;
      for (std::size_t i = 0; i < n && ok; ++i) {
        if ((mask >> i & 1u) == 0) continue;
        const unsigned c = 1u << cells[i].first, w = 1u << cells[i].second;
        ok = (columns & c) == 0 && (rows & w) == 0;
        columns |= c;
        rows |= w;
        ++k;
      }
      if (ok) ++r[static_cast<std::size_t>(k)];
    }
    const auto answer = Cells(answers);
    ASSERT_EQ(answer.size(), 3u) << answers;
    EXPECT_EQ(Coefficients(answer[1]), r) << main << answers;
    EXPECT_EQ(answer[2], std::to_string(r[0] + r[1] + r[2] + r[3] + r[4])) << answers;
  });
}

}  // namespace
