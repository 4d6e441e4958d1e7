#include "figures/dimensions.h"

#include <gtest/gtest.h>

#include <vector>

#include "figure_fixture.h"
#include "toolkit/errors.h"

namespace figures {
namespace {

void SetX(Figure& f, const std::vector<double>& xs) {
  for (std::size_t k = 0; k < xs.size(); ++k) f.PointX[static_cast<long>(k + 1)] = xs[k];
}

TEST(DimensionsTest, SingleDimensions) {
  ExpectTexts({
      {"equal ends draw nothing", [](Figure& f) { DrawDimensionH(f, 10, 10, 5); }, ""},
      {"value form still draws at equal ends",
       [](Figure& f) { DrawDimensionHValue(f, 10, 10, 5, 0); },
       "\\mt{10}{6}\\pp{10}{4}\\mt{10}{6}\\pp{10}{4}\\mt{10}{5}\\pp{10}{5}\\put(7,7){\\scriptsize "
       "0}"},
      {"length divided by Scale",
       [](Figure& f) {
         f.Scale = 3;
         DrawDimensionH(f, 0, 30, -10);
       },
       "\\mt{0}{-9}\\pp{0}{-11}\\mt{30}{-9}\\pp{30}{-11}\\mt{0}{-10}\\pp{30}{-10}"
       "\\put(12,-8){\\scriptsize 10}"},
      {"right to left", [](Figure& f) { DrawDimensionH(f, 30, 0, 0); },
       "\\mt{30}{1}\\pp{30}{-1}\\mt{0}{1}\\pp{0}{-1}\\mt{30}{0}\\pp{0}{0}"
       "\\put(12,2){\\scriptsize 30}"},
      {"text form", [](Figure& f) { DrawDimensionHText(f, "$a$", 0, 10, 0); },
       "\\mt{0}{1}\\pp{0}{-1}\\mt{10}{1}\\pp{10}{-1}\\mt{0}{0}\\pp{10}{0}"
       "\\put(2,2){\\scriptsize \\Brown{$a$}}\r\n"},
      {"vertical, placed right of the scaled x",
       [](Figure& f) {
         f.Scale = 5;
         DrawDimensionV(f, 0, 0, 20, 4);
       },
       "%\r\n% размер по вертикали BEG\r\n"
       "\\mt{34}{0}\\pp{36}{0}\\mt{34}{20}\\pp{36}{20}\\mt{35}{0}\\pp{35}{20}"
       "\\put(31,7){\\scriptsize 4}%\r\n% размер по вертикали END\r\n"},
      {"vertical at a fixed x",
       [](Figure& f) {
         f.Scale = 5;
         f.DimensionXFixed = true;
         DrawDimensionV(f, 1, 0, 20, 4);
       },
       "%\r\n% размер по вертикали BEG\r\n"
       "\\mt{3}{0}\\pp{5}{0}\\mt{3}{20}\\pp{5}{20}\\mt{4}{0}\\pp{4}{20}"
       "\\put(-6,7){\\scriptsize 4}%\r\n% размер по вертикали END\r\n"},
      {"vertical, equal ends", [](Figure& f) { DrawDimensionV(f, 0, 3, 3, 4); }, ""},
      {"vertical value", [](Figure& f) { DrawDimensionVValue(f, -8, 10, 20, 0, 2.5); },
       "\\mt{9}{20}\\pp{11}{20}\\mt{9}{0}\\pp{11}{0}\\mt{10}{20}\\pp{10}{0}"
       "\\put(2,7){\\scriptsize 2.5}"},
      {"vertical text", [](Figure& f) { DrawDimensionVText(f, "$h$", 10, 0, 20); },
       "\\mt{9}{0}\\pp{11}{0}\\mt{9}{20}\\pp{11}{20}\\mt{10}{0}\\pp{10}{20}"
       "\\put(12,7){\\scriptsize \\Brown{$h$}}\r\n"},
  });
}

TEST(DimensionsTest, ChainAlongX) {
  ExpectTexts({
      {"repeated x gives one stop",
       [](Figure& f) {
         SetX(f, {0, 30, 30, 60});
         DrawDimensionChainX(f, 4, -20, 3);
       },
       "\\mt{0}{-20}\\pp{60}{-20}"
       "\\mt{0}{-20}\\pp{0}{-18}\\mt{30}{-20}\\pp{30}{-18}\\mt{60}{-20}\\pp{60}{-18}"
       "\\put(13,-18){\\scriptsize 10}\\put(43,-18){\\scriptsize 10}"},
      {"all at one x: two ticks in one place and the label 0",
       [](Figure& f) {
         SetX(f, {5, 5, 5});
         DrawDimensionChainX(f, 3, 0, 1);
       },
       "\\mt{0}{0}\\pp{5}{0}\\mt{5}{0}\\pp{5}{2}\\mt{5}{0}\\pp{5}{2}\\put(3,2){\\scriptsize 0}"},
      {"labels from a second list",
       [](Figure& f) {
         SetX(f, {0, 40, 100});
         toolkit::TPointArray a;
         a[1] = 0, a[2] = 2, a[3] = 5;
         DrawDimensionChainY(f, a, 3, -10);
       },
       "\\mt{0}{-10}\\pp{100}{-10}"
       "\\mt{0}{-10}\\pp{0}{-8}\\mt{40}{-10}\\pp{40}{-8}\\mt{100}{-10}\\pp{100}{-8}"
       "\\put(18,-8){\\scriptsize 2}\\put(68,-8){\\scriptsize 3}"},
      {"second list with fewer stops draws only its intervals",
       [](Figure& f) {
         SetX(f, {0, 40, 100});
         toolkit::TPointArray a;
         a[1] = 0, a[2] = 2, a[3] = 2;
         DrawDimensionChainY(f, a, 3, 0);
       },
       "\\mt{0}{0}\\pp{40}{0}\\mt{0}{0}\\pp{0}{2}\\mt{40}{0}\\pp{40}{2}"
       "\\put(18,2){\\scriptsize 2}"},
  });
}

TEST_F(FigureTest, BothChainsWithCommentLines) {
  f.PointX[1] = 0, f.PointY[1] = 0;
  f.PointX[2] = 20, f.PointY[2] = 30;
  f.PointX[3] = 60, f.PointY[3] = 30;
  DrawDimensionChains(f, 3, 60, -20, 15, 10, 10, 0);
  EXPECT_EQ(Main(),
            "%RAZMeR%begin%\r\n"
            "\\mt{0}{-20}\\pp{60}{-20}"
            "\\mt{0}{-20}\\pp{0}{-18}\\mt{20}{-20}\\pp{20}{-18}\\mt{60}{-20}\\pp{60}{-18}"
            "\\put(8,-18){\\scriptsize 2}\\put(38,-18){\\scriptsize 4}%RAZMeR Vert %begin%\r\n"
            "\\mt{75}{0}\\pp{75}{30}\\mt{74}{0}\\pp{76}{0}\\mt{74}{30}\\pp{76}{30}"
            "\\put(69,13){\\scriptsize 3}%RAZMeR End%\r\n");
}

TEST_F(FigureTest, ChainsLabelNoEqualStops) {
  f.PointX[1] = 0, f.PointY[1] = 5;
  f.PointX[2] = 10, f.PointY[2] = 5;
  DrawDimensionChains(f, 2, 20, -10, 0, 1, 1, 0);
  EXPECT_EQ(Count(Main(), "\\put"), 1);  // the horizontal 10 only
}

TEST_F(FigureTest, ZeroDivisorsAreDegenerateAndWriteNothing) {
  f.Scale = 0;
  f.PointX[2] = 10;
  EXPECT_THROW(DrawDimensionH(f, 0, 10, 0), toolkit::DegenerateDataError);
  EXPECT_THROW(DrawDimensionV(f, 0, 0, 10, 0), toolkit::DegenerateDataError);
  EXPECT_THROW(DrawDimensionChainX(f, 2, 0, 0), toolkit::DegenerateDataError);
  EXPECT_THROW(DrawDimensionChains(f, 2, 0, 0, 0, 1, 0, 0), toolkit::DegenerateDataError);
  EXPECT_EQ(Main(), "");
}

}  // namespace
}  // namespace figures
