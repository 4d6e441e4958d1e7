#include "subjects/statics/force_system_reduction.h"

#include <array>
#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// A solved value within rounding noise of zero prints as 0.000, never as -0.000.
double CleanZero(double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; }

// Answers of the reduction a table takes.
constexpr int kReductionAnswersPerTable = 6;

// The drawing unit of the parallelepiped; set by the begin routine.
int ParallelepipedUnit = 23;

// Vertex of F1 by P2.
const toolkit::IndexedArray<int, 1, 4> EdgeForceVertices = [] {
  toolkit::IndexedArray<int, 1, 4> t;
  t[1] = 3;
  t[2] = 4;
  t[3] = 7;
  t[4] = 8;
  return t;
}();

// Which vertex coordinate is the box edge (1) or 0, and where the vertex is drawn, in units.
struct VertexPlace {
  int ux, uy, uz;  // 1 where the coordinate is the edge, 0 where it is 0
  int px, py;
};
const toolkit::IndexedArray<VertexPlace, 1, 8> kVertices = [] {
  toolkit::IndexedArray<VertexPlace, 1, 8> t;
  t[1] = {0, 0, 0, 2, 2};
  t[2] = {0, 0, 1, 2, 4};
  t[3] = {0, 1, 0, 5, 2};
  t[4] = {0, 1, 1, 5, 4};
  t[5] = {1, 0, 0, 1, 1};
  t[6] = {1, 0, 1, 1, 3};
  t[7] = {1, 1, 0, 4, 1};
  t[8] = {1, 1, 1, 4, 3};
  return t;
}();

// 1 when the coordinate is 0, else -1: a force from the vertex into the box has this sign.
int InwardSign(double c) { return c == 0 ? 1 : -1; }

// The working values of one variant.
struct Reduction {
  int mode = 12;
  double X = 0, Y = 0, Z = 0;  // box edges, m
  double F1 = 0, F2 = 0, F3 = 0;
  double rx = 0, ry = 0, rz = 0;  // the current force's point
  double px = 0, py = 0;          // and its place in the figure
  double Fx = 0, Fy = 0, Fz = 0;  // the current force
  double Rx = 0, Ry = 0, Rz = 0, Mx = 0, My = 0, Mz = 0, M = 0;
  std::array<std::array<double, 3>, 4> Mi{};  // moments of force i about x, y, z
  figures::LabelSpacing labels;  // the forces' labels so far: two forces may share a vertex
};

void SetForceVertex(Reduction& w, int v) {
  const VertexPlace& place = kVertices[v];
  const double U = ParallelepipedUnit;
  w.rx = place.ux * w.X;
  w.ry = place.uy * w.Y;
  w.rz = place.uz * w.Z;
  w.px = place.px * U;
  w.py = place.py * U;
}

void AddForceMoment(Reduction& w, int i) {
  std::array<double, 3>& m = w.Mi[static_cast<std::size_t>(i)];
  m[0] = w.ry * w.Fz - w.rz * w.Fy;
  m[1] = w.rz * w.Fx - w.rx * w.Fz;
  m[2] = w.rx * w.Fy - w.ry * w.Fx;
  w.Rx += w.Fx;
  w.Ry += w.Fy;
  w.Rz += w.Fz;
  w.Mx += m[0];
  w.My += m[1];
  w.Mz += m[2];
  w.M = toolkit::Hypot3(w.Mx, w.My, w.Mz);
}

void ApplyEdgeForce(SharedState& s, Reduction& w, int p2, int p4) {
  const double U = ParallelepipedUnit;
  s.LabelStyle = "\\Blue";
  SetForceVertex(w, EdgeForceVertices[p2]);
  int dx = 0, dy = 0;
  double lx = 0, ly = 0;
  if (p4 == 1) {
    dy = InwardSign(w.rz);
    lx = w.px + 0.1 * U;
    ly = w.py + 0.3 * U * dy;
  } else if (p4 == 2) {
    dx = dy = -InwardSign(w.rx);
    lx = w.px + 0.8 * U * dx - 5;
    ly = w.py + 0.8 * U * dy - 0.2 * U - 7;
  } else {
    dx = InwardSign(w.ry);
    lx = w.px + 0.9 * U * dx + 0.1 * U;
    ly = w.py - 0.45 * U;
  }
  PutLabelClear(s, w.labels, "$\\vec F_1$", lx, ly);
  DrawVector(s, dx, dy, w.px, w.py, 0.9 * U);
  w.Fx = w.Fy = w.Fz = 0;
  if (p4 == 1) w.Fz = w.F1 * InwardSign(w.rz);
  if (p4 == 2) w.Fx = w.F1 * InwardSign(w.rx);
  if (p4 == 3) w.Fy = w.F1 * InwardSign(w.ry);
  AddForceMoment(w, 1);
}

