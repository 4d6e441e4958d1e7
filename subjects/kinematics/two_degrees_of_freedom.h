#pragma once

#include "subjects/shared_state.h"

// Mechanism with two degrees of freedom (Kinematic row 13): a five-bar chain O-A-B-C-F with the
// dyad B-D-E, drawn on a grid; two angular velocities are given, the other four are found.

namespace kinematics {

/// Row 13: the answers head, the statement and the book reference.
void BeginTwoDegreesOfFreedomProblem(SharedState& s);
/// Row 13: the answers row, the figure and the data text; P1 and P2 keep their adjusted values.
void WriteTwoDegreesOfFreedomVariant(SharedState& s);

}  // namespace kinematics
