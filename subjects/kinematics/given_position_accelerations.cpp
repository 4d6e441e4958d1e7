#include "subjects/kinematics/given_position_accelerations.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using Data = GivenPositionAccelerationsData;

struct IntPair {
  int a, b;
};

// Tables indexed from 1; an index outside throws std::out_of_range.
template <class T, std::size_t N>
const T& At(const std::array<T, N>& table, int i) {
  return table.at(static_cast<std::size_t>(i - 1));
}

// Legs of the crank of the four-bar with BC perpendicular to AB, by P4.
constexpr std::array<IntPair, 4> kCrankLegPairs{{{3, 4}, {4, 3}, {2, 2}, {3, 3}}};
// Legs of the crank of the four-bar with BC parallel to OA, by P2.
constexpr std::array<IntPair, 10> kCrankDirectionPairs{
    {{3, 4}, {4, 3}, {5, 12}, {12, 5}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}};
constexpr std::array<int, 4> kRockerFactors{-1, -2, 2, 3};
constexpr std::array<IntPair, 4> kSignPairs{{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
// The directions of the links of the sliders in series, by P2: d1, d2 place O, d3, d4 place
// B, d3, d5 the rod BC.
struct Directions {
  int d1, d2, d3, d4, d5;
};
constexpr std::array<Directions, 10> kDirectionTable{{{1, 1, 1, 1, 1},
                                                      {0, 1, 1, 1, 1},
                                                      {0, 1, -1, 1, 1},
                                                      {1, 0, 1, 1, 1},
                                                      {1, 0, 1, 1, -1},
                                                      {1, 0, 1, -1, -1},
                                                      {1, 0, 1, 0, -1},
                                                      {1, -1, 1, -1, 1},
                                                      {-1, 1, -1, 1, 1},
                                                      {-1, 0, -1, 1, 1}}};

constexpr int O = 1, A = 2, B = 3, C = 4;

void Set(Data& d, int i, int x, int y) {
  d.x[static_cast<std::size_t>(i)] = x;
  d.y[static_cast<std::size_t>(i)] = y;
}

void PlaceFourBarScheme(Data& d, int p1, int p2, int p4, int p6, int p7) {
  if (p1 == 1) {
    const auto [p, q] = At(kCrankLegPairs, p4);
    const auto [sa, sb] = At(kSignPairs, p7);
    const auto [ra, s] = At(kSignPairs, p6);
    const int xo = p * sa, yo = q * sb;
    const int L = static_cast<int>(toolkit::RoundHalfEven(std::sqrt(p * p + q * q)));
    const int xb = (ra * xo > 0 && s * yo < 0) ? (L + 1) * ra : (p2 + 1) * ra;
    Set(d, O, xo, yo);
    Set(d, B, xb, 0);
    Set(d, C, xb, -s);
    d.w = xb * s * s;
    d.omega1 = s * s * xo;
    d.omega2 = -s * xb * yo;
    d.eps1 = s * s * s * xb * yo * (s + yo);
    d.eps2 = s * s * s * xb * xo * (xo - xb);
    d.oa = p4 <= 2 ? L : p;
    d.ab = std::abs(xb);
    d.bc = std::abs(s);
    d.g = q, d.h = p;
  } else {
    const int m = At(kRockerFactors, p6);
    const int t = p4 < 3 ? 1 : -1;
    const auto [g, h] = At(kCrankDirectionPairs, p2);
    const auto [sa, sb] = At(kSignPairs, p7);
    const int u = g * sb, w = h * sa;
    const int L = static_cast<int>(toolkit::RoundHalfEven(std::sqrt(u * u + w * w)));
    const int xb = u * m * t;
    Set(d, O, w, u);
    Set(d, B, xb, 0);
    Set(d, C, w * m + xb, m * u);
    d.w = xb * m;
    d.omega1 = 0;  // the coupler translates at this instant
    d.omega2 = u * m * t;
    d.eps1 = -(w * w + u * u) * (m - 1) * t * m * m;
    d.eps2 = u * w * (m - 1) * t * t * m * m;
    d.oa = p2 >= 5 ? std::abs(u) : L;
    d.ab = std::abs(xb);
    d.bc = p2 >= 5 ? std::abs(u * m) : std::abs(m * L);
    d.g = g, d.h = h;
  }
}

void PlaceDoubleSliderScheme(Data& d, int p1, int p2, int p4, int p6) {
  const int a = p4 > 3 ? 1 : p4, b = p1, c = p6 > 2 ? 1 : p6;
  const auto [d1, d2, d3, d4, d5] = At(kDirectionTable, p2);
  Set(d, O, -a * d1, -a * d2);
  Set(d, B, b * d3, -b * d4);
  Set(d, C, b * d3 + c * d3, -b * d4 + c * d5);
  d.w = b * b * c;
  d.omega1 = -b * c * a * d1 * d3;
  d.omega2 = -b * b * a * d3 * d5 * (d2 * d3 + d1 * d4);
  d.eps1 = -b * b * c * c * a * d3 * (a * d1 * d1 * d4 - b * d2 * d3 * d3);
  const int d3sq = d3 * d3, d5sq = d5 * d5;
  const int k = b * c * d1 * d3 * d5sq - b * c * d2 * d4 * d3sq * d5sq +
                c * a * d1 * d1 * d4 * d4 * d5sq + c * a * d1 * d1 * d3sq * d5sq +
                b * a * d3sq * d3sq * d2 * d2 + 2 * b * a * d1 * d2 * d3 * d4 +
                b * a * d1 * d1 * d3sq * d4 * d4;
  d.eps2 = -b * b * b * a * d3 * d5 * k;
  d.oa = a, d.ab = b, d.bc = c;
}

void PlaceForkedSliderScheme(Data& d, int p1, int p4, int p6, int p7) {
  int a = p4 > 3 ? 1 : p4;
  if (p7 == 1 || p7 == 3) a = 1;
  const int b = p1, c = p6 > 2 ? 1 : p6;
  const auto [e1, e2] = At(kSignPairs, p4);
  const int f1 = At(kSignPairs, p7).a, f2 = (At(kSignPairs, p7).b + 1) / 2;
  Set(d, O, f1 * a * (1 - f2), f1 * a * f2);
  Set(d, B, b, b * e1);
  Set(d, C, -c, c * e2);
  d.w = b * c;
  d.omega1 = -c * f1 * a * (f2 - 1);
  d.omega2 = b * f1 * a * f2 * e2;
  d.eps1 = c * c * f1 * a * (-b * f2 + f1 * a * e1 - 2 * f1 * a * e1 * f2 + f1 * a * e1 * f2 * f2);
  d.eps2 = b * b * f1 * a * e2 * (c - c * f2 + f1 * a * f2 * f2);
  d.oa = a, d.ab = b, d.bc = c;
  d.e1 = e1, d.e2 = e2;
}

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

constexpr double kPi = std::numbers::pi;

void DrawFourBarAccelerationFigure(SharedState& s, const Data& d, double alpha) {
  using figures::DrawLabelledArc;
  using figures::DrawSegment;
  using figures::PutLabel;
  const double xo = X(s, O), yo = Y(s, O);
  switch (d.p7) {
    case 1:
      DrawLabelledArc(s, 0, "$\\alpha$", 1, xo, yo, kPi, kPi + alpha, 12);
      DrawSegment(s, xo - 1, yo, xo - 17, yo);
      PutLabel(s, "$O$", xo + 4, yo - 3);
      figures::PutUpHingeBoxAtPoint(s, O);
      break;
    case 2:
      DrawLabelledArc(s, 0, "$\\alpha$", 1, xo, yo, kPi - alpha, kPi, 14);
      DrawSegment(s, xo - 1, yo, xo - 16, yo);
      PutLabel(s, "$O$", xo + 2, yo + 3);
      figures::PutHingeBoxAtPoint(s, O);
      break;
    case 3:
      DrawLabelledArc(s, 0, "$\\alpha$", 1, xo, yo, 2 * kPi - alpha, 2 * kPi, 14);
      DrawSegment(s, xo + 1, yo, xo + 16, yo);
      PutLabel(s, "$O$", xo - 11, yo - 3);
      figures::PutUpHingeBoxAtPoint(s, O);
      break;
    default:
      DrawLabelledArc(s, 0, "$\\alpha$", 1, xo, yo, 0, alpha, 12);
      DrawSegment(s, xo + 1, yo, xo + 14, yo);
      PutLabel(s, "$O$", xo - 9, yo - 2);
      figures::PutHingeBoxAtPoint(s, O);
      break;
  }
  figures::DrawNodeMarker(s, A);
  figures::DrawNodeMarker(s, B);
  const bool c_above = d.y[C] > d.y[B];
  if (c_above) {
    figures::PutUpHingeBoxAtPoint(s, C);
  } else {
    figures::PutHingeBoxAtPoint(s, C);
  }
  PutLabel(s, "$A$", X(s, A) - 5, Y(s, A) + (d.y[O] < 0 ? 2 : -8));
  if (d.p1 == 1) {
    PutLabel(s, "$B$", X(s, B) - 8, Y(s, B) - 8);
  } else {
    PutLabel(s, "$B$", X(s, B) - 2, Y(s, B) + (c_above ? -8 : 2));
  }
  PutLabel(s, "$C$", X(s, C) + 3, Y(s, C) - 2);
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, B, C);
}

void DrawDoubleSliderFigure(SharedState& s, const Data& d) {
  using figures::DrawLabelledArc;
  using figures::DrawSegment;
  using figures::PutLabel;
  constexpr double al = kPi / 4;
  const int p2 = d.p2;
  const bool vl = p2 == 3 || p2 == 9 || p2 == 10;
  figures::PutHingeBoxAtPoint(s, O);
  figures::DrawNodeMarker(s, A);
  figures::PutSlidingBlockAtPoint(s, B, 1);
  if (vl) {
    figures::PutBoxAtPoint(s, C, "slblockvl");
  } else {
    figures::PutSlidingBlockAtPoint(s, C, 2);
  }
  const double xo = X(s, O), yo = Y(s, O), xa = X(s, A), ya = Y(s, A);
  const double xb = X(s, B), yb = Y(s, B), xc = X(s, C), yc = Y(s, C);
  if (p2 == 9) {
    PutLabel(s, "$O$", xo + 3, yo + 4);
  } else if (p2 == 10) {
    PutLabel(s, "$O$", xo + 3, yo - 1);
  } else {
    PutLabel(s, "$O$", xo - 9, yo - 3);
  }
  if (p2 == 8) {
    PutLabel(s, "$A$", xa - 1, ya - 8);
  } else {
    PutLabel(s, "$A$", xa - 3, ya + 4);
  }
  PutLabel(s, "$B$", xb - 2, yb + 6);
  if (vl) {
    PutLabel(s, "$C$", xc + 7, yc - 1);
  } else if (p2 >= 5 && p2 <= 7) {
    PutLabel(s, "$C$", xc - 12, yc - 4);
  } else {
    PutLabel(s, "$C$", xc - 12, yc - 1);
  }
  if (p2 == 1) DrawLabelledArc(s, 0, "$\\alpha$", 2, xo, yo, 0, al, 15);
  if (p2 == 8) DrawLabelledArc(s, 0, "$\\alpha$", 2, xo, yo, -al, 0, 15);
  if (p2 == 9) DrawLabelledArc(s, 0, "$\\alpha$", 1, xo, yo, kPi - al, kPi, 15);
  if (p2 >= 5 && p2 <= 7) {
    DrawLabelledArc(s, 0, "$\\alpha$", 2, xb, yb, -al, 0, 15);
  } else {
    DrawLabelledArc(s, 0, "$\\alpha$", 2, xb, yb, 0, al, 15);
  }
  if (p2 == 6 || p2 == 8) {
    DrawLabelledArc(s, 0, "$\\alpha$", 1, xb, yb, kPi, kPi + al, 15);
  } else if (p2 != 7) {
    DrawLabelledArc(s, 0, "$\\alpha$", 1, xb, yb, kPi - al, kPi, 15);
  }
  DrawSegment(s, xb + 1, yb, xb + 17, yb);
  DrawSegment(s, xb - 1.5, yb, xb - 17, yb);
  if (p2 == 1 || p2 == 8) DrawSegment(s, xo + 1.5, yo, xo + 17, yo);
  if (p2 == 9) DrawSegment(s, xo - 1.5, yo, xo - 17, yo);
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, B, C);
}

