#include <cmath>
#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/named_box.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace mechanisms {

namespace {

using namespace figures;  // NOLINT: the drawers read like the drawings they make

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;
constexpr const char* kForce = "$\\vec F$";

struct Points {
  const SharedState& s;
  double x(int i) const { return s.PointX[i]; }
  double y(int i) const { return s.PointY[i]; }
  double mx(int i, int j) const { return MidX(s, i, j); }
  double my(int i, int j) const { return MidY(s, i, j); }
};

void Phi(SharedState& s, int i, double a, double r, int ox, int oy) {
  DrawMomentAtPoint(s, i, 1, "\\varphi", a, r, ox, oy);
}

void Block(SharedState& s, double x, double y, double a, double b) {
  DrawRotatedBlock(s, 5, x, y, 0, a, b);
}

void Arc(SharedState& s, double x, double y, double a1, double a2, double r) {
  DrawArcPolyline(s, 0, x, y, a1, a2, r);
}

// A body number with its leader line.
void Body(SharedState& s, const char* n, double lx, double ly, double x1, double y1, double x2,
          double y2) {
  DrawLabelledSegment(s, n, lx, ly, x1, y1, x2, y2);
}

// A fixed pivot: two legs from just beside point i down to depth d.
void PivotLegs(SharedState& s, const Points& p, int i, double d) {
  DrawSegment(s, p.x(i) + 0.7, p.y(i), p.x(i) + 5, p.y(i) - d);
  DrawSegment(s, p.x(i) - 0.7, p.y(i), p.x(i) - 5, p.y(i) - d);
}

void HorizontalForce(SharedState& s, int option, double x_left, double x_right, double y,
                     int ox_left, int ox_right, int oy) {
  if (option == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, x_left, y, 22, ox_left, oy);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x_right, y, 22, ox_right, oy);
  }
}

void Scheme40(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 123, 77, -25, -5);
  DrawLabelledArc(s, 0, "$60^\\circ$", 1, p.x(1), p.y(1), 0, 60 * kDegree, 10);
  PutNamedBoxByKind(s, s.P3, 5, 5, "rmomentm", "rmomentp");
  PutLabel(s, "$M$", p.x(5) - 12, p.y(5) - 3);
  HorizontalForce(s, s.P3, 97, 75, 10, -15, 15, 3);
  SetLineWidth(s, 11);
  DrawSegmentPoints(s, 3, 4);
  DrawSegmentPoints(s, 1, 2);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, 1, -10, 61, 105);
  DrawHatchRowV(s, -1, -10, 0, 105);
  DrawCircleAtPoint(s, 5, 28);
  DrawRotatedBlock(s, 5, p.mx(2, 3), p.my(2, 3), 60 * kDegree, 24, 3.9);
  if (s.P2 == 1) {
    Body(s, "1", p.x(5) + 20, p.y(5) + 6, p.x(5) + 12, p.y(5) + 7, p.x(5) + 18, p.y(5) + 7);
  } else {
    Body(s, "1", p.x(5) + 20, p.y(5) + 6, p.x(5) + 23, p.y(5) + 6, p.x(5) + 28, p.y(5));
  }
  DrawPolarSegment(s, 23, 0, 30 * kDegree, 60);
  LineTo(s, 74.96, 0);
  DrawLabelledArc(s, 0, "$30^\\circ$", 1, 23, 0, 0, 30 * kDegree, 10);
  Body(s, "2", p.x(2) - 5, p.y(2) + 12, p.x(2) - 1, p.y(2) + 14, p.x(2) + 5, p.y(2) + 14);
  PutLabel(s, "$x$", 62, 42);
  DrawVector(s, 1, 0, 51.96, 40, 23);
  DrawHatchRowH(s, -1, 51.96, 38, 4);
  DrawSegment(s, 74.96, 32, 74.96, 42);
}

