#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the compound structure of three bodies: the statement, the book reference
/// and both answers tables.
void BeginThreeBodyStructureProblem(SharedState& s);
/// Variant routine: three bent bodies hinged at C on one of nine support schemes, loaded by P,
/// Q, F and one or two couples; writes X_A, Y_A, X_B, Y_B, X_E, Y_E, X_D, Y_D (dashes where the
/// scheme has none) and the 2 x 2 equations solved on the way.
void WriteThreeBodyStructureVariant(SharedState& s);

}  // namespace statics
