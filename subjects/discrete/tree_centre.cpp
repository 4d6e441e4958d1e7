#include <algorithm>
#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/grid_tree.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// The sum of a[i][j] over i < j (the low byte of each entry): the number of edges.
int CountUpperEdges(int n, const toolkit::TIntMatrix& a) {
  int edges = 0;
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) edges += a[i][j] & 0xFF;
  }
  return edges;
}

// The vertices reachable from the neighbours of v other than `chosen` without passing v.
int OtherBranchesSize(const toolkit::TIntMatrix& a, int n, int v, int chosen) {
  std::vector<bool> reached(static_cast<std::size_t>(n) + 1, false);
  std::vector<int> frontier;
  reached[static_cast<std::size_t>(v)] = true;
  for (int u = 1; u <= n; ++u) {
    if (u != chosen && a[v][u] == 1) {
      reached[static_cast<std::size_t>(u)] = true;
      frontier.push_back(u);
    }
  }
  int count = static_cast<int>(frontier.size());
  while (!frontier.empty()) {
    const int i = frontier.back();
    frontier.pop_back();
    for (int j = 1; j <= n; ++j) {
      if (a[i][j] == 1 && !reached[static_cast<std::size_t>(j)]) {
        reached[static_cast<std::size_t>(j)] = true;
        frontier.push_back(j);
        ++count;
      }
    }
  }
  return count;
}

// The smallest OtherBranchesSize over the neighbours of v; 200 when v has none.
int SmallestOtherBranches(const toolkit::TIntMatrix& a, int n, int v) {
  int least = 200;
  for (int u = 1; u <= n; ++u) {
    if (a[v][u] == 1) least = std::min(least, OtherBranchesSize(a, n, v, u));
  }
  return least;
}

// Keeps only whether an entry is non-zero: the distances need nothing more.
void ClampToBoolean(toolkit::TIntMatrix& a, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) a[i][j] = a[i][j] != 0 ? 1 : 0;
  }
}

struct TreeEccentricities {
  int radius = 0;
  int diameter = 0;
  std::vector<int> centres;
};

TreeEccentricities TreeRadiusDiameter(SharedState& s, int n) {
  toolkit::ClearIntMatrix(s.WorkMatrix3, n);
  s.WorkMatrix1 = s.GraphMatrix;
  s.WorkMatrix2 = s.GraphMatrix;
  int k = 1;
  toolkit::MarkNewReachable(1, n, s.WorkMatrix2, s.WorkMatrix3);
  // A tree on n vertices has no distance above n - 1; the bound only guards a graph that is
  // not connected.
  while (toolkit::UpperTriangleHasZero(s.WorkMatrix3, n) && k < n) {
    ++k;
    toolkit::IntMatrixMultiply(s.GraphMatrix, s.WorkMatrix1, n, s.WorkMatrix2);
    ClampToBoolean(s.WorkMatrix2, n);
    toolkit::MarkNewReachable(k, n, s.WorkMatrix2, s.WorkMatrix3);
    s.WorkMatrix1 = s.WorkMatrix2;
  }
  toolkit::TIntMatrix& dist = s.WorkMatrix3;
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) dist[j][i] = dist[i][j];
  }
  TreeEccentricities result;
  result.radius = 250;
  std::vector<int> ecc(static_cast<std::size_t>(n) + 1, 0);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) ecc[i] = std::max(ecc[i], dist[i][j]);
    result.radius = std::min(result.radius, ecc[i]);
    result.diameter = std::max(result.diameter, ecc[i]);
  }
  for (int i = 1; i <= n; ++i) {
    if (ecc[i] == result.radius) result.centres.push_back(i);
  }
  return result;
}

}  // namespace

void BeginTreeCentreProblem(SharedState& s) {
  const int k = s.TreeGridCols;
  s.ParboxWidth = 125;
  s.TreeGridPreload = false;
  toolkit::WriteLine(s, "\\newsavebox{\\versiny}\\sbox{\\versiny}{%");
  s.TreeVertexCount = k * k;
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  DrawGridVertices(s, k, k);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s,
                     " Найти радиус $r$ и  диаметр $d$ графа. Записать десятичную кодировку дерева "
                     "с корнем в вершине 7. Найти наименьший вес вершин дерева и его центроид. "
                     "\\\\\\noindent");
  toolkit::AnsBeginTable(s, 8);
  toolkit::AnsWriteLine(s,
                        " & $r$ & $d$& Центр &  Код(10) & $min(\\rho)$ &  центроид  \\\\\\hline");
}

void WriteTreeCentreVariant(SharedState& s) {
  const int k = s.TreeGridCols;
  const int n = k * k;
  toolkit::ClearIntMatrix(s.GraphMatrix, 25);
  toolkit::WriteText(s, "\\par");
  // The grid's lowest row stands at y = 100 / k, its markers 1.5 below; the numbers of the
  // right-hand column reach x = 113 and those of the top row y = 108; 2 pt more keep them off
  // the heading.
  const int bottom = 100 / k - 5;
  toolkit::BeginPicture(s, 115, 110 - bottom, 0, bottom);
  figures::PutBox(s, "versiny", 0, 0);
  figures::SetLineWidth(s, 8);
  const bool grown = GrowGridTree(s, 1, k, k);
  figures::SetLineWidth(s, 1);
  toolkit::EndPicture(s);
  if (!grown) {
    toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
    return;
  }
  WriteTreeCentreAnswers(s, n);
}

void WriteTreeCentreAnswers(SharedState& s, int n) {
  const TreeEccentricities tree = TreeRadiusDiameter(s, n);
  toolkit::AnsWriteText3Numbers(s, "", toolkit::PrintedVariantNumber(s), " & ", tree.radius,
                                " & ", tree.diameter, " & ");
  for (std::size_t c = 0; c < tree.centres.size(); ++c) {
    toolkit::AnsWriteTextNumber(s, " ", tree.centres[c], c + 1 < tree.centres.size() ? "," : " ");
  }
  DecimalTreeCode(s, n, 7);

  const int edges = CountUpperEdges(n, s.GraphMatrix);
  std::vector<int> weight(static_cast<std::size_t>(n) + 1, 0);
  int least = 200;
  for (int v = 1; v <= n; ++v) {
    weight[v] = edges - SmallestOtherBranches(s.GraphMatrix, n, v);
    least = std::min(least, weight[v]);
  }
  toolkit::AnsWriteTextNumber(s, " & ", least, " & ");
  const char* separator = "";
  for (int v = 1; v <= n; ++v) {
    if (weight[v] != least) continue;
    toolkit::AnsWriteTextNumber(s, separator, v, "");
    separator = ", ";
  }
}

}  // namespace discrete
