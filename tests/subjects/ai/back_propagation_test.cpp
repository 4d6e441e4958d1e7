#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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
  return LabelsByPosition(main.substr(main.rfind("\\begin{picture}(205,162)")));
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

/// The data rows of every table in text, in order (one variant: one row a table).
std::vector<std::string> TableRows(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t at = 0;
  while ((at = text.find("\\begin{tabular}", at)) != std::string::npos) {
    const std::size_t head_end = text.find("\\\\\\hline", at) + 8;
    const std::size_t end = text.find("\\hline\\end{tabular}", head_end);
    std::string row = text.substr(head_end, end - head_end);
    row = row.substr(0, row.rfind("\\\\"));
    rows.push_back(row);
    at = end;
  }
  return rows;
}

TEST(BackPropagationTest, LevelsChangeTheSentenceAndFigureNotTheErrors) {
  const auto one = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 1, 9);
  const auto two = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 2, 9);
  const auto ten = RunAiVariant(kRow, {3, 2, 4, 1, 5, 3, 2}, 10, 9);
  EXPECT_EQ(ten.answers, two.answers);
  EXPECT_TRUE(two.second_answers.empty());
  // Level 1 asks for the new weights: the error terms, then the weights into neurons 1..4 in
  // three tables of two items, the first in the answers file.
  const auto first = TableRows(one.answers), rest = TableRows(one.second_answers);
  ASSERT_EQ(first.size(), 1u) << one.answers;
  ASSERT_EQ(rest.size(), 2u) << one.second_answers;
  EXPECT_EQ(Cells(first[0]).size(), 9u);
  EXPECT_EQ(Cells(rest[0]).size(), 9u);
  EXPECT_EQ(Cells(rest[1]).size(), 5u);
  EXPECT_EQ(Cells(first[0])[1], Cells(DataRow(two.answers, true))[1]);
  EXPECT_NE(one.answers.find("& $w'_{01}$& $w'_{11}$& $w'_{21}$& $w'_{31}$"), std::string::npos);
  EXPECT_NE(one.second_answers.find("& $w'_{04}$& $w'_{14}$& $w'_{24}$& $w'_{34}$"),
            std::string::npos);
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
  EXPECT_EQ(DataRow(two.answers, true), "9 &   -735\r\n&   546\r\n&  -182\r\n&   733");
}

/// The drawn network: weights into hidden neuron h from input k (k = 0 the bias), into the
/// output from hidden h (h = 0 the bias), the inputs and the target.
struct Network {
  double w[4][3];
  double u[4];
  double x[3];
  double t;
};

/// The error 1/2 (t - o)^2 of the network's output, every value kept in full.
double Error(const Network& n) {
  double net_out = n.u[0];
  for (int h = 0; h < 3; ++h) {
    double net = n.w[0][h];
    for (int k = 0; k < 3; ++k) net += n.w[k + 1][h] * n.x[k];
    net_out += n.u[h + 1] / (1 + std::exp(-net));
  }
  const double o = 1 / (1 + std::exp(-net_out));
  return 0.5 * (n.t - o) * (n.t - o);
}

/// Weight k (0 the bias) into neuron j (0..2 hidden, 3 the output) after one step down the
/// error's slope with the rate 10, the slope taken by central differences: a route apart from
/// the error terms.
double Stepped(Network n, int k, int j) {
  double& weight = j < 3 ? n.w[k][j] : n.u[k];
  const double h = 1e-6, w = weight;
  weight = w + h;
  const double up = Error(n);
  weight = w - h;
  const double down = Error(n);
  return w - 10 * (up - down) / (2 * h);
}

/// One forward pass of the drawn network with the outputs kept to four decimals, then the
/// error terms; at Level 1 the new weights against a step down the error's slope.
TEST(BackPropagationTest, AnswersFollowFromTheDrawnNetwork) {
  double worst = 0;
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
    if (point.level == 1) { EXPECT_TRUE(ai_check::PrintedAs(At(l, 106, 134), o, 4)) << where; }
    const double delta4 = (t - o) * o * (1 - o);
    const auto cells =
        Cells(point.level == 1 ? TableRows(out.answers).at(0) : DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), point.level == 1 ? 9u : 5u) << where << out.answers;
    EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[1]), delta4 * 10000, 0)) << where;
    for (int h = 0; h < 3; ++h) {
      const double u = At(l, u_at[h].first, u_at[h].second);
      const double delta = delta4 * u * y[h] * (1 - y[h]);
      EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[2 + h]), delta * 10000, 0)) << where << h;
    }
    if (point.level == 1) {
      Network n;
      for (int h = 0; h < 3; ++h) {
        n.w[0][h] = At(l, bias_at[h].first, bias_at[h].second);
        for (int k = 0; k < 3; ++k) n.w[k + 1][h] = At(l, w_at[k][h].first, w_at[k][h].second);
        n.u[h + 1] = At(l, u_at[h].first, u_at[h].second);
        n.x[h] = x[h];
      }
      n.u[0] = At(l, 82, 130);
      n.t = t;
      // The printed w'_kj of neuron j: cells 5..8 of the first table, then 1..4 and 5..8 of the
      // second, 1..4 of the third.
      std::vector<double> printed;
      for (std::size_t i = 5; i < 9; ++i) printed.push_back(std::stod(cells[i]));
      const auto rest = TableRows(out.second_answers);
      ASSERT_EQ(rest.size(), 2u) << where;
      for (const std::string& row : rest) {
        const auto more = Cells(row);
        for (std::size_t i = 1; i < more.size(); ++i) printed.push_back(std::stod(more[i]));
      }
      ASSERT_EQ(printed.size(), 16u) << where;
      for (int j = 0; j < 4; ++j) {
        for (int k = 0; k < 4; ++k) {
          const double expected = Stepped(n, k, j);
          const double off = std::fabs(printed[4 * j + k] - expected);
          worst = std::max(worst, off);
          // The student's error terms come from outputs kept to four decimals.
          EXPECT_LT(off, 5e-3) << where << " w'_" << k << j + 1 << " " << expected;
        }
      }
    }
    ++checked;
  }
  std::printf("new weights at most %.5f off the step down the error's slope\n", worst);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 15625 * 10));
}

}  // namespace
