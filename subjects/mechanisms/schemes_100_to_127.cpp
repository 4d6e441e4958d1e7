#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/named_boxes.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace mechanisms {

namespace {

using namespace figures;  // NOLINT: the drawers read like the drawings they make

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void Phi(SharedState& s, int i, double a, double r, int ox, int oy) {
  DrawMomentAtPoint(s, i, 1, "\\varphi", a, r, ox, oy);
}

void Block(SharedState& s, double x, double y, double a, double b, double angle = 0) {
  DrawRotatedBlock(s, 5, x, y, angle, a, b);
}

void Disc(SharedState& s, int i, int d) { DrawTwoCirclesAtPoint(s, i, d, 3); }

// A horizontal force by option: to the right from `right_from` for 1, to the left from
// `left_from` for 2, nothing for any other value.
void HorizontalForce(SharedState& s, int option, double right_from, double left_from, double y,
                     double len, int ox_right, int ox_left, int oy) {
  if (option == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, right_from, y, len, ox_right, oy);
  } else if (option == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, left_from, y, len, ox_left, oy);
  }
}

// Blue rods at line width 8.
void BlueRodsBegin(SharedState& s) {
  SetLineWidth(s, 8);
  toolkit::WriteText(s, "\\Blue{");
}

// Two legs from just below point i down to y = -8.
void Stand(SharedState& s, int i) {
  DrawSegment(s, X(s, i), Y(s, i) - 1.5, X(s, i), -8);
  DrawSegment(s, X(s, i) - 1, Y(s, i) - 1, X(s, i) - 6, -8);
}

void Scheme100(SharedState& s) {
  SetPoint(s, 1, -40, 30);
  SetPoint(s, 2, 40, 30);
  SetPoint(s, 4, 0, 60);
  s.PointY[3] = 90;
  toolkit::BeginPicture(s, 100, 87, -65, -5);
  DrawNodeMarker(s, 4);
  DrawNodeMarker(s, 1);
  BlueRodsBegin(s);
  DrawTwoBars(s, 1, 4, 2);
  DrawBar(s, 4, 3);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 4);
  DrawSegment(s, -41, 29, -45, 12);
  DrawSegment(s, -39, 29, -35, 12);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", 0, Y(s, 4) + 13);
  Phi(s, 1, 0.65, 14, 2, 1);
  Disc(s, 2, 36);
  Block(s, -5, 9, 110, 6);
  PutLabel(s, "$A$", 37, 34);
  PutLabel(s, "$B$", -48, 28);
  PutLabel(s, "$C$", -9, 60);
  PutLabel(s, "$2$", -2, 50);
  if (s.P3 == 1) {
    DrawSegment(s, -3, 51, -12, 51);
  } else if (s.P3 == 2) {
    DrawSegment(s, 3, 51, 12, 51);
  }
  PutLabel(s, "$1$", 8, 20);
  if (s.P2 == 1) {
    DrawSegment(s, 12, 22, 24, 22);
  } else if (s.P2 == 2) {
    DrawSegment(s, 12, 22, 22, 12);
  }
  PutNamedBoxByKind(s, s.P6, 2, 2, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", X(s, 2) + 6, Y(s, 2) - 5);
  HorizontalForce(s, s.P4, 50, 70, 9, 20, 9, -9, 3);
  DrawHatchRowV(s, -1, -64, 5.1, 122);
}

