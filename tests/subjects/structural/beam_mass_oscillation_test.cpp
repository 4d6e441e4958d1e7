#include "subjects/structural/beam_mass_oscillation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

// Flexibilities of the drawn beam by the stiffness method: EJ = 1000 N m^2 with lengths in
// cm gives displacements in the printed unit (10^6 m/N) directly.
struct Flexibility {
  double d11, d12, d22;
};

Flexibility SolveDrawnBeam(const BeamMassVariant& v) {
  std::set<int> xs = {0, 100, v.Mass1X, v.Mass2X};
  if (!v.Clamped) xs.insert(v.PinX);
  if (v.HasRoller) xs.insert(v.RollerX);
  if (v.HasHinge) xs.insert(v.HingeX);
  const std::vector<int> at(xs.begin(), xs.end());
  const auto node = [&](int x) {
    return static_cast<int>(std::find(at.begin(), at.end(), x) - at.begin());
  };
  Flexibility f{};
  for (int load = 1; load <= 2; ++load) {
    PlaneFrame frame;
    for (int x : at) frame.AddNode(x, 0);
    for (size_t i = 0; i + 1 < at.size(); ++i) {
      frame.AddMember(static_cast<int>(i), static_cast<int>(i) + 1, 1000, 1e9, false,
                      v.HasHinge && at[i + 1] == v.HingeX);
    }
    if (v.Clamped) {
      frame.Clamp(node(0));
    } else {
      frame.Pin(node(v.PinX));
    }
    if (v.HasRoller) frame.RollerY(node(v.RollerX));
    frame.NodalLoad(node(load == 1 ? v.Mass1X : v.Mass2X), 0, -1);
    EXPECT_TRUE(frame.Solve()) << frame.Error();
    // Deflections downward, as the unit loads act.
    const double y1 = -frame.Uy(node(v.Mass1X)), y2 = -frame.Uy(node(v.Mass2X));
    if (load == 1) {
      f.d11 = y1;
      f.d12 = y2;  // Maxwell: the same as the deflection at 1 under the load at 2
    } else {
      f.d22 = y2;
      EXPECT_NEAR(y1, f.d12, 1e-9 * (1 + std::fabs(y1)));
    }
  }
  return f;
}

// Frequencies from the symmetric form M^1/2 D M^1/2: its eigenvalues are 1 / omega^2.
void Frequencies(const Flexibility& f, double m1, double m2, double& high, double& low) {
  const double a = f.d11 * 1e-6 * m1, d = f.d22 * 1e-6 * m2;
  const double b = f.d12 * 1e-6 * std::sqrt(m1 * m2);
  const double mid = (a + d) / 2, rad = std::hypot((a - d) / 2, b);
  high = 1 / std::sqrt(mid - rad);
  low = 1 / std::sqrt(mid + rad);
}

std::vector<double> PrintedRow(const std::string& answers) {
  // The last row: "NN&d11&d12&d22&w1&w2 \\".
  const size_t at = answers.rfind("\\\\ \\hline");
  const size_t start = answers.find("\r\n", at) + 2;
  std::string row = answers.substr(start, answers.find("\\\\", start) - start);
  std::replace(row.begin(), row.end(), '&', ' ');
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

TEST(BeamMassOscillationTest, FlexibilitiesAndFrequenciesMatchTheStiffnessMethod) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {10, 10, 10, 10, 10, 10, 10}, 1500, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const BeamMassVariant v = DeriveBeamMassVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    const Flexibility f = SolveDrawnBeam(v);
    const std::string where = testing_support::Describe(points[k]);
    ASSERT_NEAR(v.d11, f.d11, 1e-7 * f.d11) << where;
    ASSERT_NEAR(v.d22, f.d22, 1e-7 * f.d22) << where;
    ASSERT_NEAR(v.d12, f.d12, 1e-7 * (1 + std::fabs(f.d12))) << where;
    double high, low;
    Frequencies(f, v.m1, v.m2, high, low);
    ASSERT_NEAR(v.Omega1, high, 1e-6 * high) << where;
    ASSERT_NEAR(v.Omega2, low, 1e-6 * low) << where;
    ASSERT_GE(v.Omega1, v.Omega2) << where;
    ASSERT_NE(v.m1, v.m2) << where;
    // The printed row, read back, on the normal sample (and every 97th set of the full one).
    if (!testing_support::FullSweep() || k % 97 == 0) {
      auto s = testing_support::NewState();
      const auto texts = testing_support::RunBeginVariant(
          *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 35); },
          [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 35); },
          {{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}});
      const std::vector<double> row = PrintedRow(texts.answers);
      ASSERT_EQ(row.size(), 6u) << texts.answers;
      EXPECT_EQ(row[0], 1);
      const double expected[5] = {f.d11, f.d12, f.d22, high, low};
      for (int i = 0; i < 5; ++i) {
        ASSERT_NEAR(row[i + 1], expected[i], 0.0006) << where << " column " << i + 2;
      }
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10000000LL));
}

