#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "subjects/discrete/variant_graph.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/indexed_array.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

constexpr int kLevelCapacity = 150;
constexpr int kSlots = 16;

// One graph of a level of the deletion-contraction tree: edge slots (u, v), u = 0 empty, never
// compacted, and the vertex count.
struct ChromaticGraph {
  toolkit::IndexedArray<std::uint8_t, 1, kSlots> u{};
  toolkit::IndexedArray<std::uint8_t, 1, kSlots> v{};
  int vertices = 0;
};

using ChromaticGraphLevel = toolkit::IndexedArray<ChromaticGraph, 1, kLevelCapacity>;

int CountGraphEdges(const ChromaticGraph& g) {
  int edges = 0;
  for (int slot = 1; slot <= kSlots; ++slot) edges += g.u[slot] != 0 ? 1 : 0;
  return edges;
}

// d := g without its first edge; c := g with that edge contracted (its first end merged into
// the second) and parallel edges removed, the earlier slot surviving.
void SplitChromaticGraph(const ChromaticGraph& g, ChromaticGraph& d, ChromaticGraph& c) {
  d = g;
  int first = 1;
  while (d.u[first] == 0) ++first;
  const std::uint8_t u = d.u[first];
  const std::uint8_t v = d.v[first];
  d.u[first] = 0;
  d.v[first] = 0;
  c = d;
  for (int slot = 1; slot <= kSlots; ++slot) {
    if (c.u[slot] == u) c.u[slot] = v;
    if (c.v[slot] == u) c.v[slot] = v;
  }
  for (int i = 1; i < kSlots; ++i) {
    if (c.u[i] == 0) continue;
    for (int j = i + 1; j <= kSlots; ++j) {
      if ((c.u[j] == c.u[i] && c.v[j] == c.v[i]) || (c.u[j] == c.v[i] && c.v[j] == c.u[i])) {
        c.u[j] = 0;
        c.v[j] = 0;
      }
    }
  }
  c.vertices = g.vertices - 1;
}

// S(i, k) of the second kind, i, k = 0..12.
int Stirling2(int i, int k) {
  static const auto table = [] {
    std::vector<std::vector<int>> t(13, std::vector<int>(13, 0));
    t[0][0] = 1;
    for (int r = 0; r < 12; ++r) {
      for (int c = 1; c <= r + 1; ++c) t[r + 1][c] = c * t[r][c] + t[r][c - 1];
    }
    return t;
  }();
  return table[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
}

void WriteChromaticReduction(SharedState& s, const std::vector<int>& leaves, int n) {
  toolkit::AnsWrite(s, " &$ ");
  for (int k = 1; k <= n; ++k) {
    int sum = 0;
    for (int i = k; i <= n; ++i) {
      sum += ((n - i) % 2 == 0 ? 1 : -1) * leaves[static_cast<std::size_t>(i)] * Stirling2(i, k);
    }
    const int a = std::abs(sum);
    if (a == 0) continue;
    toolkit::AnsWriteNumberUnlessUnit(s, a);
    toolkit::AnsWriteTextNumber(s, "x^{(", k, k < n ? ")}+" : ")}");
  }
  toolkit::AnsWrite(s, "$");
}

void SolveChromaticPolynomial(SharedState& s, int n) {
  std::vector<int> leaves(static_cast<std::size_t>(n) + 1, 0);
  auto current = std::make_unique<ChromaticGraphLevel>();
  auto next = std::make_unique<ChromaticGraphLevel>();
  ChromaticGraph& first = (*current)[1];
  int slot = 1;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (s.GraphMatrix[i][j] != 1) continue;
      first.u[slot] = static_cast<std::uint8_t>(i);
      first.v[slot] = static_cast<std::uint8_t>(j);
      ++slot;
    }
  }
  first.vertices = n;
  // Graph 1 holds the edges in row order, so its picture is that of the variant graph.
  DrawVariantGraphSmall(s, n);

  int graphs = 1;
  int splits = 0;
  do {
    splits = 0;
    for (int g = 1; g <= graphs; ++g) {
      const ChromaticGraph& graph = (*current)[g];
      if (CountGraphEdges(graph) == 0) {
        ++leaves[static_cast<std::size_t>(graph.vertices)];
        continue;
      }
      if (2 * (splits + 1) > kLevelCapacity) {
        toolkit::WriteText(s, "\\Red{(слишком много графов)}");
        return;
      }
      ++splits;
      SplitChromaticGraph(graph, (*next)[2 * splits - 1], (*next)[2 * splits]);
    }
    std::swap(current, next);
    graphs = 2 * splits;
  } while (splits > 0);

  toolkit::AnsWriteTextNumber(s, "$x^", n, " ");
  for (int m = 1; m <= n - 1; ++m) {
    const int c = leaves[static_cast<std::size_t>(n - m)];
    if (c == 0) continue;
    toolkit::AnsWriteSignedCoefLn(s, (m % 2 == 0 ? 1 : -1) * c);
    if (n - m == 1) {
      toolkit::AnsWrite(s, "x");
    } else {
      toolkit::AnsWriteTextNumber(s, "x^", n - m, "");
    }
  }
  toolkit::AnsWrite(s, "$");

  const int x0 = s.P2 / 3 + 3;
  toolkit::WriteTextNumberLn(s, "\\par $x_0=", x0, " $");
  int h = leaves[static_cast<std::size_t>(n)];
  for (int k = n - 1; k >= 1; --k) h = leaves[static_cast<std::size_t>(k)] - x0 * h;
  h *= x0;
  WriteChromaticReduction(s, leaves, n);
  toolkit::AnsWriteTextNumber(s, "& ", std::abs(h), " ");
}

}  // namespace

void BeginChromaticPolynomialProblem(SharedState& s) {
  s.ParboxWidth = 120;
  toolkit::AnsWrite(s, "\\tabcolsep=1pt ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::WriteText(s,
                     " Найти хроматический полином графа, хроматическую редукцию и число раскрасок "
                     "$x_0$ цветами.\\par\\noindent ");
  toolkit::AnsWriteLine(s, "\\No & $C(x)$ & Редукция & $C(x_0)$   \\\\\\hline");
}

void WriteChromaticPolynomialVariant(SharedState& s, int mode) {
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " & ");
  const int n = mode == 1 ? 4 : 5;
  BuildVariantGraph(s, n);
  SolveChromaticPolynomial(s, n);
  toolkit::WriteLine(s, "\\vskip3mm");
}

}  // namespace discrete
