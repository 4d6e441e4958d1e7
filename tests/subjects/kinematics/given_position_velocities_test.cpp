#include "subjects/kinematics/given_position_velocities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/planar_bodies.h"
#include "toolkit/numerics.h"

namespace {

using kinematics_check::LengthAfter;
using kinematics_check::RawCells;
using kinematics_check::Unix;

using kinematics::GivenPositionVelocitiesData;
using kinematics_check::Params;
using planar_bodies::System;
using planar_bodies::V2;

V2 Pt(const GivenPositionVelocitiesData& d, int i) {
  return {static_cast<double>(d.x[static_cast<std::size_t>(i)]),
          static_cast<double>(d.y[static_cast<std::size_t>(i)])};
}
double Dist(V2 a, V2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Answer columns: ABF, AB, BC, BCF, DB, DF, DE, CE.
enum Column { kABF, kAB, kBC, kBCF, kDB, kDF, kDE, kCE, kColumns };

struct Model {
  System sys;
  int crank = 0;
  int column[kColumns] = {-1, -1, -1, -1, -1, -1, -1, -1};
};

// The drawn mechanism, joint by joint, as the scheme's figure and text describe it.
Model Build(const GivenPositionVelocitiesData& d) {
  Model m;
  System& s = m.sys;
  constexpr int G = System::kGround;
  auto P = [&](int i) { return Pt(d, i); };
  m.crank = s.AddBody();
  s.Pin(m.crank, G, P(1));
  const int b1 = s.AddBody(), b2 = s.AddBody(), b3 = s.AddBody(), b4 = s.AddBody();
  s.Pin(m.crank, b1, P(2));  // the crank's end A
  switch (d.scheme) {
    case 1:  // plate ABF, rocker BC to C, FD, rocker DE to E
    case 4:  // straight bar ABF, rocker BC to C, FD at 45 degrees, rocker DE to E
      s.Pin(b1, b2, P(3));
      s.Pin(b2, G, P(4));
      s.Pin(b1, b3, P(5));
      s.Pin(b3, b4, P(6));
      s.Pin(b4, G, P(7));
      m.column[kABF] = b1, m.column[kBC] = b2, m.column[kDF] = b3, m.column[kDE] = b4;
      break;
    case 2:  // AB, plate BCF about C, FD, rocker DE to E
      s.Pin(b1, b2, P(3));
      s.Pin(b2, G, P(4));
      s.Pin(b2, b3, P(5));
      s.Pin(b3, b4, P(6));
      s.Pin(b4, G, P(7));
      m.column[kAB] = b1, m.column[kBCF] = b2, m.column[kDF] = b3, m.column[kDE] = b4;
      break;
    case 3:  // AB, rocker BC to C, BD from B, rocker DE to E
      s.Pin(b1, b2, P(3));
      s.Pin(b2, G, P(4));
      s.Pin(b1, b3, P(3));
      s.Pin(b3, b4, P(5));
      s.Pin(b4, G, P(6));
      m.column[kAB] = b1, m.column[kBC] = b2, m.column[kDB] = b3, m.column[kDE] = b4;
      break;
    default:  // AB, plate BFC, rocker CE to E, rocker FD to D
      s.Pin(b1, b2, P(3));
      s.Pin(b2, b3, P(4));
      s.Pin(b3, G, P(5));
      s.Pin(b2, b4, P(6));
      s.Pin(b4, G, P(7));
      m.column[kAB] = b1, m.column[kBCF] = b2, m.column[kCE] = b3, m.column[kDF] = b4;
      break;
  }
  return m;
}

struct LengthMark {
  const char* marker;
  int i, j;
};
std::vector<LengthMark> LengthMarks(int scheme) {
  switch (scheme) {
    case 1:
      return {{"$OA=", 1, 2}, {"$AB$=$AF$=", 2, 3}, {"$AB$=$AF$=", 2, 5}, {"$BC=", 3, 4},
              {"$DF$=", 5, 6}, {"$DE$=", 6, 7}};
    case 2:
      return {{"$OA=", 1, 2}, {"$DF$=", 5, 6}, {"$BC$=$CF$=", 3, 4}, {"$BC$=$CF$=", 4, 5},
              {"$AB=", 2, 3}, {"$DE$=", 6, 7}};
    case 3:
      return {{"$OA=", 1, 2}, {"$AB=", 2, 3}, {"$BC=", 3, 4}, {"$DE=", 5, 6}, {"$BD=", 3, 5}};
    case 4:
      return {{"$OA=", 1, 2}, {"$AB=", 2, 3}, {"$BF=", 3, 5}, {"$BC=", 3, 4}, {"$DE=", 6, 7},
              {"$DF=", 5, 6}};
    default:
      return {{"$OA=", 1, 2}, {"$AB=", 2, 3}, {"$BF=FC=", 3, 6}, {"$BF=FC=", 6, 4},
              {"$CE=", 4, 5}, {"$DF=", 6, 7}};
  }
}

// The cosine of the marked angle: the link p-q against the horizontal.
double HorizontalCosine(const GivenPositionVelocitiesData& d, int p, int q) {
  return std::abs(Pt(d, q).x - Pt(d, p).x) / Dist(Pt(d, p), Pt(d, q));
}

void Check(const Params& p, int level) {
  const auto v = kinematics_check::RunOne(11, p, level);
  const std::string main = Unix(v.main);
  const std::string what = kinematics_check::Describe(p) + "\n" + main + "\n" + v.answers;
  const auto d = kinematics::DeriveGivenPositionVelocities(p[0], p[1], p[2], p[3], p[4], p[5],
                                                           p[6]);
  for (const LengthMark& mark : LengthMarks(d.scheme)) {
    EXPECT_NEAR(LengthAfter(main, mark.marker), Dist(Pt(d, mark.i), Pt(d, mark.j)), 1e-9)
        << mark.marker << "\n"
        << what;
  }
  switch (d.scheme) {
    case 1:
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 3, 2), 0.8) << what;
      break;
    case 2:
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 4, 5), 0.8) << what;
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 2, 3), std::sqrt(0.5)) << what;
      break;
    case 3:
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 1, 2), 0.6) << what;
      EXPECT_NEAR(HorizontalCosine(d, 3, 5),
                  main.find("45^\\circ") != std::string::npos ? std::sqrt(0.5) : 0.6, 1e-12)
          << what;
      break;
    case 4:
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 5, 6), std::sqrt(0.5)) << what;
      break;
    default:
      EXPECT_DOUBLE_EQ(HorizontalCosine(d, 6, 3), 0.8) << what;
      break;
  }
  const double given = LengthAfter(main, "$\\omega_{OA}=");
  ASSERT_GT(given, 0) << what;
  Model m = Build(d);
  m.sys.Drive(m.crank, given);
  ASSERT_TRUE(m.sys.Solve()) << "the drawn mechanism has no single velocity state\n" << what;
  const auto cells = RawCells(v.answers);
  ASSERT_EQ(cells.size(), 1u + kColumns) << what;
  for (int k = 0; k < kColumns; ++k) {
    const std::string& cell = cells[static_cast<std::size_t>(k) + 1];
    if (m.column[k] < 0) {
      EXPECT_EQ(cell, "---") << "column " << k << "\n" << what;
      continue;
    }
    const double w = std::abs(m.sys.Omega(m.column[k]));
    EXPECT_NEAR(w, std::round(w), 1e-9) << "column " << k << " is not whole\n" << what;
    EXPECT_EQ(cell, std::to_string(std::lround(w))) << "column " << k << "\n" << what;
  }
}

