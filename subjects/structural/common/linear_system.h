#pragma once

#include <string_view>

#include "subjects/structural/common/mechanics_state.h"

namespace structural {

/// Sets columns 1..n of rows 1..n of SystemMatrix and all six columns of rows 1..n of
/// SystemRhs to zero; everything else keeps its contents. n = 0 does nothing.
void ClearLinearSystem(Mechanics& m, int n);

/// Solves SystemMatrix(n x n) . X = SystemRhs(columns 1..rhs) in place by Gaussian elimination
/// with partial pivoting; the unknowns replace the right-hand sides and the matrix is left
/// upper-triangular. Throws toolkit::DegenerateDataError, naming `system` (or "linear system"),
/// when a pivot is at most 1e-9 times the first one, the first pivot is zero, the last pivot is
/// zero while right-hand sides are to be solved, or a value is not finite.
void SolveLinearSystem(Mechanics& m, int n, int rhs, std::string_view system = {});

}  // namespace structural
