#include "subjects/structural/frame_displacement_method.h"

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

constexpr int kRow = 1;

// The drawn frame with its loads as drawn: nodes 0..5 are points 1..6; a force or couple
// splits its member at the load point. EI = 1, axially rigid; hinged joints and pinned
// supports release the member ends there. `restrain` adds the basic system's constraints:
// the rigid joint's rotation and the girder's sway.
struct Model {
  PlaneFrame f;
  int joint = 0;
};

void Build(const FrameDisplacementVariant& v, int rigid_joint, Model& m, bool loads) {
  PlaneFrame& f = m.f;
  for (int i = 1; i <= 6; ++i) f.AddNode(v.X[i], v.Y[i]);
  m.joint = rigid_joint - 1;
  for (int j = 1; j <= 5; ++j) {
    const int a = v.First[j], b = v.Second[j];
    const bool ha = v.Kind[a] == 2, hb = v.Kind[b] == 2;
    const double dx = v.X[b] - v.X[a], dy = v.Y[b] - v.Y[a];
    const double l = std::hypot(dx, dy);
    // The load's physical direction per unit: columns carry horizontal loads (+x for
    // s·t > 0), the girder vertical ones (+y for t > 0).
    const bool column = j <= 3;
    const double side = column ? v.Orientation[j] : 1;
    const double ux = column ? 1 : 0, uy = column ? 0 : 1;
    const double local = (-dy * ux + dx * uy) / l;  // component along the member's local y
    const int kind = loads ? v.LoadKind[j] : 0;
    if (kind == 2 || kind == 3) {
      const int mid = f.AddNode(v.X[j + 6], v.Y[j + 6]);
      f.AddMember(a - 1, mid, 1, 1e9, ha, false);
      f.AddMember(mid, b - 1, 1, 1e9, false, hb);
      if (kind == 2) {
        const double p = side * v.LoadSign[2] * v.P;
        f.NodalLoad(mid, p * ux, p * uy);
      } else {
        f.NodalLoad(mid, 0, 0, v.LoadSign[3] * v.m);
      }
    } else {
      const int member = f.AddMember(a - 1, b - 1, 1, 1e9, ha, hb);
      if (kind == 1) f.UniformLoad(member, side * v.LoadSign[1] * v.q * local);
    }
  }
  for (int k = 1; k <= 3; ++k) {
    if (v.Kind[k] == 1) {
      f.Clamp(k - 1);
    } else {
      f.Pin(k - 1);
    }
  }
}

// The basic system: the rigid joint held against turning and the girder against swaying (at
// joint 4).
void Restrain(Model& m) {
  m.f.Fix(m.joint, m.joint == 3, false, true);
  if (m.joint != 3) m.f.Fix(3, true, false, false);
}

std::vector<double> NumbersAfter(const std::string& text, const std::string& head, size_t count) {
  const size_t from = text.find(head);
  if (from == std::string::npos) return {};
  std::string rest = text.substr(from + head.size());
  for (char& c : rest)
    if (c == '&' || c == '\\') c = ' ';
  std::istringstream in(rest);
  std::vector<double> values;
  for (double x; values.size() < count && in >> x;) values.push_back(x);
  return values;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

TEST(FrameDisplacementMethodTest, ReactionsAndUnknownsMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 8, 3, 5, 5, 5, 8}, 800, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const FrameDisplacementVariant v =
        DeriveFrameDisplacementVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    ASSERT_NE(v.QMember, v.PMember) << where;
    ASSERT_NE(v.QMember, v.MMember) << where;
    ASSERT_NE(v.PMember, v.MMember) << where;
    Model m;
    Build(v, p[0] + 3, m, true);
    ASSERT_TRUE(m.f.Solve()) << where << m.f.Error();
    // The stiffness solution carries the axial terms of EA = 1e9: a few digits of the large
    // sways are lost to them.
    const double tol = 1e-4 + 1e-6 * (std::fabs(v.Z1) + std::fabs(v.Z2));
    for (int k = 1; k <= 3; ++k) {
      ASSERT_NEAR(v.RX[k], m.f.Reaction(k - 1, 0), tol) << where << " support " << k;
      ASSERT_NEAR(v.RY[k], m.f.Reaction(k - 1, 1), tol) << where << " support " << k;
      ASSERT_NEAR(v.RM[k], m.f.Reaction(k - 1, 2), tol) << where << " support " << k;
    }
    ASSERT_NEAR(v.Z1, m.f.Rotation(m.joint), 10 * tol) << where;
    ASSERT_NEAR(v.Z2, m.f.Ux(3), 10 * tol) << where;

    // R: the constraints' reactions under the loads; r: the inverse of the flexibility of the
    // joint's turn and the girder's sway under a unit couple and a unit horizontal force.
    Model held;
    Build(v, p[0] + 3, held, true);
    Restrain(held);
    ASSERT_TRUE(held.f.Solve()) << where;
    ASSERT_NEAR(v.R1p, held.f.Reaction(held.joint, 2), 1e-5) << where;
    ASSERT_NEAR(v.R2p, held.f.Reaction(3, 0), 1e-5) << where;
    Model turn, sway;
    Build(v, p[0] + 3, turn, false);
    Build(v, p[0] + 3, sway, false);
    turn.f.NodalLoad(turn.joint, 0, 0, 1);
    sway.f.NodalLoad(3, 1, 0);
    ASSERT_TRUE(turn.f.Solve() && sway.f.Solve()) << where;
    const double f11 = turn.f.Rotation(turn.joint), f21 = turn.f.Ux(3);
    const double f12 = sway.f.Rotation(sway.joint), f22 = sway.f.Ux(3);
    const double det = f11 * f22 - f12 * f21;
    ASSERT_NEAR(v.r11, f22 / det, 1e-5 * (1 + std::fabs(v.r11))) << where;
    ASSERT_NEAR(v.r12, -f12 / det, 1e-5 * (1 + std::fabs(v.r12))) << where;
    ASSERT_NEAR(v.r22, f11 / det, 1e-5 * (1 + std::fabs(v.r22))) << where;
    ++checked;
    if (testing_support::FullSweep() && n % 29 != 0) continue;
    const auto texts = RunRow({p});
    const std::vector<double> row = NumbersAfter(texts.answers, "Z_2 $}\\\\\\hline", 8);
    ASSERT_EQ(row.size(), 8u) << texts.answers;
    const double want[7] = {v.r11, v.r12, v.r22, v.R1p, v.R2p, v.Z1, v.Z2};
    for (int i = 0; i < 7; ++i) ASSERT_NEAR(row[i + 1], want[i], 6e-4) << where;
    const std::vector<double> reactions = NumbersAfter(texts.second_answers, "\\\\\\hline", 10);
    ASSERT_EQ(reactions.size(), 10u) << texts.second_answers;
    for (int k = 1; k <= 3; ++k) {
      // The printed reactions, against the values just checked with the stiffness method.
      ASSERT_NEAR(reactions[3 * k - 2], v.RM[k], 6e-4) << where;
      ASSERT_NEAR(reactions[3 * k - 1], v.RX[k], 6e-4) << where;
      ASSERT_NEAR(reactions[3 * k], v.RY[k], 6e-4) << where;
    }
    ASSERT_EQ(texts.main.find("nan"), std::string::npos) << where;
    ASSERT_EQ(texts.second_answers.find("-0.000"), std::string::npos) << where;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 8 * 3 * 5 * 5 * 5 * 8));
}


