#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of the cylinders-and-bar problem: masses, the reduced pair (N, D), the force
/// F = D and the bar's acceleration a = N (m/s^2), so that a = F N / D exactly.
struct CylindersBarVariant {
  int m1 = 0, m2 = 0, m3 = 0;
  long long D = 0, N = 0;  ///< before reduction
  int F = 0, a = 0;
};

/// The variant of scheme P1 (1..6), sub-variant P5 (1..4) with P2, P3 and the masses P4, P6,
/// P7.
CylindersBarVariant DeriveCylindersBarVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                              int p7);

/// Begin routine of row 14 at Level 1.
void BeginCylindersAndBarProblem(SharedState& s);
/// Variant routine: the figure, the answers row and the data line.
void WriteCylindersAndBarVariant(SharedState& s);

}  // namespace dynamics
