#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Point;
using discrete_check::RowRunner;

struct Edge {
  int u, v;
  long w;
};

// The drawn edges, each weighted by the label nearest to its midpoint.
std::vector<Edge> ReadWeightedGraph(const std::string& main, std::vector<Point>& points) {
  points = discrete_check::ReadCircles(main, "{\\circle{ 3}}");
  EXPECT_EQ(points.size(), 7u);
  std::vector<Edge> edges;
  for (const auto& bar : discrete_check::ReadBars(main)) {
    edges.push_back({discrete_check::Nearest(points, bar.a), discrete_check::Nearest(points, bar.b), -1});
  }
  for (const auto& l : picture_read::ReadLabels(main, "\\scriptsize ")) {
    const Point centre{l.at.x + 3, l.at.y + 2};
    Edge* best = nullptr;
    double best_d = 1e9;
    for (Edge& e : edges) {
      const auto& a = points[static_cast<std::size_t>(e.u - 1)];
      const auto& b = points[static_cast<std::size_t>(e.v - 1)];
      const double d = picture_read::Distance(centre, {(a.x + b.x) / 2, (a.y + b.y) / 2});
      if (d < best_d) {
        best_d = d;
        best = &e;
      }
    }
    EXPECT_EQ(best->w, -1);
    best->w = l.value;
  }
  return edges;
}

int Find(std::vector<int>& parent, int v) {
  while (parent[static_cast<std::size_t>(v)] != v) v = parent[static_cast<std::size_t>(v)];
  return v;
}

long KruskalWeight(std::vector<Edge> edges) {
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.w < b.w; });
  std::vector<int> parent(8);
  std::iota(parent.begin(), parent.end(), 0);
  long total = 0;
  for (const Edge& e : edges) {
    const int a = Find(parent, e.u), b = Find(parent, e.v);
    if (a == b) continue;
    parent[static_cast<std::size_t>(a)] = b;
    total += e.w;
  }
  return total;
}

long CountSpanningTrees(const std::vector<Edge>& edges) {
  const std::size_t m = edges.size();
  std::vector<int> pick(m, 0);
  std::fill(pick.end() - 6, pick.end(), 1);
  long count = 0;
  do {
    std::vector<int> parent(8);
    std::iota(parent.begin(), parent.end(), 0);
    bool forest = true;
    for (std::size_t k = 0; k < m && forest; ++k) {
      if (pick[k] == 0) continue;
      const int a = Find(parent, edges[k].u), b = Find(parent, edges[k].v);
      forest = a != b;
      parent[static_cast<std::size_t>(a)] = b;
    }
    count += forest ? 1 : 0;
  } while (std::next_permutation(pick.begin(), pick.end()));
  return count;
}

// Whether the weights are an order in which Prim's method from vertex 1 can take the edges:
// each is the lightest edge leaving the tree so far; every edge of that weight is tried.
bool IsPrimOrder(const std::vector<Edge>& edges, const std::vector<long>& order, std::vector<bool> in,
                 std::size_t step) {
  if (step == order.size()) return std::all_of(in.begin() + 1, in.end(), [](bool b) { return b; });
  long lightest = -1;
  for (const Edge& e : edges) {
    if (in[static_cast<std::size_t>(e.u)] != in[static_cast<std::size_t>(e.v)] && (lightest < 0 || e.w < lightest))
      lightest = e.w;
  }
  if (lightest != order[step]) return false;
  for (const Edge& e : edges) {
    if (in[static_cast<std::size_t>(e.u)] == in[static_cast<std::size_t>(e.v)] || e.w != lightest) continue;
    std::vector<bool> next = in;
    next[static_cast<std::size_t>(e.u)] = next[static_cast<std::size_t>(e.v)] = true;
    if (IsPrimOrder(edges, order, next, step + 1)) return true;
  }
  return false;
}

bool IsPrimOrder(const std::vector<Edge>& edges, const std::vector<long>& order) {
  std::vector<bool> in(8, false);
  in[1] = true;
  return IsPrimOrder(edges, order, in, 0);
}

TEST(MinimumSpanningTree, WorkedExamples) {
  RowRunner run(2, 1);
  EXPECT_EQ(run.BeginAnswers(),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & Веса рёбер &$\\Sigma$& $n_o$ \\\\\\hline\r\n");
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, "1 & 21,15,12,13,14,27 & 102&55 \\\\");
  EXPECT_EQ(run.RunVariant({6, 6, 5, 5, 5, 1, 1}).second, "1 & 14,15,16,17,23,29 & 114&55 \\\\");
}

// Over all 4 500 sets: the sum is Kruskal's minimum, the six weights a Prim order from vertex
// 1, and the tree count that of the drawn graph.
TEST(MinimumSpanningTree, AnswersAgreeWithTheDrawnGraph) {
  RowRunner run(2, 1);
  discrete_check::ForEachParams({6, 6, 5, 5, 5, 1, 1}, 4500, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    std::vector<Point> points;
    const auto edges = ReadWeightedGraph(main, points);
    ASSERT_EQ(edges.size(), 10u) << main;
    for (const Edge& e : edges) ASSERT_GT(e.w, 0) << main;
    const auto cells = discrete_check::Cells(answers);
    ASSERT_EQ(cells.size(), 4u) << answers;
    const auto order = discrete_check::Integers(cells[1]);
    ASSERT_EQ(order.size(), 6u);
    const long total = std::stol(cells[2]);
    EXPECT_EQ(std::accumulate(order.begin(), order.end(), 0L), total);
    EXPECT_EQ(KruskalWeight(edges), total) << answers;
    EXPECT_TRUE(IsPrimOrder(edges, order)) << answers;
    EXPECT_EQ(CountSpanningTrees(edges), std::stol(cells[3])) << answers;
  });
}

}  // namespace
