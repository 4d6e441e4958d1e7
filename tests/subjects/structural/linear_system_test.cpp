#include "subjects/structural/common/linear_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "toolkit/errors.h"

namespace structural {
namespace {

using toolkit::DegenerateDataError;

// The tables are large; keep them off the stack.
std::unique_ptr<Mechanics> NewMechanics() { return std::make_unique<Mechanics>(); }

void SetRow(Mechanics& m, int row, std::initializer_list<double> coefficients, double rhs) {
  int j = 1;
  for (double c : coefficients) m.SystemMatrix[row][j++] = c;
  m.SystemRhs[row][1] = rhs;
}

TEST(SolveLinearSystemTest, DiagonalSystemDividesEachRightHandSide) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 3);
  SetRow(*m, 1, {2, 0, 0}, 4);
  SetRow(*m, 2, {0, 5, 0}, 1);
  SetRow(*m, 3, {0, 0, 8}, -2);
  SolveLinearSystem(*m, 3, 1);
  EXPECT_DOUBLE_EQ(m->SystemRhs[1][1], 2.0);
  EXPECT_DOUBLE_EQ(m->SystemRhs[2][1], 0.2);
  EXPECT_DOUBLE_EQ(m->SystemRhs[3][1], -0.25);
}

TEST(SolveLinearSystemTest, ZeroLeadingEntrySwapsRowsAndLeavesUpperTriangle) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 2);
  SetRow(*m, 1, {0, 1}, 3);  // y = 3
  SetRow(*m, 2, {2, 1}, 7);  // 2x + y = 7
  SolveLinearSystem(*m, 2, 1);
  EXPECT_DOUBLE_EQ(m->SystemRhs[1][1], 2.0);
  EXPECT_DOUBLE_EQ(m->SystemRhs[2][1], 3.0);
  // Row 2 became the first row; below the diagonal exactly zero.
  EXPECT_EQ(m->SystemMatrix[1][1], 2.0);
  EXPECT_EQ(m->SystemMatrix[1][2], 1.0);
  EXPECT_EQ(m->SystemMatrix[2][1], 0.0);
  EXPECT_EQ(m->SystemMatrix[2][2], 1.0);
}

TEST(SolveLinearSystemTest, EqualCandidatesKeepTheUpperRowAsPivot) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 3);
  SetRow(*m, 1, {1, 1, 1}, 6);
  SetRow(*m, 2, {-3, 1, 0}, -1);
  SetRow(*m, 3, {3, 0, 1}, 6);
  SolveLinearSystem(*m, 3, 0);  // triangulate only: the pivot row shows in row 1
  EXPECT_EQ(m->SystemMatrix[1][1], -3.0);
  EXPECT_EQ(m->SystemMatrix[1][2], 1.0);
  EXPECT_EQ(m->SystemMatrix[1][3], 0.0);
}

TEST(SolveLinearSystemTest, PivotRatioOfExactlyTheLimitIsSingularAndAboveItIsNot) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 3);
  SetRow(*m, 1, {1, 0, 0}, 1);
  SetRow(*m, 2, {0, 1e-9, 0}, 1);
  SetRow(*m, 3, {0, 0, 1}, 1);
  EXPECT_THROW(SolveLinearSystem(*m, 3, 1), DegenerateDataError);

  ClearLinearSystem(*m, 3);
  SetRow(*m, 1, {1, 0, 0}, 1);
  SetRow(*m, 2, {0, 1.000001e-9, 0}, 1);
  SetRow(*m, 3, {0, 0, 1}, 1);
  EXPECT_NO_THROW(SolveLinearSystem(*m, 3, 1));
  EXPECT_NEAR(m->SystemRhs[2][1], 1 / 1.000001e-9, 1e-3);
}

