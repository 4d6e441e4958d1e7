#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the compound frame under distributed force: the 30-degree angle marks, the
/// statement, the book reference and both answers tables.
void BeginDistributedLoadFrameProblem(SharedState& s);
/// Variant routine: frame ABC hinged at C to the arc-and-bar body CDE, a triangular load q1 on
/// AB and a radial load q2 on the arc; writes X_A, Y_A, Y_D, X_E, Y_E and the clamp moment
/// (dashes where the supports have none) and the equations that give them.
void WriteDistributedLoadFrameVariant(SharedState& s);

}  // namespace statics
