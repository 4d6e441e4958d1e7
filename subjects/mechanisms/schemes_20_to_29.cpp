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

// A point name beside its joint.
void Name(SharedState& s, const char* name, const Points& p, int i) {
  PutLabel(s, name, p.x(i) + 2, p.y(i) + 2);
}

void Scheme20(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 125, 77, -15, -17);
  Phi(s, 1, 45 * kDegree, 12, 2, 1);
  PutHingeBoxAtPoint(s, 1);
  SetLineWidth(s, 5);
  DrawTwoBars(s, 1, 2, 3);
  DrawBar(s, 4, 1);
  DrawSegment(s, p.x(1) - 2, p.y(1) + 2, p.x(1) + 2, p.y(1) + 2);
  DrawSegment(s, p.x(1) - 3, p.y(1) + 3, p.x(1) + 3, p.y(1) + 3);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  DrawFilledCircle(s, p.x(4), p.y(4), 4);
  if (s.P2 == 1) {
    if (s.P3 == 1) {
      PutBox(s, "MomentpLeft", p.x(2) - 11, p.y(2) - 11);
      PutLabel(s, "$M$", p.x(2) - 22, p.y(2));
    } else {
      PutBox(s, "Momentm", p.x(3) - 10, 8);
      PutLabel(s, "$M$", p.x(3) - 14, 21);
    }
  } else {
    PutBox(s, s.P3 == 1 ? "MomentpLeft" : "MomentpLeftmm", p.x(3) + 2, 2);
    PutLabel(s, "$M$", p.x(3) + 12, 9);
  }
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1, p.y(2), 17, 8, 3);
  } else {
    DrawRedForceWithLabel(s, 0, 1, kForce, p.x(2), p.y(2) + 1, 17, 2, 12);
  }
  DrawCircle(s, p.x(3), 0, 20);
  if (s.P2 == 1) {
    PutLabel(s, "2", p.x(3) + 3, -5);
  } else {
    PutLabel(s, "2", p.x(2) - 13, 12);
  }
  // Below left of load C: the letter C stands above right of it.
  PutLabel(s, "1", p.x(4) - 8, p.y(4) - 4);
  PutBox(s, "hosnv", p.x(1) + 10, -10.5);
  Name(s, "$O$", p, 1);
  Name(s, "$A$", p, 2);
  Name(s, "$B$", p, 3);
  Name(s, "$C$", p, 4);
}

void Scheme21(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 124, 77, -25, -17);
  PutHingeBoxAtPoint(s, 1);
  SetLineWidth(s, 1);
  PutBoxAtPoint(s, 1, "ugr");
  PutLabel(s, "$M$", p.x(1) - 20, 0);
  PutBox(s, "Momentp", p.x(1), 4);
  Phi(s, 1, 45 * kDegree, 11, 1, 2);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 2, "prsv");
  } else {
    PutBoxAtPoint(s, 3, "prsh");
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) + 37, p.y(3) + 8, 20, -5, 2);
  }
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 4, "prsv");
  } else {
    PutBoxAtPoint(s, 5, "prsh");
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(5) - 21, p.y(5) + 8, 20, 0, 2);
  }
  PutLabel(s, "$O$", p.x(1) + 6, p.y(1) - 6);
  PutLabel(s, "$A$", p.x(4 - s.P2), p.y(4 - s.P2));
  PutLabel(s, "$B$", p.x(6 - s.P3) - 2 * s.P3 + 11, p.y(6 - s.P3) - 2 * s.P3 + 5);
  PutLabel(s, "1", p.x(s.P2 + 1) + 5, p.y(s.P2 + 1) + 5);
  PutLabel(s, "2", p.x(s.P3 + 3) + 5, p.y(s.P3 + 3) + 5);
}

void Scheme22(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 133, 79, -41, -17);
  SetLineWidth(s, 7);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 1);
  PutBoxAtPoint(s, 1, "holm");
  Block(s, p.x(3), p.y(3), 5, 30);
  Block(s, p.x(4) - 3, p.y(4) + 3, 24, 30);
  DrawHatchRowV(s, -1, p.x(1) + 20, p.y(1), 64);
  DrawHatchRowV(s, -1, p.x(1) - 40, p.y(1), 20);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(4) + 29, p.y(4), 20, -7, 2);
    PutLabel(s, "2", p.x(3) - 2, p.y(3) - 10);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3), p.y(3) + 35, 20, 2, -8);
    PutLabel(s, "2", p.x(4), p.y(4));
  }
  if (s.P3 == 1) {
    PutLabel(s, "1", p.x(2) + 3, p.y(2) - 10);
  } else {
    PutLabel(s, "1", p.x(1) - 10, p.y(1) + 5);
    DrawSegment(s, p.x(1) - 7, p.y(1) + 7, p.x(1) + 8, p.y(1) + 8);
  }
  DrawTwoCirclesAtPoint(s, 2, 32, 3);
  PutLabel(s, "$M$", p.x(2) - 22, 33);
  PutLabel(s, "$O$", p.x(1) - 8, -3);
  PutLabel(s, "$A$", p.x(2) + 2, p.y(2) + 1);
  PutBox(s, s.P4 == 1 ? "Momentm" : "Momentp", p.x(2), p.y(2));
  Phi(s, 1, 45 * kDegree, 9, 1, 0);
}

