#include <cmath>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
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

constexpr const char* kForce = "$\\vec F$";








// Option 1 places `first`, option 2 `second`, any other value nothing.
void BoxAt(SharedState& s, int option, int i, const char* first, const char* second) {
  if (option == 1) {
    PutBoxAtPoint(s, i, first);
  } else if (option == 2) {
    PutBoxAtPoint(s, i, second);
  }
}

// A vertical force at x: option 1 down from y_down, option 2 up from y_up.
void DownOrUp(SharedState& s, int option, double x, double y_down, double len_down, double y_up,
              double len_up) {
  if (option == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, x, y_down, len_down, 3, -10);
  } else if (option == 2) {
    DrawRedForceWithLabel(s, 0, 1, kForce, x, y_up, len_up, 3, 8);
  }
}

// A horizontal force: option 1 to the right from `right_from`, option 2 to the left from
// `left_from`.
void RightOrLeft(SharedState& s, int option, double right_from, double len_right,
                 double left_from, double len_left, double y) {
  if (option == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, right_from, y, len_right, 6, 3);
  } else if (option == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, left_from, y, len_left, -12, 3);
  }
}

void Leader(SharedState& s, int option, const char* n, double lx1, double ly1, double ax1,
            double ay1, double bx1, double by1, double lx2, double ly2, double ax2, double ay2,
            double bx2, double by2) {
  if (option == 1) {
    DrawLabelledSegment(s, n, lx1, ly1, ax1, ay1, bx1, by1);
  } else if (option == 2) {
    DrawLabelledSegment(s, n, lx2, ly2, ax2, ay2, bx2, by2);
  }
}

// A fork of two lines from point i to the left over `len`.
void Fork(SharedState& s, int i, double len) {
  toolkit::WriteText(s, "\\speh\\Blue{");
  DrawSegment(s, X(s, i) - 0.5, Y(s, i) + 1, X(s, i) - len, Y(s, i) + 5);
  DrawSegment(s, X(s, i) - 0.5, Y(s, i) - 1, X(s, i) - len, Y(s, i) - 5);
  toolkit::WriteText(s, "}\\spe ");
}

// A ring on two rollers; disc A on crank OA between the ring and a fixed cylinder.
void SubVariant1(SharedState& s) {
  SetPoint(s, 2, -13.8, 18);
  SetPoint(s, 3, -28, 14);
  SetPoint(s, 4, -35.5, -32);
  SetPoint(s, 5, 35.5, -32);
  toolkit::BeginPicture(s, 118, 87, -63, -45);
  for (int i : {1, 4, 5}) PutHingeBoxAtPoint(s, i);
  DrawCircleAtPoint(s, 4, 20);
  DrawCircleAtPoint(s, 5, 20);
  PutBox(s, "kolco", 0, 0);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawCircleAtPoint(s, 1, 28);
  DrawTwoCirclesAtPoint(s, 2, 18, 3);
  Phi(s, 1, 2.2, 6, 1, 0);
  Label(s, "$M$", 5, 10, -2);
  Label(s, "$O$", 1, -10, -4);
  Label(s, "$A$", 2, -8, -2);
  // The hatched bearing: 15 strokes on the radius-14 circle up to its lowest point.
  for (int k = 0; k <= 14; ++k) {
    const double a = (k - 14) / 12.0;
    const double x = 14 * std::sin(a);
    const double y = -14 * std::cos(a);
    DrawSegment(s, x, y, x - 2, y - 2);
  }
  PutBoxAtPoint(s, 5, s.P7 <= 2 ? "rtmomentp" : "rtmomentm");
  LeftOrRight(s, s.P2, X(s, 2) + 21.5, X(s, 2) + 1, Y(s, 2), 20);
  Leader(s, s.P3, "2", -21, 1, -17, 3, -5, 7, -23, 1, -19, 6, -17, 12);
  Leader(s, s.P4, "1", -50, -18, -46, -17, -34, -17, -51, -18, -46, -18, -41, -24);
}

