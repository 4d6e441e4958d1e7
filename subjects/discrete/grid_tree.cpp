#include "subjects/discrete/grid_tree.h"

#include <cstdlib>
#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/indexed_array.h"
#include "toolkit/int_matrix.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Far more passes than any tree of a grid up to 12 x 12 needs: from the tenth pass on every
// cell of the list is a growth point in turn, so a pass that adds nothing is rare.
constexpr int kMaxGrowthPasses = 2000;

struct Cell {
  int x = 0;
  int y = 0;
};

using TGridFree = toolkit::IndexedArray<toolkit::IndexedArray<std::uint8_t, 1, 12>, 1, 12>;

void FillGridFree(TGridFree& grid_free, int w, int h) {
  for (int x = 1; x <= w; ++x) {
    for (int y = 1; y <= h; ++y) grid_free[x][y] = 1;
  }
}

int VertexOf(const Cell& c, int w, int h) { return (h - c.y) * w + c.x; }

// The four neighbours in the order the growth examines them: below, left, above, right.
Cell NeighbourOf(const Cell& c, int direction) {
  switch (direction) {
    case 0: return {c.x, c.y + 1};
    case 1: return {c.x - 1, c.y};
    case 2: return {c.x, c.y - 1};
    default: return {c.x + 1, c.y};
  }
}

bool IsFree(const TGridFree& grid_free, const Cell& c, int w, int h) {
  return c.x >= 1 && c.x <= w && c.y >= 1 && c.y <= h && grid_free[c.x][c.y] == 1;
}

int CountFreeNeighbours(const TGridFree& grid_free, const Cell& c, int w, int h) {
  int f = 0;
  for (int d = 0; d < 4; ++d) f += IsFree(grid_free, NeighbourOf(c, d), w, h) ? 1 : 0;
  return f;
}

// Which free neighbour (1..f) the growth takes after `added` cells.
int ChooseNeighbourRank(const SharedState& s, int f, int added) {
  int t = 0;
  switch (added) {
    case 0: t = s.P2; break;
    case 1: t = s.P3 / 3; break;
    case 2: t = s.P4 / 4; break;
    case 3: case 8: case 13: t = s.P5; break;
    case 4: t = s.P1 / 6; break;
    case 5: t = std::abs(s.P2 - s.P1); break;
    case 6: case 11: t = s.P3; break;
    case 7: case 12: t = s.P4; break;
    case 9: case 14: t = s.P1; break;
    case 10: t = s.P2; break;
    default: t = added - 14; break;
  }
  if (t == 0) t = 2;
  if (f < t) t = (s.P3 == 1 || s.P3 == 2) ? 1 : f;
  return t;
}

}  // namespace

void DrawGridVertices(SharedState& s, int rows, int cols) {
  for (int t = 1; t <= rows; ++t) {
    for (int m = 1; m <= cols; ++m) {
      const int k = (t - 1) * cols + m;
      s.PointX[k] = 100.0 / cols * m;
      s.PointY[k] = 100.0 / rows * t;
    }
  }
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= s.TreeVertexCount; ++i) figures::DrawNodeMarker(s, i);
  toolkit::WriteText(s, "}");
  // Each number stands 2 above its cell, so that its digits clear the bar drawn to the right
  // neighbour (0.8 pt thick on the cell's line).
  for (int k = 1; k <= rows * cols; ++k) {
    figures::PutIntValueLabel(s, s.PointX[k] + 1, s.PointY[k] + 2, k);
  }
}

int GridSegmentLength(const SharedState& s) {
  int l = s.P3 + s.P4;
  if (l > 4) {
    switch (s.P3) {
      case 1: l = s.P4 % 2 + 1; break;
      case 2: l = s.P4 % 3 + 1; break;
      case 3: l = s.P5 % 2 + 1; break;
      default: l = s.P1 % 4 + 1; break;
    }
  }
  return l == 1 ? 2 : l;
}

bool GrowGridTree(SharedState& s, int mode, int w, int h) {
  const int segment = GridSegmentLength(s);
  Cell start{s.P1 % w + 1, s.P1 / h + 1};
  if (start.y > h) start.y = 1;

  TGridFree grid_free{};
  FillGridFree(grid_free, w, h);
  toolkit::ClearIntMatrix(s.GraphMatrix, s.TreeVertexCount);
  if (s.TreeGridPreload) s.GraphMatrix = s.WorkMatrix1;

  std::vector<Cell> list{start};  // list[p - 1] is entry p
  int added = 0;
  int p = 0;
  int pass = 0;
  while (added < s.TreeVertexCount - 1) {
    if (++pass > kMaxGrowthPasses) {
      toolkit::WriteText(s, "\\Red{(дерево не достроено)}");
      return false;
    }
    ++p;
    int added_in_pass = 0;
    if (pass < 10 && (p - 1) % segment == 0) ++p;
    if (p > added) p = 1;
    Cell current = list[static_cast<std::size_t>(p - 1)];
    grid_free[current.x][current.y] = 0;
    int f = 0;
    do {
      const int v = VertexOf(current, w, h);
      f = CountFreeNeighbours(grid_free, current, w, h);
      const int t = ChooseNeighbourRank(s, f, added);
      int seen = 0;
      for (int d = 0; d < 4; ++d) {
        const Cell next = NeighbourOf(current, d);
        if (!IsFree(grid_free, next, w, h) || ++seen != t) continue;
        const int u = VertexOf(next, w, h);
        ++added;
        ++added_in_pass;
        grid_free[next.x][next.y] = 0;
        if (mode == 1) figures::DrawBar(s, v, u);
        s.GraphMatrix[u][v] = 1;
        s.GraphMatrix[v][u] = 1;
        list.push_back(next);
        current = next;
        break;
      }
    } while (added_in_pass != segment && f != 0);
  }
  return true;
}

std::string DecimalTreeCodeValue(const SharedState& s, int n, int root) {
  toolkit::TIntMatrix edges = s.GraphMatrix;
  std::vector<int> path{root};
  unsigned __int128 value = 0;
  while (true) {
    const int top = path.back();
    int next = 0;
    for (int j = 1; j <= n; ++j) {
      if (edges[top][j] == 1) {
        next = j;
        break;
      }
    }
    if (next != 0) {
      value = value * 2 + 1;
      edges[top][next] = 0;
      edges[next][top] = 0;
      path.push_back(next);
    } else if (path.size() > 1) {
      value = value * 2;
      path.pop_back();
    } else {
      break;
    }
  }
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  return digits;
}

void DecimalTreeCode(SharedState& s, int n, int root) {
  std::string digits = DecimalTreeCodeValue(s, n, root);
  if (digits.size() < 18) digits.insert(0, 18 - digits.size(), ' ');
  toolkit::AnsWrite(s, " & " + digits);
}

}  // namespace discrete
