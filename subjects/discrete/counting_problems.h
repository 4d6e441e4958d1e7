#pragma once

#include "subjects/shared_state.h"

// Problem types of the Discrete Mathematics tab on congruences, permutations, recurrences,
// codes of rooted trees, rook polynomials and counting. Each begin routine sets ParboxWidth,
// writes the common statement and opens the answers table; each variant routine writes the
// variant and its answers cells.
namespace discrete {

/// System of three congruences x = z_i (mod m_i) built backwards from its solution.
void BeginChineseRemainderProblem(SharedState& s);
void WriteChineseRemainderVariant(SharedState& s);

/// The permutation of 1..8 from its printed inversion table.
void BeginPermutationFromInversionsProblem(SharedState& s);
void WritePermutationFromInversionsVariant(SharedState& s);

/// The inversion table of a printed permutation of 1..8.
void BeginInversionTableProblem(SharedState& s);
void WriteInversionTableVariant(SharedState& s);

/// One linear congruence a x = b (mod m).
void BeginCongruenceProblem(SharedState& s);
void WriteCongruenceVariant(SharedState& s);

/// Cycle index of four permutations of 1..6.
void BeginCycleIndexProblem(SharedState& s);
void WriteCycleIndexVariant(SharedState& s);

/// Cycles of a permutation of 1..8.
void BeginPermutationCyclesProblem(SharedState& s);
void WritePermutationCyclesVariant(SharedState& s);

/// One of five products of two permutations of 1..5.
void BeginPermutationProductProblem(SharedState& s);
void WritePermutationProductVariant(SharedState& s);

/// Inversions and sign of an arrangement of 1..6.
void BeginInversionCountProblem(SharedState& s);
void WriteInversionCountVariant(SharedState& s);

/// Closed form of a linear recurrence of one of six kinds.
void BeginRecurrenceProblem(SharedState& s);
void WriteRecurrenceVariant(SharedState& s);

/// Gapt code of a rooted tree of height 3: mode 1 codes the drawn tree, mode 2 prints the code.
void BeginGaptCodeProblem(SharedState& s, int mode);
void WriteGaptCodeVariant(SharedState& s, int mode);

/// Rook polynomial of a 4 x 4 board with starred cells.
void BeginRookPolynomialProblem(SharedState& s);
void WriteRookPolynomialVariant(SharedState& s);

/// Six word problems on the inclusion-exclusion formula.
void BeginInclusionExclusionProblem(SharedState& s);
void WriteInclusionExclusionVariant(SharedState& s);

/// General integer solution of a x + b y = c.
void BeginDiophantineProblem(SharedState& s);
void WriteDiophantineVariant(SharedState& s);

/// Euler's function of a product of small prime powers.
void BeginEulerFunctionProblem(SharedState& s);
void WriteEulerFunctionVariant(SharedState& s);

}  // namespace discrete
