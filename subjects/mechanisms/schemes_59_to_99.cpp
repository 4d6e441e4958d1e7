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
constexpr const char* kForce = "$\\vec F$";

struct Points {
  const SharedState& s;
  double x(int i) const { return s.PointX[i]; }
  double y(int i) const { return s.PointY[i]; }
};

void Pic(SharedState& s, double w, double h, double x0, double y0) {
  toolkit::BeginPicture(s, w, h, x0, y0);
}

void Phi(SharedState& s, int i, double a, double r, int ox, int oy) {
  DrawMomentAtPoint(s, i, 1, "\\varphi", a, r, ox, oy);
}

void Block(SharedState& s, double x, double y, double a, double b, double angle = 0) {
  DrawRotatedBlock(s, 5, x, y, angle, a, b);
}

void Leader(SharedState& s, const char* n, double lx, double ly, double x1, double y1, double x2,
            double y2) {
  DrawLabelledSegment(s, n, lx, ly, x1, y1, x2, y2);
}

void Scheme59(SharedState& s, const Points& p) {
  Pic(s, 126, 77, -40, -35);
  DrawVector(s, -4, -1, p.x(2), p.y(2), 39);
  PutLabel(s, "$R$", -17, 14);
  if (s.P3 == 1) {
    PutNamedBoxByKind(s, s.P4, 5, 5, "vmomen", "vmomenp");
    PutLabel(s, "$M$", p.x(5) - 2, p.y(5) - 16);
  } else {
    PutNamedBoxByKind(s, s.P4, 1, 1, "Momentp", "Momentm");
    PutLabel(s, "$M$", p.x(1) - 2, p.y(1) + 3);
  }
  Phi(s, 4, 3.926991, 11, 2, 1);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 4);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 1, 3, 4);
  DrawArcPolyline(s, 0, p.x(2), p.y(2), kPi, 3 * kPi / 2, 41);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 3, p.x(2), p.y(2), p.x(2), p.y(2) - 41);
  DrawDashedLineMultiput(s, 6, p.x(2), p.y(2), p.x(2) - 40, p.y(2));
  DrawCircleAtPoint(s, 1, 24);
  DrawHatchRowV(s, -1, p.x(2) - 51, p.y(2), 10);
  DrawHatchRowH(s, 1, p.x(4), p.y(4) - 41, 40);
  DrawHatchRowV(s, -1, p.x(2), p.y(2) - 41, p.x(4) - p.x(2));
  DrawHatchRowV(s, -1, p.x(4) + 1, p.y(2), 10);
  PutLabel(s, "$1$", p.x(2) - 7, p.y(1) - 11);
  DrawSegment(s, p.x(2) - 12, p.y(1) - 9, p.x(2) - 8, p.y(1) - 9);
  PutLabel(s, "$2$", p.x(3) - 7, p.y(3) + 5);
  if (s.P2 == 1) {
    DrawSegment(s, p.x(3) - 3, p.y(3) + 7, p.x(3) + 3, p.y(3) + 4);
  } else {
    DrawSegment(s, p.x(3) - 7, p.y(3) + 7, p.x(3) - 11, p.y(3));
  }
  PutLabel(s, "$B$", p.x(3) - 2, p.y(3) - 8);
  PutLabel(s, "$O$", p.x(2) + 2, p.y(2) + 2);
  PutLabel(s, "$A$", p.x(1) - 4, p.y(1) - 8);
  PutLabel(s, "$C$", p.x(4) - 8, p.y(4) + 2);
}

void Scheme60(SharedState& s, const Points& p) {
  Pic(s, 109, 88, -25, -16);
  PutNamedBoxByKind(s, s.P3, 2, 2, "vmoment", "vmomentp");
  PutLabel(s, "$M$", p.x(2) - 24, p.y(2));
  DrawHatchRowV(s, -1, 0, -10, 11);
  SetLineWidth(s, 6);
  MoveTo(s, 52, 40);
  LineTo(s, 61, 40);
  MoveTo(s, 10, -10);
  LineTo(s, 50, -3);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, 50, -3, 10);
  DrawHatchRowH(s, 1, 51.5, 40, 25);
  DrawHatchRowH(s, -1, 0, -10, 75);
  s.BlockColour = "\\Blue";
  Block(s, 25.5, 45.7, 49.5, 30);
  s.BlockColour = "\\OliveGreen";
  DrawLabelledArcArrow(s, 0, "\\alpha", 0, 10, -10, 0, 0.2, 19, -5);
  DrawSegment(s, 10, -10, 33, -10);
  PutLabel(s, "$2$", 22, 65);
  DrawSegment(s, 24, 66, 29, 60);
  s.BlockCentred = true;
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 83, 27, 22, -15, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, 61, 27, 22, 15, 3);
  }
  DrawCircleAtPoint(s, 2, 29);
  SetLineWidth(s, 1);
  Block(s, 41, 27, 40, 6.5);
  PutLabel(s, "$1$", 55, 12);
  if (s.P2 == 1) {
    DrawSegment(s, 55, 14, 43, 24);
  } else {
    DrawSegment(s, 55, 14, 45, 14);
  }
  if (s.P4 == 1) {
    PutLabel(s, "$x$", 10, 20);
    DrawVector(s, 1, 0, 0, 26, 21);
  } else {
    Phi(s, 2, kPi / 4, 10, -2, -8);
    DrawDashedLineMultiput(s, 4, p.x(2), p.y(2), p.x(2) + 10, p.y(2) + 10);
  }
}

void Scheme61(SharedState& s, const Points& p) {
  Pic(s, 100, 88, -45, -10);
  SetLineWidth(s, 7);
  DrawBar(s, 1, 2);
  DrawSegment(s, p.x(3) + 11.5, p.y(3) + 3, p.x(3) + 20, p.y(3) + 3);
  DrawSegment(s, p.x(3) - 30, p.y(3) + 3, p.x(3) - 21, p.y(3) + 3);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 1);
  DrawHatchRowV(s, -1, p.x(1) - 40, p.y(1), 20);
  PutBoxAtPoint(s, 1, "holm");
  DrawHatchRowV(s, -1, p.x(1) + 20, p.y(1), 20);
  DrawHatchRowH(s, -1, p.x(3) - 21, p.y(3) + 3, 20);
  DrawHatchRowH(s, 1, p.x(3) + 11.5, p.y(3) + 3, 20);
  Block(s, p.x(3) + 3, p.y(3) - 5, 20, 5);
  Block(s, p.x(3) - 5, p.y(3) + 8, 30, 20);
  DrawTwoCirclesAtPoint(s, 2, 24, 3);
  PutLabel(s, "$M$", p.x(2) - 19, 27);
  PutLabel(s, "$O$", p.x(1) - 8, -3);
  PutLabel(s, "$A$", p.x(2) + 2, p.y(2) + 1);
  PutNamedBoxByKind(s, s.P4, 2, 2, "Momentm", "Momentp");
  Phi(s, 1, kPi / 4, 9, 1, 0);
  if (s.P2 == 1) {
    Leader(s, "2", p.x(3) - 7, p.y(3) + 22, p.x(3) - 3, p.y(3) + 22, p.x(2), p.y(3) + 18);
  } else {
    Leader(s, "2", p.x(3) + 25, p.y(3) - 8, p.x(3) + 24, p.y(3) - 6, p.x(3) + 12, p.y(3) - 6);
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3) - 5, p.y(3) + 34, 15.5, 2, -10);
  }
  if (s.P3 == 1) {
    Leader(s, "1", p.x(2) + 15, p.y(2) + 2, p.x(2) + 14, p.y(2) + 4, p.x(2) + 11, p.y(2) + 4);
  } else {
    Leader(s, "1", p.x(1) - 10, p.y(1) + 5, p.x(1) - 7, p.y(1) + 7, p.x(1) + 8, p.y(1) + 8);
  }
}

void Scheme62(SharedState& s, CatalogueVariables& c, const Points& p) {
  Pic(s, 100, 79, -45, -10);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -30, -0.5, 80);
  DrawTwoCirclesAtPoint(s, 2, 32, 2);
  const double bx = p.x(2) - 10;
  const double by = p.y(2) + 10;
  DrawCircle(s, bx, by, 3);
  SetLineWidth(s, 5);
  DrawArcPolyline(s, 0, bx, by, 0.7, 4.1, 12);
  // The rest of disc B's rim as eight dashes.
  for (int k = 0; k <= 7; ++k) {
    c.CatalogueAngle = 0.2 * 2 * k + 4;
    MoveTo(s, bx + 12 * std::cos(c.CatalogueAngle), by + 12 * std::sin(c.CatalogueAngle));
    c.CatalogueAngle = 0.2 * (2 * k + 1) + 4;
    LineTo(s, bx + 12 * std::cos(c.CatalogueAngle), by + 12 * std::sin(c.CatalogueAngle));
  }
  SetLineWidth(s, 1);
  DrawSegment(s, bx, by, p.x(2), p.y(2));
  if (s.P2 == 1) {
    PutBox(s, "Momentm", bx, by);
  } else if (s.P2 == 2) {
    PutBox(s, "Momentp", bx, by);
  }
  Phi(s, 2, 3 * kPi / 4, 9, 2, 0);
  PutLabel(s, "$A$", p.x(2) - 1, 10);
  PutLabel(s, "$B$", p.x(2) - 17.5, p.y(2) + 10.5);
  if (s.P4 == 2) {
    PutLabel(s, "$M$", p.x(2) - 29, 27);
    PutLabel(s, "2", p.x(3) - 7, p.y(3) + 22);
    DrawSegment(s, p.x(3) - 3, p.y(3) + 22, p.x(2), p.y(3) + 18);
    PutLabel(s, "1", p.x(1) - 4, p.y(1) + 14);
    if (s.P3 == 1) {
      DrawSegment(s, p.x(1), p.y(1) + 16, p.x(1) + 5, p.y(1) + 20);
    } else {
      DrawSegment(s, p.x(1), p.y(1) + 16, p.x(1) + 8, p.y(1) + 12);
    }
    SetLineWidth(s, 1);
    DrawHatchRowH(s, -1, p.x(3) - 21, p.y(3) + 3, 20);
    DrawHatchRowH(s, 1, p.x(3) + 11.5, p.y(3) + 3, 20);
    Block(s, p.x(3) - 5, p.y(3) + 8, 30, 20);
  } else {
    PutLabel(s, "$M$", p.x(2) - 12, 41);
    PutLabel(s, "2", p.x(1) - 17, p.y(2) + 28);
    DrawSegment(s, p.x(1) - 13, p.y(2) + 28, p.x(1) - 10, p.y(2) + 24);
    PutLabel(s, "1", 29, 39);
    if (s.P3 == 1) {
      DrawSegment(s, 29, 40, 22, 36);
    } else {
      DrawSegment(s, 31, 38, 28, 32);
    }
    SetLineWidth(s, 1);
    Block(s, p.x(1) - 8.5, p.y(1) + 20, 20, 40);
  }
}

