#include "subjects/calculus/calculus.h"

#include "subjects/calculus/integrals.h"
#include "subjects/calculus/problems.h"

namespace calculus {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The Analysis list in row order: title as stored (trailing blanks included, the answers file
// and the document head print it), bounds of P1..P7, begin and variant routines.
constexpr ProblemRow kAnalysisRows[] = {
    {"Limits (1)                          ",
     {5, 6, 3, 3, 5, 33, 32},
     BeginLimitByDefinitionProblem,
     WriteLimitByDefinitionVariant},  // 1
    {"Limits (2)                          ",
     {5, 6, 3, 3, 5, 33, 32},
     BeginSequenceLimitProblem,
     WriteSequenceLimitVariant},  // 2
    {"The first remarkable limit         ",
     {5, 7, 7, 7, 5, 33, 32},
     BeginFirstRemarkableLimitProblem,
     WriteFirstRemarkableLimitVariant},  // 3
    {"The second remarkable limit         ",
     {10, 10, 5, 5, 5, 5, 5},
     BeginSecondRemarkableLimitProblem,
     WriteSecondRemarkableLimitVariant},  // 4
    {"Derivative                         ",
     {8, 6, 3, 8, 3, 4, 4},
     BeginDerivativeAtPointProblem,
     WriteDerivativeAtPointVariant},  // 5
    {"Logarithmic differentiation   ",
     {10, 5, 3, 3, 15, 33, 32},
     BeginLogarithmicDerivativeProblem,
     WriteLogarithmicDerivativeVariant},  // 6
    {"Derivative of a function defined parametrically",
     {10, 7, 8, 3, 15, 33, 32},
     BeginParametricDerivativeProblem,
     WriteParametricDerivativeVariant},  // 7
    {"Second order derivative         ",
     {5, 7, 3, 3, 15, 33, 32},
     BeginSecondDerivativeProblem,
     WriteSecondDerivativeVariant},  // 8
    {"Derivative of implicit function         ",
     {5, 5, 5, 5, 5, 33, 32},
     BeginImplicitDerivativeProblem,
     WriteImplicitDerivativeVariant},  // 9
    {"Asymptotes of the function                   ",
     {5, 5, 10, 3, 5, 33, 32},
     BeginObliqueAsymptoteProblem,
     WriteObliqueAsymptoteVariant},  // 10
    {"Extrema of functions                  ",
     {20, 3, 3, 3, 5, 33, 32},
     BeginExtremumProblem,
     WriteExtremumVariant},  // 11
    {"Gradient                            ",
     {10, 7, 8, 3, 5, 33, 32},
     BeginGradientProblem,
     WriteGradientVariant},  // 12
    {"Directional derivative          ",
     {10, 7, 8, 12, 5, 33, 32},
     BeginDirectionalDerivativeProblem,
     WriteDirectionalDerivativeVariant},                                                      // 13
    {"Integrals. Change of variable and integration by parts",
     {10, 6, 10, 11, 10, 33, 32},
     BeginSubstitutionIntegralProblem,
     WriteSubstitutionIntegralVariant},  // 14
    {"Integrals. The method of undetermined coefficients",
     {7, 4, 4, 4, 4, 33, 32},
     BeginRationalIntegralProblem,
     WriteRationalIntegralVariant},  // 15
    {"Integration Of Differential Binomial",
     {10, 5, 10, 5, 10, 33, 32},
     BeginBinomialIntegralProblem,
     WriteBinomialIntegralVariant},  // 16
    {"Definite integrals              ",
     {7, 3, 3, 3, 15, 6, 6},
     BeginDefiniteIntegralProblem,
     WriteDefiniteIntegralVariant},  // 17
    {"Series                                 ",
     {14, 5, 5, 5, 5, 33, 32},
     BeginNumericSeriesProblem,
     [](SharedState& s) { WriteNumericSeriesVariant(s, 1); }},  // 18
    {"Alternating series               ",
     {14, 5, 5, 5, 5, 33, 32},
     BeginNumericSeriesProblem,
     [](SharedState& s) { WriteNumericSeriesVariant(s, 2); }},  // 19
    {"Functional series                  ",
     {4, 4, 3, 3, 12, 33, 32},
     BeginFunctionalSeriesProblem,
     WriteFunctionalSeriesVariant},                                        // 20
    {"Integrals of trigonometric expressions",
     {11, 3, 3, 3, 3, 33, 32},
     BeginRationalIntegralProblem,
     WriteTrigIntegralVariant},  // 21
    {"Double integrals",
     {2, 7, 5, 5, 5, 5, 5},
     BeginDoubleIntegralProblem,
     WriteDoubleIntegralVariant},                           // 22
    {"Change of variables - the Jacobian",
     {8, 4, 4, 4, 4, 33, 32},
     BeginJacobianProblem,
     WriteJacobianVariant},       // 23
    {"Curvilinear integral 2-nd kind",
     {3, 4, 4, 4, 4, 4, 4},
     BeginLineIntegral2Problem,
     WriteLineIntegral2Variant},             // 24
    {"Problems on the exam",
     {8, 10, 5, 5, 4, 3, 2},
     BeginExamPaper1Problem,
     WriteExamPaper1Variant},                                                         // 25
    {"Double integrals (2)",
     {3, 4, 4, 4, 4, 4, 4},
     BeginTriangleIntegralProblem,
     WriteTriangleIntegralVariant},                                  // 26
    {"Integrals. The method of undetermined coefficients",
     {7, 4, 4, 4, 4, 33, 32},
     BeginRationalIntegralProblem,
     WriteQuadraticIntegralVariant},  // 27
    {"Power series                              ",
     {12, 4, 4, 4, 4, 33, 32},
     BeginPowerSeriesProblem,
     WritePowerSeriesVariant},  // 28
    {"Sum of  series                            ",
     {11, 5, 5, 5, 5, 33, 32},
     BeginSeriesSumProblem,
     WriteSeriesSumVariant},                                                      // 29
    {"Applications of the definite integral      (1)",
     {5, 5, 5, 5, 5, 33, 32},
     BeginIntegralApplications1Problem,
     WriteIntegralApplications1Variant},  // 30
    {"Applications of the definite integral(2)",
     {5, 3, 5, 5, 5, 33, 32},
     BeginIntegralApplications2Problem,
     WriteIntegralApplications2Variant},        // 31
    {"Triple integral ",
     {4, 4, 4, 4, 4, 4, 4},
     BeginTripleIntegralProblem,
     WriteTripleIntegralVariant},                                  // 32
    {"Curvilinear integral of the first kind",
     {3, 3, 3, 3, 3, 3, 3},
     BeginLineIntegral1Problem,
     WriteLineIntegral1Variant},            // 33
    {"Vector flow", {8, 8, 8, 4, 4, 4, 3}, BeginFluxProblem, WriteFluxVariant},                                       // 34
    {"Problems on the exam (2)",
     {8, 7, 4, 5, 5, 5, 11},
     BeginExamPaper2Problem,
     WriteExamPaper2Variant},                         // 35
};
static_assert(std::size(kAnalysisRows) == kAnalysisProblemCount);

// Rows 36..40 belong to no list row.
constexpr ParameterBounds kSpareBounds[] = {
    {9, 9, 9, 5, 5, 5, 5},  // 36
    {9, 9, 9, 5, 5, 5, 5},  // 37
    {9, 9, 9, 5, 5, 5, 5},  // 38
    {9, 9, 9, 5, 5, 5, 5},  // 39
    {9, 9, 9, 5, 5, 5, 5},  // 40
};

}  // namespace

const subjects::ProblemTab AnalysisTab{kAnalysisRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kAnalysisProblemCount> AnalysisTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kAnalysisProblemCount> t;
  for (int i = 1; i <= kAnalysisProblemCount; ++i) t[i] = kAnalysisRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable AnalysisRanges = subjects::RangesOf(AnalysisTab);

void BeginAnalysisProblem(SharedState& s, int problem) {
  subjects::BeginRowProblem(s, AnalysisTab, problem);
}

void WriteAnalysisVariant(SharedState& s, int problem) {
  subjects::WriteRowVariant(s, AnalysisTab, problem);
}

}  // namespace calculus
