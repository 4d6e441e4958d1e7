#include <algorithm>
#include <cmath>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

constexpr double kPi = 3.14159265359;

// Petals of the rose of frequency m = P3 + 1 (2m for even m, m for odd m), by P3.
const toolkit::IndexedArray<int, 1, 5> RoseAreaFactors = [] {
  toolkit::IndexedArray<int, 1, 5> t;
  const int petals[] = {4, 3, 8, 5, 12};
  for (int i = 1; i <= 5; ++i) t[i] = petals[i - 1];
  return t;
}();

// The heading cells shared by both rows: one per item (the answers writers head the names
// column in students mode).
void WriteItemHeading(SharedState& s) {
  AnsBeginTable(s, 5);
  s.ParboxWidth = 175;
  for (int i = 1; i <= 3; ++i) AnsWriteTextNumberLn(s, "&", i, " ");
  AnsWriteLine(s, "\\\\\\hline ");
}

void WriteItemNumber(SharedState& s, int i) { WriteTextNumberLn(s, "\\vskip1pt ", i, ")"); }

// The cell of a decimal value: four decimals in six characters.
std::string Fixed4(double x) { return toolkit::FormatFixed(x, 6, 4); }

void WritePowerCurvesArea(SharedState& s) {
  const int a = s.P1 + 1, b = s.P2 + 1;
  WriteText(s, "{\\small Вычислить площадь фигуры, ограниченной линиями:}\\ $y=");
  if (a == 2) {
    WriteLine(s, "\\sqrt{x}$, ");
  } else {
    WriteTextNumberLn(s, "\\sqrt[", a, "]{x}$,\\  ");
  }
  WriteTextNumberLn(s, "$y=x^", b, "$");
  // Between x^(1/a) above and x^b below on [0, 1].
  const int num = a * b - 1, den = (a + 1) * (b + 1);
  AnsWriteLine(s, "&" + Fixed4(double(num) / den) + "=");
  AnsWriteFraction(s, num, den);
}

void WriteRoseArea(SharedState& s) {
  const int m = s.P3 + 1, r = s.P5 + 1, k = RoseAreaFactors[s.P3];
  WriteText(s,
            "{\\small Найти площадь фигуры, ограниченной кривой, заданной в полярных "
            "координатах:}\\  $\\rho = ");
  WriteText2NumbersLn(s, "", r, s.P4 <= 3 ? "\\sin" : "\\cos", m, "\\varphi $.");
  AnsWriteLine(s, "&" + Fixed4(r * r * k * kPi / (4 * m)) + "$=");
  AnsWriteFractionUnlessOne(s, r * r * k, 4 * m);
  AnsWrite(s, "\\pi $");
}

void WriteWasherVolume(SharedState& s) {
  const int alpha = s.P1 - 1, beta = s.P2 + alpha, slope = s.P3 + 1;
  // The washer formula needs the parabola y = line - (x - alpha)(beta - x) to stay off the
  // negative half-plane on [alpha, beta]; lifting both curves by the same amount keeps where
  // they meet.
  int d = s.P4;
  auto lowest = [&] {
    const double x = std::clamp((alpha + beta - slope) / 2.0, double(alpha), double(beta));
    return slope * x + d - (x - alpha) * (beta - x);
  };
  while (lowest() < 0) ++d;
  WriteText(s,
            "{\\small Найти объем тела, образованного вращением вокруг оси $0x$ фигуры, "
            "ограниченной линиями }");
  WriteText(s, "$ y = x^2");
  WriteSignedCoefTerm(s, slope - alpha - beta, "x");
  WriteTextNumberLn(s, " + ", alpha * beta + d, "$, \\ ");
  WriteText2NumbersLn(s, "$ y=", slope, "x+", d, " $.");
  const int e =
      alpha * alpha + beta * beta - 2 * alpha * beta - 5 * slope * (alpha + beta) - 10 * d;
  const int p = static_cast<int>(std::lround(toolkit::Power(beta - alpha, 3)));
  AnsWriteLine(s, "&" + Fixed4(-kPi * p * e / 30) + "$=");
  AnsWriteFraction(s, -p * e, 30);
  AnsWrite(s, "\\pi $");
}

