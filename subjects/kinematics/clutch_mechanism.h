#pragma once

#include "subjects/shared_state.h"

// Mechanism with a clutch (Kinematic row 21): a crank-driven four-bar or slider-crank with a
// sleeve sliding along a guide rod; the sleeve's velocity relative to its guide.

namespace kinematics {

/// Row 21: the crank-angle boxes, both answers heads, the statement and the book reference.
void BeginClutchMechanismProblem(SharedState& s);
/// Row 21: the figure, the data text and a row in each answers table.
void WriteClutchMechanismVariant(SharedState& s);

}  // namespace kinematics
