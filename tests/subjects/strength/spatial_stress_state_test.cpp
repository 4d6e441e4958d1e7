#include "subjects/strength/spatial_stress_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "strength_run.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::RunRow;

constexpr int kRow = 11;

// Eigenvalues of a symmetric 3 x 3 matrix by cyclic Jacobi rotations, descending.
void Jacobi(double a[3][3], double out[3]) {
  for (int sweep = 0; sweep < 60; ++sweep) {
    double off = 0;
    for (int p = 0; p < 3; ++p)
      for (int q = p + 1; q < 3; ++q) off += a[p][q] * a[p][q];
    if (off < 1e-30) break;
    for (int p = 0; p < 3; ++p)
      for (int q = p + 1; q < 3; ++q) {
        if (a[p][q] == 0) continue;
        const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
        const double t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        const double c = 1 / std::sqrt(t * t + 1), s = t * c;
        for (int k = 0; k < 3; ++k) {
          const double akp = a[k][p], akq = a[k][q];
          a[k][p] = c * akp - s * akq;
          a[k][q] = s * akp + c * akq;
        }
        for (int k = 0; k < 3; ++k) {
          const double apk = a[p][k], aqk = a[q][k];
          a[p][k] = c * apk - s * aqk;
          a[q][k] = s * apk + c * aqk;
        }
      }
  }
  for (int i = 0; i < 3; ++i) out[i] = a[i][i];
  std::sort(out, out + 3, [](double x, double y) { return x > y; });
}

// The stress components as the figure shows them: each label's magnitude, signed by its
// arrow. Labels in drawing order: blue sigma_x, sigma_y, sigma_z (each after its arrow), red
// tau_xz, tau_xy, tau_yz after all red arrows; a zero component has neither.
struct Tensor {
  double sx = 0, sy = 0, sz = 0, txz = 0, tyz = 0, txy = 0;
};

// Reads the cube back. The face points: right face (normal x) centre (112.847, 49.847), front
// face (normal z) (49, 35), top face (normal y) (63.847, 84.847).
std::string ReadTensor(const std::string& main, Tensor& T) {
  const std::size_t pic = main.rfind("\\usebox{\\kubik}");
  const std::size_t red = main.find("}\\Red{", pic);
  const std::string blue = main.substr(pic, red - pic), reds = main.substr(red);
  const auto ba = strength_check::Arrows(blue), ra = strength_check::Arrows(reds);
  // Normal stresses: an arrow pointing away from its face centre is tension.
  for (const auto& a : ba) {
    if (a.dy == 0) {  // sigma_x: horizontal on the right face
      T.sx = a.dx > 0 ? 1 : -1;
    } else if (a.dx == 0) {  // sigma_y: vertical on the top face
      T.sy = a.dy > 0 ? 1 : -1;
    } else {  // sigma_z: along the depth, towards the viewer is down-left
      T.sz = a.dx < 0 ? 1 : -1;
    }
  }
  // Shear: the arrow on the face whose normal is the first index, pointing along the second.
  for (const auto& a : ra) {
    const bool on_front = std::fabs(a.y - 35) < 12.5 && a.x < 70;
    const bool on_right = a.x > 95 && a.y < 75;
    const bool on_top = a.y > 70;
    if (on_right && a.dx != 0 && a.dy != 0) T.txz = a.dx < 0 ? 1 : -1;  // along z on x face
    if (on_right && a.dx == 0) T.txy = a.dy > 0 ? 1 : -1;                // along y on x face
    if (on_front && a.dx == 0) T.tyz = a.dy > 0 ? 1 : -1;                // along y on z face
    (void)on_top;
  }
  // Magnitudes from the labels in their order.
  std::vector<double> blue_values, red_values;
  for (std::size_t at = blue.find("{\\scriptsize "); at != std::string::npos;
       at = blue.find("{\\scriptsize ", at + 1)) {
    blue_values.push_back(std::stod(blue.substr(at + 13)));
  }
  for (std::size_t at = reds.find("{\\scriptsize "); at != std::string::npos;
       at = reds.find("{\\scriptsize ", at + 1)) {
    red_values.push_back(std::stod(reds.substr(at + 13)));
  }
  std::size_t bi = 0, ri = 0;
  for (double* v : {&T.sx, &T.sy, &T.sz}) {
    if (*v != 0) {
      if (bi >= blue_values.size()) return "a blue label is missing";
      *v *= blue_values[bi++];
    }
  }
  for (double* v : {&T.txz, &T.txy, &T.tyz}) {
    if (*v != 0) {
      if (ri >= red_values.size()) return "a red label is missing";
      *v *= red_values[ri++];
    }
  }
  if (bi != blue_values.size() || ri != red_values.size()) return "labels without arrows";
  return {};
}

