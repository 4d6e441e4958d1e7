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

// The figures below read the fitted points as x(i), y(i).
struct Points {
  const SharedState& s;
  double x(int i) const { return s.PointX[i]; }
  double y(int i) const { return s.PointY[i]; }
  double mx(int i, int j) const { return MidX(s, i, j); }
  double my(int i, int j) const { return MidY(s, i, j); }
};

void Bar(SharedState& s, int w, int i, int j) {
  SetLineWidth(s, w);
  DrawBar(s, i, j);
}

void Phi(SharedState& s, int i, double a, double r, int ox, int oy) {
  DrawMomentAtPoint(s, i, 1, "\\varphi", a, r, ox, oy);
}

void Block(SharedState& s, double x, double y, double a, double b) {
  DrawRotatedBlock(s, 5, x, y, 0, a, b);
}

void Scheme1(SharedState& s, CatalogueVariables& c, const Points& p) {
  toolkit::BeginPicture(s, 122, 77, -10, -15);
  Bar(s, 8, 1, 2);
  SetLineWidth(s, 3);
  c.SchemeUnit = 20;
  const double r = c.SchemeUnit;
  Phi(s, 1, 210 * kDegree, 9, 1, 2);
  DrawNodeMarker(s, 2);
  DrawRedForceWithLabel(s, 0, -1, kForce, p.x(2), p.y(2) + 25, 24, -2, 2);
  PutLabel(s, "$1$", p.x(1) - 25 * (s.P2 - 1), p.y(1) - r + 4 * s.P2);
  if (s.P4 == 1) {
    PutHingeBoxAtPoint(s, 4);
    Block(s, p.x(4) + 12, p.y(1) - 20, 20, 10);
    PutLabel(s, "$2$", p.x(4) + 22, p.y(1) - 15);
    DrawSegment(s, p.x(4) + 14, p.y(1) + r - 10, p.x(4) + 14, p.y(1) - 15);
  } else {
    DrawHatchRowV(s, -1, p.x(4) - 14, p.y(4) - 14.5, 24);
    PutLabel(s, "$2$", p.x(4) - 6, p.y(4));
    PutBoxAtPoint(s, 4, s.P2 == 1 ? "MomentpLeft" : "MomentpLeftmm");
    PutLabel(s, "$M$", p.x(4) + 14, p.y(4));
  }
  DrawCircleAtPoint(s, 4, 28);
  DrawSegment(s, p.x(1), p.y(1) + r, p.x(4), p.y(1) + r);
  DrawCircleAtPoint(s, 1, static_cast<int>(2 * r));
  if (s.P3 == 1) {
    PutBox(s, "hosnv", p.x(1) - 20, p.y(1) - r);
    DrawFilledCircle(s, p.x(1), p.y(1), 2);
  } else {
    PutHingeBoxAtPoint(s, 1);
  }
  DrawStrokesAcrossRay(s, 1, 0.8 * r, 210 * kDegree);
}

void Scheme2(SharedState& s, CatalogueVariables& c, const Points& p) {
  toolkit::BeginPicture(s, 124, 77, -20, -25);
  Bar(s, 8, 1, 2);
  SetLineWidth(s, 3);
  c.SchemeUnit = 20;
  const double r = c.SchemeUnit;
  DrawCircleAtPoint(s, 1, static_cast<int>(2 * r));
  Phi(s, 1, 120 * kDegree, 9, 1, 2);
  DrawNodeMarker(s, 2);
  PutBoxAtPoint(s, 4, s.P2 == 1 ? "MomentpLeft" : "MomentpLeftmm");
  PutLabel(s, "$M$", p.x(4) + 2 * s.P4 + 14, p.y(4));
  DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) + 25, p.y(2), 24, 1, 3);
  PutBlueLabel(s, "$1$", p.x(1) - 20 * s.P2 + 20, p.y(1) - r + 34 * s.P2 - 30);
  if (s.P4 == 1) {
    PutHingeBoxAtPoint(s, 4);
  } else {
    DrawHatchRowV(s, -1, p.x(4) - 18, p.y(4) - 18.5, 36);
    DrawCircleAtPoint(s, 4, 36);
  }
  DrawCircleAtPoint(s, 4, 28);
  DrawSegment(s, p.x(1), p.y(1) + r, p.x(4), p.y(1) + r);
  PutBlueLabel(s, "$2$", p.x(4) - 10, p.y(4) - 2);
  if (s.P3 == 1) {
    PutBox(s, "hosnv", p.x(1) - 20, p.y(1) - r);
    DrawFilledCircle(s, p.x(1), p.y(1), 2);
  } else {
    PutHingeBoxAtPoint(s, 1);
  }
  DrawStrokesAcrossRay(s, 1, 0.8 * r, 120 * kDegree);
}

