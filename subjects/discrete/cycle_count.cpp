#include <string>

#include "subjects/discrete/grid_tree.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Square q of the 3 x 3 grid has the corners DiagonalStarts[q] and DiagonalEnds[q] on one
// diagonal.
constexpr int kDiagonalStarts[] = {1, 2, 4, 5};
constexpr int kDiagonalEnds[] = {5, 6, 8, 9};

}  // namespace

void BeginCycleCountProblem(SharedState& s) {
  s.ParboxWidth = 120;
  toolkit::WriteLine(s, "\\newsavebox{\\versiny}\\sbox{\\versiny}{%");
  s.TreeVertexCount = 9;
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  DrawGridVertices(s, 3, 3);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s,
                     " По заданной матрице смежности определить число циклов длины 3 и 4 в графе "
                     "и записать матрицу инцидентности. \\\\\\noindent");
  toolkit::AnsBeginTable(s, 8);
  // The incidence matrix is given by its columns: the edges in increasing order of their ends.
  toolkit::AnsWriteLine(s,
                        "\\No & $C_3$ & $\\mathrm{tr}\\,A^3$ & $C_4$ & "
                        "Рёбра --- столбцы матрицы инцидентности \\\\\\hline");
}

void WriteCycleCountVariant(SharedState& s) {
  s.TreeGridPreload = true;
  s.TreeGridCols = 3;
  s.TreeGridRows = 3;
  s.TreeVertexCount = 9;
  toolkit::ClearIntMatrix(s.WorkMatrix1, 64);
  for (int t = 1; t <= s.P7; ++t) {
    int q = s.P2 + t - 1;
    if (q > 4) q -= 4;
    const int i = kDiagonalStarts[q - 1] + s.P6 - 1;
    const int j = kDiagonalEnds[q - 1] - s.P6 + 1;
    s.WorkMatrix1[i][j] = 1;
    s.WorkMatrix1[j][i] = 1;
  }
  const bool grown = GrowGridTree(s, 0, 3, 3);
  s.TreeVertexCount = 9;
  toolkit::WriteIntMatrixTex(s, 2, 9, s.GraphMatrix);
  if (!grown) return;
  const toolkit::TIntMatrix& a = s.GraphMatrix;
  toolkit::TIntMatrix square{}, cube{}, fourth{};
  toolkit::IntMatrixMultiply(a, a, 9, square);
  toolkit::IntMatrixMultiply(square, a, 9, cube);
  toolkit::IntMatrixMultiply(square, square, 9, fourth);
  int trace = 0, trace4 = 0, degree_squares = 0, degrees = 0;
  for (int i = 1; i <= 9; ++i) {
    trace += cube[i][i];
    trace4 += fourth[i][i];
    degree_squares += square[i][i] * square[i][i];  // (A^2)_ii is the degree of i
    degrees += square[i][i];
  }
  // Closed walks of length 4 are the 4-cycles (8 walks each) and the walks that go back over
  // their own edges: 2 sum d^2 - sum d of them.
  const int four_cycles = (trace4 - 2 * degree_squares + degrees) / 8;
  toolkit::AnsWriteText3Numbers(s, " ", toolkit::PrintedVariantNumber(s), " & ", trace / 6.0, " & ",
                                trace, "");
  std::string edges;
  for (int i = 1; i <= 9; ++i) {
    for (int j = i + 1; j <= 9; ++j) {
      if (a[i][j] == 0) continue;
      edges += (edges.empty() ? "" : ", ") + std::to_string(i) + "--" + std::to_string(j);
    }
  }
  toolkit::AnsWrite(s, " & " + std::to_string(four_cycles) + " & " + edges);
}

}  // namespace discrete