void Scheme63(SharedState& s, const Points& p) {
  Pic(s, 117, 85, -35, -35);
  PutLabel(s, "$A$", -8, -7);
  PutLabel(s, "$B$", 27, 31);
  PutLabel(s, "$C$", 53, -9);
  SetLineWidth(s, 9);
  DrawTwoBars(s, 3, 2, 1);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -27, -28, 64);
  if (s.P4 == 2) {
    DrawTwoCirclesAtPoint(s, 1, 40, 2);
    DrawTwoCirclesAtPoint(s, 2, 40, 2);
    PutBracedText(s, "\\oval(40,40)[t]", p.x(3), p.y(3));
    DrawNodeMarker(s, 3);
    s.BlockCentred = true;
    SetLineWidth(s, 1);
    DrawHatchRowV(s, -1, p.x(3) + 2, p.y(3), 22);
    DrawHatchRowV(s, -1, p.x(3) - 20, p.y(3), 18);
    DrawHatchRowH(s, 1, p.x(3) - 20, p.y(3) - 29, 28);
    DrawSegment(s, -22, -24, -12, -24);
    PutLabel(s, "$2$", -25, -25);
    Block(s, 8, -24, 40, 7);
  } else {
    DrawTwoCirclesAtPoint(s, 1, 40, 2);
    DrawTwoCirclesAtPoint(s, 2, 40, 2);
    DrawTwoCirclesAtPoint(s, 3, 40, 2);
    SetLineWidth(s, 1);
    DrawHatchRowV(s, -1, p.x(3) - 19, p.y(3) - 20.5, 42);
    DrawHatchRowH(s, 1, p.x(3) - 19, p.y(3) - 28.5, 6);
    DrawSegment(s, 66, 24, 61, 19);
    PutLabel(s, "$2$", 66, 25);
    SetLineWidth(s, 4);
    const double x1 = p.x(1);
    DrawSegment(s, x1 - 8, -25, x1 - 8, -29);
    DrawSegment(s, x1 + 8, -25, x1 + 8, -29);
    MoveTo(s, x1 - 1, p.y(1));
    LineTo(s, x1 - 5, -26);
    LineTo(s, x1 - 10, -26);
    LineTo(s, x1 - 10, -29);
    MoveTo(s, x1 + 1, p.y(1));
    LineTo(s, x1 + 5, -26);
    LineTo(s, x1 + 10, -26);
    LineTo(s, x1 + 10, -29);
    SetLineWidth(s, 1);
  }
  PutLabel(s, "$1$", -6, 25);
  if (s.P2 == 1) {
    DrawSegment(s, -2, 27, 7, 27);
  } else {
    DrawSegment(s, -2, 27, 3, 19);
  }
  PutNamedBoxByKind(s, s.P3, 1, 2, "Momentm", "Momentp");
  if (s.P3 == 1) {
    PutLabel(s, "$M$", p.x(1) - 19, p.y(1) - 1);
  } else {
    PutLabel(s, "$M$", p.x(2) - 6, p.y(2) + 12);
  }
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    Phi(s, 1, kPi / 4, 12, -2, -9);
  } else {
    Phi(s, 3, 3 * kPi / 4, 11, 1, 2);
  }
}

void Scheme64(SharedState& s, const Points& p) {
  Pic(s, 100, 84, -45, -25);
  const double x1 = p.x(1);
  const double y1 = p.y(1);
  SetLineWidth(s, 15);
  MoveTo(s, x1 + 32, y1 + 53.5);
  LineTo(s, x1 + 28, y1 + 53.5);
  MoveTo(s, x1 + 30, y1 + 53);
  LineTo(s, x1 + 30, y1 + 15.5);
  MoveTo(s, x1 + 36, y1 + 15.5);
  LineTo(s, x1 + 24, y1 + 15.5);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", x1 + 30, y1 + 23);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, x1 - 34, y1 + 22, 35, 2, -10);
  } else {
    PutNamedBoxByKind(s, s.P2, 2, 2, "Momentp", "Momentm");
    PutLabel(s, "$M$", p.x(2) + 3, p.y(2) + 8);
  }
  DrawHatchRowV(s, -1, -15, -20, 30);
  s.BlockCentred = true;
  SetLineWidth(s, 4);
  DrawSegment(s, -18, -3, -15, -5);
  DrawSegment(s, -18, 0, -13, -4);
  Block(s, 0, 0, 70, 2, 0.4);
  Phi(s, 1, 0.4, 18, -7, -8);
  DrawTwoCirclesAtPoint(s, 1, 40, 2);
  PutLabel(s, "$1$", 37, 52);
  DrawSegment(s, 38, 53, 32, 50);
  PutLabel(s, "$2$", 35, 1);
  if (s.P2 == 1) {
    DrawSegment(s, 34, 2, 20, -4);
  } else {
    DrawSegment(s, 34, 2, 25, 9);
  }
}

void Scheme65(SharedState& s, const Points& p) {
  Pic(s, 123, 87, -30, -30);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(1) - 55, p.y(1) - 35, 100);
  DrawHatchRowH(s, 1, p.x(1) + 45, p.y(1) - 35, 70);
  Phi(s, 1, 0.3, 23, -7, -8);
  s.BlockCentred = false;
  const double length = s.P2 == 1 ? 96 : 96 - 24 * 1.07;
  Block(s, p.x(2) - 1.5, p.y(2) - 2.5, length, 3.5, 0.3217);
  DrawTwoCirclesAtPoint(s, 1, 70, 2);
  SetLineWidth(s, 4);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoCirclesAtPoint(s, 2, 25, 2);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 2, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 2, "Momentp");
  }
  PutLabel(s, "$M$", p.x(2), p.y(2) + 14);
  PutLabel(s, "$1$", 0, 42);
  DrawSegment(s, 4, 43, 15, 43);
  if (s.P3 == 1) {
    PutLabel(s, "$2$", p.x(2), p.y(2) - 11);
  } else {
    PutLabel(s, "$2$", p.x(1), p.y(1) - 11);
    DrawSegment(s, p.x(1) - 1, p.y(1) - 9, p.x(1) - 7, p.y(1) - 3);
  }
}

void Scheme66(SharedState& s, const Points& p) {
  Pic(s, 140, 87, -60, -12);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(2) - 31, p.y(2) - 12, 50);
  DrawHatchRowH(s, -1, p.x(2) + 20, p.y(1) - 39, 46);
  DrawTwoCircles(s, 40, 3, p.x(1) + 0.5, p.y(1));
  if (s.P4 == 1) {
    DrawTwoCirclesAtPoint(s, 2, 24, 3);
  } else {
    Block(s, p.x(2) - 12, p.y(2), 27, 24);
  }
  Phi(s, 1, 2.68, 14, -7, -8);
  SetLineWidth(s, 6);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) - 1.5 - 24 * (s.P4 - 1), p.y(2), 30, -30, 3);
  PutLabel(s, "$1$", p.x(2) + 15, p.y(2) + 5);
  PutLabel(s, "$A$", p.x(1) - 3, p.y(1) - 9);
  PutLabel(s, "$B$", p.x(2) - 7, p.y(2) + 2);
  DrawSegment(s, p.x(2) + 14, p.y(2) + 5, p.x(2) + 9 - 4 * s.P4, p.y(2) + 5);
  DrawNodeMarker(s, 2);
  if (s.P2 == 1) {
    PutBox(s, "weightc", p.x(1) + 20.5, p.y(1));
    PutLabel(s, "$2$", p.x(3) + 25, p.y(3) + 5);
    DrawSegment(s, p.x(3) + 24, p.y(3) + 5, p.x(3) + 16, p.y(3) + 7);
  } else {
    DrawCircleAtPoint(s, 3, 20);
    DrawSegment(s, p.x(3) + 10, p.y(3), p.x(3) + 10, p.y(1));
    DrawSegment(s, p.x(3) - 10, p.y(3), p.x(3) - 10, p.y(1) - 25);
    DrawHatchRowV(s, 1, p.x(3) - 12, p.y(1) - 25, 6);
    if (s.P3 == 1) {
      PutBoxAtPoint(s, 3, "umomentm");
    } else if (s.P3 == 2) {
      PutBoxAtPoint(s, 3, "umomentp");
    }
    PutLabel(s, "$M$", p.x(3) - 20, p.y(3) - 3);
    PutLabel(s, "$2$", p.x(3) + 15, p.y(3) - 5);
    DrawSegment(s, p.x(3) + 14, p.y(3) - 5, p.x(3) + 6, p.y(3) - 7);
  }
}

void Scheme67(SharedState& s, const Points& p) {
  Pic(s, 131, 87, -30, -12);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(3) - 10, p.y(3), 10);
  DrawHatchRowV(s, -1, p.x(3) + 90, p.y(3), 10);
  SetLineWidth(s, 6);
  MoveTo(s, p.x(3), p.y(3));
  LineTo(s, p.x(3) + 90, p.y(3) + 30);
  LineTo(s, p.x(3) + 90, p.y(3));
  SetLineWidth(s, 8);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 40, 3);
  PutLabel(s, "$2$", p.x(2) + 20, p.y(2) + 12);
  if (s.P2 == 1) {
    DrawTwoCirclesAtPoint(s, 2, 40, 3);
    DrawSegment(s, p.x(2) + 19, p.y(2) + 12, p.x(2) + 12, p.y(2) + 12);
  } else {
    DrawCircleAtPoint(s, 4, 20);
    if (s.P3 == 1) {
      PutBoxAtPoint(s, 4, "umomentm");
    } else if (s.P3 == 2) {
      PutBoxAtPoint(s, 4, "umomentp");
    }
    PutLabel(s, "$M_2$", p.x(4) - 21, p.y(4) - 4);
    PutLabel(s, "$C$", p.x(4) - 2, p.y(4) - 7);
    DrawSegment(s, p.x(2) + 24, p.y(2) + 12, p.x(2) + 26, p.y(2) + 9);
  }
  DrawSegment(s, p.x(1) + 22, p.y(1) + 18, p.x(1) + 14, p.y(1) + 14);
  PutLabel(s, "$1$", p.x(1) + 22, p.y(1) + 17);
  Phi(s, 1, 0.785, 11, 1, 1);
  DrawMomentAtPoint(s, 3, 0, "\\alpha", 0.321, 22, 1, 1);
  DrawSegment(s, p.x(3), p.y(3), p.x(3) + 28, p.y(3));
  DrawFilledCircle(s, p.x(1) + 14.1, p.y(1) + 14.1, 3);
  DrawDashedLineMultiput(s, 4, p.x(1) + 14.1, p.y(1) + 14.1, p.x(1), p.y(1));
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2), p.y(2), 30, -30, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) - 30, p.y(2), 29, 0, 3);
  }
  PutLabel(s, "$M_1$", p.x(1) - 32, p.y(1));
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "VMmomentp");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "VMmomentm");
  }
  PutLabel(s, "$A$", p.x(1) - 3, p.y(1) - 9);
  PutLabel(s, "$B$", p.x(2) - 7, p.y(2) + 3);
}

void Scheme68(SharedState& s, const Points& p) {
  Pic(s, 100, 90, -45, -23);
  const double x1 = p.x(1);
  const double y1 = p.y(1);
  SetLineWidth(s, 4);
  DrawSegment(s, p.x(2) - 16, y1, p.x(2) - 16, p.y(2));
  DrawSegment(s, p.x(2) + 16, y1, p.x(2) + 16, p.y(2));
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 40, 24);
  DrawTwoCirclesAtPoint(s, 2, 32, 2);
  const int side = 3 - 2 * s.P2;
  PutBox(s, "weightc", x1 + 20 * side, y1);
  PutHingeBoxAtPoint(s, 1);
  if (s.P3 == 1) {
    PutLabel(s, "$y$", p.x(2) + 30 * side + 4, p.y(2) - 10);
    DrawVector(s, 0, 1, p.x(2) + 30 * side, p.y(2) - 20, 20);
    DrawHatchRowV(s, -1, p.x(2) + 30 * side - 4, p.y(2) - 20, 8);
  } else {
    PutLabel(s, "$y$", x1 + 30 * side + 4, y1 - 40);
    DrawVector(s, 0, 1, x1 + 30 * side, y1 - 50, 20);
    DrawHatchRowV(s, -1, x1 + 30 * side - 4, y1 - 50, 8);
  }
  PutLabel(s, "$1$", p.x(2) + 5, p.y(2) + 3);
  PutLabel(s, "$2$", x1 + 20 * side, y1 - 27);
  PutLabel(s, "$M$", x1 - 29, y1);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "VMmomentp");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "VMmomentm");
  }
}

