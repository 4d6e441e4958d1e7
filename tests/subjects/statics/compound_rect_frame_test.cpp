#include "subjects/statics/compound_rect_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "subjects/statics/frame_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneBalance;
using statics_testing::PutBefore;
using statics_testing::Vec2;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int level = 1, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  s->Level = level;
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { BeginCompoundRectFrameProblem(st, 8); },
      [](SharedState& st) { WriteCompoundRectFrameVariant(st, 8); }, {p});
}

std::string RowOf(const testing_support::RunTexts& t) {
  return statics_testing::SingleRow(t.answers);
}

// One dimension chain: the stops in picture units (from the label places, the first stop at
// 0) and the printed metres at each stop.
struct Chain {
  std::vector<double> pic, metres;
  double Metres(double at) const {
    std::size_t best = 0;
    for (std::size_t k = 1; k < pic.size(); ++k)
      if (std::fabs(pic[k] - at) < std::fabs(pic[best] - at)) best = k;
    return metres[best];
  }
};

Chain ReadChain(const std::string& m, std::size_t from, std::size_t to, bool horizontal) {
  Chain c{{0}, {0}};
  for (std::size_t at = m.find("{\\scriptsize ", from); at < to;
       at = m.find("{\\scriptsize ", at + 1)) {
    const auto put = PutBefore(m, at);
    const double mid = (horizontal ? put.x : put.y) + 2;
    c.pic.push_back(2 * mid - c.pic.back());
    c.metres.push_back(c.metres.back() + NumberAfter(m.substr(at, 30), "{\\scriptsize "));
  }
  return c;
}

struct DrawnRectFrame {
  Vec2 node[8];          // 1..7 in metres (7: D when drawn)
  Vec2 pic[8];           // the same in picture units
  PlaneBalance part[2];  // loads on the part A..C and on the part C..B
  std::string joint;     // "hinge", "promzadvd", "promzadhl", "promzadvu"
};

