#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 9;

// The pictures by savebox letter: top left, top right, bottom left, bottom right.
const std::map<char, std::array<int, 4>> kPictures = {
    {'a', {1, 0, 0, 1}}, {'b', {0, 1, 1, 0}}, {'c', {1, 1, 0, 0}}, {'d', {0, 0, 1, 1}},
    {'e', {1, 0, 1, 0}}, {'f', {0, 1, 0, 1}}, {'g', {1, 1, 1, 0}}, {'h', {1, 1, 0, 1}},
    {'i', {0, 0, 1, 0}}, {'k', {1, 0, 0, 0}}};

/// The pattern letters at the four numbered places 1) .. 4) of the variant's figure.
std::string PlacedPatterns(const std::string& main) {
  const std::string places[] = {"\\put(160,40){\\usebox{\\iin", "\\put(200,40){\\usebox{\\iin",
                                "\\put(160,0){\\usebox{\\iin", "\\put(200,0){\\usebox{\\iin"};
  std::string letters;
  for (const std::string& place : places) {
    const std::size_t at = main.find(place);
    letters += at == std::string::npos ? '?' : main[at + place.size()];
  }
  return letters;
}

TEST(KohonenNetworkTest, GoldenFirstPatterns) {
  const auto out = RunAiVariant(kRow, {1, 2, 3, 4, 5, 6, 7}, 1, 4);
  const std::string variant = out.main.substr(out.main.rfind("$\\eta="));
  EXPECT_EQ(variant.substr(0, variant.find("\\end{array}$") + 12),
            "$\\eta=0.6$\\\\\r\n"
            "\\noindent\\begin{picture}(225,68)(5,-10)%\r\n"
            "\\put(10,0){\\usebox{\\vrsc}}\\put(160,40){\\usebox{\\iina}}"
            "\\put(200,40){\\usebox{\\iinb}}\\put(160,0){\\usebox{\\iinc}}"
            "\\put(200,0){\\usebox{\\iind}}\\end{picture}\r\n"
            "\\\\ $ W = \\begin{array}{|cccc|}0 &\r\n0.2 &\r\n0.3 &\r\n0.4\\\\\r\n"
            "0.5&\r\n0.6&\r\n0.7&\r\n0.1\\end{array}$");
  EXPECT_EQ(DataRow(out.answers, true),
            "4&\r\n1,\r\n2,\r\n2,\r\n1 & \r\n   0.240&\r\n   0.032&\r\n   0.648&\r\n"
            "   0.904&\r\n   0.680&\r\n   0.936&\r\n   0.352&\r\n   0.016");
}

TEST(KohonenNetworkTest, PatternsAndRates) {
  EXPECT_EQ(PlacedPatterns(RunAiVariant(kRow, {1, 1, 1, 1, 1, 1, 1}).main), "abcd");
  EXPECT_EQ(PlacedPatterns(RunAiVariant(kRow, {11, 1, 1, 1, 1, 1, 1}).main), "fghi");
  const std::pair<int, std::string> rates[] = {{1, "0.4"}, {2, "0.6"}, {3, "0.7"}, {4, "0.8"},
                                               {5, "0.5"}, {7, "0.5"}, {10, "0.5"}};
  for (const auto& [p2, eta] : rates) {
    const auto out = RunAiVariant(kRow, {3, p2, 1, 1, 1, 1, 1});
    EXPECT_EQ(Between(out.main, "$\\eta=", "$"), eta) << p2;
  }
}

TEST(KohonenNetworkTest, EqualDistancesGiveClusterOneAndANote) {
  // Pattern 2 is as far from both rows of W: the note says which cluster wins.
  const auto out = RunAiVariant(kRow, {1, 1, 1, 1, 3, 2, 7});
  EXPECT_EQ(out.main.find("*****"), std::string::npos);
  EXPECT_NE(out.main.find("\\\\ {\\small При равных расстояниях побеждает кластер 1.}\r\n"),
            std::string::npos);
  const auto no_tie = RunAiVariant(kRow, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(no_tie.main.find("При равных"), std::string::npos);
}

/// One cycle from the printed rate, W and patterns, in exact arithmetic: every weight is an
/// integer count of millionths (four updates with a rate in tenths stay exact).
TEST(KohonenNetworkTest, AnswersFollowFromThePrintedData) {
  long long checked = 0, ties = 0;
  for (const auto& point : ai_check::LargeSweep({11, 10, 10, 10, 10, 10, 10}, 3000, 120000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string where = testing_support::Describe(point);
    const long long eta = std::lround(10 * Numbers(Between(out.main, "$\\eta=", "$")).at(0));
    const auto printed_w = Numbers(Between(out.main, "\\begin{array}{|cccc|}", "\\end{array}"));
    ASSERT_EQ(printed_w.size(), 8u) << where;
    long long w[2][4];
    for (int j = 0; j < 2; ++j) {
      for (int i = 0; i < 4; ++i) w[j][i] = std::lround(printed_w[4 * j + i] * 10) * 100000;
    }
    const std::string placed = PlacedPatterns(out.main);
    std::string winners;
    bool tie = false;
    for (char letter : placed) {
      ASSERT_TRUE(kPictures.count(letter)) << where;
      const auto& x = kPictures.at(letter);
      long long d[2] = {};
      for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 4; ++i) {
          const long long diff = x[i] * 1000000LL - w[j][i];
          d[j] += diff * diff;
        }
      }
      tie = tie || d[0] == d[1];
      const int c = d[1] < d[0] ? 1 : 0;
      winners += std::to_string(c + 1);
      for (int i = 0; i < 4; ++i) {
        w[c][i] = w[c][i] - eta * (w[c][i] - x[i] * 1000000LL) / 10;
      }
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 10u) << where << out.answers;
    std::string printed_winners;
    for (double c : Numbers(cells[1])) printed_winners += std::to_string(static_cast<int>(c));
    EXPECT_EQ(printed_winners, winners) << where;
    for (int j = 0; j < 2; ++j) {
      for (int i = 0; i < 4; ++i) {
        const double printed = std::stod(cells[static_cast<std::size_t>(2 + 4 * j + i)]);
        EXPECT_TRUE(ai_check::PrintedAs(printed, w[j][i] / 1e6, 3)) << where << " " << j << i;
      }
    }
    EXPECT_EQ(out.main.find("При равных") != std::string::npos, tie) << where;
    if (tie) ++ties;
    ++checked;
  }
  std::printf("%lld of %lld variants meet equal distances and say which cluster wins\n", ties,
              checked);
  EXPECT_GE(checked, testing_support::FullSweep() ? 100000 : 1000);
}

}  // namespace
