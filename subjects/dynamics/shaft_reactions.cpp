#include "subjects/dynamics/shaft_reactions.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;

// MoveTo and LineTo of the point (x, y) turned by phi about the origin.
void MoveToRotated(SharedState& s, double x, double y, double phi) {
  MoveTo(s, x * std::cos(phi) - y * std::sin(phi), x * std::sin(phi) + y * std::cos(phi));
}
void LineToRotated(SharedState& s, double x, double y, double phi) {
  LineTo(s, x * std::cos(phi) - y * std::sin(phi), x * std::sin(phi) + y * std::cos(phi));
}

// The disc with its axes xi, eta, zeta and x1, turned by phi, inside a savebox.
void DrawTiltedCylinder(SharedState& s, double w, double h, double phi) {
  const double c = std::cos(phi), sn = std::sin(phi);
  SetLineWidth(s, 2);
  DrawSegment(s, 0, 0, -2 * w * sn, 2 * w * c);
  DrawSegment(s, 0, 0, 1.8 * w * c, 1.8 * w * sn);
  DrawSegment(s, 2 * h, 2 * h, -2 * h, -2 * h);
  DrawSegment(s, 0, 0, 0, 2 * w);
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 0, 0, 0, phi, 1.4 * w);
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 0, 0, kPi / 2, kPi / 2 + phi, 1.4 * w);
  PutBlueLabel(s, "$y_1$", -2.2 * h - 1, -2.2 * h - 7);
  PutBlueLabel(s, "$x_1$", -2, 2 * w + 2);
  // 3 further right than the axis end would put it: clear of y1 below.
  PutBlueLabel(s, "$\\eta$", -2.2 * h + 9, -2.2 * h);
  PutBlueLabel(s, "$\\xi$", -2.1 * w * sn - 2, 2.1 * w * c);
  PutBlueLabel(s, "$\\zeta$", 1.9 * w * c, 1.9 * w * sn);
  SetLineWidth(s, 3);
  // The front face.
  MoveToRotated(s, h, 0, phi);
  for (int k = 1; k <= 30; ++k) {
    const double th = k * 2 * kPi / 30;
    LineToRotated(s, h * std::cos(th), w * std::sin(th), phi);
    if (k % 5 == 0) WriteLine(s, "");
  }
  WriteLine(s, "%%%%");
  // The outer half of the back face.
  MoveToRotated(s, -5, w, phi);
  for (int k = 1; k <= 15; ++k) {
    const double th = kPi / 2 + k * 2 * kPi / 30;
    LineToRotated(s, h * std::cos(th) - 5, w * std::sin(th), phi);
    if (k % 5 == 0) WriteLine(s, "");
  }
  // Strokes of the side surface, denser towards the rims.
  for (int k = 0; k <= 19; ++k) {
    const double th = kPi - (kPi / 2) * std::cos(k * kPi / 19);
    MoveToRotated(s, h * std::cos(th), w * std::sin(th), phi);
    LineToRotated(s, h * std::cos(th) - 5, w * std::sin(th), phi);
    if (k % 5 == 0) WriteLine(s, "");
  }
}

void DefineCylinderBox(SharedState& s, const char* name, double phi) {
  BeginSaveBox(s, name);
  DrawTiltedCylinder(s, 18, 10, phi);
  SetLineWidth(s, 10);
  DrawSegment(s, 0, 0, 100, 0);
  DrawSegment(s, -16, 0, -35, 0);
  EndSaveBox(s);
}

void DefineAxesBox(SharedState& s, const char* name, const char* y, const char* x) {
  BeginSaveBox(s, name);
  SetLineWidth(s, 1);
  DrawSegment(s, 0, 32, 0, 0);
  LineTo(s, -22.4, -22.4);
  PutBlueLabel(s, y, -20.4, -25.4);
  PutBlueLabel(s, x, 2, 32);
  EndSaveBox(s);
}

std::string Cell(double x, int w) { return toolkit::FormatFixed(x, w, 3); }

}  // namespace

