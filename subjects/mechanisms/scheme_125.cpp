#include <cmath>
#include <numbers>

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

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";








// Two legs from just below point i down to y = bottom.
void Stand(SharedState& s, int i, double bottom) {
  DrawSegment(s, X(s, i) - 1, Y(s, i) - 1, X(s, i) - 4, bottom);
  DrawSegment(s, X(s, i) + 1, Y(s, i) - 1, X(s, i) + 4, bottom);
}

// A rod rigidly fixed to a rolling cylinder; a sleeve on rod AO; a horizontal slider at O.
void SubVariant1(SharedState& s) {
  constexpr double u = 10;
  SetPoint(s, 2, 4 * u, 5 * u);
  SetPoint(s, 3, 8 * u, 0);
  SetPoint(s, 4, 22, 27.5);
  SetPoint(s, 5, 26, 32.5);
  SetPoint(s, 6, 18, 22.5);
  toolkit::BeginPicture(s, 124, 95, -22, -35);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 6);
  DrawBar(s, 5, 2);
  DrawBar(s, 4, 3);
  DrawBar(s, 2, 3);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 4);
  DrawTwoCirclesAtPoint(s, 3, 42, 3);
  Block(s, X(s, 1), Y(s, 1), 20, 6);
  Block(s, X(s, 4), Y(s, 4), 16, 6, 0.9);
  Ground(s, -17, -4, 55);
  Ground(s, 40, -21, 60);
  DrawHatchRowH(s, -1, 40, -21, 17);
  Label(s, "$M$", 3, -29, -12);
  Label(s, "$O$", 1, -9, 5);
  Label(s, "$A$", 2, -6, 3);
  Label(s, "$C$", 4, -11, 0);
  Label(s, "$B$", 3, 0, -8);
  if (s.P7 == 1 || s.P7 == 3) {
    Phi(s, 3, 2.2, 7, 1, 3);
  } else {
    Phi(s, 3, 2.7, 14, 1, -8);
  }
  if (s.P7 <= 2) {
    PutBoxAtPoint(s, 3, "Bvmomen");
    DrawStrokesAcrossRay(s, 3, 17, 2.25);
  } else {
    PutBoxAtPoint(s, 3, "Bvmomenp");
    DrawStrokesAcrossRay(s, 3, 17, 2.71);
  }
  LeftOrRight(s, s.P2, 27, 11, 0, 16);
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 38, 29, 37, 31, 28, 31);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", 38, 29, 38, 28, 35, 21);
  }
  if (s.P4 == 1) {
    DrawLabelledSegment(s, "1", 70, 26, 70, 25, 64, 20);
  } else if (s.P4 == 2) {
    DrawLabelledSegment(s, "1", 71, 28, 74, 27, 81, 21);
  }
}

// A rolling cylinder; rod AO to crank AB; sleeve D on rod AC.
void SubVariant2(SharedState& s) {
  SetPoint(s, 2, 42, 28);
  SetPoint(s, 3, 84, 0);
  SetPoint(s, 4, 112, 21);
  SetPoint(s, 5, 86.5, 23.55);
  SetPoint(s, 6, 91.5, 23.05);
  SetPoint(s, 7, 81.5, 24.05);
  toolkit::BeginPicture(s, 137, 87, -16, -45);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawBar(s, 7, 2);
  DrawBar(s, 4, 6);
  toolkit::WriteText(s, "\\Blue{");
  Stand(s, 1, -21);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  Block(s, X(s, 5), Y(s, 5), 14, 5, -0.1);
  Phi(s, 1, 0.6, 12, 2, 1);
  Ground(s, -12, -21, 130);
  DrawTwoCircles(s, 42, 3, X(s, 3), Y(s, 3));
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  Label(s, "$M$", 3, -10, -14);
  Label(s, "$D$", 5, -4, 5);
  Label(s, "$C$", 4, -7, -9);
  Label(s, "$A$", 2, -9, 0);
  Label(s, "$B$", 1, -10, 0);
  Label(s, "$O$", 3, 4, 0);
  DrawDashedLineMultiput(s, 7, 21, 0, X(s, 3) - 9, 0);
  PutBoxAtPoint(s, 3, s.P4 == 1 ? "RMomp" : "RMomm");
  if (s.P6 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForce, X(s, 4) - 1, Y(s, 4), 19, 3, 12);
  } else if (s.P6 == 2) {
    DrawRedForceWithLabel(s, 0, -1, kForce, X(s, 4) - 1, Y(s, 4) + 18, 18, 3, -8);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", 30, 6, 20, 12, 30, 8);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "1", 49, 9, 53, 11, 64, 4);
  }
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "2", 71, 33, 70, 32, 60, 26);
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "2", 70, 33, 74, 34, 80, 26);
  }
}

