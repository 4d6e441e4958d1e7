#include "subjects/structural/two_joint_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;

// The drawn frame with its loads as drawn: node 0 joint 1, 1 joint 2, 2 support A, 3 B, 4 C,
// and a node at every force or couple.
struct Model {
  PlaneFrame frame;
  int joint[3] = {0, 0, 1};
  int support[4] = {0, 2, 3, 4};
};

void BuildModel(const TwoJointFrameVariant& v, Model& m, bool loads, bool restrained) {
  PlaneFrame& f = m.frame;
  f.AddNode(v.X[1], v.Y[1]);
  f.AddNode(v.X[2], v.Y[2]);
  f.AddNode(v.X[3], v.Y[3]);
  f.AddNode(v.X[4], v.Y[4]);
  f.AddNode(v.X[5], v.Y[5]);
  const int joint_of[5] = {0, v.BarJoint - 1, 0, 1, 0};
  const int far_of[5] = {0, 2, 3, 4, 1};
  const int load_point[5] = {0, 6, 7, 8, 9};
  for (int k = 1; k <= 4; ++k) {
    const int a = joint_of[k], b = far_of[k];
    const bool horizontal = k == 1 || k == 4;
    const int kind = loads ? v.LoadKind[k] : 0;
    if (kind == 2 || kind == 3) {
      const int mid = f.AddNode(v.X[load_point[k]], v.Y[load_point[k]]);
      f.AddMember(a, mid);
      f.AddMember(mid, b);
      const double r = v.Resultant[k];
      if (kind == 3) {
        f.NodalLoad(mid, horizontal ? 0 : r, horizontal ? r : 0);
      } else {
        f.NodalLoad(mid, 0, 0, v.C[k]);
      }
    } else {
      const int member = f.AddMember(a, b);
      if (kind == 1) {
        // The load per metre, turned onto the member's local y axis.
        const double xs[5] = {v.X[1], v.X[2], v.X[3], v.X[4], v.X[5]};
        const double ys[5] = {v.Y[1], v.Y[2], v.Y[3], v.Y[4], v.Y[5]};
        const double ax = xs[a], ay = ys[a], bx = xs[b], by = ys[b];
        const double l = std::hypot(bx - ax, by - ay);
        const double lx = -(by - ay) / l, ly = (bx - ax) / l;
        const double g = v.Resultant[k] / v.L[k];
        f.UniformLoad(member, horizontal ? g * ly : g * lx);
      }
    }
  }
  const int supports[4] = {0, 2, 3, 4};
  for (int k = 1; k <= 3; ++k) {
    if (v.FarKind[k] == 1) {
      f.Clamp(supports[k]);
    } else {
      f.Pin(supports[k]);
    }
  }
  if (restrained) {
    f.Fix(0, false, false, true);
    f.Fix(1, false, false, true);
  }
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> out;
  std::string cell;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '&' || text[i] == '\n') {
      if (cell.find("---") != std::string::npos) {
        out.push_back(NAN);
      } else if (cell.find_first_of("0123456789") != std::string::npos) {
        out.push_back(std::stod(cell));
      }
      cell.clear();
    } else {
      cell += text[i];
    }
  }
  return out;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 12); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 12); }, variants);
}

