#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

constexpr const char* kStatement =
    "Вычислить криволинейный интеграл по треугольному контуру $L$ в указанном направлении.\\\\";

// The quadratic monomial f by P1: x^2, y^2 or xy.
void WriteQuadraticMonomial(SharedState& s) {
  WriteText(s, s.P1 == 1 ? "x^2" : s.P1 == 2 ? "y^2" : "xy");
}

double Monomial(int p1, double x, double y) { return p1 == 1 ? x * x : p1 == 2 ? y * y : x * y; }

// The form P dx + Q dy at (x, y), by P5 and the monomial of P1.
struct FormAt {
  double p, q;
};

FormAt Form(int p1, int p5, int m, int n, double x, double y) {
  const double f = Monomial(p1, x, y);
  switch (p5) {
    case 1:
      return {f, m * x + n * y};
    case 2:
      return {m * x + n * y, f};
    case 3:
      return {m + n * y, x + f};
    default:
      return {m + n * x, y + f};
  }
}

// The integral of the form along the segment from (x1, y1) to (x2, y2): its integrand in the
// segment's parameter t in [0, 1] is a polynomial of degree at most 2, which the 2-point
// Gauss rule integrates exactly.
double SegmentFormIntegral(const SharedState& s, double x1, double y1, double x2, double y2, int m,
                           int n) {
  constexpr double kNode = 0.21132486540518711775;  // (1 - 1/sqrt(3)) / 2
  double sum = 0;
  for (double t : {kNode, 1 - kNode}) {
    const FormAt w = Form(s.P1, s.P5, m, n, x1 + t * (x2 - x1), y1 + t * (y2 - y1));
    sum += (w.p * (x2 - x1) + w.q * (y2 - y1)) / 2;
  }
  return sum;
}

}  // namespace

void BeginLineIntegral2Problem(SharedState& s) {
  AnsBeginTable(s, 5);
  AnsWrite(s, " & $I_1$& $I_2$& $I_3$ & $I_\\Sigma$ ");
  s.ParboxWidth = 210;
  // Two boxes of this width do not fit side by side on the sheet: one to a line.
  WriteText(s, "\\rightskip=0pt plus1fil");
  WriteText(s, kStatement);
  EndTableHeadWithReference(s, 207);
  BeginSaveBox(s, "axess");
  DrawVector(s, 1, 0, -35, 0, 72);
  DrawVector(s, 0, 1, 0, -35, 74);
  PutLabel(s, "$x$", 38, -2);
  PutLabel(s, "$y$", 3, 38);
  SetLineWidth(s, 2);
  DrawSegment(s, -30, -2, -30, 0);
  DrawSegment(s, 30, -2, 30, 0);
  DrawSegment(s, -2, -30, 0, -30);
  DrawSegment(s, -2, 30, 0, 30);
  EndSaveBox(s);
}

void WriteLineIntegral2Variant(SharedState& s) {
  const int m = s.P1 == 1 ? s.P2 + 1 : s.P2;
  const int n = s.P1 == 1 ? s.P2 + 2 : -s.P2 - 1;
  WriteText(s, kStatement);
  WriteText(s, " \\ $\\displaystyle{\\int\\limits_L ");
  switch (s.P5) {
    case 1:
      WriteQuadraticMonomial(s);
      WriteText(s, "dx+(");
      WriteNumberUnlessUnit(s, m);
      WriteText(s, "x");
      WriteSignedCoefTerm(s, n, "y");
      WriteLine(s, ")dy}$");
      break;
    case 2:
      WriteText(s, "(");
      WriteNumberUnlessUnit(s, m);
      WriteText(s, "x");
      WriteSignedCoefTerm(s, n, "y");
      WriteText(s, ")dx+");
      WriteQuadraticMonomial(s);
      WriteLine(s, "dy}$");
      break;
    default:
      WriteTextNumber(s, "(", m, "");
      WriteSignedCoefTerm(s, n, s.P5 == 3 ? "y" : "x");
      WriteText(s, s.P5 == 3 ? ")dx+(x+" : ")dx+(y+");
      WriteQuadraticMonomial(s);
      WriteLine(s, ")dy}$");
  }

  // The triangle counter-clockwise, in one of the four unit squares around the origin.
  static constexpr double kCorners[4][3][2] = {{{0, 0}, {1, 0}, {0, 1}},
                                               {{1, 0}, {1, 1}, {0, 1}},
                                               {{0, 0}, {1, 0}, {1, 1}},
                                               {{0, 0}, {1, 1}, {0, 1}}};
  const double dx = (s.P4 == 1 || s.P4 == 3) ? -1 : 0, dy = (s.P4 == 2 || s.P4 == 3) ? -1 : 0;
  for (int i = 1; i <= 3; ++i) {
    s.PointX[i] = kCorners[s.P3 - 1][i - 1][0] + dx;
    s.PointY[i] = kCorners[s.P3 - 1][i - 1][1] + dy;
  }
  s.PointX[4] = s.PointX[1];
  s.PointY[4] = s.PointY[1];
  const int sense = s.P6 <= 2 ? -1 : 1;

  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWriteLine(s, " & ");
  double total = 0;
  for (int i = 1; i <= 3; ++i) {
    const double side = sense * SegmentFormIntegral(s, s.PointX[i], s.PointY[i], s.PointX[i + 1],
                                                    s.PointY[i + 1], m, n);
    AnsWriteLine(s, toolkit::FormatFixed(side, 9, 4) + " & ");
    total += side;
  }
  AnsWriteLine(s, toolkit::FormatFixed(total, 9, 4));

  for (int i = 1; i <= 4; ++i) {
    s.PointX[i] *= 30;
    s.PointY[i] *= 30;
  }
  // The axes reach 36 pt below the origin, which stands 6 pt above the formula's baseline: the
  // lowered box reserves that depth, so the next box's frame stays clear of the drawing.
  toolkit::BeginLoweredPicture(s, 87, 80, -40, -36, 30);
  SetLineWidth(s, 8);
  WriteText(s, "\\OliveGreen{");
  MoveToPoint(s, 1);
  LineToPoint(s, 2);
  LineToPoint(s, 3);
  LineToPoint(s, 1);
  WriteLine(s, "}%");
  SetLineWidth(s, 1);
  PutBox(s, "axess", 0, 0);
  // The unit on each axis is named beside its tick, on the side of the axis away from the
  // triangle and 2.5 pt off the axis and the tick, so that the number stays clear of the
  // triangle's corner, the tick and the arrow.
  const std::string x_unit = dx < 0 ? "-1" : "1", y_unit = dy < 0 ? "-1" : "1";
  const auto width = [](const std::string& t) { return t.size() == 1 ? 4.0 : 6.7; };
  const double x_tick = dx < 0 ? -30 : 30, y_tick = dy < 0 ? -30 : 30;
  PutLabel(s, x_unit, x_tick - width(x_unit) / 2, dy < 0 ? 2.5 : -9.5);
  PutLabel(s, y_unit, dx < 0 ? 2.5 : -4.5 - width(y_unit), y_tick - 2.7);
  s.PointX[5] = (s.PointX[1] + s.PointX[2] + s.PointX[3]) / 3;
  s.PointY[5] = (s.PointY[1] + s.PointY[2] + s.PointY[3]) / 3;
  PutBox(s, sense < 0 ? "umomentm" : "umomentp", s.PointX[5], s.PointY[5]);
  toolkit::EndLoweredPicture(s);
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
