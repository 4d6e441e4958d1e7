#include "subjects/kinematics/three_angular_velocities.h"

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
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kO = 1, kA = 2, kB = 3, kC = 4;

double Round(double x) { return toolkit::RoundHalfEven(x); }
// Integer division of a rounded value, cut toward zero.
double RoundDiv2(double x) { return static_cast<double>(static_cast<long>(Round(x)) / 2); }

bool CrankOnCircle(int scheme) { return scheme <= 5 || scheme == 10; }

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

// The four-bar as first laid out; returns the side on which B is refitted (0: AB vertical).
int PlaceLinkage(SharedState& s, int& rounded_ab, int& rounded_bc) {
  const int scheme = s.P1;
  const double theta = (15 * s.P2 + 30) * kPi / 180;
  const double L = 2 * s.P5 + 25;
  SetPoint(s, kO, 0, 0);
  if (CrankOnCircle(scheme)) SetPoint(s, kA, L * std::cos(theta), L * std::sin(theta));
  const double xa = s.PointX[kA], ya = s.PointY[kA];
  int side = 0;
  switch (scheme) {
    case 1:
      SetPoint(s, kC, 4 * L, 0);
      SetPoint(s, kB, RoundDiv2(xa + 4 * L) + s.P4, -ya - s.P5);
      side = -1;
      break;
    case 2:
      SetPoint(s, kC, 3 * L, 0);
      SetPoint(s, kB, RoundDiv2(xa + 3 * L) + s.P4, ya + 5 + 2 * s.P3);
      side = 1;
      break;
    case 3:
      SetPoint(s, kC, 4 * L, L);
      SetPoint(s, kB, xa + 6 - 4 * s.P3, ya - 0.7 * L);
      side = s.P4 == 2 ? -1 : 1;
      break;
    case 4:
      SetPoint(s, kC, -2.5 * L, 0);
      SetPoint(s, kB, -45 - s.P4, ya - 2 * s.P3);
      side = 1;
      break;
    case 5:
      SetPoint(s, kC, 0, -L - s.P4);
      SetPoint(s, kB, -4 * L - s.P4, -static_cast<double>(static_cast<int>(L) / 3));
      side = -1;
      break;
    case 6:
      SetPoint(s, kC, 6 * L, 0);
      SetPoint(s, kA, (s.P2 + 1) * L + 2 * s.P4, L);
      SetPoint(s, kB, s.PointX[kA], -L - 2 * s.P5);
      break;
    case 7:
      SetPoint(s, kC, 4 * L, 0);
      SetPoint(s, kA, (s.P2 + 1) * L, 0.5 * L);
      SetPoint(s, kB, s.PointX[kA], 1.5 * L);
      break;
    case 8:
      SetPoint(s, kC, -5 * L, 0);
      SetPoint(s, kA, L, L + s.P3);
      SetPoint(s, kB, s.PointX[kA], s.PointY[kA] + 2 * L + s.P4);
      break;
    case 9:
      SetPoint(s, kC, -5 * L, 0);
      SetPoint(s, kA, L, L + 2 * s.P3);
      SetPoint(s, kB, s.PointX[kA], -s.PointY[kA] - s.P4);
      break;
    default:  // 10
      SetPoint(s, kC, -4 * L, L + s.P5);
      SetPoint(s, kB, xa + s.P4 + 2, ya + 3 * s.P4 + 11);
      side = -1;
      break;
  }
  rounded_ab = figures::PointDistanceRounded(s, kB, kA);
  rounded_bc = figures::PointDistanceRounded(s, kB, kC);
  // Whole-number lengths AB and BC: B moves onto both rounded circles.
  if (side != 0) figures::IntersectCircles(s, kA, kC, kB, side, rounded_ab, rounded_bc);
  return side;
}

