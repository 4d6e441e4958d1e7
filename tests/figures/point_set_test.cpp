#include "figures/point_set.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "toolkit/errors.h"

namespace figures {
namespace {

using Points = std::vector<std::pair<double, double>>;

void SetPoints(Figure& f, const Points& points) {
  for (std::size_t k = 0; k < points.size(); ++k) {
    f.PointX[static_cast<long>(k + 1)] = points[k].first;
    f.PointY[static_cast<long>(k + 1)] = points[k].second;
  }
}

Points GetPoints(const Figure& f, int n) {
  Points out;
  for (int k = 1; k <= n; ++k) out.emplace_back(f.PointX[k], f.PointY[k]);
  return out;
}

TEST(FitPointsToBoxTest, ChoosesTheSmallerOfTheTwoFittingScales) {
  struct Row {
    int width, height;
    double scale;
  };
  const Row rows[] = {{120, 60, 30}, {100, 60, 25}, {120, 40, 20}};
  for (const Row& row : rows) {
    Figure f;
    SetPoints(f, {{0, 0}, {4, 0}, {4, 2}});
    f.BoxWidth = row.width;
    f.BoxHeight = row.height;
    FitPointsToBox(f, 3, 0);
    EXPECT_EQ(f.Scale, row.scale) << row.width << "x" << row.height;
    EXPECT_EQ(GetPoints(f, 3),
              (Points{{0, 0}, {4 * row.scale, 0}, {4 * row.scale, 2 * row.scale}}));
    EXPECT_EQ(f.RangeX, 4);
    EXPECT_EQ(f.RangeY, 2);
  }
}

TEST(FitPointsToBoxTest, GivenScaleIgnoresTheBoxAndShiftsMinimaToZero) {
  Figure f;
  SetPoints(f, {{-2, 3}, {2, 5}});
  f.PointX[3] = 99;  // beyond n: untouched
  FitPointsToBox(f, 2, 2.5);
  EXPECT_EQ(f.Scale, 2.5);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {10, 5}}));
  EXPECT_EQ(f.PointX[3], 99);
}

TEST(FitPointsToBoxTest, ZeroExtentsFitByTheOtherAxisOrScaleOne) {
  Figure f;
  f.BoxWidth = 120;
  f.BoxHeight = 60;
  SetPoints(f, {{1, 7}, {5, 7}});
  FitPointsToBox(f, 2, 0);
  EXPECT_EQ(f.Scale, 30);  // RangeY = 0: by the width
  SetPoints(f, {{1, 7}, {1, 9}});
  FitPointsToBox(f, 2, 0);
  EXPECT_EQ(f.Scale, 30);  // RangeX = 0: by the height
  SetPoints(f, {{4, 4}});
  FitPointsToBox(f, 1, 0);
  EXPECT_EQ(f.Scale, 1);
  EXPECT_EQ(GetPoints(f, 1), (Points{{0, 0}}));
}

TEST(FitPointsToBoxTest, BoxWithoutSizeIsDegenerate) {
  Figure f;
  SetPoints(f, {{0, 0}, {1, 1}});
  EXPECT_THROW(FitPointsToBox(f, 2, 0), toolkit::DegenerateDataError);
  EXPECT_THROW(FitPointsToBoxStretch(f, 2), toolkit::DegenerateDataError);
  EXPECT_THROW(FitPointsToBoxRounded(f, 2), toolkit::DegenerateDataError);
  EXPECT_NO_THROW(FitPointsToBox(f, 2, 3));  // a given scale needs no box
}

TEST(FitPointsToBoxStretchTest, FillsBothAxesAndKeepsTheXFactor) {
  Figure f;
  f.BoxWidth = 100;
  f.BoxHeight = 50;
  SetPoints(f, {{0, 0}, {4, 10}});
  FitPointsToBoxStretch(f, 2);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {100, 50}}));
  EXPECT_EQ(f.Scale, 25);
  SetPoints(f, {{0, 3}, {4, 3}});  // no height: y takes the x factor
  FitPointsToBoxStretch(f, 2);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {100, 0}}));
  SetPoints(f, {{2, 2}});
  FitPointsToBoxStretch(f, 1);
  EXPECT_EQ(f.Scale, 1);
}

TEST(FitPointsToBoxRoundedTest, LargerFactorBecomesAMultipleOfTheSmaller) {
  struct Row {
    int width, height;  // over a 10 x 10 figure: factors width/10 and height/10
    double fx, fy, unit;
  };
  const Row rows[] = {
      {70, 30, 6, 3, 3},  // 7 and 3: x becomes round(7/3)*3 = 6
      {30, 80, 3, 9, 3},  // 3 and 8: y becomes round(8/3)*3 = 9
  };
  for (const Row& row : rows) {
    Figure f;
    f.BoxWidth = row.width;
    f.BoxHeight = row.height;
    SetPoints(f, {{5, 5}, {15, 15}});
    FitPointsToBoxRounded(f, 2);
    EXPECT_EQ(f.AxisFactorX, row.fx);
    EXPECT_EQ(f.AxisFactorY, row.fy);
    EXPECT_EQ(f.RoundedUnit, row.unit);
    EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {10 * row.fx, 10 * row.fy}}));
    EXPECT_EQ(f.RangeX, 10 * row.fx);  // now the picture extents
    EXPECT_EQ(f.RangeY, 10 * row.fy);
  }
}

