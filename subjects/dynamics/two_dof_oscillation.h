#pragma once

#include <array>

#include "subjects/shared_state.h"

namespace dynamics {

/// The system of one two-degree-of-freedom variant (rows 14 above Level 1, 17, 18, 19) and its
/// answers. Index 1 is the left side, 2 the right one; bodies 1..6 are the left and right
/// fixed cylinders, the middle pulley, the left and right loads and the middle block.
struct TwoDofSystem {
  int row = 0;
  int p1 = 0, p4 = 0;                     ///< P1 and P4 as the variant leaves them
  std::array<int, 3> arrangement{};       ///< [1], [2]: arrangements of the sides
  std::array<double, 7> bodyMass{};       ///< [1..6]
  std::array<int, 4> sideMass{};          ///< [1..3]: left, middle, right body
  std::array<char, 4> letter{};           ///< [1..3]
  std::array<double, 3> K{}, G{}, f{}, d{};
  std::array<double, 3> c{};              ///< stiffnesses, N/m
  int k = 1;                              ///< the spring given by the data
  double axx = 0, axs = 0, ass = 0, Q1 = 0, Q2 = 0, WA = 0;
  double omega = 0;                       ///< row 17
  double omega1 = 0, omega2 = 0;          ///< rows 18 (larger first) and 19 (ascending)
  std::array<double, 3> limits{};         ///< row 19, ascending
};

/// The system of row 14, 17, 18 or 19 for P1..P5 (P1 = 6 reads as 1).
TwoDofSystem DeriveTwoDofSystem(int row, int p1, int p2, int p3, int p4, int p5);

/// Begin routine of rows 14 (above Level 1), 17, 18 and 19.
void BeginTwoDofOscillationProblem(SharedState& s, int row);
/// Variant routine: the figure, the answers row and the data text; leaves P1 and P4 as the
/// variant read them.
void WriteTwoDofOscillationVariant(SharedState& s, int row);

}  // namespace dynamics
