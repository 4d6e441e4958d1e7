#include "subjects/structural/bent_rod_deformation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

constexpr int kRow = 26;

using Vec = std::array<double, 3>;

Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

struct Deformation {
  double along_p = 0, about_axis4 = 0;
  double share[4] = {};
};

// The clamped rod as a chain of segments, axially rigid, bending EJ and torsion EJ0: the
// internal moment at a section is the moment of the loads beyond it; its curvature vector
// turns the rest of the rod. The end's turn is the integral of the curvature, its
// displacement the integral of curvature x (end - section), both by Simpson's rule.
Deformation Integrate(const BentRodVariant& v) {
  std::vector<Vec> r(6);
  for (int k = 1; k <= 5; ++k) r[k] = {v.R[k][1], v.R[k][2], v.R[k][3]};
  const Vec p = {v.PLoad[1], v.PLoad[2], v.PLoad[3]};
  const Vec g = {v.GLoad[1], v.GLoad[2], v.GLoad[3]};
  Vec p_unit = p;
  for (double& c : p_unit) c /= v.P;
  Vec axis4 = {0, 0, 0};
  axis4[v.Axis[4] - 1] = 1;
  Deformation out;
  for (int sgm = 1; sgm <= 4; ++sgm) {
    const int a = v.Axis[sgm] - 1;
    auto integrand = [&](double t, double& disp, double& turn) {
      Vec x;
      for (int c = 0; c < 3; ++c) x[c] = r[sgm][c] + t * (r[sgm + 1][c] - r[sgm][c]);
      Vec dm = {0, 0, 0};
      for (int c = 0; c < 3; ++c) dm[c] = r[5][c] - x[c];
      Vec m = Cross(dm, p);
      // G acts at point 3: beyond every section of segments 1 and 2.
      if (sgm <= 2 && t < 1) {
        Vec dg;
        for (int c = 0; c < 3; ++c) dg[c] = r[3][c] - x[c];
        const Vec mg = Cross(dg, g);
        for (int c = 0; c < 3; ++c) m[c] += mg[c];
      }
      Vec curvature;
      for (int c = 0; c < 3; ++c) {
        curvature[c] = m[c] * 1e3 /
                       (c == a ? kBentRodTorsionStiffness : kBentRodBendingStiffness);
      }
      disp = Dot(Cross(curvature, dm), p_unit);
      turn = Dot(curvature, axis4);
    };
    const double l = std::abs(v.Length[sgm]);
    const int steps = 8;
    double disp = 0, turn = 0;
    for (int i = 0; i <= steps; ++i) {
      // The end value at t = 1 of segment 2 is the limit from inside: G still beyond.
      const double t = std::min(static_cast<double>(i) / steps, 1 - 1e-12);
      const double w = (i == 0 || i == steps) ? 1 : (i % 2 ? 4 : 2);
      double d, q;
      integrand(t, d, q);
      disp += w * d;
      turn += w * q;
    }
    out.share[sgm - 1] = disp * l / (3 * steps);
    out.along_p += out.share[sgm - 1];
    out.about_axis4 += turn * l / (3 * steps);
  }
  return out;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants,
                                 int level = 1) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

std::vector<double> SecondAnswersRow(const std::string& text) {
  const std::string head = "\\cdot10^2$ \\\\\\hline";
  const size_t from = text.find(head);
  if (from == std::string::npos) return {};
  std::string row = text.substr(from + head.size());
  row = row.substr(0, row.find("\\\\"));
  for (char& c : row)
    if (c == '&') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

TEST(BentRodDeformationTest, AnswersMatchTheIntegratedRod) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {8, 8, 2, 2, 2, 3, 5}, 700, 1, 10);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const BentRodVariant v = DeriveBentRodVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    // Consecutive segments are perpendicular; P is across segment 4 and G across 2 and 3.
    for (int k = 1; k <= 3; ++k) ASSERT_NE(v.Axis[k], v.Axis[k + 1]) << where;
    ASSERT_NE(v.PAxis, v.Axis[4]) << where;
    ASSERT_NE(v.GAxis, v.Axis[2]) << where;
    ASSERT_NE(v.GAxis, v.Axis[3]) << where;
    const Deformation want = Integrate(v);
    // The generator keeps kN over N·m²: its values are a thousandth of metres and radians.
    for (int k = 0; k < 4; ++k) {
      ASSERT_NEAR(1e3 * v.Share[k + 1], want.share[k], 1e-12) << where << " segment " << k + 1;
    }
    ASSERT_NEAR(1e3 * v.Displacement, want.along_p, 1e-12) << where;
    ASSERT_NEAR(1e3 * v.Rotation, want.about_axis4, 1e-12) << where;
    ++checked;
    if (testing_support::FullSweep() && n % 23 != 0) continue;
    const auto texts = RunRow({p}, points[n].level);
    const std::vector<double> row = SecondAnswersRow(texts.second_answers);
    ASSERT_EQ(row.size(), 7u) << texts.second_answers;
    // Centimetres, and the turn times 100.
    for (int k = 0; k < 4; ++k) ASSERT_NEAR(row[k + 1], 100 * want.share[k], 6e-4) << where;
    ASSERT_NEAR(row[5], 100 * want.along_p, 6e-4) << where;
    ASSERT_NEAR(row[6], 100 * want.about_axis4, 6e-4) << where;
    ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8LL * 8 * 2 * 2 * 2 * 3 * 5 * 10));
}

