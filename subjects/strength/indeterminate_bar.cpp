#include "subjects/strength/indeterminate_bar.h"

#include <cmath>
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

int ForceOf(int a, int b) {
  const int f = (a - 5) * (b + 10);
  return f == 0 ? 77 : f;
}

}  // namespace

IndeterminateBarVariant DeriveIndeterminateBar(int p1, int p2, int p3, int p4, int p5, int p6,
                                               int p7) {
  IndeterminateBarVariant v;
  const int p[8] = {0, p1, p2, p3, p4, p5, p6, p7};
  for (int k = 1; k <= 2; ++k) v.P[k] = ForceOf(p[k], p[k + 1]);
  for (int k = 1; k <= 3; ++k) v.l[k] = p[k] / 5 + 2;
  v.F[1] = p5 + 22;
  v.F[2] = p6 + 18;
  v.F[3] = p7 + 22;

  // The clamped ends keep the bar's length: the elongations of the three segments add to 0.
  double S = 0;
  for (int k = 1; k <= 3; ++k) S += static_cast<double>(v.l[k]) / v.F[k];
  v.RA = (v.P[1] * static_cast<double>(v.l[2]) / v.F[2] +
          (v.P[1] + v.P[2]) * static_cast<double>(v.l[3]) / v.F[3]) /
         S;
  const double N[4] = {0, v.RA, v.RA - v.P[1], v.RA - v.P[1] - v.P[2]};
  double u = 0;
  for (int k = 1; k <= 2; ++k) {
    const double sigma = N[k] * 10 / v.F[k];
    const double eps = sigma * 5e-6 * 1e4;  // units of 1e-4
    u += eps * v.l[k] * 0.1;
    v.u[k] = u;
  }
  return v;
}

void BeginIndeterminateBarProblem(SharedState& s) {
  // Three boxes to a line with 5 mm to spare on an A4 sheet.
  s.ParboxWidth = 128;
  BeginSaveBox(s, "razmY");
  for (int i = 1; i <= 4; ++i) DrawSegment(s, 40 * (i - 1), -14, 40 * (i - 1), -12);
  DrawSegment(s, 0, -14, 120, -14);
  for (int i = 1; i <= 3; ++i) {
    const double x = (i - 0.5) * 40 - 3;
    const std::string d = std::to_string(i);
    PutBlueLabel(s, "$l_" + d + "$", x, -12);
    PutBlueLabel(s, "$F_" + d + "$", x, 45);
    if (i <= 2) PutLabel(s, "$P_" + d + "$", x, 25);
  }
  DrawHatchRowH(s, -1, 0, 0, 45);
  DrawHatchRowH(s, 1, 120, 0, 45);
  EndSaveBox(s);
  AnsBeginTable(s, 11);
  AnsWrite(s, "\\No\\ru & \\mc{$ R_A$}& \\mc{$ \\Delta x_1$}& \\mc{$ \\Delta x_2 $}\\\\\\hline");
  AnsWrite(s, "       & \\mc{кН}&\\multicolumn{2}{c|}{мм} \\\\\\hline");
  WriteLine(s,
            "Найти реакции опор стального прямого призматического бруса кусочно-постоянного "
            "сечения, закрепленного по концам.  К брусу приложены силы $P_1$, $P_2$.  "
            "Построить эпюры продольных сил, нормальных напряжений, относительных удлинений и "
            "горизонтальных смещений $\\Delta x_i, \\ i=1,2$. Модуль упругости материала "
            "$E=2\\cdot 10^5$МПа.\\\\ \\noindent");
}

void WriteIndeterminateBarVariant(SharedState& s) {
  const IndeterminateBarVariant v =
      DeriveIndeterminateBar(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  // The bar from its left wall (at 0) to 126 with the forces' letters on top and the
  // dimensions 14 below the axis.
  BeginPicture(s, 130, 70, -3, -16);
  s.BlockCentred = false;
  for (int k = 1; k <= 3; ++k) {
    DrawRotatedBlock(s, 5, 40 * (k - 1), (45 - v.F[k]) / 2.0, 0, 40, v.F[k]);
  }
  WriteText(s, "{\\thicklines\\Red{");
  for (int k = 1; k <= 2; ++k) {
    DrawDirectedVector(s, 1, 0, v.P[k], 40 * (k - 1) + 10, 22.5, 30);
  }
  WriteLine(s, "}}");
  PutBox(s, "razmY", 0, 0);
  EndPicture(s);

  WriteLine(s, "\\\\\\noindent\\vskip1mm\\parbox{129pt}{\\small ");
  for (int k = 1; k <= 2; ++k) WriteText2NumbersLn(s, "$P_", k, "=", std::abs(v.P[k]), "$кН, ");
  for (int k = 1; k <= 3; ++k) WriteText2NumbersLn(s, "$F_", k, "=", v.F[k], "$cм$^2$, ");
  WriteText(s, "\\\\ ");
  for (int k = 1; k <= 2; ++k) WriteText2NumbersLn(s, "$l_", k, "=", v.l[k], "$м, ");
  WriteTextNumberLn(s, "$l_3=", v.l[3], "$м.}");

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                      toolkit::FormatFixed(v.RA, 6, 3));
  for (int k = 1; k <= 2; ++k) AnsWriteLine(s, "&" + toolkit::FormatFixed(v.u[k], 6, 3));
}

}  // namespace strength
