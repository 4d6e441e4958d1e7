#include "subjects/kinematics/clutch_mechanism.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kO = 1, kA = 2, kB = 3, kC = 4, kD = 5, kE = 6;
constexpr const char* kSystemName = "mechanism with a clutch";
constexpr int kAnswersPerTable = 6;

using toolkit::FormatFixed;

double Round(double x) { return toolkit::RoundHalfEven(x); }

// What one variant is made of besides the point set.
struct Clutch {
  int kind = 1;  ///< 1: sleeve on the carrier, hinged to ED; 2: on ED, hinged to the carrier;
                 ///< 3: on a fixed hinge at E, the rod from D through it
  int carrier_start = kO, carrier_end = kA;
  int guide_from = kA, guide_to = kO;  ///< u runs from guide_to to guide_from
  int sleeve = kD;
  int slider_guide = 1;  ///< schemes 6-8: 1 horizontal, 2 vertical
  char e_letter = 'E';
  int oa = 0, theta = 45;
  int ab = 0, bc = 0, ed = 0;  ///< the rounded lengths
  double xb = 0, yb = 0;       ///< B in centimetres, O at the origin
};

bool FourBar(const SharedState& s) { return s.P1 <= 5; }

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

// E := (Round(x_i) + dx, Round(y_i) + dy), a fixed hinge of its own.
void PlaceEOffset(SharedState& s, Clutch& c, int i, double dx, double dy) {
  SetPoint(s, kE, Round(s.PointX[i]) + dx, Round(s.PointY[i]) + dy);
  c.e_letter = 'E';
}

// E on a joint of the mechanism: no hinge or label of its own.
void PlaceEAt(SharedState& s, Clutch& c, int i) {
  SetPoint(s, kE, s.PointX[i], s.PointY[i]);
  c.e_letter = "?OABC"[i];
}

Clutch SetUpClutch(const SharedState& s) {
  Clutch c;
  c.kind = (s.P2 + 1) / 2;
  if (FourBar(s)) {
    c.carrier_start = s.P3 == 1 ? kO : s.P3 == 4 ? kB : kA;
    c.carrier_end = s.P3 == 1 ? kA : s.P3 == 4 ? kC : kB;
  } else {
    const bool crank = s.P3 == 1 || s.P3 == 3;
    c.carrier_start = crank ? kO : kA;
    c.carrier_end = crank ? kA : kB;
  }
  if (c.kind == 1) {
    c.guide_to = c.carrier_end;
    c.guide_from = c.carrier_start;
  } else if (c.kind == 2) {
    c.guide_to = kE;
    c.guide_from = kD;
  } else {
    c.guide_to = kD;
    c.guide_from = kE;
  }
  c.sleeve = c.kind == 3 ? kE : kD;
  c.slider_guide = s.P3 <= 2 ? 1 : 2;
  c.oa = 5 * s.P5 + 25;
  c.theta = 15 * (s.P2 % 2 == 1 ? 1 : 2) + 30;
  return c;
}

void PlaceBaseMechanism(SharedState& s, Clutch& c) {
  const double oa = c.oa, t = c.theta * kPi / 180;
  SetPoint(s, kO, 0, 0);
  SetPoint(s, kA, oa * std::cos(t), oa * std::sin(t));
  SetPoint(s, kC, 0, 0);
  const double xa = s.PointX[kA], ya = s.PointY[kA];
  int side = 1;
  switch (s.P1) {
    case 1:
      SetPoint(s, kC, 2 * oa, 0);
      SetPoint(s, kB, 2 * oa - 2 * s.P4, ya + 2 * s.P5 + 4);
      side = 1;
      break;
    case 2:
      SetPoint(s, kC, Round(3.4 * xa) + s.P5, 0);
      SetPoint(s, kB, xa + s.P4, -s.P4 - 2);
      side = -1;
      break;
    case 3:
      SetPoint(s, kC, 0, -Round(ya + s.P5));
      SetPoint(s, kB, -2 * oa + 2 * s.P4, 0);
      side = -1;
      break;
    case 4:
      SetPoint(s, kC, -Round(oa + s.P4), 0);
      SetPoint(s, kB, Round(s.PointX[kC] - xa + 2 * s.P5), ya - 7);
      side = -1;
      break;
    case 5:
      SetPoint(s, kB, 0, 1.5 * ya + s.P4);
      SetPoint(s, kC, Round(2 * oa) + s.P5, Round(s.PointY[kB]) - 8);
      side = 1;
      break;
    case 6:
      SetPoint(s, kB, 1.6 * oa - 2 * s.P5, Round(ya / 3) - s.P4);
      side = c.slider_guide == 1 ? 1 : -1;
      // The pivot of kinds 1 and 2 is set from the first B.
      SetPoint(s, kE, Round((xa + s.PointX[kB]) / 2) + 3, 0);
      break;
    case 7:
      SetPoint(s, kB, -oa - s.P5, 0);
      side = -1;
      break;
    default:  // 8
      SetPoint(s, kB, -1.6 * oa - s.P5, Round(1.3 * oa));
      side = c.slider_guide == 1 ? -1 : 1;
      break;
  }
  c.ab = figures::PointDistanceRounded(s, kB, kA);
  if (FourBar(s)) {
    c.bc = figures::PointDistanceRounded(s, kB, kC);
    figures::IntersectCircles(s, kA, kC, kB, side, c.ab, c.bc);
  } else {
    const double line = c.slider_guide == 1 ? s.PointY[kB] : s.PointX[kB];
    figures::IntersectCircleAxisLine(s, kA, kB, side, c.slider_guide, line, c.ab);
  }
}

