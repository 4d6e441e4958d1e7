#include "subjects/statics/plate_equilibrium.h"

#include <array>
#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "subjects/structural/common/three_d_box.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// A solved value within rounding noise of zero prints as 0.000, never as -0.000.
double CleanZero(double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; }

// The drawing unit of the plate figure; set by the begin routine.
int PlateUnit = 12;

struct PlateBar {
  int corner;  // plate corner t, 1..4
  int hinge;   // ground hinge s below corner s, 1..4
};
using BarPattern = std::array<PlateBar, 6>;

// Six bars for each P1.
const toolkit::IndexedArray<BarPattern, 1, 3> PlateBarTable = [] {
  toolkit::IndexedArray<BarPattern, 1, 3> t;
  t[1] = {{{1, 2}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 1}}};
  t[2] = {{{2, 2}, {3, 3}, {3, 4}, {4, 4}, {2, 1}, {1, 3}}};
  t[3] = {{{1, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 3}, {4, 3}}};
  return t;
}();

// The corner diagonally opposite k.
int OppositeCorner(int k) { return k <= 2 ? k + 2 : k - 2; }

// Where a bar's number goes: k/10 of the way from its corner to its hinge, moved by (ox, oy);
// by corner t (rows) and hinge s (columns).
struct LabelPlace {
  int k, ox, oy;
};
const toolkit::IndexedArray<toolkit::IndexedArray<LabelPlace, 1, 4>, 1, 4> kLabelPlaces = [] {
  toolkit::IndexedArray<toolkit::IndexedArray<LabelPlace, 1, 4>, 1, 4> t;
  const LabelPlace rows[4][4] = {
      {{5, -5, 0}, {8, -5, -3}, {4, 0, 1}, {7, 0, -6}},
      {{3, -5, 0}, {3, -5, -4}, {3, -10, 0}, {3, -1, 0}},
      {{6, -1, 1}, {3, -2, 2}, {5, 1, 3}, {2, -2, 3}},
      {{7, 0, -4}, {7, -3, -6}, {7, 0, 0}, {6, -4, 0}},
  };
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) t[r][c] = rows[r - 1][c - 1];
  return t;
}();

// A bar from plate corner t to ground point s + 4: the part hidden behind the plate's front
// edge is dashed.
void DrawPlateBar(SharedState& s, int t, int hinge) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  const int h = hinge + 4;
  const double xs = X[h] + (Y[1] - Y[h]) / (Y[t] - Y[h]) * (X[t] - X[h]);
  // A bar from a front corner meets the front edge at its own corner: drawn whole.
  const bool hidden = Y[t] != Y[1] && X[1] < xs && xs < X[4];
  if (hidden) {
    DrawDashedLineMultiput(s, 7, X[t], Y[t], xs, Y[1]);
    DrawSegmentShortenedCopy(s, xs, Y[1], X[h], Y[h], 1.5);
  } else {
    DrawBar(s, t, h);
  }
}

void DrawPlateForce(SharedState& s, int p4) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  if (p4 == 1 || p4 == 4) {
    DrawThickRedVector(s, -1, -1, X[p4], Y[p4], 18);
    PutLabel(s, "$\\vec F$", X[p4] - 20, Y[p4] - 27);
  } else if (p4 == 2 || p4 == 3) {
    DrawThickRedVector(s, -1, -1, X[p4] + 18, Y[p4] + 20, 18);
    PutLabel(s, "$\\vec F$", X[p4] + 5, Y[p4] + 15);
  } else {
    const int q = p4 - 4;
    DrawThickRedVector(s, 1, 0, X[q] - 24, Y[q] + 2, 24);
    PutLabel(s, "$\\vec F$", X[q] - 20, Y[q] - 8);
  }
}

// Row 3 + r of the moment equations: (r, c1, c2) = (1, 2, 3), (2, 3, 1), (3, 1, 2).
constexpr int kCrossRows[3][2] = {{2, 3}, {3, 1}, {1, 2}};

void SolvePlateEquilibrium(SharedState& s, const BarPattern& bars, int corner_u, int axis, double F,
                           double G) {
  auto& A = s.SystemMatrix;
  auto& B = s.SystemRhs;
  const auto& node = s.BoxCornerTable;
  const auto& ground = s.BoxCornerTable2;
  std::array<double, 4> f{0, 0, 0, 0};
  f[static_cast<std::size_t>(axis)] = F;
  for (int r = 1; r <= 3; ++r) B[r][1] = f[static_cast<std::size_t>(r)];
  for (int i = 1; i <= 6; ++i) {
    const PlateBar& bar = bars[static_cast<std::size_t>(i - 1)];
    std::array<double, 4> e{0, ground[bar.hinge][1] - node[bar.corner][1],
                            ground[bar.hinge][2] - node[bar.corner][2], 0 - node[bar.corner][3]};
    const double len = toolkit::Hypot3(e[1], e[2], e[3]);
    for (int r = 1; r <= 3; ++r) {
      e[static_cast<std::size_t>(r)] /= len;
      A[r][i] = e[static_cast<std::size_t>(r)];
    }
    for (int r = 1; r <= 3; ++r) {
      const int c1 = kCrossRows[r - 1][0], c2 = kCrossRows[r - 1][1];
      A[3 + r][i] = node[bar.corner][c1] * e[static_cast<std::size_t>(c2)] -
                    node[bar.corner][c2] * e[static_cast<std::size_t>(c1)];
    }
  }
  for (int r = 1; r <= 3; ++r) {
    const int c1 = kCrossRows[r - 1][0], c2 = kCrossRows[r - 1][1];
    B[3 + r][1] = node[corner_u][c1] * f[static_cast<std::size_t>(c2)] -
                  node[corner_u][c2] * f[static_cast<std::size_t>(c1)];
  }
  B[3][1] += -G;
  B[4][1] += -G * s.SolidSizeY / 2;
  B[5][1] -= -G * s.SolidSizeX / 2;
  structural::SolveLinearSystem(s, 6, 1, "plate on six bars");
}

}  // namespace

