#include <gtest/gtest.h>

#include <string>

#include "subjects/algebra/algebra_check.h"

namespace {

using algebra_check::Cut;
using algebra_check::Det;
using algebra_check::Integers;
using algebra_check::Matrix;
using algebra_check::Multiply;
using algebra_check::Params;
using algebra_check::Rational;
using algebra_check::ReadMatrix;
using algebra_check::RunRow;
using algebra_check::Where;
using algebra_check::IsShape;

// Row 5: C D = A, A x = B, and the printed determinants; A is regular so x is the solution.
TEST(MatrixProduct, ProductSolutionAndDeterminantsOfThePrintedMatrices) {
  algebra_check::ForEachParams({20, 20, 15, 15, 5, 3, 3}, 30000, [&](const Params& p) {
    const auto out = RunRow(5, p, 1);
    const std::string where = Where(p);
    std::size_t from = 0;
    const Matrix c =
        ReadMatrix(Cut(out.main, "\\begin{array}{rrr}\\tabcolsep=1pt", "\\end{array}", from));
    const Matrix d = ReadMatrix(
        Cut(out.main, "\\begin{array}{rrr}\\arraycolsep=1pt\\tabcolsep=1pt", "\\end{array}", from));
    const Matrix b = ReadMatrix(Cut(out.main, "\\begin{array}{r}", "\\end{array}", from));
    ASSERT_TRUE(IsShape(c, 3, 3) && IsShape(d, 3, 3) && IsShape(b, 3, 1)) << where << "\n"
                                                                          << out.main;
    const std::vector<long long> cells = Integers(out.ans.substr(out.ans.find('&')));
    ASSERT_EQ(cells.size(), 15u) << where << "\n" << out.ans;
    EXPECT_EQ(Det(c), cells[0]) << where;
    EXPECT_EQ(Det(d), cells[1]) << where;
    const Matrix a = Multiply(c, d);
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j)
        EXPECT_EQ(a[i][j], cells[2 + 3 * i + j]) << where << " A" << i << j;
    }
    ASSERT_NE(Det(a), 0) << where << "\n" << out.main;
    EXPECT_EQ(Det(a), cells[14]) << where;
    const std::vector<Rational> x = algebra_check::Solve(a, {b[0][0], b[1][0], b[2][0]});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(x[i], Rational(cells[11 + i])) << where << " x" << i;
  });
}

// Row 6: A X = B with the printed X, and det A; A is regular so X is the only solution.
TEST(MatrixEquation, PrintedSolutionSolvesThePrintedEquation) {
  algebra_check::ForEachParams({20, 20, 15, 15, 5, 5, 0}, 30000, [&](const Params& p) {
    const auto out = RunRow(6, p, 1);
    const std::string where = Where(p);
    std::size_t from = 0;
    const Matrix a = ReadMatrix(Cut(out.main, "\\left[\\begin{array}{rrr}", "\\end{array}", from));
    const Matrix b = ReadMatrix(
        Cut(out.main, "$=$\\left[\\arraycolsep=2pt\\begin{array}{rr}", "\\end{array}", from));
    ASSERT_TRUE(IsShape(a, 3, 3) && IsShape(b, 3, 2)) << where << "\n" << out.main;
    const std::vector<long long> cells = Integers(out.ans.substr(out.ans.find('&')));
    ASSERT_EQ(cells.size(), 7u) << where << "\n" << out.ans;
    const Matrix x = {{cells[0], cells[1]}, {cells[2], cells[3]}, {cells[4], cells[5]}};
    ASSERT_NE(Det(a), 0) << where;
    EXPECT_EQ(Det(a), cells[6]) << where;
    EXPECT_EQ(Multiply(a, x), b) << where << "\n" << out.main << out.ans;
  });
}

