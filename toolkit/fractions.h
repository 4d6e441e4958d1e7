#pragma once

#include <string_view>

#include "toolkit/state.h"

namespace toolkit {

// Fractions (answers file only) and signed coefficients, written term by term: a coefficient
// of 1 is left out, a sign goes between terms, exact answers are reduced fractions. Numbers go
// through FormatNumber, or FormatNumberSci in the answers text-and-number writers. Every
// writer throws IoError when its file cannot be written.

/// Reduces a/b in place by common divisors 2, 3, ..; signs stay where they are; a = 0 stays.
void ReduceFraction(int& a, int& b);

/// Reduced a/b to the answers file: a alone when the reduced b is 1 or a is 0 (b not 0), else
/// a "/" b.
void AnsWriteFraction(Run& r, int a, int b);
/// Reduced a/b to the answers file: a alone when the reduced b is 1 or a is 0 (b not 0), else
/// "\frac{a}{b}".
void AnsWriteTexFraction(Run& r, int a, int b);
/// Nothing when a = b, otherwise AnsWriteFraction(a, b).
void AnsWriteFractionUnlessOne(Run& r, int a, int b);
/// Nothing when a = b, otherwise AnsWriteTexFraction(a, b).
void AnsWriteTexFractionUnlessOne(Run& r, int a, int b);
/// Nothing when a = b; else the sign of a/b and AnsWriteFractionUnlessOne(|a|, |b|) (a = -b: "-").
void AnsWriteSignedFraction(Run& r, int a, int b);
/// Nothing when a = b; else AnsWriteFractionUnlessOne(|a|, |b|), in parentheses when |a| and
/// |b| differ and a/b is not whole; no sign.
void AnsWriteFractionInParens(Run& r, int a, int b);
/// Nothing when a = 0; else AnsWriteSignedFraction(a, b), then AnsWriteTextNumberLn(s, n, t).
void AnsWriteRationalTerm(Run& r, int a, int b, std::string_view s, int n, std::string_view t);

/// Main file: nothing when a = 0; else SignChar(a), |a| unless |a| = 1, then s.
void WriteSignedCoefTerm(Run& r, int a, std::string_view s);
/// Answers file: as WriteSignedCoefTerm.
void AnsWriteSignedCoefTerm(Run& r, int a, std::string_view s);
/// Main file: nothing when a = 0; "-" when a = -1; a (signed) unless |a| = 1; then s.
void WriteLeadingCoefTerm(Run& r, int a, std::string_view s);
/// Same as WriteLeadingCoefTerm.
void WriteLeadingCoefTermMinus(Run& r, int a, std::string_view s);
/// Answers file: nothing when a = 0; else SignChar(a), |a|, then AnsWriteTextNumberLn(s, n, t).
void AnsWriteSignedIntTerm(Run& r, int a, std::string_view s, int n, std::string_view t);

/// Main file: nothing when x = 0; else SignChar(x), FormatNumber(|x|) and a line end.
void WriteSignedNumberLn(Run& r, double x);
/// Answers file: nothing when x = 0; else SignChar(x) and FormatNumber(|x|), no line end.
void AnsWriteSignedNumber(Run& r, double x);
/// Main file: "+" when x > 0, then FormatNumber(x).
void WriteNumberWithPlus(Run& r, double x);
/// Main file: |x| = 1: SignChar(x) only, line left open; else SignChar(x), FormatNumber(|x|),
/// line end.
void WriteSignedCoefLn(Run& r, double x);
/// Answers file: |x| = 1: SignChar(x) only; else SignChar(x), FormatNumberSci(|x|), line end.
void AnsWriteSignedCoefLn(Run& r, double x);
/// As AnsWriteSignedCoefLn with MinusOrSpace(x) in place of SignChar(x).
void AnsWriteMinusOrSpaceCoefLn(Run& r, double x);
/// As WriteSignedCoefLn with MinusOrSpace(x) in place of SignChar(x).
void WriteMinusOrSpaceCoefLn(Run& r, double x);
/// Main file: FormatNumber(x) unless |x| = 1.
void WriteNumberUnlessUnit(Run& r, double x);
/// Answers file: FormatNumber(x) unless |x| = 1.
void AnsWriteNumberUnlessUnit(Run& r, double x);
/// Main file: s1, FormatNumber(x) unless |x| = 1, s2.
void WriteTextCoefText(Run& r, std::string_view s1, double x, std::string_view s2);
/// Answers file: MinusOrSpace(x), s, "/", FormatNumberSci(|x|); no line end.
void AnsWriteSignedRatio(Run& r, std::string_view s, double x);

}  // namespace toolkit
