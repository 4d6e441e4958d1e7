#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the simple frame on two or three supports: the angle box "ugalf", the
/// statement, the book reference and the answers head.
void BeginSimpleFrameProblem(SharedState& s);
/// Variant routine: one of ten support schemes (P1) with whole-number loads and reactions,
/// reduced by their common factors; the three reactions of the scheme and four dashes.
void WriteSimpleFrameVariant(SharedState& s);

}  // namespace statics
