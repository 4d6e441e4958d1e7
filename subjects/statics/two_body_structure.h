#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the simple compound structure of two bodies: the statement, the book
/// reference and the answers head.
void BeginTwoBodyStructureProblem(SharedState& s);
/// Variant routine: one of five schemes (P3) whose loads make every reaction whole; the
/// reactions X_A, Y_A, X_B, Y_B, Y_C, M_B with dashes where the scheme has none.
void WriteTwoBodyStructureVariant(SharedState& s);

}  // namespace statics