// Scheme 41 presses a horizontal plate on the floor (coordinate x), 49 a tilted plate
// against the press (coordinate y).
void Schemes41And49(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 116, 87, -25, -15);
  PutNamedBoxByKind(s, s.P3, 2, 2, "rmomentm", "rmomentp");
  PutLabel(s, "$M$", p.x(2) - 12, p.y(2) - 3);
  DrawHatchRowV(s, -1, 0, 0, 90);
  DrawHatchRowH(s, 1, 51.5, 40, 25);
  DrawHatchRowH(s, -1, 0, 0, 65);
  MoveTo(s, 1, 30);
  LineTo(s, 50, 40);
  LineTo(s, 50, 60);
  LineTo(s, 1, 60);
  LineTo(s, 1, 30);
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 1, 30, 0.27, 90 * kDegree, 6);
  Body(s, "2", 22, 65, 24, 64, 29, 60);
  if (s.P1 == 41) {
    HorizontalForce(s, s.P3, 82, 60, 4, -15, 15, 3);
    DrawCircleAtPoint(s, 2, 28);
    Block(s, 40, 4, 40, 7.9);
    if (s.P2 == 1) {
      Body(s, "1", 50, 12, 48, 14, 43, 14);
    } else {
      Body(s, "1", 50, 12, 50, 11, 45, 8);
    }
    PutLabel(s, "$x$", 12, 9);
    DrawVector(s, 1, 0, 0, 7, 20);
  } else {
    HorizontalForce(s, s.P3, 70, 48, 36, -5, 15, 3);
    DrawCircleAtPoint(s, 2, 32);
    SetLineWidth(s, 1);
    DrawRotatedBlock(s, 5, 34, 35, 0.2013, 28, 3.8);
    if (s.P2 == 1) {
      Body(s, "1", 10, 22, 14, 23, 18, 23);
    } else {
      Body(s, "1", 10, 22, 13.5, 24, 21, 32);
    }
    PutLabel(s, "$y$", -8, 14);
    DrawVector(s, 0, 1, -10, 0, 30);
    DrawSegment(s, -11, 0, -2, 0);
  }
}

// Schemes 42 and 43: a block with a point mass rolling on one rim and touching a moving rod
// with the other; 43 exchanges the rims.
void Schemes42And43(SharedState& s, const Points& p) {
  const bool first = s.P1 == 42;
  toolkit::BeginPicture(s, 119, 77, -15, -5);
  if (first) {
    if (s.P4 == 1) {
      DrawVector(s, 1, 0, p.x(2), p.y(2) + 23, 1);
    } else {
      DrawVector(s, 0, -1, p.x(2) - 23, p.y(2), 1);
    }
    Arc(s, p.x(2), p.y(2), 90 * kDegree, 180 * kDegree, 23);
    Phi(s, 2, 45 * kDegree, 8, -2, -8);
  } else {
    if (s.P4 == 1) {
      DrawVector(s, -1, -1, p.x(2) + 16, p.y(2) - 16, 1);
    } else {
      DrawVector(s, 0, 1, p.x(2) + 23, p.y(2), 1);
    }
    Phi(s, 2, 135 * kDegree, 8, -12, -8);
  }
  DrawDashedLineMultiput(s, 5, p.x(2), p.y(2), p.x(5), p.y(5));
  DrawFilledCircle(s, p.x(5), p.y(5), 3);
  DrawNodeMarker(s, 2);
  PutBox(s, "hnpr", first ? 0 : -3, p.y(4));
  PutBox(s, "hnpr", 55, p.y(4));
  SetLineWidth(s, 4);
  if (!first) Arc(s, p.x(2), p.y(2), 315 * kDegree, 360 * kDegree, 23);
  DrawSegment(s, first ? -5 : -7, p.y(4), 80, p.y(4));
  DrawSegment(s, 80, p.y(4) - 2, 80, p.y(4) + 2);
  SetLineWidth(s, 1);
  if (first) {
    PutLabel(s, "$M$", p.x(2) - 21, p.y(2) + 20);
  } else {
    PutLabel(s, "$M$", p.x(2) + 21, p.y(2) - 17);
  }
  HorizontalForce(s, s.P4, 103, 81, p.y(4), -15, 15, 3);
  DrawHatchRowV(s, -1, p.x(3), p.y(3), 18);
  DrawTwoCirclesAtPoint(s, 2, 28, 40);
  if (first) {
    PutLabel(s, "$1$", p.x(5) + 1, p.y(5));
  } else {
    PutLabel(s, "$1$", p.x(5) - 5.5, p.y(5) - 2);
  }
  if (s.P3 == 1) {
    if (first) {
      Body(s, "2", 62, 31, 61, 31, 51, 30);
    } else {
      Body(s, "2", 7, 11, 11, 13, 16, 17);
    }
  } else {
    Body(s, "2", 73, p.y(4) + 5, 72, p.y(4) + 4, 68, p.y(4));
  }
}