void ApplyFaceDiagonalForce(SharedState& s, Reduction& w, int p1, int p3) {
  const double U = ParallelepipedUnit;
  s.LabelStyle = "\\Red";
  const int vertex = 3 * p3 - 1;
  SetForceVertex(w, vertex);
  int dx = 0, dy = 0;
  if (p1 >= 3) {
    const double d = toolkit::Hypot(w.X, w.Z);
    dx = -InwardSign(w.rx);
    dy = 3 * InwardSign(w.rz);
    PutLabelClear(s, w.labels, "$ \\vec F_2$", w.px + 0.24 * U * dx + 1.2 * (dy - 3),
                  w.py + 0.7 * U * dy);
    DrawVector(s, dx, dy, w.px, w.py, 0.8 * U);
    w.Fx = w.F2 * w.X / d * InwardSign(w.rx);
    w.Fy = 0;
    w.Fz = w.F2 * w.Z / d * InwardSign(w.rz);
  } else {
    const double d = toolkit::Hypot(w.X, w.Y);
    dy = -InwardSign(w.rx);
    if (vertex == 2) {
      dx = 2 * InwardSign(w.ry);
      DrawVector(s, dx, dy, w.px, w.py, 1.8 * U);
      PutLabelClear(s, w.labels, "$\\vec F_2$", w.px + U * dx - 0.9 * U,
                    w.py + 0.4 * U * dy - 0.1 * U);
    } else {
      dx = 4 * InwardSign(w.ry);
      DrawVector(s, dx, dy, w.px, w.py, 2 * U);
      PutLabelClear(s, w.labels, "$\\vec F_2$", w.px + 1.4 * U, w.py + 0.5 * U * dy + 0.15 * U);
    }
    w.Fx = w.F2 * w.X / d * InwardSign(w.rx);
    w.Fy = w.F2 * w.Y / d * InwardSign(w.ry);
    w.Fz = 0;
  }
  DrawDashedLineMultiput(s, 10, w.px, w.py, w.px + dx * U, w.py + dy * U);
  AddForceMoment(w, 2);
}

void ApplySpaceDiagonalForce(SharedState& s, Reduction& w, int vertex) {
  const double U = ParallelepipedUnit;
  s.LabelStyle = "\\Magenta";  // left so after the variant
  SetForceVertex(w, vertex);
  const int dy = (vertex == 1 ? 1 : 3) * InwardSign(w.rz);
  const int dx = 2 * InwardSign(w.ry);
  DrawVector(s, dx, dy, w.px, w.py, 25 - 5 * dy);
  PutLabelClear(s, w.labels, "$\\vec F_3$", w.px + 0.5 * U * dx + dy + 1.5 * (1 - dy) + 1,
                w.py + 8 * dy + 10 * (dy - 1) - 2);
  DrawDashedLineMultiput(s, 10, w.px, w.py, w.px + dx * U, w.py + dy * U);
  const double d = toolkit::Hypot3(w.X, w.Y, w.Z);
  w.Fx = w.F3 * w.X / d;
  w.Fy = w.F3 * w.Y / d;
  w.Fz = w.F3 * toolkit::SignOf(dy) * w.Z / d;
  AddForceMoment(w, 3);
}

// The box without forces: visible edges, the axes (standing for the hidden edges) and the
// dimension strokes.
void DefineParallelepipedSavebox(SharedState& s) {
  const double U = ParallelepipedUnit;
  WriteLine(s, "\\newsavebox{\\kbik}\\sbox{\\kbik}{%");
  SetLineWidth(s, 3);
  struct Stroke {
    double x, y, dx, dy, len;
  };
  const Stroke edges[] = {
      {U, U, 1, 0, 3 * U},     {U, 3 * U, 1, 0, 3 * U}, {2 * U, 4 * U, 1, 0, 3 * U},
      {U, U, 0, 1, 2 * U},     {4 * U, U, 0, 1, 2 * U}, {5 * U, 2 * U, 0, 1, 2 * U},
      {4 * U, 3 * U, 1, 1, U}, {4 * U, U, 1, 1, U},     {U, 3 * U, 1, 1, U},
  };
  for (const Stroke& e : edges) DrawLineBySlope(s, e.x, e.y, e.dx, e.dy, e.len);
  DrawDashedLineMultiput(s, 12, 2 * U, 2 * U, 6 * U, 2 * U);
  DrawDashedLineMultiput(s, 12, 2 * U, 2 * U, 15, 15);
  DrawDashedLineMultiput(s, 12, 2 * U, 2 * U, 2 * U, 4.5 * U);
  const Stroke dims[] = {
      {U - 9, 3 * U, 1, 0, 2},         {2 * U - 9, 4 * U, 1, 0, 2},     {U - 8, 3 * U, 1, 1, U},
      {6 * U - 10, 4 * U, 1, 0, 2},    {6 * U - 9, 2 * U, 0, 1, 2 * U}, {5 * U, 4 * U + 5, 0, 1, 2},
      {2 * U, 4 * U + 6, 1, 0, 3 * U},
  };
  for (const Stroke& e : dims) DrawLineBySlope(s, e.x, e.y, e.dx, e.dy, e.len);
  PutLabel(s, "$z$", 2.1 * U, 4.6 * U);
  PutLabel(s, "$y$", 5.5 * U, 1.7 * U);
  PutLabel(s, "$x$", 0.7 * U, 0.3 * U + 3);
  DrawVector(s, 1, 0, 6 * U - 1, 2 * U, 2);
  DrawVector(s, -1, -1, 0.6 * U, 0.6 * U, 1);
  DrawVector(s, 0, 1, 2 * U, 4.5 * U - 1, 2);
  WriteLine(s, "}%");
}

