#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/drawing_steps.h"
#include "subjects/mechanisms/named_box.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace mechanisms {

namespace {

using namespace figures;  // NOLINT: the drawers read like the drawings they make
using namespace drawing;

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";





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
  toolkit::BeginPicture(s, 136, 95, -65, -5);
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
  toolkit::BeginPicture(s, 142, 95, -66, -5);
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
  toolkit::BeginPicture(s, 139, 83, -40, -30);
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
  toolkit::BeginPicture(s, 116, 92, -25, -30);
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
  toolkit::BeginPicture(s, 141, 80, -38, -30);
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
  toolkit::BeginPicture(s, 142, 91, -66, -49);
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
  toolkit::BeginPicture(s, 137, 104, -39, -28);
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
  toolkit::BeginPicture(s, 130, 76, -30, -40);
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
    // At B the letter B stands right of the axle, so M goes to the left.
    PutLabel(s, "$M$", X(s, s.P2) - (s.P2 == 2 ? 9 : 0), Y(s, s.P2) + 5);
  }
}

void Scheme108(SharedState& s) {
  SetPoint(s, 1, 50, 28.5);
  toolkit::BeginPicture(s, 136, 72, -20, -10);
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
  toolkit::BeginPicture(s, 140, 81, -20, -30);
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
  toolkit::BeginPicture(s, 142, 87, -20, -30);
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

// A force by option `option` (1: the first, 2: the second, else none) at height y.
void ForceByOption(SharedState& s, bool first, double right_from, double right_len, int rox,
                   int roy, double left_from, double left_len, int lox, int loy, double y) {
  if (first) {
    DrawRedForceWithLabel(s, 1, 0, kForce, right_from, y, right_len, rox, roy);
  } else {
    DrawRedForceWithLabel(s, -1, 0, kForce, left_from, y, left_len, lox, loy);
  }
}

// Two legs from just below point i down to depth d below it.
void Legs(SharedState& s, int i, double d) {
  DrawSegment(s, X(s, i) - 1, Y(s, i) - 1, X(s, i) - 4, Y(s, i) - d);
  DrawSegment(s, X(s, i) + 1, Y(s, i) - 1, X(s, i) + 4, Y(s, i) - d);
}

void Body(SharedState& s, const char* n, double lx, double ly, double x1, double y1, double x2,
          double y2) {
  DrawLabelledSegment(s, n, lx, ly, x1, y1, x2, y2);
}

void Phi1(SharedState& s, int i, double a, double r) { Phi(s, i, a, r, 1, 0); }

void Scheme111(SharedState& s) {
  SetPoint(s, 2, 49, 62);
  SetPoint(s, 3, 72, 34);
  SetPoint(s, 4, 100, 0);
  SetPoint(s, 5, 45, 20);
  toolkit::BeginPicture(s, 138, 80, -20, -9);
  DrawHatchRowV(s, -1, -15, -4, 130);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$B$", 76, 34);
  PutLabel(s, "$C$", 99, 5);
  PutLabel(s, "$A$", 50, 64);
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(s, i);
  Block(s, 72, 34, 22, 6, 2.24399);
  Block(s, 100, 0, 20, 6);
  BlueRodsBegin(s);
  Legs(s, 1, 4);
  DrawSegment(s, 50, 61, 65, 43);
  DrawSegment(s, 99, 1, 79, 25);
  DrawTwoBars(s, 3, 1, 2);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  if (s.P6 == 1) {
    Phi(s, 1, 0.44, 19, 1, 0);
  } else if (s.P6 == 2) {
    Phi(s, 1, 0.88, 21, 0, 5);
  }
  if (s.P3 == 1) {
    Body(s, "1", 49, 10, 48, 12, 33, 15);
  } else if (s.P3 == 2) {
    Body(s, "1", 9, 23, 12, 24, 18, 24);
  }
  PutNamedBoxByKind(s, s.P3, 5, 5, "MomentpLeft", "MomentpLeftmm");
  PutLabel(s, "$M$", 43, 32);
  if (s.P2 == 1) {
    Body(s, "2", 95, 20, 93, 21, 83, 21);
  } else if (s.P2 == 2) {
    Body(s, "2", 113, 12, 113, 11, 110, 3);
  }
  HorizontalForce(s, s.P4, 72, 90, 1, 18, -11, -27, -2);
}

void Scheme112(SharedState& s) {
  SetPoint(s, 2, 80, 0);
  SetPoint(s, 3, 120, 50);
  SetPoint(s, 4, 40, 50);
  SetPoint(s, 5, 80, 50);
  SetPoint(s, 6, 99, 26);
  SetPoint(s, 7, 91, 38);
  toolkit::BeginPicture(s, 137, 73, -11, -10);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$A$", 39, 54);
  PutLabel(s, "$B$", 119, 54);
  PutLabel(s, "$C$", 70, -2);
  PutLabel(s, "$E$", 79, 55);
  PutLabel(s, "$D$", 101, 22);
  for (int i = 3; i <= 6; ++i) DrawNodeMarker(s, i);
  Block(s, 80, 50, 20, 7);
  BlueRodsBegin(s);
  DrawBar(s, 1, 4);
  DrawSegment(s, 41.5, 50, 70, 50);
  DrawSegment(s, 118.5, 50, 90, 50);
  DrawBar(s, 3, 2);
  toolkit::WriteText(s, "}");
  DrawBar(s, 6, 5);
  SetLineWidth(s, 1);
  Body(s, "2", 77, 16, 82, 19, 96, 30);
  if (s.P6 == 1 || s.P6 == 2) Phi1(s, s.P6, 0.83, 18);
  if (s.P3 == 1) {
    Body(s, "1", 54, 55, 55, 55, 48, 50);
  } else if (s.P3 == 2) {
    Body(s, "1", 34, 18, 32, 19, 18, 22);
  }
  HorizontalForce(s, s.P4, 52, 70, 47, 18, -6, -22, -13);
  PutNamedBoxByKind(s, s.P2, 7, 7, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 73, 32);
}

void Scheme113(SharedState& s) {
  SetPoint(s, 2, 12, 40);
  SetPoint(s, 3, 40, 0);
  SetPoint(s, 4, 15, 60);
  SetPoint(s, 5, 6, 32);
  SetPoint(s, 6, 25, 25);
  toolkit::BeginPicture(s, 105, 85, -25, -22);
  Phi1(s, 1, 1.3, 18);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$A$", 2, 37);
  PutLabel(s, "$B$", 15, 53);
  PutLabel(s, "$C$", 45, -2);
  PutLabel(s, "$D$", 43, -20);
  DrawHatchRowV(s, -1, -7, -11, 50);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  Block(s, 40, 0, 21, 4, 2.19);
  BlueRodsBegin(s);
  DrawBar(s, 1, 4);
  DrawSegment(s, 34, 9, 13, 39.5);
  DrawSegment(s, 46.5, -9, 52.5, -18);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 6);
  Legs(s, 1, 10);
  Legs(s, 3, 10);
  SetLineWidth(s, 1);
  Body(s, "2", -5, 46, -1, 48, 11, 48);
  if (s.P3 == 1) {
    Body(s, "1", 42, 11, 42, 11, 38, 5);
  } else if (s.P3 == 2) {
    Body(s, "1", 43, 10, 42, 11, 28, 17);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 52.5, -18, 18, 11, 3);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 71, -18, 18, 2, -3);
  }
  PutNamedBoxByKind(s, s.P2, 5, 6, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 9, 22);
}

