#include "subjects/algebra/algebra.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/dispatch.h"
#include "subjects/algebra/algebra_helpers.h"
#include "tests/support/memory_files.h"

namespace {

TEST(AlgebraTable, TitlesAsStoredWithTheirTrailingBlanks) {
  const char* titles[algebra::kAlgebraProblemCount] = {
      "Определитель 4 порядка              ",
      "Определитель 3 порядка              ",
      "Система линейных уравнений 3 порядка",
      "Системы линейных уравнений",
      "Произведение матриц и решение уравнений",
      "Матричное уравнение                 ",
      "Алгебра матриц. Вычисление определителя    ",
      "Собственные числа матрицы  (2x2)    ",
      "Собственные числа матрицы  (3x3)    ",
      "Умножение и сложение матриц. Вычисление определителя",
      "Система линейных уравнений 4 порядка",
      "Векторная алгебра",
      "Обратная матрица, умножение и сложение матриц",
      "Геометрия на плоскости. Медианы,высоты (1) ",
      "Геометрия на плоскости. Медианы,высоты (2) ",
      "Геометрия в пространстве. Объем тетраэдра",
      "Расстояние между прямыми            ",
      "Эллипс                              ",
      "Гипербола                           ",
      "Классификация кривых 2-го порядка",
      "Задачи аналитической геометрии в пространстве",
      "Центр кривой второго порядка                 ",
      "Разложение вектора по базису                ",
  };
  for (int row = 1; row <= algebra::kAlgebraProblemCount; ++row) {
    EXPECT_EQ(algebra::AlgebraTitles[row], titles[row - 1]) << "row " << row;
    EXPECT_EQ(shell::ProblemTitle(shell::DefaultSubjectTable(), 3, row), titles[row - 1]);
  }
  EXPECT_EQ(shell::ProblemCount(shell::DefaultSubjectTable(), 3), 23);
}

TEST(AlgebraTable, BoundsOfEveryRowAndOfTheSpareRows) {
  const int bounds[40][7] = {{20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 15, 15, 5, 3, 3},
                             {20, 20, 15, 15, 5, 5, 5},
                             {20, 20, 15, 15, 5, 2, 2},
                             {20, 20, 15, 15, 3, 33, 32},
                             {8, 8, 4, 4, 4, 33, 32},
                             {20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 15, 15, 3, 33, 32},
                             {20, 20, 20, 20, 20, 33, 32},
                             {3, 6, 6, 4, 6, 6, 6},
                             {8, 8, 4, 4, 2, 2, 2},
                             {20, 20, 15, 15, 3, 3, 3},
                             {20, 20, 15, 15, 3, 3, 3},
                             {20, 20, 15, 15, 4, 4, 4},
                             {14, 15, 3, 3, 3, 3, 3},
                             {24, 3, 3, 3, 3, 3, 3},
                             {16, 3, 3, 4, 4, 4, 4},
                             {15, 5, 5, 5, 5, 5, 5},
                             {10, 10, 10, 10, 10, 10, 10},
                             {6, 6, 6, 3, 3, 3, 2},
                             // 24..31
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             {1, 1, 1, 1, 1, 33, 32},
                             // 32..40
                             {3, 3, 3, 3, 3, 3, 3},
                             {1, 1, 1, 1, 1, 1, 1},
                             {3, 3, 3, 3, 3, 3, 3},
                             {1, 1, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 1, 1, 1},
                             {1, 1, 1, 1, 1, 1, 1}};
  const toolkit::TParameterRangeTable shell_ranges =
      shell::SubjectRanges(shell::DefaultSubjectTable(), 3);
  for (int row = 1; row <= 40; ++row) {
    for (int k = 1; k <= 7; ++k) {
      EXPECT_EQ(algebra::AlgebraRanges[row][k], bounds[row - 1][k - 1]) << row << " P" << k;
      EXPECT_EQ(shell_ranges[row][k], bounds[row - 1][k - 1]) << row << " P" << k;
    }
  }
}

TEST(AlgebraTable, RowZeroAndRowsBeyondTheListWriteNothing) {
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->Level = 3;
  s->FirstNumber = 1;
  s->VariantIndex = 1;
  s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
  for (int problem : {0, 24, 40, 255}) {
    algebra::BeginAlgebraProblem(*s, problem);
    algebra::WriteAlgebraVariant(*s, problem);
  }
  EXPECT_EQ(testing_support::MainText(*s), "");
  EXPECT_EQ(testing_support::AnsText(*s), "");
  EXPECT_EQ(s->ParboxWidth, 0);
}

// q is Trunc(P / 4.01) + 1 (3.01 for P3, P4): within the bounds that is (P - 1) div 4 + 1,
// not P div 4 + 1; r is (P mod 4) + 1 (mod 3 for P3, P4).
TEST(AlgebraHelpers, PatternNumbersUseTheDivisors401And301) {
  struct Case {
    int p1, p2, p3, p4;
    algebra::PatternNumbers want;
  };
  const Case cases[] = {
      {1, 1, 1, 1, {1, 1, 1, 1, 2, 2, 2, 2}},    {4, 5, 3, 4, {1, 2, 1, 2, 1, 2, 1, 2}},
      {8, 9, 6, 7, {2, 3, 2, 3, 1, 2, 1, 2}},    {20, 17, 15, 13, {5, 5, 5, 5, 1, 2, 1, 2}},
      {16, 12, 12, 9, {4, 3, 4, 3, 1, 1, 1, 1}},
  };
  SharedState s;
  for (const Case& c : cases) {
    s.P1 = static_cast<std::int8_t>(c.p1);
    s.P2 = static_cast<std::int8_t>(c.p2);
    s.P3 = static_cast<std::int8_t>(c.p3);
    s.P4 = static_cast<std::int8_t>(c.p4);
    const algebra::PatternNumbers n = algebra::LinearSystemNumbers(s);
    const int got[8] = {n.q1, n.q2, n.q3, n.q4, n.r1, n.r2, n.r3, n.r4};
    const int want[8] = {c.want.q1, c.want.q2, c.want.q3, c.want.q4,
                         c.want.r1, c.want.r2, c.want.r3, c.want.r4};
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(got[k], want[k]) << c.p1 << " " << c.p2 << " " << c.p3 << " " << c.p4 << " #" << k;
    }
  }
}

}  // namespace
