#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One frame of three columns and a two-span girder, solved by the displacement method with
/// the rigid joint's rotation Z1 and the girder's sway Z2 (metres, kN, EI = 1). Member k = 1..3
/// is column k from support k (its first end) to joint k + 3; member 4 runs from joint 5 to
/// joint 4 and member 5 from joint 6 to joint 5; point j + 6 is member j's load point.
struct FrameDisplacementVariant {
  int q = 0, P = 0, m = 0;                          ///< magnitudes
  toolkit::IndexedArray<int, 1, 3> LoadSign{};      ///< t1, t2, t3 of q, P, m
  int QMember = 0, PMember = 0, MMember = 0;        ///< the three loaded members, all different
  toolkit::IndexedArray<int, 1, 3> Rises{};         ///< d_k: 1 when column k rises above the girder
  toolkit::IndexedArray<double, 1, 11> X{}, Y{};    ///< unscaled points
  toolkit::IndexedArray<int, 1, 6> Kind{};          ///< 1 rigid, 2 hinge
  toolkit::IndexedArray<int, 1, 5> First{}, Second{};
  toolkit::IndexedArray<int, 1, 5> Length{}, Orientation{}, LoadKind{};
  toolkit::IndexedArray<double, 1, 5> LoadDistance{};  ///< a_j from the first end
  /// End values by member: [0] load state, [1] unit rotation, [2] unit sway, [3] final.
  toolkit::IndexedArray<double, 1, 5> M1[4]{}, M2[4]{}, V1[4]{}, V2[4]{};
  double r11 = 0, r12 = 0, r22 = 0, R1p = 0, R2p = 0, Z1 = 0, Z2 = 0;
  toolkit::IndexedArray<double, 1, 3> RM{}, RX{}, RY{};  ///< reactions of A, B, C
  double Residual = 0;  ///< moment of all forces about (1, 1)
};

/// Derives and solves one variant. Throws DegenerateDataError when the canonical system is
/// singular or the frame's equilibrium check fails.
FrameDisplacementVariant DeriveFrameDisplacementVariant(int p1, int p2, int p3, int p4, int p5,
                                                        int p6, int p7);

/// Begin routine: box width, answers heads and the statement.
void BeginFrameDisplacementMethodProblem(SharedState& s);
/// Variant routine: the frame, its loads, the data line and the answers rows.
void WriteFrameDisplacementMethodVariant(SharedState& s);

}  // namespace structural
