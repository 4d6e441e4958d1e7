#include "subjects/discrete/discrete.h"

#include <algorithm>
#include <iterator>

#include "subjects/calculus/problems.h"
#include "subjects/discrete/counting_problems.h"
#include "subjects/discrete/problems.h"

namespace discrete {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// Row 8 grows its tree on a grid that follows Level, 3 x 3 up to 6 x 6, with bars stopping
// 1.5 units short of the vertices.
void BeginTreeCentreRow8(SharedState& s) {
  const int k = std::min(s.Level + 2, 6);
  s.TreeGridCols = k;
  s.TreeGridRows = k;
  s.NodeGap = 1.5;
  BeginTreeCentreProblem(s);
}

// Row 22: 3 x 3 at Level 1, 4 x 4 at Level 2, 5 x 5 above.
void BeginTreeCentreRow22(SharedState& s) {
  const int k = s.Level == 1 ? 3 : s.Level == 2 ? 4 : 5;
  s.TreeGridCols = k;
  s.TreeGridRows = k;
  BeginTreeCentreProblem(s);
}

// The Discrete Mathematics list in row order: title as stored (trailing blanks included),
// bounds of P1..P7, begin and variant routines.
constexpr ProblemRow kDiscreteRows[] = {
    {"Транзитивное замыкание              ", {16, 16, 16, 16, 16, 16, 16},
     BeginTransitiveClosureProblem, WriteTransitiveClosureVariant},  // 1
    {"Дискретная математика. Минимальный остов", {6, 6, 5, 5, 5, 33, 32},
     BeginMinimumSpanningTreeProblem, WriteMinimumSpanningTreeVariant},  // 2
    {"Дискретная математика. Кратчайший путь. ОрГраф", {40, 40, 40, 40, 40, 33, 32},
     BeginShortestPathProblem, WriteShortestPathVariant},  // 3
    {"Множества. Операции. Мощность.        ", {4, 10, 15, 15, 15, 33, 32}, calculus::BeginSetCardinalityProblem, calculus::WriteSetCardinalityVariant},  // 4
    {"Радиус и диаметр графа                ", {10, 10, 10, 10, 10, 33, 32},
     BeginGraphRadiusProblem, WriteGraphRadiusVariant},  // 5
    {"Пути в орграфе                        ", {18, 18, 18, 18, 18, 33, 32},
     BeginDigraphPathsProblem, WriteDigraphPathsVariant},  // 6
    {"Таблица Кэли                          ", {14, 14, 11, 11, 11, 33, 32},
     BeginCayleyTableProblem, WriteCayleyTableVariant},  // 7
    {"Дерево. Десятичная кодировка.         ", {64, 4, 5, 5, 5, 33, 32},
     BeginTreeCentreRow8, WriteTreeCentreVariant},  // 8
    {"Сеть                                  ", {64, 64, 64, 64, 64, 33, 32},
     BeginNetworkFlowProblem, WriteNetworkFlowVariant},  // 9
    {"Дерево. Кодировка Прюфера             ", {25, 4, 5, 5, 5, 33, 32},
     [](SharedState& s) { BeginPruferCodeProblem(s, 2); },
     [](SharedState& s) { WritePruferCodeVariant(s, 2); }},  // 10
    {"Раскодировка Прюфера                  ", {16, 4, 5, 5, 5, 33, 32},
     [](SharedState& s) { BeginPruferCodeProblem(s, 1); },
     [](SharedState& s) { WritePruferCodeVariant(s, s.Level == 4 ? 3 : 1); }},  // 11
    {"Задача о назначениях", {10, 10, 10, 10, 10, 10, 10},
     BeginAssignmentProblem, WriteAssignmentVariant},  // 12
    {"Китайская теорема об остатках", {6, 6, 4, 2, 6, 6, 6},
     BeginChineseRemainderProblem, WriteChineseRemainderVariant},  // 13
    {"Восстановление перестановки по таблице инверсий", {8, 8, 8, 8, 8, 8, 8},
     BeginPermutationFromInversionsProblem, WritePermutationFromInversionsVariant},  // 14
    {"Таблица инверсий", {8, 8, 8, 8, 8, 8, 8},
     BeginInversionTableProblem, WriteInversionTableVariant},  // 15
    {"Решение сравнений", {13, 14, 4, 3, 2, 7, 7},
     BeginCongruenceProblem, WriteCongruenceVariant},  // 16
    {"Цикловой индекс структуры", {6, 6, 6, 6, 6, 6, 6},
     BeginCycleIndexProblem, WriteCycleIndexVariant},  // 17
    {"Циклы в подстановке", {8, 8, 8, 8, 8, 8, 8},
     BeginPermutationCyclesProblem, WritePermutationCyclesVariant},  // 18
    {"Хроматический полином (6)", {10, 10, 10, 10, 10, 33, 32},
     BeginChromaticPolynomialProblem,
     [](SharedState& s) { WriteChromaticPolynomialVariant(s, 2); }},  // 19
    {"Хроматический полином (5)", {10, 10, 10, 10, 10, 33, 32},
     BeginChromaticPolynomialProblem,
     [](SharedState& s) { WriteChromaticPolynomialVariant(s, 1); }},  // 20
    {"Компоненты сильной связности графа", {7, 7, 7, 7, 7, 33, 32},
     [](SharedState& s) { BeginStrongComponentsProblem(s, 7); },
     [](SharedState& s) { WriteStrongComponentsVariant(s, 7); }},  // 21
    {"Центроид дерева (n=16)", {16, 3, 4, 4, 4, 33, 32},
     BeginTreeCentreRow22, WriteTreeCentreVariant},  // 22
    {"Паросочетание", {36, 36, 36, 36, 36, 36, 36},
     BeginMatchingProblem, WriteMatchingVariant},  // 23
    {"Код Гапта", {9, 9, 9, 9, 16, 16, 16},
     [](SharedState& s) { BeginGaptCodeProblem(s, 1); },
     [](SharedState& s) { WriteGaptCodeVariant(s, 1); }},  // 24
    {"Раскодировка Гапта", {9, 9, 9, 9, 16, 16, 16},
     [](SharedState& s) { BeginGaptCodeProblem(s, 2); },
     [](SharedState& s) { WriteGaptCodeVariant(s, 2); }},  // 25
    {"Вычисление числа циклов по матрице смежности", {9, 4, 5, 5, 5, 2, 3},
     BeginCycleCountProblem, WriteCycleCountVariant},  // 26
    {"Топологическая сортировка бесконтурной сети", {9, 9, 9, 9, 9, 9, 9},
     [](SharedState& s) { BeginTopologicalSortProblem(s, 9); },
     [](SharedState& s) { WriteTopologicalSortVariant(s, 9); }},  // 27
    {"Десятичная кодировка", {6, 7, 7, 7, 7, 7, 7},
     BeginDecimalTreeCodeProblem, WriteDecimalTreeCodeVariant},  // 28
    {"Гамильтоновы циклы", {5, 5, 5, 5, 5, 5, 7},
     [](SharedState& s) { BeginHamiltonianCyclesProblem(s, 5); },
     WriteHamiltonianCyclesVariant},  // 29
    {"Задача коммивояжера", {9, 9, 9, 9, 9, 9, 5},
     BeginTravellingSalesmanProblem, WriteTravellingSalesmanVariant},  // 30
    {"Реберный граф", {10, 10, 10, 10, 10, 33, 32},
     BeginLineGraphProblem,
     [](SharedState& s) { WriteLineGraphVariant(s, 1); }},  // 31
    {"Подстановки", {5, 5, 5, 5, 5, 5, 5},
     BeginPermutationProductProblem, WritePermutationProductVariant},  // 32
    {"Линейное рекуррентное соотношение", {10, 10, 10, 10, 6, 10, 10},
     BeginRecurrenceProblem, WriteRecurrenceVariant},  // 33
    {"Ладейный полином", {31, 31, 31, 31, 31, 31, 31},
     BeginRookPolynomialProblem, WriteRookPolynomialVariant},  // 34
    {"Формула включений и исключений", {6, 5, 3, 5, 5, 5, 5},
     BeginInclusionExclusionProblem, WriteInclusionExclusionVariant},  // 35
    {"Решение уравнения в целых числах", {4, 4, 4, 5, 5, 9, 9},
     BeginDiophantineProblem, WriteDiophantineVariant},  // 36
    {"Функция Эйлера", {4, 3, 2, 2, 2, 2, 4},
     BeginEulerFunctionProblem, WriteEulerFunctionVariant},  // 37
    {"Число инверсий", {6, 6, 6, 6, 6, 6, 5},
     BeginInversionCountProblem, WriteInversionCountVariant},  // 38
};
static_assert(std::size(kDiscreteRows) == kDiscreteProblemCount);

// Rows 39 and 40 belong to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {1, 1, 1, 1, 1, 1, 1},  // 39
    {1, 1, 1, 1, 1, 1, 1},  // 40
};

}  // namespace

const subjects::ProblemTab DiscreteTab{kDiscreteRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kDiscreteProblemCount> DiscreteTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kDiscreteProblemCount> t;
  for (int i = 1; i <= kDiscreteProblemCount; ++i) t[i] = kDiscreteRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable DiscreteRanges = subjects::RangesOf(DiscreteTab);

void BeginDiscreteProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, DiscreteTab, problem);
}

void WriteDiscreteVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, DiscreteTab, problem);
}

}  // namespace discrete
