#pragma once

#include "subjects/shared_state.h"

namespace statics {

/// The body of one variant: its dimensions (metres), whether piece 3 is the half-cylinder, and
/// the volume and centre of gravity of the whole.
struct SpatialBodyVariant {
  int A = 0, B = 0, C = 0, D = 0, E = 0, r = 0, h = 0;
  bool cylinder = false;  ///< piece 3 is the half-cylinder of radius r
  bool roof = false;      ///< piece 4, the prism of height h on piece 2, is present
  double V = 0, xc = 0, yc = 0, zc = 0;
};

/// Derives the body of p1..p4 (shapes of pieces 1 and 3, sizes, depth).
SpatialBodyVariant DeriveSpatialBodyVariant(int p1, int p2, int p3, int p4);

/// Begin routine: the half-cylinder box, the answers head, the statement, the book reference.
void BeginSpatialBodyCentroidProblem(SharedState& s);
/// Variant routine: the oblique view with its dimensions and axes; V and the centre.
void WriteSpatialBodyCentroidVariant(SharedState& s);

}  // namespace statics
