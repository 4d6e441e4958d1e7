#pragma once

#include <array>

#include "subjects/shared_state.h"

// The linkage with a rolling disk drawn in an arbitrary position (Kinematic row 15): what a
// variant shows, derived from the parameters alone.

namespace kinematics {

struct ArbitraryPositionData {
  int type = 1;  ///< 1 and 2: four-bar with the disk on AD; 3: triangle BDE, disk at E
  int p2 = 1;    ///< P2 as the variant leaves it
  int s4 = -1, s5 = -1, s6 = -1;
  /// Points 1..8 (index 0 unused), integer coordinates before the figure is fitted.
  /// Types 1/2: O, A, B, C, D, contact, 7, 8. Type 3: C, B, E, contact, D, A, O, (0, 0).
  std::array<int, 9> x{}, y{};
  /// The reduced answers: types 1/2 w_OA, w_AB, w_BC, w_AD, v_Dx; type 3 w_BC, w_BD, v_Ex,
  /// w_AD, w_OA.
  std::array<int, 5> w{};
  int given = 1;  ///< P7: 1 w_OA, 2 w_BC, 3 the disk centre's speed
  int given_value = 0;
  int oa = 0, ab = 0, bc = 0, ad = 0, de = 0;  ///< printed lengths (ab for types 1/2, de for 3)
  int xc = 0, yc = 0, yd = 0;                  ///< C and the disk axis relative to O
};

/// The variant of row 15 for P1..P7 (P2 as read, before it is written back).
ArbitraryPositionData DeriveArbitraryPosition(int p1, int p2, int p3, int p4, int p5, int p6,
                                              int p7);

/// Row 15: statement, answers head, the ground box.
void BeginArbitraryPositionProblem(SharedState& s);
/// Row 15: the figure, the data text and one answers row.
void WriteArbitraryPositionVariant(SharedState& s);

}  // namespace kinematics