void Scheme114(SharedState& s) {
  SetPoint(s, 2, 40, 30);
  SetPoint(s, 3, 59.7, 20);
  SetPoint(s, 4, 50, -13.5);
  SetPoint(s, 5, 74, -13.5);
  toolkit::BeginPicture(s, 120, 72, -20, -30);
  PutLabel(s, "$A$", -10, -3);
  PutLabel(s, "$B$", 29, 30);
  DrawHatchRowV(s, -1, -15, -15, 110);
  for (int i = 1; i <= 5; ++i) DrawNodeMarker(s, i);
  BlueRodsBegin(s);
  DrawBar(s, 1, 2);
  Legs(s, 1, 14);
  toolkit::WriteText(s, "}\\OliveGreen{");
  DrawSegment(s, 40, -10, 40, 5);
  DrawSegment(s, 40, 35, 40, 40);
  DrawSegment(s, 59, 19, 50, -8);
  DrawSegment(s, 60.4, 19, 69.4, -8);
  SetLineWidth(s, 12);
  for (int k = 0; k < 4; ++k) {
    const double y = -4 - 3.8 * k / 3;
    DrawSegment(s, 40.2, y, 40.2 + 3 - k * 0.7, y);
  }
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Block(s, 60, -10, 40, 4);
  s.BlockColour = "\\Black";
  DrawRotatedBlock(s, 6, 40, 20, 0, 7, 30);
  s.BlockColour = "\\OliveGreen";
  PutLabel(s, "$1$", 30, 10);
  PutLabel(s, "$2$", 78, 5);
  Phi1(s, 1, 0.65, 12);
  DrawCircleAtPoint(s, 3, 32);
  HorizontalForce(s, s.P6, 81, 99, -10, 18, 2, -11, 2);
  PutNamedBoxByKind(s, s.P3, 3, 3, "MomentpLeft", "MomentpLeftmm");
  PutLabel(s, "$M$", 50, 22);
  if (s.P2 == 1) {
    DrawSegment(s, 34, 12, 38, 22);
  } else if (s.P2 == 2) {
    DrawSegment(s, 29, 11, 19, 14);
  }
  if (s.P4 == 1) {
    DrawSegment(s, 80, 4, 78, -8);
  } else if (s.P4 == 2) {
    DrawSegment(s, 68, 9, 77, 6);
  }
}

