#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

// The Level the begin routine settled for the document (mode 1 knows levels 1 and 2 only).
int level_copy = 1;

constexpr char kAntStatement[] =
    "Найти длину пути муравья в задаче коммивояжера.  Начальная вершина 1. Дана "
    "последовательность $P$ случайных чисел, выпавших в при  выборе очередной вершины, "
    "расстояния $L_{k,j}$  между вершинами $k$, $j$ и интенсивность феромона $\\tau_{k,j}$ на "
    "ребре $[k,j]$.  Секторы вероятности перехода сортировать по возрастанию номеров вершин.  "
    "Использовать формулу вероятности перехода из вершины $k$  в $j$ $$P_{k,j} = "
    "100\\frac{\\eta_{k,j}^\\alpha\\tau_{k,j}^\\beta}{\\Sigma\\eta_{k,i}^\\alpha\\tau_{k,i}^\\beta}"
    "$$ "
    "при $\\alpha=1$, $\\beta=1$, $\\eta_{k,j}=1/L_{k,j}$  \\\\ \\noindent";

constexpr char kTwoAntsStatement[] =
    " Задача коммивояжера решается с помощью муравьиного алгоритма. Первый муравей выходит из "
    "вершины 1 по ребрам графа с равномерным слоем феромона $\\tau_{k,j}=1$. После прохождения "
    "гамильтонова цикла по следу муравья добавляется феромон  интенсивностью $100/L_1$, где "
    "$L_1$ --- длина его пути. Второй муравей также выходит из вершины 1. Дана "
    "последовательность $P$ случайных чисел, выпавших в при  выборе очередной вершины и "
    "расстояния $L_{k,j}$  между вершинами $k$, $j$.  Секторы вероятности перехода сортировать "
    "по возрастанию номеров вершин.  Использовать формулу вероятности перехода из вершины $k$  в "
    "$j$ $$P_{k,j} = "
    "100\\frac{\\eta_{k,j}^\\alpha\\tau_{k,j}^\\beta}{\\Sigma\\eta_{k,i}^\\alpha\\tau_{k,i}^\\beta}"
    "$$  "
    "при $\\alpha=1$, $\\beta=1$, $\\eta_{k,j}=1/L_{k,j}$. Найти длину пути $L_2$ второго "
    "муравья.   \\\\ \\noindent";

constexpr char kAnnealingStatement[] =
    "Найти длину гамильтонова цикла $S_4$ в полном графе $K_6$ после четырех циклов решения "
    "задачи методом отжига.  Даны расстояния $L_{i,j}$ между вершинами. Даны также: начальная "
    "последовательность вершин $L_0$, последовательность замен вершин $\\mathbf{Z}$ и выпавшие "
    "при этом вероятности перехода $\\mathbf{P}_k$, $k=1,...,4$. Переход на худшее ($\\Delta "
    "S_k=S_{k}-S_{k-1}>0$) решение допустим, если $P_*=100e^{-\\Delta S_k/T_k}>P_k$, где снижение "
    "температуры происходит по закону $T_{k+1}=0.5T_k$ от $T_1=100$ независимо от того, принято "
    "решение или нет. Если $\\Delta S_k\\le 0$, то новое решение принимается.\\\\ \\noindent";

/// Bit k - 1 of n (k from 1), least significant first, n taken as a byte.
int Bit(int n, int k) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(n), d);
  return d[k];
}

struct Tour {
  int length[8][8] = {};  // L[i][j], vertices from 1
  double tau[6][6] = {};  // pheromone on the edges of vertices 1..5
  int r[7] = {};          // the stated percentages R[1..6]
};

std::string Parameters(const SharedState& s) {
  return std::to_string(s.P1) + " " + std::to_string(s.P2) + " " + std::to_string(s.P3) + " " +
         std::to_string(s.P4) + " " + std::to_string(s.P5) + " " + std::to_string(s.P6) + " " +
         std::to_string(s.P7);
}

