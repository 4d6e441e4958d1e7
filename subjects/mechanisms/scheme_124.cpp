#include <numbers>

#include "figures/dimensions.h"
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

using namespace figures;  // NOLINT: the drawer reads like the drawings it makes
using namespace drawing;

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";






// Option 1 places `first`, option 2 `second`, any other value nothing.
void BoxAt(SharedState& s, int option, int i, const char* first, const char* second) {
  if (option == 1) {
    PutBoxAtPoint(s, i, first);
  } else if (option == 2) {
    PutBoxAtPoint(s, i, second);
  }
}

// A bent lever turning about O; a cylinder on a rod triangle rolls on it, a sleeve slides on
// its far side. Every coordinate is a multiple of 9 units.
void SubVariant1(SharedState& s) {
  SetPoint(s, 1, 54, -27);
  SetPoint(s, 3, -31.5, -63);
  SetPoint(s, 4, -27, 36);
  SetPoint(s, 5, 63, -9);
  toolkit::BeginPicture(s, 128, 119, -55, -67);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 4);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawSegmentFromNodeRev(s, 5, 1);
  LineTo(s, -18, 31.5);
  DrawSegment(s, -36, 40.5, -45, 45);
  DrawBar(s, 2, 4);
  DrawBar(s, 2, 3);
  DrawBar(s, 3, 4);
  toolkit::WriteText(s, "}\\spe ");
  Phi(s, 1, 1.1, 12, 2, 0);
  DrawHatchRowV(s, -1, -13, -28, 81);
  DrawHatchRowH(s, 1, -13, -45, 16);
  Block(s, X(s, 4), Y(s, 4), 19, 5, 2.68);
  DrawDimensionHText(s, "$a$", -13, 54, -49);
  DrawTwoCirclesAtPoint(s, 2, 3, 39);
  PutBoxAtPoint(s, 2, s.P4 == 1 ? "MomentpLeft" : "MomentpLeftmm");
  Label(s, "$M$", 2, 0, -12);
  Label(s, "$A$", 5, 2, 1);
  Label(s, "$B$", 4, -16, 9);
  Label(s, "$C$", 3, -9, 0);
  Label(s, "$E$", 2, -11, -3);
  Label(s, "$D$", 4, 3, 5);
  Label(s, "$O$", 1, -7, 1);
  if (s.P2 == 1) {
    DrawFilledCircle(s, X(s, 3), Y(s, 3), 4);
    SetLineWidth(s, 1);
    DrawLabelledSegment(s, "2", -19, -63, -20, -61, -31, -63);
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 4) + 31, Y(s, 4), 26, 2, -3);
    } else if (s.P3 == 2) {
      DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 4) + 5, Y(s, 4), 26, 29, -3);
    }
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "2", -8, 35, -9, 35, -17, 34);
    SetLineWidth(s, 1);
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 3) + 27, Y(s, 3), 26, 2, -3);
    } else if (s.P3 == 2) {
      DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 3) + 1, Y(s, 3), 26, 29, -3);
    }
  }
  SetLineWidth(s, 1);
  DrawLabelledSegment(s, "1", 26, -5, 25, -3, 17, 0);
}

// A disc rolling inside a cylindrical surface; a two-link from the surface's centre.
void SubVariant2(SharedState& s) {
  SetPoint(s, 1, 50, 50);
  SetPoint(s, 2, 70, 20);
  SetPoint(s, 3, 80, 70);
  toolkit::BeginPicture(s, 134, 88, -23, -5);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 3, 2);
  PutHingeBoxAtPoint(s, 1);
  DrawArcPolyline(s, 0, X(s, 1), Y(s, 1), 3.14, 6.28, 50);
  DrawTwoCirclesAtPoint(s, 2, 28, 3);
  DrawNodeMarker(s, 3);
  Phi(s, 1, 0.58, 16, 2, 0);
  BoxAt(s, s.P4, 2, "vmomenp", "vmomen");
  Label(s, "$M$", 2, -18, -16);
  Label(s, "$O$", 1, -8, 1);
  Label(s, "$A$", 3, -8, 2);
  Label(s, "$B$", 2, 4, -2);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 3) + 27, Y(s, 3), 26, -12, 4);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 3) + 1, Y(s, 3), 26, 9, 3);
  }
  DrawHatchRowV(s, -1, 100, 50, 10);
  DrawHatchRowV(s, -1, -10, 50, 10);
  PutLabel(s, "$1$", 50, 61);
  DrawSegment(s, 55, 63, 60, 56);
  DrawVector(s, -2, -1, X(s, 1), Y(s, 1), 44);
  PutLabel(s, "$R$", X(s, 1) - 37, 35);
  DrawDashedLineMultiput(s, 20, X(s, 1) - 50, Y(s, 1), X(s, 1) + 50, Y(s, 1));
  PutLabel(s, "$2$", 87, 34);
  if (s.P3 == 1) {
    DrawSegment(s, 87, 35, 75, 43);
  } else if (s.P3 == 2) {
    DrawSegment(s, 87, 36, 80, 30);
  }
}