TEST(FitPointsToBoxRoundedTest, ZeroExtentAndTinyFactorsStayFinite) {
  Figure f;
  f.BoxWidth = 60;
  f.BoxHeight = 60;
  SetPoints(f, {{0, 5}, {10, 5}});  // no height: y takes the x factor 6
  FitPointsToBoxRounded(f, 2);
  EXPECT_EQ(f.AxisFactorX, 6);
  EXPECT_EQ(f.AxisFactorY, 6);
  SetPoints(f, {{0, 0}, {1000, 1000}});  // 60/1000 rounds to 0: at least 1
  FitPointsToBoxRounded(f, 2);
  EXPECT_EQ(f.AxisFactorX, 1);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {1000, 1000}}));
}

TEST(SortDistinctCoordsTest, SortsAndDropsRepeats) {
  struct Row {
    std::vector<double> in, out;
  };
  const Row rows[] = {
      {{3, 1, 3, 2}, {1, 2, 3}}, {{5, 5}, {5, 5}}, {{-1, 4, 0, 4, -1, 2}, {-1, 0, 2, 4}}};
  for (const Row& row : rows) {
    Figure f;
    toolkit::TPointArray a;
    for (std::size_t k = 0; k < row.in.size(); ++k) a[static_cast<long>(k + 1)] = row.in[k];
    toolkit::TPointArray out;
    SortDistinctCoords(f, static_cast<int>(row.in.size()), a, out);
    ASSERT_EQ(f.DimensionStopCount, static_cast<int>(row.out.size()));
    for (std::size_t k = 0; k < row.out.size(); ++k) {
      EXPECT_EQ(out[static_cast<long>(k + 1)], row.out[k]);
    }
  }
}

TEST(SortDistinctCoordsTest, AHundredDistinctValuesFillTheTable) {
  Figure f;
  toolkit::TPointArray a;
  for (int k = 1; k <= 100; ++k) a[k] = (k * 37) % 101;  // a permutation of 1..100
  toolkit::TPointArray out;
  SortDistinctCoords(f, 100, a, out);
  ASSERT_EQ(f.DimensionStopCount, 100);
  for (int k = 1; k <= 100; ++k) EXPECT_EQ(out[k], k);
}

TEST(PointSetTest, ExtremesStartFromTenMillion) {
  toolkit::TPointArray a;
  a[1] = 3, a[2] = -2, a[3] = 7;
  EXPECT_EQ(ArrayMax(a, 0), -1e7);
  EXPECT_EQ(ArrayMin(a, 0), 1e7);
  EXPECT_EQ(ArrayMax(a, 3), 7);
  EXPECT_EQ(ArrayMin(a, 2), -2);
}

TEST(PointSetTest, PointConstruction) {
  Figure f;
  SetPoints(f, {{1, 1}, {0, 0}, {0, 0}, {2, 3}});
  SetPointAtTableAngle(f, 4, 5, 10);  // entry 5 is 90 degrees: point 3 above point 4
  EXPECT_NEAR(f.PointX[3], 2, 1e-12);
  EXPECT_NEAR(f.PointY[3], 13, 1e-12);
  SetPointPolar(f, 2, 1, 2, 0);
  EXPECT_EQ(GetPoints(f, 2), (Points{{1, 1}, {3, 1}}));
  SetMidpoint(f, 5, 1, 4);
  EXPECT_EQ(f.PointX[5], 1.5);
  EXPECT_EQ(f.PointY[5], 2);
  ClearPoints(f, 2);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {0, 0}}));
  EXPECT_THROW(SetPointAtTableAngle(f, 4, 17, 1), toolkit::IndexRangeError);
  EXPECT_THROW(SetMidpoint(f, 101, 1, 2), toolkit::IndexRangeError);
}

TEST(PointSetTest, RoundedDistanceTakesHalvesToEven) {
  Figure f;
  SetPoints(f, {{0, 0}, {1.5, 2}, {2.1, 2.8}});
  EXPECT_EQ(PointDistanceRounded(f, 1, 2), 2);  // 2.5
  EXPECT_EQ(PointDistanceRounded(f, 1, 3), 4);  // 3.5
}

