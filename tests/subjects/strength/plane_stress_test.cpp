#include "subjects/strength/plane_stress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "strength_run.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RunRow;

constexpr int kRow = 3;

// The label of a given stress at its place in the figure; NaN when the stress is unknown.
double LabelAt(const std::string& fig, const std::string& at) {
  return NumberAfter(fig, "\\put(" + at + "){\\scriptsize ");
}

// Reads the plate back (legs from the data line, the given stresses from the labels and the
// direction of their black arrows: an arrow along the outward normal of its face is tension,
// a shear arrow along the face's positive tangent is positive) and checks the printed row:
// given stresses as printed, the unknowns from the stress vector on DF, principal stresses as
// eigenvalues, and the principal strains by Hooke's law.
std::string CheckPrintedPlate(const testing_support::RunTexts& t) {
  const double b = NumberAfter(t.main, "$BF=$"), a = NumberAfter(t.main, "$BD=$");
  const std::size_t pic = t.main.find("\\usebox{\\treug}");
  const std::size_t red = t.main.find("\\Red{", pic);
  const std::string black = t.main.substr(pic, red - pic);
  const double hyp = std::hypot(a, b);
  const double nx = a / hyp, ny = b / hyp;  // outward normal of DF
  const double tx = -ny, ty = nx;           // its tangent
  struct Given {
    std::string label;
    double dirx, diry;  // the direction of a positive stress's arrow
    double value = NAN;
  };
  Given g[5] = {{"2,42", -1, 0},   // sigma_x on BD (outward -x)
                {"52,2", 0, -1},   // sigma_y on BF (outward -y)
                {"35,13", -1, 0},  // tau_xy on BF: along -x (and on BD along -y)
                {"62,63", nx, ny},  // sigma on DF
                {"42,53", tx, ty}};  // tau on DF
  const auto arrows = strength_check::Arrows(black);
  int known = 0;
  for (int i = 0; i < 5; ++i) {
    const double magnitude = LabelAt(black, g[i].label);
    if (std::isnan(magnitude)) continue;
    ++known;
    // The arrow of this stress, told by where and how it is drawn: sigma_x across BD at
    // height 40, sigma_y across BF at x = 50, tau_xy along BF at height 15, sigma and tau on
    // DF by their slopes.
    double sign = 0;
    for (const auto& ar : arrows) {
      const bool mine = (i == 0 && ar.dy == 0 && ar.y == 40) || (i == 1 && ar.dx == 0 && ar.x == 50) ||
                        (i == 2 && ar.dy == 0 && ar.y == 15) ||
                        (i == 3 && std::abs(ar.dx) == 2 && std::abs(ar.dy) == 3) ||
                        (i == 4 && std::abs(ar.dx) == 3 && std::abs(ar.dy) == 2);
      if (mine) sign = (ar.dx * g[i].dirx + ar.dy * g[i].diry) > 0 ? 1 : -1;
    }
    if (sign == 0) return "no arrow for a given stress";
    g[i].value = sign * magnitude;
  }
  if (known != 3 || std::isnan(g[2].value)) return "three given stresses with tau_xy expected";
  const auto c = strength_check::RowNumbers(AnswersRow(t.answers));
  if (c.size() != 10) return "ten cells expected";
  // Unknowns among sx, sy, sigma, tau (tau_xy is always given): sigma and tau on DF are
  // linear in sx, sy; solve the two equations for the two unknowns.
  const double txy = g[2].value;
  double sx = g[0].value, sy = g[1].value, sn = g[3].value, st = g[4].value;
  // sn = sx nx^2 + sy ny^2 + 2 txy nx ny; st = (sy - sx) nx ny + txy (nx^2 - ny^2).
  if (std::isnan(sx) && std::isnan(sy)) return "both normal stresses unknown";
  if (std::isnan(sx) || std::isnan(sy)) {
    const bool x_unknown = std::isnan(sx);
    const double cn = x_unknown ? nx * nx : ny * ny;          // d sn / d unknown
    const double ct = x_unknown ? -nx * ny : nx * ny;         // d st / d unknown
    const double rest_n = (x_unknown ? sy * ny * ny : sx * nx * nx) + 2 * txy * nx * ny;
    const double rest_t = (x_unknown ? sy * nx * ny : -sx * nx * ny) + txy * (nx * nx - ny * ny);
    const double u = !std::isnan(sn) ? (sn - rest_n) / cn : (st - rest_t) / ct;
    (x_unknown ? sx : sy) = u;
    sn = sx * nx * nx + sy * ny * ny + 2 * txy * nx * ny;
    st = (sy - sx) * nx * ny + txy * (nx * nx - ny * ny);
  }
  // Principal stresses by rotating to the principal axes.
  const double th = 0.5 * std::atan2(2 * txy, sx - sy);
  const double cs = std::cos(th), sn2 = std::sin(th);
  double s1 = sx * cs * cs + sy * sn2 * sn2 + 2 * txy * sn2 * cs;
  double s2 = sx * sn2 * sn2 + sy * cs * cs - 2 * txy * sn2 * cs;
  if (s2 > s1) std::swap(s1, s2);
  const double E = 1000, nu = 0.3;
  const double want[9] = {sx, sy, sn, txy, st, s1, s2, (s1 - nu * s2) / E * 1e3,
                          (s2 - nu * s1) / E * 1e3};
  for (int i = 0; i < 9; ++i) {
    if (std::fabs(c[1 + i] - want[i]) > 0.0005 + 1e-9 * std::fabs(want[i])) {
      return "cell " + std::to_string(i + 1) + ": " + std::to_string(c[1 + i]) + " vs " +
             std::to_string(want[i]);
    }
  }
  return {};
}

