#pragma once

#include "toolkit/state.h"

namespace toolkit {

/// Maximum flow from vertex 1 to vertex n (n <= 64) of the network whose arcs are the (i, j)
/// with arcs[i][j] = 1 and capacities[i][j] (small non-negative integers): flow[i][j] := the
/// flow on each arc. Saturating paths are found first in a fixed depth-first order, then
/// augmenting paths in the residual network; the optimum found is determined by that order.
void ComputeMaxFlow(int n, const TIntMatrix& capacities, const TIntMatrix& arcs, TIntMatrix& flow);
/// Answers file: the row of the 14-vertex network problem: the printed variant number, the flow into vertex
/// 14, the capacity out of the source (arcs 1 -> 2..5) and into the sink (arcs 10..13 -> 14),
/// four lines.
void AnsWriteFlowRow(Run& r, const TIntMatrix& capacities, const TIntMatrix& flow);

}  // namespace toolkit
