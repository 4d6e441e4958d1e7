#pragma once

#include "figures/labels.h"
#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"

namespace structural {

/// The largest |left| and |right| over the pairs first..last of a diagram; 0 when
/// first > last.
double MaxAbsDiagramValue(const TDiagramValues& values, int first, int last);

/// Answers file, inside an open picture: segment `segment` of a diagram from abscissa x0 to
/// x1 (outline, hatching, end values), ordinates scaled so that max_value is 30 units and
/// multiplied by `direction`; a segment under the uniform load `load` (kN/m) bulges unless
/// `straight`. End values are |v| when LabelAbsolute is on, else v * label_sign. A
/// flat diagram (max_value 0) is drawn on the axis and a segment shorter than the hatching
/// step without hatching. With `placed` (one for the whole diagram) each end value moves the
/// least that keeps it clear of the values placed before it.
void AnsDrawDiagramSegment(SharedState& s, const TDiagramValues& values, int segment, int load,
                           double x0, double x1, double max_value, int direction, bool straight,
                           int label_sign, figures::LabelSpacing* placed = nullptr);

/// Answers file: "\begin{picture}" with the room of a beam diagram from abscissa 0 to `end`
/// (units of 1pt): its ordinates of at most 30, their values beside them and the letter of the
/// diagram right of the end.
void AnsBeginDiagramPicture(SharedState& s, double end);

/// Main file: a downward load at PointX[point] ending on the beam axis, labelled with
/// LoadLetters[letter]; PointLoadValue[point] := ConcentratedLoadValue[letter].
void DrawBeamPointLoad(SharedState& s, int point, int letter);

/// Main file: a uniform load `height` units high between PointX[from_point] and
/// PointX[to_point], labelled "$q_<number>$".
void DrawBeamDistributedLoad(SharedState& s, int from_point, int to_point, int height, int number);

/// Main file: the savebox "brmomentp", a counter-clockwise couple arc of radius 10.
void DefineMomentArcBox(SharedState& s);

}  // namespace structural