// A rolling cylinder with rod OB; slider B in the inclined slot of a sliding prism.
void SubVariant3(SharedState& s) {
  SetPoint(s, 2, 41, 25);
  toolkit::BeginPicture(s, 135, 87, -30, -30);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 5);
  DrawSegment(s, 79, -18, 29, 33);
  DrawSegment(s, 87, -18, 37, 33);
  SetLineWidth(s, 1);
  Block(s, 58, 8, 60, 50);
  Block(s, X(s, 2), Y(s, 2), 16, 4, 2.36);
  Phi(s, 1, 0.55, 12, 0, -8);
  DrawLabelledArcArrow(s, 0, "\\alpha", -3, 78, -18, 2.36, 3.14, 9, 0);
  Ground(s, -12, -18, 110);
  DrawTwoCirclesAtPoint(s, 1, 36, 3);
  DrawNodeMarker(s, 2);
  Label(s, "$M$", 1, -3, 21);
  Label(s, "$O$", 1, -9, 0);
  Label(s, "$B$", 2, 6, 0);
  DrawStrokesAcrossRay(s, 1, 14, 0.55);
  LeftOrRight(s, s.P2, 104, 88, 12, 16);
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "2", 51, 38, 54, 36, 58, 31);
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "2", 40, 38, 42, 37, 37, 29);
  }
  PutBoxAtPoint(s, 1, s.P4 == 1 ? "VMmomentp" : "VMmomentm");
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", 23, 19, 20, 12, 23, 18);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "1", 16, 19, 10, 14, 16, 18);
  }
}

// A cylinder meshing with a turning disc and a horizontal sleeve; crank OA with a slider in
// the slot of a rocker.
void SubVariant4(SharedState& s) {
  SetPoint(s, 1, 0, 42);
  SetPoint(s, 2, 42, 0);
  SetPoint(s, 3, -15, 13);
  const double x3 = X(s, 3);
  const double y3 = Y(s, 3);
  toolkit::BeginPicture(s, 133, 97, -50, -20);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawSegment(s, -33, 67, -12, 67);
  DrawSegment(s, 53, 67, 12, 67);
  SetLineWidth(s, 1);
  DrawSegment(s, 45, 20, 61, 20);
  DrawSegment(s, 61, 18, 61, 22);
  DrawSegment(s, 52, 18, 57, 18);
  DrawSegment(s, 52, 22, 57, 22);
  toolkit::WriteText(s, "\\speh\\Blue{");
  DrawSegment(s, x3 - 0.5, y3 + 1, x3 - 16, y3 + 5);
  DrawSegment(s, x3 - 0.5, y3 - 1, x3 - 16, y3 - 5);
  toolkit::WriteText(s, "}\\spe ");
  s.BlockColour = "\\Blue";
  Block(s, 42, 20, 6, 56);
  Block(s, 0, 67, 24, 6);
  s.BlockColour = "\\OliveGreen";
  Block(s, X(s, 2), Y(s, 2), 4, 12);
  Phi(s, 1, 5.5, 12, 12, -12);
  DrawHatchRowH(s, -1, -31, -5, 78);
  DrawHatchRowH(s, 1, 52, -5, 22);
  DrawHatchRowH(s, 1, 52, 22, 50);
  DrawTwoCirclesAtPoint(s, 1, 44, 3);
  DrawTwoCirclesAtPoint(s, 3, 22, 3);
  DrawNodeMarker(s, 2);
  Label(s, "$M$", 3, 7, -12);
  Label(s, "$A$", 2, -10, -3);
  Label(s, "$O$", 1, 0, 3);
  DrawLabelledSegment(s, "2", 20, 70, 19, 72, 11, 68);
  DrawStrokesAcrossRay(s, 1, 16, 5.5);
  PutBoxAtPoint(s, 3, s.P4 == 1 ? "rmomentp" : "rmomentm");
  if (s.P6 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 2) + 20.5, 20, 19, 8, 3);
  } else if (s.P6 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 2) + 35.5, 20, 15, -10, 3);
  }
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "1", 28, 38, 32, 40, 40, 40);
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "1", 28, 38, 28, 40, 21, 40);
  }
}

