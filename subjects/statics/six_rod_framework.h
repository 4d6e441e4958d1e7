#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace statics {

/// One variant of the plane framework of six rods, derived from P1..P4 and P6: the scheme's
/// rods and load, its six angles (degrees), the joints A..E (points 1..5, before fitting)
/// and the rod forces (kN, tension positive; the rod a scheme lacks is 0).
struct SixRodFrameworkVariant {
  bool rod_ac = false;      ///< rod AC (else rod AD)
  bool horizontal = false;  ///< load to the right (else downwards)
  int P = 0;
  int CED = 0, CDE = 0, BCD = 0, BDC = 0;
  int a1 = 0, a2 = 0;  ///< ACB and ABC with rod AC, ABD and ADB with rod AD
  toolkit::IndexedArray<double, 1, 5> X{}, Y{};
  double S_AB = 0, S_AC = 0, S_AD = 0, S_BC = 0, S_BD = 0, S_CD = 0, S_CE = 0;
};

/// Derives a variant: scheme p1 (1..16), angle codes p2..p4 (1..3), P = p6 kN.
SixRodFrameworkVariant DeriveSixRodFrameworkVariant(int p1, int p2, int p3, int p4, int p6);

/// Begin routine: box sizes, the book reference and the answers head.
void BeginSixRodFrameworkProblem(SharedState& s);
/// Variant routine: the figure, the rod forces in the answers and the data beside the figure.
void WriteSixRodFrameworkVariant(SharedState& s);

}  // namespace statics