void Scheme44(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 100, 77, -25, -5);
  Phi(s, 5, 120 * kDegree, 8, -12, -8);
  DrawDashedLineMultiput(s, 5, p.x(5), p.y(5), p.x(5) - 7, p.y(5) + 11);
  if (s.P3 == 1) {
    DrawVector(s, -1, 0, p.x(5), p.y(5) + 16, 1);
  } else {
    DrawVector(s, 1, -1, p.x(5) + 11.2, p.y(5) + 11.2, 1);
  }
  Arc(s, p.x(5), p.y(5), 45 * kDegree, 90 * kDegree, 16);
  PutLabel(s, "$M$", p.x(5) + 11, p.y(5) + 14);
  DrawCircleAtPoint(s, 5, 28);
  DrawLabelledArc(s, 0, "$60^\\circ$", 1, p.x(1), p.y(1), 0, 60 * kDegree, 10);
  DrawLabelledArc(s, 0, "", 1, 70, 24, 210 * kDegree, 270 * kDegree, 7);
  PutLabel(s, "$60^\\circ$", 58, 11);
  DrawRotatedBlock(s, 5, p.mx(2, 3), p.my(2, 3), 60 * kDegree, 24, 3.9);
  DrawRotatedBlock(s, 5, 46.052, 11, 30 * kDegree, 24, 3.9);
  SetLineWidth(s, 11);
  DrawPolarSegment(s, 27, 0, 30 * kDegree, 10);
  DrawPolarSegment(s, 56.444, 17, 30 * kDegree, 19);
  DrawSegmentPoints(s, 3, 4);
  DrawSegmentPoints(s, 1, 2);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, 1, -10, 61, 80);
  DrawHatchRowV(s, -1, -10, 0, 80);
  DrawHatchRowH(s, 1, 70, 0, 61);
  if (s.P2 == 1) {
    Body(s, "1", p.x(5) + 21, p.y(5) + 2, p.x(5) + 13, p.y(5) + 3, p.x(5) + 20, p.y(5) + 3);
  } else {
    Body(s, "1", p.x(5) + 21, p.y(5) + 2, p.x(5) + 21, p.y(5) + 2, p.x(5) + 17, p.y(5) - 6);
  }
  Body(s, "2", p.x(2) - 5, p.y(2) + 12, p.x(2) - 1, p.y(2) + 14, p.x(2) + 5, p.y(2) + 14);
}

// The leader of the label at (-5, 25): to the upper cylinder (option 1) or the lower one.
void CylinderLeader(SharedState& s, const char* n, int option) {
  if (option == 1) {
    Body(s, n, -5, 25, -2, 27, 7, 27);
  } else {
    Body(s, n, -5, 25, -2, 27, 3, 19);
  }
}

void CouplerAngle(SharedState& s) {
  s.PointX[1] += 4;
  Phi(s, 1, 45 * kDegree, 11, -2, -9);
}

void Scheme45(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 101, 102, -45, -45);
  DrawTwoCirclesAtPoint(s, 1, 40, 2);
  DrawTwoCirclesAtPoint(s, 2, 40, 2);
  Block(s, p.x(3), p.y(3), 4, 30);
  DrawHatchRowV(s, -1, -20, -20, p.x(3) + 22);
  DrawHatchRowH(s, 1, p.x(3) + 2, -20, 70);
  SetLineWidth(s, 1);
  DrawRotatedBlock(s, 5, p.mx(1, 2), p.my(1, 2), 45 * kDegree, 44, 6);
  CylinderLeader(s, "1", s.P2);
  if (s.P3 == 1) {
    DrawSegment(s, 33, 20, 25, 20);
    PutLabel(s, "$2$", 34, 20);
  } else {
    DrawSegment(s, 44, 51, 49, 42);
    PutLabel(s, "$2$", 40, 50);
  }
  PutNamedBoxByKind(s, s.P4, 2, 1, "Momentp", "vmomen");
  if (s.P4 == 1) {
    PutLabel(s, "$M$", p.x(2) + 2, p.y(2) + 6);
  } else {
    PutLabel(s, "$M$", p.x(1) - 12, p.y(1) + 6);
  }
  CouplerAngle(s);
}

