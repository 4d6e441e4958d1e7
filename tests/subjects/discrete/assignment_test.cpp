#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "subjects/discrete/assignment.h"
#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

using Matrix = std::vector<std::vector<long>>;

Matrix ReadCostMatrix(const std::string& main) {
  const std::size_t from = main.find("|}\r\n");
  const std::size_t to = main.find("\\end{tabular}", from);
  const auto values = discrete_check::Integers(main.substr(from + 4, to - from - 4));
  const auto n = static_cast<std::size_t>(std::lround(std::sqrt(static_cast<double>(values.size()))));
  EXPECT_EQ(n * n, values.size());
  Matrix a(n, std::vector<long>(n));
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) a[i][j] = values[i * n + j];
  return a;
}

// Whether the costs, one per row in row order, lie in distinct columns.
bool OnePerRowAndColumn(const Matrix& a, const std::vector<long>& costs, std::size_t row,
                        std::vector<bool>& used) {
  if (row == a.size()) return true;
  for (std::size_t j = 0; j < a.size(); ++j) {
    if (used[j] || a[row][j] != costs[row]) continue;
    used[j] = true;
    if (OnePerRowAndColumn(a, costs, row + 1, used)) return true;
    used[j] = false;
  }
  return false;
}

TEST(Assignment, WorkedExamples) {
  RowRunner run(12, 1);
  const auto [main, answers] = run.RunVariant({3, 5, 2, 7, 1, 4, 6});
  EXPECT_EQ(main,
            "\\vskip2mm $A = $ \\tabcolsep=3pt$\\begin{tabular}{|llll|}\r\n6 & 5 & 5 & 5\\\\ \r\n"
            "5 & 21 & 20 & 26\\\\ \r\n5 & 13 & 16 & 22\\\\ \r\n5 & 19 & 16 & 33\\\\ \r\n"
            "\\end{tabular}$\\ \\ \r\n");
  EXPECT_EQ(discrete_check::Cells(answers).at(1), "39");
  // Levels 5..10 pose the Level 4 problem, matrix style included.
  RowRunner level4(12, 4);
  RowRunner level7(12, 7);
  const auto four = level4.RunVariant({3, 5, 2, 7, 1, 4, 6});
  EXPECT_EQ(level7.RunVariant({3, 5, 2, 7, 1, 4, 6}), four);
  EXPECT_EQ(ReadCostMatrix(four.first).size(), 7u);
  EXPECT_NE(four.first.find("\\scriptsize$\\begin{tabular}{|lllllll|}"), std::string::npos);
}

// Brute force over every permutation of the printed matrix: the listed costs lie one per row
// in distinct columns and their sum, the written total, is the least possible.
TEST(Assignment, AnswerIsAnOptimalAssignmentOfThePrintedMatrix) {
  for (int level = 1; level <= 10; ++level) {
    RowRunner run(12, level);
    picture_read::ForEachSample({10, 10, 10, 10, 10, 10, 10}, level <= 4 ? 400 : 40, 10000, [&](const auto& p) {
      const auto [main, answers] = run.RunVariant(p);
      const Matrix a = ReadCostMatrix(main);
      const std::size_t n = a.size();
      ASSERT_EQ(n, static_cast<std::size_t>(std::min(level, 4) + 3));
      std::vector<std::size_t> perm(n);
      std::iota(perm.begin(), perm.end(), 0);
      long best = -1;
      do {
        long sum = 0;
        for (std::size_t i = 0; i < n; ++i) sum += a[i][perm[i]];
        if (best < 0 || sum < best) best = sum;
      } while (std::next_permutation(perm.begin(), perm.end()));
      const auto cells = discrete_check::Cells(answers);
      ASSERT_EQ(cells.size(), 3u) << answers;
      ASSERT_EQ(std::stol(cells[1]), best) << main << answers;
      const auto costs = discrete_check::Integers(cells[2]);
      ASSERT_EQ(costs.size(), n) << answers;
      ASSERT_EQ(std::accumulate(costs.begin(), costs.end(), 0L), best);
      std::vector<bool> used(n, false);
      ASSERT_TRUE(OnePerRowAndColumn(a, costs, 0, used)) << main << answers;
    });
  }
}

}  // namespace

namespace {

// Costs whose optimum needs a shift of 50 units: one unit a step runs into the cap.
TEST(Assignment, SolverStopsAtTheCapAndReportsIt) {
  auto s = testing_support::NewState();
  auto a = std::make_unique<toolkit::TIntMatrix>();
  auto flow = std::make_unique<toolkit::TIntMatrix>();
  const int costs[3][3] = {{1, 1, 1}, {1, 51, 51}, {1, 51, 51}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) (*a)[i][j] = costs[i - 1][j - 1];
  EXPECT_EQ(discrete::SolveAssignmentByZeros(*s, 3, *a, *flow), 0);
  const int near[3][3] = {{1, 1, 1}, {1, 11, 11}, {1, 11, 11}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) (*a)[i][j] = near[i - 1][j - 1];
  EXPECT_EQ(discrete::SolveAssignmentByZeros(*s, 3, *a, *flow), 11);
}

// The iterations the row's own variants need stay well below the cap.
TEST(Assignment, VariantsNeedFewIterations) {
  auto s = testing_support::NewState();
  int largest = 0;
  for (int level = 1; level <= 4; ++level) {
    RowRunner run(12, level);
    picture_read::ForEachSample({10, 10, 10, 10, 10, 10, 10}, 1000, 30000, [&](const auto& p) {
      const auto [main, answers] = run.RunVariant(p);
      const Matrix printed = ReadCostMatrix(main);
      const int n = static_cast<int>(printed.size());
      auto a = std::make_unique<toolkit::TIntMatrix>();
      auto flow = std::make_unique<toolkit::TIntMatrix>();
      for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
          (*a)[i][j] = static_cast<int>(printed[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)]);
      const int iterations = discrete::SolveAssignmentByZeros(*s, n, *a, *flow);
      ASSERT_GT(iterations, 0);
      largest = std::max(largest, iterations);
    });
  }
  EXPECT_LT(largest, 42);
  std::printf("largest iteration count: %d\n", largest);
}

}  // namespace
