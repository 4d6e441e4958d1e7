#include <gtest/gtest.h>

#include <set>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

using Component = std::set<int>;

// Strongly connected components of the arcs on 1..n by Tarjan's method.
std::set<Component> Tarjan(int n, const std::vector<std::pair<int, int>>& arcs) {
  std::vector<std::vector<int>> out(static_cast<std::size_t>(n) + 1);
  for (const auto& [u, v] : arcs) out[static_cast<std::size_t>(u)].push_back(v);
  std::vector<int> index(static_cast<std::size_t>(n) + 1, -1), low(static_cast<std::size_t>(n) + 1, 0);
  std::vector<bool> on_stack(static_cast<std::size_t>(n) + 1, false);
  std::vector<int> stack;
  std::set<Component> result;
  int counter = 0;
  auto visit = [&](auto&& self, int v) -> void {
    const auto sv = static_cast<std::size_t>(v);
    index[sv] = low[sv] = counter++;
    stack.push_back(v);
    on_stack[sv] = true;
    for (int w : out[sv]) {
      const auto sw = static_cast<std::size_t>(w);
      if (index[sw] < 0) {
        self(self, w);
        low[sv] = std::min(low[sv], low[sw]);
      } else if (on_stack[sw]) {
        low[sv] = std::min(low[sv], index[sw]);
      }
    }
    if (low[sv] == index[sv]) {
      Component c;
      int w = 0;
      do {
        w = stack.back();
        stack.pop_back();
        on_stack[static_cast<std::size_t>(w)] = false;
        c.insert(w);
      } while (w != v);
      result.insert(c);
    }
  };
  for (int v = 1; v <= n; ++v) {
    if (index[static_cast<std::size_t>(v)] < 0) visit(visit, v);
  }
  return result;
}

TEST(StrongComponents, WorkedExamples) {
  RowRunner run(21, 1);
  EXPECT_EQ(run.State().ParboxWidth, 185);
  run.State().FirstNumber = 3;
  EXPECT_EQ(run.RunVariant({2, 5, 1, 7, 3, 1, 1}).second, " 3 & 2,5,1,7 & 3,4,6 \\\\");
  run.State().FirstNumber = 1;
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, " 1 & 1,2,3,4 & 5,6,7 \\\\");
}

// Tarjan on the drawn digraph gives exactly the two components of the answer.
TEST(StrongComponents, AnswerIsTarjanOfTheDrawnDigraph) {
  RowRunner run(21, 1);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
  ASSERT_EQ(points.size(), 7u);
  picture_read::ForEachSample({7, 7, 7, 7, 7, 1, 1}, 4000, 20000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto arcs = picture_read::ReadArcs(points, main);
    const auto cells = discrete_check::Cells(answers);
    ASSERT_EQ(cells.size(), 3u) << answers;
    std::set<Component> written;
    for (std::size_t k = 1; k <= 2; ++k) {
      const auto values = discrete_check::Integers(cells[k]);
      written.insert(Component(values.begin(), values.end()));
    }
    ASSERT_EQ(Tarjan(7, arcs), written) << main << answers;
  });
}

}  // namespace