ShaftReactionsVariant DeriveShaftReactionsVariant(int p1, int p2, int p3, int p4, int p5) {
  ShaftReactionsVariant v;
  v.a = 5 * p4 + 30 - 5 * p2;
  v.b = 5 * p2 + 5 * p4 + 30;
  v.c = 5 * p4 + 30;
  const double Z[4] = {0, v.a / 100.0, v.a / 100.0 + v.b / 100.0,
                       v.a / 100.0 + v.b / 100.0 + v.c / 100.0};
  // Stations of the point mass, A and B by P2; the disc's centre is always at Z1.
  const int mass_at[4] = {0, 0, 2, 3}, a_at[4] = {0, 2, 0, 0}, b_at[4] = {0, 3, 3, 2};
  const double zA = Z[a_at[p2]];
  v.z1 = Z[1] - zA;
  v.z2 = Z[mass_at[p2]] - zA;
  v.zB = Z[b_at[p2]] - zA;
  v.alpha = (p3 + p5 + 4) / 100.0;
  const double s_alpha = p1 == 1 ? -1 : 1;
  v.R = v.a + 5 * p1;
  v.m1 = 20 * p1 + 5 * p5;
  v.m2 = 4 * p3 + 2;
  const double M = v.m1 + v.m2;
  v.L = v.a - 10;
  const double l = v.L / 100.0;
  const double across[5][2] = {{0, 0}, {l, 0}, {0, l}, {-l, 0}, {0, -l}};
  v.x2 = across[p3][0];
  v.y2 = across[p3][1];
  v.t = p3 + 2;

  // The disc in the small-angle form, then the point mass.
  const double K = v.m1 * (v.R / 100.0) * (v.R / 100.0) / 4;
  v.Jxx = K + v.m1 * v.z1 * v.z1;
  v.Jyy = K + v.m1 * v.z1 * v.z1;
  v.Jzz = 2 * K;
  v.Jxz = K * s_alpha * v.alpha;
  v.Jxx += v.m2 * (v.y2 * v.y2 + v.z2 * v.z2);
  v.Jyy += v.m2 * (v.x2 * v.x2 + v.z2 * v.z2);
  v.Jzz += v.m2 * (v.x2 * v.x2 + v.y2 * v.y2);
  v.Jxy = v.m2 * v.x2 * v.y2;
  v.Jxz += v.m2 * v.x2 * v.z2;
  v.Jyz = v.m2 * v.y2 * v.z2;

  v.xc = v.m2 * v.x2 / M;
  v.yc = v.m2 * v.y2 / M;
  v.zc = (v.m1 * v.z1 + v.m2 * v.z2) / M;
  v.Mz = toolkit::RoundHalfEven(v.Jzz * (3 * p5 + 30) / (v.t * v.t)) / 10;
  v.epsilon = v.Mz / v.Jzz;
  v.omega = v.epsilon * v.t;
  const double w2 = v.omega * v.omega, e = v.epsilon;
  v.XB = -(w2 * v.Jxz + e * v.Jyz) / v.zB;
  v.YB = (e * v.Jxz - w2 * v.Jyz) / v.zB;
  v.XA = -M * (w2 * v.xc + e * v.yc) - v.XB;
  v.YA = M * (e * v.xc - w2 * v.yc) - v.YB;
  return v;
}

void BeginShaftReactionsProblem(SharedState& s) {
  SetDynamicsDefaultBox(s);
  s.ParboxWidth = 350;
  DefineCylinderBox(s, "scileft", 0.2);
  DefineCylinderBox(s, "scilr", -0.3);
  DefineAxesBox(s, "xyz", "$y_2$", "$x_2$");
  DefineAxesBox(s, "xyzo", "$y$", "$x$");
  BeginSaveBox(s, "abcd");
  SetLineWidth(s, 1);
  DrawSegment(s, 5, 54, 140, 54);
  for (double x : {5, 40, 95, 140}) DrawSegment(s, x, 55, x, 44);
  PutBlueLabel(s, "$a$ ", (5 + 40) / 2.0 - 2, 56);
  PutBlueLabel(s, "$b$ ", (40 + 95) / 2.0 - 2, 56);
  PutBlueLabel(s, "$c$ ", (95 + 140) / 2.0 - 2, 56);
  EndSaveBox(s);
  BeginSaveBox(s, "HingAB");
  DrawHatchRowV(s, -1, 0, -2, 8);
  DrawHatchRowV(s, 1, 0, 2, 8);
  EndSaveBox(s);

  AnsWriteLine(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 10);
  Ans2BeginTable(s, 10);
  WriteLine(s,
            " На оси, вращающейся в подшипниках  $A$  и  $B$ под действием  постоянного момента "
            "$M_z$, закреплен ротор, состоящий  из цилиндра 1 и жесткого невесомого стержня "
            "длиной $L$ с точечной массой  2  на конце. Ось цилиндра составляет малый угол "
            "$\\alpha$  с  осью  вращения ");
  WriteLine(s,
            "$Az$. Центр массы цилиндра лежит на оси $Az$.  Стержень  перпендикулярен  $Az$. "
            "Найти  динамические  составляющие  реакций  подшипников  в  момент  времени $t$. "
            "Ротор вращается из состояния покоя. В центрах масс тел  1  и  2 введены системы "
            "координат $x_i, y_i,  z_i,$\\  $i=1,2$  с");
  WriteLine(s,
            " осями, параллельными $x,y,z$. Ось $\\zeta$ является осью цилиндра и вместе с осями "
            "$x_1$ и $x_2$  лежит  в плоскости $xz$. Оси $\\xi$ и $\\eta$ перпендикулярны "
            "$\\zeta$.");
  WriteBookReference(s, 272);
  AnsWriteLine(s,
               " \\ru\\No  &$\\varepsilon $&$\\omega$&$ x_c$&$y_c$&$z_c$&$X_A $&$    Y_A  $&$   "
               "X_B  $&$   Y_B $\\\\\\hline ");
  Ans2Write(s, " \\ru\\No  &$J_{xx}$&$J_{xy}$&$J_{xz}$&$J_{yy}$&$J_{yz}$&$J_{zz}$\\\\\\hline ");
}

