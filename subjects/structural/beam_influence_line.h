#pragma once

#include "subjects/shared_state.h"
#include "toolkit/indexed_array.h"

namespace structural {

/// One variant of the influence line of a support reaction in a multi-span beam with hinges,
/// derived from P1..P6. Twelve points on a straight beam (metres), points 1 and 12 free ends.
struct BeamInfluenceVariant {
  int Layout = 1;
  int SupportA = 1;                                  ///< which of the six supports is A
  toolkit::IndexedArray<int, 1, 4> Hinge{};          ///< point numbers
  toolkit::IndexedArray<int, 1, 6> Support{};        ///< point numbers; the first is the pin
  toolkit::IndexedArray<double, 1, 11> Length{};     ///< segment i joins points i and i+1
  toolkit::IndexedArray<double, 1, 12> X{};          ///< abscissae of the points
  toolkit::IndexedArray<double, 1, 12> Ordinate{};   ///< influence line of the reaction at A
  double Omega = 0, OmegaPlus = 0, OmegaMinus = 0;   ///< its areas
  double VmaxTemporary = 0, VminTemporary = 0, VPermanent = 0, Vmax = 0, Vmin = 0;  ///< kN
};

BeamInfluenceVariant DeriveBeamInfluenceVariant(int p1, int p2, int p3, int p4, int p5, int p6);

void BeginBeamInfluenceLineProblem(SharedState& s);
void WriteBeamInfluenceLineVariant(SharedState& s);

}  // namespace structural
