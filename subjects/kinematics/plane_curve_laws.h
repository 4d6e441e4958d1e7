#pragma once

#include "subjects/shared_state.h"

namespace kinematics {

/// Writes the law x(t), y(t) of plane-curve kind P1 (1..23; after " $x = " in the main file),
/// sets t1 (LawFrequency, T1Text) and PointVx, PointVy, PointAx, PointAy at t1. May change P4
/// (the instant) and P2 (kind 23). Any other kind writes and sets nothing.
void WritePlaneCurveLaw(SharedState& s);

}  // namespace kinematics
