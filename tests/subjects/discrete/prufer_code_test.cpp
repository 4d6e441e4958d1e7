#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::Graph;
using discrete_check::Integers;
using discrete_check::RowRunner;

TEST(PruferCode, WorkedExampleInEveryMode) {
  // P1..P5 = 1 on the 3 x 3 grid: edges 8-5, 5-4, 5-6, 6-3, 6-9, 8-7, 5-2, 2-1.
  RowRunner coding(10, 1);
  EXPECT_EQ(coding.RunVariant({1, 1, 1, 1, 1, 1, 1}).second,
            "1 & 2, 5, 6, 5, 8, 5, 6 &              13730 \\\\");
  EXPECT_NE(coding.BeginAnswers().find(" \\No& Код Прюфера & Кодировка(10) \\\\\\hline"),
            std::string::npos);
  RowRunner decoding(11, 1);
  const auto [main, answers] = decoding.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(main.find("\\par 4,\r\n 5,\r\n 4,\r\n 7,\r\n 4,\r\n5 \r\n"), std::string::npos) << main;
  EXPECT_EQ(answers, "1 &               3504 \\\\");
  // Row 11 at Level 4 prints the code of the whole tree and answers for it.
  RowRunner whole(11, 4);
  const auto [main4, answers4] = whole.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(main4.find("\\par 2,\r\n 5,\r\n 6,\r\n 5,\r\n 8,\r\n 5,\r\n6 \r\n"), std::string::npos)
      << main4;
  EXPECT_EQ(answers4, "1 &              13730 \\\\");
}

TEST(PruferCode, StatementsNameWhatTheVariantShowsAndTheRealVertexCount) {
  struct Case {
    int row;
    int level;
    const char* opening;
    const char* count;
  };
  const Case cases[] = {
      {10, 1, "Найти код Прюфера заданного дерева", "от 1 до 8 "},
      {10, 2, "Найти код Прюфера заданного дерева", "от 1 до 15 "},
      {11, 1, "По заданному коду Прюфера построить дерево", "от 1 до 7 "},
      {11, 3, "По заданному коду Прюфера построить дерево", "от 1 до 23 "},
      {11, 4, "По заданному коду Прюфера построить дерево", "от 1 до 8 "},
  };
  for (const Case& c : cases) {
    RowRunner run(c.row, c.level);
    const std::string main = run.RunVariant({1, 1, 1, 1, 1, 1, 1}).first;
    for (const std::string& text : {run.BeginMain(), main}) {
      EXPECT_EQ(text.rfind(c.opening, 0), 0u) << c.row << " " << c.level << ": " << text;
      EXPECT_NE(text.find(c.count), std::string::npos) << c.row << " " << c.level << ": " << text;
    }
  }
  EXPECT_NE(RowRunner(11, 1).BeginAnswers().find(" \\No& Кодировка(10) \\\\\\hline"),
            std::string::npos);
}

// The textbook Prüfer code: remove the smallest leaf, write its neighbour, n - 2 times.
std::vector<long> Encode(Graph g) {
  const int n = static_cast<int>(g.size()) - 1;
  std::vector<long> code;
  for (int step = 0; step < n - 2; ++step) {
    int leaf = 1;
    while (g[static_cast<std::size_t>(leaf)].size() != 1) ++leaf;
    const int next = g[static_cast<std::size_t>(leaf)][0];
    code.push_back(next);
    g[static_cast<std::size_t>(leaf)].clear();
    auto& list = g[static_cast<std::size_t>(next)];
    list.erase(std::find(list.begin(), list.end(), leaf));
  }
  return code;
}

// The textbook decoding: each entry joins the smallest vertex not yet used and not still due.
Graph Decode(const std::vector<long>& code) {
  const int n = static_cast<int>(code.size()) + 2;
  Graph g(static_cast<std::size_t>(n) + 1);
  std::vector<int> due(static_cast<std::size_t>(n) + 1, 0);
  for (long c : code) ++due[static_cast<std::size_t>(c)];
  std::vector<bool> used(static_cast<std::size_t>(n) + 1, false);
  auto join = [&](int a, int b) {
    g[static_cast<std::size_t>(a)].push_back(b);
    g[static_cast<std::size_t>(b)].push_back(a);
  };
  for (long c : code) {
    int leaf = 1;
    while (used[static_cast<std::size_t>(leaf)] || due[static_cast<std::size_t>(leaf)] > 0) ++leaf;
    join(leaf, static_cast<int>(c));
    used[static_cast<std::size_t>(leaf)] = true;
    --due[static_cast<std::size_t>(c)];
  }
  std::vector<int> rest;
  for (int v = 1; v <= n; ++v) {
    if (!used[static_cast<std::size_t>(v)]) rest.push_back(v);
  }
  join(rest[0], rest[1]);
  return g;
}

// The tree without its smallest leaf, vertices above it renumbered one down.
Graph WithoutSmallestLeaf(const Graph& g) {
  const int n = static_cast<int>(g.size()) - 1;
  int leaf = 1;
  while (g[static_cast<std::size_t>(leaf)].size() != 1) ++leaf;
  Graph h(static_cast<std::size_t>(n));
  for (int v = 1; v <= n; ++v) {
    if (v == leaf) continue;
    for (int w : g[static_cast<std::size_t>(v)]) {
      if (w != leaf) h[static_cast<std::size_t>(v > leaf ? v - 1 : v)].push_back(w > leaf ? w - 1 : w);
    }
  }
  return h;
}

void CheckPruferRow(int row, int level, const std::array<int, 7>& bounds, long budget) {
  const int k = level == 2 ? 4 : level == 3 ? 5 : 3;
  RowRunner run(row, level);
  discrete_check::ForEachParams(bounds, budget, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    auto cells = Cells(answers);
    // Row 10: the variant number, the Prüfer code and the decimal code, each in its own cell.
    ASSERT_EQ(cells.size(), row == 10 ? 3u : 2u) << answers;
    EXPECT_EQ(cells[0], "1") << answers;
    Graph tree;
    if (row == 10) {
      const auto points = discrete_check::ReadCircles(main, "{\\circle{ 3}}");
      ASSERT_EQ(static_cast<int>(points.size()), k * k);
      tree = discrete_check::GraphFromBars(points, discrete_check::ReadBars(main));
      EXPECT_TRUE(std::regex_match(cells[1], std::regex(R"(\d+(, \d+)*)"))) << answers;
      EXPECT_EQ(Integers(cells[1]), Encode(tree)) << answers;
      cells.erase(cells.begin() + 1);
    } else {
      const std::vector<long> code = Integers(main.substr(main.rfind("\\par")));
      ASSERT_EQ(static_cast<int>(code.size()), level == 4 ? k * k - 2 : k * k - 3) << main;
      tree = Decode(code);
    }
    EXPECT_EQ(cells[1], discrete_check::TreeCode(WithoutSmallestLeaf(tree), 7))
        << answers << " Level " << level << " P " << p[0] << " " << p[1] << " " << p[2] << " "
        << p[3] << " " << p[4] << "\n" << main.substr(main.rfind("\\par"));
  });
}

TEST(PruferCode, Row10AnswersMatchTheDrawnTree) {
  for (int level = 1; level <= 4; ++level) CheckPruferRow(10, level, {25, 4, 5, 5, 5, 1, 1}, 400);
}

TEST(PruferCode, Row11AnswersMatchThePrintedCode) {
  for (int level = 1; level <= 4; ++level) CheckPruferRow(11, level, {16, 4, 5, 5, 5, 1, 1}, 400);
}

}  // namespace
