#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::Point;
using discrete_check::RowRunner;

constexpr std::string_view kLetters = "abcdfg";

double SegmentDistance(const Point& p, const discrete_check::Segment& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  double t = ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / (dx * dx + dy * dy);
  t = std::clamp(t, 0.0, 1.0);
  return picture_read::Distance(p, {s.a.x + t * dx, s.a.y + t * dy});
}

// The weighted arcs of the drawing: every arrow shaft, weighted by the label whose centre lies
// nearest to it.
std::map<std::pair<int, int>, long> ReadWeights(const std::vector<Point>& points,
                                                const std::string& main) {
  std::vector<discrete_check::Segment> shafts;
  for (const auto& s : picture_read::ReadPaths(main)) {
    if (discrete_check::Nearest(points, s.a) != discrete_check::Nearest(points, s.b)) shafts.push_back(s);
  }
  std::map<std::pair<int, int>, long> weights;
  for (const auto& l : picture_read::ReadLabels(main, "\\scriptsize ")) {
    const Point centre{l.at.x + 2, l.at.y + 3};
    std::size_t best = 0;
    for (std::size_t k = 1; k < shafts.size(); ++k) {
      if (SegmentDistance(centre, shafts[k]) < SegmentDistance(centre, shafts[best])) best = k;
    }
    const auto arc = std::make_pair(discrete_check::Nearest(points, shafts[best].a),
                                    discrete_check::Nearest(points, shafts[best].b));
    EXPECT_EQ(weights.count(arc), 0u) << main;
    weights[arc] = l.value;
  }
  EXPECT_EQ(weights.size(), shafts.size()) << main;
  return weights;
}

TEST(TravellingSalesman, WorkedExamples) {
  RowRunner run(30, 1);
  EXPECT_EQ(run.RunVariant({1, 1, 1, 1, 1, 1, 1}).second, "1 & 6 & afdcgb\r\n \\\\");
  EXPECT_EQ(run.State().ArrowSize, 5);
}

// The answer is a cheapest directed Hamiltonian cycle of the drawn weighted graph.
TEST(TravellingSalesman, AnswerIsACheapestCycleOfTheDrawnGraph) {
  RowRunner run(30, 1);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{10}}");
  ASSERT_EQ(points.size(), 6u);
  picture_read::ForEachSample({9, 9, 9, 9, 9, 9, 5}, 4000, 100000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto w = ReadWeights(points, main);
    auto length = [&](const std::vector<int>& c) {
      long sum = 0;
      for (std::size_t k = 0; k < c.size(); ++k) {
        const auto it = w.find({c[k], c[(k + 1) % c.size()]});
        if (it == w.end()) return -1L;
        sum += it->second;
      }
      return sum;
    };
    long best = -1;
    std::vector<int> rest{2, 3, 4, 5, 6};
    do {
      std::vector<int> c{1};
      c.insert(c.end(), rest.begin(), rest.end());
      const long l = length(c);
      if (l >= 0 && (best < 0 || l < best)) best = l;
    } while (std::next_permutation(rest.begin(), rest.end()));
    const auto cells = discrete_check::Cells(answers);
    ASSERT_EQ(cells.size(), 3u) << answers;
    ASSERT_EQ(std::stol(cells[1]), best) << main << answers;
    std::vector<int> written;
    for (char c : cells[2]) written.push_back(static_cast<int>(kLetters.find(c)) + 1);
    ASSERT_EQ(written.size(), 6u);
    ASSERT_EQ(length(written), best) << answers;
  });
}

}  // namespace
