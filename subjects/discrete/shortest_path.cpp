#include <algorithm>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "subjects/discrete/shortest_path.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

constexpr int kNoArc = 10000;

// Columns of the lattice by Level: 3 at Level 2, 4 at 3, 5 at 4, 2 otherwise. The begin
// routine sets it for the document; the variants read it.
int g_columns = 2;

int ColumnsOf(int level) {
  switch (level) {
    case 2: return 3;
    case 3: return 4;
    case 4: return 5;
    default: return 2;
  }
}

class ArcBuilder {
 public:
  ArcBuilder(toolkit::TIntMatrix& w, int nv) : w_(w), nv_(nv) {}
  // dir 1: the arc i -> j; dir 0: the arc j -> i. A later call for the same pair replaces the
  // earlier arc; an arc naming a vertex above NV is not part of the graph.
  void SetArc(int i, int j, int weight, int dir = 1) {
    if (i > nv_ || j > nv_) return;
    w_[i][j] = dir == 1 ? weight : kNoArc;
    w_[j][i] = dir == 1 ? kNoArc : weight;
  }

 private:
  toolkit::TIntMatrix& w_;
  int nv_;
};

toolkit::TBinaryDigits Digits(int x) {
  toolkit::TBinaryDigits d{};
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(x), d);
  return d;
}

void BuildArcs(const SharedState& s, int d, toolkit::TIntMatrix& w) {
  const int nv = 3 * d;
  for (int i = 1; i <= nv; ++i) {
    for (int j = 1; j <= nv; ++j) w[i][j] = kNoArc;
  }
  ArcBuilder a(w, nv);
  toolkit::TBinaryDigits D = Digits(s.P2);
  for (int k = 1; k <= d - 1; ++k) {
    a.SetArc(3 * k - 2, 3 * k + 1, D[k] + 4);
    a.SetArc(3 * k, 3 * k + 3, D[k] + 4);
  }
  a.SetArc(1, 4, 2 * D[1] + 5);
  D = Digits(s.P1);
  a.SetArc(1, 2, D[1] + 6);
  a.SetArc(2, 3, D[2] + 1);
  a.SetArc(3 * d - 2, 3 * d - 1, 2 * D[3] + 2);
  a.SetArc(3 * d - 1, 3 * d, D[4] + 3);
  D = Digits(s.P3);
  for (int k = 1; k <= d - 1; ++k) {
    for (int r = 1; r <= 2; ++r) a.SetArc(3 * k - 3 + r, 3 * k + 1 + r, r + 6 + D[k]);
  }
  D = Digits(s.P4);
  for (int k = 1; k <= d - 1; ++k) {
    for (int r = 1; r <= 2; ++r) {
      const int from = 3 * k - 2 + r;
      const int to = 3 * k + r;
      if (D[k + r] == 1) {
        a.SetArc(from, to, 2);
      } else {
        a.SetArc(to, from, 1);
      }
    }
  }
  D = Digits(s.P5);
  for (int k = 1; k <= d - 1; ++k) a.SetArc(3 * k - 1, 3 * k + 2, D[k] + 4);
  D = Digits((s.P1 + s.P2) / 2 + 2);
  for (int r = 1; r <= 2; ++r) {
    for (int k = 1; k <= d - 2; ++k) {
      const int lower = 3 * k + r;
      if (D[k + r] == 1) {
        a.SetArc(lower, lower + 1, 6);
      } else {
        a.SetArc(lower + 1, lower, 5);
      }
    }
  }
  a.SetArc(1, 5, 2 * D[1] + 7);
  if (D[3] == 1) {
    a.SetArc(9, 11, 1);
  } else {
    a.SetArc(11, 9, 1);
  }
  a.SetArc(11, 12, D[2] + 1);
  // The light route, chosen by the range of P1.
  if (s.P1 <= 8) {
    a.SetArc(1, 2, D[1] + 1);
    a.SetArc(2, 3, D[2] + 1);
    a.SetArc(3, 6, 1);
    a.SetArc(6, 5, 1);
    a.SetArc(5, 4, 1);
    a.SetArc(4, 7, 1);
    a.SetArc(7, 8, D[2] + 1);
    a.SetArc(8, 9, 1);
    a.SetArc(9, 11, 1);
    a.SetArc(11, 12, 1);
  } else if (s.P1 <= 16) {
    a.SetArc(1, 4, 1);
    a.SetArc(4, 2, 1);
    a.SetArc(2, 3, 1);
    a.SetArc(3, 5, 1);
    a.SetArc(5, 7, 1);
    a.SetArc(7, 8, 1);
    a.SetArc(8, 6, D[2] + 1);
    a.SetArc(6, 9, D[1] + 1);
  } else if (s.P1 <= 24) {
    a.SetArc(1, 5, 1);
    a.SetArc(5, 3, 1);
    a.SetArc(3, 6, 1);
    a.SetArc(6, 9, 1);
    a.SetArc(9, 8, 1);
    a.SetArc(8, 4, 1);
    a.SetArc(12, 9, D[1] + 9);
    a.SetArc(11, 9, D[3] + 1);
    a.SetArc(8, 11, D[2] + 9);
    a.SetArc(8, 5, 1);
  } else {
    a.SetArc(1, 4, 1);
    a.SetArc(4, 7, 1);
    a.SetArc(7, 8, 1);
    a.SetArc(8, 5, 1);
    a.SetArc(8, 11, D[2] + 9);
    a.SetArc(10, 8, D[2] + 1);
    a.SetArc(8, 12, 3 * D[2] + 10);
    a.SetArc(11, 7, 1);
    a.SetArc(7, 10, 4 * D[3] + 7);
  }
  a.SetArc(12, 15, 3 * D[2] + 7);
}

}  // namespace

