#include "subjects/ai/ai.h"

#include <iterator>

#include "subjects/ai/problems.h"

namespace ai {

namespace {

using subjects::ParameterBounds;
using subjects::ProblemRow;

// The tab's list in row order: title as stored, bounds of P1..P7, begin and variant routines.
// A row without routines is not built yet and writes nothing. Row 14's bounds of 253 reach the
// generator as negative values above 127 (stored parameters are signed bytes).
constexpr ProblemRow kAiRows[] = {
    {"Условие стабильности процесса       ",
     {11, 2, 5, 5, 5, 5, 5},
     BeginProcessStabilityProblem,
     WriteProcessStabilityVariant},  // 1
    {"Условие стабильности процесса на плоскости",
     {6, 5, 5, 5, 5, 5, 5},
     BeginPlaneStabilityProblem,
     WritePlaneStabilityVariant},  // 2
    {"Упругий эквивалент                  ",
     {5, 5, 3, 3, 3, 33, 32},
     BeginElasticEquivalentProblem,
     WriteElasticEquivalentVariant},                                                      // 3
    {"Рекурсия", {30, 5, 5, 5, 5, 5, 32}, BeginRecursionProblem, WriteRecursionVariant},  // 4
    {"Нестабильность дифф. уравнения в частных производных",
     {8, 5, 3, 3, 5, 5, 5},
     BeginPdeInstabilityProblem,
     WritePdeInstabilityVariant},  // 5
    {"Двухслойный персептрон",
     {3, 5, 5, 5, 5, 5, 5},
     BeginTwoLayerPerceptronProblem,
     WriteTwoLayerPerceptronVariant},  // 6
    {"Алгоритм обратного распространения ошибок",
     {3, 5, 5, 5, 5, 5, 5},
     BeginBackPropagationProblem,
     WriteBackPropagationVariant},  // 7
    {"Гетероассоциативная память",
     {11, 10, 10, 10, 10, 10, 10},
     BeginHeteroassociativeMemoryProblem,
     WriteHeteroassociativeMemoryVariant},  // 8
    {"Сеть Кохонена",
     {11, 10, 10, 10, 10, 10, 10},
     BeginKohonenNetworkProblem,
     WriteKohonenNetworkVariant},  // 9
    {"Нечеткие множества",
     {9, 9, 9, 9, 9, 9, 9},
     BeginFuzzySetsProblem,
     WriteFuzzySetsVariant},  // 10
    {"Сеть Хопфилда",
     {15, 4, 4, 4, 4, 4, 4},
     BeginHopfieldNetworkProblem,
     WriteHopfieldNetworkVariant},  // 11
    {"Муравьиный алгоритм",
     {32, 32, 32, 32, 60, 60, 60},
     [](SharedState& s) { BeginAntAndAnnealingProblem(s, 1); },
     [](SharedState& s) { WriteAntAndAnnealingVariant(s, 1); }},  // 12
    {"Алгоритм отжига",
     {32, 32, 32, 32, 79, 79, 79},
     [](SharedState& s) { BeginAntAndAnnealingProblem(s, 2); },
     [](SharedState& s) { WriteAntAndAnnealingVariant(s, 2); }},  // 13
    {"Генетический алгоритм",
     {7, 7, 3, 3, 8, 253, 253},
     BeginGeneticAlgorithmProblem,
     WriteGeneticAlgorithmVariant},  // 14
    {"Размещение вершин графа на линейке",
     {20, 20, 20, 20, 20, 20, 20},
     BeginGraphPlacementProblem,
     WriteGraphPlacementVariant},  // 15
    {"Сеть Кохонена (2)",
     {64, 64, 64, 64, 64, 64, 64},
     BeginKohonenClustersProblem,
     WriteKohonenClustersVariant},  // 16
    {"Функция принадлежности нечетких множеств",
     {64, 64, 10, 10, 10, 10, 10},
     BeginMembershipFunctionProblem,
     WriteMembershipFunctionVariant},  // 17
    {"Сеть Хэмминга",
     {64, 64, 10, 10, 10, 10, 10},
     BeginHammingNetworkProblem,
     WriteHammingNetworkVariant},  // 18
    {"Композиционное правило нечеткого вывода Заде",
     {32, 32, 32, 32, 32, 32, 32},
     BeginCompositionalRuleProblem,
     WriteCompositionalRuleVariant},  // 19
};
static_assert(std::size(kAiRows) == kAiProblemCount);

// Rows 20..40 belong to no list row but are stored in every parameter table.
constexpr ParameterBounds kSpareBounds[] = {
    {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32},  // 20..22
    {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32},  // 23..25
    {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32},  // 26..28
    {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32}, {1, 1, 1, 1, 1, 33, 32},  // 29..31
    {3, 3, 3, 3, 3, 3, 3},   {1, 1, 1, 1, 1, 1, 1},   {3, 3, 3, 3, 3, 3, 3},    // 32..34
    {1, 1, 1, 1, 1, 1, 1},   {1, 1, 1, 1, 1, 1, 1},   {1, 1, 1, 1, 1, 1, 1},    // 35..37
    {1, 1, 1, 1, 1, 1, 1},   {1, 1, 1, 1, 1, 1, 1},   {1, 1, 1, 1, 1, 1, 1},    // 38..40
};
static_assert(kAiProblemCount + std::size(kSpareBounds) == 40);

}  // namespace

const subjects::ProblemTab AiTab{kAiRows, kSpareBounds};

const toolkit::IndexedArray<std::string_view, 1, kAiProblemCount> AiTitles = [] {
  toolkit::IndexedArray<std::string_view, 1, kAiProblemCount> t;
  for (int i = 1; i <= kAiProblemCount; ++i) t[i] = kAiRows[i - 1].Title;
  return t;
}();

const toolkit::TParameterRangeTable AiRanges = subjects::RangesOf(AiTab);

void BeginAiProblem(SharedState& s, int problem) { subjects::BeginRowProblem(s, AiTab, problem); }

void WriteAiVariant(SharedState& s, int problem) { subjects::WriteRowVariant(s, AiTab, problem); }

}  // namespace ai
