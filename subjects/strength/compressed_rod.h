#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// The length factor mu of the end-fixing schemes 1..5 of a compressed rod: clamped and held
/// against rotation at the top (0.5), clamped and pinned (0.7), pinned at both ends (1.0),
/// clamped and free (2.0), pinned and held against rotation (0.7).
extern const toolkit::IndexedArray<double, 1, 5> LengthFactorTable;

/// The vertical rod of scheme k (1..5) with its supports, the force P from above and the
/// length l, relative to the caller's origin (the rod's lower end).
void DrawCompressedRodScheme(SharedState& s, int k);

}  // namespace strength
