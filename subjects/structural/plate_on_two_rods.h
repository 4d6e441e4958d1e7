#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One hinged plate on two rods, derived from P1..P7 (lengths in metres, forces in N, couple
/// in N·m, counter-clockwise positive). The plate is hinged at A = point 1; the rod at B joins
/// point 2 to its anchor 6 and is labelled "1" (length l1); the rod at C joins point 4 to its
/// anchor 5 and is labelled "2" (length l2 = (k/5)·l1).
struct PlateOnTwoRodsVariant {
  int a1 = 1, a2 = 1;            ///< P1, P2 with 4 and 5 read as 1
  int sx1 = 1, sy1 = 1;          ///< slope signs of the rod at C
  int sx2 = 1, sy2 = 1;          ///< slope signs of the rod at B
  int AB = 0, AC = 0, k = 0;     ///< plate sides and the length ratio's numerator
  int P = 0;                     ///< the vertical force at point 3, downward
  int m = 0;                     ///< the couple, counter-clockwise positive
  int S1 = 0, S2 = 0;            ///< rod forces, tension positive: S1 in rod "1", S2 in rod "2"
  toolkit::IndexedArray<double, 1, 6> X{}, Y{};  ///< A, B, the loaded corner, C, anchors 5, 6
};

/// Derives one variant; the rod forces are whole numbers by construction.
PlateOnTwoRodsVariant DerivePlateOnTwoRodsVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                  int p7);

/// Begin routine of the hinged plate on two rods: box width, statement and answers head.
void BeginPlateOnTwoRodsProblem(SharedState& s);
/// Variant routine: the answers row, the figure and the data line.
void WritePlateOnTwoRodsVariant(SharedState& s);

}  // namespace structural
