#include <gtest/gtest.h>

#include <algorithm>
#include <queue>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Point;
using discrete_check::RowRunner;

using Capacities = std::array<std::array<long, 15>, 15>;

// The drawn network: every arrow (the savebox's and the variant's) with the capacity label
// nearest to its midpoint.
Capacities ReadNetwork(const std::string& begin, const std::string& main) {
  std::vector<Point> points(14);
  points[0] = {0, 60};
  points[13] = {160, 60};
  const auto circles = discrete_check::ReadCircles(begin, "{\\circle{10}}");
  EXPECT_EQ(circles.size(), 14u);
  for (std::size_t k = 0; k < 14; ++k) points[k] = circles[k];
  std::vector<picture_read::Vector> vectors = picture_read::ReadVectors(begin);
  const auto own = picture_read::ReadVectors(main);
  vectors.insert(vectors.end(), own.begin(), own.end());
  EXPECT_EQ(vectors.size(), 8u + 8u + 15u);
  Capacities c{};
  std::vector<std::pair<int, int>> arcs;
  for (const auto& v : vectors) {
    arcs.push_back({discrete_check::Nearest(points, v.from), discrete_check::Nearest(points, v.to)});
  }
  for (const auto& l : picture_read::ReadLabels(main, "\\scriptsize ")) {
    const Point centre{l.at.x + 3, l.at.y + 2};
    std::size_t best = 0;
    double best_d = 1e9;
    for (std::size_t k = 0; k < arcs.size(); ++k) {
      const Point& a = points[static_cast<std::size_t>(arcs[k].first - 1)];
      const Point& b = points[static_cast<std::size_t>(arcs[k].second - 1)];
      const double d = picture_read::Distance(centre, {(a.x + b.x) / 2, (a.y + b.y) / 2});
      if (d < best_d) {
        best_d = d;
        best = k;
      }
    }
    auto& cell = c[static_cast<std::size_t>(arcs[best].first)][static_cast<std::size_t>(arcs[best].second)];
    EXPECT_EQ(cell, 0) << "two labels on one arc";
    cell = l.value;
  }
  return c;
}

// Edmonds-Karp from 1 to 14.
long MaxFlow(Capacities c) {
  long total = 0;
  while (true) {
    std::array<int, 15> prev{};
    prev.fill(0);
    prev[1] = 1;
    std::queue<int> queue;
    queue.push(1);
    while (!queue.empty() && prev[14] == 0) {
      const auto u = static_cast<std::size_t>(queue.front());
      queue.pop();
      for (std::size_t v = 1; v <= 14; ++v) {
        if (prev[v] == 0 && c[u][v] > 0) {
          prev[v] = static_cast<int>(u);
          queue.push(static_cast<int>(v));
        }
      }
    }
    if (prev[14] == 0) return total;
    long bottleneck = 1000;
    for (std::size_t v = 14; v != 1; v = static_cast<std::size_t>(prev[v]))
      bottleneck = std::min(bottleneck, c[static_cast<std::size_t>(prev[v])][v]);
    for (std::size_t v = 14; v != 1; v = static_cast<std::size_t>(prev[v])) {
      c[static_cast<std::size_t>(prev[v])][v] -= bottleneck;
      c[v][static_cast<std::size_t>(prev[v])] += bottleneck;
    }
    total += bottleneck;
  }
}

TEST(NetworkFlow, WorkedExamples) {
  RowRunner run(9, 1);
  EXPECT_NE(run.BeginAnswers().find("\\No &$\\Sigma$& $\\Sigma_{in}$ &$\\Sigma_{out}$\\\\\\hline"),
            std::string::npos);
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, " 1 \r\n&12 \r\n&20  \r\n&16  \r\n \\\\");
  EXPECT_EQ(run.RunVariant({64, 64, 64, 64, 64, 1, 1}).second, " 1 \r\n&24 \r\n&36  \r\n&36  \r\n \\\\");
  run.State().FirstNumber = 5;
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second.rfind(" 5 \r\n", 0), 0u);
}

// Edmonds-Karp on the drawn network gives the written maximum flow; the entry and exit sums
// are those of the drawn capacities.
TEST(NetworkFlow, AnswersAgreeWithTheDrawnNetwork) {
  RowRunner run(9, 1);
  picture_read::ForEachSample({64, 64, 64, 64, 64, 1, 1}, 3000, 100000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const Capacities c = ReadNetwork(run.BeginMain(), main);
    const auto values = discrete_check::Integers(answers);
    ASSERT_EQ(values.size(), 4u) << answers;
    long in = 0, out = 0;
    for (std::size_t k = 1; k <= 14; ++k) {
      in += c[1][k];
      out += c[k][14];
    }
    ASSERT_EQ(values[1], MaxFlow(c)) << main;
    ASSERT_EQ(values[2], in);
    ASSERT_EQ(values[3], out);
  });
}

}  // namespace
