#include "subjects/statics/force_system_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/statics.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using statics_testing::SingleRow;
using testing_support::VariantParams;

testing_support::RunTexts RunRow(int row, const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  static int current = 0;
  current = row;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginStaticsProblem(st, current); },
      [](SharedState& st) { WriteStaticsVariant(st, current); }, {p});
}

std::string Fixed(const std::vector<double>& v) {
  std::string out;
  char buf[32];
  for (double x : v) {
    std::snprintf(buf, sizeof buf, "&%8.3f", x);
    out += buf;
  }
  return out;
}

// The reduction's answers row: its first six cells in the answers file, the other six in the
// second answers file, each table with the variant number.
std::string ReductionRow(const testing_support::RunTexts& t) {
  const std::string second = SingleRow(t.second_answers);
  const std::size_t amp = second.find('&');
  return SingleRow(t.answers) + (amp == std::string::npos ? "|" + second : second.substr(amp));
}

TEST(ForceSystemReductionTest, BeginWritesTheBoxTheHeadsAndTheStatements) {
  const auto reduction = RunRow(12, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(reduction.main.find("\\newsavebox{\\kbik}\\sbox{\\kbik}{%\r\n"), 0u);
  EXPECT_NE(reduction.main.find("Find the intersection points of the central helical axis with "
                                "the plane $xy$."),
            std::string::npos);
  EXPECT_NE(reduction.main.find("\\Red{(p.111.)}"), std::string::npos);
  EXPECT_NE(reduction.answers.find("\\tabcolsep=2pt\\noindent\\begin{center}"), std::string::npos);
  EXPECT_NE(
      reduction.answers.find("&$R_x$ \r\n&$R_y$ \r\n& $R_z$ \r\n& $R$ \r\n& $M_x$ \r\n& $M_y$\r\n"),
      std::string::npos)
      << reduction.answers;
  EXPECT_NE(reduction.second_answers.find(
                "&$M_z$ \r\n&$M$ \r\n&$I$\r\n& $M_{min}$ \r\n& $x_A$ \r\n&$y_A$\r\n"),
            std::string::npos)
      << reduction.second_answers;
  const auto moments = RunRow(22, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(moments.main.find("Find the moments of forces about the axes."), std::string::npos);
  EXPECT_NE(moments.main.find("\\Red{(p.91.)}"), std::string::npos);
  EXPECT_NE(moments.answers.find("$M_{3y}$&$M_{3z}$ \\\\[7pt] \\hline"), std::string::npos);
}

TEST(ForceSystemReductionTest, GoldenLines) {
  struct Case {
    const char* what;
    int row;
    VariantParams p;
    std::vector<double> cells;
  };
  const Case cases[] = {
      {"first set, reduction",
       12,
       {1, 1, 1, 1, 1, 1, 1},
       {1.756, 2.195, 1.849, 3.364, 2.657, 1.874, 0.000, 3.252, 8.780, 2.610, -0.093, 0.701}},
      {"first set, axis moments",
       22,
       {1, 1, 1, 1, 1, 1, 1},
       {5.000, 0.000, 0.000, -2.343, 1.874, 0.000, 0.000, 0.000, 0.000}},
      {"second set, reduction",
       12,
       {4, 4, 2, 2, 1, 1, 1},
       {-4.040, 4.950, 5.970, 8.744, 0.000, -48.000, 40.000, 62.482, 1.206, 0.138, 8.053, 0.011}},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(c.row, c.p, 5);
    EXPECT_EQ(c.row == 12 ? ReductionRow(t) : SingleRow(t.answers), "  5" + Fixed(c.cells))
        << c.what << "\n"
        << t.answers << "\n"
        << t.second_answers;
  }
  const auto t = RunRow(12, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(t.main.find("\\vskip1pt\\hskip6mm\\parbox[b]{125pt}{ \r\n $F_1= 1$,\r\n $F_2= 1$,\r\n"
                        " $F_3= 2$.}\r\n"),
            std::string::npos)
      << t.main;
  EXPECT_NE(t.main.find("\\noindent\\begin{picture}(161,105)(12,9)%"), std::string::npos);
}

// The drawn box: where each vertex is drawn (unit 23) and which of its coordinates are the
// box's edges.
struct DrawnVertex {
  double X, Y;
  int ux, uy, uz;
};
constexpr DrawnVertex kDrawn[8] = {{46, 46, 0, 0, 0},  {46, 92, 0, 0, 1}, {115, 46, 0, 1, 0},
                                   {115, 92, 0, 1, 1}, {23, 23, 1, 0, 0}, {23, 69, 1, 0, 1},
                                   {92, 23, 1, 1, 0},  {92, 69, 1, 1, 1}};

int VertexAt(double x, double y) {
  for (int v = 0; v < 8; ++v)
    if (std::fabs(kDrawn[v].X - x) < 1e-6 && std::fabs(kDrawn[v].Y - y) < 1e-6) return v;
  return -1;
}

// The nearest vertex on the ray from vertex `from` along (dx, dy).
int VertexAlong(int from, double dx, double dy) {
  int best = -1;
  double best_t = 1e9;
  for (int v = 0; v < 8; ++v) {
    const double ex = kDrawn[v].X - kDrawn[from].X, ey = kDrawn[v].Y - kDrawn[from].Y;
    const double t = (ex * dx + ey * dy) / (dx * dx + dy * dy);
    if (v == from || t <= 0 || std::fabs(ex * dy - ey * dx) > 1e-6) continue;
    if (t < best_t) {
      best_t = t;
      best = v;
    }
  }
  return best;
}

// Every answer recomputed from the figure (dimension labels, the three arrows, where they
// start and which vertex they point at) and the printed magnitudes.
TEST(ForceSystemReductionTest, TheAnswersAreTheMomentsOfTheDrawnForces) {
  int checked = 0;
  for (int p1 = 1; p1 <= 4; ++p1)
    for (int p2 = 1; p2 <= 4; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 3; ++p4) {
          const VariantParams p{p1, p2, p3, p4, 1, 1, 1};
          const std::string where =
              std::to_string(p1) + std::to_string(p2) + std::to_string(p3) + std::to_string(p4);
          const auto t12 = RunRow(12, p);
          const auto t22 = RunRow(22, p);
          const std::string& m = t12.main;
          const std::size_t picture = m.find("\\begin{picture}(161");
          const std::size_t forces = m.find("\\thicklines{", picture);
          ASSERT_NE(forces, std::string::npos);
          // The three dimension labels: X left, Y in the middle, Z right.
          std::vector<std::pair<double, double>> labels;  // (x, value)
          std::size_t at = picture;
          for (int k = 0; k < 3; ++k) {
            at = m.find("{\\scriptsize ", at);
            const auto put = PutBefore(m, at);
            labels.emplace_back(put.x, NumberAfter(m, "{\\scriptsize ", at));
          }
          std::sort(labels.begin(), labels.end());
          const double edge[3] = {labels[0].second, labels[1].second, labels[2].second};
          std::array<double, 3> mag{};
          std::size_t text = m.find("$F_1= ");
          for (int i = 0; i < 3; ++i) mag[i] = NumberAfter(m, "= ", text);
          std::array<double, 3> R{}, M{};
          std::vector<double> axis_moments;
          at = forces;
          for (int i = 0; i < 3; ++i) {
            at = m.find("\\vector(", at);
            const auto put = PutBefore(m, at);
            const double dx = NumberAfter(m, "\\vector(", at);
            const double dy = NumberAfter(m, ",", at);
            const int from = VertexAt(put.x, put.y);
            ASSERT_GE(from, 0) << where;
            const int to = VertexAlong(from, dx, dy);
            ASSERT_GE(to, 0) << where;
            const double r[3] = {kDrawn[from].ux * edge[0], kDrawn[from].uy * edge[1],
                                 kDrawn[from].uz * edge[2]};
            const double d[3] = {(kDrawn[to].ux - kDrawn[from].ux) * edge[0],
                                 (kDrawn[to].uy - kDrawn[from].uy) * edge[1],
                                 (kDrawn[to].uz - kDrawn[from].uz) * edge[2]};
            const double len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
            double f[3];
            for (int c = 0; c < 3; ++c) f[c] = mag[i] * d[c] / len;
            const double mi[3] = {r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2],
                                  r[0] * f[1] - r[1] * f[0]};
            for (int c = 0; c < 3; ++c) {
              R[c] += f[c];
              M[c] += mi[c];
              axis_moments.push_back(mi[c]);
            }
          }
          const double r = std::sqrt(R[0] * R[0] + R[1] * R[1] + R[2] * R[2]);
          const double mm = std::sqrt(M[0] * M[0] + M[1] * M[1] + M[2] * M[2]);
          const double inv = R[0] * M[0] + R[1] * M[1] + R[2] * M[2];
          const std::vector<double> c12 = AnswerCells(ReductionRow(t12));
          ASSERT_EQ(c12.size(), 13u) << where;
          const double expect[10] = {R[0], R[1], R[2], r, M[0], M[1], M[2], mm, inv, inv / r};
          for (int k = 0; k < 10; ++k)
            EXPECT_NEAR(c12[1 + k], expect[k], 1e-3) << where << " cell " << k + 1;
          // The printed point (x_A, y_A, 0) of the central axis: the moment about it is
          // parallel to R.
          const double xa = c12[11], ya = c12[12];
          const double ma[3] = {M[0] - ya * R[2], M[1] + xa * R[2], M[2] - (xa * R[1] - ya * R[0])};
          const double cross[3] = {ma[1] * R[2] - ma[2] * R[1], ma[2] * R[0] - ma[0] * R[2],
                                   ma[0] * R[1] - ma[1] * R[0]};
          const double scale = 1e-3 * r * r * (1 + std::fabs(xa) + std::fabs(ya));
          for (double c : cross) EXPECT_LE(std::fabs(c), scale) << where;
          const std::vector<double> c22 = AnswerCells(SingleRow(t22.answers));
          ASSERT_EQ(c22.size(), 10u) << where;
          for (int k = 0; k < 9; ++k)
            EXPECT_NEAR(c22[1 + k], axis_moments[static_cast<std::size_t>(k)], 1e-3)
                << where << " moment " << k + 1;
          ++checked;
          if (::testing::Test::HasFailure()) return;
        }
  EXPECT_EQ(checked, 96);
}

TEST(ForceSystemReductionTest, LabelsAreLeftMagenta) {
  auto s = testing_support::NewState();
  testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginStaticsProblem(st, 12); },
      [](SharedState& st) { WriteStaticsVariant(st, 12); }, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(s->LabelStyle, "\\Magenta");
}

}  // namespace
}  // namespace statics