/// One ant from vertex 1 over the percentages R[o + 1..o + 3]; writes its tour and length and
/// returns the tour (stops 1..4 in [1..4]) and the length in [0].
std::array<int, 5> AntWalk(SharedState& s, const Tour& t, int o) {
  bool visited[6] = {};
  std::array<int, 5> stops{};
  int length = 0, current = 1;
  for (int step = 1; step <= 3; ++step) {
    const int prev = current;
    visited[prev] = true;
    double weight[6] = {}, total = 0;
    for (int j = 1; j <= 5; ++j) {
      if (visited[j]) continue;
      weight[j] = t.tau[prev][j] * 100 / t.length[j][prev];
      total += weight[j];
    }
    const int r = t.r[step + o];
    double cumulative = 0;
    int chosen = 0, last = 0;
    for (int j = 1; j <= 5; ++j) {
      if (visited[j]) continue;
      cumulative += 100 * weight[j] / total;
      last = j;
      // A number on a boundary takes the lower sector: the sums of the percentages may land a
      // rounding below a boundary that is exact on paper.
      if (chosen == 0 && r <= cumulative + 1e-9) chosen = j;
    }
    if (chosen == 0) chosen = last;  // the sums may end a rounding short of 100
    current = chosen;
    length += t.length[current][prev];
    stops[step] = current;
  }
  visited[current] = true;
  for (int j = 1; j <= 5; ++j) {
    if (!visited[j]) stops[4] = j;
  }
  length += t.length[1][stops[4]] + t.length[current][stops[4]];
  toolkit::AnsWrite(s, "&1-");
  for (int k = 1; k <= 4; ++k) toolkit::AnsWriteTextNumber(s, "", stops[k], "-");
  toolkit::AnsWriteTextNumberLn(s, "1 & ", length, "");
  stops[0] = length;
  return stops;
}

int WrapVertexIndex(int v) { return v >= 1 && v <= 5 ? v : 1; }

