#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

std::uint8_t RationalItemCount = 0;

std::string Int(long v) { return toolkit::FormatNumber(static_cast<double>(v)); }

// The coefficient num/den of a term, reduced: its sign, then the fraction unless it is 1. A
// term that follows another keeps its "+" even with the coefficient 1 ("+\ln(x-4)", not a
// product with the term before); a leading term has no "+" and a leading coefficient +1 is left
// out altogether.
std::string Coefficient(long num, long den, bool leading) {
  if (den < 0) num = -num, den = -den;
  int a = static_cast<int>(std::labs(num)), b = static_cast<int>(den);
  toolkit::ReduceFraction(a, b);
  const std::string sign = num < 0 ? "-" : leading ? "" : "+";
  if (a == b) return sign;
  return sign + (b == 1 ? Int(a) : Int(a) + "/" + Int(b));
}

// Writes the term num/den followed by `text` and a line end; a zero coefficient leaves the
// whole term out.
void Term(SharedState& s, long num, long den, const std::string& text, bool leading = false) {
  if (num == 0) return;
  AnsWriteLine(s, Coefficient(num, den, leading) + text);
}

std::string LnTerm(int root) {
  return root >= 0 ? "\\ln(x-" + Int(root) + ")" : "\\ln(x+" + Int(-root) + ")";
}

// A polynomial of degree at most 4 by its coefficients c[0] + c[1] x + ...
long Poly(const long (&c)[5], long x) {
  long v = 0;
  for (int k = 4; k >= 0; --k) v = v * x + c[k];
  return v;
}

// The partial-fraction coefficient of 1/(x - roots[i]) for N over the product of the simple
// factors (x - roots[j]), times x^2 when `square_at_zero`: N(root) over the other factors.
void Residue(const long (&n)[5], const int* roots, int count, int i, bool square_at_zero, long& num,
             long& den) {
  num = Poly(n, roots[i]);
  den = 1;
  for (int j = 0; j < count; ++j) {
    if (j != i) den *= roots[i] - roots[j];
  }
  if (square_at_zero) den *= static_cast<long>(roots[i]) * roots[i];
  if (den == 0) throw toolkit::DegenerateDataError("rational integral: two equal roots");
}