void DrawLinkage(SharedState& s) {
  const int scheme = s.P1;
  auto x = [&](int i) { return s.PointX[i]; };
  auto y = [&](int i) { return s.PointY[i]; };
  figures::FitPointsToBox(s, 4, 0);
  toolkit::WriteText(s, "\\vskip1pt");
  // The fitted joints with the letters above and left of them and the vertical dimension with
  // its value right of them.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 16 + 28, 86, -16, -15);
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  if (CrankOnCircle(scheme)) {
    // The angle's value at O, drawn with its mark below, keeps its place.
    const int degrees = s.P2 == 1 ? 45 : 60;
    const auto [ax, ay] =
        figures::LabelledArcLabelAt(2, x(kO), y(kO), 0, degrees * kPi / 180, 12);
    placed.Reserve(ax, ay, figures::LabelWidth("$" + std::to_string(degrees) + "^\\circ$", 8), 7);
  }
  figures::SetLineWidth(s, 2);
  if (scheme == 4 || scheme >= 8) {
    figures::PutBlueLabelClear(s, placed, "$C$", x(kC) - 4, y(kC) + 3);
  } else {
    figures::PutBlueLabelClear(s, placed, "$C$", x(kC) + 3, y(kC) - 2);
  }
  if (scheme == 1) {
    figures::PutBlueLabelClear(s, placed, "$B$", x(kB) + 3, y(kB) - 5);
  } else if (scheme == 2 || scheme == 9 || scheme == 10) {
    figures::PutBlueLabelClear(s, placed, "$B$", x(kB) + 3, y(kB));
  } else if (scheme == 4 || scheme == 8) {
    figures::PutBlueLabelClear(s, placed, "$B$", x(kB) - 10, y(kB) + 2);
  } else {
    figures::PutBlueLabelClear(s, placed, "$B$", x(kB) - 11, y(kB) - 2);
  }
  if (scheme != 5) figures::DrawDimensionH(s, x(kO), x(kC), -14);
  const bool vertical = scheme == 3 || scheme >= 5;
  if (vertical) figures::DrawDimensionV(s, -1, y(kO), y(kC), s.RangeX);
  if (scheme == 1 || scheme == 2) {
    figures::PutBlueLabelClear(s, placed, "$O$", x(kO) - 11, y(kO) - 3);
    figures::PutBlueLabelClear(s, placed, "$A$", x(kA) - 12, y(kA) - 1);
  } else if (scheme == 4) {
    figures::PutBlueLabelClear(s, placed, "$O$", x(kO) - 8, y(kO) + 2);
    figures::PutBlueLabelClear(s, placed, "$A$", x(kA) - 12, y(kA) - 1);
  } else if (scheme == 5) {
    figures::PutBlueLabelClear(s, placed, "$O$", x(kO) - 11, y(kO) - 3);
    figures::PutBlueLabelClear(s, placed, "$A$", x(kA) + 3, y(kA) - 4);
  } else if (scheme >= 8) {
    figures::PutBlueLabelClear(s, placed, "$O$", x(kO) - 5, y(kO) + 2);
    figures::PutBlueLabelClear(s, placed, "$A$", x(kA) + 3, y(kA) - 1);
  } else {  // 3, 6, 7
    figures::PutBlueLabelClear(s, placed, "$O$", x(kO) - 11, y(kO) - 3);
    figures::PutBlueLabelClear(s, placed, "$A$", x(kA) + 3, y(kA) - 1);
  }
  if (scheme != 3 && scheme != 10) {
    if (x(kO) > x(kC)) {
      figures::DrawDashedLineMultiput(s, static_cast<int>(Round((x(kO) - x(kC)) / 11)), x(kO) - 10,
                                      y(kO), x(kC) + 10, y(kO));
    } else if (x(kO) < x(kC)) {
      figures::DrawDashedLineMultiput(s, static_cast<int>(Round((x(kC) - x(kO)) / 11)), x(kO) + 10,
                                      y(kO), x(kC) - 10, y(kO));
    }
  }
  figures::SetLineWidth(s, 8);
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kA, kB);
  figures::DrawBar(s, kB, kC);
  figures::SetLineWidth(s, 3);
  if (CrankOnCircle(scheme)) figures::PutBox(s, s.P2 == 1 ? "aNGLL" : "aNGLB", x(kO), y(kO));
  figures::DrawNodeMarker(s, kA);
  figures::DrawNodeMarker(s, kB);
  figures::PutHingeBoxAtPoint(s, kO);
  figures::PutHingeBoxAtPoint(s, kC);
  toolkit::EndPicture(s);
}

struct FittedLinkage {
  double w_oa = 0, w_ab = 0, w_bc = 0;
  double oa = 0, ab = 0, bc = 0;
};

