#pragma once

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the multispan beam of three parts joined by two hinges, on a pin (point 2)
/// and three rollers, derived from P1..P7 (metres, kN, kN m, kN/m). Points 1..8 lie on the
/// axis; the couple m acts halfway between points 4 and 5.
struct SplitBeamVariant {
  int Scheme = 1;
  toolkit::IndexedArray<int, 1, 8> X{};        ///< abscissae of the points
  toolkit::IndexedArray<int, 1, 2> Hinge{};    ///< point numbers
  toolkit::IndexedArray<int, 1, 4> Support{};  ///< point numbers, left to right (the pin first)
  int q1 = 0, q2 = 0, F = 0, P = 0;            ///< kN/m, kN/m, kN, kN (downward)
  int m = 0;                                   ///< kN m, counter-clockwise positive
  int Load1From = 1, Load1To = 2, Load2From = 5, Load2To = 6;  ///< point numbers
  bool HasF = false, HasP = false;                             ///< F at point 1, P at point 8
  toolkit::IndexedArray<double, 1, 4> R{};                     ///< reactions, upward
  toolkit::IndexedArray<double, 1, 9> Station{};               ///< x1..x4, the couple, x5..x8
  /// Per interval between stations: the moment with the upper fibres stretched positive, and
  /// the shear (up on the left positive).
  TDiagramValues Moments{}, Shears{};
  toolkit::IndexedArray<int, 1, 8> IntervalLoad{};

  double CoupleX() const { return (X[4] + X[5]) / 2.0; }
};

SplitBeamVariant DeriveSplitBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

void BeginHingedMultispanBeamProblem(SharedState& s);
void WriteHingedMultispanBeamVariant(SharedState& s);

}  // namespace structural
