#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 19;

TEST(CompositionalRuleTest, GoldenVariants) {
  // All 31: five set digits make every grade of A equal to 1; B = (7, 9, 9, 9) tenths, since
  // P5 - 1 = 30 lacks the lowest digit.
  auto out = RunAiVariant(kRow, {31, 31, 31, 31, 31, 31, 31}, 1, 4);
  EXPECT_NE(out.main.find("$A=(1/a, \r\n1/b, \r\n1/c, \r\n1/d, \r\n1/e\r\n)$,\\\\ $B=(0.7/X, \r\n"
                          "0.9/Y, \r\n0.9/Z, \r\n0.9/V\r\n)$,\\\\ $C=(0.9/a, \r\n0.9/b, \r\n"
                          "0.9/c, \r\n0.9/d, \r\n0.9/e\r\n)$."),
            std::string::npos)
      << out.main;
  EXPECT_EQ(DataRow(out.answers, true), "4&0.7&0.9&0.9&0.9");
  // All 32: only the five lowest digits count, so every grade of A is 0.1.
  out = RunAiVariant(kRow, {32, 32, 32, 32, 32, 32, 32});
  EXPECT_NE(out.main.find("$A=(0.1/a, \r\n0.1/b, \r\n0.1/c, \r\n0.1/d, \r\n0.1/e\r\n)$"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(DataRow(out.answers, true), "1&0.1&0.1&0.1&0.1");
  EXPECT_NE(out.answers.find("\\No\\ru & $X$& $Y$& $Z$& $V$  \\\\\\hline"), std::string::npos);
}

// y recomputed from the printed A, B and C by the max-min composition of min(A, B) with C.
TEST(CompositionalRuleTest, AnswersFollowFromThePrintedSets) {
  long long checked = 0;
  for (const auto& point : ai_check::LargeSweep({32, 32, 32, 32, 32, 32, 32}, 3000, 100000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const auto a = Numbers(Between(out.main, "$A=(", ")$"));
    const auto b = Numbers(Between(out.main, "$B=(", ")$"));
    const auto c = Numbers(Between(out.main, "$C=(", ")$"));
    ASSERT_EQ(a.size(), 5u);
    ASSERT_EQ(b.size(), 4u);
    ASSERT_EQ(c.size(), 5u);
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 5u) << out.answers;
    for (int j = 0; j < 4; ++j) {
      double y = 0;
      for (int i = 0; i < 5; ++i) y = std::max(y, std::min(c[i], std::min(a[i], b[j])));
      EXPECT_EQ(std::stod(cells[1 + j]), y) << testing_support::Describe(point);
      EXPECT_LE(y, b[j]);
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

}  // namespace