void PlacePivot(SharedState& s, Clutch& c) {
  const int p3 = s.P3;
  if (c.kind == 3) {
    switch (s.P1) {
      case 1:
        PlaceEOffset(s, c, kO, 30, 0);
        break;
      case 2: {
        const int from[] = {kO, kC, kC, kC};
        const double dy[] = {20, 10, 30, 20};
        PlaceEOffset(s, c, from[p3 - 1], 0, dy[p3 - 1]);
        break;
      }
      case 3: {
        const int from[] = {kO, kB, kA, kC};
        const double dx[] = {10, 5, -5, -20}, dy[] = {0, 10, 10, 0};
        PlaceEOffset(s, c, from[p3 - 1], dx[p3 - 1], dy[p3 - 1]);
        break;
      }
      case 4:
        PlaceEOffset(s, c, kC, 20, s.P4 + 5);
        break;
      case 5: {
        const int from[] = {kO, kC, kO, kO};
        const double dx[] = {s.P4 + 30.0, 0, -20, s.P5 + 20.0};
        const double dy[] = {0, -10.0 - s.P5, 30, 0};
        PlaceEOffset(s, c, from[p3 - 1], dx[p3 - 1], dy[p3 - 1]);
        break;
      }
      case 6:
        PlaceEOffset(s, c, kO, s.P4 + 30, 0);
        break;
      default:  // 7, 8
        if (p3 == 1 || p3 == 3) {
          PlaceEOffset(s, c, kO, s.P4 + 40, 0);
        } else {
          PlaceEOffset(s, c, kO, 0, 20);
        }
        break;
    }
    return;
  }
  if (p3 == 1) return PlaceEAt(s, c, kB);
  if (FourBar(s) && p3 == 3) return PlaceEAt(s, c, kC);
  switch (s.P1) {
    case 1:
      PlaceEOffset(s, c, kO, 30, 0);
      break;
    case 2:
      PlaceEOffset(s, c, kC, 0, p3 == 2 ? 30 : 40);
      break;
    case 3:
      if (p3 == 2) {
        SetPoint(s, kE, Round(s.PointX[kB]) + s.P5, Round(s.PointY[kA]) + 5);
      } else {
        SetPoint(s, kE, Round(s.PointX[kB]) - s.P5, s.PointY[kC]);
      }
      c.e_letter = 'E';
      break;
    case 4:
      if (p3 == 2) {
        PlaceEAt(s, c, kO);
      } else {
        PlaceEOffset(s, c, kC, -15, 0);
      }
      break;
    case 5:
      if (p3 == 2) {
        PlaceEAt(s, c, kO);
      } else {
        SetPoint(s, kE, s.PointX[kC], s.PointY[kO]);
        c.e_letter = 'E';
      }
      break;
    case 6:
      if (p3 == 3) {
        PlaceEAt(s, c, kB);
      } else {
        c.e_letter = 'E';  // E as set from the first B
      }
      break;
    default:  // 7, 8
      if (p3 == 3) {
        PlaceEAt(s, c, kB);
      } else {
        SetPoint(s, kE, Round(s.PointX[kB]) + (p3 == 2 ? 4 : 0), Round(0.5 * c.oa));
        c.e_letter = 'E';
      }
      break;
  }
}

