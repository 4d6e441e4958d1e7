#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/subjects/calculus/series_region_check.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;
using series_region::Judge;
using series_region::Printed;
using series_region::Verdict;

constexpr int kRow = 28;

/// The printed terms and regions of a variant: each series closes with "}$\vskip1 pt".
Printed Read(const std::string& main, const std::string& ans) {
  static const std::regex kTerm(R"(\\sum_\{n=[0-9]+\}\^\{\\infty\}\r\n([^$]*)\}\$\\vskip1 pt)");
  return series_region::ReadPrinted(main, ans, kTerm);
}

TEST(PowerSeries, BeginLowersLevelAndOpensOneColumnPerItem) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 7;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.Level, 3);  // three kinds: a fourth item would repeat the first
  EXPECT_EQ(s.ParboxWidth, 195);
  EXPECT_EQ(testing_support::MainText(s).rfind("Найти область сходимости степенного ряда ", 0),
            0u);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline "
            "\r\n \\No& 1\r\n & 2\r\n & 3\r\n  \\\\\\hline \r\n");
}

TEST(PowerSeries, KindsFollowP2AndP3) {
  struct Case {
    Params q;
    int level;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      // P2 = 3, P3 = 1: 3 + 1 wraps to kind 1; Level 1 has no item number.
      {{{2, 3, 1, 2, 1, 1, 1}},
       1,
       " $\\displaystyle{ \\sum_{n=2}^{\\infty}\r\n(n+\\sin(3n)\r\n)(x-2)^n\r\n}$\\vskip1 pt",
       "1\r\n&$ (1,3) $ "},
      // P2 = 1, P3 = 3: kind 3, the ends held.
      {{{1, 1, 3, 1, 4, 1, 1}},
       1,
       " $\\displaystyle{ \\sum_{n=1}^{\\infty}\r\n\\frac{(x+1)^n}{5^nn^2+\r\n"
       "\\cos(2n)\r\n}}$\\vskip1 pt",
       "1\r\n&$ [-6,4] $ "},
      // Kind 2 with P3 = 4: [-5, -3).
      {{{1, 3, 4, 1, 1, 1, 1}},
       1,
       nullptr,
       "1\r\n&$ [-5,-3) $ "},
  };
  for (const Case& c : cases) {
    numeric_check::VariantRunner run(kRow, c.level, 1);
    const auto v = run.Run(c.q);
    if (c.main != nullptr) {
      EXPECT_EQ(v.main, c.main) << Describe(c.q, c.level);
    }
    EXPECT_EQ(v.ans, c.ans) << Describe(c.q, c.level) << "\n" << v.main;
  }
}

// Every printed interval against numeric verdicts on the printed series: inside and outside
// near each end, and at each end (the ends are whole numbers) as the bracket says.
TEST(PowerSeries, IntervalsMatchTheSeriesEverywhere) {
  std::map<std::string, bool> checked;
  int items = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner run(kRow, level, 1);
    const int count = run.state().Level;
    ASSERT_EQ(count, std::min(level, 3));
    numeric_check::ForEachParameterSet({12, 4, 4, 4, 4, 0, 0}, [&](const Params& q) {
      const auto v = run.Run(q);
      const Printed p = Read(v.main, v.ans);
      const std::string where = numeric_check::Where(q, level, v);
      ASSERT_EQ(p.terms.size(), static_cast<std::size_t>(count)) << where;
      ASSERT_EQ(p.regions.size(), p.terms.size()) << where;
      EXPECT_EQ(std::set<std::string>(p.terms.begin(), p.terms.end()).size(), p.terms.size())
          << "an item repeats: " << where;
      for (std::size_t i = 0; i < p.terms.size(); ++i) {
        ++items;
        const std::string key = p.terms[i] + "|" + p.regions[i];
        if (checked.count(key)) continue;
        checked[key] = true;
        const tex_formula::Formula a(p.terms[i]);
        const auto region = series_region::ReadRegion(p.regions[i]);
        ASSERT_EQ(region.size(), 1u) << where;
        const auto& iv = region[0];
        const double r = (iv.hi - iv.lo) / 2;
        for (double x : {iv.lo, iv.lo + 0.1 * r, iv.lo + r, iv.hi - 0.1 * r, iv.hi,
                         iv.lo - 0.1 * r, iv.hi + 0.1 * r}) {
          const bool inside = series_region::InRegion(region, x);
          const Verdict verdict = Judge(a, x);
          EXPECT_EQ(verdict == Verdict::kConverges, inside)
              << "x = " << x << ": " << series_region::Name(verdict) << "; " << p.terms[i]
              << " ; " << p.regions[i] << "; " << where;
        }
      }
    });
  }
  EXPECT_TRUE(testing_support::SweepCovered(items, 3072 * (1 + 2 + 3 * 8))) << items;
}

}  // namespace
