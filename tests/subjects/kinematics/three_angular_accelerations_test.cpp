#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/mechanism_figure.h"

namespace {

using kinematics_check::Agrees;
using kinematics_check::RunOne;
using mechanism_figure::NumberAfter;
using mechanism_figure::Perp;
using mechanism_figure::Vec;

struct Motion {
  Vec v, a;
};

// The joint q of the link p-q whose other link q-r turns about the fixed r: the angular
// velocities and accelerations of p-q and q-r from the motion of p (velocity and acceleration
// closure of the two links, solved by Cramer's rule).
struct Group {
  double w1 = 0, w2 = 0, e1 = 0, e2 = 0;
  Motion q;
};
Group SolveGroup(Vec p, const Motion& mp, Vec q, Vec r) {
  // w1 J(q - p) - w2 J(q - r) = -v_p
  const Vec c1 = Perp(q - p), c2 = -1.0 * Perp(q - r);
  const double det = c1.x * c2.y - c2.x * c1.y;
  auto solve = [&](Vec rhs, double& x1, double& x2) {
    x1 = (rhs.x * c2.y - c2.x * rhs.y) / det;
    x2 = (c1.x * rhs.y - rhs.x * c1.y) / det;
  };
  Group g;
  solve(-1.0 * mp.v, g.w1, g.w2);
  const Vec rhs = -1.0 * mp.a + (g.w1 * g.w1) * (q - p) - (g.w2 * g.w2) * (q - r);
  solve(rhs, g.e1, g.e2);
  g.q.v = g.w2 * Perp(q - r);
  g.q.a = g.e2 * Perp(q - r) - (g.w2 * g.w2) * (q - r);
  return g;
}

// The linkage as drawn (the bars' directions, all multiples of 15 degrees) with the printed
// lengths, solved for the printed drive; every answer cell must agree.
void CheckRow17(const kinematics_check::Params& p) {
  const auto v = RunOne(17, p);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers;
  const auto bars = mechanism_figure::Segments(v.main);
  ASSERT_GE(bars.size(), 5u) << what;
  const double len[5] = {NumberAfter(v.main, "$OA{=}"), NumberAfter(v.main, "$AB{=}"),
                         NumberAfter(v.main, "$BC{=}"), NumberAfter(v.main, "$BD{=}"),
                         NumberAfter(v.main, "$DE{=}")};
  Vec dir[5];
  const double alpha = NumberAfter(v.main, "$\\alpha{=}"), beta = NumberAfter(v.main, "$\\beta{=}");
  for (int i = 0; i < 5; ++i) {
    ASSERT_GT(len[i], 0) << what;
    dir[i] = mechanism_figure::SnappedDirection(bars[i], 15);
    // Every link is horizontal, vertical or at alpha or beta to the horizontal.
    const double slope = std::round(std::atan(std::abs(dir[i].y / dir[i].x)) * 180 / 3.14159265358979);
    EXPECT_TRUE(slope == 0 || slope == 90 || slope == alpha || slope == beta)
        << what << "\nlink " << i << " at " << slope;
  }
  const Vec O{0, 0};
  const Vec A = O + len[0] * dir[0];
  const Vec B = A + len[1] * dir[1];
  const Vec C = B + len[2] * dir[2];
  const Vec D = B + len[3] * dir[3];
  const Vec E = D + len[4] * dir[4];
  const bool oa_drives = v.main.find("$\\omega_{OA}=") != std::string::npos;
  const double w = NumberAfter(v.main, oa_drives ? "$\\omega_{OA}=" : "$\\omega_{BC}=");
  const double e = NumberAfter(v.main, oa_drives ? "$\\varepsilon_{OA}=" : "$\\varepsilon_{BC}=");
  std::array<double, 10> expected{};  // OA, AB, BC, BD, DE, then the accelerations
  Motion mb;
  if (oa_drives) {
    const Motion ma{w * Perp(A - O), e * Perp(A - O) - (w * w) * (A - O)};
    const Group g = SolveGroup(A, ma, B, C);
    expected = {w, g.w1, g.w2, 0, 0, e, g.e1, g.e2, 0, 0};
    mb = g.q;
  } else {
    mb = {w * Perp(B - C), e * Perp(B - C) - (w * w) * (B - C)};
    const Group g = SolveGroup(B, mb, A, O);
    expected = {g.w2, g.w1, w, 0, 0, g.e2, g.e1, e, 0, 0};
  }
  const Group bd = SolveGroup(B, mb, D, E);
  expected[3] = bd.w1;
  expected[4] = bd.w2;
  expected[8] = bd.e1;
  expected[9] = bd.e2;
  const auto cells = kinematics_check::Cells(v.answers);
  ASSERT_EQ(cells.size(), 11u) << what;
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(Agrees(cells[i + 1], expected[i], 3, 1e-7))
        << what << "\ncell " << i + 1 << " expected " << expected[i];
  }
}

TEST(ThreeAngularAccelerations, AnswersSolveTheDrawnLinkage) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {5, 2, 4, 4, 4, 1, 1}, 640,
      [&](const auto& p, int) {
        CheckRow17(p);
        ++checked;
      },
      1);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 640)) << checked;
}

TEST(ThreeAngularAccelerations, GoldenLines) {
  // beta is 30 degrees whenever P5 <= 2; beyond, 60 with alpha 45 and 45 with alpha 60.
  struct Angles {
    int p4, p5;
    const char* text;
  };
  for (const Angles& c : {Angles{1, 1, "$\\alpha{=}45^\\circ$, $\\beta{=}30^\\circ$,\\\\"},
                          {4, 2, "$\\alpha{=}60^\\circ$, $\\beta{=}30^\\circ$,\\\\"},
                          {2, 3, "$\\alpha{=}45^\\circ$, $\\beta{=}60^\\circ$,\\\\"},
                          {3, 4, "$\\alpha{=}60^\\circ$, $\\beta{=}45^\\circ$,\\\\"}}) {
    const auto v = RunOne(17, {1, 1, 1, c.p4, c.p5, 1, 1});
    EXPECT_NE(v.main.find(c.text), std::string::npos) << c.p4 << c.p5 << v.main;
  }
  // Scheme 5: the crank is 18 cm longer when BC drives.
  const auto oa = RunOne(17, {5, 1, 2, 1, 1, 1, 1});
  EXPECT_NE(oa.main.find("$\\omega_{OA}=2$,\r\n$\\varepsilon_{OA}=1$,"), std::string::npos)
      << oa.main;
  EXPECT_NE(oa.main.find("$OA{=}12$, $AB{=}11$,"), std::string::npos) << oa.main;
  const auto bc = RunOne(17, {5, 2, 2, 1, 1, 1, 1});
  EXPECT_NE(bc.main.find("$OA{=}30$, $AB{=}29$,"), std::string::npos) << bc.main;
  EXPECT_NE(bc.main.find("{\\usebox{\\vmomentp}}"), std::string::npos) << bc.main;
  // The driving crank's values stand unchanged in its columns; the row starts with the number.
  const auto cells = kinematics_check::Cells(bc.answers);
  ASSERT_EQ(cells.size(), 11u) << bc.answers;
  EXPECT_EQ(cells[0], 1);
  EXPECT_EQ(cells[3], 2) << bc.answers;  // omega_BC = P3
  EXPECT_EQ(cells[8], 1) << bc.answers;  // epsilon_BC = P4
}

}  // namespace
