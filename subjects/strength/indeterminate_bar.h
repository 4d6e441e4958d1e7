#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the bar clamped at both ends, derived from P1..P7: segments 1..3 from the
/// left, forces on the sections between them.
struct IndeterminateBarVariant {
  toolkit::IndexedArray<int, 1, 2> P{};  ///< kN, positive to the right
  toolkit::IndexedArray<int, 1, 3> F{};  ///< cm^2 (the middle one 4 cm^2 thinner)
  toolkit::IndexedArray<int, 1, 3> l{};  ///< m
  double RA = 0;                         ///< kN, the axial force of segment 1
  toolkit::IndexedArray<double, 1, 2> u{};  ///< mm, displacements of sections 1 and 2
};

/// Derives and solves one variant (E = 2e5 MPa, own weight neglected).
IndeterminateBarVariant DeriveIndeterminateBar(int p1, int p2, int p3, int p4, int p5, int p6,
                                               int p7);

/// Begin routine: dimension and wall box, answers head, statement.
void BeginIndeterminateBarProblem(SharedState& s);
/// Variant routine: figure, data text and answers rows.
void WriteIndeterminateBarVariant(SharedState& s);

}  // namespace strength