void Scheme3(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 120, 77, -10, -15);
  Bar(s, 8, 1, 2);
  DrawLineBySlope(s, p.x(1) - 2, p.y(1) + 41, 1, 0, 4);
  DrawLineBySlope(s, p.x(1), p.y(1) + 1, 0, 1, 40);
  SetLineWidth(s, 1);
  if (s.P4 == 2) {
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", p.x(1), p.y(1) + 42, 12, 3, 0);
    } else {
      DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", p.x(1), p.y(1) + 57, 15, 3, -10);
    }
  }
  PutBox(s, "vnpr", p.x(1), p.y(2) - 3);
  DrawCircleAtPoint(s, 3, 24);
  if (s.P4 == 1) {
    Phi(s, 1, 30 * kDegree, 12, 1, 0);
  } else {
    Phi(s, 2, 210 * kDegree, 8, 1, 1);
  }
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 1);
  PutLabel(s, "$1$", p.x(1) + 50 * s.P2 - 55, p.y(1) + 8);
  PutLabel(s, "$A$", p.x(1) - 9, p.y(1) - 3);
  PutLabel(s, "$B$", p.x(2) - 6, p.y(2) - 8);
  if (s.P3 == 1) {
    PutHingeBoxAtPoint(s, 3);
    DrawLabelledArcArrow(s, 1, "M", 1, p.x(3), p.y(3), -30 * kDegree, 30 * kDegree, 14, 0);
  } else {
    DrawHatchRowV(s, 1, p.x(4), p.y(4), 40);
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3), p.y(3), 24, 23, 2);
  }
  PutLabel(s, "$2$", p.x(3) + 3, p.y(3) + 3);
  Block(s, p.x(2) + 31, p.y(2) - 7.5, 60, 16);
  PutBox(s, "hosnv", p.x(2) - 5, p.y(2) - 16);
}

void Scheme4(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 119, 78, -20, -12);
  if (s.P3 == 1) {
    Bar(s, 9, 1, 2);
    Bar(s, 3, 2, 3);
  } else {
    Bar(s, 9, 2, 3);
    Bar(s, 3, 1, 2);
  }
  DrawNodeMarker(s, 2);
  PutHingeBoxAtPoint(s, 1);
  if (s.P4 == 1) {
    Phi(s, 1, kPi / 3.4, 14, 1, 0);
  } else {
    Phi(s, 3, kPi - kPi / 3.4, 14, 1, 0);
  }
  PutBoxAtPoint(s, 3, "slblockh");
  PutLabel(s, "$O$", p.x(1) - 12, p.y(1) - 3);
  PutLabel(s, "$A$", p.x(2) - 11, p.y(2) - 2);
  PutLabel(s, "$B$", p.x(3), p.y(3) + 6);
  DrawLabelledSegment(s, "1", p.x(3) + 11, p.y(3) - 6, p.x(3) + 11, p.y(3) - 3, p.x(3) + 6,
                      p.y(3) - 2);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) - 6, p.y(3), 18, -29, -1);
  } else {
    PutLabel(s, "$M$", p.mx(2, 3) - 10, p.my(2, 3) + 21);
    PutBox(s, "Momentp", p.mx(2, 3) - 10, p.my(2, 3) + 10);
  }
  if (s.P3 == 1) {
    PutLabel(s, "$2$", p.mx(1, 2) - 3, p.my(1, 2) + 2);
  } else {
    PutLabel(s, "$2$", p.mx(2, 3), p.my(2, 3) + 2);
  }
}

