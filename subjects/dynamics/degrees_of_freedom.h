#pragma once

#include <vector>

#include "subjects/shared_state.h"

namespace dynamics {

/// One plane system of a degrees-of-freedom variant: the digits that place its joints, the
/// kinds of its three sections, its two supports and its degrees of freedom.
struct DegreesOfFreedomSystem {
  int upper_code = 0;  ///< P1 before the advance: heights of upper joints 5..7
  int left = 0;        ///< P1 after the advance: 1, 2 hinge; 3, 4 strut; 5 none
  int kinds[3] = {};   ///< P2, P3, P4 after the advance (1..6)
  int right = 0;       ///< P5: 1, 2 hinge; 3, 4 strut; 5..9 none
  int w = 0;           ///< W = 3D - 2H - S
};

/// The Level systems of the variant of P1..P5, advancing the parameters as the variant
/// routine does (the state is left alone).
std::vector<DegreesOfFreedomSystem> DeriveDegreesOfFreedomSystems(const SharedState& s);

/// Begin routine of Dynamics row 22: statement, the "upstr" box, the answers table.
void BeginDegreesOfFreedomProblem(SharedState& s);
/// Variant routine: Level systems, each a picture, and the row of their W; advances P1..P4.
void WriteDegreesOfFreedomVariant(SharedState& s);

}  // namespace dynamics
