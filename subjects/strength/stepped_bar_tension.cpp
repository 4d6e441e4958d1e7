#include "subjects/strength/stepped_bar_tension.h"

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

// A force factor of 0 would leave the section unloaded: 77 kN upwards instead.
int ForceOf(int a, int b) {
  const int f = (a - 5) * (b + 20);
  return f == 0 ? 77 : f;
}

}  // namespace

SteppedBarTensionVariant DeriveSteppedBarTension(int p1, int p2, int p3, int p4, int p5, int p6,
                                                 int p7) {
  SteppedBarTensionVariant v;
  const int p[8] = {0, p1, p2, p3, p4, p5, p6, p7};
  for (int k = 1; k <= 3; ++k) {
    v.P[k] = ForceOf(p[k], p[k + 1]);
    v.l[k] = p[k] / 5 + 2;
    v.F[k] = p[k + 4] + 22;
  }
  v.BottomSupport = p1 <= 5;

  // Axial force at both ends of each segment, tension positive, kN.
  double top[5] = {}, bottom[5] = {};
  double weight[4];
  for (int k = 1; k <= 3; ++k) weight[k] = v.l[k] * v.F[k] * 78 * 0.0001;
  if (v.BottomSupport) {
    bottom[4] = 0;
    for (int k = 3; k >= 1; --k) {
      top[k] = bottom[k + 1] + v.P[k];
      bottom[k] = top[k] - weight[k];
    }
  } else {
    top[0] = 0;
    for (int k = 1; k <= 3; ++k) {
      bottom[k] = top[k - 1] - v.P[k];
      top[k] = bottom[k] + weight[k];
    }
  }
  v.Total = 0;
  for (int k = 1; k <= 3; ++k) {
    // Strain in units of 1e-4 for E = 2e5 MPa.
    const double eps_top = top[k] * 10 / v.F[k] * 5e-6 * 1e4;
    const double eps_bottom = bottom[k] * 10 / v.F[k] * 5e-6 * 1e4;
    v.Elongation[k] = (eps_top + eps_bottom) * 0.5 * v.l[k] * 0.1;
    v.Total += v.Elongation[k];
  }
  return v;
}

void BeginSteppedBarTensionProblem(SharedState& s) {
  // Three boxes to a line with 5 mm to spare on an A4 sheet.
  s.ParboxWidth = 128;
  DefineHatchBox(s, 45, 1, "sosv", 0, 0);
  DefineHatchBox(s, 45, -1, "sosn", 0, 0);
  BeginSaveBox(s, "razmY");
  for (int i = 1; i <= 4; ++i) DrawSegment(s, 0, 25 * (i - 1), 2, 25 * (i - 1));
  DrawSegment(s, 0, 0, 0, 75);
  for (int i = 1; i <= 3; ++i) {
    const double y = (i - 0.5) * 25 - 3;
    const std::string d = std::to_string(i);
    PutBlueLabel(s, "$l_" + d + "$", 2, y);
    PutBlueLabel(s, "$F_" + d + "$", -60, y);  // inside the picture, which starts 10 left of the bar
    PutLabel(s, "$P_" + d + "$", -27, y);
  }
  EndSaveBox(s);
  AnsBeginTable(s, 21);
  AnsWrite(s,
           "\\No\\ru & \\mc{$ \\delta_1$}& \\mc{$ \\delta_2 $}&\\mc{$ \\delta_3 $}& "
           "\\mc{$\\delta$}\\\\\\hline");
  WriteLine(s,
            "Найти удлинение (в мм) стального прямого призматического бруса "
            "кусочно-постоянного сечения под действием собственного веса и сил $P_1$, $P_2$, "
            "$P_3$, приложенных к сечениям бруса.  Построить эпюры продольных сил, нормальных "
            "напряжений и относительных удлинений. Модуль упругости материала "
            "$E=2\\cdot 10^5$МПа, объемный вес $\\gamma = 78$~кН/м$^3$.\\\\ \\noindent");
}

void WriteSteppedBarTensionVariant(SharedState& s) {
  const SteppedBarTensionVariant v =
      DeriveSteppedBarTension(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  BeginPicture(s, 160, 88, -10, -5);
  if (v.BottomSupport) {
    PutBox(s, "sosn", 0, 0);
  } else {
    PutBox(s, "sosv", 0, 75);
  }
  s.BlockCentred = false;
  for (int k = 1; k <= 3; ++k) {
    DrawRotatedBlock(s, 5, (45 - v.F[k]) / 2.0, 25 * (k - 1), 0, v.F[k], 25);
  }
  WriteText(s, "{\\thicklines\\Red{");
  for (int k = 1; k <= 3; ++k) {
    // Hanging bar: force k on the lower end of segment k; standing bar: on its upper end. The
    // arrow starts or ends at that section, marked by a dot, and stops well short of the
    // segment's other end, so that the drawing shows where the force acts.
    const double section = v.BottomSupport ? 25 * k : 25 * (k - 1);
    DrawDirectedVector(s, 0, 1, v.P[k], 22.5, v.BottomSupport ? section - 15 : section, 15);
    DrawSmallDot(s, 22.5, section);
  }
  WriteLine(s, "}}");
  PutBox(s, "razmY", 50, 0);
  EndPicture(s);

  WriteLine(s, "\\\\\\noindent\\parbox{129pt}{\\small ");
  for (int k = 1; k <= 3; ++k) WriteText2NumbersLn(s, "$P_", k, "=", std::abs(v.P[k]), "$кН, ");
  for (int k = 1; k <= 3; ++k) WriteText2NumbersLn(s, "$F_", k, "=", v.F[k], "$cм$^2$, ");
  for (int k = 1; k <= 2; ++k) WriteText2NumbersLn(s, "$l_", k, "=", v.l[k], "$м, ");
  WriteTextNumberLn(s, "$l_3=", v.l[3], "$м.}");

  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (int k = 1; k <= 3; ++k) row += "&" + toolkit::FormatFixed(v.Elongation[k], 6, 3);
  row += "&" + toolkit::FormatFixed(v.Total, 6, 3);
  AnsWriteLine(s, row);
}

}  // namespace strength
