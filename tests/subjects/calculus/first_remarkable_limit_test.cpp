#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Match;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 3;

TEST(TexFormula, EvaluatesThePrintedForms) {
  const double x = 0.3, pi = std::acos(-1.0);
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"2(e^x-1)+\\ln(1+3x)", 2 * (std::exp(x) - 1) + std::log(1 + 3 * x)},
      {"\\mbox{tg}(4x)+\\sin^2(x)", std::tan(4 * x) + std::pow(std::sin(x), 2)},
      {"\\frac{3x^2+1}{x^{-1}}", (3 * x * x + 1) * x},
      {"\\sqrt[3]{8x}\\cdot\\sh x", std::cbrt(8 * x) * std::sinh(x)},
      {"(\\pi+1-x)/2-x^2", (pi + 1 - x) / 2 - x * x},
      {"\\left(2\\frc{\\sin(\\pi x)}{\\pi}+3x^2\\right)", 2 * std::sin(pi * x) / pi + 3 * x * x},
      // Signs in spacing groups, and the \mbox names with a space or a hyperbolic inverse.
      {"(3x^2{+}2)^2(2x^2{-}1){-}x", std::pow(3 * x * x + 2, 2) * (2 * x * x - 1) - x},
      {"{-}x{+}\\mbox{arcsinh}(x)", -x + std::asinh(x)},
      {"2\\mbox{arctan }(x)", 2 * std::atan(x)},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(numeric_check::EvalTex(c.text, 'x', x), c.expected, 1e-12) << c.text;
  }
  EXPECT_THROW(numeric_check::EvalTex("\\foo(x)", 'x', x), numeric_check::TexFormulaError);
  EXPECT_THROW(numeric_check::EvalTex("(x", 'x', x), numeric_check::TexFormulaError);
}

TEST(FirstRemarkableLimit, BeginWritesStatementAnswersHeadAndReference) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 175);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind(" Вычислить предел функции.\r\n\\vskip1pt{", 0), 0u) << main;
  EXPECT_NE(main.find(" \\Red{(с.86.)}"), std::string::npos) << main;
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n"
            "   \\No& lim  \r\n \\\\\\hline \r\n");
}

TEST(FirstRemarkableLimit, VariantLinesForTheEdgeCases) {
  struct Case {
    const char* what;
    Params q;
    const char* fraction;
    const char* answer;
  };
  const Case cases[] = {
      {"P3 = P2 = 7 takes row 1 for the second term; the extra term follows the denominator",
       {{1, 7, 7, 3, 1}},
       "2(e^x-1)+\\ln(1+3x)}{\r\n\\mbox{tg}(4x)+\\sin^2(x)}\r\n",
       "1&$5/4$ "},
      {"form 2 without an extra term",
       {{2, 3, 4, 5, 1}},
       "\\mbox{arcsin}(5x)}{\r\n\\mbox{tg}(3x)+\\mbox{arctg}(4x)}\r\n",
       "1&$5/7$ "},
      {"form 3: P4 = P2 gives row 8 and the extra term makes the limit infinite; row 6 doubled",
       {{3, 6, 2, 6, 2}},
       "3x^2+e^x}{\r\n8(1-\\cos(x))+5\\sin(x^2)}\r\n",
       "1 &$\\infty$ "},
      {"form 4 with its extra term answers 0",
       {{4, 1, 2, 1, 3}},
       "5\\ln(1+x^2)+6\\sin(x^2)}{\r\n4x^2+\\sin(6x)}\r\n",
       "1& $0$ "},
      {"form 5 with the quadratic term on row 6",
       {{5, 1, 2, 6, 1}},
       "(\\ln(1+2x)+\\sin(3x))^2}{\r\n4(1-\\cos(x))}\r\n",
       "1&$25/2$ "},
  };
  for (const Case& c : cases) {
    const auto out = RunAnalysisVariant(kRow, c.q, 1);
    EXPECT_EQ(out.main,
              std::string("$\\displaystyle \\lim_{x\\to 0}\\frac{") + c.fraction + "$ \r\n")
        << c.what;
    EXPECT_EQ(out.ans, c.answer) << c.what;
  }
}

// The printed fraction is evaluated near 0 from both sides: a finite answer must be the
// limit, an infinite one must grow without bound, 0 must vanish.
TEST(FirstRemarkableLimit, AnswerIsTheLimitOfThePrintedFunctionForEveryParameterSet) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, false, false}, bounds);
  static const std::regex kFraction(
      R"(^\$\\displaystyle \\lim_\{x\\to 0\}\\frac\{([^\r]*)\r\n(?:([^\r]*)\r\n)?\$ \r\n$)");
  static const std::regex kAnswer(R"(^\d+ ?& ?\$(-?\d+(?:/\d+)?|\\infty)\$ $)");
  int checked = 0;
  numeric_check::ForEachVariant(kRow, bounds, [&](const Params& q, int level, const auto& out) {
    const std::string where = numeric_check::Where(q, level, out);
    const auto f = Match(out.main, kFraction);
    ASSERT_EQ(f.size(), 2u) << where;
    // The two printed lines joined are "numerator}{denominator}".
    const std::string both = f[0] + f[1];
    const std::size_t split = both.find("}{");
    ASSERT_NE(split, std::string::npos) << where;
    ASSERT_EQ(both.back(), '}') << where;
    const std::string fraction = "\\frac{" + both.substr(0, split) + "}{" + both.substr(split + 2);
    const auto a = Match(out.ans, kAnswer);
    ASSERT_EQ(a.size(), 1u) << where;
    const auto g = numeric_check::TexFunction(fraction, 'x');
    if (a[0] == "\\infty") {
      ASSERT_GT(std::fabs(g(1e-6)), 1e4) << where;
      ASSERT_GT(std::fabs(g(1e-6)), 50 * std::fabs(g(1e-4))) << where;
    } else {
      const double expected = numeric_check::ParseRational(a[0]);
      for (double side : {1.0, -1.0}) {
        if (side < 0 && fraction.find("\\sqrt") != std::string::npos) continue;
        const double limit = numeric_check::LimitAt(g, 0, side, 1e-2);
        ASSERT_TRUE(numeric_check::Near(limit, expected, 1e-7))
            << "numeric limit " << limit << " from side " << side << "\n"
            << where;
      }
    }
    ++checked;
  });
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 5 * 7 * 7 * 7 * 5)) << checked;
}

}  // namespace