// A cylinder on rod OB to a vertical sleeve, meshing with a plate; a disc rolls on the plate.
void SubVariant2(SharedState& s) {
  SetPoint(s, 2, -30, 36);
  SetPoint(s, 3, 50, 50);
  toolkit::BeginPicture(s, 126, 102, -63, -25);
  SetLineWidth(s, 10);
  DrawBar(s, 3, 1);
  DrawBar(s, 1, 2);
  DrawCircleAtPoint(s, 1, 32);
  DrawCircleAtPoint(s, 2, 28);
  DrawSegment(s, 50, -17, 50, 40);
  DrawSegment(s, 50, 60, 50, 65);
  SetLineWidth(s, 1);
  Block(s, X(s, 3), Y(s, 3), 7, 20);
  Ground(s, -40, -16, 100);
  Ground(s, -50.5, 15.5, 10);
  DrawHatchRowH(s, -1, -40, -16, 30.8);
  Block(s, -20, 19, 52, 5);
  Phi(s, 1, 0.74, 18, 1, 0);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  Label(s, "$O$", 1, -10, -4);
  Label(s, "$M$", 2, -12, 2);
  Label(s, "$A$", 2, -5, -9);
  Label(s, "$B$", 3, 5, -2);
  PutBoxAtPoint(s, 2, s.P7 <= 2 ? "rtmomentp" : "rtmomentm");
  DownOrUp(s, s.P2, 53, 40, 15, 60, 15);
  Leader(s, s.P4, "2", 26, 52, 31, 54, 47, 54, 27, 41, 31, 43, 43, 43);
  Leader(s, s.P3, "1", -30, 2, -26, 4, -14, 4, -31, 2, -31, 6, -36, 17);
}

// Cylinders A and C on rod AC with a swinging sleeve B; rod DE to a vertical sleeve D.
void SubVariant3(SharedState& s) {
  SetPoint(s, 2, 40, 0);
  SetPoint(s, 3, 80, 0);
  SetPoint(s, 4, 110, 35);
  SetPoint(s, 5, 48, 4);
  SetPoint(s, 6, 32, -4);
  SetPoint(s, 7, 40, -8);
  SetPoint(s, 8, X(s, 4) - 18, Y(s, 4) - 7);
  toolkit::BeginPicture(s, 138, 87, -22, -25);
  SetLineWidth(s, 10);
  DrawBar(s, 3, 4);
  DrawSegment(s, 1.5, 0, 33, 0);
  DrawSegment(s, 47, 0, 78.5, 0);
  DrawSegment(s, 110, -14, 110, 25);
  DrawSegment(s, 110, 45, 110, 56);
  toolkit::WriteText(s, "\\Blue{");
  DrawBar(s, 4, 5);
  DrawBar(s, 6, 7);
  toolkit::WriteText(s, "}\\spe");
  SetLineWidth(s, 1);
  Block(s, X(s, 2), Y(s, 2), 20, 5, 0.47);
  DrawCircleAtPoint(s, 1, 24);
  DrawCircleAtPoint(s, 3, 24);
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(s, i);
  Block(s, X(s, 4), Y(s, 4), 7, 20);
  Ground(s, -15, -12, 130);
  Phi(s, 3, 0.8, 16, 1, 0);
  Label(s, "$A$", 1, 2, -8);
  Label(s, "$M_1$", 1, 2, 12);
  Label(s, "$M_2$", 8, -18, 2);
  Label(s, "$B$", 2, -3, -9);
  Label(s, "$E$", 2, -22, -11);
  Label(s, "$C$", 3, 1, -8);
  Label(s, "$D$", 4, -11, -1);
  BoxAt(s, s.P3, 1, "vmoment", "vmomentp");
  BoxAt(s, s.P6, 8, "vmomentp", "vmoment");
  Leader(s, s.P4, "2", 30, 12, 30, 11, 23, 0, 47, 11, 51, 13, 64, 13);
  if (s.P7 == 1) {
    DrawLabelledSegment(s, "1", 100, -7, 98, -5, 90, -5);
  } else if (s.P7 <= 3) {
    DrawLabelledSegment(s, "1", 91, 44, 95, 46, 108, 44);
  } else {
    DrawLabelledSegment(s, "1", 104, 13, 103, 15, 97, 21);
  }
}

