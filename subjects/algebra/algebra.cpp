#include "subjects/algebra/algebra.h"

#include "subjects/algebra/problems.h"

namespace algebra {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Algebra list in row order: title as stored (trailing blanks included), bounds of P1..P7,
// begin and variant routines. Rows 3 and 11 share one pair with the size of the system; rows
// 7 and 10 share the variant routine with a flag.
constexpr ProblemRow kAlgebraRows[] = {
    {"Определитель 4 порядка              ",
     {20, 20, 15, 15, 3, 33, 32},
     BeginDeterminant4Problem,
     WriteDeterminant4Variant},  // 1
    {"Определитель 3 порядка              ",
     {20, 20, 15, 15, 3, 33, 32},
     BeginDeterminant3Problem,
     WriteDeterminant3Variant},  // 2
    {"Система линейных уравнений 3 порядка",
     {20, 20, 15, 15, 3, 33, 32},
     [](SharedState& s) { BeginLinearSystemProblem(s, 3); },
     [](SharedState& s) { WriteLinearSystemVariant(s, 3); }},  // 3
    {"Системы линейных уравнений",
     {20, 20, 15, 15, 3, 33, 32},
     BeginLinearSystemsProblem,
     WriteLinearSystemsVariant},  // 4
    {"Произведение матриц и решение уравнений",
     {20, 20, 15, 15, 5, 3, 3},
     BeginMatrixProductProblem,
     WriteMatrixProductVariant},  // 5
    {"Матричное уравнение                 ",
     {20, 20, 15, 15, 5, 5, 5},
     BeginMatrixEquationProblem,
     WriteMatrixEquationVariant},  // 6
    {"Алгебра матриц. Вычисление определителя    ",
     {20, 20, 15, 15, 5, 2, 2},
     BeginMatrixAlgebraProblem,
     [](SharedState& s) { WriteMatrixAlgebraVariant(s, 1); }},  // 7
    {"Собственные числа матрицы  (2x2)    ",
     {20, 20, 15, 15, 3, 33, 32},
     BeginEigenvalues2Problem,
     WriteEigenvalues2Variant},  // 8
    {"Собственные числа матрицы  (3x3)    ",
     {8, 8, 4, 4, 4, 33, 32},
     BeginEigenvalues3Problem,
     WriteEigenvalues3Variant},  // 9
    {"Умножение и сложение матриц. Вычисление определителя",
     {20, 20, 15, 15, 3, 33, 32},
     BeginMatrixSumProductProblem,
     [](SharedState& s) { WriteMatrixAlgebraVariant(s, 0); }},  // 10
    {"Система линейных уравнений 4 порядка",
     {20, 20, 15, 15, 3, 33, 32},
     [](SharedState& s) { BeginLinearSystemProblem(s, 4); },
     [](SharedState& s) { WriteLinearSystemVariant(s, 4); }},  // 11
    {"Векторная алгебра",
     {20, 20, 20, 20, 20, 33, 32},
     BeginVectorAlgebraProblem,
     WriteVectorAlgebraVariant},  // 12
    {"Обратная матрица, умножение и сложение матриц",
     {3, 6, 6, 4, 6, 6, 6},
     BeginInverseMatrixProblem,
     WriteInverseMatrixVariant},                                                      // 13
    {"Геометрия на плоскости. Медианы,высоты (1) ",
     {8, 8, 4, 4, 2, 2, 2},
     [](SharedState& s) { BeginPlaneTriangleProblem(s, 10); },
     [](SharedState& s) { WritePlaneTriangleVariant(s, 10); }},  // 14
    {"Геометрия на плоскости. Медианы,высоты (2) ",
     {20, 20, 15, 15, 3, 3, 3},
     [](SharedState& s) { BeginPlaneTriangleProblem(s, 11); },
     [](SharedState& s) { WritePlaneTriangleVariant(s, 11); }},  // 15
    {"Геометрия в пространстве. Объем тетраэдра",
     {20, 20, 15, 15, 3, 3, 3},
     BeginTetrahedronProblem,
     WriteTetrahedronVariant},  // 16
    {"Расстояние между прямыми            ",
     {20, 20, 15, 15, 4, 4, 4},
     BeginLineDistanceProblem,
     WriteLineDistanceVariant},  // 17
    {"Эллипс                              ",
     {14, 15, 3, 3, 3, 3, 3},
     BeginEllipseProblem,
     WriteEllipseVariant},  // 18
    {"Гипербола                           ",
     {24, 3, 3, 3, 3, 3, 3},
     BeginHyperbolaProblem,
     WriteHyperbolaVariant},  // 19
    {"Классификация кривых 2-го порядка",
     {16, 3, 3, 4, 4, 4, 4},
     BeginCurveClassificationProblem,
     WriteCurveClassificationVariant},  // 20
    {"Задачи аналитической геометрии в пространстве",
     {15, 5, 5, 5, 5, 5, 5},
     BeginSpaceGeometryProblem,
     WriteSpaceGeometryVariant},  // 21
    {"Центр кривой второго порядка                 ",
     {10, 10, 10, 10, 10, 10, 10},
     BeginCurveCentreProblem,
     WriteCurveCentreVariant},  // 22
    {"Разложение вектора по базису                ",
     {6, 6, 6, 3, 3, 3, 2},
     BeginBasisExpansionProblem,
     WriteBasisExpansionVariant},  // 23
};
static_assert(std::size(kAlgebraRows) == kAlgebraProblemCount);

// Rows 24..40 belong to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {1, 1, 1, 1, 1, 33, 32},  // 24
    {1, 1, 1, 1, 1, 33, 32},  // 25
    {1, 1, 1, 1, 1, 33, 32},  // 26
    {1, 1, 1, 1, 1, 33, 32},  // 27
    {1, 1, 1, 1, 1, 33, 32},  // 28
    {1, 1, 1, 1, 1, 33, 32},  // 29
    {1, 1, 1, 1, 1, 33, 32},  // 30
    {1, 1, 1, 1, 1, 33, 32},  // 31
    {3, 3, 3, 3, 3, 3, 3},    // 32
    {1, 1, 1, 1, 1, 1, 1},    // 33
    {3, 3, 3, 3, 3, 3, 3},    // 34
    {1, 1, 1, 1, 1, 1, 1},    // 35
    {1, 1, 1, 1, 1, 1, 1},    // 36
    {1, 1, 1, 1, 1, 1, 1},    // 37
    {1, 1, 1, 1, 1, 1, 1},    // 38
    {1, 1, 1, 1, 1, 1, 1},    // 39
    {1, 1, 1, 1, 1, 1, 1},    // 40
};

}  // namespace

const subjects::ProblemTab AlgebraTab{kAlgebraRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kAlgebraProblemCount> AlgebraTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kAlgebraProblemCount> t;
  for (int i = 1; i <= kAlgebraProblemCount; ++i) t[i] = kAlgebraRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable AlgebraRanges = subjects::RangesOf(AlgebraTab);

void BeginAlgebraProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, AlgebraTab, problem);
}

void WriteAlgebraVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, AlgebraTab, problem);
}

}  // namespace algebra
