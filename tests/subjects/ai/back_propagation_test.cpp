#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Cells;
using ai_check::DataRow;
using ai_check::LabelsByPosition;
using ai_check::RunAiVariant;

constexpr int kRow = 7;

using Labels = std::map<std::pair<double, double>, double>;

double At(const Labels& labels, double x, double y) {
  const auto it = labels.find({x, y});
  if (it == labels.end()) {
    throw std::runtime_error("no label at " + std::to_string(x) + "," + std::to_string(y));
  }
  return it->second;
}

Labels VariantLabels(const std::string& main) {
  return LabelsByPosition(main.substr(main.rfind("\\begin{picture}(100,148)")));
}

double Four(double x) { return std::nearbyint(x * 10000) / 10000; }

TEST(BackPropagationTest, GoldenCorrectedWeights) {
  const std::pair<std::pair<double, double>, double> cases[] = {
      {{114, 100}, 1},  // P2 = 1: W[1][2] = -1, so U[2] = 1
      {{153, 20}, -3},  // P6 = 1: W[3][1] = -3
      {{182, 27}, -3},  // P7 = 3: W[3][3] = -3
  };
  const Labels l = VariantLabels(RunAiVariant(kRow, {2, 1, 3, 4, 5, 1, 3}).main);
  for (const auto& [at, value] : cases) EXPECT_EQ(At(l, at.first, at.second), value);
  EXPECT_EQ(At(VariantLabels(RunAiVariant(kRow, {2, 3, 3, 4, 5, 2, 1}).main), 164, 33), -3);
}

TEST(BackPropagationTest, LevelsChangeTheSentenceAndFigureNotTheAnswers) {
  const auto one = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 1, 9);
  const auto two = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 2, 9);
  const auto ten = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 10, 9);
  EXPECT_EQ(one.answers, two.answers);
  EXPECT_EQ(ten.answers, two.answers);
  EXPECT_NE(one.main.find(" С коэффициентом обучения 10 найти новые веса сети после 1 цикла "
                          "обучения. \\\\\\noindent"),
            std::string::npos);
  // Every Level but 1 asks for the errors: no variant goes out without a question.
  for (const auto* out : {&two, &ten}) {
    EXPECT_NE(out->main.find(" Найти ошибки сети первого прохода\\\\\\noindent"),
              std::string::npos);
  }
  EXPECT_EQ(two.main, ten.main);
  EXPECT_NE(one.main.find("{\\footnotesize "), one.main.rfind("{\\footnotesize "));
  EXPECT_EQ(DataRow(one.answers, true), "9 &   -735\r\n&   546\r\n&  -182\r\n&   733");
}

/// One forward pass of the drawn network with the outputs kept to four decimals, then the
/// error terms.
TEST(BackPropagationTest, AnswersFollowFromTheDrawnNetwork) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({3, 5, 5, 5, 5, 5, 5}, 3000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string where = testing_support::Describe(point);
    const Labels l = VariantLabels(out.main);
    const double x[3] = {At(l, 46, 6), At(l, 106, 6), At(l, 166, 6)};
    const std::pair<double, double> w_at[3][3] = {{{54, 27}, {71, 33}, {82, 20}},
                                                  {{69, 56}, {114, 27}, {167, 56}},
                                                  {{153, 20}, {164, 33}, {182, 27}}};
    const std::pair<double, double> bias_at[3] = {{22, 82}, {82, 82}, {142, 82}};
    const std::pair<double, double> u_at[3] = {{65, 100}, {114, 100}, {168, 100}};
    double y[3];
    double net_out = At(l, 82, 130);
    for (int h = 0; h < 3; ++h) {
      double net = At(l, bias_at[h].first, bias_at[h].second);
      for (int k = 0; k < 3; ++k) net += At(l, w_at[k][h].first, w_at[k][h].second) * x[k];
      y[h] = Four(1 / (1 + std::exp(-net)));
      net_out += At(l, u_at[h].first, u_at[h].second) * y[h];
      if (point.level == 1) {
        EXPECT_TRUE(ai_check::PrintedAs(At(l, 46 + 60 * h, 86), y[h], 4)) << where;
      }
    }
    const double o = Four(1 / (1 + std::exp(-net_out)));
    const double t = std::nearbyint(o);
    EXPECT_EQ(At(l, 119, 155), t) << where;
    if (point.level == 1) EXPECT_TRUE(ai_check::PrintedAs(At(l, 106, 134), o, 4)) << where;
    const double delta4 = (t - o) * o * (1 - o);
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 5u) << where << out.answers;
    EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[1]), delta4 * 10000, 0)) << where;
    for (int h = 0; h < 3; ++h) {
      const double u = At(l, u_at[h].first, u_at[h].second);
      const double delta = delta4 * u * y[h] * (1 - y[h]);
      EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[2 + h]), delta * 10000, 0)) << where << h;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 15625 * 10));
}

}  // namespace
