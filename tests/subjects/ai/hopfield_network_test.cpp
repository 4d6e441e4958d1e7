#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 11;

TEST(HopfieldNetworkTest, GoldenVariant) {
  // P1 = 15, P2 = 4: the second code wraps to 4.
  const auto out = RunAiVariant(kRow, {15, 4, 1, 1, 1, 1, 1}, 1, 3);
  EXPECT_NE(out.main.find("$x_{1}=[\r\n1,\r\n1,\r\n1,\r\n1]$\\\\ \r\n"
                          "$x_{2}=[\r\n-1,\r\n-1,\r\n1,\r\n-1]$\\\\ \r\n"
                          "$x_{3}=[\r\n1,\r\n-1,\r\n1,\r\n-1]$\\\\ \r\n"
                          "\\large $y = [ -1,\r\n 1,\r\n 1,\r\n -1]$\r\n"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(out.answers,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            "   \\No& $\\bar y$& \\No\\ образца\\ru \\\\\\hline \r\n"
            "3&[ 1, -1, -1, 1]& --- \r\n \\\\\\hline\\end{tabular}\\end{center}");
}

// Every net is a sum of nine terms of +-1, so it is never 0 and no entry of the result is 0.
TEST(HopfieldNetworkTest, AMatchedPatternIsNamed) {
  const auto out = RunAiVariant(kRow, {1, 1, 3, 4, 1, 1, 1});
  EXPECT_EQ(DataRow(out.answers, true), "1&[ 1, -1, 1, -1]& [3]");
}

/// The vector printed after `open`, up to "]".
std::vector<int> PrintedVector(const std::string& main, const std::string& open) {
  std::vector<int> v;
  for (double x : Numbers(Between(main, open, "]"))) v.push_back(static_cast<int>(x));
  return v;
}

TEST(HopfieldNetworkTest, AnswersFollowFromThePrintedVectors) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({15, 4, 4, 4, 1, 1, 1}, 1000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    std::array<std::vector<int>, 3> x;
    for (int k = 0; k < 3; ++k)
      x[k] = PrintedVector(out.main, "$x_{" + std::to_string(k + 1) + "}=[");
    const std::vector<int> y = PrintedVector(out.main, "$y = [");
    ASSERT_EQ(y.size(), 4u);
    // Stored patterns and y are four different vectors.
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(x[k].size(), 4u);
      EXPECT_NE(x[k], y) << testing_support::Describe(point);
      for (int l = 0; l < k; ++l) EXPECT_NE(x[k], x[l]) << testing_support::Describe(point);
    }
    std::vector<int> updated(4);
    for (int i = 0; i < 4; ++i) {
      int net = 0;
      for (int j = 0; j < 4; ++j) {
        if (i == j) continue;
        for (int k = 0; k < 3; ++k) net += x[k][i] * x[k][j] * y[j];
      }
      updated[i] = (net > 0) - (net < 0);
    }
    std::string expected = "[";
    for (int i = 0; i < 4; ++i) expected += " " + std::to_string(updated[i]) + (i < 3 ? "," : "]");
    std::string match = "---";
    for (int k = 0; k < 3; ++k) {
      if (x[k] == updated) match = "[" + std::to_string(k + 1) + "]";
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u) << out.answers;
    EXPECT_EQ(cells[0], "1");
    EXPECT_EQ(cells[1], expected) << testing_support::Describe(point);
    EXPECT_EQ(cells[2], match) << testing_support::Describe(point);
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 15 * 4 * 4 * 4 * 10));
}

}  // namespace