DrawnRectFrame ReadRectFrame(const std::string& m, int level) {
  DrawnRectFrame f;
  const double pi = std::acos(-1.0);
  const std::size_t pic = m.find("\\begin{picture}(210,");
  const std::size_t h = m.find("%RAZMeR%begin%", pic), v = m.find("%RAZMeR Vert %begin%", h),
                    e = m.find("%RAZMeR End%", v);
  const Chain cx = ReadChain(m, h, v, true), cy = ReadChain(m, v, e, false);
  const auto snap = [&](Vec2 p) { return Vec2{cx.Metres(p.x), cy.Metres(p.y)}; };
  const std::size_t line = m.find("\\special{em:linewidth0.8pt}%", pic);
  const auto path = statics_testing::PathPoints(m, line, m.find("\\put(", line));
  EXPECT_EQ(path.size(), 10u);
  if (path.size() != 10) return f;
  f.pic[6] = path[0];
  f.pic[5] = path[1];
  f.pic[1] = path[2];
  f.pic[2] = path[3];
  f.pic[3] = path[4];
  f.pic[4] = path[6];
  // D: the support box just before its letter.
  const std::size_t d_label = m.find("{$D$}}", pic);
  if (d_label != std::string::npos) {
    const auto put = PutBefore(m, m.rfind("\\usebox{", d_label));
    f.pic[7] = {put.x, put.y};
  }
  for (int k = 1; k <= 7; ++k) f.node[k] = snap(f.pic[k]);
  const auto part_of = [](int node) { return node <= 3 ? 0 : 1; };
  const double rho = level == 1 ? 0 : NumberAfter(m, " $\\rho$=$");
  for (int k = 1; k <= 5; ++k) {
    const Vec2 a = f.node[k], b = f.node[k + 1];
    f.part[k <= 3 ? 0 : 1].Weight(a, b, rho * std::hypot(b.x - a.x, b.y - a.y));
  }
  // The forces: each small picture at a node, its arrow's senses and its letter.
  for (std::size_t at = m.find("\\begin{picture}(5,5)(0,0)%", pic); at != std::string::npos;
       at = m.find("\\begin{picture}(5,5)(0,0)%", at + 1)) {
    const auto put = PutBefore(m, at);
    const Vec2 where = snap({put.x, put.y});
    int node = 0;
    for (int k = 1; k <= 6; ++k)
      if (std::hypot(where.x - f.node[k].x, where.y - f.node[k].y) < 1e-9) node = k;
    EXPECT_NE(node, 0);
    std::size_t arrow = m.find("\\thicklines\\vector(", at);
    const double dx = NumberAfter(m, "\\thicklines\\vector(", arrow);
    const double dy = NumberAfter(m, ",", arrow);
    const bool is_p = m.find("$\\vec P$", at) < m.find("$\\vec Q$", at);
    const double value = NumberAfter(m, is_p ? "$P$=$" : "$Q$=$");
    const double angle = NumberAfter(m, is_p ? " $\\alpha$=$" : " $\\beta$=$") * pi / 180;
    f.part[part_of(node)].Force(f.node[node], value * std::cos(angle) * (dx > 0 ? 1 : -1),
                                value * std::sin(angle) * (dy > 0 ? 1 : -1));
  }
  // The couple, counter-clockwise in both of its boxes, on the part of the nearest segment.
  const bool vbox = m.find("{\\usebox{\\vmomentp}}", pic) != std::string::npos;
  const auto box =
      PutBefore(m, m.find(vbox ? "{\\usebox{\\vmomentp}}" : "{\\usebox{\\momentplus}}", pic));
  int nearest = 1;
  for (int k = 1; k <= 5; ++k) {
    const Vec2 mid = 0.5 * (f.pic[k] + f.pic[k + 1]);
    const Vec2 best = 0.5 * (f.pic[nearest] + f.pic[nearest + 1]);
    if (std::hypot(mid.x - box.x, mid.y - box.y) < std::hypot(best.x - box.x, best.y - box.y))
      nearest = k;
  }
  f.part[nearest <= 3 ? 0 : 1].Couple(NumberAfter(m, " $M$="));
  f.joint = "hinge";
  for (const char* name : {"promzadvd", "promzadhl", "promzadvu"})
    if (m.find(std::string("{\\usebox{\\") + name + "}}", pic) != std::string::npos) f.joint = name;
  return f;
}

