#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the compressed rod with one elastic end support.
struct ElasticSupportStabilityVariant {
  bool PrintsA = false;  ///< the stiffness printed is a = EJ/(c1 l^3) (else b = EJ/(c2 l))
  double v = 0;          ///< eigenvalue parameter k l of the variant
  double s = 0;          ///< the relative stiffness at which v is the critical one
  double mu = 0;         ///< length factor pi / v
};

/// Scheme p1 (1..10), value index p2 (1..10).
ElasticSupportStabilityVariant DeriveElasticSupportStability(int p1, int p2);

/// Begin routine: support boxes, answers head, statement.
void BeginElasticSupportStabilityProblem(SharedState& s);
/// Variant routine: stiffness line, answers row, figure.
void WriteElasticSupportStabilityVariant(SharedState& s);

}  // namespace strength
