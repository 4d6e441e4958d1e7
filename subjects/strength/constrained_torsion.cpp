#include "subjects/strength/constrained_torsion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kE = 2e11;  // Pa
constexpr double kG = 8e10;  // Pa

constexpr double kPointX[4] = {0, 100, 120, 120};

double PointY(int section, int point) {
  if (point == 1) return 0;
  if (point == 2) return section == 3 ? 15 : 10;
  return section == 2 || section == 4 ? 25 : 20;
}

double PointX(int section, int point) {
  return point == 2 && section == 3 ? 110 : kPointX[point];
}

// Solves a[6][6] x = r in place by elimination with partial pivoting.
void Solve6(double a[6][6], double r[6]) {
  for (int c = 0; c < 6; ++c) {
    int p = c;
    for (int i = c + 1; i < 6; ++i) {
      if (std::fabs(a[i][c]) > std::fabs(a[p][c])) p = i;
    }
    for (int j = 0; j < 6; ++j) std::swap(a[c][j], a[p][j]);
    std::swap(r[c], r[p]);
    for (int i = c + 1; i < 6; ++i) {
      const double f = a[i][c] / a[c][c];
      for (int j = c; j < 6; ++j) a[i][j] -= f * a[c][j];
      r[i] -= f * r[c];
    }
  }
  for (int c = 5; c >= 0; --c) {
    for (int j = c + 1; j < 6; ++j) r[c] -= a[c][j] * r[j];
    r[c] /= a[c][c];
  }
}

}  // namespace

double ConstrainedTwistAngle(double EJw, double GJd, double l1, double L, double T1, double T2,
                             double Bm, double z) {
  // On each part phi = c0 + (T / GJd) z + c1 e^{-k (z - z0)} + c2 e^{k (z - z1)}, where
  // (z0, z1) are the part's ends: the slope term carries the twisting moment, the two
  // exponentials (bounded by 1 on their part) the warping. Unknowns: c0, c1, c2 of part 1,
  // then of part 2.
  const double k = std::sqrt(GJd / EJw);
  const double s1 = T1 / GJd, s2 = T2 / GJd;
  const double e1 = std::exp(-k * l1);        // e^{-k l1}: part 1, decaying term at l1
  const double e2 = std::exp(-k * (L - l1));  // part 2, growing term at l1
  double a[6][6] = {};
  double r[6] = {};
  // phi(0) = 0, phi'(0) = 0.
  a[0][0] = 1, a[0][1] = 1, a[0][2] = e1;
  a[1][1] = -k, a[1][2] = k * e1, r[1] = -s1;
  // phi, phi', phi'' continuous at l1 (part 1 minus part 2).
  a[2][0] = 1, a[2][1] = e1, a[2][2] = 1, a[2][3] = -1, a[2][4] = -1, a[2][5] = -e2;
  r[2] = (s2 - s1) * l1;
  a[3][1] = -k * e1, a[3][2] = k, a[3][4] = k, a[3][5] = -k * e2;
  r[3] = s2 - s1;
  a[4][1] = k * k * e1, a[4][2] = k * k, a[4][4] = -k * k, a[4][5] = -k * k * e2;
  // -EJw phi''(L) = Bm.
  a[5][4] = k * k * e2, a[5][5] = k * k;
  r[5] = -Bm / EJw;
  Solve6(a, r);
  if (z <= l1) return r[0] + s1 * z + r[1] * std::exp(-k * z) + r[2] * std::exp(k * (z - l1));
  return r[3] + s2 * z + r[4] * std::exp(-k * (z - l1)) + r[5] * std::exp(k * (z - L));
}

