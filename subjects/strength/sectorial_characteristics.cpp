#include "subjects/strength/sectorial_characteristics.h"

#include <string>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

double Sq(double x) { return x * x; }
double Cb(double x) { return x * x * x; }

// A segment and, when mirrored, its image under x -> -x.
void Segment(SharedState& s, double x1, double y1, double x2, double y2, bool mirrored) {
  DrawSegment(s, x1, y1, x2, y2);
  if (mirrored) DrawSegment(s, -x1, y1, -x2, y2);
}

void DrawMidLines(SharedState& s, const SectorialCharacteristicsVariant& v) {
  const double a = v.a, b = v.b;
  SetLineWidth(s, 25);
  switch (v.Shape) {
    case 1:
      Segment(s, a, -v.b2, a, v.b1, true);
      Segment(s, -a, 0, a, 0, false);
      break;
    case 2:
      Segment(s, a, -b, a, 0, true);
      Segment(s, -a, 0, a, 0, false);
      break;
    case 3:
      Segment(s, -a, b, a, b, false);
      Segment(s, -a, -b, a, -b, false);
      Segment(s, -a, 0, a, 0, false);
      Segment(s, -a, -b, -a, b, false);
      break;
    case 4:
      Segment(s, 2 * a, -b, 2 * a, b, true);
      Segment(s, a, -b, a, b, true);
      Segment(s, -2 * a, -b, -a, -b, false);
      Segment(s, a, -b, 2 * a, -b, false);
      Segment(s, -a, b, a, b, false);
      break;
    case 5:
      Segment(s, -2 * a, -b, -a, -b, false);
      Segment(s, a, -b, 2 * a, -b, false);
      Segment(s, a, -b, a, b, true);
      Segment(s, -a, b, a, b, false);
      break;
    case 6:
      Segment(s, 0, b, v.a1, b, false);
      Segment(s, 0, -b, v.a1, -b, false);
      Segment(s, 0, -b, 0, b, false);
      Segment(s, -v.a2, 0, v.a1, 0, false);
      break;
    case 7:
      Segment(s, a, -b, a, b, true);
      Segment(s, -(a + v.a2), 0, a + v.a2, 0, false);
      break;
    case 8:
      Segment(s, -a, -b, -a, b, false);
      Segment(s, 0, -b, 0, b, false);
      Segment(s, a, -b, a, b, false);
      Segment(s, -a, 0, a, 0, false);
      break;
    case 9:  // drawn with the top plate at y = b
      Segment(s, 2 * a, -b, 2 * a, b, true);
      Segment(s, -2 * a, -b, -a, -b, false);
      Segment(s, a, -b, 2 * a, -b, false);
      Segment(s, -2 * a, b, 2 * a, b, false);
      break;
    default:
      Segment(s, 2 * a, -b, 2 * a, 0, true);
      Segment(s, -2 * a, 0, -a, 0, false);
      Segment(s, a, 0, 2 * a, 0, false);
      Segment(s, a, 0, a, b, true);
      Segment(s, -a, b, a, b, false);
      break;
  }
  SetLineWidth(s, 1);
}

