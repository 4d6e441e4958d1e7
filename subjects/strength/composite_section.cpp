#include "subjects/strength/composite_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

// The two passes over the elements: sizing (extents only) and drawing (records and figure).
struct Placement {
  Placement(SharedState& state, const RolledProfileTables& tables) : s(&state), t(tables) {}
  SharedState* s;
  const RolledProfileTables& t;
  bool draw = false;
  double y0 = 0;               // picture height of the x axis
  double height = 0, width = 0;  // drawn extents of the element just placed
  double widest = 0;             // the widest element in the tables' units (mm)
  TSectionElement e[3];
};

void OpenElement(SharedState& s, double x0, double y0) {
  WriteText2NumbersLn(s, "\\put(", x0, ",", y0, "){");
}

void Chain(SharedState& s, const double (*pts)[2], int n) {
  MoveTo(s, pts[0][0], pts[0][1]);
  for (int i = 1; i < n; ++i) LineTo(s, pts[i][0], pts[i][1]);
}

void DrawAngleOutline(SharedState& s, double a, double ta, double c, double tc) {
  const double pts[9][2] = {{0, 0},        {0, c},       {ta / 2, c},
                            {ta, c - tc / 2}, {1.5 * ta, 1.5 * tc}, {a - ta / 2, tc},
                            {a, tc / 2},   {a, 0},       {0, 0}};
  Chain(s, pts, 9);
}

void DrawIBeamQuarter(SharedState& s, double a1, double a2, double a3, double a4) {
  const double pts[6][2] = {{a1, 0},
                            {a1, a3 / 2 - 2 * a4},
                            {a2 / 2 - a1, a3 / 2 - a4},
                            {a2 / 2, a3 / 2 - a4 / 2},
                            {a2 / 2, a3 / 2},
                            {0, a3 / 2}};
  Chain(s, pts, 6);
}

void DrawStandingChannelHalf(SharedState& s, double a1, double a2, double a3, double a4) {
  const double pts[7][2] = {{0, 0},
                            {0, a1 / 2},
                            {a3, a1 / 2},
                            {a3, a1 / 2 - a2 / 2},
                            {a3 - a4, a1 / 2 - a2},
                            {a4, a1 / 2 - 1.6 * a2},
                            {a4, 0}};
  Chain(s, pts, 7);
}

void DrawLyingChannelHalf(SharedState& s, double a1, double a2, double a3, double a4) {
  const double pts[7][2] = {{0, 0},
                            {a1 / 2, 0},
                            {a1 / 2, a3},
                            {a1 / 2 - a2 / 2, a3},
                            {a1 / 2 - a2, a3 - a4},
                            {a1 / 2 - 1.6 * a2, a4},
                            {0, a4}};
  Chain(s, pts, 7);
}

void PlaceEqualAngle(Placement& p, int k, int row, int sm, int t) {
  const EqualAngleProfile& r = p.t.EqualAngleTable[row];
  p.s->PointY[k] = t * r.b;
  p.widest = std::max<double>(p.widest, r.b);
  if (!p.draw) return;
  TSectionElement& e = p.e[k];
  e.A = r.A;
  e.x = sm * r.z0 + (1 - sm) * r.b / 20.0;
  e.y = t * r.z0;
  e.Jx = r.Jx;
  e.Jy = r.Jx;
  e.Jxy = (r.Jx - r.Jx0) * sm * t;
  SharedState& s = *p.s;
  const double L = s.Scale * r.b, T = s.Scale * r.t;
  p.height = L, p.width = L;
  OpenElement(s, L * (1 - sm) / 2, p.y0);
  DrawAngleOutline(s, sm * L, sm * T, t * L, t * T);
  MoveTo(s, sm + 1, t * L / 2);
  LineTo(s, 6, t * L / 2);
  PutText(s, "{\\scriptsize \\No ", 8, t * L / 2);
  WriteNumber(s, r.b / 10.0);
  WriteTextNumberLn(s, "/", r.t, "}");
  WriteText(s, "}");
}

void WriteChannelLabelText(SharedState& s, const RolledProfileTables& t, int row) {
  WriteNumber(s, t.ChannelTable[row].number);
  WriteText(s, ChannelLetter(row) + "}}");
}

