#include "subjects/ai/pattern_pictures.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace ai {
namespace {

TEST(PatternPicturesTest, WrapToTenKeepsTenAndWrapsAbove) {
  const std::pair<int, int> cases[] = {{1, 1}, {10, 10}, {11, 1}, {15, 5}, {20, 10}};
  for (const auto& [k, wrapped] : cases) EXPECT_EQ(WrapToTen(k), wrapped) << k;
}

TEST(PatternPicturesTest, BoxNamesSkipTheLetterJ) {
  EXPECT_EQ(PatternBoxName(1), "iina");
  EXPECT_EQ(PatternBoxName(9), "iini");
  EXPECT_EQ(PatternBoxName(10), "iink");
}

TEST(PatternPicturesTest, ACellIsAFramedSquareOfItsColour) {
  auto s = testing_support::NewState();
  PutPatternCell(*s, 1, 0, 1);
  PutPatternCell(*s, 0, 1, 0);
  EXPECT_EQ(testing_support::MainText(*s),
            "\\put(13,0){\\fcolorbox{blue}{green}{\\phantom{\\small e}}}\r\n"
            "\\put(0,13){\\fcolorbox{blue}{white}{\\phantom{\\small e}}}\r\n");
}

TEST(PatternPicturesTest, DefinesTenBoxesCellsInTableOrder) {
  auto s = testing_support::NewState();
  DefinePatternBoxes(*s);
  EXPECT_EQ(s->NodeGap, 5);
  const std::string text = testing_support::MainText(*s);
  EXPECT_EQ(text.find("iinj"), std::string::npos);
  // Pattern 7 (1 1 / 1 0): top left, top right, bottom left filled.
  const std::string box7 =
      "\\newsavebox{\\iing}\\sbox{\\iing}{%\r\n"
      "\\noindent\\begin{picture}(2,2)(0,0)%\r\n"
      "\\put(0,13){\\fcolorbox{blue}{green}{\\phantom{\\small e}}}\r\n"
      "\\put(13,13){\\fcolorbox{blue}{green}{\\phantom{\\small e}}}\r\n"
      "\\put(0,0){\\fcolorbox{blue}{green}{\\phantom{\\small e}}}\r\n"
      "\\put(13,0){\\fcolorbox{blue}{white}{\\phantom{\\small e}}}\r\n"
      "\\end{picture}}\r\n";
  EXPECT_NE(text.find(box7), std::string::npos) << text;
  std::size_t boxes = 0;
  for (std::size_t at = 0; (at = text.find("\\newsavebox", at)) != std::string::npos; ++at) ++boxes;
  EXPECT_EQ(boxes, 10u);
}

}  // namespace
}  // namespace ai
