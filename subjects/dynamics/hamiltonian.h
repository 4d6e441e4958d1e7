#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// Begin routine of Dynamics row 28: the statement, the book reference and the answers head.
void BeginHamiltonianProblem(SharedState& s);
/// Variant routine: the Lagrangian of kind `kind` (1..10) with coefficients from a, b, d, f and
/// P7 (e is not used), its Hamiltonian in the answers row.
void WriteHamiltonianVariant(SharedState& s, int kind, int a, int b, int d, int e, int f);

}  // namespace dynamics
