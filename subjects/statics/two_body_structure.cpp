#include "subjects/statics/two_body_structure.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// The bits of P1, the direction class and its signs, shared by the scheme routines.
int Bit0 = 0, Bit1 = 0, Bit2 = 0, Bit3 = 0;
int DirectionClass = 1;
int dP = 0, gx = 0, gy = 0, ga = 0, gb = 0;
double LoadF = 0, LoadM = 0;  // F and m (whole numbers in schemes 2..5)
int LoadQ = 1;

void IncNonZero(int& x) {
  ++x;
  if (x == 0) x = 1;
}

std::string Int4(double v) { return toolkit::FormatFixed(v + 0.0, 4, 0); }

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void SetTwoBodyDirections(SharedState& s) {
  const int p1 = s.P1;
  DirectionClass = p1 <= 6 ? p1 : p1 <= 12 ? p1 - 6 : p1 - 10;
  dP = p1 >= 7 && p1 <= 9 ? -s.P2 : s.P2;
  static const int kSigns[7][4] = {{0, 0, 0, 0}, {0, -1, -1, 0}, {0, -1, 1, 0}, {1, 0, 0, -1},
                                   {1, 0, 0, 1}, {0, 1, 1, 0},   {0, 1, -1, 0}};
  gx = kSigns[DirectionClass][0];
  gy = kSigns[DirectionClass][1];
  ga = kSigns[DirectionClass][2];
  gb = kSigns[DirectionClass][3];
}

void SolveTwoBodyScheme1(SharedState& s) {
  const int s0 = Bit0 == 1 ? 1 : -1, s1 = Bit1 == 1 ? 1 : -1;
  const int s2 = Bit2 == 1 ? 1 : -1, s3 = Bit3 == 1 ? 1 : -1;
  int iter = 0;
  double D = 0;
  while (true) {
    ++iter;
    const int x2 = s0 * (Bit2 != Bit3 ? s.P5 + 12 : s.P5 + 5);
    SetPoint(s, 1, 0, 0);
    SetPoint(s, 2, x2, 0);
    SetPoint(s, 3, x2, s3 * (s.P4 + 3 + s.P2 + iter));
    SetPoint(s, 5, s1 * (s.P5 + 2), s2 * (s.P4 + 4));
    SetPoint(s, 4, 0, s.PointY[5]);
    SetPoint(s, 6, 0, toolkit::RoundHalfEven(s.PointY[5] / 2));
    D = s.PointX[5] * s.PointY[3] - s.PointX[3] * s.PointY[5];
    if (std::fabs(D) >= 1e-8) break;
    WriteText(s, "**");  // A, C and B on one line: B moves one metre further
  }
  const double xA = s.PointX[5], yA = s.PointY[5], xB = s.PointX[3], yB = s.PointY[3];
  const double a = yB - yA, b = xB - xA, c = -xA, d = -yA, e = s.PointY[6] - yA;
  double XA = 0, YA = 0;
  const auto reactions = [&](double F, double m) {
    XA = -(F * ((d - e) * b - c * (a - e)) - m * c) / D;
    YA = c != 0 ? (XA * d + F * (d - e)) / c : (XA * a + F * (a - e) + m) / b;
  };
  // The first pair (m outer, F inner, each -5..-1, 1..39) that makes the reactions whole.
  int iF = -5, im = -5;
  bool whole = false;
  do {
    IncNonZero(iF);
    if (iF == 40) {
      IncNonZero(im);
      iF = -5;
    }
    LoadF = iF;
    LoadM = im;
    reactions(LoadF, LoadM);
    whole = std::trunc(XA) == XA && std::trunc(YA) == YA;
  } while (!whole && im != 40);
  if (im == 40) {
    static const int kFallback[5] = {0, -2, -1, 1, 2};
    LoadF = D * kFallback[s.P7];
    LoadM = D;
    reactions(LoadF, LoadM);
  }
  const double XB = -LoadF - XA, YB = -YA;
  if (std::fabs(XB * (d - a) + YB * (b - c) + LoadM) > 1e-8) WriteText(s, "error");
  AnsWriteLine(s, Int4(XA) + "&" + Int4(YA) + "&" + Int4(XB) + "&" + Int4(YB) + "& " + std::string(toolkit::kNoValue) + " & " + std::string(toolkit::kNoValue) +
                     " ");
}

// Normalises the four reactions with F and m and writes the row from `layout`: a digit k in
// it stands for reaction k, any other text is copied.
void WriteNormalisedRow(SharedState& s, int F, int m, std::array<int, 4> r,
                        const std::string& layout) {
  int v[6] = {r[0], r[1], r[2], r[3], F, m};
  toolkit::NormalizeIntVector(v, 6);
  LoadF = v[4];
  LoadM = v[5];
  std::string row;
  // Digits stand for the values, "x" for a reaction the scheme does not have.
  for (char ch : layout) {
    row += ch >= '0' && ch <= '3' ? Int4(v[ch - '0'])
           : ch == 'x'            ? std::string(toolkit::kNoValue)
                                  : std::string(1, ch);
  }
  AnsWriteLine(s, row);
}