void Scheme69(SharedState& s, const Points& p) {
  Pic(s, 137, 87, -45, -40);
  SetLineWidth(s, 8);
  DrawBar(s, 2, 3);
  SetLineWidth(s, 1);
  DrawNodeMarker(s, 3);
  DrawNodeMarker(s, 2);
  DrawTwoCirclesAtPoint(s, 1, 60, 2);
  if (s.P2 == 1) {
    Phi(s, 1, 2.68, 14, 1, 1);
    DrawDashedLineMultiput(s, 4, p.x(1), p.y(1), p.x(2), p.y(2));
  } else {
    Phi(s, 3, 0.46, 14, -1, -9);
  }
  DrawHatchRowV(s, -1, p.x(3) - 1, p.y(1) - 37, 90);
  DrawHatchRowH(s, -1, p.x(3) - 1, p.y(1) - 37, 60);
  Block(s, p.x(1), p.y(1) - 33.4, 50, 7.1);
  PutLabel(s, "$2$", p.x(3) + 5, p.y(2));
  DrawSegment(s, p.x(3) + 9, p.y(2) + 2, p.x(3) + 15, p.y(2) - 5);
  PutLabel(s, "$1$", p.x(1) + 33, p.y(1) - 25);
  if (s.P3 == 1) {
    DrawSegment(s, p.x(1) + 33, p.y(1) - 25, p.x(1) + 23, p.y(1) - 15);
  } else {
    DrawSegment(s, p.x(1) + 33, p.y(1) - 25, p.x(1) + 23, p.y(1) - 30);
  }
  PutLabel(s, "$A$", p.x(2) - 9, p.y(2));
  PutLabel(s, "$B$", p.x(3) + 1, p.y(3) - 9);
  PutLabel(s, "$M$", p.x(1) + 9, p.y(1) - 12);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "MomentpLeftdplu");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "MomentpLeftdmin");
  }
  if (s.P5 <= 5) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(1) - 25, p.y(1) - 32, 20, -10, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) - 45, p.y(1) - 32, 19, 0, 3);
  }
}

void Scheme70(SharedState& s, const Points& p) {
  Pic(s, 138, 87, -40, -20);
  const double x1 = p.x(1);
  const double y3 = p.y(3);
  SetLineWidth(s, 4);
  DrawSegment(s, x1, y3 + 44, p.x(2), y3 + 44);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, s.P2, 50, 38);
  DrawCircleAtPoint(s, 3 - s.P2, 44);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  DrawSegment(s, p.x(2) + 1, p.y(2) - 1, p.x(2) + 34.5, p.y(2) - 10);
  DrawSegment(s, p.x(2) + 1, p.y(2) + 1, p.x(2) + 34.5, p.y(2) + 10);
  DrawHatchRowV(s, -1, x1 - 30, y3 - 14, 125);
  DrawHatchRowH(s, 1, x1 + 95, y3 - 14, 65);
  Block(s, x1 + 30, y3 - 7, 95, 13.5);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 2, "vmoment");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 2, "vmomentp");
  }
  PutLabel(s, "$M$", p.x(2) - 16, p.y(2) - 4);
  if (s.P4 == 1) {
    DrawHatchRowH(s, -1, x1 - 30, -3, 5);
    DrawVector(s, 1, 0, x1 - 30, 0, 12);
    PutLabel(s, "$x$", x1 - 26, 2);
  } else if (s.P4 == 2) {
    DrawHatchRowH(s, -1, x1 - 30, p.y(1) - 12, 5);
    DrawSegment(s, x1, p.y(1) - 6, x1, p.y(1) - 12);
    DrawVector(s, 1, 0, x1 - 30, p.y(1) - 10, 30);
    PutLabel(s, "$x$", x1 - 10, p.y(1) - 9);
  }
  PutLabel(s, "$1$", x1 - 16, p.y(1) + 4);
  PutLabel(s, "$2$", p.x(2) + 28, p.y(2) - 28);
  if (s.P3 == 1) {
    DrawSegment(s, p.x(2) + 26, p.y(2) - 27, p.x(2) + 17, p.y(2) - 27);
  } else if (s.P3 == 2) {
    DrawSegment(s, p.x(2) + 27, p.y(2) - 27, p.x(2) + 15, p.y(2) - 11);
  }
  if (s.P5 <= 5) {
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 1, 0, kForce, x1 + 30, -5, 22, -10, -8);
    } else {
      DrawRedForceWithLabel(s, -1, 0, kForce, x1 + 52, -5, 21, 5, -8);
    }
  } else if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, x1 + 33, p.y(1), 32, -5, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x1, p.y(1), 19, 4, 3);
  }
}

void Scheme71(SharedState& s, const Points& p) {
  Pic(s, 131, 87, -40, -40);
  SetLineWidth(s, 4);
  Block(s, p.x(1) + 56, p.y(1), 40, 63.5);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 64, 2);
  DrawTwoCirclesAtPoint(s, 2, 16, 12);
  DrawNodeMarker(s, 2);
  DrawHatchRowV(s, -1, p.x(1) - 30, p.y(1) - 32, 120);
  Phi(s, 1, 0.46, 15, 1, 1);
  DrawDashedLineMultiput(s, 5, p.x(1), p.y(1), p.x(2), p.y(2));
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 2, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 2, "Momentp");
  }
  PutLabel(s, "$M$", p.x(2) - 18, p.y(2) + 4);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(1) + 69, p.y(1), 19, -5, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) + 50, p.y(1), 19, 4, 3);
  }
  PutLabel(s, "$1$", p.x(1) - 16, p.y(1) - 14);
  PutLabel(s, "$2$", p.x(2), p.y(2) + 14);
  if (s.P3 == 1) {
    DrawSegment(s, p.x(2) + 2, p.y(2) + 13, p.x(2) + 9, p.y(2) + 13);
  } else {
    DrawSegment(s, p.x(2) + 2, p.y(2) + 13, p.x(2) + 4, p.y(2) + 7);
  }
}

void Scheme72(SharedState& s, const Points& p) {
  Pic(s, 104, 87, -60, -50);
  const double x1 = p.x(1);
  const double y1 = p.y(1);
  SetLineWidth(s, 10);
  DrawSegment(s, x1 - 34, y1 - 39, x1 - 34, y1 - 14);
  DrawSegment(s, x1 - 34, y1 + 14, x1 - 34, y1 + 24);
  SetLineWidth(s, 4);
  Block(s, x1, y1 - 33, 45, 6);
  Block(s, x1 - 34, y1, 8, 28);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 60, 2);
  DrawNodeMarker(s, 2);
  PutBox(s, "hosnv", x1 - 40, y1 - 36);
  Phi(s, 1, kPi / 4, 15, 1, 1);
  DrawDashedLineMultiput(s, 5, x1, y1, p.x(2), p.y(2));
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "Momentp");
  }
  PutLabel(s, "$M$", x1 - 18, y1 + 4);
  if (s.P6 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, x1 + 42, y1 - 31, 19, -5, 3);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x1 + 23, y1 - 31, 19, 4, 3);
  }
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", x1 - 34, y1 - 5, 12, -15, 3);
  } else {
    DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", x1 - 34, y1 + 7, 12, -15, -7);
  }
  PutLabel(s, "$1$", p.x(2) + 6, p.y(2) - 1);
  DrawSegment(s, p.x(2) + 5, p.y(2), p.x(2) + 1, p.y(2) - 1);
  PutLabel(s, "$2$", x1 - 28, y1 - 27);
  if (s.P3 == 1) {
    DrawSegment(s, x1 - 25, y1 - 26, x1 - 21, y1 - 33);
  } else {
    DrawSegment(s, x1 - 28, y1 - 25, x1 - 32, y1 - 14);
  }
  DrawFilledCircle(s, p.x(2), p.y(2), 3);
}

void Scheme73(SharedState& s, const Points& p) {
  Pic(s, 126, 87, -80, -40);
  const double x1 = p.x(1), y1 = p.y(1), x2 = p.x(2), y2 = p.y(2);
  SetLineWidth(s, 10);
  DrawSegment(s, x2, y2 - 54, x2, y2 - 14);
  DrawSegment(s, x2, y2 + 14, x2, y2 + 24);
  SetLineWidth(s, 7);
  DrawBar(s, 1, 2);
  Block(s, x2, y2, 8, 28);
  Block(s, x1 - 20, y1 + 20.5, 70, 1);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 60, 40);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 2);
  PutBox(s, "hnpr", x1 - 39, y1 + 20.5);
  PutBox(s, "hnpr", x1 - 53, y1 + 20.5);
  PutBox(s, "hosnv", x1 - 25, y1 - 30);
  Phi(s, 1, 0.46, 17, -4, -8);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "Momentp");
  }
  PutLabel(s, "$M$", x1 - 18, y1 + 4);
  PutLabel(s, "$A$", x1 - 8, y1 - 8);
  PutLabel(s, "$B$", x2 - 3, y2 + 3);
  if (s.P5 <= 5) {
    DrawRedForceWithLabel(s, -1, 0, kForce, x1 - 55, y1 + 20.5, 20, -15, 4);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x1 - 75, y1 + 20.5, 20, 4, 3);
  }
  PutLabel(s, "$1$", x2 - 16, y2 + 5);
  PutLabel(s, "$2$", x1 - 28, y1 + 27);
  if (s.P2 == 1) {
    DrawSegment(s, x2 - 13, y2 + 7, x2 - 3, y2 + 7);
  } else if (s.P2 == 2) {
    DrawSegment(s, x2 - 13, y2 + 3, x2 - 9, y2 - 4);
  }
  if (s.P3 == 1) {
    DrawSegment(s, x1 - 23, y1 + 28, x1 - 14, y1 + 28);
  } else if (s.P3 == 2) {
    DrawSegment(s, x1 - 26, y1 + 27, x1 - 28, y1 + 20);
  }
}

void Scheme74(SharedState& s, const Points& p) {
  Pic(s, 142, 88, -51, -21);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 3);
  DrawArcPolyline(s, 0, p.x(2), p.y(2), 3.14, 6.28, 60);
  SetLineWidth(s, 7);
  DrawTwoCirclesAtPoint(s, 1, 30, 3);
  DrawTwoCirclesAtPoint(s, 3, 30, 3);
  DrawFilledCircle(s, p.x(2), p.y(2), 1);
  Phi(s, 1, 0.3, 21, 0, -8);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "Momentp");
  }
  PutLabel(s, "$M$", p.x(1) - 22, p.y(1) + 6);
  PutLabel(s, "$A$", p.x(1) - 8, p.y(1) - 8);
  PutLabel(s, "$B$", p.x(3) + 3, p.y(3) + 3);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3), p.y(3), 26, -24, 4);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(3) - 27, p.y(3), 26, 4, 3);
  }
  DrawHatchRowV(s, -1, 80, 40, 10);
  DrawHatchRowV(s, -1, -50, 40, 10);
  PutLabel(s, "$1$", 17, 16);
  DrawSegment(s, 20, 15, 22, 7);
  DrawVector(s, -2, -1, p.x(2), p.y(2), 54);
  PutLabel(s, "$R$", p.x(1) - 24, 23);
  DrawDashedLineMultiput(s, 20, p.x(2) - 60, p.y(2), p.x(2) + 60, p.y(2));
  if (s.P3 == 1) {
    PutLabel(s, "$2$", 47, -3);
    DrawSegment(s, 51, 0, 55, 9);
  } else if (s.P3 == 2) {
    PutLabel(s, "$2$", 15, -17);
    DrawSegment(s, 15, -17, 10, -10);
  }
}

