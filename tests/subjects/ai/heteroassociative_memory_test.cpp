#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::RunAiVariant;

constexpr int kRow = 8;

// The pictures by savebox letter: top left, top right, bottom left, bottom right.
const std::map<char, std::vector<int>> kPictures = {
    {'a', {1, 0, 0, 1}}, {'b', {0, 1, 1, 0}}, {'c', {1, 1, 0, 0}}, {'d', {0, 0, 1, 1}},
    {'e', {1, 0, 1, 0}}, {'f', {0, 1, 0, 1}}, {'g', {1, 1, 1, 0}}, {'h', {1, 1, 0, 1}},
    {'i', {0, 0, 1, 0}}, {'k', {1, 0, 0, 0}}};

/// The pattern letters placed in the variant's figure, in the order they are drawn.
std::string PlacedPatterns(const std::string& main) {
  const std::string figure = main.substr(main.rfind("\\begin{picture}(220,60)"));
  std::string letters;
  for (std::size_t at = 0; (at = figure.find("{\\usebox{\\iin", at)) != std::string::npos; ++at) {
    letters += figure[at + 13];
  }
  return letters;
}

TEST(HeteroassociativeMemoryTest, GoldenVariantWrapsPatternNumbers) {
  // P1 = 11, P7 = 10: y is pattern WrapToTen(2 + 5 + 5) = 2.
  const auto out = RunAiVariant(kRow, {11, 1, 1, 1, 1, 1, 10}, 1, 7);
  EXPECT_NE(out.main.find("\\noindent\\begin{picture}(220,60)(0,10)%\r\n"
                          "\\put(0,40){\\usebox{\\iinf}}\\put(10,30){$x_1$}"
                          "\\put(40,40){\\usebox{\\iini}}\\put(50,30){$x_2$}"
                          "\\put(80,40){\\usebox{\\iink}}\\put(90,30){$x_3$}"
                          "\\put(120,40){\\usebox{\\iina}}\\put(130,30){$x_4$}"
                          "\\put(180,40){\\usebox{\\iinb}}\\put(170,30){$y$}\\end{picture}\r\n"),
            std::string::npos)
      << out.main;
  EXPECT_EQ(out.answers,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            " \\No & Ассоциация(10) \\\\\\hline\r\n"
            "7&   2 \r\n \\\\\\hline\\end{tabular}\\end{center}");
}

TEST(HeteroassociativeMemoryTest, RecallFollowsFromThePictures) {
  long long checked = 0;
  for (int p1 = 1; p1 <= 11; ++p1) {
    for (int p7 = 1; p7 <= 10; ++p7) {
      const int level = 1 + (p1 + p7) % 10;
      const auto out = RunAiVariant(kRow, {p1, 1, 1, 1, 1, 1, p7}, level);
      const std::string placed = PlacedPatterns(out.main);
      ASSERT_EQ(placed.size(), 5u);
      for (std::size_t i = 0; i < 5; ++i) {
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(placed[i], placed[j]) << p1 << " " << p7;
      }
      // Pattern k is associated with k as three bipolar digits, most significant first.
      int sums[3] = {};
      const std::vector<int>& y = kPictures.at(placed[4]);
      for (int k = 1; k <= 4; ++k) {
        const std::vector<int>& x = kPictures.at(placed[static_cast<std::size_t>(k - 1)]);
        for (int j = 0; j < 3; ++j) {
          const int code = ((k >> (2 - j)) & 1) != 0 ? 1 : -1;
          for (int i = 0; i < 4; ++i) sums[j] += (2 * x[i] - 1) * code * (2 * y[i] - 1);
        }
      }
      const int d = 4 * (sums[0] > 0) + 2 * (sums[1] > 0) + (sums[2] > 0);
      const auto cells = Cells(DataRow(out.answers, true));
      ASSERT_EQ(cells.size(), 2u);
      EXPECT_EQ(cells[1], std::to_string(d)) << p1 << " " << p7;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 110);
}

}  // namespace
