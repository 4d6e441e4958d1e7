#pragma once

#include "toolkit/state.h"

namespace figures {

/// The figure library's part of the program-wide state (point set and drawing state),
/// on top of the toolkit's part, whose main file the drawing routines write.
struct Figure : toolkit::Run {};

}  // namespace figures
