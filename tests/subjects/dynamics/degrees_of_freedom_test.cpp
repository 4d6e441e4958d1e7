#include "subjects/dynamics/degrees_of_freedom.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 22, {p});
}

int Count(const std::string& text, const std::string& key) {
  int n = 0;
  for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) ++n;
  return n;
}

// The W cells of the first answers row: the cells after the variant number.
std::vector<int> AnswerCells(const std::string& answers) {
  const auto start = answers.find("1 & ");
  std::string row = answers.substr(start, answers.find("\\\\", start) - start);
  std::vector<int> out;
  for (auto at = row.find('&'); at != std::string::npos; at = row.find('&', at + 1)) {
    out.push_back(std::stoi(row.substr(at + 1)));
  }
  return out;
}

// The pictures of the systems (the box definitions have their own), one
// per system.
std::vector<std::string> Pictures(const std::string& main) {
  std::vector<std::string> out;
  for (auto at = main.find("\\begin{picture}(116"); at != std::string::npos;
       at = main.find("\\begin{picture}(116", at + 1)) {
    out.push_back(main.substr(at, main.find("\\end{picture}", at) - at));
  }
  return out;
}

// One system as the student sees it: the bars between joints, the sliders (a block riding on
// a bar, hinged to a bar from another joint), the hinged supports and the struts.
struct Drawn {
  std::vector<std::array<int, 2>> bars;  // joints 1..10; a slider's pin is joint 100 + k
  int sliders = 0;                       // each adds a block and a sliding pair
  std::vector<int> hinge_supports;       // joints hinged to the ground
  int struts = 0;                        // support rods
};

// The drawing of a section from its kind (the figure's legend, written out here).
void AddSection(Drawn& d, int kind, int i) {
  const int u = i + 4;
  auto slider = [&](int a, int b, int c) {
    d.bars.push_back({b, c});  // the guided bar, one body
    const int pin = 100 + ++d.sliders;
    d.bars.push_back({a, pin});
  };
  switch (kind) {
    case 1:
      d.bars.push_back({i, u});
      slider(i, i + 1, u);
      break;
    case 2:
      d.bars.push_back({i, u});
      d.bars.push_back({i + 1, i});
      d.bars.push_back({i + 1, u});
      break;
    case 3:
      d.bars.push_back({i, u});
      d.bars.push_back({i + 1, u});
      break;
    case 4:
      d.bars.push_back({i, u});
      d.bars.push_back({i + 1, u});
      d.bars.push_back({i + 7, i});
      d.bars.push_back({i + 1, i + 7});
      d.hinge_supports.push_back(i + 7);
      break;
    case 5:
      slider(i + 1, i, u);
      d.bars.push_back({i + 1, u});
      ++d.struts;
      break;
    case 6:
      d.bars.push_back({i + 1, i});
      d.bars.push_back({i + 1, u});
      break;
  }
}

// W = 3D - 2H - S counted over the drawn bodies and joints: a joint where k bodies meet
// (the ground counting as one at a hinged support) holds k - 1 simple hinges; a slider's
// block is a body hinged to its pin bar and joined to its guide by a sliding pair (one more
// simple pair); each strut is one support rod.
int Gruebler(const Drawn& d) {
  std::map<int, int> bodies_at;
  for (const auto& b : d.bars) {
    ++bodies_at[b[0]];
    ++bodies_at[b[1]];
  }
  for (int k = 1; k <= d.sliders; ++k) ++bodies_at[100 + k];  // the block at the pin
  for (int j : d.hinge_supports) ++bodies_at[j];              // the ground
  int hinges = d.sliders;                                     // the sliding pairs
  for (const auto& [joint, k] : bodies_at) hinges += k - 1;
  const int bodies = static_cast<int>(d.bars.size()) + d.sliders;
  return 3 * bodies - 2 * hinges - d.struts;
}

struct System {
  int kinds[3];
  int left, right;
};

// The systems of a variant by the statement's rule: before each system P1 moves on (5 -> 1)
// and P2..P4 move on (6 -> 1); P5 stays.
std::vector<System> SystemsOf(VariantParams p, int level) {
  std::vector<System> out;
  for (int k = 0; k < level; ++k) {
    p[0] = p[0] % 5 + 1;
    for (int j = 1; j <= 3; ++j) p[j] = p[j] % 6 + 1;
    out.push_back({{p[1], p[2], p[3]}, p[0], p[4]});
  }
  return out;
}

Drawn DrawnOf(const System& s) {
  Drawn d;
  d.bars.push_back({5, 6});
  d.bars.push_back({6, 7});
  for (int i = 1; i <= 3; ++i) AddSection(d, s.kinds[i - 1], i);
  if (s.left <= 2)
    d.hinge_supports.push_back(1);
  else if (s.left <= 4)
    ++d.struts;
  if (s.right <= 2)
    d.hinge_supports.push_back(4);
  else if (s.right <= 4)
    ++d.struts;
  return d;
}

