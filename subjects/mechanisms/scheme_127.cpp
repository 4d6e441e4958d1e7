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








void Leader(SharedState& s, int option, const char* n, double lx1, double ly1, double ax1,
            double ay1, double bx1, double by1, double lx2, double ly2, double ax2, double ay2,
            double bx2, double by2) {
  if (option == 1) {
    DrawLabelledSegment(s, n, lx1, ly1, ax1, ay1, bx1, by1);
  } else if (option == 2) {
    DrawLabelledSegment(s, n, lx2, ly2, ax2, ay2, bx2, by2);
  }
}

// A disc on crank OA rolling on a cylinder that rolls on the floor.
void SubVariant1(SharedState& s) {
  SetPoint(s, 2, 40, 20);
  SetPoint(s, 3, 80, 0);
  toolkit::BeginPicture(s, 137, 87, -20, -40);
  PutHingeBoxAtPoint(s, 1);
  DrawTwoCirclesAtPoint(s, 2, 30, 3);
  DrawTwoCirclesAtPoint(s, 3, 60, 3);
  SetLineWidth(s, 10);
  DrawSegment(s, 6, -30, 6, -5);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawDimensionVText(s, "$R$", 20, -30, 0);
  Ground(s, 6, -30, 110);
  Phi(s, 1, 0.45, 14, 1, 0);
  Label(s, "$O$", 1, -9, -4);
  Label(s, "$A$", 2, 3, 4);
  // Left of the axle when the force's letter stands right of it.
  Label(s, "$B$", 3, s.P2 == 2 ? -9 : 3, 3);
  DrawLabelledSegment(s, "1", 8, 10, 12, 12, 22, 12);
  PutBoxAtPoint(s, 2, s.P7 <= 2 ? "rtmomentp" : "rtmomentm");
  Label(s, "$M$", 2, -12, 2);
  LeftOrRight(s, s.P2, X(s, 3) + 21.5, X(s, 3) + 1, Y(s, 3), 20);
  Leader(s, s.P3, "2", 63, 36, 63, 36, 50, 30, 61, 36, 64, 34, 70, 28);
}

// Rod AD pivoted at O; sleeve C on rod AE joined to D; rod AE rests on a vertical slider B.
void SubVariant2(SharedState& s) {
  constexpr double L = 20;
  SetPoint(s, 1, 0, -1);
  SetPoint(s, 2, -2 * L, L);
  SetPoint(s, 3, 0, 2 * L - 1.5);
  SetPoint(s, 4, 2 * L, -L);
  SetPoint(s, 5, 34, 2 * L + 17);
  SetPoint(s, 6, 50, 2 * L + 25);
  SetPoint(s, 7, 28, 2 * L + 14);
  SetPoint(s, 8, 40, 2 * L + 20);
  SetPoint(s, 9, L + 17, L / 2 + 7);
  toolkit::BeginPicture(s, 124, 97, -60, -25);
  PutHingeBoxAtPoint(s, 1);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 7);
  DrawBar(s, 8, 6);
  toolkit::WriteText(s, "\\Blue{");
  DrawSegment(s, 0, 20, 0, 31);
  DrawSegment(s, 0, 58, 0, 49);
  DrawBar(s, 2, 4);
  toolkit::WriteText(s, "}\\Brown{");
  DrawBar(s, 4, 5);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Ground(s, -5, 20, 10);
  DrawDashedLineMultiput(s, 5, 0, 2, 0, 20);
  Block(s, 0, Y(s, 3) + 1.5, 5, 18);
  Block(s, X(s, 5), Y(s, 5), 15, 5, 0.44);
  Phi(s, 1, 2.6, 8, 5, -3);
  for (int i = 2; i <= 5; ++i) DrawNodeMarker(s, i);
  PutBoxAtPoint(s, 9, s.P7 <= 2 ? "dmomentp" : "dmomentm");
  Label(s, "$M$", 9, -12, 3);
  Label(s, "$O$", 1, -9, -4);
  Label(s, "$A$", 2, -8, -2);
  Label(s, "$B$", 3, -10, 1);
  Label(s, "$C$", 5, -7, 4);
  Label(s, "$E$", 6, 0, 0);
  Label(s, "$D$", 4, 1, 3);
  if (s.P6 == 1) {
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, X(s, 2), Y(s, 2) - 1.5, 20, 2, -25);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, 0, 1, kForce, X(s, 2), Y(s, 2) + 1.5, 20, 2, 8);
    }
  } else if (s.P6 == 2) {
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 4) - 1.5, Y(s, 4), 20, -29, -3);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 4) + 1.5, Y(s, 4), 20, 15, 3);
    }
  }
  Leader(s, s.P3, "2", 11, 56, 11, 56, 2, 48, 11, 56, 15, 59, 28, 55);
  Leader(s, s.P4, "1", -20, 18, -21, 20, -25, 28, -22, 18, -22, 19, -32, 16);
}

