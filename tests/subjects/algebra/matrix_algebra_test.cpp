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

// Rows 7 and 10: D = A B + k B^-1 + C (row 7, k printed, equal to |det B|) or A B + C, from
// the printed matrices, and det D; row 7's D is triangular.
// `pick` maps the swept parameters to the ones the variant gets (the identity but for row 10).
void CheckMatrixAlgebra(
    int row, const std::array<int, 7>& bounds,
    Params (*pick)(const Params&) = [](const Params& p) { return p; }) {
  algebra_check::ForEachParams(bounds, 30000, [&](const Params& swept) {
    const Params p = pick(swept);
    const auto out = RunRow(row, p, 1);
    const std::string where = Where(p);
    std::size_t from = 0;
    const Matrix a =
        ReadMatrix(Cut(out.main, "$A$=$\\left[\\begin{array}{rrr}", "\\end{array}", from));
    const Matrix b =
        ReadMatrix(Cut(out.main, "$B=\\left[\\begin{array}{rrr}", "\\end{array}", from));
    const Matrix c =
        ReadMatrix(Cut(out.main, "$C=\\left[\\begin{array}{rrr}", "\\end{array}", from));
    ASSERT_TRUE(IsShape(a, 3, 3) && IsShape(b, 3, 3) && IsShape(c, 3, 3)) << where << "\n"
                                                                          << out.main;
    const std::string formula = Cut(out.main, "$D=AB", "C.$", from);
    Rational k = 0;
    if (row == 7) {
      const std::vector<long long> n = Integers(formula);
      ASSERT_TRUE(formula.rfind("\r\n+", 0) == 0 && n.size() <= 2) << where << "\n" << formula;
      k = n.size() == 2 ? n[0] : 1;  // the second number is the -1 of B^{-1}
      EXPECT_EQ(k, Rational(std::llabs(Det(b)))) << where;
    } else {
      ASSERT_EQ(formula, "\r\n+") << where;
    }
    const long long det_b = Det(b);
    ASSERT_NE(det_b, 0) << where;
    // B^-1 = adj B / det B, with the adjugate from the cofactors.
    const Matrix ab = Multiply(a, b);
    Matrix d(3, std::vector<long long>(3));
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) {
        const int j1 = (j + 1) % 3, j2 = (j + 2) % 3, i1 = (i + 1) % 3, i2 = (i + 2) % 3;
        const long long cof = b[j1][i1] * b[j2][i2] - b[j1][i2] * b[j2][i1];  // adj[i][j]
        const Rational v = Rational(ab[i][j]) + k * Rational(cof, det_b) + Rational(c[i][j]);
        ASSERT_EQ(v.den, 1) << where << " D" << i << j;
        d[i][j] = static_cast<long long>(v.num);
      }
    }
    const std::string ans = out.ans + out.ans2;  // row 10 splits its answers over two tables
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
      const std::vector<long long> r = Integers(Cut(ans, "&$[", "]$", at));
      EXPECT_EQ(r, d[i]) << where << " row " << i + 1 << "\n" << out.main << ans;
    }
    const std::vector<long long> det = Integers(ans.substr(at));
    ASSERT_EQ(det.size(), 1u) << where << "\n" << ans;
    EXPECT_EQ(det[0], Det(d)) << where;
    if (row == 7) {
      const bool lower = d[0][1] == 0 && d[0][2] == 0 && d[1][2] == 0;
      const bool upper = d[1][0] == 0 && d[2][0] == 0 && d[2][1] == 0;
      EXPECT_TRUE(p[4] == 2 ? upper : lower) << where << "\n" << ans;
    }
  });
}

TEST(MatrixAlgebra, RowSevenTriangularDAndItsDeterminant) {
  CheckMatrixAlgebra(7, {20, 20, 15, 15, 5, 2, 2});
}
TEST(MatrixAlgebra, RowTenSumOfProductAndItsDeterminant) {
  // Row 10's space holds 95 million sets, too many for one run. P1 and P2 enter the problem
  // only through q1, P1 div 10 and P2 div 10: the sweep takes one value of P1 for each of the
  // seven pairs (q1, P1 div 10) and one of P2 for each P2 div 10, and every value of the others.
  CheckMatrixAlgebra(10, {7, 3, 15, 15, 0, 33, 32}, [](const Params& swept) {
    static constexpr int kP1[7] = {1, 5, 9, 10, 13, 17, 20};
    static constexpr int kP2[3] = {1, 10, 20};
    Params p = swept;
    p[0] = kP1[swept[0] - 1];
    p[1] = kP2[swept[1] - 1];
    return p;
  });
}

