#pragma once

#include <string>

#include "subjects/shared_state.h"

namespace dynamics {

/// The decimal digits of b, and the empty text for b = 1 (so that it reads "m", "2m", "3m").
std::string CoefficientText(int b);

/// Begin routine of the Routh function row: the common statement and a three-column answers
/// table without a heading row.
void BeginRouthFunctionProblem(SharedState& s);
/// Variant routine: mechanism P1 (1..12) with sub-variant P2..P4 and mass ratio P5 + P6 - 1;
/// its figure, statement and the Routh function as the answer cell. Mechanism 1 rewrites
/// P2 or P4 of the current variant for the two layouts it does not draw.
void WriteRouthFunctionVariant(SharedState& s);

}  // namespace dynamics
