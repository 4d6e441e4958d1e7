#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the static invariants of three forces: the answers head, the statement
/// and the book reference.
void BeginStaticInvariantsProblem(SharedState& s);
/// Variant routine: three points and three forces (whole numbers, no figure) and one answers
/// line with the main vector, its length, the main moment and the scalar invariant.
void WriteStaticInvariantsVariant(SharedState& s);

}  // namespace statics
