#include "subjects/structural/finite_element_chain.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/linear_system.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

struct Spring {
  int i, j, e, h;
  bool label_i, label_j;
};

// A force of the scheme: which of F, P, Q (0, 1, 2), its node, where the arrow starts, its
// length and the label's offset.
struct ChainForce {
  int which, node;
  double x, y;  // relative to the node: x added to the node's abscissa, y absolute
  double length;
  int ox, oy;
};

// A rigid link: a vertical line at a node's abscissa, optionally ending in a dot.
struct RigidLine {
  int node;
  double y1, y2;
  bool dot;
};

struct Scheme {
  double node_x[4];  // nodes 2..5
  double node_y[4];
  std::vector<Spring> springs;
  std::vector<ChainForce> forces;
  std::vector<RigidLine> rigid;
  double wall_y, wall_length;
  const char* later_prefix;  // before the second and third force's label
};

const std::vector<Scheme>& Schemes() {
  static const std::vector<Scheme> schemes = {
      {{80, 160, 160, 160},
       {0, -24, 0, 24},
       {{2, 3, 2, -24, false, true},
        {2, 4, 3, 0, false, true},
        {2, 5, 4, 24, false, true},
        {1, 2, 1, 0, true, true}},
       {{0, 3, 0, -24, 20, 18, 3}, {1, 4, 0, 0, 20, 18, 3}, {2, 5, 0, 24, 20, 18, 3}},
       {{2, -24, 24, false}},
       -24,
       48,
       "$"},
      {{60, 120, 180, 180},
       {0, 0, 0, 0},
       {{1, 2, 1, 0, true, true},
        {2, 5, 2, 10, false, true},
        {2, 3, 3, -10, false, true},
        {3, 5, 4, -10, false, false},
        {3, 4, 5, -34, false, true}},
       {{0, 4, 0, -34, 20, 18, 3}, {1, 5, 0, 0, 20, 18, 3}},
       {{2, -10, 10, false}, {5, -10, 10, false}, {3, -34, -10, false}},
       -24,
       48,
       "$"},
      {{55, 110, 165, 220},
       {0, 0, 0, 0},
       {{1, 2, 1, 20, true, false},
        {1, 2, 2, -20, false, true},
        {2, 3, 3, 0, false, true},
        {3, 4, 4, 0, false, true},
        {4, 5, 5, 0, false, true}},
       {{0, 2, -18, 0, 18, 4, 3}, {1, 5, 0, 0, 18, 14, 3}},
       {{2, -20, 20, false}},
       -24,
       48,
       "$"},
      {{60, 120, 180, 120},
       {0, 0, 0, 0},
       {{1, 3, 1, 20, true, false},
        {1, 2, 2, 0, false, true},
        {2, 3, 3, 0, false, true},
        {2, 5, 4, -24, false, true},
        {3, 4, 5, 12, false, true},
        {5, 4, 6, -24, false, false}},
       {{0, 4, 0, -5, 20, 18, 3}},
       {{3, 0, 20, false}, {2, 0, -24, false}, {4, -24, 12, false}},
       -24,
       48,
       "$"},
      {{60, 120, 180, 90},
       {0, 0, 0, 0},
       {{1, 2, 1, 12, true, false},
        {2, 3, 2, 12, true, false},
        {3, 4, 3, 12, true, false},
        {1, 5, 4, -12, false, true},
        {5, 4, 5, -12, false, true}},
       {{0, 4, 0, 0, 20, 20, 3}, {1, 5, 0, -20, 20, 20, -9}},
       {{5, -12, -20, true}, {4, -12, 12, false}},
       -24,
       48,
       " $"},
      {{60, 120, 180, 60},
       {0, 0, 0, 0},
       {{1, 2, 2, 0, false, true},
        {2, 3, 3, 0, false, true},
        {1, 3, 1, 20, true, false},
        {1, 5, 4, -23, false, true},
        {3, 4, 5, 0, false, false},
        {5, 4, 6, -23, false, true}},
       {{0, 3, 0, 20, 20, 18, 3}, {1, 4, 0, -9, 20, 18, 3}},
       {{3, 0, 20, false}, {4, -23, 0, false}},
       -26,
       48,
       "     $"},
      {{60, 120, 180, 60},
       {0, 0, 0, 0},
       {{1, 2, 2, 0, false, true},
        {2, 3, 3, 0, false, true},
        {3, 4, 4, 0, false, true},
        {1, 3, 1, 20, true, false},
        {1, 5, 5, -24, false, true},
        {5, 3, 6, -24, false, false}},
       {{0, 3, 0, 20, 20, 18, 3}, {1, 4, 0, 0, 20, 18, 3}, {2, 5, -16, -12, 16, 9, 3}},
       {{3, -24, 20, false}, {5, -24, -12, true}},
       -26,
       50,
       "     $"},
      {{60, 120, 180, 120},
       {0, 0, 0, 0},
       {{1, 2, 3, 0, true, false},
        {2, 3, 4, 0, true, false},
        {1, 3, 1, 20, false, false},
        {3, 4, 2, 20, true, true},
        {1, 2, 5, -23, false, false},
        {2, 5, 6, -23, false, true}},
       {{0, 3, 0, 0, 20, 18, 3}, {1, 4, 0, 20, 20, 18, 3}, {2, 5, 0, -23, 20, 18, 3}},
       {{3, 0, 20, false}, {2, -23, 0, false}},
       -26,
       48,
       "     $"},
  };
  return schemes;
}

