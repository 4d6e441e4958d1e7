#include "subjects/structural/common/truss_figures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "subjects/structural/common/truss_solvers.h"
#include "tests/support/memory_files.h"

namespace structural {
namespace {

using testing_support::MainText;

std::unique_ptr<SharedState> NewTruss(std::initializer_list<int> chord) {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->Scale = 10;
  SetTrussPanelOffsetsFromTable(*s, 1);  // 0, 2, 5, 8, 10
  int k = 1;
  for (int y : chord) s->TrussChordY[k++] = y;
  s->TrussPanelCount = 4;
  s->TrussLoadQValue = 7;
  return s;
}

TEST(TrussLoadQTest, FirstDropChoosesTheApexAndARisingChordTakesTheLast) {
  struct Case {
    std::initializer_list<int> chord;
    int apex;
  };
  const Case cases[] = {
      {{2, 3, 1, 1, 0}, 2}, {{3, 2, 2, 2, 2}, 1}, {{1, 2, 3, 4, 5}, 4}, {{2, 2, 2, 2, 2}, 4}};
  for (const Case& c : cases) {
    auto s = NewTruss(c.chord);
    s->TrussChordY[8] = -99;  // beyond the truss: must never be read as a drop
    DrawTrussLoadQ(*s);
    EXPECT_EQ(s->TrussQPoint, c.apex);
    EXPECT_EQ(s->TrussLoadQ, 7);
    EXPECT_NE(MainText(*s).find("$\\vec Q$"), std::string::npos);
  }
  // The last apex stands over the middle of the last panel: (8 + 10) / 2 * 10 = 90.
  auto s = NewTruss({1, 2, 3, 4, 5});
  DrawTrussLoadQ(*s);
  EXPECT_NE(MainText(*s).find("\\put(94,54){\\small \\Blue{$\\vec Q$}}"), std::string::npos)
      << MainText(*s);
}

TEST(TrussLoadQTest, InclinedSearchWithoutADropDrawsNothing) {
  auto s = NewTruss({1, 2, 3, 4, 5});
  s->TrussQPoint = 3;
  s->TrussLoadQ = 1;
  DrawTrussLoadQInclined(*s, 5, 1);
  EXPECT_EQ(s->TrussQPoint, 0);
  EXPECT_EQ(s->TrussLoadQ, 1);
  EXPECT_EQ(MainText(*s), "");

  auto t = NewTruss({1, 3, 2, 4, 5});
  t->TrussLoadSign = -1;
  DrawTrussLoadQInclined(*t, 5, 2);
  EXPECT_EQ(t->TrussQPoint, 2);
  // Mode 2, sign -1: the arrow starts at x + 1 + 18 and points left.
  EXPECT_NE(MainText(*t).find("\\put(39,40){\\thicklines\\vector(-1,0){18}}"), std::string::npos)
      << MainText(*t);
}

TEST(TrussLoadPointsTest, LoadsAvoidTheSupportsAndTheOtherLoads) {
  auto s = NewTruss({1, 1, 1, 1, 1});
  s->TrussSupportNodeA = 1;
  s->TrussSupportNodeB = 4;
  DrawTrussLoadsPTwoSides(*s, 2);
  EXPECT_EQ(s->TrussPPoint1, 2);
  EXPECT_EQ(s->TrussPPoint2, 3);
  s->TrussFreeMode = false;
  DrawTrussLoadFInclined(*s);
  EXPECT_EQ(s->TrussPPoint2, 0);  // the second P is not counted unless the free mode is on
  EXPECT_EQ(s->TrussFPoint, 3);
  s->TrussFreeMode = true;
  s->TrussPPoint2 = 3;
  MarkTrussFreeJoint(*s, 1);
  EXPECT_EQ(s->TrussFPoint, 5);
  EXPECT_NE(MainText(*s).find("\\usebox{\\hingmobil}"), std::string::npos);
}

TEST(TrussBoxesTest, BaseBoxAndSupportsAndDimensions) {
  auto s = NewTruss({1, 1, 1, 1, 1});
  s->TrussFreeMode = false;
  DefineTrussBoxA(*s, 5);
  const std::string main = MainText(*s);
  EXPECT_EQ(main.rfind("\\newsavebox{\\basefermE}\\sbox{\\basefermE}{%\r\n", 0), 0u) << main;
  EXPECT_EQ(s->TrussPanelX[5], 11);
  EXPECT_NE(main.find("\\mt{0}{-19}\\pp{110}{-19}}\r\n"), std::string::npos) << main;

  auto t = NewTruss({1, 1, 1, 1, 1});
  t->TrussSupportNodeA = 2;
  t->TrussSupportNodeB = 4;
  PutTrussSupportBoxes(*t, 1);
  t->TrussPanelLength = 2;
  t->TrussPanelHeight = 1;
  DrawTrussDimensions(*t);
  const std::string text = MainText(*t);
  EXPECT_NE(text.find("\\put(20,10){\\usebox{\\hingmobil}}\\put(80,10){\\usebox{\\hing}}%\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("{\\scriptsize 2}"), std::string::npos) << text;
}

}  // namespace
}  // namespace structural
