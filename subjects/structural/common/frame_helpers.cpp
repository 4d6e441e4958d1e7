#include "subjects/structural/common/frame_helpers.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

using std::numbers::pi;

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

double Radians(double degrees) { return degrees * pi / 180; }

// The arc and label placement of a node force by the signs of its components.
struct ArcPlacement {
  double from, to;
  double radius;
  int label_x, label_y;
};

ArcPlacement ArcOf(int sign_x, int sign_y, double phi) {
  if (sign_x > 0 && sign_y > 0) return {0, phi, 8, 3, 0};
  if (sign_x < 0 && sign_y > 0) return {pi, pi - phi, 9, 0, 0};
  if (sign_x > 0) return {0, -phi, 9, 4, -1};
  return {pi, pi + phi, 9, -2, 0};
}

struct Offset {
  double x, y;
};

// Label position of the force letter by angle row and sign column (+,+), (+,-), (-,+), (-,-).
Offset ForceLabelOffset(int angle, int sign_x, int sign_y) {
  static const Offset k30[4] = {{5, 14}, {0, -16}, {-15, 17}, {-5, -17}};
  static const Offset k45[4] = {{0, 8}, {0, -17}, {-16, 16}, {-15, -22}};
  static const Offset k60[4] = {{-1, 9}, {1, -19}, {-7, 11}, {-3, -12}};
  const int column = (sign_x > 0 ? 0 : 2) + (sign_y > 0 ? 0 : 1);
  if (angle == 30) return k30[column];
  if (angle == 45) return k45[column];
  return k60[column];
}

void DefineAngleMarkBox(SharedState& s, const char* name, double x, double direction, double length,
                        double from, double to, double radius, const char* text, int label_x,
                        int label_y) {
  BeginSaveBox(s, name);
  DrawDashedLine(s, 3, x, 0, direction, length, 0.5);
  DrawLabelledArcArrow(s, 0, text, label_x, 0, 0, from, to, radius, label_y);
  EndSaveBox(s);
}

// The row of SetTwoPartPoints12's table for layout p1: x1, y1, x2, y2, x3, y3.
struct TwoPartRow {
  double x1, y1, x2, y2, x3, y3;
};

// Points 1..3 of a two-part layout from its table row.
template <class Row>
void PlaceFirstThreePoints(toolkit::TPointArray& x, toolkit::TPointArray& y, const Row& r) {
  x[1] = r.x1;
  y[1] = r.y1;
  x[2] = r.x2;
  y[2] = r.y2;
  x[3] = r.x3;
  y[3] = r.y3;
}

}  // namespace

void DrawUniformLoad(SharedState& s, int base, int from_point, int to_point, int height) {
  const double x0 = s.PointX[from_point];
  const double x1 = s.PointX[to_point];
  const double length = x1 - x0;
  const int n = Round(length / 6);
  // A load shorter than three units gets a single arrow instead of a division by zero.
  const double step = n != 0 ? length / n : 0;
  const double top = base + 4 + height;
  WriteText(s, "\\Blue{");
  PutBlueLabel(s, "$q$", x1, base + height + 6);
  DrawSegment(s, x0, top, x1, top);
  if (base != 0) DrawSegment(s, x0, base + 4, x1, base + 4);
  for (int j = 0; j <= n; ++j) DrawVector(s, 0, -1, x0 + j * step, top, height);
  WriteText(s, "}");
}

void WriteFrameLoadData(SharedState& s, bool has_q, bool has_p, bool has_m, double q, double p,
                        double m) {
  const bool last_q = !has_p && !has_m, last_p = !has_m;
  auto end = [](const char* unit, bool last) {
    return std::string(unit) + (last ? ".\\\\ " : ", ");
  };
  if (has_q) WriteTextNumberLn(s, "$q=$", q, end("~кН/м", last_q));
  if (has_p) WriteTextNumberLn(s, "$P=$", p, end("~кН", last_p));
  if (has_m) WriteTextNumberLn(s, "$m=$", m, end("~кНм", true));
}

