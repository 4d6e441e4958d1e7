#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the oscillating masses on an elastic beam, derived from P1..P7. Lengths in
/// cm along the beam (x = 0 at its left end, the beam ends at 100).
struct BeamMassVariant {
  int Scheme = 1;
  int m1 = 0, m2 = 0;  ///< kg
  int A = 0, C = 0, S = 0, H = 0;
  // The model as drawn: the fixed support (a clamp at 0 for schemes 1 and 6..10, else a pin at
  // PinX), the roller (none in scheme 1), the internal hinge (schemes 6..10) and the masses.
  bool Clamped = false;
  int PinX = 0;
  bool HasRoller = false;
  int RollerX = 0;
  bool HasHinge = false;
  int HingeX = 0;
  int Mass1X = 0, Mass2X = 0;
  /// The unit-load moment diagrams at their points (hogging and sagging as the two unit
  /// loads agree, so that the sign of delta12 is that of the deflection at one mass under a
  /// load at the other).
  int DiagramPointCount = 0;
  toolkit::IndexedArray<double, 1, 5> DiagramX{}, M1{}, M2{};
  double d11 = 0, d12 = 0, d22 = 0;  ///< cm^3 times 10^-3 (the printed 10^6 delta, m/N)
  double Omega1 = 0, Omega2 = 0;     ///< rad/s, Omega1 >= Omega2
};

/// Mohr's integral of two piecewise-linear diagrams given at n points.
double MassBeamMohrIntegral(const toolkit::IndexedArray<double, 1, 5>& x,
                            const toolkit::IndexedArray<double, 1, 5>& a,
                            const toolkit::IndexedArray<double, 1, 5>& b, int n);

BeamMassVariant DeriveBeamMassVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

void BeginBeamMassOscillationProblem(SharedState& s);
void WriteBeamMassOscillationVariant(SharedState& s);

}  // namespace structural
