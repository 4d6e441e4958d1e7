#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// The data of one spring chain, derived from P1..P7: the scheme, the six stiffnesses and
/// the signed values of the forces F, P and Q (each scheme uses some of them).
struct FiniteElementChainData {
  int Scheme = 1;
  toolkit::IndexedArray<int, 1, 6> k{};
  int F = 0, P = 0, Q = 0;
};

/// Stiffnesses and forces of one variant.
FiniteElementChainData DeriveFiniteElementChainData(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7);

/// Begin routine of the spring chain: box width, answers head and the statement.
void BeginFiniteElementChainProblem(SharedState& s);
/// Variant routine: the scheme's figure, the stiffness matrix, the data text and u2..u5.
void WriteFiniteElementChainVariant(SharedState& s);

}  // namespace structural