TEST(MatrixProductAndEquation, HeadsAndVariantLinesForTheEdgeCases) {
  EXPECT_EQ(
      RunRow(5, {1, 1, 1, 1, 1, 1, 1}, 1).begin_ans,
      "\\tabcolsep=2pt\r\n"
      "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
      "   \\No& $det_1$ & $det_2$ \r\n"
      "&$A_{1,1}$&$A_{1,2}$&$A_{1,3}$&$A_{2,1}$&$A_{2,2}$&$A_{2,3}$&$A_{3,1}$&$A_{3,2}$&$A_{3,3}$"
      "&$x_1$ &$x_2$ &$x_3$ \r\n"
      "   & det $A$ \r\n  \\\\\\hline \r\n");
  struct Case {
    const char* what;
    int row;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"row 5, P7 = 3: columns 1 and 2 of C exchanged",
       5,
       {5, 5, 4, 4, 2, 2, 3},
       "\\vskip2mm\\noindent$A$=$\\left[\\begin{array}{rrr}\\tabcolsep=1pt\r\n2 & 0 & 2 \\\\ \r\n0 "
       "& 1 & 2 \\\\ \r\n3 & -1 & 0 \\\\ \r\n\\end{array}\\right]\\!\\!\\!\\cdot\\!\\!\\! "
       "\\left[\\begin{array}{rrr}\\arraycolsep=1pt\\tabcolsep=1pt\r\n0&2 & 2 \\\\ \r\n-2&3 & 0 "
       "\\\\ \r\n2&0 & 2 \\\\ \r\n\\end{array}\\right]$,  $B$=$\\left[\\begin{array}{r}\r\n20 \\\\ "
       "\r\n8 \\\\ \r\n12 \\\\ \r\n\\end{array}\\right]$\\vskip3pt\r\n",
       " 1&  -2&  -4&   4&   4&   8&   2&   3&   4&   2&   3&   6&  3& -2&  2&   8"},
      {"row 5, P7 = 1: no exchange; q3 > 3 gives t2 = -2",
       5,
       {5, 5, 12, 4, 2, 2, 1},
       "\\vskip2mm\\noindent$A$=$\\left[\\begin{array}{rrr}\\tabcolsep=1pt\r\n0 & -2 & 2 \\\\ "
       "\r\n1 & 0 & 2 \\\\ \r\n1 & 1 & 0 \\\\ \r\n\\end{array}\\right]\\!\\!\\!\\cdot\\!\\!\\! "
       "\\left[\\begin{array}{rrr}\\arraycolsep=1pt\\tabcolsep=1pt\r\n0&-3 & 2 \\\\ \r\n-2&1 & 0 "
       "\\\\ \r\n-5&0 & 2 \\\\ \r\n\\end{array}\\right]$,  $B$=$\\left[\\begin{array}{r}\r\n0 \\\\ "
       "\r\n-2 \\\\ \r\n4 \\\\ \r\n\\end{array}\\right]$\\vskip3pt\r\n",
       " 1&  -2&  -2&  -6&  -2&   4& -10&  -3&   6&  -2&  -2&   2&  2& -2&  2&   4"},
      {"row 6, P5 = 2: u3 = -2 and x5 = 2; P1 <= 8 gives x3 <= -1",
       6,
       {6, 9, 7, 11, 2, 4, 1},
       "\\arraycolsep=4pt\r\n\\noindent "
       "$\\arraycolsep=3pt\\left[\\begin{array}{rrr}\r\n-2&2&-4\\\\\r\n3&1&3\\\\\r\n-3&2&-"
       "5\\\\\r\n\\end{array}\\right]\\!\\!\\!\\cdot\\!\\!\\! "
       "\\left[\\arraycolsep=2pt\\begin{array}{rr}x_1 & x_2 \\\\ x_3 & x_4 \\\\ x_5 & "
       "x_6\\end{array}\\right]$=$\\left[\\arraycolsep=2pt\\begin{array}{rr}\r\n-12&-8\\\\\r\n8&"
       "14\\\\\r\n-15&-12\\\\\r\n\\end{array}\\right]$.\r\n\\vskip1pt\r\n",
       " 1&   1&   2&  -1&   2&   2&   2&  -2"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, 1);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
