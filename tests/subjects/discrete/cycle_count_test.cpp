#include <gtest/gtest.h>

#include <numeric>

#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::Cells;
using discrete_check::RowRunner;

TEST(CycleCount, BeginDefinesTheGridBoxAndOpensTheTable) {
  RowRunner run(26, 1);
  EXPECT_EQ(run.State().ParboxWidth, 120);
  EXPECT_EQ(run.BeginMain().rfind("\\newsavebox{\\versiny}\\sbox{\\versiny}{%\r\n", 0), 0u);
  EXPECT_EQ(discrete_check::ReadCircles(run.BeginMain(), "{\\circle{ 3}}").size(), 9u);
  EXPECT_EQ(run.BeginAnswers(),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & $C_3$ & $\\mathrm{tr}\\,A^3$ & $C_4$ & Рёбра --- столбцы матрицы инцидентности "
            "\\\\\\hline\r\n");
  run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_TRUE(run.State().TreeGridPreload);  // left set for whoever grows a tree next
}

// Reads the printed matrix: the graph is a spanning tree of the 3 x 3 grid (cells 1 2 3 /
// 4 5 6 / 7 8 9) plus P7 diagonals of one family; the answers are trace(A^3) / 6 and trace(A^3).
TEST(CycleCount, AnswersMatchThePrintedMatrix) {
  RowRunner run(26, 1);
  discrete_check::ForEachParams({9, 4, 5, 5, 5, 2, 3}, 4000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    ASSERT_EQ(main.rfind("\\tabcolsep=2pt\\small$\\begin{tabular}{|lllllllll|}\r\n", 0), 0u) << main;
    const std::size_t from = main.find("|}");
    const auto values = discrete_check::Integers(main.substr(from, main.find("\\end{tabular}") - from));
    ASSERT_EQ(values.size(), 81u) << main;
    int a[10][10] = {};
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) a[i][j] = static_cast<int>(values[static_cast<std::size_t>((i - 1) * 9 + j - 1)]);
    }
    long trace = 0;
    for (int i = 1; i <= 9; ++i) {
      for (int j = 1; j <= 9; ++j) {
        for (int k = 1; k <= 9; ++k) trace += a[i][j] * a[j][k] * a[k][i];
      }
    }
    std::vector<int> parent(10);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int v) {
      while (parent[static_cast<std::size_t>(v)] != v) v = parent[static_cast<std::size_t>(v)];
      return v;
    };
    int grid_edges = 0;
    int diagonals = 0;
    for (int i = 1; i <= 9; ++i) {
      ASSERT_EQ(a[i][i], 0);
      for (int j = i + 1; j <= 9; ++j) {
        ASSERT_EQ(a[i][j], a[j][i]);
        if (a[i][j] == 0) continue;
        ASSERT_EQ(a[i][j], 1);
        const bool grid = j - i == 3 || (j - i == 1 && (i - 1) / 3 == (j - 1) / 3);
        const bool diagonal = (i - 1) / 3 + 1 == (j - 1) / 3 &&
                              (p[5] == 1 ? j - i == 4 && (i - 1) % 3 < 2 : j - i == 2 && (i - 1) % 3 > 0);
        ASSERT_TRUE(grid || diagonal) << i << "-" << j;
        if (diagonal) {
          ++diagonals;
          continue;
        }
        ++grid_edges;
        ASSERT_NE(find(i), find(j)) << "grid edges close a cycle at " << i << "-" << j;
        parent[static_cast<std::size_t>(find(i))] = find(j);
      }
    }
    EXPECT_EQ(grid_edges, 8);
    EXPECT_EQ(diagonals, p[6]);
    // The cycles counted one by one: a triangle is a set of three pairwise joined vertices, a
    // 4-cycle a set of four with one of its three ways round closed.
    int triangles = 0, squares = 0;
    for (int i = 1; i <= 9; ++i) {
      for (int j = i + 1; j <= 9; ++j) {
        for (int k = j + 1; k <= 9; ++k) {
          triangles += a[i][j] * a[j][k] * a[k][i];
          for (int l = k + 1; l <= 9; ++l) {
            squares += a[i][j] * a[j][k] * a[k][l] * a[l][i] + a[i][j] * a[j][l] * a[l][k] * a[k][i] +
                       a[i][k] * a[k][j] * a[j][l] * a[l][i];
          }
        }
      }
    }
    EXPECT_EQ(trace, 6 * triangles);
    const auto cells = Cells(answers);
    ASSERT_EQ(cells.size(), 5u) << answers;
    EXPECT_EQ(cells[1], std::to_string(triangles)) << answers;
    EXPECT_EQ(cells[2], std::to_string(trace)) << answers;
    EXPECT_EQ(cells[3], std::to_string(squares)) << answers;
    // The incidence matrix's columns: every edge of the printed matrix once, "i--j" with i < j,
    // in increasing order.
    std::string edges;
    for (int i = 1; i <= 9; ++i) {
      for (int j = i + 1; j <= 9; ++j) {
        if (a[i][j] == 1) edges += (edges.empty() ? "" : ", ") + std::to_string(i) + "--" + std::to_string(j);
      }
    }
    EXPECT_EQ(cells[4], edges) << answers;
  });
}

}  // namespace
