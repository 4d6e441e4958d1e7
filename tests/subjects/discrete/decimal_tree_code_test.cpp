#include <gtest/gtest.h>

#include <algorithm>

#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::Graph;
using discrete_check::RowRunner;

Graph DrawnTree(const RowRunner& run, const std::string& main) {
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
  EXPECT_EQ(points.size(), 25u);
  return discrete_check::GraphFromBars(points, discrete_check::ReadBars(main));
}

std::vector<int> Sorted(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

TEST(DecimalTreeCode, RootPatternsOfTheWorkedExamples) {
  RowRunner run(28, 1);
  EXPECT_EQ(run.State().NodeGap, 5);
  // The statement names what to find and the root the code is taken from; the answers table
  // has a head over both columns.
  EXPECT_NE(run.BeginMain().find("Найти десятичную кодировку дерева, полагая корень в вершине 1."),
            std::string::npos);
  EXPECT_EQ(run.BeginAnswers(),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|}\\hline \r\n"
            " \\No& Кодировка(10) \\\\\\hline\r\n");
  // P2 = 3: the same root pattern whatever P4.
  for (int p4 : {1, 7}) {
    const Graph g = DrawnTree(run, run.RunVariant({1, 3, 1, p4, 1, 1, 1}).first);
    EXPECT_EQ(Sorted(g[1]), (std::vector<int>{3, 5, 7}));
    EXPECT_EQ(Sorted(g[2]).front(), 3);
  }
  // P1 = 6 with P2 >= 4: the root joins all six ring points, no ring edge.
  const Graph all = DrawnTree(run, run.RunVariant({6, 4, 1, 1, 1, 1, 1}).first);
  EXPECT_EQ(Sorted(all[1]), (std::vector<int>{2, 3, 4, 5, 6, 7}));
  for (int b = 2; b <= 7; ++b) {
    for (int w : all[static_cast<std::size_t>(b)]) EXPECT_TRUE(w == 1 || w > 7) << b << "-" << w;
  }
  // P4 = 7 with P2 = 1: r(2..7) = 5, 6, 7, 2, 3, 4: root to 5, 6, 7, 3; 2 and 4 hang from 3.
  const Graph turned = DrawnTree(run, run.RunVariant({1, 1, 1, 7, 1, 1, 1}).first);
  EXPECT_EQ(Sorted(turned[1]), (std::vector<int>{3, 5, 6, 7}));
  EXPECT_EQ(Sorted(turned[2]).front(), 3);
  EXPECT_EQ(Sorted(turned[4]).front(), 3);
  // The answers row gives the code rooted at point 1 (the sweep below reads it back).
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, " 1 &    234010570287700 \\\\");
}

// The drawing is a spanning tree of the 25 points, and the answer is its code rooted at 1.
TEST(DecimalTreeCode, AnswerIsTheCodeOfTheDrawnSpanningTree) {
  RowRunner run(28, 1);
  discrete_check::ForEachParams({6, 7, 7, 7, 7, 7, 7}, 2500, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    ASSERT_EQ(discrete_check::ReadBars(main).size(), 24u);
    const Graph g = DrawnTree(run, main);
    const auto d = discrete_check::Distances(g, 1);
    ASSERT_TRUE(std::all_of(d.begin() + 1, d.end(), [](int x) { return x >= 0; })) << "not connected";
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_EQ(cells[0], "1");
    EXPECT_EQ(cells[1], discrete_check::TreeCode(g, 1)) << answers;
  });
}

}  // namespace