void WriteRationalKind(SharedState& s, int q, int r1, int r2, int r3, int c1, int c0) {
  long n[5] = {0, 0, 0, 0, 0};
  long num = 0, den = 1;
  switch (q) {
    case 1:
    case 2:
    case 3: {
      if (q == 1) {
        n[2] = 1, n[1] = c1, n[0] = r1;
        WriteText2NumbersLn(s, "x^2+", c1, "x+", r1, "}{");
      } else if (q == 2) {
        n[3] = 1, n[1] = r1, n[0] = c0;
        WriteText2NumbersLn(s, "x^3+", r1, "x+", c0, "}{");
      } else {
        n[3] = 1, n[2] = r3, n[0] = c0;
        WriteText2NumbersLn(s, "x^3+", r3, "x^2+", c0, "}{");
      }
      WriteText3NumbersLn(s, "(x-", r1, ")(x-", r2, ")(x-", r3, ")}dx");
      // A numerator of the denominator's degree leaves the quotient 1.
      if (q != 1) AnsWriteLine(s, "x");
      const int roots[] = {r1, r2, r3};
      for (int i = 0; i < 3; ++i) {
        Residue(n, roots, 3, i, false, num, den);
        Term(s, num, den, LnTerm(roots[i]), q == 1 && i == 0);
      }
      return;
    }
    case 4:
    case 5:
    case 6: {
      const int sq = r1 * r1;
      if (q == 4) {
        n[2] = 1, n[1] = c1, n[0] = c0;
        WriteText2NumbersLn(s, "x^2+", c1, "x+", c0, "}{");
      } else if (q == 5) {
        n[3] = 1, n[1] = -sq, n[0] = c0;
        WriteText2NumbersLn(s, "x^3-", sq, "x+", c0, "}{");
      } else {
        n[3] = 1, n[2] = r1, n[0] = c0;
        WriteText2NumbersLn(s, "x^3+", r1, "x^2+", c0, "}{");
      }
      WriteText2NumbersLn(s, "(x^2-", sq, ")(x-", r2, ")}dx");
      if (q != 4) AnsWriteLine(s, "x");
      const int roots[] = {r1, -r1, r2};
      for (int i = 0; i < 3; ++i) {
        Residue(n, roots, 3, i, false, num, den);
        Term(s, num, den, LnTerm(roots[i]), q == 4 && i == 0);
      }
      return;
    }
    case 7:
    case 8: {
      if (q == 7) {
        n[2] = 1, n[1] = c1, n[0] = r1;
        WriteText2NumbersLn(s, "x^2+", c1, "x+", r1, "}{");
      } else {
        n[3] = 1, n[1] = c1, n[0] = r1;
        WriteText2NumbersLn(s, "x^3+", c1, "x+", r1, "}{");
      }
      WriteText2NumbersLn(s, "(x-", r1, ")(x-", r2, ")x^2}dx");
      // N(0) = r1 over r1 r2 gives 1/(r2 x^2); the 1/x term is the slope at 0 of
      // N/((x - r1)(x - r2)).
      AnsWriteTextNumberLn(s, "-1/(", r2, "x)");
      const int roots[] = {r1, r2};
      for (int i = 0; i < 2; ++i) {
        Residue(n, roots, 2, i, true, num, den);
        Term(s, num, den, LnTerm(roots[i]));
      }
      const long p = static_cast<long>(r1) * r2;
      Term(s, c1 * p + static_cast<long>(r1) * (r1 + r2), p * p, "\\ln(x)");
      return;
    }
    default: {
      // N over x (x - r1)(x + r2): the quotient is x + r1 - r2.
      if (q == 9) {
        n[4] = 1, n[1] = c1, n[0] = c0;
        WriteText2NumbersLn(s, "x^4+", c1, "x+", c0, "}{x^3");
      } else {
        n[4] = 1, n[2] = c1, n[0] = c0;
        WriteText2NumbersLn(s, "x^4+", c1, "x^2+", c0, "}{x^3");
      }
      if (r2 != r1) WriteSignedCoefLn(s, r2 - r1);
      if (r2 != r1) WriteText(s, "x^2");
      WriteTextNumberLn(s, "-", r1 * r2, "x}dx");
      AnsWrite(s, r1 == r2 ? "" : r1 - r2 == 1 ? "" : r1 - r2 == -1 ? "-" : Int(r1 - r2));
      AnsWriteLine(s, r1 == r2 ? "x^2/2" : "x+x^2/2");
      const int roots[] = {0, r1, -r2};
      for (int i = 1; i < 3; ++i) {
        Residue(n, roots, 3, i, false, num, den);
        Term(s, num, den, LnTerm(roots[i]));
      }
      Term(s, -c0, static_cast<long>(r1) * r2, "\\ln(x)");
      return;
    }
  }
}

void WriteQuadraticKind(SharedState& s, int kind, int q, int t) {
  const int m = t * t + 1;
  const std::string ln = "\\ln(x^2+4x+" + Int(4 * m) + ")";
  const std::string at = "\\arctan\\frac{x+2}{" + Int(2 * t) + "}";
  switch (kind) {
    case 1:
      WriteText3NumbersLn(s, "x^2+", q, "x+", 2 * q - 4, "}{x^2/4+x+", m, "}dx");
      AnsWrite(s, "4x");
      Term(s, 2 * q - 8, 1, ln);
      Term(s, -8 * t, 1, at);
      return;
    case 2:
      WriteText3NumbersLn(s, "x^3+", q, "x+", 2 * q + 8, "}{x^2/4+x+", m, "}dx");
      AnsWrite(s, "2x^2-16x");
      Term(s, 24 - 8 * t * t + 2 * q, 1, ln);
      Term(s, 48 * t, 1, at);
      return;
    case 3:
      WriteText3NumbersLn(s, "x^3+", q, "x^2+", 4 * q * (t * t - 1) + 8, "}{x^2/4+x+", m, "}dx");
      AnsWrite(s, "2x^2");
      AnsWriteSignedCoefTerm(s, 4 * q - 16, "x");
      Term(s, 24 - 8 * t * t - 8 * q, 1, ln);
      Term(s, 48 * t, 1, at);
      return;
    case 4:
      WriteText3NumbersLn(s, "x^3+", q, "x^2+", m, "}{x(x^2/4+x+", m, ")}dx");
      AnsWrite(s, "4x+\\ln(x)");
      Term(s, 4 * q - 17, 2, ln);
      Term(s, -8 * t * t - 4 * q + 7, t, at);
      return;
    case 5:
      WriteText3NumbersLn(s, "x^3+", q, "x+", 2 * q + 8, "}{x(x^2/4+x+", m, ")}dx");
      AnsWrite(s, "4x");
      Term(s, 2 * (q + 4), m, "\\ln(x)");
      Term(s, -8 * t * t - q - 12, m, ln);
      Term(s, 2 * t * (q - 4 * t * t), m, at);
      return;
    case 6:
      WriteText3NumbersLn(s, "x^2+", q, "x+", 4 * m, "}{x(x^2/4+x+", m, ")}dx");
      AnsWrite(s, "4\\ln(x)");
      Term(s, 2 * (q - 4), t, at);
      return;
    case 7:
      WriteText3NumbersLn(s, "x^2+", q, "x+", 2 * q - 4, "}{(x^2/4+x+", m, ")^2}dx");
      Term(s, 4, t, at, true);
      AnsWrite(s, "+(-8x");
      Term(s, 8 * q - 16 * t * t - 32 - 8 * m * (q - 4), t * t, "");
      AnsWrite(s, ")/(x^2+4x+" + Int(4 * m) + ")");
      return;
    default:
      WriteText3NumbersLn(s, "x^2-", q, "x-", 2 * q, "}{(x^2+4x+", 4 * m, ")(x+2)}dx");
      toolkit::AnsWriteFractionUnlessOne(s, 1, t * t);
      AnsWriteLine(s, "\\ln(x+2)");
      Term(s, t * t - 1, 2 * t * t, ln);
      Term(s, -(q + 4), 2 * t, at);
      return;
  }
}

}  // namespace

