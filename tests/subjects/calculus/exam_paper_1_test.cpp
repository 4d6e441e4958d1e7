#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Params;

constexpr int kRow = 25;

TEST(ExamPaper1, BeginOpensTheTableOnly) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 190);
  EXPECT_EQ(testing_support::MainText(s), "");
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\ru \\No& предел \r\n\\\\\\hline \r\n");
}

TEST(ExamPaper1, WritesTheLimitOfEitherKind) {
  numeric_check::VariantRunner run(kRow, 3, 4);
  auto v = run.Run({{3, 1, 5, 1, 1, 1, 1}});
  EXPECT_EQ(v.main, " Найти предел $$y=\\lim_{n\\to \\infty} n(6^{(1/n)} -1)$$\r\n");
  EXPECT_EQ(v.ans, "4&$ \\ln(6)$");
  EXPECT_EQ(run.state().P1, 9);
  v = run.Run({{8, 1, 1, 1, 1, 3, 2}});
  EXPECT_EQ(v.main,
            " Найти предел $$y=\\lim_{x\\to \\pi/8} \\tg(4x)\\tg(\\pi/8 -x)$$\r\n");
  EXPECT_EQ(v.ans, "4&$ 1/4$");
}

// The printed answers against the limits computed from the printed data, for every parameter
// set that the row reads (the stored P1 changes nothing).
TEST(ExamPaper1, AnswersAreTheLimits) {
  static const std::regex kFirst(R"(n\(([0-9]+)\^\{\(1/n\)\} -1\))");
  static const std::regex kSecond(R"(\\pi/([0-9]+)\} \\tg\(([0-9]+)x\)\\tg\(\\pi/([0-9]+) -x\))");
  static const std::regex kLn(R"(\$ \\ln\(([0-9]+)\)\$)");
  static const std::regex kInverse(R"(\$ 1/([0-9]+)\$)");
  numeric_check::VariantRunner run(kRow, 1, 1);
  int checked = 0;
  numeric_check::ForEachParameterSet({8, 0, 5, 0, 0, 3, 2}, [&](const Params& q) {
    const auto v = run.Run(q);
    const std::string where = numeric_check::Where(q, 1, v);
    if (q.p[6] == 1) {
      const auto m = numeric_check::Match(v.main, kFirst);
      const auto a = numeric_check::Match(v.ans, kLn);
      ASSERT_EQ(m.size(), 1u) << where;
      ASSERT_EQ(a.size(), 1u) << where;
      const double base = std::stod(m[0]);
      const double limit = numeric_check::LimitAtInfinity(
          [&](double n) { return n * (std::pow(base, 1 / n) - 1); });
      EXPECT_NEAR(std::log(std::stod(a[0])), limit, 1e-6) << where;
    } else {
      const auto m = numeric_check::Match(v.main, kSecond);
      const auto a = numeric_check::Match(v.ans, kInverse);
      ASSERT_EQ(m.size(), 3u) << where;
      ASSERT_EQ(a.size(), 1u) << where;
      const double pi = std::acos(-1.0), to = pi / std::stod(m[0]);
      const double b = std::stod(m[1]), shift = pi / std::stod(m[2]);
      for (double side : {1.0, -1.0}) {
        const double limit = numeric_check::LimitAt(
            [&](double x) { return std::tan(b * x) * std::tan(shift - x); }, to, side);
        EXPECT_NEAR(1 / std::stod(a[0]), limit, 1e-6) << where;
      }
    }
    ++checked;
  });
  EXPECT_EQ(checked, 8 * 5 * 3 * 2);
}

}  // namespace
