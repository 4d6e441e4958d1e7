#pragma once

#include "subjects/shared_state.h"

namespace dynamics {

/// The answers of one truss-oscillation variant: compliances of the mass joint times EF (m),
/// the stiffness EF (N), the mass (kg) and the two natural frequencies (rad/s).
struct TrussOscillationAnswers {
  double b11 = 0, b12 = 0, b22 = 0;
  double EF = 0, m = 0;
  double omega1 = 0, omega2 = 0;
};

/// Joints 1..4 of truss shape p1 (1..6) in units of l into PointX/PointY.
void SetTrussOscillationShape(SharedState& s, int p1);

/// The two unit-load solves on the joints in PointX/PointY (already placed), the compliances
/// and the frequencies; needs P2..P5 and Level. Throws DegenerateDataError for a singular truss.
TrussOscillationAnswers SolveTrussNodeOscillation(SharedState& s);

/// Begin routine of Dynamics row 24: roller boxes, statement, answers head, reference.
void BeginTrussOscillationProblem(SharedState& s);
/// Variant routine: the truss with its supports, dimensions and the mass, the answers row and
/// the data line.
void WriteTrussOscillationVariant(SharedState& s);

}  // namespace dynamics
