#include "figures/lines.h"

#include <cmath>
#include <string>

#include "figures/text_forms.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

using toolkit::FormatNumber;

std::string PutHead(double x, double y) {
  return "\\put(" + FormatNumber(x) + "," + FormatNumber(y) + ")";
}

std::string Diameter(double d) { return toolkit::FormatFixed(d, 2, 0); }

std::string LineWidthSpecial(const std::string& width) {
  return "\\special{em:linewidth" + width + "pt}%";
}

// The end points of a segment shortened by d at both ends; coincident points stay put.
struct Shortened {
  double x1, y1, x2, y2;
};

Shortened Shorten(double x1, double y1, double x2, double y2, double d) {
  const double ex = x2 - x1;
  const double ey = y2 - y1;
  double length = toolkit::Hypot(ex, ey);
  if (length == 0) length = 1;
  const double ux = ex / length;
  const double uy = ey / length;
  return {x1 + d * ux, y1 + d * uy, x2 - d * ux, y2 - d * uy};
}

}  // namespace

void PutText(Figure& f, std::string_view s, double x, double y) {
  toolkit::WriteText(f, PutHead(x, y));
  toolkit::WriteText(f, s);
}

void PutTextLn(Figure& f, std::string_view s, double x, double y) {
  PutText(f, s, x, y);
  toolkit::WriteLine(f, "");
}

void AnsPutText(Figure& f, std::string_view s, double x, double y) {
  toolkit::AnsWrite(f, PutHead(x, y));
  toolkit::AnsWrite(f, s);
}

void MoveTo(Figure& f, double x, double y) {
  toolkit::WriteText(f, "\\mt{" + FormatNumber(x) + "}{" + FormatNumber(y) + "}");
}

void LineTo(Figure& f, double x, double y) {
  toolkit::WriteText(f, "\\pp{" + FormatNumber(x) + "}{" + FormatNumber(y) + "}");
}

void AnsMoveTo(Figure& f, double x, double y) {
  toolkit::AnsWrite(f, "\\mt{" + FormatNumber(x) + "}{" + FormatNumber(y) + "}");
}

void AnsLineTo(Figure& f, double x, double y) {
  toolkit::AnsWrite(f, "\\pp{" + FormatNumber(x) + "}{" + FormatNumber(y) + "}");
}

void MoveToPoint(Figure& f, int i) { MoveTo(f, f.PointX[i], f.PointY[i]); }
void LineToPoint(Figure& f, int i) { LineTo(f, f.PointX[i], f.PointY[i]); }
void AnsMoveToPoint(Figure& f, int i) { AnsMoveTo(f, f.PointX[i], f.PointY[i]); }
void AnsLineToPoint(Figure& f, int i) { AnsLineTo(f, f.PointX[i], f.PointY[i]); }

void SetLineWidth(Figure& f, int w) {
  switch (w) {
    case 1:
      toolkit::WriteLine(f, "\\spe%");
      break;
    case 5:
      toolkit::WriteLine(f, "\\speh%");
      break;
    case 10:
      toolkit::WriteLine(f, "\\spehh%");
      break;
    default:
      toolkit::WriteLine(f, LineWidthSpecial(FormatNumber(0.1 * w)));
  }
}

void AnsSetLineWidth(Figure& f, int w) {
  toolkit::AnsWriteLine(f, LineWidthSpecial(toolkit::FormatNumberSci(0.1 * w)));
}

void DrawSegment(Figure& f, double x1, double y1, double x2, double y2) {
  MoveTo(f, x1, y1);
  LineTo(f, x2, y2);
}

void AnsDrawSegment(Figure& f, double x1, double y1, double x2, double y2) {
  AnsMoveTo(f, x1, y1);
  AnsLineTo(f, x2, y2);
  toolkit::AnsWriteLine(f, "");
}

void DrawSegmentPoints(Figure& f, int i, int j) {
  DrawSegment(f, f.PointX[i], f.PointY[i], f.PointX[j], f.PointY[j]);
}