void Scheme115(SharedState& s) {
  SetPoint(s, 2, 30, 30);
  SetPoint(s, 3, 90, 30);
  SetPoint(s, 4, 60, 0);
  SetPoint(s, 5, 45, 40);
  toolkit::BeginPicture(s, 131, 73, -20, -10);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  Phi1(s, 1, 0.72, 18);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$A$", 25, 34);
  PutLabel(s, "$B$", 92, 28);
  PutLabel(s, "$C$", 50, -2);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 8);
  DrawBar(s, 3, 4);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 4);
  DrawSegment(s, 45, 50, 90, 50);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawStrokesAcrossRay(s, 3, 15, 3.9);
  toolkit::WriteText(s, "\\thicklines ");
  DrawCircleAtPoint(s, 3, 40);
  DrawCircleAtPoint(s, 5, 20);
  Body(s, "1", 22, 48, 26, 50, 38, 47);
  if (s.P2 == 1) {
    Body(s, "2", 60, 37, 62, 35, 62, 30);
  } else if (s.P2 == 2) {
    Body(s, "2", 60, 37, 65, 39, 73, 39);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 10, 30, 19, -12, -3);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 28, 30, 18, -32, -3);
  }
  PutNamedBoxByKind(s, s.P3, 5, 5, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 41, 41);
}

void Scheme116(SharedState& s) {
  SetPoint(s, 1, 30, 0);
  SetPoint(s, 2, 80, 0);
  SetPoint(s, 3, 0, 60);
  SetPoint(s, 4, 50, 60);
  SetPoint(s, 5, 20, 20);
  SetPoint(s, 6, 40, 45);
  toolkit::BeginPicture(s, 116, 80, -20, -10);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
  Phi1(s, 2, 2, 11);
  PutLabel(s, "$O$", 20, -2);
  PutLabel(s, "$A$", -9, 58);
  PutLabel(s, "$B$", 50, 63);
  PutLabel(s, "$C$", 70, -2);
  PutLabel(s, "$D$", 9, 15);
  for (int i = 3; i <= 5; ++i) DrawNodeMarker(s, i);
  Block(s, 20, 20, 18, 6, 2.03);
  BlueRodsBegin(s);
  DrawSegment(s, 1, 59, 16, 29);
  DrawSegment(s, 29, 1, 23.5, 12);
  DrawTwoBars(s, 3, 4, 2);
  toolkit::WriteText(s, "}");
  DrawBar(s, 4, 5);
  SetLineWidth(s, 1);
  if (s.P2 == 1) {
    Body(s, "2", 19, 45, 22, 51, 24, 60);
  } else if (s.P2 == 2) {
    Body(s, "2", 19, 45, 18, 47, 7, 47);
  }
  if (s.P3 == 1) {
    Body(s, "1", 33, 15, 32, 17, 24, 17);
  } else if (s.P3 == 2) {
    Body(s, "1", 34, 18, 35, 21, 25, 27);
  }
  HorizontalForce(s, s.P4, 52, 72, 60, 20, 21, 3, -3);
  PutNamedBoxByKind(s, s.P6, 6, 6, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 43, 32);
}

