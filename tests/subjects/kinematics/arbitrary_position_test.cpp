#include "subjects/kinematics/arbitrary_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::RawCells;
using kinematics_check::RunOne;
using kinematics_check::Unix;

struct V2 {
  double x = 0, y = 0;
};
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
double Len(V2 a) { return std::hypot(a.x, a.y); }
// The velocity of a point at r from a body's pole when the body turns at w: w x r.
V2 Turn(double w, V2 r) { return {-w * r.y, w * r.x}; }

double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

// Solves the n x n system a x = b by Gaussian elimination with partial pivoting.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t piv = k;
    for (std::size_t i = k + 1; i < n; ++i) {
      if (std::abs(a[i][k]) > std::abs(a[piv][k])) piv = i;
    }
    std::swap(a[k], a[piv]);
    std::swap(b[k], b[piv]);
    EXPECT_GT(std::abs(a[k][k]), 1e-9) << "the drawn linkage has no single velocity state";
    for (std::size_t i = k + 1; i < n; ++i) {
      const double f = a[i][k] / a[k][k];
      for (std::size_t j = k; j < n; ++j) a[i][j] -= f * a[k][j];
      b[i] -= f * b[k];
    }
  }
  std::vector<double> x(n);
  for (std::size_t k = n; k-- > 0;) {
    double s = b[k];
    for (std::size_t j = k + 1; j < n; ++j) s -= a[k][j] * x[j];
    x[k] = s / a[k][k];
  }
  return x;
}

// Columns of the answers table.
enum Column { kOA, kAB, kBC, kAD, kBD, kVD, kVE, kColumns };

// The velocity state of the drawn linkage for the printed given quantity, solved from the
// closure of its loop and the rolling of the disk on its horizontal ground. Returns the seven
// columns; NaN marks a column the mechanism does not have.
std::vector<double> VelocityState(const kinematics::ArbitraryPositionData& d, double given) {
  auto P = [&](int i) { return V2{static_cast<double>(d.x[i]), static_cast<double>(d.y[i])}; };
  std::vector<double> out(kColumns, std::nan(""));
  if (d.type != 3) {
    const V2 O = P(1), A = P(2), B = P(3), C = P(4), D = P(5);
    // Unknowns w_OA, w_AB, w_BC, w_AD. v_B from A equals v_B about C; v_D is horizontal.
    std::vector<std::vector<double>> m(4, std::vector<double>(4, 0));
    std::vector<double> rhs(4, 0);
    for (int k = 0; k < 2; ++k) {
      auto comp = [k](V2 v) { return k == 0 ? v.x : v.y; };
      m[k][0] = comp(Turn(1, A - O));
      m[k][1] = comp(Turn(1, B - A));
      m[k][2] = -comp(Turn(1, B - C));
    }
    m[2][0] = Turn(1, A - O).y;
    m[2][3] = Turn(1, D - A).y;
    if (d.given == 1) {
      m[3][0] = 1;
    } else if (d.given == 2) {
      m[3][2] = 1;
    } else {
      m[3][0] = Turn(1, A - O).x;
      m[3][3] = Turn(1, D - A).x;
    }
    rhs[3] = given;
    const auto w = Solve(m, rhs);
    out[kOA] = w[0], out[kAB] = w[1], out[kBC] = w[2], out[kAD] = w[3];
    out[kVD] = Turn(w[0], A - O).x + Turn(w[3], D - A).x;
  } else {
    const V2 C = P(1), B = P(2), E = P(3), D = P(5), A = P(6), O = P(7);
    // Unknowns w_OA, w_AD, w_BD, w_BC.
    std::vector<std::vector<double>> m(4, std::vector<double>(4, 0));
    std::vector<double> rhs(4, 0);
    for (int k = 0; k < 2; ++k) {
      auto comp = [k](V2 v) { return k == 0 ? v.x : v.y; };
      m[k][0] = comp(Turn(1, A - O));
      m[k][1] = comp(Turn(1, D - A));
      m[k][2] = comp(Turn(1, B - D));
      m[k][3] = -comp(Turn(1, B - C));
    }
    m[2][0] = Turn(1, A - O).y;
    m[2][1] = Turn(1, D - A).y;
    m[2][2] = Turn(1, E - D).y;
    if (d.given == 1) {
      m[3][0] = 1;
    } else if (d.given == 2) {
      m[3][3] = 1;
    } else {
      m[3][0] = Turn(1, A - O).x;
      m[3][1] = Turn(1, D - A).x;
      m[3][2] = Turn(1, E - D).x;
    }
    rhs[3] = given;
    const auto w = Solve(m, rhs);
    out[kOA] = w[0], out[kAD] = w[1], out[kBD] = w[2], out[kBC] = w[3];
    out[kVE] = Turn(w[0], A - O).x + Turn(w[1], D - A).x + Turn(w[2], E - D).x;
  }
  return out;
}

