#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

using Levels = std::vector<std::set<int>>;

// Levels of the drawn network: level 1 the vertices without incoming arcs, each further level
// the vertices whose predecessors all lie in earlier levels.
Levels TopologicalLevels(int n, const std::vector<std::pair<int, int>>& arcs) {
  std::set<int> placed;
  Levels levels;
  while (static_cast<int>(placed.size()) < n) {
    std::set<int> level;
    for (int v = 1; v <= n; ++v) {
      if (placed.count(v) != 0) continue;
      bool ready = true;
      for (const auto& [a, b] : arcs) ready = ready && !(b == v && placed.count(a) == 0);
      if (ready) level.insert(v);
    }
    if (level.empty()) return {};  // a cycle
    placed.insert(level.begin(), level.end());
    levels.push_back(level);
  }
  return levels;
}

// The answer's levels: a parenthesised group is one level (a number outside parentheses would
// be a level of its own).
Levels ReadLevels(const std::string& cell) {
  Levels levels;
  std::set<int> group;
  bool inside = false;
  for (std::size_t at = 0; at < cell.size();) {
    const char c = cell[at];
    if (c == '(') {
      inside = true;
      ++at;
    } else if (c == ')') {
      inside = false;
      levels.push_back(group);
      group.clear();
      ++at;
    } else if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
      std::size_t used = 0;
      const int v = std::stoi(cell.substr(at), &used);
      at += used;
      if (inside) {
        group.insert(v);
      } else {
        levels.push_back({v});
      }
    } else {
      ++at;
    }
  }
  return levels;
}

TEST(TopologicalSort, WorkedExamples) {
  RowRunner run(27, 1);
  EXPECT_NE(run.BeginAnswers().find(" \\No& Уровни сети \\\\\\hline"), std::string::npos);
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second,
            " 1 & (1), (2), (3), (4), (5), (6), (7), (8), (9) \\\\");
  // Seeds 9, 9: map values 9 and 1; each level's vertices in increasing order.
  EXPECT_EQ(run.RunVariant({9, 9, 2, 3, 4, 5, 8}).second,
            " 1 & (1, 2, 9), (3, 4, 5, 8), (6, 7) \\\\");
}

// The answer is the order function of the drawn network.
TEST(TopologicalSort, AnswerIsTheOrderFunctionOfTheDrawnNetwork) {
  RowRunner run(27, 1);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
  ASSERT_EQ(points.size(), 9u);
  // One style for every shape: each level in parentheses, numbers joined by ", ".
  const std::regex style(R"(\(\d(, \d)*\)(, \(\d(, \d)*\))*)");
  picture_read::ForEachSample({9, 9, 9, 9, 9, 9, 9}, 5000, 4782969, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const Levels expected = TopologicalLevels(9, picture_read::ReadArcs(points, main));
    ASSERT_FALSE(expected.empty()) << main;
    const std::string cell = discrete_check::Cells(answers).at(1);
    ASSERT_TRUE(std::regex_match(cell, style)) << answers;
    ASSERT_EQ(ReadLevels(cell), expected) << answers;
  });
}

}  // namespace