TEST(GivenPositionVelocities, AnswersAreTheDrawnMechanisms) {
  kinematics_check::ForEachSample({4, 4, 4, 4, 4, 10, 5}, 1500, Check);
}

TEST(GivenPositionVelocities, CommonFactorsAndSigns) {
  // Only 2, 3, 5, 7 and 11 divide out; mixed signs stay, all non-positive flips.
  int v[5] = {6, -3, 9, 12, -15};
  toolkit::NormalizeIntVector(v, 5);
  EXPECT_EQ((std::vector<int>{v, v + 5}), (std::vector<int>{2, -1, 3, 4, -5}));
  int n[5] = {-26, 0, -13, -39, 0};
  toolkit::NormalizeIntVector(n, 5);
  EXPECT_EQ((std::vector<int>{n, n + 5}), (std::vector<int>{26, 0, 13, 39, 0}));
}

}  // namespace

namespace {

struct Golden {
  Params p;
  const char* answers;
  const char* text;  // a piece of the data text
};

TEST(GivenPositionVelocities, GoldenVariants) {
  const Golden cases[] = {
      // Scheme 4: the bar ABF translates, its column holds 0.
      {{1, 1, 1, 1, 1, 1, 4},
       " 1&0& --- &1& --- & --- &1&1& ---\n",
       "\\vskip1mm \\small $\\omega_{OA}=1$~рад/c, \n$OA=1$, \n$AB=1$, \n$BF=1$, \n$BC=1$, \n"
       "$DE=1$, \n$DF=\\sqrt{2}$. "},
      // Scheme 3 states cos(alpha) = 0.6 and beta = 45 degrees for P6 < 4.
      {{1, 1, 1, 1, 1, 1, 3},
       " 1& --- &15& 60& --- &40& --- &12& ---\n",
       "$\\omega_{OA}=30$~рад/c, \n$OA=5$, $AB=6$, \n$BC=2$, \n$DE=10$, \n$BD=3\\sqrt{2}$, \n"
       "$\\cos\\alpha=0.6 $, \n$\\beta = 45^\\circ$."},
      {{1, 1, 1, 1, 3, 5, 3},
       " 1& --- &5& 20& --- &10& --- &3& ---\n",
       "$\\omega_{OA}=10$~рад/c, \n$OA=5$, $AB=6$, \n$BC=2$, \n$DE=10$, \n$BD=5$, \n"
       "$\\cos\\alpha=0.6 $, \n$\\cos\\beta =0.6$."},
      // Schemes 1, 2 and 5 with all parameters 1.
      {{1, 1, 1, 1, 1, 1, 1},
       " 1&15& --- &24& --- & --- &5&35& ---\n",
       "$\\omega_{OA}=30$~рад/c, \n$OA=3$, \n$AB$=$AF$=10, \\\\ $BC=5$, \n$DF$=18, \n$DE$=6, \n"
       " $\\cos\\alpha$=0.8, $AB\\perp AF$. "},
      {{1, 1, 1, 1, 1, 1, 2},
       " 1& --- &9& --- &12& --- &3&8& ---\n",
       "$\\omega_{OA}=28$~рад/c, \n$OA=3$, \n$DF$=12, \n$BC$=$CF$=5, \\\\ $AB=4\\sqrt{2}$, \n"
       "$DE$=6, \n $\\cos\\alpha$=0.8, $CB\\perp CF$. "},
      {{1, 1, 1, 1, 1, 1, 5},
       " 1& --- &3& --- &4& --- &6& --- &8\n",
       "$\\omega_{OA}=4$~рад/c, \n$OA=7$, $AB=4$, $BF=FC=5$, \n$CE=2$, \n$DF=2$, \n"
       " $\\cos\\alpha$=0.8, $FB\\perp CF$. "},
  };
  for (const Golden& g : cases) {
    const auto v = kinematics_check::RunOne(11, g.p);
    EXPECT_EQ(Unix(v.answers), g.answers) << kinematics_check::Describe(g.p);
    EXPECT_NE(Unix(v.main).find(g.text), std::string::npos)
        << kinematics_check::Describe(g.p) << "\n"
        << Unix(v.main);
  }
}

}  // namespace
