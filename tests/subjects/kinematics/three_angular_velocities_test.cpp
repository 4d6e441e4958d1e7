#include "subjects/kinematics/three_angular_velocities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/mechanism_figure.h"

namespace {

using kinematics_check::RunOne;
using mechanism_figure::CircleMeets;
using mechanism_figure::Len;
using mechanism_figure::NumberAfter;
using mechanism_figure::Perp;
using mechanism_figure::Vec;

constexpr double kPi = 3.14159265358979323846;

// The dimensions of the figure: the horizontal one (drawn first) and the vertical one (framed
// by its comment lines); NaN where the figure has none.
struct Dimensions {
  double h = std::nan(""), v = std::nan("");
};
Dimensions ReadDimensions(const std::string& main) {
  Dimensions d;
  const std::size_t vertical = main.find("% размер по вертикали BEG");
  const std::size_t first = main.find("{\\scriptsize ");
  if (first != std::string::npos && first < vertical) d.h = NumberAfter(main, "{\\scriptsize ");
  if (vertical != std::string::npos) d.v = NumberAfter(main, "{\\scriptsize ", vertical);
  return d;
}

// The printed angular velocities must hold for the linkage a student builds from the answered
// lengths on the drawn supports: the velocity of B reached through O-A-B equals the one about
// C. Supports and the crank angle come from the figure and its dimensions; B (and, where AB is
// given perpendicular to OC, A) may lie on either branch of the assembly, so some branch must
// carry the printed values.
void CheckRow16(const kinematics_check::Params& p) {
  const auto v = RunOne(16, p);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers;
  const double w_oa = NumberAfter(v.main, "$\\omega_{OA}=");
  const double w_ab = NumberAfter(v.main, "$\\omega_{AB}=");
  const double w_bc = NumberAfter(v.main, "$\\omega_{BC}=");
  const auto cells = kinematics_check::Cells(v.answers);
  ASSERT_EQ(cells.size(), 4u) << what;
  const double oa = cells[1], ab = cells[2], bc = cells[3];
  ASSERT_TRUE(oa > 0 && ab > 0 && bc > 0) << what;

  const auto hinges = mechanism_figure::BoxPlaces(v.main, "hing");
  ASSERT_EQ(hinges.size(), 2u) << what;
  const Vec pic = hinges[1] - hinges[0];
  const Dimensions dim = ReadDimensions(v.main);
  const Vec O{0, 0};
  const Vec C{std::isnan(dim.h) ? 0 : std::copysign(dim.h, pic.x),
              std::isnan(dim.v) ? 0 : std::copysign(dim.v, pic.y)};
  EXPECT_LT(std::abs(pic.x) * (std::isnan(dim.h) ? 1 : 0), 1e-6) << what;

  std::vector<std::pair<Vec, Vec>> branches;  // (A, B)
  const bool crank_angle = v.main.find("{\\usebox{\\aNGL") != std::string::npos;
  if (crank_angle) {
    const double theta = (v.main.find("{\\usebox{\\aNGLL}}") != std::string::npos ? 45 : 60) * kPi / 180;
    EXPECT_NEAR(oa, NumberAfter(v.main, "$OA="), 1e-3) << what;
    const Vec A{oa * std::cos(theta), oa * std::sin(theta)};
    for (const Vec& B : CircleMeets(A, ab, C, bc)) branches.push_back({A, B});
  } else {
    ASSERT_NE(v.main.find("$AB\\perp OC$"), std::string::npos) << what;
    EXPECT_NEAR(ab, NumberAfter(v.main, "$AB\\perp OC$, $AB="), 1e-3) << what;
    // OC is horizontal here: A on the circle about O, B = A + (0, t), |B - C| = BC.
    for (double t : {ab, -ab}) {
      for (const Vec& A : CircleMeets(O, oa, C - Vec{0, t}, bc)) branches.push_back({A, A + Vec{0, t}});
    }
  }
  ASSERT_FALSE(branches.empty()) << what;
  double best = 1e300;
  for (const auto& [A, B] : branches) {
    const Vec r = w_oa * Perp(A - O) + w_ab * Perp(B - A) - w_bc * Perp(B - C);
    best = std::min(best, Len(r));
  }
  // The lengths are printed to 3 decimals; B moves by their error over the sine of the angle at
  // which the circles meet.
  const double scale = std::abs(w_oa) * oa + std::abs(w_ab) * ab + std::abs(w_bc) * bc;
  EXPECT_LT(best, 2e-3 * scale) << what << "\nresidual " << best << " of " << scale;
}

TEST(ThreeAngularVelocities, PrintedRatesHoldForTheAnsweredLinkage) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {10, 2, 4, 4, 4, 1, 1}, 1280,
      [&](const auto& p, int) {
        CheckRow16(p);
        ++checked;
      },
      1);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 1280)) << checked;
}

TEST(ThreeAngularVelocities, RoundingOfThePrintedRates) {
  struct Case {
    double w, printed;
  };
  for (const Case& c : {Case{2.04, 2}, {2.6, 3}, {-2.6, -3}, {2.0, 2}, {1.96, 2}, {1.94, 1.9},
                        {0.25, 0.2}, {-0.04, 0}, {7.5, 8}, {6.5, 6}}) {
    EXPECT_NEAR(kinematics::RoundAngularVelocity(c.w), c.printed, 1e-12) << c.w;
  }
}

TEST(ThreeAngularVelocities, GoldenLines) {
  // Scheme 5 with CB driving at 3: AB and BC round to 3 alike, so AB is printed doubled.
  const auto tie = RunOne(16, {5, 2, 1, 1, 3, 1, 1});
  EXPECT_NE(tie.main.find("$\\omega_{AB}=6$,\r\n$\\omega_{BC}=3,$\r\n$OA=31$."),
            std::string::npos)
      << tie.main;
  // C straight below O: the vertical dimension alone, and no dashed line.
  EXPECT_TRUE(std::isnan(ReadDimensions(tie.main).h)) << tie.main;
  EXPECT_EQ(ReadDimensions(tie.main).v, 32) << tie.main;
  EXPECT_EQ(tie.main.find("\\multiput"), std::string::npos) << tie.main;
  EXPECT_NE(tie.main.find("{\\usebox{\\aNGLB}}"), std::string::npos) << tie.main;
  // Schemes 6-9 give AB perpendicular to OC and no crank angle.
  const auto vertical = RunOne(16, {7, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(vertical.main.find("$AB\\perp OC$, $AB=27$."), std::string::npos) << vertical.main;
  EXPECT_EQ(vertical.main.find("aNGL"), std::string::npos) << vertical.main;
  EXPECT_TRUE(std::isnan(ReadDimensions(vertical.main).v)) << vertical.main;
  // The answers rows carry the number printed on the variant.
  auto s = testing_support::NewState();
  s->FirstNumber = 7;
  const auto texts = testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 6, 16,
                                                  {{1, 1, 1, 1, 1, 1, 1}, {2, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(texts.answers.find(" 7&  27.000&"), std::string::npos) << texts.answers;
  EXPECT_NE(texts.answers.find(" 8&  27.000&"), std::string::npos) << texts.answers;
}

}  // namespace
