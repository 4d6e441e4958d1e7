#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the triangular plate in plane stress, derived from P1..P7: the legs, the
/// five face stresses with the two unknowns solved, principal stresses and strains.
struct PlaneStressVariant {
  int Case = 1;         ///< P1: which two stresses are unknown
  int a = 0, b = 0;     ///< legs BD and BF, cm
  double SigmaX = 0, SigmaY = 0, Sigma = 0, TauXY = 0, Tau = 0;  ///< MPa
  bool UnknownSigmaX = false, UnknownSigmaY = false, UnknownSigma = false, UnknownTau = false;
  double SigmaMax = 0, SigmaMin = 0;  ///< MPa
  double Eps1 = 0, Eps2 = 0;          ///< principal strains times 1e3 (E = 1000 MPa, nu = 0.3)
};

PlaneStressVariant DerivePlaneStress(int p1, int p2, int p3, int p4, int p5, int p6, int p7);

/// Begin routine: the plate box, statement and answers head.
void BeginPlaneStressProblem(SharedState& s);
/// Variant routine: answers row, legs and the figure with the given stresses.
void WritePlaneStressVariant(SharedState& s);

}  // namespace strength
