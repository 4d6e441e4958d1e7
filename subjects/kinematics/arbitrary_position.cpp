#include "subjects/kinematics/arbitrary_position.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

// Seven Pythagorean triples: every length has integer projections.
// Indexed 1..7; an index outside throws std::out_of_range.
constexpr std::array<int, 7> kLegATable = {3, 12, 9, 6, 8, 7, 5};
constexpr std::array<int, 7> kLegBTable = {4, 16, 12, 8, 15, 24, 12};
constexpr std::array<int, 7> kLengthTable = {5, 20, 15, 10, 17, 25, 13};
int LegA(int i) { return kLegATable.at(static_cast<std::size_t>(i - 1)); }
int LegB(int i) { return kLegBTable.at(static_cast<std::size_t>(i - 1)); }
int TripleLength(int i) { return kLengthTable.at(static_cast<std::size_t>(i - 1)); }

constexpr int kDiskRadius = 5;

double Round(double x) { return toolkit::RoundHalfEven(x); }

std::string Cell(int w) { return "$" + toolkit::FormatFixed(w, 4, 0) + "$"; }

void SetPoint(ArbitraryPositionData& d, int i, int x, int y) {
  d.x[i] = x;
  d.y[i] = y;
}

void DeriveFourBarType(ArbitraryPositionData& d, int p1, int p3) {
  if (p1 == d.p2) d.p2 = d.p2 + 1 == 8 ? 1 : d.p2 + 1;
  const int b = LegA(p1) * d.s6, c = LegB(p1) * d.s5;
  const int e = LegA(d.p2), f = LegB(d.p2);
  const int l = d.s4 * LegB(p3 + 3), m = LegA(p3 + 3);
  SetPoint(d, 1, -b, -c);                            // O
  SetPoint(d, 2, 0, 0);                              // A
  SetPoint(d, 3, e, -f);                             // B
  SetPoint(d, 4, e + std::abs(l), -f);               // C
  SetPoint(d, 5, l, m);                              // D, the disk's centre
  SetPoint(d, 6, l, m - kDiskRadius);                // its contact point
  SetPoint(d, 7, l - kDiskRadius, m + kDiskRadius);  // corners of the disk's extent
  SetPoint(d, 8, l + kDiskRadius, 0);
  d.oa = TripleLength(p1);
  d.ab = TripleLength(d.p2);
  d.bc = std::abs(l);
  d.ad = TripleLength(p3 + 3);
  // The velocity of the disk's centre is (b m - c l) f: with A at the origin, v_D = v_A +
  // w_AD x AD, and v_A = w_OA x OA with OA = (b, c).
  d.w = {l * f, c * l, d.s4 * (-f * b - e * c), -f * b, (b * m - c * l) * f};
  toolkit::NormalizeIntVector(d.w.data(), 5);
  d.given_value = d.given == 1 ? d.w[0] : (d.given == 2 ? d.w[2] : d.w[4]);
  d.xc = d.x[4] - d.x[1];
  d.yc = d.y[4] - d.y[1];
  d.yd = d.y[5] - d.y[1];
}

void DeriveTriangleType(ArbitraryPositionData& d, int p1, int p3, int p5) {
  int dd, a, c, b, i, j;
  switch (p1) {
    case 1:
      dd = 8, a = 6, c = 6, b = 8, i = 4, j = 4;
      break;
    case 2:
      dd = 6, a = 8, c = 8, b = 6, i = 4, j = 4;
      break;
    case 3:
      dd = 8, a = 6, c = 8, b = 15, i = 4, j = 5;
      break;
    default:
      dd = 12, a = 5, c = 6, b = 8, i = 7, j = 4;
      break;
  }
  int k = d.s6 == 1 ? p3 + 2 : p3 + 9;
  if (d.s5 == 1 && d.s6 == -1) k = p3 + p5 + 12;
  // A rod AD one unit off b - 2a would leave the drawn A almost on the level of C.
  if (std::abs(k + 2 * a - b) == 1) k = b - 2 * a;
  SetPoint(d, 1, 2 * dd + c, 2 * a - b);  // C
  SetPoint(d, 2, 2 * dd, 2 * a);          // B
  SetPoint(d, 3, dd, a);                  // E, the disk's centre
  SetPoint(d, 4, dd, a - kDiskRadius);    // its contact point
  SetPoint(d, 5, 0, 0);                   // D
  SetPoint(d, 6, 0, -k * d.s6);           // A
  SetPoint(d, 7, d.s5 * dd, -k * d.s6);   // O
  d.oa = dd;
  d.ad = k;
  d.de = TripleLength(i);
  d.bc = TripleLength(j);
  d.w = {k * dd, -c * k, -(b * dd + a * c) * k, (2 * a * c + b * dd) * d.s6, -d.s5 * c * k};
  toolkit::NormalizeIntVector(d.w.data(), 5);
  d.given_value = d.given == 1 ? d.w[4] : (d.given == 2 ? d.w[0] : d.w[2]);
  d.xc = d.x[1] - d.x[7];
  d.yc = d.y[1] - d.y[7];
  d.yd = d.y[3] - d.y[7];
}

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