void CheckArbitraryPosition(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(15, p, level);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers;
  const auto d = kinematics::DeriveArbitraryPosition(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
  ASSERT_EQ(v.p_after[1], d.p2) << what;
  auto P = [&](int i) { return V2{static_cast<double>(d.x[i]), static_cast<double>(d.y[i])}; };
  const bool four_bar = d.type != 3;
  // The printed data describe the drawn linkage.
  const int o = four_bar ? 1 : 7, a = four_bar ? 2 : 6, c = four_bar ? 4 : 1, b = four_bar ? 3 : 2,
            disk = four_bar ? 5 : 3, rod_end = 5;  // D in both types
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, "$OA="), Len(P(a) - P(o))) << what;
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, "$AD="), Len(P(rod_end) - P(a))) << what;
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, "$x_C="), P(c).x - P(o).x) << what;
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, "$y_C="), P(c).y - P(o).y) << what;
  EXPECT_DOUBLE_EQ(NumberAfter(v.main, four_bar ? "$y_D=" : "$y_E="), P(disk).y - P(o).y) << what;
  const double bc = NumberAfter(v.main, four_bar ? "$BC=" : "$BC$=");
  EXPECT_DOUBLE_EQ(bc, Len(P(c) - P(b))) << what;
  // The disk of radius 5 stands on its ground.
  EXPECT_EQ(d.y[four_bar ? 6 : 4], d.y[disk] - 5) << what;
  EXPECT_EQ(d.x[four_bar ? 6 : 4], d.x[disk]) << what;
  const bool phi_pi = v.main.find("\\varphi_0=\\pi") != std::string::npos;
  if (four_bar) {
    EXPECT_DOUBLE_EQ(NumberAfter(v.main, "$AB="), Len(P(b) - P(a))) << what;
    // phi is the angle of C->B: at pi, B lies left of C on its level.
    EXPECT_TRUE(phi_pi) << what;
    EXPECT_EQ(d.y[b], d.y[c]) << what;
    EXPECT_LT(d.x[b], d.x[c]) << what;
  } else {
    EXPECT_DOUBLE_EQ(NumberAfter(v.main, "DE=BE="), Len(P(disk) - P(5))) << what;
    EXPECT_DOUBLE_EQ(NumberAfter(v.main, "DE=BE="), Len(P(b) - P(disk))) << what;
    EXPECT_DOUBLE_EQ(Len(P(b) - P(5)), 2 * Len(P(disk) - P(5))) << what;  // E mid of B-D
    // phi is the angle of O->A.
    EXPECT_EQ(d.y[a], d.y[o]) << what;
    EXPECT_EQ(d.x[a] > d.x[o], !phi_pi) << what;
  }
  // The given quantity and the answers against the velocity state of the drawn linkage.
  const char* given_marker[2][3] = {{"$\\omega_{OA_z}=", "$\\omega_{BC_z}=", "$v_{Dx}="},
                                    {"$\\omega_{OA_z}=", "$\\omega_{BC_z}=", "$v_{Ex}="}};
  const double given = NumberAfter(v.main, given_marker[four_bar ? 0 : 1][p[6] - 1]);
  ASSERT_FALSE(std::isnan(given)) << what;
  ASSERT_NE(given, 0) << what;
  const auto state = VelocityState(d, given);
  const int given_column = p[6] == 1 ? kOA : (p[6] == 2 ? kBC : (four_bar ? kVD : kVE));
  const auto cells = RawCells(v.answers);
  ASSERT_EQ(cells.size(), 1u + kColumns) << what;
  bool all_zero = true;
  for (int k = 0; k < kColumns; ++k) {
    const std::string& cell = cells[static_cast<std::size_t>(k) + 1];
    if (k == given_column || std::isnan(state[static_cast<std::size_t>(k)])) {
      EXPECT_EQ(cell, "---") << "column " << k << "\n" << what;
      continue;
    }
    const double x = state[static_cast<std::size_t>(k)];
    EXPECT_NEAR(x, std::round(x), 1e-6) << "column " << k << " is not whole\n" << what;
    EXPECT_EQ(cell, std::to_string(static_cast<long>(std::lround(x)))) << "column " << k << "\n"
                                                                       << what;
    if (std::lround(x) != 0) all_zero = false;
  }
  EXPECT_FALSE(all_zero) << what;
  EXPECT_TRUE(d.w[0] != 0 || d.w[1] != 0 || d.w[2] != 0 || d.w[3] != 0 || d.w[4] != 0) << what;
}

