#include "subjects/statics/simple_truss.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Candidate bars of the five topologies; P2 picks two of them.
const int kCandidateBars[6][4] = {{0, 0, 0, 0},  {2, 9, 11, 13}, {2, 5, 9, 11},
                                  {1, 3, 9, 10}, {1, 4, 5, 6},   {4, 7, 8, 9}};
const int kPairs[7][2] = {{0, 0}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};

// A rational number for the exact joint solve; the trusses are small and their coordinates a
// few metres, so 128-bit terms never come near overflow.
struct Rational {
  __int128 n = 0, d = 1;
};

__int128 Gcd(__int128 a, __int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const __int128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

Rational Make(__int128 n, __int128 d) {
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const __int128 g = Gcd(n, d);
  return g > 1 ? Rational{n / g, d / g} : Rational{n, d};
}
Rational operator-(Rational a, Rational b) { return Make(a.n * b.d - b.n * a.d, a.d * b.d); }
Rational operator*(Rational a, Rational b) { return Make(a.n * b.n, a.d * b.d); }
Rational operator/(Rational a, Rational b) { return Make(a.n * b.d, a.d * b.n); }

// The exact whole value of r; throws when r is not whole.
int Whole(Rational r, const char* what) {
  if (r.d != 1) {
    throw toolkit::DegenerateDataError(std::string("simple truss: ") + what +
                                       " is not a whole number");
  }
  return static_cast<int>(r.n);
}

// The node loads and supports as columns of the joint equations in force densities (bar force
// over bar length), so that every coefficient is a whole coordinate difference. Unknowns: the
// bars' force densities, then X_A, Y_A, then B's reactions (X_B unless a roller, Y_B).
struct JointSolution {
  std::vector<Rational> density;
  Rational XA, YA, XB, YB;
};

JointSolution SolveJoints(const SimpleTrussVariant& v) {
  const int m = static_cast<int>(v.bars.size());
  const int unknowns = m + 2 + (v.roller ? 1 : 2);
  const int rows = 2 * v.nodes;
  if (rows != unknowns) throw toolkit::DegenerateDataError("simple truss: not determinate");
  std::vector<std::vector<Rational>> a(rows, std::vector<Rational>(unknowns + 1));
  const auto set = [&](int row, int col, int value) { a[row][col] = Make(value, 1); };
  for (int k = 0; k < m; ++k) {
    const auto [i, j] = v.bars[k];
    const int dx = v.x[j] - v.x[i], dy = v.y[j] - v.y[i];
    // Tension pulls each end towards the other.
    set(2 * (i - 1), k, dx);
    set(2 * (i - 1) + 1, k, dy);
    set(2 * (j - 1), k, -dx);
    set(2 * (j - 1) + 1, k, -dy);
  }
  set(0, m, 1);
  set(1, m + 1, 1);
  if (v.roller) {
    set(2 * (v.B - 1) + 1, m + 2, 1);
  } else {
    set(2 * (v.B - 1), m + 2, 1);
    set(2 * (v.B - 1) + 1, m + 3, 1);
  }
  const auto load = [&](int node, int ux, int uy) {
    a[2 * (node - 1)][unknowns] = a[2 * (node - 1)][unknowns] - Make(ux * v.P0, 1);
    a[2 * (node - 1) + 1][unknowns] = a[2 * (node - 1) + 1][unknowns] - Make(uy * v.P0, 1);
  };
  load(v.load1_node, v.load1_x, v.load1_y);
  load(v.load3_node, v.load3_x, v.load3_y);

  for (int c = 0; c < unknowns; ++c) {
    int pivot = c;
    while (pivot < rows && a[pivot][c].n == 0) ++pivot;
    if (pivot == rows) throw toolkit::DegenerateDataError("simple truss: the truss is a mechanism");
    std::swap(a[c], a[pivot]);
    for (int r = 0; r < rows; ++r) {
      if (r == c || a[r][c].n == 0) continue;
      const Rational f = a[r][c] / a[c][c];
      for (int k = c; k <= unknowns; ++k) a[r][k] = a[r][k] - f * a[c][k];
    }
  }
  JointSolution out;
  for (int k = 0; k < m; ++k) out.density.push_back(a[k][unknowns] / a[k][k]);
  out.XA = a[m][unknowns] / a[m][m];
  out.YA = a[m + 1][unknowns] / a[m + 1][m + 1];
  if (v.roller) {
    out.YB = a[m + 2][unknowns] / a[m + 2][m + 2];
  } else {
    out.XB = a[m + 2][unknowns] / a[m + 2][m + 2];
    out.YB = a[m + 3][unknowns] / a[m + 3][m + 3];
  }
  return out;
}

// The force of bar k (1-based): its force density times its length, which for a bar that
// carries force is a whole number of metres.
int BarForce(const SimpleTrussVariant& v, const JointSolution& j, int k) {
  const Rational q = j.density[k - 1];
  if (q.n == 0) return 0;
  const auto [a, b] = v.bars[k - 1];
  const int l2 = (v.x[b] - v.x[a]) * (v.x[b] - v.x[a]) + (v.y[b] - v.y[a]) * (v.y[b] - v.y[a]);
  const int l = static_cast<int>(std::lround(std::sqrt(l2)));
  if (l * l != l2) {
    throw toolkit::DegenerateDataError("simple truss: a marked bar of irrational length");
  }
  return Whole(q * Make(l, 1), "a marked bar's force");
}

void SetGeometry(SimpleTrussVariant& v, const toolkit::TBinaryDigits& d,
                 const toolkit::TBinaryDigits& e, int p4) {
  const auto g = [&](int k) { return d[k] + e[k]; };
  auto& x = v.x;
  auto& y = v.y;
  const auto node = [&](int k, int nx, int ny) {
    x[k] = nx;
    y[k] = ny;
  };
  switch (v.topology) {
    case 1: {
      const int a = g(1) + 2, b = g(3) + 2, h5 = g(4) + 2, h8 = g(2) + 2;
      v.nodes = 8;
      v.bars = {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {6, 7}, {7, 8}, {1, 5},
                {2, 5}, {2, 6}, {3, 6}, {3, 7}, {4, 7}, {4, 8}};
      node(2, a, 0), node(3, a + b, 0), node(4, a + 2 * b, 0), node(5, 0, h5);
      node(6, a, b), node(7, a + b, b), node(8, a + 2 * b, h8);
      v.B = 4, v.roller = true, v.P0 = (a + 2 * b) * b;
      break;
    }
    case 2: {
      const int a = g(1) + 2, h = g(3) + 3, c = d[2] + e[3] + 2, h5 = g(4) + 2, h8 = g(2) + 2;
      v.nodes = 8;
      v.bars = {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {6, 7}, {7, 8}, {1, 5},
                {2, 5}, {2, 6}, {3, 6}, {3, 7}, {3, 8}, {4, 8}};
      node(2, a, 0), node(3, 2 * a, 0), node(4, 2 * a + c, 0), node(5, 0, h5);
      node(6, a, h), node(7, 2 * a, h), node(8, 2 * a + c, h8);
      v.B = 3, v.roller = true, v.P0 = 2 * a * h;
      break;
    }
    case 3: {
      const int a = g(2) + 2, b = g(3) + 2, c = g(4) + 2, ee = g(1) + 2, h = e[2] + d[3] + 2;
      v.nodes = 7;
      v.bars = {{1, 2}, {3, 4}, {1, 5}, {2, 5}, {2, 6}, {3, 6}, {3, 7}, {4, 7}, {5, 6}, {6, 7}};
      node(2, a, 0), node(3, a + b + c, 0), node(4, a + b + c + ee, 0), node(5, 0, h);
      node(6, a + b, h), node(7, a + b + c + ee, h);
      v.B = 4, v.roller = false, v.P0 = (a + b + c + ee) * h;
      break;
    }
    case 4: {
      const int a = g(1) + 1, c = g(2) + 3, h2 = g(4) + 1;
      v.nodes = 6;
      v.bars = {{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {1, 4}, {1, 5}, {6, 2}, {6, 3}};
      node(2, 0, h2), node(3, a, 3), node(4, 4, 3), node(5, 4 + c, 3), node(6, 4 + c, 0);
      v.B = 6, v.roller = true, v.P0 = (c + 4) * (4 - a) * 3;
      break;
    }
    default: {  // 5
      const int b = g(1) + 2, c = g(2) + 2, h = g(4) + 3, k = g(3) + 1;
      v.nodes = 8;
      v.bars = {{1, 2}, {2, 3}, {3, 4}, {5, 6}, {6, 7}, {7, 4},
                {1, 5}, {2, 5}, {2, 6}, {3, 6}, {3, 7}, {5, 8}};
      node(2, 4, h - 3), node(3, 4 + b, h - k), node(4, 4 + b + c, h), node(5, 0, h);
      node(6, 4, h), node(7, 4 + b, h), node(8, -2, h);
      node(9, 0, (p4 <= 2 ? y[3] : y[2]) - 2);
      v.B = 8, v.roller = false, v.P0 = 12 * b * h;
      break;
    }
  }
}

}  // namespace

SimpleTrussVariant DeriveSimpleTrussVariant(int p1, int p2, int p3, int p4, int p5, int p6) {
  SimpleTrussVariant v;
  v.topology = p1;
  toolkit::TBinaryDigits d, e;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p5), d);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p6), e);
  SetGeometry(v, d, e, p4);
  v.rod1 = kCandidateBars[p1][kPairs[p2][0] - 1];
  v.rod2 = kCandidateBars[p1][kPairs[p2][1] - 1];

  // The first load: at the table's first node for P4 = 3, 4, at its second for P4 = 1, 2;
  // sigma +1 for odd P4. "Vertical" is (0, -sigma), "+x" (sigma, 0), "-x" (-sigma, 0).
  static const int kFirstNode[6] = {0, 2, 5, 2, 3, 2};
  static const int kSecondNode[6] = {0, 3, 2, 3, 4, 3};
  static const int kThirdNode[6] = {0, 8, 4, 7, 2, 4};
  const int sigma1 = p4 % 2 == 1 ? 1 : -1;
  const int sigma3 = 3 - 2 * p3;
  const bool first = p4 >= 3;
  v.load1_node = first ? kFirstNode[p1] : kSecondNode[p1];
  if (first && p1 == 2) {
    v.load1_x = -sigma1;  // -x at node 5
  } else {
    v.load1_y = -sigma1;
  }
  v.load3_node = kThirdNode[p1];
  if (p1 == 1 || p1 == 3) {
    v.load3_x = sigma3;
  } else if (p1 == 4) {
    v.load3_x = -sigma3;
  } else {
    v.load3_y = -sigma3;
  }

  const JointSolution j = SolveJoints(v);
  const int XA = Whole(j.XA, "X_A"), YA = Whole(j.YA, "Y_A"), XB = Whole(j.XB, "X_B"),
            YB = Whole(j.YB, "Y_B");
  const int S1 = BarForce(v, j, v.rod1), S2 = BarForce(v, j, v.rod2);
  toolkit::IndexedArray<int, 1, 7> w{};
  int n = 0;
  w[++n] = v.P0;
  w[++n] = XA;
  if (p1 == 3) w[++n] = XB;
  w[++n] = YA;
  if (p1 == 5) {
    w[++n] = XB;
  } else {
    w[++n] = YB;
  }
  w[++n] = S1;
  w[++n] = S2;
  toolkit::NormalizeIntVector(w, n);
  int k = 1;
  v.P = w[k++];
  v.XA = w[k++];
  if (p1 == 3) v.XB = w[k++];
  v.YA = w[k++];
  if (p1 == 5) {
    v.XB = w[k++];
  } else {
    v.YB = w[k++];
  }
  v.S1 = w[k++];
  v.S2 = w[k++];
  return v;
}