TEST(DegreesOfFreedomTest, EveryCellIsTheCountOfTheDrawnSystem) {
  long long checked = 0;
  for (const auto& pt :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {5, 6, 6, 6, 9, 1, 1}, 250)) {
    const auto texts = RunRow(pt.p, pt.level);
    const auto cells = AnswerCells(texts.answers);
    const auto pictures = Pictures(texts.main);
    const auto systems = SystemsOf(pt.p, pt.level);
    ASSERT_EQ(cells.size(), systems.size()) << testing_support::Describe(pt);
    ASSERT_EQ(pictures.size(), systems.size()) << testing_support::Describe(pt);
    for (std::size_t k = 0; k < systems.size(); ++k) {
      const Drawn d = DrawnOf(systems[k]);
      EXPECT_EQ(cells[k], Gruebler(d)) << testing_support::Describe(pt) << " system " << k + 1;
      // The picture holds what the count used: sliders, hinged supports and struts.
      EXPECT_EQ(Count(pictures[k], "\\hing}"), static_cast<int>(d.hinge_supports.size()))
          << testing_support::Describe(pt) << " system " << k + 1;
      EXPECT_EQ(Count(pictures[k], "\\OliveGreen{"), d.sliders)
          << testing_support::Describe(pt) << " system " << k + 1;
      EXPECT_EQ(Count(pictures[k], "\\upstr}"), d.struts)
          << testing_support::Describe(pt) << " system " << k + 1;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5LL * 6 * 6 * 6 * 9 * 10));
}

// The parameters move on before the first system and stay moved in the shared state; the
// kinds wrap 6 -> 1, the left support 5 -> 1, P5 never changes.
TEST(DegreesOfFreedomTest, ParametersAdvanceBeforeEachSystemAndStayAdvanced) {
  auto s = testing_support::NewState();
  s->Level = 3;
  testing_support::RunBeginVariant(*s, BeginDegreesOfFreedomProblem, WriteDegreesOfFreedomVariant,
                                   {{5, 6, 1, 4, 7, 1, 1}});
  EXPECT_EQ(s->P1, 3);
  EXPECT_EQ(s->P2, 3);
  EXPECT_EQ(s->P3, 4);
  EXPECT_EQ(s->P4, 1);
  EXPECT_EQ(s->P5, 7);
  auto t = testing_support::NewState();
  t->Level = 2;
  testing_support::SetVariant(*t, 1, {5, 6, 1, 4, 7, 1, 1});
  const auto systems = DeriveDegreesOfFreedomSystems(*t);
  ASSERT_EQ(systems.size(), 2u);
  EXPECT_EQ(systems[0].upper_code, 5);  // the upper joints use P1 before it moves on
  EXPECT_EQ(systems[0].left, 1);
  EXPECT_EQ(systems[0].kinds[0], 1);
  EXPECT_EQ(systems[0].kinds[1], 2);
  EXPECT_EQ(systems[0].kinds[2], 5);
  EXPECT_EQ(systems[1].upper_code, 1);
}

// Golden lines: a Level-1 variant has one system without a numbered heading; its kind-4
// section adds a hinged joint below the middle of its lower bar; Level 10 opens a table of
// twelve columns for the number and the ten cells, and sets its systems side by side.
TEST(DegreesOfFreedomTest, GoldenLines) {
  // P1 = 1 moves to 2 (a hinge on the left), the kinds to 4, 2, 2; P5 = 9: no right support.
  const auto one = RunRow({1, 3, 1, 1, 9, 1, 1}, 1);
  EXPECT_EQ(one.main.find("\\bf{1.}"), std::string::npos);
  const auto pictures = Pictures(one.main);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(Count(pictures[0], "\\hing}"), 2);
  EXPECT_NE(pictures[0].find("\\put(10,-1){\\usebox{\\hing}}"), std::string::npos) << pictures[0];
  EXPECT_NE(one.answers.find("1 & 0  \\\\"), std::string::npos) << one.answers;
  const auto ten = RunRow({1, 3, 1, 1, 9, 1, 1}, 10);
  EXPECT_NE(ten.answers.find("\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|}"), std::string::npos);
  // The ten systems stand side by side in boxes of a fixed width, so that a ticket's page holds
  // them: a paragraph break before the first and none between them.
  EXPECT_EQ(Count(ten.main, "\\hbox to 140pt{"), 10);
  EXPECT_EQ(Count(ten.main, "\\par\\noindent\\hbox to 140pt{"), 1);
  EXPECT_NE(ten.main.find("\\raisebox{40pt}{\\bf 10.}"), std::string::npos);
}

}  // namespace
}  // namespace dynamics
