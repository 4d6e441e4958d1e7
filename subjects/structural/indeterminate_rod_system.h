#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// The anchor point (4..13) of rod choice c (1..30).
int RodAnchorOfChoice(int c);
/// The bar point (1..3) of rod choice c (1..30).
int RodBarPointOfChoice(int c);

/// One rod-system variant derived from P1..P7: its three rod choices, heights, widths, load,
/// the 15 points in data units and the rod forces N1..N3 (kN, tension positive).
struct RodSystemVariant {
  toolkit::IndexedArray<int, 1, 3> Choice{};
  int H = 0, h0 = 0, e = 0;
  int w1 = 0, w2 = 0, w3 = 0, w4 = 0, W = 0;
  double P = 0;  ///< kN, signed along x
  toolkit::IndexedArray<double, 1, 15> X{}, Y{};
  toolkit::IndexedArray<double, 1, 3> N{};
};

/// Derives the data of one variant and solves it by the force method (redundants N1, N2).
/// Throws DegenerateDataError when the third rod has no arm about the hinge or the canonical
/// system is singular.
RodSystemVariant DeriveRodSystemVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine of the statically indeterminate rod system: box width, answers table and
/// the common statement.
void BeginIndeterminateRodSystemProblem(SharedState& s);
/// Variant routine: data from P1..P7, the solution, the figure, the load line and the answers
/// row.
void WriteIndeterminateRodSystemVariant(SharedState& s);

}  // namespace structural