void Scheme23(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 101, 77, -15, -10);
  Phi(s, 1, 45 * kDegree, 7, 2, 0);
  DrawDashedLineMultiput(s, 5, p.x(1), p.y(1), p.x(5), p.y(5));
  DrawTwoCirclesAtPoint(s, 1, 40, 1);
  PutBox(s, s.P2 == 1 ? "vmoment" : "vmomentp", p.x(1) - 1, p.y(1));
  PutBlueLabel(s, "$M$", p.x(1) - 19, p.y(1));
  PutBlueLabel(s, "$1$", p.x(1) + 3, p.y(1) - 14);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 85, p.y(2), 15, -7, 2);
    PutBlueLabel(s, "$2$", p.x(3) + 3, p.y(3) + 14);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3), p.y(3) + 30, 15, -9, -10);
    PutBlueLabel(s, "$2$", p.x(2), p.y(2) + 2);
  }
  SetLineWidth(s, 5);
  Block(s, p.x(3), p.y(3), 5, 30);
  Block(s, p.x(2), p.y(2), 25, 30);
  SetLineWidth(s, 1);
  PutBox(s, "hosnv", p.x(1) - 10, p.y(1) - 20);
}

void Scheme24(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 105, 77, -35, -30);
  SetLineWidth(s, 3);
  DrawStrokesAcrossRay(s, 1, 16, 30 * kDegree);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 7, 13, 0, -7);
  DrawTwoCirclesAtPoint(s, 1, 40, 1);
  PutBox(s, s.P3 == 1 ? "vmoment" : "vmomentp", p.x(1) - 1, p.y(1));
  PutBlueLabel(s, "$M$", p.x(1) - 19, p.y(1));
  if (s.P2 == 1) {
    PutLabel(s, "$1$", p.x(1) + 4, p.y(1) - 16);
  } else {
    DrawLabelledSegment(s, "1", p.x(2), p.y(2) + 11, p.x(2) + 3, p.y(2) + 11, p.x(2) + 10,
                        p.y(2) + 7);
  }
  DrawRedForceWithLabel(s, -1, 0, kForce, 69, p.y(3), 15, -7, 2);
  PutBlueLabel(s, "$2$", p.x(3), p.y(3) + 4);
  SetLineWidth(s, 5);
  Block(s, p.x(3), p.y(3), 25, 40);
  SetLineWidth(s, 1);
  DrawRotatedBlock(s, 5, p.x(2), p.y(2), 30 * kDegree, 34, 2);
  PutBox(s, "hosnv", p.x(1) - 10, p.y(1) - 20);
}

void Scheme25(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 120, 90, -35, -10);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 4);
  SetLineWidth(s, 5);
  DrawTwoBars(s, 1, 2, 3);
  DrawTwoBars(s, 3, 4, 1);
  SetLineWidth(s, 1);
  Phi(s, 1, 135 * kDegree, 10, 0, 1);
  DrawCircleAtPoint(s, 3, 16);
  if (s.P3 == 1) {
    PutBox(s, "MomentpLeft", p.mx(2, 3) - 7, p.my(2, 3) - 7);
  } else {
    PutBox(s, "Momentm", p.mx(4, 3) + 3, p.my(4, 3) - 3);
  }
  PutBlueLabel(s, "$M$", p.x(3) + 10, p.y(3) - 10 * s.P3 + 12);
  const int rod_end = s.P2 == 1 ? 2 : 4;
  PutLabel(s, "$2$", p.mx(1, rod_end) + 4, p.my(1, rod_end) - 2);
  PutLabel(s, "$A$", p.x(2) - 2, p.y(2 * s.P2) - 12 * s.P2 + 15);
  PutLabel(s, "$O$", p.x(1) - 10, p.y(1) - 2);
  DrawRedForceWithLabel(s, 0, 1, kForce, p.x(2), p.y(2) - 19, 18, 2, -3);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(2), p.y(4) + 19, 18, 2, -2);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1, p.y(4), 18, 19, -5);
  }
  DrawLabelledSegment(s, "1", p.x(3) - 12, p.y(3) + 8, p.x(3) - 9, p.y(3) + 8, p.x(3) - 5,
                      p.y(3) + 5);
  DrawHatchRowV(s, -1, p.x(3) - 15, p.y(1) - 8, 21);
}

