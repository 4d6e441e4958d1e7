#include "subjects/statics/shelf_equilibrium.h"

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

// The drawing unit of the shelf figure; set by the begin routine.
int ShelfUnit = 11;

// Where the bearing A and the two rods may stand: corners 2 and 3 of the back edge and its
// middle, node 9.
const toolkit::IndexedArray<int, 1, 3> ShelfSupportNodes = [] {
  toolkit::IndexedArray<int, 1, 3> t;
  t[1] = 2;
  t[2] = 3;
  t[3] = 9;
  return t;
}();

toolkit::IndexedArray<int, 1, 9> ByteTable(std::array<int, 9> v) {
  toolkit::IndexedArray<int, 1, 9> t;
  for (int i = 1; i <= 9; ++i) t[i] = v[static_cast<std::size_t>(i - 1)];
  return t;
}

// Level-1 sizes by P6: in each column a^2 + b^2 + c^2 is a square (b^2 + c^2 in the last
// two tables, used when P4 = 5).
const auto SimpleShelfA = ByteTable({2, 4, 3, 6, 4, 6, 10, 5, 7});
const auto SimpleShelfB = ByteTable({2, 8, 6, 9, 7, 7, 11, 14, 6});
const auto SimpleShelfC = ByteTable({1, 1, 2, 2, 4, 6, 2, 2, 6});
const auto SimpleShelfB5 = ByteTable({4, 3, 8, 6, 15, 24, 12, 9, 12});
const auto SimpleShelfC5 = ByteTable({3, 4, 6, 8, 8, 7, 9, 12, 5});

// Row 3 + r of the moment equations: (r, c1, c2) = (1, 2, 3), (2, 3, 1), (3, 1, 2).
constexpr int kCrossRows[3][2] = {{2, 3}, {3, 1}, {1, 2}};

using Column = std::array<double, 4>;  // components 1..3

void SolveShelfEquilibrium(SharedState& s, int rod1, int rod2, int A, int B, int C, int corner_F,
                           int axis_F, double F, double G) {
  auto& M = s.SystemMatrix;
  auto& R = s.SystemRhs;
  const auto& node = s.BoxCornerTable;
  const double dx = node[C][1] - node[B][1];
  const double dy = node[C][2] - node[B][2];
  const double dz = node[C][3] - node[B][3];
  const double len = toolkit::Hypot3(dx, dy, dz);
  const Column columns[6] = {{0, 1, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 0},
                             {0, 0, 1, 0}, {0, 0, 0, 1}, {0, dx / len, dy / len, dz / len}};
  const int at[6] = {rod1, rod2, A, A, A, B};
  for (int i = 1; i <= 6; ++i) {
    const Column& col = columns[i - 1];
    const int n = at[i - 1];
    for (int r = 1; r <= 3; ++r) M[r][i] = col[static_cast<std::size_t>(r)];
    for (int r = 1; r <= 3; ++r) {
      const int c1 = kCrossRows[r - 1][0], c2 = kCrossRows[r - 1][1];
      M[3 + r][i] = node[n][c1] * col[static_cast<std::size_t>(c2)] -
                    node[n][c2] * col[static_cast<std::size_t>(c1)];
    }
  }
  Column f{0, 0, 0, 0};
  f[static_cast<std::size_t>(axis_F)] = F;
  for (int r = 1; r <= 3; ++r) R[r][1] = f[static_cast<std::size_t>(r)];
  for (int r = 1; r <= 3; ++r) {
    const int c1 = kCrossRows[r - 1][0], c2 = kCrossRows[r - 1][1];
    R[3 + r][1] = node[corner_F][c1] * f[static_cast<std::size_t>(c2)] -
                  node[corner_F][c2] * f[static_cast<std::size_t>(c1)];
  }
  R[3][1] += -G;
  R[4][1] += -G * s.SolidSizeY / 2;
  R[5][1] -= -G * s.SolidSizeX / 2;
  structural::SolveLinearSystem(s, 6, 1, "shelf");
}

void DrawShelfForce(SharedState& s, int corner, int axis) {
  const double X = s.PointX[corner], Y = s.PointY[corner];
  if (axis == 1) {
    DrawThickRedVector(s, -1, -1, X + 1, Y + 1, 15);
    PutBlueLabel(s, "$\\vec F$", X - 15, Y - 22);
  } else {
    const int e = corner == 1 ? -1 : 1;
    DrawThickRedVector(s, 1, 0, X + 9 * (e - 1), Y, 17);
    PutBlueLabel(s, "$\\vec F$", X + 13 * e - 4, Y - 10 - 6 * (e - 1));
  }
}

