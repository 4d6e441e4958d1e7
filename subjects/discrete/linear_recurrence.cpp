#include <cstdlib>

#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// The closed forms are written as a teacher writes them: a term whose coefficient is 0 is
// left out, a coefficient 1 is not written, and a power of the root 1 is its coefficient.

// A power root^n after its coefficient coef (already written): kind 1 joins a positive root
// with "\cdot", kinds 3 and 4 with "\cdot " and put no product sign before a parenthesised
// negative root.
void AnsWriteRootPower(SharedState& s, int coef, int root, bool kind_one_style) {
  if (root < 0) {
    if (kind_one_style && std::abs(coef) != 1) toolkit::AnsWrite(s, "\\cdot");
    toolkit::AnsWriteTextNumber(s, "(", root, ")^n");
  } else if (std::abs(coef) == 1) {
    toolkit::AnsWriteTextNumber(s, "", root, "^n");
  } else {
    toolkit::AnsWriteTextNumber(s, kind_one_style ? "\\cdot" : "\\cdot ", root, "^n");
  }
}

// One term coef * root^n of a sum; first decides between a leading blank and a plus sign.
void AnsWriteRootTerm(SharedState& s, int coef, int root, bool& first, bool kind_one_style) {
  if (coef == 0) return;
  if (root == 1) {
    toolkit::AnsWriteTextNumber(
        s, std::string(1, first ? toolkit::MinusOrSpace(coef) : toolkit::SignChar(coef)),
        std::abs(coef), "");
  } else {
    if (first) {
      toolkit::AnsWriteMinusOrSpaceCoefLn(s, coef);
    } else {
      toolkit::AnsWriteSignedCoefLn(s, coef);
    }
    AnsWriteRootPower(s, coef, root, kind_one_style);
  }
  first = false;
}

// (A ra^n + B rb^n) / D, the parentheses and the divisor only when D is not 1.
void AnsWriteTwoRootSolution(SharedState& s, int a, int ra, int b, int rb, int d,
                             bool kind_one_style) {
  if (d != 1) toolkit::AnsWrite(s, "(");
  bool first = true;
  AnsWriteRootTerm(s, a, ra, first, kind_one_style);
  AnsWriteRootTerm(s, b, rb, first, kind_one_style);
  if (d != 1) toolkit::AnsWriteTextNumber(s, ")/", d, "");
}

// (A, B, D) divided by their small common factors, D made positive.
void NormalizeTriple(int& a, int& b, int& d) {
  int v[3] = {a, b, d};
  toolkit::NormalizeIntVector(v, 3);
  if (v[2] < 0) {
    for (int& x : v) x = -x;
  }
  a = v[0];
  b = v[1];
  d = v[2];
}

// x_{n+2} = (r1 + r2) x_{n+1} - r1 r2 x_n: x_n = (A r2^n + B r1^n) / D.
void WriteTwoRootRecurrence(SharedState& s) {
  int r1 = s.P1 - 5;
  int r2 = s.P2 - 5;
  if (r1 == 0) r1 = 2;
  if (r2 == 0) r2 = 3;
  if (r1 == r2) r1 = std::abs(r1) + 1;
  if (r1 == -r2) {
    r1 = 1;
    r2 = s.P1 + 1;
  }
  int x0 = s.P3 - 5;
  if (x0 == 0) x0 = 1;
  int x1 = s.P4 - 3;
  if (x1 == 0) x1 = 11;
  toolkit::WriteText(s, " \\vskip4mm  $ x_{n+2}=");
  toolkit::WriteLeadingCoefTermMinus(s, r1 + r2, " x_{n+1} ");
  toolkit::WriteSignedCoefTerm(s, -r1 * r2, "x_n");
  toolkit::WriteText2NumbersLn(s, " $,\\\\   $x_0=", x0, "$, $x_1=", x1, ".$ \\vskip4mm ");
  int a = x1 - r1 * x0;
  int b = r2 * x0 - x1;
  int d = r2 - r1;
  NormalizeTriple(a, b, d);
  AnsWriteTwoRootSolution(s, a, r2, b, r1, d, true);
}

// x_{n+1} = x_n + 2a n + b: x_n = a n^2 + (b - a) n + c.
void WriteLinearDriftRecurrence(SharedState& s) {
  int a = s.P1 - 5;
  if (a == 0) a = 2;
  int b = s.P2 - 5;
  if (b == 0) b = s.P6;
  int c = s.P3 - 5;
  if (c == 0) c = 1;
  if (b == a) b = std::abs(b) + 1;
  toolkit::WriteText(s, " \\vskip4mm  $ x_{n+1}=x_{n}");
  toolkit::WriteSignedCoefTerm(s, 2 * a, "n");
  toolkit::WriteSignedNumberLn(s, b);
  toolkit::WriteTextNumberLn(s, " $,\\\\   $x_0=", c, "$ \\vskip4mm ");
  toolkit::AnsWriteMinusOrSpaceCoefLn(s, a);
  toolkit::AnsWrite(s, "n^2");
  toolkit::AnsWriteSignedCoefTerm(s, b - a, "n");
  toolkit::AnsWriteSignedNumber(s, c);
}

