#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;

constexpr int kRow = 13;

TEST(DirectionalDerivative, BeginWritesStatementReferenceAndHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 180);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind(" Найти производную функции $u(x,y,z)$ в точке $A(x_1,y_1,z_1)$ по "
                       "направлению к точке $B(x_2,y_2,z_2)$.",
                       0),
            0u);
  EXPECT_NE(main.find("\\Red{(с.133.)}"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n"
            " \\No& grad u & $\\partial u/\\partial l$\r\n  \\\\\\hline \r\n");
}

// P5 1 and 3 replace the zero component of the direction (by 2 and by 3); a sum of 4 in the
// tangent row writes the divisor 6.
TEST(DirectionalDerivative, WritesFunctionPointsAndAnswerRow) {
  struct Case {
    Params q;
    const char* main;
  };
  const Case cases[] = {
      {{{1, 1, 1, 1, 1, 1, 1}},
       "{\\small\\par}\r\n $u=\\sqrt{1+4(x+y)}\r\n+2xz\r\n$,{\\small\\par}\r\n"
       " $A(1,1,1)$, \r\n $B(0,3,-1)$.\\\\\r\n"},
      {{{4, 3, 8, 1, 3, 1, 1}},
       "{\\small\\par}\r\n $u=\\mbox{tg}(\\pi (x+y)/6)+\\ln(2xz)\r\n$,{\\small\\par}\r\n"
       " $A(2,2,2)$, \r\n $B(3,4,5)$.\\\\\r\n"},
      {{{10, 7, 2, 12, 2, 1, 1}},
       "{\\small\\par}\r\n $u=\\cos(4xy)\r\n-z/(z+3)\r\n$,{\\small\\par}\r\n"
       " $A(1,2,1)$, \r\n $B(2,3,0)$.\\\\\r\n"},
  };
  for (const Case& c : cases) {
    numeric_check::VariantRunner run(kRow, 1, 1);
    EXPECT_EQ(run.Run(c.q).main, c.main) << Describe(c.q, 1);
  }
}

// The gradient at A by central differences of the printed u, and the derivative along AB,
// against the answers row, for every parameter set (Level is not read).
TEST(DirectionalDerivative, AnswersMatchThePrintedFunctionEverywhere) {
  static const std::regex kA(R"(\$A\(([-0-9]+),([-0-9]+),([-0-9]+)\))");
  static const std::regex kB(R"(\$B\(([-0-9]+),([-0-9]+),([-0-9]+)\))");
  static const std::regex kRowText(
      R"(^([0-9]+)&\\\{([^,]+),([^,]+),([^,]+)\\\}&\s*([-0-9.]+)\r\n$)");
  int checked = 0;
  numeric_check::VariantRunner run(kRow, 1, 3);
  numeric_check::ForEachParameterSet({10, 7, 8, 12, 5, 0, 0}, [&](const Params& q) {
    const auto v = run.Run(q);
    const std::string where = numeric_check::Where(q, 1, v);
    const tex_formula::Formula u(numeric_check::Between(v.main, " $u=", "$,"));
    const auto a = numeric_check::Match(v.main, kA);
    const auto b = numeric_check::Match(v.main, kB);
    const auto row = numeric_check::Match(v.ans, kRowText);
    ASSERT_EQ(a.size(), 3u) << where;
    ASSERT_EQ(b.size(), 3u) << where;
    ASSERT_EQ(row.size(), 5u) << where;
    EXPECT_EQ(row[0], "3") << where;
    double at[3], dir[3], grad[3];
    for (int k = 0; k < 3; ++k) {
      at[k] = std::stod(a[k]);
      dir[k] = std::stod(b[k]) - at[k];
    }
    for (int k = 0; k < 3; ++k) {
      grad[k] = numeric_check::Derivative(
          [&](double t) {
            tex_formula::Point p;
            p.x = at[0];
            p.y = at[1];
            p.z = at[2];
            (k == 0 ? p.x : k == 1 ? p.y : p.z) = t;
            return static_cast<double>(u(p));
          },
          at[k], 1e-3);
      // The gradient is in the number format: within 0.01 of an integer it is that integer,
      // within 0.009 of one decimal that decimal, else two decimals (or a multiple of 10^-2).
      EXPECT_NEAR(numeric_check::PrintedNumber(row[1 + k]), grad[k],
                  1.0001e-2 + 1e-7 * std::fabs(grad[k]))
          << "component " << k << " " << where;
    }
    const double along = (grad[0] * dir[0] + grad[1] * dir[1] + grad[2] * dir[2]) /
                         std::sqrt(dir[0] * dir[0] + dir[1] * dir[1] + dir[2] * dir[2]);
    EXPECT_NEAR(std::stod(row[4]), along, 6e-5 + 1e-8 * std::fabs(along)) << where;
    ++checked;
  });
  EXPECT_TRUE(testing_support::SweepCovered(checked, 10 * 7 * 8 * 12 * 5)) << checked;
}

}  // namespace
