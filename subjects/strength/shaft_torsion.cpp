#include "subjects/strength/shaft_torsion.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
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

// Polar moment of a solid circle of diameter d cm, m^4.
double PolarMoment(int d) {
  return std::numbers::pi * std::exp(4 * std::log(0.01 * d)) / 32;
}

constexpr double kMark[5] = {0, 0, 56, 112, 168};

// The arrows of a diameter d across segment i, `at` units from its left end, and the value.
void DrawDiameterMark(SharedState& s, int i, int d, double at = 14) {
  DrawVector(s, 0, 1, kMark[i] + at, 22.5, d / 2.0);
  DrawVector(s, 0, -1, kMark[i] + at, 22.5, d / 2.0);
  PutSmallValueLabel(s, kMark[i] + at + 3, 19.5, d);
}

// A hollow segment shows both its diameters, the outer one's arrows reaching the outline and
// the bore's the dashed lines: one number alone would read as the outer diameter.
void DrawHollowDiameterMarks(SharedState& s, int i, int outer, int bore) {
  DrawDiameterMark(s, i, outer, 8);
  DrawDiameterMark(s, i, bore, 32);
}

}  // namespace

ShaftTorsionVariant DeriveShaftTorsion(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  ShaftTorsionVariant v;
  const int p[8] = {0, p1, p2, p3, p4, p5, p6, p7};
  for (int k = 1; k <= 3; ++k) {
    v.M[k] = MomentOf(p[k], p[k + 1]);
    v.l[k] = 0.2 * p[k] + 2;
    v.D[k] = 5 * p[k + 4] + 10;
  }
  auto& D = v.D;
  if (p1 == 1) {
    v.Shape = 1;
    D[1] = p7 + 32;
    D[3] = 26 - p6;
    D[2] = static_cast<int>(toolkit::RoundHalfEven((D[1] + D[3]) / 2.0));
    v.Outer[1] = D[1], v.Bore[1] = D[2];
    v.Outer[2] = D[1], v.Bore[2] = 0;
    v.Outer[3] = D[3], v.Bore[3] = 0;
  } else if (p1 == 2) {
    v.Shape = 2;
    D[1] = 22 - p5;
    D[2] = 19 - p5;
    D[3] = p7 + 32;
    v.Outer[1] = D[1], v.Bore[1] = D[2];
    v.Outer[2] = D[3], v.Bore[2] = D[2];
    v.Outer[3] = D[3], v.Bore[3] = 0;
  } else {
    v.Shape = 3;
    for (int k = 1; k <= 3; ++k) v.Outer[k] = D[k], v.Bore[k] = 0;
  }

  const double T[4] = {0, static_cast<double>(v.M[1] + v.M[2] + v.M[3]),
                       static_cast<double>(v.M[2] + v.M[3]), static_cast<double>(v.M[3])};
  double phi = 0;
  for (int k = 1; k <= 3; ++k) {
    double J = PolarMoment(v.Outer[k]);
    if (v.Bore[k] > 0) J -= PolarMoment(v.Bore[k]);
    phi += T[k] * v.l[k] * 1.25e-11 / J * 1000;
    v.phi[k] = phi;
    v.tau[k] = T[k] * 0.005 * v.Outer[k] / J * 0.001;
  }
  return v;
}

void BeginShaftTorsionProblem(SharedState& s) {
  s.ParboxWidth = 170;
  BeginSaveBox(s, "razmkR");
  DrawSegment(s, 0, -14, 168, -14);
  DrawHatchRowH(s, -1, 0, 0, 45);
  for (int i = 1; i <= 4; ++i) DrawSegment(s, 56 * (i - 1), -15, 56 * (i - 1), -13);
  for (int i = 1; i <= 3; ++i) {
    PutLabel(s, "$l_" + std::to_string(i) + "$", 56 * (i - 1) + 28, -12);
  }
  EndSaveBox(s);
  AnsBeginTable(s, 8);
  AnsWrite(s,
           "\\No\\ru & \\mc{$\\varphi_1$}& \\mc{$\\varphi_2 $}& \\mc{$\\varphi_3 $}& "
           "\\mc{$\\tau_1$}& \\mc{$\\tau_2 $}& \\mc{$\\tau_3 $}\\\\\\hline");
  AnsWrite(s,
           "       & \\multicolumn{3}{c|}{рад$\\cdot 100$ }& \\multicolumn{3}{c|}{МПа} "
           "\\\\\\hline");
  WriteLine(s,
            " К  стальному стержню кусочно-постоянного круглого сечения приложены моменты "
            "$M_1$, $M_2$, $M_3$.  Построить эпюры углов закручивания и касательных напряжений "
            "на поверхности вала.  Модуль сдвига материала $G=80$ГПа. Диаметры даны в "
            "сантиметрах.\\\\ \\noindent");
}