TEST(FrameDisplacementMethodTest, LoadPlacement) {
  // P4 = P5 = 5: the force moves to member 1; P6 = 5 meets q, then the force, and lands on 2.
  FrameDisplacementVariant v = DeriveFrameDisplacementVariant(1, 1, 1, 5, 5, 5, 1);
  EXPECT_EQ(v.QMember, 5);
  EXPECT_EQ(v.PMember, 1);
  EXPECT_EQ(v.MMember, 2);
  // P2 = 1: every column hangs, the spans lose their 5 m.
  EXPECT_EQ(v.X[5], 8);
  EXPECT_EQ(v.X[6], 15);
  v = DeriveFrameDisplacementVariant(2, 8, 3, 1, 2, 1, 8);
  EXPECT_EQ(v.MMember, 3);
  EXPECT_EQ(v.X[5], 9);
}

TEST(FrameDisplacementMethodTest, GoldenLines) {
  // All columns hanging with the loads moved on; all rising; a couple on column 1, hinged at
  // both ends (support A pinned, joint 5 the rigid one).
  const auto texts = RunRow({{1, 1, 1, 5, 5, 5, 1}, {2, 8, 3, 1, 2, 1, 8}, {2, 3, 1, 2, 3, 1, 4}});
  EXPECT_NE(texts.answers.find("1& 0.875& 0.083& 0.042& 2.250& 0.625&-1.412&-12.176 \\\\"
                               "2& 1.167&-0.094& 0.029&-9.000&27.375&-90.692&-1224.615 \\\\"
                               "3& 1.016&-0.122& 0.044&-20.417&15.984&-36.130&-466.665 \\\\"),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.second_answers.find(
                "1\r\n &  0.000 &  0.912 & -0.066\r\n & -1.515 &  0.919 & 21.066\r\n"
                " & -1.015 &  0.169 & 21.000\r\n \\\\"
                "2\r\n & 121.404 & 47.175 & -3.359\r\n & 101.135 & 24.700 &  0.000\r\n"
                " &  0.000 &  1.125 &  3.359\r\n \\\\"
                "3\r\n &  0.000 &  0.571 & -0.553\r\n & 67.236 & 29.402 & -0.088\r\n"
                " & -23.184 &  1.026 &  0.641\r\n \\\\"),
            std::string::npos)
      << texts.second_answers;
  const char* lines[] = {
      "\\Red{{\\thicklines\\put(0,26){\\vector(-1,0){20}}\r\n\\put(-14,29){\\scriptsize "
      "\\Brown{$P$}}\r\n}}\\put(69.33,26){\\usebox{\\dmomentm}}",
      "\\vfill\\parbox[b]{180pt}{\\small $q=$6~кН/м, $P=$2~кН, $m=$4~кНм.}\\\\ \r\n",
      "\\put(0,57.78){\\usebox{\\upzadelka}}\\put(65,57.78){\\usebox{\\upzadelka}}"
      "\\put(130,57.78){\\usebox{\\uphing}}",
      "\\put(0,12.86){\\usebox{\\dmomentm}}\\put(-17,18.86){\\scriptsize \\Brown{$m$}}\r\n",
      "\\vfill\\parbox[b]{180pt}{\\small $q=$5~кН/м, $P=$4~кН, $m=$4~кНм.}\\\\ \r\n",
  };
  for (const char* line : lines) EXPECT_NE(texts.main.find(line), std::string::npos) << line;
  // No working values and no failure marker in the students' copy.
  EXPECT_EQ(texts.main.find("r[1]="), std::string::npos);
  EXPECT_EQ(texts.main.find("QP["), std::string::npos);
  EXPECT_EQ(texts.main.find("*****"), std::string::npos);
}

}  // namespace
}  // namespace structural
