#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "subjects/kinematics/coordinate_laws.h"
#include "subjects/kinematics/point_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;
using Vec = std::array<double, 3>;

/// One Euler angle at t1: its value, rate and second derivative.
struct AngleAt {
  double value = 0, rate = 0, accel = 0;
};

std::string Int(int n) { return std::to_string(n); }

// The constant angle is pi/k. P5 runs over 1..9 (it is also the point's y) while the divisors
// are three: P5 walks them cyclically.
const toolkit::IndexedArray<int, 1, 3> kConstantAngleDivisor = [] {
  toolkit::IndexedArray<int, 1, 3> k;
  k[1] = 2, k[2] = 3, k[3] = 4;
  return k;
}();

int ConstantAngleDivisor(int p5) { return kConstantAngleDivisor[(p5 - 1) % 3 + 1]; }

/// Writes the law of one angle (kinds 1..9 the coordinate laws, 10 the constant pi/k).
AngleAt EulerAngleLaw(SharedState& s, int kind) {
  const CoordinateLawCoefficients c = CoordinateLawCoefficientsOf(kind, s.P4, s.P5);
  const std::string a = Int(c.A), b = Int(c.B), n = Int(c.N);
  switch (kind) {
    case 1:
      toolkit::WriteText2NumbersLn(s, "(" + FormatTexFraction(s, c.A, 2 * c.N) + ")\\sin ", 2 * c.N,
                                   "t+", c.B, "t");
      break;
    case 2:
      toolkit::WriteText2NumbersLn(s, " ", c.A, "/(" + (c.N == 1 ? std::string(" ") : n) + "t+",
                                   c.B, ")");
      break;
    case 3:
      ReduceFractionText(s, c.N, 10);
      toolkit::WriteText(s, a + "(t+1)^{" + s.FractionNumText + "/" + s.FractionDenText + "}");
      break;
    case 4:
      toolkit::WriteText(s, a + "e^{t/" + n + "}");
      break;
    case 5:
      if (c.A == 1) {
        toolkit::WriteTextNumberLn(s, " \\ln{(", c.N, "t+2)}");
      } else {
        toolkit::WriteText2NumbersLn(s, "", c.A, "\\ln{(", c.N, "t+2)}");
      }
      break;
    case 6:
      toolkit::WriteText(s, (c.A == 1 ? " " : a) + "t^2+" + b + "t+" + n);
      break;
    case 7:
      toolkit::WriteText2NumbersLn(s, "(" + FormatTexFraction(s, c.A, 2 * c.N) + ")\\sin^2 ",
                                   2 * c.N, "t-", c.B, "t");
      break;
    case 8: {
      // A = 2N (P4 = 3) makes the factor 1: no empty brackets "( )" before the cosine.
      const std::string f = FormatTexFraction(s, c.A, 2 * c.N);
      toolkit::WriteText(
          s, b + "t+" + (f == " " ? f : "(" + f + ")") + "\\cos^2 " + Int(2 * c.N) + "t");
      break;
    }
    case 9:
      toolkit::WriteText(s, a + "\\sqrt{" + n + "t+" + b + "}");
      break;
    case 10: {
      const int k = ConstantAngleDivisor(s.P5);
      toolkit::WriteTextNumberLn(s, "\\pi/", k, " ");
      return {std::numbers::pi / k, 0, 0};
    }
    default:
      return {};
  }
  const CoordinateLawValue v = CoordinateLawAt(kind, s.P4, s.P5, s.LawFrequency);
  return {v.f, v.d1, v.d2};
}

