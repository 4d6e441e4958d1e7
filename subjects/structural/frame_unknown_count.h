#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One multi-storey frame of the unknown-count problem, derived from P1..P7: a grid of
/// Columns x Rows nodes, row 1 clamped to the ground, numbered row by row from the bottom.
struct FrameUnknownCountVariant {
  int Columns = 0, Rows = 0;
  toolkit::IndexedArray<bool, 1, 40> Hinged{};  ///< grid nodes with a hinge
  int HingeCount = 0;
  int LeftNode = 0, RightNode = 0;  ///< nodes of the side bars, 0 when there is none
  int LeftStorey = 0, RightStorey = 0;  ///< b and t
  int RemovedSegment = 0;  ///< the column segment taken out, 0 when none
  int SideBars = 0;
  int Linear = 0, NodeRotations = 0, Total = 0, Redundants = 0;
};

FrameUnknownCountVariant DeriveFrameUnknownCountVariant(int p4, int p5, int p6, int p7);

void BeginFrameUnknownCountProblem(SharedState& s);
void WriteFrameUnknownCountVariant(SharedState& s);

}  // namespace structural
