#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One frame of the displacement method with a single rigid joint (point 2), derived from
/// P1..P7 (data units: metres, kN; EI of member k = J[k]). Members: 1 left (joint to point 1),
/// 2 right (joint to point 3), 3 the column (joint to point 4). Points 5, 6, 7 are the load
/// points of members 1, 2, 3.
struct OneJointFrameVariant {
  int G = -1;                                    ///< +1 column up, -1 down
  toolkit::IndexedArray<double, 1, 8> X{}, Y{};  ///< points 1..8
  double Q = 0, P = 0, M = 0;
  toolkit::IndexedArray<int, 1, 3> J{}, FarKind{}, LoadKind{};  ///< far: 1 fixed, 2 roller, 3 hinge
  toolkit::IndexedArray<double, 1, 3> L{}, Jd{}, F{}, Signed{};  ///< Jd: joint to load point
  /// Per member: far end, joint end, far side and joint side of the load point.
  toolkit::IndexedArray<double, 1, 3> MpFar{}, MpJoint{}, MpLoadFar{}, MpLoadJoint{};
  toolkit::IndexedArray<double, 1, 3> M1Far{}, M1Joint{}, M1LoadFar{}, M1LoadJoint{};
  toolkit::IndexedArray<double, 1, 3> MFar{}, MJoint{}, MLoadFar{}, MLoadJoint{};
  double R1 = 0, Rp = 0, Z1 = 0;
};

OneJointFrameVariant DeriveOneJointFrameVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                int p7);

void BeginIndeterminateFrameDisplacement2Problem(SharedState& s);
void WriteIndeterminateFrameDisplacement2Variant(SharedState& s);

}  // namespace structural