void Scheme46(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 120, 107, -25, -45);
  DrawTwoCirclesAtPoint(s, 1, 40, 2);
  DrawTwoCirclesAtPoint(s, 2, 40, 2);
  s.BlockCentred = true;
  SetLineWidth(s, 1);
  if (s.P4 == 1) {
    DrawSegment(s, 54, 56, 59, 45);
    PutLabel(s, "$1$", 50, 55);
    DrawHatchRowV(s, -1, -20, -25, p.x(3) + 64);
    SetLineWidth(s, 4);
    DrawSegment(s, p.x(1) - 8, -22, p.x(1) - 8, -26);
    DrawSegment(s, p.x(1) + 8, -22, p.x(1) + 8, -26);
    DrawSegment(s, p.x(1) - 1, p.y(1), p.x(1) - 5, -23);
    LineTo(s, p.x(1) - 10, -23);
    LineTo(s, p.x(1) - 10, -25);
    DrawSegment(s, p.x(1) + 1, p.y(1), p.x(1) + 5, -23);
    LineTo(s, p.x(1) + 10, -23);
    LineTo(s, p.x(1) + 10, -25);
    SetLineWidth(s, 1);
    Block(s, p.x(3) + 18, 10, 40, 70);
  } else {
    DrawHatchRowV(s, -1, -20, -20, p.x(3) + 64);
    Block(s, p.x(3) + 18, 10, 40, 60);
    DrawSegment(s, 54, 51, 59, 42);
    PutLabel(s, "$1$", 50, 50);
  }
  SetLineWidth(s, 1);
  DrawRotatedBlock(s, 5, p.mx(1, 2), p.my(1, 2), 45 * kDegree, 46, 6);
  CylinderLeader(s, "2", s.P2);
  PutNamedBoxByKind(s, s.P3, 2, 1, "Momentp", "Momentp");
  if (s.P3 == 1) {
    PutLabel(s, "$M$", p.x(2) + 2, p.y(2) + 6);
  } else {
    PutLabel(s, "$M$", p.x(1) - 19, p.y(1) - 1);
  }
  CouplerAngle(s);
}

void Scheme47(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 100, 95, -45, -45);
  DrawTwoCirclesAtPoint(s, 1, 40, 2);
  DrawTwoCirclesAtPoint(s, 2, 40, 2);
  s.BlockCentred = true;
  SetLineWidth(s, 1);
  Block(s, p.x(1) + 8, -22.4, 40, 4);
  DrawHatchRowV(s, -1, -20, -24.4, p.x(3) + 18);
  DrawHatchRowH(s, 1, p.x(3) - 1.6, -24, 70);
  DrawRotatedBlock(s, 5, p.mx(1, 2), p.my(1, 2), 45 * kDegree, 48, 6);
  CylinderLeader(s, "2", s.P2);
  DrawSegment(s, 32, -18, 25, -22);
  PutLabel(s, "$1$", 34, -20);
  PutNamedBoxByKind(s, s.P3, 2, 1, "Momentp", "vmomen");
  if (s.P3 == 1) {
    PutLabel(s, "$M$", p.x(2) + 2, p.y(2) + 6);
  } else {
    PutLabel(s, "$M$", p.x(1) - 12, p.y(1) + 6);
  }
  CouplerAngle(s);
}

void Scheme48(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 119, 102, -25, -45);
  PutNamedBoxByKind(s, s.P3, 2, 2, "rmomentm", "rmomentp");
  PutLabel(s, "$M$", p.x(2) - 12, p.y(2) - 3);
  MoveTo(s, 5, 0);
  LineTo(s, 5, 35);
  LineTo(s, 35, 35);
  LineTo(s, 52, 0);
  DrawCircleAtPoint(s, 2, 40);
  DrawHatchRowV(s, -1, -10, 0, 88);
  DrawHatchRowV(s, -1, 83, 0, 10);
  SetLineWidth(s, 10);
  DrawSegment(s, 78.5, 0, 78.5, -10);
  DrawSegment(s, 83, 0, 83, -10);
  DrawSegment(s, 80.8, 55, 80.8, -12);
  DrawSegment(s, 78.8, 55, 82.8, 55);
  SetLineWidth(s, 1);
  DrawSegment(s, 82, 48, 88, 52);
  PutLabel(s, "$1$", 89, 50);
  if (s.P2 == 1) {
    Body(s, "2", 34, 40, 38, 42, 45, 40);
  } else {
    Body(s, "2", 34, 40, 33, 40, 30, 35);
  }
  DrawLabelledArc(s, 0, "$\\alpha$", 1, 52, 0, 2, kPi, 10);
  DrawRedForceWithLabel(s, 1, 0, kForce, -15, 25, 20, 2, 3);
  PutLabel(s, "$x$", -4, 12);
  DrawVector(s, 1, 0, -10, 10, 15);
  DrawHatchRowH(s, -1, -10, 0, 12);
}