// Both parts balance with the printed reactions (dashes: no such reaction) and the loads of the
// printed data on the stretched geometry of the dimension chains; the sliding attachment
// passes no force along its member; every equation or formula of the second answers file
// holds with the printed reactions.
TEST(CompoundRectFrameTest, ThePrintedReactionsHoldBothParts) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {12, 2, 3, 6, 6, 9, 9}, 1500, 1, 10);
  for (const auto& point : points) {
    const auto t = RunOne(point.p, point.level);
    const std::string where = testing_support::Describe(point);
    DrawnRectFrame f = ReadRectFrame(t.main, point.level);
    const std::vector<double> c = AnswerCells(RowOf(t));
    ASSERT_EQ(c.size(), 8u) << where << "\n" << RowOf(t);
    const auto v = [&c](int k) { return std::isnan(c[k]) ? 0.0 : c[k]; };
    const double xa = v(1), ya = v(2), xb = v(3), yb = v(4), xd = v(5), yd = v(6), mb = v(7);
    const int scheme = point.p[3];
    EXPECT_EQ(std::isnan(c[7]), scheme <= 4) << where;
    EXPECT_EQ(std::isnan(c[5]) && std::isnan(c[6]), scheme <= 2 || scheme >= 5) << where;
    EXPECT_EQ(f.joint == "hinge", scheme % 2 == 1) << where;
    f.part[0].Force(f.node[1], xa, ya);
    f.part[0].Force(f.node[7], xd, yd);
    f.part[1].Force(f.node[6], xb, yb);
    f.part[1].Couple(mb);
    PlaneBalance all = f.part[0];
    all.Add(f.part[1]);
    EXPECT_NEAR(all.SumX(), 0, 3e-3) << where;
    EXPECT_NEAR(all.SumY(), 0, 3e-3) << where;
    EXPECT_NEAR(all.MomentAbout(f.node[6]), 0, 0.05) << where;
    if (f.joint == "hinge") {
      EXPECT_NEAR(f.part[0].MomentAbout(f.node[4]), 0, 0.05) << where;
    } else if (f.joint == "promzadhl") {
      EXPECT_NEAR(f.part[0].SumX(), 0, 3e-3) << where;
    } else {
      EXPECT_NEAR(f.part[0].SumY(), 0, 3e-3) << where;
    }
    const std::string body = statics_testing::SecondAnswersBody(t.second_answers);
    const auto equations = statics_testing::PrintedEquations(body);
    EXPECT_EQ(equations.size(),
              scheme == 1 || scheme == 3 || (scheme == 4 && f.joint != "promzadhl") ? 2u : 1u)
        << where << "\n"
        << body;
    const std::map<std::string, double> values{{"X_A", xa}, {"Y_A", ya}, {"X_a", xa}, {"Y_a", ya},
                                               {"X_D", xd}, {"Y_D", yd}, {"M_B", mb}};
    for (const std::string& e : equations) {
      std::string error;
      EXPECT_TRUE(statics_testing::EquationHolds(e, values, 1e-6, &error))
          << where << ": " << error;
    }
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_TRUE(testing_support::SweepCovered(static_cast<long long>(points.size()), 12LL * 2 * 3 * 6 * 6 * 9 * 9 * 10));
}

}  // namespace
}  // namespace statics

