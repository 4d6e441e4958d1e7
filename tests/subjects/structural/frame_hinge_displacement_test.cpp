#include "subjects/structural/frame_hinge_displacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;

constexpr int kRow = 21;

// The drawn frame: nodes 0..7 are points 1..8, the second ends of members 1, 4, 5 and 6
// released (the hinges 1, 2 and C), pins at A (point 8) and B (point 4); EJ = 1.
void Build(const FrameHingeVariant& v, PlaneFrame& f, bool loads, double ea = 1e6) {
  for (int i = 1; i <= 8; ++i) f.AddNode(v.X[i], v.Y[i]);
  for (int i = 1; i <= 8; ++i) {
    const bool released = i == 1 || i == 4 || i == 5 || i == 6;
    const int member = f.AddMember(v.First[i] - 1, v.Second[i] - 1, 1, ea, false, released);
    if (!loads || v.Intensity[i] == 0) continue;
    const bool along_x = (i == v.Q1Member && v.Q1AlongX) || (i == v.Q2Member && v.Q2AlongX);
    const double dx = v.X[v.Second[i]] - v.X[v.First[i]];
    const double dy = v.Y[v.Second[i]] - v.Y[v.First[i]];
    const double local = (along_x ? -dy : dx) / std::hypot(dx, dy);
    f.UniformLoad(member, v.Intensity[i] * local);
  }
  if (loads) {
    f.NodalLoad(v.Force1Point - 1, v.Force1AlongX ? v.P : 0, v.Force1AlongX ? 0 : v.P);
    f.NodalLoad(v.Force2Point - 1, v.Force2AlongX ? v.P : 0, v.Force2AlongX ? 0 : v.P);
  }
  f.Pin(7);
  f.Pin(3);
}

std::vector<double> AnswerRow(const std::string& text) {
  const std::string head = "\\cdot10^{-3}$}\\\\\\hline";
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

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

TEST(FrameHingeDisplacementTest, ReactionsAndDisplacementMatchTheStiffnessMethod) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {3, 4, 5, 5, 10, 20, 20}, 800, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const FrameHingeVariant v = DeriveFrameHingeVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    ASSERT_NE(v.Force2Point, 3) << where;
    ASSERT_NE(std::abs(v.q1), std::abs(v.q2)) << where;
    PlaneFrame loaded, unit;
    Build(v, loaded, true);
    Build(v, unit, false);
    unit.NodalLoad(5, v.Asked == 1 ? 1 : 0, v.Asked == 1 ? 0 : 1);
    ASSERT_TRUE(loaded.Solve()) << where << loaded.Error();
    ASSERT_TRUE(unit.Solve()) << where << unit.Error();
    const double want[4] = {loaded.Reaction(7, 0), loaded.Reaction(3, 0), loaded.Reaction(7, 1),
                            loaded.Reaction(3, 1)};
    const double want_unit[4] = {unit.Reaction(7, 0), unit.Reaction(3, 0), unit.Reaction(7, 1),
                                 unit.Reaction(3, 1)};
    // C's displacement by the unit-load method on the solver's moment diagrams (Simpson's
    // rule is exact for a parabola times a straight line); the frame is statically
    // determinate, so its moments do not depend on the axial stiffness.
    double delta = 0;
    for (int i = 0; i < 8; ++i) {
      const double l = loaded.Length(i);
      auto f = [&](double s) { return loaded.Moment(i, s) * unit.Moment(i, s); };
      delta += l / 6 * (f(0) + 4 * f(l / 2) + f(l));
    }
    for (int r = 0; r < 4; ++r) {
      ASSERT_NEAR(v.Reaction[r + 1], want[r], 1e-4 + 1e-5 * std::fabs(want[r])) << where << r;
      ASSERT_NEAR(v.UnitReaction[r + 1], want_unit[r], 1e-4 + 1e-5 * std::fabs(want_unit[r])) << where << r;
    }
    ASSERT_NEAR(v.Displacement, delta, 1e-3 + 1e-4 * std::fabs(delta)) << where;
    ++checked;
    if (testing_support::FullSweep() && n % 97 != 0) continue;
    const auto texts = RunRow({p});
    const std::vector<double> row = AnswerRow(texts.second_answers);
    ASSERT_EQ(row.size(), 10u) << texts.second_answers;
    // The printed values, against those just checked with the stiffness method.
    for (int r = 0; r < 4; ++r) {
      ASSERT_NEAR(row[r + 1], v.Reaction[r + 1], 6e-4) << where;
      ASSERT_NEAR(row[r + 5], v.UnitReaction[r + 1], 6e-4) << where;
    }
    ASSERT_NEAR(row[9], 0.001 * v.Displacement, 6e-4) << where;
    ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 4 * 5 * 5 * 10 * 20 * 20));
}


