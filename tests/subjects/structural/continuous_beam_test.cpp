#include "subjects/structural/continuous_beam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
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

testing_support::RunTexts RunRow(SharedState& s,
                                 const std::vector<testing_support::VariantParams>& p) {
  return testing_support::RunBeginVariant(
      s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 10); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 10); }, p);
}

std::vector<double> PrintedRow(const std::string& second) {
  const size_t end = second.rfind(" \\\\");
  const size_t begin = second.rfind("\\hline", end) + 6;
  std::string row = second.substr(begin, end - begin);
  std::replace(row.begin(), row.end(), '&', ' ');
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// The drawn beam by the stiffness method: nodes at every distinct point, the pin at point 2,
// rollers at 3, 4, 5, the loads as drawn; returns the frame and its node abscissae.
struct Drawn {
  PlaneFrame frame;
  std::vector<double> xs;
  int Node(double x) const {
    return static_cast<int>(std::find(xs.begin(), xs.end(), x) - xs.begin());
  }
  // Sagging moment and shear (up on the left positive) just right of x (or left of it).
  double MomentAt(double x, bool right_of) const { return At(x, right_of, true); }
  double ShearAt(double x, bool right_of) const { return At(x, right_of, false); }

 private:
  double At(double x, bool right_of, bool moment) const {
    int m = Node(x) - (right_of ? 0 : 1);
    const double s = right_of ? 0 : frame.Length(m);
    return moment ? frame.Moment(m, s) : frame.Shear(m, s);
  }
};

void SolveDrawnBeam(const ContinuousBeamVariant& v, Drawn& d) {
  std::set<double> at;
  for (int k = 1; k <= 7; ++k) at.insert(v.X[k]);
  d.xs.assign(at.begin(), at.end());
  for (double x : d.xs) d.frame.AddNode(x, 0);
  for (size_t i = 0; i + 1 < d.xs.size(); ++i) {
    const int m = d.frame.AddMember(static_cast<int>(i), static_cast<int>(i) + 1, 1, 1e9);
    // Which span the member lies in: its midpoint between points j and j + 1.
    const double mid = (d.xs[i] + d.xs[i + 1]) / 2;
    for (int j = 1; j <= 5; ++j) {
      if (mid > v.X[j] && mid < v.X[j + 1]) {
        if (j >= v.LoadFrom && j < v.LoadTo) d.frame.UniformLoad(m, -v.q1);
        if (j == v.SecondLoadSpan) d.frame.UniformLoad(m, -v.q2);
      }
    }
  }
  d.frame.Pin(d.Node(v.X[2]));
  for (int k = 3; k <= 5; ++k) d.frame.RollerY(d.Node(v.X[k]));
  d.frame.NodalLoad(d.Node(v.X[7]), 0, -v.P);
  EXPECT_TRUE(d.frame.Solve()) << d.frame.Error();
}

TEST(ContinuousBeamTest, SupportMomentsAndDiagramsMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 5, 5, 3, 3, 3, 5}, 1500, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const ContinuousBeamVariant v =
        DeriveContinuousBeamVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    // At most one load a span, besides q1 over several.
    ASSERT_NE(v.q1, v.q2) << where;
    ASSERT_FALSE(v.ForceSpan >= v.LoadFrom && v.ForceSpan < v.LoadTo) << where;
    ASSERT_FALSE(v.SecondLoadSpan >= v.LoadFrom && v.SecondLoadSpan < v.LoadTo) << where;
    ASSERT_NE(v.SecondLoadSpan, v.ForceSpan) << where;
    Drawn d;
    SolveDrawnBeam(v, d);
    const double m1 = d.MomentAt(v.X[3], true), m2 = d.MomentAt(v.X[4], true);
    ASSERT_NEAR(v.M1, m1, 1e-6) << where;
    ASSERT_NEAR(v.M2, m2, 1e-6) << where;
    ASSERT_NEAR(v.a11 * m1 + v.a12 * m2, v.b1, 1e-6) << where;
    ASSERT_NEAR(v.a12 * m1 + v.a22 * m2, v.b2, 1e-6) << where;
    // The diagrams run from the beam's left end to its right end, value by value.
    ASSERT_EQ(v.Station[1], d.xs.front()) << where;
    ASSERT_EQ(v.Station[v.Intervals + 1], d.xs.back()) << where;
    double largest = 0;
    for (int i = 1; i <= v.Intervals; ++i) {
      const double a = v.Station[i], b = v.Station[i + 1];
      ASSERT_LT(a, b) << where;
      ASSERT_NEAR(v.Moments[i].left, d.MomentAt(a, true), 1e-6) << where << " interval " << i;
      ASSERT_NEAR(v.Moments[i].right, d.MomentAt(b, false), 1e-6) << where << " interval " << i;
      ASSERT_NEAR(v.Shears[i].left, d.ShearAt(a, true), 1e-6) << where << " interval " << i;
      ASSERT_NEAR(v.Shears[i].right, d.ShearAt(b, false), 1e-6) << where << " interval " << i;
      largest = std::max({largest, std::fabs(v.Moments[i].left), std::fabs(v.Moments[i].right)});
    }
    ASSERT_GT(largest, 0) << where;
    if (!testing_support::FullSweep() || k % 31 == 0) {
      auto s = testing_support::NewState();
      const auto texts = RunRow(*s, {{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}});
      const std::vector<double> row = PrintedRow(texts.second_answers);
      ASSERT_EQ(row.size(), 8u) << texts.second_answers;
      const double expected[] = {v.a11, v.a12, v.a22, v.b1, v.b2, m1, m2};
      for (int i = 0; i < 7; ++i) ASSERT_NEAR(row[i + 1], expected[i], 0.0006) << where << " " << i;
      ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 5 * 5 * 3 * 3 * 3 * 5));
}

