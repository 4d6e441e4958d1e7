#include "subjects/statics/three_link_chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginThreeLinkChainProblem, WriteThreeLinkChainVariant, {p});
}

TEST(ThreeLinkChainTest, BeginDefinesTheBoxesAndWritesTheHead) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(t.main.find("\\newsavebox{\\weightP}"), std::string::npos);
  for (const char* letter : {"B", "C", "D", "F", "G", "H", "J", "K", "L", "N", "O", "P"}) {
    EXPECT_NE(t.main.find(std::string("\\newsavebox{\\ANGL") + letter + "}"), std::string::npos)
        << letter;
  }
  EXPECT_EQ(t.main.find("\\newsavebox{\\ANGLA}"), std::string::npos);
  EXPECT_NE(t.main.find("Find the angle $\\alpha$ in the equilibrium chain and efforts in bars."
                        "\\par\r\n"),
            std::string::npos);
  EXPECT_NE(t.main.find(" \\Red{(p.21.)}"), std::string::npos);
  EXPECT_NE(
      t.answers.find(" \\No&tg$\\alpha $&$  \\alpha $&$   S_1  $&$ S_2 $&$S_3$\\\\\\hline \r\n"),
      std::string::npos);
}

TEST(ThreeLinkChainTest, GoldenRows) {
  struct Case {
    const char* what;
    VariantParams p;
    int first;
    const char* row;
    const char* data;
  };
  const Case cases[] = {
      {"link 1 sought, Q horizontal at point 2",
       {2, 3, 2, 2, 2, 20, 1},
       1,
       "  1 &    1.000  &$    0.785 $&$    14.142 $&$   -14.142 $&$    14.142$",
       "\\vskip2mm\\hfill $P$=20~kN, $Q$=20~kN.\r\n"},
      {"link 3 horizontal: the middle link sought",
       {3, 4, 3, 3, 3, 15, 1},
       1,
       "  1 &    0.693  &$    0.606 $&$    28.868 $&$    17.559 $&$   -14.434$",
       "$P$=15~kN, $Q$=10~kN."},
      {"Q rounds to 0 and becomes 1", {5, 5, 2, 1, 2, 12, 1}, 1, nullptr, "$P$=12~kN, $Q$=1~kN."},
      {"link 3 vertical", {1, 3, 1, 1, 1, 10, 1}, 1, nullptr, "$P$=10~kN"},
      {"the sought link vertical: F = 0.5 rounds to 0, Q := 1 = P",
       {1, 1, 1, 1, 3, 1, 1},
       5,
       "  5 & $\\infty$  &$    1.571 $&$",
       "$P$=1~kN, $Q$=1~kN."},
      {"the same with P = 10: Q = 1",
       {1, 1, 1, 1, 3, 10, 1},
       1,
       "  1 &    0.064  &$    0.064 $&$",
       "$P$=10~kN, $Q$=1~kN."},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.first);
    const std::string row = SingleRow(t.answers);
    if (c.row != nullptr) {
      EXPECT_EQ(row.substr(0, std::string(c.row).size()), c.row) << c.what << "\n" << row;
    }
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what;
  }
  const std::vector<double> q1 = AnswerCells(SingleRow(RunOne({5, 5, 2, 1, 2, 12, 1}).answers));
  EXPECT_EQ(q1[1], 11.0);
  EXPECT_EQ(q1[2], 1.48);
  const std::vector<double> v3 = AnswerCells(SingleRow(RunOne({1, 3, 1, 1, 1, 10, 1}).answers));
  EXPECT_EQ(v3[3], 10.856);
  EXPECT_EQ(v3[4], -11.547);
  EXPECT_EQ(v3[5], 5.774);
}

TEST(ThreeLinkChainTest, TheSolvedAngleOfLinkOneFollowsItsCode) {
  auto s = testing_support::NewState();
  const ThreeLinkChainVariant v = DeriveThreeLinkChainVariant(*s, 5, 5, 2, 1, 2, 12);
  EXPECT_NEAR(v.theta1, 275.19, 0.005);
  EXPECT_EQ(v.Q, 1);
}

// Directions of the codes as the statement fixes them.
double CodeAngle(int code) {
  static const double kAngles[17] = {0,   0,   30,  45,  60,  90,  120, 135, 150,
                                     180, 210, 225, 240, 270, 300, 315, 330};
  return kAngles[code];
}

// The placement of the read-back vector before a blue label: its direction.
bool VectorBefore(const std::string& main, const std::string& label, double& dx, double& dy) {
  const std::size_t at = main.find(label);
  if (at == std::string::npos) return false;
  std::size_t v = main.rfind("\\vector(", at);
  dx = NumberAfter(main, "\\vector(", v);
  dy = NumberAfter(main, ",", v);
  return true;
}

