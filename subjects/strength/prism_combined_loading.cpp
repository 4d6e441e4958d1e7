#include "subjects/strength/prism_combined_loading.h"

#include <cmath>
#include <string>
#include <utility>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

// Torsion coefficient beta by the ratio of the longer to the shorter side.
constexpr double kRatio[9] = {1, 1.5, 2, 2.5, 3, 4, 8, 10, 999};
constexpr double kBeta[9] = {0.141, 0.196, 0.229, 0.249, 0.263, 0.281, 0.307, 0.312, 0.333};

double BetaOf(double r) {
  for (int i = 1; i < 9; ++i) {
    if (kRatio[i] > r) {
      return kBeta[i - 1] + (kBeta[i] - kBeta[i - 1]) * (r - kRatio[i - 1]) /
                                (kRatio[i] - kRatio[i - 1]);
    }
  }
  return kBeta[8];
}

// Corner offsets from the section's centre in units of the half sides: (y, z).
constexpr int kCornerY[5] = {0, -1, -1, 1, 1};
constexpr int kCornerZ[5] = {0, 1, -1, -1, 1};

}  // namespace

PrismCombinedLoadingVariant DerivePrismCombinedLoading(int p1, int p2, int p3, int p4, int p5,
                                                       int p6, int p7) {
  PrismCombinedLoadingVariant v;
  const int p[8] = {0, p1, p2, p3, p4, p5, p6, p7};
  v.b = p1 + 10;
  v.h = p2 + 10;
  if (v.h == v.b) v.h = v.b + 1;
  for (int k = 1; k <= 3; ++k) {
    v.L[k] = p[k + 3] + 60;
    v.Corner[k] = (p[k] - 1) / 3 + 1;
    v.Direction[k] = (p[k] - 1) % 3 + 1;
    const int sign = p[k] < 5 ? 1 : -1;
    v.F[k] = 5 * sign * static_cast<int>(toolkit::RoundHalfEven((p[k + 4] + 20) * 0.2));
  }

  const double b = v.b * 0.01, h = v.h * 0.01;
  const double A = b * h;
  v.Jx = b * h * h * h / 12;
  v.Jz = h * b * b * b / 12;
  double x = 0;
  double T[4];
  for (int k = 1; k <= 3; ++k) {
    x += v.L[k] * 0.01;
    double Fx = 0, Fy = 0, Fz = 0;
    if (v.Direction[k] == 1) Fx = -1000.0 * v.F[k];
    if (v.Direction[k] == 2) Fy = 1000.0 * v.F[k];
    if (v.Direction[k] == 3) Fz = -1000.0 * v.F[k];
    const double yk = kCornerY[v.Corner[k]] * h / 2, zk = kCornerZ[v.Corner[k]] * b / 2;
    const double Mz = x * Fy - yk * Fx;
    const double My = zk * Fx - x * Fz;
    for (int i = 1; i <= 4; ++i) {
      const double yi = kCornerY[i] * h / 2, zi = kCornerZ[i] * b / 2;
      v.Stress[i] += Fx / A - yi * Mz / v.Jx + zi * My / v.Jz;
    }
    T[k] = Fz * yk - Fy * zk;
  }
  const double S = (T[1] + T[2] + T[3]) * v.L[1] * 0.01 + (T[2] + T[3]) * v.L[2] * 0.01 +
                   T[3] * v.L[3] * 0.01;
  const double longer = std::max(b, h), shorter = std::min(b, h);
  v.Jk = BetaOf(longer / shorter) * longer * shorter * shorter * shorter;
  v.Phi = S / (v.Jk * 8e10);
  return v;
}

void BeginPrismCombinedLoadingProblem(SharedState& s) {
  WriteLine(s, "\\newsavebox{\\Prizma}\\sbox{\\Prizma}{%");
  PutLabel(s, "$A$", -3, -7);
  PutLabel(s, "$B$", 22, 12);
  PutLabel(s, "$C$", 21, 38);
  PutLabel(s, "$D$", -9, 25);
  SetLineWidth(s, 4);
  for (int j = 0; j <= 3; ++j) {
    const double x = 56 * j;
    MoveTo(s, x, 0);
    LineTo(s, x, 26);
    LineTo(s, x + 20, 36);
    DrawSegment(s, x, -26, x, -24);
  }
  for (int j = 0; j <= 2; ++j) {
    const double x = 56 * j;
    DrawDashedLineMultiput(s, 10, x, 0, x + 20, 10);
    DrawDashedLineMultiput(s, 10, x + 20, 36, x + 20, 10);
  }
  DrawHatchRowH(s, -1, 0, 0, 25);
  DrawHatchRowH(s, -1, 20, 10, 25);
  DrawDashedLineMultiput(s, 24, 20, 10, 188, 10);
  DrawSegment(s, 0, 0, 168, 0);
  DrawSegment(s, 0, 26, 168, 26);
  DrawSegment(s, 20, 36, 188, 36);
  LineTo(s, 188, 10);
  LineTo(s, 168, 0);
  DrawSegment(s, 0, -26, 168, -26);
  DrawSegment(s, 0, 31, 20, 41);
  DrawSegment(s, 0, 30, 0, 32);
  DrawSegment(s, 20, 40, 20, 42);
  DrawSegment(s, -10, -5, -10, 21);
  DrawSegment(s, -12, -6, -10, -5);
  DrawSegment(s, -12, 20, -10, 21);
  WriteLine(s, "}%");
  s.ParboxWidth = 200;
  WriteText(s, "\\tabcolsep=4pt ");
  AnsBeginTable(s, 14);
  AnsWrite(s,
           "\\No\\ru & \\mc{$ J_x$}& \\mc{$ J_z $}& \\mc{$ J_k $}&$\\varphi$&\\mc{$\\sigma_A$}& "
           "\\mc{$\\sigma_B$}& \\mc{$\\sigma_C$}& \\mc{$\\sigma_D$}\\\\\\hline");
  AnsWrite(s,
           "\\ru &\\multicolumn{3}{|c|}{$см^4$}& $рад\\cdot10^3$&\\multicolumn{4}{c|}{$МПа$} "
           "\\\\\\hline");
  WriteLine(s,
            "На консольно закрепленный брус действуют три силы, параллельные его ребрам. Найти "
            "нормальные напряжения в точках $A$, $B$, $C$ и $D$ заделки бруса и угол осевого "
            "поворота концевого сечения бруса.  Размеры даны в сантиметрах.  Модуль сдвига "
            "$G=0.8\\cdot 10^5$~МПа.\\\\ \\noindent");
}

