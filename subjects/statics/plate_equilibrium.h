#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the plate on six bars: the box figure "kubbp", the answers head, the
/// statement and the book reference.
void BeginPlateEquilibriumProblem(SharedState& s);
/// Variant routine: the plate with its bars, hinges and force, the data and the six bar
/// forces (tension positive) from the plate's six equilibrium equations.
void WritePlateEquilibriumVariant(SharedState& s);

}  // namespace statics
