#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the truss column: layout, statement, the three base boxes, the answers
/// head and the book reference.
void BeginTrussColumnProblem(SharedState& s);
/// Variant routine: the four-panel truss with its loads, supports and numbered rods, the data
/// and the reactions and forces of rods 1-5 in the answers.
void WriteTrussColumnVariant(SharedState& s);

}  // namespace statics