void BeginSimpleTrussProblem(SharedState& s) {
  s.ParboxWidth = 204;
  WriteLine(s,
            "Two identical force $ P $  act on the flat truss. Find efforts in rods 1 and 2 "
            "(marked thickening). Dimensions are in meters.");
  AnsBeginTable(s, 9);
  AnsWriteLine(s, "\\#\\ru &$X_A$&$Y_A$&$X_B$&$Y_B$&$ S_1 $&$S_2$\\\\\\hline ");
  WriteSecondBookReference(s, 44);
}

void WriteSimpleTrussVariant(SharedState& s) {
  const SimpleTrussVariant v = DeriveSimpleTrussVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
  const int topology = v.topology;

  ClearPoints(s, 9);
  for (int k = 1; k <= 9; ++k) {
    s.PointX[k] = v.x[k];
    s.PointY[k] = v.y[k];
  }
  s.BoxWidth = 120;
  s.BoxHeight = 50;
  FitPointsToBox(s, 9, 0);
  // The truss with its supports and loads, the chains under it and at its right with their
  // digits: the picture holds all of them, so the data follow it closely.
  BeginPicture(s, 172, 92, -28, -25);
  const auto& x = s.PointX;
  const auto& y = s.PointY;

  SetLineWidth(s, 1);
  double right = x[1];
  for (int k = 2; k <= v.nodes; ++k) right = std::max(right, x[k]);
  const int d = topology == 2 || topology == 4 ? 15 : 21;
  const int yd = topology <= 3 ? -25 : (topology == 4 ? -20 : -15);
  DrawDimensionChains(s, v.nodes, right + d, yd, 1, s.Scale, s.Scale, 1);

  SetLineWidth(s, 5);
  for (int k = 1; k <= static_cast<int>(v.bars.size()); ++k) {
    const auto [i, j] = v.bars[k - 1];
    if (k == v.rod1 || k == v.rod2) {
      WriteText(s, "\\spehh\\Blue{");
      DrawBar(s, i, j);
      WriteText(s, "}\\speh");
    } else {
      DrawBar(s, i, j);
    }
  }

  // The loads: start, direction, length and label offset by topology and node.
  WriteText(s, "\\Red{");
  const auto force = [&](int node, int dx, int dy, int sign, double ox, double oy, int len, int lx,
                         int ly) {
    DrawDirectedVectorWithLabel(s, dx, dy, "$P$", sign, x[node] + ox, y[node] + oy, len, lx, ly);
  };
  const int sigma1 = v.load1_x != 0 ? -v.load1_x : -v.load1_y;
  const int n1 = v.load1_node;
  switch (topology) {
    case 1:
      force(n1, 0, -1, sigma1, 0, -1.5, 15, 2, -14);
      force(8, 1, 0, v.load3_x, 1.5, 0, 15, 5, 2);
      break;
    case 2:
      if (n1 == 5) {
        force(5, -1, 0, sigma1, -1, 0, 15, -12, 3);
      } else {
        force(2, 0, -1, sigma1, 0, -1.5, 15, 2, -14);
      }
      force(4, 0, -1, -v.load3_y, 0, -1, 15, 2, -12);
      break;
    case 3:
      force(n1, 0, -1, sigma1, 0, -1, 15, 2, -11);
      force(7, 1, 0, v.load3_x, 1, 0, 15, 12, 2);
      break;
    case 4:
      force(n1, 0, -1, sigma1, 0, 15, 14, 2, -5);
      force(2, -1, 0, -v.load3_x, -1, 0, 15, -12, 2);
      break;
    default:
      force(n1, 0, -1, sigma1, 0, -1.5, 15, 2, -14);
      force(4, 0, -1, -v.load3_y, 0, -1.5, 15, 2, -14);
      break;
  }
  WriteText(s, "}");
  const auto [r1a, r1b] = v.bars[v.rod1 - 1];
  const auto [r2a, r2b] = v.bars[v.rod2 - 1];
  PutValueLabel(s, MidX(s, r1a, r1b) + 2, MidY(s, r1a, r1b) + 1, 1);
  PutValueLabel(s, MidX(s, r2a, r2b) + 2, MidY(s, r2a, r2b) + 1, 2);
  PutHingeBoxAtPoint(s, 1);
  if (v.roller) {
    PutRollerBoxAtPoint(s, v.B);
  } else {
    PutHingeBoxAtPoint(s, v.B);
  }
  PutLabel(s, "$A$", x[1] - 9, y[1] - 1);
  if (topology == 2) {
    PutLabel(s, "$B$", x[v.B] + 5, y[v.B] - 7);
  } else if (topology == 5) {
    PutLabel(s, "$B$", x[v.B] - 9, y[v.B] - 1);
  } else {
    PutLabel(s, "$B$", x[v.B] + 4, y[v.B] - 1);
  }
  for (int k = 2; k <= v.nodes; ++k) {
    if (k != v.B) DrawNodeMarker(s, k);
  }
  EndPicture(s);
  WriteLine(s, "\\vskip1mm\\parbox[b]{200pt}{\\small");

  const auto cell = [](int value) { return "&" + toolkit::FormatFixed(value, 6, 0); };
  std::string line = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  line += cell(v.XA) + cell(v.YA);
  line += topology == 3 || topology == 5 ? cell(v.XB) : "&" + std::string(toolkit::kNoValue);
  line += topology == 5 ? "&" + std::string(toolkit::kNoValue) : cell(v.YB);
  line += cell(v.S1) + cell(v.S2);
  AnsWriteLine(s, line);
  WriteTextNumberLn(s, "\\hskip5mm  $P=", v.P, "$~kN}");
}

}  // namespace statics