void WriteAnnealing(SharedState& s, Tour& t) {
  toolkit::WriteLine(s,
                     "\\hfill\\parbox{58pt}{\\tabcolsep=2pt\\scriptsize\\begin{tabular}{c|c}Ребро "
                     "&$L_{i,j}$\\\\\\hline");
  for (int i = 1; i <= 5; ++i) {
    for (int j = i + 1; j <= 6; ++j) {
      toolkit::WriteText3NumbersLn(s, "$", i, "-", j, "$ & ", t.length[i][j], " \\\\");
    }
  }
  toolkit::WriteText(s, "\\hline\\end{tabular}}");

  int v[8] = {0, 1, 0, 0, 0, 0, 0, 1};
  bool used[7] = {};
  for (int k = 1; k <= 5; ++k) {
    int x = Bit(s.P4 - 1, k) + Bit(s.P3 - 1, k) + Bit(s.P1 - 1, k) + 1;
    while (used[x]) x = WrapVertexIndex(x + 1);
    used[x] = true;
    v[k + 1] = x + 1;
  }
  toolkit::WriteText(s, "\\vskip-50pt{\\footnotesize $\\mathbf{V}=[1,");
  for (int k = 2; k <= 6; ++k) toolkit::WriteTextNumberLn(s, "", v[k], ",");
  toolkit::WriteText(s, "1]$.\\par");

  int a[5] = {}, b[5] = {};
  bool taken[7] = {};
  for (int k = 1; k <= 4; ++k) {
    int w = Bit(s.P7 - 1, k) + Bit(s.P6 - 1, k) + Bit(s.P5 - 1, k) + 1;
    while (taken[w]) w = WrapVertexIndex(w + 1);
    taken[w] = true;
    a[k] = w + 1;
    b[k] = w + 2 + Bit(s.P5 - 1, k + 1);
    if (b[k] > 6) b[k] = 2;
  }
  toolkit::WriteText(s, "$\\mathbf{Z} = $");
  for (int k = 1; k <= 2; ++k) {
    toolkit::WriteText2NumbersLn(s, " $[V_", a[k], " \\rightleftarrows V_", b[k], "]$,");
  }
  toolkit::WriteText(s, "\\par \\hskip7mm ");
  toolkit::WriteText2NumbersLn(s, " $[V_", a[3], " \\rightleftarrows V_", b[3], "]$, ");
  toolkit::WriteText2NumbersLn(s, " $[V_", a[4], " \\rightleftarrows V_", b[4], "].$} ");

  t.r[4] = s.P1 + s.P6 + 1;
  toolkit::WriteText(s, "{\\par\\footnotesize  $\\mathbf{P}=");
  for (int k = 1; k <= 3; ++k) toolkit::WriteTextNumberLn(s, "", t.r[k], ",");
  toolkit::WriteTextNumberLn(s, "", t.r[4], "$.}");

  // Four annealing steps, the temperature halved after each.
  const auto cycle_length = [&t, &v] {
    int sum = 0;
    for (int k = 1; k <= 6; ++k) sum += t.length[v[k + 1]][v[k]];
    return sum;
  };
  int lengths[6] = {};
  double temperature = 100;
  lengths[0] = cycle_length();
  for (int k = 1; k <= 4; ++k) {
    int copy[8];
    std::copy(v, v + 8, copy);
    const int old_length = cycle_length();
    std::swap(v[a[k]], v[b[k]]);
    lengths[k] = cycle_length();
    const int delta = lengths[k] - old_length;
    if (delta > 0 && t.r[k] > 100 * std::exp(-delta / temperature)) std::copy(copy, copy + 8, v);
    temperature *= 0.5;
  }
  lengths[5] = cycle_length();
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " ");
  for (int k = 0; k <= 5; ++k) toolkit::AnsWriteTextNumber(s, "&", lengths[k], " ");
  toolkit::AnsWriteLine(s, "");
}

}  // namespace

void BeginAntAndAnnealingProblem(SharedState& s, int mode) {
  s.ParboxWidth = 170;
  toolkit::AnsBeginTable(s, 6);
  // Mode 1 has a statement for levels 1 and 2; every other level gives level 1's problem.
  level_copy = mode == 1 && s.Level == 2 ? 2 : 1;
  if (mode == 1 && level_copy == 1) {
    toolkit::AnsWriteLine(s, "\\No\\ru & Путь & Расстояние \\\\\\hline");
    toolkit::WriteLine(s, kAntStatement);
  } else if (mode == 1) {
    toolkit::AnsWriteLine(s, "\\No\\ru & Путь & $L_1$& Путь & $L_2$ \\\\\\hline");
    toolkit::WriteLine(s, kTwoAntsStatement);
  } else {
    toolkit::AnsWriteLine(s, "\\No\\ru &0&1&2&3&4&5 \\\\\\hline");
    toolkit::WriteLine(s, kAnnealingStatement);
  }
  s.NodeGap = 5;
}