TEST(TwoJointFrameTest, AnswersMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {8, 62, 3, 3, 4, 4, 4}, 1500, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const TwoJointFrameVariant v =
        DeriveTwoJointFrameVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    ASSERT_LT(std::fabs(v.Residual), 1e-8) << where;
    Model real;
    BuildModel(v, real, true, false);
    ASSERT_TRUE(real.frame.Solve()) << where << real.frame.Error();
    // Rotations are printed clockwise positive.
    ASSERT_NEAR(v.Z1, -real.frame.Rotation(0), 1e-6) << where;
    ASSERT_NEAR(v.Z2, -real.frame.Rotation(1), 1e-6) << where;
    for (int k = 1; k <= 3; ++k) {
      const int node = real.support[k];
      ASSERT_NEAR(v.RX[k], real.frame.Reaction(node, 0), 1e-5) << where << " support " << k;
      ASSERT_NEAR(v.RY[k], real.frame.Reaction(node, 1), 1e-5) << where << " support " << k;
      ASSERT_NEAR(v.RM[k], v.FarKind[k] == 1 ? real.frame.Reaction(node, 2) : 0, 1e-5)
          << where << " support " << k;
    }
    // The canonical coefficients (clockwise positive): reactions of the restrained system
    // under the loads, and under a unit rotation of one joint with the other held.
    Model restrained;
    BuildModel(v, restrained, true, true);
    ASSERT_TRUE(restrained.frame.Solve()) << where;
    ASSERT_NEAR(v.R1p, -restrained.frame.Reaction(0, 2), 1e-6) << where;
    ASSERT_NEAR(v.R2p, -restrained.frame.Reaction(1, 2), 1e-6) << where;
    Model turned;
    BuildModel(v, turned, false, false);
    turned.frame.Fix(1, false, false, true);
    turned.frame.NodalLoad(0, 0, 0, -1);
    ASSERT_TRUE(turned.frame.Solve()) << where;
    const double phi = -turned.frame.Rotation(0);
    ASSERT_NEAR(v.R11, 1 / phi, 1e-6) << where;
    ASSERT_NEAR(v.R12, -turned.frame.Reaction(1, 2) / phi, 1e-6) << where;
    Model turned2;
    BuildModel(v, turned2, false, false);
    turned2.frame.Fix(0, false, false, true);
    turned2.frame.NodalLoad(1, 0, 0, -1);
    ASSERT_TRUE(turned2.frame.Solve()) << where;
    ASSERT_NEAR(v.R22, -1 / turned2.frame.Rotation(1), 1e-6) << where;

    // The printed numbers, read back.
    if (!testing_support::FullSweep() || n % 97 == 0) {
      const auto texts = RunRow({p});
      const std::string head = "\\mc{$ Z_2 $}\\\\\\hline";
      const std::string row = texts.answers.substr(texts.answers.find(head) + head.size());
      const std::vector<double> first = Numbers(row.substr(0, row.find("\\\\")));
      ASSERT_EQ(first.size(), 8u) << texts.answers;
      const double coefficients[7] = {v.R11, v.R12, v.R22, v.R1p, v.R2p, -real.frame.Rotation(0),
                                      -real.frame.Rotation(1)};
      for (int i = 0; i < 7; ++i) ASSERT_NEAR(first[i + 1], coefficients[i], 0.0006) << where;
      const std::string head2 = "\\\\\\hline";
      const size_t last_head = texts.second_answers.find("$Y_C$}");
      const std::string second = texts.second_answers.substr(
          texts.second_answers.find(head2, last_head) + head2.size());
      const std::vector<double> reactions = Numbers(second.substr(0, second.find("\\\\")));
      ASSERT_EQ(reactions.size(), 10u) << texts.second_answers;
      for (int k = 1; k <= 3; ++k) {
        const int node = real.support[k];
        const double m = reactions[3 * k - 2];
        if (v.FarKind[k] == 1) {
          ASSERT_NEAR(m, real.frame.Reaction(node, 2), 0.0006) << where;
        } else {
          ASSERT_TRUE(std::isnan(m)) << where;
        }
        ASSERT_NEAR(reactions[3 * k - 1], real.frame.Reaction(node, 0), 0.0006) << where;
        ASSERT_NEAR(reactions[3 * k], real.frame.Reaction(node, 1), 0.0006) << where;
      }
      ASSERT_EQ(texts.main.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8LL * 62 * 3 * 3 * 4 * 4 * 4));
}

TEST(TwoJointFrameTest, GoldenLines) {
  const auto texts = RunRow({{1, 1, 1, 1, 1, 1, 1}, {8, 62, 3, 3, 4, 4, 4}});
  EXPECT_NE(texts.answers.find("1& 3.333& 0.500& 2.000&-3.000& 0.750& 0.994&-0.623"),
            std::string::npos)
      << texts.answers;
  // All supports fixed in the first variant; hinged A and B in the second print "---".
  EXPECT_NE(texts.second_answers.find("1\r\n & -4.412 & -0.139 & -8.162\r\n & -0.497 &  0.373 & "
                                      "-8.101\r\n &  0.312 & -0.234 &  1.264"),
            std::string::npos)
      << texts.second_answers;
  EXPECT_NE(texts.second_answers.find("2\r\n & --- &  2.761 & -3.902\r\n & --- &  4.782 &  0.737"),
            std::string::npos);
  EXPECT_EQ(texts.main.find("*****"), std::string::npos);
}

TEST(TwoJointFrameTest, DataRules) {
  // P7 = 8 would hinge all three supports: the one numbered P3 is fixed instead.
  for (int p3 = 1; p3 <= 3; ++p3) {
    const TwoJointFrameVariant v = DeriveTwoJointFrameVariant(1, 1, p3, 1, 1, 1, 8);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(v.FarKind[k], k == p3 ? 1 : 2) << p3;
  }
  // Columns pointing opposite ways lengthen the beam and the bar by 4.
  const TwoJointFrameVariant same = DeriveTwoJointFrameVariant(1, 1, 1, 1, 1, 1, 1);
  const TwoJointFrameVariant opposite = DeriveTwoJointFrameVariant(3, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(opposite.L[4] - same.L[4], 4);
  EXPECT_EQ(opposite.L[1] - same.L[1], 4);
  // A bar on joint 2 (P1 even) reaches past x2 by e + P6 div 3.
  const TwoJointFrameVariant right = DeriveTwoJointFrameVariant(2, 1, 1, 1, 1, 3, 1);
  EXPECT_EQ(right.BarJoint, 2);
  EXPECT_EQ(right.X[3], right.X[2] + 1 + 2 + 1);
}

}  // namespace
}  // namespace structural
