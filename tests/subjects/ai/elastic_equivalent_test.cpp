#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"
#include "tests/support/tex_formula.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::RunAiVariant;

constexpr int kRow = 3;

TEST(ElasticEquivalentTest, GoldenVariants) {
  struct Case {
    testing_support::VariantParams p;
    const char* text;
  };
  const Case cases[] = {
      // P1 = 4: alpha = Round(100 (3 beta / 8 + 0.1 P4)) / 100 with beta = 1 for P5 > 1.
      {{4, 1, 1, 1, 2, 1, 1},
       "\\par $\\dot p\r\np/(1{-}p)\r\n{=}A\\sigma^{3}\r\n $,\r\n$p{=}0.48$, "
       "$\\sigma{=}3$.\r\n\\vskip3.1mm\r\n"},
      {{4, 1, 1, 3, 1, 1, 1},
       "p/(2{-}p)\r\n{=}A\\sigma^{3}\r\n $,\r\n$p{=}1.05$, $\\sigma{=}2$.\r\n"},
      // P1 = 5, P4 = 2: 1/alpha = 2.5 rounds to 2, beta = 2 + P3.
      {{5, 2, 1, 2, 1, 1, 1}, "pe^{3p}{=}A\\sh (2\\sigma) $,\r\n$p{=}0.4$, $\\sigma{=}2$.\r\n"},
      // P1 = P2 = 3: no given value.
      {{3, 3, 1, 1, 1, 1, 1}, "e^{8p}{=}Ae^{2\\sigma} $,\r\n\\vskip3.1mm"},
  };
  for (const Case& c : cases) {
    const auto out = RunAiVariant(kRow, c.p);
    EXPECT_NE(out.main.find(c.text), std::string::npos) << out.main;
  }
  const auto out = RunAiVariant(kRow, {3, 3, 1, 1, 1, 1, 1}, 1, 12);
  // k = 8, D = 4*64 - 3*64 = 64; g/g' = 1/2: G = (24 +- 8)/4.
  EXPECT_EQ(DataRow(out.answers, true), "12&    8.0000&    4.0000");
}

// G*1 and G*2 from the printed functions: f', f'' and g' by finite differences at the printed
// point (any point where the answer does not depend on it).
TEST(ElasticEquivalentTest, AnswersFollowFromThePrintedRelation) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({5, 5, 3, 3, 3, 1, 1}, 2250)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    std::string text = out.main.substr(out.main.find(" $\\dot p\r\n") + 10);
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    for (std::size_t at; (at = text.find("\\sigma")) != std::string::npos;)
      text.replace(at, 6, "s");
    const std::string fp = text.substr(0, text.find("{=}A"));
    const std::string gs = Between(text, "{=}A", " $,");
    const std::string given = text.substr(text.find(" $,") + 3);
    const std::string alpha_text = Between(given, "$p{=}", "$");
    const std::string m_text = Between(given, "s{=}", "$");
    const long double alpha = alpha_text.empty() ? 0.3L : std::stold(alpha_text);
    const long double m = m_text.empty() ? 2.0L : std::stold(m_text);
    const tex_formula::Formula f(fp, 'p'), g(gs, 's');
    const auto at_p = [&f](long double p) {
      tex_formula::Point pt;
      pt.Set('p', p);
      return f(pt);
    };
    const auto at_s = [&g](long double s) {
      tex_formula::Point pt;
      pt.Set('s', s);
      return g(pt);
    };
    const long double h = 2e-6L;  // long double keeps the second difference exact enough
    const long double f0 = at_p(alpha), fplus = at_p(alpha + h), fminus = at_p(alpha - h);
    const long double f1 = (fplus - fminus) / (2 * h);
    const long double f2 = (fplus - 2 * f0 + fminus) / (h * h);
    const long double g0 = at_s(m), g1 = (at_s(m + h) - at_s(m - h)) / (2 * h);
    const long double k = f1 / f0;
    const long double disc = 4 * f2 / f0 - 3 * k * k;
    ASSERT_GE(disc, -1e-6L) << testing_support::Describe(point);
    const long double root = std::sqrt(std::max(disc, 0.0L));
    const double expected[2] = {static_cast<double>((3 * k + root) * g0 / (2 * g1)),
                                static_cast<double>((3 * k - root) * g0 / (2 * g1))};
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u) << out.answers;
    for (int i = 0; i < 2; ++i) {
      const double printed = std::stod(cells[1 + i]);
      EXPECT_NEAR(printed, expected[i], 0.5e-4 + 1e-6 * std::fabs(expected[i]))
          << testing_support::Describe(point) << " f = " << fp << ", g = " << gs;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5 * 5 * 3 * 3 * 3 * 10));
}

}  // namespace
