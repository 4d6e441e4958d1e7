#include "subjects/strength/spatial_stress_state.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/point_set.h"
#include "subjects/structural/common/three_d_box.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

void PrincipalValues(const double t[3][3], double out[3]) {
  const double off = t[0][1] * t[0][1] + t[0][2] * t[0][2] + t[1][2] * t[1][2];
  if (off == 0) {
    out[0] = t[0][0], out[1] = t[1][1], out[2] = t[2][2];
  } else {
    const double q = (t[0][0] + t[1][1] + t[2][2]) / 3;
    const double d0 = t[0][0] - q, d1 = t[1][1] - q, d2 = t[2][2] - q;
    const double p = std::sqrt((d0 * d0 + d1 * d1 + d2 * d2 + 2 * off) / 6);
    // B = (T - qI)/p; r = det(B)/2 lies in [-1, 1] but for rounding.
    const double b00 = d0 / p, b11 = d1 / p, b22 = d2 / p;
    const double b01 = t[0][1] / p, b02 = t[0][2] / p, b12 = t[1][2] / p;
    const double det = b00 * (b11 * b22 - b12 * b12) - b01 * (b01 * b22 - b12 * b02) +
                       b02 * (b01 * b12 - b11 * b02);
    const double r = std::clamp(det / 2, -1.0, 1.0);
    const double phi = std::acos(r) / 3;
    out[0] = q + 2 * p * std::cos(phi);
    out[2] = q + 2 * p * std::cos(phi + 2 * std::numbers::pi / 3);
    out[1] = 3 * q - out[0] - out[2];
  }
  std::sort(out, out + 3, std::greater<double>());
}

SpatialStressStateVariant DeriveSpatialStressState(int p2, int p3, int p4, int p5, int p6,
                                                   int p7) {
  SpatialStressStateVariant v;
  v.SigmaX = p3 - 14;
  v.SigmaY = p4 - 15;
  v.SigmaZ = p2 - 15;
  v.TauXZ = p5 - 16;
  v.TauYZ = p6 - 16;
  v.TauXY = p7 - 16;
  const long sx = v.SigmaX, sy = v.SigmaY, sz = v.SigmaZ, txz = v.TauXZ, tyz = v.TauYZ,
             txy = v.TauXY;
  v.J1 = -(sx + sy + sz);
  v.J2 = sx * sy + sy * sz + sz * sx - (txz * txz + tyz * tyz + txy * txy);
  v.J3 = -sx * sy * sz - 2 * txz * tyz * txy + sy * txz * txz + sx * tyz * tyz + sz * txy * txy;

  const double t[3][3] = {{static_cast<double>(sx), static_cast<double>(txy), static_cast<double>(txz)},
                          {static_cast<double>(txy), static_cast<double>(sy), static_cast<double>(tyz)},
                          {static_cast<double>(txz), static_cast<double>(tyz), static_cast<double>(sz)}};
  double e[3];
  PrincipalValues(t, e);
  // One Newton step on the exact integer cubic sharpens each simple root; a zero root (J3 = 0)
  // is exactly 0.
  auto cubic = [&v](double x) { return ((x + v.J1) * x + v.J2) * x + v.J3; };
  for (double& x : e) {
    const double df = (3 * x + 2 * v.J1) * x + v.J2;
    if (df == 0) continue;
    const double next = x - cubic(x) / df;
    if (std::fabs(cubic(next)) < std::fabs(cubic(x))) x = next;
  }
  if (v.J3 == 0) {
    double* nearest = std::min_element(e, e + 3, [](double a, double b) {
      return std::fabs(a) < std::fabs(b);
    });
    *nearest = 0;
  }
  std::sort(e, e + 3, std::greater<double>());
  for (int i = 1; i <= 3; ++i) v.Sigma[i] = e[i - 1];
  v.Tau[1] = (v.Sigma[2] - v.Sigma[3]) / 2;
  v.Tau[2] = (v.Sigma[1] - v.Sigma[3]) / 2;
  v.Tau[3] = (v.Sigma[1] - v.Sigma[2]) / 2;
  v.TauOct = 2.0 / 3 * std::sqrt(v.Tau[1] * v.Tau[1] + v.Tau[2] * v.Tau[2] + v.Tau[3] * v.Tau[3]);
  return v;
}

