#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the simple compound structure of three bodies, I: the book reference, the
/// answers head and the statement.
void BeginThreeBodyStructureIProblem(SharedState& s);
/// Variant routine: the triangle and two bent bars with whole-number loads and reactions
/// X_A, Y_A, X_B, Y_B, X_C.
void WriteThreeBodyStructureIVariant(SharedState& s);

}  // namespace statics
