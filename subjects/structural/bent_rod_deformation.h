#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// A vector of three components on the axes 1, 2, 3.
using BentRodVector = toolkit::IndexedArray<double, 1, 3>;

/// One spatial bent rod derived from P1..P7: four segments parallel to the axes, clamped at
/// point 1, G at point 3 and P at the free end 5 (metres, kN, kN·m).
struct BentRodVariant {
  toolkit::IndexedArray<int, 1, 4> Axis{};       ///< axis 1..3 of segment s
  toolkit::IndexedArray<int, 1, 4> Length{};     ///< L_s, metres
  toolkit::IndexedArray<BentRodVector, 1, 5> R{};  ///< the points, metres
  int PAxis = 0, GAxis = 0;
  double P = 0, G = 0;              ///< magnitudes, kN
  BentRodVector PLoad{}, GLoad{};   ///< the forces as drawn, components on the axes
  /// Moments at the points of all loads beyond them (M) and of P alone (MP), about the point.
  toolkit::IndexedArray<BentRodVector, 1, 5> M{}, MP{};
  double MomentMax = 0;
  toolkit::IndexedArray<double, 1, 4> Share{};  ///< segment s's part of the displacement, m
  double Displacement = 0;  ///< of the free end along P, m
  double Rotation = 0;      ///< of the end section about segment 4's axis, rad
};

/// Bending and torsion stiffness, N·m².
inline constexpr double kBentRodBendingStiffness = 9.8e5;
inline constexpr double kBentRodTorsionStiffness = 7.6e5;

/// Derives and solves one variant by the unit-load method.
BentRodVariant DeriveBentRodVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine of the bent rod: the clamp's savebox, the statement and the second answers
/// head.
void BeginBentRodDeformationProblem(SharedState& s);
/// Variant routine: the figure, the data, the displacements and the moment diagrams.
void WriteBentRodDeformationVariant(SharedState& s);

}  // namespace structural