void Scheme117(SharedState& s) {
  SetPoint(s, 1, 10, 10);
  SetPoint(s, 2, 50, 50);
  SetPoint(s, 3, 80, 17.5);
  toolkit::BeginPicture(s, 132, 89, -20, -20);
  Phi1(s, 1, 0.71, 12);
  PutLabel(s, "$O$", 2, 10);
  PutLabel(s, "$A$", 40, 48);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  Block(s, 45, 3, 90, 5);
  DrawHatchRowH(s, 1, 66.5, 30, 38);
  DrawHatchRowV(s, 1, 66, 30, 40);
  DrawHatchRowV(s, -1, -5, -0.5, 110);
  BlueRodsBegin(s);
  Legs(s, 1, 4.5);
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawCircleAtPoint(s, 2, 32);
  DrawCircleAtPoint(s, 3, 24);
  if (s.P2 == 1) {
    Body(s, "1", 58, 11, 62, 12, 70, 12);
  } else if (s.P2 == 2) {
    Body(s, "1", 59, 11, 63, 11, 65, 6);
  }
  if (s.P3 == 1) {
    Body(s, "2", 24, 34, 27, 36, 35, 36);
  } else if (s.P3 == 2) {
    Body(s, "2", 24, 33, 28, 36, 35, 45);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 90, 3, 18, 9, 3);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 110, 3, 19, -5, 3);
  }
  PutNamedBoxByKind(s, s.P6, 3, 3, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 77, 20);
  PutNamedBoxByKind(s, s.P6, 2, 2, "rmomentp", "rmomentm");
  PutLabel(s, "$M$", 56, 48);
}

void Scheme118(SharedState& s) {
  SetPoint(s, 2, 100, 0);
  SetPoint(s, 3, 86, 55);
  SetPoint(s, 4, 80, 12);
  SetPoint(s, 5, 50.5, 29.5);
  SetPoint(s, 6, 24, 17);
  toolkit::BeginPicture(s, 127, 82, -15, -15);
  SetLineWidth(s, 1);
  PutLabel(s, "$A$", -8, 3);
  PutLabel(s, "$B$", 40, 31);
  PutLabel(s, "$C$", 77, 55);
  PutLabel(s, "$D$", 83, 13);
  PutLabel(s, "$E$", 85, -2);
  for (int i = 1; i <= 5; ++i) DrawNodeMarker(s, i);
  const int slider = 3 - s.P2;
  if (slider == 1 || slider == 2) Block(s, X(s, slider), 0, 16, 4);
  Block(s, 80, 12, 19, 5, 2.6);
  DrawHatchRowV(s, -1, -10, -3, 120);
  BlueRodsBegin(s);
  DrawSegment(s, 51.5, 29.1, 71.5, 17.1);
  DrawSegment(s, 98.5, 0.9, 88, 6.9);
  DrawTwoBars(s, 1, 3, 4);
  toolkit::WriteText(s, "}");
  if (s.P2 == 1 || s.P2 == 2) {
    const double x = X(s, s.P2);
    DrawSegment(s, x - 1, -1, x - 4, -3);
    DrawSegment(s, x + 1, -1, x + 4, -3);
  }
  SetLineWidth(s, 1);
  if (s.P2 == 1) {
    Phi(s, 1, 0.5, 14, 1, 0);
  } else if (s.P2 == 2) {
    Phi(s, 2, 2.6, 7, 1, 0);
  }
  if (s.P4 == 1) {
    Body(s, "1", 58, 10, 62, 12, 75, 12);
  } else if (s.P4 == 2) {
    Body(s, "1", 97, 30, 96, 32, 83, 32);
  }
  if (s.P3 == 1) {
    Body(s, "2", 44, 44, 48, 46, 61, 40);
  } else if (s.P3 == 2) {
    Body(s, "2", 67, 27, 65, 28, 59, 24);
  }
  ForceByOption(s, s.P7 <= 2, 88, 18, 11, 3, 108, 20, -5, 3, 55);
  PutNamedBoxByKind(s, s.P6, 6, 6, "rmomentp", "rmomentm");
  PutLabel(s, "$M$", 31, 14);
}