void WritePrismCombinedLoadingVariant(SharedState& s) {
  const PrismCombinedLoadingVariant v =
      DerivePrismCombinedLoading(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  ClearPoints(s, 12);
  for (int k = 1; k <= 3; ++k) {
    const double x = 56 * k;
    const int o = 4 * (k - 1);
    s.PointX[o + 1] = x, s.PointY[o + 1] = 0;
    s.PointX[o + 2] = x + 20, s.PointY[o + 2] = 10;
    s.PointX[o + 3] = x + 20, s.PointY[o + 3] = 36;
    s.PointX[o + 4] = x, s.PointY[o + 4] = 26;
  }

  // The bar runs 188 to the right with the last forces beyond its end; the forces above it
  // reach 19 over its top edge, under the variant's heading.
  BeginPicture(s, 238, 88, -20, -30);
  PutValueLabel(s, -20, 4, v.h);
  PutValueLabel(s, 3, 37, v.b);
  for (int k = 1; k <= 3; ++k) PutValueLabel(s, 56 * k - 28, -24, v.L[k]);
  PutBox(s, "Prizma", 0, 0);
  // The forces' letters keep clear of the dimensions' numbers, of A..D and of each other.
  figures::LabelSpacing placed;
  for (const auto& [x, y] : {std::pair{-20.0, 4.0}, std::pair{3.0, 37.0}, std::pair{-3.0, -7.0},
                             std::pair{22.0, 12.0}, std::pair{21.0, 38.0}, std::pair{-9.0, 25.0}}) {
    placed.Clear(x, y, 8, 6, 0);
  }
  for (int k = 1; k <= 3; ++k) placed.Clear(56 * k - 28, -24, 8, 6, 0);
  WriteText(s, "{\\thicklines\\Red{");
  for (int k = 1; k <= 3; ++k) {
    const int c = v.Corner[k];
    const double X = s.PointX[4 * (k - 1) + c], Y = s.PointY[4 * (k - 1) + c];
    // Arrows stay outside the bar: below the bottom corners, in front of the front ones.
    const double oy = c <= 2 ? 19 : 0;
    const double oz = c == 1 || c == 4 ? 15 : 0;
    double lx = 0, ly = 0;
    WriteText(s, "{\\thicklines ");
    if (v.Direction[k] == 1) {
      DrawDirectedVector(s, -1, 0, v.F[k], X + 19, Y, 19);
      lx = X + 9.5, ly = Y - 8;
    } else if (v.Direction[k] == 2) {
      DrawDirectedVector(s, 0, 1, v.F[k], X, Y - oy, 19);
      lx = X + 2, ly = Y + 17 - 2 * oy;
    } else {
      DrawDirectedVector(s, 2, 1, v.F[k], X - oz, Y - oz / 2, 15);
      lx = X + 17 - 2.7 * oz, ly = Y + 8.5 - 1.3 * oz;
    }
    WriteText(s, "}");
    PutLabelClear(s, placed, "$P_" + std::to_string(k) + "$", lx, ly);
  }
  WriteText(s, "}}");
  EndPicture(s);

  std::string number = std::to_string(toolkit::PrintedVariantNumber(s));
  while (number.size() < 3) number = " " + number;
  AnsWriteLine(s, number + "&" + toolkit::FormatFixed(v.Jx * 1e8, 6, 1) + "&" +
                      toolkit::FormatFixed(v.Jz * 1e8, 6, 1) + " & " +
                      toolkit::FormatFixed(v.Jk * 1e8, 6, 1) + " & " +
                      toolkit::FormatFixed(v.Phi * 1000, 6, 3));
  std::string stresses;
  for (int i = 1; i <= 4; ++i) {
    const double mpa = v.Stress[i] * 1e-6;
    stresses += " & " + toolkit::FormatFixed(std::fabs(mpa) < 1e-9 ? 0.0 : mpa, 6, 3);
  }
  AnsWrite(s, stresses);

  WriteText(s, "\\\\ ");
  for (int k = 1; k <= 2; ++k) WriteText2NumbersLn(s, "$P_", k, "=", std::abs(v.F[k]), "$кН,");
  WriteTextNumberLn(s, "$P_3=", std::abs(v.F[3]), "$кН.");
}

}  // namespace strength
