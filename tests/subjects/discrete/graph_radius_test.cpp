#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::RowRunner;

TEST(GraphRadius, BeginWritesTheStatementAndBothHeadings) {
  RowRunner plain(5, 1);
  EXPECT_EQ(plain.State().ParboxWidth, 100);
  EXPECT_NE(plain.BeginAnswers().find(
                " \\No& $n_3$ & $r$ & $d$& Центр & $n_*$ & Эйлерова цепь\\\\\\hline\r\n"),
            std::string::npos);
  RowRunner students(5, 1, true);
  EXPECT_NE(students.BeginAnswers().find("Эйлерова цепь  & студент\\\\\\hline\r\n"), std::string::npos);
}

TEST(GraphRadius, AnswersOfTheWorkedExamples) {
  RowRunner run(5, 1);
  // All 1: edges 1-5, 2-6, 3-7, 4-5, 5-6; {3, 7} apart, six odd vertices.
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second,
            "1& 0  & --- & --- & --- & --- & Нет \\\\");
  // All 10: r 2, d 3, centre 2, 6, 7, 16 spanning trees, four odd vertices.
  EXPECT_EQ(run.RunVariant({10, 10, 10, 10, 10, 1, 1}).second,
            "1& 0  & 2 & 3 &  2, 6, 7&16& Нет \\\\");
  EXPECT_EQ(run.RunVariant({3, 3, 3, 3, 3, 1, 1}).second,
            "1& 24  & 2 & 3 &  4, 5, 6&64& Нет \\\\");
}

// Spanning trees of g by trying every (n - 1)-edge subset.
long CountSpanningTrees(const std::vector<std::pair<int, int>>& edges, int n) {
  const int m = static_cast<int>(edges.size());
  long count = 0;
  std::vector<int> pick(static_cast<std::size_t>(m), 0);
  std::fill(pick.end() - std::min(m, n - 1), pick.end(), 1);
  if (m < n - 1) return 0;
  do {
    std::vector<int> parent(static_cast<std::size_t>(n + 1));
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int v) {
      while (parent[static_cast<std::size_t>(v)] != v) v = parent[static_cast<std::size_t>(v)];
      return v;
    };
    bool forest = true;
    for (int e = 0; e < m && forest; ++e) {
      if (pick[static_cast<std::size_t>(e)] == 0) continue;
      const int a = find(edges[static_cast<std::size_t>(e)].first);
      const int b = find(edges[static_cast<std::size_t>(e)].second);
      forest = a != b;
      parent[static_cast<std::size_t>(a)] = b;
    }
    count += forest ? 1 : 0;
  } while (std::next_permutation(pick.begin(), pick.end()));
  return count;
}

// Reads the drawn graph back from the figure and solves it apart from the generator.
TEST(GraphRadius, AnswersMatchTheDrawnGraphOverTheParameterSpace) {
  RowRunner run(5, 1);
  int disconnected = 0;
  int variants = 0;
  discrete_check::ForEachParams({10, 10, 10, 10, 10, 1, 1}, 1500, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto points = discrete_check::ReadCircles(main, "{\\circle{ 3}}");
    ASSERT_EQ(points.size(), 7u);
    const auto g = discrete_check::GraphFromBars(points, discrete_check::ReadBars(main));
    std::vector<std::pair<int, int>> edges;
    int odd = 0;
    for (int v = 1; v <= 7; ++v) {
      odd += g[static_cast<std::size_t>(v)].size() % 2;
      for (int w : g[static_cast<std::size_t>(v)]) {
        if (v < w) edges.push_back({v, w});
      }
    }
    // Closed walks of length 3: six per triangle.
    long triangles = 0;
    for (const auto& [a, b] : edges) {
      for (int c = b + 1; c <= 7; ++c) {
        const auto& ga = g[static_cast<std::size_t>(a)];
        const auto& gb = g[static_cast<std::size_t>(b)];
        if (std::count(ga.begin(), ga.end(), c) == 1 && std::count(gb.begin(), gb.end(), c) == 1)
          ++triangles;
      }
    }
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 7u) << answers;
    EXPECT_EQ(cells[0], "1");
    EXPECT_EQ(cells[1], std::to_string(6 * triangles)) << answers;
    std::vector<int> ecc(8, 0);
    bool connected = true;
    for (int v = 1; v <= 7; ++v) {
      const auto d = discrete_check::Distances(g, v);
      for (int w = 1; w <= 7; ++w) {
        connected = connected && d[static_cast<std::size_t>(w)] >= 0;
        ecc[static_cast<std::size_t>(v)] = std::max(ecc[static_cast<std::size_t>(v)], d[static_cast<std::size_t>(w)]);
      }
    }
    ++variants;
    if (!connected) {
      ++disconnected;
      EXPECT_EQ(cells[2] + cells[3] + cells[4] + cells[5], "------------") << answers;
      EXPECT_EQ(cells[6], "Нет") << answers;
      return;
    }
    const int r = *std::min_element(ecc.begin() + 1, ecc.end());
    const int d = *std::max_element(ecc.begin() + 1, ecc.end());
    std::string centre;
    for (int v = 1; v <= 7; ++v) {
      if (ecc[static_cast<std::size_t>(v)] == r) centre += (centre.empty() ? "" : ", ") + std::to_string(v);
    }
    EXPECT_EQ(cells[2], std::to_string(r)) << answers;
    EXPECT_EQ(cells[3], std::to_string(d)) << answers;
    EXPECT_EQ(cells[4], centre) << answers;
    EXPECT_EQ(cells[5], std::to_string(CountSpanningTrees(edges, 7))) << answers;
    EXPECT_EQ(cells[6], odd == 0 || odd == 2 ? "Есть" : "Нет") << answers;
  });
  EXPECT_GT(disconnected, 0);
  EXPECT_GT(variants, 1000);
}

}  // namespace