void DrawAxes(SharedState& s, const SectorialCharacteristicsVariant& v) {
  const double a = v.a, b = v.b;
  switch (v.Shape) {
    case 1:
      DrawDashedLineMultiput(s, 32, -a - 10, 0, a + 24, 0);
      DrawDashedLineMultiput(s, 12, 0, -v.b2 + 3, 0, v.b1 + 5);
      PutLabel(s, "$x$", a + 26, -2);
      PutLabel(s, "$y$", 3, v.b1 + 1);
      return;
    case 2:
      DrawDashedLineMultiput(s, 32, -a - 10, 0, a + 24, 0);
      DrawDashedLineMultiput(s, 12, 0, -b + 3, 0, 18);
      PutLabel(s, "$x$", a + 26, -2);
      PutLabel(s, "$y$", 3, 14);
      return;
    case 3:
      DrawDashedLineMultiput(s, 32, -a - 10, 0, a + 24, 0);
      break;
    case 4:
    case 5:
      DrawDashedLineMultiput(s, 32, -2 * a - 5, 0, 2 * a + 21, 0);
      break;
    case 6:
      DrawDashedLineMultiput(s, 34, -v.a2 - 9, 0, v.a1 + 21, 0);
      break;
    case 7:
      DrawDashedLineMultiput(s, 32, -a - v.a2 - 5, 0, a + v.a2 + 21, 0);
      break;
    case 8:
      DrawDashedLineMultiput(s, 34, -a - 9, 0, a + 21, 0);
      break;
    case 9:
      DrawDashedLineMultiput(s, 34, -2 * a - 9, b, 2 * a + 21, b);
      break;
    default:
      DrawDashedLineMultiput(s, 34, -2 * a - 9, 0, 2 * a + 21, 0);
      break;
  }
  DrawDashedLineMultiput(s, 20, 0, -b - 3, 0, b + 12);
  double xl = 0, yl = -2;
  switch (v.Shape) {
    case 3: xl = a + 26; break;
    case 6: xl = v.a1 + 23; break;
    case 7: xl = a + v.a2 + 23; break;
    case 8: xl = a + 23; break;
    case 9: xl = 2 * a + 23, yl = b - 2; break;
    default: xl = 2 * a + 23; break;
  }
  PutLabel(s, "$x$", xl, yl);
  PutLabel(s, "$y$", 3, b + 8);
}

void DrawDimensions(SharedState& s, const SectorialCharacteristicsVariant& v) {
  const double a = v.a, b = v.b;
  switch (v.Shape) {
    case 1:
      DrawDimensionHValue(s, -a, 0, -v.b1 - 5, a);
      DrawDimensionHValue(s, a, 0, -v.b1 - 5, a);
      DrawDimensionVValue(s, 2, a + 8, -v.b2, 0, v.b2);
      DrawDimensionVValue(s, 2, a + 8, 0, v.b1, v.b1);
      return;
    case 2:
      DrawDimensionHValue(s, -a, 0, -b - 5, a);
      DrawDimensionHValue(s, a, 0, -b - 5, a);
      DrawDimensionVValue(s, 2, a + 8, -b, 0, b);
      return;
    case 3:
      DrawDimensionHValue(s, -a, 0, -b - 11, a);
      DrawDimensionHValue(s, a, 0, -b - 11, a);
      DrawDimensionVValue(s, 2, a + 8, -b, 0, b);
      DrawDimensionVValue(s, 2, a + 8, b, 0, b);
      return;
    case 6:
      DrawDimensionHValue(s, -v.a2, 0, -b - 11, v.a2);
      DrawDimensionHValue(s, v.a1, 0, -b - 11, v.a1);
      DrawDimensionVValue(s, 2, v.a1 + 8, -b, 0, b);
      DrawDimensionVValue(s, 2, v.a1 + 8, b, 0, b);
      return;
    case 7:
      DrawDimensionHValue(s, -a - v.a2, -a, -b - 11, v.a2);
      DrawDimensionHValue(s, -a, 0, -b - 11, a);
      DrawDimensionHValue(s, a, 0, -b - 11, a);
      DrawDimensionHValue(s, a, a + v.a2, -b - 11, v.a2);
      DrawDimensionVValue(s, 2, a + v.a2 + 8, -b, 0, b);
      DrawDimensionVValue(s, 2, a + v.a2 + 8, b, 0, b);
      return;
    case 8:
      DrawDimensionHValue(s, -a, 0, -b - 11, a);
      DrawDimensionHValue(s, 0, a, -b - 11, a);
      DrawDimensionVValue(s, 2, a + 8, -b, 0, b);
      DrawDimensionVValue(s, 2, a + 8, b, 0, b);
      return;
    default:
      break;
  }
  // Shapes 4, 5, 9 and 10: four spans a along the bottom.
  const double y = -b - 11;
  DrawDimensionHValue(s, -2 * a, -a, y, a);
  DrawDimensionHValue(s, -a, 0, y, a);
  DrawDimensionHValue(s, a, 0, y, a);
  DrawDimensionHValue(s, a, 2 * a, y, a);
  if (v.Shape == 9) {
    DrawDimensionVValue(s, 2, 2 * a + 8, -b, b, 2 * b);
  } else if (v.Shape == 10) {
    DrawDimensionVValue(s, 2, 2 * a + 8, -b, 0, b);
    DrawDimensionVValue(s, 2, 2 * a + 8, 0, b, b);
  } else {
    DrawDimensionVValue(s, 2, 2 * a + 8, -b, 0, b);
    DrawDimensionVValue(s, 2, 2 * a + 8, b, 0, b);
  }
}

}  // namespace

