#include "subjects/structural/cantilever_frame_displacement.h"

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

// The drawn frame by the stiffness method: clamped at point 1, the forces and the couple as
// placed, and optionally a unit load at the free end instead.
struct Solved {
  double ux = 0, uy = 0, rotation = 0;
  std::vector<double> start, end;  // moments of the loads beyond each member's start / end
  PlaneFrame frame;
};

void Build(const CantileverFrameVariant& v, PlaneFrame& f) {
  for (int i = 1; i <= 5; ++i) f.AddNode(v.X[i], v.Y[i]);
  for (int k = 1; k <= 4; ++k) f.AddMember(k - 1, k, 1, 1e6);
  f.Clamp(0);
}

Solved SolveLoads(const CantileverFrameVariant& v) {
  Solved out;
  PlaneFrame& f = out.frame;
  Build(v, f);
  for (int i = 2; i <= 5; ++i) {
    const double m = v.CouplePoint == i ? v.Couple : 0;
    if (v.FX[i] != 0 || v.FY[i] != 0 || m != 0) f.NodalLoad(i - 1, v.FX[i], v.FY[i], m);
  }
  EXPECT_TRUE(f.Solve()) << f.Error();
  out.ux = f.Ux(4);
  out.uy = f.Uy(4);
  out.rotation = f.Rotation(4);
  for (int k = 0; k < 4; ++k) {
    const std::vector<double> e = f.EndForces(k);
    out.start.push_back(-e[2]);
    out.end.push_back(e[5]);
  }
  return out;
}

// Simpson's rule over each member on the solver's moments of two states.
std::vector<double> Shares(const CantileverFrameVariant& v, const PlaneFrame& load,
                           const PlaneFrame& unit) {
  std::vector<double> out;
  for (int k = 0; k < 4; ++k) {
    const double l = v.Length[k + 1];
    auto f = [&](double s) { return load.Moment(k, s) * unit.Moment(k, s); };
    out.push_back(l / 6 * (f(0) + 4 * f(l / 2) + f(l)));
  }
  return out;
}

std::vector<double> Numbers(std::string row) {
  for (char& c : row)
    if (c == '&') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants,
                              int first = 1, int level = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first;
  s->Level = level;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 38); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 38); }, variants);
}

TEST(CantileverFrameDisplacementTest, AnswersMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {4, 4, 4, 4, 4, 10, 15}, 1500, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const CantileverFrameVariant v =
        DeriveCantileverFrameVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    // The frame never folds back onto itself: the members are at least 2 m long.
    for (int k = 1; k <= 4; ++k) ASSERT_GE(v.Length[k], 2) << where;
    const Solved loads = SolveLoads(v);
    PlaneFrame unit_x, unit_y, unit_phi;
    for (PlaneFrame* f : {&unit_x, &unit_y, &unit_phi}) Build(v, *f);
    unit_x.NodalLoad(4, 1, 0);
    unit_y.NodalLoad(4, 0, 1);
    unit_phi.NodalLoad(4, 0, 0, 1);
    for (PlaneFrame* f : {&unit_x, &unit_y, &unit_phi}) ASSERT_TRUE(f->Solve());
    const std::vector<double> sx = Shares(v, loads.frame, unit_x);
    const std::vector<double> sy = Shares(v, loads.frame, unit_y);
    const std::vector<double> sphi = Shares(v, loads.frame, unit_phi);

    // The printed answers, read back from the files of a one-variant run.
    if (testing_support::FullSweep() && n % 37 != 0) {
      ASSERT_NEAR(v.DeltaX, loads.ux, 1e-4 + 1e-6 * std::fabs(loads.ux)) << where;
      ASSERT_NEAR(v.DeltaY, loads.uy, 1e-4 + 1e-6 * std::fabs(loads.uy)) << where;
      ASSERT_NEAR(v.DeltaPhi, loads.rotation, 1e-4 + 1e-6 * std::fabs(loads.rotation)) << where;
      for (int k = 0; k < 4; ++k) {
        ASSERT_NEAR(v.ShareX[k + 1], sx[k], 1e-4 + 1e-6 * std::fabs(sx[k])) << where;
        ASSERT_NEAR(v.ShareY[k + 1], sy[k], 1e-4 + 1e-6 * std::fabs(sy[k])) << where;
        ASSERT_NEAR(v.SharePhi[k + 1], sphi[k], 1e-4 + 1e-6 * std::fabs(sphi[k])) << where;
      }
      ++checked;
      continue;
    }
    const auto texts = RunRow({p}, 1, points[n].level);
    const std::string head_end = "$\\Delta_y$\\\\\\hline";
    const std::string row_text = texts.answers.substr(texts.answers.find(head_end) + head_end.size());
    const std::vector<double> row = Numbers(row_text.substr(0, row_text.find("\\\\")));
    ASSERT_EQ(row.size(), 12u) << texts.answers;
    for (int k = 4; k >= 1; --k) {
      const int c = 1 + 2 * (4 - k);
      ASSERT_NEAR(row[c], loads.end[k - 1], 0.006) << where << " member " << k;
      ASSERT_NEAR(row[c + 1], loads.start[k - 1], 0.006) << where << " member " << k;
    }
    ASSERT_NEAR(row[9], loads.rotation, 0.006) << where;
    ASSERT_NEAR(row[10], loads.ux, 0.006) << where;
    ASSERT_NEAR(row[11], loads.uy, 0.006) << where;

    const std::string head2_end = "$\\Delta_{\\varphi 4}$\\\\\\hline";
    const std::string second =
        texts.second_answers.substr(texts.second_answers.find(head2_end) + head2_end.size());
    const std::vector<double> shares = Numbers(second.substr(0, second.find("\\\\")));
    ASSERT_EQ(shares.size(), 13u) << texts.second_answers;
    for (int k = 0; k < 4; ++k) {
      ASSERT_NEAR(shares[1 + k], sx[k], 0.051) << where << " member " << k + 1;
      ASSERT_NEAR(shares[5 + k], sy[k], 0.051) << where << " member " << k + 1;
      ASSERT_NEAR(shares[9 + k], sphi[k], 0.051) << where << " member " << k + 1;
    }
    ASSERT_EQ(texts.main.find("nan"), std::string::npos) << where;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 4 * 4 * 4 * 4 * 10 * 15));
}

