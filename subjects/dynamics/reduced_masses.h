#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// The printed data and answers of one reduced-mass variant.
struct ReducedMassesVariant {
  bool rolling_a = false;  ///< P5 = P7: A is a rolling cylinder, B a stepped block
  int m_a = 0, m_b = 0, m_c = 0, m_d = 0, m_e = 0;
  int mu_a = 0, mu_b = 0, mu_c = 0, mu_d = 0, mu_e = 0, mu = 0;
  int kind_c = 0, kind_d = 0, b_c = 0, b_d = 0;
  int big_c = 0, small_c = 0, big_d = 0, small_d = 0;
  bool disc_e = false;  ///< E is a disc turned by a moment, else a block pushed by a force
};

/// The variant of P1..P7 (Dynamics row 33): bodies, kinematic ratios, masses and shares.
ReducedMassesVariant DeriveReducedMassesVariant(const SharedState& s);

/// Begin routine of Dynamics row 33: statement, reference, answers head, the "hopora" box.
void BeginReducedMassesProblem(SharedState& s);
/// Variant routine: the figure of the five bodies, the data and the answers row.
void WriteReducedMassesVariant(SharedState& s);

}  // namespace dynamics