SectorialCharacteristicsVariant DeriveSectorialCharacteristics(int p1, int p2, int p3, int p4) {
  SectorialCharacteristicsVariant v;
  v.Shape = p1;
  switch (p1) {
    case 1: case 2: case 3: case 8: v.a = p2 + 40; break;
    case 4: v.a = p2 + 16; break;
    case 5: v.a = p2 + 19; break;
    case 7: case 9: v.a = p2 + 18; break;
    case 10: v.a = p2 + 15; break;
    default: break;
  }
  switch (p1) {
    case 1: v.b1 = p3 + 20, v.b2 = p4 + 20; break;
    case 2: v.b = p3 + 27; break;
    case 3: case 10: v.b = p3 + 12; break;
    case 6: v.b = p3 + 9, v.a1 = p2 + 38, v.a2 = p4 + 39; break;
    default: v.b = p3 + 10; break;
  }
  if (p1 == 7) v.a2 = p4 + 18, v.a1 = v.a;
  const double a = v.a, b = v.b, b1 = v.b1, b2 = v.b2, a1 = v.a1, a2 = v.a2;
  switch (p1) {
    case 1: {
      const double bb = b1 + b2;
      v.A = 2 * (a + bb);
      v.Sx = Sq(b1) - Sq(b2);
      v.Jx = 2.0 / 3 * (Cb(b1) + Cb(b2));
      v.Jy = 2 * a * a * bb + 2.0 / 3 * Cb(a);
      v.ay = 1.5 * (Sq(b2) - Sq(b1)) / (3 * bb + a);
      v.Jw = a * a * (4 * a * (Cb(b1) + Cb(b2)) + 3 * Sq(Sq(bb))) / (6 * (3 * bb + a));
      break;
    }
    case 2:
      v.A = 2 * (a + b);
      v.Sx = -b * b;
      v.Jx = 2.0 / 3 * Cb(b);
      v.Jy = 2 * a * a * b + 2.0 / 3 * Cb(a);
      v.ay = 1.5 * b * b / (3 * b + a);
      v.Jw = a * a * Cb(b) * (3 * b + 4 * a) / (6 * (3 * b + a));
      break;
    case 3:
      v.A = 2 * (3 * a + b);
      v.Sy = -2 * a * b;
      v.Jx = 2.0 / 3 * Cb(b) + 4 * a * b * b;
      v.Jy = 2 * Cb(a) + 2 * a * a * b;
      v.ax = -a * (12 * a + b) / (6 * a + b);
      v.Jw = 8 * Cb(a) * b * b * (2 * b + 3 * a) / (3 * (6 * a + b));
      break;
    case 4:
      v.A = 4 * a + 8 * b;
      v.Jx = 4 * b * b * (2 * b + 3 * a) / 3;
      v.Jy = 4 * a * a * (4 * a + 15 * b) / 3;
      v.ay = b + b * (2 * a - 9 * b) / (4 * a + 15 * b);
      v.Jw = 4 * a * a * b * b * (219 * b * b + 146 * a * b + 4 * a * a) / (3 * (4 * a + 15 * b));
      break;
    case 5:
      v.A = 4 * a + 4 * b;
      v.Jx = 4 * b * b * (b + 3 * a) / 3;
      v.Jy = 4 * a * a * (4 * a + 3 * b) / 3;
      v.ay = 6 * b * (a + b) / (4 * a + 3 * b);
      v.Jw = 4 * a * a * b * b * (3 * b * b + 10 * a * b + 4 * a * a) / (3 * (4 * a + 3 * b));
      break;
    case 6:
      v.A = 2 * b + 3 * a1 + a2;
      v.Sy = (3 * a1 * a1 - a2 * a2) / 2;
      v.Jx = 2 * b * b * (3 * a1 + b) / 3;
      v.Jy = Cb(a1) + Cb(a2) / 3;
      v.ax = -1.5 * a1 * a1 / (3 * a1 + b);
      v.Jw = Cb(a1) * b * b * (4 * b + 3 * a1) / (6 * (3 * a1 + b));
      break;
    case 7:
      v.A = 2 * (a + a2 + 2 * b);
      v.Jx = 4.0 / 3 * Cb(b);
      v.Jy = 4 * a * a * b + 2.0 / 3 * Cb(a + a2);
      v.Jw = 4.0 / 3 * a * a * Cb(b);
      break;
    case 8:
      v.A = 2 * a + 6 * b;
      v.Jx = 2 * Cb(b);
      v.Jy = 2.0 / 3 * Cb(a) + 4 * a * a * b;
      v.Jw = 4.0 / 3 * a * a * Cb(b);
      break;
    case 9:
      v.A = 6 * a + 4 * b;
      v.Sx = -4 * b * (a + b);
      v.Jx = 8 * b * b * (3 * a + 2 * b) / 3;
      v.Jy = 2 * a * a * (8 * b + 5 * a);
      v.ay = 2 * b * (11 * a + 12 * b) / (3 * (8 * b + 5 * a));
      v.Jw = 32 * a * a * b * b * (12 * b * b + 78 * a * b + 41 * a * a) / (9 * (8 * b + 5 * a));
      break;
    default:
      v.A = 4 * a + 4 * b;
      v.Sx = 2 * a * b;
      v.Jx = 2 * b * b * (2 * b + 3 * a) / 3;
      v.Jy = 2 * a * a * (15 * b + 8 * a) / 3;
      v.ay = b + b * (4 * a + 15 * b) / (2 * (8 * a + 15 * b));
      v.Jw = a * a * b * b * (75 * b * b + 100 * a * b + 16 * a * a) / (6 * (15 * b + 8 * a));
      break;
  }
  v.xc = v.Sy / v.A;
  v.yc = v.Sx / v.A;
  v.Jxc = v.Jx - v.yc * v.yc * v.A;
  v.Jyc = v.Jy - v.xc * v.xc * v.A;
  return v;
}

void BeginSectorialCharacteristicsProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 8);
  AnsWrite(s,
           "\\No\\ru & \\mc{$A$}& \\mc{$x_c$}& \\mc{$y_c$}& \\mc{$\\alpha_x$}& "
           "\\mc{$\\alpha_y$}&\\mc{$J_{x_c}\\cdot10^{-4}$}& \\mc{$J_{y_c}\\cdot10^{-4}$}&  "
           "\\mc{$J_\\omega\\cdot10^{-6}$}\\\\\\hline");
  AnsWrite(s,
           "       & см$^2$ & \\multicolumn{4}{c|}{см}&\\multicolumn{2}{c|}{см$^4$}& см$^6$  "
           "\\\\\\hline");
  WriteLine(s,
            " Найти геометрические характеристики сечения тонкостенного профиля.  Размеры "
            "относятся к средним линиям сечения и указаны в сантиметрах. Толщина стенки "
            "равна 1 см. \\\\ \\noindent");
}

void WriteSectorialCharacteristicsVariant(SharedState& s) {
  const SectorialCharacteristicsVariant v = DeriveSectorialCharacteristics(s.P1, s.P2, s.P3, s.P4);
  // The profile with its axes, their letters and the dimensions below and right of it.
  BeginPicture(s, 140, 70, -62, -37);
  if (v.Shape <= 2) {
    DrawAxes(s, v);
    DrawMidLines(s, v);
  } else {
    DrawMidLines(s, v);
    DrawAxes(s, v);
  }
  DrawDimensions(s, v);
  EndPicture(s);

  std::string row = std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                    toolkit::FormatFixed(v.A, 6, 0);
  for (double c : {v.xc, v.yc, v.ax, v.ay, v.Jxc * 1e-4, v.Jyc * 1e-4, v.Jw * 1e-6}) {
    row += "&" + toolkit::FormatFixed(c, 6, 3);
  }
  AnsWriteLine(s, row);
}

}  // namespace strength