void Scheme75(SharedState& s, const Points& p) {
  Pic(s, 101, 91, -50, -35);
  Block(s, p.x(2), p.y(2), 10, 20);
  DrawNodeMarker(s, 2);
  DrawArcPolyline(s, 0, 20, -30, 2.7, 3.14, 15);
  PutLabel(s, "$\\alpha$", -2, -28);
  SetLineWidth(s, 10);
  MoveTo(s, 40, -32);
  LineTo(s, 40, 30);
  MoveTo(s, 40, 50);
  LineTo(s, 40, 55);
  DrawBar(s, 1, 2);
  MoveTo(s, -20, -30);
  LineTo(s, -20, -8);
  LineTo(s, 20, -30);
  SetLineWidth(s, 7);
  DrawTwoCirclesAtPoint(s, 1, 34, 3);
  Phi(s, 1, 0.7, 10, -5, -9);
  DrawStrokesAcrossRay(s, 1, 13, kPi / 4);
  if (s.P4 == 1) {
    PutBoxAtPoint(s, 1, "Momentm");
  } else if (s.P4 == 2) {
    PutBoxAtPoint(s, 1, "Momentp");
  }
  PutLabel(s, "$M$", p.x(1) - 23, p.y(1) + 8);
  if (s.P5 <= 5) {
    DrawRedForceWithLabel(s, -1, 0, kForce, -20, -20, 26, -24, 4);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, -40, -20, 20, 4, 3);
  }
  DrawHatchRowV(s, -1, -30, -30, 80);
  PutLabel(s, "$1$", -29, -3);
  PutLabel(s, "$2$", 22, 35);
  if (s.P2 == 1) {
    DrawSegment(s, 27, 38, 36, 39);
  } else if (s.P2 == 2) {
    DrawSegment(s, 27, 35, 28, 28);
  }
  if (s.P3 == 1) {
    DrawSegment(s, -24, 0, -17, 0);
  } else if (s.P3 == 2) {
    DrawSegment(s, -26, -3, -20, -9);
  }
}

void Scheme76(SharedState& s, const Points& p) {
  Pic(s, 113, 91, -20, -4);
  SetLineWidth(s, 10);
  DrawTwoCirclesAtPoint(s, 2, 76, 3);
  DrawTwoCirclesAtPoint(s, 1, 24, 3);
  DrawTwoCirclesAtPoint(s, 3, 24, 3);
  if (s.P5 <= 4) {
    PutBoxAtPoint(s, 1, "MomLeftsm");
  } else if (s.P5 <= 7) {
    PutBoxAtPoint(s, 3, "vmomenp");
  } else {
    PutBoxAtPoint(s, 3, "vmomen");
  }
  if (s.P5 >= 5) PutLabel(s, "$M$", p.x(3) - 9, p.y(3) - 20);
  if (s.P4 == 1) {
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2), p.y(2), 26, -24, 4);
    } else {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2), p.y(2), 20, 4, 3);
    }
    SetLineWidth(s, 1);
    Phi(s, 1, 1.87, 16, 5, -20);
  } else {
    if (s.P3 == 1) {
      DrawRedForceWithLabel(s, -1, 0, kForce, p.x(1) + 26, p.y(1), 26, 0, 4);
    } else {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.x(1) + 1.5, p.y(1), 20, 20, 3);
    }
    SetLineWidth(s, 1);
    Phi(s, 2, 3.5, 16, 5, 0);
  }
  PutLabel(s, "$A$", p.x(3) + 3, p.y(3) - 5);
  PutLabel(s, "$B$", p.x(1) - 9, p.y(1));
  PutLabel(s, "$O$", p.x(2) - 6, p.y(2) - 9);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 20, p.x(2), p.y(2), p.x(3), p.y(3));
  DrawDashedLineMultiput(s, 20, p.x(2), p.y(2), p.x(1), p.y(1));
  DrawHatchRowV(s, -1, -0.5, -0.2, 80);
  DrawHatchRowH(s, -1, -0.5, -0.2, 80);
  PutLabel(s, "$1$", p.x(1) - 24, p.y(1) - 9);
  DrawSegment(s, p.x(1) - 20, p.y(1) - 6, p.x(1) - 10, p.y(1) - 6);
  PutLabel(s, "$2$", p.x(3) - 8, p.y(3) + 20);
  if (s.P2 == 1) {
    DrawSegment(s, p.x(3) - 3, p.y(3) + 21, p.x(3), p.y(3));
  } else if (s.P2 == 2) {
    DrawSegment(s, p.x(3) - 7, p.y(3) + 20, p.x(3) - 5, p.y(3) + 8);
  }
}

void Scheme77(SharedState& s, const Points& p) {
  Pic(s, 139, 87, -20, -20);
  Block(s, p.x(4), p.y(4), 24, 12);
  SetLineWidth(s, 4);
  toolkit::WriteText(s, "\\Blue{");
  DrawSegment(s, -5, -7, -1, -1);
  DrawSegment(s, 5, -7, 1, -1);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 3, 4);
  DrawNodeMarker(s, 1);
  DrawNodeMarker(s, 4);
  DrawTwoCirclesAtPoint(s, 2, 40, 3);
  DrawTwoCirclesAtPoint(s, 3, 40, 3);
  DrawStrokesAcrossRay(s, 3, 16, -kPi / 4);
  DrawStrokesAcrossRay(s, 2, 16, 5 * kPi / 4);
  if (s.P5 <= 2) {
    PutBoxAtPoint(s, 2, "bMomentpLeftm");
  } else if (s.P5 <= 4) {
    PutBoxAtPoint(s, 2, "bMomentpLeftp");
  } else if (s.P5 <= 6) {
    PutBoxAtPoint(s, 3, "vmoment");
  } else {
    PutBoxAtPoint(s, 3, "vmomentp");
  }
  if (s.P5 <= 4) {
    PutLabel(s, "$M$", p.x(2) + 5, p.y(2) + 10);
  } else {
    PutLabel(s, "$M$", p.x(3) - 9, p.y(3) + 10);
  }
  if (s.P6 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(4) - 12, p.y(4), 26, -36, -4);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, p.x(4) - 33, p.y(4), 20, -12, -4);
  }
  SetLineWidth(s, 1);
  if (s.P4 == 1) {
    Phi(s, 1, 0.7, 16, 5, -2);
  } else if (s.P4 == 2) {
    Phi(s, 4, 2.3, 14, 5, -2);
  }
  PutLabel(s, "$B$", p.x(3) + 3, p.y(3));
  PutLabel(s, "$O$", p.x(1) - 9, p.y(1));
  PutLabel(s, "$A$", p.x(2) - 9, p.y(2));
  PutLabel(s, "$C$", p.x(4) - 11, p.y(4) - 3);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -10, -7, 125);
  PutLabel(s, "$1$", 0, 12);
  PutLabel(s, "$2$", p.x(4) - 8, 20);
  if (s.P2 == 1) {
    DrawSegment(s, 4, 14, 13, 24);
  } else if (s.P2 == 2) {
    DrawSegment(s, 3, 11, 5, 5);
  }
  if (s.P3 == 1) {
    DrawSegment(s, p.x(4) - 8, 22, p.x(4) - 13, 22);
  } else if (s.P3 == 2) {
    DrawSegment(s, p.x(4) - 8, 22, p.x(4) - 13, 13);
  }
}

void Scheme78(SharedState& s, const Points& p) {
  Pic(s, 137, 90, -40, -40);
  s.BlockCentred = true;
  DrawNodeMarker(s, 2);
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, -1, 0, kForce, p.x(3) + 20, p.y(3), 20, -6, 2);
  } else {
    DrawRedForceWithLabel(s, 0, -1, kForce, p.x(3), p.y(3) + 20, 20, 2, 2);
  }
  if (s.P5 <= 5) {
    DrawRedForceWithLabel(s, 0, -1, "$\\vec P$", p.x(1) - 16, p.y(1) - 15, 20, 3, -12);
  } else {
    DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", p.x(1) - 16, p.y(1) - 33, 18, 3, 3);
  }
  SetLineWidth(s, 1);
  Phi(s, 2, 0.25, 31, -5, -9);
  PutLabel(s, "$1$", 50, 20);
  DrawSegment(s, 53, 20, 55, 15);
  PutLabel(s, "$2$", 0, 20);
  if (s.P3 == 1) {
    DrawSegment(s, 4, 20, 21, 12);
  } else if (s.P3 == 2) {
    DrawSegment(s, 0, 20, -14, 11);
  }
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, p.x(2) - 10, p.y(2) - 12, 60);
  DrawHatchRowH(s, 1, p.x(2) - 10, p.y(2) - 45.3, 33);
  DrawHatchRowV(s, -1, p.x(2) - 52, p.y(2) - 45, 42);
  DrawHatchRowH(s, -1, p.x(2) - 52, p.y(2) - 45, 70);
  SetLineWidth(s, 5);
  DrawFilledCircle(s, p.x(1), p.y(1), 1);
  DrawVector(s, -1, 2, p.x(1), p.y(1), 5.1);
  PutLabel(s, "$r$", 0, 7);
  PutLabel(s, "$A$", p.x(1), p.y(1) - 8);
  PutLabel(s, "$B$", p.x(2), p.y(2) - 8);
  PutLabel(s, "$C$", p.x(3) + 2, p.y(3) - 8);
  s.BlockColour = "\\Blue";
  Block(s, p.x(2) - 48, p.y(1), 6, 30);
  if (s.P2 == 1) {
    Block(s, p.x(2), p.y(2), 30, 23);
  } else {
    DrawCircleAtPoint(s, 2, 24);
  }
  SetLineWidth(s, 10);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawArcPolyline(s, 0, p.x(1), p.y(1), 1.871, 4.96, 12);
  DrawArcPolyline(s, 0, p.x(1) + 2, p.y(1) + 0.5, 2.38, 4.4, 13);
  toolkit::WriteText(s, "}");
  s.BlockColour = "\\OliveGreen";
  Block(s, p.x(2), p.y(2), 90, 3, 0.245);
}

void Scheme79(SharedState& s) {
  s.PointX[3] = -34.64;
  s.PointY[3] = 20;
  s.PointX[4] = -46.764;
  s.PointY[4] = 27;
  s.PointY[2] = 38;
  const Points p{s};
  Pic(s, 125, 115, -70, -60);
  SetLineWidth(s, 9);
  toolkit::WriteText(s, "\\Blue{");
  DrawCircleAtPoint(s, 2, 32);
  DrawTwoCirclesAtPoint(s, 3, 36, 28);
  toolkit::WriteText(s, "}\\Magenta{");
  DrawCircleAtPoint(s, 1, 108);
  toolkit::WriteText(s, "}");
  DrawCircleAtPoint(s, 1, 44);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 10, 0, 0, p.x(4), p.y(4));
  DrawNodeMarker(s, 3);
  Phi(s, 1, 5 * kPi / 6, 11, 1, 1);
  PutBoxAtPoint(s, 2, s.P5 <= 5 ? "Momentp" : "Momentm");
  const bool b_positive = s.P5 == 1 || s.P5 == 2 || s.P5 == 6 || s.P5 == 7;
  PutBoxAtPoint(s, 3, b_positive ? "Momentp" : "Momentm");
  DrawVector(s, -1, -1, 0, 0, 16);
  PutLabel(s, "$R_C$", -22, -23);
  DrawVector(s, 1, -3, 0, 0, 17);
  PutLabel(s, "$R_D$", 13, -40);
  PutLabel(s, "$A$", p.x(2) - 11, p.y(2) - 10);
  PutLabel(s, "$B$", p.x(3) + 2, p.y(3) + 2);
  PutLabel(s, "$C$", -19, -5);
  PutLabel(s, "$D$", 44, 0);
  PutLabel(s, "$M_1$", p.x(2) + 2, p.y(2) + 3);
  PutLabel(s, "$M_2$", p.x(3) - 11, p.y(3) - 8);
  PutLabel(s, "$1$", p.x(3) - 14, p.y(3) + 24);
  if (s.P3 == 1) {
    DrawSegment(s, p.x(3) - 11, p.y(3) + 24, p.x(3) - 11, p.y(3) + 14);
  } else if (s.P3 == 2) {
    DrawSegment(s, p.x(3) - 11, p.y(3) + 24, p.x(3), p.y(3) + 21);
  }
  PutLabel(s, "$2$", 20, p.y(3));
  if (s.P2 == 1) {
    DrawSegment(s, 20, p.y(3), 9, p.y(3) + 7);
  } else if (s.P2 == 2) {
    DrawSegment(s, 20, p.y(3), 12, p.y(3) - 4);
  }
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
}

