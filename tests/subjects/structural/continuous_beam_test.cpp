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

testing_support::RunTexts RunRow(SharedState& s, const std::vector<testing_support::VariantParams>& p) {
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

}  // namespace
}  // namespace structural
