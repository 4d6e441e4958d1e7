#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"
#include "tests/support/tex_formula.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::RunAiVariant;

constexpr int kRow = 14;

TEST(GeneticAlgorithmTest, GoldenVariant) {
  const auto out = RunAiVariant(kRow, {1, 1, 1, 1, 1, 1, 1}, 1, 3);
  EXPECT_EQ(DataRow(out.answers, true), "3&-4.889&-0.667&1.444&2.000&0.667");
  EXPECT_NE(out.main.find("$Z=\\frc{x-3y-3\r\n}{x^2+y^2+1}$"), std::string::npos) << out.main;
  EXPECT_NE(out.answers.find("\\No\\ru & 1 & 2 & 3 & 4 & max \\\\\\hline"), std::string::npos);
  // The gene boxes are coloured; the scheme and the table are saveboxes of the document.
  for (const char* box : {"\\newsavebox{\\pred}", "\\fcolorbox{black}{red}", "{\\pokolen}",
                          "{\\hromos}", "\\fcolorbox{black}{yellow}"}) {
    EXPECT_NE(out.main.find(box), std::string::npos) << box;
  }
}

// The four stages replayed from the printed genes and Z: the ranking, the exchange, the totals
// and the best quality of the last stage.
TEST(GeneticAlgorithmTest, StagesReplayFromThePrintedGenesAndQuality) {
  long long checked = 0;
  for (const auto& point : ai_check::LargeSweep({7, 7, 3, 3, 1, 253, 253}, 3000, 100000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string pictures = ai_check::Pictures(out.main).back();
    const auto labels = ai_check::LabelsByPosition(pictures);
    std::array<long double, 5> x{}, y{};
    for (int k = 1; k <= 4; ++k) {
      ASSERT_TRUE(labels.count({20.0 * k + 83, 52.0}) && labels.count({20.0 * k + 83, 40.0}));
      x[k] = labels.at({20.0 * k + 83, 52.0});
      y[k] = labels.at({20.0 * k + 83, 40.0});
    }
    for (int k = 1; k <= 4; ++k) {
      for (int l = 1; l < k; ++l) EXPECT_NE(y[k], y[l]) << testing_support::Describe(point);
    }
    std::string z = Between(out.main, "$Z=", "$");
    for (std::size_t at; (at = z.find("\r\n")) != std::string::npos;) z.erase(at, 2);
    const tex_formula::Formula quality(z);
    const auto q = [&quality](long double gx, long double gy) {
      tex_formula::Point pt;
      pt.x = gx;
      pt.y = gy;
      return quality(pt);
    };
    std::vector<double> expected;
    std::array<long double, 5> best{};
    for (int stage = 1; stage <= 4; ++stage) {
      // Rank ascending; of equal qualities the higher-numbered chromosome ranks higher.
      std::array<int, 4> rank{1, 2, 3, 4};
      std::array<long double, 5> value{};
      for (int k = 1; k <= 4; ++k) value[k] = q(x[k], y[k]);
      for (int i = 1; i < 4; ++i) {
        for (int j = i; j > 0 && value[rank[j - 1]] > value[rank[j]] + 1e-12L; --j) {
          std::swap(rank[j - 1], rank[j]);
        }
      }
      long double total = 0;
      for (int k = 1; k <= 4; ++k) total += value[k];
      expected.push_back(static_cast<double>(total));
      best = value;
      best[0] = value[rank[3]];
      const int a = rank[3], b = rank[2], c = rank[1];
      const std::array<long double, 5> nx{0, x[c], x[b], x[a], x[a]};
      const std::array<long double, 5> ny{0, y[a], y[a], y[c], y[b]};
      x = nx;
      y = ny;
    }
    expected.push_back(static_cast<double>(best[0]));
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 6u) << out.answers;
    EXPECT_EQ(cells[0], "1");
    for (int i = 0; i < 5; ++i) {
      EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[1 + i]), expected[i], 3))
          << testing_support::Describe(point) << " cell " << i + 1 << ": " << cells[1 + i] << " vs "
          << expected[i];
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

}  // namespace
