#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Match;
using numeric_check::Params;
using numeric_check::ParseRational;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 1;

TEST(LimitByDefinition, BeginWritesStatementReferenceAndAnswersHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 175);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind(" Пользуясь определением предела последовательности, доказать, что "
                       "$$\\lim_{n\\to\\infty}a_n=a.$$ \r\n\\vskip1pt{\\small\\par\\noindent{\\it ",
                       0),
            0u)
      << main;
  EXPECT_NE(main.find(" \\Red{(с.71.)}\\\\\\noindent\r\n"), std::string::npos) << main;
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|}\\hline \r\n"
            "\\No& $n$ \\\\\\hline \r\n");
}

TEST(LimitByDefinition, VariantLinesForTheEdgeCases) {
  struct Case {
    const char* what;
    Params q;
    int first_number;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"constant sequence (3n+3)/(4n+4): every n will do",
       {{3, 2, 1, 2, 1}},
       1,
       "$$\r\na_n=\\frac{ 3n\r\n+3\r\n}{ 4n\r\n+4},\\ \\  a=\\frac{3}{4}\r\n.$$\r\n",
       " 1  &$0$ "},
      {"B = 0 leaves no constant term; a negative D keeps its minus; printed number 31",
       {{1, 6, 1, 1, 2}},
       31,
       "$$\r\na_n=\\frac{ 7n\r\n}{ 8n\r\n-4},\\ \\  a=\\frac{7}{8}\r\n.$$\r\n",
       "31  &$1/2+(7/16)(1/\\varepsilon)$ "},
      {"square: D = 0 becomes 2 and the answer is a square root",
       {{1, 2, 2, 3, 1}},
       1,
       "$$\r\na_n=\\frac{ 4n^2\r\n+5\r\n}{ 3n^2\r\n+2},\\ \\  a=\\frac{4}{3}\r\n.$$\r\n",
       " 1  &$\\sqrt{-2/3+(7/9)(1/\\varepsilon)}$ "},
      {"cube: D = 0 becomes 1 and the answer is a cube root",
       {{2, 4, 3, 1, 5}},
       1,
       "$$\r\na_n=\\frac{ 9n^3\r\n-3\r\n}{ 8n^3\r\n+1},\\ \\  a=\\frac{9}{8}\r\n.$$\r\n",
       " 1  &$\\sqrt[3]{-1/8+(33/64)(1/\\varepsilon)}$ "},
  };
  for (const Case& c : cases) {
    const auto out = RunAnalysisVariant(kRow, c.q, 1, c.first_number);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

// The answer N(eps) is checked against the printed sequence itself: beyond N every term lies
// within eps of the printed limit, and (unless the sequence is constant) below N none does.
TEST(LimitByDefinition, ThresholdHoldsAndIsSharpForEveryParameterSet) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, false, false}, bounds);
  int checked = 0;
  numeric_check::ForEachVariant(kRow, bounds, [&](const Params& q, int level, const auto& out) {
    const std::string where = numeric_check::Where(q, level, out);
    static const std::regex kSequence(
        R"(a_n=\\frac\{ ([1-9]\d*)(n(?:\^[23])?)\r\n(?:([+-]\d+)\r\n)?\}\{ ([1-9]\d*)?(n(?:\^[23])?)\r\n([+-]?\d+)\},\\ \\  a=(?:\\frac\{(\d+)\}\{(\d+)\}|(\d+))\r\n\.\$\$\r\n$)");
    const auto m = Match(out.main, kSequence);
    ASSERT_EQ(m.size(), 9u) << where;
    ASSERT_EQ(m[1], m[4]) << where;
    const int p = m[1] == "n" ? 1 : m[1][2] - '0';
    const double A = std::stod(m[0]), B = m[2].empty() ? 0 : std::stod(m[2]);
    // No coefficient 1 is written, and no fraction over 1.
    ASSERT_NE(m[3], "1") << where;
    ASSERT_NE(m[7], "1") << where;
    const double C = m[3].empty() ? 1 : std::stod(m[3]), D = std::stod(m[5]);
    const double limit = m[8].empty() ? std::stod(m[6]) / std::stod(m[7]) : std::stod(m[8]);
    ASSERT_EQ(std::fmod(A, C) == 0, !m[8].empty()) << where;
    auto term = [&](double n) { return (A * std::pow(n, p) + B) / (C * std::pow(n, p) + D); };
    ASSERT_TRUE(numeric_check::Near(numeric_check::LimitAtInfinity(term), limit, 1e-9)) << where;

    static const std::regex kThreshold(
        R"(^ ?\d+  &\$(\\sqrt(?:\[3\])?\{)?(-?\d+(?:/\d+)?)\+(?:\((\d+/\d+)\)\(1/\\varepsilon\)|(\d+)/\\varepsilon)(\}?)\$ $)");
    if (out.ans.ends_with("&$0$ ")) {
      // Every n will do: only for a constant sequence.
      ASSERT_EQ(A * D, B * C) << where;
      ++checked;
      return;
    }
    const auto a = Match(out.ans, kThreshold);
    ASSERT_EQ(a.size(), 5u) << where;
    const char* root = p == 1 ? "" : p == 2 ? "\\sqrt{" : "\\sqrt[3]{";
    ASSERT_EQ(a[0], root) << where;
    ASSERT_EQ(a[4], p == 1 ? "" : "}") << where;
    const double shift = ParseRational(a[1]);
    const double slope = a[3].empty() ? ParseRational(a[2]) : std::stod(a[3]);
    // A whole coefficient is written k/eps, not (k)(1/eps) or (k/1)(1/eps).
    ASSERT_NE(slope, 0) << where;
    if (!a[2].empty()) {
      ASSERT_NE(slope, std::floor(slope)) << where;
    }
    for (double eps : {0.5, 0.1, 0.01, 0.002}) {
      const double inside = shift + slope / eps;
      const double threshold = inside > 0 ? std::pow(inside, 1.0 / p) : 0;
      for (int n = 1; n <= threshold + 30; ++n) {
        if (std::fabs(n - threshold) < 1e-9) continue;
        const bool within = std::fabs(term(n) - limit) < eps;
        if (n > threshold) {
          ASSERT_TRUE(within) << "n = " << n << " above N = " << threshold << ", eps " << eps
                              << "\n"
                              << where;
        } else if (slope != 0) {
          ASSERT_FALSE(within) << "n = " << n << " below N = " << threshold << ", eps " << eps
                               << "\n"
                               << where;
        }
      }
    }
    ++checked;
  });
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 5 * 6 * 3 * 3 * 5)) << checked;
}

}  // namespace
