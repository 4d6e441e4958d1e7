#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
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

constexpr int kRow = 20;

/// The printed terms and regions of a variant: each series closes with "}$\vskip1pt".
Printed Read(const std::string& main, const std::string& ans) {
  static const std::regex kTerm(R"(\\sum_\{n=[0-9]+\}\^\{\\infty\}\r\n([^$]*)\}\$\\vskip1pt)");
  return series_region::ReadPrinted(main, ans, kTerm);
}

/// The first index of each printed sum, in order.
std::vector<int> Starts(const std::string& main) {
  static const std::regex kStart(R"(\\sum_\{n=([0-9]+)\}\^\{\\infty\}\r\n)");
  std::vector<int> starts;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), kStart);
       it != std::sregex_iterator(); ++it) {
    starts.push_back(std::stoi((*it)[1]));
  }
  return starts;
}

/// Whether the first terms of the sum (n0 .. n0 + 10) are real numbers at x.
bool DefinedFromStart(const tex_formula::Formula& a, int n0, double x) {
  for (int n = n0; n <= n0 + 10; ++n) {
    try {
      if (!std::isfinite(static_cast<double>(a.AtN(n, x)))) return false;
    } catch (const tex_formula::NotReal&) {
      return false;
    }
  }
  return true;
}

/// The printed region of item `item` (1-based) of a variant at Level 4.
std::string Region(const Params& q, int item = 1) {
  numeric_check::VariantRunner run(kRow, 4, 1);
  const auto v = run.Run(q);
  const Printed p = Read(v.main, v.ans);
  return p.regions.size() < static_cast<std::size_t>(item) ? "" : p.regions[item - 1];
}

