#include "toolkit/fractions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

long long AbsLong(int v) { return std::llabs(static_cast<long long>(v)); }

bool IsUnit(double x) { return std::fabs(x) == 1.0; }

// The sign that a real division a/b carries: an infinite quotient (b = 0) keeps a's sign.
char QuotientSign(int a, int b) {
  const bool negative = (a < 0 && b >= 0) || (a > 0 && b < 0);
  return negative ? '-' : '+';
}

// The magnitude of an int as an int; only INT_MIN has none, and no fraction of the documents
// comes near it, so it is clamped rather than overflowed.
int AbsInt(int v) {
  const long long m = AbsLong(v);
  return m > 2147483647LL ? 2147483647 : static_cast<int>(m);
}

void WriteCoefBody(Run& r, bool answers, char sign, double x, bool sci) {
  const std::string sign_text(1, sign);
  if (IsUnit(x)) {
    answers ? AnsWrite(r, sign_text) : WriteText(r, sign_text);
    return;
  }
  const std::string text =
      sign_text + (sci ? FormatNumberSci(std::fabs(x)) : FormatNumber(std::fabs(x)));
  answers ? AnsWriteLine(r, text) : WriteLine(r, text);
}

std::string SignedCoefTermText(int a, std::string_view s) {
  std::string text(1, SignChar(a));
  if (AbsLong(a) != 1) text += FormatNumber(static_cast<double>(AbsLong(a)));
  text += s;
  return text;
}

}  // namespace

void ReduceFraction(int& a, int& b) {
  long long prev = 0;
  while (AbsLong(a) != prev) {
    prev = AbsLong(a);
    const long long m = std::min(AbsLong(a), AbsLong(b));
    for (long long d = 2; d <= m; ++d) {
      if (a % d == 0 && b % d == 0) {
        a = static_cast<int>(a / d);
        b = static_cast<int>(b / d);
      }
    }
  }
}

void AnsWriteFraction(Run& r, int a, int b) {
  ReduceFraction(a, b);
  // An exact zero is 0, not 0/6.
  if (b == 1 || (a == 0 && b != 0)) {
    AnsWrite(r, FormatNumber(a));
  } else {
    AnsWrite(r, FormatNumber(a) + "/" + FormatNumber(b));
  }
}

void AnsWriteTexFraction(Run& r, int a, int b) {
  ReduceFraction(a, b);
  if (b == 1 || (a == 0 && b != 0)) {
    AnsWrite(r, FormatNumber(a));
  } else {
    AnsWrite(r, "\\frac{" + FormatNumber(a) + "}{" + FormatNumber(b) + "}");
  }
}

void AnsWriteFractionUnlessOne(Run& r, int a, int b) {
  if (a != b) AnsWriteFraction(r, a, b);
}

void AnsWriteTexFractionUnlessOne(Run& r, int a, int b) {
  if (a != b) AnsWriteTexFraction(r, a, b);
}

void AnsWriteSignedFraction(Run& r, int a, int b) {
  if (a == b) return;
  AnsWrite(r, std::string(1, QuotientSign(a, b)));
  AnsWriteFractionUnlessOne(r, AbsInt(a), AbsInt(b));
}

void AnsWriteFractionInParens(Run& r, int a, int b) {
  if (a == b) return;
  // A zero denominator gives no whole quotient, so such a fraction is bracketed.
  const bool whole = b != 0 && a % b == 0;
  const bool parens = AbsLong(a) != AbsLong(b) && !whole;
  if (parens) AnsWrite(r, "(");
  AnsWriteFractionUnlessOne(r, AbsInt(a), AbsInt(b));
  if (parens) AnsWrite(r, ")");
}

void AnsWriteRationalTerm(Run& r, int a, int b, std::string_view s, int n, std::string_view t) {
  if (a == 0) return;
  AnsWriteSignedFraction(r, a, b);
  AnsWriteTextNumberLn(r, s, n, t);
}

void WriteSignedCoefTerm(Run& r, int a, std::string_view s) {
  if (a != 0) WriteText(r, SignedCoefTermText(a, s));
}

void AnsWriteSignedCoefTerm(Run& r, int a, std::string_view s) {
  if (a != 0) AnsWrite(r, SignedCoefTermText(a, s));
}

void WriteLeadingCoefTerm(Run& r, int a, std::string_view s) {
  if (a == 0) return;
  std::string text;
  if (a == -1) {
    text = "-";
  } else if (a != 1) {
    text = FormatNumber(a);
  }
  text += s;
  WriteText(r, text);
}

void WriteLeadingCoefTermMinus(Run& r, int a, std::string_view s) { WriteLeadingCoefTerm(r, a, s); }

void AnsWriteSignedIntTerm(Run& r, int a, std::string_view s, int n, std::string_view t) {
  if (a == 0) return;
  AnsWrite(r, std::string(1, SignChar(a)) + FormatNumber(static_cast<double>(AbsLong(a))));
  AnsWriteTextNumberLn(r, s, n, t);
}

void WriteSignedNumberLn(Run& r, double x) {
  if (x == 0) return;
  WriteLine(r, std::string(1, SignChar(x)) + FormatNumber(std::fabs(x)));
}

void AnsWriteSignedNumber(Run& r, double x) {
  if (x == 0) return;
  AnsWrite(r, std::string(1, SignChar(x)) + FormatNumber(std::fabs(x)));
}

void WriteNumberWithPlus(Run& r, double x) { WriteText(r, (x > 0 ? "+" : "") + FormatNumber(x)); }

void WriteSignedCoefLn(Run& r, double x) { WriteCoefBody(r, false, SignChar(x), x, false); }

void AnsWriteSignedCoefLn(Run& r, double x) { WriteCoefBody(r, true, SignChar(x), x, true); }

void AnsWriteMinusOrSpaceCoefLn(Run& r, double x) {
  WriteCoefBody(r, true, MinusOrSpace(x), x, true);
}

void WriteMinusOrSpaceCoefLn(Run& r, double x) {
  WriteCoefBody(r, false, MinusOrSpace(x), x, false);
}

void WriteNumberUnlessUnit(Run& r, double x) {
  if (!IsUnit(x)) WriteText(r, FormatNumber(x));
}

void AnsWriteNumberUnlessUnit(Run& r, double x) {
  if (!IsUnit(x)) AnsWrite(r, FormatNumber(x));
}

void WriteTextCoefText(Run& r, std::string_view s1, double x, std::string_view s2) {
  std::string text(s1);
  if (!IsUnit(x)) text += FormatNumber(x);
  text += s2;
  WriteText(r, text);
}

void AnsWriteSignedRatio(Run& r, std::string_view s, double x) {
  AnsWrite(r,
           std::string(1, MinusOrSpace(x)) + std::string(s) + "/" + FormatNumberSci(std::fabs(x)));
}

}  // namespace toolkit
