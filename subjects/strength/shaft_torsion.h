#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the cantilever shaft of three segments, derived from P1..P7.
struct ShaftTorsionVariant {
  int Shape = 3;  ///< 1: hollow, solid, solid; 2: hollow, hollow, solid; 3: three solid
  toolkit::IndexedArray<int, 1, 3> M{};     ///< kNm at the section marks 2..4, signed
  toolkit::IndexedArray<double, 1, 3> l{};  ///< m
  toolkit::IndexedArray<int, 1, 3> D{};     ///< cm, the three diameters of the shape
  toolkit::IndexedArray<int, 1, 3> Outer{};  ///< cm, outer diameter of each segment
  toolkit::IndexedArray<int, 1, 3> Bore{};   ///< cm, bore of each segment (0: solid)
  toolkit::IndexedArray<double, 1, 3> phi{};  ///< rad, twist at the section marks 2..4
  toolkit::IndexedArray<double, 1, 3> tau{};  ///< MPa, surface shear stress of each segment
};

/// Derives and solves one variant (G = 80 GPa).
ShaftTorsionVariant DeriveShaftTorsion(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine: dimension and wall box, answers head, statement.
void BeginShaftTorsionProblem(SharedState& s);
/// Variant routine: figure, data text and answers row.
void WriteShaftTorsionVariant(SharedState& s);

}  // namespace strength
