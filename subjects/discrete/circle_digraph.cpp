#include "subjects/discrete/circle_digraph.h"

#include <cmath>
#include <numbers>

#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

void SetPointsOnCircle(SharedState& s, int n, double r) {
  for (int k = 1; k <= n; ++k) {
    const double angle = 2 * std::numbers::pi * k / n;
    s.PointX[k] = r + r * std::cos(angle);
    s.PointY[k] = r + r * std::sin(angle);
  }
}

void DefineNumberedCirclesBox(SharedState& s, int n) {
  toolkit::WriteLine(s, "\\newsavebox{\\vrsins}\\sbox{\\vrsins}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  for (int k = 1; k <= n; ++k) figures::DrawCircleAtPoint10(s, k);
  toolkit::WriteText(s, "\\Red{");
  for (int k = 1; k <= n; ++k) figures::PutItalicValueLabel(s, s.PointX[k] - 2, s.PointY[k] - 2, k);
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
}

}  // namespace discrete