// A cylinder on rod AB to a vertical sleeve; a disc on rod BC rolls on the cylinder.
void SubVariant4(SharedState& s) {
  constexpr double u = 20;
  SetPoint(s, 2, 1.5 * u, 40);
  SetPoint(s, 3, -0.5 * u, 1.4 * u);
  toolkit::BeginPicture(s, 100, 87, -42, -25);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  toolkit::WriteText(s, "\\Blue{");
  DrawSegment(s, 30, -23, 30, 30);
  DrawSegment(s, 30, 50, 30, 61);
  toolkit::WriteText(s, "}\\spe");
  SetLineWidth(s, 1);
  Block(s, X(s, 2), Y(s, 2), 6, 20);
  DrawCircleAtPoint(s, 1, 40);
  DrawCircleAtPoint(s, 3, 20);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  Ground(s, -25, -20, 70);
  Phi(s, 1, 0.9, 11, 1, 0);
  Label(s, "$A$", 1, 2, -8);
  Label(s, "$M$", 3, -15, 9);
  Label(s, "$C$", 3, -5, -8);
  Label(s, "$B$", 2, -11, 0);
  BoxAt(s, s.P3, 3, "MomentLTp", "MomentLTm");
  LeftOrRight(s, s.P2, -1.5, -16, 0, 15);
  Leader(s, s.P4, "2", 0, 42, 0, 41, -3, 33, 0, 41, 4, 40, 15, 36);
  if (s.P7 == 1) {
    DrawLabelledSegment(s, "1", 39, 33, 39, 35, 33, 35);
  } else if (s.P7 <= 3) {
    DrawLabelledSegment(s, "1", 24, 13, 23, 15, 17, 22);
  } else {
    DrawLabelledSegment(s, "1", 24, 13, 23, 15, 17, 11);
  }
}

// A thin plate on two cylinders; a disc on rod BC rolls on the plate.
void SubVariant5(SharedState& s) {
  SetPoint(s, 2, 60, 0);
  SetPoint(s, 3, 20, 38.2);
  toolkit::BeginPicture(s, 138, 87, -42, -25);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 3);
  SetLineWidth(s, 1);
  Ground(s, -35, -20, 125);
  Block(s, 30, 22.5, 96, 4);
  if (s.P7 == 1 || s.P7 == 3 || s.P7 == 5) {
    DrawVector(s, 1, 0, -35, 28, 17);
    PutLabel(s, "$x$", -29, 29);
    DrawHatchRowH(s, -1, -35, 22, 10);
  } else {
    Phi(s, 3, 0.9, 16, 1, 0);
    DrawSegment(s, 20, 39, 34, 54);
  }
  DrawCircleAtPoint(s, 1, 40);
  DrawCircleAtPoint(s, 2, 40);
  DrawCircleAtPoint(s, 3, 28);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  PutBoxAtPoint(s, 3, s.P7 == 1 || s.P7 == 4 ? "VMmomentp" : "VMmomentm");
  BoxAt(s, s.P6, 1, "VMmomentm", "VMmomentp");
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 94.5, 22, 16, -11, 3);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 78.5, 22, 16, 3, 3);
  }
  Label(s, "$A$", 1, 2, -8);
  Label(s, "$M_2$", 3, -26, 9);
  PutLabel(s, "$M_1$", -6, 6);
  Label(s, "$C$", 3, -5, -8);
  Label(s, "$B$", 2, 2, -8);
  Leader(s, s.P4, "2", 38, 26, 37, 28, 30, 33, 38, 26, 37, 27, 32, 27);
  Leader(s, s.P3, "1", 23, 10, 22, 11, 14, 10, 24, 13, 23, 15, 17, 22);
}