void ShortestPathDijkstra(SharedState& st, const toolkit::TIntMatrix& w, int s, int t, int n) {
  std::vector<int> dist(static_cast<std::size_t>(n) + 1, kNoArc);
  std::vector<int> prev(static_cast<std::size_t>(n) + 1, 0);
  std::vector<bool> settled(static_cast<std::size_t>(n) + 1, false);
  std::vector<int> order;
  auto at = [](int v) { return static_cast<std::size_t>(v); };
  int cur = s;
  settled[at(s)] = true;
  dist[at(s)] = 0;
  while (!settled[at(t)]) {
    for (int v = 1; v <= n; ++v) {
      if (!settled[at(v)] && w[cur][v] != kNoArc && dist[at(cur)] + w[cur][v] < dist[at(v)]) {
        dist[at(v)] = dist[at(cur)] + w[cur][v];
        prev[at(v)] = cur;
      }
    }
    int next = 0;
    for (int v = 1; v <= n; ++v) {
      if (!settled[at(v)] && dist[at(v)] < kNoArc && (next == 0 || dist[at(v)] < dist[at(next)])) {
        next = v;
      }
    }
    if (next == 0) break;
    cur = next;
    settled[at(cur)] = true;
    order.push_back(cur);
  }
  toolkit::AnsWrite(st, " & ");
  if (!settled[at(t)]) {
    toolkit::AnsWrite(st, "--- & --- & ---");
    return;
  }
  for (int v = t; v != s; v = prev[at(v)]) toolkit::AnsWriteTextNumber(st, "", v, ",");
  toolkit::AnsWriteTextNumber(st, "", s, " ");
  toolkit::AnsWriteTextNumber(st, "& ", dist[at(t)], "");
  toolkit::AnsWrite(st, "& ");
  for (std::size_t k = 0; k < order.size(); ++k) {
    toolkit::AnsWriteTextNumber(st, k == 0 ? "" : ",", order[k], "");
  }
}

namespace {

void DrawArcs(SharedState& s, const toolkit::TIntMatrix& w, int nv) {
  for (int i = 1; i <= nv; ++i) {
    for (int j = 1; j <= nv; ++j) {
      if (w[i][j] == kNoArc) continue;
      const int dx = static_cast<int>(toolkit::RoundHalfEven((s.PointX[j] - s.PointX[i]) / 45));
      const int dy = static_cast<int>(toolkit::RoundHalfEven((s.PointY[j] - s.PointY[i]) / 45));
      figures::DrawVector(s, dx, dy, s.PointX[i] + 5 * dx, s.PointY[i] + 5 * dy, 35);
      double ox = 0;
      double oy = 0;
      if (dx * dy == 1) {
        ox = 1;
        oy = 7;
      } else if (dx * dy == -1) {
        // Above the falling diagonal, nearer its lower end than the crossing, but clear of its
        // arrowhead at the lower vertex.
        ox = 10;
        oy = -8;
      }
      if (dy == 0) oy = 2;
      if (dx == 0) ox = 3;
      toolkit::WriteText(s, "\\Blue{");
      figures::PutValueLabel(s, (s.PointX[i] + s.PointX[j]) / 2 + ox,
                             (s.PointY[i] + s.PointY[j]) / 2 + oy, w[i][j]);
      toolkit::WriteText(s, "}");
    }
  }
}

}  // namespace

void BeginShortestPathProblem(SharedState& s) {
  g_columns = ColumnsOf(s.Level);
  const int d = g_columns;
  const int nv = 3 * d;
  // A box of four columns is made wide enough that two of them fill a line: three boxes of
  // 35 pt a column would run past the right edge of the sheet.
  s.ParboxWidth = d == 4 ? 160 : 35 * d;
  for (int k = 1; k <= d; ++k) {
    for (int r = 1; r <= 3; ++r) {
      s.PointX[3 * (k - 1) + r] = 45 * (k - 1);
      s.PointY[3 * (k - 1) + r] = 45 * (r - 1);
    }
  }
  toolkit::WriteLine(s, "\\newsavebox{\\grf}\\sbox{\\grf}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  toolkit::WriteText(s, "\\Red{");
  for (int q = 1; q <= nv; ++q) {
    figures::DrawCircleAtPoint10(s, q);
    figures::PutValueLabel(s, s.PointX[q] - 3, s.PointY[q] - 3, q);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\No & путь & длина & порядок \\\\\\hline ");
  toolkit::WriteText(s,
                     " Дан орграф. Найти кратчайший путь от вершины $\\bigcirc$\\hspace{-4mm} {1}\\ \\ "
                     "к вершине $\\bigcirc$\\hspace{-4mm} {\\scriptsize " +
                         std::to_string(nv) + "}\\ .\\par\\noindent");
}

void WriteShortestPathVariant(SharedState& s) {
  const int d = g_columns;
  const int nv = 3 * d;
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), ". ");
  toolkit::TIntMatrix w{};
  BuildArcs(s, d, w);
  ShortestPathDijkstra(s, w, 1, nv, nv);
  // The lattice reaches 45 pt a column from the picture's origin, with room for the last
  // column's circles and labels.
  toolkit::BeginPicture(s, std::max(90, 45 * (d - 1) + 20), 120, -10, -15);
  toolkit::WriteLine(s, "{\\thicklines");
  DrawArcs(s, w, nv);
  toolkit::WriteLine(s, "}");
  figures::PutBox(s, "grf", 0, 0);
  toolkit::EndPicture(s);
}

}  // namespace discrete
