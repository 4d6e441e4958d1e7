#include "subjects/strength/elastic_support_stability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "strength_run.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RowNumbers;
using strength_check::RunRow;

constexpr int kRow = 33;

// The buckling problem of the rod solved afresh: with l = 1, EJ = 1 and v = k l the deflection
// is w = A + B x + C cos vx + D sin vx, and every end condition is one linear row in
// (A, B, C, D). Q = w''' + v^2 w' is the transverse force (constant, v^2 B). A linear spring
// of relative stiffness a enters as a Q(0) + w(0) = 0 at the left end and a Q(1) - w(1) = 0
// at the right; a rotational spring of relative stiffness b as w'(0) - b w''(0) = 0 and
// w'(1) + b w''(1) = 0.
using Row4 = std::array<double, 4>;

Row4 W(double v, double x) { return {1, x, std::cos(v * x), std::sin(v * x)}; }
Row4 W1(double v, double x) { return {0, 1, -v * std::sin(v * x), v * std::cos(v * x)}; }
Row4 W2(double v, double x) {
  return {0, 0, -v * v * std::cos(v * x), -v * v * std::sin(v * x)};
}
Row4 Q(double v) { return {0, v * v, 0, 0}; }
Row4 Add(const Row4& a, double k, const Row4& b) {
  return {a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2], a[3] + k * b[3]};
}

double Det(std::array<Row4, 4> m) {
  double d = 1;
  for (int c = 0; c < 4; ++c) {
    int piv = c;
    for (int r = c + 1; r < 4; ++r) {
      if (std::fabs(m[r][c]) > std::fabs(m[piv][c])) piv = r;
    }
    if (m[piv][c] == 0) return 0;
    if (piv != c) {
      std::swap(m[piv], m[c]);
      d = -d;
    }
    d *= m[c][c];
    for (int r = c + 1; r < 4; ++r) {
      const double f = m[r][c] / m[c][c];
      for (int k = c; k < 4; ++k) m[r][k] -= f * m[c][k];
    }
  }
  return d;
}

// The end conditions of scheme p1 as drawn, with the spring's relative stiffness s.
double Characteristic(int p1, double v, double s) {
  const Row4 clampW = W(v, 0), clampW1 = W1(v, 0);
  std::array<Row4, 4> m{};
  switch (p1) {
    case 1:  // clamped; pinned on a linear spring
      m = {clampW, clampW1, W2(v, 1), Add(W(v, 1), -s, Q(v))};
      break;
    case 2:  // pinned; pinned with a rotational spring
      m = {W(v, 0), W2(v, 0), W(v, 1), Add(W1(v, 1), s, W2(v, 1))};
      break;
    case 3:  // clamped; pinned with a rotational spring
    case 9:  // mirrored: pinned with a rotational spring; clamped in a sleeve
      if (p1 == 3) {
        m = {clampW, clampW1, W(v, 1), Add(W1(v, 1), s, W2(v, 1))};
      } else {
        m = {W(v, 0), Add(W1(v, 0), -s, W2(v, 0)), W(v, 1), W1(v, 1)};
      }
      break;
    case 4:  // clamped; guided on a linear spring
      m = {clampW, clampW1, W1(v, 1), Add(W(v, 1), -s, Q(v))};
      break;
    case 5:  // pinned; guided on a linear spring
      m = {W(v, 0), W2(v, 0), W1(v, 1), Add(W(v, 1), -s, Q(v))};
      break;
    case 6:  // plate sliding along a wall; pinned with a rotational spring
      m = {W1(v, 0), Q(v), W(v, 1), Add(W1(v, 1), s, W2(v, 1))};
      break;
    case 7:  // pinned with a rotational spring; guided
      m = {W(v, 0), Add(W1(v, 0), -s, W2(v, 0)), W1(v, 1), Q(v)};
      break;
    case 8:  // pinned with a rotational spring; free
      m = {W(v, 0), Add(W1(v, 0), -s, W2(v, 0)), W2(v, 1), Q(v)};
      break;
    default:  // sliding plate on a linear spring; clamped in a sleeve
      m = {W1(v, 0), Add(W(v, 0), s, Q(v)), W(v, 1), W1(v, 1)};
      break;
  }
  return Det(m);
}

