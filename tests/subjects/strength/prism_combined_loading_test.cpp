#include "subjects/strength/prism_combined_loading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "strength_run.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RunRow;

constexpr int kRow = 22;

// Torsion coefficient of a rectangle by the ratio of its sides, interpolated linearly.
double Beta(double r) {
  const double ratio[] = {1, 1.5, 2, 2.5, 3, 4, 8, 10};
  const double beta[] = {0.141, 0.196, 0.229, 0.249, 0.263, 0.281, 0.307, 0.312};
  for (int i = 1; i < 8; ++i) {
    if (r <= ratio[i]) {
      return beta[i - 1] + (beta[i] - beta[i - 1]) * (r - ratio[i - 1]) / (ratio[i] - ratio[i - 1]);
    }
  }
  return 0.333;
}

// Reads the bar back: sizes and lengths from the figure's labels, each force's magnitude from
// the data text and its corner, line and sense from its arrow (one end of the arrow is the
// corner; in the drawing x runs right, y up and the depth towards the viewer down-left).
// Then the corner stresses of the clamped section from the equilibrium of the free part and
// the twist from the torques of the segments.
std::string CheckPrintedPrism(const testing_support::RunTexts& t) {
  const std::size_t pic = t.main.rfind("\\begin{picture}(238,88)");
  const double h = NumberAfter(t.main, "\\put(-20,4){\\scriptsize ", pic) / 100;
  const double b = NumberAfter(t.main, "\\put(3,37){\\scriptsize ", pic) / 100;
  const double L[4] = {0, NumberAfter(t.main, "\\put(28,-24){\\scriptsize ", pic) / 100,
                       NumberAfter(t.main, "\\put(84,-24){\\scriptsize ", pic) / 100,
                       NumberAfter(t.main, "\\put(140,-24){\\scriptsize ", pic) / 100};
  const auto arrows = strength_check::Arrows(t.main.substr(pic));
  if (arrows.size() != 3) return "three forces expected";
  // Corner positions in the drawing relative to a section at x = 56 k: A, B, C, D.
  const double cx[4] = {0, 20, 20, 0}, cy[4] = {0, 10, 36, 26};
  const double yc[4] = {-h / 2, -h / 2, h / 2, h / 2}, zc[4] = {b / 2, -b / 2, -b / 2, b / 2};
  const double A = b * h, Iy = b * h * h * h / 12, Iz = h * b * b * b / 12;
  double sigma[4] = {0, 0, 0, 0}, torque[4] = {0, 0, 0, 0};
  for (int k = 1; k <= 3; ++k) {
    const auto& a = arrows[k - 1];
    const double mag = NumberAfter(t.main, "$P_" + std::to_string(k) + "=", pic) * 1000;
    const double along = a.dx != 0 ? a.len : a.len;  // horizontal extent, or vertical
    const double ex = a.x + (a.dx != 0 ? along * (a.dx > 0 ? 1 : -1) : 0);
    const double ey = a.y + (a.dx != 0 ? along * a.dy / std::fabs(a.dx) : along * a.dy);
    int corner = -1;
    for (int c = 0; c < 4; ++c) {
      const double X = 56 * k + cx[c], Y = cy[c];
      if ((std::fabs(a.x - X) < 1e-6 && std::fabs(a.y - Y) < 1e-6) ||
          (std::fabs(ex - X) < 1e-6 && std::fabs(ey - Y) < 1e-6)) {
        corner = c;
      }
    }
    if (corner < 0) return "force " + std::to_string(k) + " off its section's corners";
    double Fx = 0, Fy = 0, Fz = 0;
    if (a.dy == 0) Fx = a.dx * mag;
    else if (a.dx == 0) Fy = a.dy * mag;
    else Fz = (a.dx > 0 ? -1 : 1) * mag;  // up-right goes away from the viewer
    double x = 0;
    for (int j = 1; j <= k; ++j) x += L[j];
    const double y = yc[corner], z = zc[corner];
    // r x F about the section's centre at the clamp.
    const double My = z * Fx - x * Fz, Mz = x * Fy - y * Fx;
    for (int c = 0; c < 4; ++c) sigma[c] += Fx / A - yc[c] * Mz / Iy + zc[c] * My / Iz;
    torque[k] = y * Fz - z * Fy;
  }
  double phi = 0;
  for (int seg = 1; seg <= 3; ++seg) {
    double T = 0;
    for (int k = seg; k <= 3; ++k) T += torque[k];
    phi += T * L[seg];
  }
  const double lo = std::min(b, h), hi = std::max(b, h);
  const double Jk = Beta(hi / lo) * hi * lo * lo * lo;
  phi /= 8e10 * Jk;
  const auto c = strength_check::RowNumbers(AnswersRow(t.answers));
  if (c.size() != 9) return "nine numbers expected";
  const double want[8] = {Iy * 1e8, Iz * 1e8, Jk * 1e8, phi * 1000,
                          sigma[0] / 1e6, sigma[1] / 1e6, sigma[2] / 1e6, sigma[3] / 1e6};
  const double tol[8] = {0.05, 0.05, 0.05, 0.0005, 0.0005, 0.0005, 0.0005, 0.0005};
  for (int i = 0; i < 8; ++i) {
    if (std::fabs(c[1 + i] - want[i]) > tol[i] + 1e-9 * std::fabs(want[i])) {
      return "cell " + std::to_string(i + 1) + ": " + std::to_string(c[1 + i]) + " vs " +
             std::to_string(want[i]);
    }
  }
  return {};
}