// A cylinder on rod AB; a weightless disc and slider C on rod BC run on the faces of a load.
void SubVariant6(SharedState& s) {
  SetPoint(s, 2, 41, 20);
  SetPoint(s, 3, 99.5, 2);
  toolkit::BeginPicture(s, 134, 87, -22, -25);
  Block(s, 73.8, 11, 44, 44);
  s.BlockColour = "\\Blue";
  Block(s, X(s, 3), Y(s, 3), 6, 12);
  s.BlockColour = "\\OliveGreen";
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.5, 16, 1, 0);
  DrawStrokesAcrossRay(s, 1, 8, std::atan2(Y(s, 2), X(s, 2)));
  DrawCircleAtPoint(s, 1, 24);
  DrawCircleAtPoint(s, 2, 24);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  Label(s, "$A$", 1, -9, -2);
  Label(s, "$M$", 2, 0, 13);
  Label(s, "$B$", 2, -2, -8);
  Label(s, "$C$", 3, 4, 2);
  DrawLabelledSegment(s, "2", 75, 39, 74, 39, 70, 33);
  if (s.P2 == 1) {
    PutHingeBoxAtPoint(s, 1);
    Ground(s, 15, -12, 95);
  } else if (s.P2 == 2) {
    DrawNodeMarker(s, 1);
    Ground(s, -15, -12, 125);
  }
  PutBoxAtPoint(s, 2, s.P7 == 1 || s.P7 == 4 ? "MomentLTp" : "MomentLTm");
  DownOrUp(s, s.P6, 99, 27, 19, 9, 18);
  Leader(s, s.P3, "1", 14, 14, 18, 15, 25, 13, 13, 15, 13, 15, 7, 7);
}

// A cylinder hinged at B to rod AC; the disc at the rod's end meshes with it; crank OA.
void SubVariant7(SharedState& s) {
  SetPoint(s, 2, 36, 24);
  SetPoint(s, 3, 72, 0);
  SetPoint(s, 4, -36, -24);
  toolkit::BeginPicture(s, 139, 87, -54, -45);
  SetLineWidth(s, 10);
  DrawBar(s, 4, 2);
  DrawBar(s, 2, 3);
  toolkit::WriteText(s, "\\Blue{");
  DrawSegment(s, 72, -1, 65, -24);
  DrawSegment(s, 72, -1, 79, -24);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Phi(s, 3, 2.6, 8, -4, 0);
  Ground(s, -15, -24, 95);
  DrawTwoCirclesAtPoint(s, 4, 24, 3);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  DrawCircleAtPoint(s, 1, 48);
  DrawCircleAtPoint(s, 1, 4);
  Label(s, "$A$", 2, -9, 0);
  Label(s, "$M$", 4, -17, 9);
  Label(s, "$B$", 1, -8, 0);
  Label(s, "$C$", 4, -2, -9);
  Label(s, "$O$", 3, -10, -6);
  PutBoxAtPoint(s, 4, s.P7 == 1 || s.P7 == 4 ? "MomentLTp" : "MomentLTm");
  RightOrLeft(s, s.P6, 2, 19, 20, 18, 0);
  Leader(s, s.P3, "2", 35, 11, 26, 17, 35, 13, 33, 11, 37, 14, 47, 17);
  Leader(s, s.P2, "1", -34, 0, -30, 2, -24, 2, -33, 0, -30, -1, -30, -9);
}

// A cylinder on crank AB meshing with a plate and disc C; cylinders B and O roll on the plate.
void SubVariant8(SharedState& s) {
  SetPoint(s, 2, 30, 20);
  SetPoint(s, 3, 60, 0);
  SetPoint(s, 4, -21, 18);
  toolkit::BeginPicture(s, 132, 87, -40, -45);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  Fork(s, 4, 12);
  s.BlockColour = "\\Blue";
  Block(s, X(s, 2) - 10, -20, 100, 4);
  s.BlockColour = "\\OliveGreen";
  Phi(s, 1, 0.6, 11, 0, -8);
  DrawStrokesAcrossRay(s, 1, 14, 0.6);
  Ground(s, -33, -23, 123);
  DrawHatchRowH(s, -1, X(s, 4) - 12, -23, 48);
  DrawTwoCirclesAtPoint(s, 1, 36, 3);
  DrawTwoCirclesAtPoint(s, 3, 36, 3);
  DrawTwoCirclesAtPoint(s, 4, 20, 3);
  DrawNodeMarker(s, 2);
  Label(s, "$A$", 2, -9, 0);
  Label(s, "$B$", 1, -8, 0);
  Label(s, "$C$", 4, -2, -8);
  Label(s, "$O$", 3, -10, -6);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 3, s.P4 == 1 ? "rtmomentp" : "rtmomentm");
    Label(s, "$M$", 3, 7, 1);
  } else if (s.P2 == 2) {
    PutBoxAtPoint(s, 4, s.P7 == 1 || s.P7 == 4 ? "rtmomentp" : "rtmomentm");
    Label(s, "$M$", 4, 7, 9);
  }
  RightOrLeft(s, s.P6, 71, 19, 89, 18, -20);
  Leader(s, s.P3, "2", 30, 6, 20, 12, 30, 8, 23, 8, 27, 11, 38, 14);
  Leader(s, s.P2, "1", -32, 33, -28, 33, -25, 27, 35, -8, 38, -5, 43, -5);
}