// The stiffness at which v is critical: the characteristic determinant is linear in s.
double StiffnessFor(int p1, double v) {
  const double d0 = Characteristic(p1, v, 0), d1 = Characteristic(p1, v, 1);
  return -d0 / (d1 - d0);
}

bool PrintsA(int p1) { return p1 == 1 || p1 == 4 || p1 == 5 || p1 == 10; }

TEST(ElasticSupportStabilityTest, PrintedStiffnessMakesPrintedMuTheLowestCriticalLoad) {
  double worst = 0;
  for (int p1 = 1; p1 <= 10; ++p1) {
    for (int p2 = 1; p2 <= 10; ++p2) {
      const auto t = RunRow(kRow, {{p1, p2, 1, 1, 1, 1, 1}});
      const std::string name = PrintsA(p1) ? "$a=" : "$b=";
      ASSERT_NE(t.main.find(name), std::string::npos) << p1 << " " << p2;
      const double s = NumberAfter(t.main, name, t.main.rfind(name));
      const auto cells = RowNumbers(AnswersRow(t.answers));
      ASSERT_EQ(cells.size(), 2u);
      const double mu = cells[1];
      ASSERT_GT(s, 0) << p1 << " " << p2;
      // v = pi / mu, mu printed to 0.0005: the stiffness of the printed mu lies between
      // those of its rounding limits, widened by the stiffness's own rounding.
      const double sa = StiffnessFor(p1, std::numbers::pi / (mu - 0.0005));
      const double sb = StiffnessFor(p1, std::numbers::pi / (mu + 0.0005));
      const double lo = std::min(sa, sb) - 0.0005 - 1e-9, hi = std::max(sa, sb) + 0.0005 + 1e-9;
      EXPECT_TRUE(s >= lo && s <= hi) << p1 << " " << p2 << ": " << s << " not in " << lo
                                       << ".." << hi;
      worst = std::max(worst, std::fabs(StiffnessFor(p1, std::numbers::pi / mu) - s));
      // No lower critical load at the printed stiffness: the determinant keeps its sign
      // from near zero up to just below the printed v.
      const double v = std::numbers::pi / mu;
      double prev = Characteristic(p1, 0.05, s);
      for (double x = 0.05; x < v * 0.98; x += 0.005) {
        const double d = Characteristic(p1, x, s);
        ASSERT_FALSE((prev < 0 && d > 0) || (prev > 0 && d < 0))
            << p1 << " " << p2 << ": a lower root near v = " << x;
        prev = d;
      }
    }
  }
  RecordProperty("largest stiffness gap", std::to_string(worst));
}

TEST(ElasticSupportStabilityTest, GoldenLines) {
  // Pinned with a rotational spring and a free end, the last inner point: v = 10 (pi/2)/11.
  auto t = RunRow(kRow, {{8, 10, 1, 1, 1, 1, 1}});
  const double v = 10 * (std::numbers::pi / 2) / 11;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%5.3f", std::cos(v) / std::sin(v) / v);
  EXPECT_NE(t.main.find(std::string("$b=") + buf + " $ \r\n"), std::string::npos) << t.main;
  EXPECT_NE(t.answers.find("1 & 2.200\r\n"), std::string::npos) << t.answers;
  // Clamped with a spring at the right end and the hinge marker there.
  t = RunRow(kRow, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\\strichl"), std::string::npos);
  const auto springs = strength_check::BoxPlacements(t.main, "pruzVl");
  ASSERT_FALSE(springs.empty());
  EXPECT_EQ(springs.back(), std::make_pair(60.0, -1.5));
  EXPECT_NE(t.main.find("$a="), std::string::npos);
}

}  // namespace
}  // namespace strength
