#include "subjects/statics/two_cylinder_friction.h"

#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRadius = 12;    // cylinder radius in picture units
constexpr double kUnderRod = 3;   // a body's flat top below a rod that passes over it
constexpr double kT = 0.4636476;  // arctan(1/2)
const double kC = 2 / std::sqrt(5.0), kD = 1 / std::sqrt(5.0);

// Support scheme: figure unit, slopes under the cylinders, rod angle, direction of F (degrees),
// sense of M and the couple's box.
struct CylinderScheme {
  double a;
  double alpha1, alpha2, alpha3, beta;
  int sense;
  std::string_view box;
};
constexpr CylinderScheme kSchemes[10] = {
    {6, 60, -60, 0, 180, 1, "vmomentp"},  {8, 45, 0, 30, 0, -1, "vmoment"},
    {9, -90, 0, -30, 180, -1, "vmoment"}, {9, -60, 30, 0, 180, 1, "vmomentp"},
    {9, 30, -60, 0, 180, 1, "vmomentp"},  {9, 90, -45, 30, 180, 1, "vmomentp"},
    {8, 90, 0, 30, 0, -1, "vmoment"},     {10, -30, 0, 150, 180, 1, "vmomentp"},
    {9, 0, 30, -30, 0, -1, "vmoment"},    {9, 45, 30, 0, 0, -1, "vmoment"}};

struct CylinderData {
  int scheme = 1;
  int P1 = 0, P2 = 0, P3 = 0, F = 0, R = 0, delta = 0;
};

CylinderData DeriveData(const SharedState& s) {
  CylinderData d;
  d.scheme = s.P1;
  d.P1 = s.P2 + 20;
  d.P2 = s.P2 + s.P3 + 20;
  d.P3 = 10 * s.P4;
  d.F = 5 * s.P2;
  d.R = 10 * s.P5 + 5 * s.P2;
  d.delta = s.P5;
  if (d.scheme == 1) d.P1 /= 2;
  if (d.scheme == 3) {
    d.P1 /= 4;
    d.F *= 2;
  }
  return d;
}

double Rad(double deg) { return deg * kPi / 180; }

// One limiting case: unknowns N1, X1, Y1, N2, X2, Y2, M; writes " &N1&N2&M".
void SolveTwoCylinderEquilibrium(SharedState& s, const CylinderData& d, double delta) {
  const CylinderScheme& k = kSchemes[d.scheme - 1];
  const double a1 = Rad(k.alpha1), a2 = Rad(k.alpha2), a3 = Rad(k.alpha3), b = Rad(k.beta);
  structural::ClearLinearSystem(s, 7);
  auto& A = s.SystemMatrix;
  auto& B = s.SystemRhs;
  for (int i = 1; i <= 7; ++i) B[i][1] = 0;
  A[1][1] = 1, A[1][2] = -std::sin(a1), A[1][3] = std::cos(a1);
  B[1][1] = d.P1 * std::cos(a1);
  A[2][4] = 1, A[2][5] = -std::sin(a2), A[2][6] = std::cos(a2);
  B[2][1] = d.P2 * std::cos(a2) - d.F * std::sin(b - a2);
  A[3][2] = 1, A[3][5] = 1;
  A[4][3] = 1, A[4][6] = 1;
  B[4][1] = -d.P3;
  A[5][5] = std::sin(a3), A[5][6] = -std::cos(a3);
  B[5][1] = d.P3 * std::cos(a3) / 2;
  A[6][2] = -std::cos(a1), A[6][3] = -std::sin(a1), A[6][7] = k.sense / (0.01 * d.R);
  B[6][1] = -d.P1 * std::sin(a1);
  A[7][4] = 0.1 * delta / d.R, A[7][5] = -std::cos(a2), A[7][6] = -std::sin(a2);
  B[7][1] = d.F * std::cos(b - a2) - d.P2 * std::sin(a2);
  structural::SolveLinearSystem(s, 7, 1, "two cylinders with rolling friction");
  AnsWrite(s, " &" + toolkit::FormatFixed(B[1][1], 9, 3) + "&" +
                  toolkit::FormatFixed(B[4][1], 9, 3) + "&" + toolkit::FormatFixed(B[7][1], 9, 3));
}

