#pragma once

#include <vector>

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace statics {

/// One variant of the simple plane truss, derived from P1..P6: the topology, its nodes (metres,
/// node 1 = A at the origin), bars, supports, the two loads P, the marked bars and the answers.
struct SimpleTrussVariant {
  int topology = 0;                           ///< 1..5
  int nodes = 0;                              ///< node count
  toolkit::IndexedArray<int, 1, 9> x{}, y{};  ///< node coordinates (point 9: topology 5's extent)
  std::vector<std::pair<int, int>> bars;      ///< bar k (1-based) is bars[k - 1]
  int B = 0;                                  ///< node of the second support
  bool roller = false;                        ///< B carries a vertical reaction only
  int rod1 = 0, rod2 = 0;                     ///< the marked bars (bar numbers)
  int P0 = 0;                                 ///< the force scale that makes every answer whole
  int load1_node = 0, load3_node = 0;         ///< nodes of the two loads
  int load1_x = 0, load1_y = 0;               ///< unit components of the loads
  int load3_x = 0, load3_y = 0;
  int P = 0;                                           ///< P0 after the reduction
  int XA = 0, YA = 0, XB = 0, YB = 0, S1 = 0, S2 = 0;  ///< reduced answers
};

/// Derives a variant: its geometry, the exact joint solution with P = P0 and the reduction by
/// the common factors 2, 3, 5, 7 and 11. Throws DegenerateDataError should a reaction or a
/// marked bar force not come out whole.
SimpleTrussVariant DeriveSimpleTrussVariant(int p1, int p2, int p3, int p4, int p5, int p6);

/// Begin routine of the simple plane truss: statement, answers head and the book reference.
void BeginSimpleTrussProblem(SharedState& s);
/// Variant routine: the truss with its dimensions, loads and marked bars, the answers line and
/// the value of P.
void WriteSimpleTrussVariant(SharedState& s);

}  // namespace statics