// A sleeve on the inclined rod of a platform; the two-link OBA and a vertical stem at B.
void SubVariant3(SharedState& s) {
  SetPoint(s, 2, 20, 60);
  SetPoint(s, 3, 82, 54);
  SetPoint(s, 4, 120, 80);
  SetPoint(s, 5, 20, 100);
  SetPoint(s, 6, 22, 45);
  SetPoint(s, 7, 74, 49.33);
  SetPoint(s, 8, 90, 60);
  const double x4 = X(s, 4);
  // Drawn at 0.64 of the usual scale: the unit changes inside the picture (a change outside it
  // would outlive the picture and shrink every figure after this one), so the room is given
  // in points.
  toolkit::BeginPicture(s, 106, 88, -15, -23);
  toolkit::WriteLine(s, "\\unitlength=0.64pt");
  SetLineWidth(s, 5);
  DrawBar(s, 5, 2);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 7);
  DrawBar(s, 8, 4);
  DrawBar(s, 3, 2);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  Phi(s, 1, 1.18, 16, -3, 5);
  DrawHatchRowV(s, -1, -10, -11, 150);
  DrawHatchRowsH(s, X(s, 2), Y(s, 2) + 14, 10);
  DrawLabelledArcArrow(s, 0, "\\alpha", -1, x4, Y(s, 4), 3.8, 3 * kPi / 2, 15, -4);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 1);
  PutBoxAtPoint(s, 6, s.P4 == 1 ? "vmomenp" : "vmomen");
  Label(s, "$M$", 6, -3, -6);
  Label(s, "$O$", 1, -12, -2);
  Label(s, "$A$", 3, -9, 5);
  Label(s, "$B$", 2, -11, 0);
  SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Blue{");
  MoveTo(s, 0, 0);
  LineTo(s, x4 - 1, 0);
  LineTo(s, x4 - 1, Y(s, 4));
  LineTo(s, x4 + 10, Y(s, 4));
  LineTo(s, x4 + 10, -10);
  LineTo(s, 0, -10);
  LineTo(s, X(s, 1), Y(s, 1));
  toolkit::WriteText(s, "}");
  Block(s, X(s, 3), Y(s, 3), 21, 6, 0.58);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, x4, 20, 39, -24, 4);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, x4 - 40, 20, 39, 9, 4);
  }
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "1", 87, 40, 77, 49, 86, 44);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "1", 64, 65, 64, 65, 55, 56);
  }
  if (s.P7 <= 2) {
    DrawLabelledSegment(s, "2", -17, 15, -11, 17, 6, 22);
  } else if (s.P7 == 3) {
    DrawLabelledSegment(s, "2", 45, 8, 49, 7, 52, 0);
  } else {
    DrawLabelledSegment(s, "2", 8, 91, 15, 93, 20, 93);
  }
}

// A cylinder with a rod rolling on the incline of a prism; the rod's end carries a load.
void SubVariant4(SharedState& s) {
  SetPoint(s, 1, 38, 30);
  SetPoint(s, 2, 80, 70);
  toolkit::BeginPicture(s, 116, 105, -23, -15);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawStrokesAcrossRay(s, 1, 12, kPi / 4);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.74, 18, 1, 0);
  DrawHatchRowV(s, -1, -10, -1, 100);
  DrawHatchRowH(s, 1, 90, -1, 90);
  DrawCircleAtPoint(s, 1, 32);
  DrawLabelledArcArrow(s, 0, "\\alpha", -1, 50, 0, 2.5, kPi, 15, 0);
  DrawNodeMarker(s, 2);
  BoxAt(s, s.P4, 1, "MomentpLeftmm", "MomentpLeft");
  Label(s, "$M$", 1, -12, 3);
  SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Blue{");
  MoveTo(s, 0, 0);
  LineTo(s, 0, 40);
  LineTo(s, 50, 0);
  LineTo(s, 0, 0);
  toolkit::WriteText(s, "}");
  Block(s, X(s, 2), Y(s, 2), 18, 24);
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "1", -11, 35, -7, 37, 1, 37);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "1", 18, 47, 22, 48, 26, 40);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 63, 82, 67, 82, 72, 78);
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, 0, 20, 20, -20, 4);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, 1, 0, kForce, -20, 20, 20, 0, 4);
    }
  } else if (s.P3 == 2) {
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, 80, 58, 20, -9, -14);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, 0, 1, kForce, 80, 38, 20, -9, -4);
    }
    DrawLabelledSegment(s, "2", 48, 51, 53, 53, 62, 53);
  }
}