// A cylinder meshing with a plate and disc C; a sleeve on crank OB joined by rod AC to C.
void SubVariant9(SharedState& s) {
  SetPoint(s, 2, -10, 50);
  SetPoint(s, 3, -26, 18);
  SetPoint(s, 4, -8, 40);
  SetPoint(s, 5, -13, 56);
  toolkit::BeginPicture(s, 106, 101, -65, -30);
  SetLineWidth(s, 10);
  DrawBar(s, 3, 2);
  DrawSegmentFromNodeRev(s, 4, 1);
  DrawSegment(s, -12, 60, -14, 70);
  Fork(s, 3, 14);
  s.BlockColour = "\\Blue";
  Block(s, X(s, 2) + 10, -22, 40, 4);
  Block(s, X(s, 2), Y(s, 2), 20, 4, 1.76);
  s.BlockColour = "\\OliveGreen";
  Phi(s, 1, 1.76, 11, -4, -6);
  Ground(s, X(s, 3) - 14, -25, 80);
  DrawHatchRowH(s, -1, X(s, 3) - 14, -25, 54);
  DrawTwoCirclesAtPoint(s, 1, 40, 3);
  DrawTwoCirclesAtPoint(s, 3, 24, 3);
  DrawNodeMarker(s, 2);
  Label(s, "$M$", 3, -5, -19);
  Label(s, "$A$", 2, 3, 0);
  Label(s, "$B$", 2, -11, 12);
  Label(s, "$O$", 1, -9, -3);
  Label(s, "$C$", 3, -7, 4);
  DrawDimensionVText(s, "$b$", X(s, 3) - 25, -25, Y(s, 3));
  BoxAt(s, s.P4, 3, "MmomenRBm", "MmomenRBp");
  RightOrLeft(s, s.P6, 20, 19, 38, 18, -22);
  Leader(s, s.P3, "2", -31, -18, -27, -16, -20, -21, -31, -18, -27, -16, -12, -14);
  Leader(s, s.P2, "1", -26, 40, -22, 43, -13, 43, -22, 50, -18, 52, -13, 54);
  if (s.P7 <= 2) {
    DrawStrokesAcrossRay(s, 1, 16, 1.76);
  } else {
    DrawStrokesAcrossRay(s, 3, 8, 1.1);
  }
}

// Cylinders A and B on rod AB roll on a vertical post; a slider at the end of rod OA.
void SubVariant10(SharedState& s) {
  SetPoint(s, 2, 30, 34);
  SetPoint(s, 3, 55.5, 9);
  toolkit::BeginPicture(s, 119, 88, -42, -15);
  Block(s, X(s, 1), Y(s, 1), 20, 6);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 10);
  DrawSegment(s, 45, -4, 45, 72);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.78, 15, 1, 0);
  Ground(s, -15, -3.8, 85);
  DrawHatchRowV(s, 1, -15, 70, 85);
  DrawCircleAtPoint(s, 2, 30);
  DrawCircleAtPoint(s, 3, 20);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  Label(s, "$O$", 1, -5, 4);
  Label(s, "$M_1$", 2, -19, 13);
  PutLabel(s, "$M_2$", 65, 8);
  Label(s, "$B$", 3, -5, -8);
  Label(s, "$A$", 2, 1, 3);
  PutBoxAtPoint(s, 2, s.P7 == 1 || s.P7 == 4 ? "Momentm" : "Momentp");
  BoxAt(s, s.P2, 3, "rtmomentp", "rtmomentm");
  RightOrLeft(s, s.P6, -29, 19, -10, 18, 0);
  Leader(s, s.P4, "2", 30, 10, 34, 12, 42, 22, 55, 26, 55, 26, 52, 17);
  Leader(s, s.P3, "1", -1, 14, 3, 15, 18, 26, -1, 15, 3, 17, 14, 15);
}

}  // namespace

void DrawScheme126(SharedState& s) {
  if (s.P1 != 126) return;
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