void Scheme5(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 128, 79, -50, -10);
  SetLineWidth(s, 15);
  DrawLineBySlope(s, p.x(1) - 48, p.y(2) + 3, 1, 0, 96);
  SetLineWidth(s, 8);
  if (s.P2 == 1) {
    DrawBar(s, 1, 2);
    DrawNodeMarker(s, 2);
    DrawCircleAtPoint(s, 2, 5);
    PutBlueLabel(s, "$A$", p.x(2), p.y(2) - 7);
    if (s.P3 == 1) {
      PutBox(s, "MomentpLeftmm", p.x(1) + 6, p.y(1) + 6);
      PutBlueLabel(s, "$M$", p.x(1) + 2, p.y(1) + 18);
    } else {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.mx(1, 2), p.my(1, 2), 20, 21, 0);
    }
  } else {
    DrawBar(s, 1, 4);
    DrawNodeMarker(s, 4);
    DrawCircleAtPoint(s, 4, 20);
    PutBlueLabel(s, "$A$", p.x(4) + 2, p.y(4) - 3);
    if (s.P3 == 1) {
      PutBox(s, "MomentpLeft", p.x(1) + 6, p.y(1) + 6);
      PutBlueLabel(s, "$M$", p.x(1) + 2, p.y(1) + 18);
    } else {
      DrawLabelledArcArrow(s, 1, "M", 2, p.x(4), p.y(4), -30 * kDegree, 30 * kDegree, 14, 2);
    }
  }
  DrawLineBySlope(s, p.x(1), p.y(2) + 3, 0, 1, 29);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", p.x(1), p.y(2) + 12);
  PutHingeBoxAtPoint(s, 1);
  Phi(s, 1, 45 * kDegree, 14, 0, -12);
  PutBlueLabel(s, "$O$", p.x(1) - 12, p.y(1) - 3);
  PutBlueLabel(s, "$2$", p.x(1) + 20, p.y(2) + 11);
  PutBlueLabel(s, "$1$", p.x(2) - 14, p.y(2) - 8);
  DrawLineBySlope(s, p.x(1) + 19, p.y(2) + 11, -1, -1, 6);
}

void Scheme6(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 128, 82, -40, -10);
  Bar(s, 8, 1, 2);
  DrawBar(s, 4, 3);
  const double m = p.my(2, 3);
  const double e = (p.y(3) - p.y(2)) / 2 - 6.5;
  DrawLineBySlope(s, p.x(2) + 3, m, 1, 0, 30);
  DrawLineBySlope(s, p.x(2), p.y(2) + 1.5, 0, 1, e);
  DrawLineBySlope(s, p.x(3), p.y(3) - 1.5, 0, -1, e);
  SetLineWidth(s, 3);
  PutBox(s, "hnpr", p.x(2) + 18, m);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  Block(s, p.x(2), m, 6, 10);
  Phi(s, 1, 30 * kDegree, 14, 2, 0);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) + 46, m, 12, 0, -3);
  } else {
    PutBoxAtPoint(s, 4, "MomentpLeft");
    PutBlueLabel(s, "$M$", p.x(4) - 3, p.y(4) + 12);
  }
  if (s.P3 == 1) {
    PutBlueLabel(s, "$1$", p.x(2) - 9, p.y(2) + 5);
  } else {
    PutBlueLabel(s, "$1$", p.mx(3, 4), p.my(3, 4) + 5);
    PutBlueLabel(s, "$1$", p.mx(1, 2), p.my(1, 2) + 5);
  }
  PutBlueLabel(s, "$O$", p.x(1) - 12, p.y(1) - 3);
  PutBlueLabel(s, "$O'$", p.x(4) - 12, p.y(4) - 3);
  PutBlueLabel(s, "$A$", p.x(2) + 3, p.y(2));
  PutBlueLabel(s, "$B$", p.x(2) + 4, p.y(2) + 22);
  PutBlueLabel(s, "$A'$", p.x(3) + 3, p.y(3) - 4);
  PutBlueLabel(s, "$2$", p.x(2) + 22, p.y(3) - 11);
  DrawLineBySlope(s, p.x(2) + 21, p.y(3) - 11, -1, -1, 8);
}

