#include <string>

#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

void AnsWritePlain(SharedState& s, const std::string& text) { toolkit::AnsWriteLine(s, text); }

// p^e in integers.
long IntPower(long p, int e) {
  long v = 1;
  for (int i = 0; i < e; ++i) v *= p;
  return v;
}

}  // namespace

void BeginDiophantineProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(
      s, s.StudentsMode ? "\\No & x & y & \\\\\\hline" : "\\No & x & y   \\\\\\hline");
  toolkit::WriteText(s, "Найти общее решение уравнения в целых числах.\\\\\\noindent ");
}

// a x + b y = c built backwards from the particular solution (x0, y0); every prime factor of
// a and b is at most 5, so dividing out 2, 3 and 5 leaves the coprime a', b' of the general
// solution x = x0 + b' t, y = y0 - a' t.
void WriteDiophantineVariant(SharedState& s) {
  const int x0 = s.P6 + 5;
  int y0 = s.P7 - 5;
  if (y0 == 0) y0 = s.P1 + s.P2;
  const int a = s.P3 * s.P4;
  const int b = s.P1 * s.P2 * s.P5;
  const int c = a * x0 + b * y0;
  toolkit::WriteText(s, "$$");
  toolkit::WriteNumberUnlessUnit(s, a);
  toolkit::WriteText(s, "x+");
  toolkit::WriteNumberUnlessUnit(s, b);
  toolkit::WriteTextNumberLn(s, "y=", c, "$$");
  int reduced[2] = {a, b};
  toolkit::NormalizeIntVector(reduced, 2);
  AnsWritePlain(s,
                std::to_string(toolkit::PrintedVariantNumber(s)) + "&$" + std::to_string(x0) + "+");
  toolkit::AnsWriteNumberUnlessUnit(s, reduced[1]);
  toolkit::AnsWriteTextNumber(s, "t$  &$", y0, "-");
  toolkit::AnsWriteNumberUnlessUnit(s, reduced[0]);
  toolkit::AnsWrite(s, "t$");
}

void BeginEulerFunctionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(
      s, s.StudentsMode ? "\\No & $\\varphi$ & \\\\\\hline" : "\\No & $\\varphi$   \\\\\\hline");
  toolkit::WriteText(s, "Найти значение функции Эйлера.\\\\\\noindent ");
}

// M = 2^e2 3^e3 5^e5 7^e7 Q, where a small product gets a factor Q (a prime above 7 or a
// product of two) coprime to it. phi is multiplicative and computed exactly in integers.
void WriteEulerFunctionVariant(SharedState& s) {
  const int e[4] = {s.P1 - 1, s.P2 - 1, s.P3 - 1, s.P4 - 1};
  const long primes[4] = {2, 3, 5, 7};
  long n = 1;
  long phi = 1;
  for (int i = 0; i < 4; ++i) {
    n *= IntPower(primes[i], e[i]);
    if (e[i] > 0) phi *= IntPower(primes[i], e[i] - 1) * (primes[i] - 1);
  }
  long q = 1;
  long m = 1;
  const int pick = s.P7 >= 1 && s.P7 <= 4 ? s.P7 : 0;
  if (n > 1 && n < 10 && pick != 0) {
    static constexpr long kQ[] = {11, 13, 17, 19};
    q = kQ[pick - 1];
    m = q - 1;
  } else if (n == 1 && pick != 0) {
    static constexpr long kQ[] = {143, 187, 209, 253};
    static constexpr long kM[] = {120, 160, 180, 220};
    q = kQ[pick - 1];
    m = kM[pick - 1];
  }
  phi *= m;
  toolkit::WriteTextNumberLn(s, "$\\varphi(", static_cast<double>(n * q), ")$");
  AnsWritePlain(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  toolkit::AnsWriteTextNumber(s, "&", static_cast<double>(phi), "");
}

}  // namespace discrete
