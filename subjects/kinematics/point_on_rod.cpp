#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;
using toolkit::FormatFixed;

// Points of the layout.
constexpr int kO = 1, kA = 2, kC = 3, kB = 4, kM = 5;

double Round(double x) { return toolkit::RoundHalfEven(x); }

// Direction indices (into DirectionAngles) of the crank (column P1) and the rocker (column P2),
// by P3 in the 30-degree family (rows 1..3) and P3 + 3 in the 45-degree family.
constexpr int kRodDirections[6][10] = {
    {1, 2, 4, 5, 6, 9, 10, 12, 13, 14},  {2, 4, 5, 6, 8, 10, 12, 13, 14, 16},
    {1, 4, 5, 6, 8, 9, 12, 13, 14, 16},  {1, 3, 5, 9, 11, 13, 1, 5, 9, 11},
    {3, 5, 7, 11, 13, 15, 5, 3, 11, 15}, {1, 5, 7, 9, 13, 15, 1, 5, 7, 15},
};

int RodDirection(int row, int column) {
  if (row < 1 || row > 6 || column < 1 || column > 10) {
    throw toolkit::IndexRangeError("rod direction " + std::to_string(row) + "," +
                                   std::to_string(column) + " outside 6 x 10");
  }
  return kRodDirections[row - 1][column - 1];
}

bool IsAxis(int d) { return d == 1 || d == 5 || d == 9 || d == 13; }

std::string MarkBox(int d) { return std::string("AnglUgol") + static_cast<char>(64 + d); }

// The angle mark of a rod in grid direction d: the arc from a1 to a2 between the rod and the
// horizontal reference line on side ref (-1 left, 1 right), and its value in degrees.
struct MarkArc {
  double a1, a2;
  int ref;
  std::string label;
};
constexpr double kMarkRadius = 11;
MarkArc MarkArcOf(int d) {
  const double w = figures::DirectionAngles[d] * kPi / 180;
  MarkArc m{};
  if (d <= 4) {
    m = {kPi, w + kPi, -1, ""};
  } else if (d <= 8) {
    m = {w + kPi, 2 * kPi, 1, ""};
  } else if (d <= 12) {
    m = {0, w - kPi, 1, ""};
  } else {
    m = {w - kPi, kPi, -1, ""};
  }
  m.label = "$" + FormatFixed(Round((m.a2 - m.a1) * 180 / kPi), 0, 0) + "^\\circ$";
  return m;
}

// An angle mark placed in a figure: the saved arc and reference line of direction d at joint
// `at`, and where its value stands.
struct PlacedMark {
  int d = 0, at = 0;
  double label_x = 0, label_y = 0;
};

// Keeps labels off the hinges at O and C (a triangle with its hatching, 12 wide and 10 high,
// below the joint, or hanging above it when its rod d points upward).
void ReserveHinges(const SharedState& s, figures::LabelSpacing& placed, int dir_o, int dir_c) {
  for (const auto& [i, d] : {std::pair{kO, dir_o}, std::pair{kC, dir_c}}) {
    const bool hanging = d >= 3 && d <= 7;
    placed.Reserve(s.PointX[i] - 6, hanging ? s.PointY[i] + 2 : s.PointY[i] - 8, 12, 8);
  }
}

// Places the values of the marks: each beside its arc, moved the least that keeps it clear of
// the hinges at O and C and of the values placed before it (two joints close together would
// otherwise print "60°30°" as one).
void PlaceMarkValues(const SharedState& s, std::vector<PlacedMark>& marks, int hinge_dir_o,
                     int hinge_dir_c) {
  figures::LabelSpacing taken;
  ReserveHinges(s, taken, hinge_dir_o, hinge_dir_c);
  for (PlacedMark& pm : marks) {
    const MarkArc m = MarkArcOf(pm.d);
    const auto [lx, ly] = figures::LabelledArcLabelAt(2, s.PointX[pm.at], s.PointY[pm.at], m.a1,
                                                      m.a2, kMarkRadius);
    std::tie(pm.label_x, pm.label_y) = taken.Clear(lx, ly, figures::LabelWidth(m.label, 8), 7);
  }
}

