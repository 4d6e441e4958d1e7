#include "figures/forces.h"

#include <gtest/gtest.h>

#include <numbers>

#include "figure_fixture.h"
#include "toolkit/errors.h"

namespace figures {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(ForcesTest, Vectors) {
  ExpectTexts({
      {"vector", [](Figure& f) { DrawVector(f, 1, 0, 10, 20, 15); },
       "\\put(10,20){\\vector(1,0){15}}\r\n"},
      {"reversed vertical ends at the point",
       [](Figure& f) { DrawDirectedVector(f, 0, -1, -1, 5, 5, 10); },
       "\\put(5,-5){\\vector(0,1){10}}\r\n"},
      {"reversed diagonal ends at the point",
       [](Figure& f) { DrawDirectedVector(f, -1, 1, -1, 0, 0, 10); },
       "\\put(-10,10){\\vector(1,-1){10}}\r\n"},
      {"reversed with a steep slope", [](Figure& f) { DrawDirectedVector(f, 2, 1, -1, 0, 0, 4); },
       "\\put(4,2){\\vector(-2,-1){4}}\r\n"},
      {"sign 0 draws nothing", [](Figure& f) { DrawDirectedVector(f, 1, 0, 0, 0, 0, 10); }, ""},
      {"sign 0 still labels",
       [](Figure& f) { DrawDirectedVectorWithLabel(f, 1, 0, "$P$", 0, 1, 1, 10, 2, -3); },
       "\\put(3,-2){\\scriptsize \\Brown{$P$}}\r\n"},
      {"thick red vector", [](Figure& f) { DrawThickRedVector(f, 0, 1, 1, 2, 0.005); },
       "\\Red{\\put(1,2){\\thicklines\\vector(0,1){0}}}%\r\n"},  // no \cdot form
      {"red force with label",
       [](Figure& f) { DrawRedForceWithLabel(f, -1, 0, "$F$", 20, 0, 12, -3, 2); },
       "\\Red{\\put(20,0){\\thicklines\\vector(-1,0){12}}}%\r\n"
       "\\put(17,2){\\scriptsize \\Brown{$F$}}\r\n"},
      {"thick red force", [](Figure& f) { DrawThickRedForce(f, 0, -1, "$Q$", 1, 5, 5, 10, 2, 0); },
       "{\\thicklines\\Red{\\put(5,5){\\vector(0,-1){10}}\r\n"
       "\\put(7,5){\\scriptsize \\Brown{$Q$}}\r\n}}%\r\n"},
  });
  ExpectTexts({{"answers red vector with label",
                [](Figure& f) { AnsDrawRedVectorWithLabel(f, 0, 1, "{$R$}", 1, 2, 5, 3, -1); },
                "\\put(1,2){\\Red{\\vector(0,1){5}}}\r\n\\put(4,1){$R$}"}},
              true);
}

TEST(ForcesTest, EmArrows) {
  auto two_points = [](Figure& f) {
    f.PointX[2] = 10;
    f.ArrowSize = 3;
  };
  ExpectTexts({
      {"arrow between points",
       [&](Figure& f) {
         two_points(f);
         DrawArrowBetweenPoints(f, 1, 2, 2);
       },
       "\\mt{2}{0}\\pp{8}{0}\\special{em:linewidth0.6pt}%\r\n"
       "\\mt{8}{0}\\pp{5.09}{0.72}\\mt{8}{0}\\pp{5.09}{-0.72}"},
      {"moved to the right of its direction",
       [&](Figure& f) {
         two_points(f);
         DrawArrowBetweenCoords(f, 1, 2, 2, 4);
       },
       "\\mt{2}{-4}\\pp{8}{-4}\\special{em:linewidth0.6pt}%\r\n"
       "\\mt{8}{-4}\\pp{5.09}{-3.28}\\mt{8}{-4}\\pp{5.09}{-4.72}"},
      {"coincident points draw nothing", [](Figure& f) { DrawArrowBetweenPoints(f, 1, 2, 2); }, ""},
      {"em arrow with 20 degree barbs",
       [](Figure& f) {
         f.ArrowHeadLength = 2;
         DrawEmArrow(f, 0, 0, 10, 0);
       },
       "\\mt{0}{0}\\pp{10}{0}\\pp{8.12}{0.68}\\mt{10}{0}\\pp{8.12}{-0.68}"},
      {"zero em arrow draws nothing", [](Figure& f) { DrawEmArrow(f, 1, 1, 0, 0); }, ""},
  });
  Figure f;
  testing_support::OpenMemoryFiles(f);
  DrawEmArrow(f, 1, 2, 3, 4);
  EXPECT_EQ(f.LineEndX, 4);
  EXPECT_EQ(f.LineEndY, 6);
}

TEST(ForcesTest, ArcChordsAndLineBreaks) {
  struct Row {
    double degrees;
    int chords, percent_lines;
  };
  const Row rows[] = {{60, 15, 3}, {1, 0, 0}, {6, 2, 0}, {1080, 270, 67}};
  for (const Row& row : rows) {
    Figure f;
    testing_support::OpenMemoryFiles(f);
    DrawArcPolyline(f, 0, 0, 0, 0, row.degrees * kPi / 180, 10);
    const std::string text = testing_support::MainText(f);
    EXPECT_EQ(text.rfind("\\mt{10}{0}", 0), 0u) << row.degrees;
    EXPECT_EQ(Count(text, "\\mt"), 1) << row.degrees;
    EXPECT_EQ(Count(text, "\\pp"), row.chords) << row.degrees;
    EXPECT_EQ(Count(text, "%\r\n"), row.percent_lines) << row.degrees;
  }
  // The last partial group of chords stays on the open line.
  Figure f;
  testing_support::OpenMemoryFiles(f);
  DrawArcPolyline(f, 0, 0, 0, 0, kPi / 3, 10);
  const std::string text = testing_support::MainText(f);
  EXPECT_EQ(text.substr(text.rfind("\r\n")), "\r\n\\pp{6.16}{7.88}\\pp{5.6}{8.29}\\pp{5}{8.66}");
}

TEST_F(FigureTest, ArrowheadOfAnArc) {
  DrawArcPolyline(f, 1, 0, 0, 0, kPi / 2, 10);
  const std::string text = Main();
  EXPECT_EQ(
      text.substr(text.find("\\special")),
      "\\special{em:linewidth0.6pt}%\r\n\\mt{0}{10}\\pp{3}{9}\\mt{0}{10}\\pp{3}{10.5}\\spe%\r\n");
}

TEST_F(FigureTest, LabelledArcs) {
  DrawLabelledArc(f, 0, "$\\alpha$", 1, 0, 0, 0, kPi, 2);
  EXPECT_EQ(Main().substr(Main().find("\\put")), "\\put(-2.5,3.5){\\scriptsize $\\alpha$}");
  f.MainFile.OpenMemory();
  DrawLabelledArc(f, 0, "x", 2, 0, 0, 0, kPi, 2);
  EXPECT_EQ(Main().substr(Main().find("\\put")), "\\put(-5.5,4){\\scriptsize x}");
  f.MainFile.OpenMemory();
  DrawLabelledArc(f, 0, "x", 3, 0, 0, 0, kPi, 2);
  EXPECT_EQ(Main().find("\\put"), std::string::npos);
  f.MainFile.OpenMemory();
  DrawLabelledArcArrow(f, 0, "M", 1, 0, 0, 0, kPi, 2, -1);
  EXPECT_EQ(Main().substr(Main().find("\\put")), "\\put(-1.5,2.5){\\scriptsize \\Brown{$M$}}\r\n");
}

TEST_F(FigureTest, MomentAtAPoint) {
  f.PointX[3] = 20;
  f.PointY[3] = 10;
  DrawMomentAtPoint(f, 3, 0, "M", kPi, 5, 0, 0);
  const std::string text = Main();
  EXPECT_EQ(text.rfind("\\mt{25}{10}", 0), 0u);  // the half circle starts right of the point
  EXPECT_NE(text.find("\\pp{20.17}{15}"), std::string::npos);  // passes above it
  EXPECT_NE(text.find("\\pp{15}{10}"), std::string::npos);     // and ends left of it
  EXPECT_EQ(text.substr(text.find("\\spe%")), "\\spe%\r\n\\mt{21.5}{10}\\pp{28.5}{10}");
  EXPECT_EQ(f.LineEndX, 28.5);
}

TEST_F(FigureTest, ArcThroughPointsRunsFromJToI) {
  f.PointX[1] = 0;
  f.PointX[2] = 10;
  DrawArcThroughPoints(f, 1, 2, 10, 0);
  const std::string text = Main();
  EXPECT_EQ(text.rfind("\\special{em:linewidth0.4pt}%\r\n\\mt{10}{0}", 0), 0u);
  EXPECT_NE(text.find("\\pp{5.35}{1.33}\\pp{4.65}{1.33}"), std::string::npos);  // over the top
  EXPECT_NE(text.find("\\pp{0.62}{0.33}"), std::string::npos);  // the last chord reaches point i
  EXPECT_EQ(text.substr(text.size() - 7), "\\spe%\r\n");
  EXPECT_EQ(Count(text, "\\pp"), 15 + 2);

  f.MainFile.OpenMemory();
  DrawArcThroughPoints(f, 1, 1, 10, 0);  // no chord
  EXPECT_EQ(Main(), "");
  EXPECT_THROW(DrawArcThroughPoints(f, 1, 2, 4, 0), toolkit::DegenerateDataError);
}

TEST_F(FigureTest, StrokesAcrossARay) {
  DrawStrokesAcrossRay(f, 1, 5, 0);
  EXPECT_EQ(Main(),
            "\\special{em:linewidth0.4pt}%\r\n"
            "\\mt{5}{-2}\\pp{5}{2}\\mt{6}{-2.33}\\pp{6}{2.33}"
            "\\mt{7}{-2.67}\\pp{7}{2.67}\\mt{8}{-3}\\pp{8}{3}\\spe%\r\n");
}

}  // namespace
}  // namespace figures
