#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "subjects/algebra/algebra_check.h"

namespace {

using algebra_check::Cut;
using algebra_check::Det;
using algebra_check::Integers;
using algebra_check::Matrix;
using algebra_check::Params;
using algebra_check::ReadMatrix;
using algebra_check::RunRow;
using algebra_check::Where;

// The characteristic polynomial x^n - c1 x^(n-1) + c2 x^(n-2) - .. of the printed matrix has
// exactly the printed eigenvalues as its roots (with multiplicity): c1 = trace = e1,
// c2 = sum of the principal 2 x 2 minors = e2, c3 = det = e3, the elementary symmetric sums.
void CheckEigenvalues(int row, int n, const std::array<int, 7>& bounds) {
  const long long count = algebra_check::ForEachParams(bounds, 1000000, [&](const Params& p) {
    const auto out = RunRow(row, p, 1);
    const std::string where = Where(p);
    std::size_t from = 0;
    const Matrix m =
        ReadMatrix(Cut(out.main, n == 2 ? "$\\begin{tabular}{|ll|}" : "$\\begin{tabular}{|lll|}",
                       "\\end{tabular}", from));
    ASSERT_EQ(m.size(), static_cast<std::size_t>(n)) << where << "\n" << out.main;
    for (const auto& r : m)
      ASSERT_EQ(r.size(), static_cast<std::size_t>(n)) << where << "\n" << out.main;
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(n + 1)) << where << "\n" << out.ans;
    const std::vector<long long> l(cells.begin() + 1, cells.end());
    long long trace = 0, minors = 0;
    for (int i = 0; i < n; ++i) {
      trace += m[i][i];
      for (int j = i + 1; j < n; ++j) minors += m[i][i] * m[j][j] - m[i][j] * m[j][i];
    }
    if (n == 2) {
      EXPECT_EQ(trace, l[0] + l[1]) << where << "\n" << out.main << out.ans;
      EXPECT_EQ(Det(m), l[0] * l[1]) << where << "\n" << out.main << out.ans;
      EXPECT_NE(l[0], l[1]) << where;
    } else {
      EXPECT_EQ(trace, l[0] + l[1] + l[2]) << where << "\n" << out.main << out.ans;
      EXPECT_EQ(minors, l[0] * l[1] + l[0] * l[2] + l[1] * l[2]) << where << "\n" << out.main;
      EXPECT_EQ(Det(m), l[0] * l[1] * l[2]) << where << "\n" << out.main << out.ans;
    }
  });
  EXPECT_GT(count, 0);
}

TEST(Eigenvalues, TwoByTwoMatrixHasThePrintedEigenvalues) {
  CheckEigenvalues(8, 2, {20, 20, 15, 0, 0, 0, 0});
}
TEST(Eigenvalues, ThreeByThreeMatrixHasThePrintedEigenvalues) {
  CheckEigenvalues(9, 3, {8, 8, 4, 4, 4, 0, 0});
}

TEST(Eigenvalues, HeadsAndVariantLinesForTheEdgeCases) {
  const auto head = RunRow(8, {1, 1, 1, 1, 1, 1, 1}, 1);
  EXPECT_EQ(head.begin_main.rfind(
                "Найти собственные значения оператора, заданого в некотором базисе матрицей.\\\\ "
                "\\noindent\\vskip1pt",
                0),
            0u)
      << head.begin_main;
  struct Case {
    const char* what;
    int row;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"P1 = 5, P2 = 6 give 6 and 1",
       8,
       {5, 6, 4, 1, 1, 1, 1},
       "$\\begin{tabular}{|ll|}\r\n4 & 2 \\\\ \r\n3 & 3 \\\\ \r\n\\end{tabular}$ \r\n",
       " 7 &    6 &    1"},
      {"P1 = P2: lambda2 = lambda1 + 1",
       8,
       {8, 8, 2, 1, 1, 1, 1},
       "$\\begin{tabular}{|ll|}\r\n2 & 2 \\\\ \r\n-1 & 5 \\\\ \r\n\\end{tabular}$ \r\n",
       " 7 &    3 &    4"},
      {"3 x 3, P3 <= 2: u = 0, m13 = S3 and a zero at [2,3]",
       9,
       {3, 7, 2, 3, 4, 1, 1},
       "\\hskip5mm\\vskip1mm$\\begin{tabular}{|lll|}\r\n-4 & 4 & -8 \\\\ 1 & 6 & 0 \\\\ 3 & 19 & 0 "
       "\\\\ \r\n\\end{tabular}$\\vskip2mm\r\n",
       "7&  -2&   2&   2"},
      {"3 x 3, P3 >= 3: w = 0 and a zero at [3,1]; P1 = 5 gives -5",
       9,
       {5, 2, 3, 4, 1, 1, 1},
       "\\hskip5mm\\vskip1mm$\\begin{tabular}{|lll|}\r\n-8 & -36 & -339 \\\\ 1 & -3 & 3 \\\\ 0 & 1 "
       "& 6 \\\\ \r\n\\end{tabular}$\\vskip2mm\r\n",
       "7&  -5&  -3&   3"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, 1, 7);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