void PlaceStandingChannel(Placement& p, int k, int row, int sm, int t) {
  const ChannelProfile& r = p.t.ChannelTable[row];
  p.s->PointY[k] = t * 10 * r.number;
  p.widest = std::max<double>(p.widest, r.b);
  if (!p.draw) return;
  TSectionElement& e = p.e[k];
  e.A = r.A;
  e.x = sm * r.z0 + (1 - sm) * r.b / 20.0;
  e.y = t * r.number / 2;
  e.Jx = r.Jx;
  e.Jy = r.Jy;
  e.Jxy = 0;
  SharedState& s = *p.s;
  const double L = s.Scale * r.b, Hp = s.Scale * 10 * r.number;
  const double f = L / 9, c = L / 11;
  p.height = Hp, p.width = L;
  OpenElement(s, L * (1 - sm) / 2, p.y0 + t * Hp / 2);
  DrawStandingChannelHalf(s, t * Hp, t * c, sm * L, sm * f);
  DrawStandingChannelHalf(s, -t * Hp, -t * c, sm * L, sm * f);
  MoveTo(s, sm + 1, 0);
  LineTo(s, 6, 0);
  PutText(s, "{\\scriptsize \\No ", 8, -2);
  WriteChannelLabelText(s, p.t, row);
}

void PlaceLyingChannel(Placement& p, int k, int row, int sm) {
  const ChannelProfile& r = p.t.ChannelTable[row];
  p.s->PointY[k] = sm * r.b;
  p.widest = std::max<double>(p.widest, 10 * r.number);
  if (!p.draw) return;
  TSectionElement& e = p.e[k];
  e.A = r.A;
  e.x = r.number / 2;
  e.y = sm * r.z0;
  e.Jx = r.Jy;
  e.Jy = r.Jx;
  e.Jxy = 0;
  SharedState& s = *p.s;
  const double L = s.Scale * r.b, Hp = s.Scale * 10 * r.number;
  const double f = L / 9, c = L / 11;
  p.height = L, p.width = Hp;
  OpenElement(s, Hp / 2, p.y0);
  DrawLyingChannelHalf(s, Hp, c, sm * L, sm * f);
  DrawLyingChannelHalf(s, -Hp, -c, sm * L, sm * f);
  MoveTo(s, Hp / 2 + 2, sm * L / 2);
  LineTo(s, Hp / 2 + 6, sm * L / 2);
  PutText(s, "{\\scriptsize \\No ", Hp / 2 + 8, sm * L / 2);
  WriteChannelLabelText(s, p.t, row);
}

void PlaceIBeam(Placement& p, int k, int row, int sm) {
  const IBeamProfile& r = p.t.IBeamTable[row];
  p.s->PointY[k] = sm * 10 * r.number;
  p.widest = std::max<double>(p.widest, r.b);
  if (!p.draw) return;
  TSectionElement& e = p.e[k];
  e.A = r.A;
  e.x = r.b / 20.0;
  e.y = sm * r.number / 2.0;
  e.Jx = r.Jx;
  e.Jy = r.Jy;
  e.Jxy = 0;
  SharedState& s = *p.s;
  const double L = s.Scale * r.b, Hp = s.Scale * 10 * r.number;
  const double w = L / 15;
  p.height = Hp, p.width = L;
  OpenElement(s, L / 2, p.y0 + sm * Hp / 2);
  DrawIBeamQuarter(s, w, L, sm * Hp, sm * w);
  DrawIBeamQuarter(s, -w, -L, sm * Hp, sm * w);
  DrawIBeamQuarter(s, -w, -L, -sm * Hp, -sm * w);
  DrawIBeamQuarter(s, w, L, -sm * Hp, -sm * w);
  MoveTo(s, 2, 0);
  LineTo(s, w + 6, 0);
  PutText(s, "{\\scriptsize \\No ", w + 8, -2);
  WriteNumber(s, r.number);
  WriteText(s, "}}");
}

void PlaceElement(Placement& p, int k, int kind, int angle_row, int channel_row,
                  int lying_row, int beam_row) {
  const int side = k == 1 ? 1 : -1;
  switch (kind) {
    case 1: PlaceEqualAngle(p, k, angle_row, 1, side); break;
    case 2: PlaceEqualAngle(p, k, angle_row, -1, side); break;
    case 3: PlaceStandingChannel(p, k, channel_row, 1, side); break;
    case 4: PlaceStandingChannel(p, k, channel_row, -1, side); break;
    case 5: PlaceLyingChannel(p, k, lying_row, side); break;
    default: PlaceIBeam(p, k, beam_row, side); break;
  }
}

// Returns element 1's drawn height and the larger drawn width of the two.
void PlaceSectionElements(Placement& p, int p1, int p2, int p3, int p4, int p5, int p6,
                          int p7, double& H, double& W) {
  PlaceElement(p, 1, p1, p3, p4, p4, p5);
  H = p.height;
  W = p.width;
  WriteText(*p.s, "\\Blue{");
  PlaceElement(p, 2, p2, p6, p6 + p3, 2 * p6, p7);
  WriteText(*p.s, "}");
  W = std::max(W, p.width);
}

}  // namespace

