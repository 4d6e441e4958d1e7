#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "tests/subjects/discrete/picture_read.h"

namespace {

using discrete_check::RowRunner;

using Pairs = std::set<std::pair<int, int>>;  // (left 1..6, right 1..6)

Pairs ReadPairs(const std::vector<discrete_check::Point>& points, const std::string& text) {
  Pairs pairs;
  for (const auto& bar : discrete_check::ReadBars(text)) {
    int u = discrete_check::Nearest(points, bar.a);
    int v = discrete_check::Nearest(points, bar.b);
    if (u > v) std::swap(u, v);
    EXPECT_TRUE(u <= 6 && v > 6);
    pairs.insert({u, v - 6});
  }
  return pairs;
}

TEST(Matching, WorkedExamples) {
  RowRunner run(23, 1);
  EXPECT_FALSE(run.State().AnsTableOpen);
  const auto [main, answers] = run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(answers.rfind("\\noindent\\parbox[t]{62pt}{\\hfill \\bf 1) $P=1$\\\\ "
                          "\\noindent\\begin{picture}(55,80)(-8,0)%",
                          0),
            0u)
      << answers;
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{ 3}}");
  EXPECT_EQ(ReadPairs(points, main),
            (Pairs{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
  EXPECT_EQ(ReadPairs(points, answers), (Pairs{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}));
  EXPECT_FALSE(run.State().DeterminantMode);
}

// The answer's bars are a matching of the drawn graph of the largest size, and P counts the
// perfect matchings (720 permutations).
TEST(Matching, AnswerIsALargestMatchingAndPCountsThePerfectOnes) {
  RowRunner run(23, 1);
  const auto points = discrete_check::ReadCircles(run.BeginMain(), "{\\circle{ 3}}");
  ASSERT_EQ(points.size(), 12u);
  picture_read::ForEachSample({36, 36, 36, 36, 36, 36, 1}, 3000, 100000, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const Pairs edges = ReadPairs(points, main);
    std::vector<int> perm(6);
    std::iota(perm.begin(), perm.end(), 1);
    int largest = 0;
    long perfect = 0;
    do {
      int size = 0;
      for (int i = 1; i <= 6; ++i) size += edges.count({i, perm[static_cast<std::size_t>(i - 1)]}) != 0 ? 1 : 0;
      largest = std::max(largest, size);
      perfect += size == 6 ? 1 : 0;
    } while (std::next_permutation(perm.begin(), perm.end()));
    const Pairs matching = ReadPairs(points, answers.substr(answers.find("\\begin{picture}")));
    std::set<int> left, right;
    for (const auto& [u, v] : matching) {
      ASSERT_EQ(edges.count({u, v}), 1u) << answers;
      left.insert(u);
      right.insert(v);
    }
    ASSERT_EQ(left.size(), matching.size());
    ASSERT_EQ(right.size(), matching.size());
    ASSERT_EQ(static_cast<int>(matching.size()), largest) << main << answers;
    const std::size_t at = answers.find("$P=") + 3;
    ASSERT_EQ(std::stol(answers.substr(at)), perfect);
  });
}

}  // namespace