std::string Cell(double v) { return "&" + toolkit::FormatFixed(CleanZero(v), 8, 3); }

}  // namespace

void BeginForceSystemReductionProblem(SharedState& s, int mode) {
  ParallelepipedUnit = 23;
  DefineParallelepipedSavebox(s);
  s.ParboxWidth = 180;
  if (mode == 12) {
    // Twelve answers of width 8 are too wide for one table across the page: two tables of
    // six, the second in the second answers file.
    toolkit::BeginSplitAnswers(s,
                               {"&$R_x$ ", "&$R_y$ ", "& $R_z$ ", "& $R$ ", "& $M_x$ ", "& $M_y$",
                                "&$M_z$ ", "&$M$ ", "&$I$", "& $M_{min}$ ", "& $x_A$ ", "&$y_A$"},
                               kReductionAnswersPerTable, "\\tabcolsep=2pt");
    WriteLine(s,
              " System of three forces applied to the tops of the parallelepiped, lead to the "
              "origin.");
    WriteLine(s,
              "Find the intersection points of the central helical axis with the plane $xy$. "
              "Dimensions in the figures are given in meters, forces --- in N.");
    WriteBookReference(s, 111);
  } else {
    AnsWrite(s, "\\tabcolsep=2pt");
    AnsBeginTable(s, 13);
    AnsWrite(s,
             " & $M_{1x}$ & $M_{1y}$&$M_{1z}$& $M_{2x}$ & $M_{2y}$&$M_{2z}$& $M_{3x}$ & "
             "$M_{3y}$&$M_{3z}$ \\\\[7pt] \\hline");
    WriteLine(s,
              "Find the moments of forces about the axes. Dimensions in the figures given in "
              "meters, forces --- in N.");
    WriteBookReference(s, 91);
  }
}

void WriteForceSystemReductionVariant(SharedState& s, int mode) {
  const double U = ParallelepipedUnit;
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4;
  Reduction w;
  w.mode = mode;
  w.X = 4 * p3;
  w.Y = 5 * p3;
  w.Z = 3 * p3;
  w.F1 = p2;
  w.F2 = p2 + p3 / 2;
  w.F3 = p2 + p3 / 2 + p4;

  WriteLine(s, "\\par");
  // The box drawn in oblique view with the forces at its vertices, their labels and the
  // axes' arrows: x from 12.8 to 171, y from 10 to 112 at the farthest.
  BeginPicture(s, 7 * U, 5 * U - 10, 12, 9);
  PutValueLabel(s, 3.3 * U, 4.1 * U + 5, w.Y);
  PutValueLabel(s, 0.8 * U, 3.4 * U, w.X);
  PutValueLabel(s, 5.3 * U, 2.9 * U, w.Z);
  WriteLine(s, "\\thicklines{");
  WriteText(s, "\\Blue{");
  ApplyEdgeForce(s, w, p2, p4);
  WriteText(s, "}");
  WriteText(s, "\\Red{");
  ApplyFaceDiagonalForce(s, w, p1, p3);
  WriteText(s, "}");
  WriteText(s, "\\Magenta{");
  ApplySpaceDiagonalForce(s, w, p1 <= 2 ? p1 : 5 - p1);
  WriteText(s, "}");
  WriteLine(s, "}%");
  WriteLine(s, "{\\usebox{\\kbik}}");
  EndPicture(s);

  // Within the bounds R and R_z are never 0 (|R_z| is at least about 0.03).
  const double R = toolkit::Hypot3(w.Rx, w.Ry, w.Rz);
  const double I = w.Rx * w.Mx + w.Ry * w.My + w.Rz * w.Mz;
  const double Mmin = I / R;
  const double p = Mmin / R;
  const double yA = (w.Mx - p * w.Rx) / w.Rz;
  const double xA = (p * w.Ry - w.My) / w.Rz;

  WriteLine(s, "\\vskip1pt\\hskip6mm\\parbox[b]{125pt}{ ");
  WriteTextNumberLn(s, " $F_1= ", w.F1, "$,");
  WriteTextNumberLn(s, " $F_2= ", w.F2, "$,");
  WriteTextNumberLn(s, " $F_3= ", w.F3, "$.}");

  std::string row = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  if (mode == 12) {
    toolkit::AnswersRow split(s, true, row);
    for (double v : {w.Rx, w.Ry, w.Rz, R, w.Mx, w.My, w.Mz, w.M, I, Mmin, xA, yA})
      split.Item(Cell(v));
    split.End();
  } else {
    for (int i = 1; i <= 3; ++i)
      for (double v : w.Mi[static_cast<std::size_t>(i)]) row += Cell(v);
    AnsWrite(s, row);
  }
}

}  // namespace statics