// A sleeve on a vertical post; its rod carries a cylinder resting on a plate on an incline.
void SubVariant5(SharedState& s) {
  SetPoint(s, 1, 0, 12);
  SetPoint(s, 2, 40, 45);
  SetPoint(s, 3, 30, 15);
  // Drawn at 1.2 of the usual scale, the unit changed inside the picture as above.
  toolkit::BeginPicture(s, 127, 105, -18, -18);
  toolkit::WriteLine(s, "\\unitlength=1.2pt");
  SetLineWidth(s, 10);
  DrawSegment(s, 30, 15, 80, 44);
  DrawSegment(s, 0, 6, 0, 0);
  DrawSegment(s, 0, 18, 0, 38);
  DrawBar(s, 1, 2);
  DrawStrokesAcrossRay(s, 2, 12, 3.8);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.7, 14, 1, 0);
  DrawHatchRowV(s, -1, -11, 0, 40);
  DrawHatchRowV(s, -1, 80, 0, 10);
  DrawHatchRowH(s, 1, 30, 0, 14);
  DrawHatchRowH(s, -1, 80, 0, 42);
  DrawCircleAtPoint(s, 2, 32);
  DrawNodeMarker(s, 1);
  DrawMomentAtPoint(s, 3, 0, "\\alpha", 0.54, 16, 2, 0);
  DrawNodeMarker(s, 2);
  BoxAt(s, s.P4, 2, "MomentpLeftmm", "MomentpLeft");
  Label(s, "$M$", 2, -12, 3);
  Block(s, 0, Y(s, 1), 8, 12);
  Block(s, 48, 28.5, 32, 4, 0.535);
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "1", -14, 5, -10, 7, -4, 9);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "1", 9, 27, 13, 27, 19, 27);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 63, 42, 62, 43, 52, 43);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", 25, 22, 29, 24, 39, 24);
  }
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, -3, 38, 20, -7, -2);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 0, 1, kForce, -3, 18, 18, -7, 12);
  }
}

// The sliding body with a quarter-circle face of radius R (its centre at the origin).
void QuarterBody(SharedState& s, double back) {
  SetLineWidth(s, 5);
  MoveTo(s, 40, 0);
  LineTo(s, back, 0);
  LineTo(s, back, 40);
  LineTo(s, 0, 40);
  DrawArcPolyline(s, 0, 0, 0, 0, kPi / 2, 40);
}

void RadiusMark(SharedState& s) {
  DrawVector(s, 1, 2, 0, 0, 18);
  PutLabel(s, "$R$", 6, 31);
}

void MassOneOnBodyOrRod(SharedState& s) {
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "1", -17, 45, -14, 44, -12, 39);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "1", 28, 11, 27, 13, 22, 16);
  }
}

// A disc between the body's curved face and a vertical stem.
void SubVariant6(SharedState& s) {
  SetPoint(s, 1, 0, 1.5);
  SetPoint(s, 2, 51, 34);
  toolkit::BeginPicture(s, 135, 109, -50, -16);
  QuarterBody(s, -34);
  SetLineWidth(s, 15);
  DrawBar(s, 1, 2);
  DrawSegment(s, 72.3, -15, 72.3, 70);
  DrawSegment(s, 70, 70, 75, 70);
  SetLineWidth(s, 10);
  DrawSegment(s, 70.5, -1.5, 70.5, -10);
  DrawSegment(s, 74, -1.5, 74, -10);
  SetLineWidth(s, 1);
  RadiusMark(s);
  DrawHatchRowsH(s, 72.3, 55, 10);
  Phi(s, 1, 0.6, 14, 1, 0);
  DrawDashedLineMultiput(s, 12, 0, 40, 0, 0);
  DrawHatchRowV(s, -1, -45, -1, 114);
  DrawHatchRowV(s, -1, 74, -1, 10);
  DrawCircleAtPoint(s, 2, 42);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  MassOneOnBodyOrRod(s);
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 78, 42, 77, 43, 72, 43);
    BoxAt(s, s.P4, 2, "MomentpLeftmm", "MomentpLeft");
    Label(s, "$M$", 2, -12, 3);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", 62, 4, 62, 6, 55, 14);
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, 72.3, 86, 14, -9, -5);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, 0, 1, kForce, 72.3, 71.5, 18, -9, 12);
    }
  }
}