void SetUpHeavyFrame(SharedState& s) {
  s.Scale = 7.5;
  s.ForceValue[1] = s.P3 + s.P4 + 3;
  s.ForceValue[2] = s.P5 + 10;
  s.CoupleMoment = s.P5 < 12 ? 20 * s.P4 + 10 : -5 * s.P4 - 10;
  if (s.Level == 1) s.CoupleMoment = 0;
  s.FrameSlopeLen1 = SlopeLengthTable[s.P2];
  s.FrameSlopeLen2 = SlopeLengthTable[13 - s.P2];
  s.FrameHorizLen1 = HorizLengthTable[s.P1];
  s.FrameHorizLen3 = HorizLengthTable[13 - s.P1];
  const int h = (std::abs(s.FrameSlopeLen1) + std::abs(s.FrameSlopeLen2)) / 2;
  s.FrameHorizLen2 = s.P1 >= 4 && s.P1 <= 9 ? 16 - h : 16 - s.FrameHorizLen1 - s.FrameHorizLen3 - h;
  if (s.FrameHorizLen2 == 4) s.FrameHorizLen2 = 5;
  s.FrameWeightPerMetre = s.Level == 1 ? 0 : s.P4;
  s.FrameType = Round(s.P5 / 11.0) + 1;
  if (s.FrameType == 1) {
    s.FrameSlopeAngle1 = 60;
    s.FrameSlopeAngle2 = 90;
    s.FrameHorizLen2 += std::abs(s.FrameSlopeLen2) / 2;
  } else if (s.FrameType == 2) {
    s.FrameSlopeAngle1 = 60;
    s.FrameSlopeAngle2 = 60;
  } else {
    s.FrameSlopeAngle1 = 90;
    s.FrameSlopeAngle2 = 60;
    s.FrameHorizLen2 += std::abs(s.FrameSlopeLen1) / 2;
  }
  s.LoadAngle1 = 15 * s.P3 + 15;
  s.LoadAngle2 = 15 * s.P4 + 15;
  s.SlopeSin1 = std::sin(Radians(s.FrameSlopeAngle1));
  s.SlopeCos1 = std::cos(Radians(s.FrameSlopeAngle1));
  s.SlopeSin2 = std::sin(Radians(s.FrameSlopeAngle2));
  s.SlopeCos2 = std::cos(Radians(s.FrameSlopeAngle2));
  s.FrameAngle2Rad = Radians(s.LoadAngle2);
  SetHeavyFrameNodes(s);
}

void SetHeavyFrameNodes(SharedState& s) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0;
  y[1] = 0;
  x[2] = x[1] + s.FrameHorizLen1;
  x[3] = x[2] + s.SlopeCos1 * std::abs(s.FrameSlopeLen1);
  x[4] = x[3] + s.FrameHorizLen2;
  x[5] = x[4] + s.SlopeCos2 * std::abs(s.FrameSlopeLen2);
  x[6] = x[5] + s.FrameHorizLen3;
  y[2] = y[1];
  y[3] = y[2] + s.SlopeSin1 * s.FrameSlopeLen1;
  y[4] = y[3];
  y[5] = y[4] - s.SlopeSin2 * s.FrameSlopeLen2;
  y[6] = y[5];
}

double SumMomentsAboutNode(SharedState& s, int node) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  double weight = 0;
  for (int i = 1; i <= 5; ++i) {
    weight += s.FrameWeightPerMetre * s.FrameSegmentLength[i] * ((x[i] + x[i + 1]) / 2 - x[node]);
  }
  s.PartialMoment1 = -weight;
  s.PartialMoment2 = s.NodeForceY[7] * (x[7] - x[node]) - s.NodeForceX[7] * (y[7] - y[node]);
  s.PartialMoment3 = -s.ForcePHorizontal * (y[8] - y[node]);
  return s.PartialMoment1 + s.PartialMoment3 + s.PartialMoment2 + s.CoupleMoment;
}

