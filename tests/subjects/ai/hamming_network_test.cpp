#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::BarAngles;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 18;

/// The turn codes of the drawn samples from the angles between consecutive bars: a right
/// (clockwise) turn is +1, a left turn -1.
std::vector<std::vector<int>> DrawnCodes(const std::string& main) {
  std::vector<std::vector<int>> samples;
  for (const std::string& picture : ai_check::Pictures(main)) {
    if (picture.find("\\spehh") == std::string::npos) continue;
    const std::vector<double> angles = BarAngles(picture);
    std::vector<int> codes;
    for (std::size_t i = 1; i < angles.size(); ++i) {
      codes.push_back(-ai_check::TurnInEighths(angles[i - 1], angles[i]));
    }
    samples.push_back(codes);
  }
  return samples;
}

std::string CodeText(const std::vector<int>& codes) {
  std::string text;
  for (std::size_t i = 0; i < codes.size(); ++i) text += (i ? "," : "") + std::to_string(codes[i]);
  return text;
}

TEST(HammingNetworkTest, GoldenHeadsAndStudentName) {
  const auto out = RunAiVariant(kRow, {5, 9, 1, 1, 1, 1, 1}, 1, 3, true);
  EXPECT_EQ(out.second_answers.substr(0, out.second_answers.find("\\hline") + 6),
            "\\eject Коды образцов\\\\[4pt] \\noindent\\begin{center}"
            "\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline");
  const auto cells = Cells(DataRow(out.second_answers, true));
  ASSERT_EQ(cells.size(), 7u) << out.second_answers;
  EXPECT_EQ(cells[0], "3");
  EXPECT_EQ(cells[6], "Ivanov");
  // A negative second-layer output is written as 0.
  EXPECT_EQ(DataRow(out.answers, true), "3& \r\n2,4,3,1&0.25&0&0&0.5  & Ivanov");
  // y is red and labelled y, the samples blue and numbered.
  const auto pictures = ai_check::Pictures(out.main);
  const std::string& y = pictures.back();
  EXPECT_NE(y.find("\\Red{\\mt"), std::string::npos);
  EXPECT_NE(y.find("\\speh\\Red{"), std::string::npos);
  EXPECT_NE(y.find("{$y$}"), std::string::npos);
  EXPECT_NE(pictures[pictures.size() - 2].find("\\Blue{\\mt"), std::string::npos);
  EXPECT_NE(pictures[pictures.size() - 2].find("{\\small 4}"), std::string::npos);
}

// y is sample P2 + 10 and the others P2 + 2k: their codes (bits 1..5) always differ, so no
// distance is 0 within the bounds.
TEST(HammingNetworkTest, AnswersFollowFromTheDrawnSamples) {
  long long checked = 0;
  bool met_negative = false;
  for (const auto& point : ai_check::Sweep({64, 64, 1, 1, 1, 1, 1}, 2000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string where = testing_support::Describe(point);
    const auto codes = DrawnCodes(out.main);
    ASSERT_EQ(codes.size(), 5u) << where;
    const auto coded = Cells(DataRow(out.second_answers, true));
    ASSERT_EQ(coded.size(), 6u) << where;
    for (int k = 0; k < 5; ++k) {
      ASSERT_EQ(codes[k].size(), 5u) << where;
      EXPECT_EQ(coded[1 + k], CodeText(codes[k])) << where << " sample " << k + 1;
    }
    int h[4];
    double e[4];
    for (int j = 0; j < 4; ++j) {
      h[j] = 0;
      for (int m = 0; m < 5; ++m) h[j] += codes[j][m] != codes[4][m];
      e[j] = 1 - 0.2 * h[j];
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 6u) << where << out.answers;
    const auto printed_h = Numbers(cells[1]);
    ASSERT_EQ(printed_h.size(), 4u) << where;
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(printed_h[j], h[j]) << where;
      double others = 0;
      for (int m = 0; m < 4; ++m) others += m == j ? 0 : e[m];
      const double u = e[j] - 0.25 * others;
      met_negative = met_negative || u < 0;
      EXPECT_NEAR(std::stod(cells[2 + j]), std::max(u, 0.0), 1e-9) << where << " y" << j + 1;
    }
    ++checked;
  }
  EXPECT_TRUE(met_negative);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 64LL * 64 * 10));
}

}  // namespace