void DrawPointPolyline(SharedState& s, int i, int j) {
  SetLineWidth(s, 4);
  MoveToPoint(s, i);
  for (int k = i + 1; k <= j; ++k) LineToPoint(s, k);
  SetLineWidth(s, 1);
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void DrawTwoCylinderScheme(SharedState& s, const CylinderData& d) {
  const CylinderScheme& k = kSchemes[d.scheme - 1];
  const double a = k.a, r = kRadius, c = kC, dd = kD;
  auto& X = s.PointX;
  auto& Y = s.PointY;
  int last = 0;  // last outline point
  switch (d.scheme) {
    case 1: {
      // Each cylinder touches its 60-degree face halfway up; the rod between the axes runs
      // below the apex of a full wedge, so the wedge is cut flat just under the rod.
      SetPoint(s, 1, 2 * a - 0.866 * r, 3.464 * a + 0.5 * r);
      SetPoint(s, 2, 6 * a + 0.866 * r, 3.464 * a + 0.5 * r);
      const double top = Y[1] - kUnderRod, run = top / std::tan(kPi / 3);
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, run, top), SetPoint(s, 5, 8 * a - run, top);
      SetPoint(s, 6, 8 * a, 0);
      last = 6;
      break;
    }
    case 2:
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, 4 * a, 4 * a), SetPoint(s, 5, 10 * a, 4 * a);
      SetPoint(s, 6, 10 * a, 0);
      SetPoint(s, 1, 2 * a - 0.71 * r, 2 * a + 0.71 * r);
      SetPoint(s, 2, 4 * a + 2 * r, 4 * a + r);
      last = 6;
      break;
    case 3:
      // Cylinder 1 against the wall, cylinder 2 on the floor, the rod at the figure's 30
      // degrees (slope 1/2) as its arc says.
      SetPoint(s, 4, 0, 0), SetPoint(s, 5, 8 * a, 0), SetPoint(s, 3, 0, 5 * a);
      SetPoint(s, 1, r, r + dd * 40);
      SetPoint(s, 2, r + c * 40, r);
      break;
    case 4: {
      SetPoint(s, 3, 0, 4 * a), SetPoint(s, 4, 2 * a, 0), SetPoint(s, 5, 8 * a, 3 * a);
      SetPoint(s, 1, 0.5 * a + c * r, 3 * a + dd * r);
      const double y2 = 3 * a + dd * r;
      SetPoint(s, 2, 2 * (y2 - c * r) + 2 * a - dd * r, y2);
      last = 5;
      break;
    }
    case 5: {
      const double y1 = 1.5 * a + c * r;
      SetPoint(s, 1, 3 * a - dd * r, y1);
      SetPoint(s, 2, c * r + 7.5 * a - (y1 - dd * r) / 2, y1);
      // As scheme 1: the wedge is cut flat just under the rod that joins the axes.
      const double top = y1 - kUnderRod;
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, 2 * top, top), SetPoint(s, 5, 7.5 * a - top / 2, top);
      SetPoint(s, 6, 7.5 * a, 0);
      last = 6;
      break;
    }
    case 6:
      SetPoint(s, 3, a + r, 0), SetPoint(s, 4, a + r, 5 * a), SetPoint(s, 5, 2 * a + r, 5 * a);
      SetPoint(s, 6, 7 * a + r, 0);
      SetPoint(s, 1, a, a + r);
      SetPoint(s, 2, a + 42, a + r + 21);
      last = 6;
      break;
    case 7:
      SetPoint(s, 3, a + r, 0), SetPoint(s, 4, a + r, 4 * a), SetPoint(s, 5, 9 * a + r, 4 * a);
      SetPoint(s, 6, 9 * a + r, 0);
      SetPoint(s, 1, a, a + r);
      SetPoint(s, 2, 7 * a, 4 * a + r);
      last = 6;
      break;
    case 8:
      // Cylinder 1 on the slope, cylinder 2 on the step's flat top, the rod rising to it at
      // the figure's 30 degrees (slope 1/2); the rod is long enough to reach past the step.
      SetPoint(s, 1, 6 * a + dd * r, a + c * r);
      SetPoint(s, 2, X[1] - c * 50, Y[1] + dd * 50);
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, 0, Y[2] - r), SetPoint(s, 5, 3 * a, Y[2] - r);
      SetPoint(s, 6, 3 * a, 2.5 * a), SetPoint(s, 7, 8 * a, 0);
      last = 7;
      break;
    case 9:
      // Cylinder 2 on the slope, cylinder 1 on the step's flat top, as scheme 8.
      SetPoint(s, 2, 7 * a - dd * r, 2 * a + c * r);
      SetPoint(s, 1, X[2] - c * 46, Y[2] + dd * 46);
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, 0, Y[1] - r), SetPoint(s, 5, 3 * a, Y[1] - r);
      SetPoint(s, 6, 3 * a, 0), SetPoint(s, 7, 9 * a, 3 * a), SetPoint(s, 8, 9 * a, 0);
      last = 8;
      break;
    default: {  // 10
      SetPoint(s, 3, 0, 0), SetPoint(s, 4, 4 * a, 4 * a), SetPoint(s, 5, 4 * a, 0);
      SetPoint(s, 6, 9 * a, 2.5 * a), SetPoint(s, 7, 9 * a, 0);
      SetPoint(s, 1, 2 * a - 0.71 * r, 2 * a + 0.71 * r);
      SetPoint(s, 2, 2 * (Y[1] - c * r) + 4 * a - dd * r, Y[1]);
      last = 7;
      break;
    }
  }
  const double x1 = X[1], y1 = Y[1], x2 = X[2], y2 = Y[2];
  if (last > 0) DrawPointPolyline(s, 3, last);
  switch (d.scheme) {
    case 1:
      DrawHatchRowV(s, -1, 0, 0, 8 * a);
      break;
    case 2:
      DrawHatchRowV(s, -1, -5, 0, 10 * a + 10);
      break;
    case 3:
      DrawHatchRowV(s, -1, 0, -0.5, 8 * a + 5);
      DrawHatchRowH(s, -1, -0.5, 0, 5 * a - 4);
      break;
    case 4:
      DrawHatchTicks(s, 18, 2 * a + 8, 4, 2, 1, 4, 6 * a - 5);
      DrawHatchTicks(s, 15, 2 * a - 3, 6, -1, 2, 3, 35);
      break;
    case 5:
      DrawHatchRowV(s, -1, -5, 0, 7.5 * a + 10);
      break;
    case 6:
      DrawHatchRowV(s, -1, a + r - 5, 0, 6 * a + 15);
      break;
    case 7:
      DrawHatchRowV(s, -1, a + r - 5, 0, 9 * a);
      break;
    case 8:
      DrawHatchRowV(s, -1, -5, 0, 8 * a + 10);
      break;
    default:
      DrawHatchRowV(s, -1, -5, 0, 9 * a + 10);
      break;
  }
  PutBox(s, k.box, x1, y1);
  const int m = (d.scheme == 1 || d.scheme == 5)                    ? 4
                : (d.scheme == 4 || d.scheme == 6 || d.scheme == 8) ? 5
                                                                    : -9;
  PutLabel(s, "$M$", x1 + 1, y1 + m);
  const std::string_view d60 = "$60^{\\circ}$", d45 = "$45^{\\circ}$", d30 = "$30^{\\circ}$";
  switch (d.scheme) {
    case 1: {
      // Each corner's value inside the wedge just clear of its own arc, the right one the
      // mirror image of the left one, so that the two read apart.
      DrawLabelledArc(s, 0, d60, 0, 0, 0, 0, kPi / 3, 12);
      DrawLabelledArc(s, 0, d60, 0, 8 * a, 0, 2 * kPi / 3, kPi, 12);
      const double left = 12.5, base = 6;
      PutScriptLabel(s, d60, left, base);
      PutScriptLabel(s, d60, 8 * a - left - figures::LabelWidth(d60, 7) / 1.3, base);
      break;
    }
    case 2:
      DrawLabelledArc(s, 0, d45, 1, 0, 0, 0, kPi / 4, 12);
      DrawLabelledArc(s, 0, d30, 2, x2, y2, kPi, kPi + kT - 0.1, 20);
      SetLineWidth(s, 1);
      DrawSegment(s, x2 - 2, y2, x2 - 24, y2);
      break;
    case 3:
      DrawLabelledArc(s, 0, d30, 2, x2, y2, kPi - kT, kPi, 20);
      SetLineWidth(s, 1);
      DrawSegment(s, x2 - 2, y2, x2 - 24, y2);
      break;
    case 4:
      DrawLabelledArc(s, 0, d60, 2, 2 * a, 0, kT + kPi / 2, kPi, 14);
      DrawLabelledArc(s, 0, d30, 2, 2 * a, 0, 0, kT, 24);
      DrawSegment(s, 2 * a - 25, 0, 2 * a + 28, 0);
      break;
    case 5:
      DrawLabelledArc(s, 0, d60, 2, 7.5 * a, 0, kT + kPi / 2, kPi, 14);
      DrawLabelledArc(s, 0, d30, 2, 0, 0, 0, kT, 18);
      break;
    case 6:
      DrawLabelledArc(s, 0, d45, 2, 7 * a + r, 0, 3 * kPi / 4, kPi, 12);
      DrawLabelledArc(s, 0, d30, 1, x1, y1, 0, kT, 21);
      SetLineWidth(s, 1);
      DrawSegment(s, x1 + 2, y1, x1 + 24, y1);
      break;
    case 7:
      DrawLabelledArc(s, 0, d30, 1, x1, y1, 0, kT, 21);
      SetLineWidth(s, 1);
      DrawSegment(s, x1 + 2, y1, x1 + 24, y1);
      break;
    case 8:
      DrawLabelledArc(s, 0, d30, 2, 8 * a, 0, kPi - kT, kPi, 12);
      DrawLabelledArc(s, 0, d30, 2, x2, y2, -kT, 0, 21);
      SetLineWidth(s, 1);
      DrawSegment(s, x2 + 2, y2, x2 + 24, y2);
      break;
    case 9:
      DrawLabelledArc(s, 0, d30, 2, 3 * a, 0, 0, kT, 14);
      DrawLabelledArc(s, 0, d30, 2, x1, y1, -kT, 0, 20);
      SetLineWidth(s, 1);
      DrawSegment(s, x1 + 2, y1, x1 + 24, y1);
      break;
    default:
      DrawLabelledArc(s, 0, d45, 2, 0, 0, 0, kPi / 4, 14);
      DrawLabelledArc(s, 0, d30, 2, 4 * a, 0, 0, kT, 20);
      break;
  }
  // Force F on cylinder 2.
  const int dir = k.beta == 180 ? -1 : 1;
  double fx = x2 + 21;
  if (d.scheme == 2 || d.scheme == 7 || d.scheme == 10) fx = x2 + 1;
  if (d.scheme == 8 || d.scheme == 9) fx = x2 - 1;
  DrawThickRedVector(s, dir, 0, fx, y2, 20);
  double lx = x2 + 21;
  if (d.scheme == 1 || d.scheme == 3 || d.scheme == 6) lx = x2 + 18;
  if (d.scheme == 4 || d.scheme == 5) lx = x2 + 15;
  if (d.scheme == 8) lx = x2 - 24;
  PutBlueLabel(s, "$\\vec F$", lx, y2 + 2);
  PutLabel(s, "1", x1 + 3, y1 + r + 1);
  PutLabel(s, "2", x2 + 3, y2 + r + 2);
  DrawNodeMarker(s, 1);
  DrawCircle(s, x1, y1, 2 * r);
  DrawNodeMarker(s, 2);
  WriteText(s, "\\thicklines ");
  DrawCircle(s, x2, y2, 2 * r);
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 1, 0));
  SolveTwoCylinderEquilibrium(s, d, d.delta);
  SolveTwoCylinderEquilibrium(s, d, -d.delta);
}

}  // namespace

void BeginTwoCylinderFrictionProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 7);
  AnsWriteLine(s,
               "\\ru &\\mc{$N_1$}&\\mc{$N_2$}&\\mc{$M$}&\\mc{$N_1$}&\\mc{$N_2$}&\\mc{$M$} \\\\ "
               "\\hline ");
  AnsWriteLine(s,
               "&\\multicolumn{2}{|c|}{N}& \\mc{Nm} &\\multicolumn{2}{|c|}{N}&\\mc{Nm} "
               "\\\\\\cline{2-7}");
  WriteLine(s,
            "The system consists of two cylinders weighing $P_1$ and $P_2$ with the same radius "
            "$R$, connected by a homogeneous rod weight $P_3$. Cylinders can ride without "
            "slipping, the cylinder 1 without  resistance, and the cylinder 2 with rolling "
            "friction ($\\delta $). What are the limits");
  WriteLine(s,
            " changing external moment $M$ under the condition of equilibrium of the system? "
            "\\vskip 2mm {\\small In answers the normal reactions of the supports and a pair with "
            "angular momentum $M$ for the motion of the cylinder 2 in clockwise or "
            "counterclockwise are given (the last three columns).}");
  WriteBookReference(s, 80);
}

void WriteTwoCylinderFrictionVariant(SharedState& s) {
  const CylinderData d = DeriveData(s);
  s.PointX[3] = 0;
  s.PointY[3] = 0;
  WriteLine(s, "\\par\\unitlength=1.3pt ");
  BeginPicture(s, 110, 73, -18, -3);
  DrawTwoCylinderScheme(s, d);
  SetLineWidth(s, 8);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 2);
  EndPicture(s);
  WriteText3NumbersLn(s, "\\vskip3pt\\noindent{\\small $P_1=", d.P1, "$~N, $P_2=", d.P2,
                      "$~N, $P_3$=", d.P3, "~N,\\\\");
  WriteText3NumbersLn(s, " $F=", d.F, "$~N, $R=", d.R, "$~cm, $\\delta=", d.delta, "$~mm.}");
}

}  // namespace statics
