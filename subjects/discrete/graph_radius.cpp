#include <algorithm>
#include <vector>

#include "subjects/discrete/problems.h"
#include "subjects/discrete/variant_graph.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Longest distance the power loop looks for; a connected graph on 7 vertices needs at most 6.
constexpr int kMaxPower = 25;

// Keeps only whether an entry is non-zero: the distances need nothing more, and the plain
// powers of a disconnected graph's matrix outgrow any integer long before the loop ends.
void ClampToBoolean(toolkit::TIntMatrix& a, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) a[i][j] = a[i][j] != 0 ? 1 : 0;
  }
}

void SolveGraphRadius(SharedState& s, int n) {
  const toolkit::TIntMatrix& a = s.GraphMatrix;
  toolkit::ClearIntMatrix(s.WorkMatrix3, n);
  s.WorkMatrix1 = a;
  s.WorkMatrix2 = a;
  int k = 1;
  toolkit::MarkNewReachable(1, n, s.WorkMatrix2, s.WorkMatrix3);
  do {
    ++k;
    toolkit::IntMatrixMultiply(a, s.WorkMatrix1, n, s.WorkMatrix2);
    ClampToBoolean(s.WorkMatrix2, n);
    toolkit::MarkNewReachable(k, n, s.WorkMatrix2, s.WorkMatrix3);
    s.WorkMatrix1 = s.WorkMatrix2;
  } while (toolkit::UpperTriangleHasZero(s.WorkMatrix3, n) && k <= kMaxPower);

  toolkit::TIntMatrix cube{};
  toolkit::IntMatrixMultiply(a, a, n, cube);
  toolkit::IntMatrixMultiply(cube, a, n, cube);
  int closed_walks = 0;
  for (int i = 1; i <= n; ++i) closed_walks += cube[i][i];
  toolkit::AnsWriteTextNumber(s, "& ", closed_walks, " ");

  const bool connected = k <= kMaxPower;
  if (connected) {
    toolkit::TIntMatrix& dist = s.WorkMatrix3;
    for (int i = 1; i <= n; ++i) {
      for (int j = i + 1; j <= n; ++j) dist[j][i] = dist[i][j];
    }
    toolkit::TIntMatrix laplacian{};
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (i != j) {
          laplacian[i][j] = -a[i][j];
          laplacian[i][i] += a[i][j];
        }
      }
    }
    std::vector<int> ecc(static_cast<std::size_t>(n) + 1, 0);
    int radius = 100;
    int diameter = 0;
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) ecc[i] = std::max(ecc[i], dist[i][j]);
      radius = std::min(radius, ecc[i]);
      diameter = std::max(diameter, ecc[i]);
    }
    toolkit::AnsWriteText2Numbers(s, " & ", radius, " & ", diameter, " & ");
    std::vector<int> centre;
    for (int i = 1; i <= n; ++i) {
      if (ecc[i] == radius) centre.push_back(i);
    }
    for (std::size_t c = 0; c < centre.size(); ++c) {
      toolkit::AnsWriteTextNumber(s, " ", centre[c], c + 1 < centre.size() ? "," : "");
    }
    toolkit::TIntMatrix minor{};
    toolkit::IntMatrixMinor(laplacian, minor, n, 1, 1);
    s.DeterminantMode = true;
    toolkit::AnsWriteTextNumber(s, "&", toolkit::IntMatrixDeterminant(s, minor, n - 1), "");
  } else {
    // A disconnected graph has no radius, diameter, centre or spanning tree.
    const std::string none(toolkit::kNoValue);
    toolkit::AnsWrite(s, " & " + none + " & " + none + " & " + none + " & " + none + " ");
  }

  // An Euler chain needs a connected graph (no vertex is isolated after the repair) with no
  // or two vertices of odd degree.
  int odd = 0;
  for (int i = 1; i <= n; ++i) {
    int degree = 0;
    for (int j = 1; j <= n; ++j) degree += a[i][j];
    odd += degree % 2;
  }
  toolkit::AnsWrite(s, connected && (odd == 0 || odd == 2) ? "& Есть" : "& Нет");
}

void WriteRadiusGraph(SharedState& s, int n) {
  BuildVariantGraph(s, n);
  for (int i = 1; i <= n; ++i) {
    bool has_edge = false;
    for (int j = 1; j <= n; ++j) has_edge = has_edge || s.GraphMatrix[i][j] != 0;
    if (has_edge) continue;
    const int other = i == 1 ? 2 : 1;
    s.GraphMatrix[i][other] = 1;
    s.GraphMatrix[other][i] = 1;
  }
  SolveGraphRadius(s, n);
  DrawGraphOnCircle(s, s.GraphMatrix, n, s.P1, 24, 30);
}

}  // namespace

void BeginGraphRadiusProblem(SharedState& s) {
  s.ParboxWidth = 100;
  toolkit::WriteText(s,
                     " Найти  число циклических маршрутов длины 3 ($n_3$), радиус $r$ и  диаметр $d$ "
                     "графа. Указать центр. Найти число остовов графа.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 7);
  toolkit::AnsWriteLine(
      s, s.StudentsMode
             ? " & $n_3$ & $r$ & $d$& Центр & $n_*$ & Эйлерова цепь \\\\\\hline"
             : " & $n_3$ & $r$ & $d$& Центр & $n_*$ & Эйлерова цепь\\\\\\hline");
}

void WriteGraphRadiusVariant(SharedState& s) {
  toolkit::WriteText(s, "\\par");
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  WriteRadiusGraph(s, 7);
  toolkit::WriteLine(s, "\\vskip3mm");
}

}  // namespace discrete