void DrawFourBarType(SharedState& s, const ArbitraryPositionData& d) {
  figures::LabelSpacing placed;  // letters and the angle kept clear of each other
  constexpr int O = 1, A = 2, B = 3, C = 4, D = 5, Contact = 6;
  s.PointY[B] += 2;
  figures::DrawBar(s, A, O);
  figures::DrawBar(s, A, B);
  figures::DrawBar(s, B, C);
  figures::DrawBar(s, D, A);
  toolkit::WriteText(s, "}");
  figures::DrawTwoCircles(s, 2, static_cast<int>(Round(10 * s.Scale - 1)), X(s, D), Y(s, D));
  figures::SetLineWidth(s, 1);
  figures::DrawSegment(s, X(s, C) + 2, Y(s, C), X(s, C) + 14, Y(s, C));
  figures::DrawLabelledArcArrow(s, 1, "\\varphi", -11, X(s, C), Y(s, C), 0, 3.0787608, 8, -4, &placed);
  figures::SetLineWidth(s, 1);
  figures::PutBox(s, "osnclndrsml", X(s, D) - 12, Y(s, Contact) + 0.5);
  figures::DrawNodeMarker(s, A);
  figures::DrawNodeMarker(s, B);
  if (d.s5 == 1) {
    figures::PutHingeBoxAtPoint(s, O);
  } else {
    figures::PutUpHingeBoxAtPoint(s, O);
  }
  figures::PutHingeBoxAtPoint(s, C);
  figures::PutLabelClear(s, placed, "$O$", X(s, O) + (d.s5 == -1 ? -12 : -8), Y(s, O) + 2);
  if (d.s4 == 1) {
    figures::PutLabelClear(s, placed, "$A$", X(s, A) - 10, Y(s, A) - 2);
  } else {
    figures::PutLabelClear(s, placed, "$A$", X(s, A) + 3, Y(s, A));
  }
  figures::PutLabelClear(s, placed, "$B$", X(s, B) - 2, Y(s, B) - 8);
  figures::PutLabelClear(s, placed, "$C$", X(s, C) + 7, Y(s, C) - 8);
  figures::PutLabelClear(s, placed, "$D$", X(s, D) + (d.s4 == 1 ? 2 : -9), Y(s, D) - 2);
  figures::SetLineWidth(s, 1);
}

void DrawTriangleType(SharedState& s, const ArbitraryPositionData& d) {
  figures::LabelSpacing placed;  // letters and the angle kept clear of each other
  constexpr int C = 1, B = 2, E = 3, Contact = 4, D = 5, A = 6, O = 7;
  s.PointY[A] += 6;
  s.PointY[D] += 6;
  s.PointY[B] -= 6;
  s.PointX[E] += 3;
  s.PointX[A] += 1;
  figures::DrawBar(s, B, C);
  figures::DrawBar(s, B, D);
  figures::DrawBar(s, D, A);
  figures::DrawBar(s, A, O);
  toolkit::WriteText(s, "}");
  figures::DrawTwoCircles(s, 3, static_cast<int>(Round(10 * s.Scale - 1)), X(s, E), Y(s, E));
  figures::SetLineWidth(s, 1);
  figures::PutBox(s, "osnclndrsml", X(s, E) - 12, Y(s, Contact) + 0.2);
  figures::PutHingeBoxAtPoint(s, C);
  figures::PutHingeBoxAtPoint(s, O);
  figures::DrawNodeMarker(s, B);
  figures::DrawNodeMarker(s, D);
  figures::DrawNodeMarker(s, A);
  toolkit::WriteLine(s, "%");
  figures::PutLabelClear(s, placed, "$C$", X(s, C) + 3, Y(s, C) + 1);
  figures::PutLabelClear(s, placed, "$B$", X(s, B) + 4, Y(s, B) - 1);
  figures::PutLabelClear(s, placed, "$E$", X(s, E) + 1, Y(s, E) - 9);
  figures::PutLabelClear(s, placed, "$D$", X(s, D) - 9, Y(s, D) - 3);
  if (d.s6 == 1) {
    figures::PutLabelClear(s, placed, "$A$", X(s, A) - 6 * d.s5 - 3, Y(s, A));
  } else {
    figures::PutLabelClear(s, placed, "$A$", X(s, A) - 4, Y(s, A) + 3);
  }
  figures::PutLabelClear(s, placed, "$O$", X(s, O) + 6 * d.s5 - 5, Y(s, O) + 1);
  figures::SetLineWidth(s, 1);
  const double crank = s.Scale * d.oa;  // the crank's length in the picture
  if (d.s5 == 1) {
    figures::DrawLabelledArcArrow(s, 1, "\\varphi", -11, X(s, O), Y(s, O), 0,
                                  std::numbers::pi - 6 / crank, 10, -4, &placed);
  } else {
    figures::DrawLabelledArcArrow(s, 1, "\\varphi", -10, X(s, O), Y(s, O), 0, 6 / crank,
                                  0.92 * crank, 6, &placed);
  }
}