// The angle at O: its arc's radius and its value as written.
constexpr double kAngleRadius = 12;
std::string AngleText(int degrees) { return "$" + std::to_string(degrees) + "^\\circ$"; }

// The text 6 + extra units beyond point j on the line from i through j (len is the length of
// i-j in centimetres), shifted by side horizontally away from the line.
void PutLabelBeyondPoint(SharedState& s, figures::LabelSpacing& placed, int i, int j,
                         std::string_view text, double len, double extra, double side) {
  if (len == 0) throw toolkit::DegenerateDataError("label beyond a point of a zero-length link");
  const double ux = (s.PointX[j] - s.PointX[i]) / (s.Scale * len);
  const double uy = (s.PointY[j] - s.PointY[i]) / (s.Scale * len);
  const double d = 6 + extra;
  figures::PutLabelClear(s, placed, text, s.PointX[j] + d * ux - 3 + side * toolkit::SignOf(ux),
                         s.PointY[j] + d * uy - 1.5);
}

void DrawDimensionChains(SharedState& s, const Clutch& c) {
  toolkit::TPointArray values{}, stops{};
  const bool four_bar = FourBar(s);
  values[1] = s.PointX[kO];
  values[2] = four_bar ? s.PointX[kC] : s.P3 <= 2 ? s.PointX[kO] : s.PointX[kB];
  values[3] = s.P3 == 1 && c.kind != 3 ? s.PointX[kO] : s.PointX[kE];
  figures::SortDistinctCoords(s, 3, values, stops);
  for (int i = 1; i < s.DimensionStopCount; ++i) {
    figures::DrawDimensionH(s, stops[i], stops[i + 1], -16);
  }
  values[1] = s.PointY[kO];
  values[2] = four_bar ? s.PointY[kC] : s.P3 >= 3 ? s.PointY[kO] : s.PointY[kB];
  values[3] = (s.P3 == 1 || s.P3 == 3) && c.kind != 3 ? s.PointY[kO] : s.PointY[kE];
  figures::SortDistinctCoords(s, 3, values, stops);
  for (int i = 1; i < s.DimensionStopCount; ++i) {
    figures::DrawDimensionV(s, -1, stops[i], stops[i + 1], s.RangeX);
  }
}

// The letters, each kept clear of the angle's value at O and of the letters before it.
void DrawClutchLabels(SharedState& s, const Clutch& c, figures::LabelSpacing& placed) {
  toolkit::WriteLine(s, "%");
  toolkit::WriteLine(s, "% п о д п и с и ");
  figures::PutBox(s, c.theta == 45 ? "AngeL" : "AngeB", s.PointX[kO], s.PointY[kO]);
  const auto [ax, ay] = figures::LabelledArcLabelAt(2, s.PointX[kO], s.PointY[kO], 0,
                                                    c.theta * kPi / 180, kAngleRadius);
  placed.Reserve(ax, ay, figures::LabelWidth(AngleText(c.theta), 8), 7);
  PutLabelBeyondPoint(s, placed, kO, kA, "$A$", c.oa, 0, 0);
  if (FourBar(s)) PutLabelBeyondPoint(s, placed, kC, kB, "$B$", c.bc, 0, 0);
  const double extra = s.P1 == 5 || s.P1 == 8 ? -1 : 2;
  PutLabelBeyondPoint(s, placed, kE, kD, "$D$", c.ed, extra, c.kind == 2 ? 5 : 0);
  const double xe = s.PointX[kE], ye = s.PointY[kE];
  if (c.e_letter == 'E' && c.kind != 3) {
    figures::PutLabelClear(s, placed, "$E$", s.PointX[kD] > xe ? xe - 10 : xe + 4, ye - 3,
                           20);
  }
  figures::PutLabelClear(s, placed, "$O$", s.PointX[kO] - 10, s.PointY[kO] - 3);
  if (FourBar(s)) {
    figures::PutLabelClear(s, placed, "$C$", s.PointX[kC] + 3, s.PointY[kC] - 3);
  } else if (s.P3 <= 2) {
    figures::PutLabelClear(s, placed, "$B$", s.PointX[kB] - 14, s.PointY[kB] - 2);
  } else {
    figures::PutLabelClear(s, placed, "$B$", s.PointX[kB] + 8, s.PointY[kB] + 5);
  }
}

