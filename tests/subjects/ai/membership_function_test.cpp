#include "subjects/ai/membership_function.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 17;

TEST(MembershipFunctionTest, GoldenVariant) {
  // 64 has none of the six lowest bits set: every grade g_i is i.
  const auto out = RunAiVariant(kRow, {64, 64, 1, 1, 1, 1, 1}, 1, 5);
  EXPECT_NE(out.main.find("\\parbox[t][24mm]{233pt}{$(b,1,a)$, \r\n$(c,3,a)$, \r\n"
                          "$(c,2,b)$,\\\\ \r\n$(d,6,a)$, \r\n$(d,5,b)$, \r\n$(d,4,c)$. \r\n}"),
            std::string::npos)
      << out.main;
  EXPECT_NE(out.answers.find("\\No\\ru  & 1  & 2  & 3  & 4  & $\\Delta$  \\\\\\hline"),
            std::string::npos)
      << out.answers;
  EXPECT_EQ(DataRow(out.answers, true).substr(0, 2), "5 ");
}

TEST(MembershipFunctionTest, AConsistentMatrixHasNoInconsistency) {
  // Weights 1, 2, 4, 8: M[i][j] = w_i / w_j is consistent, lambda = 4.
  toolkit::TRealMatrix4 m{};
  const double w[4] = {1, 2, 4, 8};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) m[i][j] = w[i - 1] / w[j - 1];
  }
  const ai::MembershipEstimate e = ai::EstimateMembership(m);
  EXPECT_NEAR(e.lambda, 4, 1e-12);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(e.mu[i], w[i] / 15, 1e-12);
}

// The memberships and the inconsistency from the printed comparisons by power iteration to
// convergence, against the printed three decimals.
TEST(MembershipFunctionTest, AnswersAreThePrincipalEigenvectorOfThePrintedComparisons) {
  long long checked = 0;
  int differing = 0;
  for (const auto& point : ai_check::Sweep({64, 64, 1, 1, 1, 1, 1}, 2000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    // "$(m,g,n)$": m is preferred to n with grade g.
    double m[4][4];
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) m[i][j] = i == j ? 1 : 0;
    }
    std::size_t at = 0;
    int triples = 0;
    while ((at = out.main.find("$(", at)) != std::string::npos) {
      const int hi = out.main[at + 2] - 'a';
      const std::size_t comma = out.main.find(',', at + 4);
      const int grade = std::stoi(out.main.substr(at + 4, comma - at - 4));
      const int lo = out.main[comma + 1] - 'a';
      ASSERT_TRUE(hi >= 0 && hi < 4 && lo >= 0 && lo < 4 && hi != lo);
      m[hi][lo] = grade;
      m[lo][hi] = 1.0 / grade;
      at = comma;
      ++triples;
    }
    ASSERT_EQ(triples, 6);
    std::array<double, 4> v{1, 1, 1, 1};
    double lambda = 0;
    for (int k = 0; k < 200; ++k) {
      std::array<double, 4> next{};
      for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) next[i] += m[i][j] * v[j];
      }
      double sum = 0;
      for (double x : next) sum += x;
      lambda = sum / (v[0] + v[1] + v[2] + v[3]);
      for (int i = 0; i < 4; ++i) v[i] = next[i] / sum;
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 6u) << out.answers;
    EXPECT_EQ(cells[0], "1");
    bool same = true;
    for (int i = 0; i < 4; ++i) {
      const double printed = std::stod(cells[1 + i]);
      EXPECT_NEAR(printed, v[i], 0.0015) << testing_support::Describe(point);
      same = same && ai_check::PrintedAs(printed, v[i], 3);
    }
    const double delta = std::stod(cells[5]);
    EXPECT_NEAR(delta, lambda - 4, 0.0015) << testing_support::Describe(point);
    same = same && ai_check::PrintedAs(delta, lambda - 4, 3);
    if (!same) {
      ++differing;
      std::printf("estimate differs in the last printed decimal: %s\n",
                  testing_support::Describe(point).c_str());
    }
    ++checked;
  }
  // The eighth-power estimate is within one unit of the third decimal everywhere; where it is
  // not the converged value rounded, the variant is named above.
  std::printf("%d of %lld variants differ in the last decimal\n", differing, checked);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 64 * 64 * 10));
}

}  // namespace
