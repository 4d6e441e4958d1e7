#pragma once

#include <string_view>

#include "figures/figure_state.h"

namespace mechanisms {

/// Puts a savebox chosen by an option value: kind 1 puts box1 at point a, kind 2 puts box2 at
/// point b, any other kind writes nothing. Names longer than 35 characters are cut to 35.
void PutNamedBoxByKind(figures::Figure& f, int kind, int a, int b, std::string_view box1,
                       std::string_view box2);

}  // namespace mechanisms
