#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the statically determinate beam on a pin and a roller with a force P, a
/// couple m and a uniform load q, derived from P1..P7 (metres, kN, kN m, kN/m). Moments and
/// shears are the values the answers diagrams show: a moment is positive when it stretches
/// the upper fibres, a shear positive when the part left of the section is pushed down.
struct SimpleBeamVariant {
  toolkit::IndexedArray<int, 0, 3> C{};  ///< abscissae of points 1..4 (C[i - 1] is point i)
  int Pin = 1, Roller = 2;               ///< point numbers of the supports
  int LoadFrom = 1, LoadTo = 2;          ///< point numbers bounding the uniform load
  int ForcePoint = 1, CouplePoint = 2;   ///< point numbers
  int P = 0;                             ///< kN, positive downward
  int m = 0;                             ///< kN m, positive counter-clockwise
  int q = 0;                             ///< kN/m
  toolkit::IndexedArray<int, 1, 3> SegmentLoad{};                   ///< q on segments 1..3, or 0
  double RA = 0, RB = 0;                                            ///< kN, upward
  toolkit::IndexedArray<double, 1, 3> MomentLeft{}, MomentRight{};  ///< kN m, segment ends
  toolkit::IndexedArray<double, 1, 3> ShearLeft{}, ShearRight{};    ///< kN, segment ends
  double MStar = 0, XStar = 0;     ///< moment at zero shear and its abscissa (0, 0: none)
  double MaxMoment = 0, XMax = 0;  ///< largest |M| and its abscissa
  toolkit::IndexedArray<double, 0, 3> UnitMoment{};  ///< unit load at the force point
  double EIDeflection = 0;  ///< EI times the deflection under P along P's positive sense
};

SimpleBeamVariant DeriveSimpleBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

void BeginSimpleBeamProblem(SharedState& s);
void WriteSimpleBeamVariant(SharedState& s);

}  // namespace structural
