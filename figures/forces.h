#pragma once

#include <string_view>
#include <utility>

#include "figures/figure_state.h"

namespace figures {

class LabelSpacing;

// Forces, em-line arrows, arcs and moments. \vector slopes are small integers written plain,
// their lengths by FormatNumberSci (the horizontal extent, the vertical one when dx = 0).
// Angles are radians, counter-clockwise from the x axis. Routines named Ans... write the
// answers file. Every routine throws IoError when its file cannot be written.

/// "\put(x,y){\vector(dx,dy){len}}" and a line end.
void DrawVector(Figure& f, int dx, int dy, double x, double y, double len);
/// Answers file: "\put(x,y){\Red{\vector(dx,dy){len}}}" and a line end.
void AnsDrawRedVector(Figure& f, int dx, int dy, double x, double y, double len);
/// "\Red{\put(x,y){\thicklines\vector(dx,dy){len}}}%" and a line end.
void DrawThickRedVector(Figure& f, int dx, int dy, double x, double y, double len);
/// DrawThickRedVector, then PutLabel(label, x + ox, y + oy).
void DrawRedForceWithLabel(Figure& f, int dx, int dy, std::string_view label, double x, double y,
                           double len, int ox, int oy);
/// Answers file: AnsDrawRedVector, then the label as passed at (x + ox, y + oy), no line end.
void AnsDrawRedVectorWithLabel(Figure& f, int dx, int dy, std::string_view label, double x,
                               double y, double len, int ox, int oy);
/// s > 0: the vector from (x, y); s < 0: the reversed vector that ends at (x, y); s = 0:
/// nothing.
void DrawDirectedVector(Figure& f, int dx, int dy, double s, double x, double y, double len);
/// DrawDirectedVector, then PutLabel(label, x + ox, y + oy) (also when s = 0).
void DrawDirectedVectorWithLabel(Figure& f, int dx, int dy, std::string_view label, double s,
                                 double x, double y, double len, int ox, int oy);
/// "{\thicklines\Red{", DrawDirectedVectorWithLabel, then the line "}}%".
void DrawThickRedForce(Figure& f, int dx, int dy, std::string_view label, double s, double x,
                       double y, double len, int ox, int oy);

/// An arrow from point i to point j, d short of both, barbs of ArrowSize at the j end; leaves
/// the line width at 6. Coincident points draw nothing.
void DrawArrowBetweenPoints(Figure& f, int i, int j, int d);
/// DrawArrowBetweenPoints moved o units to the right of the direction i -> j.
void DrawArrowBetweenCoords(Figure& f, int i, int j, int d, int o);
/// An arrow from (x, y) to (x + dx, y + dy) with barbs of ArrowHeadLength at 20 degrees;
/// LineEndX/Y := the tip. A zero arrow draws nothing and leaves the tip at (x, y).
void DrawEmArrow(Figure& f, double x, double y, double dx, double dy);

/// The arc of radius R about (xc, yc) from a1 to a2 as em-line chords (one per 4 degrees, a
/// "%" line after every fourth); mode 1 adds an arrowhead at a2 and leaves the width at 1.
void DrawArcPolyline(Figure& f, int mode, double xc, double yc, double a1, double a2, double R);
/// Where DrawLabelledArc puts its label (lower left of the text) for distance choice sel 1 or 2.
std::pair<double, double> LabelledArcLabelAt(int sel, double xc, double yc, double a1, double a2,
                                             double R);
/// DrawArcPolyline, then PutScriptLabel(text) beside the middle of the arc at distance
/// choice sel (1 or 2; other values place no label); with `placed` the label moves the least
/// that keeps it clear of those placed before (LabelSpacing::Clear).
void DrawLabelledArc(Figure& f, int mode, std::string_view text, int sel, double xc, double yc,
                     double a1, double a2, double R, LabelSpacing* placed = nullptr);
/// DrawArcPolyline, then PutLabel("$" text "$") beside the middle of the arc moved by (ox, oy);
/// with `placed`, PutLabelClear there instead (the label kept clear of those placed before).
void DrawLabelledArcArrow(Figure& f, int mode, std::string_view text, int ox, double xc, double yc,
                          double a1, double a2, double R, int oy, LabelSpacing* placed = nullptr);
/// A moment at point i: the labelled arc from 0 to a, width 1, and a horizontal reference line
/// of length R + 2 from 1.5 right of the point.
void DrawMomentAtPoint(Figure& f, int i, int mode, std::string_view text, double a, double R,
                       int ox, int oy);
/// An arrowed arc of radius R (width 4) from near point j to near point i, both ends trimmed
/// by phi. Coincident points draw nothing; R below half the chord throws DegenerateDataError.
void DrawArcThroughPoints(Figure& f, int i, int j, int R, double phi);
/// Four thick strokes across the ray from point i at angle, at distances r .. r + 3.
void DrawStrokesAcrossRay(Figure& f, int i, double r, double angle);

}  // namespace figures