void DrawSimpleShelfForce(SharedState& s, int p7) {
  const double X = s.PointX[1], Y = s.PointY[1];
  if (p7 == 1) {
    DrawThickRedVector(s, -1, -1, X + 1, Y + 1, 15);
    PutLabel(s, "$\\vec F$", X - 15, Y - 23);
  } else {
    DrawThickRedVector(s, 1, 0, X - 18, Y, 17);
    PutLabel(s, "$\\vec F$", X - 17, Y + 2);
  }
}

// The strut BC: a thick bar from a ring under corner B to the hinge at C.
void DrawStrut(SharedState& s, int B, int C, bool blue) {
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  SetLineWidth(s, 8);
  if (blue) WriteText(s, "\\Blue{");
  DrawSegmentShortenedCopy(s, X[B], Y[B] - 1.5, X[C], Y[C], 1.5);
  if (blue) WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawCircle(s, X[B], Y[B] - 1.5, 3);
  PutHingeBoxAtPoint(s, C);
}

// The sizes the data give, marked on the drawn shelf: a beside the depth edge 1-2, b under the
// front edge of the floor, c beside the back wall's left edge 2-6. The places stay clear of the
// supports, the strut and the force at every layout.
void MarkShelfSizes(SharedState& s) {
  PutLabel(s, "$a$", 10, 46.5);
  PutLabel(s, "$b$", 36, -9);
  PutLabel(s, "$c$", 17, 28);
}

// Level-1 supports by P4: rod 1, rod 2, A, B, C.
struct SimpleLayout {
  int rod1, rod2, A, B, C;
};
const toolkit::IndexedArray<SimpleLayout, 1, 6> kSimpleLayouts = [] {
  toolkit::IndexedArray<SimpleLayout, 1, 6> t;
  t[1] = {9, 2, 3, 1, 7};
  t[2] = {2, 9, 3, 1, 7};
  t[3] = {3, 9, 2, 1, 7};
  t[4] = {9, 3, 2, 1, 7};
  t[5] = {2, 9, 3, 4, 5};
  t[6] = {2, 3, 9, 4, 6};
  return t;
}();

}  // namespace

void BeginShelfEquilibriumProblem(SharedState& s) {
  s.ParboxWidth = 190;
  ShelfUnit = 11;
  s.CuboidA = 2 * ShelfUnit;
  s.CuboidB = 7 * ShelfUnit;
  s.CuboidC = 4 * ShelfUnit;
  s.CuboidD = 2 * ShelfUnit;
  structural::SetBoxVertices(s);
  s.PointX[9] = (s.PointX[2] + s.PointX[3]) / 2;
  s.PointY[9] = (s.PointY[2] + s.PointY[3]) / 2;
  BeginSaveBox(s, "upstt");
  PutBox(s, "upst", 0, 0);
  PutLabel(s, "2", 1, 2);
  EndSaveBox(s);
  BeginSaveBox(s, "nstt");
  PutBox(s, "nst", 0, 0);
  PutLabel(s, "1", 0, 4);
  EndSaveBox(s);
  AnsBeginTable(s, 7);
  AnsWriteLine(s, " & $ H $&$ V $&$ X_A $&$ Y_A $&$ Z_A $&$ S$\\\\\\hline");
  WriteLine(s,
            " Horizontally homogeneous rectangular shelf weight $G$ has  a spherical bearing $A$ "
            "and is supported by two weightless rods, hinged at the ends (horizontal 1 and "
            "vertical 2) and support $BC$. The  force $F$ is applied  to shelf and directed along "
            "one of its edges.  Determine the reactions of the supports (in kN)");
  WriteBookReference(s, 106);
}

void WriteShelfEquilibriumVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  structural::ClearLinearSystem(s, 6);
  const int k = p5 + p3 + p2 - 2;
  const double a = structural::BoxSizeTable[1][k];
  const double b = 2 * structural::BoxSizeTable[2][k];
  const double c = structural::BoxSizeTable[3][k];
  s.WallDistance = structural::BoxSizeTable[2][k];
  const double AD = s.WallDistance;
  s.SolidSizeX = a;
  s.SolidSizeY = b;
  s.SolidSizeZ = c;
  structural::InitBoxCornerTable(s);
  s.BoxCornerTable[9][1] = 0;
  s.BoxCornerTable[9][2] = AD;
  s.BoxCornerTable[9][3] = c;

  const double F = p6;
  const double G = p6 + p4;
  const int corner_F = p5 <= 2 ? 1 : 4;
  const int axis_F = p5 == 1 || p5 == 3 ? 1 : 2;
  const int B = p4 <= 3 ? 4 : 1;
  const int C = p4 <= 3 ? p4 + 4 : p4 + 2;
  const int A = ShelfSupportNodes[p1];
  int others[3] = {0, 0, 0};
  for (int i = 1, n = 1; i <= 3; ++i)
    if (i != p1) others[n++] = ShelfSupportNodes[i];
  const int rod1 = others[p2];
  const int rod2 = others[p3];

  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  WriteLine(s, "\\par");
  s.RangeX = X[3] + 25;
  s.RangeY = Y[3] + 30;
  // The rods and the support standing at the far corner reach 14 past its corner point, and
  // the rods standing up from the shelf keep a little air under the heading.
  BeginPicture(s, s.RangeX + 17, s.RangeY + 4, -27, -12);
  SetLineWidth(s, 1);
  PutBox(s, "polka", 0, 0);
  MarkShelfSizes(s);
  PutBox(s, "nst", X[rod1], Y[rod1]);
  PutUpHingeBox(s, X[A], Y[A] + 1);
  PutBox(s, "upst", X[rod2], Y[rod2]);
  // The statement names the rods 1 (horizontal) and 2 (vertical). Both may stand at one
  // corner: 2 goes left of the vertical rod, 1 between it and the horizontal one.
  PutLabel(s, "1", X[rod1] + 1.5, Y[rod1] + 8);
  PutLabel(s, "2", X[rod2] - 5, Y[rod2] + 6);
  const bool at_middle = A == 9 || rod1 == 9 || rod2 == 9;
  if (A == 9) {
    PutLabel(s, "$D$", X[3] + 5, Y[3] + 1.5);
  } else if (at_middle) {
    PutLabel(s, "$D$", X[9] - 3, Y[9] - 8);
  }
  DrawStrut(s, B, C, false);
  PutLabel(s, "$A$", X[A] + 5, Y[A] + 1.5);
  PutLabel(s, "$B$", X[B] - 5, Y[B] + 3);
  PutLabel(s, "$C$", X[C] + 6, Y[C] - 8);
  DrawShelfForce(s, corner_F, axis_F);
  EndPicture(s);

  WriteText2NumbersLn(s, "\\vskip3mm\\parbox[b]{175pt}{ \\small $a=", a, "$~m, $b=", b, "$~m,");
  if (at_middle) {
    WriteText2NumbersLn(s, "$c=", c, "$~m,\\\\ $AD=", AD, "$~m, ");
  } else {
    WriteTextNumberLn(s, "$c=", c, "$~m,\\\\ ");
  }
  WriteText2NumbersLn(s, "$G$=", G, "kN, $F$=", F, "kN.}");

  SolveShelfEquilibrium(s, rod1, rod2, A, B, C, corner_F, axis_F, F, G);
  std::string row = "$" + toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (int i = 1; i <= 6; ++i)
    row += "$&$" + toolkit::FormatFixed(CleanZero(-s.SystemRhs[i][1]), 9, 3);
  AnsWrite(s, row + "$");
}

