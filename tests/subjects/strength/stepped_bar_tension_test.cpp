#include "subjects/strength/stepped_bar_tension.h"

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

constexpr int kRow = 16;

// Elongation of each segment (mm, out[1..3]) of a bar with forces P (kN, upwards positive)
// acting on the sections at[1..3] (0 the bar's lower end, j the top of segment j), areas F
// (cm^2) and lengths l (m), standing on its support or hanging from it: N/(EA) integrated
// along the bar with Simpson's rule (exact, N being linear within a segment).
void Elongations(const double P[4], const int at[4], const double F[4], const double l[4],
                 bool standing, double out[4]) {
  const double gamma = 78;  // kN/m^3
  // Start of segment k along the bar, from the bottom, m.
  double start[5] = {0, 0, l[1], l[1] + l[2], l[1] + l[2] + l[3]};
  auto area_at = [&](double y) {
    for (int k = 1; k <= 3; ++k) {
      if (y < start[k + 1]) return F[k];
    }
    return F[3];
  };
  // Weight of the bar between heights a and b.
  auto weight = [&](double a, double b) {
    double w = 0;
    for (int k = 1; k <= 3; ++k) {
      const double lo = std::max(a, start[k]), hi = std::min(b, start[k + 1]);
      if (hi > lo) w += gamma * F[k] * 1e-4 * (hi - lo);
    }
    return w;
  };
  // Axial force inside segment k at height y (kN, tension positive).
  auto N = [&](int k, double y) {
    double n = 0;
    if (standing) {
      // The free upper part: the forces on the sections above segment k's inside, minus its
      // weight.
      for (int j = 1; j <= 3; ++j) n += at[j] >= k ? P[j] : 0;
      n -= weight(y, start[4]);
    } else {
      // The free lower part: its weight, minus the forces on the sections below.
      for (int j = 1; j <= 3; ++j) n -= at[j] < k ? P[j] : 0;
      n += weight(0, y);
    }
    return n;
  };
  for (int k = 1; k <= 3; ++k) {
    const double a = start[k], b = start[k + 1], m = (a + b) / 2;
    const double integral = (b - a) / 6 * (N(k, a) + 4 * N(k, m) + N(k, b)) / area_at(m);
    out[k] = integral * 1e3 / (2e11 * 1e-4) * 1e3;
  }
}

// The printed elongations against those of the bar read back from the data text and the
// figure: each force acts on the section marked by a dot on the axis (segment boundaries at
// heights 0, 25, 50, 75), its arrow starts or ends there and stops short of every other
// section.
std::string CheckPrintedElongations(const testing_support::RunTexts& t) {
  double P[4], F[4], l[4];
  int at[4];
  for (int k = 1; k <= 3; ++k) {
    const std::string d = std::to_string(k);
    P[k] = NumberAfter(t.main, "$P_" + d + "=");
    F[k] = NumberAfter(t.main, "$F_" + d + "=");
    l[k] = NumberAfter(t.main, "$l_" + d + "=", t.main.find("parbox{129pt}"));
  }
  const auto arrows = strength_check::Arrows(t.main);
  const auto dots = strength_check::Dots(t.main);
  if (arrows.size() != 3) return "three force arrows expected";
  if (dots.size() != 3) return "three points of application expected";
  for (int k = 1; k <= 3; ++k) {
    const auto& a = arrows[static_cast<std::size_t>(k - 1)];
    const auto& dot = dots[static_cast<std::size_t>(k - 1)];
    if (a.dx != 0 || std::fabs(a.x - 22.5) > 1e-9) return "arrow off axis";
    if (std::fabs(dot.first - 22.5) > 1e-9 || std::fmod(dot.second, 25) != 0 || dot.second < 0 ||
        dot.second > 75) {
      return "point of application off the sections";
    }
    const double tail = a.y, head = a.y + a.dy * a.len;
    if (tail != dot.second && head != dot.second)
      return "arrow " + std::to_string(k) + " off its point";
    const double far = tail == dot.second ? head : tail;
    if (std::fabs(std::remainder(far, 25)) < 5)
      return "arrow " + std::to_string(k) + " reaches a section";
    at[k] = static_cast<int>(dot.second / 25);
    P[k] *= a.dy;  // upwards positive
  }
  const bool standing = t.main.find("\\usebox{\\sosn}") != std::string::npos;
  const bool hanging = t.main.find("\\usebox{\\sosv}") != std::string::npos;
  if (standing == hanging) return "one support expected";
  const std::vector<double> cells = strength_check::RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 5) return "five cells expected";
  double mm[4];
  Elongations(P, at, F, l, standing, mm);
  double total = 0;
  for (int k = 1; k <= 3; ++k) {
    total += mm[k];
    if (std::fabs(cells[k] - mm[k]) > 0.00051) {
      return "segment " + std::to_string(k) + ": " + std::to_string(cells[k]) + " vs " +
             std::to_string(mm[k]);
    }
  }
  if (std::fabs(cells[4] - total) > 0.00051) return "total";
  return {};
}