void WriteGiven(SharedState& s, const ArbitraryPositionData& d) {
  if (d.given == 3) {
    toolkit::WriteTextNumberLn(s, d.type == 3 ? " $v_{Ex}=" : " $v_{Dx}=", d.given_value,
                               "~см/с$, ");
  } else {
    toolkit::WriteTextNumberLn(
        s, d.given == 1 ? " $\\omega_{OA_z}=" : " $\\omega_{BC_z}=", d.given_value, "~рад/с$, ");
  }
}

void WriteAnswers(SharedState& s, const ArbitraryPositionData& d) {
  const auto& w = d.w;
  const std::string dash = " " + std::string(toolkit::kNoValue) + " ";
  std::string row;
  if (d.type != 3) {
    switch (d.given) {
      case 1:
        row = dash + "&" + Cell(w[1]) + "&" + Cell(w[2]) + "&" + Cell(w[3]) + "&" + dash + "&" +
              Cell(w[4]) + "&" + dash;
        break;
      case 2:
        row = Cell(w[0]) + "&" + Cell(w[1]) + "&" + dash + "&" + Cell(w[3]) + "&" + dash + "&" +
              Cell(w[4]) + "&" + dash;
        break;
      default:
        row = Cell(w[0]) + "&" + Cell(w[1]) + "&" + Cell(w[2]) + "&" + Cell(w[3]) + "&" + dash +
              "&" + dash + "&" + dash;
        break;
    }
  } else {
    switch (d.given) {
      case 1:
        row = dash + "&" + dash + "&" + Cell(w[0]) + "&" + Cell(w[3]) + "&" + Cell(w[1]) + "&" +
              dash + "&" + Cell(w[2]);
        break;
      case 2:
        row = Cell(w[4]) + "&" + dash + "&" + dash + "&" + Cell(w[3]) + "&" + Cell(w[1]) + "&" +
              dash + "&" + Cell(w[2]);
        break;
      default:
        row = Cell(w[4]) + "&" + dash + "&" + Cell(w[0]) + "&" + Cell(w[3]) + "&" + Cell(w[1]) +
              "&" + dash + "&" + dash;
        break;
    }
  }
  toolkit::AnsWriteLine(s, row);
}

}  // namespace

ArbitraryPositionData DeriveArbitraryPosition(int p1, int p2, int p3, int p4, int p5, int p6,
                                              int p7) {
  ArbitraryPositionData d;
  d.type = p4;
  d.p2 = p2;
  d.given = p7;
  d.s4 = p4 == 2 ? 1 : -1;
  d.s5 = p5 == 2 ? 1 : -1;
  d.s6 = p6 == 2 ? 1 : -1;
  if (d.s5 == 1 && p4 != 3) d.s6 = 1;
  if (d.s6 == 1 && d.s5 == -1 && p1 < 5 && d.p2 < 5) d.p2 = 7;
  if (p4 == 3) {
    DeriveTriangleType(d, p1, p3, p5);
  } else {
    DeriveFourBarType(d, p1, p3);
  }
  // A linkage at rest has no answers to give; the bounds of the row never reach it.
  if (d.w == std::array<int, 5>{}) {
    throw toolkit::DegenerateDataError("rolling-disk linkage at rest: every velocity is zero");
  }
  return d;
}

