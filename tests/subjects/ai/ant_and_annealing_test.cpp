#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Between;
using ai_check::Cells;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kAntRow = 12;
constexpr int kAnnealingRow = 13;

struct EdgeTable {
  double length[7][7] = {};
  double tau[7][7] = {};
  int rows = 0;
};

/// The printed edge table: "$i-j$ & L & tau\\" (tau only at level 1).
EdgeTable PrintedEdges(const std::string& main) {
  EdgeTable t;
  const std::string table = Between(main, "\\hline\r\n", "\\hline\\end{tabular}");
  std::size_t at = 0;
  while ((at = table.find('$', at)) != std::string::npos) {
    const std::size_t end = table.find("\\\\", at);
    const auto v = Numbers(table.substr(at, end - at));
    at = end;
    if (v.size() < 3) continue;
    const int i = static_cast<int>(v[0]), j = static_cast<int>(-v[1]);  // "i-j" reads as i, -j
    t.length[i][j] = t.length[j][i] = v[2];
    t.tau[i][j] = t.tau[j][i] = v.size() > 3 ? v[3] : 1;
    ++t.rows;
  }
  return t;
}

struct Walk {
  std::string tour;
  double length = 0;
  std::array<int, 6> cycle{};
  bool boundary = false;  // a stated number fell on a sector boundary
};

/// An ant from vertex 1: sectors in ascending vertex order, a number on a boundary taking the
/// lower sector.
Walk ReplayAnt(const EdgeTable& t, const double r[3]) {
  Walk w;
  bool visited[6] = {};
  int current = 1;
  w.cycle[0] = 1;
  for (int step = 0; step < 3; ++step) {
    visited[current] = true;
    double total = 0;
    for (int j = 1; j <= 5; ++j) {
      if (!visited[j]) total += t.tau[current][j] / t.length[current][j];
    }
    double upper = 0;
    int chosen = 0;
    for (int j = 1; j <= 5 && chosen == 0; ++j) {
      if (visited[j]) continue;
      upper += 100 * (t.tau[current][j] / t.length[current][j]) / total;
      if (std::fabs(r[step] - upper) < 1e-9) w.boundary = true;
      if (r[step] <= upper + 1e-9) chosen = j;
    }
    w.length += t.length[current][chosen];
    current = chosen;
    w.cycle[step + 1] = chosen;
  }
  visited[current] = true;
  for (int j = 1; j <= 5; ++j) {
    if (!visited[j]) w.cycle[4] = j;
  }
  w.cycle[5] = 1;
  w.length += t.length[current][w.cycle[4]] + t.length[w.cycle[4]][1];
  w.tour = "1";
  for (int k = 1; k <= 5; ++k) w.tour += "-" + std::to_string(w.cycle[k]);
  return w;
}

TEST(AntColonyTest, GoldenVariants) {
  // P1..P4 = 1: the pentagon unperturbed, tau = 1 on every edge.
  auto out = RunAiVariant(kAntRow, {1, 1, 1, 1, 1, 1, 1}, 1, 2);
  EXPECT_NE(out.main.find("$1-2$ & 46 & 1\\\\\r\n"), std::string::npos) << out.main;
  EXPECT_NE(out.main.find("{\\small $P=21,\r\n21,\r\n21$.}"), std::string::npos);
  EXPECT_EQ(DataRow(out.answers, true), "2&1-2-3-4-5-1 & 243");
  // Level 2: no tau column; two ants, the first on uniform pheromone.
  out = RunAiVariant(kAntRow, {1, 1, 32, 32, 1, 1, 1}, 2);
  EXPECT_NE(out.main.find("Ребро &$L_{k,j}$\\\\\\hline\r\n$1-2$ & "), std::string::npos);
  EXPECT_NE(out.main.find("$P=21,\r\n21,\r\n21,\r\n90,\r\n91,\r\n92$.}"), std::string::npos);
  EXPECT_NE(out.answers.find("\\No\\ru & Путь & $L_1$& Путь & $L_2$ \\\\\\hline"),
            std::string::npos);
  // Levels other than 1 and 2 give level 1's problem: statement, head, table and one ant.
  for (int level : {3, 10}) {
    out = RunAiVariant(kAntRow, {1, 1, 1, 1, 1, 1, 1}, level, 2);
    EXPECT_NE(out.main.find("Найти длину пути муравья"), std::string::npos);
    EXPECT_NE(out.main.find("$1-2$ & 46 & 1\\\\\r\n"), std::string::npos) << out.main;
    EXPECT_EQ(DataRow(out.answers, true), "2&1-2-3-4-5-1 & 243");
  }
}

TEST(AntColonyTest, ANumberOnASectorBoundaryTakesTheLowerSector) {
  // From vertex 3 the candidates 2 and 4 weigh 2/45 and 3/45: sectors 0..40 and 40..100, and
  // the third number is 40.
  const auto out = RunAiVariant(kAntRow, {25, 8, 10, 8, 58, 40, 20}, 1);
  EXPECT_NE(out.main.find("$2-3$ & 45 & 2\\\\\r\n"), std::string::npos) << out.main;
  EXPECT_NE(out.main.find("$3-4$ & 45 & 3\\\\\r\n"), std::string::npos);
  EXPECT_NE(out.main.find("$P=78,\r\n60,\r\n40$.}"), std::string::npos);
  EXPECT_EQ(DataRow(out.answers, true), "1&1-5-3-2-4-1 & 298");
}

