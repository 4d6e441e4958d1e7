#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the rectangle with a cut-out at its top and one at its bottom, with its
/// core. Lengths in cm, x from the symmetry axis, y from the bottom edge.
struct SectionCoreVariant {
  int B = 0, H = 0, d = 0, g = 0, e = 0, c = 0, G = 0;
  double F = 0, xc = 0, yc = 0;
  double ix2 = 0, iy2 = 0;  ///< squared radii of gyration about the central axes
  double u[5]{}, v[5]{};    ///< core corners 1..4 (left, top, right, bottom side)
};

/// Top cut-out p2 (1..3), bottom cut-out p3 (1..4), p4..p7 the sizes.
SectionCoreVariant DeriveSectionCore(int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine: answers head and statement.
void BeginSectionCoreProblem(SharedState& s);
/// Variant routine: figure, radius box and answers.
void WriteSectionCoreVariant(SharedState& s);

}  // namespace strength