void BeginArbitraryPositionProblem(SharedState& s) {
  s.ParboxWidth = 170;
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWriteLine(
      s,
      "\\No &\\mc{$\\omega_{OA_z}$}&\\mc{$\\omega_{AB_z}$}&\\mc{$\\omega_{BC_z}$}&"
      "\\mc{$\\omega_{AD_z}$}&\\mc{$\\omega_{BD_z}$}&\\mc{$v_{Dx}$}&\\mc{$v_{Ex}$}"
      "\\\\ \\hline");
  toolkit::WriteLine(s,
                     " Механизм изображен в произвольном положении, определяемом некоторым углом "
                     "$\\varphi$.  Задана угловая скорость одного из звеньев или скорость центра "
                     "диска.  Длины звеньев даны в сантиметрах, радиус диска равен 5~см. Заданы "
                     "координаты шарнира $C$ и ордината оси диска в осях с началом в шарнире $O$. "
                     " Диск катится без проскальзывания. Найти угловые скорости всех звеньев "
                     "механизма и скорость центра диска (если она не задана) при "
                     "$\\varphi=\\varphi_0$. ");
  toolkit::WriteBookReference(s, 158);
  figures::DefineHatchBox(s, 24, -1, "osnclndrsml", 0, 0);
}

void WriteArbitraryPositionVariant(SharedState& s) {
  const ArbitraryPositionData d = DeriveArbitraryPosition(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  s.P2 = static_cast<decltype(s.P2)>(d.p2);
  figures::ClearPoints(s, 8);
  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&");
  WriteAnswers(s, d);
  for (int i = 1; i <= 8; ++i) {
    s.PointX[i] = d.x[i];
    s.PointY[i] = d.y[i];
  }
  const int o = d.type == 3 ? 7 : 1;
  s.BoxWidth = 125;
  s.BoxHeight = 80;
  figures::FitPointsToBox(s, 8, 0);
  // The picture reaches from the letters left of the joints to the x axis and its letter, 20
  // beyond the fitted joints.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 22 + 12, 117, -12, -15);
  figures::SetLineWidth(s, 10);
  toolkit::WriteText(s, "\\Blue{");
  if (d.type == 3) {
    DrawTriangleType(s, d);
  } else {
    DrawFourBarType(s, d);
  }
  figures::SetLineWidth(s, 1);
  const double xo = X(s, o), yo = Y(s, o);
  const double w = s.RangeX * s.Scale, h = s.RangeY * s.Scale;
  figures::DrawSegment(s, 0, yo, w + 20, yo);
  figures::DrawSegment(s, xo, -5, xo, h + 14);
  figures::PutLabel(s, "$x$", w + 14, yo + 2);
  figures::PutLabel(s, "$y$", xo + 3, h + 11);
  toolkit::EndPicture(s);
  if (d.type == 3) {
    toolkit::WriteText(s, "\\vskip1mm\\parbox[b]{150pt}{\\small ");
    WriteGiven(s, d);
    toolkit::WriteText2NumbersLn(s, " $BC$=", d.bc, ", $DE=BE=", d.de, "$,  ");
    toolkit::WriteText2NumbersLn(s, " $OA=", d.oa, "$, $AD=", d.ad, "$,  ");
    toolkit::WriteText3NumbersLn(s, " $x_C=", d.xc, "$, $y_C=", d.yc, "$, $y_E=", d.yd, "$,  ");
    toolkit::WriteLine(s, d.s5 == -1 ? "$\\varphi_0=0$.}" : "$\\varphi_0=\\pi.$}");
  } else {
    toolkit::WriteLine(s, "\\hfill\\parbox[b]{150pt}{\\small ");
    WriteGiven(s, d);
    toolkit::WriteText2NumbersLn(s, " $OA=", d.oa, "$, $AB=", d.ab, "$,  ");
    toolkit::WriteText2NumbersLn(s, " $BC=", d.bc, "$, $AD=", d.ad, "$,  ");
    toolkit::WriteText3NumbersLn(s, " $x_C=", d.xc, "$, $y_C=", d.yc, "$, $y_D=", d.yd, "$,  ");
    toolkit::WriteLine(s, "$\\varphi_0=\\pi.$}");
  }
}

}  // namespace kinematics
