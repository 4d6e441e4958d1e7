#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// One variant of two cylinders rolling between walls and joined by springs, derived from
/// P1..P7: masses, radii, spring heights, the coefficients of 2T and 2Π in the centre
/// displacements x, s, the frequencies and the integer frequency equation.
struct CylinderSpringVariant {
  int mA = 0, mB = 0, c = 0;      ///< kg, kg, N/m
  int rA = 0, rB = 0;             ///< radii (picture units)
  int y1 = 0, y2 = 0, y3 = 0;     ///< spring heights: left, middle, right
  bool left_spring = true;        ///< false when P1 = 3
  double x1 = 0, x2 = 0, x3 = 0;  ///< centres of A, B and the right wall
  double axx = 0, ass = 0, cxx = 0, cxs = 0, css = 0;
  double omega1 = 0, omega2 = 0;
  int a = 0, b = 0, e = 0;  ///< a w^4 - b w^2 + e = 0, reduced
};

/// The gap left beside each wall and the length of the spring savebox.
inline constexpr int kSpringGap = 18;

CylinderSpringVariant DeriveCylinderSpringVariant(int p1, int p2, int p3, int p4, int p6, int p7);

/// Begin routine of Dynamics row 20: statement, answers head and the book reference.
void BeginCylinderSpringOscillationProblem(SharedState& s);
/// Variant routine: data, figure and the answers row.
void WriteCylinderSpringOscillationVariant(SharedState& s);

}  // namespace dynamics