void Scheme80(SharedState& s, const Points& p) {
  Pic(s, 124, 87, -20, -30);
  const double floor_y = p.y(3) - 23.2;
  SetLineWidth(s, 9);
  DrawSegment(s, p.x(3) - 74, floor_y, p.x(3) - 74, p.y(1) - 5);
  DrawTwoBars(s, 1, 2, 3);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoCirclesAtPoint(s, 2, 45, 3);
  DrawTwoCirclesAtPoint(s, 3, 45, 3);
  toolkit::WriteText(s, "}\\spe");
  if (s.P4 == 1) {
    Phi(s, 1, kPi / 7, 15, 1, -8);
  } else if (s.P4 == 2) {
    Phi(s, 3, 5 * kPi / 6, 14, 1, -8);
  }
  PutBoxAtPoint(s, 2, s.P5 <= 5 ? "Umomentp" : "Umomentm");
  PutLabel(s, "$A$", p.x(1) - 6, p.y(1) + 3);
  PutLabel(s, "$B$", p.x(2) - 2, p.y(2) - 8);
  PutLabel(s, "$C$", p.x(3) - 2, p.y(3) - 9);
  PutLabel(s, "$M$", p.x(2) - 20, p.y(2) + 3);
  PutLabel(s, "$1$", 6, 13);
  if (s.P3 == 1) {
    DrawSegment(s, 10, 15, 18, 21);
  } else if (s.P3 == 2) {
    DrawSegment(s, 10, 15, 18, 9);
  }
  PutLabel(s, "$2$", 65, 32);
  if (s.P2 == 1) {
    DrawSegment(s, 69, 32, 79, 21);
  } else if (s.P2 == 2) {
    DrawSegment(s, 65, 32, 55, 13);
  }
  PutHingeBoxAtPoint(s, 1);
  DrawHatchRowV(s, -1, p.x(3) - 74, floor_y, 85);
  DrawSegment(s, -9, 0, -9, floor_y);
  DrawSegment(s, -10, 0, -8, 0);
  DrawSegment(s, -10, floor_y, -8, floor_y);
  PutLabel(s, "$R$", -17, -12);
}

void Scheme81(SharedState& s) {
  s.PointX[1] = -10;
  s.PointX[2] = 40;
  s.PointY[2] = 25;
  const Points p{s};
  Pic(s, 129, 92, -20, -46);
  SetLineWidth(s, 9);
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawSegment(s, 53, 0, 85, 0);
  DrawSegment(s, 85, -2, 85, 2);
  toolkit::WriteText(s, "}");
  DrawRotatedBlock(s, 9, 42, 0, 0, 22, 90);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoCirclesAtPoint(s, 2, 18, 3);
  toolkit::WriteText(s, "}");
  s.BlockColour = "\\Blue";
  Block(s, 51, 21, 4, 20);
  s.BlockColour = "\\OliveGreen";
  SetLineWidth(s, 1);
  DrawHatchRowsV(s, 60, 0, 18);
  Phi(s, 1, kPi / 7, 15, 1, -8);
  if (s.P2 == 2) {
    if (s.P4 == 1) {
      DrawRedForceWithLabel(s, 1, 0, kForce, 85.5, 0, 20, 4, 4);
    } else if (s.P4 == 2) {
      DrawRedForceWithLabel(s, -1, 0, kForce, 105.5, 0, 20, -4, 3);
    }
  } else if (s.P2 == 1) {
    if (s.P4 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, 50, 11, 20, -10, -28);
    } else if (s.P4 == 2) {
      DrawRedForceWithLabel(s, 0, 1, kForce, 50, -9, 20, -10, -6);
    }
  }
  PutBoxAtPoint(s, 2, s.P5 <= 5 ? "rmomentp" : "rmomentm");
  PutLabel(s, "$A$", p.x(1) - 6, p.y(1) + 3);
  PutLabel(s, "$M$", p.x(2) - 3, p.y(2) + 11);
  PutLabel(s, "$1$", 12, 21);
  if (s.P3 == 1) {
    DrawSegment(s, 16, 24, 31, 35);
  } else if (s.P3 == 2) {
    DrawSegment(s, 16, 21, 18, 14);
  }
  PutLabel(s, "$2$", 40, 1);
  if (s.P2 == 1) {
    DrawSegment(s, 40, 7, 39, 16);
  } else if (s.P2 == 2) {
    DrawSegment(s, 43, 7, 50, 11);
  }
  PutHingeBoxAtPoint(s, 1);
}

// The loads of schemes 82 and 83: an arc about point c continued as one path.
void Scheme82(SharedState& s) {
  s.PointY[4] = -40;
  s.PointX[2] = 60;
  s.PointY[2] = 30;
  const Points p{s};
  const double rho = 52.5;
  Pic(s, 131, 87, -20, -44);
  DrawNodeMarker(s, 2);
  SetLineWidth(s, 9);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawArcPolyline(s, 0, p.x(2), p.y(2), kPi, 3 * kPi / 2, rho);
  LineTo(s, 90, p.y(2) - rho);
  LineTo(s, 90, p.y(2) + 1.5);
  LineTo(s, p.x(2) - rho, p.y(2) + 1.5);
  LineTo(s, p.x(2) - rho, p.y(2));
  toolkit::WriteText(s, "}");
  DrawBar(s, 1, 2);
  SetLineWidth(s, 12);
  DrawBar(s, 1, 4);
  DrawTwoCirclesAtPoint(s, 1, 28, 3);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 7, 21, 1, 0);
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 90, 0, 20, 4, 4);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 110, 0, 20, -8, 3);
  }
  PutBoxAtPoint(s, 1, s.P5 <= 5 ? "VMmomentm" : "VMmomentp");
  PutLabel(s, "$A$", p.x(1) - 6, p.y(1) + 3);
  PutLabel(s, "$B$", p.x(2) - 2, p.y(2) + 3);
  PutLabel(s, "$M$", -12, 19);
  PutLabel(s, "$1$", 31, 33);
  if (s.P3 == 1) {
    DrawSegment(s, 36, 35, 43, 31);
  } else if (s.P3 == 2) {
    DrawSegment(s, 36, 35, 45, 22);
  }
  PutLabel(s, "$2$", -15, -24);
  if (s.P2 == 1) {
    DrawSegment(s, -10, -21, -5, -12);
  } else if (s.P2 == 2) {
    DrawSegment(s, -10, -21, 0, -21);
  }
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", 0, -34.5);
  DrawHatchRowV(s, -1, 2, -23.5, 92);
  DrawVector(s, -1, -4, p.x(2) - 0.5, p.y(2) - 1, 12.5);
  PutLabel(s, "$R$", 42, -5);
}

void Scheme83(SharedState& s) {
  s.PointX[2] = 34;
  s.PointY[2] = 17;
  s.PointY[4] = -20;
  s.PointX[4] = s.PointX[2];
  const Points p{s};
  const double rho = 52.5;
  Pic(s, 135, 87, -31, -20);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 9);
  toolkit::WriteText(s, "\\OliveGreen{");
  DrawArcPolyline(s, 0, p.x(1), p.y(1), 0, kPi / 2, rho);
  LineTo(s, -1, 0);
  LineTo(s, -1, 0);
  LineTo(s, -20, 0);
  LineTo(s, -20, rho + 10);
  LineTo(s, rho + 30, rho + 10);
  LineTo(s, rho + 30, 0);
  LineTo(s, rho, 0);
  toolkit::WriteText(s, "}");
  DrawBar(s, 1, 2);
  SetLineWidth(s, 12);
  DrawBar(s, 2, 4);
  DrawTwoCirclesAtPoint(s, 2, 28, 3);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 7, 14, -9, 5);
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, rho + 30, 30, 20, 4, 4);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, rho + 50, 30, 20, -8, 3);
  }
  PutBoxAtPoint(s, 2, s.P5 <= 5 ? "VMmomentm" : "VMmomentp");
  PutLabel(s, "$A$", p.x(1) - 7, p.y(1) + 4);
  PutLabel(s, "$B$", p.x(2) - 2, p.y(2) + 3);
  PutLabel(s, "$M$", p.x(2) - 22, p.y(2) + 10);
  SetLineWidth(s, 1);
  PutLabel(s, "$1$", 62, -14);
  if (s.P3 == 1) {
    DrawSegment(s, 61, -12, 58, 1);
  } else if (s.P3 == 2) {
    DrawSegment(s, 61, -12, 34, -17);
  }
  PutLabel(s, "$2$", 19, 2);
  if (s.P2 == 1) {
    DrawSegment(s, 23, 4, 28, 5);
  } else if (s.P2 == 2) {
    DrawSegment(s, 18, 5, 16, 8);
  }
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", p.x(2), -12);
  DrawHatchRowV(s, -1, p.x(2) + 1.8, -1, 65);
  DrawHatchRowV(s, -1, -29.1, -1, 61);
  DrawVector(s, 1, 4, p.x(1) + 0.5, p.y(1) + 0.5, 12.5);
  PutLabel(s, "$R$", 1.2, 32);
}

void Scheme84(SharedState& s) {
  s.PointX[1] = 59;
  s.PointY[1] = 22;
  const Points p{s};
  Pic(s, 123, 89, -29, -12);
  SetLineWidth(s, 9);
  toolkit::WriteText(s, "\\OliveGreen{");
  MoveTo(s, 0, 0);
  LineTo(s, 0, 30);
  LineTo(s, 25, 30);
  LineTo(s, 65, 0);
  MoveTo(s, 90, 5);
  LineTo(s, 60, 45);
  LineTo(s, 60, 65);
  LineTo(s, 90, 65);
  LineTo(s, 90, 5);
  toolkit::WriteText(s, "}");
  DrawTwoCirclesAtPoint(s, 1, 28, 2);
  SetLineWidth(s, 1);
  DrawLabelledArcArrow(s, 0, "\\alpha", -2, 65, 0, 2.5, kPi, 12, 0);
  DrawLabelledArcArrow(s, 0, "\\beta", 0, 90, 5, kPi / 2, 2.2, 12, 0);
  if (s.P4 == 2) {
    Phi(s, 1, kPi / 3, 12, -5, -11);
    DrawSegment(s, p.x(1), p.y(1), p.x(1) + 6.7, p.y(1) + 12);
  } else {
    DrawHatchRowH(s, -1, -20, -11, 6);
    PutLabel(s, "$x$", -12, -7.5);
    DrawVector(s, 1, 0, -20, -9, 20);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, -20, 10, 20, 4, 4);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 0, 10, 20, -8, 3);
  }
  PutBoxAtPoint(s, 1, s.P5 <= 5 ? "VMmomentm" : "VMmomentp");
  PutLabel(s, "$A$", 7, 4);
  PutLabel(s, "$B$", 77, 55);
  PutLabel(s, "$M$", p.x(1) - 22, p.y(1) + 10);
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    DrawSegment(s, 3, 36, 8, 30);
    PutLabel(s, "$1$", 0, 34);
  } else if (s.P3 == 2) {
    DrawSegment(s, 68, 6, 62, 11);
    PutLabel(s, "$1$", 70, 4);
  }
  PutLabel(s, "$2$", 51, 62);
  DrawSegment(s, 55, 63, 61, 63);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -5, 0, 95);
  DrawHatchRowH(s, 1, 90.5, 0, 67);
}