void DrawForkedSliderFigure(SharedState& s, const Data& d) {
  using figures::DrawLabelledArc;
  using figures::DrawSegment;
  using figures::PutLabel;
  constexpr double al = kPi / 4;
  if (d.p7 == 1) {
    figures::PutUpHingeBoxAtPoint(s, O);
  } else {
    figures::PutHingeBoxAtPoint(s, O);
  }
  figures::DrawNodeMarker(s, A);
  figures::PutSlidingBlockAtPoint(s, B, 1);
  figures::PutBoxAtPoint(s, C, "slblockvl");
  const double xo = X(s, O), yo = Y(s, O), xa = X(s, A), ya = Y(s, A);
  if (d.p7 == 1) {
    PutLabel(s, "$O$", xo + 3, yo - 4);
  } else if (d.p7 == 4) {
    PutLabel(s, "$O$", xo - 8, yo + 3);
  } else {
    PutLabel(s, "$O$", xo + 3, yo - 1);
  }
  PutLabel(s, "$A$", xa - 8, ya + (d.e2 == 1 ? -9 : 3));
  PutLabel(s, "$B$", X(s, B) - 2, Y(s, B) + 6);
  PutLabel(s, "$C$", X(s, C) + 7, Y(s, C) - 1);
  if (d.e1 == 1) {
    DrawLabelledArc(s, 0, "$\\alpha$", 2, xa, ya, 0, al, 13);
  } else {
    DrawLabelledArc(s, 0, "$\\alpha$", 2, xa, ya, -al, 0, 13);
  }
  if (d.e2 == 1) {
    DrawLabelledArc(s, 0, "$\\alpha$", 1, xa, ya, kPi - al, kPi, 13);
  } else {
    DrawLabelledArc(s, 0, "$\\alpha$", 1, xa, ya, kPi, kPi + al, 13);
  }
  DrawSegment(s, xa + 1, ya, xa + 15, ya);
  DrawSegment(s, xa - 1.5, ya, xa - 15, ya);
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, A, C);
}

