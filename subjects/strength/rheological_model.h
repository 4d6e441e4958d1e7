#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the rheological model problem, derived from P1..P5: the model (1..10),
/// its four values and the coefficients of A2 s'' + A1 s' + A0 s = B2 e'' + B1 e' + B0 e.
struct RheologicalModelVariant {
  int Model = 1;
  int E1 = 0, E2 = 0, Eta1 = 0, Eta2 = 0;
  toolkit::IndexedArray<int, 0, 2> A{};  ///< A[i] multiplies the i-th derivative of stress
  toolkit::IndexedArray<int, 0, 2> B{};  ///< B[i] multiplies the i-th derivative of strain
};

RheologicalModelVariant DeriveRheologicalModel(int p1, int p2, int p3, int p4, int p5);

/// Begin routine: spring and dashpot boxes, statement and answers head.
void BeginRheologicalModelProblem(SharedState& s);
/// Variant routine: the model's figure, its data lines and the six coefficients.
void WriteRheologicalModelVariant(SharedState& s);

}  // namespace strength