double RealVectorLength(const Vec& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

double RealCrossComponent(const Vec& a, const Vec& b, int i) {
  const int j = i % 3 + 1;
  const int k = 6 - i - j;
  return a[j - 1] * b[k - 1] - a[k - 1] * b[j - 1];
}

Vec Cross(const Vec& a, const Vec& b) {
  return {RealCrossComponent(a, b, 1), RealCrossComponent(a, b, 2), RealCrossComponent(a, b, 3)};
}

void WriteSphericalMotionAnswers(SharedState& s, const AngleAt& psi, const AngleAt& theta,
                                 const AngleAt& phi, const Vec& r) {
  const double st = std::sin(theta.value), ct = std::cos(theta.value);
  const double sp = std::sin(phi.value), cp = std::cos(phi.value);
  const double dpsi = psi.rate, dth = theta.rate, dphi = phi.rate;
  const Vec omega{dth * cp + dpsi * st * sp, dpsi * st * cp - dth * sp, dphi + dpsi * ct};
  const Vec v = Cross(omega, r);
  const Vec eps{theta.accel * cp + dpsi * dth * ct * sp + dpsi * dphi * st * cp +
                    psi.accel * st * sp - dth * dphi * sp,
                dpsi * dth * ct * cp + psi.accel * st * cp - dpsi * dphi * st * sp -
                    theta.accel * sp - dth * dphi * cp,
                phi.accel + psi.accel * ct - dpsi * dth * st};
  const Vec a1 = Cross(eps, r), a2 = Cross(omega, v);
  const Vec a{a1[0] + a2[0], a1[1] + a2[1], a1[2] + a2[2]};

  const std::string number = " " + FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " & ";
  std::string row = number + FormatFixed(v[0], 8, 3) + "&" + FormatFixed(v[1], 8, 3) + "&" +
                    FormatFixed(v[2], 8, 3) + "&" + FormatFixed(RealVectorLength(v), 8, 3);
  row += " & " + FormatFixed(a[0], 9, 3) + "&" + FormatFixed(a[1], 9, 3) + "&" +
         FormatFixed(a[2], 9, 3) + "&" + FormatFixed(RealVectorLength(a), 8, 3);
  toolkit::AnsWriteLine(s, row);
  std::string row2 = number;
  const Vec* parts[] = {&omega, &eps};
  for (int p = 0; p < 2; ++p) {
    for (int i = 0; i < 3; ++i) row2 += FormatFixed((*parts[p])[i], 8, 3) + "&";
    row2 += FormatFixed(RealVectorLength(*parts[p]), 8, 3) + (p == 0 ? "&" : "");
  }
  toolkit::Ans2Write(s, row2);
}

int NextKind(int k) { return k + 1 > 9 ? 1 : k + 1; }

}  // namespace

void BeginSphericalMotionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  // Nine wide cells per table: both tables take the narrow spacing to stay on the sheet.
  toolkit::AnsWrite(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 12);
  toolkit::Ans2Write(s, "\\tabcolsep=1pt");
  toolkit::Ans2BeginTable(s, 12);
  toolkit::AnsWriteLine(s,
                        " &\\mc{$v_x$}&\\mc{$v_y$}&\\mc{$v_z$}&\\mc{$v$}&\\mc{$a_x$}&\\mc{$a_y$}"
                        "&\\mc{$a_z$}&\\mc{$a$} \\\\\\hline");
  toolkit::Ans2WriteLine(s,
                         " &\\mc{$\\omega_x$}&\\mc{$\\omega_y$}&\\mc{$\\omega_z$}&\\mc{$\\omega$}"
                         "&\\mc{$\\varepsilon_x$}&\\mc{$\\varepsilon_y$}&\\mc{$\\varepsilon_z$}"
                         "&\\mc{$\\varepsilon$} \\\\\\hline");
  toolkit::WriteLine(s,
                     "{\\small Твердое тел совершает сферическое движение, заданном углами "
                     "Эйлера. Найти скорость и ускорение точки,  положение которой дано "
                     "относительно подвижных осей координат.\\vskip2mm}\\noindent ");
  toolkit::WriteBookReference(s, 222);
}

void WriteSphericalMotionVariant(SharedState& s) {
  if (s.P1 == s.P2) s.P2 = static_cast<std::int8_t>(NextKind(s.P2));
  if (s.P2 == s.P3) s.P3 = static_cast<std::int8_t>(NextKind(s.P3));
  if (s.P4 == 1) s.P1 = 10;
  if (s.P4 == 2) s.P2 = 10;
  if (s.P4 == 3) s.P3 = 10;
  s.LawFrequency = s.P6;
  const Vec r{static_cast<double>(s.P4), static_cast<double>(s.P5),
              toolkit::RoundHalfEven(s.P1 / 3.0) + 1};

  toolkit::WriteText(s, " $\\psi = ");
  const AngleAt psi = EulerAngleLaw(s, s.P1);
  toolkit::WriteText(s, ",\\   \\theta = ");
  const AngleAt theta = EulerAngleLaw(s, s.P2);
  toolkit::WriteText(s, ", $\\par $  \\varphi = ");
  const AngleAt phi = EulerAngleLaw(s, s.P3);
  toolkit::WriteLine(s, ", \\ ");
  toolkit::WriteText2NumbersLn(s, "$  $x=", r[0], "$, $y=", r[1], "$,");
  toolkit::WriteTextNumberLn(s, " $z=", r[2], "$.\\vskip3mm");
  WriteSphericalMotionAnswers(s, psi, theta, phi, r);
  toolkit::WriteTextNumberLn(s, "$t=", s.LawFrequency, "~c.$");
}

}  // namespace kinematics
