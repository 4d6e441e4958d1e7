#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the three-dimensional stress state, derived from P2..P7 (MPa, integers).
struct SpatialStressStateVariant {
  int SigmaX = 0, SigmaY = 0, SigmaZ = 0, TauXZ = 0, TauYZ = 0, TauXY = 0;
  long J1 = 0, J2 = 0, J3 = 0;  ///< s^3 + J1 s^2 + J2 s + J3 = 0
  toolkit::IndexedArray<double, 1, 3> Sigma{};  ///< principal stresses, descending
  toolkit::IndexedArray<double, 1, 3> Tau{};    ///< principal shear stresses
  double TauOct = 0;
};

SpatialStressStateVariant DeriveSpatialStressState(int p2, int p3, int p4, int p5, int p6,
                                                   int p7);

/// The eigenvalues of a symmetric 3 x 3 tensor in descending order, by the trigonometric
/// closed form with its argument clamped; a diagonal tensor gives its diagonal exactly.
void PrincipalValues(const double t[3][3], double out[3]);

/// Begin routine: the cube box, statement and answers head.
void BeginSpatialStressStateProblem(SharedState& s);
/// Variant routine: the cube with the stresses and the answers.
void WriteSpatialStressStateVariant(SharedState& s);

}  // namespace strength