ConstrainedTorsionVariant DeriveConstrainedTorsion(int p1, int p2, int p3, int p4, int p5, int p6,
                                                   int p7) {
  ConstrainedTorsionVariant v;
  v.F1 = 10 * (p5 - 10);
  if (std::abs(v.F1) < 20) v.F1 = 200;
  v.F2 = 10 * (p6 - 10);
  if (std::abs(v.F2) < 20) v.F2 = -300;
  v.M1 = p7 - 10;
  if (std::abs(v.M1) < 2) v.M1 = 2;
  v.M2 = p4 - 2;
  if (std::abs(v.M2) < 2) v.M2 = -5;
  if (v.M1 == v.M2) v.M2 = 2 * v.M1;
  v.l1 = 5 * p3 + 140;
  v.l2 = 5 * p4 + 160;
  v.l3 = static_cast<int>(toolkit::RoundHalfEven(v.l1 / 2.0)) + p4 - 1;
  v.b = 3 * (p2 + p3 + p4) + 12;
  v.h = p5 / 2 + p3 / 2 + 22;
  if (p1 == 4) {
    v.b /= 2;
    v.h /= 2;
  }
  const double b = v.b, h = v.h, bh = b * h;
  switch (p1) {
    case 1:
      v.omega[1] = bh / 4, v.omega[2] = -bh / 4, v.omega[3] = bh / 4;
      v.Jw = bh * bh * b / 24;
      v.S = 2 * b + h;
      break;
    case 2:
      v.omega[1] = (bh / 2) * (h + 3 * b) / (h + 6 * b);
      v.omega[2] = -(3 * h * b * b / 2) / (h + 6 * b);
      v.omega[3] = (3 * h * b * b / 2) / (h + 6 * b);
      v.Jw = (bh * bh * b / 12) * (2 * h + 3 * b) / (h + 6 * b);
      v.S = 2 * b + h;
      break;
    case 3:
      v.omega[1] = (bh / 2) * (h + b) / (h + 2 * b);
      v.omega[2] = -(h * b * b / 2) / (h + 2 * b);
      v.omega[3] = (bh / 2) * (h + b) / (h + 2 * b);
      v.Jw = (bh * bh * b / 12) * (2 * h + b) / (h + 2 * b);
      v.S = 2 * b + h;
      break;
    default:
      v.omega[1] = -(3 * h * h * b / 2) / (3 * h + 2 * b);
      v.omega[2] = (3 * h * h * b / 2) / (3 * h + 2 * b);
      v.omega[3] = -(bh / 2) * (3 * h + 4 * b) / (3 * h + 2 * b);
      v.Jw = (bh * bh / 6) * (40 * b * b + 68 * bh + 3 * h * h) / (3 * h + 2 * b);
      v.S = 2 * (2 * b + h);
      break;
  }
  double T2 = v.M2;
  if (p2 < 4) {
    v.B = v.F1 * v.omega[kForcePoints[p2][0]] + v.F2 * v.omega[kForcePoints[p2][1]];
    T2 = 0;
  }
  v.Jd = v.S / 3 * 1e-12;
  const double Jw = v.Jw * 1e-18;
  v.k = std::sqrt(kG * v.Jd / (kE * Jw));
  v.phi = ConstrainedTwistAngle(kE * Jw, kG * v.Jd, 0.01 * v.l1, 0.01 * (v.l1 + v.l2), v.M1, T2,
                                v.B * 1e-6, 0.01 * v.l3);
  return v;
}

void BeginConstrainedTorsionProblem(SharedState& s) {
  s.ParboxWidth = 180;
  AnsBeginTable(s, 8);
  WriteText(s, "\\input{ris1.txt}");
  AnsWrite(s,
           "\\No\\ru & \\mc{$J_\\omega\\cdot10^{11}$}& \\mc{$J_d\\cdot10^{10}$}& \\mc{$k$}& "
           "\\mc{$B\\cdot10^3$}& \\mc{$\\varphi$}\\\\\\hline");
  AnsWrite(s, " \\ru   &м$^6$ & м$^4$& м$^{-1}$ & Нм$^{2}$ & рад  \\\\\\hline");
  WriteLine(s,
            " Найти угол поворота $\\varphi$ сечения $z=l_3$ стержня открытого профиля.  "
            "Модуль упругости $E=2\\cdot 10^5$~МПа, модуль сдвига  $G=8\\cdot 10^4$~МПа, "
            "толщина стенки равна 1 мм. \\\\ \\noindent");
}

