#include <gtest/gtest.h>

#include "subjects/mechanisms/catalogue.h"
#include "tests/support/run_harness.h"

namespace mechanisms {
namespace {

struct Laid {
  std::unique_ptr<SharedState> s;
  CatalogueVariables c;
};

Laid LayOut(int scheme, int p2 = 1, int p4 = 1) {
  Laid out{testing_support::NewState(), {}};
  out.s->P1 = static_cast<std::int8_t>(scheme);
  out.s->P2 = static_cast<std::int8_t>(p2);
  out.s->P4 = static_cast<std::int8_t>(p4);
  out.s->BoxWidth = 80;
  out.s->BoxHeight = 60;
  LayOutScheme(*out.s, out.c);
  return out;
}

TEST(SchemeLayout, BoxFittedSchemeIsScaledIntoTheBox) {
  const Laid l = LayOut(3);
  EXPECT_NEAR(l.s->Scale, 80 / 74.641, 1e-4);
  EXPECT_NEAR(l.s->PointX[3], 80, 1e-9);
  EXPECT_NEAR(l.s->PointY[3], 34.30, 0.005);
  EXPECT_NEAR(l.s->PointX[4], 58.56, 0.005);
  EXPECT_NEAR(l.s->PointY[4], 47.16, 0.005);
}

TEST(SchemeLayout, ScaleOneShiftsToTheOrigin) {
  // Scheme 14 with P4 = 2 lowers point 3 to -1.5; the lowest point is point 1 at -10.
  const Laid l = LayOut(14, 1, 2);
  EXPECT_EQ(l.s->Scale, 1);
  EXPECT_NEAR(l.s->PointY[3], 8.5, 1e-9);
  EXPECT_NEAR(l.s->PointY[1], 0, 1e-9);
  EXPECT_NEAR(l.s->PointX[1], 10, 1e-9);
  EXPECT_NEAR(l.s->PointY[2], 30, 1e-9);
  EXPECT_NEAR(LayOut(14, 1, 1).s->PointY[3], 41.5, 1e-9);

  // Scheme 68 with P2 = 2: the unset points at the origin keep the smallest x at 0.
  const Laid m = LayOut(68, 2);
  EXPECT_NEAR(m.s->PointX[2], 4, 1e-9);
  EXPECT_NEAR(m.s->PointY[2], 0, 1e-9);
  EXPECT_NEAR(m.s->PointY[1], 45, 1e-9);
  EXPECT_NEAR(LayOut(68, 1).s->PointX[1], 4, 1e-9);
}

TEST(SchemeLayout, SchemeWithoutPointsKeepsThemAtTheOrigin) {
  const Laid l = LayOut(100);
  EXPECT_EQ(l.s->RangeX, 0);
  EXPECT_EQ(l.s->RangeY, 0);
  EXPECT_EQ(l.s->Scale, 1);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(l.s->PointX[i], 0);
    EXPECT_EQ(l.s->PointY[i], 0);
  }
}

TEST(SchemeLayout, ConstructedPointsAndTheSchemeVariables) {
  const Laid one = LayOut(1);  // point 2 at -34 along 30 degrees from point 1
  EXPECT_NEAR(one.s->PointX[1] - one.s->PointX[2], 29.4449, 1e-4);
  EXPECT_NEAR(one.s->PointY[1] - one.s->PointY[2], 17, 1e-9);

  const Laid nine = LayOut(9);
  EXPECT_EQ(nine.c.SchemeUnit, 20);
  EXPECT_NEAR(nine.s->PointX[5], 60.5, 1e-9);
  EXPECT_NEAR(nine.s->PointY[5], 9.5, 1e-9);

  const Laid eleven = LayOut(11);
  EXPECT_NEAR(eleven.c.SchemeAngle, 0.4636476, 1e-7);

  // Schemes 17..19 differ only in point 5, one unit below and beside a rod's middle.
  EXPECT_NEAR(LayOut(17).s->PointX[5], 27.8328, 1e-4);
  EXPECT_NEAR(LayOut(19, 1).s->PointX[5], 25.8328, 1e-4);
  EXPECT_NEAR(LayOut(19, 2).s->PointX[5], 79.4984, 1e-4);
  EXPECT_NEAR(LayOut(18).s->PointX[5], 79.4984, 1e-4);
  EXPECT_NEAR(LayOut(18).s->PointY[5], 12.4164, 1e-4);
  EXPECT_NEAR(LayOut(17).s->PointX[3], 107.3313, 1e-4);
}

}  // namespace
}  // namespace mechanisms