// The primitive of sqrt(1 + u^2) at u = t + shift.
double ArcsinhLengthPrimitive(double t, int shift) {
  const double u = t + shift, root = std::sqrt(u * u + 1);
  return (u * root + std::log(u + root)) / 2;
}

double WriteExponentialVolume(SharedState& s) {
  const int b = s.P2 + 1, h = s.P4 / 2 + 1;
  int c = s.P3 + 1;
  int a = c * b - s.P1;
  while (a <= 1) {
    ++c;
    a = c * b - s.P1;
  }
  const int bb = s.P1 * b + h;
  WriteText(s,
            "{\\small Найти объем тела, образованного вращением вокруг оси $0x$ фигуры, "
            "ограниченной линиями:\\\\ }");
  WriteText2NumbersLn(s, "$ y = ", a, "e^x+", bb, "$, ");
  WriteText2NumbersLn(s, "$ y = ", c, "e^{2x}+", h, "$, $x=0$.");
  const double lb = std::log(b), A = a, B = bb, C = c, H = h, b2 = double(b) * b;
  return kPi * (A * A * b2 / 2 + 2 * A * B * b + B * B * lb - A * A / 2 - 2 * A * B) -
         kPi * (C * C * b2 * b2 / 4 + C * H * b2 + H * H * lb - C * C / 4 - C * H);
}

double WriteParametricLength(SharedState& s) {
  const int a = s.P1 + 1;
  WriteText(s, "{\\small Найти длину параметрически заданной кривой:\\\\ }");
  if (s.P2 == 1) {
    WriteText2NumbersLn(s, "$ x = ", a, "\\sin t - \\cos ", a, "t$, ");
    WriteText2NumbersLn(s, "$ y = ", a, "\\cos t - \\sin ", a, "t$,");
    WriteTextNumberLn(s, "$ t = 0 ... \\pi/", a + 1, "$.");
    return 4 * std::sqrt(2.0) * a / (a + 1);
  }
  WriteText2NumbersLn(s, "$ x = t^2, y=", a, "t^3$, $ t = 0 ... ", s.P3, "$.");
  const double aa = double(a) * a;
  return (toolkit::Power(9 * aa * s.P3 * s.P3 + 4, 1.5) - 8) / (27 * aa);
}

double WritePolarLength(SharedState& s) {
  const int k = s.P2 + 1, m = s.P3 / 3 + 1;
  WriteText(s, "{\\small Найти длину  кривой, заданной в полярных координатах:\\\\ }");
  if (s.P5 <= 2) {
    WriteText2NumbersLn(s, "$ \\rho = e^{", k, "\\varphi}$, $\\varphi = 0 ...", m, "$.");
    return std::sqrt(k * k + 1.0) * (std::exp(double(k) * m) - 1) / k;
  }
  if (s.P5 == 3) {
    WriteTextNumberLn(s, "$ \\rho = \\varphi^2$, $\\varphi = 0 ...", m, "$.");
    return (toolkit::Power(m * m + 4, 1.5) - 8) / 3;
  }
  const int c0 = s.P3, from = s.P4 - 1, to = s.P5 + s.P4 - 1;
  WriteText3NumbersLn(s, "$ \\rho =", c0, " + \\varphi,$ $\\varphi = ", from, " ...", to, "$.");
  return ArcsinhLengthPrimitive(to, c0) - ArcsinhLengthPrimitive(from, c0);
}

}  // namespace

void BeginIntegralApplications1Problem(SharedState& s) { WriteItemHeading(s); }

void WriteIntegralApplications1Variant(SharedState& s) {
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  WriteItemNumber(s, 1);
  WritePowerCurvesArea(s);
  WriteItemNumber(s, 2);
  WriteRoseArea(s);
  WriteItemNumber(s, 3);
  WriteWasherVolume(s);
  WriteText(s, " ");
}

void BeginIntegralApplications2Problem(SharedState& s) { WriteItemHeading(s); }

void WriteIntegralApplications2Variant(SharedState& s) {
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  double (*const items[3])(SharedState&) = {WriteExponentialVolume, WriteParametricLength,
                                            WritePolarLength};
  for (int i = 1; i <= 3; ++i) {
    WriteItemNumber(s, i);
    const double value = items[i - 1](s);
    AnsWriteLine(s, " & " + Fixed4(value));
  }
  WriteText(s, " ");
}

}  // namespace calculus
