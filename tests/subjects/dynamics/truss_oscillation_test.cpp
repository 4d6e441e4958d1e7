#include "subjects/dynamics/truss_oscillation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 24, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

std::vector<double> AnswerRow(const std::string& answers) {
  const std::string head = "\\mc{$\\omega_2$} \\\\\\hline";
  std::string row = answers.substr(answers.find(head) + head.size());
  row = row.substr(0, row.find("\\\\"));
  std::vector<double> out;
  std::size_t from = 0;
  for (std::size_t at; (at = row.find('&', from)) != std::string::npos; from = at + 1) {
    out.push_back(std::stod(row.substr(from, at - from)));
  }
  out.push_back(std::stod(row.substr(from)));
  return out;
}

// The truss written apart from the generator: direct stiffness of the five bars (EF = 1,
// lengths in metres with bar 1-2 = l = 1 m), the supported degrees of freedom removed, the
// free system inverted and the mass joint's 2 x 2 block taken as the compliances times EF.
struct Expected {
  double b11 = 0, b12 = 0, b22 = 0;
};

Expected Compliances(const VariantParams& p) {
  const double r3 = std::sqrt(3.0);
  const double shapes[7][4][2] = {
      {},
      {{0, 0}, {1, 0}, {1, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, r3}, {2, 2 * r3}},
      {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
      {{0, 0}, {4, 0}, {1, r3}, {2, 2 * r3}},
      {{0, 0}, {2, 0}, {1, 1}, {2, 2}},
      {{0, 0}, {1, 0}, {0.5, r3 / 2}, {1.5, r3 / 2}},
  };
  const auto& X = shapes[p[0]];
  const double l = std::hypot(X[1][0] - X[0][0], X[1][1] - X[0][1]);
  const int bars[5][2] = {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {1, 3}};
  double K[8][8] = {};
  for (const auto& b : bars) {
    const double dx = (X[b[1]][0] - X[b[0]][0]) / l, dy = (X[b[1]][1] - X[b[0]][1]) / l;
    const double L = std::hypot(dx, dy);
    const double e[2] = {dx / L, dy / L};
    for (int a = 0; a < 2; ++a) {
      for (int c = 0; c < 2; ++c) {
        const double k = e[a] * e[c] / L;
        K[2 * b[0] + a][2 * b[0] + c] += k;
        K[2 * b[1] + a][2 * b[1] + c] += k;
        K[2 * b[0] + a][2 * b[1] + c] -= k;
        K[2 * b[1] + a][2 * b[0] + c] -= k;
      }
    }
  }
  // Hinge at joint 1 (P3 = 1) or 4; the roller at the other end, its link vertical (P2 = 1)
  // or horizontal: that direction is held.
  const int hinge = p[2] == 1 ? 0 : 3, roller = 3 - hinge;
  std::vector<int> fixed = {2 * hinge, 2 * hinge + 1, 2 * roller + (p[1] == 1 ? 1 : 0)};
  std::vector<int> free;
  for (int d = 0; d < 8; ++d) {
    bool held = false;
    for (int f : fixed) held = held || f == d;
    if (!held) free.push_back(d);
  }
  const int n = static_cast<int>(free.size());
  // Gauss-Jordan inverse of the free block.
  std::vector<std::vector<double>> A(n, std::vector<double>(2 * n, 0));
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < n; ++k) A[i][k] = K[free[i]][free[k]];
    A[i][n + i] = 1;
  }
  for (int c = 0; c < n; ++c) {
    int piv = c;
    for (int i = c + 1; i < n; ++i) {
      if (std::abs(A[i][c]) > std::abs(A[piv][c])) piv = i;
    }
    std::swap(A[c], A[piv]);
    EXPECT_GT(std::abs(A[c][c]), 1e-9) << "singular";
    const double d = A[c][c];
    for (double& v : A[c]) v /= d;
    for (int i = 0; i < n; ++i) {
      if (i == c) continue;
      const double f = A[i][c];
      for (int k = 0; k < 2 * n; ++k) A[i][k] -= f * A[c][k];
    }
  }
  const int j = p[3];  // joint P4 + 1, zero-based
  int ix = -1, iy = -1;
  for (int i = 0; i < n; ++i) {
    if (free[i] == 2 * j) ix = i;
    if (free[i] == 2 * j + 1) iy = i;
  }
  Expected e;
  e.b11 = A[ix][n + ix];
  e.b12 = A[ix][n + iy];
  e.b22 = A[iy][n + iy];
  return e;
}