void Scheme50(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 110, 88, -25, -10);
  DrawVector(s, 1, -4, p.x(4), p.y(4), 13.3);
  PutLabel(s, "$R$", 2, 20);
  PutLabel(s, "$A$", p.x(3) + 1, p.y(3) - 6);
  PutLabel(s, "$B$", p.x(2) - 9, p.y(2) - 6);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 3, s.P4 == 1 ? "MomentpLeft" : "MomentpLeftmm");
    PutLabel(s, "$M$", p.x(3) + 7, p.y(3) + 11);
  } else {
    PutBoxAtPoint(s, 2, s.P4 == 1 ? "Momentp" : "Momentm");
    PutLabel(s, "$M$", p.x(2) - 19, p.y(2) + 3);
  }
  Phi(s, 2, 45 * kDegree, 7, -4, -7);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 3);
  Arc(s, p.x(4), p.y(4), -90 * kDegree, -0.22, 55.2);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 7, p.x(1), p.y(1), p.x(4), p.y(4));
  DrawDashedLineMultiput(s, 7, p.x(3), p.y(3), p.x(4), p.y(4));
  DrawCircleAtPoint(s, 2, 24);
  DrawCircleAtPoint(s, 3, 24);
  DrawHatchRowV(s, -1, p.x(3) - 6, p.y(3) - 12.5, 30);
  DrawHatchRowH(s, 1, 0, p.y(1) - 5, 10);
  Body(s, "1", 40, 62, 43, 64, 49, 64);
  if (s.P2 == 1) {
    Body(s, "2", 39, 48, 39, 48, 36, 41);
  } else {
    Body(s, "2", 39, 48, 44, 50, 50, 49);
  }
}

void Scheme51(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 100, 85, -25, -10);
  DrawVector(s, -4, 1, p.x(4), p.y(4), 28);
  PutLabel(s, "$R$", 21, 5);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 2, s.P4 == 1 ? "Momentp" : "Momentm");
    PutLabel(s, "$M$", p.x(2) - 19, p.y(2) + 3);
  } else {
    PutBoxAtPoint(s, 5, s.P4 == 1 ? "MomentpLeft" : "MomentpLeftmm");
    PutLabel(s, "$M$", p.x(5) - 8, p.y(5) + 3);
  }
  Phi(s, 2, 45 * kDegree, 7, -4, -7);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 3);
  Arc(s, p.x(4), p.y(4), 90 * kDegree, 180 * kDegree, 30);
  DrawSegment(s, p.x(3), 29, p.x(3), p.y(3) - 6);
  DrawSegment(s, p.x(3), p.y(3) + 14, p.x(3), p.y(3) + 6);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 7, p.x(1), p.y(1), p.x(4), p.y(4));
  DrawDashedLineMultiput(s, 7, p.x(4), p.y(2), p.x(4), p.y(4));
  DrawCircleAtPoint(s, 2, 24);
  Block(s, p.x(3), p.y(3), 6, 12);
  DrawHatchRowV(s, -1, p.x(3) - 3, 30, 15);
  DrawHatchRowV(s, -1, p.x(1) - 10, p.y(1), 10);
  Body(s, "1", -12, 12, -9, 15, -2, 19);
  if (s.P2 == 1) {
    Body(s, "2", 17, 63, 20, 63, 24, 53);
  } else {
    Body(s, "2", 17, 63, 20, 64, 27, 64);
  }
}

