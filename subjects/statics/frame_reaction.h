#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the reactions of a heavy frame on a hinge and an inclined rod: the angle
/// and inclined-hinge boxes, the answers head (six value columns at Level 1, seven above),
/// the statement and the book reference.
void BeginFrameReactionProblem(SharedState& s);
/// Variant routine: the frame of P1..P5 drawn with its forces, couple and supports, the data
/// text and the answers row M_A(Q), M_A(P), [the weights' moment], h, X_A, Y_A, R_H. Throws
/// DegenerateDataError when the reactions fail their own moment check about the rod node.
void WriteFrameReactionVariant(SharedState& s);

}  // namespace statics