TEST(BeamMassOscillationTest, ModelOfTheEdgeCases) {
  // P6 = P7: the second mass is one kilogram heavier.
  BeamMassVariant v = DeriveBeamMassVariant(2, 1, 1, 1, 1, 4, 4);
  EXPECT_EQ(v.m1, 7);
  EXPECT_EQ(v.m2, 8);
  // Scheme 5: mass 1 at the free left end, the pin at A = P4 + 25, roller at S = P2 + 65.
  v = DeriveBeamMassVariant(5, 3, 1, 2, 1, 1, 2);
  EXPECT_EQ(v.Mass1X, 0);
  EXPECT_EQ(v.PinX, 27);
  EXPECT_EQ(v.RollerX, 68);
  EXPECT_FALSE(v.Clamped);
  // Scheme 10: mass 1 between the hinge and the roller.
  v = DeriveBeamMassVariant(10, 10, 10, 10, 1, 1, 2);
  EXPECT_EQ(v.HingeX, 30);
  EXPECT_EQ(v.Mass1X, 60);
  EXPECT_EQ(v.RollerX, 75);
  EXPECT_TRUE(v.Clamped);
  // Schemes 3 and 7: a load at the free end lifts the other mass, so delta12 < 0.
  EXPECT_LT(DeriveBeamMassVariant(3, 1, 1, 1, 1, 1, 2).d12, 0);
  EXPECT_LT(DeriveBeamMassVariant(7, 1, 1, 1, 1, 1, 2).d12, 0);
}

TEST(BeamMassOscillationTest, GoldenLines) {
  auto s = testing_support::NewState();
  s->FirstNumber = 3;
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 35); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 35); },
      {{2, 1, 1, 1, 1, 4, 4}, {5, 3, 1, 2, 1, 1, 2}, {3, 1, 1, 1, 1, 1, 2}});
  const std::string& ans = texts.answers;
  // Scheme 2 with P6 = P7; scheme 5; scheme 3, whose delta12 is negative (a load at the free
  // end lifts the span).
  EXPECT_NE(ans.find(" 3&  12.339&  12.034&  16.785& 241.535&  70.097 \\\\"
                     " 4&  16.524&   5.904&  24.917& 133.702&  86.149 \\\\"
                     " 5&   3.621&  -8.376&  64.533& 316.254&  55.287 \\\\\\hline"),
            std::string::npos)
      << ans;
  EXPECT_NE(ans.find(" & \\multicolumn{3}{c|}{$см^3$} & \\multicolumn{2}{c|}{рад/c}\\\\ \\hline "),
            std::string::npos);
  const std::string& main = texts.main;
  // Scheme 2: the beam stops 1.5 short of the roller; masses of 7 and 8 kg.
  EXPECT_NE(main.find("\\put(0,-1.5){\\usebox{\\hing}}\\put(100,-1.8){\\usebox{\\dnst}}"),
            std::string::npos);
  EXPECT_NE(main.find("\\mt{0}{0}\\pp{98.5}{0}"), std::string::npos);
  EXPECT_NE(main.find(" \\parbox[b]{60pt}{$m_1=7$~кг,\\\\ $m_2=8$~кг.}"), std::string::npos);
  // Scheme 5: the pin at A = 27, the first mass at the free left end.
  EXPECT_NE(main.find("\\put(27,-1.5){\\usebox{\\hing}}\\put(68,-1.8){\\usebox{\\dnst}}"),
            std::string::npos);
  EXPECT_NE(main.find("\\put(0,0){\\circle*{ 5}}\\put(100,0){\\circle*{ 5}}"),
            std::string::npos);
  EXPECT_NE(main.find("\\put(11.5,-22){\\scriptsize 27}\\put(45.5,-22){\\scriptsize 41}"),
            std::string::npos);
}

}  // namespace
}  // namespace structural
