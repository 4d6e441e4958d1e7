#include "subjects/structural/one_joint_frame.h"

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

// The drawn frame with EI = J and its loads as drawn (a positive signed load acts down on a
// horizontal member, to the left on the column; a positive couple turns clockwise). Node 0 is
// the joint; first[k] / last[k] are the parts of member k at the joint and at its far end.
struct Model {
  PlaneFrame f;
  int first[4] = {}, last[4] = {};
};

void Build(const OneJointFrameVariant& v, Model& m, bool loads, bool restrained) {
  PlaneFrame& f = m.f;
  const int joint = f.AddNode(v.X[2], v.Y[2]);
  const int far_point[4] = {0, 1, 3, 4}, load_point[4] = {0, 5, 6, 7};
  for (int k = 1; k <= 3; ++k) {
    const int far = f.AddNode(v.X[far_point[k]], v.Y[far_point[k]]);
    const bool horizontal = k != 3;
    const int kind = loads ? v.LoadKind[k] : 4;
    const double load = -v.Signed[k];
    if (v.LoadKind[k] == 2 || v.LoadKind[k] == 3) {
      const int mid = f.AddNode(v.X[load_point[k]], v.Y[load_point[k]]);
      m.first[k] = f.AddMember(joint, mid, v.J[k]);
      m.last[k] = f.AddMember(mid, far, v.J[k]);
      if (kind == 3) f.NodalLoad(mid, horizontal ? 0 : load, horizontal ? load : 0);
      if (kind == 2) f.NodalLoad(mid, 0, 0, load);
    } else {
      m.first[k] = m.last[k] = f.AddMember(joint, far, v.J[k]);
      if (kind == 1) {
        // Along the member's local y: down for the left member, up for the right one, right
        // for a column drawn downward and left for one drawn upward.
        const double local = k == 1 ? -load : k == 2 ? load : -v.G * load;
        f.UniformLoad(m.first[k], local);
      }
    }
    if (v.FarKind[k] == 1) {
      f.Clamp(far);
    } else if (v.FarKind[k] == 2 && horizontal) {
      f.RollerY(far);
    } else {
      f.Pin(far);
    }
  }
  if (restrained) f.Fix(joint, false, false, true);
}

// The program's moments are the solver's with the opposite sign: positive stretches the side
// the diagram is drawn on (above the right member, below the left one).
double End(const Model& m, int k, bool far) {
  const int member = far ? m.last[k] : m.first[k];
  return -m.f.Moment(member, far ? m.f.Length(member) : 0);
}
double AtLoad(const Model& m, int k, bool far_side) {
  return far_side ? -m.f.Moment(m.last[k], 0) : -m.f.Moment(m.first[k], m.f.Length(m.first[k]));
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants,
                                 bool students = false) {
  auto s = testing_support::NewState();
  if (students) testing_support::SetStudentsMode(*s);
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 13); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 13); }, variants);
}

std::vector<double> Cells(const std::string& row) {
  std::vector<double> out;
  std::stringstream in(row);
  std::string cell;
  while (std::getline(in, cell, '&')) out.push_back(std::stod(cell));
  return out;
}

TEST(OneJointFrameTest, AnswersMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 3, 4, 3, 3, 4, 60}, 2000, 1, 1);
  long long checked = 0;
  for (const auto& point : points) {
    const auto& p = point.p;
    const std::string where = testing_support::Describe(point);
    const OneJointFrameVariant v =
        DeriveOneJointFrameVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    // The whole frame: rotation of the joint and the final moments at every end and on both
    // sides of every load point.
    Model real;
    Build(v, real, true, false);
    ASSERT_TRUE(real.f.Solve()) << where << real.f.Error();
    ASSERT_NEAR(v.Z1, real.f.Rotation(0), 1e-6) << where;
    for (int k = 1; k <= 3; ++k) {
      ASSERT_NEAR(v.MJoint[k], End(real, k, false), 1e-5) << where << " member " << k;
      ASSERT_NEAR(v.MFar[k], End(real, k, true), 1e-5) << where << " member " << k;
      if (real.first[k] != real.last[k]) {
        ASSERT_NEAR(v.MLoadJoint[k], AtLoad(real, k, false), 1e-5) << where << " member " << k;
        ASSERT_NEAR(v.MLoadFar[k], AtLoad(real, k, true), 1e-5) << where << " member " << k;
      }
    }
    // The restrained system under the loads: Rp is the joint's reaction, Mp the joint ends.
    Model held;
    Build(v, held, true, true);
    ASSERT_TRUE(held.f.Solve()) << where;
    ASSERT_NEAR(v.Rp, held.f.Reaction(0, 2), 1e-5) << where;
    for (int k = 1; k <= 3; ++k) {
      ASSERT_NEAR(v.MpJoint[k], End(held, k, false), 1e-5) << where << " member " << k;
      ASSERT_NEAR(v.MpFar[k], End(held, k, true), 1e-5) << where << " member " << k;
    }
    // A unit rotation: a couple c at the free joint turns it by c / r1.
    Model unit;
    Build(v, unit, false, false);
    unit.f.NodalLoad(0, 0, 0, 1);
    ASSERT_TRUE(unit.f.Solve()) << where;
    const double theta = unit.f.Rotation(0);
    ASSERT_NEAR(v.R1, 1 / theta, 1e-6 * v.R1) << where;
    for (int k = 1; k <= 3; ++k) {
      ASSERT_NEAR(v.M1Joint[k], End(unit, k, false) / theta, 1e-5) << where << " member " << k;
      ASSERT_NEAR(v.M1Far[k], End(unit, k, true) / theta, 1e-5) << where << " member " << k;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 3 * 4 * 3 * 3 * 4 * 60));
}

