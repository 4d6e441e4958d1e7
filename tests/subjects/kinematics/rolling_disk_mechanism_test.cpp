#include "subjects/kinematics/rolling_disk_mechanism.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/planar_bodies.h"
#include "toolkit/terms.h"

namespace {

using kinematics_check::LengthAfter;
using kinematics_check::RawCells;
using kinematics_check::Unix;

using kinematics::RollingDiskData;
using kinematics_check::Params;
using planar_bodies::System;
using planar_bodies::V2;

constexpr std::array<int, 7> kBounds = {5, 6, 3, 3, 4, 4, 4};

struct Printed {
  std::string main, answers;
  std::array<int, 7> p_after{};
};

// One variant of the row: mode 1 through the Kinematic tab (row 14), mode 2 through the
// Dynamics tab (row 34); the begin routine's text is cut off.
Printed RunMode(int mode, const Params& p) {
  auto s = testing_support::NewState();
  s->SubjectIndex = mode == 1 ? 6 : 7;
  const int row = mode == 1 ? 14 : 34;
  s->ProblemNumber = row;
  const auto& table = shell::DefaultSubjectTable();
  shell::BeginSubjectProblem(*s, row, table);
  const std::size_t m0 = testing_support::MainText(*s).size();
  const std::size_t a0 = testing_support::AnsText(*s).size();
  testing_support::SetVariant(*s, 1, p);
  shell::WriteSubjectVariant(*s, row, table);
  return {Unix(testing_support::MainText(*s).substr(m0)),
          Unix(testing_support::AnsText(*s).substr(a0)),
          {s->P1, s->P2, s->P3, s->P4, s->P5, s->P6, s->P7}};
}

double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

V2 Pt(const RollingDiskData& d, int i) {
  return {d.x[static_cast<std::size_t>(i)], d.y[static_cast<std::size_t>(i)]};
}
double Dist(V2 a, V2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The drawn mechanism as bodies and joints. Columns of the answers: AB, BC, CD, DA, disk (-1:
// the scheme has no such link); m1 is the body on which the figure puts the moment M1.
struct Model {
  System sys;
  int crank = 0, disk = 0, m1 = 0;
  int column[5] = {-1, -1, -1, -1, -1};
  std::vector<V2> on_disk;  // the points the disk shares with the links
};

Model Build(const RollingDiskData& d) {
  Model m;
  System& s = m.sys;
  constexpr int G = System::kGround;
  auto P = [&](int i) { return Pt(d, i); };
  const V2 O = P(1), A = P(2), B = P(3), C = P(4);
  const int contact = (d.scheme == 2 || d.scheme == 4) ? 5 : 6;
  m.crank = s.AddBody();
  s.Pin(m.crank, G, O);
  m.disk = s.AddBody();
  s.Pin(m.disk, G, P(contact));  // rolling without slip on the fixed ground
  m.column[4] = m.disk;
  auto pin_disk = [&](int body, V2 p) {
    s.Pin(body, m.disk, p);
    m.on_disk.push_back(p);
  };
  switch (d.scheme) {
    case 1: {  // rod A-B-N hinged to the rim at N, BC, CD hinged to the rim at D
      const int rod = s.AddBody(), bc = s.AddBody(), cd = s.AddBody();
      s.Pin(m.crank, rod, A);
      pin_disk(rod, P(7));
      s.Pin(rod, bc, B);
      s.Pin(bc, cd, C);
      pin_disk(cd, P(5));
      m.column[0] = rod, m.column[1] = bc, m.column[2] = cd, m.m1 = cd;
      break;
    }
    case 2: {  // AB, bent link B-corner-C hinged to the rim at C, AD hinged to the rim at D
      const int ab = s.AddBody(), bent = s.AddBody(), ad = s.AddBody();
      s.Pin(m.crank, ab, A);
      s.Pin(ab, bent, B);
      pin_disk(bent, C);
      s.Pin(m.crank, ad, A);
      pin_disk(ad, P(6));
      m.column[0] = ab, m.column[1] = bent, m.column[3] = ad, m.m1 = bent;
      break;
    }
    case 3: {  // A-K rigidly joined to B-K-N, N on the rim, BC, CD with D on the rim
      const int t = s.AddBody(), bc = s.AddBody(), cd = s.AddBody();
      s.Pin(m.crank, t, A);
      pin_disk(t, P(7));
      s.Pin(t, bc, B);
      s.Pin(bc, cd, C);
      pin_disk(cd, P(5));
      m.column[0] = t, m.column[1] = bc, m.column[2] = cd, m.m1 = bc;
      break;
    }
    case 4: {  // bent link A-corner-B, BC with C on the rim, AD hinged to the rim at D
      const int bent = s.AddBody(), bc = s.AddBody(), ad = s.AddBody();
      s.Pin(m.crank, bent, A);
      s.Pin(bent, bc, B);
      pin_disk(bc, C);
      s.Pin(m.crank, ad, A);
      pin_disk(ad, P(7));
      m.column[0] = bent, m.column[1] = bc, m.column[3] = ad, m.m1 = bent;
      break;
    }
    default: {  // rod A-N-B rolling without slip on the disk's top N, BC, CD to D
      const int rod = s.AddBody(), bc = s.AddBody(), cd = s.AddBody();
      s.Pin(m.crank, rod, A);
      pin_disk(rod, P(7));
      s.Pin(rod, bc, B);
      s.Pin(bc, cd, C);
      s.Pin(cd, m.disk, P(5));  // the centre (g = 1) or a rim point
      m.column[0] = rod, m.column[1] = bc, m.column[2] = cd, m.m1 = bc;
      break;
    }
  }
  return m;
}

// The printed lengths and the links they name, by scheme: marker, first and second point.
struct LengthMark {
  const char* marker;
  int i, j;
};
std::vector<LengthMark> LengthMarks(int scheme, const std::string& main) {
  switch (scheme) {
    case 1:
      if (main.find("$BN=BC=") != std::string::npos) {
        return {{" $OA=", 1, 2}, {"$AB=", 2, 3}, {"$BN=BC=", 3, 7}, {"$BN=BC=", 3, 4},
                {"$ CD=", 4, 5}};
      }
      return {{" $OA=", 1, 2}, {"$AB=", 2, 3}, {"$BN=", 3, 7}, {"$BC=", 3, 4}, {"$ CD=", 4, 5}};
    case 2:
      return {{" $OA=", 1, 2}, {" $AB=", 2, 3}, {"$ AD=", 2, 6}};
    case 3:
      return {{" $OA=", 1, 2}, {"$AK=", 2, 8}, {"$BK=", 3, 8}, {"$KN=", 8, 7}, {"$ CD=", 4, 5}};
    case 4:
      return {{" $OA=", 1, 2}, {"$AD=", 2, 7}, {"$ BC=", 3, 4}};
    default:
      return {{" $OA=", 1, 2}, {"$CD=", 4, 5}, {"$AN=", 2, 7}, {"$AB=", 2, 3}};
  }
}

// The signed moment "$M_k$" of the figure: the box placed just before its label.
int MomentSign(const std::string& main, int k) {
  const std::size_t at = main.find("{$M_" + std::to_string(k) + "$}");
  if (at == std::string::npos) return 0;
  const std::size_t box = main.rfind("moment", at);
  if (box == std::string::npos) return 0;
  return main.compare(box + 6, 1, "p") == 0 ? 1 : -1;
}

void CheckVariant(int mode, const Params& p, int level) {
  (void)level;
  const Printed v = RunMode(mode, p);
  const std::string what =
      "mode " + std::to_string(mode) + " " + kinematics_check::Describe(p) + "\n" + v.main +
      "\n" + v.answers;
  const RollingDiskData d = kinematics::DeriveRollingDisk(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
  ASSERT_EQ(v.p_after[1], d.p2) << what;
  ASSERT_EQ(v.p_after[2], d.p3) << what;
  ASSERT_EQ(v.p_after[3], d.p4) << what;
  // The drawn geometry: joints on integers, the disk of radius R on its ground.
  for (int i = 1; i <= 8; ++i) {
    if (d.scheme == 4 && i == 8) continue;  // an extent point of the picture only
    EXPECT_EQ(Pt(d, i).x, std::round(Pt(d, i).x)) << i << what;
    EXPECT_EQ(Pt(d, i).y, std::round(Pt(d, i).y)) << i << what;
  }
  EXPECT_EQ(Pt(d, 2).x, 0);
  EXPECT_EQ(Pt(d, 2).y, 0);
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, " $R="), d.a) << what;
  const V2 centre{static_cast<double>(d.cx), static_cast<double>(d.cy)};
  const int contact = (d.scheme == 2 || d.scheme == 4) ? 5 : 6;
  EXPECT_EQ(Pt(d, contact).x, centre.x) << what;
  EXPECT_EQ(Pt(d, contact).y, centre.y - d.a) << what;
  Model m = Build(d);
  for (const V2& q : m.on_disk) EXPECT_DOUBLE_EQ(Dist(q, centre), d.a) << what;
  for (const LengthMark& mark : LengthMarks(d.scheme, v.main)) {
    EXPECT_NEAR(LengthAfter(v.main, mark.marker), Dist(Pt(d, mark.i), Pt(d, mark.j)), 1e-9)
        << mark.marker << "\n"
        << what;
  }
  // The printed angular velocities against the velocity state of the drawn mechanism.
  const auto cells = RawCells(v.answers);
  ASSERT_EQ(cells.size(), mode == 1 ? 6u : 8u) << what;
  const double crank = mode == 1 ? NumberAfter(v.main, "$\\omega_{OA_z}=") : std::stod(cells[6]);
  ASSERT_NE(crank, 0) << what;
  m.sys.Drive(m.crank, crank);
  ASSERT_TRUE(m.sys.Solve()) << "the drawn mechanism has no single velocity state\n" << what;
  bool any = false;
  for (int k = 0; k < 5; ++k) {
    const std::string& cell = cells[static_cast<std::size_t>(k) + 1];
    if (m.column[k] < 0) {
      EXPECT_EQ(cell, "---") << "column " << k << "\n" << what;
      continue;
    }
    const double w = m.sys.Omega(m.column[k]);
    EXPECT_NEAR(w, std::round(w), 1e-6) << "column " << k << " is not whole\n" << what;
    EXPECT_EQ(cell, std::to_string(std::lround(w))) << "column " << k << "\n" << what;
    any = any || std::lround(w) != 0;
  }
  EXPECT_TRUE(any || crank != 0) << what;
  if (mode != 2) return;
  // The force and the two moments keep the mechanism at rest: their virtual power vanishes.
  const std::size_t vec = v.main.find("\\vector(");
  ASSERT_NE(vec, std::string::npos) << what;
  int ux = 0, uy = 0;
  ASSERT_EQ(std::sscanf(v.main.c_str() + vec, "\\vector(%d,%d)", &ux, &uy), 2) << what;
  const double F = std::stod(cells[7]);
  double m1 = 0, m2 = 0;
  if (v.main.find(" $M_1=M_2=") != std::string::npos) {
    m1 = m2 = NumberAfter(v.main, " $M_1=M_2=");
  } else {
    m1 = NumberAfter(v.main, " $M_1=");
    m2 = NumberAfter(v.main, "$M_2=");
  }
  ASSERT_FALSE(std::isnan(m1) || std::isnan(m2)) << what;
  EXPECT_TRUE(m1 == 0 || MomentSign(v.main, 1) != 0) << "M1 is not drawn\n" << what;
  EXPECT_TRUE(m2 == 0 || MomentSign(v.main, 2) != 0) << "M2 is not drawn\n" << what;
  m1 *= MomentSign(v.main, 1);
  m2 *= MomentSign(v.main, 2);
  const V2 va = m.sys.Velocity(m.crank, Pt(d, 2));
  const double power =
      F * (ux * va.x + uy * va.y) + m1 * m.sys.Omega(m.m1) + m2 * m.sys.Omega(m.disk);
  const double scale = std::abs(F * std::hypot(va.x, va.y)) + std::abs(m1 * m.sys.Omega(m.m1)) +
                       std::abs(m2 * m.sys.Omega(m.disk));
  EXPECT_NEAR(power, 0, 1e-9 * (1 + scale)) << what;
  EXPECT_TRUE(m1 != 0 || m2 != 0 || F != 0) << what;
}

TEST(RollingDiskMechanism, AngularVelocitiesAreTheDrawnMechanisms) {
  kinematics_check::ForEachSample(kBounds, 700, [](const Params& p, int level) {
    CheckVariant(1, p, level);
  });
}

TEST(RollingDiskMechanism, ForceAndMomentsHaveNoVirtualPower) {
  kinematics_check::ForEachSample(kBounds, 700, [](const Params& p, int level) {
    CheckVariant(2, p, level);
  });
}

TEST(RollingDiskMechanism, AllOnesInBothModes) {
  const RollingDiskData d = kinematics::DeriveRollingDisk(1, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ((std::array<int, 5>{4, 0, 3, 2, 3}), d.w);
  EXPECT_EQ(d.M1, -21);
  EXPECT_EQ(d.M2, 34);
  EXPECT_EQ(d.F, -5);
  const Printed k = RunMode(1, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(k.answers, "   1&   0&   3&   2& --- &   3");
  EXPECT_NE(k.main.find("\\small\\vskip1mm  $\\omega_{OA_z}=4 \\frac{1}{c}$,  \n $R=4$, \n"
                        " $OA=3\\sqrt{2}$, \n\\\\ $AB=4$,  $BN=4$,  $BC=4\\sqrt{2}$, \n"
                        "$ CD=12$,  $\\alpha$=$45^\\circ$\n"),
            std::string::npos)
      << k.main;
  const Printed s = RunMode(2, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(s.answers, "   1&   0&   3&   2& --- &   3&$   4$&$  -5$\n");
  EXPECT_NE(s.main.find("\\small\\vskip1mm  $M_1=21$, $M_2=34$,  \n $R=4$, \n"),
            std::string::npos)
      << s.main;
  EXPECT_NE(s.main.find("{\\usebox{\\rmomentm}}"), std::string::npos) << s.main;
  EXPECT_NE(s.main.find("{\\usebox{\\rmomentp}}"), std::string::npos) << s.main;
}

TEST(RollingDiskMechanism, ReplacementsStayForTheVariant) {
  // Scheme 1: P4 = 3 becomes 1, P2 = 5 becomes 7, and then P3 = 1 becomes 3.
  auto v = RunMode(1, {1, 5, 1, 3, 1, 1, 1});
  EXPECT_EQ(v.p_after[1], 7);
  EXPECT_EQ(v.p_after[2], 3);
  EXPECT_EQ(v.p_after[3], 1);
  // A horizontal crank: OA without the root, and with P3 = 2 a plain "CD=2a.".
  v = RunMode(1, {1, 6, 2, 1, 1, 1, 1});
  EXPECT_NE(v.main.find(" $OA=3$, \n\\\\ $AB=4$,  $BN=BC=4$,\n$ CD=8$. \n"), std::string::npos)
      << v.main;
  // Scheme 2 with P5 = 4: O on the x axis, OA = R.
  const RollingDiskData d = kinematics::DeriveRollingDisk(2, 1, 2, 1, 4, 1, 1);
  EXPECT_EQ(d.y[1], 0);
  EXPECT_EQ(d.x[1], d.a);
  EXPECT_NE(RunMode(1, {2, 1, 2, 1, 4, 1, 1}).main.find(" $OA=4$,\\\\ \n"), std::string::npos);
}

TEST(RollingDiskMechanism, SchemeFourWithAFastCrankTakesUnitMultipliers) {
  // w0 = 63 after the reduction: E = Q = 1 in place of P5 + 1 and P6 + 2.
  const RollingDiskData d = kinematics::DeriveRollingDisk(4, 1, 1, 2, 1, 3, 1);
  EXPECT_EQ(d.w[0], 63);
  EXPECT_EQ(d.E, 1);
  EXPECT_EQ(d.Q, 1);
  EXPECT_EQ(d.M1, 210);
  EXPECT_EQ(d.M2, -224);
  EXPECT_EQ(d.F, 14);
  const Printed v = RunMode(2, {4, 1, 1, 2, 1, 3, 1});
  EXPECT_EQ(v.answers, "   1&  28&  52& --- &   0&  42&$  63$&$  14$\n");
  EXPECT_NE(v.main.find("\\small\\vskip1mm  $M_1=210$, $M_2=224$,  \n"), std::string::npos)
      << v.main;
  const RollingDiskData small = kinematics::DeriveRollingDisk(4, 2, 1, 1, 4, 1, 4);
  ASSERT_LE(std::abs(small.w[0]), 50);
  EXPECT_EQ(small.E, 5);
  EXPECT_EQ(small.Q, 3);
}

}  // namespace
