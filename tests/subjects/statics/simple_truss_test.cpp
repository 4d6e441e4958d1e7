#include "subjects/statics/simple_truss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/joint_balance.h"
#include "subjects/statics/text_reading.h"
#include "support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneStructure;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p) {
  auto s = testing_support::NewState();
  return RunBeginVariant(*s, BeginSimpleTrussProblem, WriteSimpleTrussVariant, {p});
}

TEST(SimpleTrussTest, BeginWritesTheStatementTheHeadAndTheReference) {
  const auto t = RunOne({1, 1, 1, 1, 5, 7, 1});
  EXPECT_EQ(t.main.find("Two identical force $ P $  act on the flat truss. Find efforts in rods 1 "
                        "and 2 (marked thickening). Dimensions are in meters.\r\n"),
            0u);
  EXPECT_NE(t.main.find(" \\Red{(с.44)}\\par\\noindent\r\n"), std::string::npos);
  EXPECT_NE(t.answers.find("\\#\\ru &$X_A$&$Y_A$&$X_B$&$Y_B$&$ S_1 $&$S_2$\\\\\\hline \r\n"),
            std::string::npos);
}

TEST(SimpleTrussTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* row;
    const char* p_line;
  };
  const Case cases[] = {
      {"topology 1, reduced by 2",
       {1, 1, 1, 1, 5, 7, 1},
       " 1&   -24&     2&-&    22&    26&    -1\r\n",
       "\\hskip5mm  $P=24$~kN}"},
      {"topology 3, reduced by 4",
       {3, 6, 1, 2, 1, 1, 1},
       " 1&    -6&    -3&     1&    -2&     3&     9\r\n",
       "\\hskip5mm  $P=5$~kN}"},
      {"topology 5, reduced by 48",
       {5, 4, 1, 1, 5, 7, 1},
       " 1&    19&     6&   -19&-&    -6&    10\r\n",
       "\\hskip5mm  $P=3$~kN}"},
      {"topology 2, a marked bar carries 0",
       {2, 3, 2, 3, 16, 16, 1},
       " 1&     3&     3&-&    -6&     0&     1\r\n",
       "\\hskip5mm  $P=3$~kN}"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
    EXPECT_NE(t.main.find(c.p_line), std::string::npos) << c.what;
  }
}

TEST(SimpleTrussTest, P7ChangesNothing) {
  EXPECT_EQ(RunOne({4, 2, 2, 3, 9, 12, 1}).main, RunOne({4, 2, 2, 3, 9, 12, 16}).main);
}

// A floating-point model of each topology: its nodes from the dimensions as the student reads
// them off the dimension chains, its bars as drawn, its supports and loads; the printed
// integers must be its solution scaled by P / P0 and every answer must be whole at P = P0.
std::string CheckTruss(const VariantParams& p, int& whole_checked) {
  const SimpleTrussVariant v = DeriveSimpleTrussVariant(p[0], p[1], p[2], p[3], p[4], p[5]);
  PlaneStructure f;
  for (int k = 1; k <= v.nodes; ++k) f.AddJoint(v.x[k], v.y[k]);
  for (const auto& [i, j] : v.bars) f.AddBar(i - 1, j - 1);
  const int xa = f.AddReaction(0, 1, 0), ya = f.AddReaction(0, 0, 1);
  const int xb = v.roller ? -1 : f.AddReaction(v.B - 1, 1, 0);
  const int yb = f.AddReaction(v.B - 1, 0, 1);
  f.fx[v.load1_node - 1] += v.load1_x * v.P0;
  f.fy[v.load1_node - 1] += v.load1_y * v.P0;
  f.fx[v.load3_node - 1] += v.load3_x * v.P0;
  f.fy[v.load3_node - 1] += v.load3_y * v.P0;
  const std::vector<double> s = statics_testing::SolveJoints(f);
  if (s.empty()) return "singular truss";

  const auto t = RunOne(p);
  const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
  if (cells.size() != 7) return "answers row of " + std::to_string(cells.size()) + " cells";
  const double P = NumberAfter(t.main, "$P=");
  const double k = P / v.P0;
  const double want[6] = {s[xa], s[ya], xb < 0 ? NAN : s[xb], s[yb], s[v.rod1 - 1], s[v.rod2 - 1]};
  for (int i = 0; i < 6; ++i) {
    const bool dash = (i == 2 && v.roller) || (i == 3 && v.topology == 5);
    if (dash) {
      if (!std::isnan(cells[i + 1])) return "a dash expected in cell " + std::to_string(i + 1);
      if (i == 3 && std::fabs(want[i]) > 1e-9) return "Y_B of topology 5 is not 0";
      continue;
    }
    if (std::fabs(want[i] - std::round(want[i])) > 1e-6) {
      return "not whole at P = P0: answer " + std::to_string(i + 1);
    }
    if (std::fabs(cells[i + 1] - want[i] * k) > 1e-6) {
      return "answer " + std::to_string(i + 1) + ": printed " + std::to_string(cells[i + 1]) +
             ", joints give " + std::to_string(want[i] * k);
    }
  }
  // Every candidate bar, marked in this variant or not, is whole at P = P0.
  static const int kCandidates[6][4] = {{0, 0, 0, 0},  {2, 9, 11, 13}, {2, 5, 9, 11},
                                        {1, 3, 9, 10}, {1, 4, 5, 6},   {4, 7, 8, 9}};
  for (int c : kCandidates[v.topology]) {
    const double force = s[static_cast<std::size_t>(c - 1)];
    if (std::fabs(force - std::round(force)) > 1e-6) {
      return "candidate bar " + std::to_string(c) + " is not whole at P = P0";
    }
  }
  // Only the factors 2, 3, 5, 7 and 11 are taken out, all of them.
  const long scale = std::lround(v.P0 / P);
  for (long q = scale; q > 1;) {
    bool found = false;
    for (long prime : {2, 3, 5, 7, 11}) {
      if (q % prime == 0) {
        q /= prime;
        found = true;
        break;
      }
    }
    if (!found) return "reduced by a factor outside 2, 3, 5, 7, 11";
  }
  for (long prime : {2, 3, 5, 7, 11}) {
    bool all = static_cast<long>(P) % prime == 0;
    for (int i = 1; i <= 6; ++i) {
      if (!std::isnan(cells[i]) && std::lround(cells[i]) % prime != 0) all = false;
    }
    if (all) return "a common factor " + std::to_string(prime) + " is left";
  }
  ++whole_checked;
  return {};
}

TEST(SimpleTrussTest, EveryCombinationIsWholeAndBalancesTheTruss) {
  // All 10 240 combinations of topology, P3, P4, P5 and P6, P2 running along.
  int checked = 0;
  for (int p1 = 1; p1 <= 5; ++p1)
    for (int p3 = 1; p3 <= 2; ++p3)
      for (int p4 = 1; p4 <= 4; ++p4)
        for (int p5 = 1; p5 <= 16; ++p5)
          for (int p6 = 1; p6 <= 16; ++p6) {
            const VariantParams p = {p1, 1 + (p5 + p6 + p4) % 6, p3, p4, p5, p6, 1};
            const std::string what = CheckTruss(p, checked);
            ASSERT_EQ(what, "") << "p1..p6 = " << p1 << " " << p[1] << " " << p3 << " " << p4 << " "
                                << p5 << " " << p6;
          }
  EXPECT_EQ(checked, 10240);
}

}  // namespace
}  // namespace statics