// How far a mark reaches to the left and to the right: its reference line, its arc and its
// value.
std::pair<double, double> MarkReach(const SharedState& s, const PlacedMark& pm) {
  const MarkArc m = MarkArcOf(pm.d);
  const double x = s.PointX[pm.at];
  return {std::min({pm.label_x, x - kMarkRadius, x + 18 * m.ref}),
          std::max({pm.label_x + figures::LabelWidth(m.label, 8), x + kMarkRadius,
                    x + 18 * m.ref})};
}

// Draws a mark and keeps its value's place from the letters.
void PutMark(SharedState& s, figures::LabelSpacing& placed, const PlacedMark& pm) {
  figures::PutBox(s, MarkBox(pm.d), s.PointX[pm.at], s.PointY[pm.at]);
  const MarkArc m = MarkArcOf(pm.d);
  figures::PutScriptLabel(s, m.label, pm.label_x, pm.label_y);
  placed.Reserve(pm.label_x, pm.label_y, figures::LabelWidth(m.label, 8), 7);
}

// The law of M along the rod at t1: its value and first two derivatives.
struct RodLaw {
  int kind = 1;
  double a = 0, c = 0;
  int t1 = 0;
  double sigma = 0, d1 = 0, d2 = 0;
};

RodLaw ComputeRodMotionLaw(const SharedState& s) {
  RodLaw l;
  l.kind = s.P4;
  switch (s.P4) {
    case 1: {
      const int m = 2 * s.P3 - 5;
      l.a = std::fabs(Round(0.5 * (s.P1 + s.P2 + 20) * m / (s.P1 + s.P3 + 3)));
      l.t1 = static_cast<int>(Round(l.a * (1 + 0.2 * m)));
      // t1 = a would make the relative velocity vanish.
      if (l.t1 == l.a) l.a += 0.5;
      const double k = s.P1 + s.P3 + 3;
      l.c = std::fabs(Round(0.1 * k * k / m)) + s.P5;
      l.sigma = Round((2 * l.a - l.t1) * l.t1 * l.c);
      l.d1 = 2 * l.c * (l.a - l.t1);
      l.d2 = -2 * l.c;
      break;
    }
    case 2: {
      l.t1 = 2 * s.P3;
      const double phi = kPi * l.t1 / 3;
      l.a = s.P2 + 5;
      l.sigma = l.a * l.t1 * (std::cos(phi) + 2);
      l.d1 = l.a * (std::cos(phi) - (kPi / 3) * l.t1 * std::sin(phi) + 2);
      l.d2 = -(kPi / 3) * l.a * (2 * std::sin(phi) + (kPi / 3) * l.t1 * std::cos(phi));
      break;
    }
    case 3: {
      l.t1 = 2 * s.P3 - 1;
      const double phi = kPi * l.t1 / 6;
      l.a = s.P1 + 5;
      l.sigma = l.a * (std::sin(phi) + l.t1 * l.t1);
      l.d1 = l.a * ((kPi / 6) * std::cos(phi) + 2 * l.t1);
      l.d2 = 2 * l.a - (kPi / 6) * (kPi / 6) * l.a * std::sin(phi);
      break;
    }
    case 4: {
      l.c = Round(180.0 / (15 * s.P3 + 15));
      l.t1 = s.P3;
      const double phi = kPi * l.t1 / l.c;
      l.a = 2 * s.P5 + 4;
      l.sigma = 8 * std::sin(phi) * std::sin(phi) + l.a * l.t1;
      l.d1 = l.a + (8 * kPi / l.c) * std::sin(2 * phi);
      l.d2 = 16 * (kPi / l.c) * (kPi / l.c) * std::cos(2 * phi);
      break;
    }
    default:
      throw toolkit::DegenerateDataError("law " + std::to_string(s.P4) + " of M outside 1..4");
  }
  return l;
}

void WriteRodMotionLaw(SharedState& s, const RodLaw& l) {
  switch (l.kind) {
    case 1:
      toolkit::WriteNumber(s, l.c);
      toolkit::WriteText(s, "t(");
      toolkit::WriteNumber(s, 2 * l.a);
      toolkit::WriteText(s, "-t)");
      break;
    case 2:
      toolkit::WriteNumber(s, l.a);
      toolkit::WriteText(s, "t(2+\\cos (\\pi t/3))");
      break;
    case 3:
      toolkit::WriteNumber(s, l.a);
      toolkit::WriteText(s, "(\\sin (\\pi t/6)+t^2)");
      break;
    default:
      toolkit::WriteNumber(s, l.a);
      toolkit::WriteTextNumberLn(s, "t+8\\sin^2 (\\pi t/", l.c, ")");
      break;
  }
}