void Scheme119(SharedState& s) {
  SetPoint(s, 2, 50, 50);
  SetPoint(s, 3, 120, 50);
  SetPoint(s, 4, 70, 0);
  SetPoint(s, 5, 65, 17);
  toolkit::BeginPicture(s, 140, 87, -15, -10);
  PutLabel(s, "$O$", -8, 0);
  PutLabel(s, "$A$", 53, 52);
  PutLabel(s, "$B$", 118, 53);
  PutLabel(s, "$C$", 75, 0);
  PutLabel(s, "$D$", 35, 60);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  Block(s, 50, 50, 16, 4, 1.95);
  BlueRodsBegin(s);
  DrawSegment(s, 69.4, 1.5, 53, 42.5);
  DrawSegment(s, 47, 57.5, 44, 65);
  DrawTwoBars(s, 1, 2, 3);
  DrawBar(s, 4, 3);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Phi1(s, 1, 0.8, 11);
  if (s.P4 == 1) {
    Body(s, "2", 86, 34, 91, 40, 95, 50);
  } else if (s.P4 == 2) {
    Body(s, "2", 89, 34, 106, 36, 92, 36);
  }
  if (s.P3 == 1) {
    Body(s, "1", 45, 33, 49, 38, 51, 44);
  } else if (s.P3 == 2) {
    Body(s, "1", 45, 32, 49, 34, 56, 34);
  }
  ForceByOption(s, s.P7 <= 2, 44, 18, 18, -3, 64, 20, 2, -3, 65);
  PutNamedBoxByKind(s, s.P6, 5, 5, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 49, 10);
}

void Scheme120(SharedState& s) {
  SetPoint(s, 2, 40, 40);
  SetPoint(s, 3, 26, 24);
  SetPoint(s, 4, 50, 0);
  SetPoint(s, 5, 65, 13.3);
  toolkit::BeginPicture(s, 116, 82, -15, -15);
  DrawHatchRowV(s, -1, -10, -6, 110);
  DrawHatchRowV(s, 1, 40, 52.5, 60);
  DrawHatchRowV(s, -1, 80, 26.2, 20);
  PutLabel(s, "$O$", -8, 0);
  PutLabel(s, "$A$", 31, 39);
  PutLabel(s, "$B$", 18, 24);
  PutLabel(s, "$C$", 39, -3);
  DrawCircleAtPoint(s, 5, 28);
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(s, i);
  Block(s, 70, -3, 40, 4);
  Block(s, 40, 40, 6, 14);
  s.BlockColour = "\\Blue";
  Block(s, 68.6, 39.5, 50, 24);
  s.BlockColour = "\\OliveGreen";
  BlueRodsBegin(s);
  Legs(s, 1, 5);
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "}");
  DrawBar(s, 4, 3);
  SetLineWidth(s, 1);
  Phi1(s, 1, 0.71, 11);
  if (s.P4 == 1) {
    Body(s, "2", 86, 9, 85, 11, 77, 11);
  } else if (s.P4 == 2) {
    Body(s, "2", 89, 9, 88, 8, 84, -2);
  }
  if (s.P3 == 1) {
    Body(s, "1", 23, 7, 27, 9, 36, 14);
  } else if (s.P3 == 2) {
    Body(s, "1", 24, 6, 23, 8, 16, 17);
  }
  ForceByOption(s, s.P7 <= 2, 64, 18, 18, -3, 80, 20, 2, -3, 40);
  PutNamedBoxByKind(s, s.P6, 5, 5, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 62, 16);
}

