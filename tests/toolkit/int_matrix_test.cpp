#include "toolkit/int_matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"

namespace toolkit {
namespace {

using testing_support::MainText;

std::unique_ptr<TIntMatrix> MatrixOf(const std::vector<std::vector<int>>& rows) {
  auto m = std::make_unique<TIntMatrix>();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j)
      (*m)[static_cast<long>(i + 1)][static_cast<long>(j + 1)] = rows[i][j];
  }
  return m;
}

TIntVector3 Vec(int x, int y, int z) {
  TIntVector3 v{};
  v[1] = x, v[2] = y, v[3] = z;
  return v;
}

TEST(IntMatrixTest, VectorsAllowTheResultToBeAnInput) {
  TIntVector3 a = Vec(1, 2, 3);
  const TIntVector3 b = Vec(4, 5, 6);
  TIntVector3 c{};
  Vec3Cross(a, b, c);
  EXPECT_EQ(c, Vec(-3, 6, -3));
  Vec3Cross(a, b, a);
  EXPECT_EQ(a, Vec(-3, 6, -3));
  Vec3Add(a, b, a);
  EXPECT_EQ(a, Vec(1, 11, 3));
  EXPECT_EQ(Vec3Dot(Vec(1, 2, 3), b), 32);
  EXPECT_DOUBLE_EQ(Vec3Length(Vec(2, -3, 6)), 7);
}

TEST(IntMatrixTest, CyclicIndices) {
  struct Case {
    int k, three, seven;
  };
  for (const Case& c : std::vector<Case>{
           {0, 3, 249}, {1, 1, 1}, {3, 3, 3}, {5, 2, 5}, {6, 3, 6}, {9, 6, 2}, {14, 11, 7}}) {
    EXPECT_EQ(CyclicIndex3(c.k), c.three) << c.k;
    EXPECT_EQ(CyclicIndex7(c.k), c.seven) << c.k;
  }
}

TEST(IntMatrixTest, DeterminantsAndPermanents) {
  struct Case {
    std::vector<std::vector<int>> rows;
    int det;
    int perm;
  };
  const std::vector<Case> cases = {
      {{{7}}, 7, 7},
      {{{1, 2}, {3, 4}}, -2, 10},
      {{{2, 0, 1}, {1, 3, 2}, {1, 1, 1}}, 0, 14},
      {{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}, -3, 463},
      {{{1, 0, 2, -1}, {3, 0, 0, 5}, {2, 1, 4, -3}, {1, 0, 5, 0}}, 30, 20},
      {{{1, 1, 0, 0, 0}, {0, 1, 1, 0, 0}, {0, 0, 1, 1, 0}, {0, 0, 0, 1, 1}, {1, 0, 0, 0, 1}}, 2, 2},
  };
  for (const Case& c : cases) {
    const auto m = MatrixOf(c.rows);
    const int n = static_cast<int>(c.rows.size());
    toolkit::Run r;
    r.DeterminantMode = true;
    EXPECT_EQ(IntMatrixDeterminant(r, *m, n), c.det) << "order " << n;
    r.DeterminantMode = false;
    EXPECT_EQ(IntMatrixDeterminant(r, *m, n), c.perm) << "order " << n;
  }
  toolkit::Run r;
  EXPECT_EQ(IntMatrixDeterminant(r, *MatrixOf({{5}}), 0), 0);
}

TEST(IntMatrixTest, PermanentOfAllOnesIsFactorial) {
  auto ones = std::make_unique<TIntMatrix>();
  for (auto& row : *ones) row.Fill(1);
  toolkit::Run r;
  EXPECT_EQ(IntMatrixDeterminant(r, *ones, 8), 40320);
  r.DeterminantMode = true;
  EXPECT_EQ(IntMatrixDeterminant(r, *ones, 8), 0);
  // A diagonal of 2s beyond the memoised orders still expands exactly.
  auto identity = std::make_unique<TIntMatrix>();
  for (int i = 1; i <= 22; ++i) (*identity)[i][i] = i <= 3 ? 2 : 1;
  EXPECT_EQ(IntMatrixDeterminant(r, *identity, 22), 8);
  EXPECT_THROW(IntMatrixDeterminant(r, *identity, 65), IndexRangeError);
}

