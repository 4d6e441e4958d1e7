#pragma once

#include <optional>
#include <utility>

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/state.h"

namespace structural {

/// Main file: a uniform load of arrows Height units long over the points FromPoint..ToPoint,
/// its top line at Base + 4 + Height (and a base line at Base + 4 when Base is not 0),
/// labelled "$q$".
void DrawUniformLoad(SharedState& s, int base, int from_point, int to_point, int height);

/// The heavy frame of P1..P5 and Level: Scale, forces, couple, segment lengths, type, angles,
/// weight per metre, and points 1..6 by SetHeavyFrameNodes.
void SetUpHeavyFrame(SharedState& s);
/// Points 1..6 of the heavy frame from the segment lengths and the slope angles, point 1 at
/// the origin.
void SetHeavyFrameNodes(SharedState& s);

/// Sum of the moments (counter-clockwise positive) about point `node` of the frame's weight,
/// the force at point 7, the horizontal force at point 8 and the couple; keeps the first three
/// in PartialMoment1..3.
double SumMomentsAboutNode(SharedState& s, int node);

/// Places point 8 (N) on an inclined segment (points in picture units) and draws the
/// horizontal force P there; sets ForcePDistance, ForcePDirection, ForcePHorizontal.
void DrawForcePAtPointN(SharedState& s);
/// Draws the couple (every Level but 1) and places point 7 (K) with force 2 and its angle
/// mark; call after DrawForcePAtPointN.
void DrawCoupleAndForceK(SharedState& s);
/// Force k at point `node` as an arrow in a small picture with a dashed reference line, an
/// angle arc and labels; directions other than 30, 45, 60 and 75 degrees draw the empty
/// picture only.
void DrawNodeForceWithAngle(SharedState& s, int node, int sign_x, int sign_y, int k);
/// Where DrawNodeForceWithAngle writes force k's letter (picture units), or nothing where it
/// draws no arrow.
std::optional<std::pair<double, double>> NodeForceLetterAt(const SharedState& s, int node,
                                                           int sign_x, int sign_y, int k);

/// Main file: the data of a frame's loads, those present in the order q, P, m
/// ("$q=$Q~кН/м", "$P=$P~кН", "$m=$M~кНм", one a line), separated by commas, the last closed by
/// a period and a line break.
void WriteFrameLoadData(SharedState& s, bool has_q, bool has_p, bool has_m, double q, double p,
                        double m);

/// Main file: the saveboxes "uleftalf", "urightalf", "dleftalf", "drightalf".
void DefineAngleMarkBoxes(SharedState& s);
/// Places the angle-mark boxes at points 2 and 5 by FrameType and the slope signs.
void PutAngleMarkBoxes(SharedState& s);

/// ForceDirection[1], ForceDirection[2] := the angle pair k (1..6); other k change nothing.
void SetAnglePair(Mechanics& m, int k);
/// NodeForceX/Y[node] := the components of force k with the given signs.
void SetNodeForcePolar(Mechanics& m, int node, int sign_x, int sign_y, int k);
/// Moment about point `about` of the force stored at point `at`.
double MomentOfNodeForce(const SharedState& s, int at, int about);
/// Sum of values[first..last] from first upward; 0 when first > last.
double ArraySumRange(const toolkit::TPointArray& values, int first, int last);

/// Points 1..8 of a two-part structure of layout P1 = 1..12 (with P2, P4, TwoPartArm1..6 and
/// SpareReal4) into x and y.
void SetTwoPartPoints12(SharedState& s, toolkit::TPointArray& x, toolkit::TPointArray& y);
/// Points 1..10 of a two-part structure of layout P1 = 1..8 (with P2, P3, TwoPartArm1..7) into
/// x and y; the two reals are not used.
void SetTwoPartPoints8(SharedState& s, toolkit::TPointArray& x, toolkit::TPointArray& y,
                       double unused1, double unused2);

/// Solves a x + b y + c = 0, d x + e y + f = 0 into CramerSolution1 (x), CramerSolution2 (y);
/// while WriteCramerRows is on, first writes the two equations as one cell into the second
/// answers file. Throws DegenerateDataError (naming UnknownName1, UnknownName2) when the
/// determinant is zero; the solutions are then unchanged.
void Solve2x2Cramer(SharedState& s, double a, double b, double c, double d, double e, double f);

}  // namespace structural
