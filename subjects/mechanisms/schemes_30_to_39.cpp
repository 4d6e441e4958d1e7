#include <cmath>
#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "toolkit/picture_frames.h"

namespace mechanisms {

namespace {

using namespace figures;  // NOLINT: the drawers read like the drawings they make

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;
constexpr const char* kForce = "$\\vec F$";
constexpr const char* kForceP = "$\\vec P$";

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

void Scheme30(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 121, 77, -25, -10);
  DrawStrokesAcrossRay(s, 2, 9, 240 * kDegree);
  DrawNodeMarker(s, 5);
  SetLineWidth(s, 3);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  Phi(s, 2, 1.3 * kPi, 5, -2, -1);
  DrawCircleAtPoint(s, 2, 24);
  DrawFilledCircle(s, p.x(1), p.y(1), 4);
  DrawFilledCircle(s, p.x(2), p.y(2), 1);
  SetLineWidth(s, 4);
  PutBox(s, s.P3 == 1 ? "MomentpLeftmm" : "MomentpLeft", p.x(1), p.y(1) + 3);
  PutLabel(s, "$M$", p.x(1) + 12, p.y(1));
  SetLineWidth(s, 1);
  if (s.P2 == 1) {
    PutLabel(s, "$2$", p.x(2) + 2, p.y(2) - 8);
  } else {
    PutLabel(s, "$2$", p.x(3) + 10, p.y(3) + 3);
  }
  PutLabel(s, "$1$", p.x(1) - 6, p.y(1));
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) - 15, p.y(3) + 5, 25, -25, 2);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) - 35, p.y(3) + 5, 20, -2, 2);
  }
  s.BlockCentred = false;
  Block(s, p.x(3) - 15, p.y(3), 85, 10);
  s.BlockCentred = true;
  PutBoxAtPoint(s, 4, "hosnv");
  DrawHatchRowH(s, 1, p.x(4) + 70, p.y(4) - 1, 20);
  DrawHatchRowV(s, -1, p.x(4) + 69.5, p.y(4) + 20.5, 21);
}

void Scheme31(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 111, 80, -28, -30);
  DrawNodeMarker(s, 2);
  SetLineWidth(s, 5);
  DrawBar(s, 4, 2);
  SetLineWidth(s, 11);
  DrawSegment(s, p.x(4) + 1, p.y(4) - 3, p.x(4) + 1, p.y(4) + 3);
  SetLineWidth(s, 1);
  Phi(s, 1, 150 * kDegree, 8, -2, 2);
  DrawCircleAtPoint(s, 1, 40);
  DrawFilledCircle(s, p.x(1), p.y(1), 1);
  DrawDashedLineMultiput(s, 4, p.x(1), p.y(1), p.x(2), p.y(2));
  PutBox(s, s.P3 == 1 ? "MomentpLeftm" : "MomentpLeftd", p.x(1), p.y(1) - 4);
  PutLabel(s, "$M$", p.x(1) - 3, p.y(1) - 11);
  if (s.P2 == 1) {
    DrawLabelledSegment(s, "2", p.x(4) + 20, p.y(4) + 8, p.x(4) + 22, p.y(4) + 7, p.x(4) + 24,
                        p.y(4));
  } else {
    PutLabel(s, "$2$", p.x(3) + 10, p.y(3) - 1);
  }
  PutLabel(s, "$1$", p.x(1) - 11, p.y(1) - 12);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(4) - 1, p.y(4), 25, -25, 2);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(4) - 25, p.y(4), 24, -2, 2);
  }
  DrawRedForceWithLabel(s, 0, 1, kForceP, p.x(3), p.y(3) - 23, 20, 2, 2);
  const double x3 = p.x(3);
  const double y3 = p.y(3);
  MoveTo(s, x3 - 30, y3 + 5);
  LineTo(s, x3 + 30, y3 + 5);
  LineTo(s, x3 + 30, y3 - 10);
  LineTo(s, x3 + 25, y3 - 10);
  LineTo(s, x3 + 25, y3 - 2);
  LineTo(s, x3 - 25, y3 - 2);
  LineTo(s, x3 - 25, y3 - 10);
  LineTo(s, x3 - 30, y3 - 10);
  LineTo(s, x3 - 30, y3 + 5);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, p.x(1) - 32, p.y(1) - 39, 46);
  DrawHatchRowH(s, 1, p.x(1) + 32, p.y(1) - 39, 46);
  DrawHatchRowsV(s, p.x(1) - 42.8, p.y(4), 10);
}