void Scheme52(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 124, 77, -25, -20);
  DrawVector(s, 1, 4, p.x(1), p.y(1), 7.1);
  PutLabel(s, "$R$", 5, 15);
  PutBoxAtPoint(s, 3 * s.P3 - 1, s.P4 == 1 ? "vmomentp" : "vmoment");
  if (s.P3 == 1) {
    PutLabel(s, "$M$", p.x(2) - 19, p.y(2) + 3);
  } else {
    PutLabel(s, "$M$", p.x(5) + 7, p.y(5) + 3);
  }
  Phi(s, 4, 45 * kDegree, 12, 2, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 4);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 2, 3, 4);
  DrawSegment(s, p.x(1) + 30, 0, p.x(1) + 30, -7);
  Arc(s, p.x(1), p.y(1), 0, 90 * kDegree, 30);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 3, p.x(1), p.y(1), p.x(1), p.y(1) + 30);
  DrawDashedLineMultiput(s, 6, p.x(1), p.y(1), p.x(4) - 2, p.y(1));
  DrawCircleAtPoint(s, 2, 24);
  DrawHatchRowV(s, -1, p.x(1) + 30, -7, 60);
  PivotLegs(s, p, 4, 7);
  DrawHatchRowV(s, -1, p.x(1) - 10, 30, 10);
  Body(s, "1", p.x(2) + 14, p.y(2) + 6, p.x(2) + 13, p.y(2) + 8, p.x(2) + 9, p.y(2) + 7);
  if (s.P2 == 1) {
    Body(s, "2", p.x(3) - 20, p.y(3) - 10, p.x(3) - 16, p.y(3) - 7, p.x(3) - 11, p.y(3));
  } else {
    Body(s, "2", p.x(3) - 20, p.y(3) - 10, p.x(3) - 16, p.y(3) - 7, p.x(3) - 7, p.y(3) - 7);
  }
  PutLabel(s, "$B$", p.x(3) + 2, p.y(3) + 1);
  PutLabel(s, "$A$", p.x(2) + 2, p.y(2) + 2);
  PutLabel(s, "$O$", p.x(1) - 8, p.y(1));
  PutLabel(s, "$C$", p.x(4) - 8, p.y(1) + 2);
}

void Scheme53(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 119, 77, -12, -10);
  DrawVector(s, 1, 4, p.x(1), p.y(1), 11);
  PutLabel(s, "$R$", 5, 15);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 2, s.P4 == 1 ? "Momentp" : "Momentm");
    PutLabel(s, "$M$", p.x(2) - 17.5, p.y(2) + 3);
  } else {
    PutBoxAtPoint(s, 4, s.P4 == 1 ? "rmomentm" : "rmomentp");
    PutLabel(s, "$M$", p.x(4) + 7, p.y(4) + 3);
  }
  Phi(s, 3, 135 * kDegree, 12, 2, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 3);
  DrawSegment(s, p.x(1) + 45, p.y(1), p.x(1) + 45, p.y(1) - 4);
  Arc(s, p.x(1), p.y(1), 0, 90 * kDegree, 45);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 3, p.x(1), p.y(1), p.x(1), p.y(1) + 45);
  DrawDashedLineMultiput(s, 6, p.x(1), p.y(1), p.x(3) - 2, p.y(1));
  DrawCircleAtPoint(s, 2, 36);
  DrawHatchRowV(s, -1, p.x(1) + 45, -4, 55);
  Block(s, p.x(3), p.y(3), 14, 8);
  DrawHatchRowV(s, -1, p.x(1) - 8, 45, 8);
  Body(s, "1", p.x(2) + 24, p.y(2) + 9, p.x(2) + 23, p.y(2) + 11, p.x(2) + 12, p.y(2) + 11);
  if (s.P2 == 1) {
    Body(s, "2", p.x(3) - 20, p.y(3) + 4, p.x(3) - 16, p.y(3) + 6, p.x(3) - 10, p.y(3) + 11);
  } else {
    Body(s, "2", p.x(3) - 20, p.y(3) + 4, p.x(3) - 16, p.y(3) + 6, p.x(3) - 6, p.y(3) + 2);
  }
}

void Scheme54(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 104, 79, -25, -10);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 3, s.P2 == 1 ? "Momentp" : "Momentm");
    PutLabel(s, "$M$", p.x(3) - 5, p.y(3) - 1);
  } else {
    PutBoxAtPoint(s, 5, s.P2 == 1 ? "umomentm" : "umomentp");
    PutLabel(s, "$M$", p.x(5) + 7, p.y(5) + 3);
  }
  Phi(s, 2, (90 * s.P4 - 45) * kDegree, 12, 2, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 10);
  DrawBar(s, 2, 1);
  DrawSegment(s, p.x(1) + 1, p.y(1) + 10, p.x(1) + 10, p.y(1) + 10);
  SetLineWidth(s, 1);
  DrawCircleAtPoint(s, 3, 24);
  DrawHatchRowV(s, -1, p.x(3) - 12, p.y(2) - 4, 90);
  DrawHatchRowH(s, -1, p.x(3) - 12.5, p.y(2) - 4, 70);
  Block(s, p.x(2), p.y(2), 14, 8);
  Block(s, p.x(4), p.y(4), 20, 30);
  DrawHatchRowH(s, 1, p.x(1) + 1, p.y(1) + 10, 25);
  Body(s, "1", p.x(3), p.y(3) + 20, p.x(3) + 3, p.y(3) + 22, p.x(4) - 10, p.y(3) + 15);
  if (s.P3 == 1) {
    Body(s, "2", p.x(2) - 13, p.y(2) - 3 * s.P4 + 7, p.x(2) - 10, p.y(2) - 3 * s.P4 + 9,
         p.x(2) - 6, p.y(2) + 2);
  } else {
    Body(s, "2", p.x(3) - 9, p.y(3) - 19, p.x(3) - 6, p.y(3) - 17, p.x(3), p.y(3) - 11);
  }
}