// Lengths above a metre are kept to whole metres.
double WholeMetresAbove100(double x) { return x > 100 ? 100 * Round(x / 100) : x; }

}  // namespace

void BeginPointOnRodProblem(SharedState& s) {
  s.ParboxWidth = 175;
  for (int d = 2; d <= 16; ++d) {
    if (IsAxis(d)) continue;
    const std::string name = MarkBox(d);
    toolkit::WriteLine(s, "\\newsavebox{\\" + name + "}\\sbox{\\" + name + "}{%");
    toolkit::BeginPicture(s, 2, 2, 0, 0);
    const MarkArc m = MarkArcOf(d);
    // The value goes in with each figure, where it clears the figure's other marks.
    figures::DrawLabelledArc(s, 0, "", 0, 0, 0, m.a1, m.a2, kMarkRadius);
    figures::MoveTo(s, m.ref, 0);
    figures::LineTo(s, 18 * m.ref, 0);
    toolkit::EndSaveBox(s);
  }
  toolkit::WriteLine(s,
                     " Плоский   шарнирно-стержневой   механизм приводится в движение кривошипом "
                     "$OA$, который вращается против  часовой стрелки с постоянной угловой  "
                     "скоростью  $\\omega$.  Вдоль  стержня  $AВ$          ");
  toolkit::WriteLine(s,
                     "движется точка $M$ по закону $AM=\\sigma(t)$ или $BM=\\sigma(t)$.Положение "
                     "механизма при $t=t_1$ указано  на  рисунке. Все размеры даны в см.");
  toolkit::WriteLine(s,
                     "Стержни, положение которых не задано углом, горизонтальны или "
                     "вертикальны.Найти  абсолютную скорость и абсолютное ускорение точки $M$ в "
                     "этот момент.\\\\ \\noindent");
  toolkit::AnsWrite(s, "\\tabcolsep=1pt\\small");
  toolkit::Ans2BeginTable(s, 7);
  toolkit::AnsBeginTable(s, 15);
  toolkit::AnsWriteLine(s,
                        "\\ru &\\mc{$\\omega_e$}&\\mc{$\\varepsilon_e$}&\\mc{$v_r^\\tau$}&\\mc{$v_{"
                        "xe}$}&\\mc{$v_{ye}$}&\\mc{$v_e$}&\\mc{$v$}&\\mc{$a_r^\\tau$}&\\mc{$a_e$}&"
                        "\\mc{$a_C$}&\\mc{$a$}\\\\\\hline ");
  toolkit::Ans2Write(s,
                     "\\No&\\mc{$a_{xr}$}&\\mc{$a_{yr}$}&\\mc{$a_{xe}$}&\\mc{$a_{ye}$}&\\mc{$a_{x}$}&"
                     "\\mc{$a_{y}$}" + toolkit::NamesHeadCell(s) + "\\\\ \\hline ");
}

