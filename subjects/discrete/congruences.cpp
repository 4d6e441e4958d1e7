#include <cstdlib>

#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Odd primes of the moduli of the three-congruence systems.
constexpr int kCongruencePrimesData[] = {3, 5, 7, 11, 13, 17, 19};
// Primes of the single congruences: the factor a and the prime of the modulus.
constexpr int kCongruenceTableData[] = {7, 11, 13, 17, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61};

const toolkit::IndexedArray<int, 1, 7> kCongruencePrimes = [] {
  toolkit::IndexedArray<int, 1, 7> t;
  for (int i = 1; i <= 7; ++i) t[i] = kCongruencePrimesData[i - 1];
  return t;
}();

const toolkit::IndexedArray<int, 1, 14> kCongruenceTable = [] {
  toolkit::IndexedArray<int, 1, 14> t;
  for (int i = 1; i <= 14; ++i) t[i] = kCongruenceTableData[i - 1];
  return t;
}();

}  // namespace

void BeginChineseRemainderProblem(SharedState& s) {
  s.ParboxWidth = 185;
  toolkit::WriteText(s, "\\arraycolsep=3pt");
  toolkit::AnsBeginTable(s, 5);
  toolkit::AnsWriteLine(s, "\\No & $x$ & $z_i$ & $M_i$\\\\\\hline");
  toolkit::WriteText(s, "Найти решение системы сравнений. \\\\\\noindent ");
}

// The system is built backwards from the form of its solution x = sum M_i r_i (mod M):
// the right-hand sides are M_i r_i mod m_i.
void WriteChineseRemainderVariant(SharedState& s) {
  if (s.Level == 1) {
    if (s.P1 > 3) s.P1 = static_cast<std::int8_t>(s.P1 - 3);
    if (s.P2 > 3) s.P2 = static_cast<std::int8_t>(s.P2 - 3);
    if (s.P3 > 2) s.P3 = static_cast<std::int8_t>(s.P3 - 2);
  }
  long m[4] = {};
  m[1] = kCongruencePrimes[s.P1];
  m[2] = s.P1 == s.P2 ? kCongruencePrimes[s.P2 + 1] : kCongruencePrimes[s.P2];
  switch (s.P3) {
    case 1:
      m[3] = std::labs(m[1] - m[2]);
      break;
    case 2:
      m[3] = (m[1] + m[2]) / 2;
      break;
    default:
      m[3] = m[1] + m[2];
      break;
  }
  long r[4] = {};
  r[1] = kCongruencePrimes[s.P1] - s.P5;
  r[2] = kCongruencePrimes[s.P2] - s.P6;  // the table entry of P2 itself, also when P1 = P2
  r[3] = kCongruencePrimes[s.P3] - s.P7;
  for (int i = 1; i <= 3; ++i) {
    if (r[i] <= 0) r[i] = kCongruencePrimes[i] - 1;
  }
  const long big_m = m[1] * m[2] * m[3];
  const long mi[4] = {0, m[2] * m[3], m[1] * m[3], m[1] * m[2]};
  for (int i = 1; i <= 3; ++i) {
    const long z = (mi[i] * r[i]) % m[i];
    toolkit::WriteText2NumbersLn(s, "$x=", static_cast<double>(z), "(\\mbox{mod}\\ ",
                                 static_cast<double>(m[i]), ")$\\\\ ");
  }
  const long x = (mi[1] * r[1] + mi[2] * r[2] + mi[3] * r[3]) % big_m;
  toolkit::AnsWriteText3Numbers(s, "", toolkit::PrintedVariantNumber(s), "&",
                                static_cast<double>(x), "(mod ", static_cast<double>(big_m), ")&");
  for (int i = 1; i <= 3; ++i) {
    toolkit::AnsWriteTextNumber(s, i == 1 ? "" : ", ", static_cast<double>(r[i]), "");
  }
  toolkit::AnsWrite(s, "&");
  for (int i = 1; i <= 3; ++i) {
    toolkit::AnsWriteTextNumber(s, i == 1 ? "" : ", ", static_cast<double>(mi[i]), "");
  }
}

void BeginCongruenceProblem(SharedState& s) {
  s.ParboxWidth = 185;
  toolkit::WriteText(s, "\\arraycolsep=3pt");
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\No & $x$ \\\\\\hline");
  toolkit::WriteText(s, "Найти решение сравнения. \\\\\\noindent ");
}

// a x = b (mod m) built backwards from x; a is a prime other than the prime of m (m is that
// prime or twice it), so the solution is unique modulo m. The answer is the residue of x in
// 0..m-1, the number a student finds.
void WriteCongruenceVariant(SharedState& s) {
  if (s.P6 == s.P1) s.P6 = static_cast<std::int8_t>(s.P1 + 1);
  const int a = kCongruenceTable[s.P6];
  const int m = kCongruenceTable[s.P1] * s.P5;
  int x = s.P2;
  if (s.P2 > a) x = a - s.P3;
  const int b = (a * x) % m;
  toolkit::WriteText3NumbersLn(s, "$", a, "x= ", b, "(\\mbox{mod}\\ ", m, ")$\\\\ ");
  toolkit::AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), "&", x % m, " ");
}

}  // namespace discrete