TEST(SteppedBarTensionTest, PrintedElongationsMatchTheIntegratedAxialForce) {
  const auto points = strength_check::SamplePoints({10, 10, 10, 10, 10, 10, 10},
                                                   testing_support::FullSweep() ? 50000 : 1500);
  long checked = 0;
  for (const auto& point : points) {
    const auto t = RunRow(kRow, {point});
    const std::string what = CheckPrintedElongations(t);
    ASSERT_EQ(what, "") << testing_support::Describe({point, 1});
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST(SteppedBarTensionTest, DerivedDataOverTheWholeSpace) {
  // The whole space from the derived data (what the text and figure print, checked above).
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
                const auto v = DeriveSteppedBarTension(p1, p2, p3, p4, p5, p6, p7);
                double P[4], F[4], l[4], mm[4];
                int at[4];  // the section each force acts on, as the figure marks it
                for (int k = 1; k <= 3; ++k) {
                  P[k] = v.P[k], F[k] = v.F[k], l[k] = v.l[k];
                  at[k] = v.BottomSupport ? k : k - 1;
                }
                Elongations(P, at, F, l, v.BottomSupport, mm);
                for (int k = 1; k <= 3; ++k) {
                  ASSERT_NEAR(v.Elongation[k], mm[k], 1e-9)
                      << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                }
                ++checked;
              }
  EXPECT_EQ(checked, step == 1 ? 10000000 : 256000);
}

TEST(SteppedBarTensionTest, GoldenRows) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 10, 10, 10}, "1&-0.791&-0.527&-0.263&-1.582"},
      {{5, 5, 5, 5, 1, 1, 1}, "1& 1.498& 0.999& 0.500& 2.997"},
      {{6, 10, 10, 10, 1, 1, 1}, "1&-0.194&-1.557&-2.856&-4.607"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(kRow, {c.p});
    EXPECT_EQ(AnswersRow(t.answers), c.row);
  }
}

TEST(SteppedBarTensionTest, DocumentText) {
  const auto t = RunRow(kRow, {{1, 1, 1, 1, 10, 10, 10}, {6, 10, 10, 10, 1, 1, 1}}, 5);
  EXPECT_NE(t.main.find("\\\\\\noindent\\parbox{129pt}{\\small \r\n$P_1=84$кН, \r\n"),
            std::string::npos);
  EXPECT_NE(t.main.find("$F_1=32$cм$^2$, \r\n"), std::string::npos);
  EXPECT_NE(t.main.find("$l_3=2$м.}\r\n"), std::string::npos);
  EXPECT_NE(t.main.find("\\put(0,0){\\usebox{\\sosn}}"), std::string::npos);
  EXPECT_NE(t.main.find("\\put(0,75){\\usebox{\\sosv}}"), std::string::npos);
  // Both support boxes are defined once, before the first variant.
  EXPECT_EQ(strength_check::Count(t.main, "\\newsavebox{\\sosv}"), 1);
  EXPECT_EQ(strength_check::Count(t.main, "\\newsavebox{\\razmY}"), 1);
  EXPECT_NE(t.answers.find("\\No\\ru & \\mc{$ \\delta_1$}"), std::string::npos);
  EXPECT_NE(t.answers.find("\\hline5&-0.791&"), std::string::npos) << t.answers;
  EXPECT_NE(t.answers.find(" \\\\6&-0.194"), std::string::npos) << t.answers;
  // Standing bar: force 1 acts on the upper end of segment 1 (base 5), downwards, ending there.
  const auto arrows = strength_check::Arrows(t.main);
  ASSERT_EQ(arrows.size(), 6u);
  EXPECT_EQ(arrows[0].dy, -1);
  EXPECT_DOUBLE_EQ(arrows[0].y, 25);
  // Hanging bar, P1 = 30 upwards from the lower end of segment 1.
  EXPECT_EQ(arrows[3].dy, 1);
  EXPECT_DOUBLE_EQ(arrows[3].y, 0);
}

TEST(SteppedBarTensionTest, SubstituteForceIsSeventySevenUpwards) {
  for (int p2 = 1; p2 <= 10; ++p2) {
    const auto v = DeriveSteppedBarTension(5, p2, 5, 5, 1, 1, 1);
    EXPECT_EQ(v.P[1], 77);
    EXPECT_EQ(v.P[3], 77);
    EXPECT_TRUE(v.BottomSupport);
  }
  EXPECT_FALSE(DeriveSteppedBarTension(6, 1, 1, 1, 1, 1, 1).BottomSupport);
}

}  // namespace
}  // namespace strength
