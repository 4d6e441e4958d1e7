#include <cmath>
#include <numbers>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/mechanisms/catalogue.h"
#include "subjects/mechanisms/named_boxes.h"
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

void Pic(SharedState& s, double h, double x0, double y0) { toolkit::BeginPicture(s, 100, h, x0, y0); }

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
  Pic(s, 77, -40, -35);
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
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 3);
  PutHingeBoxAtPoint(s, 4);
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
  Pic(s, 77, -25, -15);
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
  Pic(s, 87, -45, -10);
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
  Pic(s, 77, -45, -10);
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
  Pic(s, 85, -35, -35);
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
    PutHingeBoxAtPoint(s, 3);
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
  Pic(s, 77, -45, -25);
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
  Pic(s, 77, -30, -30);
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
  Pic(s, 87, -60, -12);
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
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -30, -12);
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
  Pic(s, 87, -45, -20);
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
  Pic(s, 87, -45, -40);
  SetLineWidth(s, 8);
  DrawBar(s, 2, 3);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 3);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -40, -20);
  const double x1 = p.x(1);
  const double y3 = p.y(3);
  SetLineWidth(s, 4);
  DrawSegment(s, x1, y3 + 44, p.x(2), y3 + 44);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, s.P2, 50, 38);
  DrawCircleAtPoint(s, 3 - s.P2, 44);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -40, -40);
  SetLineWidth(s, 4);
  Block(s, p.x(1) + 56, p.y(1), 40, 63.5);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 64, 2);
  DrawTwoCirclesAtPoint(s, 2, 16, 12);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -60, -50);
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
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -80, -40);
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
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -50, -20);
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
  Pic(s, 87, -50, -35);
  Block(s, p.x(2), p.y(2), 10, 20);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -20, 0);
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
  Pic(s, 87, -20, -20);
  Block(s, p.x(4), p.y(4), 24, 12);
  SetLineWidth(s, 4);
  toolkit::WriteText(s, "\\Blue{");
  DrawSegment(s, -5, -7, -1, -1);
  DrawSegment(s, 5, -7, 1, -1);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  DrawBar(s, 3, 4);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
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
  Pic(s, 87, -40, -40);
  s.BlockCentred = true;
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -70, -60);
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
  PutHingeBoxAtPoint(s, 3);
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
  Pic(s, 87, -20, -30);
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
  Pic(s, 87, -20, -44);
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
  Pic(s, 87, -20, -44);
  PutHingeBoxAtPoint(s, 2);
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
  Pic(s, 87, -29, -20);
  PutHingeBoxAtPoint(s, 1);
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
  Pic(s, 87, -29, -10);
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
  Pic(s, 87, -12, -10);
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
    default: break;
  }
}

}  // namespace mechanisms
