#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// Begin routine of Dynamics row 13 (Lagrange equation, acceleration at a given position): the
/// box width and the answers head; no common statement.
void BeginLagrangeAccelerationProblem(SharedState& s);
/// Variant routine of Dynamics row 13: one of five mechanisms by P1 (1 piston, rod and block;
/// 2 inclined press; 3 disk and sleeve; 4 disk on two rods; any other value the rhombus with a
/// coulisse), its statement, figure and answers row.
void WriteLagrangeAccelerationVariant(SharedState& s);

}  // namespace dynamics
