#include "subjects/strength/open_profile_torsion.h"

#include <algorithm>
#include <string>
#include <vector>

#include "figures/dimensions.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kShearModulus = 0.7e11 / 2.6;  // Pa

double Cube(double t) { return t * t * t; }

}  // namespace

OpenProfileTorsionVariant DeriveOpenProfileTorsion(int p1, int p2, int p3, int p4, int p5,
                                                   int p6, int p7) {
  OpenProfileTorsionVariant v;
  v.Shape = p1;
  const double P2 = p2, P3 = p3, P4 = p4, P5 = p5, P6 = p6, P7 = p7;
  const double B = p6 + 22, H = p7 + 14;
  const double C = toolkit::RoundHalfEven(B / 2);
  const double D = toolkit::RoundHalfEven(H / 2) - 1;
  std::vector<double> xs, ys, terms;
  std::vector<int> walls;  // the thicknesses that occur in the shape's terms
  double y1 = 0;
  switch (p1) {
    case 1:
      xs = {0, B, B - 4 * P4, B - P4, P2, 5 * P2};
      ys = {H, 0, P5, H - P3, P5, 0};
      terms = {(H - P3 - P5) * Cube(P2), (H - P3 - P5) * Cube(P4), B * Cube(P3),
               5 * P2 * Cube(P5), 4 * P4 * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 2:
      xs = {0, C, B, C - P4, P2, C - P4 - P2 - 1};
      ys = {H, P5, 0, H - P3, P5, 0};
      terms = {(H - P3 - P5) * Cube(P2), (H - P3 - P5) * Cube(P4), C * Cube(P3),
               (C - P4 - P2 - 1) * Cube(P5), (B - C + P4) * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 3:
      xs = {0, P6 + 3, P6 + 10 + P5, B, P6 + 10 + P5 - P4, P6 + 3 + P2};
      ys = {P5, H, P5, 0, H - P3, 0};
      terms = {(H - P3 - P5) * Cube(P2), (H - P3 - P5) * Cube(P4), (7 + P5) * Cube(P3),
               (P6 + 3 + P2) * Cube(P5), (12 + P4 - P5) * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 4:
      xs = {0, B - P4, 0, B, B - P4, P2, B};
      ys = {P5, P7 + 3, H, P7 + 3 + P2 + P3, H - P3, P7 + 3 + P2, 0};
      terms = {(11 - P2 - P3) * Cube(P2), (11 - P2 - 2 * P3) * Cube(P4),
               (P7 + 3 - P5) * Cube(P4),  B * Cube(P2),
               B * Cube(P3),              B * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 5:
      xs = {0, B, B - P4, B - P4 - 6, B - P4 - 6 - P5, P2};
      ys = {H, 0, H - P3, H - 5 * P3 - P2 - P4 - 6, H - P3, 0};
      terms = {(H - P3) * Cube(P2), (4 * P3 + P2 + P4 + 6) * Cube(P5), (H - P3) * Cube(P4),
               B * Cube(P3)};
      walls = {p2, p3, p4, p5};
      break;
    case 6:
      xs = {0, P6 + 7, 0, B, P6 + 7 + P2, B};
      ys = {P5, H - P3, H, H - P3, P5, 0};
      terms = {(H - P3 - P5) * Cube(P2), B * Cube(P3), B * Cube(P5)};
      walls = {p2, p3, p5};
      break;
    case 7:
      xs = {0, B - 2 * P4 - P2, P2, B - P4, B};
      ys = {H, H - P3, P5, H - P3, 0};
      terms = {(H - P3 - P5) * Cube(P2), (H - P3 - P5) * Cube(P4),
               (B - 2 * P4 - P2) * Cube(P3), B * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 8:
      xs = {0, P2, P6 + 4, P2, 0, P6 + 4 + P4, B};
      ys = {D, P5, H - P3, D + P4 + 1, H, P5, 0};
      terms = {(H - P3 - D - P4 - 1) * Cube(P2), (D - P5) * Cube(P2),
               (H - P3 - P5) * Cube(P4), (P6 + 4 + P4) * Cube(P3), B * Cube(P5)};
      walls = {p2, p3, p4, p5};
      break;
    case 9:
      xs = {0, P6 + 4, P6 + 4 + P3, B, P6 + 4 + P3, P6 + 4};
      ys = {P7 + 4, H, P7 + 4, P7 + 4 - P2, 0, P7 + 4 - P2};
      y1 = P7 + 4 - P2;
      terms = {(P7 + 4 - P2) * Cube(P3), 10 * Cube(P3), B * Cube(P2)};
      walls = {p2, p3};
      break;
    default:
      xs = {0, B, P2, B - P7};
      ys = {H, H - P3, P5, 0};
      terms = {(H - P3 - P5) * Cube(P2), B * Cube(P3), (B - P7) * Cube(P5)};
      walls = {p2, p3, p5};
      break;
  }
  v.n = static_cast<int>(xs.size());
  for (int k = 1; k <= v.n; ++k) {
    v.X[2 * k - 1] = v.X[2 * k] = xs[k - 1];
    v.Y[2 * k] = ys[k - 1];
  }
  v.Y[1] = y1;
  for (int k = 2; k <= v.n; ++k) v.Y[2 * k - 1] = v.Y[2 * k - 2];
  double sum = 0;
  for (std::size_t k = 0; k < terms.size(); ++k) {
    v.Terms[static_cast<int>(k) + 1] = terms[k];
    sum += terms[k];
  }
  v.tmax = *std::max_element(walls.begin(), walls.end());
  v.Jd = sum / 3;
  v.theta = (1 / kShearModulus) / v.Jd * 1e12;
  v.tau = 1000.0 * v.tmax / v.Jd;
  return v;
}

void BeginOpenProfileTorsionProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 21);
  AnsWrite(s,
           "\\No\\ru & \\mc{$ J_d$}& \\mc{$ \\theta $}& \\mc{$ \\tau_{max}$} \\\\\\hline");
  AnsWrite(s, "  & \\mc{мм$^4$}& \\mc{1/м} & \\mc{МПа} \\\\\\hline");
  WriteLine(s,
            "\\hskip5mm К тонкостенному стержню открытого профиля приложен крутящий момент "
            "$M=1$Нм.  Найти относительный угол закручивания $\\theta$ и максимальное "
            "касательное напряжение. Модуль упругости материала $E=0.7\\cdot 10^5$МПа, "
            "коэффициент Пуассона $\\nu=0.3$. Размеры даны в мм.\\\\ \\noindent");
}

void WriteOpenProfileTorsionVariant(SharedState& s) {
  const OpenProfileTorsionVariant v =
      DeriveOpenProfileTorsion(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  ClearPoints(s, 20);
  for (int i = 1; i <= 2 * v.n; ++i) {
    s.PointX[i] = v.X[i];
    s.PointY[i] = v.Y[i];
  }
  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      toolkit::FormatFixed(v.Jd, 6, 3) + "&" +
                      toolkit::FormatFixed(v.theta, 6, 3) + "&" +
                      toolkit::FormatFixed(v.tau, 6, 3));

  s.BoxWidth = 170;
  s.BoxHeight = 90;
  FitPointsToBox(s, 20, 0);
  // The profile fills 170 x 90; the vertical dimensions stand 10 right of it with their
  // numbers beside them.
  BeginPicture(s, 208, 110, -10, -15);
  SetLineWidth(s, 3);
  MoveToPoint(s, 1);
  for (int i = 2; i <= 2 * v.n; ++i) LineToPoint(s, i);
  LineToPoint(s, 1);
  SetLineWidth(s, 1);
  DrawDimensionChains(s, 14, s.Scale * s.RangeX + 10, -12, 1, s.Scale, s.Scale, 8, true);
  EndPicture(s);
}

}  // namespace strength