TEST(SolveLinearSystemTest, SingularSystemsThrowWithTheSystemsName) {
  struct Case {
    const char* what;
    int n;
    double a[3][3];
  };
  const Case cases[] = {
      {"first column all zero", 3, {{0, 1, 2}, {0, 3, 4}, {0, 5, 7}}},
      {"two equal rows", 3, {{1, 2, 3}, {1, 2, 3}, {4, 5, 7}}},
      {"zero last pivot", 3, {{1, 0, 0}, {0, 1, 0}, {0, 0, 0}}},
      {"last row a combination", 3, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
      {"single zero", 1, {{0}}},
  };
  for (const Case& c : cases) {
    auto m = NewMechanics();
    ClearLinearSystem(*m, c.n);
    for (int i = 0; i < c.n; ++i) {
      for (int j = 0; j < c.n; ++j) m->SystemMatrix[i + 1][j + 1] = c.a[i][j];
      m->SystemRhs[i + 1][1] = 1;
    }
    try {
      SolveLinearSystem(*m, c.n, 1, "joint equations");
      ADD_FAILURE() << c.what << ": no error";
    } catch (const DegenerateDataError& e) {
      EXPECT_NE(std::string(e.what()).find("joint equations"), std::string::npos) << c.what;
    }
  }
}

TEST(SolveLinearSystemTest, SingleUnknownIsDividedWithoutThreshold) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 1);
  SetRow(*m, 1, {1e-12}, 3e-12);
  SolveLinearSystem(*m, 1, 1);
  EXPECT_DOUBLE_EQ(m->SystemRhs[1][1], 3.0);
}

TEST(SolveLinearSystemTest, SixRightHandSidesShareOneEliminationAndLaterColumnsStay) {
  auto m = NewMechanics();
  ClearLinearSystem(*m, 2);
  SetRow(*m, 1, {1, 2}, 0);
  SetRow(*m, 2, {3, 4}, 0);
  for (int r = 1; r <= 6; ++r) {
    m->SystemRhs[1][r] = r;      // x + 2y = r
    m->SystemRhs[2][r] = 2 * r;  // 3x + 4y = 2r  =>  x = 0, y = r/2
  }
  SolveLinearSystem(*m, 2, 4);
  for (int r = 1; r <= 4; ++r) {
    EXPECT_NEAR(m->SystemRhs[1][r], 0.0, 1e-14) << r;
    EXPECT_NEAR(m->SystemRhs[2][r], r / 2.0, 1e-14) << r;
  }
  EXPECT_EQ(m->SystemRhs[1][5], 5.0);
  EXPECT_EQ(m->SystemRhs[2][6], 12.0);
}

TEST(ClearLinearSystemTest, ClearsOnlyTheLeadingBlock) {
  auto m = NewMechanics();
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) m->SystemMatrix[i][j] = 9;
    for (int r = 1; r <= 6; ++r) m->SystemRhs[i][r] = 9;
  }
  ClearLinearSystem(*m, 3);
  EXPECT_EQ(m->SystemMatrix[3][3], 0.0);
  EXPECT_EQ(m->SystemRhs[3][6], 0.0);
  EXPECT_EQ(m->SystemMatrix[1][4], 9.0);
  EXPECT_EQ(m->SystemMatrix[4][1], 9.0);
  EXPECT_EQ(m->SystemRhs[4][1], 9.0);
  ClearLinearSystem(*m, 0);
  EXPECT_EQ(m->SystemMatrix[4][4], 9.0);
}

TEST(SolveLinearSystemTest, RandomWellConditionedSystemsLeaveASmallResidual) {
  std::mt19937 rng(20261210);
  std::uniform_real_distribution<double> coefficient(-10.0, 10.0);
  for (int n : {2, 3, 5, 8, 17, 30, 50, 52}) {
    for (int trial = 0; trial < 5; ++trial) {
      auto m = NewMechanics();
      auto original = NewMechanics();
      const int rhs = 1 + trial;
      ClearLinearSystem(*m, n);
      for (int i = 1; i <= n; ++i) {
        double row_sum = 0;
        for (int j = 1; j <= n; ++j) {
          m->SystemMatrix[i][j] = coefficient(rng);
          row_sum += std::fabs(m->SystemMatrix[i][j]);
        }
        // Diagonal dominance keeps the condition number small; shuffle it off the diagonal
        // for odd trials so that pivoting has work to do.
        const int diagonal = trial % 2 == 0 ? i : n + 1 - i;
        m->SystemMatrix[i][diagonal] = row_sum + 1;
        for (int r = 1; r <= rhs; ++r) m->SystemRhs[i][r] = coefficient(rng);
      }
      *original = *m;
      SolveLinearSystem(*m, n, rhs);
      for (int r = 1; r <= rhs; ++r) {
        for (int i = 1; i <= n; ++i) {
          long double residual = -original->SystemRhs[i][r];
          for (int j = 1; j <= n; ++j) {
            residual += static_cast<long double>(original->SystemMatrix[i][j]) * m->SystemRhs[j][r];
          }
          EXPECT_LT(std::fabs(static_cast<double>(residual)), 1e-10)
              << "n=" << n << " trial=" << trial << " row=" << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace structural