CompositeSectionResult SolveCompositeSection(const TSectionElement& e1, const TSectionElement& e2) {
  CompositeSectionResult r;
  const TSectionElement* e[2] = {&e1, &e2};
  r.F = e1.A + e2.A;
  r.xc = (e1.A * e1.x + e2.A * e2.x) / r.F;
  r.yc = (e1.A * e1.y + e2.A * e2.y) / r.F;
  for (const TSectionElement* k : e) {
    const double dx = k->x - r.xc, dy = k->y - r.yc;
    r.Jx += k->Jx + k->A * dy * dy;
    r.Jy += k->Jy + k->A * dx * dx;
    r.Jxy += k->Jxy + k->A * dx * dy;
  }
  const double m = (r.Jx + r.Jy) / 2;
  const double R = std::sqrt((r.Jx - r.Jy) * (r.Jx - r.Jy) / 4 + r.Jxy * r.Jxy);
  r.Jmax = m + R;
  r.Jmin = m - R;
  // With no product of inertia the principal axes are x and y themselves; comparing J_y
  // with m + R exactly would miss by the last bit and turn 90 degrees into 0.
  if (std::fabs(r.Jxy) <= 1e-9 * std::fabs(r.Jmax)) {
    r.alpha = r.Jy > r.Jx ? 90 : 0;
  } else {
    r.alpha = std::atan(r.Jxy / (r.Jy - r.Jmax)) * 180 / std::numbers::pi;
  }
  return r;
}

void BeginCompositeSectionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  WriteLine(s,
            " Найти  максимальный и минимальный моменты инерции составной фигуры и угол "
            "наклона главной оси инерции к оси $x$. Ось  $x$ горизонтальная, направлена "
            "направо, ось $y$ --- вертикальная вверх.");
  WriteLine(s, std::string(" Использованы двутавры ") + ProfileStandards[1] + ", швеллеры " +
                   ProfileStandards[2] + " и уголки " + ProfileStandards[3] + "\\\\\\noindent");
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 11);
  AnsWrite(s,
           " & $F$ & $x_c$ & $y_c$ & $J_x$& $J_y$& $J_{xy}$& $J_{max}$& $J_{min}$& "
           "$\\alpha_x$\\\\\\hline");
  AnsWrite(s,
           " & см$^2$ &\\multicolumn{2}{|c|}{см}&\\multicolumn{5}{|c|}{см$^4$}& "
           "градусы\\\\\\hline");
}

void WriteCompositeSectionVariant(SharedState& s, const RolledProfileTables& t) {
  s.P7 = 1;
  s.BoxHeight = 80;
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  s.PointX[1] = 0, s.PointX[2] = 10, s.PointX[3] = 10;
  s.PointY[3] = 0;
  Placement p{s, t};
  double H = 0, W = 0;
  PlaceSectionElements(p, p1, p2, p3, p4, p5, p6, p7, H, W);
  // The scale fits the heights in the box and the widest element in 120 of its width, so
  // that the numbers beside the elements and the x axis's letter stay in the picture.
  s.BoxWidth = 120;
  s.PointX[2] = s.PointX[3] = std::max(10.0, p.widest);
  FitPointsToBox(s, 3, 0);
  p.y0 = s.PointY[3];
  p.draw = true;
  // Right of the widest element: its number (about 40) or the x axis and its letter.
  BeginPicture(s, 185, 100, -10, 0);
  SetLineWidth(s, 7);
  PlaceSectionElements(p, p1, p2, p3, p4, p5, p6, p7, H, W);
  const double Y0 = p.y0, lower_height = p.height;
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, static_cast<int>(toolkit::RoundHalfEven(W / 4)), 0, Y0, W + 10, Y0);
  DrawDashedLineMultiput(s, static_cast<int>(toolkit::RoundHalfEven(H / 4)), 0, Y0, 0,
                         Y0 + H + 5);
  PutLabel(s, "$y$", 2, Y0 + H + 5);
  // Each element's number stands at its mid-height: the axis's letter goes above the axis
  // unless the upper element is too low for it, then below, else past the numbers.
  if (H / 2 >= 10) {
    PutLabel(s, "$x$", W + 12, Y0 + 2);
  } else if (lower_height / 2 >= 16) {
    PutLabel(s, "$x$", W + 12, Y0 - 8);
  } else {
    PutLabel(s, "$x$", W + 50, Y0 + 2);
  }
  EndPicture(s);

  const CompositeSectionResult r = SolveCompositeSection(p.e[1], p.e[2]);
  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (double v : {r.F, r.xc, r.yc, r.Jx, r.Jy, r.Jxy, r.Jmax, r.Jmin, r.alpha}) {
    row += "&" + toolkit::FormatFixed(v, 6, 2);
  }
  AnsWriteLine(s, row);
}

void WriteCompositeSectionVariant(SharedState& s) {
  WriteCompositeSectionVariant(s, kRolledProfiles);
}

}  // namespace strength
