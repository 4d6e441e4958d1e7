#include <gtest/gtest.h>

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

std::string Where(const Params& p, int level) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w + ", Level " + std::to_string(level);
}

std::vector<Matrix> PrintedMatrices(const std::string& main, const std::string& open) {
  std::vector<Matrix> out;
  std::size_t from = 0;
  for (;;) {
    const std::string body = Cut(main, open, "\\end{tabular}", from);
    if (body.empty()) break;
    out.push_back(ReadMatrix(body));
  }
  return out;
}

// Every printed matrix of order 4 has the printed determinant; Level 1 prints one matrix,
// higher Levels two, numbered.
TEST(Determinant4, PrintedDeterminantsOfThePrintedMatrices) {
  long long checked = 0;
  for (int level : {1, 2, 7}) {
    algebra_check::ForEachParams({20, 20, 15, 15, 3, 0, 0}, 4000, [&](const Params& p) {
      const auto out = RunRow(1, p, level);
      const std::string where = Where(p, level);
      const std::vector<Matrix> ms = PrintedMatrices(out.main, "$\\begin{tabular}{|llll|}");
      const std::vector<long long> cells = Integers(out.ans);
      ASSERT_EQ(ms.size(), level == 1 ? 1u : 2u) << where << "\n" << out.main;
      ASSERT_EQ(cells.size(), ms.size() + 1) << where << "\n" << out.ans;
      for (std::size_t k = 0; k < ms.size(); ++k) {
        ASSERT_EQ(ms[k].size(), 4u) << where;
        for (const auto& row : ms[k]) {
          ASSERT_EQ(row.size(), 4u) << where;
          for (long long v : row) ASSERT_LE(std::llabs(v), 16) << where;
        }
        EXPECT_EQ(Det(ms[k]), cells[k + 1]) << where << "\n" << out.main;
        if (level > 1) {
          EXPECT_NE(out.main.find(std::to_string(k + 1) + ". \r\n"), std::string::npos) << where;
        }
      }
      ++checked;
    });
  }
  EXPECT_GT(checked, 0);
}

// Both printed blocks of order 3 have the printed determinants, and they are cut from one
// matrix: rows 2..3, columns 2..3 of the first are rows 1..2, columns 1..2 of the second.
TEST(Determinant3, PrintedDeterminantsOfBothBlocks) {
  for (int level : {1, 3}) {
    algebra_check::ForEachParams({20, 20, 15, 15, 3, 0, 0}, 6000, [&](const Params& p) {
      const auto out = RunRow(2, p, level);
      const std::string where = Where(p, level);
      const std::vector<Matrix> ms = PrintedMatrices(out.main, "$\\begin{tabular}{|lll|}");
      ASSERT_EQ(ms.size(), 2u) << where << "\n" << out.main;
      for (const Matrix& m : ms) {
        ASSERT_EQ(m.size(), 3u) << where << "\n" << out.main;
        for (const auto& row : m) ASSERT_EQ(row.size(), 3u) << where << "\n" << out.main;
      }
      for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) EXPECT_EQ(ms[0][i + 1][j + 1], ms[1][i][j]) << where;
      }
      const std::vector<long long> cells = Integers(out.ans);
      ASSERT_EQ(cells.size(), 3u) << where << "\n" << out.ans;
      EXPECT_EQ(Det(ms[0]), cells[1]) << where << "\n" << out.main;
      EXPECT_EQ(Det(ms[1]), cells[2]) << where << "\n" << out.main;
    });
  }
}