// Three hinged rods, a horizontal slider and a cylinder rolling on a vertical plane.
void SubVariant5(SharedState& s) {
  SetPoint(s, 2, 40, 30);
  SetPoint(s, 3, 80, 0);
  SetPoint(s, 4, 0, 41);
  SetPoint(s, 5, 26, 21);
  toolkit::BeginPicture(s, 129, 87, -30, -20);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawBar(s, 4, 5);
  toolkit::WriteText(s, "\\speh\\Blue{");
  Stand(s, 1, -5);
  toolkit::WriteText(s, "}\\spe ");
  SetLineWidth(s, 1);
  s.BlockColour = "\\OliveGreen";
  Block(s, X(s, 3), 0, 20, 8);
  Phi(s, 1, 0.6, 12, 2, 0);
  DrawHatchRowH(s, -1, -16.5, -5, 70);
  Ground(s, -16, -5, 114);
  DrawTwoCirclesAtPoint(s, 4, 32, 3);
  for (int i : {3, 2, 1, 5}) DrawNodeMarker(s, i);
  Label(s, "$M$", 4, 0, 17);
  Label(s, "$C$", 4, -7, 2);
  Label(s, "$D$", 5, 0, -9);
  Label(s, "$A$", 2, -8, 2);
  PutLabel(s, "$B$", X(s, 3), Y(s, 1) + 6);
  Label(s, "$O$", 1, -9, 0);
  DrawDimensionHText(s, " $r$", -16, 0, -17);
  PutBoxAtPoint(s, 4, s.P4 == 1 ? "Umomentm" : "Umomentp");
  if (s.P6 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 2) + 1.5, Y(s, 2), 19, 10, 3);
  } else if (s.P6 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 2) + 17, Y(s, 2), 15, -6, 3);
  }
  if (s.P7 <= 2) {
    DrawRedForceWithLabel(s, 1, 0, "$\\vec P$", X(s, 3) - 25, 0, 15, 4, 3);
  } else {
    DrawRedForceWithLabel(s, -1, 0, "$\\vec P$", X(s, 3) - 10, 0, 15, -12, 3);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", 20, 32, 21, 31, 16, 28);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", 20, 40, 19, 42, 12, 39);
  }
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "1", 40, 15, 44, 17, 50, 24);
  } else if (s.P2 == 2) {
    DrawLabelledSegment(s, "1", 40, 15, 39, 16, 31, 23);
  }
}

// A plate of radius 2R set square on rod OB; its edges slide on rod OA and on the floor.
void SubVariant6(SharedState& s) {
  constexpr double beta = 0.26;
  constexpr double R = 100;
  SetPoint(s, 2, R * std::cos(2 * beta), R * std::sin(2 * beta));
  SetPoint(s, 3, R * std::cos(beta), R * std::sin(beta));
  SetPoint(s, 4, X(s, 3) - 23, Y(s, 3) + 3);
  toolkit::BeginPicture(s, 125, 94, -20, -35);
  SetLineWidth(s, 5);
  DrawBar(s, 1, 2);
  DrawBar(s, 1, 3);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  constexpr double r = 80;
  constexpr double r_inner = 77;
  DrawPolarSegment(s, r * std::cos(beta - 0.02), r * std::sin(beta - 0.02), beta - kPi / 2, 19);
  DrawPolarSegment(s, r * std::cos(beta + 0.02), r * std::sin(beta + 0.02), beta + kPi / 2,
                   18.5);
  DrawPolarSegment(s, r_inner * std::cos(beta + 0.02), r_inner * std::sin(beta + 0.02),
                   beta + 0.02, 5);
  DrawPolarSegment(s, r_inner * std::cos(beta - 0.02), r_inner * std::sin(beta - 0.02),
                   beta - 0.02, 5);
  toolkit::WriteText(s, "}\\spe ");
  Phi(s, 1, beta, 30, 2, 0);
  Ground(s, -6, -1, 110);
  DrawNodeMarker(s, 1);
  PutBoxAtPoint(s, 4, s.P4 == 1 ? "umomentm" : "umomentp");
  if (s.P7 <= 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 84, 1, 15, 0, 3);
  } else {
    DrawRedForceWithLabel(s, -1, 0, kForce, 100, 1, 15, -5, 3);
  }
  Label(s, "$M$", 4, 2, 7);
  Label(s, "$A$", 2, -8, 2);
  Label(s, "$B$", 3, -1, 1);
  Label(s, "$O$", 1, -9, 0);
  SetLineWidth(s, 1);
  DrawLabelledSegment(s, "2", 46, 39, 50, 38, 57, 33);
  DrawLabelledSegment(s, "1", 72, 7, 71, 11, 60, 16);
}

