#include "subjects/structural/common/frame_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"

namespace structural {
namespace {

using testing_support::Ans2Text;
using testing_support::MainText;

std::unique_ptr<SharedState> NewState() {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  return s;
}

TEST(HeavyFrameTest, SegmentLengthsTypeAndNodesFollowTheParameters) {
  struct Case {
    int p1, p2, p5, level;
    int h1, h2, h3, s1, s2, type, couple;
  };
  const Case cases[] = {
      // P1 = 6: the last horizontal segment vanishes; type 1 lengthens the middle by |S2|/2.
      {6, 1, 1, 2, -6, 11 + 3, 0, 4, 6, 1, 30},
      // P1 = 5, P2 = 1: middle 16 - 5 = 11, kept by type 2.
      {5, 1, 11, 3, -5, 11, 0, 4, 6, 2, 30},
      // Outside 4..9 the horizontal segments count; type 3 adds |S1|/2; level 1: no couple.
      {1, 3, 20, 1, 5, 16 - 5 - 0 - 5 + 3, 0, 7, 4, 3, 0},
  };
  for (const Case& c : cases) {
    auto s = NewState();
    s->P1 = c.p1;
    s->P2 = c.p2;
    s->P3 = 1;
    s->P4 = 1;
    s->P5 = c.p5;
    s->Level = c.level;
    SetUpHeavyFrame(*s);
    EXPECT_EQ(s->FrameHorizLen1, c.h1) << c.p1;
    EXPECT_EQ(s->FrameHorizLen2, c.h2) << c.p1;
    EXPECT_EQ(s->FrameHorizLen3, c.h3) << c.p1;
    EXPECT_EQ(s->FrameSlopeLen1, c.s1) << c.p1;
    EXPECT_EQ(s->FrameSlopeLen2, c.s2) << c.p1;
    EXPECT_EQ(s->FrameType, c.type) << c.p1;
    EXPECT_EQ(s->CoupleMoment, c.level == 1 ? 0 : (c.p5 < 12 ? 30 : -15)) << c.p1;
    EXPECT_EQ(s->FrameWeightPerMetre, c.level == 1 ? 0 : 1);
    EXPECT_DOUBLE_EQ(s->Scale, 7.5);
    // The nodes close the broken line: each slope has its true length.
    EXPECT_NEAR(std::hypot(s->PointX[3] - s->PointX[2], s->PointY[3] - s->PointY[2]),
                std::abs(c.s1), 1e-12);
    EXPECT_NEAR(std::hypot(s->PointX[5] - s->PointX[4], s->PointY[5] - s->PointY[4]),
                std::abs(c.s2), 1e-12);
    EXPECT_NEAR(s->PointX[6] - s->PointX[5], c.h3, 1e-12);
  }
}

TEST(HeavyFrameTest, SumOfMomentsAddsWeightForcesAndCouple) {
  auto s = NewState();
  // Two unit segments on the x axis and three empty ones; node 1 at the origin.
  for (int i = 1; i <= 6; ++i) {
    s->PointX[i] = i - 1 <= 2 ? i - 1 : 2;
    s->PointY[i] = 0;
  }
  s->FrameSegmentLength[1] = 1;
  s->FrameSegmentLength[2] = 1;
  s->FrameWeightPerMetre = 4;
  s->PointX[7] = 3;
  s->PointY[7] = 1;
  s->NodeForceX[7] = 2;
  s->NodeForceY[7] = 5;
  s->PointY[8] = 2;
  s->ForcePHorizontal = -3;
  s->CoupleMoment = 7;
  // weight: -(4*0.5 + 4*1.5) = -8; Q: 5*3 - 2*1 = 13; P: 3*2 = 6; couple 7.
  EXPECT_DOUBLE_EQ(SumMomentsAboutNode(*s, 1), -8 + 13 + 6 + 7);
  EXPECT_DOUBLE_EQ(s->PartialMoment1, -8);
  EXPECT_DOUBLE_EQ(s->PartialMoment2, 13);
  EXPECT_DOUBLE_EQ(s->PartialMoment3, 6);
}

TEST(FrameHelpersTest, AnglePairsSumsAndPolarForces) {
  auto s = NewState();
  s->ForceDirection[1] = 11;
  s->ForceDirection[2] = 22;
  SetAnglePair(*s, 0);
  SetAnglePair(*s, 7);
  EXPECT_EQ(s->ForceDirection[1], 11);
  EXPECT_EQ(s->ForceDirection[2], 22);
  SetAnglePair(*s, 4);
  EXPECT_EQ(s->ForceDirection[1], 60);
  EXPECT_EQ(s->ForceDirection[2], 45);
  s->ForceValue[1] = 10;
  SetNodeForcePolar(*s, 3, -1, 1, 1);
  EXPECT_NEAR(s->NodeForceX[3], -5, 1e-12);
  EXPECT_NEAR(s->NodeForceY[3], 10 * std::sqrt(3) / 2, 1e-12);

  toolkit::TPointArray values{};
  for (int i = 1; i <= 5; ++i) values[i] = i;
  EXPECT_EQ(ArraySumRange(values, 2, 4), 9);
  EXPECT_EQ(ArraySumRange(values, 4, 2), 0);
}

TEST(CramerTest, WritesTheEquationCellAndSolves) {
  auto s = NewState();
  s->WriteCramerRows = true;
  s->UnknownName1 = "X_A";
  s->UnknownName2 = "Y_A";
  Solve2x2Cramer(*s, 1, 0, -3, 2, 1, 4);  // x - 3 = 0, 2x + y + 4 = 0
  EXPECT_DOUBLE_EQ(s->CramerSolution1, 3);
  EXPECT_DOUBLE_EQ(s->CramerSolution2, -10);
  EXPECT_EQ(Ans2Text(*s), "& $X_A-3=0; \\ \\ 2\\cdot X_A+Y_A+4=0. $  ");
  EXPECT_EQ(MainText(*s), "");
}

TEST(CramerTest, ZeroDeterminantIsReportedAndLeavesTheDocumentAndSolutions) {
  auto s = NewState();
  s->UnknownName1 = "Y_E";
  s->UnknownName2 = "S";
  s->CramerSolution1 = 1.5;
  s->CramerSolution2 = 2.5;
  try {
    Solve2x2Cramer(*s, 1, 2, 3, 2, 4, 5);  // parallel rows
    FAIL() << "no error";
  } catch (const toolkit::DegenerateDataError& e) {
    EXPECT_NE(std::string(e.what()).find("Y_E, S"), std::string::npos) << e.what();
  }
  EXPECT_EQ(s->CramerSolution1, 1.5);
  EXPECT_EQ(s->CramerSolution2, 2.5);
  EXPECT_EQ(MainText(*s), "");
}

// A heavy frame in picture units as the statics generators leave it before drawing.
std::unique_ptr<SharedState> ScaledHeavyFrame(int level) {
  auto s = NewState();
  s->P1 = 1;
  s->P2 = 1;
  s->P3 = 1;
  s->P4 = 2;
  s->P5 = 1;
  s->Level = level;
  SetUpHeavyFrame(*s);
  for (int i = 1; i <= 6; ++i) {
    s->PointX[i] *= s->Scale;
    s->PointY[i] *= s->Scale;
  }
  DrawForcePAtPointN(*s);
  return s;
}

TEST(CoupleAndForceKTest, CoupleIsDrawnAtEveryLevelButOne) {
  for (int level : {1, 2, 3, 10}) {
    auto s = ScaledHeavyFrame(level);
    DrawCoupleAndForceK(*s);
    const std::string main = MainText(*s);
    EXPECT_EQ(main.find("momentplus") != std::string::npos, level != 1) << level;
    EXPECT_EQ(main.find("$M$") != std::string::npos, level != 1) << level;
    // K lies on the middle segment, ForceKDistance metres right of node 3.
    EXPECT_DOUBLE_EQ(s->PointX[7], s->PointX[3] + s->Scale * s->ForceKDistance);
    EXPECT_NE(main.find("\\thicklines\\vector("), std::string::npos);
    EXPECT_NE(main.find("$\\vec Q$"), std::string::npos);
  }
}

TEST(CoupleAndForceKTest, ForcePIsPlacedOnTheFirstSlopeAgainstX) {
  auto s = ScaledHeavyFrame(2);
  EXPECT_EQ(s->ForcePDirection, -1);
  EXPECT_EQ(s->ForcePDistance, 2);  // |S1| = 4
  EXPECT_DOUBLE_EQ(s->ForcePHorizontal, -(1 + 2 + 3));
  // N lies on the segment from node 2 to node 3, two metres below node 3.
  const double along = std::hypot(s->PointX[3] - s->PointX[8], s->PointY[3] - s->PointY[8]);
  EXPECT_NEAR(along, 2 * s->Scale, 1e-9);
  EXPECT_NE(MainText(*s).find("){\\begin{picture}(5,5)%\r\n"), std::string::npos);
}

TEST(TwoPartPointsTest, LayoutRowsAndTheRoundedNodeSeven) {
  auto s = NewState();
  s->TwoPartArm1 = 2;
  s->TwoPartArm2 = 3;
  s->TwoPartArm3 = 1;
  s->TwoPartArm4 = 5;
  s->TwoPartArm6 = 4;
  s->P1 = 6;
  s->P2 = 2;
  s->P4 = 3;
  s->SpareReal4 = 0.25;
  SetTwoPartPoints12(*s, s->PointX, s->PointY);
  // Row 6: (a3 - a1, -a2), (-a1, -a2), (-a1, 0).
  EXPECT_EQ(s->PointX[1], -1);
  EXPECT_EQ(s->PointY[1], -3);
  EXPECT_EQ(s->PointX[3], -2);
  EXPECT_EQ(s->PointY[6], -4);
  // Node 7 a quarter of the way from 3 to 2: y = -0.75 rounds to -1.
  EXPECT_EQ(s->PointX[7], -2);
  EXPECT_EQ(s->PointY[7], -1);
  EXPECT_EQ(s->PointX[8], -1);
  EXPECT_EQ(s->PointY[8], -1);
}

}  // namespace
}  // namespace structural
