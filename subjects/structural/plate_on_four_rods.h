#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One plate on four rods, derived from P1..P7 (centimetres, newtons, N·cm; the couple m
/// counter-clockwise positive). Points 1..4 are the plate's corners, point i + 4 the anchor of
/// rod i.
struct PlateOnFourRodsVariant {
  int P = 0;                                 ///< weight, at x = 20
  int m = 0;                                 ///< the couple
  toolkit::IndexedArray<int, 1, 4> Anchor{};  ///< candidate 1..12 of rod i's anchor
  bool Repaired = false;  ///< rod 4's anchor was moved on from a setting that leaves the plate free
  toolkit::IndexedArray<double, 1, 8> X{}, Y{};
  toolkit::IndexedArray<double, 1, 4> Length{};
  toolkit::IndexedArray<double, 1, 4> Compatibility{};  ///< l_i·C_i of the compatibility equation
  toolkit::IndexedArray<double, 1, 4> S{};              ///< rod forces, tension positive
};

/// The anchor candidate (1..12) at (x, y) for a = P5 + 12, b = P6 + 12, c = P7 + 52.
void RodAnchorPosition(int candidate, int p5, int p6, int p7, double& x, double& y);

/// Derives and solves one variant. A setting whose rods leave the plate free to move (all
/// rods parallel, or all four lines through one point) moves rod 4's anchor on to the next
/// candidate, cyclically, until the plate is held.
PlateOnFourRodsVariant DerivePlateOnFourRodsVariant(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7);

/// Begin routine of the plate on four rods: sizes, the plate's savebox, statement and heads.
void BeginPlateOnFourRodsProblem(SharedState& s);
/// Variant routine: the compatibility equation and rod forces, the figure and the data line.
void WritePlateOnFourRodsVariant(SharedState& s);

}  // namespace structural
