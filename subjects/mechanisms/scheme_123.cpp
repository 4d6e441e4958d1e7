#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/named_box.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace mechanisms {

using namespace figures;  // NOLINT: the drawer reads like the drawing it makes

// A block of two cylinders rolling on the ground under two plates, a shaft under the upper
// plate; the coordinate arrow stands at the end of the plate whose displacement is asked.
void DrawScheme123(SharedState& s) {
  if (s.P1 != 123 || s.P5 < 1 || s.P5 > 10) return;
  toolkit::BeginPicture(s, 131, 89, -15, -15);
  DrawRotatedBlock(s, 5, 48, 51.5, 0, 100, 2);
  DrawRotatedBlock(s, 5, 44, 33, 0, 90, 2);
  SetLineWidth(s, 1);

  // The arrow of the coordinate with its mark, shifted as one group to the chosen plate.
  toolkit::WriteText(s, s.P2 == 1 ? "\\put(-2,-3){" : "\\put(-11,-21){");
  DrawDashedLineMultiput(s, 3, 100, 54, 100, 60);
  DrawVector(s, -1, 0, 115, 61, 15);
  PutLabel(s, "$x$", 107, 62);
  DrawHatchRowH(s, 1, 115, 55, 10);
  toolkit::WriteText(s, "}");

  DrawHatchRowV(s, -1, 0, 0, 70);
  DrawHatchRowH(s, 1, 71, 0, 30);
  DrawHatchRowV(s, -1, 71, 31, 20);
  s.PointX[2] = 64;
  s.PointY[2] = 42;
  DrawCircleAtPoint(s, 2, 16);
  DrawTwoCircles(s, 50, 13, 30, 25);

  if (s.P4 == 1) {
    DrawLabelledSegment(s, "2", 77, 41, 76, 43, 71, 45);
  } else {
    DrawLabelledSegment(s, "2", -4, 7, -1, 7, 8, 15);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", -8, 38, -3, 40, 10, 51);
  } else {
    DrawLabelledSegment(s, "1", -8, 38, -4, 40, 5, 33);
  }
  PutNamedBoxByKind(s, s.P6, 2, 2, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 60, 41);
  if (s.P7 == 2 || s.P7 == 3) {
    DrawRedForceWithLabel(s, -1, 0, "$\\vec F$", 30, 25, 20, -17, -13);
  } else {
    DrawRedForceWithLabel(s, 1, 0, "$\\vec F$", 30, 25, 20, 10, -13);
  }
  DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", 52, 68, 15, 1, -3);
}

}  // namespace mechanisms
