#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subjects/logic/logic_run.h"
#include "tests/support/logic_formula.h"

namespace {

using logic_check::Between;
using logic_check::Cells;
using logic_check::RunLogicVariant;
using testing_support::LogicTruthVector;
using testing_support::ParseLogicFormula;

constexpr int kRow = 5;

TEST(TruthTable, BeginWritesStatementAndOpensTheTable) {
  const auto out = RunLogicVariant(kRow, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(out.main.rfind("Записать таблицу истинности выражения.\\\\\\noindent\\vskip1mm $$", 0),
            0u)
      << out.main;
  EXPECT_EQ(out.answers.rfind("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
                              "\\No & левая часть & правая часть & $f$ & код \\\\\\hline \r\n"
                              "1 & ",
                              0),
            0u)
      << out.answers;
}

TEST(TruthTable, GoldenLines) {
  struct Case {
    const char* what;
    testing_support::VariantParams p;
    const char* expression;
    const char* row;
  };
  const Case cases[] = {
      {"shape 1 with equivalence",
       {1, 1, 1, 1, 1, 1, 1},
       "(x| z) \\leftrightarrow (x\\downarrow y)",
       "1 & 11111010 & 11000000 & 11000101 & 197  \\\\"},
      {"shape 2 with implication",
       {2, 3, 2, 2, 1, 1, 1},
       "x \\rightarrow (\\bar z\\bar xy)",
       "1 & 00001111 & 00100000 & 11110000 & 240  \\\\"},
      {"shape 4: the second connective equal to the first becomes 7 - P3",
       {1, 2, 3, 4, 3, 1, 1},
       "(x \\vee z)(x | \\bar y)",
       "1 & 01011111 & 11110011 & 01010011 & 83  \\\\"},
      {"shape 1 with P3 = 6 is exclusive or",
       {4, 4, 6, 1, 1, 1, 1},
       "(y| \\bar z)\\oplus(\\bar x\\downarrow \\bar y)",
       "1 & 11011101 & 00000011 & 11011110 & 222  \\\\"},
      {"shape 5, P5 = P3 = 6: the second connective is equivalence",
       {3, 2, 6, 5, 6, 1, 1},
       "(x\\bar y)\\downarrow (y \\leftrightarrow z)",
       "1 & 00001100 & 10011001 & 01100010 & 98  \\\\"},
  };
  for (const Case& c : cases) {
    const auto out = RunLogicVariant(kRow, c.p);
    EXPECT_EQ(Between(out.main, "$$", " $$"), c.expression) << c.what;
    EXPECT_EQ(logic_check::AnswersRow(out.answers), c.row) << c.what;
  }
}

std::string Column(const std::vector<int>& v) {
  std::string s;
  for (int d : v) s += static_cast<char>('0' + d);
  return s;
}

// Every parameter set and Level: t1 and t2 are the columns of the two operands of the printed
// expression's main connective, f its column, and the code f read as a base-2 number with row
// 000 the most significant digit.
TEST(TruthTable, ColumnsAndCodeFollowThePrintedExpression) {
  int count = 0;
  for (int p1 = 1; p1 <= 4; ++p1)
    for (int p2 = 1; p2 <= 4; ++p2)
      for (int p3 = 1; p3 <= 6; ++p3)
        for (int p4 = 1; p4 <= 5; ++p4)
          for (int p5 = 1; p5 <= 6; ++p5)
            for (int level : logic_check::LevelsFor(count++)) {
              const auto out = RunLogicVariant(kRow, {p1, p2, p3, p4, p5, 1, 1}, level);
              const std::string where = "P " + std::to_string(p1) + std::to_string(p2) +
                                        std::to_string(p3) + std::to_string(p4) +
                                        std::to_string(p5);
              const auto e = ParseLogicFormula(Between(out.main, "$$", "$$"));
              const auto& root = e.nodes[static_cast<std::size_t>(e.root)];
              ASSERT_NE(root.right, -1) << where;
              const auto f = LogicTruthVector(e, "xyz");
              int code = 0;
              for (int v : f) code = 2 * code + v;
              const auto cells = Cells(logic_check::AnswersRow(out.answers));
              ASSERT_EQ(cells.size(), 5u) << where;
              EXPECT_EQ(cells[0], "1 ") << where;
              EXPECT_EQ(cells[1], " " + Column(LogicTruthVector(e, root.left, "xyz")) + " ")
                  << where;
              EXPECT_EQ(cells[2], " " + Column(LogicTruthVector(e, root.right, "xyz")) + " ")
                  << where;
              EXPECT_EQ(cells[3], " " + Column(f) + " ") << where;
              EXPECT_EQ(cells[4], " " + std::to_string(code) + " ") << where;
            }
  EXPECT_EQ(count, 4 * 4 * 6 * 5 * 6);
}

}  // namespace
