#include "subjects/structural/common/beam_diagrams.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/memory_files.h"

namespace structural {
namespace {

using testing_support::AnsText;
using testing_support::MainText;

std::unique_ptr<SharedState> NewState() {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->Scale = 10;
  return s;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(DiagramTest, MaxAbsOverARangeAndOverNothing) {
  TDiagramValues v{};
  v[1] = {-3, 2};
  v[2] = {2, 7.5};
  v[3] = {-9, 0};
  EXPECT_EQ(MaxAbsDiagramValue(v, 1, 2), 7.5);
  EXPECT_EQ(MaxAbsDiagramValue(v, 1, 3), 9);
  EXPECT_EQ(MaxAbsDiagramValue(v, 3, 2), 0);
}

TEST(DiagramTest, RectangleSegmentWritesOnlyItsChangedLeftValue) {
  auto s = NewState();
  TDiagramValues v{};
  v[1] = {10, 10};
  AnsDrawDiagramSegment(*s, v, 1, 0, 0, 30, 10, 1, false, 1);
  const std::string ans = AnsText(*s);
  // Outline at ordinate 30 (the largest value), hatching of ten lines, one label 10.0 above it.
  EXPECT_NE(ans.find("\\Red{\\mt{0}{0}\\pp{0}{30}\\pp{30}{30}\\pp{30}{0}}\\Blue{"),
            std::string::npos)
      << ans;
  EXPECT_EQ(Count(ans, "\\pp{"), 3u + 10u);
  EXPECT_EQ(Count(ans, "{\\scriptsize 10"), 1u) << ans;
  EXPECT_NE(ans.find("\\put(2,31){"), std::string::npos) << ans;
}

TEST(DiagramTest, ContinuousDiagramLabelsRightEndsOnlyBeforeAJump) {
  auto s = NewState();
  TDiagramValues v{};
  v[1] = {0, 6};   // continues into segment 2
  v[2] = {6, -4};  // jumps to 2 at its right end
  v[3] = {2, 0};
  for (int seg = 1; seg <= 3; ++seg) {
    AnsDrawDiagramSegment(*s, v, seg, 0, 30 * (seg - 1), 30 * seg, 6, -1, false, -1);
  }
  const std::string ans = AnsText(*s);
  // Written: segment 2's left 6 (it differs from segment 1's left 0), its right -4 (a jump
  // follows) and segment 3's left 2, each times the label sign -1. Segment 1's right end
  // runs on without a jump and is not written.
  EXPECT_EQ(Count(ans, "{\\scriptsize -6"), 1u) << ans;
  EXPECT_EQ(Count(ans, "{\\scriptsize 4"), 1u) << ans;
  EXPECT_EQ(Count(ans, "{\\scriptsize -2"), 1u) << ans;
  EXPECT_EQ(Count(ans, "{\\scriptsize"), 3u) << ans;

  auto absolute = NewState();
  absolute->LabelAbsolute = true;
  for (int seg = 1; seg <= 3; ++seg) {
    AnsDrawDiagramSegment(*absolute, v, seg, 0, 30 * (seg - 1), 30 * seg, 6, -1, false, -1);
  }
  const std::string abs_text = AnsText(*absolute);
  EXPECT_EQ(Count(abs_text, "{\\scriptsize -"), 0u) << abs_text;
  EXPECT_EQ(Count(abs_text, "{\\scriptsize 6"), 1u) << abs_text;
  EXPECT_EQ(Count(abs_text, "{\\scriptsize 4"), 1u) << abs_text;
}

TEST(DiagramTest, FlatDiagramAndShortSegmentDrawWithoutHatchingOrNaN) {
  struct Case {
    const char* what;
    double left, right, max_value, x1;
    int load;
  };
  const Case cases[] = {
      {"all values zero", 0, 0, 0, 30, 0},
      {"all values zero under a load", 0, 0, 0, 30, 5},
      {"segment shorter than a step", 4, 5, 5, 1.4, 0},
      {"short segment under a load", 4, 5, 5, 1.4, 5},
      {"segment of no length", 4, 5, 5, 0, 0},
  };
  for (const Case& c : cases) {
    auto s = NewState();
    TDiagramValues v{};
    v[1] = {c.left, c.right};
    EXPECT_NO_THROW(AnsDrawDiagramSegment(*s, v, 1, c.load, 0, c.x1, c.max_value, 1, false, 1))
        << c.what;
    const std::string ans = AnsText(*s);
    EXPECT_EQ(ans.find("nan"), std::string::npos) << c.what;
    EXPECT_EQ(ans.find("inf"), std::string::npos) << c.what;
    const size_t hatching = ans.find("}\\Blue{");
    ASSERT_NE(hatching, std::string::npos) << c.what;
    EXPECT_EQ(ans.find("\\mt", hatching), std::string::npos) << c.what << ": " << ans;
  }
}

TEST(DiagramTest, UniformLoadBulgesTowardsPositiveOrdinatesWhateverTheDirection) {
  for (int direction : {1, -1}) {
    auto s = NewState();
    TDiagramValues v{};
    v[1] = {0, 0};
    // q = 8 over 40 units (4 m at Scale 10): mid ordinate c q L^2 / (8 Scale^2) = 1 * 8 * 16 / 8.
    AnsDrawDiagramSegment(*s, v, 1, 8, 0, 40, 30, direction, false, 1);
    const std::string ans = AnsText(*s);
    // The outline ends on the axis at X1; its highest point is the mid-span bulge.
    EXPECT_NE(ans.find("\\pp{40}{0}}"), std::string::npos) << ans;
    double apex = 0;
    for (size_t at = ans.find("\\pp{"); at != std::string::npos; at = ans.find("\\pp{", at + 1)) {
      const size_t y = ans.find("}{", at) + 2;
      apex = std::max(apex, std::stod(ans.substr(y)));
    }
    EXPECT_NEAR(apex, 16, 0.1) << direction;
  }
}

TEST(BeamLoadsTest, PointLoadRecordsItsValueAndDistributedLoadHasOneArrowPerStep) {
  auto s = NewState();
  s->PointX[2] = 40;
  s->PointX[3] = 76;
  s->ConcentratedLoadValue[2] = 12;
  DrawBeamPointLoad(*s, 2, 2);
  EXPECT_EQ(s->PointLoadValue[2], 12);
  DrawBeamDistributedLoad(*s, 2, 3, 10, 1);
  const std::string main = MainText(*s);
  EXPECT_NE(main.find("\\Red{\\put(40,15){\\thicklines\\vector(0,-1){15}}}%"), std::string::npos)
      << main;
  EXPECT_NE(main.find("{$P$}}"), std::string::npos);
  EXPECT_NE(main.find("$q_1$"), std::string::npos);
  EXPECT_NE(main.find("\\multiput(40,19)(6,0){7}{\\vector(0,-1){\r\n18}}}%\r\n"), std::string::npos)
      << main;
}

TEST(BeamLoadsTest, MomentArcBoxIsASaveboxWithAnArrowhead) {
  auto s = NewState();
  DefineMomentArcBox(*s);
  const std::string main = MainText(*s);
  EXPECT_EQ(main.rfind("\\newsavebox{\\brmomentp}", 0), 0u) << main;
  EXPECT_NE(main.find("\\Red{\\put(0,0){\\oval(20,20)[r]}"), std::string::npos) << main;
  EXPECT_NE(main.find("\\put(-2,10){\\vector(-1,0){1}}"), std::string::npos) << main;
}

}  // namespace
}  // namespace structural
