#pragma once

#include "subjects/shared_state.h"
#include "subjects/strength/rolled_profiles.h"

namespace strength {

/// One profile of a composite section, in the section axes (cm, cm^2, cm^4).
struct TSectionElement {
  double A = 0;
  double x = 0, y = 0;           ///< centroid
  double Jx = 0, Jy = 0, Jxy = 0;  ///< about the element's own centroidal axes parallel to x, y
};

/// The section's results: area, centroid, central second moments, principal moments and
/// the angle from x to the axis of J_max in degrees.
struct CompositeSectionResult {
  double F = 0, xc = 0, yc = 0;
  double Jx = 0, Jy = 0, Jxy = 0;
  double Jmax = 0, Jmin = 0, alpha = 0;
};

/// The parallel-axis sums and the principal moments of the two elements. alpha is 90 when
/// the product of inertia is negligible and J_y is the larger moment, 0 when it is negligible
/// otherwise.
CompositeSectionResult SolveCompositeSection(const TSectionElement& e1, const TSectionElement& e2);

/// Begin routine: statement with the standards and the answers head.
void BeginCompositeSectionProblem(SharedState& s);
/// Variant routine: the figure of the two profiles with their labels and the answers row.
/// Sets P7 to 1.
void WriteCompositeSectionVariant(SharedState& s, const RolledProfileTables& t);
/// Variant routine over the standards' tables (the tab's row 6).
void WriteCompositeSectionVariant(SharedState& s);

}  // namespace strength
