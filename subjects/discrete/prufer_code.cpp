#include <string>
#include <vector>

#include "figures/lines.h"
#include "subjects/discrete/grid_tree.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

int GridSizeOf(int level) { return level == 2 ? 4 : level == 3 ? 5 : 3; }

// The vertices of the tree the student codes decimally: mode 1 shows the code of the grid tree
// without vertex 1, modes 2 and 3 the whole grid tree; then the smallest leaf goes.
int CodedVertexCount(int mode, int k) { return mode == 1 ? k * k - 2 : k * k - 1; }

std::string PruferStatement(int mode, int k) {
  const std::string count = std::to_string(CodedVertexCount(mode, k));
  const std::string tail =
      ", удалить лист с наименьшим номером, перенумеровать вершины подряд от 1 до " + count +
      " и закодировать десятичным образом полученное дерево, полагая корень в вершине 7.\\\\"
      "\\noindent";
  return mode == 2 ? "Найти код Прюфера заданного дерева" + tail
                   : "По заданному коду Прюфера построить дерево" + tail;
}

int NeighboursAmong(const toolkit::TIntMatrix& a, int v, int m) {
  int count = 0;
  for (int j = 1; j <= m; ++j) count += a[v][j] == 1 ? 1 : 0;
  return count;
}

// The Prüfer code of the tree on vertices 1..m of GraphMatrix; mode 1 and 3 write it into the
// main file as the variant's data, mode 2 into the answers row.
void WritePruferCode(SharedState& s, int mode, int m) {
  toolkit::TIntMatrix a = s.GraphMatrix;
  std::vector<int> code;
  for (int i = 1; i <= m - 2; ++i) {
    for (int leaf = 1; leaf <= m; ++leaf) {
      if (NeighboursAmong(a, leaf, m) != 1) continue;
      int neighbour = 1;
      while (a[leaf][neighbour] != 1) ++neighbour;
      code.push_back(neighbour);
      a[leaf][neighbour] = 0;
      a[neighbour][leaf] = 0;
      break;
    }
  }
  if (mode == 2) {
    // The code has a cell of its own, its numbers joined as everywhere in the answers.
    std::string cell = " & ";
    for (std::size_t i = 0; i < code.size(); ++i) {
      cell += (i == 0 ? "" : ", ") + std::to_string(code[i]);
    }
    toolkit::AnsWrite(s, cell);
    return;
  }
  for (std::size_t i = 0; i < code.size(); ++i) {
    const bool last = i + 1 == code.size();
    toolkit::WriteTextNumberLn(s, last ? "" : " ", code[i], last ? " " : ",");
  }
}

}  // namespace

void BeginPruferCodeProblem(SharedState& s, int mode) {
  s.TreeGridPreload = false;
  s.ParboxWidth = 170;
  // Row 11's variants at Level 4 show the code of the whole grid tree (mode 3).
  const int shown_mode = mode == 1 && s.Level == 4 ? 3 : mode;
  toolkit::WriteText(s, PruferStatement(shown_mode, GridSizeOf(s.Level)));
  // The code of a 5 x 5 tree has 23 entries: at the normal size its cell is wider than the page.
  if (mode == 2 && GridSizeOf(s.Level) == 5) toolkit::AnsWrite(s, "\\scriptsize ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, mode == 2 ? " & Код Прюфера & Кодировка(10) \\\\\\hline"
                                    : " & Кодировка(10) \\\\\\hline");
}

void WritePruferCodeVariant(SharedState& s, int mode) {
  const int k = GridSizeOf(s.Level);
  toolkit::WriteText(s, PruferStatement(mode, k));
  if (!s.TicketMode) toolkit::WriteText(s, "\\par");
  s.TreeGridCols = k;
  s.TreeGridRows = k;
  s.TreeVertexCount = k * k;
  if (mode == 2) {
    // The numbers of the right-hand column reach x = 109.
    toolkit::BeginPicture(s, 110, 100, 0, 15);
    figures::SetLineWidth(s, 8);
    DrawGridVertices(s, k, k);
  }
  const bool grown = GrowGridTree(s, mode - 1, k, k);
  if (mode == 2) toolkit::EndPicture(s);
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  if (!grown) return;

  if (mode == 1) {
    const int m = k * k - 1;
    s.TreeVertexCount = m;
    // Exchange vertex 1 with vertex 2, 3, ... until it is a leaf; every tree has two leaves,
    // so this ends by j = m for any tree the growth gives. The neighbours are counted over the
    // whole tree: a vertex joined to the last cell and one other is no leaf, and removing it
    // would leave a forest whose printed code and answer describe different trees.
    for (int j = 2; NeighboursAmong(s.GraphMatrix, 1, m + 1) != 1; ++j) {
      if (j > m) {
        toolkit::WriteText(s, "\\Red{(нет листа)}");
        return;
      }
      if (NeighboursAmong(s.GraphMatrix, 1, m + 1) > 1) toolkit::SwapRowsCols(s.GraphMatrix, 1, j);
    }
    for (int r = 1; r <= m; ++r) {
      for (int c = 1; c <= m; ++c) s.GraphMatrix[r][c] = s.GraphMatrix[r + 1][c + 1];
    }
  }
  WritePruferCode(s, mode, s.TreeVertexCount);

  const int n = s.TreeVertexCount;
  int leaf = 1;
  while (leaf < n) {
    int column = 0;
    for (int r = 1; r <= n; ++r) column += s.GraphMatrix[r][leaf];
    if (column == 1) break;
    ++leaf;
  }
  for (int r = 1; r <= n; ++r) {
    for (int c = leaf; c < n; ++c) s.GraphMatrix[r][c] = s.GraphMatrix[r][c + 1];
  }
  for (int r = leaf; r < n; ++r) {
    for (int c = 1; c <= n; ++c) s.GraphMatrix[r][c] = s.GraphMatrix[r + 1][c];
  }
  DecimalTreeCode(s, n - 1, 7);
}

}  // namespace discrete
