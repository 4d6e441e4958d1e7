#include "subjects/statics/frame_reaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/frame_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "toolkit/errors.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneBalance;
using statics_testing::Vec2;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int level = 1, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  s->Level = level;
  return testing_support::RunBeginVariant(*s, BeginFrameReactionProblem, WriteFrameReactionVariant,
                                          {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

TEST(FrameReactionTest, HeadAndStatementByLevel) {
  const auto one = RunOne({1, 1, 1, 1, 1, 1, 1}, 1);
  const auto two = RunOne({1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_NE(one.answers.find(
                "\\tabcolsep=1pt\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|"
                "r|r|r|r|r|}\\hline \r\n  \\No&\\mc{$ M_A(Q) $}&\\mc{$ M_A(P) $}&\r\n \\mc{$h$}&"
                "\\mc{$ X_A $}&\\mc{$ Y_A $}&\\mc{$ R_H $}\\\\\\hline\r\n"),
            std::string::npos)
      << one.answers;
  EXPECT_NE(two.answers.find("&\r\n\\mc{ $ \\Sigma_k M_A(G_k) $}&\\mc{$h$}&"), std::string::npos);
  // Level 1 gives neither a weight nor a couple, and its statement names neither.
  EXPECT_NE(one.main.find("A weightless frame is located in the vertical plane and is based on a "
                          "fixed hinge $A$ and the inclined weightless rod $H$.\r\nThe horizontal "
                          "force $P$ and the inclined force $Q$ are attached to the frame. "
                          "Determine the reaction of the supports.\\vskip2mm\r\n"),
            std::string::npos)
      << one.main;
  for (const char* absent : {"heavy", "couple", "$M=", "\\rho"}) {
    EXPECT_EQ(one.main.find(absent), std::string::npos) << absent;
  }
  EXPECT_NE(two.main.find("A heavy uniform frame is located in the vertical plane and is based "
                          "on a fixed hinge $A$ and the inclined weightless rod $H$.\r\nThe "
                          "horizontal force $P$, inclined force $Q$ and couple of moment $M$ are "
                          "attached to the frame."),
            std::string::npos)
      << two.main;
  EXPECT_NE(two.main.find("Given the linear weight of the frame $\\rho$. Determine"),
            std::string::npos);
  EXPECT_NE(one.main.find("\\Red{(p.31.)}"), std::string::npos);
  for (const char* box : {"{\\hingnakl}", "{\\uphingnakl}", "{\\uleftalf}", "{\\drightalf}"})
    EXPECT_NE(one.main.find(std::string("\\newsavebox") + box), std::string::npos) << box;
}

TEST(FrameReactionTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int level;
    const char* data;
    const char* row;
    const char* couple;  // the couple's box, or nothing at Level 1
  };
  const Case cases[] = {
      {"Level 1: six value columns, no rho and M lines",
       {1, 1, 1, 1, 1, 1, 1},
       1,
       "\\vskip2mm\\parbox[b]{195pt}{\\small \r\n $P=5$~kN, $Q=11$~kN, \\\\ \r\n",
       " 7&  -82.500&    8.660&   10.196& -10.798&   1.879&    7.242",
       ""},
      {"Level 2: seven value columns, the weights' moment with one decimal",
       {1, 1, 1, 1, 1, 1, 1},
       2,
       "{\\small \r\n$\\rho=1$~kN/m, \r\n $P=5$~kN, $Q=11$~kN, \\\\ \r\n$M=30$~kNm,\r\n",
       " 7&  -82.500&    8.660&   -236.0&   10.196& -28.295&  15.777&   27.446",
       "momentplus"},
      {"P4 = 3: the rod at node 1, the hinge at node 6",
       {1, 1, 1, 3, 1, 1, 1},
       2,
       " $HB=5$~m, \r\n",
       " 7&  -18.658&   29.876&    444.0&  -15.124& -19.890&  47.426&   34.727",
       "momentplus"},
      {"P5 = 11: M = +(20 P4 + 10)",
       {1, 1, 1, 2, 11, 1, 1},
       3,
       "$M=50$~kNm,\r\n",
       " 7&  -42.000&   10.392&   -367.0&   12.538&   4.527&  32.840&   27.803",
       "momentplus"},
      {"P5 = 12: M = -(5 P4 + 10), printed as its size",
       {1, 1, 1, 2, 12, 1, 1},
       3,
       "$M=20$~kNm,\r\n",
       " 7&  -44.000&   10.392&   -367.0&   12.538&   1.332&  29.280&   33.545",
       "momentminus"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.level, 7);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
    const bool plus = t.main.find("{\\usebox{\\momentplus}}") != std::string::npos;
    const bool minus = t.main.find("{\\usebox{\\momentminus}}") != std::string::npos;
    EXPECT_EQ(std::string(plus ? "momentplus" : minus ? "momentminus" : ""), c.couple) << c.what;
  }
  // Level 1 gives neither rho nor M; P4 = 3 names the last length DA.
  const std::string level_one = RunOne({1, 1, 1, 1, 1, 1, 1}, 1).main;
  EXPECT_EQ(level_one.find("$M="), std::string::npos);
  EXPECT_EQ(level_one.find("\\rho="), std::string::npos);
  EXPECT_NE(RunOne({1, 1, 1, 3, 1, 1, 1}, 2).main.find("$DA=6$~m,\r\n"), std::string::npos);
}

// What the student sees of one variant, read back from the document: the frame's corners
// (directions from the drawn line, lengths from the text), the loads and the supports.
struct DrawnFrame {
  Vec2 node[5];         // the two ends and B, C, D, in metres, the first end at the origin
  bool a_first = true;  // the hinge A at the first end (else the rod H)
  PlaneBalance loads;   // P, Q, M and the weights
  Vec2 q_at, p_at;
  double qx = 0, qy = 0, p_h = 0, weights_moment_a = 0;
  double gamma = 0;  // the rod's direction, radians
};

DrawnFrame ReadFrame(const std::string& m, int level) {
  DrawnFrame f;
  const double pi = std::acos(-1.0);
  const std::size_t pic = m.find("\\begin{picture}(175,");
  const std::size_t from = m.find("\\special{em:linewidth0.9pt}", pic);
  const std::size_t to = m.find("\\end{picture}", from);
  const auto path = statics_testing::PathPoints(m, from, to);
  EXPECT_EQ(path.size(), 6u);
  if (path.size() != 6) return f;
  // mt end1, pp B, pp C, pp D, mt end2, pp D.
  const Vec2 drawn[5] = {path[0], path[1], path[2], path[3], path[4]};
  f.a_first = m.find(" $AB=") != std::string::npos;
  double len[4];
  len[0] = NumberAfter(m, f.a_first ? " $AB=" : " $HB=");
  len[1] = NumberAfter(m, "$BC=");
  len[2] = NumberAfter(m, "$CD=");
  len[3] = NumberAfter(m, f.a_first ? "$DH=" : "$DA=");
  f.node[0] = {0, 0};
  const int order[4][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
  for (int k = 0; k < 4; ++k) {
    const Vec2 d = k == 3 ? drawn[4] - drawn[3] : drawn[order[k][1]] - drawn[order[k][0]];
    f.node[k + 1] = f.node[k] + len[k] * statics_testing::SnappedDirection(d);
  }
  const double rho = level == 1 ? 0 : NumberAfter(m, "$\\rho=");
  const Vec2 a = f.a_first ? f.node[0] : f.node[4];
  for (int k = 0; k < 4; ++k) {
    f.loads.Weight(f.node[k], f.node[k + 1], rho * len[k]);
    f.weights_moment_a += -rho * len[k] * ((f.node[k].x + f.node[k + 1].x) / 2 - a.x);
  }
  // P: horizontal, on C's inclined neighbour, CN from C.
  const Vec2 b = f.node[1], c = f.node[2], d = f.node[3];
  const Vec2 cb = b - c, cd = d - c;
  const Vec2 slope = std::fabs(cb.y) > 1e-9 ? cb : cd;
  const double cn = NumberAfter(m, "$CN=");
  f.p_at = c + (cn / std::hypot(slope.x, slope.y)) * slope;
  std::size_t at = m.find("\\begin{picture}(5,5)%", pic);
  at = m.find("\\vector(", at);
  const double pdir = NumberAfter(m, "\\vector(", at);
  f.p_h = NumberAfter(m, "$P=") * (pdir > 0 ? 1 : -1);
  f.loads.Force(f.p_at, f.p_h, 0);
  // Q: at K on the horizontal middle segment, BK from B or CK from C, beta from the text and
  // its senses from the drawn arrow.
  const bool from_b = m.find("$BK=") != std::string::npos;
  const double k = NumberAfter(m, from_b ? "$BK=" : "$CK=");
  const Vec2 base = from_b ? b : c, other = from_b ? c : d;
  f.q_at = base + (k / std::hypot((other - base).x, (other - base).y)) * (other - base);
  at = m.find("\\thicklines\\vector(", pic);
  const double qdx = NumberAfter(m, "\\thicklines\\vector(", at);
  const double qdy = NumberAfter(m, ",", at);
  const double beta = NumberAfter(m, "\\beta=") * pi / 180, q = NumberAfter(m, "$Q=");
  f.qx = q * std::cos(beta) * (qdx > 0 ? 1 : -1);
  f.qy = q * std::sin(beta) * (qdy > 0 ? 1 : -1);
  f.loads.Force(f.q_at, f.qx, f.qy);
  if (level != 1) {
    const double mm = NumberAfter(m, "$M=");
    f.loads.Couple(m.find("{\\usebox{\\momentplus}}", pic) != std::string::npos ? mm : -mm);
  }
  const double gamma = NumberAfter(m, "$\\gamma=") * pi / 180;
  f.gamma = m.find("{\\usebox{\\uphingnakl}}", pic) != std::string::npos ? pi - gamma : gamma;
  return f;
}

// The printed reactions hold the frame: both force sums and the moments about both supports
// vanish with the loads built from the printed data; the printed moments and lever arm are
// those of the drawn frame.
TEST(FrameReactionTest, ThePrintedReactionsHoldTheFrame) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {12, 12, 3, 3, 25, 1, 1}, 1500, 1, 10);
  for (const auto& point : points) {
    const auto t = RunOne(point.p, point.level);
    const std::string where = testing_support::Describe(point);
    const DrawnFrame f = ReadFrame(t.main, point.level);
    const std::vector<double> cells = AnswerCells(RowOf(t));
    ASSERT_EQ(cells.size(), point.level == 1 ? 7u : 8u) << where << "\n" << RowOf(t);
    const int o = point.level == 1 ? 0 : 1;
    const double maq = cells[1], map = cells[2], h = cells[3 + o], xa = cells[4 + o],
                 ya = cells[5 + o], rh = cells[6 + o];
    const Vec2 a = f.a_first ? f.node[0] : f.node[4], r = f.a_first ? f.node[4] : f.node[0];
    PlaneBalance all = f.loads;
    all.Force(a, xa, ya);
    all.Force(r, rh * std::cos(f.gamma), rh * std::sin(f.gamma));
    EXPECT_NEAR(all.SumX(), 0, 3e-3) << where;
    EXPECT_NEAR(all.SumY(), 0, 3e-3) << where;
    EXPECT_NEAR(all.MomentAbout(a), 0, 0.03) << where;
    EXPECT_NEAR(all.MomentAbout(r), 0, 0.03) << where;
    EXPECT_NEAR(maq, (f.q_at.x - a.x) * f.qy - (f.q_at.y - a.y) * f.qx, 2e-3) << where;
    EXPECT_NEAR(map, -(f.p_at.y - a.y) * f.p_h, 2e-3) << where;
    if (o == 1) {
      EXPECT_NEAR(cells[3], f.weights_moment_a, 0.06) << where;
    }
    EXPECT_NEAR(h, (r.x - a.x) * std::sin(f.gamma) - (r.y - a.y) * std::cos(f.gamma), 2e-3)
        << where;
    EXPECT_GE(std::fabs(h), 1.9) << where;
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_TRUE(testing_support::SweepCovered(static_cast<long long>(points.size()), 12LL * 12 * 3 * 3 * 25 * 10));
}

// Beyond the bounds (P4 = 11: the rod horizontal, level with the hinge) the rod's line passes
// through the hinge and the frame cannot be held: the Start is told so, nothing is answered.
TEST(FrameReactionTest, ARodThroughTheHingeIsReported) {
  try {
    RunOne({7, 6, 1, 11, 6, 1, 1}, 2, 3);
    FAIL() << "no error";
  } catch (const toolkit::DegenerateDataError& e) {
    EXPECT_STREQ(e.what(),
                 "Statics row 4, variant 3: the line of the rod H passes through the hinge A");
  }
}

}  // namespace
}  // namespace statics
