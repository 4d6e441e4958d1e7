#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the stepped bar under its own weight and three axial forces, derived from
/// P1..P7: segment k = 1..3 counted from the bottom.
struct SteppedBarTensionVariant {
  toolkit::IndexedArray<int, 1, 3> P{};  ///< kN, positive upwards
  toolkit::IndexedArray<int, 1, 3> F{};  ///< cm^2
  toolkit::IndexedArray<int, 1, 3> l{};  ///< m
  bool BottomSupport = true;             ///< stands on the support (else hangs from it)
  toolkit::IndexedArray<double, 1, 3> Elongation{};  ///< mm, per segment
  double Total = 0;                                  ///< mm
};

/// Derives and solves one variant (E = 2e5 MPa, specific weight 78 kN/m^3).
SteppedBarTensionVariant DeriveSteppedBarTension(int p1, int p2, int p3, int p4, int p5, int p6,
                                                 int p7);

/// Begin routine: support and dimension boxes, answers head, statement.
void BeginSteppedBarTensionProblem(SharedState& s);
/// Variant routine: figure, data text and answers row.
void WriteSteppedBarTensionVariant(SharedState& s);

}  // namespace strength