void Scheme32(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 125, 81, -25, -30);
  DrawNodeMarker(s, 2);
  const double x3 = p.x(3);
  const double y3 = p.y(3);
  SetLineWidth(s, 5);
  DrawSegment(s, p.x(2) + 1.5, p.y(2), x3 - 9, y3);
  MoveTo(s, x3 - 9, y3);
  LineTo(s, x3 - 3, y3 + 2);
  LineTo(s, x3 - 3, y3 + 7);
  LineTo(s, x3 + 3, y3 + 7);
  LineTo(s, x3 + 3, y3 - 7);
  LineTo(s, x3 - 3, y3 - 7);
  LineTo(s, x3 - 3, y3 - 2);
  LineTo(s, x3 - 9, y3);
  SetLineWidth(s, 10);
  DrawSegment(s, x3, y3 + 7, x3, y3 + 10);
  DrawSegment(s, x3, y3 - 7, x3, p.y(4) + 2);
  SetLineWidth(s, 1);
  Phi(s, 1, 135 * kDegree, 7, -2, 1);
  DrawCircleAtPoint(s, 1, 40);
  DrawDashedLineMultiput(s, 4, p.x(1), p.y(1), p.x(2), p.y(2));
  PutBox(s, s.P3 == 1 ? "MomentpLeftm" : "MomentpLeftd", p.x(1), p.y(1) - 4);
  PutLabel(s, "$M$", p.x(1) - 3, p.y(1) - 11);
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "1", p.x(4) + 20, p.y(4) + 8, p.x(4) + 19, p.y(4) + 7, p.x(4) + 12,
                        p.y(4));
  } else {
    DrawLabelledSegment(s, "1", x3 + 10, y3 - 1, x3 + 9, y3, x3 + 2, y3);
  }
  PutLabel(s, "$2$", p.x(1) - 11, p.y(1) - 12);
  Block(s, p.x(4), p.y(4), 30, 3);
  DrawCircle(s, p.x(4) - 12, p.y(4) - 3, 3);
  DrawCircle(s, p.x(4) + 12, p.y(4) - 3, 3);
  if (s.P2 == 1) {
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, x3 - 22, p.y(2) + 20, 19, 2, -12);
    } else {
      DrawRedForceWithLabel(s, 0, 1, kForce, x3 - 22, p.y(2), 20, 2, 12);
    }
  } else if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(4) - 15, p.y(4), 19, -9, 2);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x3 - 35, p.y(4), 20, 2, 2);
  }
  DrawHatchRowV(s, -1, p.x(2) - 6, p.y(1) - 20, 100);
}

void Scheme33(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 125, 95, -68, -27);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 12);
  DrawSegmentFromNodeRev(s, 2, 1);
  DrawSegmentFromNodeRev(s, 2, 3);
  DrawSegmentFromNodeRev(s, 4, 1);
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    Phi(s, s.P4, 5 * kPi / 7, 7, 2, 1);
  } else {
    Phi(s, 3 - s.P4, 45 * kDegree, 12, 2, 1);
  }
  DrawCircleAtPoint(s, 3, 20);
  PutLabel(s, "$A$", p.x(3) + 2, p.y(3));
  PutLabel(s, "$B$", p.x(2) + 3 * s.P4 - 8, p.y(2) - 7);
  PutLabel(s, "$C$", p.x(1) - 10, p.y(1) - 2);
  DrawLabelledSegment(s, "1", p.x(3) - 21, p.y(3) - 1, p.x(3) - 17, p.y(3), p.x(3) - 11,
                      p.y(3));
  PutLabel(s, "$2$", p.x(1) - 2, p.y(1) - 16);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) - 1, p.y(2), 19, -35, -3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1, p.y(2), 20, 17, 2);
  }
  DrawRedForceWithLabel(s, 0, 1, kForceP, p.x(4), p.y(4) - 24, 10, -10, -2);
  DrawHatchRowV(s, 1, p.x(3) - 10, p.y(3) + 10, 20);
  PutBox(s, "prsv", p.x(1) - 8, p.y(1) - 18.5);
}