void DrawForcePAtPointN(SharedState& s) {
  const bool second_slope = s.FrameHorizLen1 == 0;
  s.ForcePDistance = std::abs(second_slope ? s.FrameSlopeLen2 : s.FrameSlopeLen1) / 2;
  const double c = second_slope ? s.SlopeCos2 : s.SlopeCos1;
  const double sn = second_slope ? s.SlopeSin2 : s.SlopeSin1;
  s.ForcePDirection = second_slope ? 1 : -1;
  const int base = second_slope ? 4 : 3;
  auto& x = s.PointX;
  auto& y = s.PointY;
  // The two slope lengths share their sign, so the first one's serves both cases.
  y[8] = y[base] - sn * toolkit::SignOf(s.FrameSlopeLen1) * s.ForcePDistance * s.Scale;
  x[8] = x[base] + c * s.ForcePDistance * s.ForcePDirection * s.Scale;
  const int d = s.ForcePDirection;
  WriteLine(s, "\\put(" + toolkit::FormatFixed(x[8], 3, 1) + "," +
                   toolkit::FormatFixed(y[8], 3, 1) + "){\\begin{picture}(5,5)%");
  DrawVector(s, d, 0, 0, 0, 15);
  PutLabel(s, "$\\vec P$", 16 * d - 3, 2);
  PutLabel(s, "$N$", -7.5 * d - 3.5, -3);
  WriteLine(s, "\\end{picture}}");
  s.ForcePHorizontal = s.ForceValue[1] * d;
}

void DrawCoupleAndForceK(SharedState& s) {
  const int d = s.ForcePDirection;
  const double mx = (s.PointX[3 - d] + s.PointX[4 - d]) / 2;
  const double my = (s.PointY[3 - d] + s.PointY[4 - d]) / 2;
  s.SpareInt1 = 0;
  if ((s.FrameHorizLen1 == 0 && s.FrameSlopeLen1 > 0 && d == 1) ||
      (s.FrameHorizLen3 == 0 && s.FrameSlopeLen2 < 0 && d == -1 && s.FrameType != 1)) {
    s.SpareInt1 = 2;
  }
  // The couple is part of the data at every level but 1, so the figure shows it there.
  if (s.Level != 1) {
    if (s.CoupleMoment > 0) {
      PutBox(s, "momentplus", mx + s.SpareInt1, my - 1);
    } else {
      PutBox(s, "momentminus", mx + s.SpareInt1, my);
    }
    PutLabel(s, "$M$", mx - 11 * d - 6 + toolkit::SignOf(s.CoupleMoment), my);
  }
  s.ForceKSignX = -1;
  s.SupportOffset = 2;
  if (s.FrameHorizLen3 < 0) s.SupportOffset = s.FrameHorizLen2 - 4;
  if (s.FrameHorizLen2 - s.SupportOffset - 2 > 2) s.ForceKSignX = 1;
  s.ForceKSignY = s.FrameSlopeLen1 > 0 ? -1 : 1;
  s.ForceDirection[2] = s.LoadAngle1;
  s.ForceKDistance = Round(2.5 - 0.5 * s.ForceKSignX);
  s.PointY[7] = s.PointY[3];
  s.PointX[7] = s.PointX[3] + s.Scale * s.ForceKDistance;
  SetNodeForcePolar(s, 7, s.ForceKSignX, s.ForceKSignY, 2);
  DrawNodeForceWithAngle(s, 7, s.ForceKSignX, s.ForceKSignY, 2);
  PutLabel(s, "$K$", s.PointX[7] - 5, s.PointY[7] - 5 * s.ForceKSignY - 3);
}

void DrawNodeForceWithAngle(SharedState& s, int node, int sign_x, int sign_y, int k) {
  PutText(s, "{", s.PointX[node], s.PointY[node]);
  BeginPicture(s, 5, 5, 0, 0);
  const int angle = Round(s.ForceDirection[k]);
  double phi = 0;
  if (angle == 30 || angle == 45) {
    DrawThickRedVector(s, sign_x, sign_y, 0, 0, 16);
    phi = pi / 4;
  } else if (angle == 60 || angle == 75) {
    DrawThickRedVector(s, 2 * sign_x, 3 * sign_y, 0, 0, 10);
    phi = std::atan(1.5);
  }
  // Other directions have no arrow, so no reference line, arc or label either.
  if (phi != 0) {
    DrawDashedLine(s, 4, 0, 0, (1 - sign_x) * pi / 2, 11, 0.5);
    const ArcPlacement arc = ArcOf(sign_x, sign_y, phi);
    DrawLabelledArcArrow(s, 0, ForceAngleNames[k], arc.label_x, 0, 0, arc.from, arc.to, arc.radius,
                         arc.label_y);
    const Offset at = ForceLabelOffset(angle, sign_x, sign_y);
    PutLabel(s, "$\\vec " + ForceNames[k] + "$", at.x, at.y);
  }
  EndSaveBox(s);
}

