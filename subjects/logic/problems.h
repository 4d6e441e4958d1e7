#pragma once

#include "subjects/shared_state.h"

// The problem types of the Logic tab: one Begin/Write pair each, in the files named after them.
namespace logic {

/// Rows 1 (mode 1, the perfect DNF as a formula) and 2 (mode 2, as a relay-contact circuit):
/// statement and answers table.
void BeginThreeVariableDnfProblem(SharedState& s, int mode);
/// One variant of rows 1 and 2: the perfect DNF of catalogue entry P1, its simplification and
/// truth vector in the answers.
void WriteThreeVariableDnfVariant(SharedState& s, int mode);

/// Row 3: statement and answers table of the simplification to a minimal DNF.
void BeginExpressionSimplificationProblem(SharedState& s);
/// One variant of row 3: two catalogue formulas joined by a connective, and every minimal DNF.
/// Throws DegenerateDataError if the cover search would overflow its list.
void WriteExpressionSimplificationVariant(SharedState& s);

/// Row 4: statement and answers table of the Zhegalkin polynomial.
void BeginZhegalkinPolynomialProblem(SharedState& s);
/// One variant of row 4: formula P1 of the Zhegalkin catalogue, its truth vector and polynomial.
void WriteZhegalkinPolynomialVariant(SharedState& s);
/// The value (0 or 1) of Zhegalkin catalogue entry `index` (1..40, the default entry for 0
/// and above 40) at x, y, z; at x = y = z = 0 also writes "$" + its text + "$ " to the main
/// document.
int EvaluateZhegalkinFormula(SharedState& s, int index, int x, int y, int z);

/// Row 5: statement and answers table of the truth table.
void BeginTruthTableProblem(SharedState& s);
/// One variant of row 5: the expression, the main connective's operand columns, the function
/// column and its code.
void WriteTruthTableVariant(SharedState& s);

/// Rows 6 (mode 1, perfect DNF of four variables) and 7 (mode 2, Karnaugh map): statement,
/// answers table and the "karno" savebox.
void BeginFourVariableDnfProblem(SharedState& s, int mode);
/// One variant of rows 6 and 7.
void WriteFourVariableDnfVariant(SharedState& s, int mode);

}  // namespace logic
