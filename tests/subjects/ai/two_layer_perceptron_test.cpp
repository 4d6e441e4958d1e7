#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "subjects/ai/ai_run.h"

namespace {

using ai_check::Cells;
using ai_check::DataRow;
using ai_check::LabelsByPosition;
using ai_check::RunAiVariant;

constexpr int kRow = 6;

using Labels = std::map<std::pair<double, double>, double>;

double At(const Labels& labels, double x, double y) {
  const auto it = labels.find({x, y});
  if (it == labels.end())
    throw std::runtime_error("no label at " + std::to_string(x) + "," + std::to_string(y));
  return it->second;
}

/// The variant's own picture (the last one: the saveboxes come first).
std::string VariantPicture(const std::string& main) {
  return main.substr(main.rfind("\\begin{picture}(145,131)(-30,-20)"));
}

double Sigma(double x) { return 1 / (1 + std::exp(-x)); }

TEST(TwoLayerPerceptronTest, GoldenCorrections) {
  // P2 = 1: W[1][2] = 0 becomes 1, so V[2][1] = 2 - 1 + P1 = 2; P7 = 2 makes u1 = -1.
  const auto out = RunAiVariant(kRow, {1, 1, 1, 2, 1, 1, 2}, 1, 5);
  const Labels labels = LabelsByPosition(VariantPicture(out.main));
  EXPECT_EQ(At(labels, 37, 10), 1);  // W[1][2]
  EXPECT_EQ(At(labels, 7, 50), 2);   // V[2][1]
  // Inputs (1, 2): the bias of hidden neuron 1 is u1 - (5·1 + 1·2) = -8.
  EXPECT_EQ(At(labels, -27, 43), -8);
  EXPECT_EQ(DataRow(out.answers, true), "5 & 0.0741 & 0.0702");
}

TEST(TwoLayerPerceptronTest, ShapeBHasOneOutputAndADash) {
  for (int p1 : {2, 3}) {
    const auto out = RunAiVariant(kRow, {p1, 3, 2, 4, 5, 1, 3});
    EXPECT_NE(VariantPicture(out.main).find("\\usebox{\\vrsb}"), std::string::npos);
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[2], "---");
  }
  EXPECT_NE(VariantPicture(RunAiVariant(kRow, {1, 3, 2, 4, 5, 1, 3}).main).find("\\usebox{\\vrsa}"),
            std::string::npos);
}

/// The forward pass of the drawn network from its labels: the hidden nets are the prescribed
/// u1, u2, the targets are the rounded outputs and the errors are (t - y)^2 / 2.
TEST(TwoLayerPerceptronTest, AnswersFollowFromTheDrawnNetwork) {
  long long checked = 0;
  for (const auto& point : ai_check::Sweep({3, 5, 5, 5, 5, 5, 5}, 3000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string where = testing_support::Describe(point);
    const Labels l = LabelsByPosition(VariantPicture(out.main));
    const bool shape_a = point.p[0] == 1;
    double u1 = 0.2 * point.p[6] - 0.4;
    if (point.p[6] == 2) u1 = -1;
    const double u2 = 0.2 * point.p[5] - 0.3;
    std::vector<double> y;
    std::vector<double> t;
    if (shape_a) {
      const double x1 = At(l, -12, -18), x2 = At(l, 38, -18);
      const double n1 = At(l, -7, 20) * x1 + At(l, 37, 10) * x2 + At(l, -27, 43);
      const double n2 = At(l, 7, 10) * x1 + At(l, 53, 20) * x2 + At(l, 72, 43);
      EXPECT_NEAR(n1, u1, 1e-9) << where;
      EXPECT_NEAR(n2, u2, 1e-9) << where;
      y.push_back(Sigma(At(l, -7, 60) * Sigma(n1) + At(l, 37, 50) * Sigma(n2) + At(l, -20, 83)));
      y.push_back(Sigma(At(l, 7, 50) * Sigma(n1) + At(l, 53, 60) * Sigma(n2) + At(l, 65, 83)));
      t = {At(l, -4, 102), At(l, 46, 102)};
    } else {
      const double x1 = At(l, -11, -18), x2 = At(l, 39, -18), x3 = At(l, 89, -18);
      EXPECT_EQ(x3, 1) << where;
      const double n1 = At(l, 7, 20) * x1 + At(l, 27, 24) * x2 + At(l, 36, 34) * x3 + At(l, -3, 42);
      const double n2 =
          At(l, 57, 34) * x1 + At(l, 70, 24) * x2 + At(l, 92, 20) * x3 + At(l, 94, 42);
      EXPECT_NEAR(n1, u1, 1e-9) << where;
      EXPECT_NEAR(n2, u2, 1e-9) << where;
      y.push_back(Sigma(At(l, 28, 52) * Sigma(n1) + At(l, 70, 52) * Sigma(n2) + At(l, 22, 83)));
      t = {At(l, 46, 102)};
    }
    const auto cells = Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u) << where;
    for (std::size_t o = 0; o < y.size(); ++o) {
      EXPECT_EQ(t[o], y[o] > 0.5 ? 1 : 0) << where;
      const double e = (t[o] - y[o]) * (t[o] - y[o]) / 2;
      EXPECT_TRUE(ai_check::PrintedAs(std::stod(cells[1 + o]), e, 4))
          << where << " " << cells[1 + o];
      EXPECT_EQ(cells[1 + o].find('.') + 5, cells[1 + o].size()) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3LL * 15625 * 10));
}

}  // namespace