// Rods DB and AC joined square, hinged to crank OA and to a cylinder.
void SubVariant7(SharedState& s) {
  SetPoint(s, 2, 48, 36);
  SetPoint(s, 3, 96, 0);
  SetPoint(s, 4, 60, -48);
  SetPoint(s, 5, MidX(s, 2, 4), MidY(s, 2, 4));
  toolkit::BeginPicture(s, 144, 89, -23, -50);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawBar(s, 1, 2);
  DrawSegmentFromNodeRev(s, 4, 2);
  DrawSegmentFromNodeRev(s, 5, 3);
  toolkit::WriteText(s, "}\\spe ");
  Phi(s, 1, 0.58, 15, 2, 0);
  Ground(s, X(s, 3) - 19, -15, 38);
  DrawNodeMarker(s, 2);
  PutHingeBoxAtPoint(s, 1);
  DrawTwoCirclesAtPoint(s, 3, 30, 3);
  Label(s, "$M$", 3, 16, 3);
  Label(s, "$A$", 2, 2, -4);
  Label(s, "$B$", 3, -3, -9);
  Label(s, "$C$", 4, 2, 1);
  Label(s, "$D$", 5, -9, -1);
  Label(s, "$O$", 1, -5, 3);
  SetLineWidth(s, 1);
  DrawSegment(s, -15, -15, 30, -15);
  DrawSegment(s, -15, 0, -4, 0);
  DrawSegment(s, -14, -16, -14, 1);
  PutLabel(s, "$R$", -22, -11);
  DrawLabelledSegment(s, "2", 76, 9, 80, 11, 86, 11);
  DrawLabelledSegment(s, "1", 12, 17, 15, 18, 23, 18);
  PutBoxAtPoint(s, 3, s.P4 == 1 ? "MomentpLeftmm" : "MomentpLeft");
  if (s.P7 <= 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 4) - 26, Y(s, 4), 25, 10, 3);
  } else {
    DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 4) - 1, Y(s, 4), 25, -15, 3);
  }
}

// Sleeve B on crank OA; the rod BC square to it carries a disc and slides on a corner.
void SubVariant8(SharedState& s) {
  constexpr double u = 16;
  SetPoint(s, 2, 4 * u, 2 * u);
  SetPoint(s, 3, 6 * u, 3 * u);
  SetPoint(s, 4, 6 * u, -2 * u);
  SetPoint(s, 5, 4 * u - 8, 2 * u - 4);
  SetPoint(s, 6, 4 * u + 8, 2 * u + 4);
  SetPoint(s, 7, 4 * u, 2 * u - 2);
  toolkit::BeginPicture(s, 128, 109, -19, -50);
  DrawStrokesAcrossRay(s, 4, 6, 2.0508);
  toolkit::WriteText(s, "\\spehh\\Blue{");
  DrawSegmentFromNodeRev(s, 5, 1);
  DrawSegmentFromNodeRev(s, 6, 3);
  SetLineWidth(s, 15);
  DrawSegment(s, 63.5, 28, 67.5, 30);
  DrawSegmentFromNodeRev(s, 4, 7);
  toolkit::WriteText(s, "}\\spe ");
  Phi(s, 1, 0.46, 18, 2, 0);
  Ground(s, -9, -1, 87.5);
  DrawHatchRowH(s, -1, 79.5, -30, 28);
  Block(s, X(s, 2), Y(s, 2), 18, 5, 0.48);
  DrawDimensionHText(s, "$a$", 0, 78.5, -32);
  DrawNodeMarker(s, 1);
  DrawCircleAtPoint(s, 4, 24);
  DrawRedForceWithLabel(s, -2, -1, kForce, X(s, 2) + 22, Y(s, 2) + 14, 15, -4, 4);
  Label(s, "$M$", 4, -19, -12);
  Label(s, "$A$", 3, 2, 1);
  Label(s, "$B$", 2, 6, -6);
  Label(s, "$C$", 4, 3, -5);
  PutLabel(s, "$D$", 83, 0);
  Label(s, "$O$", 1, -5, 3);
  DrawLabelledSegment(s, "2", 101, -18, 99, -18, 95, -21);
  DrawLabelledSegment(s, "1", 24, 17, 28, 18, 35, 18);
  PutBoxAtPoint(s, 4, s.P4 == 1 ? "vmomen" : "vmomenp");
}