TEST(FrameHingeDisplacementTest, LoadsAndGeometry) {
  // Zero loads replaced: 5, 7, 9; the vertical displacement asked for P7 above 4.
  FrameHingeVariant v = DeriveFrameHingeVariant(1, 2, 1, 1, 7, 7, 7);
  EXPECT_EQ(v.q1, 5);
  EXPECT_EQ(v.q2, 7);
  EXPECT_EQ(v.P, 9);
  EXPECT_EQ(v.Asked, 2);
  // |q1| = |q2| = 6: q1 becomes 11.
  v = DeriveFrameHingeVariant(1, 3, 2, 2, 9, 9, 3);
  EXPECT_EQ(v.q1, 11);
  EXPECT_EQ(v.Asked, 1);
  // P2 = 1 asks for the vertical displacement whatever P7.
  EXPECT_EQ(DeriveFrameHingeVariant(2, 1, 1, 1, 1, 1, 2).Asked, 2);
  // P1 = 2 with point 4 halfway between the levels of 2 and 8: point 8 moves 1 m right.
  v = DeriveFrameHingeVariant(2, 4, 1, 2, 1, 1, 3);
  EXPECT_EQ(v.Y[4], 3);
  EXPECT_EQ(v.X[8], 13);
}

TEST(FrameHingeDisplacementTest, GoldenLines) {
  const auto texts = RunRow({{1, 2, 1, 1, 7, 7, 7}, {1, 3, 2, 2, 9, 9, 3}, {2, 4, 1, 2, 1, 1, 3}});
  EXPECT_NE(texts.second_answers.find(
                "\\hline1&-35.850 &10.850 &-69.500 &-4.500 &-0.400 & 0.400 &-1.000 & 0.000  &"
                "    1.387\r\n \\\\2& 8.500 &-74.500 &-42.000 & 6.000 &-0.500 &-0.500 & 0.000 &"
                " 0.000  &    0.288\r\n \\\\3&2064.000 &-1818.000 &-1710.000 &1818.000 &-10.000 "
                "&10.000 & 9.000 &-10.000  & -3504.276\r\n \\\\"),
            std::string::npos)
      << texts.second_answers;
  const char* lines[] = {
      "\\hfill\\parbox[b]{70pt}{\\small $q_1=5$кН/м,\\\\\r\n$q_2=7$кН/м,\\\\\r\n$P=9$кН.\\\\\r\n"
      "$\\Delta y_C-?$}",
      "\\hfill\\parbox[b]{70pt}{\\small $q_1=11$кН/м,\\\\\r\n$q_2=6$кН/м,\\\\\r\n$P=12$кН.\\\\\r\n"
      "$\\Delta x_C-?$}",
      "\\put(83.08,27.7){\\usebox{\\hing}}\\put(120,0){\\usebox{\\hing}}",
      "\\put(99.54,-17){\\scriptsize 4}",
  };
  for (const char* line : lines) EXPECT_NE(texts.main.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace structural