void Scheme85(SharedState& s) {
  s.PointX[1] = 59;
  s.PointY[1] = 48;
  const Points p{s};
  Pic(s, 134, 87, -13, -10);
  SetLineWidth(s, 9);
  Block(s, 24.5, 45.7, 40, 30);
  Block(s, 86, 27.2, 40, 30, -kPi / 6);
  DrawTwoCirclesAtPoint(s, 1, 28, 2);
  SetLineWidth(s, 1);
  DrawLabelledArcArrow(s, 0, "\\alpha", -2, 98, 0.785398, 2.5, kPi, 12, 0);
  DrawSegment(s, 100, 1, 80, 1);
  Phi(s, 1, kPi / 3, 10, -5, -11);
  DrawSegment(s, p.x(1), p.y(1), p.x(1) + 6.7, p.y(1) + 12);
  DrawFilledCircle(s, p.x(1) + 6.7, p.y(1) + 12, 2);
  DrawRedForceWithLabel(s, 1, 0, "$\\vec F_1$", -11, 40, 15, -1, 4);
  DrawRedForceWithLabel(s, -1, 0, "$\\vec F_2$", 116, 14, 15, -5, 2);
  PutBoxAtPoint(s, 1, s.P5 <= 5 ? "vmomen" : "vmomenp");
  PutLabel(s, "$A$", 7, 34);
  PutLabel(s, "$B$", 77, 34);
  PutLabel(s, "$M$", p.x(1) - 12, p.y(1) + 2);
  SetLineWidth(s, 1);
  if (s.P3 == 1) {
    DrawSegment(s, 15, 65, 20, 60);
    PutLabel(s, "$2$", 11, 63);
  } else if (s.P3 == 2) {
    DrawSegment(s, 110, 35, 102, 30);
    PutLabel(s, "$2$", 110, 34);
  }
  PutLabel(s, "$1$", 72, 64);
  DrawSegment(s, 72, 64, 65, 60);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, 0, 30, 50);
  SetLineWidth(s, 12);
  DrawSegment(s, 50, 30, 100, 1.2);
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void Blue(SharedState& s) { toolkit::WriteText(s, "\\Blue{"); }
void Close(SharedState& s) { toolkit::WriteText(s, "}"); }

void Scheme86(SharedState& s) {
  s.PointX[2] = 86;
  SetPoint(s, 3, 40, 24);
  SetPoint(s, 1, -3, 30);
  const Points p{s};
  Pic(s, 125, 95, -22, -26);
  PutHingeBoxAtPoint(s, 2);
  Block(s, p.x(3), p.y(3), 60, 60, kPi / 5);
  DrawSegment(s, 86, -23, 86, -25);
  if (s.P2 == 1) {
    DrawCircleAtPoint(s, 4, 32);
    PutHingeBoxAtPoint(s, 4);
    PutLabel(s, "$1$", -8, 22);
    DrawSegment(s, -5, 21, -3, 15);
    DrawSegment(s, 0, -24, 86, -24);
    DrawSegment(s, 0, -23, 0, -25);
    PutLabel(s, "$b$", 41, -21);
  } else if (s.P2 == 2) {
    DrawHatchRowV(s, -1, p.x(4) - 11, p.y(4), 30);
    DrawHatchRowH(s, -1, p.x(4) + 20, p.y(4) - 15, 14);
    DrawSegment(s, p.x(4) + 19, -24, 86, -24);
    DrawSegment(s, p.x(4) + 19, -23, p.x(4) + 19, -25);
    PutLabel(s, "$b$", 52, -21);
    DrawDashedLineMultiput(s, 7, p.x(4) + 19, 0, 84, 0);
    DrawFilledCircle(s, 33.5, -17.3, 3);
    PutLabel(s, "$1$", 40, -20);
    DrawSegment(s, 39.5, -18, 33, -17);
  }
  DrawCircleAtPoint(s, 2, 32);
  SetLineWidth(s, 1);
  Phi(s, 1, 0.581776, 15, 2, 2);
  PutBoxAtPoint(s, 3, s.P5 <= 5 ? "VMmomentm" : "VMmomentp");
  PutLabel(s, "$M$", 32, 22);
  PutLabel(s, "$2$", 85, 22);
  DrawSegment(s, 87, 21, 89, 15);
}

void Scheme87(SharedState& s) {
  const int p6 = s.P6;
  SetPoint(s, 1, 60 * p6 - 40, 0);
  SetPoint(s, 2, 50, 40);
  const Points p{s};
  const double y2 = p.y(2);
  Pic(s, 141, 95, -40, -24);
  DrawTwoCirclesAtPoint(s, 2, 60, 3);
  DrawCircleAtPoint(s, 1, 40);
  PutBoxAtPoint(s, 1, s.P5 <= 5 ? "VMmomentm" : "VMmomentp");
  PutLabel(s, "$M_2$", 60 * p6 - 50, 0);
  PutBox(s, s.P3 == 1 ? "VMmomentm" : "VMmomentp", p.x(2), y2 + 4);
  PutLabel(s, "$M_1$", p.x(2) - 8, y2 + 6);
  PutBox(s, "hnpr", 3, y2);
  DrawHatchRowV(s, -1, -32, -20, 127);
  PutLabel(s, "$1$", 12, 22);
  if (s.P2 == 1) {
    DrawSegment(s, 16, 24, 18, 40);
  } else if (s.P2 == 2) {
    DrawSegment(s, 16, 24, 26, 24);
  }
  DrawSegment(s, -30, -20, -30, y2);
  DrawSegment(s, -31, y2, -29, y2);
  PutLabel(s, "$3r$", -28, 8);
  SetLineWidth(s, 10);
  DrawSegment(s, -5, y2, p.x(2) - 1.5, y2);
  DrawSegment(s, -5, y2 - 2, -5, y2 + 2);
  SetLineWidth(s, 1);
  if (s.P4 == 1) {
    DrawHatchRowH(s, -1, -20, y2 + 1, 6);
    PutLabel(s, "$x$", -14, y2 + 8);
    DrawVector(s, 1, 0, -20, y2 + 5, 15);
    PutLabel(s, "$2$", 60 * p6 - 70, -10);
    DrawSegment(s, 60 * p6 - 67, -9, 60 * p6 - 57, -9);
    if (s.P2 == 1) {
      DrawRedForceWithLabel(s, 1, 0, kForce, p.x(2) + 1.5, y2, 20, 9, 3);
    } else if (s.P2 == 2) {
      DrawRedForceWithLabel(s, -1, 0, kForce, p.x(2) + 21, y2, 20, -4, 3);
    }
  } else if (s.P4 == 2) {
    Phi(s, 2, kPi / 4, 10, 2, 1);
    DrawSegment(s, p.x(2) + 1, y2 + 1, p.x(2) + 21, y2 + 21);
    DrawFilledCircle(s, p.x(2) + 21, y2 + 21, 2);
    PutLabel(s, "$2$", p.x(2) + 31, y2 + 19);
    DrawSegment(s, p.x(2) + 29, y2 + 21, p.x(2) + 21, y2 + 21);
  }
}

void Scheme88(SharedState& s) {
  s.PointX[2] = 48.5;
  SetPoint(s, 3, 30, 30);
  SetPoint(s, 1, -36, 5);
  const Points p{s};
  Pic(s, 112, 95, -42, -26);
  PutHingeBoxAtPoint(s, 4);
  SetLineWidth(s, 10);
  Blue(s);
  MoveTo(s, -36, 5);
  LineTo(s, 54, 35);
  LineTo(s, 68, -7);
  Close(s);
  SetLineWidth(s, 1);
  PutLabel(s, "$1$", -24, -14);
  DrawSegment(s, -20, -12, -11, -12);
  DrawSegment(s, 0, -23, 0, -25);
  DrawDashedLineMultiput(s, 7, p.x(4), 0, 50, 0);
  if (s.P2 == 2) {
    DrawCircleAtPoint(s, 2, 32);
    PutHingeBoxAtPoint(s, 2);
    DrawSegment(s, 0, -24, p.x(2), -24);
    DrawSegment(s, p.x(2), -23, p.x(2), -25);
    PutLabel(s, "$b$", 21, -21);
    PutLabel(s, "$2$", 65, -16);
    DrawSegment(s, 54, -14, 63, -14);
  } else if (s.P2 == 1) {
    DrawHatchRowV(s, -1, p.x(2), p.y(4), 16.5);
    DrawHatchRowH(s, -1, p.x(2) + 16.5, p.y(4) - 15, 14);
    DrawSegment(s, 0, -24, p.x(2) + 16.5, -24);
    DrawSegment(s, p.x(2) + 16.5, -23, p.x(2) + 16.5, -25);
    PutLabel(s, "$b$", 32, -21);
    DrawFilledCircle(s, 54, 35, 3);
    PutLabel(s, "$2$", 65, 35);
    DrawSegment(s, 54, 35, 63, 37);
  }
  DrawCircleAtPoint(s, 4, 32);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 9, 14, -5, -7);
  PutBoxAtPoint(s, 3, s.P5 <= 5 ? "dmomentp" : "dmomentm");
  PutLabel(s, "$M$", 27, 32);
}

void Scheme89(SharedState& s) {
  SetPoint(s, 2, 77, 14.2);
  SetPoint(s, 3, -6, 20);
  SetPoint(s, 1, 4, -10);
  const Points p{s};
  Pic(s, 139, 95, -22, -26);
  SetLineWidth(s, 10);
  Blue(s);
  MoveTo(s, -6, 20);
  LineTo(s, 4, -10);
  LineTo(s, 76, 14);
  Close(s);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 7, p.x(4), 0, 36, 0);
  DrawHatchRowV(s, -1, -16.5, 0, 16);
  DrawHatchRowH(s, -1, 0, -15, 14);
  DrawHatchRowV(s, -1, 36, 0, 80);
  DrawHatchRowH(s, 1, 36, -15, 14);
  DrawSegment(s, 0, -23, 0, -25);
  DrawSegment(s, 0, -24, 36, -24);
  DrawSegment(s, 36, -23, 36, -25);
  PutLabel(s, "$b$", 17, -21);
  DrawTwoCirclesAtPoint(s, 2, 18, 2);
  PutLabel(s, "$B$", p.x(2) - 6, p.y(2) + 2);
  PutLabel(s, "$A$", p.x(1) - 2, p.y(1) - 7);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 9, 14, 4, 0);
  PutNamedBoxByKind(s, s.P6, 3, 3, "dmomentp", "dmomentm");
  PutLabel(s, "$M$", -12, 23);
  Block(s, 100, 12.5, 28, 24);
  PutLabel(s, "$1$", 60, 24);
  DrawSegment(s, 63, 26, 71, 20);
  PutLabel(s, "$2$", 90, 29);
  DrawSegment(s, 94, 30, 102, 24);
}