void Scheme7(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 127, 80, -35, 2);
  PutLabel(s, "$M$", p.x(1) - 16, p.y(1) + 4);
  SetLineWidth(s, 9);
  DrawSegment(s, p.x(1) + 38, p.y(1) - 20.5, p.x(1) - 38, p.y(1) - 20.5);
  DrawSegment(s, p.x(1) + 38, p.y(1) - 19, p.x(1) + 38, p.y(1) - 23);
  DrawSegment(s, p.x(2), p.y(2) + 1, p.x(2), p.y(2) + 26);
  DrawSegment(s, p.x(2) - 6, p.y(2) + 26, p.x(2) + 6, p.y(2) + 26);
  DrawSegment(s, p.x(2) - 6, p.y(2) + 27, p.x(2) + 6, p.y(2) + 27);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 5, p.x(1), p.y(1), p.x(2), p.y(2));
  DrawNodeMarker(s, 2);
  DrawFilledCircle(s, p.x(1), p.y(1), 1);
  DrawCircleAtPoint(s, 1, 40);
  Phi(s, 1, 45 * kDegree, 10, 1, 0);
  PutBox(s, "hnpr", p.x(1) - 35, p.y(1) - 20.5);
  PutBox(s, "hnpr", p.x(1) + 25, p.y(1) - 20.5);
  PutBox(s, "vnpr", p.x(2), p.y(2) + 10);
  PutLabel(s, "2", p.x(2) + 9, p.y(3) + 32);
  PutLabel(s, "$A$", p.x(2) + 5, p.y(2) - 1);
  PutLabel(s, "$O$", p.x(1), p.y(1) - 8);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 1, "Momentp");
    PutLabel(s, "1", p.x(1) - 8, p.y(1) - 16);
  } else {
    PutBoxAtPoint(s, 1, "Momentm");
    PutLabel(s, "1", p.x(1) - 25, p.y(1) - 29);
  }
  PutLabel(s, kForce, p.x(1) + 48, p.y(1) - 17);
  if (s.P3 == 1) {
    DrawThickRedVector(s, -1, 0, p.x(1) + 53, p.y(1) - 21, 14);
  } else {
    DrawThickRedVector(s, 1, 0, p.x(1) + 39, p.y(1) - 21, 20);
  }
}

void Scheme8(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 132, 77, -35, 9);
  SetLineWidth(s, 5);
  DrawStrokesAcrossRay(s, 2, 15, 225 * kDegree);
  SetLineWidth(s, 9);
  DrawSegment(s, p.x(4) - 2, p.y(4) - 1, p.x(4) + 2, p.y(4) - 1);
  DrawSegment(s, p.x(3) - 1, p.y(3) - 2, p.x(3) - 1, p.y(3) + 2);
  DrawTwoBars(s, 3, 1, 2);
  DrawBar(s, 2, 4);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 1);
  DrawCircleAtPoint(s, 2, 36);
  DrawLabelledArcArrow(s, 1, "\\varphi", 1, p.x(1), p.y(1), 0, 45 * kDegree, 14, 0);
  PutBox(s, "hnpr", p.x(3) - 30, p.y(1));
  PutBox(s, "vnpr", p.x(2), p.y(4) - 18);
  PutBlueLabel(s, "1", p.x(2) + 3, p.y(3) + 37);
  PutBlueLabel(s, "$A$", p.x(2) - 11, p.y(2) - 1);
  PutBlueLabel(s, "$M$", p.x(2) + 21, p.y(2) - 4);
  PutBlueLabel(s, "$O$", p.x(1) - 8, p.y(1) + 2);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 2, "MomentpLeftd");
    DrawSegment(s, p.x(1) + 6, p.y(1) + 15, p.x(1) + 12, p.y(1) + 15);
    PutBlueLabel(s, "2", p.x(1) + 2, p.y(1) + 14);
  } else {
    PutBoxAtPoint(s, 2, "MomentpLeftm");
    DrawSegment(s, p.x(2) - 4, p.y(2) - 26, p.x(2) - 7, p.y(2) - 30);
    PutBlueLabel(s, "2", p.x(2) - 4, p.y(2) - 26);
  }
  PutBlueLabel(s, kForce, p.x(3) + 17, p.y(3) + 3);
  if (s.P3 == 1) {
    DrawThickRedVector(s, -1, 0, p.x(3) + 23, p.y(3), 22);
  } else {
    DrawThickRedVector(s, 1, 0, p.x(3), p.y(3), 20);
  }
}

