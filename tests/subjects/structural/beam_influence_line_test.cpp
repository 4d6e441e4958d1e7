#include "subjects/structural/beam_influence_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// The reactions (upward) of the six supports under a downward unit load at each point, by the
// stiffness method on the drawn beam: [support k][point j]. The line of A is row SupportA.
using ReactionTable = std::vector<std::vector<double>>;

ReactionTable SolvedReactions(const BeamInfluenceVariant& v) {
  ReactionTable out(7, std::vector<double>(13, 0.0));
  for (int j = 1; j <= 12; ++j) {
    PlaneFrame f;
    for (int i = 1; i <= 12; ++i) f.AddNode(v.X[i], 0);
    for (int i = 1; i <= 11; ++i) {
      bool hinge = false;
      for (int h = 1; h <= 4; ++h) hinge = hinge || v.Hinge[h] == i + 1;
      f.AddMember(i - 1, i, 1, 1e9, false, hinge);
    }
    f.Pin(v.Support[1] - 1);
    for (int k = 2; k <= 6; ++k) f.RollerY(v.Support[k] - 1);
    f.NodalLoad(j - 1, 0, -1);
    EXPECT_TRUE(f.Solve()) << f.Error();
    for (int k = 1; k <= 6; ++k) out[k][j] = f.Reaction(v.Support[k] - 1, 1);
  }
  return out;
}

// Positive and negative areas of the piecewise-linear line, split where it crosses zero.
void Areas(const BeamInfluenceVariant& v, const std::vector<double>& y, double& plus,
           double& minus) {
  plus = minus = 0;
  for (int i = 1; i <= 11; ++i) {
    const double a = y[i], b = y[i + 1], l = v.Length[i];
    if (a * b >= 0) {
      const double area = l * (a + b) / 2;
      (area > 0 ? plus : minus) += area;
    } else {
      const double t = a / (a - b);
      (a > 0 ? plus : minus) += t * l * a / 2;
      (b > 0 ? plus : minus) += (1 - t) * l * b / 2;
    }
  }
}

std::vector<double> PrintedValues(const std::string& second) {
  const size_t at = second.rfind("\\ru ");
  std::string row = second.substr(at + 4, second.find("\\\\", at) - at - 4);
  std::replace(row.begin(), row.end(), '&', ' ');
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

TEST(BeamInfluenceLineTest, OrdinatesAndValuesMatchTheStiffnessMethod) {
  auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                             {15, 11, 11, 11, 11, 6, 1}, 800, 1, 1);
  // Points that differ only in the support A share one beam: keep them together and solve
  // each beam once.
  std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) {
    return std::lexicographical_compare(a.p.begin(), a.p.begin() + 5, b.p.begin(),
                                        b.p.begin() + 5);
  });
  std::array<int, 5> solved_for{};
  ReactionTable reactions;
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const BeamInfluenceVariant v = DeriveBeamInfluenceVariant(p[0], p[1], p[2], p[3], p[4], p[5]);
    const std::array<int, 5> beam{p[0], p[1], p[2], p[3], p[4]};
    if (reactions.empty() || beam != solved_for) {
      reactions = SolvedReactions(v);
      solved_for = beam;
    }
    const std::vector<double>& y = reactions[p[5]];
    double largest = 0;
    for (int i = 1; i <= 12; ++i) {
      ASSERT_NEAR(v.Ordinate[i], y[i], 1e-7) << where << " point " << i;
      largest = std::max(largest, std::fabs(y[i]));
    }
    ASSERT_GE(largest, 1) << where;  // the answers diagram's scale 20 / max|y| is finite
    double plus, minus;
    Areas(v, y, plus, minus);
    double total = 0;
    for (int i = 1; i <= 11; ++i) total += v.Length[i] * (y[i] + y[i + 1]) / 2;
    ASSERT_NEAR(v.OmegaPlus, plus, 1e-7) << where;
    ASSERT_NEAR(v.OmegaMinus, minus, 1e-7) << where;
    const double expected[5] = {5 * plus, 5 * minus, 2 * total, 2 * total + 5 * plus,
                                2 * total + 5 * minus};
    if (!testing_support::FullSweep() || k % 53 == 0) {
      auto s = testing_support::NewState();
      const auto texts = testing_support::RunBeginVariant(
          *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 37); },
          [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 37); },
          {{p[0], p[1], p[2], p[3], p[4], p[5], 1}});
      const std::vector<double> row = PrintedValues(texts.second_answers);
      ASSERT_EQ(row.size(), 5u) << texts.second_answers;
      for (int i = 0; i < 5; ++i) ASSERT_NEAR(row[i], expected[i], 0.0006) << where << " " << i;
      ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 15LL * 11 * 11 * 11 * 11 * 6));
}

TEST(BeamInfluenceLineTest, RepeatedSegmentLengthensItOnce) {
  const BeamInfluenceVariant v = DeriveBeamInfluenceVariant(1, 5, 5, 5, 5, 1);
  EXPECT_EQ(v.X[12], 12);
  EXPECT_EQ(v.Length[5], 2);
  EXPECT_EQ(v.Ordinate[v.Support[1]], 1);
  for (int k = 2; k <= 6; ++k) EXPECT_EQ(v.Ordinate[v.Support[k]], 0);
}

TEST(BeamInfluenceLineTest, GoldenLines) {
  auto s = testing_support::NewState();
  s->FirstNumber = 4;
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 37); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 37); },
      {{1, 5, 5, 5, 5, 1, 1}, {7, 1, 4, 8, 11, 3, 1}});
  // P2 = P3 = P4 = P5: one long segment, a 12 m beam; the line has no negative part.
  EXPECT_NE(texts.second_answers.find(
                "\\hline4\\ru &10.000& 0.000& 4.000&14.000& 4.000 \\\\"
                "5\\ru &15.000&-11.250& 1.500&16.500&-9.750 \\\\\\hline"),
            std::string::npos)
      << texts.second_answers;
  // The line of the first variant: 2 at the free end, 1 at A, 0 from the first hinge on.
  EXPECT_NE(texts.answers.find("\\mt{0}{0}\\pp{0}{20}\\pp{15}{10}\\pp{30}{0}\\pp{45}{0}"),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.answers.find("\\put(-3,21){\\scriptsize 2}\\put(12,11){\\scriptsize 1}"
                               "\\end{picture}\\\\ }}}\\par \\parbox{430pt}{"),
            std::string::npos);
  EXPECT_NE(texts.main.find("\\put(12,3){\\scriptsize \\Brown{A}}"), std::string::npos)
      << texts.main.substr(0, 3000);
}

TEST(BeamInfluenceLineTest, StudentsModeEndsTheRowWithTheName) {
  auto s = testing_support::NewState();
  s->StudentsMode = true;
  s->StudentNames[2] = "Ivanova";
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 37); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 37); },
      {{1, 5, 5, 5, 5, 1, 1}});
  EXPECT_NE(texts.second_answers.find("1\\ru &10.000& 0.000& 4.000&14.000& 4.000&Ivanova \\\\"),
            std::string::npos)
      << texts.second_answers;
}

}  // namespace
}  // namespace structural
