#include "subjects/structural/cantilever_frame_displacement.h"

#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// Unit steps of the direction codes 1..4: +x, +y, -x, -y.
constexpr int kStepX[5] = {0, 1, 0, -1, 0};
constexpr int kStepY[5] = {0, 0, 1, 0, -1};

int Opposite(int d) { return (d + 1) % 4 + 1; }
bool Horizontal(int d) { return d == 1 || d == 3; }
int Bit(int value, int k) { return (value >> k) & 1; }

// Moment about point d of the force stored at point a, counter-clockwise positive.
double NodeMoment(const CantileverFrameVariant& v, int a, int d) {
  return v.FX[a] * (v.Y[d] - v.Y[a]) - v.FY[a] * (v.X[d] - v.X[a]);
}

// Unit-load integral of member k, both diagrams linear along it (EJ = 1).
double MemberIntegral(double length, double m1, double m2, double big1, double big2) {
  return length / 6 * (2 * m1 * big1 + m2 * big1 + m1 * big2 + 2 * m2 * big2);
}

// The diagram of a unit force (fx, fy) at the free end: its moment about each member's start,
// the end of a member equal to the start of the next, zero at the free end.
toolkit::IndexedArray<double, 1, 8> UnitForceDiagram(const CantileverFrameVariant& v, double fx,
                                                    double fy) {
  toolkit::IndexedArray<double, 1, 8> m{};
  for (int k = 1; k <= 4; ++k) m[2 * k - 1] = fx * (v.Y[k] - v.Y[5]) - fy * (v.X[k] - v.X[5]);
  for (int k = 1; k <= 3; ++k) m[2 * k] = m[2 * k + 1];
  m[8] = 0;
  return m;
}

}  // namespace

CantileverFrameVariant DeriveCantileverFrameVariant(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7) {
  if (p1 < 1 || p1 > 4 || p2 < 1 || p2 > 4 || p3 < 1 || p3 > 4 || p4 < 1 || p4 > 4 || p6 < 0 ||
      p6 > 15 || p7 < 0 || p7 > 15) {
    throw toolkit::DegenerateDataError("cantilever frame: parameters out of range");
  }
  CantileverFrameVariant v;
  v.Dir[1] = p1;
  const int wanted[5] = {0, p1, p2, p3, p4};
  for (int k = 2; k <= 4; ++k)
    v.Dir[k] = wanted[k] == Opposite(v.Dir[k - 1]) ? v.Dir[k - 1] : wanted[k];

  auto& len = v.Length;
  len[1] = 6 - Bit(p6, 0);
  for (int k = 1; k <= 3; ++k) len[k + 1] = len[k] - 1 - Bit(p6, k);
  if (len[4] == 0) len[4] = 3;
  for (int k = 2; k <= 4; ++k)
    if (len[k] == 1) len[k] = 2;
  if (v.Dir[1] == v.Dir[2] && v.Dir[2] == v.Dir[3]) {
    len[1] -= 1;
    len[4] += 3;
  }
  if (v.Dir[1] == v.Dir[2] && (v.Dir[4] == v.Dir[2] || v.Dir[4] == Opposite(v.Dir[2]))) {
    len[1] -= 1;
    len[3] += 2;
  }
  for (int k = 1; k <= 4; ++k)
    if (len[k] <= 0) throw toolkit::DegenerateDataError("cantilever frame: a member of no length");
  v.X[1] = v.Y[1] = 0;
  for (int k = 1; k <= 4; ++k) {
    v.X[k + 1] = v.X[k] + len[k] * kStepX[v.Dir[k]];
    v.Y[k + 1] = v.Y[k] + len[k] * kStepY[v.Dir[k]];
  }

  v.Force = p5 <= 5 ? 3 : 6;
  for (int k = 1; k <= 4; ++k) v.Sign[k] = 2 * Bit(p7, k - 1) - 1;
  int loads = 0;
  auto place = [&](int k) {
    v.HasForce[k] = true;
    if (Horizontal(v.Dir[k])) {
      v.FY[k + 1] = v.Sign[k] * v.Force;
    } else {
      v.FX[k + 1] = v.Sign[k] * v.Force;
    }
    ++loads;
  };
  place(4);
  const double m = -2 * NodeMoment(v, 5, 2);
  if (v.Dir[3] == v.Dir[2]) place(2);
  if (v.Dir[4] == v.Dir[3]) place(3);
  if (v.Dir[2] == v.Dir[1]) {
    v.CouplePoint = 2;
    ++loads;
  }
  if (loads == 1) v.CouplePoint = 3;
  if (v.CouplePoint != 0) v.Couple = m;

  // The load diagram: the forces beyond each member's start, then the couple.
  for (int r = 4; r >= 2; --r)
    for (int b = 1; b <= r; ++b) v.M[2 * (r + 1 - b) - 1] += NodeMoment(v, r + 1, r + 1 - b);
  for (int k = 1; k <= 3; ++k) v.M[2 * k] = v.M[2 * k + 1];
  v.M[8] = 0;
  if (v.CouplePoint == 2) {
    v.M[1] += m;
    v.M[2] += m;
  } else if (v.CouplePoint == 3) {
    for (int i = 1; i <= 4; ++i) v.M[i] += m;
  }

  const auto mx = UnitForceDiagram(v, 1, 0);
  const auto my = UnitForceDiagram(v, 0, 1);
  for (int k = 1; k <= 4; ++k) {
    const double a = v.M[2 * k - 1], b = v.M[2 * k];
    v.ShareX[k] = MemberIntegral(len[k], mx[2 * k - 1], mx[2 * k], a, b);
    v.ShareY[k] = MemberIntegral(len[k], my[2 * k - 1], my[2 * k], a, b);
    v.SharePhi[k] = MemberIntegral(len[k], 1, 1, a, b);
    v.DeltaX += v.ShareX[k];
    v.DeltaY += v.ShareY[k];
    v.DeltaPhi += v.SharePhi[k];
  }
  return v;
}

