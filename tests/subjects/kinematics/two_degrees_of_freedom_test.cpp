#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/mechanism_figure.h"

namespace {

using kinematics_check::RunOne;
using mechanism_figure::NumberAfter;
using mechanism_figure::Perp;
using mechanism_figure::RawCells;
using mechanism_figure::Vec;

// Gaussian elimination with partial pivoting on a small dense system.
std::vector<double> Solve(std::vector<std::vector<double>> a, std::vector<double> b) {
  const std::size_t n = b.size();
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t piv = k;
    for (std::size_t i = k + 1; i < n; ++i) {
      if (std::abs(a[i][k]) > std::abs(a[piv][k])) piv = i;
    }
    std::swap(a[k], a[piv]);
    std::swap(b[k], b[piv]);
    EXPECT_GT(std::abs(a[k][k]), 1e-9) << "the given pair does not fix the motion";
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

enum Link { kOA, kAB, kBC, kCF, kDB, kDE };
const char* const kNames[] = {"OA", "AB", "BC", "CF", "DB", "DE"};

// Reads the linkage back (lengths from the data text, directions from the drawn bars, snapped
// to the 45-degree grid), takes the printed given pair, solves the velocity closure of the
// loop O-A-B-C-F and of the dyad B-D-E, and compares with the answers row.
void CheckRow13(const kinematics_check::Params& p) {
  const auto v = RunOne(13, p);
  const std::string what = kinematics_check::Describe(p) + "\n" + v.main + "\n" + v.answers;
  const auto bars = mechanism_figure::Segments(v.main);
  ASSERT_GE(bars.size(), 6u) << what;
  // Bars in drawing order: O-A, A-B, B-C, C-F, D-B, D-E.
  Vec dir[6];
  for (int i = 0; i < 6; ++i) dir[i] = mechanism_figure::SnappedDirection(bars[i], 45);
  const double r_sqrt2 = NumberAfter(v.main, " $ BD=") * std::sqrt(2.0);
  auto length = [&](const char* name) {
    const double axis = NumberAfter(v.main, std::string(" $ ") + name + "=");
    if (!std::isnan(axis)) return axis;
    EXPECT_NE(v.main.find(std::string(" $") + name + "=$ "), std::string::npos) << what;
    return r_sqrt2;  // the chain OA = CF = BD = r sqrt 2
  };
  const double ab = NumberAfter(v.main, "$ AB="), bc = NumberAfter(v.main, "$ BC=");
  const double de = NumberAfter(v.main, "$DE="), oa = length("OA"), cf = length("CF");
  const Vec A{0, 0};
  const Vec O = A - oa * dir[kOA];
  const Vec B = A + ab * dir[kAB];
  const Vec C = B + bc * dir[kBC];
  const Vec F = C + cf * dir[kCF];
  const Vec D = B - r_sqrt2 * dir[kDB];
  const Vec E = D + de * dir[kDE];
  // The drawn BD runs down to the right at 45 degrees; AB and DE are horizontal, BC vertical.
  EXPECT_NEAR(dir[kDB].x, -std::sqrt(0.5), 1e-9) << what;
  EXPECT_NEAR(dir[kDB].y, std::sqrt(0.5), 1e-9) << what;
  EXPECT_NEAR(dir[kAB].y, 0, 1e-9) << what;
  EXPECT_NEAR(dir[kDE].y, 0, 1e-9) << what;
  EXPECT_NEAR(dir[kBC].x, 0, 1e-9) << what;

  // The given pair, as printed.
  const std::string text = v.main;
  std::array<double, 6> w{};
  std::array<bool, 6> given{};
  for (int i : {kOA, kCF, kDE}) {
    const std::string head = std::string("\\omega_{") + kNames[i] + "_z}=";
    const std::size_t at = text.find(head);
    if (at == std::string::npos) continue;
    given[i] = true;
    // "\omega_{X_z}=\omega_{Y_z}=n": both take the number after the chain.
    std::size_t num = at + head.size();
    if (text.compare(num, 8, "\\omega_{") == 0) num = text.find("=", num) + 1;
    w[i] = std::strtod(text.c_str() + num, nullptr);
  }
  ASSERT_EQ(given[kOA] + given[kCF] + given[kDE], 2) << what;

  // Velocity closure, unknowns the four links not given:
  //   w_OA J(A-O) + w_AB J(B-A) + w_BC J(C-B) - w_CF J(C-F) = 0
  //   w_OA J(A-O) + w_AB J(B-A) + w_DB J(D-B) - w_DE J(D-E) = 0
  const Vec col1[6] = {Perp(A - O), Perp(B - A), Perp(C - B), -1.0 * Perp(C - F), Vec{}, Vec{}};
  const Vec col2[6] = {Perp(A - O), Perp(B - A), Vec{}, Vec{}, Perp(D - B), -1.0 * Perp(D - E)};
  std::vector<int> unknown;
  for (int i = 0; i < 6; ++i) {
    if (!given[i]) unknown.push_back(i);
  }
  std::vector<std::vector<double>> m(4, std::vector<double>(4));
  std::vector<double> rhs(4, 0);
  for (int j = 0; j < 4; ++j) {
    const int l = unknown[j];
    m[0][j] = col1[l].x;
    m[1][j] = col1[l].y;
    m[2][j] = col2[l].x;
    m[3][j] = col2[l].y;
  }
  for (int l = 0; l < 6; ++l) {
    if (!given[l]) continue;
    rhs[0] -= w[l] * col1[l].x;
    rhs[1] -= w[l] * col1[l].y;
    rhs[2] -= w[l] * col2[l].x;
    rhs[3] -= w[l] * col2[l].y;
  }
  const auto x = Solve(m, rhs);
  for (int j = 0; j < 4; ++j) w[unknown[j]] = x[j];

  const auto cells = RawCells(v.answers);
  ASSERT_EQ(cells.size(), 7u) << what;
  std::array<long, 6> whole{};
  for (int i = 0; i < 6; ++i) {
    whole[i] = std::lround(w[i]);
    EXPECT_NEAR(w[i], whole[i], 1e-6) << what << "\nlink " << kNames[i] << " " << w[i];
    if (given[i]) {
      EXPECT_EQ(cells[i + 1], "---") << what;
    } else {
      EXPECT_EQ(cells[i + 1], std::to_string(whole[i])) << what << "\nlink " << kNames[i];
    }
  }
  // The six values are reduced: no common factor among the small primes, and one is positive.
  for (long q : {2, 3, 5, 7, 11}) {
    bool all = true;
    for (long x6 : whole) all = all && x6 % q == 0;
    EXPECT_FALSE(all) << what << "\ncommon factor " << q;
  }
  bool positive = false;
  for (long x6 : whole) positive = positive || x6 > 0;
  EXPECT_TRUE(positive) << what;
}

TEST(TwoDegreesOfFreedom, AnswersSolveTheDrawnLinkage) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {7, 7, 4, 3, 4, 9, 9}, 2500,
      [&](const auto& p, int) {
        CheckRow13(p);
        ++checked;
      },
      1);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 7 * 7 * 4 * 3 * 4 * 9 * 9)) << checked;
}