void SolveTwoBodyScheme2(SharedState& s) {
  const int P7 = s.P7, P2 = s.P2;
  const int L = P7 + 1;
  SetTwoBodyDirections(s);
  const int t = DirectionClass;
  const int k = t == 1 || t == 6 ? 3 : 2;
  const int h = t <= 2 ? 2 * L + P7 : t <= 4 ? P2 + L : 2 * P2 + L;
  SetPoint(s, 1, -2 * k * L, -2 * L);
  SetPoint(s, 2, -k * L, -2 * L);
  SetPoint(s, 3, -k * L, -L);
  SetPoint(s, 4, -k * L, 0);
  SetPoint(s, 5, 0, 0);
  SetPoint(s, 6, h * gx, h * gy);
  SetPoint(s, 7, s.PointX[6] + k * L * ga, s.PointY[6] + 2 * L * gb);
  const int F = -5 * h * gx - 5 * k * L * ga + 10 * h * k * gy + 20 * k * L * gb;
  const int m = F * dP;
  const int XA = -8 * h * k * gy - 16 * k * L * gb + 3 * k * k * L * ga - 10 * k * dP +
                 3 * k * h * gx + 8 * h * gx + 8 * k * L * ga;
  const int YC = -6 * k * L * gb + 8 * L * gb + 3 * k * L * ga - 3 * h * k * gy - 5 * dP +
                 3 * h * gx + 4 * h * gy;
  const int XB = -3 * k * k * L * ga + 10 * k * dP - 3 * k * h * gx - 4 * h * gx - 4 * k * L * ga;
  const int YB = -6 * k * L * gb - 8 * L * gb - 3 * h * k * gy + 5 * dP - 4 * h * gy;
  WriteNormalisedRow(s, F, m, {XA, XB, YB, YC}, "0& x &1&2&3& x ");
}

void SolveTwoBodyScheme3(SharedState& s) {
  const int P2 = s.P2, P5 = s.P5, P7 = s.P7;
  SetTwoBodyDirections(s);
  const int t = DirectionClass;
  if (t == 6) ga = ga * (P2 + 1);
  const int a2 = 2 * P2 + 1;
  const int a3 = t == 6 ? 2 * a2 : a2 + P2;
  const int w = P2 + 2 + (t == 1 || t == 6 ? 2 : 0);
  const int hC = P5 + 2;
  const int l67 = t == 4 ? P5 + 1 : P7 + P5 + 3;
  const int l56 = t <= 2 ? 2 * hC : t <= 4 ? P7 + 2 : w;
  SetPoint(s, 1, -w - a3, -hC);
  SetPoint(s, 2, -w, -hC);
  SetPoint(s, 3, -w - a2, 0);
  SetPoint(s, 4, -w, 0);
  SetPoint(s, 5, 0, 0);
  SetPoint(s, 6, l56 * gx, l56 * gy);
  SetPoint(s, 7, s.PointX[6] + w * ga, s.PointY[6] + l67 * gb);
  const int F = 5 * (l56 * gx + w * ga) * (a3 - a2);
  const int m = F * dP;
  const int YA = 5 * dP * a3 + 5 * w * dP + 4 * l56 * w * gy - 4 * hC * l56 * gx - 4 * hC * w * ga +
                 4 * w * l67 * gb + 4 * l56 * a3 * gy - 3 * a3 * l56 * gx - 3 * a3 * w * ga +
                 4 * a3 * l67 * gb;
  const int YC = 3 * l56 * a2 * gx + 4 * hC * l56 * gx - 4 * l56 * w * gy - 4 * l56 * a2 * gy -
                 5 * dP * (w + a2) + 3 * w * a2 * ga + 4 * hC * w * ga - 4 * w * l67 * gb -
                 4 * a2 * l67 * gb;
  const int XB = -4 * (a3 - a2) * (l56 * gx + w * ga);
  const int YB = (4 * l56 * gy + 4 * l67 * gb + 5 * dP) * (a2 - a3);
  WriteNormalisedRow(s, F, m, {YA, XB, YB, YC}, " x &0&1&2&3& x ");
}

