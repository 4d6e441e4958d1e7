#include <gtest/gtest.h>

#include <algorithm>

#include "tests/subjects/discrete/counting_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::Integers;
using discrete_check::RowRunner;

TEST(GaptCode, GoldenVariants) {
  RowRunner code(24, 1);
  EXPECT_EQ(code.State().ParboxWidth, 120);
  EXPECT_EQ(code.BeginMain(), " Найти код Гапта. \\\\\\noindent");
  auto [main, answers] = code.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(answers, "1 & 1,1,1,1,1,1, 3  \\\\");
  // Ten vertices: three leaves, three level-2 and three level-1 vertices and the root.
  EXPECT_EQ(discrete_check::ReadCircles(main, "{\\circle{ 3}}").size(), 10u);
  EXPECT_EQ(discrete_check::ReadBars(main).size(), 9u);
  code.State().FirstNumber = 4;
  std::tie(main, answers) = code.RunVariant({2, 2, 3, 1, 1, 1, 1});
  EXPECT_EQ(answers, "4 & 2,1,3,1,1,2,1, 3  \\\\");

  RowRunner decode(25, 1);
  EXPECT_EQ(decode.BeginMain(), " По заданному коду Гапта построить дерево. \\\\\\noindent");
  std::tie(main, answers) = decode.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(main, "1,\r\n1,\r\n1,\r\n1,\r\n1,\r\n1,\r\n 3 \r\n");
  // The answer is the decoded tree, drawn under the variant number; no table.
  EXPECT_EQ(decode.BeginAnswers(), "\\par\\noindent\r\n");
  EXPECT_EQ(answers.rfind("\\parbox[b]{100pt}{\\scriptsize\\rule{0pt}{14pt}1\\\\{\\unitlength=0.7pt%", 0),
            0u)
      << answers;
  EXPECT_EQ(discrete_check::ReadCircles(answers, "{\\circle{ 3}}").size(), 10u);
  // In students mode the caption names the student, as the row of a table would.
  RowRunner named(25, 1, true);
  for (int v = 1; v <= 4; ++v) named.State().StudentNames[v] = "Student " + std::to_string(v);
  answers = named.RunVariant({1, 1, 1, 1, 1, 1, 1}).second;
  const std::string student = named.State().StudentNames[named.State().VariantIndex + 1];
  ASSERT_EQ(student.rfind("Student ", 0), 0u);
  EXPECT_NE(answers.find("{14pt}1 " + student + "\\\\{"), std::string::npos) << answers;
}

// The Gapt code of the tree drawn in text (markers, bars, the ringed root), by the definition:
// the children of the level-2 vertices from left to right, then of the level-1 vertices, then
// the root's 3. Empty when the drawing is no root with three children and every leaf three
// levels down.
std::vector<long> CodeOfDrawnTree(const std::string& text) {
  const auto points = discrete_check::ReadCircles(text, "{\\circle{ 3}}");
  const auto ring = discrete_check::ReadCircles(text, "{\\circle{ 4}}");
  if (ring.size() != 1) return {};
  const auto bars = discrete_check::ReadBars(text);
  if (bars.size() + 1 != points.size()) return {};
  const auto graph = discrete_check::GraphFromBars(points, bars);
  const int root = discrete_check::Nearest(points, ring[0]);
  const auto depth = discrete_check::Distances(graph, root);
  std::vector<std::pair<double, int>> level[3];  // (x, children) of depths 0..2
  for (int v = 1; v <= static_cast<int>(points.size()); ++v) {
    const int d = depth[static_cast<std::size_t>(v)];
    if (d < 0) return {};  // not connected
    const int degree = static_cast<int>(graph[static_cast<std::size_t>(v)].size());
    const int children = d == 0 ? degree : degree - 1;
    if (d == 3) {
      if (children != 0) return {};
      continue;
    }
    if (d > 3 || children < 1 || children > (d == 2 ? 4 : 3)) return {};
    level[d].push_back({points[static_cast<std::size_t>(v - 1)].x, children});
  }
  if (level[0].size() != 1 || level[0][0].second != 3) return {};
  std::vector<long> expected;
  for (int d : {2, 1}) {
    std::sort(level[d].begin(), level[d].end());
    for (const auto& [x, children] : level[d]) expected.push_back(children);
  }
  expected.push_back(3);
  return expected;
}

// Row 24: the drawn tree read back (markers, bars, the ringed root) is a root with three
// children, every leaf three levels down, and the answer is its code: the children of the
// level-2 vertices from left to right, then of the level-1 vertices, then the root's 3.
// Row 25 prints a code that decodes to a tree of that shape, the same tree as row 24's.
TEST(GaptCode, CodesMatchTheDrawnTree) {
  counting_check::LevelRunners code(24);
  counting_check::LevelRunners decode(25);
  // 27 million parameter sets, every one a different tree: a fixed sample, 2 * 10^5 sets in
  // the full run.
  const long budget = discrete_check::FullSweep() ? 200000 : 6000;
  counting_check::SampleParams({9, 9, 9, 9, 16, 16, 16}, budget, [&](const auto& p) {
    const auto [main, answers] = code.Pick(p).RunVariant(p);
    const auto expected = CodeOfDrawnTree(main);
    ASSERT_FALSE(expected.empty()) << main;
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 2u) << answers;
    EXPECT_EQ(Integers(cells[1]), expected) << main << answers;

    const auto [code_text, drawn] = decode.Pick(p).RunVariant(p);
    const auto printed = Integers(code_text);
    EXPECT_EQ(printed, expected) << code_text;
    // Row 25 answers with the tree drawn: coded by the definition, it gives the printed code.
    EXPECT_EQ(CodeOfDrawnTree(drawn), printed) << code_text << drawn;
    // The printed code alone decodes: three level-1 counts before the root's 3, as many
    // level-2 counts as they add up to.
    ASSERT_GE(printed.size(), 7u);
    const std::size_t n = printed.size();
    EXPECT_EQ(printed[n - 1], 3);
    const long level1 = printed[n - 2] + printed[n - 3] + printed[n - 4];
    EXPECT_EQ(static_cast<long>(n) - 4, level1) << code_text;
  });
}

}  // namespace
