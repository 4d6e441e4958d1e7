#include "subjects/strength/stepped_rod_stability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "strength_run.h"

namespace strength {
namespace {

using strength_check::RunRow;

constexpr int kRow = 34;

// Polynomial deflections on the unit rod, x = 0 at the left end, the step at x = 1/2.
using Poly = std::array<double, 6>;  // C0..C5

double Eval(const Poly& c, int d, double x) {
  double s = 0;
  for (int k = d; k <= 5; ++k) {
    double f = 1;
    for (int j = 0; j < d; ++j) f *= k - j;
    s += c[k] * f * std::pow(x, k - d);
  }
  return s;
}

// Kinds of end: 1 pinned, 2 clamped, 3 guided (no slope, no shear).
void EndRows(int kind, double x, std::vector<std::array<double, 4>>& rows,
             std::vector<std::array<double, 2>>& rhs) {
  const int orders[3][2] = {{0, 2}, {0, 1}, {1, 3}};
  for (const int d : orders[kind - 1]) {
    std::array<double, 6> row{};
    for (int k = d; k <= 5; ++k) {
      double f = 1;
      for (int j = 0; j < d; ++j) f *= k - j;
      row[k] = f * std::pow(x, k - d);
    }
    rows.push_back({row[0], row[1], row[2], row[3]});
    rhs.push_back({-row[4], -row[5]});
  }
}

// The two trial functions of scheme p1: C4 = 1 or C5 = 1, C0..C3 from the end conditions.
std::array<Poly, 2> TrialFunctions(int p1) {
  const int left[] = {1, 2, 2, 2, 1}, right[] = {1, 2, 1, 3, 3};
  std::vector<std::array<double, 4>> m;
  std::vector<std::array<double, 2>> rhs;
  EndRows(left[p1 - 1], 0, m, rhs);
  EndRows(right[p1 - 1], 1, m, rhs);
  std::array<Poly, 2> out{};
  for (int t = 0; t < 2; ++t) {
    double a[4][5];
    for (int i = 0; i < 4; ++i) {
      for (int j = 0; j < 4; ++j) a[i][j] = m[i][j];
      a[i][4] = rhs[i][t];
    }
    for (int c = 0; c < 4; ++c) {
      int piv = c;
      for (int r = c + 1; r < 4; ++r) {
        if (std::fabs(a[r][c]) > std::fabs(a[piv][c])) piv = r;
      }
      for (int j = 0; j < 5; ++j) std::swap(a[c][j], a[piv][j]);
      for (int r = 0; r < 4; ++r) {
        if (r == c) continue;
        const double f = a[r][c] / a[c][c];
        for (int j = 0; j < 5; ++j) a[r][j] -= f * a[c][j];
      }
    }
    for (int i = 0; i < 4; ++i) out[t][i] = a[i][4] / a[i][i];
    out[t][4 + t] = 1;
  }
  return out;
}

// Gauss-Legendre with 5 points on [a, b]: exact for the degree-8 products here.
template <class F>
double Integrate(F f, double a, double b) {
  const double x[] = {0, -0.5384693101056831, 0.5384693101056831, -0.9061798459386640,
                      0.9061798459386640};
  const double w[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                      0.2369268850561891, 0.2369268850561891};
  double s = 0;
  for (int i = 0; i < 5; ++i) s += w[i] * f((a + b) / 2 + (b - a) / 2 * x[i]);
  return s * (b - a) / 2;
}

struct Ritz {
  double e[3], f[3], x;  // energy coefficients and the smallest load parameter P l^2 / EJ
};

Ritz SolveRitz(int p1, int m1, int m2, double r) {
  const auto phi = TrialFunctions(p1);
  Ritz out{};
  const int pairs[3][2] = {{0, 0}, {0, 1}, {1, 1}};
  for (int k = 0; k < 3; ++k) {
    const Poly& a = phi[pairs[k][0]];
    const Poly& b = phi[pairs[k][1]];
    const double twice = k == 1 ? 2 : 1;
    auto load = [&](double x) { return Eval(a, 1, x) * Eval(b, 1, x); };
    auto bend = [&](double x) { return Eval(a, 2, x) * Eval(b, 2, x); };
    out.e[k] = twice * ((m1 + m2) * Integrate(load, 0, 0.5) + m2 * Integrate(load, 0.5, 1));
    out.f[k] = twice * (r * Integrate(bend, 0, 0.5) + Integrate(bend, 0.5, 1));
  }
  // det(x E - F) = 0 with the symmetric 2 x 2 matrices.
  const double A = out.e[0] * out.e[2] - out.e[1] * out.e[1] / 4;
  const double B = -(out.e[0] * out.f[2] + out.e[2] * out.f[0] - out.e[1] * out.f[1] / 2);
  const double C = out.f[0] * out.f[2] - out.f[1] * out.f[1] / 4;
  out.x = (-B - std::sqrt(B * B - 4 * A * C)) / (2 * A);
  return out;
}

// The exact critical load of the stepped rod: on each half w = A + Bx + C cos kx + D sin kx
// (a cubic where the half carries no force), continuity of w, w', EJ w'' and the transverse
// force EJ w''' + N w' at the step, the end conditions at both ends; the lowest x = P l^2/EJ
// where the 8 x 8 determinant changes sign.
double ExactLoad(int p1, int m1, int m2, double r) {
  auto det = [&](double x) {
    const double N[2] = {double(m1 + m2), double(m2)};
    const double EJ[2] = {r, 1};
    // Basis functions of one half and their derivatives 0..3 at point t.
    auto basis = [&](int h, double t, int d) {
      std::array<double, 4> out{};
      const double k = std::sqrt(x * N[h] / EJ[h]);
      if (N[h] == 0) {
        for (int j = 0; j < 4; ++j) {
          double f = 1;
          for (int q = 0; q < d; ++q) f *= j - q;
          out[j] = j >= d ? f * std::pow(t, j - d) : 0;
        }
        return out;
      }
      out[0] = d == 0 ? 1 : 0;
      out[1] = d == 0 ? t : (d == 1 ? 1 : 0);
      const double c = std::cos(k * t), s = std::sin(k * t), kd = std::pow(k, d);
      const double cs[4] = {c, -s, -c, s}, sc[4] = {s, c, -s, -c};
      out[2] = kd * cs[d];
      out[3] = kd * sc[d];
      return out;
    };
    double m[8][8] = {};
    int row = 0;
    auto put = [&](int h, double t, const double* weights) {
      // weights of w, w', w'', w''' for half h at t, written into the current row
      for (int d = 0; d < 4; ++d) {
        if (weights[d] == 0) continue;
        const auto b = basis(h, t, d);
        for (int j = 0; j < 4; ++j) m[row][4 * h + j] += weights[d] * b[j];
      }
    };
    const int left[] = {1, 2, 2, 2, 1}, right[] = {1, 2, 1, 3, 3};
    auto end = [&](int kind, int h, double t) {
      const double w[4] = {1, 0, 0, 0}, w1[4] = {0, 1, 0, 0}, w2[4] = {0, 0, 1, 0};
      // The transverse force EJ w''' + P N w', in units of EJ / l^3.
      const double sh[4] = {0, x * N[h], 0, EJ[h]};
      if (kind == 1) {
        put(h, t, w), ++row, put(h, t, w2), ++row;
      } else if (kind == 2) {
        put(h, t, w), ++row, put(h, t, w1), ++row;
      } else {
        put(h, t, w1), ++row, put(h, t, sh), ++row;
      }
    };
    end(left[p1 - 1], 0, 0);
    end(right[p1 - 1], 1, 1);
    for (int d = 0; d < 4; ++d) {
      double a[4] = {0, 0, 0, 0}, b[4] = {0, 0, 0, 0};
      if (d < 2) {
        a[d] = 1, b[d] = -1;
      } else if (d == 2) {
        a[2] = EJ[0], b[2] = -EJ[1];
      } else {
        a[1] = x * N[0], a[3] = EJ[0], b[1] = -x * N[1], b[3] = -EJ[1];
      }
      put(0, 0.5, a);
      put(1, 0.5, b);
      ++row;
    }
    // determinant by elimination
    double d = 1;
    for (int c = 0; c < 8; ++c) {
      int piv = c;
      for (int q = c + 1; q < 8; ++q) {
        if (std::fabs(m[q][c]) > std::fabs(m[piv][c])) piv = q;
      }
      if (m[piv][c] == 0) return 0.0;
      if (piv != c) {
        for (int j = 0; j < 8; ++j) std::swap(m[piv][j], m[c][j]);
        d = -d;
      }
      d *= m[c][c];
      for (int q = c + 1; q < 8; ++q) {
        const double f = m[q][c] / m[c][c];
        for (int j = c; j < 8; ++j) m[q][j] -= f * m[c][j];
      }
    }
    return d;
  };
  double lo = 0.01, dlo = det(lo);
  for (double hi = lo + 0.01; hi < 400; hi += 0.01) {
    const double dhi = det(hi);
    if ((dlo < 0) != (dhi < 0)) {
      for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2, dm = det(mid);
        if ((dlo < 0) != (dm < 0)) {
          hi = mid;
        } else {
          lo = mid, dlo = dm;
        }
      }
      return (lo + hi) / 2;
    }
    lo = hi, dlo = dhi;
  }
  return NAN;
}

// The numbers of a printed energy expression, in order: e1 e2 e3 f1 f2 f3.
std::vector<double> EnergyNumbers(const std::string& answers) {
  std::vector<double> out;
  std::size_t at = answers.find("$Pl^2(");
  if (at == std::string::npos) return out;
  at += 6;
  while (out.size() < 6) {
    std::size_t end = 0;
    out.push_back(std::stod(answers.substr(at), &end));
    at += end;
    if (answers.compare(at, 12, "\\cdot10^{-2}") == 0) out.back() /= 100, at += 12;
    if (out.size() == 3) {
      at = answers.find("-EJ(", at) + 4;
    } else {
      at = answers.find("+", at) + 1;
    }
  }
  return out;
}

// The axial forces of the figure: arrows of length 15 to the left on the rod's axis.
std::vector<strength_check::Arrow> Forces(const std::string& main) {
  std::vector<strength_check::Arrow> out;
  for (const auto& a : strength_check::Arrows(main)) {
    if (a.dx == -1 && a.dy == 0 && a.y == 0 && a.len == 15) out.push_back(a);
  }
  return out;
}

TEST(SteppedRodStabilityTest, PrintedEnergyAndMuAgreeWithRitzAndBoundTheExactLoad) {
  double worst = 0;
  for (int p1 = 1; p1 <= 5; ++p1) {
    for (int p2 = 1; p2 <= 5; ++p2) {
      for (int p3 = 1; p3 <= 5; ++p3) {
        for (int p4 = 1; p4 <= 5; ++p4) {
          const auto t = RunRow(kRow, {{p1, p2, p3, p4, 1, 1, 1}});
          const std::string where = std::to_string(p1) + std::to_string(p2) +
                                    std::to_string(p3) + std::to_string(p4);
          // The forces and the ratio as drawn and printed.
          int m1 = 0, m2 = 0;
          for (const auto& a : Forces(t.main)) {
            if (a.x == 107) m2 = 1;
            if (a.x == 45) m1 = 1;
          }
          for (int m = 2; m <= 4; ++m) {
            const std::string l = "{" + std::to_string(m) + "$P$}";
            const std::size_t at = t.main.find(l);
            if (at == std::string::npos) continue;
            // The label stands 3 left of its force: at 104 for the end, 42 for the step.
            const std::string before = t.main.substr(0, at);
            const double x = strength_check::NumberAfter(before, "\\put(", before.rfind("\\put("));
            (x > 60 ? m2 : m1) = m;
          }
          const double r = strength_check::NumberAfter(t.main, "$J_1=");
          ASSERT_TRUE(m1 > 0 || m2 > 0) << where;
          const Ritz ritz = SolveRitz(p1, m1, m2, r);
          const auto printed = EnergyNumbers(t.answers);
          ASSERT_EQ(printed.size(), 6u) << where << t.answers;
          for (int k = 0; k < 3; ++k) {
            // Two decimals, and FormatNumber writes a whole number within 0.01 of it.
            const double tol = (p1 == 2 && k == 0) ? 0.0001 : 0.0101;
            EXPECT_NEAR(printed[k], ritz.e[k], tol) << where << " e" << k + 1;
            EXPECT_NEAR(printed[3 + k], ritz.f[k], 0.0101) << where << " f" << k + 1;
          }
          const std::size_t mu_at = t.second_answers.find("1 & ");
          ASSERT_NE(mu_at, std::string::npos);
          const double mu = std::stod(t.second_answers.substr(mu_at + 4));
          EXPECT_NEAR(mu, std::numbers::pi / std::sqrt(ritz.x), 0.0005 + 1e-9) << where;
          // The Ritz load bounds the exact one from above: mu at most the exact one.
          const double exact = std::numbers::pi / std::sqrt(ExactLoad(p1, m1, m2, r));
          EXPECT_LE(mu, exact + 0.0005) << where;
          EXPECT_NEAR(mu, exact, 0.1 * exact) << where;
          worst = std::max(worst, (exact - mu) / exact);
        }
      }
    }
  }
  RecordProperty("largest relative gap to the exact mu", std::to_string(worst));
  std::printf("largest relative gap of the Ritz mu below the exact one: %.4f\n", worst);
}

TEST(SteppedRodStabilityTest, GoldenLines) {
  // One end force, r = 0.9: clamped at both ends, and pinned with a guided end.
  auto t = RunRow(kRow, {{2, 1, 2, 3, 1, 1, 1}});
  EXPECT_NE(t.second_answers.find("1 & 0.498&\r\n"), std::string::npos) << t.second_answers;
  EXPECT_NE(t.answers.find("\\cdot10^{-2}C_4^2+"), std::string::npos) << t.answers;
  EXPECT_NE(t.main.find("rskzdbig}"), std::string::npos);
  EXPECT_NE(t.main.find("$J_1=0.9J$, $J_2=J$"), std::string::npos) << t.main;
  t = RunRow(kRow, {{5, 1, 2, 3, 1, 1, 1}});
  EXPECT_NE(t.second_answers.find("1 & 2.02"), std::string::npos) << t.second_answers;
  EXPECT_NE(t.second_answers.find("$C_0=0,\\ C_1 = 8C_4+25C_5, \\ C_2 = 0,\\    C_3 = "
                                  "-4C_4-10C_5$\r\n"),
            std::string::npos);
  // The head row names the energy expression; the first variant's row follows it.
  EXPECT_NE(t.answers.find("}\\hline \r\n\\No & выражение энергии \\\\\\hline \r\n1\r\n & $Pl^2("),
            std::string::npos)
      << t.answers;
  // Equal multiples give P at both places; p2 = 1 only the end force.
  EXPECT_EQ(Forces(RunRow(kRow, {{1, 4, 4, 1, 1, 1, 1}}).main).size(), 2u);
  EXPECT_EQ(Forces(RunRow(kRow, {{1, 1, 5, 1, 1, 1, 1}}).main).size(), 1u);
}

}  // namespace
}  // namespace strength
