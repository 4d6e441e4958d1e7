#include <gtest/gtest.h>

#include <string>

#include "subjects/algebra/algebra_check.h"
#include "toolkit/errors.h"

namespace {

using algebra_check::Cut;
using algebra_check::Det;
using algebra_check::Equation;
using algebra_check::Matrix;
using algebra_check::Params;
using algebra_check::ParseDecimal;
using algebra_check::Rational;
using algebra_check::ReadEquation;
using algebra_check::RunRow;

std::string Where(const Params& p, int level) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w + ", Level " + std::to_string(level);
}

std::vector<std::string> Cells(const std::string& ans) {
  std::vector<std::string> cells;
  std::size_t p = ans.find('&');
  while (p != std::string::npos) {
    const std::size_t next = ans.find('&', p + 1);
    cells.push_back(
        ans.substr(p + 1, next == std::string::npos ? std::string::npos : next - p - 1));
    p = next;
  }
  return cells;
}

// Solves the printed system exactly and compares with the printed solution and determinant.
void CheckLinearSystem(int n, int budget) {
  const int row = n == 3 ? 3 : 11;
  long long checked = 0;
  for (int level : {1, 2, 3}) {
    const long long count =
        algebra_check::ForEachParams({20, 20, 15, 15, 3, 0, 0}, budget, [&](const Params& p) {
          const auto out = RunRow(row, p, level);
          const std::string where = Where(p, level);
          Matrix a;
          std::vector<Rational> b;
          std::size_t from = 0;
          for (int i = 0; i < n; ++i) {
            const std::string text = Cut(out.main, "$", "$", from);
            const Equation e = ReadEquation(text, n);
            ASSERT_TRUE(e.ok) << where << "\n" << out.main;
            a.push_back(e.coef);
            b.push_back(e.rhs);
          }
          const std::vector<std::string> cells = Cells(out.ans);
          ASSERT_EQ(cells.size(), static_cast<std::size_t>(n + 1)) << where << "\n" << out.ans;
          const long long det = Det(a);
          ASSERT_NE(det, 0) << where << "\n" << out.main;
          EXPECT_EQ(std::stoll(cells[0]), det) << where << "\n" << out.main << out.ans;
          const std::vector<Rational> x = algebra_check::Solve(a, b);
          for (int i = 0; i < n; ++i) {
            EXPECT_EQ(ParseDecimal(cells[static_cast<std::size_t>(i + 1)]),
                      x[static_cast<std::size_t>(i)])
                << where << " x_" << i + 1 << " = " << x[static_cast<std::size_t>(i)].Text() << "\n"
                << out.main << out.ans;
          }
          const char* tail = level == 1   ? ".$\\vskip1mm\r\n"
                             : level == 2 ? ".$\\vskip4mm\r\n"
                                          : ".$\r\n";
          EXPECT_TRUE(out.main.ends_with(tail)) << where << "\n" << out.main;
        });
    checked += count;
  }
  EXPECT_GT(checked, 0);
}

TEST(LinearSystem, ThreeEquationsSolveToThePrintedAnswer) { CheckLinearSystem(3, 15000); }
TEST(LinearSystem, FourEquationsSolveToThePrintedAnswer) { CheckLinearSystem(4, 15000); }

// Parameters outside the bounds can drive the zero bumps or the shrink loop to their limits:
// the variant then throws, naming the row and the parameters, instead of stopping the program.
TEST(LinearSystem, DegenerateDataThrowsNamingRowAndParameters) {
  struct Case {
    Params p;
    const char* message;
  };
  const Case cases[] = {
      {{118, -75, -62, 101, -113, 1, 1},
       "Algebra row 11, system of 4 equations: the determinant is 0 five times; "
       "P1..P7 = 118 -75 -62 101 -113 1 1"},
      {{51, 54, 104, 67, 69, 1, 1},
       "Algebra row 11, system of 4 equations: the determinant stays above 200; "
       "P1..P7 = 51 54 104 67 69 1 1"},
  };
  for (const Case& c : cases) {
    try {
      RunRow(11, c.p, 1);
      ADD_FAILURE() << "no exception for " << c.message;
    } catch (const toolkit::DegenerateDataError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(LinearSystem, HeadAndVariantLinesForTheEdgeCases) {
  const auto head = RunRow(3, {1, 1, 1, 1, 1, 1, 1}, 1);
  EXPECT_EQ(
      head.begin_main.rfind(
          "Решить систему трех линейных уравнений с тремя неизвестными.\\\\ \r\n\\vskip1pt", 0),
      0u)
      << head.begin_main;
  EXPECT_EQ(head.begin_ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No& det\r\n&$x_1$&$x_2$&$x_3$ \\\\\\hline \r\n");
  struct Case {
    const char* what;
    int row, level;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"n = 3 with r1 = 4: every equation negated, the third halved; Level 1",
       3,
       1,
       {3, 1, 4, 1, 1, 1, 1},
       "$ 6\r\nx_1+x_2+3\r\nx_3=25,$\\\\ \r\n$ 3\r\nx_1+3\r\nx_2+x_3=29,$\\\\ \r\n\\noindent$ "
       "3\r\nx_1+3\r\nx_2+3\r\nx_3=33.$\\vskip1mm\r\n",
       " 1&    30&2&7&2"},
      {"n = 4: every equation negated, the first halved, unit coefficients; Level 2",
       11,
       2,
       {1, 1, 5, 5, 2, 1, 1},
       "$ x_1+2\r\nx_2+x_3+x_4=6,$\\\\ \r\n$ x_1+2\r\nx_2+2\r\nx_3+x_4=8,$\\\\ \r\n$ "
       "x_1+4\r\nx_2+2\r\nx_3+4\r\nx_4=9,$\\\\ \r\n\\noindent$ "
       "2\r\nx_1+2\r\nx_2+x_3+2\r\nx_4=9.$\\vskip4mm\r\n",
       " 1&    -6&3&0.5&2&0"},
      {"n = 3 at Level 3: no space after the last equation; X[r1] ends in .5",
       3,
       3,
       {6, 9, 7, 11, 3, 1, 1},
       "$ 3\r\nx_1-3\r\nx_2+2\r\nx_3=12,$\\\\ \r\n$ x_1-x_2-4\r\nx_3=-3,$\\\\ \r\n\\noindent$ "
       "x_1+3\r\nx_2+4\r\nx_3=25.$\r\n",
       " 1&    56&7&4&1.5"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, c.level);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
