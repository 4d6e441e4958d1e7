#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One frame of eight members with the hinges 1, 2 and C (point 6), pinned at A (point 8)
/// and B (point 4), derived from P1..P7 (metres, kN, kN/m; EJ = 1).
struct FrameHingeVariant {
  int q1 = 0, q2 = 0, P = 0;  ///< signed: positive along +x or +y
  int Asked = 1;              ///< 1: the horizontal displacement of C, 2: the vertical one
  toolkit::IndexedArray<double, 1, 8> X{}, Y{};  ///< unscaled points
  toolkit::IndexedArray<int, 1, 8> First{}, Second{};
  toolkit::IndexedArray<double, 1, 8> Length{}, Intensity{};  ///< q on each member (signed)
  /// Loads as drawn: which member carries q1 and q2 (and whether along x), where the two
  /// forces act and along which axis (true: x).
  int Q1Member = 0, Q2Member = 0;
  bool Q1AlongX = false, Q2AlongX = false;
  int Force1Point = 0, Force2Point = 0;
  bool Force1AlongX = false, Force2AlongX = false;
  /// Reactions X_A, X_B, Y_A, Y_B under the loads and under the unit force at C.
  toolkit::IndexedArray<double, 1, 4> Reaction{}, UnitReaction{};
  /// End moments the members exert on their end points, [i][1] first end, [i][2] second.
  toolkit::IndexedArray<toolkit::IndexedArray<double, 1, 2>, 1, 8> LoadMoment{}, UnitMoment{};
  double Displacement = 0;  ///< EJ·Delta of C along the asked axis
};

/// Derives and solves one variant (both equilibrium systems and the Mohr integral).
FrameHingeVariant DeriveFrameHingeVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine: box width, the second answers head and the statement.
void BeginFrameHingeDisplacementProblem(SharedState& s);
/// Variant routine: the frame and its loads, the data, both sets of reactions, the
/// displacement of C and the two moment diagrams.
void WriteFrameHingeDisplacementVariant(SharedState& s);

}  // namespace structural
