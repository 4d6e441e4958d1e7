#include <cmath>
#include <numbers>
#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// w[k], k = 1..6: spoke between hub 7 and rim vertex k; w[6 + j], j = 1..5: rim edge j, j + 1;
// w[12]: rim edge 1, 6; 0: no edge. Entries 13..19 stay 0.
using Weights = toolkit::IndexedArray<int, 1, 19>;
using WeightTable = toolkit::IndexedArray<toolkit::IndexedArray<int, 1, 10>, 1, 10>;

Weights MakeSpanningTreeWeights(const SharedState& s) {
  Weights w{};
  for (int i = 1; i <= 12; ++i) w[i] = i + 8 + s.P5;
  int b = s.P1 + s.P3;
  if (b > 6) b -= 6;
  int c = s.P2 + s.P4;
  if (c > 6) c -= 6;
  w[b] = 27;
  w[c + 6] = 29;
  w[s.P1] = 0;
  w[s.P2 + 6] = 0;
  return w;
}

void AddWeightedEdge(SharedState& s, toolkit::TIntMatrix& adjacency, const Weights& w, int a,
                     int b, int k) {
  figures::DrawBar(s, a, b);
  adjacency[a][b] = adjacency[b][a] = static_cast<int>(toolkit::SignOf(w[k]));
}

void PutWeightLabel(SharedState& s, int w, double x, double y) {
  if (w != 0) figures::PutValueLabel(s, x, y, w);
}

// A weight's box (its digits at \scriptsize) is placed with its centre at (cx, cy).
void PutWeightLabelCentred(SharedState& s, int w, double cx, double cy) {
  const double half_width = w >= 10 ? 4 : 2;
  PutWeightLabel(s, w, cx - half_width, cy - 2.7);
}

// Each weight stands beside the middle of its edge, off the line by 1.5 pt: the rim weights
// outside the hexagon, the spoke weights on the side of the spoke the weights were always
// set (to the right of spokes 2 and 5, above the others).
void DrawWeightLabels(SharedState& s, const Weights& w) {
  const double pi = std::numbers::pi;
  // Half the extent of a label box across the direction (cos, sin) points to.
  const auto reach = [](int weight, double c, double si) {
    return (weight >= 10 ? 4 : 2) * std::fabs(c) + 2.7 * std::fabs(si);
  };
  for (int j = 1; j <= 6; ++j) {
    const double phi = (j - 1) * pi / 3 + pi / 6;
    const double c = std::cos(phi), si = std::sin(phi);
    const double d = 40 * std::cos(pi / 6) + 1.9 + reach(w[6 + j], c, si);
    PutWeightLabelCentred(s, w[6 + j], 40 + d * c, 40 + d * si);
  }
  for (int k = 1; k <= 6; ++k) {
    const double theta = (k - 1) * pi / 3;
    double nx = -std::sin(theta), ny = std::cos(theta);
    const bool right = k == 2 || k == 5;
    if ((right ? nx : ny) < 0) nx = -nx, ny = -ny;
    const double d = 1.9 + reach(w[k], nx, ny);
    PutWeightLabelCentred(s, w[k], 40 + 20 * std::cos(theta) + d * nx,
                          40 + 20 * std::sin(theta) + d * ny);
  }
}

// Prim's method from vertex 1: ties go to the tree vertex that joined first, then to the
// smaller vertex number. Writes the six weights in the order taken and their sum.
void PrimSpanningTree(SharedState& s, const Weights& w) {
  WeightTable t{};
  for (int k = 1; k <= 6; ++k) t[k][7] = w[k];
  for (int j = 1; j <= 5; ++j) t[j][j + 1] = w[6 + j];
  t[1][6] = w[12];
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 10; ++j) {
      if (t[i][j] != 0) t[j][i] = t[i][j];
    }
  }
  std::vector<int> tree;
  int cur = 1;
  int total = 0;
  for (int step = 1; step <= 6; ++step) {
    tree.push_back(cur);
    int best = 100;
    for (int v : tree) {
      for (int i = 1; i <= 7; ++i) {
        if (t[v][i] != 0 && t[v][i] < best) {
          best = t[v][i];
          cur = i;
        }
      }
    }
    for (int v : tree) t[cur][v] = t[v][cur] = 0;
    total += best;
    toolkit::AnsWriteTextNumber(s, step == 1 ? "" : ",", best, "");
  }
  toolkit::AnsWriteTextNumber(s, " & ", total, "");
}

}  // namespace

void BeginMinimumSpanningTreeProblem(SharedState& s) {
  s.ParboxWidth = 100;
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\No & Веса рёбер &$\\Sigma$& $n_o$ \\\\\\hline");
  toolkit::WriteLine(s, " Дан взвешенный граф. Найти остов графа минимального веса.\\\\");
}

void WriteMinimumSpanningTreeVariant(SharedState& s) {
  toolkit::TIntMatrix adjacency{};
  const double pi = std::numbers::pi;
  s.PointX[7] = 40;
  s.PointY[7] = 40;
  for (int k = 1; k <= 6; ++k) {
    s.PointX[k] = 40 + 40 * std::cos((k - 1) * pi / 3);
    s.PointY[k] = 40 + 40 * std::sin((k - 1) * pi / 3);
  }
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " & ");
  const Weights w = MakeSpanningTreeWeights(s);
  toolkit::WriteLine(s, "\\par");
  // The picture holds all it draws: up to x = 81.5.
  toolkit::BeginPicture(s, 102, 100, -20, -10);
  figures::SetLineWidth(s, 8);
  for (int k = 1; k <= 6; ++k) {
    if (w[k] != 0) AddWeightedEdge(s, adjacency, w, 7, k, k);
  }
  for (int j = 1; j <= 5; ++j) {
    if (w[6 + j] != 0) AddWeightedEdge(s, adjacency, w, j, j + 1, 6 + j);
  }
  if (w[12] != 0) AddWeightedEdge(s, adjacency, w, 1, 6, 12);
  toolkit::WriteText(s, "\\Red{");
  for (int i = 1; i <= 7; ++i) figures::DrawNodeMarker(s, i);
  toolkit::WriteText(s, "}");
  DrawWeightLabels(s, w);
  toolkit::EndPicture(s);
  PrimSpanningTree(s, w);

  toolkit::TIntMatrix laplacian{};
  for (int i = 1; i <= 7; ++i) {
    for (int j = 1; j <= 7; ++j) {
      if (i == j) continue;
      laplacian[i][j] = -adjacency[i][j];
      laplacian[i][i] += adjacency[i][j];
    }
  }
  toolkit::TIntMatrix minor{};
  toolkit::IntMatrixMinor(laplacian, minor, 7, 1, 1);
  s.DeterminantMode = true;
  toolkit::AnsWriteTextNumber(s, "&", toolkit::IntMatrixDeterminant(s, minor, 6), "");
}

}  // namespace discrete