// A cylinder at the middle hinge of OAB rolls on the face of a piston in vertical guides.
void SubVariant3(SharedState& s) {
  constexpr double r = 28;
  SetPoint(s, 2, 2 * r, r);
  SetPoint(s, 3, 4 * r, 0);
  SetPoint(s, 4, 2 * r, r + 2);
  toolkit::BeginPicture(s, 139, 87, -10, -35);
  DrawCircleAtPoint(s, 2, 24);
  SetLineWidth(s, 10);
  DrawBar(s, 3, 2);
  DrawBar(s, 2, 1);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawSegment(s, 59, -16, 59, 28);
  toolkit::WriteText(s, "}\\speh\\Blue{");
  DrawSegment(s, -1, -1, -4, -3.5);
  DrawSegment(s, 1, -1, 4, -3.5);
  toolkit::WriteText(s, "}\\spe");
  SetLineWidth(s, 1);
  Ground(s, -6.1, -3.5, 62);
  Ground(s, 60.8, -3.5, 65);
  PutBox(s, "vnpr", 59, -14);
  Block(s, 59, 15, 24, 2);
  Block(s, X(s, 3), Y(s, 3), 12, 5);
  for (int i = 1; i <= 3; ++i) DrawNodeMarker(s, i);
  DrawRedForceWithLabel(s, 0, 1, kForce, 59, -28, 11, 3, 2);
  Label(s, "$O$", 1, -9, 2);
  Label(s, "$A$", 2, -10, 3);
  Label(s, "$B$", 3, 3, 4);
  if (s.P2 == 1) {
    Phi(s, 1, 0.45, 16, 2, 0);
  } else if (s.P2 == 2) {
    Phi(s, 3, 2.7, 12, 9, -3);  // clear of the letter B
  }
  PutBoxAtPoint(s, 4, s.P7 <= 2 ? "rtmomentp" : "rtmomentm");
  Label(s, "$M$", 2, 12, 3);
  Leader(s, s.P3, "2", 86, 0, 90, 5, 92, 10, 86, 0, 91, 2, 106, 1);
  Leader(s, s.P4, "1", 24, 23, 27, 23, 33, 17, 34, 28, 38, 29, 44, 29);
}

// A weightless plate on rod OA meshing with a disc that rolls on a cylindrical surface.
void SubVariant4(SharedState& s) {
  SetPoint(s, 2, 38, 41);
  SetPoint(s, 3, 70, 35);
  toolkit::BeginPicture(s, 142, 87, -60, -10);
  PutHingeBoxAtPoint(s, 1);
  Ground(s, -55, 0, 14);
  Ground(s, 40, 0, 20);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 1, 3);
  toolkit::WriteText(s, "}");
  DrawArcPolyline(s, 0, 0, 0, 0, 3.14, 40);
  Block(s, 49, 27, 20, 3, 0.468);
  DrawCircleAtPoint(s, 2, 32);
  PutLabel(s, "$M$", 30, 34);
  PutLabel(s, "$O$", -8, -3);
  Label(s, "$A$", 3, 3, 2);
  Phi(s, 1, 0.463, 15, 1, 0);
  DrawRedForceWithLabel(s, -2, -1, kForce, X(s, 3) + 2.5, Y(s, 3) + 5, 15, 2, 3);
  DrawLabelledSegment(s, "2", 56, 54, 55, 55, 44, 55);
  DrawLabelledSegment(s, "1", 11, 14, 16, 15, 24, 12);
  PutNamedBoxByKind(s, s.P4, 2, 2, "Momentm", "Momentp");
}

