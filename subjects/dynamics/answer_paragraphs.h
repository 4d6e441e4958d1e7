#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// For rows whose answers are paragraphs: in a problem set the answers stand in one
/// \parbox, which cannot break across pages, so before every `per_box`-th variant after the
/// first the block is closed and the next opened (the split the shell knows). Writes nothing for
/// tickets and colloquium sets, whose answers are not boxed so.
void BreakAnswerParagraphs(SharedState& s, int per_box);

}  // namespace dynamics
