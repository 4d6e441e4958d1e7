#include "subjects/calculus/calculus.h"

#include <cstdint>

#include "subjects/calculus/problems.h"

namespace calculus {

namespace {

using Routine = void (*)(SharedState&);

/// One Analysis row: its begin and variant routines; a row not built yet holds nulls.
struct AnalysisRow {
  Routine begin;
  Routine variant;
};

// Row i of the list is element i - 1.
static const AnalysisRow kAnalysisRows[kAnalysisProblemCount] = {
    {BeginLimitByDefinitionProblem, WriteLimitByDefinitionVariant},                        // 1
    {BeginSequenceLimitProblem, WriteSequenceLimitVariant},                                // 2
    {BeginFirstRemarkableLimitProblem, WriteFirstRemarkableLimitVariant},                  // 3
    {BeginSecondRemarkableLimitProblem, WriteSecondRemarkableLimitVariant},                // 4
    {BeginDerivativeAtPointProblem, WriteDerivativeAtPointVariant},                        // 5
    {BeginLogarithmicDerivativeProblem, WriteLogarithmicDerivativeVariant},                // 6
    {BeginParametricDerivativeProblem, WriteParametricDerivativeVariant},                  // 7
    {BeginSecondDerivativeProblem, WriteSecondDerivativeVariant},                          // 8
    {BeginImplicitDerivativeProblem, WriteImplicitDerivativeVariant},                      // 9
    {BeginObliqueAsymptoteProblem, WriteObliqueAsymptoteVariant},                          // 10
    {BeginExtremumProblem, WriteExtremumVariant},                                          // 11
    {BeginGradientProblem, WriteGradientVariant},                                          // 12
    {BeginDirectionalDerivativeProblem, WriteDirectionalDerivativeVariant},                // 13
    {nullptr, nullptr},                                                                    // 14
    {nullptr, nullptr},                                                                    // 15
    {nullptr, nullptr},                                                                    // 16
    {nullptr, nullptr},                                                                    // 17
    {BeginNumericSeriesProblem, [](SharedState& s) { WriteNumericSeriesVariant(s, 1); }},  // 18
    {BeginNumericSeriesProblem, [](SharedState& s) { WriteNumericSeriesVariant(s, 2); }},  // 19
    {BeginFunctionalSeriesProblem, WriteFunctionalSeriesVariant},                          // 20
    {nullptr, nullptr},                                                                    // 21
    {nullptr, nullptr},                                                                    // 22
    {nullptr, nullptr},                                                                    // 23
    {nullptr, nullptr},                                                                    // 24
    {BeginExamPaper1Problem, WriteExamPaper1Variant},                                      // 25
    {nullptr, nullptr},                                                                    // 26
    {nullptr, nullptr},                                                                    // 27
    {BeginPowerSeriesProblem, WritePowerSeriesVariant},                                    // 28
    {BeginSeriesSumProblem, WriteSeriesSumVariant},                                        // 29
    {nullptr, nullptr},                                                                    // 30
    {nullptr, nullptr},                                                                    // 31
    {nullptr, nullptr},                                                                    // 32
    {nullptr, nullptr},                                                                    // 33
    {nullptr, nullptr},                                                                    // 34
    {nullptr, nullptr},                                                                    // 35
};

// Titles as stored, trailing blanks included (the answers file and the document head
// print the stored row).
static const std::string_view kTitles[kAnalysisProblemCount] = {
    "Limits (1)                          ",                    // 1
    "Limits (2)                          ",                    // 2
    "The first remarkable limit         ",                     // 3
    "The second remarkable limit         ",                    // 4
    "Derivative                         ",                     // 5
    "Logarithmic differentiation   ",                          // 6
    "Derivative of a function defined parametrically",         // 7
    "Second order derivative         ",                        // 8
    "Derivative of implicit function         ",                // 9
    "Asymptotes of the function                   ",           // 10
    "Extrema of functions                  ",                  // 11
    "Gradient                            ",                    // 12
    "Directional derivative          ",                        // 13
    "Integrals. Change of variable and integration by parts",  // 14
    "Integrals. The method of undetermined coefficients",      // 15
    "Integration Of Differential Binomial",                    // 16
    "Definite integrals              ",                        // 17
    "Series                                 ",                 // 18
    "Alternating series               ",                       // 19
    "Functional series                  ",                     // 20
    "Integrals of trigonometric expressions",                  // 21
    "Double integrals",                                        // 22
    "Change of variables - the Jacobian",                      // 23
    "Curvilinear integral 2-nd kind",                          // 24
    "Problems on the exam",                                    // 25
    "Double integrals (2)",                                    // 26
    "Integrals. The method of undetermined coefficients",      // 27
    "Power series                              ",              // 28
    "Sum of  series                            ",              // 29
    "Applications of the definite integral      (1)",          // 30
    "Applications of the definite integral(2)",                // 31
    "Triple integral ",                                        // 32
    "Curvilinear integral of the first kind",                  // 33
    "Vector flow",                                             // 34
    "Problems on the exam (2)",                                // 35
};

// Upper bounds of P1..P7; rows 36..40 belong to no list row.
static const std::uint8_t kRanges[40][7] = {
    {5, 6, 3, 3, 5, 33, 32},      // 1
    {5, 6, 3, 3, 5, 33, 32},      // 2
    {5, 7, 7, 7, 5, 33, 32},      // 3
    {10, 10, 5, 5, 5, 5, 5},      // 4
    {8, 6, 3, 8, 3, 4, 4},        // 5
    {10, 5, 3, 3, 15, 33, 32},    // 6
    {10, 7, 8, 3, 15, 33, 32},    // 7
    {5, 7, 3, 3, 15, 33, 32},     // 8
    {5, 5, 5, 5, 5, 33, 32},      // 9
    {5, 5, 10, 3, 5, 33, 32},     // 10
    {20, 3, 3, 3, 5, 33, 32},     // 11
    {10, 7, 8, 3, 5, 33, 32},     // 12
    {10, 7, 8, 12, 5, 33, 32},    // 13
    {10, 6, 10, 11, 10, 33, 32},  // 14
    {7, 4, 4, 4, 4, 33, 32},      // 15
    {10, 5, 10, 5, 10, 33, 32},   // 16
    {7, 3, 3, 3, 15, 6, 6},       // 17
    {14, 5, 5, 5, 5, 33, 32},     // 18
    {14, 5, 5, 5, 5, 33, 32},     // 19
    {4, 4, 3, 3, 12, 33, 32},     // 20
    {11, 3, 3, 3, 3, 33, 32},     // 21
    {2, 7, 5, 5, 5, 5, 5},        // 22
    {8, 4, 4, 4, 4, 33, 32},      // 23
    {3, 4, 4, 4, 4, 4, 4},        // 24
    {8, 10, 5, 5, 4, 3, 2},       // 25
    {3, 4, 4, 4, 4, 4, 4},        // 26
    {7, 4, 4, 4, 4, 33, 32},      // 27
    {12, 4, 4, 4, 4, 33, 32},     // 28
    {11, 5, 5, 5, 5, 33, 32},     // 29
    {5, 5, 5, 5, 5, 33, 32},      // 30
    {5, 3, 5, 5, 5, 33, 32},      // 31
    {4, 4, 4, 4, 4, 4, 4},        // 32
    {3, 3, 3, 3, 3, 3, 3},        // 33
    {8, 8, 8, 4, 4, 4, 3},        // 34
    {8, 7, 4, 5, 5, 5, 11},       // 35
    {9, 9, 9, 5, 5, 5, 5},        // 36
    {9, 9, 9, 5, 5, 5, 5},        // 37
    {9, 9, 9, 5, 5, 5, 5},        // 38
    {9, 9, 9, 5, 5, 5, 5},        // 39
    {9, 9, 9, 5, 5, 5, 5},        // 40
};

const AnalysisRow* RowOf(int problem) {
  if (problem < 1 || problem > kAnalysisProblemCount) return nullptr;
  return &kAnalysisRows[problem - 1];
}

}  // namespace

const toolkit::IndexedArray<std::string_view, 1, kAnalysisProblemCount> AnalysisTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kAnalysisProblemCount> t;
  for (int i = 1; i <= kAnalysisProblemCount; ++i) t[i] = kTitles[i - 1];
  return t;
}();

const toolkit::TParameterRangeTable AnalysisRanges = [] {
  toolkit::TParameterRangeTable t{};
  for (int row = 1; row <= 40; ++row) {
    for (int p = 1; p <= 7; ++p) t[row][p] = kRanges[row - 1][p - 1];
  }
  return t;
}();

void BeginAnalysisProblem(SharedState& s, int problem) {
  const AnalysisRow* row = RowOf(problem);
  if (row != nullptr && row->begin != nullptr) row->begin(s);
}

void WriteAnalysisVariant(SharedState& s, int problem) {
  const AnalysisRow* row = RowOf(problem);
  if (row != nullptr && row->variant != nullptr) row->variant(s);
}

}  // namespace calculus
