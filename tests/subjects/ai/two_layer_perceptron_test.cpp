#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
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
  return main.substr(main.rfind("\\begin{picture}("));
}

/// How far (px, py) lies from the segment (ax, ay)-(bx, by).
double DistanceToBar(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

/// The weight a reader takes for the bar (ax, ay)-(bx, by): of the labels between the input
/// row and the output's target, the one whose middle (1.75 pt right a character and 2.5 pt up
/// of where a small number is put) is nearest the bar. It must read as that bar's alone: every
/// bar at least 3.5 pt from its middle (off the digits), and no other bar as near as this one.
double WeightOf(const Labels& labels, const std::vector<std::array<double, 4>>& bars,
                std::size_t bar) {
  const auto middle = [](const std::pair<double, double>& at, double v) {
    const double chars = static_cast<double>(std::to_string(std::llround(v)).size());
    return std::pair{at.first + 1.75 * chars, at.second + 2.5};
  };
  const auto& [ax, ay, bx, by] = bars[bar];
  double best = 1e300, value = 0, cx = 0, cy = 0;
  for (const auto& [at, v] : labels) {
    if (at.second < 0 || at.second > 90) continue;
    const auto [mx, my] = middle(at, v);
    const double d = DistanceToBar(mx, my, ax, ay, bx, by);
    if (d < best) best = d, value = v, cx = mx, cy = my;
  }
  const std::string where = "the weight " + std::to_string(value) + " at " +
                            std::to_string(cx) + "," + std::to_string(cy);
  if (best < 3.5) throw std::runtime_error(where + " stands on its bar");
  for (std::size_t other = 0; other < bars.size(); ++other) {
    const auto& [ox, oy, ex, ey] = bars[other];
    if (other != bar && DistanceToBar(cx, cy, ox, oy, ex, ey) <= best + 1)
      throw std::runtime_error(where + " is as near another bar");
  }
  return value;
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
      const double x1 = At(l, -11, -18), x2 = At(l, 64, -18), x3 = At(l, 139, -18);
      EXPECT_EQ(x3, 1) << where;
      // Output (75, 80), hidden (37.5, 40) and (112.5, 40), inputs (0, 0), (75, 0), (150, 0).
      const std::vector<std::array<double, 4>> bars = {
          {37.5, 40, 0, 0},    {37.5, 40, 75, 0},  {37.5, 40, 150, 0}, {112.5, 40, 0, 0},
          {112.5, 40, 75, 0},  {112.5, 40, 150, 0}, {75, 80, 37.5, 40}, {75, 80, 112.5, 40}};
      const auto w = [&](std::size_t bar) { return WeightOf(l, bars, bar); };
      const double n1 = w(0) * x1 + w(1) * x2 + w(2) * x3 + At(l, 9.5, 42);
      const double n2 = w(3) * x1 + w(4) * x2 + w(5) * x3 + At(l, 131.5, 42);
      EXPECT_NEAR(n1, u1, 1e-9) << where;
      EXPECT_NEAR(n2, u2, 1e-9) << where;
      y.push_back(Sigma(w(6) * Sigma(n1) + w(7) * Sigma(n2) + At(l, 47, 83)));
      t = {At(l, 71, 102)};
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