void Scheme9(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 130, 77, -20, -25);
  DrawHatchRowV(s, -1, p.x(1) - 10, p.y(1) - 10.5, 100);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 4);
  DrawNodeMarker(s, 1);
  if (s.P4 == 1) {
    Phi(s, 1, std::atan(0.5), 15, 1, 0);
  } else {
    Phi(s, 4, kPi - std::atan(0.5), 8, 1, 1);
  }
  PutLabel(s, "$A$", p.x(1) - 10, p.y(1) + 1);
  PutLabel(s, "$B$", p.x(2) - 10, p.y(2) + 3);
  PutLabel(s, "$C$", p.x(3) + 2, p.y(3) + 3);
  PutLabel(s, "$D$", p.x(4) + 4, p.y(4) - 7);
  Bar(s, 8, 1, 3);
  DrawBar(s, 2, 4);
  SetLineWidth(s, 2);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 5, "Momentp");
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3) - 1.5, p.y(3) - 2, 20, 2, -18);
  } else {
    PutBoxAtPoint(s, 5, "Momentm");
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3), p.y(3), 20, 23, -2);
  }
  DrawCircleAtPoint(s, 1, 20);
  DrawSegment(s, p.x(4) - 5, p.y(4) - 11, p.x(4), p.y(4));
  LineTo(s, p.x(4) + 5, p.y(4) - 11);
  PutLabel(s, "$M$", p.x(5) - 19, p.y(5) - 5);
  PutLabel(s, "2", p.x(5), p.y(5) - 8);
  if (s.P3 == 1) {
    PutLabel(s, "1", p.x(1) - 2, p.y(1) - 9);
  } else {
    PutLabel(s, "1", p.x(2) + 15, p.y(2) + 11);
  }
}

void Scheme10(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 128, 77, -40, -5);
  SetLineWidth(s, 8);
  DrawLineBySlope(s, p.x(2) + 1.5, p.y(2), 1, 0, p.x(3) - p.x(2) - 11.5);
  DrawLineBySlope(s, p.x(3) + 10, p.y(2), 1, 0, 10);
  DrawLineBySlope(s, p.x(3), p.y(3) - 4, 0, -1, 25);
  SetLineWidth(s, 1);
  PutBox(s, "hosnv", p.x(1) - 30, p.y(1) - 20);
  PutBox(s, "vnpr", p.x(3), p.y(3) - 20);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  Block(s, p.x(3), p.y(3), 20, 8);
  Phi(s, 1, 45 * kDegree, 14, -4, -10);
  DrawDashedLineMultiput(s, 5, p.x(1), p.y(1), p.x(2), p.y(2));
  DrawCircleAtPoint(s, 1, 40);
  PutLabel(s, "$M$", p.x(1) - 18, p.y(1) + 2);
  PutLabel(s, "$1$", p.x(1) - 7, p.y(1) - 15);
  if (s.P3 == 1) {
    PutLabel(s, "$2$", p.x(2) + 7, p.y(2) - 8);
  } else {
    PutLabel(s, "$2$", p.x(3) - 2, p.y(3) - 3);
  }
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 1, "Momentm");
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) + 22, p.y(3), 15, 0, -11);
  } else {
    PutBoxAtPoint(s, 1, "Momentp");
    DrawRedForceWithLabel(s, 0, 1, kForce, p.x(3), p.y(3) - 47, 17, 3, 7);
  }
}

void Scheme11(SharedState& s, const CatalogueVariables& c, const Points& p) {
  toolkit::BeginPicture(s, 113, 77, -30, -20);
  Bar(s, 8, 1, 2);
  SetLineWidth(s, 3);
  Phi(s, 1, c.SchemeAngle, 16, 2, 0);
  PutBlueLabel(s, "$A$", p.x(1) - 2, p.y(1) + 7);
  PutBlueLabel(s, "$B$", p.x(2) - 14, p.y(2) - 3);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 1, -2, kForce, p.x(5) - 10, p.y(5) + 20, 10, 0, 3);
  } else {
    PutBoxAtPoint(s, 4, "MomentpLeft");
    PutBlueLabel(s, "$M$", p.x(4) - 13, p.y(4) + 4);
  }
  PutBoxAtPoint(s, 1, "slblockh");
  PutBoxAtPoint(s, 2, "slblockv");
  PutBlueLabel(s, "$1$", p.x(1) - 16, p.y(1) - 2);
  PutBlueLabel(s, "$2$", p.x(2) - 13 * s.P3 + 11, p.y(2) - 3 * s.P3 - 10);
}