// A weightless disc on crank OA meshing with a second disc.
void SubVariant5(SharedState& s) {
  SetPoint(s, 2, 38, 41);
  SetPoint(s, 3, 53, 17);
  toolkit::BeginPicture(s, 126, 87, -60, -10);
  PutHingeBoxAtPoint(s, 1);
  Ground(s, -55, 0, 14);
  Ground(s, 40, 0, 20);
  toolkit::WriteText(s, "\\speh\\Blue{");
  DrawBar(s, 1, 3);
  toolkit::WriteText(s, "}");
  DrawArcPolyline(s, 0, 0, 0, 0, 3.14, 40);
  DrawCircleAtPoint(s, 2, 32);
  DrawTwoCirclesAtPoint(s, 3, 24, 3);
  PutLabel(s, "$M_2$", 30, 34);
  PutLabel(s, "$M_1$", 52, 20);
  PutLabel(s, "$O$", -8, -3);
  Label(s, "$A$", 3, -3, -9.5);  // in the open bottom of the arc: M1 stands above the axle
  Phi(s, 1, 0.28, 21, 2, 0);
  DrawLabelledSegment(s, "2", 56, 54, 55, 55, 44, 55);
  DrawLabelledSegment(s, "1", 11, 14, 16, 15, 29, 10);
  PutNamedBoxByKind(s, s.P4, 2, 2, "Momentm", "Momentp");
  PutNamedBoxByKind(s, s.P3, 3, 3, "Momentm", "Momentp");
}

// Two equal cylinders fixed to rods OA and BC hinged to a horizontal rod; a plank under them.
void SubVariant6(SharedState& s) {
  constexpr double L = 45;
  constexpr double a = 30;
  SetPoint(s, 2, L, 0);
  SetPoint(s, 3, -a, a);
  SetPoint(s, 4, L - a, a);
  SetPoint(s, 5, -1.35 * a, a);
  SetPoint(s, 6, L - 21, a - 10);
  toolkit::BeginPicture(s, 139, 87, -60, -40);
  DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", -4, a + 15, 15, 3, -8);
  toolkit::WriteText(s, "\\Blue{");
  SetLineWidth(s, 22);
  DrawSegment(s, X(s, 5) + 2, a - 8, X(s, 5) + 2, a + 8);
  toolkit::WriteText(s, "}\\spe");
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 4);
  Phi(s, 1, 2.4, 14, 2, 0);
  DrawStrokesAcrossRay(s, 1, 8, 2.4);
  DrawStrokesAcrossRay(s, 2, 8, 2.4);
  Ground(s, -40, -16.7, 111);
  Ground(s, -51, a - 4, 10);
  DrawHatchRowH(s, -1, -40, -17, a + 12);
  toolkit::WriteText(s, "\\speh\\Blue{");
  DrawBar(s, 1, 3);
  DrawBar(s, 5, 4);
  DrawBar(s, 4, 2);
  toolkit::WriteText(s, "}\\spe");
  DrawTwoCirclesAtPoint(s, 2, 24, 3);
  DrawTwoCirclesAtPoint(s, 1, 24, 3);
  Block(s, 15, -14, 85, 4);
  PutLabel(s, "$O$", -2, -8);
  Label(s, "$M$", 6, 8, 0);
  PutLabel(s, "$C$", X(s, 2) - 3, -8);
  Label(s, "$A$", 3, -3, 4);
  Label(s, "$B$", 4, -3, 4);
  LeftOrRight(s, s.P2, 78, 58, -13, 20);
  PutNamedBoxByKind(s, s.P4, 6, 6, "dmomentm", "dmomentp");
  Leader(s, s.P4, "1", -6, 18, -7, 20, -11, 31, -6, 18, -8, 19, -17, 16);
  Leader(s, s.P3, "2", 23, -3, 25, -4, 29, -12, 22, -3, 27, 0, 34, 0);
}

