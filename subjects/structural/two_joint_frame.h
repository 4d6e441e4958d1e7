#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One frame of the displacement method with two rigid joints, derived from P1..P7 (data
/// units: metres, kN; EI = 1). Members: 1 the bar (its joint to point 3, support A), 2 column
/// 1 (joint 1 to point 4, support B), 3 column 2 (joint 2 to point 5, support C), 4 the beam
/// (joint 1 to joint 2).
struct TwoJointFrameVariant {
  int BarJoint = 1;                                 ///< 1 or 2
  toolkit::IndexedArray<bool, 1, 2> ColumnUp{};     ///< columns 1 and 2 point upward
  toolkit::IndexedArray<double, 1, 9> X{}, Y{};     ///< points 1..9
  double Q = 0, P = 0, M = 0;
  toolkit::IndexedArray<int, 1, 4> LoadKind{};      ///< 0 none, 1 uniform, 2 couple, 3 force
  toolkit::IndexedArray<int, 1, 4> Sign{};
  toolkit::IndexedArray<int, 1, 4> FarKind{};       ///< 1 fixed, 2 hinged
  toolkit::IndexedArray<double, 1, 4> L{}, A{}, B{};
  toolkit::IndexedArray<double, 1, 4> EFar{}, EJoint{}, MFar{}, MJoint{}, C{};
  toolkit::IndexedArray<double, 1, 4> Resultant{}, ResultantAt{};  ///< V or H and its place
  double R11 = 0, R12 = 0, R22 = 0, R1p = 0, R2p = 0, Z1 = 0, Z2 = 0;
  /// Reactions of A, B, C (index 1..3): X right, Y up, M (0 at a hinge).
  toolkit::IndexedArray<double, 1, 3> RX{}, RY{}, RM{};
  double Residual = 0;  ///< moment of every force and couple about (1, 1)
};

TwoJointFrameVariant DeriveTwoJointFrameVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                int p7);

void BeginIndeterminateFrameDisplacement1Problem(SharedState& s);
void WriteIndeterminateFrameDisplacement1Variant(SharedState& s);

}  // namespace structural