void WriteShaftReactionsVariant(SharedState& s) {
  const ShaftReactionsVariant v = DeriveShaftReactionsVariant(s.P1, s.P2, s.P3, s.P4, s.P5);
  WriteLine(s, "\\par");
  // The shaft's far end and its z letter reach x = 156, the y letters below -29.
  BeginPicture(s, 196, 100, -38, -32);
  PutBox(s, s.P1 == 1 ? "scileft" : "scilr", 40, 0);
  const double xm = s.P2 == 1 ? 5 : s.P2 == 2 ? 95 : 140;
  const double end[5][2] = {{0, 0}, {xm, 20}, {xm - 14, -14}, {xm, -20}, {xm + 14, 14}};
  MoveTo(s, xm, 0);
  LineTo(s, end[s.P3][0], end[s.P3][1]);
  DrawFilledCircle(s, end[s.P3][0], end[s.P3][1], 4);
  PutBox(s, "xyz", xm, 0);
  PutBox(s, "abcd", 0, 0);
  // Bearings A and B, and the axes at A.
  const double at_a[4] = {0, 95, 5, 5}, label_a[4] = {0, 99, 9, 9};
  const double at_b[4] = {0, 130, 130, 95}, label_b[4] = {0, 132, 132, 97};
  PutBox(s, "HingAB", at_a[s.P2], 0);
  PutBlueLabel(s, "$A$", label_a[s.P2], 6);
  PutBox(s, "HingAB", at_b[s.P2], 0);
  PutBlueLabel(s, "$B$", label_b[s.P2], 6);
  PutBox(s, "xyzo", at_a[s.P2], 0);
  SetLineWidth(s, 1);
  DrawSegment(s, 140, 0, 150, 0);
  PutBlueLabel(s, "$z$", 150, 2);
  EndPicture(s);

  std::string row = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  for (double x :
       {v.epsilon, v.omega, 100 * v.xc, 100 * v.yc, 100 * v.zc, v.XA, v.YA, v.XB, v.YB}) {
    row += "&" + Cell(x, 7);
  }
  AnsWrite(s, row);
  std::string row2 = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  for (double x : {v.Jxx, v.Jxy, v.Jxz, v.Jyy, v.Jyz, v.Jzz}) row2 += " & " + Cell(x, 8);
  Ans2Write(s, row2);

  WriteLine(s, "\\hfill\\parbox[b]{120pt}{\\small");
  WriteTextNumberLn(s, "$a=", v.a, "$~см,");
  WriteTextNumberLn(s, "$b=", v.b, "$~см,\\\\");
  WriteTextNumberLn(s, "$c=", v.c, "$~см,");
  WriteTextNumberLn(s, "$R=", v.R, "$~см,\\\\ ");
  WriteText2NumbersLn(s, "$m_{", 1, "}=", v.m1, "$~кг, ");
  WriteText2NumbersLn(s, "$m_{", 2, "}=", v.m2, "$~кг, ");
  WriteText2NumbersLn(s, "\\\\ $\\alpha=", v.alpha, "$~рад, $L=", v.L, "$~см,\\\\ ");
  WriteText2NumbersLn(s, "$M_z=", v.Mz, "$~Нм, $t=", v.t, "$~с.\\\\ }");
}

}  // namespace dynamics