void Scheme101(SharedState& s) {
  SetPoint(s, 1, -40, 30);
  SetPoint(s, 2, 40, 30);
  SetPoint(s, 4, 0, 60);
  s.PointY[3] = 90;
  toolkit::BeginPicture(s, 100, 87, -65, -5);
  DrawNodeMarker(s, 4);
  DrawNodeMarker(s, 1);
  BlueRodsBegin(s);
  DrawTwoBars(s, 1, 4, 2);
  DrawBar(s, 4, 3);
  toolkit::WriteText(s, "}");
  DrawSegment(s, -4, 15, -4, 10);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -65, 14.9, 60);
  DrawHatchRowV(s, -1, -4, 10, 70);
  PutBox(s, "vnpr", 0, 73);
  Disc(s, 1, 30);
  Disc(s, 2, 30);
  Block(s, 30, 12.7, 50, 4);
  Block(s, 0, 48, 110, 5);
  PutLabel(s, "$B$", 37, 34);
  PutLabel(s, "$A$", -48, 34);
  PutLabel(s, "$C$", -9, 60);
  Phi(s, 1, 0.65, 18, 2, 1);
  switch (s.P7) {
    case 1: DrawLabelledSegment(s, "2", 16, 60, 15, 61, 6, 55); break;
    case 2: DrawLabelledSegment(s, "2", -22, 55, -17, 56, -7, 56); break;
    case 3: DrawLabelledSegment(s, "2", 36, 57, 35, 56, 26, 50); break;
    case 4: DrawLabelledSegment(s, "2", -4, 20, -1, 19, 8, 15); break;
    case 5: DrawLabelledSegment(s, "2", 12, 70, 11, 71, 0, 71); break;
    default: break;
  }
  PutLabel(s, "$1$", 30 * s.P3 - 50, 20);
  if (s.P3 == 1) {
    DrawSegment(s, -22, 22, -30, 22);
  } else if (s.P3 == 2) {
    DrawSegment(s, 15, 22, 28, 22);
  }
  const int disc = 3 - s.P3;
  if (disc == 1 || disc == 2) {
    PutNamedBoxByKind(s, s.P6, disc, disc, "dmomentp", "dmomentm");
    PutLabel(s, "$M$", X(s, disc) - 3, Y(s, disc) - 13);
  }
  const double plank_y = s.P2 == 1 ? 13 : 48;
  if (s.P2 == 1 || s.P2 == 2) HorizontalForce(s, s.P4, 55, 75, plank_y, 20, 9, -9, 3);
}

void Scheme102(SharedState& s) {
  SetPoint(s, 2, 50, 0);
  SetPoint(s, 3, 85, 35);
  SetPoint(s, 4, 98, 43);
  toolkit::BeginPicture(s, 100, 72, -40, -30);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  BlueRodsBegin(s);
  DrawBar(s, 1, 4);
  DrawBar(s, 3, 2);
  toolkit::WriteText(s, "}\\OliveGreen{");
  Stand(s, 1);
  Stand(s, 2);
  toolkit::WriteText(s, "}");
  DrawSegment(s, 85, -22, 85, 27);
  DrawSegment(s, 85, 43, 85, 52);
  SetLineWidth(s, 1);
  Block(s, 85, 35, 6, 16);
  Block(s, 10, -13, 80, 10);
  DrawHatchRowV(s, -1, -35, -19, 125);
  DrawDashedLineMultiput(s, 5, 0, 0, 50, 0);
  PutBox(s, "rmomentm", 51, 24);
  PutLabel(s, "$M$", 40, 27);
  PutLabel(s, "$C$", 73, 37);
  PutLabel(s, "$D$", 92, 43);
  PutLabel(s, "$A$", -9, 0);
  PutLabel(s, "$B$", 51, -7);
  PutLabel(s, "$2$", 37, 5);
  if (s.P2 == 1) {
    Phi(s, 1, 0.38, 21, 2, 1);
  } else if (s.P2 == 2) {
    Phi(s, 2, 0.71, 14, 2, 1);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", 92, 30, 91, 33, 86, 33);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "1", -24, -4, -20, -3, -12, -8);
  }
  if (s.P6 == 1) {
    DrawSegment(s, 36, 7, 30, 14);
  } else if (s.P6 == 2) {
    DrawSegment(s, 43, 8, 62, 11);
  }
  HorizontalForce(s, s.P4, 50, 70, -14, 20, 20, 1, -3);
}