TEST(IntersectCirclesTest, SideFollowsTheSign) {
  Figure f;
  SetPoints(f, {{0, 0}, {6, 0}});
  IntersectCircles(f, 1, 2, 3, 1, 5, 5);
  EXPECT_NEAR(f.PointX[3], 3, 1e-12);
  EXPECT_NEAR(f.PointY[3], 4, 1e-12);
  IntersectCircles(f, 1, 2, 3, -1, 5, 5);
  EXPECT_NEAR(f.PointY[3], -4, 1e-12);
  IntersectCircles(f, 1, 2, 3, 1, 3, 3);  // tangent circles meet at one point
  EXPECT_NEAR(f.PointX[3], 3, 1e-12);
  EXPECT_NEAR(f.PointY[3], 0, 1e-6);
}

TEST(IntersectCirclesTest, CirclesThatDoNotMeetAreDegenerate) {
  Figure f;
  SetPoints(f, {{0, 0}, {6, 0}, {7, 7}});
  EXPECT_THROW(IntersectCircles(f, 1, 2, 3, 1, 2, 2), toolkit::DegenerateDataError);
  EXPECT_THROW(IntersectCircles(f, 1, 1, 3, 1, 2, 2), toolkit::DegenerateDataError);
  EXPECT_EQ(f.PointX[3], 7);  // left as it was
}

TEST(IntersectCircleAxisLineTest, ModesChooseTheLine) {
  Figure f;
  SetPoints(f, {{0, 0}, {9, 9}});
  IntersectCircleAxisLine(f, 1, 2, 1, 1, 3, 5);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {4, 3}}));
  IntersectCircleAxisLine(f, 1, 2, -1, 2, 3, 5);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {3, -4}}));
  IntersectCircleAxisLine(f, 1, 2, 1, 3, 0, 5);
  EXPECT_EQ(GetPoints(f, 2), (Points{{0, 0}, {3, -4}}));
  EXPECT_THROW(IntersectCircleAxisLine(f, 1, 2, 1, 1, 6, 5), toolkit::DegenerateDataError);
}

TEST(ScalePointsTest, DividesPointsOneToN) {
  Figure f;
  SetPoints(f, {{4, 8}, {2, -6}, {10, 10}});
  f.PointX[0] = 5;
  f.Scale = 2;
  ScalePoints(f, 2);
  EXPECT_EQ(GetPoints(f, 3), (Points{{2, 4}, {1, -3}, {10, 10}}));
  EXPECT_EQ(f.PointX[0], 5);
  ScalePoints(f, 0);
  EXPECT_EQ(f.PointX[1], 2);
  f.Scale = 0;
  EXPECT_THROW(ScalePoints(f, 2), toolkit::DegenerateDataError);
}

TEST(ByteToBaseDigitsTest, WritesAtMostThreeDigits) {
  struct Row {
    int n, b, d1, d2, d3;
  };
  const Row rows[] = {
      {6, 2, 0, 1, 1}, {0, 4, 0, 0, 0}, {63, 4, 3, 3, 3}, {200, 4, 0, 2, 0}, {255, 2, 1, 1, 1}};
  for (const Row& row : rows) {
    Figure f;
    ByteToBaseDigits(f, row.n, row.b);
    EXPECT_EQ(f.BaseDigits[1], row.d1) << row.n;
    EXPECT_EQ(f.BaseDigits[2], row.d2) << row.n;
    EXPECT_EQ(f.BaseDigits[3], row.d3) << row.n;
  }
  Figure f;
  EXPECT_THROW(ByteToBaseDigits(f, 3, 1), toolkit::DegenerateDataError);
}

TEST(ResetDrawingStateTest, RestoresEverySwitch) {
  Figure f;
  f.NodeGap = 4;
  f.ArrowSize = 9;
  f.ArrowHeadLength = 2;
  f.LabelStyle = "\\Magenta";
  f.BlockColour = "\\Black";
  f.BlockCentred = true;
  f.WeightBoxSize = 12;
  f.WeightBoxLabelled = false;
  f.HatchTickStyle = true;
  f.DimensionXFixed = true;
  f.LabelAbsolute = true;
  f.LineEndX = 3;
  f.LineEndY = 4;
  f.NodeKinds[40] = 2;
  ResetDrawingState(f);
  const Figure fresh;
  EXPECT_EQ(f.NodeGap, 1.5);
  EXPECT_EQ(f.ArrowSize, 3);
  EXPECT_EQ(f.ArrowHeadLength, fresh.ArrowHeadLength);
  EXPECT_EQ(f.LabelStyle, "\\Brown");
  EXPECT_EQ(f.BlockColour, "\\OliveGreen");
  EXPECT_FALSE(f.BlockCentred);
  EXPECT_EQ(f.WeightBoxSize, 8);
  EXPECT_TRUE(f.WeightBoxLabelled);
  EXPECT_FALSE(f.HatchTickStyle);
  EXPECT_FALSE(f.DimensionXFixed);
  EXPECT_FALSE(f.LabelAbsolute);
  EXPECT_EQ(f.LineEndX, 0);
  EXPECT_EQ(f.LineEndY, 0);
  EXPECT_EQ(f.NodeKinds, fresh.NodeKinds);
}

}  // namespace
}  // namespace figures