void DrawClutchGuide(SharedState& s, const Clutch& c, figures::LabelSpacing& placed) {
  ComputeSegmentDirection(s, c.guide_from, c.guide_to);
  const double ux = s.SegmentDirX, uy = s.SegmentDirY;
  auto x = [&](int i) { return s.PointX[i]; };
  auto y = [&](int i) { return s.PointY[i]; };
  if (c.kind == 1) {
    figures::DrawSegmentFromNode(s, x(c.carrier_end), y(c.carrier_end), x(kD) - 5 * ux,
                                 y(kD) - 5 * uy);
    figures::DrawSegmentFromNode(s, x(c.carrier_start), y(c.carrier_start), x(kD) + 5 * ux,
                                 y(kD) + 5 * uy);
    figures::DrawBar(s, kE, kD);
  } else if (c.kind == 2) {
    figures::DrawSegmentFromNode(s, x(kE), y(kE), x(kD) - 5 * ux, y(kD) - 5 * uy);
    figures::DrawSegmentFromNode(s, x(kD) + 15 * ux, y(kD) + 15 * uy, x(kD) + 5 * ux,
                                 y(kD) + 5 * uy);
    figures::DrawBar(s, c.carrier_start, kD);
    figures::DrawBar(s, kD, c.carrier_end);
  } else {
    figures::DrawSegmentWithRing(s, x(kD), y(kD), x(kE) - 5 * ux, y(kE) - 5 * uy);
    figures::DrawSegmentFromNode(s, x(kE) + 12 * ux, y(kE) + 12 * uy, x(kE) + 5 * ux,
                                 y(kE) + 5 * uy);
    figures::DrawBar(s, c.carrier_start, c.carrier_end);
    figures::PutLabelClear(s, placed, "$E$", x(kE) - 5 * uy - 1, y(kE) + 5 * std::fabs(ux), 20);
  }
  figures::SetLineWidth(s, 2);
  figures::DrawRotatedBlock(s, 5, x(c.sleeve), y(c.sleeve), s.SegmentAngle, 10, 4);
}

void DrawClutchMechanism(SharedState& s, const Clutch& c) {
  figures::FitPointsToBox(s, 6, 0);
  toolkit::WriteText(s, "\\vskip1mm");
  // The fitted joints with the dimensions below and right of them, the supports and letters.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 15 + 26, 94, -15, -18);
  DrawDimensionChains(s, c);
  figures::LabelSpacing placed;
  DrawClutchLabels(s, c, placed);
  figures::SetLineWidth(s, 8);
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kA, kB);
  if (FourBar(s)) figures::DrawBar(s, kC, kB);
  figures::SetLineWidth(s, 2);
  if (!FourBar(s)) figures::PutSlidingBlockAtPoint(s, kB, c.slider_guide);
  figures::DrawNodeMarker(s, kA);
  figures::DrawNodeMarker(s, kB);
  if (c.kind != 3) figures::DrawNodeMarker(s, kD);
  figures::PutHingeBoxAtPoint(s, kO);
  if (FourBar(s)) figures::PutHingeBoxAtPoint(s, kC);
  if (c.e_letter == 'E') figures::PutHingeBoxAtPoint(s, kE);
  figures::SetLineWidth(s, 7);
  DrawClutchGuide(s, c, placed);
  toolkit::EndPicture(s);
}

void FillClutchMatrix(SharedState& s, double ux, double uy) {
  s.SystemMatrix[1][1] = ux;
  s.SystemMatrix[1][2] = s.PointY[kD] - s.PointY[kE];
  s.SystemMatrix[2][1] = uy;
  s.SystemMatrix[2][2] = s.PointX[kE] - s.PointX[kD];
}

struct ClutchMotion {
  double v_r = 0, a_r = 0;
  double w_e = 0, eps_e = 0;  ///< the printed omega_e and epsilon_e columns
};