namespace statics {
namespace {

TEST(CompoundRectFrameTest, BeginWritesTheStatementTheReferenceAndTheHead) {
  const auto one = RunOne({1, 1, 1, 1, 1, 1, 1}, 1);
  const auto two = RunOne({1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_EQ(one.main.find("% probl S8\r\nThe frame consists of two parts connected by a hinge or "
                          "sliding attachment.\r\nDimensions are given in meters. Determin the "
                          "reaction of the supports.\\par \r\n"),
            0u);
  EXPECT_NE(two.main.find("Dimensions are given in meters. Given the linear weight of the frame "
                          "$\\rho$. Determine the reaction of the supports.\\par \r\n"),
            std::string::npos);
  EXPECT_NE(one.main.find("\\Red{(p.54.)}"), std::string::npos);
  EXPECT_NE(one.answers.find("{|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n  \\No&\\mc{$X_A$}&\\mc{$Y_A$}&"
                             "\\mc{$X_B$}&\\mc{$Y_B$}&\\mc{$X_D$}&\\mc{$Y_D$}&\\mc{$M_B$}"
                             "\\\\\\hline\r\n"),
            std::string::npos);
  EXPECT_NE(one.second_answers.find("{|r|r|r|r|r|r|r|r|r|}\\hline \r\n\\No & equations \\\\\\hline \r\n 1\r\n& $"),
            std::string::npos)
      << "no head in the second table";
}

TEST(CompoundRectFrameTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int level;
    const char* text;  // figure or data text
    const char* row;
    const char* second;
  };
  const Case cases[] = {
      {"P1 = P2 = P3 = 1: a3 = 3; the height limits the scale and x is stretched 2.5 times",
       {1, 1, 1, 1, 1, 1, 1},
       2,
       "\\put(36.5,-20){\\scriptsize 10}\\put(94.25,-20){\\scriptsize 5}%RAZMeR Vert %begin%\r\n"
       "\\mt{149}{0}\\pp{149}{77}\\mt{148}{0}\\pp{150}{0}\\mt{148}{23.1}\\pp{150}{23.1}\\mt{148}"
       "{46.2}\\pp{150}{46.2}\\mt{148}{77}\\pp{150}{77}\\put(139,9.55){\\scriptsize 3}\\put(139,"
       "32.65){\\scriptsize 3}\\put(139,59.6){\\scriptsize 4}%RAZMeR End%\r\n",
       "3&$-32.884$&$17.992$&$31.652$&$19.874$& --- & --- & --- ",
       " 3\r\n& $3\\cdot X_A+10\\cdot Y_A-81.27=0; \\ \\ 7\\cdot X_A-5\\cdot Y_A+320.15=0. $  "},
      {"P3 = 2: a3 = 4 in the same layout",
       {1, 1, 2, 1, 1, 1, 1},
       2,
       "\\put(139,13.4){\\scriptsize 4}\\put(139,36.5){\\scriptsize 2}\\put(139,59.6)"
       "{\\scriptsize 4}%RAZMeR End%\r\n",
       "3&$-44.126$&$17.425$&$41.028$&$23.941$& --- & --- & --- ",
       " 3\r\n& $2\\cdot X_A+10\\cdot Y_A-86=0; \\ \\ 6\\cdot X_A-5\\cdot Y_A+351.88=0. $  "},
      {"P4 = 2, G1: the formula for X_A",
       {2, 2, 2, 2, 3, 5, 7},
       3,
       "$P$=$4$kN,\r\n$Q$=$7$kN,\r\n $\\alpha$=$30^\\circ$, \r\n $\\beta$=$45^\\circ$, \r\n "
       "$\\rho$=$2$~kN/m, \r\n $M$=5~kNm. \r\n}\r\n",
       "3&$-82.590$&$44.950$&$74.176$&$36.000$& --- & --- & --- ",
       " 3\r\n & $  X_A=( 495.54)/(-6.00)$ \r\n"},
      {"P4 = 2, G2: the formula for Y_A",
       {6, 2, 2, 2, 3, 5, 7},
       3,
       "\\put(17.17,-20){\\scriptsize 4}\\put(45.92,-20){\\scriptsize 2}\\put(84.25,-20)"
       "{\\scriptsize 6}",
       "3&$-4.950$&$51.636$&$-3.464$&$15.314$& --- & --- & --- ",
       " 3\r\n & $  Y_A=( 413.09)/(8.00)$ \r\n"},
      {"P4 = 4, G2: X_D from the sliding joint, then Y_a",
       {6, 2, 2, 4, 3, 5, 7},
       3,
       "{\\usebox{\\promzadhl}}",
       "3&---&$104.379$&$-5.196$&$25.571$&$-4.950$&---&---",
       " 3\r\n & $  Y_a=( 835.03)/( 8.0)$ \r\n"},
      {"P4 = 5, G1: Y_a about C, the clamp moment",
       {2, 2, 2, 5, 3, 5, 7},
       3,
       "{\\usebox{\\zadelka}}",
       "3&---&$41.530$&$-11.012$&$154.920$& --- & --- &$-1469.746$",
       " 3\r\n &  $  Y_a=(-415.30)/(  -10.0)      $ \r\n"},
      {"P4 = 6, G2 at Level 1: no rho line, the formula for M_B",
       {6, 2, 2, 6, 3, 5, 7},
       1,
       " $\\beta$=$45^\\circ$, \r\n $M$=5~kNm. \r\n}\r\n",
       "3&$-4.950$&---&$-6.928$&$0.950$& --- & --- &$30.627$",
       " 3\r\n & $  M_B=-( -30.63+(  -4.95)(    0.0)) $\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.level, 3);
    EXPECT_NE(t.main.find(c.text), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_EQ(RowOf(t), c.row) << c.what;
    EXPECT_EQ(statics_testing::SecondAnswersBody(t.second_answers), c.second) << c.what;
  }
}

}  // namespace
}  // namespace statics