// The ends of spring e drawn at height h above node i: the "Pruzina" box between leads to
// the two nodes, its stiffness label and the nodes' numbers where asked; the stiffness
// enters the global matrix.
void AddSpringElement(SharedState& s, toolkit::TIntMatrix& K,
                      const toolkit::IndexedArray<int, 1, 6>& k, const Spring& sp) {
  const double xi = s.PointX[sp.i];
  const double xj = s.PointX[sp.j];
  const double x0 = (xi + xj) / 2 - 24;
  const double y = sp.h + s.PointY[sp.i];
  PutBox(s, "Pruzina", x0, y);
  DrawSegment(s, xi, y, x0 + 4, y);
  DrawSegment(s, xj, y, x0 + 40, y);
  DrawSmallDot(s, xi, y);
  DrawSmallDot(s, xj, y);
  PutBlueLabel(s, "$k_" + std::to_string(sp.e) + "$", x0 + 22, y + 8);
  const int ke = k[sp.e];
  K[sp.i][sp.i] += ke;
  K[sp.j][sp.j] += ke;
  K[sp.i][sp.j] -= ke;
  K[sp.j][sp.i] -= ke;
  if (sp.label_i) PutValueLabel(s, xi + 2, y + 2, sp.i);
  if (sp.label_j) PutValueLabel(s, xj - 5, y + 2, sp.j);
  WriteLine(s, "");
}

int BaseValue(int p, int replacement) { return p == 5 ? replacement : p - 5; }

}  // namespace

FiniteElementChainData DeriveFiniteElementChainData(int p1, int p2, int p3, int p4, int p5,
                                                    int p6, int p7) {
  FiniteElementChainData d;
  d.Scheme = p1;
  toolkit::TBinaryDigits b2{}, b3{}, b4{};
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p2), b2);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p3), b3);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p4), b4);
  for (int i = 1; i <= 6; ++i) d.k[i] = b2[i] + b3[i] + b4[i] + 1;
  if (d.k[2] == d.k[1]) d.k[1] += 2;
  if (d.k[2] == d.k[3]) d.k[3] += 1;
  const int f = BaseValue(p5, 6);
  int p = BaseValue(p6, 7);
  const int q = BaseValue(p7, 8);
  if (std::abs(f) == std::abs(p)) p = 6;
  d.F = 10 * f;
  d.P = 10 * p;
  d.Q = 10 * q;
  return d;
}

void BeginFiniteElementChainProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 6);
  AnsWrite(s, "\\No\\ru ");
  for (int i = 2; i <= 5; ++i) AnsWriteTextNumber(s, "& $u_", i, "$");
  AnsWrite(s, "\\\\\\hline");
  WriteLine(s,
            "Determine the movement of nods $u_i$, $i=2,...,5$. Given dimensionless stiffness "
            "$ k $ and power ($F=ku$).\\vskip2mm\\noindent ");
}

void WriteFiniteElementChainVariant(SharedState& s) {
  const FiniteElementChainData d =
      DeriveFiniteElementChainData(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const Scheme& scheme = Schemes().at(d.Scheme - 1);
  const int values[3] = {d.F, d.P, d.Q};
  const char* labels[3] = {"F", "P", "Q"};

  ClearPoints(s, 5);
  s.PointX[1] = 0;
  s.PointY[1] = 0;
  for (int n = 2; n <= 5; ++n) {
    s.PointX[n] = scheme.node_x[n - 2];
    s.PointY[n] = scheme.node_y[n - 2];
  }
  // The longest chains with the force at their end need 244 units: at 0.97 pt a unit they
  // fill the variant's 240 pt (the springs and letters keep their size).
  WriteText(s, "\\unitlength=0.97pt");
  BeginPicture(s, 246, 84, -4, d.Scheme == 1 ? -30 : -44);
  toolkit::TIntMatrix K{};
  toolkit::ClearIntMatrix(K, 5);
  for (const Spring& sp : scheme.springs) AddSpringElement(s, K, d.k, sp);
  toolkit::IndexedArray<double, 1, 5> load{};
  for (const ChainForce& f : scheme.forces) {
    const double x = s.PointX[f.node] + f.x;
    DrawThickRedForce(s, 1, 0, std::string("$") + labels[f.which] + "$", values[f.which], x, f.y,
                      f.length, f.ox, f.oy);
    load[f.node] += values[f.which];
  }
  for (const RigidLine& r : scheme.rigid) {
    const double x = s.PointX[r.node];
    DrawSegment(s, x, r.y1, x, r.y2);
    if (r.dot) DrawSmallDot(s, x, r.y2);
  }
  SetLineWidth(s, 1);
  DrawHatchRowH(s, -1, 0, scheme.wall_y, scheme.wall_length);
  EndPicture(s);
  WriteText(s, "\\unitlength=1pt");

  WriteText(s, "\\par ");
  for (size_t e = 1; e <= scheme.springs.size(); ++e) {
    WriteText2NumbersLn(s, "$k_", static_cast<double>(e), "=", d.k[static_cast<int>(e)], "$, ");
  }
  if (d.Scheme == 1) WriteText(s, "\\par ");
  for (size_t n = 0; n < scheme.forces.size(); ++n) {
    const ChainForce& f = scheme.forces[n];
    std::string prefix = n == 0 ? (d.Scheme == 1 ? "$" : "\\par $") : scheme.later_prefix;
    WriteTextNumberLn(s, prefix + labels[f.which] + "=", std::abs(values[f.which]),
                      n + 1 == scheme.forces.size() ? "$. " : "$, ");
  }

  // Node 1 is held by the wall: its reaction is the fifth unknown, in row 1.
  ClearLinearSystem(s, 5);
  for (int r = 1; r <= 5; ++r) {
    for (int c = 1; c <= 4; ++c) s.SystemMatrix[r][c] = K[r][c + 1];
    s.SystemRhs[r][1] = load[r];
  }
  s.SystemMatrix[1][5] = 1;
  SolveLinearSystem(s, 5, 1, "spring chain");

  WriteText(s, "\\par ");
  AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  for (int i = 2; i <= 5; ++i) AnsWriteTextNumber(s, "&$", s.SystemRhs[i - 1][1], "$ ");
}

}  // namespace structural