TEST(Determinant4, HeadsAtLevelOneAndTwo) {
  const auto one = RunRow(1, {1, 1, 1, 1, 1, 1, 1}, 1);
  EXPECT_EQ(one.begin_main, "Вычислить определитель матрицы.\\\\ \r\n");
  EXPECT_EQ(one.begin_ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "    \\No& det \r\n \\\\\\hline \r\n");
  const auto two = RunRow(1, {1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_EQ(two.begin_main, "Вычислить определители матриц.\\\\ \r\n");
  EXPECT_EQ(two.begin_ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "    \\No& det \r\n    & det \r\n \\\\\\hline \r\n");
  const auto three = RunRow(2, {1, 1, 1, 1, 1, 1, 1}, 2);
  EXPECT_EQ(three.begin_main, "Вычислить определители матриц.\\\\ \r\n");
  EXPECT_EQ(three.begin_ans,
            "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|}\\hline \r\n"
            "   \\No& 1 & 2 \\\\\\hline \r\n");
}

TEST(Determinant4, VariantLinesForTheEdgeCases) {
  struct Case {
    const char* what;
    int row, level;
    Params p;
    const char* main;
    const char* ans;
  };
  const Case cases[] = {
      {"P1 = P2 = 8: a and b are 0 and become k + 1 and k; r2 = 1, r4 = 2 give s = 3",
       1,
       2,
       {8, 8, 5, 4, 2, 1, 1},
       "1. \r\n\\hskip 20mm$\\begin{tabular}{|llll|}-1 & 2 & 5 & 0 \\\\ 0 & 1 & 2 & 2 \\\\ 4 & 0 & "
       "5 & -2 \\\\ 2 & 5 & 0 & -1 \\\\ \\end{tabular}$\\vskip3.1mm\r\n2. \r\n\\hskip "
       "20mm$\\begin{tabular}{|llll|}-1 & 4 & 6 & -1 \\\\ 2 & 2 & 3 & 6 \\\\ 9 & -3 & 3 & -2 \\\\ "
       "1 & 3 & -1 & -1 \\\\ \\end{tabular}$\\vskip3.1mm\r\n",
       " 1&      315&     1691"},
      {"P1 = P2 = 4 (q = r = 1): a = b = -1; r2 = 1, r4 = 3 give s = 4",
       1,
       2,
       {4, 4, 5, 5, 2, 1, 1},
       "1. \r\n\\hskip 20mm$\\begin{tabular}{|llll|}0 & -2 & -1 & -1 \\\\ -1 & -1 & 0 & -1 \\\\ -2 "
       "& 0 & -2 & -1 \\\\ -1 & -1 & -1 & 0 \\\\ \\end{tabular}$\\vskip3.1mm\r\n2. \r\n\\hskip "
       "20mm$\\begin{tabular}{|llll|}-1 & -2 & -1 & -2 \\\\ -2 & -1 & 3 & -1 \\\\ -2 & -3 & -3 & "
       "-1 \\\\ -1 & -1 & -4 & -1 \\\\ \\end{tabular}$\\vskip3.1mm\r\n",
       " 1&        6&      -28"},
      {"r2 = 4, r4 = 3 give s = 3",
       1,
       1,
       {9, 7, 8, 8, 3, 1, 1},
       "\\hskip 20mm$\\begin{tabular}{|llll|}5 & -3 & 0 & 3 \\\\ -2 & -1 & -2 & 0 \\\\ 5 & 0 & 6 & "
       "-4 \\\\ 0 & 5 & 3 & -2 \\\\ \\end{tabular}$\\vskip3.1mm\r\n",
       " 1&       65"},
      {"r2 = 2, r4 = 2 give s = 4",
       1,
       1,
       {13, 5, 12, 4, 1, 1, 1},
       "\\hskip 20mm$\\begin{tabular}{|llll|}2 & 0 & 1 & -1 \\\\ 1 & 1 & 0 & -1 \\\\ 2 & 2 & 2 & 0 "
       "\\\\ 0 & 1 & 1 & 2 \\\\ \\end{tabular}$\\vskip3.1mm\r\n",
       " 1&        4"},
      {"order 3, Level 1: the extra line; r2 = 1, r4 = 3 give s = 4",
       2,
       1,
       {4, 4, 5, 5, 2, 1, 1},
       " Вычислить определители \\\\ \r\n\\vskip2mm $\\begin{tabular}{|lll|}0 & \r\n2 & \r\n-1 "
       "\\\\ -2 & \r\n1 & \r\n0 \\\\ -2 & \r\n0 & \r\n-4 \\\\ \\end{tabular}$;\\hfill  "
       "$\\begin{tabular}{|lll|}1 & \r\n0 & \r\n-2 \\\\ \r\n0 & \r\n-4 & \r\n1 \\\\ \r\n1 & \r\n-2 "
       "& \r\n0 \\\\ \r\n\\end{tabular}$\\vskip4.1mm\r\n",
       " 1&   -18&    -6"},
      {"order 3, Level 2: r2 = 2, r4 = 2 give s = 4; printed number 17",
       2,
       2,
       {13, 5, 12, 4, 1, 1, 1},
       "\\vskip2mm $\\begin{tabular}{|lll|}2 & \r\n0 & \r\n7 \\\\ 3 & \r\n3 & \r\n0 \\\\ 2 & "
       "\r\n14 & \r\n6 \\\\ \\end{tabular}$;\\hfill  $\\begin{tabular}{|lll|}3 & \r\n0 & \r\n1 "
       "\\\\ \r\n14 & \r\n6 & \r\n0 \\\\ \r\n7 & \r\n3 & \r\n2 \\\\ "
       "\r\n\\end{tabular}$\\vskip4.1mm\r\n",
       "17&   288&    36"},
  };
  for (const Case& c : cases) {
    const auto out = RunRow(c.row, c.p, c.level, c.row == 2 && c.level == 2 ? 17 : 1);
    EXPECT_EQ(out.main, c.main) << c.what;
    EXPECT_EQ(out.ans, c.ans) << c.what;
  }
}

}  // namespace
