#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/named_box.h"
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

void Scheme105(SharedState& s) {
  SetPoint(s, 2, -48, -36);
  SetPoint(s, 3, 28.8, 21.6);
  SetPoint(s, 4, 60, 0);
  toolkit::BeginPicture(s, 100, 72, -66, -46.8);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  BlueRodsBegin(s);
  DrawBar(s, 3, 2);
  toolkit::WriteText(s, "}\\Sepia{");
  SetLineWidth(s, 10);
  DrawSegment(s, 59, -0.3, -42, -34);
  DrawSegment(s, -63, -41, -54, -38);
  DrawSegment(s, 32, 21.6, 55, 21.6);
  SetLineWidth(s, 12);
  DrawSegment(s, 32, 2.6, 32, 40.6);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 8, 1, 0, 60, 0);
  DrawHatchRowsV(s, 40, 21.6, 12);
  Block(s, X(s, 3), Y(s, 3), 5, 11);
  Block(s, X(s, 2), Y(s, 2), 12, 6, 0.32);
  PutLabel(s, "$C$", X(s, 3) - 2, Y(s, 3) + 6);
  PutLabel(s, "$D$", X(s, 4) + 2, Y(s, 4) - 8);
  PutLabel(s, "$A$", X(s, 2) - 9, Y(s, 2) + 3);
  PutLabel(s, "$B$", X(s, 1) - 3, Y(s, 1) + 4);
  PutLabel(s, "$K$", X(s, 2) - 2, Y(s, 2) - 12);
  DrawLabelledSegment(s, "1", X(s, 2) + 10, Y(s, 2) - 7, X(s, 2) + 10, Y(s, 2) - 5,
                      X(s, 2) + 3, Y(s, 2) - 2);
  if (s.P2 == 1) {
    Phi(s, 1, 0.64, 16, 2, 1);
  } else if (s.P2 == 2) {
    Phi(s, 4, 3.4, 11, -13, -11);
  }
  PutLabel(s, "$2$", s.P7 <= 2 ? 9 : 39, s.P7 <= 2 ? 17 : 33);
  if (s.P7 == 1) {
    DrawSegment(s, 13, 19, 27, 26);
  } else if (s.P7 == 2) {
    DrawSegment(s, 13, 19, 19, 14);
  } else {
    DrawSegment(s, 33, 35, 38, 35);
  }
  HorizontalForce(s, s.P4, 56, 74, 21.6, 18, 2, -11, 2);
  PutBox(s, s.P3 == 1 ? "vmomen" : "vmomenp", 21, -11);
  PutLabel(s, "$M$", 8, -27);
}

void Scheme106(SharedState& s) {
  SetPoint(s, 2, 80, 40);
  SetPoint(s, 3, 59, 5);
  toolkit::BeginPicture(s, 100, 72, -38, -28);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  BlueRodsBegin(s);
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 4);
  DrawSegment(s, 65, 40, 65, 5);
  DrawSegment(s, X(s, 3) - 1, Y(s, 3) - 1, X(s, 3) - 5, -5);
  DrawSegment(s, X(s, 3) + 1, Y(s, 3) - 1, X(s, 3) + 5, -5);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -25, -5, 120);
  DrawHatchRowH(s, 1, 95, -5, 80);
  Phi(s, 1, 0.46, 26, 2, 1);
  Block(s, X(s, 1), Y(s, 1), 40, 9);
  toolkit::WriteText(s, "\\thicklines");
  DrawCircleAtPoint(s, 3, 12);
  DrawCircleAtPoint(s, 2, 30);
  PutLabel(s, "$A$", 73, 43);
  PutLabel(s, "$B$", -9, -3);
  PutLabel(s, "$2$", 0, 14);
  DrawLabelledSegment(s, "1", 85, 18, 85, 19, 80, 26);
  if (s.P2 == 1) {
    DrawSegment(s, 2, 13, 0, 4);
  } else if (s.P2 == 2) {
    DrawSegment(s, 4, 16, 16, 8);
  }
  HorizontalForce(s, s.P4, -38, -20, 0, 18, 2, -11, 2);
  PutNamedBoxByKind(s, s.P3, 3, 3, "Momentm", "Momentp");
  PutLabel(s, "$M$", 39, 5);
}