// Schemes 55 and 57: a load on bearings with a cylindrical (55) or inclined (57) face, a
// disc on a rod rolling along it.
void Schemes55And57(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 116, 77, -25, -20);
  const char* box = s.P2 == 1 ? "Momentp" : "Momentm";
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 2, box);
    PutLabel(s, "$M$", p.x(2) - 19, p.y(2) + 3);
  } else if (s.P4 == 1) {
    PutBoxAtPoint(s, 4, box);
    PutLabel(s, "$M$", p.x(4) + 1, p.y(4) + 4);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) - 20, p.y(1) + 14, 20, 2, -10);
  }
  Phi(s, 3, 135 * kDegree, 9, 2, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 8);
  DrawBar(s, 2, 3);
  if (s.P1 == 55) {
    toolkit::WriteText(s, "\\Green{");
    DrawSegment(s, p.x(1) + 30, 0, p.x(1), 0);
    LineTo(s, p.x(1), 30);
    Arc(s, p.x(1), p.y(1), 0, 90 * kDegree, 30);
    toolkit::WriteText(s, "}");
    SetLineWidth(s, 1);
    DrawDashedLineMultiput(s, 4, p.x(1) + 30, p.y(1), p.x(3) - 2, p.y(1));
    DrawVector(s, 1, 4, p.x(1), p.y(1), 7.1);
    PutLabel(s, "$R$", 5, 15);
  } else {
    toolkit::WriteText(s, "\\Blue{");
    DrawSegment(s, p.x(1) + 35, 0, p.x(1), 0);
    LineTo(s, p.x(1), 28);
    LineTo(s, p.x(1) + 16, 28);
    LineTo(s, p.x(1) + 35, 0);
    toolkit::WriteText(s, "}");
    SetLineWidth(s, 1);
    DrawLabelledArc(s, 0, "$\\alpha$", 1, p.x(1) + 35, 0, 2.2, kPi, 10);
  }
  toolkit::WriteText(s, "\\Brown{");
  for (int i = 1; i <= s.P4; ++i) DrawCircle(s, 8 * i + 2, -2.5, 4);
  DrawCircle(s, 26, -2.5, 4);
  DrawCircleAtPoint(s, 2, 24);
  toolkit::WriteText(s, "}");
  DrawHatchRowV(s, -1, p.x(1) - 10, -5, 100);
  PivotLegs(s, p, 3, 6);
  Body(s, "1", p.x(1) - 10, p.y(1) + 26, p.x(1) - 7, p.y(1) + 28, p.x(1), p.y(1) + 23);
  if (s.P3 == 1) {
    Body(s, "2", p.x(2) + 16, p.y(2) - 5, p.x(2) + 16, p.y(2) - 6, p.x(2) + 11, p.y(2) - 11);
  } else {
    Body(s, "2", p.x(2) + 16, p.y(2) - 5, p.x(2) + 14, p.y(2) - 3, p.x(2) + 11, p.y(2) - 2);
  }
}