void Scheme26(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 116, 77, -35, -20);
  DrawTwoCirclesAtPoint(s, 1, 40, 3);
  DrawTwoCirclesAtPoint(s, 4, 40, 3);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  if (s.P3 == 1) DrawFilledCircle(s, p.x(2) - 15, p.y(2), 4);
  PutLabel(s, "$1$", p.x(2) - 12, p.y(2) + 3);
  SetLineWidth(s, 4 * s.P3 - 1);
  DrawBar(s, 3, 2);
  SetLineWidth(s, 1);
  Phi(s, 4, 120 * kDegree, 10, 0, 1);
  DrawDashedLineMultiput(s, 4, p.x(4), p.y(4), p.x(2), p.y(2));
  PutBoxAtPoint(s, 1, s.P2 == 1 ? "bMomentpLeftp" : "bMomentpLeftm");
  PutLabel(s, "$M$", p.x(1) + 11, p.y(1) - 2);
  PutLabel(s, "$2$", p.x(1) - 8, p.y(1) - 17);
  Name(s, "$A$", p, 3);
  Name(s, "$B$", p, 2);
  Name(s, "$O$", p, 1);
  Name(s, "$O'$", p, 4);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(1) - 1, p.y(1), 35, -35, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) - 35, p.y(1), 34, 0, 3);
  }
  PutBoxAtPoint(s, 5, "hosnv");
}

void Scheme27(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 125, 77, -21, -20);
  DrawTwoCirclesAtPoint(s, 1, 32, 3);
  DrawTwoCirclesAtPoint(s, 3, 32, 3);
  DrawNodeMarker(s, 2);
  PutLabel(s, "$1$", p.x(1) + 6, p.y(1) - 7);
  SetLineWidth(s, 5 * s.P3 - 1);
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    Phi(s, 1, 150 * kDegree, 7, 0, 2);  // 2 up, clear of the letter C
  } else {
    Phi(s, 3, 30 * kDegree, 18, 4, 0);
  }
  const char* box = s.P3 == 1 ? "Momentp" : "Momentm";
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 3, box);
    PutLabel(s, "$M$", p.x(3) + 1, p.y(3) + 6);
  } else {
    PutBox(s, box, p.mx(2, 1), p.my(2, 1));
    PutLabel(s, "$M$", p.mx(2, 1), p.my(2, 1) + 3);
  }
  DrawStrokesAcrossRay(s, 1, 13, 150 * kDegree);
  PutLabel(s, "$2$", p.x(3) - 9, p.y(3) - 11);
  // In the open bottom of the moment's arc, below the axle: above it stands M.
  PutLabel(s, "$A$", p.x(3) - 3, p.y(3) - 9.5);
  Name(s, "$B$", p, 2);
  Name(s, "$C$", p, 1);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(2), p.y(2), 22, 2, -28);
  } else {
    DrawRedForceWithLabel(s, 0, 1, kForce, p.x(2), p.y(2) - 23, 22, 2, -7);
  }
  DrawHatchRowV(s, -1, p.x(3) - 20, p.y(5) - 0.5, 120);
}