void Scheme12(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 123, 77, -15, -20);
  SetLineWidth(s, 8);
  DrawTwoBars(s, 1, 2, 3);
  DrawBar(s, 3, 4);
  DrawLineBySlope(s, p.x(5), p.y(5) - 1.5, 0, -1, 27);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", p.x(5), p.y(5) - 25);
  DrawNodeMarker(s, 5);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 2);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  Phi(s, 1, 45 * kDegree, 15, 2, 0);
  DrawCircleAtPoint(s, 5, 20);
  PutBlueLabel(s, "$A$", p.x(1) - 12, p.y(1) - 3);
  PutBlueLabel(s, "$D$", p.x(4) - 12, p.y(4) - 3);
  PutBlueLabel(s, "$B$", p.x(2), p.y(2) + 3);
  PutBlueLabel(s, "$C$", p.x(3) - 7, p.y(3) + 4);
  DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", p.x(5), p.y(5) - 42, 12, -10, 4);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) - 20, p.y(2), 18, 0, -10);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3), p.y(3) - 1.5, 18, -10, -17);
  }
  PutBlueLabel(s, "$1$", p.x(5) + 4, p.y(5));
  if (s.P3 == 1) {
    PutBlueLabel(s, "$2$", p.x(1) + 6, p.y(1) + 11);
  } else {
    PutBlueLabel(s, "$2$", p.x(2) + 30, p.y(2) + 2);
  }
}

void Scheme13(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 126, 77, -15, -10);
  Phi(s, 5, 60 * kDegree, 15, 2, 0);
  DrawDashedLineMultiput(s, 5, p.x(1), p.y(1), p.x(5), p.y(5));
  DrawCircleAtPoint(s, 1, 40);
  PutBoxAtPoint(s, 1, s.P2 == 1 ? "Momentm" : "Momentp");
  PutBlueLabel(s, "$M$", p.x(1) - 19, p.y(1));
  PutBlueLabel(s, "$1$", p.x(1) + 3, p.y(1) - 2);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 100, p.y(2), 15, -7, 2);
    PutBlueLabel(s, "$2$", p.x(3) + 3, p.y(3) + 14);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3), p.y(3) + 30, 15, -9, -10);
    PutBlueLabel(s, "$2$", p.x(2), p.y(2) + 2);
  }
  PutHingeBoxAtPoint(s, 5);
  DrawFilledCircle(s, p.x(1), p.y(1), 1);
  SetLineWidth(s, 5);
  Block(s, p.x(3), p.y(3), 5, 30);
  Block(s, p.x(2), p.y(2), 40, 30);
  SetLineWidth(s, 1);
  PutBox(s, "hosnv", p.x(1) + 20, p.y(1) - 20);
}

void Scheme14(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 129, 78, -10, -11);
  const int sign = 2 * s.P2 - 3;
  Phi(s, 1, 45 * kDegree, 16, 2, 0);
  DrawCircleAtPoint(s, 3, 32);
  Bar(s, 8, 1, 2);
  DrawLineBySlope(s, p.x(2) + 3, p.y(2) - 5, 1, 0, 65);
  SetLineWidth(s, 12);
  DrawLineBySlope(s, p.x(2) + 3, p.y(2) - 19, 0, 1, 32);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 2);
  PutBox(s, "hnpr", p.x(2) + 9, p.y(2) - 5);
  PutBlueLabel(s, "$2$", p.x(3) - 24, p.y(3) - 14);
  DrawSegment(s, p.x(3) - 20, p.y(3) - 11, p.x(3) - 12, p.y(3) - 9);
  PutBlueLabel(s, "$O$", p.x(1) - 9, p.y(1));
  PutBlueLabel(s, "$A$", p.x(2) - 10, p.y(2) - 2);
  if (s.P2 == 1) {
    PutBlueLabel(s, "$1$", p.x(1) + 2, p.y(1) + 12);
  } else {
    PutBlueLabel(s, "$1$", p.x(2) - 2, p.y(2) + 8);
  }
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 3, s.P2 == 1 ? "MomentpLeft" : "MomentpLeftmm");
    PutBlueLabel(s, "$M$", p.x(3) + 16, p.y(3));
    PutHingeBoxAtPoint(s, 3);
  } else {
    if (s.P4 == 1) {
      DrawHatchRowV(s, 1, p.x(3) - 12, p.y(3) + 16, 24);
    } else {
      DrawHatchRowV(s, -1, p.x(3) - 12, p.y(3) - 16, 24);
    }
    DrawRedForceWithLabel(s, sign, 0, kForce, p.x(3), p.y(3), 28, 23 * sign - 2, 3);
  }
  Block(s, p.x(2), p.y(2), 6, 12);
}