TEST(ContinuousBeamTest, GoldenLines) {
  auto s = testing_support::NewState();
  // 1: P1 = 4 with P7 = 1 puts q1 on spans 1..3, the left overhang stays (M0 = 4 * 4^2 / 2);
  //    P3 = 3, P4 = 1, P6 = 1 make q2 = q1 = 4, so q2 = 3.
  // 2: loads on interior spans only: both overhangs are left off.
  // 3: P in span 1 acts at the free left end (M0 = P s1 = 40).
  const auto texts =
      RunRow(*s, {{4, 1, 3, 1, 1, 1, 1}, {3, 1, 1, 1, 2, 2, 1}, {2, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(
      texts.second_answers.find(
          "\\hline1 &   20 &    4 &   16 &     -88.000 &     -20.500 &    -4.362 &    -0.191\r\n"
          " \\\\2 &   24 &    4 &   18 &    -300.125 &    -188.250 &   -11.176 &    -7.975\r\n"
          " \\\\3 &   16 &    4 &   16 &      64.000 &     -64.000 &     5.333 &    -5.333\r\n"
          " \\\\\\hline"),
      std::string::npos)
      << texts.second_answers;
  EXPECT_NE(texts.main.find("\\vfill\\parbox{215pt}{\\small  $q_1= 4$~кН/м, %\r\n $q_2= 3$~кН/м%"),
            std::string::npos)
      << texts.main;
  const ContinuousBeamVariant kept = DeriveContinuousBeamVariant(4, 1, 3, 1, 1, 1, 1);
  EXPECT_TRUE(kept.LeftOverhang);
  EXPECT_EQ(kept.M0, 32);
  EXPECT_EQ(kept.Moments[1].left, 0);
  EXPECT_EQ(kept.Moments[1].right, -32);
  EXPECT_EQ(kept.IntervalLoad[1], 4);
  const ContinuousBeamVariant dropped = DeriveContinuousBeamVariant(3, 1, 1, 1, 2, 2, 1);
  EXPECT_FALSE(dropped.LeftOverhang);
  EXPECT_FALSE(dropped.RightOverhang);
  EXPECT_EQ(dropped.X[2], 0);
  EXPECT_EQ(dropped.Span[2], 8);  // 4 + 4
  EXPECT_EQ(dropped.Station[dropped.Intervals + 1], dropped.X[5]);
  // The pin at the beam's left end, the last roller at its right end.
  EXPECT_NE(texts.main.find("\\put(0,-2){\\usebox{\\hing}}\\put(82.35,-2){\\usebox{\\dnst}}"
                            "\\put(123.53,-2){\\usebox{\\dnst}}\\put(175,-2){\\usebox{\\dnst}}"),
            std::string::npos);
  const ContinuousBeamVariant end_force = DeriveContinuousBeamVariant(2, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(end_force.ForceSpan, 1);
  EXPECT_EQ(end_force.X[7], 0);
  EXPECT_EQ(end_force.M0, 40);
  EXPECT_NE(texts.main.find("\\Red{\\put(0,15){\\thicklines\\vector(0,-1){15}}}%"),
            std::string::npos);
  // Absolute moment labels, signed shear labels; a value at a segment's right end ends 1 before it.
  EXPECT_NE(texts.answers.find("\\put(145.18,-29.5){\\scriptsize 24}"), std::string::npos);
  EXPECT_NE(texts.answers.find("\\put(18.82,-35.9){\\scriptsize -16}"), std::string::npos);
}
}  // namespace
}  // namespace structural
