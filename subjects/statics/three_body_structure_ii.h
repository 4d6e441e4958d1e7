#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the simple compound structure of three bodies, II: the book reference,
/// the answers head and the statement.
void BeginThreeBodyStructureIIProblem(SharedState& s);
/// Variant routine: three bent bodies on one hinge with rod 1 between two of them, whole-number
/// loads, reactions X_A, Y_A, R_B, R_C and the rod force S.
void WriteThreeBodyStructureIIVariant(SharedState& s);

}  // namespace statics