std::string CheckPrintedStress(const testing_support::RunTexts& t) {
  Tensor T;
  const std::string read = ReadTensor(t.main, T);
  if (!read.empty()) return read;
  double a[3][3] = {{T.sx, T.txy, T.txz}, {T.txy, T.sy, T.tyz}, {T.txz, T.tyz, T.sz}};
  const double I1 = T.sx + T.sy + T.sz;
  const double I2 = T.sx * T.sy + T.sy * T.sz + T.sz * T.sx - T.txy * T.txy - T.tyz * T.tyz -
                    T.txz * T.txz;
  const double I3 = T.sx * T.sy * T.sz + 2 * T.txy * T.tyz * T.txz - T.sx * T.tyz * T.tyz -
                    T.sy * T.txz * T.txz - T.sz * T.txy * T.txy;
  double e[3];
  Jacobi(a, e);
  const auto c = strength_check::RowNumbers(AnswersRow(t.answers));
  if (c.size() != 11) return "eleven numbers expected";
  if (c[1] != -I1 || c[2] != I2 || c[3] != -I3) return "characteristic coefficients";
  const double tau[3] = {(e[1] - e[2]) / 2, (e[0] - e[2]) / 2, (e[0] - e[1]) / 2};
  const double oct = 2.0 / 3 * std::sqrt(tau[0] * tau[0] + tau[1] * tau[1] + tau[2] * tau[2]);
  const double want[7] = {e[0], e[1], e[2], tau[0], tau[1], tau[2], oct};
  for (int i = 0; i < 7; ++i) {
    if (std::fabs(c[4 + i] - want[i]) > 0.0005 + 1e-9) {
      return "cell " + std::to_string(4 + i) + ": " + std::to_string(c[4 + i]) + " vs " +
             std::to_string(want[i]);
    }
  }
  if (t.answers.find("nan") != std::string::npos) return "nan";
  if (t.answers.find("-0.000") != std::string::npos && I3 == 0) return "-0.000 for a zero root";
  return {};
}

TEST(SpatialStressStateTest, PrintedPrincipalStressesAreTheEigenvaluesOfTheDrawnTensor) {
  const auto points = strength_check::SamplePoints({5, 30, 30, 30, 30, 30, 30},
                                                   testing_support::FullSweep() ? 100000 : 1500);
  for (const auto& p : points) {
    ASSERT_EQ(CheckPrintedStress(RunRow(kRow, {p})), "") << testing_support::Describe({p, 1});
  }
}

TEST(SpatialStressStateTest, DegenerateTensorsHaveExactPrincipalStresses) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      // The zero tensor.
      {{1, 15, 14, 15, 16, 16, 16},
       " 1\r\n&$      0$ & $      0$ & $      0 $ \r\n"
       "&$  0.000$&$  0.000$&$  0.000$&$   0.000$&$   0.000$&$   0.000$&    0.000"},
      // sigma_x = tau_xy = 1: the first Newton step of the old solver divided by zero.
      {{1, 15, 15, 15, 16, 16, 17},
       " 1\r\n&$     -1$ & $     -1$ & $      0 $ \r\n"
       "&$  1.618$&$  0.000$&$ -0.618$&$   0.309$&$   1.118$&$   0.809$&    0.943"},
      // Hydrostatic: one principal stress of multiplicity three.
      {{1, 20, 19, 20, 16, 16, 16},
       " 1\r\n&$    -15$ & $     75$ & $   -125 $ \r\n"
       "&$  5.000$&$  5.000$&$  5.000$&$   0.000$&$   0.000$&$   0.000$&    0.000"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(kRow, {c.p});
    EXPECT_EQ(AnswersRow(t.answers), c.row);
    EXPECT_EQ(CheckPrintedStress(t), "");
  }
}

TEST(SpatialStressStateTest, GoldenRows) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{1, 2, 3, 4, 5, 6, 7},
       " 5\r\n&$     35$ & $    105$ & $     69 $ \r\n"
       "&$ -0.950$&$ -2.288$&$-31.763$&$  14.737$&$  15.407$&$   0.669$&   14.220"},
      {{1, 30, 30, 30, 30, 30, 30},
       " 5\r\n&$    -46$ & $    117$ & $    -72 $ \r\n"
       "&$ 43.339$&$  1.661$&$  1.000$&$   0.331$&$  21.169$&$  20.839$&   19.805"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswersRow(RunRow(kRow, {c.p}, 5).answers), c.row);
}

TEST(SpatialStressStateTest, TheHeadSaysTheCoefficientsAreThoseOfTheCharacteristicEquation) {
  // J1 and J3 are printed with the invariants' opposite signs (J1 = -(sx + sy + sz)); the
  // answers head names the equation whose coefficients they are, and the printed principal
  // stresses are its roots.
  const auto t = RunRow(kRow, {{1, 2, 3, 4, 5, 6, 7}});
  const std::string equation = "$\\sigma^3+J_1\\sigma^2+J_2\\sigma+J_3=0$";
  const std::size_t head = t.answers.find(equation);
  ASSERT_NE(head, std::string::npos) << t.answers;
  EXPECT_LT(head, t.answers.find("\\begin{tabular}"));
  const auto c = strength_check::RowNumbers(AnswersRow(t.answers));
  ASSERT_EQ(c.size(), 11u);
  for (int i = 4; i <= 6; ++i) {
    const double x = c[static_cast<std::size_t>(i)];
    // Printed to 0.0005: the polynomial may miss zero by that times its slope.
    const double slope = (3 * x + 2 * c[1]) * x + c[2];
    EXPECT_NEAR(((x + c[1]) * x + c[2]) * x + c[3], 0, 0.0006 * std::fabs(slope) + 1e-9)
        << "sigma " << i - 3;
  }
}

TEST(SpatialStressStateTest, ZeroComponentDrawsNothing) {
  // P5 = 16: tau_xz = 0; the other shear stresses are -10 and -9.
  const auto t = RunRow(kRow, {{1, 2, 3, 4, 16, 6, 7}});
  const std::string red = t.main.substr(t.main.rfind("}\\Red{"));
  EXPECT_EQ(strength_check::Arrows(red).size(), 4u);
  EXPECT_EQ(strength_check::Count(red, "\\scriptsize"), 2);
  EXPECT_EQ(red.find("\\put(117.85,61.85)"), std::string::npos);
}

}  // namespace
}  // namespace strength
