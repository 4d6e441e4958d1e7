#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// Begin routine of the corner, rod and cylinder with rolling friction: the answers head, the
/// statement, the book reference and the angle boxes "UGOLsmall" and "UGOLbig".
void BeginCornerRodCylinderProblem(SharedState& s);
/// Variant routine: one of five scheme families (P1) with whole-number data built from the
/// binary digits of P6, P7 and P2 + P3 + P4; the answers M_min and M_max ("$-\infty$" where
/// no lower limit exists).
void WriteCornerRodCylinderVariant(SharedState& s);

}  // namespace statics