void Scheme15(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 132, 77, -25, -17);
  const int sign = 2 * s.P2 - 3;
  Phi(s, 1, 135 * kDegree, 10, 2, 0);
  DrawCircle(s, p.x(4), p.y(4) - 0.4, 28);
  PutHingeBoxAtPoint(s, 1);
  if (s.P2 == 1) {
    Bar(s, 8, 1, 2);
    Bar(s, 2, 3, 2);
  } else {
    Bar(s, 8, 3, 2);
    Bar(s, 2, 1, 2);
  }
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 1);
  PutBox(s, "hosnv", p.x(3) - 40, p.y(3) - 6);
  PutBlueLabel(s, "$2$", p.x(4) - 3, p.y(4) + 4);
  if (s.P2 == 1) {
    PutBlueLabel(s, "$1$", p.x(2) + 5, p.y(1) + 28);
  } else {
    PutBlueLabel(s, "$1$", p.x(2) - 9, p.y(1) + 18);
  }
  DrawLabelledArcArrow(s, 1, "M", 2, p.x(4), p.y(4), 30 * kDegree * sign, -30 * kDegree * sign,
                       16, 2);
  if (s.P3 == 1) {
    PutHingeBoxAtPoint(s, 4);
    DrawRedForceWithLabel(s, sign, 0, kForce, p.x(3) - 11 * sign + 11, p.y(3) - 2, 22,
                          11 * sign + 12, -2);
  } else {
    DrawHatchRowV(s, 1, p.x(4) - 12, p.y(4) + 14, 24);
    DrawThickRedVector(s, sign, 0, p.x(4) - 11 * sign - 11, p.y(4), 22);
    PutBlueLabel(s, kForce, p.x(4) - 24, p.y(4) + 3);
  }
  Block(s, p.x(3) - 15, p.y(3) - 3, 30, 5);
  PutLabel(s, "$O$", p.x(1) - 12, p.y(1) - 3);
  PutLabel(s, "$A$", p.x(2) - 2, p.y(2) + 3);
  PutLabel(s, "$B$", p.x(3) - 4, p.y(3) + 3);
}

void Scheme16(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 122, 77, -25, -17);
  Phi(s, 1, 45 * kDegree, 10, 2, 0);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  SetLineWidth(s, 5);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  DrawBar(s, 3, 4);
  SetLineWidth(s, 3);
  DrawSegmentFromNode(s, p.x(2), p.y(2), p.x(2) + 4, p.y(2));
  LineTo(s, p.x(2) + 4, p.y(2) + 28);
  LineTo(s, p.x(2) + 1.5, p.y(2) + 28);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 1);
  if (s.P2 == 1) {
    DrawLabelledArcArrow(s, 1, "M", -15, p.x(4), p.y(4), kPi / 4 - 0.7, kPi / 4 + 0.5, 10, 0);
  } else {
    PutLabel(s, "$M$", p.x(5) - 5, p.y(5) - 5);
    PutBoxAtPoint(s, 5, "umomentp");
  }
  if (s.P3 == 1) {
    PutLabel(s, "$2$", p.x(5) + 20, p.y(5) + 10);
  } else {
    DrawLabelledSegment(s, "2", p.x(5), p.y(5) + 14, p.x(5) - 1, p.y(5) + 14, p.x(5) - 9,
                        p.y(5) + 10);
  }
  PutLabel(s, "$1$", p.x(5), p.y(5) - 16);
  DrawCircleAtPoint(s, 5, 20);
  DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) + 76, p.y(2) + 5, 12, -4, 2);
  s.BlockCentred = false;
  Block(s, p.x(2) + 24, p.y(2) - 20, 40, 50);
  SetLineWidth(s, 1);
  s.BlockCentred = true;
  PutBox(s, "hosnv", p.x(2), p.y(2) - 20);
  PutLabel(s, "$O$", p.x(1) - 9, p.y(1) - 2);
  PutLabel(s, "$A$", p.x(2) - 9, p.y(2));
  PutLabel(s, "$B$", p.x(3) - 9, p.y(3) - 3);
  PutLabel(s, "$C$", p.x(4) - 9, p.y(4) - 3);
}