// A 45-degree length: "\sqrt{2}" alone for 1, then no line end; else n\sqrt{2} and a line end.
void WriteDiagonalLength(SharedState& s, std::string_view name, int n) {
  if (n == 1) {
    toolkit::WriteText(s, " $" + std::string(name) + "=\\sqrt{2}$, ");
  } else {
    toolkit::WriteTextNumberLn(s, " $" + std::string(name) + "=", n, "\\sqrt{2}$, ");
  }
}

void WriteFourBarAccelerationData(SharedState& s, const Data& d) {
  if (d.p1 == 1) {
    if (d.p4 <= 2) {
      toolkit::WriteText2NumbersLn(s, "$AB\\perp BC$,\\\\ $OA=", d.oa, "$, $AB=", d.ab, "$, ");
    } else {
      toolkit::WriteText2NumbersLn(s, "$AB\\perp BC$,\\\\ $OA=", d.oa, "\\sqrt{2}$,  $AB=", d.ab,
                                   "$, ");
    }
    toolkit::WriteTextNumberLn(s, "$BC=", d.bc, "$,  ");
    if (d.p4 <= 2) {
      toolkit::WriteText2NumbersLn(s, "$\\tg\\alpha=", d.g, "/", d.h, "$. ");
    } else {
      toolkit::WriteLine(s, "$\\alpha=\\pi/4$. ");
    }
  } else {
    if (d.p2 >= 5) {
      toolkit::WriteText3NumbersLn(s, "$OA||BC$, \\\\ $OA=", d.oa, "\\sqrt{2}$,  $AB=", d.ab,
                                   "$, $BC=", d.bc, "\\sqrt{2}$, ");
      toolkit::WriteLine(s, "$\\alpha=\\pi/4$. ");
    } else {
      toolkit::WriteText3NumbersLn(s, "$OA||BC$, \\\\ $OA=", d.oa, "$, $AB=", d.ab, "$, $BC=",
                                   d.bc, "$, ");
      toolkit::WriteText2NumbersLn(s, "$\\tg\\alpha=", d.g, "/", d.h, "$.");
    }
  }
}

