#include <array>
#include <cmath>

#include "figures/forces.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

using Matrix5 = toolkit::IndexedArray<toolkit::IndexedArray<int, 1, 5>, 1, 5>;

struct TableArc {
  int from;
  int to;
};

// Entry a and entry a + 9 join the same pair in opposite directions; {1, 5} never occurs.
constexpr std::array<TableArc, 18> kDigraphArcTable{{{1, 2},
                                                     {1, 3},
                                                     {1, 4},
                                                     {2, 3},
                                                     {2, 4},
                                                     {2, 5},
                                                     {3, 4},
                                                     {3, 5},
                                                     {4, 5},
                                                     {2, 1},
                                                     {3, 1},
                                                     {4, 1},
                                                     {3, 2},
                                                     {4, 2},
                                                     {5, 2},
                                                     {4, 3},
                                                     {5, 3},
                                                     {5, 4}}};

struct Digraph {
  Matrix5 arcs{};   // the arcs as taken
  Matrix5 pairs{};  // both directions of every taken pair
};

// Takes the arc of entry a, or of the next entry (19 wrapping to 1) whose pair is still free.
void AddTableArc(Digraph& g, int a) {
  auto entry = [&](int k) { return kDigraphArcTable[static_cast<std::size_t>(k - 1)]; };
  while (g.pairs[entry(a).from][entry(a).to] == 1) a = a + 1 > 18 ? 1 : a + 1;
  const TableArc arc = entry(a);
  g.pairs[arc.from][arc.to] = 1;
  g.pairs[arc.to][arc.from] = 1;
  g.arcs[arc.from][arc.to] = 1;
}

int CountWalks3(const Matrix5& a) {
  int total = 0;
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) {
      for (int k = 1; k <= 5; ++k) {
        for (int l = 1; l <= 5; ++l) total += a[i][j] * a[j][k] * a[k][l];
      }
    }
  }
  return total;
}

void DrawDigraphArcs(SharedState& s, const Matrix5& a) {
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) {
      if (a[i][j] != 1) continue;
      const int dx = static_cast<int>(toolkit::RoundHalfEven((s.PointX[j] - s.PointX[i]) / 40));
      const int dy = static_cast<int>(toolkit::RoundHalfEven((s.PointY[j] - s.PointY[i]) / 40));
      if (i + j == 9) {
        figures::DrawVector(s, dx, dy, s.PointX[i] + dx, s.PointY[i] + dy, 75);
      } else {
        figures::DrawVector(s, dx, dy, s.PointX[i] + 2 * dx, s.PointY[i] + 2 * dy, 35);
      }
    }
  }
}

}  // namespace

void BeginDigraphPathsProblem(SharedState& s) {
  s.ParboxWidth = 125;
  toolkit::AnsBeginTable(s, 2);
  toolkit::AnsWriteLine(s, "\\No & число маршрутов \\\\\\hline ");
  toolkit::WriteText(s, " Сколько в графе маршрутов длины 3?\\\\\\noindent");
}

void WriteDigraphPathsVariant(SharedState& s) {
  constexpr double kX[6] = {0, 0, 40, 40, 0, 80};
  constexpr double kY[6] = {0, 40, 40, 0, 0, 40};
  for (int k = 1; k <= 5; ++k) {
    s.PointX[k] = kX[k];
    s.PointY[k] = kY[k];
  }
  toolkit::WriteText(s, "\\par");
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " ");
  Digraph g;
  for (const int a : {s.P1, s.P2, s.P3, s.P4, s.P5, s.P1, s.P3, s.P5}) AddTableArc(g, a);
  toolkit::AnsWriteTextNumber(s, " &", CountWalks3(g.arcs), " ");

  // The picture holds all it draws: up to x = 86.
  toolkit::BeginPicture(s, 108, 75, -20, -15);
  toolkit::WriteLine(s, "{\\thicklines");
  DrawDigraphArcs(s, g.arcs);
  toolkit::WriteLine(s, "}%");
  bool five_used = false;
  for (int k = 1; k <= 5; ++k) five_used = five_used || g.arcs[k][5] == 1 || g.arcs[5][k] == 1;
  for (int k = 1; k <= (five_used ? 5 : 4); ++k) figures::DrawNodeMarker(s, k);
  toolkit::WriteText(s, "\\Red{");
  figures::PutText(s, "1", s.PointX[1] - 2, s.PointY[1] + 3);
  figures::PutText(s, "2", s.PointX[2] - 2, s.PointY[2] + 3);
  figures::PutText(s, "5", s.PointX[5], s.PointY[5] + 3);
  figures::PutText(s, "4", s.PointX[4] - 2, s.PointY[4] - 10);
  figures::PutText(s, "3", s.PointX[3] - 2, s.PointY[3] - 10);
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);
}

}  // namespace discrete
