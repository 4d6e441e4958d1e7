#include "subjects/dynamics/cylinder_springs.h"

#include <cmath>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// A horizontal spring from the line x = x1 to x = x2 at height y, the coil r past x1.
void DrawSpringLink(SharedState& s, double x1, double x2, double y, double r) {
  DrawSegment(s, x1, y, x1 + r, y);
  PutBox(s, "pruzh", x1 + r, y);
  DrawSegment(s, x1 + r + kSpringGap, y, x2, y);
}

}  // namespace

CylinderSpringVariant DeriveCylinderSpringVariant(int p1, int p2, int p3, int p4, int p6, int p7) {
  CylinderSpringVariant v;
  v.mA = 2 * p4;
  v.mB = 2 * p7 + 2 * p4;
  v.c = p6;
  // The radii make the middle spring horizontal: rA * P2 = rB * P3, rA + rB = 24.
  if (p2 == p3) {
    v.rA = 12;
  } else if (p2 == 1 && p3 == 2) {
    v.rA = 16;
  } else {
    v.rA = 8;
  }
  v.rB = static_cast<int>(toolkit::RoundHalfEven(static_cast<double>(p2) / p3 * v.rA));
  v.left_spring = p1 != 3;
  v.y1 = v.rA * p1;
  v.y2 = v.rA * p2;
  v.y3 = v.rB * p4;
  v.x1 = kSpringGap + v.rA;
  v.x2 = v.x1 + v.rA + kSpringGap + v.rB;
  v.x3 = v.x2 + v.rB + kSpringGap;

  const double c = v.c;
  const double cL = v.left_spring ? c : 0;
  v.axx = 1.5 * v.mA;
  v.ass = 1.5 * v.mB;
  // A point at height y of a cylinder of radius r rolling by x moves by (y / r) x.
  const double kA1 = static_cast<double>(v.y1) / v.rA, kA2 = static_cast<double>(v.y2) / v.rA;
  const double kB2 = static_cast<double>(v.y2) / v.rB, kB3 = static_cast<double>(v.y3) / v.rB;
  v.cxx = cL * kA1 * kA1 + c * kA2 * kA2;
  v.css = c * kB3 * kB3 + c * kB2 * kB2;
  v.cxs = -c * kA2 * kB2;
  const double S = v.axx * v.css + v.cxx * v.ass;
  const double d = v.axx * v.css - v.cxx * v.ass;
  const double D = std::sqrt(d * d + 4 * v.axx * v.ass * v.cxs * v.cxs);
  v.omega1 = std::sqrt((S - D) / 2 / v.axx / v.ass);
  v.omega2 = std::sqrt((S + D) / 2 / v.axx / v.ass);
  int coef[3] = {static_cast<int>(std::lround(v.axx * v.ass)), static_cast<int>(std::lround(S)),
                 static_cast<int>(std::lround(v.cxx * v.css - v.cxs * v.cxs))};
  toolkit::NormalizeIntVector(coef, 3);
  v.a = coef[0];
  v.b = coef[1];
  v.e = coef[2];
  return v;
}

void BeginCylinderSpringOscillationProblem(SharedState& s) {
  SetDynamicsDefaultBox(s);
  s.ParboxWidth = 180;
  DefineHatchBox(s, 102, -1, "OsnPruz", 0, 0);
  DefineSpringBoxH(s, 3, 3, 2, 3, 3);
  AnsBeginTable(s, 8);
  WriteLine(s,
            " Механическая  система  с  двумя  степенями     свободы  состоит  из двух "
            "однородных  цилиндров и нескольких линейно упругих пружин с одинаковой "
            "жесткостью \\ $c$. Цилиндры  катаются без  проскальзывания  и  сопротивления  по  "
            "горизонтальной  поверхности,   пружины в положении равновесия  не  имеют  "
            "предварительного  напряжения.   Массой пружин пренебречь. Определить частоты "
            "собственных колебаний системы.");
  WriteLine(s,
            " В ответах даны инерционные коэффициенты и частота $\\omega $. Обобщенные "
            "координаты $x$ и $s$ --- линейные перемещения центров цилиндров.\\par");
  AnsWriteLine(s,
               "   &$ a_{xx}  $&$   a_{ss} $&$   c_{xx}  $&$   c_{xs}  $&$   c_{ss}  "
               "$&$\\omega_1 $&$\\omega_2 $ & Уравнение частот\\\\ \\hline");
  WriteBookReference(s, 336);
}

void WriteCylinderSpringOscillationVariant(SharedState& s) {
  const CylinderSpringVariant v = DeriveCylinderSpringVariant(s.P1, s.P2, s.P3, s.P4, s.P6, s.P7);
  WriteTextNumberLn(s, "{\\small $m_A{=}", v.mA, "$~кг, ");
  WriteTextNumberLn(s, "$m_B{=}", v.mB, "$~кг, ");
  WriteTextNumberLn(s, "$c{=}", v.c, "$~Н/м.}\\par ");

  // Room for the spring box and the right cylinder past x = 92.
  BeginPicture(s, 135, 50, -28, -5);
  PutBox(s, "OsnPruz", 0, 0);
  DrawTwoCircles(s, 2 * v.rA, 1, v.x1, v.rA);
  DrawTwoCircles(s, 2 * v.rB, 1, v.x2, v.rB);
  PutBlueLabel(s, "$A$", v.x1 - 2, 2 * v.rA + 2);
  PutBlueLabel(s, "$B$", v.x2 - 3, 2 * v.rB + 3);
  WriteLine(s, "% цил");
  if (s.P1 == 2 && s.P2 == 2) DrawCircle(s, v.x1, 2 * v.rA, 1);
  if (s.P3 == 2 && s.P4 == 2) DrawCircle(s, v.x2, 2 * v.rB, 1);
  if (v.left_spring) {
    PutBox(s, "pruzh", 0, v.y1);
    DrawSegment(s, kSpringGap, v.y1, v.x1, v.y1);
    DrawHatchRowH(s, -1, 0, 0, v.y1 + 4);
  }
  DrawSpringLink(s, v.x1, v.x2, v.y2, v.rA);
  DrawSpringLink(s, v.x2, v.x3, v.y3, v.rB);
  DrawHatchRowH(s, 1, v.x3, 0, 2 * v.rB + 3);
  EndPicture(s);

  std::string line = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (double x : {v.axx, v.ass, v.cxx, v.cxs, v.css}) line += "&" + toolkit::FormatFixed(x, 7, 0);
  line += "&" + toolkit::FormatFixed(v.omega1, 7, 3) + "&" + toolkit::FormatFixed(v.omega2, 7, 3);
  line += "& $";
  AnsWrite(s, line);
  AnsWriteNumberUnlessUnit(s, v.a);
  AnsWrite(s, "\\omega^4-");
  AnsWriteNumberUnlessUnit(s, v.b);
  AnsWrite(s, "\\omega^2");
  AnsWriteTextNumber(s, "+", v.e, "=0$");
  WriteText(s, "\\vskip1pt");
}

}  // namespace dynamics