TEST(OneJointFrameTest, PrintedRowAndDiagramFollowTheSolution) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 3, 4, 3, 3, 4, 60}, 150, 1, 1);
  std::vector<testing_support::VariantParams> variants;
  for (const auto& point : points) {
    variants.push_back(point.p);
    if (variants.size() == 40) break;
  }
  const auto texts = RunRow(variants);
  EXPECT_EQ(texts.main.find("nan"), std::string::npos);
  EXPECT_EQ(texts.answers.find("nan"), std::string::npos);
  // Rows of the second answers file: number, r1, m11..m13, Rp, Mp1..Mp3, Z1.
  // The shell ends each row with " \\\\" and no line end: split the rows there.
  std::string all = texts.second_answers.substr(texts.second_answers.find("$Z_1$ \\\\\\hline") + 14);
  size_t row = 0;
  for (size_t at = 0; at < all.size();) {
    size_t end = all.find("\\\\", at);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(at, end - at);
    at = end + 2;
    line.erase(0, line.find_first_not_of(" \r\n"));
    if (line.empty() || line[0] < '0' || line[0] > '9') continue;
    const auto n = Cells(line);
    ASSERT_EQ(n.size(), 10u) << line;
    ASSERT_LT(row, variants.size());
    const auto& p = variants[row];
    const OneJointFrameVariant v =
        DeriveOneJointFrameVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    EXPECT_EQ(n[0], static_cast<double>(row + 1));
    const double want[9] = {v.R1, v.M1Joint[1], v.M1Joint[2], v.M1Joint[3], v.Rp,
                            v.MpJoint[1], v.MpJoint[2], v.MpJoint[3], v.Z1};
    for (int i = 0; i < 9; ++i) EXPECT_NEAR(n[i + 1], want[i], 6e-4) << line;
    ++row;
  }
  EXPECT_EQ(row, variants.size());
}

TEST(OneJointFrameTest, StudentsAnswersBoxesHoldTheirDiagramsTwoARow) {
  // In students mode two answers boxes share a row of 429pt, each framed with the 8pt \fboxsep
  // and 0.4pt rule the problem set leaves set; each box holds its diagram's picture.
  std::vector<testing_support::VariantParams> variants;
  for (const auto& point :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 3, 4, 3, 3, 4, 60}, 39, 1, 1)) {
    if (variants.size() < 39) variants.push_back(point.p);
  }
  const std::string answers = RunRow(variants, true).answers;
  int boxes = 0;
  for (std::size_t at = answers.find("\\fbox{\\parbox{"); at != std::string::npos;
       at = answers.find("\\fbox{\\parbox{", at + 1)) {
    ++boxes;
    const double width = std::stod(answers.substr(at + 14));
    EXPECT_LE(2 * (width + 2 * 8.4), 429.0);
    const std::size_t picture = answers.find("\\begin{picture}(", at);
    ASSERT_NE(picture, std::string::npos);
    EXPECT_LE(std::stod(answers.substr(picture + 16)), width);
  }
  EXPECT_EQ(boxes, static_cast<int>(variants.size()));
}

TEST(OneJointFrameTest, DataRules) {
  // Equal roller ends become roller and fixed, equal hinged ends hinge and roller.
  EXPECT_EQ(DeriveOneJointFrameVariant(2, 2, 1, 1, 1, 1, 1).FarKind[2], 1);
  EXPECT_EQ(DeriveOneJointFrameVariant(3, 3, 1, 1, 1, 1, 1).FarKind[2], 2);
  // Column height: 10 or more becomes 6 (the smallest computed height is 5).
  EXPECT_EQ(DeriveOneJointFrameVariant(1, 1, 1, 1, 1, 1, 1).L[3], 5);
  const auto tall = DeriveOneJointFrameVariant(1, 1, 4, 3, 3, 4, 60);  // 1+4+3+1+3+3 = 15
  EXPECT_EQ(tall.L[3], 6);
  EXPECT_DOUBLE_EQ(tall.Y[4], 6);
  // The left member's couple at P7 = 30 turns with the sign +1.
  EXPECT_GT(DeriveOneJointFrameVariant(1, 1, 1, 2, 1, 1, 30).Signed[1], 0);
  EXPECT_LT(DeriveOneJointFrameVariant(1, 1, 1, 2, 1, 1, 29).Signed[1], 0);
  // An unloaded column: the text lists only the loads that occur.
  const auto texts = RunRow({{1, 1, 1, 1, 1, 4, 5}});
  EXPECT_NE(texts.main.find("$q=$"), std::string::npos);
  EXPECT_EQ(texts.main.find("$P=$"), std::string::npos);
  EXPECT_EQ(texts.main.find("$m=$"), std::string::npos);
}

TEST(OneJointFrameTest, GoldenLines) {
  // Equal roller ends (the right end becomes fixed), equal hinged ends (a roller) and an
  // unloaded column.
  const auto texts = RunRow({{2, 2, 1, 1, 2, 3, 30}, {3, 3, 2, 3, 1, 4, 45}});
  for (const char* part :
       {"1& 2.694& 0.750& 0.444& 1.500&58.370&64.000& 5.370&-11.000&-21.663 \\\\",
        "2& 2.926& 1.714& 0.545& 0.667&118.615&-17.510&136.125& 0.000&-40.533 \\\\"}) {
    EXPECT_NE(texts.second_answers.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace structural
