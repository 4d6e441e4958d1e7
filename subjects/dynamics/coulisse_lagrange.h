#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// The eleven answers of one coulisse variant and its damping coefficient.
struct CoulisseAnswers {
  double a = 0, b = 0, q = 0, epsilon = 0;
  double b2 = 0, b4 = 0, b5 = 0;
  double qf = 0, qm = 0, qd = 0, qt = 0;
  double nu = 0;
  bool starred = false;  ///< cos^2 form
};

/// Begin routine of Dynamics row 31: the savebox library, statement, reference and head.
void BeginCoulisseLagrangeProblem(SharedState& s);
/// Variant routine: scheme P1 laid out and solved, its figure, data and answers row.
void WriteCoulisseLagrangeVariant(SharedState& s);

}  // namespace dynamics
