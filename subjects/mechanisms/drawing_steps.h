#pragma once

// The small drawing steps the catalogue's scheme drawers share: points by number, the φ arc,
// labels beside a point, blocks, ground and a horizontal force chosen by an option.

#include "figures/figure_state.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"

namespace mechanisms::drawing {

using namespace figures;  // NOLINT: the steps read like the drawings they make

inline double X(const SharedState& s, int i) { return s.PointX[i]; }
inline double Y(const SharedState& s, int i) { return s.PointY[i]; }

inline void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

inline void Phi(SharedState& s, int i, double a, double r, int ox, int oy) {
  DrawMomentAtPoint(s, i, 1, "\\varphi", a, r, ox, oy);
}

inline void Label(SharedState& s, const char* text, int i, double dx, double dy) {
  PutLabel(s, text, X(s, i) + dx, Y(s, i) + dy);
}

inline void Block(SharedState& s, double x, double y, double a, double b, double angle = 0) {
  DrawRotatedBlock(s, 5, x, y, angle, a, b);
}

inline void Ground(SharedState& s, double x, double y, double len) {
  DrawHatchRowV(s, -1, x, y, len);
}

// A horizontal force: option 1 to the left from `left_from`, option 2 to the right from
// `right_from`, nothing for another value.
inline void LeftOrRight(SharedState& s, int option, double left_from, double right_from,
                        double y, double len) {
  if (option == 1) {
    DrawRedForceWithLabel(s, -1, 0, "$\\vec F$", left_from, y, len, -12, 3);
  } else if (option == 2) {
    DrawRedForceWithLabel(s, 1, 0, "$\\vec F$", right_from, y, len, 6, 3);
  }
}

}  // namespace mechanisms::drawing
