#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One frame of five members solved by the method of forces, derived from P1..P7 (metres,
/// kN, EJ = 1). Moments are counter-clockwise positive.
struct FrameForceMethodVariant {
  int Scheme = 1;
  toolkit::IndexedArray<int, 1, 5> Dir{};         ///< direction code of member k
  toolkit::IndexedArray<double, 1, 5> Length{};
  toolkit::IndexedArray<double, 1, 6> X{}, Y{};   ///< the points
  int LoadedMember = 1;                           ///< k_q
  double F1 = 0, F2 = 0, Q = 0;                   ///< signed
  toolkit::IndexedArray<bool, 1, 2> ForceHorizontal{};
  toolkit::IndexedArray<int, 1, 2> ForcePoint{}, ForceSide{};
  int RollerPoint = 0;                            ///< D (schemes 6 and 7), else 0
  toolkit::IndexedArray<double, 1, 6> MP{}, M1{}, M2{};  ///< node moments of the three states
  double D11 = 0, D12 = 0, D22 = 0, Delta1 = 0, Delta2 = 0;
  double XA = 0, YA = 0, MA = 0, XB = 0, YB = 0, YD = 0;
};

FrameForceMethodVariant DeriveFrameForceMethodVariant(int p1, int p2, int p3, int p4, int p5,
                                                      int p6, int p7);

void BeginIndeterminateFrameForceMethodProblem(SharedState& s);
void WriteIndeterminateFrameForceMethodVariant(SharedState& s);

}  // namespace structural
