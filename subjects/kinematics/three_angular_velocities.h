#pragma once

#include "subjects/shared_state.h"

// Three angular velocities (Kinematic row 16): choose the link lengths of a hinged four-bar
// whose three moving links turn at given angular velocities.

namespace kinematics {

/// The short value printed for an angular velocity: Round(w) when |w| > 2, else w to one
/// decimal (halves to the even neighbour).
double RoundAngularVelocity(double w);

/// Row 16: the two crank-angle boxes, the answers head, the statement and the book reference.
void BeginThreeAngularVelocitiesProblem(SharedState& s);
/// Row 16: the four-bar's figure, its rounded angular velocities and the fitted lengths.
void WriteThreeAngularVelocitiesVariant(SharedState& s);

}  // namespace kinematics
