#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::BarAngles;
using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 16;

/// The turn codes of the drawn samples, read from the angles between consecutive bars: a
/// right turn is 1, straight on 2, a left turn 3.
std::vector<std::vector<int>> DrawnCodes(const std::string& main) {
  std::vector<std::vector<int>> samples;
  for (const std::string& picture : ai_check::Pictures(main)) {
    if (picture.find("\\spehh") == std::string::npos) continue;
    const std::vector<double> angles = BarAngles(picture);
    std::vector<int> codes;
    for (std::size_t i = 1; i < angles.size(); ++i) {
      codes.push_back(2 + ai_check::TurnInEighths(angles[i - 1], angles[i]));
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

TEST(KohonenClustersTest, GoldenTablesAndStudentName) {
  const auto out = RunAiVariant(kRow, {1, 2, 3, 4, 5, 6, 7}, 1, 2, true);
  EXPECT_EQ(out.second_answers.substr(0, out.second_answers.find("\\hline") + 6),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline");
  const auto cells = Cells(DataRow(out.second_answers, true));
  ASSERT_EQ(cells.size(), 7u) << out.second_answers;
  EXPECT_EQ(cells[0], "2");
  EXPECT_EQ(cells[6], "Ivanov");
  EXPECT_EQ(DataRow(out.answers, true),
            "2& \r\n3,1,2,1,3 &     2.25&    2.25&    1.75&    1.50&    1.50&    1.50&    1.50&"
            "    2.00&    1.00&    2.25&    2.25&    2.00 & Ivanov");
}

TEST(KohonenClustersTest, AllStraightTurnsDrawAStraightPath) {
  // P1 = 1, P2 = 2: sample 4 has the raw turns 1 1 1 1.
  const auto out = RunAiVariant(kRow, {1, 2, 1, 1, 1, 1, 1});
  const auto codes = DrawnCodes(out.main);
  ASSERT_EQ(codes.size(), 5u);
  EXPECT_EQ(CodeText(codes[3]), "2,2,2,2");
}

/// Replays one cycle exactly: weights in 32nds (five halvings at most), factors in tenths.
void CheckVariant(const testing_support::SweepPoint& point, std::vector<int>* winners_out) {
  const auto out = RunAiVariant(kRow, point.p, point.level);
  const std::string where = testing_support::Describe(point);
  const auto codes = DrawnCodes(out.main);
  ASSERT_EQ(codes.size(), 5u) << where;
  const auto coded = Cells(DataRow(out.second_answers, true));
  ASSERT_EQ(coded.size(), 6u) << where;
  for (int k = 0; k < 5; ++k) {
    ASSERT_EQ(codes[k].size(), 4u) << where;
    EXPECT_EQ(coded[1 + k], CodeText(codes[k])) << where << " sample " << k + 1;
  }
  long long w[3][4];
  for (int j = 0; j < 3; ++j) {
    const auto row =
        Numbers(Between(out.main, "$\\bar W_{" + std::to_string(j + 1) + "}$&", "\\\\"));
    ASSERT_EQ(row.size(), 4u) << where;
    for (int m = 0; m < 4; ++m) w[j][m] = std::lround(row[m]) * 32;
  }
  int wins[3] = {};
  std::string winners;
  for (int k = 0; k < 5; ++k) {
    long long r[3];
    for (int j = 0; j < 3; ++j) {
      long long dot = 0;
      for (int m = 0; m < 4; ++m) dot += w[j][m] * codes[k][m];
      r[j] = (10 - wins[j]) * dot;
    }
    int best = 0;
    for (int j = 1; j < 3; ++j) {
      if (r[j] > r[best]) best = j;
    }
    ++wins[best];
    winners += std::to_string(best + 1);
    if (winners_out != nullptr) winners_out->push_back(best + 1);
    for (int m = 0; m < 4; ++m) w[best][m] = (w[best][m] + codes[k][m] * 32) / 2;
  }
  const auto cells = Cells(DataRow(out.answers, true));
  ASSERT_EQ(cells.size(), 14u) << where << out.answers;
  std::string printed;
  for (double c : Numbers(cells[1])) printed += std::to_string(static_cast<int>(c));
  EXPECT_EQ(printed, winners) << where;
  for (int j = 0; j < 3; ++j) {
    for (int m = 0; m < 4; ++m) {
      EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[2 + 4 * j + m]), w[j][m] / 32.0, 2))
          << where << " W" << j + 1 << m + 1;
    }
  }
}

TEST(KohonenClustersTest, EqualProductsGoToTheSmallerCluster) {
  // Sample 5 meets r1 = r3 = 16.2 (cluster 1 after one win, cluster 3 unbeaten).
  std::vector<int> winners;
  CheckVariant({{1, 1, 55, 55, 55, 55, 1}, 1}, &winners);
  ASSERT_EQ(winners.size(), 5u);
  EXPECT_EQ(winners[4], 1);
}

/// The samples depend on P1 and P2 only, the clusters on P2..P6 as well. The normal suite runs
/// a stratified sample; the full sweep runs every P1, P2 and Level, each with three settings of
/// P3..P6 that together visit every value (122 880 variants: the whole space of 64^6 is out of
/// reach).
std::vector<testing_support::SweepPoint> ClusterSweep() {
  if (!testing_support::FullSweep()) {
    return ai_check::Sweep({64, 64, 64, 64, 64, 64, 1}, 1500);
  }
  std::vector<testing_support::SweepPoint> points;
  int n = 0;
  for (const auto& base :
       testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {64, 64, 1, 1, 1, 1, 1})) {
    for (int r = 0; r < 3; ++r, ++n) {
      testing_support::SweepPoint p = base;
      for (int k = 2; k < 6; ++k) p.p[k] = 1 + (n * (2 * k + 1) + k * 17 + (n >> 6)) % 64;
      points.push_back(p);
    }
  }
  return points;
}

TEST(KohonenClustersTest, AnswersFollowFromTheDrawnSamples) {
  long long checked = 0;
  for (const auto& point : ClusterSweep()) {
    CheckVariant(point, nullptr);
    ++checked;
  }
  EXPECT_GE(checked, testing_support::FullSweep() ? 100000 : 1000);
}

}  // namespace
