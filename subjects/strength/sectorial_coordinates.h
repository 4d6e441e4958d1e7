#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace strength {

/// One variant of the five-point profile of row 29 at Level 1 (lengths in cm).
struct SectorialCoordinatesVariant {
  bool Chain = true;  ///< walls 1-2, 2-3, 3-4, 4-5; else 1-2, 2-3, 2-4, 1-5
  toolkit::IndexedArray<double, 1, 5> x{}, y{};  ///< mirrored, lower-left corner at 0
  double A = 0, xc = 0, yc = 0, xP = 0, yP = 0, Jxc = 0, Jyc = 0, Jxyc = 0, Jw = 0;
  toolkit::IndexedArray<double, 1, 5> omega{};  ///< principal sectorial coordinates, cm^2
};

/// Derives and solves one variant from P1..P6 as given (P2..P5 above 3 count as less 3).
SectorialCoordinatesVariant DeriveSectorialCoordinates(int p1, int p2, int p3, int p4, int p5,
                                                       int p6);

/// Begin routine: both answers heads and the statement.
void BeginSectorialCoordinatesProblem(SharedState& s);
/// Variant routine: profile, axes, dimension chains; answers row and sectorial coordinates.
void WriteSectorialCoordinatesVariant(SharedState& s);

}  // namespace strength
