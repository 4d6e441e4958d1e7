#include <array>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/ai/problems.h"
#include "subjects/discrete/variant_graph.h"
#include "toolkit/answers.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

using Chromosome = std::array<int, 6>;  // the vertices in line order, positions 1..5

int PlacementQuality(const SharedState& s, const Chromosome& h) {
  int sum = 0;
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 5; ++j) sum += (j - i) * s.GraphMatrix[h[i]][h[j]];
  }
  return sum;
}

Chromosome SwapGenes(Chromosome h, int i, int j) {
  std::swap(h[i], h[j]);
  return h;
}

/// Positions 1..k kept, k + 1..5 reversed.
Chromosome InvertTail(const Chromosome& h, int k) {
  Chromosome r = h;
  for (int i = k + 1; i <= 5; ++i) r[i] = h[5 + k + 1 - i];
  return r;
}

/// An isolated vertex is joined to vertices 1 and 2 (a later row is tested after earlier joins).
void JoinIsolatedVertices(SharedState& s) {
  for (int v = 1; v <= 5; ++v) {
    int degree = 0;
    for (int j = 1; j <= 5; ++j) degree += s.GraphMatrix[v][j];
    if (degree == 0) {
      s.GraphMatrix[v][1] = s.GraphMatrix[1][v] = 1;
      s.GraphMatrix[v][2] = s.GraphMatrix[2][v] = 1;
    }
  }
}

void DrawChromosome(SharedState& s, const Chromosome& h, const char* c) {
  // The letter stands to the left of the genes: the picture holds it.
  toolkit::BeginPicture(s, 76, 15, -12, 0);
  figures::PutLabel(s, std::string(c) + ") ", -12, 5);
  figures::PutBox(s, "genris", 0, 0);
  for (int i = 1; i <= 5; ++i) figures::PutValueLabel(s, 12 * (i - 1) + 4, 4, h[i]);
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\\\");
}

}  // namespace

void BeginGraphPlacementProblem(SharedState& s) {
  s.NodeGap = 1.5;
  toolkit::BeginSaveBox(s, "genris");
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 6; ++i) figures::DrawSegment(s, 12 * (i - 1), 0, 12 * (i - 1), 12);
  figures::DrawSegment(s, 0, 0, 60, 0);
  figures::DrawSegment(s, 0, 12, 60, 12);
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  s.ParboxWidth = 180;
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWriteLine(s, " & 0 &1 &2 &3 & min $L$ & seq \\\\\\hline ");
  toolkit::WriteLine(
      s,
      " Найти наилучшее размещение графа на линейке после трех циклов генетического алгоритма. "
      "Качество размещения оценивается  суммой"
      "\\footnote{Генетические алгоритмы размещения и эволюционное моделирование изложены в "
      "учебных пособиях по методам искусственного интеллекта.}"
      " $$L=\\sum_{i=1}^{4}\\sum_{j=i+1}^{5} d_{ij}a_{ij},$$ где $d_{ij}$ --- расстояние (в "
      "ребрах) по линейке "
      "между вершинами $v_i$ и $v_j$, $a_{ij}$ --- соответствующий элемент матрицы смежности (0 "
      "или 1).");
  toolkit::WriteLine(s,
                     " На каждом этапе $k=1,2,3$ эволюции на хромосому $h_i=[v_1,v_2,...,v_5]$ с "
                     "лучшим качеством действует оператор мутации $R_k$ инверсионного типа, ");
  // Displayed: in the running text the bracket is wider than what is left of the line.
  toolkit::WriteLine(s, " генерирующий хромосому $$h'_i=[v_1,v_2,...,v_k,v_5,...,v_{k+1}].$$ ");
  toolkit::WriteLine(s,
                     " Хромосома с худшим качеством удаляется из популяции. Найти min$L$. При "
                     "равных качествах хромосом предпочтение отдается хромосоме с меньшим "
                     "номером.\\\\\\noindent");
}

void WriteGraphPlacementVariant(SharedState& s) {
  discrete::BuildVariantGraph(s, 5);
  JoinIsolatedVertices(s);
  discrete::DrawGraphOnCircle(s, s.GraphMatrix, 5, 2, 25, 30);

  std::array<Chromosome, 5> h{};  // h[1..3] the population, h[4] the offspring
  h[1] = {0, 1, 2, 3, 4, 5};
  int i1 = s.P1 / 8 + 1;
  if (i1 == 2) i1 = 1;
  int i2 = s.P2 / 8 + 1;
  if (i2 == 3) i2 = 1;
  h[2] = SwapGenes(h[1], i1, 2);
  h[3] = SwapGenes(h[1], i2, 5);
  toolkit::WriteText(s, "\\hfill\\parbox[b]{70pt}{");
  DrawChromosome(s, h[1], "1");
  DrawChromosome(s, h[2], "2");
  DrawChromosome(s, h[3], "3");
  toolkit::WriteText(s, "}");

  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), " ");
  std::array<int, 5> q{};
  for (int k = 1; k <= 3; ++k) q[k] = PlacementQuality(s, h[k]);
  toolkit::AnsWriteTextNumber(s, "&", q[1] + q[2] + q[3], " ");
  int m = 1;
  for (int cycle = 1; cycle <= 3; ++cycle) {
    int b = 1;
    for (int k = 2; k <= 3; ++k) {
      if (q[k] < q[b]) b = k;
    }
    h[4] = InvertTail(h[b], cycle);
    q[4] = PlacementQuality(s, h[4]);
    // The best: the first of the least; the worst: the last of the greatest.
    m = 1;
    int w = 1;
    for (int k = 2; k <= 4; ++k) {
      if (q[k] < q[m]) m = k;
      if (q[k] >= q[w]) w = k;
    }
    if (w <= 3) {
      h[w] = h[4];
      q[w] = q[4];
    }
    toolkit::AnsWriteTextNumber(s, "&", q[1] + q[2] + q[3], " ");
  }
  toolkit::AnsWriteTextNumber(s, "&", q[m], " ");
  const Chromosome& best = h[m];
  // Written as the statement writes a chromosome: a dash between vertex numbers reads as a
  // minus sign.
  std::string seq = "&[" + std::to_string(best[1]);
  for (int i = 2; i <= 5; ++i) seq += ", " + std::to_string(best[i]);
  toolkit::AnsWrite(s, seq + "] ");
}

}  // namespace ai