// x_{n+1} = q x_n + 2ad with q = a + 1: x_n = (c + 2d) q^n - 2d.
void WriteAffineRecurrence(SharedState& s) {
  int a = s.P1 - 5;
  if (a == -1) a = 2;
  if (a == 0) a = s.P7;
  int d = s.P2 - 5;
  if (d == 0) d = s.P6;
  int c = s.P3 - 5;
  if (c == 0) c = 1;
  if (a == d) d = std::abs(d) + 1;
  if (a == -2) {
    toolkit::WriteText(s, " \\vskip4mm  $ x_{n+1}= -x_{n}");
  } else {
    toolkit::WriteTextNumberLn(s, " \\vskip4mm  $ x_{n+1}=", a + 1, "x_{n}");
  }
  toolkit::WriteSignedNumberLn(s, 2 * a * d);
  toolkit::WriteTextNumberLn(s, " $,\\\\   $x_0=", c, "$ \\vskip4mm ");
  const int coef = c + 2 * d;
  const int q = a + 1;
  if (coef == 0) {
    // x_0 = -2d is a fixed point: the sequence is constant.
    toolkit::AnsWriteTextNumber(s, std::string(1, toolkit::MinusOrSpace(-2 * d)), std::abs(2 * d),
                                "");
    return;
  }
  toolkit::AnsWriteMinusOrSpaceCoefLn(s, coef);
  AnsWriteRootPower(s, coef, q, false);
  toolkit::AnsWriteSignedNumber(s, -2 * d);
}

// x_{n+2} = (u + v) x_{n+1} - uv x_n with roots u and v: x_n = (A u^n + B v^n) / D.
void WriteShiftedRootRecurrence(SharedState& s) {
  int u = s.P1 / 2 - 3;
  int v = s.P2 + u + 1;
  int x0 = s.P3 - 5;
  int x1 = s.P3 - 5;
  if (u == -1) u = 2;
  if (u == 1) u = -3;
  if (u == 0) u = s.P7;
  if (v == 0) v = s.P6;
  if (v == 1) v = 4;
  if (v == -1) v = 2;
  if (x0 == 0) x0 = 1;
  if (x1 == 0) x1 = 3;
  if (v == -u) {
    v = s.P2 + 1;
    u = s.P3 + s.P2;
  }
  if (u == v) {
    v = 2;
    u = s.P3 + 3;
  }
  if (v * x0 == x1) x1 = 2 * v * x0;
  if (u * x0 == x1) x1 = 2 * u * x0;
  toolkit::WriteText(s, " \\vskip4mm  $ x_{n+2}=");
  toolkit::WriteLeadingCoefTermMinus(s, u + v, "x_{n+1}");
  toolkit::WriteLine(s, "");
  toolkit::WriteSignedNumberLn(s, -u * v);
  toolkit::WriteText2NumbersLn(s, "x_n$,\\\\   $x_0=", x0, "$, $x_1=", x1, ".$ \\vskip4mm ");
  int a = x1 - v * x0;
  int b = u * x0 - x1;
  int d = u - v;
  NormalizeTriple(a, b, d);
  AnsWriteTwoRootSolution(s, a, u, b, v, d, false);
}

// x_{n+1} = x_n + 12a n^3: x_n = c + 3a (n-1)^2 n^2.
void WriteCubicDriftRecurrence(SharedState& s) {
  int a = (s.P1 - 5) / 2;
  if (a == 0) a = 1;
  int c = s.P3 - 5;
  if (c == 0) c = s.P7;
  toolkit::WriteText(s, " \\vskip4mm  $ x_{n+1}=x_{n}");
  toolkit::WriteSignedNumberLn(s, 12 * a);
  toolkit::WriteTextNumberLn(s, "n^3$,\\\\   $x_0=", c, "$ \\vskip4mm ");
  toolkit::AnsWriteTextNumber(s, "", c, "");
  toolkit::AnsWriteSignedCoefLn(s, 3 * a);
  toolkit::AnsWrite(s, "(n-1)^2n^2");
}

// x_{n+1} = x_n + 6a n^2 + 2b n: x_n = c + 2a n^3 + (b - 3a) n^2 + (a - b) n.
void WriteQuadraticDriftRecurrence(SharedState& s) {
  int b = s.P1;
  int a = s.P2;
  int c = s.P3 - 5;
  if (c == 0) c = s.P6;
  if (a == b) {
    b = 2;
    a = s.P3 + 3;
  }
  toolkit::WriteText(s, " \\vskip4mm  $ x_{n+1}=x_{n}");
  toolkit::WriteSignedNumberLn(s, 6 * a);
  toolkit::WriteText(s, "n^2");
  toolkit::WriteSignedNumberLn(s, 2 * b);
  toolkit::WriteTextNumberLn(s, "n$,\\\\   $x_0=", c, "$ \\vskip4mm ");
  toolkit::AnsWriteTextNumber(s, "", c, "");
  toolkit::AnsWriteSignedCoefLn(s, 2 * a);
  toolkit::AnsWrite(s, "n^3");
  if (b != 3 * a) {
    toolkit::AnsWriteSignedCoefLn(s, b - 3 * a);
    toolkit::AnsWrite(s, "n^2");
  }
  toolkit::AnsWriteSignedCoefLn(s, a - b);
  toolkit::AnsWrite(s, "n");
}

}  // namespace

void BeginRecurrenceProblem(SharedState& s) {
  s.ParboxWidth = 170;
  toolkit::WriteText(
      s,
      "Найти последовательность $x_n$, удовлетворяющую рекуррентному соотношению.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWrite(s, " \\No &  $x_n$ \\\\\\hline");
}

void WriteRecurrenceVariant(SharedState& s) {
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&$");
  switch (s.P5) {
    case 1:
      WriteTwoRootRecurrence(s);
      break;
    case 2:
      WriteLinearDriftRecurrence(s);
      break;
    case 3:
      WriteAffineRecurrence(s);
      break;
    case 4:
      WriteShiftedRootRecurrence(s);
      break;
    case 5:
      WriteCubicDriftRecurrence(s);
      break;
    default:
      WriteQuadraticDriftRecurrence(s);
      break;
  }
  toolkit::AnsWrite(s, "$");
}

}  // namespace discrete