// Equilibrium of joints 2 and 4 with the printed alpha, Q and S1..S3: the sought link on one
// of the lines at +-alpha, every other link in its stated direction, each pulling its joint
// towards its other end.
std::string CheckChain(const VariantParams& p, int& verticals) {
  const auto t = RunOne(p);
  const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
  if (cells.size() != 6) return "answers row of " + std::to_string(cells.size()) + " cells";
  const double tg = cells[1], alpha = cells[2], S1 = cells[3], S2 = cells[4], S3 = cells[5];
  const bool infinite = SingleRow(t.answers).find("$\\infty$") != std::string::npos;
  if (infinite) {
    ++verticals;
    if (alpha != 1.571) return "a vertical link prints alpha " + std::to_string(alpha);
  } else if (std::fabs(std::atan(tg) - alpha) > 0.001) {
    return "tg alpha and alpha disagree: " + SingleRow(t.answers);
  }
  const double P = NumberAfter(t.main, "$P$=");
  const double Q = NumberAfter(t.main, "$Q$=");
  if (P != p[5]) return "P";

  const int s = p[2] % 2 == 1 ? 1 : 2;
  static const int kLink1[3][7] = {{}, {0, 2, 4, 6, 10, 12, 14}, {0, 4, 6, 8, 12, 14, 16}};
  static const int kLink3[3][7] = {{}, {0, 1, 3, 5, 9, 11, 13}, {0, 1, 5, 7, 9, 13, 15}};
  const int c1 = kLink1[s][p[0]], c3 = kLink3[s][p[1]];
  const double theta0 = (p[4] % 2 == 1 ? 30 : 45) * (s == 1 ? -1 : 1);
  const bool p_at_2 = p[3] % 2 == 1;
  const auto hv = [](int c) { return c == 1 || c == 5 || c == 9 || c == 13; };
  const int z = p[4] <= 2 ? 1 : 3;
  const int sought = hv(z == 1 ? c1 : c3) ? 2 : z;

  // Loads as drawn: P hangs as a weight or is a vector labelled P; Q is the vector labelled Q.
  double pdx = 0, pdy = -1, qdx = 0, qdy = 0;
  VectorBefore(t.main, "$\\vec P $", pdx, pdy);
  if (!VectorBefore(t.main, "$\\vec Q $", qdx, qdy)) return "no Q drawn";
  double f2x = 0, f2y = 0, f4x = 0, f4y = 0;
  (p_at_2 ? f2x : f4x) += P * pdx;
  (p_at_2 ? f2y : f4y) += P * pdy;
  (p_at_2 ? f4x : f2x) += Q * qdx;
  (p_at_2 ? f4y : f2y) += Q * qdy;

  const double r = std::numbers::pi / 180;
  bool balanced = false;
  for (double cand : {alpha, -alpha, std::numbers::pi - alpha, std::numbers::pi + alpha}) {
    const double t1 = sought == 1 ? cand : CodeAngle(c1) * r;
    const double t0 = sought == 2 ? cand : theta0 * r;
    const double t3 = sought == 3 ? cand : CodeAngle(c3) * r;
    const double e2x = S1 * std::cos(t1) + S2 * std::cos(t0) + f2x;
    const double e2y = S1 * std::sin(t1) + S2 * std::sin(t0) + f2y;
    const double e4x = -S2 * std::cos(t0) + S3 * std::cos(t3) + f4x;
    const double e4y = -S2 * std::sin(t0) + S3 * std::sin(t3) + f4y;
    const double tol = 0.005 + 0.001 * (std::fabs(S1) + std::fabs(S2) + std::fabs(S3));
    if (std::fabs(e2x) < tol && std::fabs(e2y) < tol && std::fabs(e4x) < tol &&
        std::fabs(e4y) < tol) {
      balanced = true;
    }
  }
  if (!balanced) return "the joints do not balance";
  return {};
}

TEST(ThreeLinkChainTest, ThePrintedAnswersBalanceJointsTwoAndFour) {
  // All 76 032 sets (P7 is not read); the normal suite takes every 17th.
  const int stride = testing_support::FullSweep() ? 1 : 17;
  long index = 0, checked = 0;
  int verticals = 0;
  VariantParams first_vertical{};
  for (int p1 = 1; p1 <= 6; ++p1)
    for (int p2 = 1; p2 <= 6; ++p2)
      for (int p3 = 1; p3 <= 4; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4)
          for (int p5 = 1; p5 <= 4; ++p5)
            for (int p6 = 1; p6 <= 33; ++p6) {
              if (index++ % stride != 0) continue;
              const VariantParams p = {p1, p2, p3, p4, p5, p6, 1};
              const int before = verticals;
              const std::string what = CheckChain(p, verticals);
              if (verticals == 1 && before == 0) first_vertical = p;
              ASSERT_EQ(what, "") << "p1..p6 = " << p1 << " " << p2 << " " << p3 << " " << p4 << " "
                                  << p5 << " " << p6;
              ++checked;
            }
  EXPECT_EQ(checked, (76032 + stride - 1) / stride);
  std::cout << "[ sets ] " << checked << " checked, " << verticals
            << " with the sought link vertical, the first at p1..p6 =";
  for (int k = 0; k < 6; ++k) std::cout << " " << first_vertical[static_cast<std::size_t>(k)];
  std::cout << "\n";
}

}  // namespace
}  // namespace statics
