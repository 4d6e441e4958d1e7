#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

// Every directed Hamiltonian cycle through vertex 1 of the arcs on 1..n, as letters from "a".
std::set<std::string> HamiltonianCycles(int n, const std::set<std::pair<int, int>>& arcs) {
  std::vector<int> rest;
  for (int v = 2; v <= n; ++v) rest.push_back(v);
  std::set<std::string> cycles;
  do {
    std::vector<int> c{1};
    c.insert(c.end(), rest.begin(), rest.end());
    bool ok = true;
    for (std::size_t k = 0; k < c.size() && ok; ++k) ok = arcs.count({c[k], c[(k + 1) % c.size()]}) != 0;
    if (!ok) continue;
    std::string letters;
    for (int v : c) letters += static_cast<char>('a' + v - 1);
    cycles.insert(letters);
  } while (std::next_permutation(rest.begin(), rest.end()));
  return cycles;
}

std::vector<std::string> Words(const std::string& cell) {
  std::vector<std::string> words;
  std::string w;
  for (char c : cell + ",") {
    if (c >= 'a' && c <= 'e') {
      w += c;
    } else if (!w.empty()) {
      words.push_back(w);
      w.clear();
    }
  }
  return words;
}

TEST(HamiltonianCycles, WorkedExamples) {
  RowRunner run(29, 1);
  // The identity map: the case table's numbers as letters.
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, "1 & \r\nadecb, abdce, adbce, aecbd \\\\");
  // Map 5, 1, 2, 3, 4: case vertex 2 is "a".
  EXPECT_EQ(run.RunVariant({5, 5, 5, 5, 5, 1, 1}).second, "1 & \r\naecdb, acbde, abdec, acedb \\\\");
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 4}).second, "1 & \r\nabdce \\\\");
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 6}).second, "1 & \r\nabdce \\\\");
  EXPECT_EQ(run.State().ArrowSize, 5);
}

// The written list is exactly the set of directed Hamiltonian cycles of the drawn graph.
TEST(HamiltonianCycles, ListIsEveryCycleOfTheDrawnGraph) {
  RowRunner run(29, 1);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
  ASSERT_EQ(points.size(), 5u);
  // The letters of the savebox name the points in order.
  for (int i = 0; i < 5; ++i) {
    ASSERT_NE(run.BeginMain().find(std::string("{\\scriptsize \\Brown{") + static_cast<char>('a' + i) + "}}"),
              std::string::npos);
  }
  picture_read::ForEachSample({5, 5, 5, 5, 5, 1, 7}, 6000, 5L * 5 * 5 * 5 * 5 * 7, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto arcs = picture_read::ReadArcs(points, main);
    const std::set<std::pair<int, int>> arc_set(arcs.begin(), arcs.end());
    const auto words = Words(discrete_check::Cells(answers).at(1));
    const std::set<std::string> written(words.begin(), words.end());
    ASSERT_EQ(written.size(), words.size()) << answers;
    ASSERT_EQ(written, HamiltonianCycles(5, arc_set)) << main << answers;
  });
}

}  // namespace
