#include "subjects/strength/indeterminate_torsion.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

int MomentOf(int a, int b) {
  const int m = (a - 5) * (b + 5);
  return m == 0 ? 7 : m;
}

// The fourth segment's diameter, m: the same in every variant.
constexpr double kFourthDiameter = 0.09;
// Picture units a metre of the shaft: its 14 m take 118 of the 128pt box.
constexpr double kShaftUnit = 118.0 / 14;

}  // namespace

IndeterminateTorsionVariant DeriveIndeterminateTorsion(int p1, int p2, int p3, int p4, int p5,
                                                       int p6, int p7) {
  IndeterminateTorsionVariant v;
  const int p[8] = {0, p1, p2, p3, p4, p5, p6, p7};
  for (int k = 1; k <= 3; ++k) {
    v.M[k] = MomentOf(p[k], p[k + 1]);
    v.L[k] = p[k] / 6 + 3;
    v.D[k] = (p[k + 4] + 9) * 0.01;
  }
  v.L[4] = 14 - (v.L[1] + v.L[2] + v.L[3]);
  v.D[4] = kFourthDiameter;
  v.X[1] = 0;
  for (int k = 1; k <= 4; ++k) v.X[k + 1] = v.X[k] + 10 * v.L[k];

  double J[5], T[5];
  for (int k = 1; k <= 4; ++k) J[k] = std::numbers::pi * std::exp(4 * std::log(v.D[k])) / 32;
  T[1] = 0;
  for (int k = 2; k <= 4; ++k) T[k] = T[k - 1] + v.M[k - 1];
  // Both ends clamped: the twists of the four segments add to 0.
  double A = 0, B = 0;
  for (int k = 2; k <= 4; ++k) A += T[k] * v.L[k] * 1000 / J[k];
  for (int k = 1; k <= 4; ++k) B += v.L[k] / J[k];
  v.MA = A / B;
  double phi = 0;
  for (int k = 1; k <= 3; ++k) {
    const double torque = 1000 * T[k] - v.MA;
    phi += torque * v.L[k] * 1.25e-11 / J[k];
    v.phi[k] = phi;
  }
  return v;
}

void BeginIndeterminateTorsionProblem(SharedState& s) {
  // Three boxes to a line with 5 mm to spare on an A4 sheet.
  s.ParboxWidth = 128;
  // The 14 m shaft is drawn 118 long (kShaftUnit a metre), so that it and its walls fit the
  // box.
  BeginSaveBox(s, "razmk");
  DrawSegment(s, 0, -14, 14 * kShaftUnit, -14);
  DrawHatchRowH(s, -1, 0, 0, 45);
  DrawHatchRowH(s, 1, 14 * kShaftUnit, 0, 45);
  EndSaveBox(s);
  AnsBeginTable(s, 16);
  AnsWrite(s,
           "\\No\\ru & \\mc{$ M_A$}& \\mc{$ \\varphi_1$}& \\mc{$ \\varphi_2 $}& "
           "\\mc{$ \\varphi_3 $}\\\\\\hline");
  AnsWrite(s, "       & \\mc{кНм}&\\multicolumn{3}{c|}{рад$\\cdot 100$ } \\\\\\hline");
  WriteLine(s,
            "Найти моменты заделок  опор стального стержня кусочно-постоянного круглого "
            "сечения.  К стержню приложены моменты $M_1$, $M_2$, $M_3$.  Построить эпюры углов "
            "закручивания.  Модуль сдвига материала $G=80$ГПа. Длины участков даны в "
            "м.\\\\ \\noindent");
}

void WriteIndeterminateTorsionVariant(SharedState& s) {
  const IndeterminateTorsionVariant v =
      DeriveIndeterminateTorsion(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  BeginPicture(s, 128, 68, -3, -15);
  s.BlockCentred = false;
  // v.X is in tenths of a metre.
  const auto at = [&](int k) { return v.X[k] * kShaftUnit / 10; };
  for (int k = 1; k <= 4; ++k) {
    DrawRotatedBlock(s, 5, at(k), (45 - 100 * v.D[k]) / 2, 0, kShaftUnit * v.L[k], 100 * v.D[k]);
  }
  PutBox(s, "razmk", 0, 0);
  SetLineWidth(s, 8);
  for (int k = 1; k <= 3; ++k) {
    PutBox(s, v.M[k] > 0 ? "momntp" : "momntm", at(k + 1), 22);
    PutLabel(s, "$M_" + std::to_string(k) + "$", at(k + 1) + 5, -2);
  }
  for (int k = 1; k <= 4; ++k) PutValueLabel(s, (at(k) + at(k + 1)) / 2 - 2, -11, v.L[k]);
  for (int k = 1; k <= 5; ++k) DrawSegment(s, at(k), -14, at(k), -12);
  EndPicture(s);

  WriteLine(s, "\\\\ {");
  WriteTextNumberLn(s, "${M_1=", std::abs(v.M[1]), "}$кНм, ");
  WriteTextNumberLn(s, "${M_2=", std::abs(v.M[2]), "}$кНм,\\\\ ");
  WriteTextNumberLn(s, "${M_3=", std::abs(v.M[3]), "}$кНм, ");
  WriteTextNumberLn(s, "${d_1=", v.D[1], "}$м,\\\\ ");
  WriteTextNumberLn(s, "${d_2=", v.D[2], "}$м, ");
  WriteTextNumberLn(s, "${d_3=", v.D[3], "}$м,\\\\ ");
  WriteTextNumberLn(s, "$d_4=", v.D[4], "$м.}");

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                      toolkit::FormatFixed(v.MA * 0.001, 6, 3));
  for (int k = 1; k <= 3; ++k) AnsWriteLine(s, "&" + toolkit::FormatFixed(v.phi[k] * 100, 6, 3));
}

}  // namespace strength
