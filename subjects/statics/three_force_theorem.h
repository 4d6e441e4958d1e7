#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the theorem of three forces: the answers head, the statement and the
/// book reference.
void BeginThreeForceTheoremProblem(SharedState& s);
/// Variant routine: one of fifteen schemes (P1) drawn and solved, its data text and the two
/// reactions.
void WriteThreeForceTheoremVariant(SharedState& s);

}  // namespace statics