TEST(CantileverFrameDisplacementTest, LengthsAndLoadRules) {
  // P6 = 7: lengths 5, 3, 1, 0 become 5, 3, 2, 3 (no collinear members here).
  CantileverFrameVariant v = DeriveCantileverFrameVariant(1, 2, 1, 2, 1, 7, 1);
  EXPECT_EQ(v.Length[1], 5);
  EXPECT_EQ(v.Length[2], 3);
  EXPECT_EQ(v.Length[3], 2);
  EXPECT_EQ(v.Length[4], 3);
  // P2 opposite P1: member 2 continues member 1, couple 1 is applied.
  v = DeriveCantileverFrameVariant(1, 3, 2, 1, 1, 1, 15);
  EXPECT_EQ(v.Dir[2], 1);
  EXPECT_EQ(v.CouplePoint, 2);
  // The free end straight above point 2: m = 0, couple 1 applied with the value 0.
  v = DeriveCantileverFrameVariant(1, 1, 2, 3, 1, 7, 1);
  EXPECT_EQ(v.X[5], v.X[2]);
  EXPECT_EQ(v.CouplePoint, 2);
  EXPECT_EQ(v.Couple, 0);
}

TEST(CantileverFrameDisplacementTest, GoldenLines) {
  // P6 = 7 (lengths 5, 3, 2, 3), P2 opposite P1 (couple 1), and the free end above point 2
  // (m = 0: couple 1 applied with the value 0, the data line still names m).
  const auto texts =
      RunRow({{1, 2, 1, 2, 1, 7, 1}, {1, 3, 2, 1, 1, 1, 15}, {1, 1, 2, 3, 1, 7, 1}}, 5);
  EXPECT_NE(texts.answers.find("5 & 0&9&9&9&-27&-18&-18&-18& -126 & 756 & -522  \\\\6 & "
                               "0&6&6&6&6&18&-18&-6& 36 & -75 & -92  \\\\7 & "
                               "0&9&9&9&9&0&0&-12& 39 & -30 & -226"),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.main.find("\\vskip3mm\\small $P=3$~кН, $m=0$~кНм"), std::string::npos);
  EXPECT_NE(texts.second_answers.find("5\r\n&540.0\r\n&297.0\r\n&-54.0\r\n&-27.0\r\n"),
            std::string::npos)
      << texts.second_answers;
}

}  // namespace
}  // namespace structural