void BeginSpatialStressStateProblem(SharedState& s) {
  s.ParboxWidth = 200;
  s.CuboidA = 42;
  s.CuboidB = 98;
  s.CuboidC = 70;
  structural::SetBoxVertices(s);
  SetMidpoint(s, 9, 3, 8);
  SetMidpoint(s, 10, 1, 8);
  SetMidpoint(s, 11, 1, 3);
  structural::DefineStressCubeBox(s);
  WriteText(s,
            " Найти  главные нормальные и касательные напряжения. Вычислить октаэдрическое "
            "напряжение. \\\\\\noindent");
  // J1..J3 are the coefficients of the characteristic equation, not the invariants: J1 and
  // J3 have the invariants' opposite signs, so the head says which they are.
  AnsWrite(s,
           " $J_1$, $J_2$, $J_3$ --- коэффициенты уравнения"
           " $\\sigma^3+J_1\\sigma^2+J_2\\sigma+J_3=0$\\\\ ");
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 11);
  AnsWrite(s,
           " & $J_1$ & $J_2$ & $J_3$ & $\\sigma_1 $& $\\sigma_2 $& $\\sigma_3 $& $\\tau_1 $& "
           "$\\tau_2 $& $\\tau_3 $ & $\\tau_{okt}$\\\\\\hline");
}

void WriteSpatialStressStateVariant(SharedState& s) {
  const SpatialStressStateVariant v =
      DeriveSpatialStressState(s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const double X9 = s.PointX[9], Y9 = s.PointY[9];
  const double X10 = s.PointX[10], Y10 = s.PointY[10];
  const double X11 = s.PointX[11], Y11 = s.PointY[11];

  // The cube with its stress arrows and values, the x face's reaching about 148 to the right.
  BeginPicture(s, 160, 132, -10, -16);
  PutBox(s, "kubik", 0, 0);
  WriteText(s, "\\thicklines\\Blue{");
  if (v.SigmaX > 0) DrawVector(s, 1, 0, X9, Y9, 25);
  if (v.SigmaX < 0) DrawVector(s, -1, 0, X9 + 25, Y9, 25);
  PutValueLabelNonZero(s, X9 + 26, Y9 + 3, std::abs(v.SigmaX));
  if (v.SigmaY > 0) DrawVector(s, 0, 1, X11, Y11, 25);
  if (v.SigmaY < 0) DrawVector(s, 0, -1, X11, Y11 + 20, 20);
  PutValueLabelNonZero(s, X11 + 2, Y11 + 23, std::abs(v.SigmaY));
  if (v.SigmaZ > 0) DrawVector(s, -1, -1, X10, Y10, 20);
  if (v.SigmaZ < 0) DrawVector(s, 1, 1, X10 - 20, Y10 - 20, 20);
  PutValueLabelNonZero(s, X10 - 13, Y10 - 21, std::abs(v.SigmaZ));
  WriteText(s, "}\\Red{");
  if (v.TauXZ > 0) {
    DrawVector(s, 1, 0, X10 - 12, Y10, 24);
    DrawVector(s, -1, -1, X9 + 9, Y9 + 9, 18);
  } else if (v.TauXZ < 0) {
    DrawVector(s, -1, 0, X10 + 12, Y10, 24);
    DrawVector(s, 1, 1, X9 - 9, Y9 - 9, 18);
  }
  if (v.TauXY > 0) {
    DrawVector(s, 1, 0, X11 - 12, Y11, 24);
    DrawVector(s, 0, 1, X9, Y9 - 11, 22);
  } else if (v.TauXY < 0) {
    DrawVector(s, -1, 0, X11 + 12, Y11, 24);
    DrawVector(s, 0, -1, X9, Y9 + 11, 22);
  }
  if (v.TauYZ > 0) {
    DrawVector(s, -1, -1, X11 + 12, Y11 + 12, 24);
    DrawVector(s, 0, 1, X10, Y10 - 11, 22);
  } else if (v.TauYZ < 0) {
    DrawVector(s, 1, 1, X11 - 12, Y11 - 12, 24);
    DrawVector(s, 0, -1, X10, Y10 + 11, 22);
  }
  PutValueLabelNonZero(s, X9 + 5, Y9 + 12, std::abs(v.TauXZ));
  PutValueLabelNonZero(s, X11 + 14, Y11 - 3, std::abs(v.TauXY));
  PutValueLabelNonZero(s, X10 + 2, Y10 + 14, std::abs(v.TauYZ));
  WriteText(s, "}");
  EndPicture(s);

  AnsWriteTextNumberLn(s, " ", toolkit::PrintedVariantNumber(s), "");
  auto integer = [](long n) { return toolkit::FormatFixed(static_cast<double>(n), 7, 0); };
  AnsWriteLine(s, "&$" + integer(v.J1) + "$ & $" + integer(v.J2) + "$ & $" + integer(v.J3) +
                      " $ ");
  std::string row;
  for (int i = 1; i <= 3; ++i) row += "&$" + toolkit::FormatFixed(v.Sigma[i], 7, 3) + "$";
  for (int i = 1; i <= 3; ++i) row += "&$" + toolkit::FormatFixed(v.Tau[i], 8, 3) + "$";
  row += "&" + toolkit::FormatFixed(v.TauOct, 9, 3);
  AnsWriteLine(s, row);
}

}  // namespace strength
