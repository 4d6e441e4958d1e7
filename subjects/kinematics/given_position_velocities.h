#pragma once

#include <array>

#include "subjects/shared_state.h"

// A five-link mechanism drawn in one position with its joints on a grid of 3-4-5 triangles and
// 45-degree diagonals (Kinematic row 11): the crank's angular velocity is given, the other
// links' are whole numbers.

namespace kinematics {

struct GivenPositionVelocitiesData {
  int scheme = 1;  ///< P7
  int points = 7;  ///< 7, or 6 in scheme 3
  /// Points 1..7 (index 0 unused) in cm before the figure is fitted. Schemes 1, 2, 4: O, A, B,
  /// C, F, D, E; scheme 3: O, A, B, C, D, E; scheme 5: O, A, B, C, E, F, D.
  std::array<int, 8> x{}, y{};
  /// The reduced angular velocities W1..W5: the crank's, then by scheme
  /// 1: ABF, BC, DF, DE; 2: AB, BCF, DF, DE; 3: AB, BC, DB, DE; 4: ABF, BC, DF, DE;
  /// 5: AB, BCF, CE, DF.
  std::array<int, 5> w{};
  /// The dimensions of schemes 1 to 3.
  int s1 = 0, s2 = 0, s3 = 0, s4 = 0, s5 = 0;
  bool beta45 = true;  ///< scheme 3: the angle beta is 45 degrees
  int p2 = 0, p5 = 0;  ///< P2 and P5 as the figures read them
  /// Scheme 4: OA, BC, BF, DE and the signs of D from F and of E from D.
  int m1 = 0, m2 = 0, bf = 0, q = 0, sx = 0, sy = 0, tau = 0;
  /// Scheme 5: AB, DF, CE and the two sign pairs.
  int u = 0, r = 0, t = 0, s1a = 0, s1b = 0, s2a = 0, s2b = 0;
};

/// The variant of row 11 for P1..P7.
GivenPositionVelocitiesData DeriveGivenPositionVelocities(int p1, int p2, int p3, int p4, int p5,
                                                         int p6, int p7);

/// Row 11: answers head, statement and book reference.
void BeginGivenPositionVelocitiesProblem(SharedState& s);
/// Row 11: the answers row, the figure and the data text.
void WriteGivenPositionVelocitiesVariant(SharedState& s);

}  // namespace kinematics
