#pragma once

#include <string_view>

#include "figures/figure_state.h"

namespace figures {

// Picture-mode primitives. Routines named Ans... write the answers file, all others the main
// file. Coordinates are written with FormatNumber; a routine ends the line only where its
// comment says so. Em-lines are \mt{x}{y} (move) and \pp{x}{y} (draw to). Every routine
// throws IoError when its file cannot be written.

/// "\put(x,y)" followed by s; no line end.
void PutText(Figure& f, std::string_view s, double x, double y);
/// "\put(x,y)" followed by s, then a line end.
void PutTextLn(Figure& f, std::string_view s, double x, double y);
/// Answers file: "\put(x,y)" followed by s; no line end.
void AnsPutText(Figure& f, std::string_view s, double x, double y);

/// "\mt{x}{y}": moves the pen.
void MoveTo(Figure& f, double x, double y);
/// "\pp{x}{y}": draws from the pen to (x, y).
void LineTo(Figure& f, double x, double y);
/// Answers file: "\mt{x}{y}".
void AnsMoveTo(Figure& f, double x, double y);
/// Answers file: "\pp{x}{y}".
void AnsLineTo(Figure& f, double x, double y);
/// MoveTo point i.
void MoveToPoint(Figure& f, int i);
/// LineTo point i.
void LineToPoint(Figure& f, int i);
/// AnsMoveTo point i.
void AnsMoveToPoint(Figure& f, int i);
/// AnsLineTo point i.
void AnsLineToPoint(Figure& f, int i);

/// Line width w (tenths of a point): "\spe%", "\speh%", "\spehh%" for 1, 5, 10, else
/// "\special{em:linewidth" 0.1 w "pt}%" (FormatNumber); ends the line.
void SetLineWidth(Figure& f, int w);
/// Answers file: "\special{em:linewidth" 0.1 w "pt}%" (FormatNumberSci) for every w; ends
/// the line.
void AnsSetLineWidth(Figure& f, int w);

/// MoveTo(x1, y1), LineTo(x2, y2); no line end.
void DrawSegment(Figure& f, double x1, double y1, double x2, double y2);
/// Answers file: the segment, then a line end.
void AnsDrawSegment(Figure& f, double x1, double y1, double x2, double y2);
/// DrawSegment from point i to point j.
void DrawSegmentPoints(Figure& f, int i, int j);
/// AnsDrawSegment from point i to point j.
void AnsDrawSegmentPoints(Figure& f, int i, int j);
/// The segment shortened by d at both ends; coincident points give a zero-length segment.
void DrawSegmentShortened(Figure& f, double x1, double y1, double x2, double y2, double d);
/// Answers file: as DrawSegmentShortened, through AnsDrawSegment (ends the line).
void AnsDrawSegmentShortened(Figure& f, double x1, double y1, double x2, double y2, double d);
/// Same as DrawSegmentShortened.
void DrawSegmentShortenedCopy(Figure& f, double x1, double y1, double x2, double y2, double d);
/// Same as AnsDrawSegmentShortened.
void AnsDrawSegmentShortenedCopy(Figure& f, double x1, double y1, double x2, double y2, double d);
/// A bar from point i to point j stopping NodeGap short of both.
void DrawBar(Figure& f, int i, int j);
/// Answers file: as DrawBar (ends the line).
void AnsDrawBar(Figure& f, int i, int j);
/// DrawBar(a, b), then DrawBar(b, c).
void DrawTwoBars(Figure& f, int a, int b, int c);
/// The segment from P1 to P2 with a gap of 1.5 at P1; nothing when the points coincide.
void DrawSegmentFromNode(Figure& f, double x1, double y1, double x2, double y2);
/// DrawSegmentFromNode from point i (gap) to point j.
void DrawSegmentFromNodePoints(Figure& f, int i, int j);
/// DrawSegmentFromNode from point j (gap) to point i.
void DrawSegmentFromNodeRev(Figure& f, int i, int j);
/// DrawSegmentFromNodeRev(b, c), then DrawSegmentFromNodeRev(b, a).
void DrawTwoSegmentsFromNode(Figure& f, int a, int b, int c);
/// By NodeKinds of i and j: a gap at every hinged end (kind 2), none at a plain end (kind 1);
/// any other kind draws nothing.
void DrawBarByNodeKinds(Figure& f, int i, int j);
/// A ring of diameter 3 touching P1 and the segment from 3 beyond P1 to P2; nothing when the
/// points coincide.
void DrawSegmentWithRing(Figure& f, double x1, double y1, double x2, double y2);

/// n+1 dashes along the ray from (x0, y0) at angle covering length, k the dash share of each
/// period; then the line "%".
void DrawDashedLine(Figure& f, int n, double x0, double y0, double angle, double length, double k);
/// n equal dashes from P1 to P2 as one \multiput over three lines.
void DrawDashedLineMultiput(Figure& f, int n, double x1, double y1, double x2, double y2);

/// "\put(x,y){\line(dx,dy){len}}" and a line end; LineEndX/Y := the end of that line.
/// A slope (0, 0) draws nothing and leaves the end at (x, y).
void DrawLatexLine(Figure& f, int dx, int dy, double x, double y, double len);
/// "{\thicklines", DrawLatexLine, then "}" without a line end.
void DrawThickLatexLine(Figure& f, int dx, int dy, double x, double y, double len);
/// An em-line from (x, y) with the geometry of \line(dx,dy){len} (len the horizontal extent,
/// the vertical one when dx = 0); LineEndX/Y := its end. A slope (0, 0) draws nothing and
/// leaves the end at (x, y).
void DrawLineBySlope(Figure& f, double x, double y, double dx, double dy, double len);
/// The segment from (x0, y0) of length len at angle; LineEndX/Y := its end.
void DrawPolarSegment(Figure& f, double x0, double y0, double angle, double len);

/// "\put(x,y){\circle{d}}", d rounded to an integer in a field of 2.
void DrawCircle(Figure& f, double x, double y, double d);
/// "\put(x,y){\circle*{d}}", d as in DrawCircle.
void DrawFilledCircle(Figure& f, double x, double y, double d);
/// DrawCircle at point i.
void DrawCircleAtPoint(Figure& f, int i, int d);
/// DrawCircle at point i with diameter 10.
void DrawCircleAtPoint10(Figure& f, int i);
/// Two concentric circles of diameters d1 and d2 at (x, y).
void DrawTwoCircles(Figure& f, int d1, int d2, double x, double y);
/// DrawTwoCircles at point i.
void DrawTwoCirclesAtPoint(Figure& f, int i, int d1, int d2);
/// A red-brown hinge circle of diameter 3 at point i.
void DrawNodeMarker(Figure& f, int i);
/// "\put(x,y){\circle*{2}}".
void DrawSmallDot(Figure& f, double x, double y);
/// Answers file: "\put(x,y){\circle*{3}}" at point i.
void AnsDrawDotAtPoint(Figure& f, int i);

}  // namespace figures
