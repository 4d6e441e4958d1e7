#include <cmath>
#include <numbers>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/grid_tree.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// x for x <= 7, else x - 6: maps 2..13 onto the ring points 2..7.
int WrapRing(int x) { return x <= 7 ? x : x - 6; }

void Join(SharedState& s, int a, int b) { s.GraphMatrix[a][b] = 1; }

// The three outer points of ring point b hang from it in the pattern of its kind.
void AttachOuterPoints(SharedState& s, int b, int kind) {
  const int c1 = 3 * b + 2;
  const int c2 = 3 * b + 3;
  const int c3 = 3 * b + 4;
  switch (kind) {
    case 1: Join(s, b, c1); Join(s, b, c2); Join(s, b, c3); break;
    case 2: Join(s, b, c1); Join(s, b, c2); Join(s, c2, c3); break;
    case 3: Join(s, b, c1); Join(s, b, c3); Join(s, c2, c3); break;
    case 4: Join(s, b, c2); Join(s, b, c3); Join(s, c1, c2); break;
    case 5: Join(s, b, c1); Join(s, b, c3); Join(s, c1, c2); break;
    case 6: Join(s, b, c2); Join(s, c2, c3); Join(s, c1, c2); break;
    default: Join(s, b, c1); Join(s, c1, c2); Join(s, c2, c3); break;
  }
}

// The root joins s(2)..s(m); the rest of the ring follows as a chain from s(m).
void JoinRootToRing(SharedState& s, int m) {
  const int g = s.P3 / 2;
  for (int t = 2; t <= m; ++t) Join(s, 1, WrapRing(g + t));
  for (int t = m; t <= 6; ++t) Join(s, WrapRing(g + t), WrapRing(g + t + 1));
}

void JoinRoot(SharedState& s) {
  const int h = s.P4 / 2;
  const auto r = [h](int t) { return WrapRing(h + t); };
  switch (s.P2) {
    case 1:
      Join(s, 1, r(2)); Join(s, 1, r(3)); Join(s, 1, r(4)); Join(s, 1, r(6));
      Join(s, r(5), r(6)); Join(s, r(6), r(7));
      break;
    case 2:
      Join(s, 1, r(6)); Join(s, r(5), r(6)); Join(s, r(6), r(7));
      Join(s, 1, r(3)); Join(s, r(2), r(3)); Join(s, r(3), r(4));
      break;
    case 3:
      Join(s, 1, 3); Join(s, 1, 5); Join(s, 1, 7); Join(s, 2, 3); Join(s, 4, 5); Join(s, 6, 7);
      break;
    default:
      JoinRootToRing(s, s.P1 + 1);
      break;
  }
}

void SetDecimalTreePoints(SharedState& s) {
  const double pi = std::numbers::pi;
  s.PointX[1] = 28;
  s.PointY[1] = 28;
  for (int b = 2; b <= 7; ++b) {
    s.PointX[b] = 28 + 28 * std::cos(b * pi / 3);
    s.PointY[b] = 28 + 28 * std::sin(b * pi / 3);
    for (int c = 1; c <= 3; ++c) {
      s.PointX[3 * b + 1 + c] = s.PointX[b] + 14 * std::cos((b - 2 + c) * pi / 3);
      s.PointY[3 * b + 1 + c] = s.PointY[b] + 14 * std::sin((b - 2 + c) * pi / 3);
    }
  }
}

}  // namespace

void BeginDecimalTreeCodeProblem(SharedState& s) {
  s.NodeGap = 5;
  SetDecimalTreePoints(s);
  s.ParboxWidth = 185;
  toolkit::WriteLine(s, "\\newsavebox{\\vrsins}\\sbox{\\vrsins}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  for (int k = 1; k <= 25; ++k) figures::DrawCircleAtPoint10(s, k);
  toolkit::WriteText(s, "\\Red{");
  // Each number centred in its circle (digits 4 pt wide), so that two digits stay inside it.
  for (int k = 1; k <= 25; ++k) {
    figures::PutValueLabel(s, s.PointX[k] - (k < 10 ? 2 : 4), s.PointY[k] - 2, k);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  toolkit::WriteText(
      s,
      "Найти десятичную кодировку дерева, полагая корень в вершине 1.\\par\\vskip2mm\\noindent ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, " & Кодировка(10) \\\\\\hline");
}

void WriteDecimalTreeCodeVariant(SharedState& s) {
  toolkit::ClearIntMatrix(s.GraphMatrix, 25);
  for (int b = 2; b <= 7; ++b) {
    const int kinds[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
    AttachOuterPoints(s, b, kinds[b]);
  }
  JoinRoot(s);
  for (int i = 1; i <= 25; ++i) {
    for (int j = 1; j <= 25; ++j) {
      if (s.GraphMatrix[i][j] == 1) s.GraphMatrix[j][i] = 1;
    }
  }
  // The picture holds all it draws: up to x = 79, down to y = -13.4.
  toolkit::BeginPicture(s, 110, 100, -30, -15);
  figures::PutBox(s, "vrsins", 0, 0);
  figures::SetLineWidth(s, 7);
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 25; ++i) {
    for (int j = i; j <= 25; ++j) {
      if (s.GraphMatrix[i][j] == 1) figures::DrawBar(s, i, j);
    }
  }
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\par");
  // The row asks for the decimal code, so the answers give it, rooted at the root point 1.
  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), "");
  DecimalTreeCode(s, 25, 1);
}

}  // namespace discrete