TEST(IntMatrixTest, SarrusAndInverse) {
  TIntMatrix3 a{};
  const int rows[3][3] = {{2, 0, 1}, {1, 3, 2}, {1, 1, 2}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) a[i + 1][j + 1] = rows[i][j];
  }
  EXPECT_EQ(IntMatrix3Determinant(a), 6);
  toolkit::Run r;
  IntMatrix3Inverse(r, a);
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      double sum = 0;
      for (int k = 1; k <= 3; ++k) sum += a[i][k] * r.InverseMatrix3[k][j];
      EXPECT_NEAR(sum, i == j ? 1 : 0, 1e-12) << i << "," << j;
    }
  }
  EXPECT_DOUBLE_EQ(r.InverseMatrix3[1][1], 4.0 / 6);  // (3*2 - 2*1) / 6
  a[3][3] = 1;                                        // rows now dependent: det 0
  EXPECT_EQ(IntMatrix3Determinant(a), 0);
  EXPECT_THROW(IntMatrix3Inverse(r, a), DegenerateDataError);
}

TEST(IntMatrixTest, MinorStrikesRowAndColumn) {
  const auto a = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  auto m = std::make_unique<TIntMatrix>();
  IntMatrixMinor(*a, *m, 3, 3, 3);
  EXPECT_EQ(((std::vector<int>{(*m)[1][1], (*m)[1][2], (*m)[2][1], (*m)[2][2]})),
            (std::vector<int>{1, 2, 4, 5}));
  IntMatrixMinor(*a, *m, 3, 1, 1);
  EXPECT_EQ(((std::vector<int>{(*m)[1][1], (*m)[1][2], (*m)[2][1], (*m)[2][2]})),
            (std::vector<int>{5, 6, 8, 9}));
  IntMatrixMinor(*a, *m, 3, 2, 1);
  EXPECT_EQ(((std::vector<int>{(*m)[1][1], (*m)[1][2], (*m)[2][1], (*m)[2][2]})),
            (std::vector<int>{2, 3, 8, 9}));
  auto same = MatrixOf({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  IntMatrixMinor(*same, *same, 3, 2, 2);  // in place
  EXPECT_EQ(((std::vector<int>{(*same)[1][1], (*same)[1][2], (*same)[2][1], (*same)[2][2]})),
            (std::vector<int>{1, 3, 7, 9}));
  IntMatrixMinor(*a, *m, 1, 1, 1);  // n <= 1: untouched
  EXPECT_EQ((*m)[1][1], 2);
}

TEST(IntMatrixTest, MultiplySquaresInPlaceAndKeepsOutsideCells) {
  auto a = MatrixOf({{1, 2, 99}, {3, 4, 99}, {99, 99, 99}});
  IntMatrixMultiply(*a, *a, 2, *a);
  EXPECT_EQ(
      ((std::vector<int>{(*a)[1][1], (*a)[1][2], (*a)[2][1], (*a)[2][2], (*a)[1][3], (*a)[3][3]})),
      (std::vector<int>{7, 10, 15, 22, 99, 99}));
  ClearIntMatrix(*a, 2);
  EXPECT_EQ(((std::vector<int>{(*a)[1][1], (*a)[2][2], (*a)[1][3]})), (std::vector<int>{0, 0, 99}));
  ClearIntMatrix(*a, 0);
  EXPECT_EQ((*a)[1][3], 99);
}

TEST(IntMatrixTest, ReachabilityHelpersUseTheStrictUpperTriangle) {
  const auto a = MatrixOf({{1, 1, 0}, {1, 1, 1}, {1, 1, 1}});
  auto b = MatrixOf({{0, 0, 0}, {0, 0, 5}, {0, 0, 0}});
  (*b)[2][3] = 0;
  MarkNewReachable(1, 3, *a, *b);
  EXPECT_EQ(((std::vector<int>{(*b)[1][2], (*b)[1][3], (*b)[2][3], (*b)[1][1], (*b)[2][1]})),
            (std::vector<int>{1, 0, 1, 0, 0}));
  const auto a2 = MatrixOf({{0, 1, 1}, {0, 0, 1}, {0, 0, 0}});
  MarkNewReachable(2, 3, *a2, *b);
  EXPECT_EQ(((std::vector<int>{(*b)[1][2], (*b)[1][3], (*b)[2][3]})), (std::vector<int>{1, 2, 1}));
  EXPECT_TRUE(UpperTriangleHasZero(*a, 3));
  EXPECT_FALSE(UpperTriangleHasZero(*a2, 3));
}

TEST(IntMatrixTest, SwapRowsColsRenumbersTwoVertices) {
  auto a = std::make_unique<TIntMatrix>();
  (*a)[1][2] = 1;   // arc 1 -> 2
  (*a)[2][64] = 3;  // arc 2 -> 64, outside any leading block
  (*a)[64][1] = 4;
  SwapRowsCols(*a, 1, 2);
  EXPECT_EQ((*a)[2][1], 1);
  EXPECT_EQ((*a)[1][64], 3);
  EXPECT_EQ((*a)[64][2], 4);
  EXPECT_EQ((*a)[1][2], 0);
  const auto before = std::make_unique<TIntMatrix>(*a);
  SwapRowsCols(*a, 5, 5);
  EXPECT_EQ(*a, *before);
  EXPECT_THROW(SwapRowsCols(*a, 0, 5), IndexRangeError);
}

TEST(IntMatrixTest, TabularByStyle) {
  const auto a = MatrixOf({{1, -2}, {30, 4}});
  const std::vector<std::pair<int, std::string>> heads = {
      {2, "\\tabcolsep=2pt\\small$\\begin{tabular}{|"},
      {3, "\\tabcolsep=3pt$\\begin{tabular}{|"},
      {1, "\\tabcolsep=2pt\\scriptsize$\\begin{tabular}{|"},
  };
  for (const auto& [style, head] : heads) {
    toolkit::Run r;
    testing_support::OpenMemoryFiles(r);
    WriteIntMatrixTex(r, style, 2, *a);
    EXPECT_EQ(MainText(r),
              head + "ll|}\r\n1 & -2\\\\ \r\n30 & 4\\\\ \r\n\\end{tabular}$\\ \\ \r\n");
  }
}

TEST(IntMatrixTest, RealProductAndTriangleCross) {
  TRealMatrix4 a{};
  TRealMatrix4 b{};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      a[i][j] = i + 0.5 * j;
      b[i][j] = i == j ? 2 : 0;
    }
  }
  a[1][4] = 100;  // outside the 3 x 3 block: not read
  TRealMatrix4 c{};
  c[4][4] = -1;
  RealMatrixMultiply(a, b, 3, c);
  EXPECT_DOUBLE_EQ(c[2][3], 2 * (2 + 1.5));
  EXPECT_DOUBLE_EQ(c[1][1], 3);
  EXPECT_DOUBLE_EQ(c[4][4], -1);
  RealMatrixMultiply(a, b, 2, a);
  EXPECT_DOUBLE_EQ(a[1][2], 4);

  toolkit::Run r;
  const int points[3][4] = {{0, 3, 0, 1}, {0, 0, 4, 1}, {0, 0, 0, 1}};  // [coordinate][point]
  for (int m = 0; m < 3; ++m) {
    for (int p = 0; p < 4; ++p) r.Points3D[m + 1][p + 1] = points[m][p];
  }
  EXPECT_DOUBLE_EQ(TriangleCross3DLength(r, 1, 2, 3, 1), 12);  // twice the area of a 3-4-5 triangle
  EXPECT_DOUBLE_EQ(TriangleCross3DLength(r, 1, 2, 4, 3), std::sqrt(90.0));  // (3,0,0) x (1,-3,1)
}

}  // namespace
}  // namespace toolkit
