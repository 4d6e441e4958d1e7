#include <gtest/gtest.h>

#include <map>

#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::RowRunner;

TEST(ChromaticPolynomial, EdgelessAndCompleteGraphs) {
  RowRunner four(20, 1);
  EXPECT_EQ(four.BeginAnswers(),
            "\\tabcolsep=1pt \\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & $C(x)$ & Редукция & $C(x_0)$   \\\\\\hline\r\n");
  // Edgeless on 4 vertices: x^4; the reduction holds S(4, k) = 1, 7, 6, 1.
  const auto [main, answers] = four.RunVariant({4, 4, 2, 1, 1, 1, 1});
  EXPECT_EQ(answers, "1 & $x^4 $ &$ x^{(1)}+7x^{(2)}+6x^{(3)}+x^{(4)}$& 256  \\\\");
  EXPECT_NE(main.find("\\par $x_0=4 $\r\n\\vskip3mm\r\n"), std::string::npos) << main;
  // Complete on 4 vertices with x0 = 4: 4!.
  EXPECT_EQ(four.RunVariant({3, 3, 1, 1, 1, 1, 1}).second,
            "1 & $x^4 -6\r\nx^3+11\r\nx^2-6\r\nx$ &$ x^{(4)}$& 24  \\\\");
  // Complete on 5 vertices with x0 = 3: no colouring.
  RowRunner five(19, 1);
  EXPECT_EQ(five.RunVariant({10, 2, 2, 1, 1, 1, 1}).second,
            "1 & $x^5 -10\r\nx^4+35\r\nx^3-50\r\nx^2+24\r\nx$ &$ x^{(5)}$& 0  \\\\");
}

// Coefficients by power (or by falling-factorial order) of a printed sum such as
// "x^5-6x^4+15x^3-x" or "x^{(2)}+4x^{(3)}"; blanks, line ends and "$" are ignored.
std::map<int, long> ReadTerms(const std::string& printed) {
  std::string t;
  for (char c : printed) {
    if (c != ' ' && c != '\r' && c != '\n' && c != '$') t += c;
  }
  std::map<int, long> terms;
  std::size_t at = 0;
  while (at < t.size()) {
    long sign = 1;
    if (t[at] == '+' || t[at] == '-') sign = t[at++] == '-' ? -1 : 1;
    long coef = 1;
    if (std::isdigit(static_cast<unsigned char>(t[at])) != 0) {
      std::size_t used = 0;
      coef = std::stol(t.substr(at), &used);
      at += used;
    }
    EXPECT_EQ(t[at], 'x') << printed;
    ++at;
    int power = 1;
    if (at < t.size() && t[at] == '^') {
      ++at;
      if (t.compare(at, 2, "{(") == 0) at += 2;
      std::size_t used = 0;
      power = std::stoi(t.substr(at), &used);
      at += used;
      if (t.compare(at, 2, ")}") == 0) at += 2;
    }
    terms[power] += sign * coef;
  }
  return terms;
}

// Counts the proper colourings of the drawn graph with x colours, for x = 0..n, and derives
// the falling-factorial coefficients (forward differences) and the power coefficients.
void CheckChromaticRow(int row, int n) {
  RowRunner run(row, 1);
  discrete_check::ForEachParams({10, 10, 10, 10, 10, 1, 1}, 1200, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto points = discrete_check::ReadCircles(main, "{\\circle{ 3}}");
    ASSERT_EQ(static_cast<int>(points.size()), n);
    const auto g = discrete_check::GraphFromBars(points, discrete_check::ReadBars(main));
    std::vector<long> count(static_cast<std::size_t>(n) + 1, 0);
    for (int x = 0; x <= n; ++x) {
      long total = 1;
      for (int i = 0; i < n; ++i) total *= x;
      for (long code = 0; code < total; ++code) {
        std::vector<int> colour(static_cast<std::size_t>(n) + 1);
        long rest = code;
        for (int v = 1; v <= n; ++v, rest /= x) colour[static_cast<std::size_t>(v)] = static_cast<int>(rest % x);
        bool proper = true;
        for (int v = 1; v <= n && proper; ++v) {
          for (int w : g[static_cast<std::size_t>(v)]) proper = proper && colour[static_cast<std::size_t>(v)] != colour[static_cast<std::size_t>(w)];
        }
        count[static_cast<std::size_t>(x)] += proper ? 1 : 0;
      }
    }
    // Forward differences at 0 divided by k!: the partitions into k independent sets.
    std::vector<long> diff = count;
    std::map<int, long> falling;
    long factorial = 1;
    for (int k = 0; k <= n; ++k) {
      if (k > 0) factorial *= k;
      if (diff[0] != 0) falling[k] = diff[0] / factorial;
      for (std::size_t i = 0; i + 1 < diff.size(); ++i) diff[i] = diff[i + 1] - diff[i];
      diff.pop_back();
    }
    // Powers: expand each x(x-1)...(x-k+1).
    std::map<int, long> powers;
    for (const auto& [k, a] : falling) {
      std::vector<long> poly{1};  // coefficients by power
      for (int j = 0; j < k; ++j) {
        std::vector<long> next(poly.size() + 1, 0);
        for (std::size_t i = 0; i < poly.size(); ++i) {
          next[i + 1] += poly[i];
          next[i] -= j * poly[i];
        }
        poly = next;
      }
      for (std::size_t i = 0; i < poly.size(); ++i) {
        if (poly[i] != 0) powers[static_cast<int>(i)] += a * poly[i];
      }
    }
    std::erase_if(powers, [](const auto& term) { return term.second == 0; });
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 4u) << answers;
    EXPECT_EQ(ReadTerms(cells[1]), powers) << answers;
    EXPECT_EQ(ReadTerms(cells[2]), falling) << answers;
    const std::size_t at = main.find("$x_0=");
    ASSERT_NE(at, std::string::npos);
    const int x0 = std::stoi(main.substr(at + 5));
    long c0 = 0;
    for (const auto& [power, a] : powers) {
      long term = a;
      for (int i = 0; i < power; ++i) term *= x0;
      c0 += term;
    }
    EXPECT_EQ(cells[3], std::to_string(c0)) << answers;
  });
}

TEST(ChromaticPolynomial, Row19AnswersMatchTheColouringsOfTheDrawnGraph) { CheckChromaticRow(19, 5); }

TEST(ChromaticPolynomial, Row20AnswersMatchTheColouringsOfTheDrawnGraph) { CheckChromaticRow(20, 4); }

}  // namespace
