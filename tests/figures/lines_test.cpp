#include "figures/lines.h"

#include <gtest/gtest.h>

#include <numbers>

#include "figure_fixture.h"
#include "toolkit/errors.h"

namespace figures {
namespace {

TEST(LinesTest, LineWidths) {
  ExpectTexts({
      {"normal", [](Figure& f) { SetLineWidth(f, 1); }, "\\spe%\r\n"},
      {"half", [](Figure& f) { SetLineWidth(f, 5); }, "\\speh%\r\n"},
      {"full", [](Figure& f) { SetLineWidth(f, 10); }, "\\spehh%\r\n"},
      {"special 4", [](Figure& f) { SetLineWidth(f, 4); }, "\\special{em:linewidth0.4pt}%\r\n"},
      {"special 8", [](Figure& f) { SetLineWidth(f, 8); }, "\\special{em:linewidth0.8pt}%\r\n"},
      {"special 3", [](Figure& f) { SetLineWidth(f, 3); }, "\\special{em:linewidth0.3pt}%\r\n"},
  });
  ExpectTexts(
      {{"answers 1", [](Figure& f) { AnsSetLineWidth(f, 1); }, "\\special{em:linewidth0.1pt}%\r\n"},
       {"answers 12", [](Figure& f) { AnsSetLineWidth(f, 12); },
        "\\special{em:linewidth1.2pt}%\r\n"}},
      true);
}

TEST(LinesTest, SegmentsBarsAndGaps) {
  auto points = [](Figure& f) {
    f.PointX[1] = 0, f.PointY[1] = 0;
    f.PointX[2] = 10, f.PointY[2] = 0;
    f.PointX[3] = 10, f.PointY[3] = 5;
  };
  ExpectTexts({
      {"two segments share a line",
       [](Figure& f) {
         DrawSegment(f, 0, 0, 10, 5);
         DrawSegment(f, 1, 2, 3, 4);
       },
       "\\mt{0}{0}\\pp{10}{5}\\mt{1}{2}\\pp{3}{4}"},
      {"bar with the default gap",
       [&](Figure& f) {
         points(f);
         DrawBar(f, 1, 2);
       },
       "\\mt{1.5}{0}\\pp{8.5}{0}"},
      {"two bars",
       [&](Figure& f) {
         points(f);
         f.NodeGap = 1;
         DrawTwoBars(f, 1, 2, 3);
       },
       "\\mt{1}{0}\\pp{9}{0}\\mt{10}{1}\\pp{10}{4}"},
      {"shortened, coincident points", [](Figure& f) { DrawSegmentShortened(f, 5, 5, 5, 5, 1.5); },
       "\\mt{5}{5}\\pp{5}{5}"},
      {"from node, gap at the first point", [](Figure& f) { DrawSegmentFromNode(f, 0, 0, 0, 10); },
       "\\mt{0}{1.5}\\pp{0}{10}"},
      {"from node, coincident points", [](Figure& f) { DrawSegmentFromNode(f, 2, 2, 2, 2); }, ""},
      {"from node reversed",
       [&](Figure& f) {
         points(f);
         DrawSegmentFromNodeRev(f, 1, 2);
       },
       "\\mt{8.5}{0}\\pp{0}{0}"},
      {"two segments into a node",
       [&](Figure& f) {
         points(f);
         DrawTwoSegmentsFromNode(f, 1, 2, 3);
       },
       "\\mt{10}{3.5}\\pp{10}{0}\\mt{1.5}{0}\\pp{10}{0}"},
      {"ring at the first point", [](Figure& f) { DrawSegmentWithRing(f, 0, 0, 10, 0); },
       "\\put(1.5,0){\\circle{ 3}}\\mt{3}{0}\\pp{10}{0}"},
      {"ring, coincident points", [](Figure& f) { DrawSegmentWithRing(f, 1, 1, 1, 1); }, ""},
  });
  ExpectTexts({{"answers bar ends its line",
                [&](Figure& f) {
                  points(f);
                  AnsDrawBar(f, 1, 2);
                  AnsDrawSegmentShortenedCopy(f, 3, 3, 3, 3, 1);
                },
                "\\mt{1.5}{0}\\pp{8.5}{0}\r\n\\mt{3}{3}\\pp{3}{3}\r\n"}},
              true);
}

TEST(LinesTest, BarByNodeKindsGapsOnlyHingedEnds) {
  struct Row {
    int ki, kj;
    const char* text;
  };
  const Row rows[] = {
      {2, 2, "\\mt{1.5}{0}\\pp{8.5}{0}"},
      {1, 2, "\\mt{8.5}{0}\\pp{0}{0}"},
      {2, 1, "\\mt{1.5}{0}\\pp{10}{0}"},
      {1, 1, "\\mt{0}{0}\\pp{10}{0}"},
      {0, 2, ""},
      {2, 3, ""},
  };
  for (const Row& row : rows) {
    Figure f;
    testing_support::OpenMemoryFiles(f);
    f.PointX[1] = 0, f.PointX[2] = 10;
    f.NodeKinds[1] = static_cast<std::uint8_t>(row.ki);
    f.NodeKinds[2] = static_cast<std::uint8_t>(row.kj);
    DrawBarByNodeKinds(f, 1, 2);
    EXPECT_EQ(testing_support::MainText(f), row.text) << row.ki << "," << row.kj;
  }
}

TEST(LinesTest, DashedLines) {
  ExpectTexts({
      {"three dashes", [](Figure& f) { DrawDashedLine(f, 2, 0, 0, 0, 11, 0.5); },
       "\\mt{0}{0}\\pp{2.2}{0}\\mt{4.4}{0}\\pp{6.6}{0}\\mt{8.8}{0}\\pp{11}{0}%\r\n"},
      {"multiput", [](Figure& f) { DrawDashedLineMultiput(f, 3, 0, 0, 10, 0); },
       "\\multiput(0,0)(4,0){\r\n3}{\\mt{0}{0}\r\n\\pp{2}{0}}%\r\n"},
  });
  // The dash counter holds more than 8 bits: 130 gaps give 131 dashes.
  Figure f;
  testing_support::OpenMemoryFiles(f);
  DrawDashedLine(f, 130, 0, 0, 0, 131, 0.5);
  EXPECT_EQ(Count(testing_support::MainText(f), "\\mt"), 131);
}

TEST_F(FigureTest, LatexLineRecordsItsEnd) {
  DrawLatexLine(f, -1, 2, 10, 10, 5);
  EXPECT_EQ(Main(), "\\put(10,10){\\line(-1,2){5}}\r\n");
  EXPECT_EQ(f.LineEndX, 5);
  EXPECT_EQ(f.LineEndY, 20);
  DrawThickLatexLine(f, 0, -3, 1, 1, 4);
  EXPECT_EQ(Main(),
            "\\put(10,10){\\line(-1,2){5}}\r\n{\\thicklines\\put(1,1){\\line(0,-3){4}}\r\n}");
  EXPECT_EQ(f.LineEndX, 1);
  EXPECT_EQ(f.LineEndY, -3);
  f.MainFile.OpenMemory();
  DrawLatexLine(f, 1, 0, 0, 0, 0.005);  // LaTeX takes no "0.5\cdot10^{-2}" as a length
  EXPECT_EQ(Main(), "\\put(0,0){\\line(1,0){0}}\r\n");
}

TEST(LinesTest, LineBySlopeEndPoints) {
  struct Row {
    double dx, dy, len, ex, ey;
    const char* text;
  };
  const Row rows[] = {
      {3, -4, 6, 6, -8, "\\mt{0}{0}\\pp{6}{-8}"},
      {0, -2, 5, 0, -5, "\\mt{0}{0}\\pp{0}{-5}"},
      {-1, 0, 2, -2, 0, "\\mt{0}{0}\\pp{-2}{0}"},
      {1, 0, -4, -4, 0, "\\mt{0}{0}\\pp{-4}{0}"},  // a negative length reverses
      {0, 0, 5, 0, 0, ""},                         // no direction: nothing drawn
  };
  for (const Row& row : rows) {
    Figure f;
    testing_support::OpenMemoryFiles(f);
    f.LineEndX = 99;
    DrawLineBySlope(f, 0, 0, row.dx, row.dy, row.len);
    EXPECT_EQ(testing_support::MainText(f), row.text);
    EXPECT_EQ(f.LineEndX, row.ex);
    EXPECT_EQ(f.LineEndY, row.ey);
  }
  Figure f;
  testing_support::OpenMemoryFiles(f);
  DrawLatexLine(f, 0, 0, 3, 4, 5);  // LaTeX rejects \line(0,0): nothing is written
  EXPECT_EQ(testing_support::MainText(f), "");
  EXPECT_EQ(f.LineEndX, 3);
}

TEST_F(FigureTest, PolarSegmentRecordsItsEnd) {
  DrawPolarSegment(f, 1, 1, std::numbers::pi / 2, 4);
  EXPECT_EQ(Main(), "\\mt{1}{1}\\pp{1}{5}");
  EXPECT_NEAR(f.LineEndX, 1, 1e-12);
  EXPECT_EQ(f.LineEndY, 5);
}

TEST(LinesTest, CirclesAndDots) {
  ExpectTexts({
      {"diameter in a field of two", [](Figure& f) { DrawCircle(f, 1, 2, 3); },
       "\\put(1,2){\\circle{ 3}}"},
      {"two digits", [](Figure& f) { DrawCircle(f, 0, 0, 10); }, "\\put(0,0){\\circle{10}}"},
      {"rounded", [](Figure& f) { DrawFilledCircle(f, 0, 0, 2.6); }, "\\put(0,0){\\circle*{ 3}}"},
      {"two circles", [](Figure& f) { DrawTwoCircles(f, 4, 12, 1, 1); },
       "\\put(1,1){\\circle{ 4}}\\put(1,1){\\circle{12}}"},
      {"node marker",
       [](Figure& f) {
         f.PointX[7] = 5;
         DrawNodeMarker(f, 7);
       },
       "\\BrickRed{\\put(5,0){\\circle{ 3}}}"},
      {"at point, diameter 10",
       [](Figure& f) {
         f.PointY[2] = -1;
         DrawCircleAtPoint10(f, 2);
         DrawTwoCirclesAtPoint(f, 2, 2, 6);
       },
       "\\put(0,-1){\\circle{10}}\\put(0,-1){\\circle{ 2}}\\put(0,-1){\\circle{ 6}}"},
      {"small dot", [](Figure& f) { DrawSmallDot(f, 1.25, 0); }, "\\put(1.25,0){\\circle*{2}}"},
  });
  ExpectTexts(
      {{"answers dot", [](Figure& f) { AnsDrawDotAtPoint(f, 1); }, "\\put(0,0){\\circle*{3}}"}},
      true);
}

TEST_F(FigureTest, PutTextAndPenMovesByPoint) {
  f.PointX[4] = 2.5, f.PointY[4] = -1;
  PutTextLn(f, "{x}", 1, 2);
  MoveToPoint(f, 4);
  LineToPoint(f, 4);
  EXPECT_EQ(Main(), "\\put(1,2){x}\r\n\\mt{2.5}{-1}\\pp{2.5}{-1}");
  AnsMoveToPoint(f, 4);
  AnsLineToPoint(f, 4);
  AnsDrawSegmentPoints(f, 4, 4);
  EXPECT_EQ(Ans(), "\\mt{2.5}{-1}\\pp{2.5}{-1}\\mt{2.5}{-1}\\pp{2.5}{-1}\r\n");
  EXPECT_THROW(DrawSegmentPoints(f, 1, 101), toolkit::IndexRangeError);
  EXPECT_THROW(DrawBarByNodeKinds(f, 1, 41), toolkit::IndexRangeError);
}

}  // namespace
}  // namespace figures
