#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// Begin routine of Dynamics row 32: the statement and a 14-column answers table (no heading).
void BeginLagrangeGivenEnergyProblem(SharedState& s);
/// Variant routine: T = xdot^2 M(x), Q, x and xdot; the acceleration from the Lagrange
/// equation in the answers row ("-" when M(x) = 0, which the bounds never give).
void WriteLagrangeGivenEnergyVariant(SharedState& s);

}  // namespace dynamics
