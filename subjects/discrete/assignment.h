#pragma once

#include "subjects/shared_state.h"
#include "toolkit/state.h"

namespace discrete {

/// The Hungarian method with unit steps on the n x n costs a (n <= 7): reduces rows and
/// columns, takes a largest set of independent zeros as a maximum flow through GraphMatrix,
/// and shifts a by one unit along Konig's labelling until the set is complete. Returns the
/// iteration that completed it, or 0 when 42 iterations did not; flow holds the last set
/// (row i to column j where flow[1 + i][1 + n + j] = 1).
int SolveAssignmentByZeros(SharedState& s, int n, toolkit::TIntMatrix& a, toolkit::TIntMatrix& flow);

}  // namespace discrete
