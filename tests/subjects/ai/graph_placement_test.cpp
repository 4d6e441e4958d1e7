#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"
#include "subjects/discrete/variant_graph.h"
#include "tests/subjects/discrete/discrete_check.h"
#include "tests/support/memory_files.h"

namespace {

using ai_check::Cells;
using ai_check::DataRow;
using ai_check::RunAiVariant;

constexpr int kRow = 15;

using Placement = std::array<int, 5>;
using Adjacency = std::array<std::array<int, 6>, 6>;

/// The graph as drawn: the bars read back to their nearest vertex markers (1..5 in order).
Adjacency DrawnGraph(const std::string& picture) {
  const auto points = discrete_check::ReadCircles(picture, "{\\circle{ 3}}");
  EXPECT_EQ(points.size(), 5u);
  Adjacency a{};
  for (const auto& bar : discrete_check::ReadBars(picture)) {
    const int u = discrete_check::Nearest(points, bar.a),
              v = discrete_check::Nearest(points, bar.b);
    a[u][v] = a[v][u] = 1;
  }
  return a;
}

/// How many times the statement's L = sum d_ij a_ij counts each edge: once when the sums run
/// over the pairs i < j, twice over all i and j (a_ij = a_ji); 0 for a formula not read.
int EdgeCount(const std::string& main) {
  const std::string sums = ai_check::Between(main, "$$L=", "d_{ij}a_{ij}");
  if (sums == "\\sum_{i=1}^{4}\\sum_{j=i+1}^{5} ") return 1;
  if (sums == "\\sum_i^5\\sum_j^5 ") return 2;
  return 0;
}

/// L of a placement as the statement defines it: the distance along the line of every edge,
/// counted `count` times.
int Quality(const Adjacency& a, const Placement& h, int count) {
  int sum = 0;
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 5; ++j) sum += (j - i) * a[h[i]][h[j]];
  }
  return count * sum;
}

/// A placement as the statement writes a chromosome.
std::string SeqText(const Placement& h) {
  std::string t = "[" + std::to_string(h[0]);
  for (int i = 1; i < 5; ++i) t += ", " + std::to_string(h[i]);
  return t + "]";
}

TEST(GraphPlacementTest, GoldenVariant) {
  const auto out = RunAiVariant(kRow, {16, 9, 1, 1, 1, 1, 1}, 1, 6);
  // P1 = 16 swaps genes 3 and 2; P2 = 9 swaps genes 2 and 5.
  EXPECT_NE(out.main.find("\\hfill\\parbox[b]{70pt}{"), std::string::npos);
  const auto pictures = ai_check::Pictures(out.main);
  const auto second = ai_check::LabelsByPosition(pictures[pictures.size() - 2]);
  const auto third = ai_check::LabelsByPosition(pictures.back());
  EXPECT_EQ(second.at({4, 4}), 1);
  EXPECT_EQ(second.at({16, 4}), 3);
  EXPECT_EQ(second.at({28, 4}), 2);
  EXPECT_EQ(third.at({16, 4}), 5);
  EXPECT_EQ(third.at({52, 4}), 2);
  EXPECT_NE(out.answers.find(" \\No& 0 &1 &2 &3 & min $L$ & seq \\\\\\hline "), std::string::npos);
  EXPECT_NE(out.main.find("\\newsavebox{\\genris}"), std::string::npos);
  EXPECT_EQ(DataRow(out.answers, true), "6 &38 &38 &34 &34 &10 &[1, 2, 5, 4, 3]");
}

// A graph with an isolated vertex is drawn and evaluated with that vertex joined to 1 and 2.
TEST(GraphPlacementTest, AnIsolatedVertexIsJoinedToVerticesOneAndTwo) {
  int found = 0;
  for (int p1 = 1; p1 <= 20 && found < 3; ++p1) {
    for (int p4 = 1; p4 <= 20 && found < 3; ++p4) {
      const testing_support::VariantParams p{p1, 3, 5, p4, 7, 1, 1};
      auto s = testing_support::NewState();
      testing_support::SetVariant(*s, 1, p);
      discrete::BuildVariantGraph(*s, 5);
      for (int v = 3; v <= 5; ++v) {
        int degree = 0;
        for (int j = 1; j <= 5; ++j) degree += s->GraphMatrix[v][j];
        if (degree != 0) continue;
        ++found;
        const auto out = RunAiVariant(kRow, p);
        const auto pictures = ai_check::Pictures(out.main);
        const Adjacency drawn = DrawnGraph(pictures[pictures.size() - 4]);
        for (int j = 1; j <= 5; ++j) {
          EXPECT_EQ(drawn[v][j], j <= 2 ? 1 : 0) << "P1 " << p1 << " P4 " << p4 << " v " << v;
        }
      }
    }
  }
  EXPECT_GT(found, 0);
}

// The three cycles replayed on the drawn graph from the drawn chromosomes.
TEST(GraphPlacementTest, CyclesReplayOnTheDrawnGraph) {
  long long checked = 0;
  for (const auto& point : ai_check::LargeSweep({20, 20, 20, 20, 20, 20, 20}, 3000, 100000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const int count = EdgeCount(out.main);
    ASSERT_NE(count, 0) << ai_check::Between(out.main, "$$L=", "$$");
    const auto pictures = ai_check::Pictures(out.main);
    ASSERT_GE(pictures.size(), 4u);
    const Adjacency a = DrawnGraph(pictures[pictures.size() - 4]);
    for (int v = 1; v <= 5; ++v) {
      int degree = 0;
      for (int j = 1; j <= 5; ++j) degree += a[v][j];
      EXPECT_GT(degree, 0) << testing_support::Describe(point);
    }
    std::array<Placement, 4> h{};
    for (int c = 0; c < 3; ++c) {
      const auto labels = ai_check::LabelsByPosition(pictures[pictures.size() - 3 + c]);
      for (int i = 0; i < 5; ++i) h[c][i] = static_cast<int>(labels.at({12.0 * i + 4, 4}));
    }
    std::array<int, 4> q{};
    for (int c = 0; c < 3; ++c) q[c] = Quality(a, h[c], count);
    std::vector<int> totals{q[0] + q[1] + q[2]};
    int best = 0;
    for (int k = 1; k <= 3; ++k) {
      const int b = static_cast<int>(std::min_element(q.begin(), q.begin() + 3) - q.begin());
      h[3] = h[b];
      std::reverse(h[3].begin() + k, h[3].end());
      q[3] = Quality(a, h[3], count);
      best = static_cast<int>(std::min_element(q.begin(), q.end()) - q.begin());
      int worst = 0;
      for (int c = 1; c < 4; ++c) {
        if (q[c] >= q[worst]) worst = c;
      }
      if (worst < 3) {
        h[worst] = h[3];
        q[worst] = q[3];
      }
      totals.push_back(q[0] + q[1] + q[2]);
    }
    Placement all{1, 2, 3, 4, 5};
    int optimum = 1 << 20;
    do {
      optimum = std::min(optimum, Quality(a, all, count));
    } while (std::next_permutation(all.begin(), all.end()));
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 7u) << out.answers;
    EXPECT_EQ(cells[0], "1");
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(std::stoi(cells[1 + k]), totals[k]) << testing_support::Describe(point);
    }
    EXPECT_EQ(std::stoi(cells[5]), q[best]) << testing_support::Describe(point);
    EXPECT_GE(q[best], optimum);
    EXPECT_EQ(cells[6], SeqText(h[best])) << testing_support::Describe(point);
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

}  // namespace
