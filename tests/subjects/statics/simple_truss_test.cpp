#include "subjects/statics/simple_truss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/joint_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

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
       " 1&   -24&     2&---&    22&    26&    -1\r\n",
       "\\hskip5mm  $P=24$~kN}"},
      {"topology 3, reduced by 4",
       {3, 6, 1, 2, 1, 1, 1},
       " 1&    -6&    -3&     1&    -2&     3&     9\r\n",
       "\\hskip5mm  $P=5$~kN}"},
      {"topology 5, reduced by 48",
       {5, 4, 1, 1, 5, 7, 1},
       " 1&    19&     6&   -19&---&    -6&    10\r\n",
       "\\hskip5mm  $P=3$~kN}"},
      {"topology 2, a marked bar carries 0",
       {2, 3, 2, 3, 16, 16, 1},
       " 1&     3&     3&---&    -6&     0&     1\r\n",
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

// A floating-point model of each topology from the derived nodes, bars, supports and loads; the
// printed integers must be its solution scaled by P / P0 and every answer must be whole at P = P0.
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

int JointNear(const std::vector<statics_testing::PutPoint>& joints, double x, double y,
              double within) {
  for (int k = 0; k < static_cast<int>(joints.size()); ++k) {
    if (std::hypot(joints[k].x - x, joints[k].y - y) <= within) return k;
  }
  return -1;
}

// The truss as drawn: joints where the supports and node markers stand, bars from the segments
// drawn between them (the blue ones are the marked rods, told apart by their numbers), loads
// from the red vectors; solved in picture units (the forces do not depend on the scale) and
// compared with the printed answers scaled by the printed P.
std::string CheckDrawnTruss(const VariantParams& p) {
  using statics_testing::PutBefore;
  using statics_testing::PutPoint;
  using statics_testing::PutsOf;
  const auto t = RunOne(p);
  const std::size_t from = t.main.find("\\begin{picture}(172,92)");
  const std::string pic = t.main.substr(from, t.main.find("\\end{picture}", from) - from);
  const std::vector<PutPoint> hinges = PutsOf(pic, "\\usebox{\\hing}");
  const std::vector<PutPoint> rollers = PutsOf(pic, "\\usebox{\\hingmobil}");
  const PutPoint a_label = PutBefore(pic, pic.find("{$A$}"));
  std::vector<PutPoint> joints;
  int a = -1, b = -1;
  for (const PutPoint& h : hinges) {
    joints.push_back(h);
    if (std::hypot(h.x - 9 - a_label.x, h.y - 1 - a_label.y) < 0.02) {
      a = static_cast<int>(joints.size()) - 1;
    } else {
      b = static_cast<int>(joints.size()) - 1;
    }
  }
  const bool roller = !rollers.empty();
  if (roller) {
    joints.push_back(rollers[0]);
    b = static_cast<int>(joints.size()) - 1;
  }
  if (a < 0 || b < 0) return "supports A and B not found";
  for (const PutPoint& m : PutsOf(pic, "{\\circle{ 3}}")) joints.push_back(m);

  PlaneStructure f;
  for (const PutPoint& j : joints) f.AddJoint(j.x, j.y);
  const std::size_t bars_from = pic.find("\\speh%", pic.find("%RAZMeR End%"));
  const std::size_t bars_to = pic.find("\\Red{", bars_from);
  std::vector<int> marked;
  std::vector<PutPoint> marked_mid;
  for (std::size_t at = bars_from; (at = pic.find("\\mt{", at)) < bars_to;) {
    // Inside "\Blue{" ... "}\speh": the last blue opening after the last closing.
    const std::size_t opened = pic.rfind("\\Blue{", at);
    const std::size_t closed = pic.rfind("}\\speh", at);
    const bool blue = opened != std::string::npos && opened > bars_from &&
                      (closed == std::string::npos || opened > closed);
    const double x1 = NumberAfter(pic, "\\mt{", at), y1 = NumberAfter(pic, "{", at);
    const double x2 = NumberAfter(pic, "\\pp{", at), y2 = NumberAfter(pic, "{", at);
    const double l = std::hypot(x2 - x1, y2 - y1);
    const double ux = (x2 - x1) / l, uy = (y2 - y1) / l;
    const int i = JointNear(joints, x1 - 1.5 * ux, y1 - 1.5 * uy, 0.05);
    const int j = JointNear(joints, x2 + 1.5 * ux, y2 + 1.5 * uy, 0.05);
    if (i < 0 || j < 0) return "a bar does not end at joints";
    const int bar = f.AddBar(i, j);
    if (blue) {
      marked.push_back(bar);
      marked_mid.push_back({(x1 + x2) / 2, (y1 + y2) / 2});
    }
  }
  if (marked.size() != 2) return "expected two marked bars";
  const PutPoint one = PutBefore(pic, pic.find("{\\scriptsize 1}", bars_to));
  const bool first_is_one =
      std::hypot(marked_mid[0].x + 2 - one.x, marked_mid[0].y + 1 - one.y) < 0.05;
  const int rod1 = first_is_one ? marked[0] : marked[1];
  const int rod2 = first_is_one ? marked[1] : marked[0];
  const int xa = f.AddReaction(a, 1, 0), ya = f.AddReaction(a, 0, 1);
  const int xb = roller ? -1 : f.AddReaction(b, 1, 0);
  const int yb = f.AddReaction(b, 0, 1);

  const double P = NumberAfter(t.main, "$P=");
  int loads = 0;
  for (std::size_t at = bars_to; (at = pic.find("\\vector(", at)) != std::string::npos;) {
    const PutPoint tail = PutBefore(pic, at);
    const double dx = NumberAfter(pic, "\\vector(", at), dy = NumberAfter(pic, ",", at);
    const double len = NumberAfter(pic, "){", at);
    const PutPoint tip{tail.x + dx * len, tail.y + dy * len};
    int j = JointNear(joints, tail.x, tail.y, 1.6);
    if (j < 0) j = JointNear(joints, tip.x, tip.y, 1.6);
    if (j < 0) return "a load stands at no joint";
    f.fx[j] += dx * P;
    f.fy[j] += dy * P;
    ++loads;
  }
  if (loads != 2) return "expected two loads";
  const std::vector<double> s = statics_testing::SolveJoints(f);
  if (s.empty()) return "the drawn truss is singular";
  const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
  const double want[6] = {s[xa], s[ya], xb < 0 ? NAN : s[xb], s[yb], s[rod1], s[rod2]};
  for (int i = 0; i < 6; ++i) {
    if (std::isnan(cells[i + 1])) continue;  // the dashes are checked against the model above
    if (std::fabs(cells[i + 1] - want[i]) > 0.02 + 1e-3 * std::fabs(want[i])) {
      return "answer " + std::to_string(i + 1) + ": printed " + std::to_string(cells[i + 1]) +
             ", the drawn truss gives " + std::to_string(want[i]);
    }
  }
  return {};
}

TEST(SimpleTrussTest, ThePrintedAnswersBalanceTheDrawnTruss) {
  for (int p1 = 1; p1 <= 5; ++p1)
    for (int p2 = 1; p2 <= 6; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4)
          for (int p5 : {1, 6, 11, 16}) {
            const VariantParams p = {p1, p2, p3, p4, p5, 17 - p5 + p2 % 3 - 1, 1};
            ASSERT_EQ(CheckDrawnTruss(p), "") << "p1..p6 = " << p1 << " " << p2 << " " << p3 << " "
                                              << p4 << " " << p5 << " " << p[5];
          }
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