void SolveTwoBodySchemes45(SharedState& s) {
  const int P2 = s.P2, P4 = s.P4, P7 = s.P7;
  LoadQ = P7 == 1 ? 1 : 2;
  const int n = P4 + s.P5 + s.P6;
  toolkit::IndexedArray<int, 1, 5> bits;
  structural::ByteToBinaryDigits5(n, bits);
  gx = 1 - 2 * Bit0;
  gy = 1 - 2 * Bit1;
  ga = 1 - 2 * Bit2;
  const int h = 3 + Bit3;
  const int u = bits[1] + 3, v = bits[2] + 3, p = bits[3] + 3, j = bits[4] + 3;
  const int r = P4 == 3 ? 1 : P4 - 3;
  const int f = p - P2;
  SetPoint(s, 1, -h, -p * gy);
  SetPoint(s, 2, -h, 0);
  SetPoint(s, 3, 0, 0);
  SetPoint(s, 4, u, 0);
  SetPoint(s, 5, u, -j * ga);
  SetPoint(s, 6, u + v * gx, -j * ga);
  SetPoint(s, 7, -h, -f * gy);
  if (s.P3 == 4) {
    const int K = u + h + v * gx;
    const int m = K * P7, F = K * r;
    const int YA = P7 + r * gy * (f - p);
    WriteNormalisedRow(s, F, m, {-F, YA, 0, -YA}, "0&1&2&3& x & x ");
  } else if (P7 == 1) {
    const int m = n, F = r * h;
    const int YA = r * gy * f;
    const int MB = (gy * (f * u + v * gx * f) + h * ga * j) * r - n;
    WriteNormalisedRow(s, F, m, {YA, -F, -YA, MB}, " x &0&1&2& x &3");
  } else {
    const int m = n, F = r * p;
    const int XA = -r * f;
    const int MB = -n - r * ga * j * (f - p);
    WriteNormalisedRow(s, F, m, {XA, r * f - F, 0, MB}, "0& x &1&2& x &3");
  }
}

void PutCouple(SharedState& s, double x, double y) {
  PutBox(s, LoadM > 0 ? "umomentp" : "umomentm", x, y);
}

void DrawHorizontalForce(SharedState& s, int point) {
  const double X = s.PointX[point], Y = s.PointY[point];
  if (LoadF > 0) {
    DrawRedForceWithLabel(s, 1, 0, "$F$", X - 20, Y, 19, -10, -6);
  } else {
    DrawRedForceWithLabel(s, -1, 0, "$F$", X, Y, 19, -28, -6);
  }
}

void DrawScheme1(SharedState& s) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double my = MidY(s, 2, 3);
  PutCouple(s, X[2], my);
  PutLabel(s, "$m$", X[2] - 14, my - 1);
  DrawHorizontalForce(s, 6);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 2, 1);
  DrawSegmentFromNodeRev(s, 2, 3);
  DrawSegmentFromNodeRev(s, 4, 1);
  DrawSegmentFromNodeRev(s, 4, 5);
  SetLineWidth(s, 1);
  const int s1 = Bit1 == 1 ? 1 : -1;
  PutLabel(s, "$A$", X[5] + 6 * s1 - 3, Y[5] - 1);
  PutLabel(s, "$B$", X[3] + 2, Y[3] - 2);
  PutHingeBoxAtPoint(s, 5);
  if (Bit3 == 1) {
    PutUpHingeBoxAtPoint(s, 3);
  } else {
    PutHingeBoxAtPoint(s, 3);
  }
}

void DrawSchemes23(SharedState& s, int scheme) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const int t = DirectionClass;
  PutLabel(s, "$B$", t == 1 || t == 6 ? X[7] - 10 : X[7] + 2, Y[7] - 2);
  PutLabel(s, "$A$", X[3] - 8, Y[3] + 3);
  PutLabel(s, "$C$", X[1] - 10, Y[1] - 1);
  WriteText(s, "{\\thicklines\\Red{");
  DrawDirectedVectorWithLabel(s, 2, 1, "$F$", LoadF, X[2], Y[2], 19, 11, 10);
  WriteLine(s, "}}%");
  SetLineWidth(s, 1);
  DrawLabelledArc(s, 0, " $\\alpha$", 2, X[2], Y[2], 0, 0.5, 15);
  DrawSegment(s, X[2], Y[2], X[2] + 21, Y[2]);
  const double y = t == 3 || t == 4 ? MidY(s, 7, 6) : Y[7] - 2;
  PutCouple(s, X[6], y);
  PutLabel(s, "$m$", X[6] - 10, y + 7);
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 2, 1);
  LineToPoint(s, 4);
  DrawSegmentFromNodeRev(s, 4, 5);
  if (scheme == 3) DrawSegmentFromNodeRev(s, 4, 3);
  DrawTwoSegmentsFromNode(s, 5, 6, 7);
  if (scheme == 2) {
    PutLeftRodBox(s, X[3] - 1, Y[3]);
  } else {
    PutRollerBoxAtPoint(s, 3);
  }
  SetLineWidth(s, 1);
  PutRollerBoxAtPoint(s, 1);
  if (t == 4) {
    PutUpHingeBoxAtPoint(s, 7);
  } else {
    PutHingeBoxAtPoint(s, 7);
  }
  DrawNodeMarker(s, 5);
}