std::optional<std::pair<double, double>> NodeForceLetterAt(const SharedState& s, int node,
                                                           int sign_x, int sign_y, int k) {
  const int angle = Round(s.ForceDirection[k]);
  if (angle != 30 && angle != 45 && angle != 60 && angle != 75) return std::nullopt;
  const Offset at = ForceLabelOffset(angle, sign_x, sign_y);
  return std::pair{s.PointX[node] + at.x, s.PointY[node] + at.y};
}

void DefineAngleMarkBoxes(SharedState& s) {
  DefineAngleMarkBox(s, "uleftalf", -1, pi, 12, 2 * pi / 3, pi, 9, "\\alpha ", -1, 0);
  DefineAngleMarkBox(s, "urightalf", 1, 0, 11, 0, pi / 3, 9, "\\alpha ", 2, 0);
  DefineAngleMarkBox(s, "dleftalf", -1, pi, 11, pi, 4 * pi / 3, 9, "\\alpha", -3, 2);
  DefineAngleMarkBox(s, "drightalf", 1, 0, 11, -pi / 3, 0, 8, "\\alpha", 1, 0);
}

void PutAngleMarkBoxes(SharedState& s) {
  if (s.FrameType == 1 || s.FrameType == 2) {
    PutBox(s, s.FrameSlopeLen1 > 0 ? "urightalf" : "drightalf", s.PointX[2], s.PointY[2]);
  }
  if (s.FrameType == 2 || s.FrameType == 3) {
    PutBox(s, s.FrameSlopeLen2 > 0 ? "uleftalf" : "dleftalf", s.PointX[5], s.PointY[5]);
  }
}

void SetAnglePair(Mechanics& m, int k) {
  static const int kPairs[7][2] = {{0, 0},   {30, 60}, {60, 30}, {30, 45},
                                   {60, 45}, {45, 30}, {45, 60}};
  if (k < 1 || k > 6) return;
  m.ForceDirection[1] = kPairs[k][0];
  m.ForceDirection[2] = kPairs[k][1];
}

void SetNodeForcePolar(Mechanics& m, int node, int sign_x, int sign_y, int k) {
  m.NodeForceX[node] = std::cos(Radians(m.ForceDirection[k])) * m.ForceValue[k] * sign_x;
  m.NodeForceY[node] = std::sin(Radians(m.ForceDirection[k])) * m.ForceValue[k] * sign_y;
}

double MomentOfNodeForce(const SharedState& s, int at, int about) {
  return s.NodeForceY[at] * (s.PointX[at] - s.PointX[about]) -
         s.NodeForceX[at] * (s.PointY[at] - s.PointY[about]);
}

double ArraySumRange(const toolkit::TPointArray& values, int first, int last) {
  double sum = 0;
  for (int i = first; i <= last; ++i) sum += values[i];
  return sum;
}

void SetTwoPartPoints12(SharedState& s, toolkit::TPointArray& x, toolkit::TPointArray& y) {
  const double a1 = s.TwoPartArm1, a2 = s.TwoPartArm2, a3 = s.TwoPartArm3, a4 = s.TwoPartArm4,
               a6 = s.TwoPartArm6;
  x[4] = y[4] = 0;
  y[5] = 0;
  x[5] = x[6] = a4;
  if (s.P2 == 1) y[6] = a6;
  if (s.P2 == 2) y[6] = -a6;
  const TwoPartRow rows[13] = {
      {0, 0, 0, 0, 0, 0},
      {a2, a3 - a1, a2, -a1, 0, -a1},
      {a2, -a1 - a3, a2, -a1, 0, -a1},
      {-a2, a3 - a1, -a2, -a1, 0, -a1},
      {-a2, -a1 - a3, -a2, -a1, 0, -a1},
      {-a1 - a3, -a2, -a1, -a2, -a1, 0},
      {a3 - a1, -a2, -a1, -a2, -a1, 0},
      {-a1 - a3, a2, -a1, a2, -a1, 0},
      {a3 - a1, a2, -a1, a2, -a1, 0},
      {a2, a1 + a3, a2, a1, 0, a1},
      {a2, a1 - a3, a2, a1, 0, a1},
      {-a2, a1 + a3, -a2, a1, 0, a1},
      {-a2, a1 - a3, -a2, a1, 0, a1},
  };
  if (s.P1 >= 1 && s.P1 <= 12) {
    PlaceFirstThreePoints(x, y, rows[s.P1]);
  }
  x[7] = y[7] = 0;
  if (s.P4 == 3 || s.P4 == 4 || s.P4 == 8) {
    const double f = s.SpareReal4;
    x[7] = Round(x[2] * f + x[3] * (1 - f));
    y[7] = Round(y[2] * f + y[3] * (1 - f));
  }
  x[8] = x[1];
  y[8] = y[7];
}