void AnsDrawSegmentPoints(Figure& f, int i, int j) {
  AnsDrawSegment(f, f.PointX[i], f.PointY[i], f.PointX[j], f.PointY[j]);
}

void DrawSegmentShortened(Figure& f, double x1, double y1, double x2, double y2, double d) {
  const Shortened s = Shorten(x1, y1, x2, y2, d);
  DrawSegment(f, s.x1, s.y1, s.x2, s.y2);
}

void AnsDrawSegmentShortened(Figure& f, double x1, double y1, double x2, double y2, double d) {
  const Shortened s = Shorten(x1, y1, x2, y2, d);
  AnsDrawSegment(f, s.x1, s.y1, s.x2, s.y2);
}

void DrawSegmentShortenedCopy(Figure& f, double x1, double y1, double x2, double y2, double d) {
  DrawSegmentShortened(f, x1, y1, x2, y2, d);
}

void AnsDrawSegmentShortenedCopy(Figure& f, double x1, double y1, double x2, double y2, double d) {
  AnsDrawSegmentShortened(f, x1, y1, x2, y2, d);
}

void DrawBar(Figure& f, int i, int j) {
  DrawSegmentShortened(f, f.PointX[i], f.PointY[i], f.PointX[j], f.PointY[j], f.NodeGap);
}

void AnsDrawBar(Figure& f, int i, int j) {
  AnsDrawSegmentShortened(f, f.PointX[i], f.PointY[i], f.PointX[j], f.PointY[j], f.NodeGap);
}

void DrawTwoBars(Figure& f, int a, int b, int c) {
  DrawBar(f, a, b);
  DrawBar(f, b, c);
}

void DrawSegmentFromNode(Figure& f, double x1, double y1, double x2, double y2) {
  const double length = toolkit::Hypot(x2 - x1, y2 - y1);
  if (length == 0) return;
  const double ux = (x2 - x1) / length;
  const double uy = (y2 - y1) / length;
  DrawSegment(f, x1 + 1.5 * ux, y1 + 1.5 * uy, x2, y2);
}

void DrawSegmentFromNodePoints(Figure& f, int i, int j) {
  DrawSegmentFromNode(f, f.PointX[i], f.PointY[i], f.PointX[j], f.PointY[j]);
}

void DrawSegmentFromNodeRev(Figure& f, int i, int j) { DrawSegmentFromNodePoints(f, j, i); }

void DrawTwoSegmentsFromNode(Figure& f, int a, int b, int c) {
  DrawSegmentFromNodeRev(f, b, c);
  DrawSegmentFromNodeRev(f, b, a);
}

void DrawBarByNodeKinds(Figure& f, int i, int j) {
  const int ki = f.NodeKinds[i];
  const int kj = f.NodeKinds[j];
  if (ki == 2 && kj == 2) {
    DrawBar(f, i, j);
  } else if (ki == 1 && kj == 2) {
    DrawSegmentFromNodePoints(f, j, i);
  } else if (ki == 2 && kj == 1) {
    DrawSegmentFromNodePoints(f, i, j);
  } else if (ki == 1 && kj == 1) {
    DrawSegmentPoints(f, i, j);
  }
}

void DrawSegmentWithRing(Figure& f, double x1, double y1, double x2, double y2) {
  const double length = toolkit::Hypot(x2 - x1, y2 - y1);
  if (length == 0) return;  // no direction to put the ring on
  const double ux = (x2 - x1) / length;
  const double uy = (y2 - y1) / length;
  DrawCircle(f, x1 + 1.5 * ux, y1 + 1.5 * uy, 3);
  DrawSegment(f, x1 + 3 * ux, y1 + 3 * uy, x2, y2);
}

void DrawDashedLine(Figure& f, int n, double x0, double y0, double angle, double length, double k) {
  const double periods = k + n;
  const double h = periods != 0 ? length / periods : 0;
  const double sx = h * std::cos(angle);
  const double sy = h * std::sin(angle);
  double px = x0;
  double py = y0;
  for (int dash = 0; dash <= n; ++dash) {
    MoveTo(f, px, py);
    px += k * sx;
    py += k * sy;
    LineTo(f, px, py);
    px += (1 - k) * sx;
    py += (1 - k) * sy;
  }
  toolkit::WriteLine(f, "%");
}

