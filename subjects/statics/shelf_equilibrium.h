#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the shelf on a spherical bearing, two rods and a strut (every Level): the
/// rod boxes "nstt" and "upstt", the answers head, the statement and the book reference.
void BeginShelfEquilibriumProblem(SharedState& s);
/// Variant routine of Levels 2..10: the shelf from the box tables, the six reactions from the
/// shelf's six equilibrium equations.
void WriteShelfEquilibriumVariant(SharedState& s);
/// Variant routine of Level 1: whole-number data and whole-number reactions.
void WriteSimpleShelfVariant(SharedState& s);

}  // namespace statics
