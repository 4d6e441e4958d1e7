#include "subjects/discrete/variant_graph.h"

#include <gtest/gtest.h>

#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"
#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::ReadBars;
using discrete_check::ReadCircles;

TEST(VariantGraph, SevenVerticesWithP1OneJoinVertex1ToVertex5Only) {
  auto s = testing_support::NewState();
  testing_support::SetVariant(*s, 1, {1, 1, 1, 1, 1, 1, 1});
  discrete::BuildVariantGraph(*s, 7);
  for (int j = 1; j <= 7; ++j) EXPECT_EQ(s->GraphMatrix[1][j], j == 5 ? 1 : 0) << j;
  // Seeds 8, 8, 8, 1, 1: edges 1-5, 2-6, 3-7, 4-5, 5-6.
  int edges = 0;
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(s->GraphMatrix[i][i], 0);
    for (int j = i + 1; j <= 7; ++j) {
      EXPECT_EQ(s->GraphMatrix[i][j], s->GraphMatrix[j][i]);
      edges += s->GraphMatrix[i][j];
    }
  }
  EXPECT_EQ(edges, 5);
  EXPECT_EQ(s->GraphMatrix[2][6] + s->GraphMatrix[3][7] + s->GraphMatrix[4][5] +
                s->GraphMatrix[5][6],
            4);
}

TEST(VariantGraph, BinaryDigitsLeastSignificantFirstAndZeroGivesOneDigit) {
  auto s = testing_support::NewState();
  s->BinaryDigits7.Fill(9);
  discrete::ByteToBinaryDigits7(*s, 0, 7);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(s->BinaryDigits7[k], 0) << k;
  discrete::ByteToBinaryDigits7(*s, 13, 7);  // 1101
  const int expected[7] = {1, 0, 1, 1, 0, 0, 0};
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(s->BinaryDigits7[k], expected[k - 1]) << k;
}

TEST(VariantGraph, CircleDrawingPlacesVertex1OnTopAndDrawsOnlyEntriesOfOne) {
  auto s = testing_support::NewState();
  toolkit::TIntMatrix a{};
  a[1][2] = a[2][1] = 1;
  a[3][4] = a[4][3] = 2;  // not an edge
  discrete::DrawGraphOnCircle(*s, a, 5, 1, 24, 30);
  const std::string text = testing_support::MainText(*s);
  EXPECT_EQ(text.rfind("\\noindent\\begin{picture}(67,76)(-9,-10)%\r\n", 0), 0u) << text;
  const auto circles = ReadCircles(text, "{\\circle{ 3}}");
  ASSERT_EQ(circles.size(), 5u);
  EXPECT_DOUBLE_EQ(circles[0].x, 24);
  EXPECT_DOUBLE_EQ(circles[0].y, 48);
  EXPECT_EQ(ReadBars(text).size(), 1u);
  // p = 1 bends vertex n by the factor 1 + (n - 1) / 85.
  EXPECT_NEAR(s->PointX[5], 24 * (1 + std::sin(2 * M_PI * 4 / 5 * (1 + 4.0 / 85))), 1e-9);
  EXPECT_NE(text.find("\\put(23,52){\\scriptsize 1}"), std::string::npos) << text;
  EXPECT_NE(text.find("\\end{picture}\r\n"), std::string::npos);
}

}  // namespace