TEST(TrussOscillationTest, AnswersMatchADirectStiffnessModelOverTheSweep) {
  // P6, P7 are not read; every other parameter set at every Level.
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 2, 2, 2, 9, 1, 1}, 2000);
  long long checked = 0;
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(point.p, point.level);
    const Expected e = Compliances(point.p);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 6u) << what;
    const double EF = 1000 * NumberAfter(t.main, "$EF=");
    const double m = NumberAfter(t.main, " $m=");
    // The frequencies: the reciprocal eigenvalues of the compliance matrix, times EF / m.
    const double tr = e.b11 + e.b22, det = e.b11 * e.b22 - e.b12 * e.b12;
    const double disc = std::sqrt(std::max(0.0, tr * tr / 4 - det));
    const double w1 = std::sqrt(EF / m / (tr / 2 + disc)), w2 = std::sqrt(EF / m / (tr / 2 - disc));
    const double expected[5] = {e.b11, e.b12, e.b22, w1, w2};
    for (int k = 0; k < 5; ++k) {
      EXPECT_NEAR(row[1 + k], expected[k], 0.0005 + 1e-9 * std::abs(expected[k]))
          << what << " column " << k + 1;
    }
    if (point.level == 1) {
      EXPECT_EQ(EF, 1000) << what;
      EXPECT_EQ(m, 1) << what;
    } else {
      EXPECT_EQ(EF, (point.p[0] + point.p[1]) * (point.p[0] + point.p[1]) * 100) << what;
      EXPECT_EQ(m, point.p[4] * point.p[4]) << what;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 432LL * 10));
}

// Every length enters divided by bar 1-2, so the figure's scale changes nothing.
TEST(TrussOscillationTest, CompliancesDoNotDependOnTheScale) {
  for (double scale : {1.0, 7.5, 40.0}) {
    auto s = testing_support::NewState();
    s->Level = 2;
    s->P1 = 4;
    s->P2 = 2;
    s->P3 = 2;
    s->P4 = 1;
    s->P5 = 3;
    SetTrussOscillationShape(*s, 4);
    for (int k = 1; k <= 4; ++k) {
      s->PointX[k] *= scale;
      s->PointY[k] *= scale;
    }
    const TrussOscillationAnswers a = SolveTrussNodeOscillation(*s);
    const Expected e = Compliances({4, 2, 2, 1, 3, 1, 1});
    EXPECT_NEAR(a.b11, e.b11, 1e-9) << scale;
    EXPECT_NEAR(a.b12, e.b12, 1e-9) << scale;
    EXPECT_NEAR(a.b22, e.b22, 1e-9) << scale;
  }
}

TEST(TrussOscillationTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int level;
    const char* answer;
    const char* data;
  };
  const Case cases[] = {
      {"Level 1: 1 kN and 1 kg, computed with 1000 N",
       {1, 1, 1, 1, 5, 1, 1},
       1,
       " 1&   1.000&  -0.500&   2.164&  20.631&  35.034 \\\\",
       " \\vskip4mm\\small\\hskip6mm $EF=1$~кН,\r\n $m=1$~кг.\r\n\\vskip1mm "},
      {"Level 5",
       {1, 1, 1, 1, 5, 1, 1},
       5,
       " 1&   1.000&  -0.500&   2.164&   2.610&   4.431 \\\\",
       " \\vskip4mm\\small\\hskip6mm $EF=0.4$~кН,\r\n $m=25$~кг.\r\n\\vskip1mm "},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(c.p, c.level);
    EXPECT_NE(t.answers.find(c.answer), std::string::npos) << c.what << "\n" << t.answers;
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what;
  }
}

}  // namespace
}  // namespace dynamics