void Scheme34(SharedState& s, const Points& p) {
  SetMidpoint(s, 2, 1, 3);
  toolkit::BeginPicture(s, 100, 80, -40, -30);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 12);
  DrawBar(s, 3, 1);
  DrawSegmentFromNodeRev(s, 4, 1);
  SetLineWidth(s, 1);
  Phi(s, 1, 45 * kDegree, 12, 2, 1);
  DrawCircleAtPoint(s, 3, 16);
  PutLabel(s, "$B$", p.x(3) + 1.5, p.y(3) - 2);
  PutLabel(s, "$A$", p.x(1) - 9, p.y(1));
  DrawLabelledSegment(s, "1", p.x(3) - 21, p.y(3) - 1, p.x(3) - 17, p.y(3), p.x(3) - 9,
                      p.y(3));
  PutLabel(s, "$2$", p.x(1) - 2, p.y(1) - 16);
  if (s.P3 == 1) {
    PutBox(s, s.P2 == 1 ? "MomentpLeftmm" : "MomentpLeft", p.x(3) + 1, p.y(3) + 1);
    PutLabel(s, "$M$", p.x(3) + 14, p.y(3));
  } else if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 1, -1, kForce, p.x(2) - 20, p.y(2) + 20, 20, -7, -12);
  } else {
    DrawRedForceWithLabel(s, -1, 1, kForce, p.x(2), p.y(2), 20, -25, 5);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForceP, p.x(4), p.y(4) - 26, 12, -10, 0);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForceP, p.x(4), p.y(4) - 14, 12, -10, -10);
  }
  DrawHatchRowV(s, -1, p.x(3) - 7, p.y(3) - 8.5, 20);
  PutBox(s, "prsv", p.x(1) - 8, p.y(1) - 18);
}

void Scheme35(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 108, 77, -26, -10);
  const int end = s.P4 + 1;
  PutBox(s, s.P3 == 1 ? "vmomentp" : "vmoment", p.x(2) - 2, p.y(2));
  PutLabel(s, "$M$", p.x(2) - 12, p.y(2) - 14);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) - 25, p.y(3), 19, -15, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) - 45, p.y(3), 20, 5, 3);
  }
  DrawNodeMarker(s, 4);
  DrawNodeMarker(s, 5);
  DrawNodeMarker(s, end);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 10);
  DrawBar(s, end, 1);
  DrawSegment(s, p.x(1), p.y(1) - 6, p.x(1), p.y(3) - 10.5);
  DrawSegment(s, p.x(1), p.y(1) + 6, p.x(1), p.y(2) + 20);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, 1, p.x(2) - 40, p.y(2) + 20.5, 90);
  DrawHatchRowV(s, -1, p.x(2) - 40, p.y(2) - 38, 90);
  Phi(s, 1, (60 * s.P4 + 90) * kDegree, 12, 11, 5 * s.P4 - 9);
  DrawCircleAtPoint(s, 2, 40);
  PutLabel(s, "$B$", p.x(end) - 8, p.y(end) - 2);
  PutLabel(s, "$A$", p.x(1) + 4, p.y(1) - 6);
  PutLabel(s, "$1$", p.x(3) - 20, p.y(3) + 1);
  Block(s, p.x(3), p.y(3), 50, 15);
  Block(s, p.x(1), p.y(1), 6, 12);
  if (s.P2 == 1) {
    PutLabel(s, "$2$", p.x(2) + 12, p.y(2));
  } else {
    DrawLabelledSegment(s, "2", p.x(1) - 12, p.y(1) - 5 * s.P4 - 4, p.x(1) - 8,
                        p.y(1) - 4 * s.P4 - 3, p.x(1) - 2, p.y(1) - 6);
  }
}

