#pragma once

#include <string>

#include "subjects/shared_state.h"

namespace mechanisms {

/// Begin routine of the Lagrange-equation row: inputs kolco.txt, writes the book line (not
/// in ticket mode), sets ParboxWidth := 370 and says in the answers file that the row has no
/// answer key.
void BeginLagrangeCatalogueProblem(SharedState& s);

/// Variant routine: the figure of scheme p1 (sub-variant p5 for schemes 123..126), the worded
/// statement beside it and the task line naming the generalized coordinate (chosen by p1, p4,
/// p5 and the shared P7). The drawers and the statement read the options from P1..P7; p2, p3
/// and p6 are not read. Writes nothing into the answers files.
void WriteLagrangeCatalogueVariant(SharedState& s, int p1, int p2, int p3, int p4, int p5,
                                   int p6);

/// The line of the task that gives the coordinate's symbol: " $x$. ", " $y$. ",
/// " $\varphi$. " or empty (the symbol is part of CoordinateName), by scheme.
std::string CoordinateSymbolLine(int scheme, int p4, int p5, int p7);

}  // namespace mechanisms
