#include "subjects/structural/split_beam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "subjects/structural/common/beam_diagrams.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;

testing_support::RunTexts RunRow(SharedState& s,
                                 const std::vector<testing_support::VariantParams>& p) {
  return testing_support::RunBeginVariant(
      s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 9); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 9); }, p);
}

std::vector<double> PrintedRow(const std::string& second) {
  const size_t end = second.rfind(" \\\\");
  const size_t begin = second.rfind("\\hline", end) + 6;
  std::string row = second.substr(begin, end - begin);
  for (char& c : row)
    if (c == '&' || c == '$') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// The drawn beam by the stiffness method: a node at each point and at the couple, the bending
// moment released at the two hinges, the pin, the rollers and the loads as drawn.
struct Drawn {
  PlaneFrame frame;
  std::vector<double> xs;
  int Node(double x) const {
    return static_cast<int>(std::find(xs.begin(), xs.end(), x) - xs.begin());
  }
};

void SolveDrawnBeam(const SplitBeamVariant& v, Drawn& d) {
  std::set<double> at;
  for (int k = 1; k <= 8; ++k) at.insert(v.X[k]);
  at.insert(v.CoupleX());
  d.xs.assign(at.begin(), at.end());
  ASSERT_EQ(d.xs.size(), 9u);
  for (double x : d.xs) d.frame.AddNode(x, 0);
  for (int i = 0; i < 8; ++i) {
    const bool hinge = d.xs[i + 1] == v.X[v.Hinge[1]] || d.xs[i + 1] == v.X[v.Hinge[2]];
    const int m = d.frame.AddMember(i, i + 1, 1, 1e9, false, hinge);
    const double mid = (d.xs[i] + d.xs[i + 1]) / 2;
    if (mid > v.X[v.Load1From] && mid < v.X[v.Load1To]) d.frame.UniformLoad(m, -v.q1);
    if (mid > v.X[v.Load2From] && mid < v.X[v.Load2To]) d.frame.UniformLoad(m, -v.q2);
  }
  d.frame.Pin(d.Node(v.X[2]));
  for (int k = 2; k <= 4; ++k) d.frame.RollerY(d.Node(v.X[v.Support[k]]));
  if (v.HasF) d.frame.NodalLoad(0, 0, -v.F);
  if (v.HasP) d.frame.NodalLoad(8, 0, -v.P);
  d.frame.NodalLoad(d.Node(v.CoupleX()), 0, 0, v.m);
  ASSERT_TRUE(d.frame.Solve()) << d.frame.Error();
}

TEST(SplitBeamTest, ReactionsAndDiagramsMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {4, 6, 6, 5, 5, 5, 5}, 1500, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const SplitBeamVariant v = DeriveSplitBeamVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    Drawn d;
    SolveDrawnBeam(v, d);
    ASSERT_FALSE(HasFatalFailure()) << where;
    std::vector<double> reactions;
    for (int r = 1; r <= 4; ++r) {
      reactions.push_back(d.frame.Reaction(d.Node(v.X[v.Support[r]]), 1));
      ASSERT_NEAR(v.R[r], reactions.back(), 1e-6) << where << " support " << r;
    }
    for (int i = 1; i <= 8; ++i) {
      ASSERT_EQ(v.Station[i], d.xs[i - 1]) << where;
      const double l = d.frame.Length(i - 1);
      // The moment diagram holds the moment with the upper fibres stretched positive.
      ASSERT_NEAR(v.Moments[i].left, -d.frame.Moment(i - 1, 0), 1e-6) << where << " " << i;
      ASSERT_NEAR(v.Moments[i].right, -d.frame.Moment(i - 1, l), 1e-6) << where << " " << i;
      ASSERT_NEAR(v.Shears[i].left, d.frame.Shear(i - 1, 0), 1e-6) << where << " " << i;
      ASSERT_NEAR(v.Shears[i].right, d.frame.Shear(i - 1, l), 1e-6) << where << " " << i;
    }
    ASSERT_GT(MaxAbsDiagramValue(v.Moments, 1, 8), 0) << where;
    ASSERT_GT(MaxAbsDiagramValue(v.Shears, 1, 8), 0) << where;
    if (!testing_support::FullSweep() || k % 31 == 0) {
      auto s = testing_support::NewState();
      const auto texts = RunRow(*s, {{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}});
      const std::vector<double> row = PrintedRow(texts.second_answers);
      ASSERT_EQ(row.size(), 5u) << texts.second_answers;
      for (int i = 0; i < 4; ++i)
        ASSERT_NEAR(row[i + 1], reactions[i], 0.0006) << where << " " << i;
      ASSERT_NE(texts.second_answers.find("& --- "), std::string::npos);
      ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 6 * 6 * 5 * 5 * 5 * 5));
}

