#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the compound rectangular frame (mode 8, the only one the Statics list
/// uses): box sizes, both answers tables with the head of the first, the statement and the
/// book reference.
void BeginCompoundRectFrameProblem(SharedState& s, int mode);
/// Variant routine: the two-part frame of layout P1 (P2 the side of B) joined at C by a hinge
/// or a sliding attachment, on the supports of scheme P4 with the loads of P3; the figure
/// stretched to its box with its dimension chains, the data, the reactions X_A, Y_A, X_B, Y_B,
/// X_D, Y_D, M_B (dashes where the scheme has none) and the equations or formulas used.
void WriteCompoundRectFrameVariant(SharedState& s, int mode);

}  // namespace statics