void Scheme36(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 128, 77, -27, -20);
  PutBox(s, s.P3 == 1 ? "vmomentp" : "vmoment", p.x(2), p.y(2));
  PutLabel(s, "$M$", p.x(2), p.y(2) - 3);
  if (s.P2 == 1) {
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) - 55, p.y(3), 16, -15, 3);
    } else {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) - 70, p.y(3), 14, 5, 3);
    }
  } else if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(1), p.y(1), 16, -15, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1), p.y(1), 14, 5, 3);
  }
  if (s.P4 == 1) {
    DrawSegment(s, p.x(4) - 20, p.y(3) - 10, p.x(4) - 20, p.y(1) - 20);
    DrawDashedLineMultiput(s, 5, p.x(3) - 55, p.y(3) - 5, p.x(3) - 55, p.y(1));
    DrawVector(s, 1, 0, p.x(3) - 65, p.y(1), 10);
    PutLabel(s, "$x$", p.x(3) - 62, p.y(1) + 2);
  } else {
    DrawSegment(s, p.x(4) - 20, p.y(1) - 10, p.x(4) - 20, p.y(1) - 20);
    DrawDashedLineMultiput(s, 4, p.x(1), p.y(1), p.x(1), p.y(1) - 15);
    DrawVector(s, 1, 0, p.x(4) - 20, p.y(1) - 12, 40);
    PutLabel(s, "$x$", p.x(4) - 5, p.y(1) - 10);
  }
  SetLineWidth(s, 6);
  DrawSegment(s, p.x(1) + 25, p.y(1) - 20.5, p.x(1) + 25, p.y(1) - 16.5);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(1) - 40, p.y(1) - 20, 65);
  DrawHatchRowV(s, -1, p.x(1) + 25, p.y(1) - 16.5, 40);
  DrawCircleAtPoint(s, 1, 40);
  DrawCircleAtPoint(s, 2, 36);
  if (s.P3 == 1) {
    PutLabel(s, "$2$", p.x(1) + 10, p.y(1) - 14);
  } else {
    PutLabel(s, "$2$", p.x(2) + 8, p.y(2) - 12);
  }
  PutLabel(s, "$1$", p.x(3), p.y(3) - 2);
  Block(s, p.x(3), p.y(3), 110, 10);
}

void Scheme37(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 114, 77, -25, -5);
  Phi(s, 1, (120 * s.P4 - 90) * kDegree, 17, 2, 2 * s.P4 - 3);
  DrawLabelledArc(s, 0, "$\\alpha$", 1, p.x(3), p.y(3), 0, 1.326, 10);
  if (s.P2 == 1) {
    PutBox(s, "dmomentm", p.x(1), p.y(1) - 1);
    PutLabel(s, "$M$", p.x(1) - 23, p.y(1) - 3);
  } else {
    PutBox(s, s.P3 == 1 ? "rmomentm" : "rmomentp", p.mx(1, 2), p.my(1, 2));
    PutLabel(s, "$M$", p.mx(1, 2) + 2, p.my(1, 2) + 7);
  }
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2), p.y(2), 22, -15, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2), p.y(2), 22, 15, 3);
  }
  SetLineWidth(s, 6);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 10);
  DrawSegment(s, p.x(3) - 0.5, p.y(3) - 2, p.x(2) - 3, p.y(2) - 12);
  DrawSegment(s, p.x(2) + 3, p.y(2) + 12, p.x(2) + 6, p.y(2) + 24);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(3) + 40 * s.P4 - 100, p.y(3), 95);
  DrawCircleAtPoint(s, 1, 28);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawLabelledSegment(s, "2", p.x(1) + 21, p.y(1) - 10, p.x(1) + 12, p.y(1) - 7, p.x(1) + 20,
                      p.y(1) - 7);
  PutLabel(s, "$1$", p.x(2) + 1, p.y(2) + 4);
  DrawRotatedBlock(s, 5, p.x(2), p.y(2), 1.326, 24, 8);
}