void WriteAntAndAnnealingVariant(SharedState& s, int mode) {
  s.NodeGap = 5;
  Tour t;
  for (int k = 1; k <= 3; ++k) {
    t.r[k] = (k == 1 ? s.P5 : k == 2 ? s.P6 : s.P7) + 20;
    t.r[3 + k] = 110 - t.r[k] + k;
  }
  const int n = 4 + mode;
  const double base_x[6] = {0, 3, 0, 15, 30, 27}, base_y[6] = {0, 0, 20, 35, 20, 0};
  for (int k = 1; k <= 5; ++k) {
    s.PointX[k] = base_x[k];
    s.PointY[k] = base_y[k];
  }
  s.PointX[6] = (base_x[2] + base_x[4]) / 2;
  s.PointY[6] = (base_y[2] + base_y[4]) / 2 - 3;
  for (int k = 1; k <= 5; ++k) {
    s.PointX[k] += Bit(s.P1 - 1, k) + 3 * Bit(s.P2 - 1, k);
    s.PointY[k] += Bit(s.P3 - 1, k) + 3 * Bit(s.P4 - 1, k);
  }
  s.BoxWidth = 100;
  s.BoxHeight = 80;
  figures::FitPointsToBox(s, n, 0);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      t.length[i][j] = figures::PointDistanceRounded(s, i, j) / mode;
      if (i != j && t.length[i][j] == 0) {
        throw toolkit::DegenerateDataError(
            "AI row " + std::to_string(n + 7) + ", complete graph: edge " + std::to_string(i) +
            "-" + std::to_string(j) + " of length 0, P1..P7 = " + Parameters(s));
      }
    }
  }
  for (int i = 1; i <= 5; ++i) {
    for (int j = i; j <= 5; ++j) {
      t.tau[i][j] = 1 + Bit(s.P4 - 1, i) + Bit(s.P3 - 1, j);
      t.tau[j][i] = t.tau[i][j];
    }
  }

  // The ring of vertices stands 35 (mode 2: 15) pt below the line, beside the table of edges:
  // the lowered box holds it all (x = -5..93, 5 pt below the origin to 85 above).
  toolkit::BeginLoweredPicture(s, 104, 92, -10, -6, mode == 1 ? 41 : 21);
  toolkit::WriteText(s, "\\Red{");
  for (int i = 1; i <= n; ++i) {
    figures::DrawCircleAtPoint10(s, i);
    figures::PutValueLabelNonZero(s, s.PointX[i] - 2, s.PointY[i] - 2, i);
  }
  figures::SetLineWidth(s, 8);
  toolkit::WriteText(s, "}\\Blue{");
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) figures::DrawBar(s, i, j);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndLoweredPicture(s);

  if (mode == 1) {
    const int level = level_copy;
    if (level == 1) {
      toolkit::WriteLine(s,
                         "\\hfill\\parbox{92pt}{\\scriptsize\\begin{tabular}{c|c|c}Ребро "
                         "&$L_{k,j}$&$\\tau_{k,j}$\\\\\\hline");
      for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 5; ++j) {
          toolkit::WriteText4NumbersLn(s, "$", i, "-", j, "$ & ", t.length[i][j], " & ",
                                       t.tau[i][j], "\\\\");
        }
      }
    } else {
      toolkit::WriteLine(s,
                         "\\hfill\\parbox{72pt}{\\scriptsize\\begin{tabular}{c|c}Ребро "
                         "&$L_{k,j}$\\\\\\hline");
      for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 5; ++j) {
          toolkit::WriteText3NumbersLn(s, "$", i, "-", j, "$ & ", t.length[i][j], "\\\\");
        }
      }
    }
    toolkit::WriteText(s, "\\hline\\end{tabular}}\\vskip2mm {\\small $P=");
    const int shown = level == 2 ? 6 : 3;
    for (int k = 1; k < shown; ++k) toolkit::WriteTextNumberLn(s, "", t.r[k], ",");
    toolkit::WriteTextNumberLn(s, "", t.r[shown], "$.}");

    toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
    if (level == 2) {
      for (auto& row : t.tau) {
        for (double& x : row) x = 1;
      }
    }
    const std::array<int, 5> first = AntWalk(s, t, 0);
    if (level == 2) {
      const double raised = 1 + 100.0 / first[0];
      int cycle[6] = {1, first[1], first[2], first[3], first[4], 1};
      for (int k = 0; k < 5; ++k) {
        t.tau[cycle[k]][cycle[k + 1]] = raised;
        t.tau[cycle[k + 1]][cycle[k]] = raised;
      }
      AntWalk(s, t, 3);
    }
  } else {
    WriteAnnealing(s, t);
  }
  s.NodeGap = 1.5;
}

}  // namespace ai