TEST(SplitBeamTest, GoldenLines) {
  auto s = testing_support::NewState();
  // 1: scheme 2, P1 = P3 gives m = 90 (counter-clockwise); P4 = P5 gives q2 = q1 + 2; q1 over
  //    points 1..4 crosses hinge 3 and leaves no F; q2 on points 6..7 leaves P at point 8.
  // 2: P2 = 4 and P3 = 4: neither F nor P; P1 < P3 gives a clockwise couple.
  const auto texts = RunRow(*s, {{2, 4, 2, 3, 3, 1, 1}, {1, 4, 4, 1, 2, 1, 1}});
  const SplitBeamVariant one = DeriveSplitBeamVariant(2, 4, 2, 3, 3, 1, 1);
  EXPECT_EQ(one.m, 90);
  EXPECT_EQ(one.q1, 7);
  EXPECT_EQ(one.q2, 9);
  EXPECT_FALSE(one.HasF);
  EXPECT_TRUE(one.HasP);
  EXPECT_NE(texts.main.find("\\Blue{\\put(102.16,0){\\usebox{\\rmomentp}}}"
                            "\\put(101.16,10){\\scriptsize \\Brown{$m$}}"),
            std::string::npos)
      << texts.main;
  EXPECT_NE(texts.main.find("\\Blue{\\put(105.43,0){\\usebox{\\rmomentm}}}"), std::string::npos);
  EXPECT_NE(texts.main.find("\\vfill\\parbox{204pt}{\\small\\ $m$=$90$~{\\footnotesize кНм}, \r\n"
                            " $q_1$=$7${\\scriptsize$\\frac{\\mbox{кН}}{\\mbox{м}}$}, $q_2$=$9$"),
            std::string::npos);
  EXPECT_NE(texts.main.find("\\vfill\\parbox{204pt}{\\small\\ $m$=$60$~{\\footnotesize кНм}, \r\n"
                            " $q_1$=$5${\\scriptsize$\\frac{\\mbox{кН}}{\\mbox{м}}$}, $q_2$=$6$"
                            "{\\scriptsize$\\frac{\\mbox{кН}}{\\mbox{м}}$}%\r\n}"),
            std::string::npos);
  EXPECT_EQ(texts.main.find("$F$"), std::string::npos);
  // The load q1 across hinge 3: the moment is zero at the hinge and at both free ends.
  EXPECT_EQ(one.Moments[2].right, 0);
  EXPECT_EQ(one.Moments[1].left, 0);
  EXPECT_EQ(one.Moments[8].right, 0);
  EXPECT_EQ(one.IntervalLoad[2], 7);
  EXPECT_EQ(one.IntervalLoad[3], 7);
  // The moment diagram labels absolute values (171.5 of a hogging moment, drawn below the
  // axis), the shear diagram signed ones.
  EXPECT_NE(texts.answers.find("\\put(36.05,-37){\\scriptsize 171.5}"), std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.answers.find("\\put(21.05,-35.38){\\scriptsize -49}"), std::string::npos);
  // Reactions and the empty M1 column.
  const size_t row = texts.second_answers.find("\\hline1&$");
  ASSERT_NE(row, std::string::npos) << texts.second_answers;
  EXPECT_NE(texts.second_answers.find("& --- \r\n \\\\2&$", row), std::string::npos);
}
}  // namespace
}  // namespace structural