TEST(PlaneStressTest, PrintedStressesAndStrainsFollowFromTheGivenOnes) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {4, 10, 10, 10, 10, 10, 10}, 1500, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckPrintedPlate(RunRow(kRow, {point.p})), "") << testing_support::Describe(point);
  }
}

TEST(PlaneStressTest, GoldenRows) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{2, 3, 4, 5, 6, 7, 8},
       "1 & \r\n -1.000& 3.750& 3.000& 1.000& 2.000& 3.952&-1.202& 4.313&-2.388"},
      {{1, 3, 4, 5, 6, 7, 8},
       "1 & \r\n  9.222&-2.000& 3.000& 1.000&-5.667& 9.311&-2.088& 9.937&-4.882"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswersRow(RunRow(kRow, {c.p}).answers), c.row);
  const auto t = RunRow(kRow, {{2, 3, 4, 5, 6, 7, 8}});
  EXPECT_NE(t.main.find("$BF=$4 см, $BD=$3 см.\\\\\r\n"), std::string::npos);
  // The principal strains stand under heads that name them.
  EXPECT_NE(t.answers.find("$\\varepsilon_1\\cdot 10^3$& $\\varepsilon_2\\cdot 10^3$ \\\\\\hline"),
            std::string::npos);
  // The unknowns sigma_y and tau are red arrows without labels.
  const std::string red = t.main.substr(t.main.find(" \\Red{"));
  EXPECT_NE(red.find("\\put(50,20){\\vector(0,-1){17}}"), std::string::npos);
  EXPECT_NE(red.find("\\put(62,36){\\vector(-3,2){25}}"), std::string::npos);
  EXPECT_EQ(red.find("scriptsize"), std::string::npos);
}

TEST(PlaneStressTest, ZeroStressTakesTheSecondParameterPlusOne) {
  const auto v = DerivePlaneStress(3, 4, 4, 4, 4, 4, 3);
  EXPECT_EQ(v.TauXY, -5);
  EXPECT_EQ(v.Tau, -5);
  EXPECT_EQ(v.SigmaX, -5);
  EXPECT_EQ(v.a, 3);
  EXPECT_EQ(v.b, 3);
  const auto w = DerivePlaneStress(1, 7, 4, 4, 4, 4, 9);
  EXPECT_EQ(w.SigmaY, -8);
  EXPECT_EQ(w.Sigma, 8);
}

}  // namespace
}  // namespace strength
