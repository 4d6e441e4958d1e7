#include <gtest/gtest.h>

#include <map>

#include "subjects/discrete/shortest_path.h"
#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Point;
using discrete_check::RowRunner;

using Arcs = std::map<std::pair<int, int>, long>;

// The arrows of the figure with the weight written after each.
Arcs ReadArcs(const std::vector<Point>& points, const std::string& main) {
  const auto vectors = picture_read::ReadVectors(main);
  const auto labels = picture_read::ReadLabels(main, "\\scriptsize ");
  Arcs arcs;
  for (const auto& v : vectors) {
    const picture_read::Label* after = nullptr;
    for (const auto& l : labels) {
      if (l.pos > v.at) {
        after = &l;
        break;
      }
    }
    EXPECT_NE(after, nullptr);
    arcs[{discrete_check::Nearest(points, v.from), discrete_check::Nearest(points, v.to)}] = after->value;
  }
  return arcs;
}

TEST(ShortestPath, WorkedExamples) {
  RowRunner level1(3, 1);
  EXPECT_EQ(level1.State().ParboxWidth, 70);
  EXPECT_NE(level1.BeginMain().find("{\\scriptsize 6}\\ .\\par\\noindent"), std::string::npos);
  EXPECT_EQ(level1.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, "1.  & 6,3,2,1 & 5& 2,3,6 \\\\");
  RowRunner level2(3, 2);
  EXPECT_EQ(level2.RunVariant({12, 5, 7, 9, 11, 1, 1}).second,
            "1.  & 9,6,3,2,4,1 & 9& 4,2,3,5,7,8,6,9 \\\\");
}

// Dijkstra of the checker on the drawn digraph: the path is made of drawn arcs, its length is
// the written one and the least possible, and the settling order runs through the vertices by
// distance, ties by number, up to the target.
TEST(ShortestPath, PathAndOrderAgreeWithTheDrawnDigraph) {
  for (int level = 1; level <= 10; ++level) {
    RowRunner run(3, level);
    const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
    const int n = static_cast<int>(points.size());
    picture_read::ForEachSample({40, 40, 40, 40, 40, 1, 1}, level <= 4 ? 1500 : 300, 20000, [&](const auto& p) {
      const auto [main, answers] = run.RunVariant(p);
      const Arcs arcs = ReadArcs(points, main);
      std::vector<long> dist(static_cast<std::size_t>(n) + 1, -1);
      dist[1] = 0;
      for (int round = 0; round < n; ++round) {
        for (const auto& [arc, w] : arcs) {
          const auto u = static_cast<std::size_t>(arc.first), v = static_cast<std::size_t>(arc.second);
          if (dist[u] >= 0 && (dist[v] < 0 || dist[u] + w < dist[v])) dist[v] = dist[u] + w;
        }
      }
      const auto cells = discrete_check::Cells(answers);
      ASSERT_EQ(cells.size(), 4u) << answers;
      const auto path = discrete_check::Integers(cells[1]);
      const long length = std::stol(cells[2]);
      ASSERT_EQ(length, dist[static_cast<std::size_t>(n)]) << main << answers;
      ASSERT_EQ(path.front(), n);
      ASSERT_EQ(path.back(), 1);
      long sum = 0;
      for (std::size_t k = path.size() - 1; k > 0; --k) {
        const auto it = arcs.find({static_cast<int>(path[k]), static_cast<int>(path[k - 1])});
        ASSERT_NE(it, arcs.end()) << answers;
        sum += it->second;
      }
      ASSERT_EQ(sum, length);
      std::vector<long> expected;
      for (int v = 2; v <= n; ++v) {
        const long d = dist[static_cast<std::size_t>(v)];
        if (d >= 0 && (d < length || (d == length && v <= n))) expected.push_back(v);
      }
      std::sort(expected.begin(), expected.end(), [&](long a, long b) {
        const long da = dist[static_cast<std::size_t>(a)], db = dist[static_cast<std::size_t>(b)];
        return da != db ? da < db : a < b;
      });
      ASSERT_EQ(discrete_check::Integers(cells[3]), expected) << answers;
    });
  }
}

}  // namespace

namespace {

// A target that no arc reaches ends the search with dashes, not a loop.
TEST(ShortestPath, UnreachableTargetWritesDashes) {
  auto s = testing_support::NewState();
  testing_support::OpenMemoryFiles(*s);
  auto w = std::make_unique<toolkit::TIntMatrix>();
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) (*w)[i][j] = 10000;
  (*w)[1][2] = 3;
  (*w)[2][3] = 1;
  (*w)[6][5] = 1;  // into the far side only from the target itself
  discrete::ShortestPathDijkstra(*s, *w, 1, 6, 6);
  EXPECT_EQ(testing_support::AnsText(*s), " & --- & --- & ---");
}

}  // namespace