/// Where a rounded printed end stands for a border set by a geometric rate, the border
/// itself to about 1e-12: bisection on the sign of the rate of the terms near n = 10^6
/// (overflow counts as growth, underflow as decay). NaN when the rate does not change sign
/// within 0.02 (terms with n! or n^2 in an exponent cannot be followed so far out).
double RefinedBorder(const tex_formula::Formula& a, double end) {
  auto rate = [&](double x) -> double {
    const long double m1 = series_region::WindowMax(a, 1e6L, x);
    const long double m2 = series_region::WindowMax(a, 2e6L, x);
    // A denominator that underflows to 0 leaves no value: growth, as an overflow is.
    if (std::isnan(m1) || std::isnan(m2) || std::isinf(m1) || std::isinf(m2)) return 1;
    if (m2 == 0) return -1;
    if (m1 == 0) return 1;
    return static_cast<double>(std::log(m2) - std::log(m1));
  };
  double lo = end - 0.02, hi = end + 0.02;
  const double r_lo = rate(lo), r_hi = rate(hi);
  if ((r_lo < 0) == (r_hi < 0)) return NAN;
  for (int i = 0; i < 60; ++i) {
    const double mid = 0.5 * (lo + hi);
    if ((rate(mid) < 0) == (r_lo < 0)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

/// The verdict on the border itself, from the terms between 10^3 and 10^5 (where the
/// remaining error of the border cannot move them).
Verdict JudgeOnBorder(const tex_formula::Formula& a, double x) {
  const long double m1 = series_region::WindowMax(a, 1e3L, x);
  const long double m2 = series_region::WindowMax(a, 1e5L, x);
  if (std::isnan(m1) || std::isnan(m2) || m1 == 0) return Verdict::kDiverges;
  if (m2 == 0) return Verdict::kConverges;
  const long double p = -(std::log(m2) - std::log(m1)) / std::log(100.0L);
  if (p > 1.15L) return Verdict::kConverges;
  if (p < 0.02L) return Verdict::kDiverges;
  return series_region::Alternates(a, 1e3L, x) ? Verdict::kConverges : Verdict::kDiverges;
}

TEST(FunctionalSeries, BeginLowersLevelAndNumbersTheColumns) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  s.Level = 7;
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.Level, 4);
  EXPECT_EQ(s.ParboxWidth, 175);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind("Найти область сходимости функционального ряда ", 0), 0u);
  EXPECT_NE(main.find("\\Red{(с.231.)}"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline "
            "\r\n \\No& 1\r\n & 2\r\n & 3\r\n & 4\r\n  \\\\\\hline \r\n");
}

TEST(FunctionalSeries, KindIndexWrapsBothWays) {
  // P1 = P2 = 4: Q0 = 15; P3 = 1 steps to 16, which wraps to kind 1; P3 = 3 gives kind 14.
  numeric_check::VariantRunner run(kRow, 1, 1);
  auto v = run.Run({{4, 4, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main,
            "\\par $\\displaystyle{ \\sum_{n=1}^{\\infty}\r\n\\frac{n^2+\r\n15}{(\\sqrt[3]{n}+"
            "\r\n15)^{x+4}}\r\n}$\\vskip1pt");
  EXPECT_EQ(v.ans, "1\r\n&$ (5,\\infty)\r\n $ ");
  EXPECT_EQ(Region({{4, 4, 3, 1, 1, 1, 1}}), "(6,\\infty)\r\n");
  // P1 = P2 = 1: Q0 = 0; P3 = 3 steps to -1, which wraps to kind 15.
  EXPECT_EQ(Region({{1, 1, 3, 2, 1, 1, 1}}), "(3,\\infty)\r\n");
  // Two items: numbered, and the second kind follows the first.
  numeric_check::VariantRunner two(kRow, 2, 1);
  v = two.Run({{1, 2, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main.rfind("\\par$\\displaystyle{1) \r\n\\sum_{n=1}^{\\infty}\r\n \\frac{2^n+", 0),
            0u)
      << v.main;
  EXPECT_NE(v.main.find("$\\displaystyle{2) \r\n\\sum_{n=1}^{\\infty}\r\n \\frac{(2"),
            std::string::npos);
}

// The ends where the series' own behaviour decides (confirmed by the sweep below): the
// kind index is Q0 = P1 P2 - 1 stepped once per item by P3.
TEST(FunctionalSeries, EndsWhereTheSeriesConverge) {
  struct Case {
    Params q;
    int item;
    const char* region;
  };
  const Case cases[] = {
      {{{2, 4, 1, 2, 3, 1, 1}}, 4, "[-1,1]"},  // kind 11: 1/n^(P4+1) at x = +-1
      {{{2, 3, 1, 2, 3, 1, 1}}, 2, "[-2,2]"},  // kind 7, P1 = 2: (3n+4)/n^3 at the ends
      {{{1, 4, 1, 2, 3, 1, 1}}, 4, "(-2,2)"},  // kind 7, P1 = 1: (2n+5)/n^2 at the ends
      {{{4, 1, 1, 3, 3, 1, 1}}, 2, "[-3,3]"},  // kind 5, P2 = 1: decays like exp(-an/K)
      {{{2, 2, 1, 3, 3, 1, 1}}, 2, "(-3,3)"},  // kind 5, P2 = 2
      {{{4, 2, 1, 1, 6, 1, 1}}, 1, "(0,0.76]$, $[1.13,\\infty) "},  // kind 8, ln x, 1/n^5 on top
      {{{4, 2, 1, 1, 2, 1, 1}}, 1, "(0,0.76)$, $(1.13,\\infty) "},  // kind 8, sin(5n) on top
      {{{3, 3, 1, 1, 1, 1, 1}}, 1, "[0,0.5]\r\n"},  // kind 9: every term 0 at x = 0; arcsin(2x/1)
      {{{4, 2, 1, 1, 1, 1, 1}}, 2, "(0,\\infty)"},  // kind 9 with sin(n/(n^2+x))
      {{{3, 4, 1, 1, 1, 1, 1}}, 2, "[-3.37,-2.63)"},  // kind 13: alternating at the lower end
      {{{2, 4, 1, 1, 1, 1, 1}}, 3, "(0,\\infty)"},   // kind 10, cos(2 sqrt(nx))/sqrt(3n^2+n+1)
      {{{2, 4, 2, 1, 1, 1, 1}}, 3, "[0,\\infty)"},   // kind 10 with n^3 under the root
      {{{4, 2, 1, 2, 1, 1, 1}}, 3, "(-\\infty,-1)$, $(-1,\\infty)"},  // kind 10, x^3+1 = 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Region(c.q, c.item), c.region) << Describe(c.q, 4) << " item " << c.item;
  }
}

// Every printed region against numeric verdicts on the printed series: points inside and
// outside near every end, and every end that is printed exactly (a whole number) as its
// bracket says; over every parameter set and Level.
TEST(FunctionalSeries, RegionsMatchTheSeriesEverywhere) {
  std::map<std::string, bool> checked;
  int items = 0, ends_checked = 0, skipped = 0, borders_refined = 0;
  for (int level = 1; level <= 10; ++level) {
    numeric_check::VariantRunner run(kRow, level, 1);
    const int count = run.state().Level;
    numeric_check::ForEachParameterSet({4, 4, 3, 3, 12, 0, 0}, [&](const Params& q) {
      const auto v = run.Run(q);
      const Printed p = Read(v.main, v.ans);
      const std::vector<int> starts = Starts(v.main);
      const std::string where = numeric_check::Where(q, level, v);
      ASSERT_EQ(p.terms.size(), static_cast<std::size_t>(count)) << where;
      ASSERT_EQ(starts.size(), p.terms.size()) << where;
      ASSERT_EQ(p.regions.size(), p.terms.size()) << where;
      for (std::size_t i = 0; i < p.terms.size(); ++i) {
        ++items;
        const std::string key = p.terms[i] + "|" + p.regions[i];
        if (checked.count(key)) continue;
        checked[key] = true;
        const tex_formula::Formula a(p.terms[i]);
        const auto region = series_region::ReadRegion(p.regions[i]);
        ASSERT_FALSE(region.empty()) << where;
        const std::string item = p.terms[i] + " ; " + p.regions[i] + "; " + where;
        // A factor sin^n(an) or cos^n(an) on top makes single terms jump by factors that no
        // finite look at the terms can average out: such items are left to the other ones.
        if (p.terms[i].find("^n(") != std::string::npos) {
          ++skipped;
          continue;
        }
        // Whole x from -6 to 6 away from the printed ends: the region holds exactly those
        // where the series converges (and where every term far out is defined).
        for (int x = -6; x <= 6; ++x) {
          bool near_end = false;
          for (const auto& iv : region) {
            near_end = near_end || std::fabs(x - iv.lo) < 0.03 || std::fabs(x - iv.hi) < 0.03;
          }
          if (near_end) continue;
          const Verdict verdict = Judge(a, x);
          // The sum converges where its tail does and every term from its first is defined.
          const bool sum = verdict == Verdict::kConverges && DefinedFromStart(a, starts[i], x);
          EXPECT_EQ(sum, series_region::InRegion(region, x))
              << "x = " << x << ": " << series_region::Name(verdict) << "; " << item;
        }
        for (const auto& iv : region) {
          for (int side = 0; side < 2; ++side) {
            const double end = side == 0 ? iv.lo : iv.hi;
            if (std::isinf(end)) continue;
            // Near the end, on both sides: a geometric verdict must agree with the region
            // (0.05 is beyond the printed rounding); at distance 1 every verdict must.
            for (double d : {0.05, 1.0}) {
              for (double x : {end - d, end + d}) {
                bool geometric = false;
                const Verdict verdict = Judge(a, x, &geometric);
                if (d < 1 && !geometric) continue;
                const bool sum =
                    verdict == Verdict::kConverges && DefinedFromStart(a, starts[i], x);
                EXPECT_EQ(sum, series_region::InRegion(region, x))
                    << "x = " << x << ": " << series_region::Name(verdict) << "; " << item;
              }
            }
            const std::string& end_text = side == 0 ? iv.lo_text : iv.hi_text;
            const bool closed = side == 0 ? iv.lo_closed : iv.hi_closed;
            if (!series_region::ExactEnd(a, end_text, end)) {
              const double border = RefinedBorder(a, end);
              if (!std::isnan(border)) {
                ++borders_refined;
                // The number format prints a value within 0.009 of one decimal with that
                // decimal (0.4055 as 0.4).
                EXPECT_NEAR(border, end, 0.0101) << item;
                const Verdict verdict = JudgeOnBorder(a, border);
                EXPECT_EQ(verdict == Verdict::kConverges, closed)
                    << "border x = " << border << ": " << series_region::Name(verdict) << "; "
                    << item;
              }
            }
            if (series_region::ExactEnd(a, end_text, end)) {
              ++ends_checked;
              const Verdict verdict = Judge(a, end);
              EXPECT_EQ(verdict == Verdict::kConverges, series_region::InRegion(region, end))
                  << "end x = " << end << ": " << series_region::Name(verdict) << "; " << item;
            }
          }
        }
      }
    }, 40);  // about 10 ms a variant: the normal suite keeps to a small sample
  }
  EXPECT_TRUE(testing_support::SweepCovered(items, 4 * 4 * 3 * 3 * 12 * (1 + 2 + 3 + 4 * 7))) << items;
  EXPECT_GT(ends_checked, 0);
  EXPECT_GT(borders_refined, 0);
  EXPECT_LT(skipped, static_cast<int>(checked.size()) / 5);
}

// The region is where the whole printed sum converges: every term from the first index on
// is defined there (an arcsine of 2x/n asks |x| <= n/2 already of the first term).
TEST(FunctionalSeries, EveryTermFromTheFirstIndexIsDefinedInTheRegion) {
  std::map<std::string, bool> checked;
  numeric_check::VariantRunner run(kRow, 4, 1);
  numeric_check::ForEachParameterSet({4, 4, 3, 3, 12, 0, 0}, [&](const Params& q) {
    const auto v = run.Run(q);
    const Printed p = Read(v.main, v.ans);
    const std::vector<int> starts = Starts(v.main);
    ASSERT_EQ(starts.size(), p.terms.size());
    for (std::size_t i = 0; i < p.terms.size(); ++i) {
      if (p.terms[i].find("\\arcsin") == std::string::npos) continue;
      const std::string key = std::to_string(starts[i]) + "|" + p.terms[i] + "|" + p.regions[i];
      if (checked.count(key)) continue;
      checked[key] = true;
      const tex_formula::Formula a(p.terms[i]);
      for (const auto& iv : series_region::ReadRegion(p.regions[i])) {
        const double hi = std::min(iv.hi, 8.0);
        for (double x = std::max(iv.lo, -8.0); x <= hi + 1e-9; x += 0.25) {
          if ((x == iv.lo && !iv.lo_closed) || (x == iv.hi && !iv.hi_closed)) continue;
          ASSERT_TRUE(DefinedFromStart(a, starts[i], x))
              << "x = " << x << ": " << p.terms[i] << " ; " << p.regions[i] << "; "
              << Describe(q, 4);
        }
      }
    }
  });
  EXPECT_FALSE(checked.empty());
}

}  // namespace