// Both ants replayed from the printed edge table and numbers P.
TEST(AntColonyTest, ToursReplayFromThePrintedData) {
  long long checked = 0, boundaries = 0;
  for (const auto& point : ai_check::LargeSweep({32, 32, 32, 32, 60, 60, 60}, 3000, 100000)) {
    const auto out = RunAiVariant(kAntRow, point.p, point.level);
    EdgeTable t = PrintedEdges(out.main);
    ASSERT_EQ(t.rows, 10) << out.main;
    const auto p = Numbers(Between(out.main, "{\\small $P=", "$.}"));
    const bool two = point.level == 2;
    ASSERT_EQ(p.size(), two ? 6u : 3u);
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), two ? 5u : 3u) << out.answers;
    const Walk first = ReplayAnt(t, &p[0]);
    boundaries += first.boundary;
    EXPECT_EQ(cells[1], first.tour) << testing_support::Describe(point);
    EXPECT_EQ(std::stod(cells[2]), first.length) << testing_support::Describe(point);
    if (two) {
      for (int k = 0; k < 5; ++k) {
        const int a = first.cycle[k], b = first.cycle[k + 1];
        t.tau[a][b] = t.tau[b][a] = 1 + 100 / first.length;
      }
      const Walk second = ReplayAnt(t, &p[3]);
      boundaries += second.boundary;
      EXPECT_EQ(cells[3], second.tour) << testing_support::Describe(point);
      EXPECT_EQ(std::stod(cells[4]), second.length) << testing_support::Describe(point);
    }
    ++checked;
  }
  std::printf("%lld of %lld variants have a number on a sector boundary\n", boundaries, checked);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

TEST(AnnealingTest, GoldenVariant) {
  // All 1: V = 1..6 and the exchanges (2,3), (3,4), (4,5), (5,6).
  const auto out = RunAiVariant(kAnnealingRow, {1, 1, 1, 1, 1, 1, 1}, 1, 3);
  EXPECT_NE(out.main.find("$\\mathbf{V}=[1,2,\r\n3,\r\n4,\r\n5,\r\n6,\r\n1]$.\\par"),
            std::string::npos)
      << out.main;
  EXPECT_NE(out.main.find("$\\mathbf{Z} = $ $[V_2 \\rightleftarrows V_3]$,\r\n"
                          " $[V_3 \\rightleftarrows V_4]$,\r\n\\par \\hskip7mm "
                          " $[V_4 \\rightleftarrows V_5]$, \r\n"
                          " $[V_5 \\rightleftarrows V_6].$} \r\n"),
            std::string::npos);
  EXPECT_NE(out.main.find("$\\mathbf{P}=21,\r\n21,\r\n21,\r\n3$.}"), std::string::npos);
}

// The four steps replayed from the printed L table, V, Z and P: a worse cycle is accepted when
// 100 exp(-dS/T) >= P_k.
TEST(AnnealingTest, StepsReplayFromThePrintedData) {
  long long checked = 0;
  for (const auto& point : ai_check::LargeSweep({32, 32, 32, 32, 79, 79, 79}, 3000, 100000)) {
    const auto out = RunAiVariant(kAnnealingRow, point.p, point.level);
    const EdgeTable t = PrintedEdges(out.main);
    ASSERT_EQ(t.rows, 15);
    const auto v0 = Numbers(Between(out.main, "$\\mathbf{V}=[", "]$"));
    ASSERT_EQ(v0.size(), 7u);
    std::array<int, 8> v{};
    for (int k = 1; k <= 7; ++k) v[k] = static_cast<int>(v0[k - 1]);
    const std::string z = Between(out.main, "$\\mathbf{Z} = $", "$} ");
    std::vector<std::pair<int, int>> swaps;
    for (std::size_t at = 0; (at = z.find("[V_", at)) != std::string::npos; ++at) {
      const auto pair = Numbers(Between(z, "[V_", "]", at));
      swaps.emplace_back(static_cast<int>(pair.at(0)), static_cast<int>(pair.at(1)));
    }
    ASSERT_EQ(swaps.size(), 4u);
    const auto p = Numbers(Between(out.main, "$\\mathbf{P}=", "$.}"));
    ASSERT_EQ(p.size(), 4u);
    const auto cycle_length = [&t](const std::array<int, 8>& c) {
      double sum = 0;
      for (int k = 1; k <= 6; ++k) sum += t.length[c[k]][c[k + 1]];
      return sum;
    };
    std::vector<double> expected{cycle_length(v)};
    double temperature = 100;
    for (int k = 0; k < 4; ++k) {
      std::array<int, 8> next = v;
      std::swap(next[swaps[k].first], next[swaps[k].second]);
      const double delta = cycle_length(next) - cycle_length(v);
      expected.push_back(cycle_length(next));
      if (delta <= 0 || 100 * std::exp(-delta / temperature) >= p[k]) v = next;
      temperature /= 2;
    }
    expected.push_back(cycle_length(v));
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 7u) << out.answers;
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(std::stod(cells[1 + k]), expected[k]) << testing_support::Describe(point);
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 100000));
}

}  // namespace
