#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One cantilever frame of four members, clamped at point 1 and free at point 5, derived
/// from P1..P7 (lengths in metres, forces in kN, EJ = 1).
struct CantileverFrameVariant {
  toolkit::IndexedArray<int, 1, 4> Dir{};         ///< 1..4: +x, +y, -x, -y
  toolkit::IndexedArray<double, 1, 4> Length{};   ///< member k joins points k and k+1
  toolkit::IndexedArray<double, 1, 5> X{}, Y{};   ///< the points
  double Force = 3;                               ///< F
  toolkit::IndexedArray<int, 1, 4> Sign{};        ///< s_k
  toolkit::IndexedArray<bool, 2, 4> HasForce{};   ///< force k at point k+1
  toolkit::IndexedArray<double, 1, 5> FX{}, FY{}; ///< the forces at the points
  double Couple = 0;                              ///< m (counter-clockwise positive)
  int CouplePoint = 0;                            ///< 2 or 3 when a couple is applied, else 0
  /// Bending moments M[2k-1], M[2k] at the start and the end of member k: the moment of the
  /// loads beyond the section about it, counter-clockwise positive.
  toolkit::IndexedArray<double, 1, 8> M{};
  /// Unit-load contributions of member k to the x, y and rotation displacements.
  toolkit::IndexedArray<double, 1, 4> ShareX{}, ShareY{}, SharePhi{};
  double DeltaX = 0, DeltaY = 0, DeltaPhi = 0;
};

CantileverFrameVariant DeriveCantileverFrameVariant(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7);

void BeginCantileverFrameDisplacementProblem(SharedState& s);
void WriteCantileverFrameDisplacementVariant(SharedState& s);

}  // namespace structural