TEST(MatrixAlgebra, HeadsAndVariantLinesForTheEdgeCases) {
  EXPECT_EQ(RunRow(10, {1, 1, 1, 1, 1, 1, 1}, 1).begin_ans, "");  // split: tables come at the end
  struct Case {
    const char* what;
    int row;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"row 7, |det B| = 1 writes the sign alone; P5 = 2: D upper triangular",
       7,
       {1, 14, 4, 8, 2, 1, 2},
       "\\arraycolsep=3pt\\vskip1mm \\noindent $A$=$\\left[\\begin{array}{rrr}\r\n5 & -2 & 3 \\\\ "
       "\r\n-1 & 1 & -1 \\\\ \r\n2 & -1 & 1 \\\\ \r\n\\end{array}\\right]$, "
       "$B=\\left[\\begin{array}{rrr}\r\n1 & -4 & -2 \\\\ \r\n2 & 1 & 4 \\\\ \r\n0 & -1 & -1 \\\\ "
       "\r\n\\end{array}\\right]$,\r\n{\\small\\\\ }\r\n $C=\\left[\\begin{array}{rrr}\r\n0 & 0 & "
       "0\\\\\r\n1 & 0 & 0\\\\\r\n-2 & 11 & 0\\\\\r\n\\end{array}\\right]$. "
       "$D=AB\r\n+B^{-1}+C.$\\vskip1mm\r\n",
       "1 &$[-2,-23,-7]$ &$[0,7,15]$ &$[0,0,-18]$ &252"},
      {"row 7, |det B| = 2 and P5 = 3: D lower triangular",
       7,
       {10, 3, 11, 2, 3, 2, 1},
       "\\arraycolsep=3pt\\vskip1mm \\noindent $A$=$\\left[\\begin{array}{rrr}\r\n0 & -1 & 2 \\\\ "
       "\r\n1 & 1 & 2 \\\\ \r\n-1 & -1 & 0 \\\\ \r\n\\end{array}\\right]$, "
       "$B=\\left[\\begin{array}{rrr}\r\n3 & -2 & 16 \\\\ \r\n0 & 1 & 0 \\\\ \r\n1 & -1 & 6 \\\\ "
       "\r\n\\end{array}\\right]$,\r\n{\\small\\\\ }\r\n $C=\\left[\\begin{array}{rrr}\r\n0 & 7 & "
       "4\\\\\r\n0 & 0 & -28\\\\\r\n0 & 0 & 0\\\\\r\n\\end{array}\\right]$. "
       "$D=AB\r\n+2\r\nB^{-1}+C.$\\vskip1mm\r\n",
       "1 &$[8,0,0]$ &$[5,-1,0]$ &$[-4,2,-13]$ &104"},
      {"row 10, large multipliers: two tables of two items",
       10,
       {17, 19, 13, 14, 3, 33, 32},
       "\\arraycolsep=3pt\\vskip1mm \\noindent $A$=$\\left[\\begin{array}{rrr}\r\n-31 & 992 & "
       "-1055 \\\\ \r\n-1 & 1 & -33 \\\\ \r\n-1 & 31 & -34 \\\\ \r\n\\end{array}\\right]$, "
       "$B=\\left[\\begin{array}{rrr}\r\n-63 & 1984 & -4222 \\\\ \r\n-1 & 1 & -66 \\\\ \r\n-1 & 31 "
       "& -67 \\\\ \r\n\\end{array}\\right]$,\r\n{\\small\\\\ }\r\n "
       "$C=\\left[\\begin{array}{rrr}\r\n-63 & 1984 & -4222\\\\\r\n-1 & 1 & -66\\\\\r\n-1 & 31 & "
       "-67\\\\\r\n\\end{array}\\right]$. $D=AB\r\n+C.$\\vskip1mm\r\n",
       "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|}\\hline \r\n\\No&  $D_{1j}$ "
       "\r\n&$D_{2j}$ "
       "\r\n \\\\\\hline \r\n1&$[1953,-91233,131873]$&$[94,-3005,6301]$"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, 1);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
