#pragma once

#include "subjects/shared_state.h"

// The indefinite and definite integrals of the Analysis tab: one Begin/Write pair per problem
// type (rows 15, 21 and 27 share their begin routine).

namespace calculus {

/// While alive, the answers writers write to the second answers file. The per-variant answers
/// tables of the indefinite integrals go there: the answers file is framed in a box of one
/// page, while the second file follows it in the document, where pages may break between
/// tables (forty variants' tables fill several pages).
class SecondAnswersFileScope {
 public:
  explicit SecondAnswersFileScope(SharedState& s) : s_(s) { Swap(); }
  ~SecondAnswersFileScope() { Swap(); }
  SecondAnswersFileScope(const SecondAnswersFileScope&) = delete;
  SecondAnswersFileScope& operator=(const SecondAnswersFileScope&) = delete;

 private:
  void Swap() noexcept { s_.AnswersFile.Swap(s_.SecondAnswersFile); }
  SharedState& s_;
};

/// Substitution and integration by parts: statement, answers head and the arcsh/arcch names;
/// fixes the item count from Level.
void BeginSubstitutionIntegralProblem(SharedState& s);
/// Substitution and integration by parts: one variant's integrals cycling through five
/// families, with the antiderivative of every item in the variant's answers table.
void WriteSubstitutionIntegralVariant(SharedState& s);

/// Rational and trigonometric integrals (rows 15, 21, 27): statement and answers spacing;
/// fixes the item count from Level.
void BeginRationalIntegralProblem(SharedState& s);
/// Rational functions with linear factors in the denominator, integrated by partial fractions.
void WriteRationalIntegralVariant(SharedState& s);
/// Rational functions with the irreducible quadratic x^2/4 + x + m in the denominator.
void WriteQuadraticIntegralVariant(SharedState& s);
/// Trigonometric integrals of twelve kinds, stepped forwards or backwards by P2.
void WriteTrigIntegralVariant(SharedState& s);

/// Binomial and irrational integrals: statement and answers spacing; fixes the item count.
void BeginBinomialIntegralProblem(SharedState& s);
/// Binomial and irrational integrals: one variant's items 1, 2, 4 and 5 (at most four), each
/// with its antiderivative in the answers.
void WriteBinomialIntegralVariant(SharedState& s);

/// Definite integrals: the book reference and the answers head, one column per item.
void BeginDefiniteIntegralProblem(SharedState& s);
/// Definite integrals from 0 to U in a cycle of eight kinds, valued to three decimals.
void WriteDefiniteIntegralVariant(SharedState& s);

}  // namespace calculus
