#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of two cylinders joined by a rod, the second with rolling friction: the
/// answers head, the statement and the book reference.
void BeginTwoCylinderFrictionProblem(SharedState& s);
/// Variant routine: one of ten support schemes (P1); the data line and, in the answers, N1, N2
/// and M for the two limiting cases of cylinder 2.
void WriteTwoCylinderFrictionVariant(SharedState& s);

}  // namespace statics
