#pragma once

#include <array>

#include "subjects/shared_state.h"

// The linkage driven by a crank OA that ends on a disk rolling on a horizontal ground, drawn in
// one position with every joint on integer coordinates. Mode 1 is Kinematic row 14 (the angular
// velocities for the crank's), mode 2 Dynamics row 34 (the force F at A that balances two
// moments M1, M2).

namespace kinematics {

/// The Dynamics tab's mode of the rolling-disk family (row 34).
inline constexpr int kRollingDiskStaticsMode = 2;

struct RollingDiskData {
  int scheme = 1;
  int p2 = 1, p3 = 1, p4 = 1;  ///< P2, P3, P4 as the variant leaves them
  /// Points 1..8 (index 0 unused) in cm before the figure is fitted: joints on integers.
  /// Point 1 is O, point 2 is A at the origin; the others by scheme (see the .cpp).
  std::array<double, 9> x{}, y{};
  int cx = 0, cy = 0;  ///< the disk's centre
  int a = 0;           ///< the disk's radius R
  /// Crank direction, lengths and the values of the scheme the text prints.
  int dx = 0, dy = 0, s = 0, k = 0, L = 0, b = 0, c = 0, g = 0, n = 0, e = 0, f = 0;
  bool diagonal = false;  ///< the crank runs at 45 degrees
  /// The reduced angular velocities: w[0] the crank's, then the scheme's four links.
  std::array<int, 5> w{};
  int E = 0, Q = 0;            ///< mode 2 multipliers
  int M1 = 0, M2 = 0, F = 0;   ///< mode 2 moments and the force
};

/// The variant for P1..P7 (read before any replacement is written back).
RollingDiskData DeriveRollingDisk(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Once per document: statement and answers head of `mode` (1 or 2), the ground box.
void BeginRollingDiskMechanismProblem(SharedState& s, int mode);
/// One variant in `mode`: the answers row, the figure and the data text; writes P2, P3 and P4
/// back as the scheme replaces them.
void WriteRollingDiskMechanismVariant(SharedState& s, int mode);

}  // namespace kinematics
