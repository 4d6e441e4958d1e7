#pragma once

#include <array>

#include "subjects/shared_state.h"

// A crank mechanism drawn in one position whose crank turns at a constant, given rate
// (Kinematic row 12): a hinged four-bar, two rods with sliders in series, or two rods from the
// crank's end to two sliders. The angular velocities and accelerations are whole numbers.

namespace kinematics {

struct GivenPositionAccelerationsData {
  int scheme = 1;  ///< P3: 1 four-bar, 2 sliders in series, 3 forked sliders
  /// Points O, A, B, C (index 0 unused) in cm; A at the origin.
  std::array<int, 5> x{}, y{};
  int w = 0;  ///< the crank's angular velocity, counter-clockwise positive
  /// Angular velocities (signed) and accelerations (as the program's formulas give them) of
  /// the two links: AB and BC in schemes 1 and 2, AB and AC in scheme 3.
  int omega1 = 0, omega2 = 0, eps1 = 0, eps2 = 0;
  /// Printed lengths and the text's choices.
  int oa = 0, ab = 0, bc = 0;
  int p1 = 1, p2 = 1, p4 = 1, p7 = 1;
  int g = 0, h = 0;  ///< tan(alpha) = g / h of the four-bar (P1 = 1: q / p)
  int e1 = 0, e2 = 0;
};

/// The variant of row 12 for P1..P7.
GivenPositionAccelerationsData DeriveGivenPositionAccelerations(int p1, int p2, int p3, int p4,
                                                               int p5, int p6, int p7);

/// Row 12: answers head, statement and book reference.
void BeginGivenPositionAccelerationsProblem(SharedState& s);
/// Row 12: the figure, the data text and the answers row.
void WriteGivenPositionAccelerationsVariant(SharedState& s);

}  // namespace kinematics