void Scheme107(SharedState& s) {
  SetPoint(s, 2, 40, 20);
  toolkit::BeginPicture(s, 100, 72, -30, -40);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  BlueRodsBegin(s);
  DrawBar(s, 1, 2);
  DrawSegment(s, 56, 10, 80, 10);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 14);
  DrawSegment(s, 55.2, -10, 55.2, 30);
  SetLineWidth(s, 4);
  DrawSegment(s, -6, 14, 34, 34);
  DrawSegment(s, -15, 0, -15, -20);
  DrawRotatedBlock(s, 4, -15, -25, 0, 10, 10);
  SetLineWidth(s, 1);
  DrawHatchRowsV(s, 60, 10, 10);
  PutHingeBoxAtPoint(s, 1);
  toolkit::WriteText(s, "\\thicklines");
  DrawCircleAtPoint(s, 2, 30);
  DrawCircleAtPoint(s, 1, 30);
  DrawLabelledSegment(s, "1", 0, -30, -1, -28, -10, -25);
  PutLabel(s, "$B$", X(s, 2) + 3, Y(s, 2) + 3);
  PutLabel(s, "$A$", X(s, 1) - 9, Y(s, 1) + 3);
  PutLabel(s, "$C$", -19, -27);
  PutLabel(s, "$2$", 45, -8);
  Phi(s, 1, 0.46, 20, 2, 1);
  if (s.P6 == 1) {
    DrawSegment(s, 45, -6, 40, 6);
  } else if (s.P6 == 2) {
    DrawSegment(s, 49, -6, 55, -6);
  }
  HorizontalForce(s, s.P4, 81, 99, 10, 18, 2, -11, 2);
  if (s.P2 == 1 || s.P2 == 2) {
    PutBox(s, s.P3 == 1 ? "Momentm" : "Momentp", X(s, s.P2) - 1, Y(s, s.P2) + 1);
    PutLabel(s, "$M$", X(s, s.P2), Y(s, s.P2) + 5);
  }
}

void Scheme108(SharedState& s) {
  SetPoint(s, 1, 50, 28.5);
  toolkit::BeginPicture(s, 100, 72, -20, -10);
  DrawHatchRowV(s, -1, -15, 9, 130);
  DrawNodeMarker(s, 1);
  s.BlockColour = "\\Blue";
  DrawRotatedBlock(s, 4, 50, 31, 0.8, 42, 2);
  Block(s, 45, 52.5, 70, 4);
  s.BlockColour = "\\OliveGreen";
  Block(s, 19, 22, 30, 24);
  Block(s, 81, 30, 30, 40);
  SetLineWidth(s, 4);
  DrawSegment(s, 49, 27, 45, 10);
  DrawSegment(s, 51, 27, 55, 10);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.85, 9, 2, 1);
  DrawRedForceWithLabel(s, -1, 0, kForce, 114, 32, 18, -11, 2);
  DrawRedForceWithLabel(s, 1, 0, kForce, -14, 32, 18, 2, 2);
  DrawCircle(s, 25, 42.2, 16);
  DrawFilledCircle(s, 79, 50, 1);
  DrawFilledCircle(s, 71, 50, 1);
  PutLabel(s, "$1$", 10, 20);
  PutLabel(s, "$B$", 26, 14);
  PutLabel(s, "$A$", 67, 41);
  PutLabel(s, "$2$", 43, 38);
  if (s.P6 == 1) {
    DrawSegment(s, 47, 40, 53, 36);
  } else if (s.P6 == 2) {
    DrawSegment(s, 41, 40, 32, 40);
  }
  PutBox(s, s.P3 == 1 ? "vmoment" : "vmomentp", 25, 42);
  PutLabel(s, "$M$", 8, 40);
}

