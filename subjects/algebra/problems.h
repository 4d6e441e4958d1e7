#pragma once

#include "subjects/shared_state.h"

// The problem types of the Algebra tab: one Begin/Write pair per file, named after the type.
namespace algebra {

void BeginDeterminant4Problem(SharedState& s);
void WriteDeterminant4Variant(SharedState& s);
void BeginDeterminant3Problem(SharedState& s);
void WriteDeterminant3Variant(SharedState& s);

/// n = 3 or 4 equations in as many unknowns.
void BeginLinearSystemProblem(SharedState& s, int n);
void WriteLinearSystemVariant(SharedState& s, int n);

void BeginLinearSystemsProblem(SharedState& s);
void WriteLinearSystemsVariant(SharedState& s);

void BeginMatrixProductProblem(SharedState& s);
void WriteMatrixProductVariant(SharedState& s);
void BeginMatrixEquationProblem(SharedState& s);
void WriteMatrixEquationVariant(SharedState& s);

void BeginMatrixAlgebraProblem(SharedState& s);
void BeginMatrixSumProductProblem(SharedState& s);
/// flag 1: D = AB + |det B| B^-1 + C with D triangular; flag 0: D = AB + C.
void WriteMatrixAlgebraVariant(SharedState& s, int flag);

void BeginInverseMatrixProblem(SharedState& s);
void WriteInverseMatrixVariant(SharedState& s);

void BeginEigenvalues2Problem(SharedState& s);
void WriteEigenvalues2Variant(SharedState& s);
void BeginEigenvalues3Problem(SharedState& s);
void WriteEigenvalues3Variant(SharedState& s);

void BeginVectorAlgebraProblem(SharedState& s);
void WriteVectorAlgebraVariant(SharedState& s);
/// kind 10: area, sides, heights, medians; kind 11: the height and the median meeting at D.
void BeginPlaneTriangleProblem(SharedState& s, int kind);
void WritePlaneTriangleVariant(SharedState& s, int kind);
void BeginTetrahedronProblem(SharedState& s);
void WriteTetrahedronVariant(SharedState& s);
void BeginLineDistanceProblem(SharedState& s);
void WriteLineDistanceVariant(SharedState& s);
/// Fifteen kinds by P1: points, lines and planes in space; kind 7 draws its position.
void BeginSpaceGeometryProblem(SharedState& s);
void WriteSpaceGeometryVariant(SharedState& s);
void BeginEllipseProblem(SharedState& s);
void WriteEllipseVariant(SharedState& s);
void BeginHyperbolaProblem(SharedState& s);
void WriteHyperbolaVariant(SharedState& s);
void BeginCurveClassificationProblem(SharedState& s);
void WriteCurveClassificationVariant(SharedState& s);
void BeginCurveCentreProblem(SharedState& s);
void WriteCurveCentreVariant(SharedState& s);
void BeginBasisExpansionProblem(SharedState& s);
void WriteBasisExpansionVariant(SharedState& s);

}  // namespace algebra
