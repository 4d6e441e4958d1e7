#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the compound structure of two bodies hinged at C: the angle boxes, both
/// answers tables (the second without a head) and the statement.
void BeginCompoundStructureProblem(SharedState& s);
/// Variant routine: the heavy frame of P1..P5 cut at C, on two hinges, a hinge, a roller and a
/// rod OL, or a clamp and a roller (P4); the reactions X_A, Y_A, X_E, Y_E, S_OL, M into the
/// answers file (dashes where the scheme has none) and the equations into the second one.
void WriteCompoundStructureVariant(SharedState& s);

}  // namespace statics
