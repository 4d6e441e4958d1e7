#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the truss with a triangular lattice: the inclined support box, the
/// answers head, the statement and the book reference.
void BeginTriangularLatticeTrussProblem(SharedState& s);
/// Variant routine: the truss of three panels with its loads, supports and dimensions, the
/// data beside it and the reactions and all eleven bar forces in the answers.
void WriteTriangularLatticeTrussVariant(SharedState& s);

}  // namespace statics