// Schemes 17 and 18 add the link CD to the rods OA and AB; 19 has none.
void Schemes17To19(SharedState& s, const Points& p) {
  const bool link = s.P1 != 19;
  toolkit::BeginPicture(s, 127, 77, -10, -17);
  Phi(s, 1, std::atan(0.5), 12, 2, 1);
  PutHingeBoxAtPoint(s, 1);
  SetLineWidth(s, 5);
  DrawTwoBars(s, 1, 2, 3);
  if (link) DrawBar(s, 4, 5);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  if (link) {
    DrawNodeMarker(s, 4);
    DrawNodeMarker(s, 5);
  }
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    PutBox(s, "MomentpLeft", p.x(2) - 11, p.y(2) - 11);
    PutLabel(s, "$M$", p.x(2) - 22, p.y(2));
  } else {
    PutBox(s, "Momentm", p.x(3) - 10, p.y(3));
    PutLabel(s, "$M$", p.x(3) - 14, 13);
  }
  if (s.P1 == 18) {
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, 0, 1, kForce, p.x(2), p.y(2), 18, 3, 12);
    } else {
      DrawRedForceWithLabel(s, 0, -1, kForce, p.x(2), p.y(2) + 18, 17, 2, -3);
    }
  } else if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) + 17, p.y(2), 16, -3, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1, p.y(2), 17, 9, 3);
  }
  if (link) {
    const int k = s.P2 + 2;
    const int c = 5 - s.P2;
    Block(s, p.x(k), 0, 14, 16);
    PutLabel(s, "2", p.x(k) + 2, -4);
    DrawCircle(s, p.x(c), 0, 16);
    PutLabel(s, "1", p.x(c) + 3, -4);
  } else {
    DrawCircle(s, p.x(3), 0, 16);
    PutLabel(s, "1", p.x(3) + 3, -4);
    PutLabel(s, "2", p.x(5) - 2, p.y(5) + 3);
  }
  SetLineWidth(s, 1);
  PutBox(s, "hosnv", p.x(1) + 46, -8);
  if (link) {
    PutLabel(s, "$D$", p.x(4) - 15, p.y(4) - 3);
    PutLabel(s, "$C$", p.x(5) - 2, p.y(5) + 3);
  }
  PutLabel(s, "$O$", p.x(1) - 9, p.y(1) - 2);
  PutLabel(s, "$A$", p.x(2) - 7, p.y(2) + 2);
  PutLabel(s, "$B$", p.x(3) - 15, p.y(3) - 3);
}

}  // namespace

void DrawSchemes1To19(SharedState& s, CatalogueVariables& c) {
  const Points p{s};
  switch (s.P1) {
    case 1: Scheme1(s, c, p); break;
    case 2: Scheme2(s, c, p); break;
    case 3: Scheme3(s, p); break;
    case 4: Scheme4(s, p); break;
    case 5: Scheme5(s, p); break;
    case 6: Scheme6(s, p); break;
    case 7: Scheme7(s, p); break;
    case 8: Scheme8(s, p); break;
    case 9: Scheme9(s, p); break;
    case 10: Scheme10(s, p); break;
    case 11: Scheme11(s, c, p); break;
    case 12: Scheme12(s, p); break;
    case 13: Scheme13(s, p); break;
    case 14: Scheme14(s, p); break;
    case 15: Scheme15(s, p); break;
    case 16: Scheme16(s, p); break;
    case 17:
    case 18:
    case 19: Schemes17To19(s, p); break;
    default: break;
  }
}

}  // namespace mechanisms