// The same body; rods AB and BC join the disc's axis to the face's centre and a fixed hinge.
void SubVariant7(SharedState& s) {
  SetPoint(s, 1, 0, 1.5);
  SetPoint(s, 2, 51, 34);
  SetPoint(s, 3, 102, 0);
  SetPoint(s, 4, 80, 16);
  toolkit::BeginPicture(s, 149, 87, -30, -15);
  QuarterBody(s, -20);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 2, 3);
  DrawSegment(s, 95.7, -1, 97, -5);
  SetLineWidth(s, 1);
  RadiusMark(s);
  if (s.P2 == 1) {
    Phi(s, 3, 2.6, 12, 1, 0);
  } else if (s.P2 == 2) {
    Phi(s, 1, 0.6, 14, 1, 0);
  }
  DrawDashedLineMultiput(s, 12, 0, 40, 0, 0);
  DrawHatchRowV(s, -1, -25, -1, 120);
  DrawCircleAtPoint(s, 2, 42);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  PutHingeBoxAtPoint(s, 3);
  MassOneOnBodyOrRod(s);
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 98, 12, 97, 13, 91, 6);
    BoxAt(s, s.P4, 2, "MomentpLeftmm", "MomentpLeft");
    Label(s, "$M$", 2, -12, 3);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", 62, 4, 62, 6, 55, 14);
    BoxAt(s, s.P4, 4, "rmomentm", "rmomentp");
    Label(s, "$M$", 4, 8, 3);
  }
  PutLabel(s, "$C$", 104, 1);
  PutLabel(s, "$B$", 49, 24);
  PutLabel(s, "$A$", -10, 2);
}

// A two-rim block rolling on a half-cylinder and turning the cylinder on the same axis.
void SubVariant8(SharedState& s) {
  SetPoint(s, 1, 28, 0);
  SetPoint(s, 2, 57.8, 29.8);
  toolkit::BeginPicture(s, 109, 87, -30, -25);
  SetLineWidth(s, 5);
  DrawArcPolyline(s, 0, 28, 0, 0, kPi, 28);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, 56, 0, 10);
  DrawHatchRowV(s, -1, -11, 0, 10);
  Phi(s, 1, 0.7, 12, 1, 0);
  DrawDashedLineMultiput(s, 12, 28, 0, X(s, 2), Y(s, 2));
  DrawCircleAtPoint(s, 1, 44);
  DrawNodeMarker(s, 2);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoCirclesAtPoint(s, 2, 28, 40);
  toolkit::WriteText(s, "}");
  PutHingeBoxAtPoint(s, 1);
  DrawLabelledSegment(s, "1", -2, -14, 2, -13, 12, -13);
  DrawLabelledSegment(s, "2", 72, 4, 72, 6, 65, 14);
  BoxAt(s, s.P3, 2, "Umomp", "Umomm");
  Label(s, "$M_2$", 2, -3, -8);
  BoxAt(s, s.P2, 1, "Lmomp", "Lmomm");
  Label(s, "$M_1$", 1, -11, 13);
}

