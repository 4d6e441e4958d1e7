#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// Begin routine of Dynamics row 3: the statement and the answers head.
void BeginMotionIntegrationProblem(SharedState& s);
/// Variant routine: the table of five problems and the answers row.
void WriteMotionIntegrationVariant(SharedState& s);

}  // namespace dynamics