// Solves the drawn four-bar, rounds its angular velocities and moves the joints so that the
// rounded values hold exactly.
FittedLinkage FitLinkLengthsToAngularVelocities(SharedState& s, int rounded_ab) {
  figures::ScalePoints(s, 4);
  ClearLinkagePoints(s, 4);
  ClearLinkOmega(s, 3);
  if (s.P2 == 1) {
    s.LinkOmega[kA][kO] = s.P5;
    SolveRigidLinkPoint(s, kA, kO, kA);
    SolveTwoLinkGroup(s, kA, kB, kC, "four-bar linkage");
  } else {
    s.LinkOmega[kB][kC] = s.P5;
    SolveRigidLinkPoint(s, kB, kC, kB);
    SolveTwoLinkGroup(s, kB, kA, kO, "four-bar linkage");
  }
  FittedLinkage f;
  f.w_oa = RoundAngularVelocity(s.LinkOmega[kO][kA]);
  f.w_ab = RoundAngularVelocity(s.LinkOmega[kA][kB]);
  f.w_bc = RoundAngularVelocity(s.LinkOmega[kB][kC]);
  if (CrankOnCircle(s.P1)) {
    // Equal rates of AB and BC would put B at infinity.
    if (std::fabs(f.w_ab - f.w_bc) < 1e-5) f.w_ab = 2 * f.w_bc;
    const double d = f.w_ab - f.w_bc;
    if (d == 0) throw toolkit::DegenerateDataError("four-bar linkage: AB and BC at rest");
    for (auto* coord : {&s.PointX, &s.PointY}) {
      auto& c = *coord;
      c[kB] = (f.w_oa * (c[kO] - c[kA]) + f.w_ab * c[kA] - f.w_bc * c[kC]) / d;
    }
  } else {
    const double t = s.P1 == 7 || s.P1 == 8 ? rounded_ab : -rounded_ab;
    const double d = f.w_bc - f.w_oa;
    if (d == 0) throw toolkit::DegenerateDataError("four-bar linkage: OA and BC turn alike");
    s.PointX[kA] = s.PointX[kB] = (f.w_bc * s.PointX[kC] - f.w_oa * s.PointX[kO]) / d;
    s.PointY[kA] = (t * (f.w_ab - f.w_bc) + f.w_bc * s.PointY[kC] - f.w_oa * s.PointY[kO]) / d;
    s.PointY[kB] = s.PointY[kA] + t;
  }
  f.oa = figures::PointDistance(s, kO, kA);
  f.ab = figures::PointDistance(s, kA, kB);
  f.bc = figures::PointDistance(s, kB, kC);
  return f;
}

}  // namespace

// Short values a student can work with: whole numbers above 2, one decimal below.
double RoundAngularVelocity(double w) {
  return std::fabs(w) > 2 ? Round(w) : Round(10 * w) * 0.1;
}

void BeginThreeAngularVelocitiesProblem(SharedState& s) {
  s.ParboxWidth = 180;
  for (const auto& [name, degrees] : {std::pair{"aNGLL", 45}, {"aNGLB", 60}}) {
    toolkit::WriteLine(s, std::string("\\newsavebox{\\") + name + "}\\sbox{\\" + name + "}{%");
    toolkit::BeginPicture(s, 2, 2, 0, 0);
    figures::DrawLabelledArc(s, 0, "$" + std::to_string(degrees) + "^\\circ$", 2, 0, 0, 0,
                             degrees * kPi / 180, 12);
    figures::MoveTo(s, 1, 0);
    figures::LineTo(s, 18, 0);
    toolkit::EndSaveBox(s);
  }
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\ru & {$ OA $ }&\\mc{ $ AB $}&\\mc{$BC$}\\\\\\hline");
  toolkit::WriteLine(s, "Подобрать   длины   звеньев (в см)  шарнирного");
  toolkit::WriteLine(s,
                     "четырехзвенника  так,  чтобы  в  некоторый  момент  движения  угловые  ");
  toolkit::WriteLine(s,
                     "скорости его звеньев были бы равны заданным. Положение опорных  шарниров");
  toolkit::WriteLine(
      s, "четырехзвенника известно. Расстояния даны в см, угловые скорости --- в рад/c.");
  toolkit::WriteBookReference(s, 179);
}

void WriteThreeAngularVelocitiesVariant(SharedState& s) {
  s.BoxWidth = 120;
  s.BoxHeight = 60;
  s.BlockCentred = true;
  int rounded_ab = 0, rounded_bc = 0;
  PlaceLinkage(s, rounded_ab, rounded_bc);
  DrawLinkage(s);
  const FittedLinkage f = FitLinkLengthsToAngularVelocities(s, rounded_ab);

  toolkit::WriteTextNumberLn(s, "\\vskip1mm\\small$\\omega_{OA}=", f.w_oa, "$,\\\\ ");
  toolkit::WriteTextNumberLn(s, "$\\omega_{AB}=", f.w_ab, "$,");
  toolkit::WriteTextNumberLn(s, "$\\omega_{BC}=", f.w_bc, ",$");
  if (CrankOnCircle(s.P1)) {
    toolkit::WriteTextNumberLn(s, "$OA=", 2 * s.P5 + 25, "$.");
  } else {
    toolkit::WriteTextNumberLn(s, "$AB\\perp OC$, $AB=", rounded_ab, "$.");
  }

  // Rows are numbered as the variants are printed, so a set that starts beyond 1 still finds
  // its answers.
  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  for (double len : {f.oa, f.ab, f.bc}) toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(len, 8, 3));
}

}  // namespace kinematics
