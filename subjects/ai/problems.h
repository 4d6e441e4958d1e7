#pragma once

#include "subjects/shared_state.h"

// The problem types of the Artificial intelligence tab: one Begin/Write pair each, in the files
// named after them.
namespace ai {

/// Row 1: the statement and the answers table.
void BeginProcessStabilityProblem(SharedState& s);
/// One variant of row 1: the equation, the order and the initial rate; x at the instability.
void WriteProcessStabilityVariant(SharedState& s);

/// Row 2: the statement and the answers table.
void BeginPlaneStabilityProblem(SharedState& s);
/// One variant of row 2: the system of two equations; the instability curve and its kind.
void WritePlaneStabilityVariant(SharedState& s);

/// Row 3: the statement and the answers table.
void BeginElasticEquivalentProblem(SharedState& s);
/// One variant of row 3: the relation of p and sigma and the point; G*1 and G*2.
void WriteElasticEquivalentVariant(SharedState& s);

/// Row 4: the statement and the answers table (an empty heading row).
void BeginRecursionProblem(SharedState& s);
/// One variant of row 4: f(1)..f(6) of a fixed sequence; f(7) and the recurrence.
void WriteRecursionVariant(SharedState& s);

/// Row 5: the statement and the answers table.
void BeginPdeInstabilityProblem(SharedState& s);
/// One variant of row 5: the equation; its instability curve.
void WritePdeInstabilityVariant(SharedState& s);

/// Row 6: the two network saveboxes, the statement and the answers table.
void BeginTwoLayerPerceptronProblem(SharedState& s);
/// One variant of row 6: the network with its weights, inputs and targets; the errors E.
void WriteTwoLayerPerceptronVariant(SharedState& s);

/// Row 7: the statement (by Level) and the answers table of the error terms.
void BeginBackPropagationProblem(SharedState& s);
/// One variant of row 7: the network with its weights and target; delta4, delta1..3 x 10^4.
void WriteBackPropagationVariant(SharedState& s);

/// Row 8: the pattern saveboxes, the statement and the answers table.
void BeginHeteroassociativeMemoryProblem(SharedState& s);
/// One variant of row 8: four stored patterns and y; the decimal number y recalls.
void WriteHeteroassociativeMemoryVariant(SharedState& s);

/// Row 9: the pattern saveboxes, the network savebox, the statement and the answers table.
void BeginKohonenNetworkProblem(SharedState& s);
/// One variant of row 9: the rate, four patterns and W; the winners and the trained W.
void WriteKohonenNetworkVariant(SharedState& s);

/// Row 10: the statement and the answers table (X and Y by element, Z).
void BeginFuzzySetsProblem(SharedState& s);
/// One variant of row 10: A, B, C and the operations; X, Y and Z.
void WriteFuzzySetsVariant(SharedState& s);

/// Row 11: the statement and the answers table.
void BeginHopfieldNetworkProblem(SharedState& s);
/// One variant of row 11: x1..x3 and y; the updated y and the pattern it matches, or "-".
void WriteHopfieldNetworkVariant(SharedState& s);

/// Rows 12 (mode 1, ant colony) and 13 (mode 2, annealing): the statement by mode and Level
/// and the answers table.
void BeginAntAndAnnealingProblem(SharedState& s, int mode);
/// One variant of rows 12 and 13: the complete graph with its edge lengths and the stated
/// percentages; the ants' tours (mode 1) or the cycle lengths of four annealing steps (mode 2).
void WriteAntAndAnnealingVariant(SharedState& s, int mode);

/// Row 14: the gene boxes, the exchange scheme, the chromosome table, the statement and the
/// answers table.
void BeginGeneticAlgorithmProblem(SharedState& s);
/// One variant of row 14: the initial genes and Z; the totals of four stages and the best.
void WriteGeneticAlgorithmVariant(SharedState& s);

/// Row 15: the strip of five cells, the statement and the answers table.
void BeginGraphPlacementProblem(SharedState& s);
/// One variant of row 15: the variant graph and three placements; the population totals of
/// three cycles, the least L and its placement.
void WriteGraphPlacementVariant(SharedState& s);

/// Row 16: the statement, the answers table and the table of the samples' codes.
void BeginKohonenClustersProblem(SharedState& s);
/// One variant of row 16: five path samples and three clusters; the winners and the trained
/// clusters, the codes in the second table.
void WriteKohonenClustersVariant(SharedState& s);

/// Row 17: the Saaty scale, the statement and the answers table.
void BeginMembershipFunctionProblem(SharedState& s);
/// One variant of row 17: six pairwise comparisons; the memberships and the inconsistency.
void WriteMembershipFunctionVariant(SharedState& s);

/// Row 18: the statement, the answers table and the table of the samples' codes.
void BeginHammingNetworkProblem(SharedState& s);
/// One variant of row 18: four path samples and y; the distances and the second layer's
/// outputs, the codes in the second table.
void WriteHammingNetworkVariant(SharedState& s);

/// Row 19: the statement and the answers table.
void BeginCompositionalRuleProblem(SharedState& s);
/// One variant of row 19: the fuzzy sets A, B, C; y by the max-min composition.
void WriteCompositionalRuleVariant(SharedState& s);

}  // namespace ai
