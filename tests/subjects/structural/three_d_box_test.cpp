#include "subjects/structural/common/three_d_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/memory_files.h"

namespace structural {
namespace {

TEST(BoxTest, DepthOffsetsTheBackFace) {
  for (double depth : {0.0, 10.0}) {
    auto s = std::make_unique<SharedState>();
    s->CuboidA = depth;
    s->CuboidB = 40;
    s->CuboidC = 20;
    SetBoxVertices(*s);
    const int back[4] = {2, 3, 6, 7};
    const int front[4] = {1, 4, 5, 8};
    for (int i = 0; i < 4; ++i) {
      EXPECT_NEAR(s->PointX[back[i]] - s->PointX[front[i]], 0.707 * depth, 1e-12);
      EXPECT_NEAR(s->PointY[back[i]] - s->PointY[front[i]], 0.707 * depth, 1e-12);
    }
    EXPECT_EQ(s->PointX[4], 40);
    EXPECT_EQ(s->PointY[1], 20);
    EXPECT_EQ(s->PointY[8], 0);
  }
}

TEST(BoxTest, CornerTableKeepsTheLowerZ) {
  auto m = std::make_unique<Mechanics>();
  m->SolidSizeX = 2;
  m->SolidSizeY = 3;
  m->SolidSizeZ = 4;
  for (int r = 1; r <= 8; ++r) m->BoxCornerTable[r].Fill(9);
  InitBoxCornerTable(*m);
  const double expected[8][3] = {{2, 0, 4}, {0, 0, 4}, {0, 3, 4}, {2, 3, 4},
                                 {2, 0, 9}, {0, 0, 9}, {0, 3, 9}, {2, 3, 9}};
  for (int r = 1; r <= 8; ++r) {
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(m->BoxCornerTable[r][c], expected[r - 1][c - 1]) << r;
  }
  EXPECT_EQ(m->BoxCornerTable2[3][2], 3);
  EXPECT_EQ(m->BoxCornerTable2[4][3], 0);
}

TEST(BoxTest, SaveboxesAreClosedPictures) {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->CuboidA = 20;
  s->CuboidB = 40;
  s->CuboidC = 30;
  SetBoxVertices(*s);
  DefineStressCubeBox(*s);
  DefineDimensionedBox(*s, 15, 12, "plita");
  const std::string main = testing_support::MainText(*s);
  EXPECT_EQ(main.rfind("\\newsavebox{\\kubik}", 0), 0u) << main;
  EXPECT_NE(main.find("\\newsavebox{\\plita}"), std::string::npos);
  for (const char* label : {"$x$", "$y$", "$z$", "{$a$}", "{$b$}", "{$c$}"}) {
    EXPECT_NE(main.find(label), std::string::npos) << label;
  }
  size_t opened = 0, closed = 0;
  for (size_t at = main.find("\\begin{picture}"); at != std::string::npos;
       at = main.find("\\begin{picture}", at + 1)) {
    ++opened;
  }
  for (size_t at = main.find("\\end{picture}}"); at != std::string::npos;
       at = main.find("\\end{picture}}", at + 1)) {
    ++closed;
  }
  EXPECT_EQ(opened, 2u);
  EXPECT_EQ(closed, 2u);
}

}  // namespace
}  // namespace structural