// A platform with shelves; a cylinder on rod OA; a disc on rod AB rolls on the platform.
void SubVariant7(SharedState& s) {
  constexpr double h = 16;
  SetPoint(s, 2, 50, 30);
  SetPoint(s, 3, 100, 0);
  toolkit::BeginPicture(s, 133, 87, -20, -40);
  SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Blue{");
  MoveTo(s, -h, h + 6);
  LineTo(s, 3 * h, h + 6);
  LineTo(s, 3 * h, -6);
  LineTo(s, 7 * h, -6);
  LineTo(s, 7 * h, -12);
  LineTo(s, 3 * h - 10, -12);
  LineTo(s, 3 * h - 10, h);
  LineTo(s, -h, h);
  LineTo(s, -h, h + 6);
  toolkit::WriteText(s, "}\\Brown{");
  DrawBar(s, 3, 2);
  DrawBar(s, 2, 1);
  toolkit::WriteText(s, "}\\spe");
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 2);
  Phi(s, 1, 0.53, 18, 3, 0);
  DrawStrokesAcrossRay(s, 1, 11, 0.53);
  DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", -4, 37, 15, 3, -8);
  DrawTwoCirclesAtPoint(s, 1, 32, 3);
  DrawCircle(s, X(s, 3) + 3, -14, 3);
  DrawTwoCirclesAtPoint(s, 3, 12, 3);
  PutLabel(s, "$O$", -8, -2);
  Label(s, "$M$", 3, 0, 12);
  Label(s, "$A$", 2, -4, 3);
  PutLabel(s, "$B$", X(s, 3) - 13, -4);
  LeftOrRight(s, s.P2, 68, 48, 0, 20);
  if (s.P6 == 1) {
    PutHingeBoxAtPoint(s, 1);
    Ground(s, 14, -16, 98);
  } else if (s.P6 == 2) {
    Ground(s, -18, -16, 130);
  }
  PutNamedBoxByKind(s, s.P4, 3, 3, "MomentpLeftmm", "MomentpLeft");
  Leader(s, s.P4, "2", 89, 14, 89, 15, 77, 14, 84, 14, 88, 13, 98, 6);
  Leader(s, s.P3, "1", 24, -8, 23, -6, 14, -6, 24, -8, 29, -6, 39, -6);
}

// A cylinder hinged at O on rod AB, which is joined to a vertical rod.
void SubVariant8(SharedState& s) {
  SetPoint(s, 2, 60, 20);
  SetPoint(s, 3, -36, -12);
  SetPoint(s, 5, 0, 2);
  toolkit::BeginPicture(s, 130, 94, -60, -22);
  PutBox(s, "vnpr", X(s, 2), 30);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 3, 2);
  DrawSegment(s, 60, 21.5, 60, 50);
  toolkit::WriteText(s, "}\\spe");
  DrawNodeMarker(s, 2);
  Phi(s, 1, 0.32, 21, 3, 0);
  Ground(s, -28, -16, 90);
  DrawTwoCirclesAtPoint(s, 1, 32, 3);
  PutLabel(s, "$O$", -7, -10);
  PutLabel(s, "$M$", -2, 4);
  Label(s, "$A$", 3, -4, -9);
  Label(s, "$B$", 2, 3, -4);
  DrawLabelledSegment(s, "1", -24, 18, -20, 18, -12, 11);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForce, 60, 51, 20, -12, 6);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 0, -1, kForce, 60, 70, 19.5, -12, -8);
  }
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, "$\\vec P$", -36, -11, 20, -12, 3);
  } else if (s.P3 == 2) {
    DrawRedForceWithLabel(s, 1, 0, "$\\vec P$", -56, -11, 20, 6, 3);
  }
  PutNamedBoxByKind(s, s.P6, 5, 5, "Momentm", "Momentp");
  Leader(s, s.P4, "2", 44, 21, 45, 20, 40, 14, 44, 21, 48, 23, 60, 23);
}