ClutchMotion SolveClutchMechanism(SharedState& s, const Clutch& c) {
  ClearLinkagePoints(s, 6);
  ClearLinkOmega(s, 6);
  s.LinkOmega[kA][kO] = s.P6;
  // The crank turns uniformly, whatever an earlier problem left here.
  s.LinkEpsilon[kA][kO] = 0;
  s.LinkEpsilon[kO][kA] = 0;
  SolveRigidLinkPoint(s, kA, kO, kA);
  if (FourBar(s)) {
    SolveTwoLinkGroup(s, kA, kB, kC, kSystemName);
  } else {
    SolveSliderGroup(s, kA, kB, c.slider_guide, kSystemName);
  }
  SolveRigidLinkPoint(s, c.carrier_start, c.carrier_end, kD);
  int g = kE;
  if (c.kind == 3) {
    g = kD;
  } else if ((!FourBar(s) && s.P3 == 3) || s.P3 == 1) {
    g = kB;
  }
  const int sl = c.sleeve;
  ComputeSegmentDirection(s, c.guide_from, c.guide_to);
  const double ux = s.SegmentDirX, uy = s.SegmentDirY;

  FillClutchMatrix(s, ux, uy);
  s.SystemRhs[1][1] = s.LinkPointVx[g] - s.LinkPointVx[sl];
  s.SystemRhs[2][1] = s.LinkPointVy[g] - s.LinkPointVy[sl];
  structural::SolveLinearSystem(s, 2, 1, kSystemName);
  ClutchMotion m;
  m.v_r = s.SystemRhs[1][1];
  const double w_e = s.SystemRhs[2][1];

  FillClutchMatrix(s, ux, uy);
  const double w_g = c.kind == 1 ? s.LinkOmega[c.carrier_start][c.carrier_end] : w_e;
  const double cor = 2 * w_g * m.v_r;
  const double cx = -cor * uy, cy = cor * ux;
  const double nx = w_e * w_e * (s.PointX[kD] - s.PointX[kE]);
  const double ny = w_e * w_e * (s.PointY[kD] - s.PointY[kE]);
  if (c.kind == 3) {
    s.SystemRhs[1][1] = s.LinkPointAx[g] + nx + cx;
    s.SystemRhs[2][1] = s.LinkPointAy[g] + ny + cy;
  } else {
    s.SystemRhs[1][1] = s.LinkPointAx[g] - s.LinkPointAx[sl] - nx - cx;
    s.SystemRhs[2][1] = s.LinkPointAy[g] - s.LinkPointAy[sl] - ny - cy;
  }
  structural::SolveLinearSystem(s, 2, 1, kSystemName);
  m.a_r = s.SystemRhs[1][1];
  const double eps_e = s.SystemRhs[2][1];
  // The system of the fixed sleeve is written for the rod's turn taken clockwise; the answers
  // count angles counter-clockwise like every other column.
  m.w_e = c.kind == 3 ? -w_g : w_g;
  m.eps_e = c.kind == 3 ? -eps_e : eps_e;
  return m;
}

void WriteAngleBox(SharedState& s, const std::string& name, int degrees) {
  toolkit::WriteLine(s, "\\newsavebox{\\" + name + "}\\sbox{\\" + name + "}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  figures::DrawLabelledArc(s, 1, AngleText(degrees), 2, 0, 0, 0, degrees * kPi / 180,
                           kAngleRadius);
  figures::MoveTo(s, 1, 0);
  figures::LineTo(s, 18, 0);
  toolkit::EndSaveBox(s);
}

}  // namespace

void BeginClutchMechanismProblem(SharedState& s) {
  s.BlockCentred = false;
  s.ParboxWidth = 175;
  WriteAngleBox(s, "AngeL", 45);
  WriteAngleBox(s, "AngeB", 60);
  // Sixteen answers of up to eleven characters do not fit across the page in the two tables
  // of seven and eleven columns: tables of six, the joints' velocities and B first (in the
  // answers file), then the angular values and the accelerations (in the second).
  toolkit::BeginSplitAnswers(
      s,
      {"&\\mc{$v_A$}", "&\\mc{$v_B$}", "&\\mc{$v_D$}", "&\\mc{$v_r$}", "&\\mc{$x_B$}",
       "&\\mc{$y_B$}", "&\\mc{$\\omega_{AB}$}", "&\\mc{$\\omega_{BC}$}", "&\\mc{$\\omega_{e}$}",
       "&\\mc{$\\varepsilon_{AB}$}", "&\\mc{$\\varepsilon_{BC}$}", "&\\mc{$\\varepsilon_{e}$}",
       "&\\mc{$a_A$}", "&\\mc{$a_B$}", "&\\mc{$a_D$}", "&\\mc{$a_r$}"},
      kAnswersPerTable, "");
  toolkit::WriteText(s, "\\tabcolsep=1pt");
  toolkit::WriteLine(s,
                     "Плоский  механизм  с  одной  степенью  свободы состоит  из  шарнирно  "
                     "соединенных  стержней  и  муфты,  скользящей   по");
  toolkit::WriteLine(s,
                     "направляющему стержню и шарнирно закрепленной на другом стержне  или    "
                     "вращающейся на неподвижном шарнире. Кривошип $OA$ вращается против  "
                     "часовой");
  toolkit::WriteLine(s, "стрелки  с постоянной угловой скоростью $\\omega_{OA}$.");
  toolkit::WriteLine(s,
                     "Горизонтальные  и вертикальные размеры на рисунках даны для  неподвижных  "
                     "шарниров  и  для линий движения ползунов (в см). Найти скорость муфты");
  toolkit::WriteLine(s,
                     "$D$ (или  $E$)  относительно  направляющего  стержня (в см/с).");
  toolkit::WriteBookReference(s, 216);
  s.BoxWidth = 120;
  s.BoxHeight = 65;
}

