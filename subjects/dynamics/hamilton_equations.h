#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// The printed answer of one mechanism: L, then qdot and pdot in Hamilton's form (LaTeX).
struct HamiltonEquationsAnswer {
  const char* Lagrangian;
  const char* Velocity;
  const char* MomentumRate;
};

/// The answer of mechanism kind (1..10); throws IndexRangeError outside 1..10.
const HamiltonEquationsAnswer& HamiltonEquationsAnswerOf(int kind);

/// Begin routine of Dynamics row 29: the statement and the book reference; no answers table.
void BeginHamiltonEquationsProblem(SharedState& s);
/// Variant routine: the figure and statement of mechanism `kind` (1..10) and its answers
/// paragraph; the other arguments are not used.
void WriteHamiltonEquationsVariant(SharedState& s, int kind, int b, int c, int d, int e, int f);

}  // namespace dynamics