// Rods AB and BC hinged at B to a horizontal stem; A on a piston, a cylinder at C rolling on
// it. P2 puts the stem's end left (1) or right (2) of the mechanism.
void SubVariant9(SharedState& s) {
  SetPoint(s, 1, 10, 39);
  SetPoint(s, 2, 50, 70);
  SetPoint(s, 3, 90, 39);
  SetPoint(s, 4, 120 * (s.P2 - 1) - 20, 70);
  s.PointX[5] = (X(s, 2) + X(s, 4)) / 2;
  const double x5 = X(s, 5);
  toolkit::BeginPicture(s, 144, 92, -20, -10);
  DrawRedForceWithLabel(s, 0, 1, kForce, 60, -9, 18, -9, 2);
  PutLabel(s, "$C$", 80, 33);
  PutLabel(s, "$B$", 44, 74);
  PutLabel(s, "$A$", 5, 43);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 2, 3);
  DrawBar(s, 4, 2);
  SetLineWidth(s, 5);
  MoveTo(s, 0, 10);
  LineTo(s, 0, 40);
  LineTo(s, 10, 40);
  LineTo(s, 10, 20);
  LineTo(s, 110, 20);
  LineTo(s, 110, 40);
  LineTo(s, 120, 40);
  LineTo(s, 120, 10);
  LineTo(s, 0, 10);
  SetLineWidth(s, 1);
  if (s.P7 == 1) {
    DrawLabelledSegment(s, "1", x5 - 2, 74, x5 - 2, 75, x5 - 4, 70);
  } else if (s.P7 == 2) {
    DrawLabelledSegment(s, "1", 51, 25, 50, 26, 40, 20);
  } else {
    DrawLabelledSegment(s, "1", 61, 32, 65, 34, 72, 34);
  }
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "2", 57, 46, 62, 48, 69, 55);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "2", 38, 46, 37, 48, 28, 55);
  }
  DrawHatchRowH(s, -1, -1, -5, 50);
  DrawHatchRowH(s, 1, 121, -5, 50);
  DrawHatchRowsV(s, X(s, 4) - 30 * (s.P2 - 1) + 10, 70, 10);
  Phi(s, 1, 0.65, 12, 1, 0);
  DrawDashedLineMultiput(s, 12, X(s, 1), Y(s, 1), X(s, 2), Y(s, 2));
  DrawCircleAtPoint(s, 3, 38);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  BoxAt(s, s.P2, 3, "rmomentm", "rmomentp");
  Label(s, "$M$", 3, 6, -3);
}

// A slider in the slot of a vertically sliding piston; rods from a rolling cylinder.
void SubVariant10(SharedState& s) {
  SetPoint(s, 1, 10, 60);
  SetPoint(s, 2, 40, 20);
  SetPoint(s, 3, 70, 60);
  toolkit::BeginPicture(s, 109, 101, -15, -5);
  DrawRedForceWithLabel(s, 0, -1, kForce, 45, 89, 15, -9, -2);
  PutLabel(s, "$C$", 68, 65);
  PutLabel(s, "$A$", 5, 63);
  PutLabel(s, "$B$", 36, 11);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawSegment(s, 0, 40, 8, 40);
  LineTo(s, 10, 46);
  LineTo(s, 80, 46);
  LineTo(s, 82, 40);
  LineTo(s, 90, 40);
  LineTo(s, 90, 74);
  LineTo(s, 0, 74);
  LineTo(s, 0, 40);
  toolkit::WriteText(s, "}");
  Block(s, 50, 60, 70, 8);
  Block(s, X(s, 3), Y(s, 3), 14, 6);
  SetLineWidth(s, 1);
  if (s.P7 == 1) {
    DrawLabelledSegment(s, "1", 76, 84, 76, 84, 70, 74);
  } else if (s.P7 == 2) {
    DrawLabelledSegment(s, "1", 79, 48, 79, 51, 72, 60);
  } else {
    DrawLabelledSegment(s, "1", 67, 22, 66, 24, 59, 24);
  }
  if (s.P6 == 1) {
    DrawLabelledSegment(s, "2", 64, 37, 63, 39, 54, 39);
  } else if (s.P6 == 2) {
    DrawLabelledSegment(s, "2", 12, 37, 16, 39, 25, 41);
  }
  DrawHatchRowH(s, -1, -1, 0, 87);
  DrawHatchRowH(s, 1, 91, 0, 87);
  DrawHatchRowV(s, -1, -1, 0, 91);
  Phi(s, 2, 0.85, 12, 1, 0);
  DrawCircleAtPoint(s, 2, 40);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  PutNamedBoxByKind(s, s.P2, 2, 2, "MomentpLeftdmin", "MomentpLeftdplu");
  PutLabel(s, "$M$", 22, 23);
}

}  // namespace

void DrawScheme124(SharedState& s) {
  if (s.P1 != 124) return;
  switch (s.P5) {
    case 1: SubVariant1(s); break;
    case 2: SubVariant2(s); break;
    case 3: SubVariant3(s); break;
    case 4: SubVariant4(s); break;
    case 5: SubVariant5(s); break;
    case 6: SubVariant6(s); break;
    case 7: SubVariant7(s); break;
    case 8: SubVariant8(s); break;
    case 9: SubVariant9(s); break;
    case 10: SubVariant10(s); break;
    default: break;
  }
}

}  // namespace mechanisms
