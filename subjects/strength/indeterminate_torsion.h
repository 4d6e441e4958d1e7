#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the shaft of four solid segments clamped at both ends, derived from
/// P1..P7. The fourth diameter is 0.09 m in every variant.
struct IndeterminateTorsionVariant {
  toolkit::IndexedArray<int, 1, 3> M{};     ///< kNm on sections 1..3, signed
  toolkit::IndexedArray<int, 1, 4> L{};     ///< m
  toolkit::IndexedArray<double, 1, 4> D{};  ///< m
  toolkit::IndexedArray<double, 1, 5> X{};  ///< picture abscissae of the section marks
  double MA = 0;                            ///< Nm, reaction moment of the left clamp
  toolkit::IndexedArray<double, 1, 3> phi{};  ///< rad, twist of sections 1..3
};

/// Derives and solves one variant (G = 80 GPa).
IndeterminateTorsionVariant DeriveIndeterminateTorsion(int p1, int p2, int p3, int p4, int p5,
                                                       int p6, int p7);

/// Begin routine: dimension and wall box, answers head, statement.
void BeginIndeterminateTorsionProblem(SharedState& s);
/// Variant routine: figure, data text and answers rows.
void WriteIndeterminateTorsionVariant(SharedState& s);

}  // namespace strength
