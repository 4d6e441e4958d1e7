#pragma once

#include "subjects/shared_state.h"

namespace strength {

/// One variant of the ten mid-line sections of row 29 (cm; wall 1 cm), in the drawn axes
/// (shape 9 measured from its top plate).
struct SectorialCharacteristicsVariant {
  int Shape = 1;
  double a = 0, a1 = 0, a2 = 0, b = 0, b1 = 0, b2 = 0;  ///< the sizes the shape uses
  double A = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, ax = 0, ay = 0, Jw = 0;
  double xc = 0, yc = 0, Jxc = 0, Jyc = 0;
};

/// Derives one variant from P1..P4 by the closed forms of the shape.
SectorialCharacteristicsVariant DeriveSectorialCharacteristics(int p1, int p2, int p3, int p4);

/// Begin routine: answers head and statement.
void BeginSectorialCharacteristicsProblem(SharedState& s);
/// Variant routine: the drawn mid-lines with axes and dimensions, and the answers row.
void WriteSectorialCharacteristicsVariant(SharedState& s);

}  // namespace strength
