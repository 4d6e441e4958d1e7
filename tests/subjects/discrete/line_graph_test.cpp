#include <gtest/gtest.h>

#include <set>

#include "shell/dispatch.h"
#include "tests/subjects/discrete/discrete_check.h"

namespace {

using discrete_check::RowRunner;

using Pair = std::pair<int, int>;

Pair Ordered(int a, int b) { return a < b ? Pair{a, b} : Pair{b, a}; }

// The "u,v" labels of the answer picture, in order.
std::vector<Pair> ReadEdgeLabels(const std::string& text) {
  std::vector<Pair> labels;
  const std::string mark = "){\\scriptsize ";
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
    at += mark.size();
    const auto values = discrete_check::Integers(text.substr(at, text.find('}', at) - at));
    labels.push_back({static_cast<int>(values.at(0)), static_cast<int>(values.at(1))});
  }
  return labels;
}

TEST(LineGraph, StatementInEveryBoxAndAnswerPicturesSideBySide) {
  RowRunner run(31, 1);
  EXPECT_EQ(run.BeginAnswers(), "\\tabcolsep=1pt \\noindent\r\n");
  const auto [main, answers] = run.RunVariant({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(main.rfind(" По заданному графу построить его реберный граф.\\par\\noindent \\par", 0), 0u);
  EXPECT_EQ(answers.rfind("\\parbox[b]{76pt}{\\scriptsize 1\\\\\\noindent\\begin{picture}(72,72)(-6,-6)%\r\n", 0), 0u)
      << answers;
  EXPECT_EQ(answers.substr(answers.size() - 28), "\\end{picture}}\\hspace{8pt}\r\n") << answers;
  EXPECT_FALSE(run.State().AnsTableOpen);
  EXPECT_EQ(run.State().NodeGap, 6);
  RowRunner students(31, 1, true);
  students.State().StudentNames[2] = "Иванов";
  EXPECT_EQ(students.RunVariant({1, 1, 1, 1, 1, 1, 1}).second.rfind("\\parbox[b]{76pt}{\\scriptsize 1 Иванов\\\\", 0), 0u);
}

// The answer picture against the line graph of the edges read back from the figure.
TEST(LineGraph, AnswerPictureIsTheLineGraphOfTheDrawnGraph) {
  RowRunner run(31, 1);
  discrete_check::ForEachParams({10, 10, 10, 10, 10, 1, 1}, 1500, [&](const auto& p) {
    const auto [main, answers] = run.RunVariant(p);
    const auto points = discrete_check::ReadCircles(main, "{\\circle{ 3}}");
    ASSERT_EQ(points.size(), 5u);
    std::set<Pair> edges;
    for (const auto& bar : discrete_check::ReadBars(main)) {
      edges.insert(Ordered(discrete_check::Nearest(points, bar.a), discrete_check::Nearest(points, bar.b)));
    }
    ASSERT_FALSE(edges.empty());
    const auto circles = discrete_check::ReadCircles(answers, "{\\circle{12}}");
    const auto labels = ReadEdgeLabels(answers);
    ASSERT_EQ(circles.size(), edges.size()) << answers;
    ASSERT_EQ(labels.size(), edges.size()) << answers;
    EXPECT_EQ(std::set<Pair>(labels.begin(), labels.end()), edges) << answers;
    std::set<Pair> joined;
    for (const auto& bar : discrete_check::ReadBars(answers)) {
      const int a = discrete_check::Nearest(circles, bar.a);
      const int b = discrete_check::Nearest(circles, bar.b);
      // The bars stop at the circles (radius 6).
      EXPECT_NEAR(std::hypot(bar.a.x - circles[static_cast<std::size_t>(a - 1)].x,
                             bar.a.y - circles[static_cast<std::size_t>(a - 1)].y),
                  6, 0.02);
      joined.insert(Ordered(a, b));
    }
    std::set<Pair> expected;
    for (std::size_t a = 0; a < labels.size(); ++a) {
      for (std::size_t b = a + 1; b < labels.size(); ++b) {
        const Pair& ea = labels[a];
        const Pair& eb = labels[b];
        if (ea.first == eb.first || ea.first == eb.second || ea.second == eb.first ||
            ea.second == eb.second)
          expected.insert({static_cast<int>(a) + 1, static_cast<int>(b) + 1});
      }
    }
    EXPECT_EQ(joined, expected) << answers;
  });
}

}  // namespace