void WritePointOnRodVariant(SharedState& s) {
  s.BoxWidth = 130;
  const bool family45 = s.P5 >= 5;
  const int row = s.P3 + (family45 ? 3 : 0);
  const int dA = RodDirection(row, s.P1), dB = RodDirection(row, s.P2);
  RodLaw law = ComputeRodMotionLaw(s);
  const double AB = s.P3 == 2 ? 2.5 * law.sigma : 2 * law.sigma;
  double OA = 10 * Round(AB / 30);
  double BC = 10 * Round(AB / 25);
  if (dB <= 5 || dB >= 13) BC = 10 * Round(AB / 20);
  if (dA >= 5 && dA <= 13) BC = 10 * Round(AB / 15);
  if (family45 && (s.P1 > 6 || s.P2 > 6)) {
    BC += s.P2 - 6;
    OA += s.P1 - 6;
  }
  OA = WholeMetresAbove100(OA);
  BC = WholeMetresAbove100(BC);
  s.PointX[kA] = s.PointY[kA] = 0;
  figures::SetPointAtTableAngle(s, kA, dA, OA);
  const double psi = (s.P3 - 2) * (family45 ? 45 : 30) * kPi / 180;
  const double cp = std::cos(psi), sp = std::sin(psi);
  s.PointX[kB] = AB * cp;
  s.PointY[kB] = AB * sp;
  figures::SetPointAtTableAngle(s, kB, dB, BC);
  std::string letter = "A";
  if (s.P3 == 1) {
    // M is measured from B toward A.
    s.PointX[kM] = s.PointX[kB] - law.sigma * cp;
    s.PointY[kM] = s.PointY[kB] - law.sigma * sp;
    letter = "B";
    law.d1 = -law.d1;
    law.d2 = -law.d2;
  } else {
    s.PointX[kM] = law.sigma * cp;
    s.PointY[kM] = law.sigma * sp;
  }
  s.PointX[6] = s.PointY[6] = s.PointX[7] = s.PointY[7] = 0;
  // Room above O and C for hinges hanging from above.
  if (dA >= 3 && dA <= 7) s.PointY[6] = s.PointY[kO] + 12;
  if (dB >= 3 && dB <= 7) s.PointY[7] = s.PointY[kC] + 12;
  s.BoxHeight = 58;
  figures::FitPointsToBox(s, 7, 0);

  toolkit::WriteText(s, "\\vskip 0.1pt");
  toolkit::WriteText(s, "\\begin{center}");
  // The angle marks: at O and C for rods off the axes, at B for the rod AB when it leans.
  std::vector<PlacedMark> marks;
  if (!IsAxis(dA)) marks.push_back({dA, kO});
  if (!IsAxis(dB)) marks.push_back({dB, kC});
  if (s.P3 == 1) marks.push_back({family45 ? 15 : 16, kB});
  if (s.P3 == 3) marks.push_back({family45 ? 3 : 2, kB});
  PlaceMarkValues(s, marks, dA, dB);
  // The fitted joints with the hinges, angle marks and letters round them; a mark's value
  // can stand further out than the letters.
  double left = -12, right = s.RangeX * s.Scale + 17;
  for (const PlacedMark& m : marks) {
    const auto [l, r] = MarkReach(s, m);
    left = std::min(left, l - 1);
    right = std::max(right, r + 1);
  }
  toolkit::BeginPicture(s, right - left, s.BoxHeight + 12 + 13, left, -13);
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  for (const PlacedMark& m : marks) PutMark(s, placed, m);
  auto x = [&](int i) { return s.PointX[i]; };
  auto y = [&](int i) { return s.PointY[i]; };
  figures::PutBlueLabelClear(s, placed, "$A$", x(kA) - 3, dA <= 9 ? y(kA) - 9 : y(kA) + 3);
  figures::PutBlueLabelClear(s, placed, "$B$", x(kB) - 3, dB <= 9 ? y(kB) - 9 : y(kB) + 3);
  const bool o_right = dA <= 5 || dA >= 13, c_right = dB <= 5 || dB >= 13;
  figures::PutBlueLabelClear(s, placed, "$O$", o_right ? x(kO) + 3 : x(kO) - 11, y(kO) - 3);
  figures::PutBlueLabelClear(s, placed, "$C$", c_right ? x(kC) + 3 : x(kC) - 11, y(kC) - 3);
  figures::SetLineWidth(s, 8);
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kA, kB);
  figures::DrawBar(s, kC, kB);
  figures::SetLineWidth(s, 3);
  figures::DrawCircle(s, x(kA), y(kA), 3);
  figures::DrawCircle(s, x(kB), y(kB), 3);
  figures::PutBlueLabel(s, "\\circle*{3}", x(kM), y(kM));
  // The letter M stays off the hinges.
  ReserveHinges(s, placed, dA, dB);
  if (s.P3 == 3) {
    figures::PutBlueLabelClear(s, placed, "$M$", x(kM) + 4, y(kM) - 7, 20);
  } else {
    figures::PutBlueLabelClear(s, placed, "$M$", x(kM), y(kM) + 4, 20);
  }
  if (dA >= 3 && dA <= 7) {
    figures::PutUpHingeBoxAtPoint(s, kO);
  } else {
    figures::PutHingeBoxAtPoint(s, kO);
  }
  if (dB >= 3 && dB <= 7) {
    figures::PutUpHingeBoxAtPoint(s, kC);
  } else {
    figures::PutHingeBoxAtPoint(s, kC);
  }
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\end{center}");

  // The transport motion: the plane motion of A-B driven by the crank.
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) s.LinkOmega[i][j] = s.LinkEpsilon[i][j] = 0;
  }
  const double q = Round(10 * std::fabs(law.d1 / OA));
  const double omega = law.kind == 3 ? 0.1 * q : 0.1 * q + 1;
  s.LinkOmega[kA][kO] = omega;
  ClearLinkagePoints(s, 5);
  figures::ScalePoints(s, 5);
  SolveRigidLinkPoint(s, kA, kO, kA);
  SolveTwoLinkGroup(s, kA, kB, kC, "crank linkage");
  SolveRigidLinkPoint(s, kA, kB, kM);
  const double vxe = s.LinkPointVx[kM], vye = s.LinkPointVy[kM];
  const double axe = s.LinkPointAx[kM], aye = s.LinkPointAy[kM];
  const double omega_e = s.LinkOmega[kA][kB], eps_e = s.LinkEpsilon[kA][kB];
  const double ve = toolkit::Hypot(vxe, vye), ae = toolkit::Hypot(axe, aye);
  const double axr = law.d2 * cp, ayr = law.d2 * sp;
  s.PointVx = vxe + law.d1 * cp;
  s.PointVy = vye + law.d1 * sp;
  s.PointSpeed = toolkit::Hypot(s.PointVx, s.PointVy);
  const double ac = 2 * omega_e * law.d1;
  s.PointAx = axe + axr - ac * sp;
  s.PointAy = aye + ayr + ac * cp;
  s.PointAccel = toolkit::Hypot(s.PointAx, s.PointAy);

  toolkit::WriteText(s, "\\parbox[b]{170pt}{\\small  $" + letter + "M=");
  WriteRodMotionLaw(s, law);
  toolkit::WriteText2NumbersLn(s, "$; $t=", law.t1, "$~c,\\\\ ${\\omega_{OA}=", omega,
                               "}~\\frac1c $,\\\\ ");
  // AB is a half-centimetre in some variants: the student gets it as the answers use it.
  const int ab_decimals = std::fabs(AB - Round(AB)) < 1e-6 ? 0 : 1;
  toolkit::WriteLine(s, "  $OA=" + FormatFixed(OA, 5, 0) + "$, $AB = " + FormatFixed(AB, 5, ab_decimals) +
                            "$, ");
  toolkit::WriteTextNumberLn(s, "$BC = ", BC, "$}");

  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  toolkit::AnsWrite(s, number + " &$" + FormatFixed(omega_e, 8, 3) + "$ &$" + FormatFixed(eps_e, 9, 3) +
                           "$ &$" + FormatFixed(law.d1, 9, 2) + "$ &$" + FormatFixed(vxe, 9, 2) +
                           "$ &$" + FormatFixed(vye, 9, 2) + "$ &$" + FormatFixed(ve, 9, 3) + "$ &" +
                           FormatFixed(s.PointSpeed, 9, 3) + "&$" + FormatFixed(law.d2, 9, 3) +
                           "$ &$" + FormatFixed(ae, 9, 2) + "$ &" + FormatFixed(std::fabs(ac), 9, 2) +
                           "&" + FormatFixed(s.PointAccel, 9, 3));
  toolkit::Ans2Write(s, number + "&" + FormatFixed(axr, 10, 3) + "&" + FormatFixed(ayr, 10, 3) + "&" +
                            FormatFixed(axe, 10, 3) + "&" + FormatFixed(aye, 10, 3) + "&" +
                            FormatFixed(s.PointAx, 10, 3) + "&" + FormatFixed(s.PointAy, 10, 3));
  if (s.StudentsMode) {
    toolkit::Ans2WriteLine(s, "&" + s.StudentNames[s.VariantIndex + 1]);
  }
}

}  // namespace kinematics