void DrawSchemes45(SharedState& s, int scheme) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const double my = MidY(s, 4, 5);
  PutCouple(s, X[4], my);
  PutLabel(s, "$m$", X[4] - 14, my - 1);
  DrawHorizontalForce(s, 7);
  SetLineWidth(s, 10);
  if (scheme == 4) {
    PutBox(s, "promzadhl", X[3] + 1, Y[3]);
    DrawTwoSegmentsFromNode(s, 1, 2, 3);
    MoveTo(s, X[3] + 3, Y[3]);
  } else {
    DrawNodeMarker(s, 3);
    DrawTwoSegmentsFromNode(s, 1, 2, 3);
    MoveTo(s, X[3] + 1.5, Y[3]);
  }
  LineToPoint(s, 4);
  LineToPoint(s, 5);
  DrawSegmentFromNodeRev(s, 5, 6);
  SetLineWidth(s, 1);
  if (scheme == 4) {
    PutLabel(s, "$A$", X[1] - 8, Y[1] - 2);
    PutLabel(s, "$B$", X[6] + 6 * gx - 3, Y[6] - 2);
    PutHingeBoxAtPoint(s, 6);
    if (gy == -1) {
      PutUpHingeBoxAtPoint(s, 1);
    } else {
      PutHingeBoxAtPoint(s, 1);
    }
  } else {
    PutLabel(s, "$A$", X[1] - 10, Y[1] - 2);
    PutLabel(s, "$B$", X[6] - 6 * gx - 3, Y[6] + 3);
    if (gx == 1) {
      DrawHatchRowH(s, 1, X[6] - 1, Y[6] - 5, 10);
    } else {
      DrawHatchRowH(s, -1, X[6] + 1, Y[6] - 5, 10);
    }
    if (LoadQ == 1) {
      if (gy == -1) {
        PutUpRollerBox(s, X[1], Y[1]);
      } else {
        PutRollerBoxAtPoint(s, 1);
      }
    } else {
      PutBox(s, "rster", X[1], Y[1]);
    }
  }
}

}  // namespace

void BeginTwoBodyStructureProblem(SharedState& s) {
  s.LabelStyle = "\\Blue";
  s.ParboxWidth = 200;
  AnsBeginTable(s, 9);
  WriteLine(s,
            "Determine the reaction supports the construction (in kN), consisting of two "
            "bodies.");
  WriteSecondBookReference(s, 15);
  AnsWriteLine(s,
               "\\ru  &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$X_B$}&\\mc{$Y_B $}&\\mc{$Y_C $}&"
               "\\mc{$M_B$}\\\\\\hline");
}

void WriteTwoBodyStructureVariant(SharedState& s) {
  const int scheme = s.P3;
  ClearPoints(s, 7);
  toolkit::TBinaryDigits bits;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(s.P1), bits);
  Bit0 = bits[1];
  Bit1 = bits[2];
  Bit2 = bits[3];
  Bit3 = bits[4];
  AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  switch (scheme) {
    case 1:
      SolveTwoBodyScheme1(s);
      break;
    case 2:
      SolveTwoBodyScheme2(s);
      break;
    case 3:
      SolveTwoBodyScheme3(s);
      break;
    default:
      SolveTwoBodySchemes45(s);
      break;
  }
  s.BoxWidth = scheme == 1 ? 90 : 100;
  s.BoxHeight = scheme == 1 ? 62 : scheme <= 3 ? 72 : 62;
  FitPointsToBox(s, 7, 0);
  // The structure with its supports and forces, the chains below and right of it with their
  // digits; the origin stays where the page has always had it.
  BeginPicture(s, 188, 104, -65, -20);
  if (scheme == 1) {
    DrawScheme1(s);
  } else if (scheme <= 3) {
    DrawSchemes23(s, scheme);
  } else {
    DrawSchemes45(s, scheme);
  }
  DrawDimensionChains(s, scheme == 1 ? 6 : 7, s.Scale * s.RangeX + 20, -18, 1, s.Scale, s.Scale, 0);
  EndPicture(s);
  WriteText(s, "\\vskip3mm\\hskip4mm\\parbox{195pt}{");
  WriteText2NumbersLn(s, "$F=", std::fabs(LoadF), "$~kN, $m=", std::fabs(LoadM),
                      scheme == 2 || scheme == 3 ? "$~kNm, $\\cos\\alpha=0.8$.}" : "$~kNm.}");
}

}  // namespace statics
