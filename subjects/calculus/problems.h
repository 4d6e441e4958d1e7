#pragma once

#include "subjects/shared_state.h"

// The calculus problem types: one Begin/Write pair per file. The Begin routine runs once per
// document (statement, answers-table head); the Write routine once per variant.

namespace calculus {

/// Limit of a sequence by definition: statement and answers head.
void BeginLimitByDefinitionProblem(SharedState& s);
/// Limit of a sequence by definition: one variant's sequence and its threshold N(eps).
void WriteLimitByDefinitionVariant(SharedState& s);

/// Limits of sequences: statement and answers head.
void BeginSequenceLimitProblem(SharedState& s);
/// Limits of sequences: one variant's limit and its exact value.
void WriteSequenceLimitVariant(SharedState& s);

/// First remarkable limit: statement and answers head.
void BeginFirstRemarkableLimitProblem(SharedState& s);
/// First remarkable limit: one variant's limit at 0 and its value (fraction, 0 or infinity).
void WriteFirstRemarkableLimitVariant(SharedState& s);

/// Second remarkable limit: statement (one or two items by Level) and answers head.
void BeginSecondRemarkableLimitProblem(SharedState& s);
/// Second remarkable limit: one variant's limits and their values, powers of e.
void WriteSecondRemarkableLimitVariant(SharedState& s);

/// Derivative at a point: statement and answers head; fixes the item count from Level.
void BeginDerivativeAtPointProblem(SharedState& s);
/// Derivative at a point: one variant's functions and their derivatives at x = 1.
void WriteDerivativeAtPointVariant(SharedState& s);

/// Logarithmic differentiation: statement and answers head; fixes the item count from Level.
void BeginLogarithmicDerivativeProblem(SharedState& s);
/// Logarithmic differentiation: one variant's functions (U + V)^W and their y'(1).
void WriteLogarithmicDerivativeVariant(SharedState& s);

/// Parametric derivative: statement and answers head; one curve per variant.
void BeginParametricDerivativeProblem(SharedState& s);
/// Parametric derivative: one variant's curve x(t), y(t) and dy/dx at t = 1; throws
/// DegenerateDataError when dx/dt vanishes there.
void WriteParametricDerivativeVariant(SharedState& s);

/// Second-order derivative: statement and answers head; fixes the item count from Level.
void BeginSecondDerivativeProblem(SharedState& s);
/// Second-order derivative: one variant's products of functions and their y''(1).
void WriteSecondDerivativeVariant(SharedState& s);

/// Implicit derivative: statement and answers head; fixes the item count from Level.
void BeginImplicitDerivativeProblem(SharedState& s);
/// Implicit derivative: one variant's equations through (1, 1) and their y'(1); leaves
/// P1..P7 unchanged.
void WriteImplicitDerivativeVariant(SharedState& s);

/// Oblique asymptote: statement and answers head; at most three functions per variant.
void BeginObliqueAsymptoteProblem(SharedState& s);
/// Oblique asymptote: one variant's functions and their asymptotes y = kx + b at +infinity.
void WriteObliqueAsymptoteVariant(SharedState& s);

/// Extremum: statement and answers head; fixes the item count from Level.
void BeginExtremumProblem(SharedState& s);
/// Extremum: one variant's functions with x*, y(x*) and y''(x*) of their extremum for x > 0.
void WriteExtremumVariant(SharedState& s);

/// Gradient: statement and answers head.
void BeginGradientProblem(SharedState& s);
/// Gradient: one variant's u(x, y) and point M with f'x, f'y and |grad f| at M.
void WriteGradientVariant(SharedState& s);

/// Directional derivative: statement and answers head.
void BeginDirectionalDerivativeProblem(SharedState& s);
/// Directional derivative: one variant's u(x, y, z), points A and B, grad u(A) and du/dl.
void WriteDirectionalDerivativeVariant(SharedState& s);

/// Numeric series: the statement; this problem type has no answers table.
void BeginNumericSeriesProblem(SharedState& s);
/// Numeric series: Level series of one variant, positive (kind 1) or alternating (kind 2),
/// each summed from the first index where every term is defined.
void WriteNumericSeriesVariant(SharedState& s, int kind);

/// Functional series: statement and answers head; lowers Level to at most 4.
void BeginFunctionalSeriesProblem(SharedState& s);
/// Functional series: one variant's Level series and the sets of x where they converge.
void WriteFunctionalSeriesVariant(SharedState& s);

/// Power series: statement and answers head; lowers Level to at most 4.
void BeginPowerSeriesProblem(SharedState& s);
/// Power series: one variant's Level series and their intervals of convergence with ends.
void WritePowerSeriesVariant(SharedState& s);

/// Sum of a series: statement and answers head with a column for every item.
void BeginSeriesSumProblem(SharedState& s);
/// Sum of a series: one variant's Level power series, their points x0 and sums there.
void WriteSeriesSumVariant(SharedState& s);

/// Exam paper (1): answers head; nothing in the main file.
void BeginExamPaper1Problem(SharedState& s);
/// Exam paper (1): one variant's limit (n(a^(1/n) - 1) or tg(bx)tg(pi/2b - x)) and its value;
/// sets P1 to 9.
void WriteExamPaper1Variant(SharedState& s);

/// Double integral over a region: statement, answers head and book reference.
void BeginDoubleIntegralProblem(SharedState& s);
/// Double integral over a region: one variant's (x + c) over the region between a parabola and
/// a line, its value and the two abscissas where they meet, in increasing order.
void WriteDoubleIntegralVariant(SharedState& s);

/// Change of variables: statement, answers head and book reference.
void BeginJacobianProblem(SharedState& s);
/// Change of variables: one variant's integrand over a parallelogram of two pairs of lines,
/// its value and the Jacobian of the inverse map.
void WriteJacobianVariant(SharedState& s);

/// Double integral over a triangle: statement and answers head.
void BeginTriangleIntegralProblem(SharedState& s);
/// Double integral over a triangle: one variant's linear integrand and vertices, the exact
/// value and the equations of the three sides.
void WriteTriangleIntegralVariant(SharedState& s);

/// Triple integral: statement, answers head and book reference.
void BeginTripleIntegralProblem(SharedState& s);
/// Triple integral: one variant's linear integrand over the tetrahedron cut off by a plane,
/// and its integer value.
void WriteTripleIntegralVariant(SharedState& s);

/// Flux through a triangle: statement and answers head; lowers Level to at most 4.
void BeginFluxProblem(SharedState& s);
/// Flux through a triangle: one variant's linear field and triangle on the axes, and the
/// flux through its upper side as an exact fraction.
void WriteFluxVariant(SharedState& s);

/// Applications of the definite integral (1): answers head with a cell per item.
void BeginIntegralApplications1Problem(SharedState& s);
/// Applications of the definite integral (1): one variant's area between power curves, rose
/// area and washer volume, each as a decimal and an exact multiple of pi or fraction.
void WriteIntegralApplications1Variant(SharedState& s);

/// Applications of the definite integral (2): answers head with a cell per item.
void BeginIntegralApplications2Problem(SharedState& s);
/// Applications of the definite integral (2): one variant's volume between two exponentials
/// and lengths of a parametric and a polar curve, as decimals.
void WriteIntegralApplications2Variant(SharedState& s);

/// Line integral of the first kind: statement, book reference and answers head; lowers Level
/// to at most 4.
void BeginLineIntegral1Problem(SharedState& s);
/// Line integral of the first kind: one variant's integrand along a piece of a helix and the
/// integral's value.
void WriteLineIntegral1Variant(SharedState& s);

/// Set cardinality: statement and answers head (a students' column in StudentsMode).
void BeginSetCardinalityProblem(SharedState& s);
/// Set cardinality: one variant's sets A, B, C, D over 'a'..'z' and |X|; outside TicketMode
/// also |Y| and its two intermediate sets. In TicketMode only the sets X uses are printed and
/// no variant number is written.
void WriteSetCardinalityVariant(SharedState& s);

/// Exam paper (2): answers head; nothing in the main file.
void BeginExamPaper2Problem(SharedState& s);
/// Exam paper (2): one variant's definite integral and one short task (region of
/// convergence, sum of a series, div or rot at a point, or a set's cardinality); lowers P1 to 1
/// above 4 for the set task.
void WriteExamPaper2Variant(SharedState& s);

/// Line integral of the second kind: statement, answers head, book reference and the axes
/// savebox of the figures.
void BeginLineIntegral2Problem(SharedState& s);
/// Line integral of the second kind: one variant's form, the figure of its triangle with the
/// sense of travel, and the integral along each side and around the contour.
void WriteLineIntegral2Variant(SharedState& s);

}  // namespace calculus
