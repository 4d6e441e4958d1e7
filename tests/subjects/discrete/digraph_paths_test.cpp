#include <gtest/gtest.h>

#include <set>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Point;
using discrete_check::RowRunner;

// The five vertices of the figure.
const std::vector<Point> kVertices = {{0, 40}, {40, 40}, {40, 0}, {0, 0}, {80, 40}};

using Matrix = std::array<std::array<long, 6>, 6>;

Matrix ReadDigraph(const std::string& main) {
  Matrix a{};
  for (const auto& v : picture_read::ReadVectors(main)) {
    a[static_cast<std::size_t>(discrete_check::Nearest(kVertices, v.from))]
     [static_cast<std::size_t>(discrete_check::Nearest(kVertices, v.to))] += 1;
  }
  return a;
}

long Walks3(const Matrix& a) {
  long total = 0;
  for (std::size_t i = 1; i <= 5; ++i)
    for (std::size_t j = 1; j <= 5; ++j)
      for (std::size_t k = 1; k <= 5; ++k)
        for (std::size_t l = 1; l <= 5; ++l) total += a[i][j] * a[j][k] * a[k][l];
  return total;
}

TEST(DigraphPaths, WorkedExamples) {
  RowRunner run(6, 1);
  EXPECT_EQ(run.BeginMain(), " Сколько в графе маршрутов длины 3?\\\\\\noindent");
  struct Case {
    testing_support::VariantParams p;
    std::set<std::pair<int, int>> arcs;
    std::string row;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}}, "1  &2  \\\\"},
      {{18, 18, 18, 18, 18, 1, 1}, {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {5, 4}}, "1  &2  \\\\"},
      {{5, 9, 2, 14, 7, 1, 1}, {{1, 3}, {1, 4}, {2, 1}, {2, 4}, {3, 4}, {3, 5}, {4, 5}, {5, 2}}, "1  &15  \\\\"},
  };
  for (const Case& c : cases) {
    const auto [main, answers] = run.RunVariant(c.p);
    const Matrix a = ReadDigraph(main);
    std::set<std::pair<int, int>> arcs;
    for (int i = 1; i <= 5; ++i)
      for (int j = 1; j <= 5; ++j)
        if (a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] != 0) arcs.insert({i, j});
    EXPECT_EQ(arcs, c.arcs);
    EXPECT_EQ(answers, c.row);
  }
}

// The count is the sum of A^3 over the drawn arcs: eight arcs on eight different pairs.
TEST(DigraphPaths, CountIsTheSumOfTheCubeOfTheDrawnDigraph) {
  RowRunner run(6, 1);
  long largest = 0;
  picture_read::ForEachSample({18, 18, 18, 18, 18, 1, 1}, 20000, 18L * 18 * 18 * 18 * 18, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const Matrix a = ReadDigraph(main);
    int arcs = 0;
    for (std::size_t i = 1; i <= 5; ++i) {
      for (std::size_t j = 1; j <= 5; ++j) {
        arcs += static_cast<int>(a[i][j]);
        ASSERT_LE(a[i][j] + a[j][i], 1);
      }
    }
    ASSERT_EQ(arcs, 8);
    const long walks = Walks3(a);
    largest = std::max(largest, walks);
    ASSERT_EQ(discrete_check::Integers(discrete_check::Cells(answers).at(1)), std::vector<long>{walks});
  });
  EXPECT_LE(largest, 21);
}

}  // namespace
