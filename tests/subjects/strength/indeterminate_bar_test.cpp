#include "subjects/strength/indeterminate_bar.h"

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

constexpr int kRow = 17;

// Reads the bar back from the data text and the arrows, and checks the printed reaction and
// displacements: the left reaction with the two forces balances the right one, the clamped
// ends keep the bar's length, and the displacements are the running sums of N l / (E F).
std::string CheckPrintedBar(const testing_support::RunTexts& t) {
  double P[3], F[4], l[4];
  const std::size_t data = t.main.find("parbox{129pt}");
  for (int k = 1; k <= 3; ++k) {
    const std::string d = std::to_string(k);
    if (k <= 2) P[k] = NumberAfter(t.main, "$P_" + d + "=", data);
    F[k] = NumberAfter(t.main, "$F_" + d + "=", data);
    l[k] = NumberAfter(t.main, "$l_" + d + "=", data);
  }
  const auto arrows = strength_check::Arrows(t.main);
  if (arrows.size() != 2) return "two force arrows expected";
  for (int k = 1; k <= 2; ++k) {
    const auto& a = arrows[k - 1];
    if (a.dy != 0 || a.y != 22.5) return "arrow off the axis";
    // The arrow touches section k (x = 40k) with its tip or its tail.
    const double tip = a.x + a.dx * a.len;
    if (std::fabs(a.dx > 0 ? tip - 40 * k : a.x - 40 * k) > 1e-9) return "arrow off its section";
    P[k] *= a.dx;
  }
  const std::vector<double> cells = strength_check::RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 4) return "four cells expected";
  const double RA = cells[1];
  // Axial forces with the printed reaction, and the elongation of the whole bar (mm).
  const double N[4] = {0, RA, RA - P[1], RA - P[1] - P[2]};
  double u = 0, scale = 0;
  for (int k = 1; k <= 3; ++k) {
    const double du = N[k] * 1e3 * l[k] / (2e11 * F[k] * 1e-4) * 1e3;
    scale += std::fabs(1e3 * l[k] / (2e11 * F[k] * 1e-4) * 1e3);
    u += du;
    if (k <= 2 && std::fabs(cells[1 + k] - u) > 0.0005 + 0.0005 * scale) {
      return "displacement " + std::to_string(k);
    }
  }
  // The reaction is printed to 0.0005 kN: the bar's length may change by that much.
  if (std::fabs(u) > 0.0005 * scale + 1e-9) return "the clamped ends move: " + std::to_string(u);
  return {};
}

TEST(IndeterminateBarTest, PrintedReactionKeepsTheClampedEndsInPlace) {
  const auto points = strength_check::SamplePoints({10, 10, 10, 10, 10, 10, 10},
                                                   testing_support::FullSweep() ? 50000 : 1500);
  for (const auto& point : points) {
    ASSERT_EQ(CheckPrintedBar(RunRow(kRow, {point})), "") << testing_support::Describe({point, 1});
  }
}

TEST(IndeterminateBarTest, DerivedDataOverTheWholeSpace) {
  // The whole space from the derived data: the clamped ends keep the bar's length and the
  // displacements are the running sums of N l / (E F).
  // The normal suite visits P4..P7 in steps of 3 (1, 4, 7, 10).
  const int step = testing_support::FullSweep() ? 1 : 3;
  long checked = 0;
  for (int p1 = 1; p1 <= 10; ++p1)
    for (int p2 = 1; p2 <= 10; ++p2)
      for (int p3 = 1; p3 <= 10; ++p3)
        for (int p4 = 1; p4 <= 10; p4 += step)
          for (int p5 = 1; p5 <= 10; p5 += step)
            for (int p6 = 1; p6 <= 10; p6 += step)
              for (int p7 = 1; p7 <= 10; p7 += step) {
                const auto v = DeriveIndeterminateBar(p1, p2, p3, p4, p5, p6, p7);
                const double N[4] = {0, v.RA, v.RA - v.P[1], v.RA - v.P[1] - v.P[2]};
                double u = 0;
                for (int k = 1; k <= 3; ++k) {
                  u += N[k] * 1e3 * v.l[k] / (2e11 * v.F[k] * 1e-4) * 1e3;
                  if (k <= 2) ASSERT_NEAR(v.u[k], u, 1e-9) << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                }
                ASSERT_NEAR(u, 0, 1e-9) << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                ++checked;
              }
  EXPECT_EQ(checked, step == 1 ? 10000000 : 256000);
}

TEST(IndeterminateBarTest, GoldenRows) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{3, 7, 2, 9, 4, 6, 8}, "1 & -18.305\r\n&-0.070\r\n& 0.028"},
      {{1, 1, 1, 1, 1, 1, 1}, "1 & -44.000\r\n&-0.191\r\n&-0.191"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswersRow(RunRow(kRow, {c.p}).answers), c.row);
}

TEST(IndeterminateBarTest, DocumentText) {
  const auto t = RunRow(kRow, {{3, 7, 2, 9, 4, 6, 8}});
  EXPECT_NE(t.main.find("\\\\\\noindent\\vskip1mm\\parbox{129pt}{\\small \r\n$P_1=34$кН, \r\n"
                        "$P_2=24$кН, \r\n$F_1=26$cм$^2$, \r\n$F_2=24$cм$^2$, \r\n"
                        "$F_3=30$cм$^2$, \r\n\\\\ $l_1=2$м, \r\n$l_2=3$м, \r\n$l_3=2$м.}\r\n"),
            std::string::npos)
      << t.main;
  EXPECT_NE(t.answers.find("       & \\mc{кН}&\\multicolumn{2}{c|}{мм} \\\\\\hline"),
            std::string::npos);
  // The middle segment is drawn 24 high, centred on the axis.
  EXPECT_NE(t.main.find("\\mt{40}{10.5}\\pp{80}{10.5}"), std::string::npos);
  for (int p1 : {5}) {
    const auto v = DeriveIndeterminateBar(p1, 5, 1, 1, 1, 1, 1);
    EXPECT_EQ(v.P[1], 77);
    EXPECT_EQ(v.P[2], 77);
  }
}

}  // namespace
}  // namespace strength
