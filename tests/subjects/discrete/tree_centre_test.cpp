#include <gtest/gtest.h>

#include <algorithm>

#include "shell/dispatch.h"
#include "subjects/discrete/problems.h"
#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::Integers;
using discrete_check::RowRunner;

int GridVertexCount(const RowRunner& run) {
  return static_cast<int>(discrete_check::ReadCircles(run.BeginMain(), "{\\circle{ 3}}").size());
}

TEST(TreeCentre, GridSizeFollowsLevelAsTheRowSays) {
  struct Case {
    int row;
    int level;
    int vertices;
  };
  const Case cases[] = {{8, 1, 9},   {8, 2, 16},  {8, 3, 25},  {8, 4, 36}, {8, 10, 36},
                        {22, 1, 9}, {22, 2, 16}, {22, 3, 25}, {22, 10, 25}};
  for (const Case& c : cases) {
    RowRunner run(c.row, c.level);
    EXPECT_EQ(GridVertexCount(run), c.vertices) << "row " << c.row << " Level " << c.level;
    EXPECT_EQ(run.BeginMain().rfind("\\newsavebox{\\versiny}\\sbox{\\versiny}{%\r\n", 0), 0u);
  }
  RowRunner row8(8, 1);
  EXPECT_EQ(row8.State().NodeGap, 1.5);
  EXPECT_NE(row8.BeginAnswers().find(
                " \\No& $r$ & $d$& Центр &  Код(10) & $min(\\rho)$ &  центроид  \\\\\\hline"),
            std::string::npos);
}

TEST(TreeCentre, PathThroughTheNineCellsHasOneCentreAndCentroid) {
  // No parameter set grows this tree, so it is laid into the matrix: 1-2-3-6-5-4-7-8-9.
  auto s = testing_support::NewState();
  s->VariantIndex = 1;
  const int path[] = {1, 2, 3, 6, 5, 4, 7, 8, 9};
  for (int i = 0; i + 1 < 9; ++i) s->GraphMatrix[path[i]][path[i + 1]] = s->GraphMatrix[path[i + 1]][path[i]] = 1;
  discrete::WriteTreeCentreAnswers(*s, 9);
  // Rooted at 7 the walk goes to 4, 5, 6, 3, 2, 1, back six times, then to 8, 9 and back.
  EXPECT_EQ(testing_support::AnsText(*s), "1 & 4 & 8 &  5  &              64524 & 4 & 5");
}

TEST(TreeCentre, TwoCentresAreListedWithACommaBetween) {
  RowRunner run(8, 1);
  EXPECT_EQ(run.RunVariant({3, 2, 1, 1, 1, 1, 1}).second,
            "1 & 3 & 5 &  4, 5  &              56130 & 4 & 5 \\\\");
}

TEST(TreeCentre, Row8AfterTheCycleCountRowWritesWhatAFreshStateWrites) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const std::vector<testing_support::VariantParams> variants = {{5, 2, 3, 1, 4, 1, 3},
                                                                {17, 4, 2, 5, 5, 2, 2}};
  auto fresh = testing_support::NewState();
  const auto expected = testing_support::RunTableRow(*fresh, table, 4, 8, variants);
  auto used = testing_support::NewState();
  testing_support::RunTableRow(*used, table, 4, 26, variants);
  testing_support::OpenMemoryFiles(*used);
  const auto after = testing_support::RunTableRow(*used, table, 4, 8, variants);
  EXPECT_EQ(after.main, expected.main);
  EXPECT_EQ(after.answers, expected.answers);
}

// Reads the tree back from the drawing and solves it apart from the generator, for every
// parameter set of rows 8 and 22 at every grid size they use.
void CheckTreeRow(int row, int level, const std::array<int, 7>& bounds, long budget) {
  RowRunner run(row, level);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{ 3}}");
  const int n = static_cast<int>(points.size());
  discrete_check::ForEachParams(bounds, budget, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto bars = discrete_check::ReadBars(main);
    ASSERT_EQ(static_cast<int>(bars.size()), n - 1);
    const auto g = discrete_check::GraphFromBars(points, bars);
    std::vector<int> ecc(static_cast<std::size_t>(n) + 1, 0);
    for (int v = 1; v <= n; ++v) {
      const auto d = discrete_check::Distances(g, v);
      for (int w = 1; w <= n; ++w) {
        ASSERT_GE(d[static_cast<std::size_t>(w)], 0) << "not connected";
        ecc[static_cast<std::size_t>(v)] =
            std::max(ecc[static_cast<std::size_t>(v)], d[static_cast<std::size_t>(w)]);
      }
    }
    const int r = *std::min_element(ecc.begin() + 1, ecc.end());
    const int diameter = *std::max_element(ecc.begin() + 1, ecc.end());
    std::vector<long> centre;
    for (int v = 1; v <= n; ++v) {
      if (ecc[static_cast<std::size_t>(v)] == r) centre.push_back(v);
    }
    // Weight of v: the largest branch at v, from the sizes of the components without v.
    std::vector<int> weight(static_cast<std::size_t>(n) + 1, 0);
    for (int v = 1; v <= n; ++v) {
      std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
      seen[static_cast<std::size_t>(v)] = true;
      for (int start : g[static_cast<std::size_t>(v)]) {
        int size = 0;
        std::vector<int> stack{start};
        seen[static_cast<std::size_t>(start)] = true;
        while (!stack.empty()) {
          const int u = stack.back();
          stack.pop_back();
          ++size;
          for (int w : g[static_cast<std::size_t>(u)]) {
            if (!seen[static_cast<std::size_t>(w)]) {
              seen[static_cast<std::size_t>(w)] = true;
              stack.push_back(w);
            }
          }
        }
        weight[static_cast<std::size_t>(v)] = std::max(weight[static_cast<std::size_t>(v)], size);
      }
    }
    const int least = *std::min_element(weight.begin() + 1, weight.end());
    std::vector<long> centroid;
    for (int v = 1; v <= n; ++v) {
      if (weight[static_cast<std::size_t>(v)] == least) centroid.push_back(v);
    }
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 7u) << answers;
    EXPECT_EQ(cells[1], std::to_string(r)) << answers;
    EXPECT_EQ(cells[2], std::to_string(diameter)) << answers;
    EXPECT_EQ(Integers(cells[3]), centre) << answers;
    EXPECT_EQ(cells[4], discrete_check::TreeCode(g, 7)) << answers;
    EXPECT_EQ(cells[5], std::to_string(least)) << answers;
    EXPECT_EQ(Integers(cells[6]), centroid) << answers;
    EXPECT_NE(cells[6].back(), ',') << answers;
  });
}

TEST(TreeCentre, Row8AnswersMatchTheDrawnTreeOnEveryGrid) {
  for (int level = 1; level <= 4; ++level) CheckTreeRow(8, level, {64, 4, 5, 5, 5, 1, 1}, 300);
}

TEST(TreeCentre, Row22AnswersMatchTheDrawnTreeOnEveryGrid) {
  for (int level = 1; level <= 3; ++level) CheckTreeRow(22, level, {16, 3, 4, 4, 4, 1, 1}, 300);
}

}  // namespace