void Scheme90(SharedState& s) {
  SetPoint(s, 2, 60, 21);
  SetPoint(s, 1, 8, 2);
  const Points p{s};
  Pic(s, 138, 93, -22, -24);
  SetLineWidth(s, 10);
  Blue(s);
  MoveTo(s, 0, 0);
  LineTo(s, 60, 20);
  LineTo(s, 69, -7);
  toolkit::WriteText(s, "}\\OliveGreen{");
  MoveTo(s, 72, 21);
  LineTo(s, 95, 21);
  Close(s);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 96, 21, 19, 9, 3);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 115, 21, 19, -8, 3);
  }
  SetLineWidth(s, 1);
  DrawHatchRowH(s, 1, 8, -11, 13);
  DrawHatchRowV(s, -1, 8, 2, 57);
  DrawHatchRowH(s, -1, 65.2, -10.8, 13);
  DrawSegment(s, 8, -19, 8, -21);
  DrawSegment(s, 8, -20, 65, -20);
  DrawSegment(s, 65, -19, 65, -21);
  PutLabel(s, "$a$", 37, -18);
  DrawTwoCirclesAtPoint(s, 2, 16, 2);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 9, 17, 4, 1);
  PutBoxAtPoint(s, 3, s.P5 <= 5 ? "vmomentp" : "vmoment");
  PutLabel(s, "$M$", -2, 9);
  PutLabel(s, "$1$", 40, 24);
  DrawSegment(s, 43, 26, 52, 22);
  PutLabel(s, "$2$", 60, 34);
  DrawSegment(s, 64, 35, 68, 33);
  PutBox(s, "hnpr", 78, p.y(2));
  Block(s, 70, 21, 4, 24);
}

void Scheme91(SharedState& s) {
  SetPoint(s, 3, -8, 6);
  SetPoint(s, 2, 60, -31);
  SetPoint(s, 1, 73, -5);
  Pic(s, 124, 99, -32, -75);
  SetLineWidth(s, 10);
  Blue(s);
  MoveTo(s, -10, 5);
  LineTo(s, 60, -30);
  LineTo(s, 80, 10);
  Close(s);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -9, -5, 18);
  DrawHatchRowH(s, -1, 10, -60, 54);
  DrawHatchRowV(s, -1, 73, -5, 18);
  DrawHatchRowH(s, 1, 73, -60, 54);
  Block(s, 41.5, -42, 61, 10);
  DrawSegment(s, 10, 15, 73, 15);
  DrawSegment(s, 10, 16, 10, 14);
  DrawSegment(s, 73, 16, 73, 14);
  PutLabel(s, "$a$", 41, 17);
  DrawTwoCirclesAtPoint(s, 2, 12, 2);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 3, 12, 2, 1);
  PutBoxAtPoint(s, 3, s.P2 == 1 ? "vmomentp" : "vmoment");
  PutLabel(s, "$M$", -5, 9);
  PutLabel(s, "$1$", 40, -30);
  DrawSegment(s, 43, -28, 56, -30);
  PutLabel(s, "$2$", 12, -44);
  DrawRedForceWithLabel(s, 0, 1, kForce, 41, -62, 15, 3, 3);
}

void Scheme92(SharedState& s) {
  SetPoint(s, 3, 40, 30);
  SetPoint(s, 2, -30, 40);
  const Points p{s};
  Pic(s, 113, 93, -60, -40);
  SetLineWidth(s, 10);
  Blue(s);
  DrawSegmentFromNodeRev(s, 1, 2);
  DrawSegmentFromNodeRev(s, 1, 3);
  Close(s);
  DrawTwoCirclesAtPoint(s, 2, 18, 2);
  DrawTwoCirclesAtPoint(s, 3, 18, 2);
  SetLineWidth(s, 1);
  if (s.P4 == 1) {
    PutLabel(s, "$2$", -15, 40);
    DrawSegment(s, -16, 42, -21, 42);
  } else {
    PutLabel(s, "$2$", -18, -8);
  }
  PutLabel(s, "$1$", 18, 30);
  DrawSegment(s, 22, 32, 31, 32);
  DrawHatchRowV(s, -1, -40, 31, 14);
  DrawHatchRowH(s, -1, -25, -14, 45);
  DrawHatchRowH(s, 1, 49, -14, 60);
  Block(s, 12, -6, 72, 10);
  Phi(s, 1, kPi / 5, 12, 2, 1);
  SetLineWidth(s, 1);
  PutBoxAtPoint(s, 3, s.P2 == 1 ? "vmomentp" : "vmoment");
  PutBoxAtPoint(s, 2, s.P3 == 1 ? "vmomentp" : "vmoment");
  PutLabel(s, "$M_2$", p.x(2) - 21, p.y(2) - 2);
  PutLabel(s, "$M_1$", p.x(3) - 7, p.y(3) + 10);
  PutLabel(s, "$A$", p.x(2) + 2, p.y(2) - 1);
  PutLabel(s, "$C$", p.x(3) + 1.5, p.y(3) - 3);
  PutLabel(s, "$B$", -12, 1);
  DrawRedForceWithLabel(s, 0, 1, kForce, 12, -24, 12, 3, 1);
}

void Scheme93(SharedState& s) {
  SetPoint(s, 2, 37.7, 48);
  SetPoint(s, 1, 72, 37.5);
  SetPoint(s, 3, 11, 71);
  Pic(s, 138, 78, -32, -8);
  toolkit::WriteLine(s, "\\unitlength=0.8pt");
  SetLineWidth(s, 10);
  Blue(s);
  MoveTo(s, -6, -8);
  LineTo(s, 36, 48);
  LineTo(s, -8, 81);
  Close(s);
  MoveTo(s, 73.5, 37.5);
  LineTo(s, 109, 37.5);
  MoveTo(s, 109, 34);
  LineTo(s, 109, 40);
  DrawBar(s, 1, 2);
  DrawNodeMarker(s, 2);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, 1, -17, 0, 16);
  DrawHatchRowH(s, -1, -0.5, 0, 74);
  DrawHatchRowV(s, -1, -17, 75, 16);
  PutBox(s, "hnpr", 83, 37.5);
  DrawSegment(s, -25, 0, -25, 75);
  DrawSegment(s, -26, 0, -24, 0);
  DrawSegment(s, -26, 75, -24, 75);
  PutLabel(s, "$2a$", -23, 33);
  PutLabel(s, "$A$", 37, 51);
  PutLabel(s, "$B$", 64, 28);
  PutLabel(s, "$1$", 39, 29);
  DrawSegment(s, 43, 32, 47, 45);
  PutLabel(s, "$2$", 104, 45);
  DrawSegment(s, 103, 46, 99, 37);
  PutLabel(s, "$a$", 107, 15);
  DrawSegment(s, 105, 0, 105, 37.5);
  DrawDashedLineMultiput(s, 10, 10, 0, 109, 0);
  DrawNodeMarker(s, 1);
  Phi(s, 1, 2.7, 9, 2, 1);
  PutBoxAtPoint(s, 3, s.P2 == 1 ? "vmomentp" : "vmoment");
  PutLabel(s, "$M$", 15, 70);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 110, 37.5, 20, 4, 4);
  } else if (s.P3 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 130, 37.5, 20, -7, 4);
  }
  toolkit::WriteLine(s, "\\unitlength=1pt");
}

void Scheme94(SharedState& s) {
  s.PointY[2] = 30;
  s.PointX[1] = 60;
  SetPoint(s, 3, -14.5, -20);
  s.PointY[4] = -30;
  Pic(s, 118, 73, -35, -35);
  SetLineWidth(s, 12);
  Blue(s);
  DrawTwoBars(s, 1, 2, 4);
  toolkit::WriteText(s, "}\\spe");
  DrawNodeMarker(s, 2);
  DrawHatchRowV(s, -1, 1.5, -10, 80);
  DrawHatchRowH(s, 1, 1.5, -22.5, 13);
  DrawTwoCirclesAtPoint(s, 1, 20, 3);
  DrawCircleAtPoint(s, 3, 28);
  PutHingeBoxAtPoint(s, 3);
  PutLabel(s, "$A$", -9, 30);
  PutLabel(s, "$B$", 58, -8);
  PutLabel(s, "$1$", 39, -2);
  if (s.P2 == 1) {
    DrawSegment(s, 42, 0, 50, 0);
  } else if (s.P2 == 2) {
    DrawSegment(s, 42, 0, 43, 9);
  }
  PutLabel(s, "$2$", -10, -2);
  if (s.P3 == 1) {
    DrawSegment(s, -7, 0, 0, 0);
  } else if (s.P3 == 2) {
    DrawSegment(s, -8, -3, -8, -11);
  }
  Phi(s, 1, 2.6, 14, 2, 1);
  PutBoxAtPoint(s, 3, s.P4 == 1 ? "Momentp" : "Momentm");
  PutLabel(s, "$M$", -34, -11);
}

void Scheme95(SharedState& s) {
  Pic(s, 100, 81, -55, -50);
  SetLineWidth(s, 14);
  Blue(s);
  MoveTo(s, 0, -1.5);
  LineTo(s, 0, -45);
  MoveTo(s, 2, -45);
  LineTo(s, -2, -45);
  DrawSegment(s, -24, -10.5, -24, -33);
  DrawSegment(s, -24, 10.2, -24, 30);
  Close(s);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -39, -30, 36);
  DrawHatchRowV(s, -1, 2, -30, 18);
  DrawHatchRowH(s, -1, -2, -41, 10);
  DrawHatchRowH(s, 1, 2, -41, 10);
  Block(s, -24, 0, 8, 20);
  DrawTwoCirclesAtPoint(s, 1, 40, 3);
  DrawHatchRowH(s, 1, 20, -30, 60);
  PutLabel(s, "$1$", 12, 24);
  DrawSegment(s, 14, 23, 14, 16);
  PutLabel(s, "$2$", -12, -27);
  if (s.P3 == 1) {
    DrawSegment(s, -9, -26, 0, -22);
  } else if (s.P3 == 2) {
    DrawSegment(s, -12, -26, -21, -10);
  }
  Phi(s, 1, kPi / 4, 10, 2, 1);
  DrawSegment(s, 1, 1, 14, 14);
  DrawFilledCircle(s, 14, 14, 3);
  PutBoxAtPoint(s, 1, s.P4 == 1 ? "Momentp" : "Momentm");
  PutLabel(s, "$M$", -11, -9);
  if (s.P2 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForce, -28, 11, 15, -10, 0);
  } else if (s.P2 == 2) {
    DrawRedForceWithLabel(s, 0, -1, kForce, -28, 26, 15, -10, -8);
  }
}