TEST(TwoDegreesOfFreedom, DirectionsAreAdjustedAndKept) {
  struct Case {
    kinematics_check::Params p;
    int p1, p2;
  };
  const Case cases[] = {
      {{7, 1, 1, 1, 1, 1, 1}, 1, 1},  // CF and DE given: O off the horizontal through A
      {{2, 1, 1, 1, 1, 1, 1}, 3, 1},  // ... B right of A
      {{2, 1, 3, 1, 1, 1, 1}, 8, 1},  // ... B left of A
      {{7, 1, 2, 2, 1, 1, 1}, 8, 1},  // B right of A, O not straight right of A
      {{1, 5, 1, 2, 1, 1, 1}, 1, 6},  // OA and DE given: CF not vertical
      {{1, 4, 1, 3, 1, 1, 1}, 1, 8},  // F never straight below C
  };
  for (const Case& c : cases) {
    const auto v = RunOne(13, c.p);
    EXPECT_EQ(v.p_after[0], c.p1) << kinematics_check::Describe(c.p);
    EXPECT_EQ(v.p_after[1], c.p2) << kinematics_check::Describe(c.p);
  }
}

TEST(TwoDegreesOfFreedom, GoldenLines) {
  // s = 1 (odd P5, P7 = 1): the two given values are equal and printed as one equality.
  const auto equal = RunOne(13, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(equal.main.find("\\small\\vskip1mm  $\\omega_{CF_z}=\\omega_{DE_z}="),
            std::string::npos)
      << equal.main;
  const auto pair = RunOne(13, {1, 1, 1, 3, 2, 1, 1});
  EXPECT_NE(pair.main.find("$\\omega_{OA_z}="), std::string::npos) << pair.main;
  EXPECT_NE(pair.main.find(" \\frac{1}{c}$,  $\\omega_{CF_z}=-"), std::string::npos) << pair.main;
  // O and F on one point: both hinges and labels there, the answers exact (the sweep).
  const auto same = RunOne(13, {7, 1, 1, 2, 3, 2, 7});
  EXPECT_EQ(same.p_after[0], 8);  // O up to the right of A: its hinge hangs from above
  const auto o = mechanism_figure::BoxPlaces(same.main, "uphing");
  const auto f = mechanism_figure::BoxPlaces(same.main, "hing");
  ASSERT_EQ(o.size(), 1u) << same.main;
  ASSERT_EQ(f.size(), 2u) << same.main;  // E, F
  EXPECT_NEAR(o[0].x, f[1].x, 1e-9);
  EXPECT_NEAR(o[0].y, f[1].y, 1e-9);
  EXPECT_NE(same.main.find("{$O$}"), std::string::npos) << same.main;
  EXPECT_NE(same.main.find("{$F$}"), std::string::npos) << same.main;
  CheckRow13({7, 1, 1, 2, 3, 2, 7});
  // Both supports diagonal: OA = CF = BD = r sqrt 2 reads as one chain.
  const auto chain = RunOne(13, {1, 1, 1, 3, 1, 1, 1});
  EXPECT_NE(chain.main.find(" $OA=$  $CF=$  $ BD=2\\sqrt{2}$, $\\alpha=45^\\circ$. "),
            std::string::npos)
      << chain.main;
}

}  // namespace
