#pragma once

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the continuous beam on four supports (pin at point 2, rollers at 3, 4, 5)
/// with overhangs at points 1 and 6, derived from P1..P7 (metres, kN, kN/m). Span k joins
/// points k and k + 1; point 7 is where P acts. Moments are sagging positive.
struct ContinuousBeamVariant {
  toolkit::IndexedArray<int, 1, 5> Span{};  ///< lengths; span 2 takes span 1's when it is dropped
  toolkit::IndexedArray<int, 1, 7> X{};     ///< abscissae of the points
  int q1 = 0, q2 = 0, P = 0;                ///< kN/m, kN/m, kN
  int LoadFrom = 1, LoadTo = 2;             ///< q1 covers the spans LoadFrom..LoadTo - 1
  int ForceSpan = 1, SecondLoadSpan = 1;    ///< spans of P and q2
  bool LeftOverhang = true, RightOverhang = true;  ///< kept (loaded) overhangs
  double M0 = 0, M5 = 0;  ///< hogging magnitudes at the end supports 2 and 5
  double a11 = 0, a12 = 0, a22 = 0, b1 = 0, b2 = 0;  ///< the three-moment equations
  double M1 = 0, M2 = 0;                             ///< support moments at points 3 and 4
  double MP = 0;                                     ///< moment under P (interior span only)
  // The diagrams over the intervals 1..Intervals: the spans, that of P split at P.
  int Intervals = 0;
  TDiagramValues Moments{}, Shears{};
  toolkit::IndexedArray<int, 1, 7> IntervalLoad{};
  toolkit::IndexedArray<double, 1, 8> Station{};  ///< abscissae of the interval ends

  /// The distributed load on span j (q1 or q2), 0 when there is none.
  int SpanLoad(int j) const;
};

ContinuousBeamVariant DeriveContinuousBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                  int p7);

void BeginContinuousBeamProblem(SharedState& s);
void WriteContinuousBeamVariant(SharedState& s);

}  // namespace structural
