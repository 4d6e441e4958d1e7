#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/max_flow.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

struct FlowNetwork {
  toolkit::TIntMatrix arcs{};
  toolkit::TIntMatrix capacities{};
};

toolkit::TBinaryDigits DigitsBelow(int p) {
  toolkit::TBinaryDigits d{};
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p - 1), d);
  return d;
}

void Record(FlowNetwork& net, int a, int b, int c) {
  net.arcs[a][b] = 1;
  net.capacities[a][b] = c;
}

void AddVerticalArc(SharedState& s, FlowNetwork& net, int a, int b, int c) {
  if (b < a) {
    figures::DrawVector(s, 0, 1, s.PointX[a], s.PointY[a] + 5, 30);
  } else {
    figures::DrawVector(s, 0, -1, s.PointX[a], s.PointY[a] - 5, 30);
  }
  figures::PutValueLabel(s, s.PointX[a] + 2, (s.PointY[a] + s.PointY[b]) / 2 - 2, c);
  Record(net, a, b, c);
}

void AddDiagonalArc(SharedState& s, FlowNetwork& net, int a, int b, int forward, int c) {
  if (forward == 0) std::swap(a, b);
  const int sx = s.PointX[a] > s.PointX[b] ? -1 : 1;
  const int sy = s.PointY[a] > s.PointY[b] ? -1 : 1;
  figures::DrawVector(s, sx, sy, s.PointX[a] + 4 * sx, s.PointY[a] + 4 * sy, 32);
  figures::PutValueLabel(s, (s.PointX[a] + s.PointX[b]) / 2 - 2, (s.PointY[a] + s.PointY[b]) / 2 + 2,
                         c);
  Record(net, a, b, c);
}

}  // namespace

void BeginNetworkFlowProblem(SharedState& s) {
  s.PointX[1] = 0;
  s.PointY[1] = 60;
  s.PointX[14] = 160;
  s.PointY[14] = 60;
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 4; ++r) {
      s.PointX[4 * c - 3 + r] = 40 * c;
      s.PointY[4 * c - 3 + r] = 120 - 40 * (r - 1);
    }
  }
  s.ParboxWidth = 185;
  toolkit::WriteLine(s, "\\newsavebox{\\versins}\\sbox{\\versins}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 14; ++i) figures::DrawCircleAtPoint10(s, i);
  toolkit::WriteText(s, "}");
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 4; ++r) figures::DrawVector(s, 1, 0, 40 * c + 5, 40 * (r - 1), 30);
  }
  figures::DrawVector(s, 2, 3, 122.6, 3.9, 35);
  figures::DrawVector(s, 2, -3, 122.6, 116.1, 35);
  figures::DrawVector(s, 2, -1, 124.2, 77.9, 32);
  figures::DrawVector(s, 2, 1, 124.2, 42.1, 32);
  figures::DrawVector(s, 2, 3, 2.6, 63.9, 35.8);
  figures::DrawVector(s, 2, -3, 2.6, 56.1, 35.8);
  figures::DrawVector(s, 2, -1, 4.2, 57.9, 32);
  figures::DrawVector(s, 2, 1, 4.2, 62.1, 32);
  toolkit::WriteText(s, "\\Red{");
  // The source and the sink are named beside their circles (radius 5), clear of the outline;
  // the inner vertices' numbers are centred in theirs (digits 4 pt wide).
  figures::PutMathText(s, "\\it 1", -13, 56);
  figures::PutMathText(s, "\\it 14", 166, 56);
  for (int v = 2; v <= 13; ++v) {
    figures::PutItalicValueLabel(s, s.PointX[v] - (v < 10 ? 2 : 4), s.PointY[v] - 2, v);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  toolkit::WriteLine(s,
                     " Задана пропускная способность дуг транспортной  сети с началом в вершине $1$ "
                     "и концом в вершине $14$.  Используя алгоритм {\\it Форда-Фалкерсона}, найти "
                     "максимальный поток по сети.\\\\\\noindent");
  toolkit::WriteLine(s,
                     "{\\small\\vskip2mm В таблице ответов дан максимальный поток ($\\Sigma$), "
                     "пропускная способность сети на входе ($\\Sigma_{in}$) и выходе "
                     "($\\Sigma_{out}$).\\par ");
  toolkit::WriteLine(s,
                     "Рекомендуемая литература: учебник по дискретной математике, раздел "
                     "<<Потоки в сетях>>.\\par}\\vskip2mm\\noindent ");
  toolkit::AnsWrite(s, "\\tabcolsep=4pt ");
  toolkit::AnsBeginTable(s, 38);
  toolkit::AnsWriteLine(s, "\\No &$\\Sigma$& $\\Sigma_{in}$ &$\\Sigma_{out}$\\\\\\hline");
}

void WriteNetworkFlowVariant(SharedState& s) {
  toolkit::WriteText(s, "\\par");
  // The picture holds all it draws: from the source's number at x = -13 to the sink's at 179.
  toolkit::BeginPicture(s, 196, 145, -15, -5);
  FlowNetwork net;
  const int p[4] = {0, s.P1, s.P2, s.P3};
  for (int c = 1; c <= 3; ++c) {
    const toolkit::TBinaryDigits d = DigitsBelow(p[c]);
    for (int r = 1; r <= 3; ++r) {
      const int u = 4 * c - 3 + r;
      const int capacity = p[c] / 8 + 1 + d[r + 3] + 2 * d[r + 1];
      if (d[r] == 0) {
        AddVerticalArc(s, net, u, u + 1, capacity);
      } else {
        AddVerticalArc(s, net, u + 1, u, capacity);
      }
    }
  }
  toolkit::TBinaryDigits d = DigitsBelow(s.P4);
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 3; ++r) {
      const int a = d[r] == 0 ? 4 * c - 3 + r : 4 * c + 1 + r;
      const int b = d[r] == 0 ? 4 * c + 2 + r : 4 * c - 2 + r;
      AddDiagonalArc(s, net, a, b, d[r + 3], c * (d[r + 2] + 1) + s.P4 / 8 + 1);
    }
  }
  d = DigitsBelow(s.P5);
  for (int c = 1; c <= 2; ++c) {
    for (int r = 1; r <= 4; ++r) {
      const int capacity = c * d[r] + 2 * d[r + 2] + 3;
      figures::PutValueLabel(s, 40 * c + 18, 40 * (r - 1) + 2, capacity);
      Record(net, 4 * c + 2 - r, 4 * c + 6 - r, capacity);
    }
  }
  figures::PutBox(s, "versins", 0, 0);
  constexpr int kLabelHeights[5] = {0, 20, 52, 72, 88};
  for (int r = 1; r <= 4; ++r) {
    const int capacity = d[r] + 5 + 3 * d[r + 2];
    figures::PutValueLabel(s, 20, kLabelHeights[r], capacity);
    Record(net, 1, 6 - r, capacity);
  }
  for (int r = 1; r <= 4; ++r) {
    const int capacity = 2 * d[r] + 4 + 3 * d[r + 1];
    figures::PutValueLabel(s, 136, kLabelHeights[r], capacity);
    Record(net, 14 - r, 14, capacity);
  }
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\par");
  toolkit::WriteText(s, "\\par");
  toolkit::TIntMatrix flow{};
  toolkit::ComputeMaxFlow(14, net.capacities, net.arcs, flow);
  toolkit::AnsWriteFlowRow(s, net.capacities, flow);
}

}  // namespace discrete
