#include "subjects/logic/logic.h"

#include <iterator>

#include "subjects/logic/problems.h"

namespace logic {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Logic list in row order: title as stored, bounds of P1..P7, begin and variant routines.
// Rows 1 and 2 share one pair (formula or relay-contact circuit), rows 6 and 7 another
// (formula or Karnaugh map); the lambdas pass the mode.
constexpr ProblemRow kLogicRows[] = {
    {"Упрощение совершенной дизъюнктивной нормальной формы",
     {32, 1, 1, 1, 1, 1, 1},
     [](SharedState& s) { BeginThreeVariableDnfProblem(s, 1); },
     [](SharedState& s) { WriteThreeVariableDnfVariant(s, 1); }},  // 1
    {"Упрощение переключательных схем",
     {32, 1, 1, 1, 1, 1, 1},
     [](SharedState& s) { BeginThreeVariableDnfProblem(s, 2); },
     [](SharedState& s) { WriteThreeVariableDnfVariant(s, 2); }},  // 2
    {"Упрощение выражений",
     {32, 3, 20, 10, 10, 33, 32},
     BeginExpressionSimplificationProblem,
     WriteExpressionSimplificationVariant},  // 3
    {"Полином Жегалкина",
     {41, 10, 10, 10, 10, 33, 32},
     BeginZhegalkinPolynomialProblem,
     WriteZhegalkinPolynomialVariant},                                                  // 4
    {"СДНФ", {4, 4, 6, 5, 6, 33, 32}, BeginTruthTableProblem, WriteTruthTableVariant},  // 5
    {"Упрощение СДНФ (4 переменные)",
     {25, 4, 4, 4, 4, 33, 32},
     [](SharedState& s) { BeginFourVariableDnfProblem(s, 1); },
     [](SharedState& s) { WriteFourVariableDnfVariant(s, 1); }},  // 6
    {"Упрощение логической функции. Карты Карно",
     {25, 4, 4, 4, 4, 33, 32},
     [](SharedState& s) { BeginFourVariableDnfProblem(s, 2); },
     [](SharedState& s) { WriteFourVariableDnfVariant(s, 2); }},  // 7
};
static_assert(std::size(kLogicRows) == kLogicProblemCount);

// Rows 8..40 belong to no list row; a bound of 1 keeps their stored parameters at 1.
constexpr ParameterBounds kSpareBounds[] = {
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1},
};
static_assert(kLogicProblemCount + std::size(kSpareBounds) == 40);

}  // namespace

const subjects::ProblemTab LogicTab{kLogicRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kLogicProblemCount> LogicTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kLogicProblemCount> t;
  for (int i = 1; i <= kLogicProblemCount; ++i) t[i] = kLogicRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable LogicRanges = subjects::RangesOf(LogicTab);

void BeginLogicProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, LogicTab, problem);
}

void WriteLogicVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, LogicTab, problem);
}

}  // namespace logic
