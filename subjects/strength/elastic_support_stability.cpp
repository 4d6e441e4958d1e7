#include "subjects/strength/elastic_support_stability.h"

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

constexpr double kPi = std::numbers::pi;
// The first root of tan v = v: the pinned-clamped rod.
constexpr double kPinnedClamped = 4.49;

struct Scheme {
  double lo, hi;
  bool printsA;
  int equation;  // 1..5, the stability equation solved for the stiffness
};

// Scheme p1: the interval of v between the two limits of the spring's stiffness and the
// equation that gives the stiffness for a v inside it.
constexpr Scheme kSchemes[] = {
    {kPi / 2, kPi, true, 1},           {kPi, kPinnedClamped, false, 2},
    {kPinnedClamped, 2 * kPi, false, 3}, {kPi, 2 * kPi, true, 4},
    {kPi / 2, kPinnedClamped, true, 1}, {kPi / 2, kPi, false, 5},
    {kPi / 2, kPi, false, 5},          {0, kPi / 2, false, 6},
    {kPinnedClamped, 2 * kPi, false, 3}, {kPi, 2 * kPi, true, 4},
};

double Stiffness(int equation, double v) {
  const double c = std::cos(v), sn = std::sin(v);
  switch (equation) {
    case 1: return (v * c - sn) / (v * v * v * c);
    case 2: return (v * c - sn) / (v * v * sn);
    case 3: return (2 - 2 * c - v * sn) / (v * (v * c - sn));
    case 4: return (v * sn + 2 * c - 2) / (v * v * v * sn);
    case 5: return -sn / (v * c);
    default: return c / (v * sn);
  }
}

}  // namespace

ElasticSupportStabilityVariant DeriveElasticSupportStability(int p1, int p2) {
  const Scheme& sc = kSchemes[p1 - 1];
  ElasticSupportStabilityVariant r;
  r.PrintsA = sc.printsA;
  // The ten inner points of the interval: its ends are the limits of a rigid or absent
  // spring, where the equations divide by zero.
  r.v = sc.lo + p2 * (sc.hi - sc.lo) / 11;
  r.s = Stiffness(sc.equation, r.v);
  r.mu = kPi / r.v;
  return r;
}

void BeginElasticSupportStabilityProblem(SharedState& s) {
  DefineSpringBoxVLeft(s, 2, 4, 1, 1, "");
  s.ParboxWidth = 170;
  AnsBeginTable(s, 4);
  AnsWrite(s, "\\No\\ru &\\mc{$\\mu$} \\\\\\hline");

  // A spiral rotational spring about the rod end.
  BeginSaveBox(s, "hingpru");
  SetLineWidth(s, 4);
  MoveTo(s, 0, -4.5);
  for (int k = 0; k <= 35; ++k) {
    const double r = 4.5 - k / 16.0;
    const double t = k * 2 * kPi / 20 - kPi / 2;
    LineTo(s, r * std::cos(t), r * std::sin(t));
  }
  SetLineWidth(s, 1);
  EndSaveBox(s);

  BeginSaveBox(s, "hingrightp");
  SetLineWidth(s, 4);
  PutBox(s, "hingpru", 0, 0);
  PutBox(s, "dnst", 0, 0);
  EndSaveBox(s);

  BeginSaveBox(s, "hingleft");
  SetLineWidth(s, 4);
  DrawSegment(s, -1.5, 0, -7.5, 0);
  DrawHatchRowH(s, -1, -10.5, -4, 8);
  DrawCircle(s, -9, 0, 3);
  PutBox(s, "dnst", 0, 0);
  EndSaveBox(s);

  BeginSaveBox(s, "hingleftp");
  PutBox(s, "hingleft", 0, 0);
  PutBox(s, "hingpru", 0, 0);
  EndSaveBox(s);

  BeginSaveBox(s, "slhingleft");
  SetLineWidth(s, 12);
  DrawSegment(s, 1.7, -5, 1.7, 5);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, -0.5, -9, 16);
  EndSaveBox(s);

  BeginSaveBox(s, "slhingleftp");
  PutBox(s, "slhingleft", 0, 0);
  PutBox(s, "pruzVl", -2, 1.8);
  EndSaveBox(s);

  BeginSaveBox(s, "slhingright");
  SetLineWidth(s, 9);
  DrawSegment(s, -3.5, 2, -3.5, 11);
  DrawSegment(s, -3.5, -2, -3.5, -9);
  DrawSegment(s, -7, 1.5, -2, 1.5);
  DrawSegment(s, -7, -1.5, -2, -1.5);
  SetLineWidth(s, 1);
  DrawHatchRowsH(s, -3.5, 5, 5);
  DrawHatchRowsH(s, -3.5, -10, 5);
  EndSaveBox(s);

  BeginSaveBox(s, "slhingrightp");
  PutBox(s, "slhingright", 0, 0);
  PutBox(s, "pruzVl", -6, -3.5);
  EndSaveBox(s);

  WriteLine(s,
            " Прямолинейный стержень длиной $l$, закрепленный на одном конце в упругой опоре, "
            "сжимается продольной силой $P$.  Задана относительная жесткость для линейного "
            "смещения $\\Delta y$ опоры $a=EJ/(c_1l^3)$, где $c_1$ --- жесткость пружины "
            "($N_{упр}=c_1\\Delta y$, ) или относительная жесткость для углового смещения "
            "$\\Delta\\varphi$   $b=EJ/(c_2l)$,  где $c_2$ --- жесткость пружины "
            "($M_{упр}=c_2\\Delta \\varphi$. ) Определить коэффициент $\\mu$ приведения длины "
            "стержня.\\\\ \\noindent ");
}

void WriteElasticSupportStabilityVariant(SharedState& s) {
  const int p1 = s.P1;
  const ElasticSupportStabilityVariant v = DeriveElasticSupportStability(p1, s.P2);
  WriteLine(s, std::string(v.PrintsA ? "$a=" : "$b=") + toolkit::FormatFixed(v.s, 5, 3) + " $ ");
  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                      toolkit::FormatFixed(v.mu, 5, 3));

  s.PointX[1] = 0;
  s.PointY[1] = 0;
  s.PointX[2] = 60;
  s.PointY[2] = 0;
  // The rod from 0 to 60 with its supports and P with its letter beyond its end.
  BeginPicture(s, 106, 36, -14, -19);
  switch (p1) {
    case 1: case 3: case 4: DrawHatchRowH(s, -1, 1.5, -4, 8); break;
    case 2: case 5: PutBox(s, "hingleft", 0, 0); break;
    case 6: PutBox(s, "slhingleft", 0, 0); break;
    case 7: case 8: case 9: PutBox(s, "hingleftp", 0, 0); break;
    default: PutBox(s, "slhingleftp", 0, 0); break;
  }
  switch (p1) {
    case 1: PutBox(s, "pruzVl", 60, -1.5); break;
    case 2: case 3: case 6: PutBox(s, "hingrightp", 60, 0); break;
    case 4: case 5: PutBox(s, "slhingrightp", 60, 0); break;
    case 7: PutBox(s, "slhingright", 60, 0); break;
    case 8: break;
    default: DrawHatchRowsV(s, 52, 0, 6); break;
  }
  if (p1 == 1) DrawNodeMarker(s, 2);
  const double forceX = (p1 == 2 || p1 == 3 || p1 == 6) ? 85 : 81;
  DrawRedForceWithLabel(s, -1, 0, "$P$", forceX, 0, 20, -3, 3);
  SetLineWidth(s, 9);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  EndPicture(s);
}

}  // namespace strength