void WriteSimpleShelfVariant(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  int a = 0, b = 0, c = 0;
  if (p4 == 5) {
    c = SimpleShelfC5[p6];
    b = SimpleShelfB5[p6];
    a = b + c - p2 - p3;
  } else {
    a = SimpleShelfA[p6];
    b = SimpleShelfB[p6];
    c = SimpleShelfC[p6];
  }
  // AD. For P4 = 1, 5 and 6 the closed forms below are the shelf's reactions only with D at
  // the middle of the back edge, where the figure draws it: h = b/2, a half metre for an odd
  // b. The other layouts do not depend on it; they keep h = b div 2.
  const bool middle = p4 == 1 || p4 == 5 || p4 == 6;
  const double h = middle ? b / 2.0 : static_cast<double>(b / 2);

  // The closed forms, doubled so that a half-metre h still gives whole numbers; the
  // normalisation below removes the factor again wherever it is common.
  const int q = p5;
  const int k1 = p7 == 1 ? p2 : 0;
  const int k2 = p7 == 2 ? p2 : 0;
  const double L3 = std::round(std::sqrt(static_cast<double>(a * a + b * b + c * c)));
  const double L2 = std::round(std::sqrt(static_cast<double>(b * b + c * c)));
  std::array<double, 8> v{};
  switch (p4) {
    case 1:
      v = {-a * k2 - b * k1 + 0.0,
           0,
           a * k2 - a * q + (b - h) * k1,
           b * q - h * k2,
           c * q + 0.0,
           -L3 * q,
           h * p2,
           2.0 * c * q};
      break;
    case 2:
      v = {-a * k2 - b * k1 + 0.0, 0,           a * k2 - a * q + 0.0,
           b * q - b * k2 + 0.0,   c * q + 0.0, -L3 * q,
           b * p2 + 0.0,           2.0 * c * q};
      break;
    case 3:
      v = {a * k2 - a * h * q,    b * c * q + 0.0, -a * k2 - b * k1 + 0.0, b * h * q - b * k2,
           c * h * q - b * c * q, -L3 * h * q,     b * p2 + 0.0,           2 * c * h * q};
      break;
    case 4:
      v = {a * k2 - a * b * q + 0.0,
           c * h * q,
           a * b * q - a * h * q - a * k2 - h * k1,
           b * h * q - h * k2,
           0,
           -L3 * h * q,
           h * p2,
           2 * c * h * q};
      break;
    case 5:
      v = {-a * h * q - a * k2 - b * k1, b * c * q + 0.0, a * h * q + a * k2, -b * h * q - b * k2,
           c * h * q - b * c * q,        -L2 * h * q,     b * p2 + 0.0,       2 * c * h * q};
      break;
    default:
      v = {-a * h * q - a * k2 - (b - h) * k1,
           c * h * q - b * c * q,
           a * k2 + 0.0,
           -b * h * q - (b - h) * k2,
           b * c * q + 0.0,
           -L3 * h * q,
           (b - h) * p2,
           2 * c * h * q};
      break;
  }
  int whole[8];
  for (std::size_t i = 0; i < 8; ++i) whole[i] = static_cast<int>(std::lround(2 * v[i]));
  toolkit::NormalizeIntVector(whole, 8);
  std::string row = std::to_string(toolkit::PrintedVariantNumber(s));
  for (int i = 0; i < 6; ++i) row += "&" + std::to_string(whole[i]);
  AnsWriteLine(s, row);
  const int F = whole[6], G = whole[7];

  const SimpleLayout& layout = kSimpleLayouts[p4];
  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  WriteLine(s, "\\par");
  // Wide enough for the rods at the far corner, with a little air under the heading; the
  // data column stands right of it.
  BeginPicture(s, 156, 93, -44, -10);
  SetLineWidth(s, 1);
  PutBox(s, "polka", 0, 0);
  MarkShelfSizes(s);
  PutBox(s, "nstt", X[layout.rod1], Y[layout.rod1]);
  PutBox(s, "upstt", X[layout.rod2], Y[layout.rod2]);
  PutUpHingeBox(s, X[layout.A], Y[layout.A] + 1);
  if (p4 == 6) {
    PutLabel(s, "$D$", X[3] - 9, Y[3] + 2);
  } else {
    PutLabel(s, "$D$", X[9] - 3, Y[9] - 8);
  }
  DrawStrut(s, layout.B, layout.C, true);
  PutLabel(s, "$A$", X[layout.A] + 5, Y[layout.A] + 1.5);
  PutLabel(s, "$B$", X[layout.B] - 5, Y[layout.B] + 3);
  if (p4 >= 5) {
    PutLabel(s, "$C$", X[layout.C] - 9, Y[layout.C] - 2);
  } else {
    PutLabel(s, "$C$", X[layout.C] + 1, Y[layout.C] + 2);
  }
  DrawSimpleShelfForce(s, p7);
  EndPicture(s);
  WriteText3NumbersLn(s, "\\hfill\\parbox[b]{50pt}{ \\small $a=", a, "$~m,\\\\ $b=", b,
                      "$~m,\\\\$c=", c, "$~m,\\\\\\rule{0pt}{22pt}}\\\\");
  WriteText3NumbersLn(s, "\\vskip-3mm\\parbox[b]{175pt}{ \\small $AD=", h, "$~m, $G$=", G,
                      "~kN, $F$=", F, "~kN.}");
}

}  // namespace statics
