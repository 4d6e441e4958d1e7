#pragma once

#include <string_view>

#include "subjects/shared_state.h"
#include "subjects/structural/common/mechanics_state.h"

namespace structural {

/// Points 1..8 := the corners of a box of depth CuboidA, width CuboidB and height CuboidC in
/// oblique projection (depth at 45 degrees, factor 0.707): 1..4 the top face from front left,
/// 5..8 the bottom face.
void SetBoxVertices(SharedState& s);

/// BoxCornerTable rows 1..4 := (X, 0, Z), (0, 0, Z), (0, Y, Z), (X, Y, Z) from SolidSizeX/Y/Z;
/// rows 5..8 and BoxCornerTable2 rows 1..4 take their x and y (the z of rows 5..8 is kept).
void InitBoxCornerTable(Mechanics& m);

/// Main file: the savebox "kubik", the cube through points 1..8 with dashed hidden edges and
/// the axes x, y, z.
void DefineStressCubeBox(SharedState& s);

/// Main file: the savebox `name`, a plate over points 1..8 with the dimensions a, b, c drawn
/// ext1 and ext2 units away and its ground outline dashed.
void DefineDimensionedBox(SharedState& s, int ext1, int ext2, std::string_view name);

/// A dashed line of `dashes` dashes from point `from` to point `to`.
void DrawDashedLinePoints(SharedState& s, int from, int to, int dashes);

}  // namespace structural