TEST(BentRodDeformationTest, ForcesFollowTheirArrows) {
  // The figure draws G along -axis 1, +axis 2 or -axis 3 and P along -axis 1, +axis 2 or
  // +axis 3 (axis 1 points toward the viewer, down to the left): the loads must agree.
  for (int p1 = 1; p1 <= 8; ++p1) {
    for (int p5 = 1; p5 <= 2; ++p5) {
      const BentRodVariant v = DeriveBentRodVariant(p1, 2, 1, 1, p5, 2, 3);
      const double g_sign[4] = {0, -1, 1, -1};
      const double p_sign[4] = {0, -1, 1, 1};
      for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(v.GLoad[c], c == v.GAxis ? g_sign[c] * 3 : 0) << p1;
        EXPECT_EQ(v.PLoad[c], c == v.PAxis ? p_sign[c] * 2 : 0) << p1;
      }
    }
  }
}

TEST(BentRodDeformationTest, GoldenLines) {
  // Variant 1: the rod lies in the plane of axes 1 and 2, G along -axis 3, P along -axis 1.
  // Variant 2: segment 3 vertical, G along +axis 2.
  const auto texts = RunRow({{1, 1, 1, 1, 1, 1, 1}, {6, 3, 2, 1, 2, 3, 5}});
  EXPECT_NE(texts.second_answers.find(
                "\\hline1\r\n &  5.102\r\n &  3.333\r\n &  0.918\r\n &  0.918\r\n & 10.272 &  0.204\r\n"
                " \\\\2\r\n & 42.010\r\n & 17.580\r\n &  7.922\r\n &  2.755\r\n & 70.267 &  5.048\r\n"),
            std::string::npos)
      << texts.second_answers;
  const BentRodVariant first = DeriveBentRodVariant(1, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(first.GAxis, 3);
  EXPECT_EQ(first.GLoad[3], -1);
  const BentRodVariant second = DeriveBentRodVariant(6, 3, 2, 1, 2, 3, 5);
  EXPECT_EQ(second.GAxis, 2);
  EXPECT_EQ(second.GLoad[2], 5);
  EXPECT_NE(texts.main.find("\\vector(0,-1){20}"), std::string::npos);
  EXPECT_NE(texts.main.find("\\vector(1,0){20}}}%\r\n\\put"), std::string::npos);

  // One coloured block per segment and bending component with a moment at either end, and
  // per segment with a torque: a component that is zero along a whole segment draws nothing.
  const std::string one = RunRow({{1, 1, 1, 1, 1, 1, 1}}).answers;
  int blocks = 0;
  for (int sgm = 1; sgm <= 4; ++sgm) {
    for (int c = 1; c <= 3; ++c) {
      const bool torsion = c == first.Axis[sgm];
      if (first.M[sgm][c] != 0 || (!torsion && first.M[sgm + 1][c] != 0)) ++blocks;
    }
  }
  int drawn = 0;
  for (const char* opening : {"\\Blue{%", "\\OliveGreen{%", "\n{%\r\n"}) {
    for (size_t at = one.find(opening); at != std::string::npos; at = one.find(opening, at + 1)) {
      ++drawn;
    }
  }
  EXPECT_LT(blocks, 12);
  EXPECT_EQ(drawn, blocks) << one;
}

}  // namespace
}  // namespace structural
