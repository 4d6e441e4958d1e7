#include "subjects/statics/static_invariants.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;

// The answers row of a one-variant run: after the head's second line (its units).
std::string SingleRow(const std::string& answers) {
  const std::string head_end = "$N^2m$\\\\\\hline";
  std::size_t at = answers.find(head_end);
  if (at == std::string::npos) return {};
  at += head_end.size();
  const std::size_t end = answers.rfind(" \\\\\\hline\\end{tabular}");
  if (end == std::string::npos || end < at) return {};
  return answers.substr(at, end - at);
}
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginStaticInvariantsProblem,
                                          WriteStaticInvariantsVariant, {p});
}

TEST(StaticInvariantsTest, BeginWritesTheHeadTheStatementAndTheReference) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.answers.find("\\tabcolsep=6pt\\noindent\\begin{center}\\begin{tabular}{|"
                           "r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n\\#\\ru &$R_x$ "),
            0u)
      << t.answers;
  EXPECT_NE(t.answers.find("&$I$\\\\\\hline \\ru &\\multicolumn{4}{c|}{N}&\\multicolumn{3}{c|}"
                           "{Nm}&$N^2m$\\\\\\hline"),
            std::string::npos);
  EXPECT_NE(t.main.find(" The forces $ \\vec F_1 $, $ \\vec F_2 $ and $ \\vec F_3 $  attached  "
                        "to the points $ A_1 $, $ A_2 $ and $ A_3 $ respectively.  Projection "
                        "forces are in newtons, the coordinates of points --- are in meters. "
                        "Find the static invariants of forces.\r\n"),
            std::string::npos);
  EXPECT_NE(t.main.find("\\Red{(с.65)}"), std::string::npos);
}

TEST(StaticInvariantsTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    int first;
    const char* data;
    const char* row;
  };
  const Case cases[] = {
      {"worked example",
       {6, 20, 45, 2, 3, 4, 7},
       5,
       " $A_1(1,0,1)$,\r\n $A_2(1,3,0)$,\r\n $A_3(2,0,3)$,\r\n\\\\ \r\n $\\vec F_1(0,0,1)$,\r\n"
       " $\\vec F_2(1,11,2)$,\r\n $\\vec F_3(2,1,1)$.\r\n",
       "  5&    3&   12&    4&   13&    3&    1&   10&   61\r\n"},
      {"all parameters at the top",
       {64, 64, 64, 3, 3, 1, 10},
       1,
       " $A_1(0,3,3)$,\r\n $A_2(3,0,3)$,\r\n $A_3(3,3,0)$,\r\n",
       "  1&   -6&   10&   15&   19&   36&  -36&   48&  144\r\n"},
      {"all points at the origin",
       {1, 1, 1, 1, 2, 1, 1},
       1,
       " $A_1(0,0,0)$,\r\n $A_2(0,0,0)$,\r\n $A_3(0,0,0)$,\r\n",
       "&    0&    0&    0&    0\r\n"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p, c.first);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_NE(SingleRow(t.answers).find(c.row), std::string::npos) << c.what << "\n"
                                                                   << SingleRow(t.answers);
  }
  const auto top = RunOne({64, 64, 64, 3, 3, 1, 10});
  EXPECT_NE(top.main.find(" $\\vec F_3(-7,9,11)$."), std::string::npos) << top.main;
  // Forces with three equal projections lose one: F_2 and F_3 here (F_1 closes the sum).
  const auto origin = RunOne({1, 1, 1, 1, 2, 1, 1});
  EXPECT_NE(origin.main.find(" $\\vec F_2(0,-1,0)$,\r\n $\\vec F_3(0,0,-1)$."), std::string::npos)
      << origin.main;
}

// The invariants recomputed from the printed points and forces.
TEST(StaticInvariantsTest, TheAnswersAreTheInvariantsOfThePrintedForces) {
  // A fixed sample: every point triple under the full sweep (262 144 sets), 3000 of them
  // otherwise, each with one of the 900 choices of P4..P7 in turn.
  const long long count = testing_support::FullSweep() ? 64LL * 64 * 64 : 3000;
  const long long stride = testing_support::FullSweep() ? 1 : 87383;  // coprime with 64^3
  for (long long i = 0; i < count; ++i) {
    const long long triple = i * stride % (64LL * 64 * 64);
    const long long rest = i * 7 % 900;
    testing_support::SweepPoint point;
    point.p = {static_cast<int>(triple % 64) + 1,   static_cast<int>(triple / 64 % 64) + 1,
               static_cast<int>(triple / 4096) + 1, static_cast<int>(rest % 3) + 1,
               static_cast<int>(rest / 3 % 3) + 1,  static_cast<int>(rest / 9 % 10) + 1,
               static_cast<int>(rest / 90) + 1};
    const auto t = RunOne(point.p);
    std::array<std::array<double, 3>, 3> A{}, F{};
    std::size_t at = 0;
    for (int k = 0; k < 3; ++k) {
      at = t.main.find("$A_", at);
      NumberAfter(t.main, "$A_", at);
      for (int c = 0; c < 3; ++c) A[k][c] = NumberAfter(t.main, c == 0 ? "(" : ",", at);
    }
    for (int k = 0; k < 3; ++k) {
      at = t.main.find("\\vec F_", at);
      NumberAfter(t.main, "\\vec F_", at);
      for (int c = 0; c < 3; ++c) F[k][c] = NumberAfter(t.main, c == 0 ? "(" : ",", at);
    }
    std::array<double, 3> R{}, M{};
    for (int k = 0; k < 3; ++k) {
      for (int c = 0; c < 3; ++c) R[c] += F[k][c];
      M[0] += A[k][1] * F[k][2] - A[k][2] * F[k][1];
      M[1] += A[k][2] * F[k][0] - A[k][0] * F[k][2];
      M[2] += A[k][0] * F[k][1] - A[k][1] * F[k][0];
    }
    const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
    ASSERT_EQ(cells.size(), 9u) << testing_support::Describe(point);
    const std::string where = testing_support::Describe(point);
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(cells[1 + c], R[c]) << where;
      EXPECT_EQ(cells[5 + c], M[c]) << where;
    }
    const double length = std::sqrt(R[0] * R[0] + R[1] * R[1] + R[2] * R[2]);
    EXPECT_EQ(cells[4], length) << where << ": |R| whole";
    EXPECT_EQ(cells[8], R[0] * M[0] + R[1] * M[1] + R[2] * M[2]) << where;
    for (int k = 0; k < 3; ++k) {
      int zeros = 0;
      for (int c = 0; c < 3; ++c) zeros += A[k][c] == 0;
      EXPECT_GE(zeros, 1) << where << ": every point has a zero coordinate";
    }
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace statics