void Scheme56(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 100, 86, -25, -10);
  DrawVector(s, 1, -4, p.x(4), p.y(4), 13.3);
  PutLabel(s, "$R$", 2, 20);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 5, s.P4 == 1 ? "vmomen" : "vmomenp");
    PutLabel(s, "$M$", p.x(3) - 7, p.y(3) - 15);
  } else if (s.P2 == 1) {
    PutBoxAtPoint(s, 2, s.P4 == 1 ? "Momentp" : "Momentm");
    PutLabel(s, "$M$", p.x(2) - 19, p.y(2) + 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) - 20, p.y(1) + 4, 20, 2, 3);
  }
  if (s.P5 <= 5) {
    Phi(s, 2, 45 * kDegree, 7, -4, -7);
  } else {
    Phi(s, 3, 225 * kDegree, 7, 2, 1);
  }
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  toolkit::WriteText(s, "\\Blue{");
  DrawCircleAtPoint(s, 2, 24);
  DrawSegment(s, p.x(3), p.y(3) - 1.5, p.x(3) + 4, p.y(3) - 10);
  DrawSegment(s, p.x(3) + 1.5, p.y(3), p.x(3) + 4, p.y(3));
  for (int i = 1; i <= s.P4; ++i) DrawCircle(s, 8 * i + 2, -0.5, 4);
  DrawCircle(s, 40, -0.5, 4);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 8);
  DrawBar(s, 2, 3);
  DrawSegment(s, p.x(4) + 64, p.y(4), p.x(4) + 74, p.y(4));
  Arc(s, p.x(4), p.y(4), -90 * kDegree, -0.43, 55.2);
  MoveTo(s, p.x(4), p.y(4) - 55);
  LineTo(s, p.x(4), p.y(4) - 58);
  LineTo(s, p.x(4) + 52, p.y(4) - 58);
  LineTo(s, p.x(4) + 52, p.y(4) - 23);
  LineTo(s, p.x(4) + 50, p.y(4) - 23);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 7, p.x(1), p.y(1) + 4, p.x(4), p.y(4));
  DrawDashedLineMultiput(s, 7, p.x(3), p.y(3), p.x(4), p.y(4));
  DrawHatchRowV(s, -1, p.x(4) - 6, p.y(4) - 63, 70);
  DrawHatchRowH(s, 1, p.x(4) + 64, p.y(4) - 63, 62);
  Body(s, "1", 58, 12, 56, 14, 52, 13);
  if (s.P2 == 1) {
    Body(s, "2", 32, 45, 32, 46, 29, 42);
  } else {
    Body(s, "2", 32, 45, 35, 47, 41, 40);
  }
}

void Scheme58(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 100, 81, -25, -30);
  DrawBar(s, 1, 2);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, s.P2 == 1 ? "vmomen" : "vmomenp");
    PutLabel(s, "$M$", p.x(1) - 12, p.y(1) + 3);
  } else if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) - 20, p.y(3) + 4, 20, 2, 3);
  } else {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3), p.y(3) + 4, 20, -18, 3);
  }
  Phi(s, 1, 0.322, 13, -3, -7);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  toolkit::WriteText(s, "\\Blue{");
  DrawCircleAtPoint(s, 1, 40);
  toolkit::WriteLine(s, "}\\spehh");
  DrawSegment(s, p.x(2), p.y(2) - 1.5, p.x(2), p.y(2) - 40);
  SetLineWidth(s, 35);
  DrawSegment(s, p.x(2), p.y(2) - 40, p.x(2), p.y(2) - 65);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(3) - 11, p.y(3), 50);
  DrawHatchRowV(s, -1, p.x(3) + 46, p.y(3), 20);
  DrawHatchRowH(s, -1, p.x(3) + 40, p.y(3) - 21, 20);
  DrawHatchRowH(s, 1, p.x(3) + 46, p.y(3) - 21, 20);
  Body(s, "1", 50, 2, 50, 4, 44, 4);
  if (s.P3 == 1) {
    Body(s, "2", -2, 12, 2, 14, 11, 16);
  } else {
    Body(s, "2", -2, 12, 2, 14, 11, 9);
  }
  s.BlockCentred = false;
  Block(s, p.x(3), p.y(3), 35, 9.5);
  s.BlockCentred = true;
}

}  // namespace

void DrawSchemes40To58(SharedState& s) {
  const Points p{s};
  switch (s.P1) {
    case 40: Scheme40(s, p); break;
    case 41:
    case 49: Schemes41And49(s, p); break;
    case 42:
    case 43: Schemes42And43(s, p); break;
    case 44: Scheme44(s, p); break;
    case 45: Scheme45(s, p); break;
    case 46: Scheme46(s, p); break;
    case 47: Scheme47(s, p); break;
    case 48: Scheme48(s, p); break;
    case 50: Scheme50(s, p); break;
    case 51: Scheme51(s, p); break;
    case 52: Scheme52(s, p); break;
    case 53: Scheme53(s, p); break;
    case 54: Scheme54(s, p); break;
    case 55:
    case 57: Schemes55And57(s, p); break;
    case 56: Scheme56(s, p); break;
    case 58: Scheme58(s, p); break;
    default: break;
  }
}

}  // namespace mechanisms
