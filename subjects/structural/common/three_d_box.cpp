#include "subjects/structural/common/three_d_box.h"

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

void SetBoxVertices(SharedState& s) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  const double d = 0.707 * s.CuboidA;
  x[1] = 0;
  y[1] = s.CuboidC;
  x[4] = s.CuboidB;
  y[4] = s.CuboidC;
  x[5] = 0;
  y[5] = 0;
  x[8] = s.CuboidB;
  y[8] = 0;
  const int front[4] = {1, 4, 5, 8};
  const int back[4] = {2, 3, 6, 7};
  for (int i = 0; i < 4; ++i) {
    x[back[i]] = x[front[i]] + d;
    y[back[i]] = y[front[i]] + d;
  }
}

void InitBoxCornerTable(Mechanics& m) {
  auto& t = m.BoxCornerTable;
  for (int r = 1; r <= 4; ++r) t[r].Fill(0);
  t[1][1] = m.SolidSizeX;
  t[3][2] = m.SolidSizeY;
  t[4][1] = m.SolidSizeX;
  t[4][2] = m.SolidSizeY;
  for (int r = 1; r <= 4; ++r) {
    t[r][3] = m.SolidSizeZ;
    m.BoxCornerTable2[r][1] = t[r][1];
    m.BoxCornerTable2[r][2] = t[r][2];
    t[r + 4][1] = t[r][1];
    t[r + 4][2] = t[r][2];
  }
}

void DefineStressCubeBox(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  BeginSaveBox(s, "kubik");
  SetLineWidth(s, 4);
  DrawSegment(s, x[1], y[1], x[2], y[2]);
  for (int p : {3, 4, 1, 5, 8, 4}) LineToPoint(s, p);
  MoveToPoint(s, 8);
  LineToPoint(s, 7);
  LineToPoint(s, 3);
  SetLineWidth(s, 1);
  for (int p : {2, 5, 7}) DrawDashedLineMultiput(s, 10, x[6], y[6], x[p], y[p]);
  DrawVector(s, 0, 1, x[2], y[2], 10);
  PutLabel(s, "$z$", x[2] - 8, y[2] + 10);
  DrawVector(s, -1, -1, x[5], y[5], 10);
  PutLabel(s, "$x$", x[5] - 10, y[5] - 15);
  DrawVector(s, 1, 0, x[7], y[7], 10);
  PutLabel(s, "$y$", x[7] + 12, y[7]);
  EndSaveBox(s);
}

void DefineDimensionedBox(SharedState& s, int ext1, int ext2, std::string_view name) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  BeginSaveBox(s, name);
  SetLineWidth(s, 4);
  WriteText(s, "\\Brown{");
  DrawSegment(s, x[1], y[1], x[2], y[2]);
  LineTo(s, x[3], y[3]);
  LineTo(s, x[4], y[4]);
  LineTo(s, x[1], y[1]);
  LineTo(s, x[1], y[1] - 2);
  LineTo(s, x[4], y[4] - 2);
  LineTo(s, x[3], y[3] - 2);
  LineTo(s, x[3], y[3]);
  WriteText(s, "}%");
  SetLineWidth(s, 1);

  DrawLineBySlope(s, x[8] + 3, y[8] - 2, 1, 0, ext1);
  DrawSegment(s, x[8] + ext1 - 4, y[8] - 4, x[7] + ext1, y[7]);
  PutMathText(s, "a", (x[7] + x[8]) / 2 + 22, (y[7] + y[8]) / 2 - 5);

  DrawLineBySlope(s, x[2], y[2], 0, 1, ext2);
  DrawLineBySlope(s, x[3], y[3], 0, 1, ext2);
  DrawSegment(s, x[2] - 2, y[2] + ext2 - 2, x[3] + 2, y[3] + ext2 - 2);
  PutMathText(s, "b", (x[2] + x[3]) / 2, (y[2] + y[3]) / 2 + ext2);

  DrawLineBySlope(s, x[3], y[3], 1, 0, ext1);
  DrawLineBySlope(s, x[7], y[7] - 2, 1, 0, ext1);
  DrawLineBySlope(s, x[7] + ext1 - 2, y[7] - 4, 0, 1, s.CuboidC + 6);
  PutMathText(s, "c", x[7] + ext1, y[7] + s.CuboidC / 2 - 3);

  const int ring[5] = {5, 6, 7, 8, 5};
  for (int i = 0; i < 4; ++i) {
    DrawDashedLineMultiput(s, 10, x[ring[i]], y[ring[i]] - 2, x[ring[i + 1]], y[ring[i + 1]] - 2);
  }
  EndSaveBox(s);
}

void DrawDashedLinePoints(SharedState& s, int from, int to, int dashes) {
  DrawDashedLineMultiput(s, dashes, s.PointX[from], s.PointY[from], s.PointX[to], s.PointY[to]);
}

}  // namespace structural