void Scheme109(SharedState& s) {
  SetPoint(s, 2, 40, 30);
  SetPoint(s, 3, 80, 0);
  SetPoint(s, 4, 50, -13.5);
  SetPoint(s, 5, 90, -13.5);
  toolkit::BeginPicture(s, 100, 72, -20, -30);
  PutLabel(s, "$A$", -10, -3);
  PutLabel(s, "$B$", 43, 30);
  PutLabel(s, "$C$", 80, -6);
  DrawDashedLineMultiput(s, 7, 13, 0, 80, 0);
  DrawHatchRowV(s, -1, -15, -15, 130);
  for (int i = 1; i <= 5; ++i) DrawNodeMarker(s, i);
  BlueRodsBegin(s);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawSegment(s, 40, -10, 40, 20);
  DrawSegment(s, 40, 40, 40, 50);
  DrawSegment(s, -1, -1.5, -5, -15);
  DrawSegment(s, 1, -1.5, 5, -15);
  SetLineWidth(s, 12);
  for (int k = 0; k < 4; ++k) {
    const double y = -4 - 3.8 * k / 3;
    DrawSegment(s, 40.2, y, 40.2 + 3 - k * 0.7, y);
  }
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Block(s, 40, 30, 4, 20);
  Block(s, 70, -10, 60, 4);
  DrawCircleAtPoint(s, 3, 16);
  Phi(s, 1, 0.65, 12, 2, 1);
  PutLabel(s, "$1$", 30, 10);
  PutLabel(s, "$2$", 68, 15);
  HorizontalForce(s, s.P4, 101, 119, -10, 18, 2, -11, 2);
  if (s.P4 == 1) {
    DrawSegment(s, 72, 14, 75, 6);
  } else if (s.P4 == 2) {
    DrawSegment(s, 58, 16, 67, 16);
  }
  PutNamedBoxByKind(s, s.P3, 3, 3, "MomentpLeft", "MomentpLeftmm");
  PutLabel(s, "$M$", 88, 8);
  if (s.P2 == 1) {
    DrawSegment(s, 34, 12, 38, 22);
  } else if (s.P2 == 2) {
    DrawSegment(s, 29, 11, 19, 14);
  }
}

void Scheme110(SharedState& s) {
  SetPoint(s, 1, -5, -5);
  SetPoint(s, 2, 40, 40);
  SetPoint(s, 3, 100, 40);
  SetPoint(s, 4, 80, 38.5);
  SetPoint(s, 5, 10, 10);
  SetPoint(s, 6, 85, -8.5);
  SetPoint(s, 7, 115, -8.5);
  SetPoint(s, 8, 50, 23);
  toolkit::BeginPicture(s, 100, 72, -20, -30);
  PutLabel(s, "$O$", -14, -8);
  PutLabel(s, "$D$", 6, 14);
  PutLabel(s, "$E$", -15, 2);
  PutLabel(s, "$A$", 32, 39);
  PutLabel(s, "$B$", 106, 40);
  PutLabel(s, "$C$", 80, 43);
  DrawHatchRowV(s, -1, -15, -10, 135);
  for (int i : {1, 2, 4, 5, 6, 7}) DrawNodeMarker(s, i);
  BlueRodsBegin(s);
  DrawBar(s, 3, 2);
  DrawSegment(s, 79, 37.5, 20.5, 14.5);
  DrawSegment(s, -0.5, 5.5, -11, 1);
  DrawSegment(s, -6, -6.5, -10, -10);
  DrawSegment(s, -4, -6.5, 0, -10);
  MoveTo(s, 97, 35);
  LineTo(s, 95, 40);
  LineTo(s, 97, 45);
  toolkit::WriteText(s, "}\\Sepia{");
  DrawSegment(s, -4, -4, 5, 5);
  DrawSegment(s, 39, 39, 15, 15);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 12);
  DrawSegment(s, 100, -1, 100, 30);
  DrawSegment(s, 100, 50, 100, 56);
  SetLineWidth(s, 1);
  Block(s, 100, 40, 6, 20);
  DrawRotatedBlock(s, 4, 100, -4, 0, 40, 6);
  Block(s, 10, 10, 22, 5, kPi / 8);
  Phi(s, 1, 0.71, 10, 2, 1);
  PutLabel(s, "$M$", 39, 29);
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", 10, 30, 14, 31, 30, 31);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "1", 40, 10, 39, 13, 30, 18);
  }
  PutNamedBoxByKind(s, s.P3, 8, 8, "MomentpLeft", "MomentpLeftmm");
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "2", 110, 21, 108, 24, 100, 34);
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "2", 110, 21, 108, 21, 100, 11);
  }
  HorizontalForce(s, s.P4, 62, 80, -3, 18, 2, -11, 2);
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
    case 105: Scheme105(s); break;
    case 106: Scheme106(s); break;
    case 107: Scheme107(s); break;
    case 108: Scheme108(s); break;
    case 109: Scheme109(s); break;
    case 110: Scheme110(s); break;
    default: break;
  }
  toolkit::EndPicture(s);
}

}  // namespace mechanisms
