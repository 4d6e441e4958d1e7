#pragma once

#include "subjects/shared_state.h"

// Three angular accelerations (Kinematic row 17): a six-point linkage driven by the crank OA or
// BC; the angular velocities and accelerations of its five links.

namespace kinematics {

/// Row 17: the angle boxes, the answers head, the statement and the book reference.
void BeginThreeAngularAccelerationsProblem(SharedState& s);
/// Row 17: the linkage's figure, its data and the five angular velocities and accelerations.
void WriteThreeAngularAccelerationsVariant(SharedState& s);

}  // namespace kinematics
