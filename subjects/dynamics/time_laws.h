#pragma once

#include <string>

namespace dynamics {

/// The LaTeX text of time law k (1..20) written in the variable `letter`, a fragment for the
/// caller's math mode (some laws leave and re-enter it around "+"); for any other k returns
/// `unchanged`.
std::string TimeLawText(int k, char letter, std::string unchanged = {});

/// The integral of law k from 0 to t in closed form; every k outside 1..19 takes law 20,
/// whose integral needs t > 0 (throws DegenerateDataError otherwise).
double TimeLawIntegral(int k, double t);

}  // namespace dynamics
