#pragma once

#include "subjects/shared_state.h"

// The problem types of the Algebra tab: one Begin/Write pair per file, named after the type.
namespace algebra {

}  // namespace algebra
