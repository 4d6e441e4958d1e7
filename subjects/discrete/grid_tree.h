#pragma once

#include <string>

#include "subjects/shared_state.h"

// Trees grown on a small square grid: the numbered grid picture, the deterministic growth of a
// spanning tree of the grid from the variant parameters, and the decimal code of a rooted tree.
// Vertex (x, y) of a grid of w columns and h rows (x = 1..w, y = 1 the top row) is numbered
// (h - y) * w + x: vertex 1 is the lower left cell, the numbers grow to the right, then upward.
namespace discrete {

/// Points (t - 1) * cols + m := (100 / cols * m, 100 / rows * t); main file: a blue node
/// marker at each of the TreeVertexCount points, then every cell's number beside it.
void DrawGridVertices(SharedState& s, int rows, int cols);

/// The segment length of the growth, 2..4, fixed by P1, P3, P4, P5.
int GridSegmentLength(const SharedState& s);

/// GraphMatrix := a spanning tree of the w x h grid (TreeVertexCount = w * h cells) grown from
/// P1..P5, on top of the edges of WorkMatrix1 when TreeGridPreload is set. Mode 1 also draws
/// each new edge as a bar into the picture the caller has open (points laid out by
/// DrawGridVertices). Returns false, having written a marker into the main file, when the
/// growth stops before every cell is reached (no parameter set of the tab does that).
bool GrowGridTree(SharedState& s, int mode, int w, int h);

/// The decimal code of the tree in GraphMatrix (vertices 1..n) rooted at root: the bits of a
/// depth-first walk (1 down an edge, 0 back up, smallest vertex first) read as one binary
/// number, exactly, in decimal digits.
std::string DecimalTreeCodeValue(const SharedState& s, int n, int root);

/// Answers file: " & " and the decimal code of the tree rooted at root, right-aligned in 18
/// characters (wider when it has more digits).
void DecimalTreeCode(SharedState& s, int n, int root);

}  // namespace discrete