// A square corner OAB turning on O; a cylinder on crank CD rolls on it.
void SubVariant9(SharedState& s) {
  SetPoint(s, 2, -20, 10);
  SetPoint(s, 3, 20, 90);
  SetPoint(s, 4, 30, 60);
  SetPoint(s, 5, 70, 0);
  toolkit::BeginPicture(s, 127, 107, -43, -10);
  DrawTwoCirclesAtPoint(s, 4, 44, 3);
  Ground(s, 5, -5, 70);
  SetLineWidth(s, 12);
  DrawSegmentFromNodeRev(s, 2, 1);
  DrawSegmentFromNodeRev(s, 2, 3);
  SetLineWidth(s, 10);
  DrawBar(s, 4, 5);
  SetLineWidth(s, 1);
  DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 3), Y(s, 3), 21, 22, -3);
  Label(s, "$M$", 4, -19, -10);
  Label(s, "$A$", 2, -9, 0);
  Label(s, "$B$", 3, -9, -2);
  Label(s, "$C$", 4, 3, 3);
  PutLabel(s, "$D$", X(s, 5) - 12, -2);
  Label(s, "$O$", 1, -10, -5);
  DrawLabelledSegment(s, "2", 61, 52, 59, 52, 50, 51);
  DrawLabelledSegment(s, "1", 44, 17, 48, 18, 54, 24);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 5);
  if (s.P2 == 1) {
    Phi(s, 5, 2.1, 9, 1, 0);
  } else if (s.P2 == 2) {
    Phi(s, 1, 2.6, 9, 1, 0);
  }
  PutBoxAtPoint(s, 4, s.P3 == 1 ? "VMmomentp" : "VMmomentm");
}

// A ring on two rollers, its centre at the support O; the two-link OAB.
void SubVariant10(SharedState& s) {
  if (s.P6 == 2) {
    SetPoint(s, 2, 20, 40);
  } else {
    SetPoint(s, 2, 8, 16);
  }
  SetPoint(s, 3, -28, 14);
  SetPoint(s, 4, -35.5, -32);
  SetPoint(s, 5, 35.5, -32);
  toolkit::BeginPicture(s, 118, 95, -63, -45);
  for (int i : {1, 4, 5}) PutHingeBoxAtPoint(s, i);
  DrawCircleAtPoint(s, 4, 20);
  DrawCircleAtPoint(s, 5, 20);
  PutBox(s, "kolco", 0, 0);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 2);
  Phi(s, 1, 1, 7, 1, 3);
  Label(s, "$M$", 5, 10, -2);
  Label(s, "$O$", 1, -9, -5);
  Label(s, "$A$", 2, -6, 3);
  Label(s, "$B$", 3, -2, -9);
  PutBoxAtPoint(s, 5, s.P7 <= 2 ? "rtmomentp" : "rtmomentm");
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, X(s, 2) + 17, Y(s, 2), 16, -12, -13);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, X(s, 2) + 1, Y(s, 2), 16, 9, -13);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", -13, 6, -9, 7, 4, 9);
  } else if (s.P3 == 2) {
    DrawLabelledSegment(s, "2", -11, 6, -12, 7, -25, 2 * s.P6 + 12);
  }
  if (s.P4 == 1) {
    DrawLabelledSegment(s, "1", -50, -18, -46, -17, -34, -17);
  } else if (s.P4 == 2) {
    DrawLabelledSegment(s, "1", -51, -18, -46, -18, -41, -24);
  }
}

}  // namespace

void DrawScheme125(SharedState& s) {
  if (s.P1 != 125) return;
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