TEST(ArbitraryPosition, AnswersAreTheVelocityStateOfTheDrawnLinkage) {
  kinematics_check::ForEachSample({7, 7, 4, 3, 2, 2, 3}, 1200, CheckArbitraryPosition);
}

// The printed text of one variant and its answers row.
struct Printed {
  std::string main, answers;
};
Printed Print(const kinematics_check::Params& p) {
  const auto v = RunOne(15, p, 1);
  return {Unix(v.main), Unix(v.answers)};
}

TEST(ArbitraryPosition, AllOnesGivesTheCrankAndTheDiskMovesBackwards) {
  // P2 = P1 moves the link AB to the next triple; the disk's centre moves against the x axis.
  const auto v = Print({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(v.answers, " 1& --- &$   2$&$  -6$&$   3$& --- &$ -50$& --- \n");
  EXPECT_NE(v.main.find(" $\\omega_{OA_z}=-8~рад/с$, \n $OA=5$, $AB=20$,  \n"
                        " $BC=8$, $AD=10$,  \n $x_C=17$, $y_C=-20$, $y_D=2$,  \n"
                        "$\\varphi_0=\\pi.$}\n"),
            std::string::npos)
      << v.main;
  const auto d = kinematics::DeriveArbitraryPosition(1, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(d.p2, 2);
  EXPECT_EQ((std::array<int, 5>{-8, 2, -6, 3, -50}), d.w);
}

TEST(ArbitraryPosition, TriangleTypeExample) {
  const auto v = Print({3, 3, 3, 3, 1, 1, 1});
  EXPECT_EQ(v.answers, " 1& --- & --- &$   4$&$  -9$&$  -4$& --- &$ -84$\n");
  EXPECT_NE(v.main.find(" $\\omega_{OA_z}=4~рад/с$, \n $BC$=17, $DE=BE=10$,  \n"
                        " $OA=8$, $AD=12$,  \n $x_C=32$, $y_C=-15$, $y_E=-6$,  \n"
                        "$\\varphi_0=0$.}\n"),
            std::string::npos)
      << v.main;
}

TEST(ArbitraryPosition, SignRulesAndTheShortenedRod) {
  // P5 = 2 on the four-bar forces s6 = 1 whatever P6 says.
  EXPECT_EQ(kinematics::DeriveArbitraryPosition(6, 1, 1, 1, 2, 1, 1).s6, 1);
  EXPECT_EQ(kinematics::DeriveArbitraryPosition(6, 1, 1, 3, 2, 1, 1).s6, -1);
  // s6 = 1, s5 = -1 with P1, P2 < 5 takes the link AB from the seventh triple.
  EXPECT_EQ(kinematics::DeriveArbitraryPosition(2, 3, 1, 1, 1, 2, 1).p2, 7);
  EXPECT_EQ(kinematics::DeriveArbitraryPosition(5, 3, 1, 1, 1, 2, 1).p2, 3);
  // P1 = 7 with P2 = 7 wraps to the first triple.
  EXPECT_EQ(kinematics::DeriveArbitraryPosition(7, 7, 1, 1, 1, 1, 1).p2, 1);
  // Type 3: k = P3 + 2 = 4 lies one off b - 2a = 3 and is replaced by it.
  const auto d = kinematics::DeriveArbitraryPosition(3, 1, 2, 3, 1, 2, 1);
  EXPECT_EQ(d.ad, 3);
  EXPECT_NE(Print({3, 1, 2, 3, 1, 2, 1}).main.find("$AD=3$"), std::string::npos);
}

}  // namespace
