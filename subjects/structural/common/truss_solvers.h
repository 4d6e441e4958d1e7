#pragma once

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// Digits[1..5] := the binary digits of n, least significant first (zeros above the highest
/// digit); n must not exceed 31 (a larger n throws IndexRangeError).
void ByteToBinaryDigits5(int n, toolkit::IndexedArray<int, 1, 5>& digits);

/// TrussPanelX[1..4] := 0 and panels of 2 m (digit 0) or 4 m (digit 1) from the binary
/// digits of n, which go to TrussPanelDigits; TrussPanelX[5] keeps its value.
void SetTrussPanelOffsets(Mechanics& m, int n);

/// TrussPanelX[1..5] := 0 and the running sums of row `shape` (1..5) of TrussPanelWidthTable.
void SetTrussPanelOffsetsFromTable(Mechanics& m, int shape);

/// Joint equilibrium of the truss of n panels (lower joints 1..n+1, upper joints n+2..2n+2,
/// geometry from TrussPanelExtents and TrussPostHeights, diagonals by TrussPanelBits) with the
/// hinge at TrussSupportNodeB and the roller at TrussSupportNodeA, under NodeLoads at
/// LoadNodes[1..load_count]. Leaves the 4(n+1) unknowns in SystemRhs[i][1] (bar forces
/// tension positive, reactions along +x, +y), TrussUnknownCount and the bar lengths in
/// TrussBarLength. Throws DegenerateDataError for a singular truss.
void SolveTrussByJointsA(Mechanics& m, int panels, int load_count);

/// Joint equilibrium of the three-panel triangular-lattice truss (lower joints 1..4, apex k+4
/// above the middle of panel k at TrussChordY[k]) with the hinge at TrussSupportNodeB and
/// the inclined support at TrussSupportNodeA (TrussSupportSin, TrussSupportCos), under the
/// loads of LoadNodes[1..3] (entries 0 are skipped). Leaves the 14 unknowns in SystemRhs[i][1].
/// Throws DegenerateDataError for a singular truss.
void SolveTrussByJointsB(Mechanics& m);

/// Joint equilibrium of the four-joint truss on points 1..4 (bars 1-2, 2-3, 3-4, 1-3, 2-4),
/// held by a horizontal and a vertical link at joint `node` and a link at joint `a` towards
/// (x_a - dx, y_a - dy); the force (fx, fy) enters the equations of joint `load_node`. Sets the
/// ground points 5..7, leaves the 8 unknowns in SystemRhs[i][1] and the lengths in
/// TrussUnitForceResult. Throws DegenerateDataError for a singular truss.
void SolveTrussByJointsC(SharedState& s, int a, int dx, int dy, int node, int load_node, int fx,
                         int fy);

}  // namespace structural