void Scheme121(SharedState& s) {
  SetPoint(s, 2, 40, 40);
  SetPoint(s, 3, 26, 24);
  SetPoint(s, 4, 50, 0);
  SetPoint(s, 5, 80, 0);
  toolkit::BeginPicture(s, 130, 82, -15, -35);
  DrawHatchRowV(s, -1, -10, -15.5, 125);
  PutLabel(s, "$O$", -8, 0);
  PutLabel(s, "$A$", 31, 39);
  PutLabel(s, "$B$", 18, 24);
  PutLabel(s, "$C$", 39, -3);
  PutLabel(s, "$D$", 77, 3);
  Disc(s, 5, 20);
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(s, i);
  Block(s, 77, -12.5, 60, 5);
  SetLineWidth(s, 8);
  Legs(s, 1, 16);
  toolkit::WriteText(s, "\\Blue{");
  DrawBar(s, 4, 3);
  DrawTwoBars(s, 1, 2, 5);
  toolkit::WriteText(s, "}\\OliveGreen{");
  DrawSegment(s, 49.5, -1.3, 49, -10);
  DrawSegment(s, 50.5, -1.3, 55, -10);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Phi1(s, 1, 0.71, 11);
  if (s.P4 == 1) {
    Body(s, "2", 97, 1, 97, 2, 88, 2);
  } else if (s.P4 == 2) {
    Body(s, "2", 99, 0, 99, -1, 92, -11);
  }
  if (s.P3 == 1) {
    Body(s, "1", 23, 7, 27, 9, 36, 14);
  } else if (s.P3 == 2) {
    Body(s, "1", 24, 6, 23, 8, 16, 17);
  }
  ForceByOption(s, s.P7 <= 2, 28, 18, -10, -1, 46, 20, -27, -1, -12);
  PutNamedBoxByKind(s, s.P6, 5, 5, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", 60, -2);
}

void Scheme122(SharedState& s) {
  toolkit::BeginPicture(s, 130, 82, -15, -35);
  DrawHatchRowV(s, -1, -10, -15.5, 125);
  PutLabel(s, "$O$", -8, 0);
  PutLabel(s, "$A$", 32, 10);
  PutLabel(s, "$B$", 70, -6);
  Disc(s, 2, 30);
  Disc(s, 3, 30);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 5);
  DrawSegment(s, 46, 34, 86, 14);
  DrawSegment(s, 33, 7, 73, -13);
  SetLineWidth(s, 8);
  Legs(s, 1, 15);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoBars(s, 1, 2, 3);
  toolkit::WriteText(s, "}\\spe");
  Phi1(s, 1, 0.46, 14);
  if (s.P4 == 1) {
    Body(s, "2", 61, 16, 65, 17, 71, 12);
  } else if (s.P4 == 2) {
    Body(s, "2", 61, 16, 62, 16, 60, 10);
  }
  if (s.P3 == 1) {
    Body(s, "1", 13, 17, 17, 19, 27, 19);
  } else if (s.P3 == 2) {
    Body(s, "1", 14, 16, 21, 10, 16, 17);
  }
  PutNamedBoxByKind(s, s.P6, 2, 2, "Momentm", "Momentp");
  PutLabel(s, "$M$", 42, 23);
  ForceByOption(s, s.P7 <= 2, 80, 25, 17, 3, 106, 25, 2, 3, 0);
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
    case 111: Scheme111(s); break;
    case 112: Scheme112(s); break;
    case 113: Scheme113(s); break;
    case 114: Scheme114(s); break;
    case 115: Scheme115(s); break;
    case 116: Scheme116(s); break;
    case 117: Scheme117(s); break;
    case 118: Scheme118(s); break;
    case 119: Scheme119(s); break;
    case 120: Scheme120(s); break;
    case 121: Scheme121(s); break;
    case 122: Scheme122(s); break;
    case 127: DrawScheme127(s); break;
    default: break;
  }
  toolkit::EndPicture(s);
}

}  // namespace mechanisms