void BeginRationalIntegralProblem(SharedState& s) {
  RationalItemCount = static_cast<std::uint8_t>(s.Level);
  s.ParboxWidth = 175;
  WriteText(s, "Найти неопределенный интеграл");
  EndTableHeadWithReference(s, 150);
  // The variants' tables are in the second answers file (SecondAnswersFileScope).
  Ans2Write(s, "\\tabcolsep=2pt ");
}

void WriteRationalIntegralVariant(SharedState& s) {
  const SecondAnswersFileScope to_second_file(s);
  int q = s.P1, r1 = s.P3;
  int r2 = s.P4 == s.P3 ? s.P3 + 1 : s.P4;
  int r3 = s.P5 + s.P3 == r2 ? r2 + 1 : s.P5 + s.P3;
  int c1 = s.P2 + 1, c0 = s.P1 + s.P2;
  AnsBeginVariant(s);
  for (int i = 1; i <= RationalItemCount; ++i) {
    r1 = r1 >= 7 ? 2 : r1 + 1;
    ++r2, ++r3, ++c1, ++c0;
    q = q >= 10 ? 1 : q + 1;
    if (RationalItemCount > 1) WriteTextNumberLn(s, "\\par ", i, ")");
    WriteText(s, " \\ $\\displaystyle{\\int\\frac{");
    AnsWriteTextNumber(s, "", i, "&\\rule{0pt}{14pt}$");
    WriteRationalKind(s, q, r1, r2, r3, c1, c0);
    WriteText(s, "}$");
    AnsWrite(s, " $\\\\");
  }
  WriteText(s, "\\vskip2mm");
  // AnsBeginVariant opens the table inside a center environment: close both.
  AnsWrite(s, "\\hline\\end{tabular}\\end{center}");
  WriteText(s, "\\vskip2mm");
}

void WriteQuadraticIntegralVariant(SharedState& s) {
  const SecondAnswersFileScope to_second_file(s);
  int kind = s.P1, q = s.P5 + 1, t = s.P3 - 1;
  AnsBeginVariant(s);
  for (int i = 1; i <= s.Level; ++i) {
    q = q >= 5 ? 3 : q + 1;
    t = t >= 5 ? 1 : t + 1;
    kind = kind >= 8 ? 1 : kind + 1;
    if (s.Level > 1) WriteTextNumberLn(s, "\\par ", i, ")");
    WriteText(s, " \\ $\\displaystyle{\\int\\frac{");
    AnsWriteTextNumberLn(s, "", i, "&\\rule{0pt}{14pt}$ ");
    WriteQuadraticKind(s, kind, q, t);
    WriteText(s, "}$");
    AnsWrite(s, " $\\\\");
  }
  AnsWrite(s, "\\hline\\end{tabular}\\end{center}");
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