void Scheme28(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 115, 81, -15, -20);
  DrawTwoCirclesAtPoint(s, 4, 16, 3);
  DrawNodeMarker(s, 5);
  DrawLabelledSegment(s, "1", p.x(4) - 11, p.y(4) + 8, p.x(4) - 8, p.y(4) + 8, p.x(4) - 4,
                      p.y(4) + 5);
  Block(s, p.x(5), p.y(5), 18, 9);
  DrawLabelledArcArrow(s, 1, "\\varphi", 1, p.x(5), p.y(5), 0, kPi / 3.1, 13, -2);
  DrawLabelledArcArrow(s, 0, "\\alpha", 1, p.x(1), p.y(1), 15 * kDegree, 90 * kDegree, 6, 0);
  if (s.P2 == 1) {
    PutBoxAtPoint(s, 4, s.P3 == 1 ? "MomentpLeftmm" : "MomentpLeft");
    PutLabel(s, "$M$", p.x(4) + 11, p.y(4) + 6);
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(4), p.y(4), 25, -25, 2);
  } else {
    PutBox(s, "MomentpLeft", p.mx(4, 5) - 6, p.my(4, 5) - 9);
    PutLabel(s, "$M$", p.mx(4, 5) - 18, p.my(4, 5) - 3);
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(5) + 9, p.y(5) - 4, 24, 26, -7);
  }
  if (s.P3 == 1) {
    DrawLabelledSegment(s, "2", p.mx(4, 5) + 8, p.my(4, 5) - 3, p.mx(4, 5) + 7, p.my(4, 5) - 1,
                        p.mx(4, 5) + 2, p.my(4, 5));
  } else {
    PutLabel(s, "$2$", p.x(5) - 1, p.y(5) - 11);
  }
  SetLineWidth(s, 5);
  DrawBar(s, 5, 4);
  DrawSegmentPoints(s, 1, 2);
  DrawSegment(s, p.x(3), p.y(3), p.x(5) - 9, p.y(3));
  DrawSegment(s, p.x(5) + 9, p.y(3), p.x(2), p.y(3));
  MoveTo(s, p.x(1), p.y(1) - 8);
  LineTo(s, p.x(1) + 2, p.y(1) - 8);
  LineTo(s, p.x(1) + 2, p.y(1) - 1.1);
  LineTo(s, p.x(2) - 2, p.y(2) - 2);
  LineTo(s, p.x(2) - 2, p.y(2) - 8);
  LineTo(s, p.x(2), p.y(2) - 8);
  DrawSegment(s, p.x(1) - 2, p.y(1) - 5, p.x(1) + 3, p.y(1) - 5);
  DrawSegment(s, p.x(1) + 3, p.y(1) - 4, p.x(1) + 3, p.y(1) - 6);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, p.x(3), p.y(3) - 7, 62);
  DrawHatchRowH(s, 1, p.x(2), p.y(3) - 7, 62);
}

void Scheme29(SharedState& s, const Points& p) {
  toolkit::BeginPicture(s, 127, 81, -32, -32);
  if (s.P2 == 1) {
    Phi(s, 3, 135 * kDegree, 10, 0, 1);
  } else {
    Phi(s, 1, 45 * kDegree, 17, 2, -2);
  }
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 2, 1);
  DrawSegmentFromNodeRev(s, 2, 3);
  DrawSegment(s, p.x(2) - 2, p.y(2) - 2, p.x(2) + 2, p.y(2) - 2);
  SetLineWidth(s, 15);
  DrawSegment(s, p.x(3), p.y(3) - 1.5, p.x(3), p.y(3) - 8);
  SetLineWidth(s, 30);
  DrawSegment(s, p.x(3), p.y(3) - 8, p.x(3), p.y(3) - 29);
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    Block(s, p.x(4) + 10, p.y(4), 32, 22);
    PutBox(s, "MomentpLeftmm", p.x(2) - 12, p.y(2) - 12);
  } else {
    DrawCircleAtPoint(s, 1, 28);
    PutBox(s, "MomentpLeft", p.x(2) - 14, p.y(2) - 14);
  }
  PutLabel(s, "$M$", p.x(2) - 12, p.y(2) - 19);
  PutLabel(s, "$1$", p.x(4) + 1, p.y(4) - 8);
  Name(s, "$A$", p, 1);
  Name(s, "$B$", p, 2);
  Name(s, "$C$", p, 3);
  DrawLabelledSegment(s, "2", p.x(3) + 10, p.y(3) - 7, p.x(3) + 9, p.y(3) - 5, p.x(3) + 4,
                      p.y(3) - 5);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) - 1.5, p.y(2), 25, -25, 2);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1.5, p.y(2), 24, 26, -7);
  }
  DrawHatchRowV(s, -1, p.x(4) - 24.2, p.y(4) - 11, 101);
  DrawHatchRowH(s, -1, p.x(4) + 77, p.y(4) - 32.5, 20);
  DrawHatchRowH(s, 1, p.x(4) + 83.5, p.y(4) - 32.5, 20);
}

}  // namespace

void DrawSchemes20To29(SharedState& s) {
  const Points p{s};
  switch (s.P1) {
    case 20: Scheme20(s, p); break;
    case 21: Scheme21(s, p); break;
    case 22: Scheme22(s, p); break;
    case 23: Scheme23(s, p); break;
    case 24: Scheme24(s, p); break;
    case 25: Scheme25(s, p); break;
    case 26: Scheme26(s, p); break;
    case 27: Scheme27(s, p); break;
    case 28: Scheme28(s, p); break;
    case 29: Scheme29(s, p); break;
    default: break;
  }
}

}  // namespace mechanisms