// A cylinder on crank OA rolls on a cylindrical surface; rod AD slides in a swinging sleeve.
void SubVariant9(SharedState& s) {
  SetPoint(s, 2, -40, 40);
  SetPoint(s, 3, 54, 0);
  SetPoint(s, 4, 44, 4.5);
  SetPoint(s, 5, 64, -4.5);
  SetPoint(s, 6, 74, -9);
  SetPoint(s, 7, 0, 22);
  toolkit::BeginPicture(s, 134, 87, -60, -20);
  Block(s, 54, 0, 24, 4, 2.74);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "}");
  DrawArcPolyline(s, 0, 0, 0, 1.5708, 3.14159, 41);
  DrawBar(s, 2, 4);
  DrawBar(s, 5, 6);
  SetLineWidth(s, 1);
  DrawDimensionHText(s, "$R$", -41, 0, -14);
  DrawDimensionHText(s, "$R+r$", 0, 54, -14);
  DrawDashedLineMultiput(s, 5, 14, 0, 45, 0);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 3);
  DrawNodeMarker(s, 2);
  Phi(s, 1, 2.3, 8, 3, 0);
  Ground(s, -52, 0, 10);
  Ground(s, 0, 41, 20);
  DrawTwoCirclesAtPoint(s, 2, 32, 3);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$M_1$", -40, 45);
  PutLabel(s, "$M_2$", 1, 28);
  Label(s, "$A$", 2, -4, -9);
  Label(s, "$B$", 3, 0, 4);
  Label(s, "$D$", 3, 13, -15);
  DrawLabelledSegment(s, "1", -54, 18, -50, 20, -48, 26);
  PutNamedBoxByKind(s, s.P2, 7, 7, "Momentm", "Momentp");
  PutNamedBoxByKind(s, s.P6, 2, 2, "Momentm", "Momentp");
  Leader(s, s.P4, "2", -29, 3, -25, 6, -14, 15, 42, 11, 44, 10, 47, 4);
}

// Slider A on crank OA under a piston in vertical guides; a cylinder on rod AB rolls on top.
void SubVariant10(SharedState& s) {
  SetPoint(s, 2, -33, 23);
  SetPoint(s, 3, -6, 47);
  toolkit::BeginPicture(s, 113, 87, -60, -20);
  Block(s, X(s, 2), Y(s, 2), 12, 5);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  toolkit::WriteText(s, "}\\speh\\Brown{");
  MoveTo(s, -49, 33);
  LineTo(s, 49, 33);
  LineTo(s, 49, 20);
  LineTo(s, 44, 20);
  LineTo(s, 44, 26);
  LineTo(s, -44, 26);
  LineTo(s, -44, 20);
  LineTo(s, -49, 20);
  LineTo(s, -49, 33);
  toolkit::WriteText(s, "}\\spe");
  Phi(s, 1, 2.5, 7, 3, 0);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 2);
  DrawHatchRowH(s, -1, -50, 0, 50);
  DrawHatchRowH(s, 1, 50, 0, 50);
  DrawTwoCirclesAtPoint(s, 3, 28, 3);
  PutLabel(s, "$O$", -12, -6);
  PutLabel(s, "$M$", -25, 58);
  Label(s, "$A$", 2, -4, -9);
  Label(s, "$B$", 3, -2, -9);
  DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", -47, 0, 19, 3, 2);
  DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", 47, 0, 19, -10, 2);
  PutNamedBoxByKind(s, s.P6, 3, 3, "Momentm", "Momentp");
  LeftOrRight(s, s.P6, 20, -5, 47, 25);
  Leader(s, s.P3, "1", -33, 40, -29, 42, -19, 35, -29, 44, -25, 46, -20, 46);
  Leader(s, s.P4, "2", -30, 3, -25, 7, -17, 12, 17, 14, 17, 16, 4, 26);
}

}  // namespace

void DrawScheme127(SharedState& s) {
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