void BeginCantileverFrameDisplacementProblem(SharedState& s) {
  s.ParboxWidth = 180;
  WriteText(s,
            " Найти линейные  $\\Delta_x$, $\\Delta_y$ и угловое перемещение $\\Delta_\\varphi$ "
            "свободного конца консольной рамы.  Условно принять $EJ=1$.\\\\\\noindent");
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 12);
  // Thirteen columns of shares: the default spacing runs past the sheet.
  Ans2Write(s, "\\tabcolsep=2pt");
  Ans2BeginTable(s, 12);
  AnsWrite(s, "\\No\\ru ");
  for (int k = 1; k <= 4; ++k) AnsWriteText2Numbers(s, "&$M_", k, "$&$M_{", k, "}'$");
  AnsWrite(s, "&$\\Delta_\\varphi$&$\\Delta_x$&$\\Delta_y$\\\\\\hline");
  Ans2WriteLine(s, "\\No\\ru ");
  for (const char* axis : {"x", "y", "\\varphi "})
    for (int k = 1; k <= 4; ++k)
      Ans2Write(s, std::string("&$\\Delta_{") + axis + std::to_string(k) + "}$");
  Ans2WriteLine(s, "\\\\\\hline");
}

void WriteCantileverFrameDisplacementVariant(SharedState& s) {
  const CantileverFrameVariant v =
      DeriveCantileverFrameVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int number = toolkit::PrintedVariantNumber(s);

  // Answers: the unit-load shares member by member, then the moments and the displacements.
  Ans2WriteLine(s, toolkit::FormatNumber(number));
  for (const auto* share : {&v.ShareX, &v.ShareY, &v.SharePhi})
    for (int k = 1; k <= 4; ++k) Ans2WriteLine(s, "&" + toolkit::FormatFixed((*share)[k], 4, 1));
  AnsWriteTextNumber(s, "", number, " & ");
  for (int k = 4; k >= 1; --k) AnsWriteText2Numbers(s, "", v.M[2 * k], "&", v.M[2 * k - 1], "&");
  AnsWriteText3Numbers(s, " ", v.DeltaPhi, " & ", v.DeltaX, " & ", v.DeltaY, " ");

  // The figure: extra points beside the forces leave room for their arrows.
  ClearPoints(s, 8);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 5; ++i) {
    x[i] = v.X[i];
    y[i] = v.Y[i];
  }
  int extra = 5;
  for (int k = 4; k >= 2; --k) {
    if (!v.HasForce[k]) continue;
    ++extra;
    const bool vertical_force = Horizontal(v.Dir[k]);
    x[extra] = x[k + 1] + (vertical_force ? 0 : 2);
    y[extra] = y[k + 1] + (vertical_force ? 3.3 : 0);
  }
  for (int i = extra + 1; i <= 8; ++i) {
    x[i] = x[1];
    y[i] = y[1];
  }
  s.BoxWidth = 140;
  s.BoxHeight = 70;
  FitPointsToBox(s, 8, 0);
  // The frame fills 140 x 70; forces, couples and the clamp reach up to 18 above it and 20
  // left of it, the vertical dimensions stand 19 right of it and the horizontal ones 15 below.
  BeginPicture(s, 186, 108, -20, -20);
  for (int k = 4; k >= 2; --k) {
    if (!v.HasForce[k]) continue;
    if (Horizontal(v.Dir[k])) {
      DrawThickRedForce(s, 0, 1, "$P$", v.Sign[k], x[k + 1], y[k + 1], 15, 2, 10);
    } else {
      DrawThickRedForce(s, 1, 0, "$P$", v.Sign[k], x[k + 1], y[k + 1], 15, 10, 1);
    }
  }
  if (v.CouplePoint != 0 && v.Couple != 0) {
    const int j = v.CouplePoint - 1;  // the member that ends at the couple's point
    const int at = v.CouplePoint;
    const std::string box = std::string(Horizontal(v.Dir[j]) ? "rmoment" : "umoment") +
                            (v.Couple > 0 ? "p" : "m");
    PutBox(s, box, x[at], y[at]);
    PutLabel(s, "$m$", x[at] + 6, y[at] + 4);
  }
  SetLineWidth(s, 1);
  switch (v.Dir[1]) {
    case 1: DrawHatchRowH(s, -1, x[1], y[1] - 5, 10); break;
    case 2: DrawHatchRowV(s, -1, x[1] - 5, y[1], 10); break;
    case 3: DrawHatchRowH(s, 1, x[1], y[1] - 5, 10); break;
    default: DrawHatchRowV(s, 1, x[1] - 5, y[1], 10); break;
  }
  SetLineWidth(s, 10);
  MoveToPoint(s, 1);
  for (int i = 2; i <= 5; ++i) LineToPoint(s, i);
  SetLineWidth(s, 1);
  // A straight frame has no height to dimension: its vertical chain would be a lone tick.
  bool flat = true;
  for (int i = 2; i <= 5; ++i) flat = flat && y[i] == y[1];
  if (flat) {
    DrawDimensionChainX(s, 5, -15, s.Scale);
  } else {
    DrawDimensionChains(s, 5, s.Scale * s.RangeX + 19, -15, 1, s.Scale, s.Scale, 1);
  }
  EndPicture(s);

  if (v.CouplePoint != 0) {
    WriteText2NumbersLn(s, "\\vskip3mm\\small $P=", v.Force, "$~кН, $m=", std::fabs(v.Couple),
                        "$~кНм");
  } else {
    WriteTextNumberLn(s, "\\vskip3mm\\small $P=", v.Force, "$~кН");
  }
}

}  // namespace structural
