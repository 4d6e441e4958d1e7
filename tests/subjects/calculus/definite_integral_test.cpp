#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/integral_check.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;
using numeric_check::RunAnalysisVariant;

constexpr int kRow = 17;

// The printed integrals "\int_0^U .." of a variant: upper limit and integrand.
struct Printed {
  int upper;
  std::string integrand;
};

std::vector<Printed> Integrals(const std::string& main) {
  std::vector<Printed> out;
  for (const std::string& t : numeric_check::PrintedFormulas(main, "\\int_0^", "$")) {
    out.push_back({t[0] - '0', t.substr(1)});
  }
  return out;
}

TEST(DefiniteIntegral, PrintedValuesAgreeWithQuadratureOfThePrintedIntegrands) {
  int bounds[7];
  numeric_check::RowBounds(kRow, {true, true, true, true, true, true, false}, bounds);
  const auto sets = integral_check::SweepSets(bounds, 2000);
  // The item count lives in the begin routine: one Level at a time.
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner runner(kRow, level);
    for (std::size_t n = 0; n < sets.size(); ++n) {
      const Params& q = sets[n];
      if (!integral_check::FullSweep() && level != 10 && level != 1 + static_cast<int>(n % 9)) {
        continue;
      }
      const auto out = runner.Run(q);
      const auto integrals = Integrals(out.main);
      const auto cells = numeric_check::AnswerCells(out.ans);
      ASSERT_EQ(static_cast<int>(integrals.size()), level) << Describe(q, level);
      ASSERT_EQ(cells.size(), integrals.size()) << Describe(q, level) << "\n" << out.ans;
      for (std::size_t i = 0; i < integrals.size(); ++i) {
        const double value =
            integral_check::CachedDefiniteIntegral(integrals[i].integrand, integrals[i].upper);
        ASSERT_NEAR(cells[i], value, 0.0005 + 1e-9)
            << Describe(q, level) << ", item " << i + 1 << ": \\int_0^" << integrals[i].upper << " "
            << integrals[i].integrand;
      }
    }
  }
}

TEST(DefiniteIntegral, GoldenVariants) {
  struct Case {
    Params q;
    int level;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      // Kind 1, s = +1: (3x+4)/(2x+3) from 0 to 1 is 1.5 - ln(5/3)/4.
      {{{1, 1, 1, 1, 1, 1, 1}},
       1,
       " $\\displaystyle  \\int_0^1\\frac\r\n"
       "{3x+4}\r\n"
       "{2x+3}dx $\r\n",
       "1 \r\n"
       " &   1.372\r\n"},
      // Kind 1, s = -1: (3x+2)/(2x+1).
      {{{1, 1, 1, 1, 6, 1, 1}},
       1,
       " $\\displaystyle  \\int_0^1\\frac\r\n"
       "{3x+2}\r\n"
       "{2x+1}dx $\r\n",
       "1 \r\n"
       " &   1.775\r\n"},
      // Kind 4 with P4 = 2 and a = 2 fills the eight characters.
      {{{7, 1, 1, 2, 1, 1, 1}},
       1,
       "$\\displaystyle\\int_0^2\\cos(2x)e^{3x}dx$.\r\n",
       "1 \r\n"
       " &-108.056\r\n"},
  };
  for (const Case& c : cases) {
    const auto out = RunAnalysisVariant(kRow, c.q, c.level);
    EXPECT_EQ(out.main, c.main) << Describe(c.q, c.level);
    EXPECT_EQ(out.ans, c.ans) << Describe(c.q, c.level);
  }
}

// Level 10 with P1 = 7: kinds 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, numbered, in two answers tables.
TEST(DefiniteIntegral, LevelTenCyclesTheKinds) {
  const auto out = RunAnalysisVariant(kRow, Params{{7, 1, 1, 1, 1, 1, 1}}, 10);
  EXPECT_EQ(out.main,
            "\\vskip4pt 1)\r\n"
            "$\\displaystyle\\int_0^1\\sin(2x)e^{2x}dx$.\r\n"
            "\\vskip4pt 2)\r\n"
            " $\\displaystyle \\int_0^1 x\\sin^2(2x^2) dx $\r\n"
            "\\vskip4pt 3)\r\n"
            " $\\displaystyle \\int_0^1 x\\cos^2(2x^2) dx $\r\n"
            "\\vskip4pt 4)\r\n"
            " $\\displaystyle \\int_0^1\\frac{\\sin(2\\sqrt{x})}{\\sqrt{x}} dx $\r\n"
            "\\vskip4pt 5)\r\n"
            " $\\displaystyle \\int_0^1\\frac{\\cos(2\\sqrt{x})}{\\sqrt{x}} dx $\r\n"
            "\\vskip4pt 6)\r\n"
            " $\\displaystyle  \\int_0^1\\frac\r\n"
            "{3x+4}\r\n"
            "{2x+3}dx $\r\n"
            "\\vskip4pt 7)\r\n"
            " $\\displaystyle \\int_0^1\\frac{xdx}{3x^2\r\n"
            "+10x+8}$\r\n"
            "\\vskip4pt 8)\r\n"
            " $\\displaystyle \\int_0^1\\frac{dx}{3x^2\r\n"
            "+10x+8}$\r\n"
            "\\vskip4pt 9)\r\n"
            "$\\displaystyle\\int_0^1\\sin(2x)e^{2x}dx$.\r\n"
            "\\vskip4pt 10)\r\n"
            " $\\displaystyle \\int_0^1 x\\sin^2(2x^2) dx $\r\n");
  EXPECT_EQ(out.ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "\\No&1 \r\n"
            "&2 \r\n"
            "&3 \r\n"
            "&4 \r\n"
            "&5 \r\n"
            " \\\\\\hline \r\n"
            "1 \r\n"
            " &   2.698\r\n"
            " &   0.297\r\n"
            " &   0.203\r\n"
            " &   1.416\r\n"
            " &   0.909\r\n"
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "\\No&6 \r\n"
            "&7 \r\n"
            "&8 \r\n"
            "&9 \r\n"
            "&10 \r\n"
            " \\\\\\hline \r\n"
            "1 \r\n"
            " &   1.372\r\n"
            " &   0.032\r\n"
            " &   0.077\r\n"
            " &   2.698\r\n"
            " &   0.297\r\n");
}

}  // namespace
