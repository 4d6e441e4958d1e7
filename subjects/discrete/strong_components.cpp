#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/circle_digraph.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// The circle of vertices: with up to 20 arcs among seven vertices, a radius of 35 pt piles the
// arrowheads up at the vertices; the box has room for a larger one.
constexpr double kRadius = 55;

bool Contains(const std::vector<int>& list, int v) {
  return std::find(list.begin(), list.end(), v) != list.end();
}

}  // namespace

void BeginStrongComponentsProblem(SharedState& s, int n) {
  SetPointsOnCircle(s, n, kRadius);
  s.ParboxWidth = 185;
  DefineNumberedCirclesBox(s, n);
  toolkit::WriteText(s, "Найти компоненты сильной связности графа.\\par\\vskip2mm\\noindent ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, "\\No & \\multicolumn{2}{c|}{компоненты} \\\\\\hline ");
}

void WriteStrongComponentsVariant(SharedState& s, int n) {
  toolkit::ClearIntMatrix(s.GraphMatrix, n);
  int seeds[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P4, s.P5};
  auto wrap = [n](int x) { return x <= n ? x : 1; };
  std::vector<int> a;
  for (int k = 1; k <= 4; ++k) {
    while (Contains(a, seeds[k])) seeds[k] = wrap(seeds[k] + 1);
    a.push_back(seeds[k]);
  }
  std::vector<int> b;
  for (int k = 5; k <= 7; ++k) {
    while (Contains(b, seeds[k]) || Contains(a, seeds[k])) seeds[k] = wrap(seeds[k] + 1);
    b.push_back(seeds[k]);
  }
  auto arc = [&](int u, int v) { s.GraphMatrix[u][v] = 1; };
  auto A = [&](int k) { return a[static_cast<std::size_t>(k - 1)]; };
  auto B = [&](int k) { return b[static_cast<std::size_t>(k - 1)]; };
  arc(A(1), A(2));
  arc(A(2), A(3));
  arc(A(3), A(4));
  arc(A(4), A(1));
  arc(B(1), B(2));
  arc(B(2), B(3));
  arc(B(3), B(1));
  const int crossing[4] = {0, s.P1, s.P2, s.P3};
  for (int k = 1; k <= 3; ++k) {
    for (int t = 1; t <= std::min(crossing[k], 4); ++t) arc(B(k), A(t));
  }
  arc(A(1), A(3));
  if (s.P1 <= 3) arc(A(2), A(4));

  // The picture holds all it draws: down to y = -4.1.
  toolkit::BeginPicture(s, 2 * kRadius + 30, 2 * kRadius + 20, -10, -5);
  figures::PutBox(s, "vrsins", 0, 0);
  figures::SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Brown{");
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (s.GraphMatrix[i][j] == 1) figures::DrawArrowBetweenPoints(s, i, j, 5);
    }
  }
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\par");

  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), " & ");
  for (int k = 1; k <= 3; ++k) toolkit::AnsWriteTextNumber(s, "", A(k), ",");
  toolkit::AnsWriteTextNumber(s, "", A(4), " & ");
  toolkit::AnsWriteText3Numbers(s, "", B(1), ",", B(2), ",", B(3), "");
}

}  // namespace discrete