TEST(PrismCombinedLoadingTest, PrintedStressesAndTwistFollowFromTheDrawnForces) {
  const auto points = strength_check::SamplePoints({12, 12, 12, 20, 20, 20, 20},
                                                   testing_support::FullSweep() ? 100000 : 1500);
  for (const auto& p : points) {
    ASSERT_EQ(CheckPrintedPrism(RunRow(kRow, {p})), "") << testing_support::Describe({p, 1});
  }
  // Every corner and line of every force.
  for (int q = 1; q <= 12; ++q) {
    ASSERT_EQ(CheckPrintedPrism(RunRow(kRow, {{q, 13 - q, (q + 5) % 12 + 1, q, 2 * q, 3, q}})), "")
        << q;
  }
}

TEST(PrismCombinedLoadingTest, GoldenRows) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6, 7},
       "  1&1584.0&1331.0 & 2411.8 &  0.597\r\n & 310.348 & -81.181 & -314.136 & 77.393"},
      {{1, 4, 7, 1, 1, 1, 1},
       "  1&2515.3&1552.8 & 3186.4 &  0.000\r\n & -16.883 & -9.091 & 14.286 &  6.494"},
      {{12, 12, 12, 20, 20, 20, 20},
       "  1&22306.2&20408.7 & 35756.0 & "},
  };
  for (const Case& c : cases) {
    const std::string row = AnswersRow(RunRow(kRow, {c.p}).answers);
    EXPECT_EQ(row.substr(0, c.row.size()), c.row);
  }
  const std::string last = AnswersRow(RunRow(kRow, {{12, 12, 12, 20, 20, 20, 20}}).answers);
  EXPECT_NE(last.find("\r\n & -103.485 & 103.485 & 103.485 & -103.485"), std::string::npos) << last;
  const auto t = RunRow(kRow, {{1, 2, 3, 4, 5, 6, 7}});
  EXPECT_NE(t.main.find("\\\\ $P_1=25$кН,\r\n$P_2=25$кН,\r\n$P_3=25$кН.\r\n"), std::string::npos);
  EXPECT_NE(t.main.find("\\newsavebox{\\Prizma}\\sbox{\\Prizma}{%\r\n"), std::string::npos);
}

TEST(PrismCombinedLoadingTest, SectionIsNeverSquareAndBetaHitsTableEntries) {
  const auto v = DerivePrismCombinedLoading(5, 5, 1, 1, 1, 1, 1);
  EXPECT_EQ(v.b, 15);
  EXPECT_EQ(v.h, 16);
  // b = 12, h = 18: ratio 1.5, beta 0.196.
  const auto w = DerivePrismCombinedLoading(2, 8, 1, 1, 1, 1, 1);
  EXPECT_NEAR(w.Jk, 0.196 * 0.18 * std::pow(0.12, 3), 1e-15);
  // b = 11, h = 22: ratio 2, beta 0.229.
  const auto u = DerivePrismCombinedLoading(1, 12, 1, 1, 1, 1, 1);
  EXPECT_NEAR(u.Jk, 0.229 * 0.22 * std::pow(0.11, 3), 1e-15);
}

}  // namespace
}  // namespace strength
