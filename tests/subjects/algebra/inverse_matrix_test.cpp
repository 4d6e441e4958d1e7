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

// Row 13: det(k A^-1 + A B) from the printed A, B and k.
TEST(InverseMatrix, DeterminantOfThePrintedCombination) {
  algebra_check::ForEachParams({3, 6, 6, 4, 6, 6, 6}, 1000000, [&](const Params& p) {
    const auto out = RunRow(13, p, 1);
    const std::string where = Where(p);
    std::size_t from = 0;
    const Matrix a = ReadMatrix(
        Cut(out.main, "\\mathbf{A}= \\left[\\begin{tabular}{ll}", "\\end{tabular}", from));
    const Matrix b = ReadMatrix(
        Cut(out.main, "\\mathbf{B}= \\left[\\begin{tabular}{ll}", "\\end{tabular}", from));
    ASSERT_TRUE(IsShape(a, 2, 2) && IsShape(b, 2, 2)) << where << "\n" << out.main;
    // k as a teacher writes it: "k\cdot A^{-1}", "A^{-1}" for 1, "-A^{-1}" for -1, no term for 0.
    const std::string sum = Cut(out.main, "$\\mathbf{C} = ", "$", from);
    const std::size_t inverse = sum.find("\\mathbf{A}^{-1}");
    std::vector<long long> kk = {0};
    if (inverse != std::string::npos) {
      const std::string coef = sum.substr(0, inverse);
      kk = coef.empty() ? std::vector<long long>{1}
           : coef == "-" ? std::vector<long long>{-1}
                         : Integers(coef);
    }
    ASSERT_EQ(kk.size(), 1u) << where << "\n" << out.main;
    const long long det_a = Det(a);
    ASSERT_NE(det_a, 0) << where;
    const Matrix ab = Multiply(a, b);
    const Matrix adj = {{a[1][1], -a[0][1]}, {-a[1][0], a[0][0]}};
    Rational c[2][2];
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 2; ++j)
        c[i][j] = Rational(kk[0]) * Rational(adj[i][j], det_a) + Rational(ab[i][j]);
    }
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_EQ(cells.size(), 2u) << where << "\n" << out.ans;
    EXPECT_EQ(c[0][0] * c[1][1] - c[0][1] * c[1][0], Rational(cells[1])) << where;
  });
}

TEST(InverseMatrix, HeadsAndVariantLinesForTheEdgeCases) {
  EXPECT_EQ(RunRow(13, {1, 1, 1, 1, 1, 1, 1}, 1).begin_ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "\\No & det $\\mathbf{C}$ \\\\\\hline \r\n");
  struct Case {
    const char* what;
    int row;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"row 13, P1 = 1: A unimodular, k = f",
       13,
       {1, 5, 2, 2, 6, 1, 4},
       "$$ \\mathbf{A}= \\left[\\begin{tabular}{ll}2&1\\\\\r\n-3&-1\\\\\r\n "
       "\\end{tabular}\\right],\\ \\  \\mathbf{B}= "
       "\\left[\\begin{tabular}{ll}2&3\\\\\r\n1&1\\\\\r\n\\end{tabular}\\right]$$ $\\mathbf{C} = "
       "2\\cdot \\mathbf{A}^{-1}+\\mathbf{AB}$, det($\\mathbf{C})$ - ?\r\n",
       "1 & -13"},
      {"row 13, P4 = 3: b becomes 1, g still shows P2 - 3",
       13,
       {2, 6, 4, 3, 5, 3, 2},
       "$$ \\mathbf{A}= \\left[\\begin{tabular}{ll}1&2\\\\\r\n-1&0\\\\\r\n "
       "\\end{tabular}\\right],\\ \\  \\mathbf{B}= "
       "\\left[\\begin{tabular}{ll}3&2\\\\\r\n-1&1\\\\\r\n\\end{tabular}\\right]$$ $\\mathbf{C} = "
       "6\\cdot \\mathbf{A}^{-1}+\\mathbf{AB}$, det($\\mathbf{C})$ - ?\r\n",
       "1 & 1"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, 1);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