void WriteShaftTorsionVariant(SharedState& s) {
  const ShaftTorsionVariant v = DeriveShaftTorsion(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const auto& D = v.D;

  // The shaft runs 168 with the last couple and its letter beyond its end.
  BeginPicture(s, 196, 68, -10, -15);
  SetLineWidth(s, 1);
  s.BlockCentred = false;
  if (v.Shape == 1) {
    DrawRotatedBlock(s, 5, 0, (45 - D[1]) / 2.0, 0, 112, D[1]);
    DrawRotatedBlock(s, 5, 112, (45 - D[3]) / 2.0, 0, 56, D[3]);
    DrawDashedLineMultiput(s, 7, 0, (45 - D[2]) / 2.0, 56, (45 - D[2]) / 2.0);
    DrawDashedLineMultiput(s, 7, 0, (45 + D[2]) / 2.0, 56, (45 + D[2]) / 2.0);
    DrawDashedLineMultiput(s, 4, 56, (45 - D[2]) / 2.0, 56, (45 + D[2]) / 2.0);
    DrawHollowDiameterMarks(s, 1, D[1], D[2]);
    DrawDiameterMark(s, 2, D[1]);
    DrawDiameterMark(s, 3, D[3]);
  } else if (v.Shape == 2) {
    SetLineWidth(s, 5);
    MoveTo(s, 0, (45 - D[1]) / 2.0);
    LineTo(s, 56, (45 - D[1]) / 2.0);
    LineTo(s, 56, (45 - D[3]) / 2.0);
    LineTo(s, 168, (45 - D[3]) / 2.0);
    LineTo(s, 168, (45 + D[3]) / 2.0);
    LineTo(s, 56, (45 + D[3]) / 2.0);
    LineTo(s, 56, (45 + D[1]) / 2.0);
    LineTo(s, 0, (45 + D[1]) / 2.0);
    SetLineWidth(s, 1);
    DrawDashedLineMultiput(s, 14, 0, (45 - D[2]) / 2.0, 112, (45 - D[2]) / 2.0);
    DrawDashedLineMultiput(s, 14, 0, (45 + D[2]) / 2.0, 112, (45 + D[2]) / 2.0);
    DrawDashedLineMultiput(s, 4, 112, (45 - D[2]) / 2.0, 112, (45 + D[2]) / 2.0);
    DrawHollowDiameterMarks(s, 1, D[1], D[2]);
    DrawHollowDiameterMarks(s, 2, D[3], D[2]);
    DrawDiameterMark(s, 3, D[3]);
  } else {
    for (int k = 1; k <= 3; ++k) {
      DrawRotatedBlock(s, 5, kMark[k], (45 - D[k]) / 2.0, 0, 56, D[k]);
      DrawDiameterMark(s, k, D[k]);
    }
  }
  PutBox(s, "razmkR", 0, 0);
  SetLineWidth(s, 8);
  for (int k = 1; k <= 3; ++k) {
    PutBox(s, v.M[k] > 0 ? "momntp" : "momntm", kMark[k + 1] - 2, 22);
    PutLabel(s, "$M_" + std::to_string(k) + "$", kMark[k + 1] + 5, -2);
  }
  EndPicture(s);

  WriteLine(s, "\\\\ {");
  WriteTextNumberLn(s, "$M_1$=$", std::abs(v.M[1]), "$кНм, ");
  WriteTextNumberLn(s, "$M_2$=$", std::abs(v.M[2]), "$кНм, ");
  WriteTextNumberLn(s, "$M_3$=$", std::abs(v.M[3]), "$кНм,\\\\ ");
  WriteTextNumberLn(s, "$l_1$=$", v.l[1], "$м, ");
  WriteTextNumberLn(s, "$l_2$=$", v.l[2], "$м, ");
  WriteTextNumberLn(s, "$l_3$=$", v.l[3], "$м.}");

  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (int k = 1; k <= 3; ++k) row += "&" + toolkit::FormatFixed(v.phi[k] * 100, 6, 3);
  for (int k = 1; k <= 3; ++k) row += "&" + toolkit::FormatFixed(v.tau[k], 6, 3);
  AnsWriteLine(s, row);
}

}  // namespace strength
