#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/sweep.h"
#include "tests/subjects/calculus/analysis_runner.h"
#include "tests/support/tex_formula.h"
#include "tests/support/memory_files.h"

namespace {

using numeric_check::Describe;
using numeric_check::Params;

constexpr int kRow = 12;

/// The "&"-separated cells of an answers row, as numbers (the first is the variant number).
std::vector<double> Cells(const std::string& row) {
  std::vector<double> cells = {std::strtod(row.c_str(), nullptr)};
  for (double cell : numeric_check::AnswerCells(row)) cells.push_back(cell);
  return cells;
}

TEST(Gradient, BeginWritesStatementReferenceAndHead) {
  SharedState s;
  testing_support::OpenMemoryFiles(s);
  calculus::BeginAnalysisProblem(s, kRow);
  EXPECT_EQ(s.ParboxWidth, 185);
  const std::string main = testing_support::MainText(s);
  EXPECT_EQ(main.rfind("  Найти градиент функции $u=f(x,y)$ в точке $M(x_0,y_0)$.", 0), 0u);
  EXPECT_NE(main.find("\\Red{(с.131.)}"), std::string::npos);
  EXPECT_EQ(testing_support::AnsText(s),
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|}\\hline \r\n"
            " \\No&$f'_x$&$f'_y$&$|\\mathrm{grad}\\,f|$  \\\\\\hline \r\n");

  SharedState st;
  testing_support::OpenMemoryFiles(st);
  st.StudentsMode = true;
  calculus::BeginAnalysisProblem(st, kRow);
  EXPECT_NE(testing_support::AnsText(st).find(
                " \\No&$f'_x$&$f'_y$&$|\\mathrm{grad}\\,f|$ & студент\\\\\\hline \r\n"),
            std::string::npos);
}

// The three forms, with the consecutive E rows of form 1 (row 7 for x is followed by row 8,
// written like row 1, for y) and the points by P3.
TEST(Gradient, WritesTheFunctionPointAndAnswerRow) {
  struct Case {
    Params q;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {{{1, 6, 1, 1, 1, 1, 1}},
       "{\\small\\par}\r\n $u=\\mbox{ch}(x/2)+e^{y/2}$,{\\small\\par}\r\n $M(1,2)\r\n$.\\\\",
       "1&   0.2605&   1.3591&   1.3839"},
      {{{3, 2, 4, 2, 1, 1, 1}},
       "{\\small\\par}\r\n $u=\\mbox{tg}(\\pi (x+y)/8)+\\ln(3xy)$,{\\small\\par}\r\n $M(1,1)\r\n$.\\\\",
       nullptr},
      {{{10, 7, 8, 3, 1, 1, 1}},
       "{\\small\\par}\r\n $u=4xy+e^{x/9}$,{\\small\\par}\r\n $M(2,1)\r\n$.\\\\", nullptr},
  };
  for (const Case& c : cases) {
    numeric_check::VariantRunner run(kRow, 1, 1);
    const auto v = run.Run(c.q);
    EXPECT_EQ(v.main, c.main) << Describe(c.q, 1);
    if (c.ans != nullptr) {
      EXPECT_EQ(v.ans, c.ans) << Describe(c.q, 1);
    }
  }
}

TEST(Gradient, TicketModeJoinsFunctionAndPoint) {
  numeric_check::VariantRunner run(kRow, 1, 1);
  run.state().TicketMode = true;
  const auto v = run.Run({{1, 6, 1, 1, 1, 1, 1}});
  EXPECT_EQ(v.main, " $u=\\mbox{ch}(x/2)+e^{y/2}$, $M(1,2)\r\n$.\\\\");
}

// Every answer row against central differences of the printed function at the printed point,
// for every parameter set (Level is not read: Levels 1 and 10 give the same rows).
TEST(Gradient, AnswersMatchThePrintedFunctionEverywhere) {
  static const std::regex kPoint(R"(\$M\(([-0-9.]+),([-0-9.]+)\))");
  int checked = 0;
  for (int level : {1, 10}) {
    numeric_check::VariantRunner run(kRow, level, 7);
    numeric_check::ForEachParameterSet({10, 7, 8, 3, 0, 0, 0}, [&](const Params& q) {
      const auto v = run.Run(q);
      const std::string where = numeric_check::Where(q, level, v);
      const tex_formula::Formula u(numeric_check::Between(v.main, " $u=", "$,"));
      const auto m = numeric_check::Match(v.main, kPoint);
      ASSERT_EQ(m.size(), 2u) << where;
      const double x0 = std::stod(m[0]), y0 = std::stod(m[1]);
      auto at = [&u](double x, double y) {
        tex_formula::Point p;
        p.x = x;
        p.y = y;
        return static_cast<double>(u(p));
      };
      const double fx = numeric_check::Derivative([&](double x) { return at(x, y0); }, x0, 1e-3);
      const double fy = numeric_check::Derivative([&](double y) { return at(x0, y); }, y0, 1e-3);
      const auto cells = Cells(v.ans);
      ASSERT_EQ(cells.size(), 4u) << where;
      EXPECT_EQ(cells[0], 7) << where;
      const double tol = 6e-5;
      EXPECT_NEAR(cells[1], fx, tol + 1e-8 * std::fabs(fx)) << where;
      EXPECT_NEAR(cells[2], fy, tol + 1e-8 * std::fabs(fy)) << where;
      EXPECT_NEAR(cells[3], std::hypot(fx, fy), tol + 1e-8 * std::hypot(fx, fy)) << where;
      ++checked;
    });
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 2 * 10 * 7 * 8 * 3)) << checked;
}

}  // namespace