void WriteDoubleSliderAccelerationData(SharedState& s, const Data& d) {
  const Directions& dir = At(kDirectionTable, d.p2);
  if (dir.d1 == 0 || dir.d2 == 0) {
    toolkit::WriteTextNumberLn(s, "$OA=", d.oa, "$,");
  } else {
    WriteDiagonalLength(s, "OA", d.oa);
  }
  if (d.p2 == 7) {
    toolkit::WriteTextNumberLn(s, "$AB=", d.ab, "$,");
  } else {
    WriteDiagonalLength(s, "AB", d.ab);
  }
  toolkit::WriteText(s, "\\\\");
  WriteDiagonalLength(s, "BC", d.bc);
  toolkit::WriteText(s, "  $\\alpha=\\pi/4$.");
}

void WriteForkedSliderAccelerationData(SharedState& s, const Data& d) {
  toolkit::WriteTextNumberLn(s, "$OA=", d.oa, "$,");
  WriteDiagonalLength(s, "AB", d.ab);
  WriteDiagonalLength(s, "AC", d.bc);
  toolkit::WriteText(s, "\\\\  $\\alpha=\\pi/4$.");
}

}  // namespace

GivenPositionAccelerationsData DeriveGivenPositionAccelerations(int p1, int p2, int p3, int p4,
                                                               int p5, int p6, int p7) {
  (void)p5;
  Data d;
  d.scheme = p3;
  d.p1 = p1, d.p2 = p2, d.p4 = p4, d.p7 = p7;
  switch (p3) {
    case 1:
      PlaceFourBarScheme(d, p1, p2, p4, p6, p7);
      break;
    case 2:
      PlaceDoubleSliderScheme(d, p1, p2, p4, p6);
      break;
    case 3:
      PlaceForkedSliderScheme(d, p1, p4, p6, p7);
      break;
    default:
      throw toolkit::DegenerateDataError("crank mechanism: no scheme " + std::to_string(p3));
  }
  return d;
}

void BeginGivenPositionAccelerationsProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWrite(s,
                    "\\No\\ru & \\mc{$\\omega_{ABz}$}&\\mc{$\\omega_{BCz}$}&\\mc{$\\omega_{ACz}$}&"
                    "\\mc{$\\varepsilon_{AB}$}&\\mc{$\\varepsilon_{BC}$}&\\mc{$\\varepsilon_{AC}$} "
                    "\\\\\\hline");
  toolkit::WriteLine(s,
                     " В указанном положении механизма задана постоянная угловая скорость звена "
                     "$OA$.  Длины звеньев даны в сантиметрах. Звенья, направление которых не "
                     "указано, принимать вертикальными или горизонтальными. Ползун $B$ движется "
                     "горизонтально, ползун $C$ --- вертикально.  Найти угловые ускорения звеньев "
                     "механизма. ");
  toolkit::WriteBookReference(s, 158);
}

void WriteGivenPositionAccelerationsVariant(SharedState& s) {
  const Data d = DeriveGivenPositionAccelerations(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  figures::ClearPoints(s, 4);
  for (int i = 1; i <= 4; ++i) {
    s.PointX[i] = d.x[static_cast<std::size_t>(i)];
    s.PointY[i] = d.y[static_cast<std::size_t>(i)];
  }
  s.BoxWidth = 140;
  s.BoxHeight = 63;
  figures::FitPointsToBox(s, 4, 0);
  // The picture holds the supports, sliders and letters round the fitted joints; on the right
  // they reach 12 beyond the rightmost joint.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 15 + 12, 100, -15, -10);
  figures::SetLineWidth(s, 1);
  switch (d.scheme) {
    case 1:
      DrawFourBarAccelerationFigure(
          s, d, std::abs(std::atan(static_cast<double>(d.y[O]) / static_cast<double>(d.x[O]))));
      break;
    case 2:
      DrawDoubleSliderFigure(s, d);
      break;
    default:
      DrawForkedSliderFigure(s, d);
      break;
  }
  figures::DrawBar(s, 1, 2);
  figures::DrawBar(s, 2, 3);
  figures::SetLineWidth(s, 1);
  toolkit::EndPicture(s);
  toolkit::WriteTextNumberLn(s, "\\vskip1mm \\small $\\omega_{OAz}=", d.w, "$~рад/c,");
  switch (d.scheme) {
    case 1:
      WriteFourBarAccelerationData(s, d);
      break;
    case 2:
      WriteDoubleSliderAccelerationData(s, d);
      break;
    default:
      WriteForkedSliderAccelerationData(s, d);
      break;
  }
  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), "");
  const std::string no = "& " + std::string(toolkit::kNoValue) + " &";
  if (d.scheme == 3) {
    toolkit::AnsWriteText4NumbersLn(s, "&", d.omega1, no, d.omega2, " & ", std::abs(d.eps1), no,
                                    std::abs(d.eps2), " ");
  } else {
    toolkit::AnsWriteText4NumbersLn(s, "&", d.omega1, "&", d.omega2, no, std::abs(d.eps1), "&",
                                    std::abs(d.eps2), "& " + std::string(toolkit::kNoValue));
  }
}

}  // namespace kinematics
