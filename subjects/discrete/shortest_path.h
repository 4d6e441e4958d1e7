#pragma once

#include "subjects/shared_state.h"
#include "toolkit/state.h"

namespace discrete {

/// Dijkstra's method from s to t over the arcs i -> j of w[1..n][1..n] (10000: no arc); equal
/// distances are settled in increasing number. Writes " & ", the path from t back to s, "& "
/// its length and "& " the settling order into the answers file. The loop settles at most n
/// vertices; a target that cannot be reached gets dashes in the three cells.
void ShortestPathDijkstra(SharedState& st, const toolkit::TIntMatrix& w, int s, int t, int n);

}  // namespace discrete