void Scheme103(SharedState& s) {
  SetPoint(s, 1, 40, 20);
  SetPoint(s, 2, 60, 0);
  SetPoint(s, 3, 80, 40);
  toolkit::BeginPicture(s, 100, 72, -25, -30);
  PutBox(s, "vnpr", 80, 48);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  BlueRodsBegin(s);
  DrawBar(s, 1, 3);
  DrawBar(s, 3, 2);
  DrawSegment(s, 80, 41.5, 80, 61);
  toolkit::WriteText(s, "}\\OliveGreen{");
  MoveTo(s, 4, 40);
  LineTo(s, 45, -3);
  LineTo(s, 55, -3);
  LineTo(s, 59, -1);
  MoveTo(s, 60, -1);
  LineTo(s, 60, -18);
  LineTo(s, 4, -18);
  LineTo(s, 4, 40);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -20, -19, 110);
  DrawLabelledArcArrow(s, 0, "\\alpha", 0, 45, -3, 2.4, 3.14, 12, 0);
  DrawSegment(s, 45, -3, 31, -3);
  Disc(s, 1, 24);
  DrawDashedLineMultiput(s, 7, 35, 25, 65, -5);
  PutLabel(s, "$C$", 84, 41);
  PutLabel(s, "$A$", 36, 12);
  PutLabel(s, "$B$", 62, -8);
  PutLabel(s, "$1$", 20, 33);
  PutLabel(s, "$2$", 62, 39);
  if (s.P2 == 1) {
    Phi(s, 1, 0.47, 21, 2, 1);
  } else if (s.P2 == 2) {
    Phi(s, 2, 1.02, 14, 2, 1);
  }
  if (s.P3 == 1) {
    DrawSegment(s, 24, 33, 29, 25);
  } else if (s.P3 == 2) {
    DrawSegment(s, 19, 33, 12, 32);
  }
  if (s.P6 == 1) {
    DrawSegment(s, 67, 42, 80, 44);
  } else if (s.P6 == 2) {
    DrawSegment(s, 67, 41, 72, 35);
  }
  HorizontalForce(s, s.P4, 60, 80, -12, 20, 20, 1, -3);
  PutBoxAtPoint(s, 1, s.P7 == 1 || s.P7 == 2 ? "Momentp" : "Momentm");
  PutLabel(s, "$M$", 30, 33);
}

void Scheme104(SharedState& s) {
  SetPoint(s, 2, 50, 0);
  SetPoint(s, 3, 85, 35);
  SetPoint(s, 4, 98, 43);
  toolkit::BeginPicture(s, 100, 72, -38, -30);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 3);
  BlueRodsBegin(s);
  DrawTwoBars(s, 1, 2, 3);
  DrawSegment(s, 1, 1, 76.5, 31.5);
  DrawSegment(s, 102, 42, 93.5, 38.5);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -35, -14, 130);
  Block(s, 85, 35, 18, 4, kPi / 8);
  Block(s, -16, -7, 30, 13);
  Disc(s, 2, 28);
  DrawStrokesAcrossRay(s, 2, 10, kPi / 4);
  PutLabel(s, "$C$", 75, 37);
  PutLabel(s, "$D$", 96, 43);
  PutLabel(s, "$A$", -9, 1);
  PutLabel(s, "$B$", 51, -7);
  PutLabel(s, "$2$", 95, 25);
  DrawLabelledSegment(s, "1", 71, -7, 69, -5, 61, -5);
  if (s.P2 == 1) {
    Phi(s, 1, 0.38, 21, 2, 1);
  } else if (s.P2 == 2) {
    Phi(s, 2, 0.71, 16, 2, 1);
  }
  if (s.P3 == 1) {
    DrawSegment(s, 97, 32, 99, 41);
  } else if (s.P3 == 2) {
    DrawSegment(s, 94, 26, 75, 26);
  }
  HorizontalForce(s, s.P4, 0, 20, -9, 20, 20, 1, -3);
  PutBox(s, s.P7 == 1 || s.P7 == 2 ? "rmomentm" : "rmomentp", 51, 24);
  PutLabel(s, "$M$", 40, 27);
}

}  // namespace

// Schemes 100..122 and 127 are drawn here as their figures land; whatever the scheme, the
// figure that an earlier drawer opened is closed here, once per variant.
void DrawSchemes100To127(SharedState& s) {
  switch (s.P1) {
    case 100: Scheme100(s); break;
    case 101: Scheme101(s); break;
    case 102: Scheme102(s); break;
    case 103: Scheme103(s); break;
    case 104: Scheme104(s); break;
    default: break;
  }
  toolkit::EndPicture(s);
}

}  // namespace mechanisms
