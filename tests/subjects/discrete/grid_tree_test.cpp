#include "subjects/discrete/grid_tree.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"
#include "tests/subjects/discrete/discrete_check.h"

namespace {

std::unique_ptr<SharedState> StateWith(const testing_support::VariantParams& p) {
  auto s = testing_support::NewState();
  testing_support::SetVariant(*s, 1, p);
  return s;
}

TEST(GridTree, ThreeByThreeWithP1OneStartsAtVertex8) {
  auto s = StateWith({1, 1, 1, 1, 1, 1, 1});
  s->TreeVertexCount = 9;
  discrete::DrawGridVertices(*s, 3, 3);
  testing_support::OpenMemoryFiles(*s);
  ASSERT_TRUE(discrete::GrowGridTree(*s, 1, 3, 3));
  const auto bars = discrete_check::ReadBars(testing_support::MainText(*s));
  ASSERT_EQ(bars.size(), 8u);
  std::vector<discrete_check::Point> cells;
  for (int k = 1; k <= 9; ++k) cells.push_back({s->PointX[k], s->PointY[k]});
  EXPECT_EQ(discrete_check::Nearest(cells, bars[0].a), 8);
}

TEST(GridTree, SegmentLengthFollowsP3AndP4) {
  struct Case {
    testing_support::VariantParams p;
    int length;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, 2},  // 1 + 1
      {{1, 1, 1, 3, 1, 1, 1}, 4},  // 1 + 3
      {{3, 1, 4, 4, 1, 1, 1}, 4},  // P3 = 4: P1 mod 4 + 1
      {{1, 1, 3, 5, 2, 1, 1}, 2},  // P3 = 3: P5 mod 2 + 1 = 1, raised to 2
      {{1, 1, 1, 4, 1, 1, 1}, 2},  // P3 = 1: P4 mod 2 + 1 = 1, raised to 2
      {{1, 1, 2, 4, 1, 1, 1}, 2},  // P3 = 2: P4 mod 3 + 1
  };
  for (const Case& c : cases) {
    auto s = StateWith(c.p);
    EXPECT_EQ(discrete::GridSegmentLength(*s), c.length) << c.p[2] << " " << c.p[3];
  }
}

TEST(GridTree, DecimalCodeOfSmallTreesAndTheirDigits) {
  auto s = testing_support::NewState();
  s->GraphMatrix[7][1] = s->GraphMatrix[1][7] = 1;
  s->GraphMatrix[1][2] = s->GraphMatrix[2][1] = 1;
  EXPECT_EQ(discrete::DecimalTreeCodeValue(*s, 7, 7), "12");  // 1100
  discrete::DecimalTreeCode(*s, 7, 7);
  EXPECT_EQ(testing_support::AnsText(*s), " &                 12");

  // A star rooted at its centre walks 1 0 1 0 ...
  auto star = testing_support::NewState();
  for (int v = 2; v <= 4; ++v) star->GraphMatrix[1][v] = star->GraphMatrix[v][1] = 1;
  EXPECT_EQ(discrete::DecimalTreeCodeValue(*star, 4, 1), "42");  // 101010

  // A path of 36 vertices rooted at one end: 35 ones then 35 zeros, exact in every digit.
  auto path = testing_support::NewState();
  for (int v = 1; v < 36; ++v) path->GraphMatrix[v][v + 1] = path->GraphMatrix[v + 1][v] = 1;
  EXPECT_EQ(discrete::DecimalTreeCodeValue(*path, 36, 1), "1180591620683051565056");
}

// Every parameter set of the tree rows grows a spanning tree of the grid out of neighbour
// edges, on every grid the rows use.
TEST(GridTree, GrowsASpanningTreeOfTheGridForEveryParameterSet) {
  for (int k = 3; k <= 6; ++k) {
    discrete_check::ForEachParams({64, 4, 5, 5, 5, 1, 1}, 3000, [&](const auto& p) {
      auto s = StateWith(p);
      s->TreeVertexCount = k * k;
      ASSERT_TRUE(discrete::GrowGridTree(*s, 0, k, k));
      std::vector<int> parent(static_cast<std::size_t>(k * k + 1));
      std::iota(parent.begin(), parent.end(), 0);
      auto find = [&](int v) {
        while (parent[static_cast<std::size_t>(v)] != v) v = parent[static_cast<std::size_t>(v)];
        return v;
      };
      int edges = 0;
      for (int u = 1; u <= k * k; ++u) {
        for (int v = u + 1; v <= k * k; ++v) {
          if (s->GraphMatrix[u][v] == 0) continue;
          ++edges;
          const bool neighbours = v - u == k || (v - u == 1 && (u - 1) % k != k - 1);
          ASSERT_TRUE(neighbours) << u << "-" << v;
          ASSERT_NE(find(u), find(v)) << "cycle at " << u << "-" << v;
          parent[static_cast<std::size_t>(find(u))] = find(v);
        }
      }
      ASSERT_EQ(edges, k * k - 1) << "grid " << k << " P1 " << p[0];
    });
  }
}

}  // namespace