void WriteConstrainedTorsionVariant(SharedState& s) {
  const ConstrainedTorsionVariant v =
      DeriveConstrainedTorsion(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  static constexpr const char* kBoxes[5] = {"", "risA", "risB", "risC", "risD"};

  // The bar runs 100 along with its end section drawn beyond; the forces at the end section
  // and their letters reach about 50 past the bar's end; the wall and M keep 4 under the
  // heading.
  BeginPicture(s, 165, 59, -10, -20);
  WriteText(s, "\\thicklines\\Red{");
  PutBox(s, kBoxes[s.P1], 0, 0);
  // The bar's front edge runs from z = 0 at x = 0 to z = L at x = 100; a moment's loop is
  // centred on its section, 10 units behind the front edge.
  const double length = v.l1 + v.l2;
  auto at = [length](double z) { return 100 * z / length; };
  const double x1 = at(v.l1);
  PutBox(s, v.M1 > 0 ? "vbigrmomentpt" : "vbigrmomentptm", x1 + 10, 12);
  if (s.P2 < 4) {
    const int p = kForcePoints[s.P2][0], q = kForcePoints[s.P2][1];
    const double px = PointX(s.P1, p), qx = PointX(s.P1, q);
    // Both forces run along the bar from points of the end section. When P1's point lies
    // nearer the wall than P2's, P1's arrow stops short of P2's point, so that the two never
    // run side by side a few units apart; each label stands at its arrow's outer end.
    const double len1 = px < qx ? std::min(20.0, qx - px - 1) : 20;
    DrawDirectedVectorWithLabel(s, 1, 0, "$P_1$", v.F1, px, PointY(s.P1, p), len1, len1 + 1, -4);
    DrawDirectedVectorWithLabel(s, 1, 0, "$P_2$", v.F2, qx, PointY(s.P1, q), 20, 21, -4);
    PutLabel(s, "$M$", x1 + 10, 29);
  } else {
    PutBox(s, v.M2 > 0 ? "vbigrmomentpt" : "vbigrmomentptm", 110, 12);
    PutLabel(s, "$M_1$", x1 + 10, 29);
    // The fourth profile's "2b" stands under the end couple's letter.
    PutLabel(s, "$M_2$", 110, s.P1 == 4 ? 31 : 29);
  }
  WriteText(s, "}");
  // The lengths along the front edge, below the bar: l1 and l2, and l3 to the section whose
  // angle is asked.
  SetLineWidth(s, 1);
  DrawDimensionHText(s, "$l_1$", 0, x1, -10);
  DrawDimensionHText(s, "$l_2$", x1, 100, -10);
  DrawDimensionHText(s, "$l_3$", 0, at(v.l3), -18);
  EndPicture(s);

  WriteText(s, "\\small ");
  if (s.P2 < 4) {
    WriteText2NumbersLn(s, "\\par $P_1=", std::abs(v.F1), "$~Н, $P_2=", std::abs(v.F2),
                        "$~Н, ");
    WriteTextNumberLn(s, "$M=", std::abs(v.M1), "$~Нм ");
  } else {
    WriteText2NumbersLn(s, "\\par $M_1=", std::abs(v.M1), "$~Нм,  $M_2=", std::abs(v.M2),
                        "$~Нм.");
  }
  WriteText3NumbersLn(s, "\\par $l_1=", v.l1, "$~см,  $l_2=", v.l2, "$~см,  $l_3=", v.l3,
                      "$~см.");
  WriteText2NumbersLn(s, "\\par $b=", v.b, "$~мм,  $h=", v.h, "$~мм.");

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      toolkit::FormatFixed(v.Jw * 1e-18 * 1e11, 9, 3) + "&" +
                      toolkit::FormatFixed(v.Jd * 1e10, 9, 3) + "&" +
                      toolkit::FormatFixed(v.k, 9, 3) + "&" +
                      toolkit::FormatFixed(v.B * 1e-6 * 1e3, 6, 3) + "&" +
                      toolkit::FormatFixed(v.phi, 6, 3));
}

}  // namespace strength