void SetTwoPartPoints8(SharedState& s, toolkit::TPointArray& x, toolkit::TPointArray& y, double,
                       double) {
  const double a1 = s.TwoPartArm1, a2 = s.TwoPartArm2, a3 = s.TwoPartArm3, a4 = s.TwoPartArm4,
               a5 = s.TwoPartArm5, a6 = s.TwoPartArm6, a7 = s.TwoPartArm7;
  x[4] = y[4] = 0;
  x[10] = y[10] = 0;
  y[5] = 0;
  x[5] = x[6] = a4;
  if (s.P2 == 1) y[6] = a6;
  if (s.P2 == 2) y[6] = -a6;
  x[7] = 0;
  y[7] = y[8] = -a5;
  if (s.P3 == 1) x[8] = -a6;
  if (s.P3 == 2) x[8] = a6;
  struct Row {
    double x1, y1, x2, y2, x3, y3, x9, y9;
  };
  const Row rows[9] = {
      {0, 0, 0, 0, 0, 0, 0, 0},
      {-a1 - a3, -a2, -a1, -a2, -a1, 0, -a7 - a1, 0},
      {a3 - a1, -a2, -a1, -a2, -a1, 0, -a7 - a1, 0},
      {-a1 - a3, a2, -a1, a2, -a1, 0, -a7 - a1, 0},
      {a3 - a1, a2, -a1, a2, -a1, 0, -a7 - a1, 0},
      {a2, a1 + a3, a2, a1, 0, a1, 0, a1 + a7},
      {a2, a1 - a3, a2, a1, 0, a1, 0, a1 + a7},
      {-a2, a1 + a3, -a2, a1, 0, a1, 0, a1 + a7},
      {-a2, a1 - a3, -a2, a1, 0, a1, 0, a1 + a7},
  };
  if (s.P1 >= 1 && s.P1 <= 8) {
    const Row& r = rows[s.P1];
    PlaceFirstThreePoints(x, y, r);
    x[9] = r.x9;
    y[9] = r.y9;
  }
}

void Solve2x2Cramer(SharedState& s, double a, double b, double c, double d, double e, double f) {
  if (s.WriteCramerRows) {
    // One equation u*X + v*Y + w = 0, its terms as written by hand (no 0*X, 1*X or "+0").
    const auto equation = [&s](double u, double v, double w) {
      return toolkit::TermSum("\\cdot ")
          .Add(u, s.UnknownName1)
          .Add(v, s.UnknownName2)
          .Add(w)
          .Text();
    };
    Ans2Write(s, "& $" + equation(a, b, c) + "=0; \\ \\ " + equation(d, e, f) + "=0. $  ");
  }
  const double det = b * d - a * e;
  if (det == 0) {
    throw toolkit::DegenerateDataError(
        "the two equations in " + s.UnknownName1 + ", " + s.UnknownName2 +
        " have no unique solution (a=" + toolkit::FormatNumber(a) +
        ", b=" + toolkit::FormatNumber(b) + ", d=" + toolkit::FormatNumber(d) +
        ", e=" + toolkit::FormatNumber(e) + ")");
  }
  s.CramerSolution2 = (a * f - d * c) / det;
  s.CramerSolution1 = (e * c - b * f) / det;
}

}  // namespace structural
