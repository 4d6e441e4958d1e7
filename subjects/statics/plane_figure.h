#pragma once

#include <array>

#include "subjects/shared_state.h"

namespace statics {

/// One plane figure derived from P1..P5: the 13 outline points after the shift that makes the
/// figure touch both axes (figure units, 1 unit = 1 mm), the circular part and the answers
/// (cm, cm^2, cm^4, degrees).
struct PlaneFigureVariant {
  std::array<double, 14> x{}, y{};  ///< points 1..13 (index 0 unused)
  int arc_radius = 0;               ///< radius of the circular part, cm
  double A = 0, xC = 0, yC = 0;     ///< area and centroid
  double Ix = 0, Iy = 0, Ixy = 0;   ///< central moments and product of inertia
  double Imax = 0, Imin = 0;        ///< principal central moments
  double alpha = 0;                 ///< angle from x to the I_max axis, in (-90, 90]
};

/// Derives the figure of p1 (tooth or notch at the right), p2 (circular part), p3 (bottom
/// tooth or notch), p4 (step at the top), p5 (size set).
PlaneFigureVariant DerivePlaneFigureVariant(int p1, int p2, int p3, int p4, int p5);

/// Begin routine: the saved axes, the answers head (long at Level 2), the statement, the book
/// reference.
void BeginPlaneFigureProblem(SharedState& s);
/// Variant routine: the figure on the axes with its marks; one answers line, two at Level 2.
void WritePlaneFigureVariant(SharedState& s);

}  // namespace statics
