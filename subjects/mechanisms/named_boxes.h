#pragma once

#include <string_view>

#include "figures/figure_state.h"

namespace mechanisms {

/// Puts the savebox box1 at point a when kind = 1, box2 at point b when kind = 2, nothing
/// for any other kind; names longer than 35 characters are cut to 35.
void PutNamedBoxByKind(figures::Figure& f, int kind, int a, int b, std::string_view box1,
                       std::string_view box2);

}  // namespace mechanisms