void Scheme38(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 121, 82, -10, -11);
  if (s.P2 == 1) {
    Phi(s, 1, 0.464, 12, -5, 5);
  } else {
    Phi(s, 4, kPi - 0.464, 8, 0, 0);
  }
  PutBoxAtPoint(s, s.P4, "slblockvl");
  PutHingeBoxAtPoint(s, 3 - s.P4);
  const int moment_end = s.P3 == 1 ? 1 : 2;
  PutBox(s, s.P2 == 1 ? "rmomentm" : "rmomentp", p.mx(moment_end, 4) + 1, p.my(moment_end, 4));
  PutLabel(s, "$M$", p.mx(moment_end, 4) + 2, p.my(moment_end, 4) + 7);
  DrawLabelledSegment(s, "1", p.mx(3, 4) + 6, p.my(3, 4), p.mx(3, 4) + 5, p.my(3, 4) + 1,
                      p.mx(3, 4), p.my(3, 4));
  PutLabel(s, "$B$", p.mx(3, 2) - 2, p.my(3, 2) - 9);
  PutLabel(s, "$C$", p.x(3), p.y(3) - 7);
  if (s.P4 == 1) {
    PutLabel(s, "$A$", p.x(1) + 6, p.y(1) - 7);
  } else {
    PutLabel(s, "$A$", p.x(1) - 4, p.y(1) + 3);
  }
  PutLabel(s, "$D$", p.x(2) + 4 * s.P4 - 2, p.y(2) + 3);
  const int slider = s.P4;
  DrawLabelledSegment(s, "2", p.x(slider) - 4, p.y(slider) + 14, p.x(slider), p.y(slider) + 10,
                      p.x(slider) - 1, p.y(slider) + 13);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 1, 2, kForce, p.x(3), p.y(3), 10, -2, 15);
  } else {
    DrawRedForceWithLabel(s, -1, -2, kForce, p.x(3) + 10, p.y(3) + 20, 10, -10, -3);
  }
  s.PointX[4] = p.x(4) - 1;
  s.PointY[4] = p.y(4) - 1;
  SetLineWidth(s, 6);
  DrawBar(s, 2, 3);
  DrawBar(s, 1, 4);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 4);
}

void Scheme39(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 112, 78, -25, -5);
  if (s.P3 == 1) {
    Phi(s, 1, (270 - 120 * s.P4) * kDegree, 15, 2, 2 * s.P4 - 3);
  } else {
    Phi(s, 2, 60 * s.P4 * kDegree, 2 * s.P4 + 12, 2, 2);
  }
  if (s.P2 == 1) {
    PutBox(s, "dmomentm", p.x(1), p.y(1) - 1);
    PutLabel(s, "$M$", p.x(1) - 23, p.y(1) - 3);
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) + 15, p.y(3), 14, 3, -3);
    } else {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3), p.y(3), 22, 24, -3);
    }
    PutLabel(s, "$1$", p.x(2) - 2, p.y(2) - 8);
  } else {
    PutBox(s, s.P3 == 1 ? "rmomentm" : "rmomentp", p.mx(1, 2), p.my(1, 2));
    PutLabel(s, "$M$", p.mx(1, 2) - 3, p.my(1, 2) + 9);
    PutLabel(s, "$1$", p.x(3) + 2, p.y(3) - 2);
    DrawFilledCircle(s, p.x(3), p.y(3), 4);
  }
  PutLabel(s, "$C$", p.x(1) - 6 * s.P4 + 8, p.y(1) + 2);
  PutLabel(s, "$A$", p.x(3) - 9, p.y(3) - 2);
  PutLabel(s, "$B$", p.x(2) + 16 * s.P4 - 27, p.y(2) - 8);
  SetLineWidth(s, 6);
  DrawBar(s, 1, 2);
  DrawSegmentPoints(s, 3, 2);
  DrawSegmentPoints(s, 3, 1);
  SetLineWidth(s, 10);
  DrawSegment(s, p.x(2), p.y(1) - 14, p.x(2), p.y(2) - 12);
  DrawSegment(s, p.x(2), p.y(2) + 12, p.x(2), p.y(2) + 20);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(2) - 50 * s.P4 + 40, p.y(4), 95);
  DrawCircleAtPoint(s, 1, 24);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawLabelledSegment(s, "2", p.x(1) + 21, p.y(1) - 10, p.x(1) + 12, p.y(1) - 7, p.x(1) + 20,
                      p.y(1) - 7);
  Block(s, p.x(2), p.y(2), 8, 24);
}

}  // namespace

void DrawSchemes30To39(SharedState& s) {
  const Points p{s};
  switch (s.P1) {
    case 30: Scheme30(s, p); break;
    case 31: Scheme31(s, p); break;
    case 32: Scheme32(s, p); break;
    case 33: Scheme33(s, p); break;
    case 34: Scheme34(s, p); break;
    case 35: Scheme35(s, p); break;
    case 36: Scheme36(s, p); break;
    case 37: Scheme37(s, p); break;
    case 38: Scheme38(s, p); break;
    case 39: Scheme39(s, p); break;
    default: break;
  }
}

}  // namespace mechanisms
