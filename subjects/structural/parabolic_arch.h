#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// f x (2l - x) / l^2: the parabola through (0, 0), (l, f) and (2l, 0).
double ArchOrdinate(double f, double l, double x);

/// One variant of the symmetric parabolic arch on two fixed hinges, derived from P1..P7
/// (metres, kN, kN/m): two vertical forces and a uniform load over part of the span.
/// Moments are positive when they stretch the inner fibres, the thrust H positive inward.
struct ArchVariant {
  int l = 0;           ///< half span; the crown is at x = l
  int f = 0;           ///< rise used by the solution, Round(0.7 l)
  int F1 = 0, F2 = 0;  ///< kN, downward
  int q = 0;           ///< kN/m, downward
  int x1 = 0;          ///< the section asked for
  /// Abscissae of A, the two forces, B, the crown, the start and the end of the load.
  toolkit::IndexedArray<double, 1, 7> X{};
  double VA = 0, VB = 0, H = 0;  ///< kN
  double MStar = 0, XStar = 0;   ///< largest |M| of the three-hinged arch and its abscissa
  // The three-hinged arch at x1.
  double Tan = 0, Sin = 0, M0 = 0, Q0 = 0, M = 0, Q = 0, N = 0;
  // The two-hinged arch: the canonical equation and the forces at x1.
  double Delta11 = 0, Delta1p = 0, X1 = 0, M2 = 0, Q2 = 0, N2 = 0;

  /// The moment, shear and normal force of the three-hinged arch at x.
  double Moment(double x) const;
  double Shear(double x) const;
  double Normal(double x) const;
  /// The moment of the two-hinged arch (the crown moment X1 added) at x.
  double TwoHingedMoment(double x) const;
  /// The simply supported beam of the same span and loads: moment and shear at x.
  double BeamMoment(double x) const;
  double BeamShear(double x) const;
};

/// mode 1: the three-hinged arch; mode 2: also the two-hinged arch by the force method.
ArchVariant DeriveArchVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int mode);

void BeginArchProblem(SharedState& s, int mode);
void WriteArchVariant(SharedState& s, int mode);

}  // namespace structural