void WriteClutchMechanismVariant(SharedState& s) {
  s.BlockCentred = true;
  Clutch c = SetUpClutch(s);
  PlaceBaseMechanism(s, c);
  PlacePivot(s, c);
  figures::SetMidpoint(s, kD, c.carrier_start, c.carrier_end);
  c.ed = figures::PointDistanceRounded(s, kD, kE);
  c.xb = s.PointX[kB];
  c.yb = s.PointY[kB];

  DrawClutchMechanism(s, c);

  const std::string letters = "?OABC";
  const char l1 = letters[c.carrier_start], l2 = letters[c.carrier_end];
  toolkit::WriteTextNumberLn(s, "\\vskip6mm\\hfill\\parbox[b]{170pt}{\\small $\\omega_{OA}=",
                             s.P6, "\\frac{1}{c}$,  ");
  toolkit::WriteText2NumbersLn(s, "$\\alpha=", c.theta, "^\\circ$, $OA=", c.oa, "$,\\\\");
  toolkit::WriteTextNumberLn(s, "$AB=", c.ab, "$,");
  if (FourBar(s)) toolkit::WriteTextNumberLn(s, " $BC=", c.bc, "$,");
  toolkit::WriteText(s, std::string("$") + l1 + "D$=$" + l1 + l2 + "/2.$}");

  structural::ClearLinearSystem(s, 2);
  figures::ScalePoints(s, 6);
  const ClutchMotion m = SolveClutchMechanism(s, c);

  const bool four_bar = FourBar(s);
  toolkit::AnswersRow row(s, true, FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  row.Item("&" + FormatFixed(s.LinkPointSpeed[kA], 5, 0));
  row.Item("&" + FormatFixed(s.LinkPointSpeed[kB], 9, 4));
  row.Item("&" + FormatFixed(s.LinkPointSpeed[kD], 9, 4));
  row.Item("&" + FormatFixed(m.v_r, 10, 4));
  row.Item("&" + FormatFixed(c.xb, 8, 3));
  row.Item("&" + FormatFixed(c.yb, 8, 3));
  row.Item("&" + FormatFixed(s.LinkOmega[kA][kB], 9, 3));
  row.Item(four_bar ? "&" + FormatFixed(s.LinkOmega[kB][kC], 9, 3)
                    : "& " + std::string(toolkit::kNoValue));
  row.Item("&" + FormatFixed(m.w_e, 9, 3));
  row.Item("&" + FormatFixed(s.LinkEpsilon[kA][kB], 9, 3));
  row.Item(four_bar ? "&" + FormatFixed(s.LinkEpsilon[kB][kC], 9, 3)
                    : "& " + std::string(toolkit::kNoValue));
  row.Item("&" + FormatFixed(m.eps_e, 11, 3));
  row.Item("&" + FormatFixed(s.LinkPointAccel[kA] * 0.01, 6, 3));
  row.Item("&" + FormatFixed(s.LinkPointAccel[kB] * 0.01, 10, 3));
  row.Item("&" + FormatFixed(s.LinkPointAccel[kD] * 0.01, 10, 3));
  row.Item("&$" + FormatFixed(m.a_r * 0.01, 11, 3) + "$ ");
  row.End();
}

}  // namespace kinematics