void BeginPlateEquilibriumProblem(SharedState& s) {
  s.ParboxWidth = 180;
  PlateUnit = 12;
  s.CuboidA = 3 * PlateUnit;
  s.CuboidB = 6 * PlateUnit;
  s.CuboidC = 4 * PlateUnit;
  structural::SetBoxVertices(s);
  structural::DefineDimensionedBox(s, 20, 10, "kubbp");
  AnsBeginTable(s, 7);
  std::string head;
  for (int i = 1; i <= 6; ++i) head += "&$S_" + std::to_string(i) + "$";
  AnsWrite(s, head + "\\\\\\hline");
  WriteLine(s,
            "Homogeneous rectangular horizontal plate weighing $ G $ is supported by six "
            "weightless hinged at the ends of the rods.");
  WriteLine(s,
            "Force $\\vec F$ is directed along the edges of the plate. Determine the effort in "
            "the bars (in kN).");
  WriteBookReference(s, 101);
}

void WritePlateEquilibriumVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5;
  structural::ClearLinearSystem(s, 6);
  const double F = p5;
  const double G = p5 + p2;
  const double a = structural::BoxSizeTable[1][p3];
  const double b = structural::BoxSizeTable[2][p3];
  const double c = structural::BoxSizeTable[3][p3];
  s.SolidSizeX = a;
  s.SolidSizeY = b;
  s.SolidSizeZ = c;
  structural::InitBoxCornerTable(s);

  BarPattern bars = PlateBarTable[p1];
  if (p2 == 2) {
    for (PlateBar& bar : bars) {
      bar.corner = OppositeCorner(bar.corner);
      bar.hinge = OppositeCorner(bar.hinge);
    }
  }

  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  WriteText(s, "\\begin{center}");
  // The plate's box with its dimensions reaches 31 pt right of its far corner and 23 pt above
  // it, the hinges' hatching 9 pt under it; a force F from the left starts 24 pt left of it.
  const double left = p4 == 1 || p4 == 5 ? -25 : -8;
  BeginPicture(s, X[3] + 31 - left, Y[3] + 34, left, -10);
  PutBox(s, "kubbp", 0, 3);
  SetLineWidth(s, 6);
  for (const PlateBar& bar : bars) DrawPlateBar(s, bar.corner, bar.hinge);
  SetLineWidth(s, 1);
  for (int j = 1; j <= 4; ++j) {
    bool hinge_used = false, corner_used = false, upright = false;
    for (const PlateBar& bar : bars) {
      hinge_used = hinge_used || bar.hinge == j;
      corner_used = corner_used || bar.corner == j;
      upright = upright || (bar.corner == j && bar.hinge == j);
    }
    if (hinge_used) PutHingeBoxAtPoint(s, j + 4);
    if (corner_used) DrawCircle(s, X[j], Y[j], 3);
    if (!upright) structural::DrawDashedLinePoints(s, j, j + 4, 10);
  }
  DrawPlateForce(s, p4);
  WriteText(s, "\\Blue{");
  for (int i = 1; i <= 6; ++i) {
    const PlateBar& bar = bars[static_cast<std::size_t>(i - 1)];
    const LabelPlace& place = kLabelPlaces[bar.corner][bar.hinge];
    const int t = bar.corner, h = bar.hinge + 4;
    PutValueLabel(s, X[t] + place.k / 10.0 * (X[h] - X[t]) + place.ox,
                  Y[t] + place.k / 10.0 * (Y[h] - Y[t]) + place.oy, i);
  }
  WriteText(s, "}");
  EndPicture(s);
  WriteLine(s, "\\end{center}\\vskip3pt\\parbox[b]{155pt}{");
  WriteTextNumberLn(s, "\\small $a=", a, "$~m, ");
  WriteTextNumberLn(s, " $b=", b, "$~m, ");
  WriteTextNumberLn(s, " $c=", c, "$~m");
  WriteText2NumbersLn(s, ",\\\\ $F=", F, "$~kN, $G=", G, "$~kN.}");

  // The edge of F: its corner of application and its axis.
  const int corner_u = p4 <= 2 ? 2 : p4 <= 4 ? 3 : p4 == 5 ? 1 : 2;
  const int axis = p4 <= 4 ? 1 : 2;
  SolvePlateEquilibrium(s, bars, corner_u, axis, F, G);

  std::string row = "$" + toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (int i = 1; i <= 6; ++i)
    row += " $&$ " + toolkit::FormatFixed(CleanZero(-s.SystemRhs[i][1]), 9, 3);
  AnsWrite(s, row + "$");
}

}  // namespace statics
