#include "subjects/kinematics/given_position_accelerations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/planar_bodies.h"

namespace {

using kinematics_check::LengthAfter;
using kinematics_check::RawCells;
using kinematics_check::Unix;

using kinematics::GivenPositionAccelerationsData;
using kinematics_check::Params;
using planar_bodies::System;
using planar_bodies::V2;

V2 Pt(const GivenPositionAccelerationsData& d, int i) {
  return {static_cast<double>(d.x[static_cast<std::size_t>(i)]),
          static_cast<double>(d.y[static_cast<std::size_t>(i)])};
}
double Dist(V2 a, V2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Answer columns: w_AB, w_BC, w_AC, e_AB, e_BC, e_AC.
enum Column { kWAB, kWBC, kWAC, kEAB, kEBC, kEAC, kColumns };

void Check(const Params& p, int level) {
  const auto v = kinematics_check::RunOne(12, p, level);
  const std::string main = Unix(v.main);
  const std::string what = kinematics_check::Describe(p) + "\n" + main + "\n" + v.answers;
  const auto d = kinematics::DeriveGivenPositionAccelerations(p[0], p[1], p[2], p[3], p[4], p[5],
                                                              p[6]);
  const V2 O = Pt(d, 1), A = Pt(d, 2), B = Pt(d, 3), C = Pt(d, 4);
  EXPECT_EQ(A.x, 0);
  EXPECT_EQ(A.y, 0);
  // The printed lengths are the drawn ones.
  EXPECT_NEAR(LengthAfter(main, "$OA="), Dist(O, A), 1e-9) << what;
  EXPECT_NEAR(LengthAfter(main, "$AB="), Dist(A, B), 1e-9) << what;
  EXPECT_NEAR(LengthAfter(main, d.scheme == 3 ? "$AC=" : "$BC="),
              Dist(d.scheme == 3 ? A : B, C), 1e-9)
      << what;
  if (main.find("\\tg\\alpha=") != std::string::npos) {
    int g = 0, h = 0;
    ASSERT_EQ(std::sscanf(main.c_str() + main.find("\\tg\\alpha="), "\\tg\\alpha=%d/%d", &g, &h),
              2)
        << what;
    EXPECT_DOUBLE_EQ(std::abs(O.y / O.x), static_cast<double>(g) / h) << what;
  } else {
    EXPECT_NE(main.find("\\alpha=\\pi/4"), std::string::npos) << what;
  }
  // The mechanism as drawn: crank O-A, then the scheme's links.
  System s;
  constexpr int G = System::kGround;
  const int crank = s.AddBody(), l1 = s.AddBody(), l2 = s.AddBody();
  s.Pin(crank, G, O);
  s.Pin(crank, l1, A);
  int col_w1 = kWAB, col_w2 = kWBC, col_e1 = kEAB, col_e2 = kEBC;
  switch (d.scheme) {
    case 1:  // four-bar: coupler AB, rocker BC about the fixed hinge C
      s.Pin(l1, l2, B);
      s.Pin(l2, G, C);
      break;
    case 2:  // AB with slider B (horizontal), BC with slider C (vertical)
      s.Pin(l1, l2, B);
      s.Slider(l1, B, {1, 0});
      s.Slider(l2, C, {0, 1});
      break;
    default:  // AB with slider B (horizontal), AC with slider C (vertical)
      s.Pin(crank, l2, A);
      s.Slider(l1, B, {1, 0});
      s.Slider(l2, C, {0, 1});
      col_w2 = kWAC, col_e2 = kEAC;
      break;
  }
  const double given = LengthAfter(main, "$\\omega_{OAz}=");
  ASSERT_FALSE(std::isnan(given)) << what;
  ASSERT_NE(given, 0) << what;
  s.Drive(crank, given, 0);
  ASSERT_TRUE(s.Solve()) << "the drawn mechanism has no single state\n" << what;
  const auto cells = RawCells(v.answers);
  ASSERT_EQ(cells.size(), 1u + kColumns) << what;
  auto check = [&](int col, double x, bool magnitude) {
    const std::string& cell = cells[static_cast<std::size_t>(col) + 1];
    if (magnitude) x = std::abs(x);
    EXPECT_NEAR(x, std::round(x), 1e-6) << "column " << col << " is not whole\n" << what;
    EXPECT_EQ(cell, std::to_string(std::lround(x))) << "column " << col << "\n" << what;
  };
  check(col_w1, s.Omega(l1), false);
  check(col_w2, s.Omega(l2), false);
  check(col_e1, s.Epsilon(l1), true);
  check(col_e2, s.Epsilon(l2), true);
  for (int k : {kWAB, kWBC, kWAC, kEAB, kEBC, kEAC}) {
    if (k != col_w1 && k != col_w2 && k != col_e1 && k != col_e2) {
      EXPECT_EQ(cells[static_cast<std::size_t>(k) + 1], "---") << "column " << k << "\n" << what;
    }
  }
}

TEST(GivenPositionAccelerations, AnswersAreTheDrawnMechanisms) {
  kinematics_check::ForEachSample({2, 10, 3, 4, 10, 4, 4}, 1200, Check);
}

}  // namespace

namespace {

struct Golden {
  Params p;
  const char* answers;
  const char* text;  // a piece of the data text
};

TEST(GivenPositionAccelerations, GoldenVariants) {
  const Golden cases[] = {
      // Four-bar with BC parallel to OA: the coupler translates, w_AB = 0.
      {{2, 1, 1, 1, 1, 1, 1},
       " 1&0&-3& --- &50&24& ---\n",
       "$\\omega_{OAz}=3$~рад/c,\n$OA||BC$, \\\\ $OA=5$, $AB=3$, $BC=5$, \n$\\tg\\alpha=3/4$."},
      // Four-bar with AB perpendicular to BC and B left of A: the crank turns clockwise.
      {{1, 1, 1, 1, 1, 3, 1},
       " 1&3&8& --- &40&30& ---\n",
       "$\\omega_{OAz}=-2$~рад/c,\n$AB\\perp BC$,\\\\ $OA=5$, $AB=2$, \n$BC=1$,  \n"
       "$\\tg\\alpha=4/3$. "},
      // Sliders in series, OA diagonal (P2 = 1) and AB horizontal (P2 = 7).
      {{1, 1, 2, 1, 1, 1, 1},
       " 1&-1&-2& --- &0&6& ---\n",
       "$\\omega_{OAz}=1$~рад/c,\n $OA=\\sqrt{2}$,  $AB=\\sqrt{2}$, \\\\ $BC=\\sqrt{2}$,   "
       "$\\alpha=\\pi/4$."},
      {{2, 7, 2, 2, 1, 2, 1},
       " 1&-8&0& --- &0&128& ---\n",
       "$\\omega_{OAz}=8$~рад/c,\n$OA=2$,\n$AB=2$,\n\\\\ $BC=2\\sqrt{2}$, \n  $\\alpha=\\pi/4$."},
      // Forked sliders: the BC columns hold dashes, AC the answers.
      {{1, 1, 3, 1, 1, 1, 1},
       " 1&0& --- &1 & 1& --- &1 \n",
       "$\\omega_{OAz}=1$~рад/c,\n$OA=1$,\n $AB=\\sqrt{2}$,  $AC=\\sqrt{2}$, \\\\  $\\alpha=\\pi/4$."},
  };
  for (const Golden& g : cases) {
    const auto v = kinematics_check::RunOne(12, g.p);
    EXPECT_EQ(Unix(v.answers), g.answers) << kinematics_check::Describe(g.p);
    EXPECT_NE(Unix(v.main).find(g.text), std::string::npos)
        << kinematics_check::Describe(g.p) << "\n"
        << Unix(v.main);
  }
}

}  // namespace