void DrawDashedLineMultiput(Figure& f, int n, double x1, double y1, double x2, double y2) {
  const double dx = (x2 - x1) / (2 * n - 1);
  const double dy = (y2 - y1) / (2 * n - 1);
  toolkit::WriteText5NumbersLn(f, "\\multiput(", x1, ",", y1, ")(", 2 * dx, ",", 2 * dy, "){", n,
                               "}{\\mt{0}{0}");
  LineTo(f, dx, dy);
  toolkit::WriteLine(f, "}%");
}

void DrawLatexLine(Figure& f, int dx, int dy, double x, double y, double len) {
  f.LineEndX = x;
  f.LineEndY = y;
  if (dx == 0 && dy == 0) return;  // a line without direction; LaTeX would reject it
  PutText(
      f,
      "{\\line(" + std::to_string(dx) + "," + std::to_string(dy) + "){" + PictureLength(len) + "}}",
      x, y);
  toolkit::WriteLine(f, "");
  if (dx != 0) {
    f.LineEndX = x + len * dx / std::abs(dx);
    f.LineEndY = y + len * dy / std::abs(dx);
  } else {
    f.LineEndY = y + len * dy / std::abs(dy);
  }
}

void DrawThickLatexLine(Figure& f, int dx, int dy, double x, double y, double len) {
  toolkit::WriteText(f, "{\\thicklines");
  DrawLatexLine(f, dx, dy, x, y, len);
  toolkit::WriteText(f, "}");
}

void DrawLineBySlope(Figure& f, double x, double y, double dx, double dy, double len) {
  f.LineEndX = x;
  f.LineEndY = y;
  if (dx == 0 && dy == 0) return;  // no direction: nothing to draw
  double ex = x;
  double ey = y;
  if (dx != 0) {
    ex = x + len * toolkit::SignOf(dx);
    ey = y + len * dy / std::fabs(dx);
  } else {
    ey = y + len * dy / std::fabs(dy);
  }
  MoveTo(f, x, y);
  LineTo(f, ex, ey);
  f.LineEndX = ex;
  f.LineEndY = ey;
}

void DrawPolarSegment(Figure& f, double x0, double y0, double angle, double len) {
  const double ex = x0 + len * std::cos(angle);
  const double ey = y0 + len * std::sin(angle);
  DrawSegment(f, x0, y0, ex, ey);
  f.LineEndX = ex;
  f.LineEndY = ey;
}

void DrawCircle(Figure& f, double x, double y, double d) {
  PutText(f, "{\\circle{" + Diameter(d) + "}}", x, y);
}

void DrawFilledCircle(Figure& f, double x, double y, double d) {
  PutText(f, "{\\circle*{" + Diameter(d) + "}}", x, y);
}

void DrawCircleAtPoint(Figure& f, int i, int d) { DrawCircle(f, f.PointX[i], f.PointY[i], d); }

void DrawCircleAtPoint10(Figure& f, int i) { DrawCircleAtPoint(f, i, 10); }

void DrawTwoCircles(Figure& f, int d1, int d2, double x, double y) {
  DrawCircle(f, x, y, d1);
  DrawCircle(f, x, y, d2);
}

void DrawTwoCirclesAtPoint(Figure& f, int i, int d1, int d2) {
  DrawTwoCircles(f, d1, d2, f.PointX[i], f.PointY[i]);
}

void DrawNodeMarker(Figure& f, int i) {
  toolkit::WriteText(f, "\\BrickRed{");
  DrawCircleAtPoint(f, i, 3);
  toolkit::WriteText(f, "}");
}

void DrawSmallDot(Figure& f, double x, double y) { PutText(f, "{\\circle*{2}}", x, y); }

void AnsDrawDotAtPoint(Figure& f, int i) {
  AnsPutText(f, "{\\circle*{3}}", f.PointX[i], f.PointY[i]);
}

}  // namespace figures
