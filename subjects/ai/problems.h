#pragma once

#include "subjects/shared_state.h"

// The problem types of the Artificial intelligence tab: one Begin/Write pair each, in the files
// named after them.
namespace ai {

}  // namespace ai
