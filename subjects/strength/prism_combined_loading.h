#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the cantilever prism under three forces parallel to its edges, derived
/// from P1..P7. Corners 1..4 are A (front bottom), B (back bottom), C (back top), D (front
/// top); directions 1..3 are along the bar, upwards and towards the viewer.
struct PrismCombinedLoadingVariant {
  int b = 0, h = 0;                          ///< cm
  toolkit::IndexedArray<int, 1, 3> L{};      ///< segment lengths, cm
  toolkit::IndexedArray<int, 1, 3> Corner{};
  toolkit::IndexedArray<int, 1, 3> Direction{};
  toolkit::IndexedArray<int, 1, 3> F{};      ///< kN, signed
  double Jx = 0, Jz = 0, Jk = 0;             ///< m^4
  double Phi = 0;                            ///< rad
  toolkit::IndexedArray<double, 1, 4> Stress{};  ///< Pa at A, B, C, D of the clamped section
};

PrismCombinedLoadingVariant DerivePrismCombinedLoading(int p1, int p2, int p3, int p4, int p5,
                                                       int p6, int p7);

/// Begin routine: the prism box, answers head and statement.
void BeginPrismCombinedLoadingProblem(SharedState& s);
/// Variant routine: figure with the three forces, answers rows and data text.
void WritePrismCombinedLoadingVariant(SharedState& s);

}  // namespace strength
