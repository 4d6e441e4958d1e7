#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the stepped compressed rod solved by the Ritz method.
struct SteppedRodStabilityVariant {
  int m1 = 0;     ///< multiple of P at the step
  int m2 = 0;     ///< multiple of P at the right end
  double r = 0;   ///< J_1 / J_2
  double e[3]{};  ///< load part of the energy: coefficients of C4^2, C4C5, C5^2
  double f[3]{};  ///< bending part of the energy, the same order
  double mu = 0;  ///< length factor
};

/// Scheme p1 (1..5), force indices p2, p3 (1..5), stiffness index p4 (1..5).
SteppedRodStabilityVariant DeriveSteppedRodStability(int p1, int p2, int p3, int p4);

/// Begin routine: both answers tables, the rod boxes and the statement.
void BeginSteppedRodStabilityProblem(SharedState& s);
/// Variant routine: both answers rows, the figure and the stiffness line.
void WriteSteppedRodStabilityVariant(SharedState& s);

}  // namespace strength
