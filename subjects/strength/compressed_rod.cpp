#include "subjects/strength/compressed_rod.h"

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/lines.h"
#include "figures/supports.h"

namespace strength {

const toolkit::IndexedArray<double, 1, 5> LengthFactorTable = [] {
  toolkit::IndexedArray<double, 1, 5> t;
  const double mu[] = {0.5, 0.7, 1.0, 2.0, 0.7};
  for (int k = 1; k <= 5; ++k) t[k] = mu[k - 1];
  return t;
}();

void DrawCompressedRodScheme(SharedState& s, int k) {
  if (k == 3 || k == 5) PutHingeBox(s, 0, 0);
  SetLineWidth(s, 12);
  DrawSegment(s, 0, 1.5, 0, (k == 2 || k == 3) ? 38.5 : 41);
  SetLineWidth(s, 1);
  if (k == 1 || k == 5) DrawHatchRowsH(s, 0, 33, 7);
  if (k == 2 || k == 3) PutLeftRodBox(s, 1, 40);
  if (k == 1 || k == 2 || k == 4) DrawHatchRowV(s, -1, -5, 1.5, 10);
  DrawRedForceWithLabel(s, 0, -1, "$P$", 0, 59, 17, 3, -3);
  DrawDimensionVText(s, "$l$", 12, 0, (k == 1 || k == 5) ? 33 : 40);
}

}  // namespace strength