void Scheme96(SharedState& s, const Points& p) {
  Pic(s, 108, 77, -25, -30);
  DrawNodeMarker(s, 2);
  s.PointX[4] += 10;
  SetLineWidth(s, 12);
  DrawBar(s, 4, 2);
  SetLineWidth(s, 1);
  Phi(s, 1, 5 * kPi / 6, 8, -2, 2);
  DrawTwoCirclesAtPoint(s, 1, 42, 2);
  DrawDashedLineMultiput(s, 4, p.x(1), p.y(1), p.x(2), p.y(2));
  if (s.P3 == 1) {
    PutBox(s, "MomentpLeftm", p.x(1), p.y(1) - 4);
  } else if (s.P3 == 2) {
    PutBox(s, "MomentpLeftd", p.x(1), p.y(1) - 4);
  }
  PutLabel(s, "$M$", p.x(1) - 3, p.y(1) - 11);
  PutLabel(s, "$A$", p.x(2) - 8, p.y(2) + 3);
  PutLabel(s, "$2$", p.x(4) + 10, 8);
  if (s.P2 == 1) {
    DrawSegment(s, p.x(4) + 12, 7, p.x(4) + 14, 2);
  } else if (s.P2 == 2) {
    DrawSegment(s, p.x(4) + 10, 7, p.x(4) + 9, -3);
  }
  PutLabel(s, "$1$", p.x(1) - 12, p.y(1) - 12);
  DrawRedForceWithLabel(s, 0, 1, "$\\vec P$", p.x(3), p.y(3) - 29, 20, 2, 2);
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, 53, 1, 20, 12, 2);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, -1, 0, kForce, 73, 1, 20, -5, 2);
  }
  Block(s, 38, 1, 30, 6);
  s.PointY[3] -= 7.5;
  const double x3 = p.x(3), y3 = p.y(3);
  Blue(s);
  DrawSegment(s, x3 - 30, y3 + 5, x3 + 30, y3 + 5);
  LineTo(s, x3 + 30, y3 - 10);
  LineTo(s, x3 + 25, y3 - 10);
  LineTo(s, x3 + 25, y3 - 2);
  LineTo(s, x3 - 25, y3 - 2);
  LineTo(s, x3 - 25, y3 - 10);
  LineTo(s, x3 - 30, y3 - 10);
  LineTo(s, x3 - 30, y3 + 5);
  Close(s);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, p.x(1) - 32, p.y(1) - 49, 62);
  DrawHatchRowH(s, 1, p.x(1) + 32, p.y(1) - 49, 62);
}

void Scheme97(SharedState& s, const Points& p) {
  Pic(s, 100, 89, -25, -7);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  Blue(s);
  DrawSegment(s, -10.5, 43, -1.5, 46);
  DrawSegment(s, 37, 58, 55, 64);
  DrawSegment(s, -5, -4, -1, -1);
  DrawSegment(s, 5, -4, 1, -1);
  Close(s);
  DrawSegment(s, -14, -5, -14, 28);
  DrawSegment(s, -14, 56, -14, 80);
  DrawSegment(s, 58, -5, 58, 48);
  DrawSegment(s, 58, 76, 58, 80);
  LineTo(s, -14, 80);
  SetLineWidth(s, 1);
  Phi(s, 1, kPi / 3, 8, 2, 0);
  DrawTwoCirclesAtPoint(s, 2, 26, 2);
  DrawHatchRowV(s, -1, -21, -4, 82);
  Block(s, 18, 52, 39.5, 8, 0.32175);
  Block(s, -14, 42, 6, 28);
  Block(s, 58, 62, 6, 28);
  PutLabel(s, "$A$", -11, 46);
  PutLabel(s, "$B$", 48, 65);
  PutLabel(s, "$C$", 22, 52);
  PutLabel(s, "$O$", -8, 0);
  PutLabel(s, "$K$", 12, 33);
  if (s.P3 == 1) {
    PutBoxAtPoint(s, 2, "MomentpLeftm");
  } else if (s.P3 == 2) {
    PutBoxAtPoint(s, 2, "MomentpLeftd");
  }
  PutLabel(s, "$M$", p.x(2) + 12, p.y(2) - 3);
  DrawLabelledArcArrow(s, 0, "\\alpha", 0, 56, 62, 3.2, 4.6, 7, -2);
  PutLabel(s, "$1$", 0, 18);
  if (s.P2 == 1) {
    DrawSegment(s, 4, 19, 11, 19);
  } else if (s.P2 == 2) {
    DrawSegment(s, 4, 19, 11, 29);
  }
  PutLabel(s, "$2$", -5, 29);
  if (s.P4 == 1) {
    DrawSegment(s, -6, 30, -11, 30);
    DrawRedForceWithLabel(s, 1, 0, kForce, -1, 60, 30, 7, 3);
  } else if (s.P4 == 2) {
    DrawSegment(s, -1, 33, 7, 45);
    DrawRedForceWithLabel(s, -1, 0, kForce, 29, 60, 30, -15, 3);
  }
  DrawStrokesAcrossRay(s, 2, 9, 4 * kPi / 3);
}

void Scheme98(SharedState& s) {
  s.PointX[1] = 50;
  SetPoint(s, 2, 10, 20);
  SetPoint(s, 3, -12, 27);
  SetPoint(s, 4, -12 + 78, 27 + 26);
  const Points p{s};
  Pic(s, 104, 89, -25, -7);
  DrawNodeMarker(s, 1);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  Blue(s);
  DrawSegment(s, -10.5, 32, -6, 29);
  DrawBar(s, 3, 4);
  DrawSegment(s, 45, -4, 49, -1);
  DrawSegment(s, 55, -4, 51, -1);
  Close(s);
  DrawSegment(s, -14, -5, -14, 13);
  DrawSegment(s, -14, 41, -14, 76);
  LineTo(s, 76, 76);
  SetLineWidth(s, 1);
  Phi(s, 1, 2.65, 14, 2, 1);
  DrawTwoCirclesAtPoint(s, 2, 26, 3);
  DrawTwoCirclesAtPoint(s, 4, 20, 3);
  DrawHatchRowV(s, -1, -21, -4, 96);
  DrawHatchRowH(s, 1, 76, -4, 80);
  Block(s, -14, 27, 6, 28);
  PutLabel(s, "$A$", 14, 19);
  PutLabel(s, "$O$", 48, 3);
  PutNamedBoxByKind(s, s.P6, 2, 2, "Momentp", "Momentm");
  PutLabel(s, "$M_2$", p.x(2) - 20, p.y(2) - 12);
  DrawLabelledArcArrow(s, 0, "\\alpha", 0, -11, 29, 0.2, 1.57, 9, 1);
  PutLabel(s, "$1$", 42, 55);
  if (s.P2 == 1) {
    DrawSegment(s, 46, 56, 56, 56);
  } else if (s.P2 == 2) {
    DrawSegment(s, 47, 56, 49, 47);
  }
  PutLabel(s, "$2$", 32, 22);
  if (s.P3 == 1) {
    DrawSegment(s, 30, 24, 22, 24);
  } else if (s.P3 == 2) {
    DrawSegment(s, 33, 21, 30, 11);
  }
  if (s.P4 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForce, -17, 41, 20, -7, 21);
  } else if (s.P4 == 2) {
    DrawRedForceWithLabel(s, 0, -1, kForce, -17, 61, 20, -7, 1);
  }
  PutBoxAtPoint(s, 4, s.P5 <= 5 ? "rmomentp" : "rmomentm");
  PutLabel(s, "$M_1$", p.x(4) - 4, p.y(4) + 12);
}

void Scheme99(SharedState& s) {
  SetPoint(s, 2, 40, 30);
  s.PointY[5] = 90;
  SetPoint(s, 3, -40, 30);
  s.PointY[4] = 60;
  const Points p{s};
  Pic(s, 122, 100, -65, -10);
  PutHingeBoxAtPoint(s, 1);
  DrawNodeMarker(s, 4);
  SetLineWidth(s, 10);
  DrawTwoBars(s, 3, 1, 2);
  DrawTwoBars(s, 3, 4, 2);
  DrawBar(s, 4, 5);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", 0, p.y(4) + 13);
  if (s.P5 <= 2) {
    DrawStrokesAcrossRay(s, 2, 6, 3.8);
  } else if (s.P5 <= 4) {
    DrawStrokesAcrossRay(s, 2, 6, 2.5);
  } else if (s.P5 <= 7) {
    DrawStrokesAcrossRay(s, 3, 6, 0.7);
  } else {
    DrawStrokesAcrossRay(s, 3, 6, -0.7);
  }
  Phi(s, 1, 0.65, 14, 2, 1);
  DrawTwoCirclesAtPoint(s, 2, 20, 3);
  DrawTwoCirclesAtPoint(s, 3, 20, 3);
  Block(s, -4, 43.5, 106, 6);
  PutLabel(s, "$A$", 42, 28);
  PutLabel(s, "$B$", -48, 28);
  PutLabel(s, "$C$", -9, 60);
  PutLabel(s, "$O$", -11, -2);
  if (s.P7 <= 2) {
    PutLabel(s, "$2$", -2, 50);
  } else if (s.P7 <= 4) {
    PutLabel(s, "$2$", -2, 8);
  } else {
    PutLabel(s, "$2$", 40, 5);
  }
  switch (s.P7) {
    case 1: DrawSegment(s, -3, 51, -12, 51); break;
    case 2: DrawSegment(s, 3, 51, 12, 51); break;
    case 3: DrawSegment(s, -3, 8, -12, 8); break;
    case 4: DrawSegment(s, 3, 8, 12, 8); break;
    default: DrawSegment(s, 42, 11, 42, 22); break;
  }
  PutLabel(s, "$1$", -57, 31);
  if (s.P2 == 1) {
    DrawSegment(s, -53, 34, -48, 34);
  } else if (s.P2 == 2) {
    DrawSegment(s, -53, 34, -53, 42);
  }
  if (s.P6 == 1) {
    PutBox(s, "Momentp", -17, 12);
  } else if (s.P6 == 2) {
    PutBox(s, "Momentm", -17, 12);
  }
  PutLabel(s, "$M_2$", -17, 17);
  if (s.P6 == 1) {
    PutBox(s, "MomentpLeftd", p.x(2) + 2, p.y(2) - 3);
  } else if (s.P6 == 2) {
    PutBox(s, "MomentpLeftm", p.x(2) + 2, p.y(2) - 3);
  }
  PutLabel(s, "$M_1$", p.x(2) + 5, p.y(2) - 19);
  if (s.P3 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, -40, 67, 20, -9, -4);
  } else if (s.P3 == 2) {
    DrawRedForceWithLabel(s, 0, -1, kForce, 40, 67, 20, -9, -4);
  }
}

}  // namespace

void DrawSchemes59To99(SharedState& s, CatalogueVariables& c) {
  const Points p{s};
  switch (s.P1) {
    case 59: Scheme59(s, p); break;
    case 60: Scheme60(s, p); break;
    case 61: Scheme61(s, p); break;
    case 62: Scheme62(s, c, p); break;
    case 63: Scheme63(s, p); break;
    case 64: Scheme64(s, p); break;
    case 65: Scheme65(s, p); break;
    case 66: Scheme66(s, p); break;
    case 67: Scheme67(s, p); break;
    case 68: Scheme68(s, p); break;
    case 69: Scheme69(s, p); break;
    case 70: Scheme70(s, p); break;
    case 71: Scheme71(s, p); break;
    case 72: Scheme72(s, p); break;
    case 73: Scheme73(s, p); break;
    case 74: Scheme74(s, p); break;
    case 75: Scheme75(s, p); break;
    case 76: Scheme76(s, p); break;
    case 77: Scheme77(s, p); break;
    case 78: Scheme78(s, p); break;
    case 79: Scheme79(s); break;
    case 80: Scheme80(s, p); break;
    case 81: Scheme81(s); break;
    case 82: Scheme82(s); break;
    case 83: Scheme83(s); break;
    case 84: Scheme84(s); break;
    case 85: Scheme85(s); break;
    case 86: Scheme86(s); break;
    case 87: Scheme87(s); break;
    case 88: Scheme88(s); break;
    case 89: Scheme89(s); break;
    case 90: Scheme90(s); break;
    case 91: Scheme91(s); break;
    case 92: Scheme92(s); break;
    case 93: Scheme93(s); break;
    case 94: Scheme94(s); break;
    case 95: Scheme95(s); break;
    case 96: Scheme96(s, p); break;
    case 97: Scheme97(s, p); break;
    case 98: Scheme98(s); break;
    case 99: Scheme99(s); break;
    default: break;
  }
}

}  // namespace mechanisms
