#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/indexed_array.h"
#include "toolkit/int_matrix.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// L_i(m) = prefix_i m suffix_i is equivalent to m x as x -> 0.
const toolkit::IndexedArray<std::string_view, 1, 8> LinearEquivalentPrefixes = [] {
  toolkit::IndexedArray<std::string_view, 1, 8> t;
  const std::string_view rows[] = {
      "\\ln(1+", "\\sin(", "\\mbox{tg}(", "\\mbox{arctg}(", "\\mbox{arcsin}(", "", "", ""};
  for (int i = 1; i <= 8; ++i) t[i] = rows[i - 1];
  return t;
}();

const toolkit::IndexedArray<std::string_view, 1, 8> LinearEquivalentSuffixes = [] {
  toolkit::IndexedArray<std::string_view, 1, 8> t;
  const std::string_view rows[] = {"x)", "x)", "x)", "x)", "x)", "x", "(e^x-1)", "x+x^2"};
  for (int i = 1; i <= 8; ++i) t[i] = rows[i - 1];
  return t;
}();

// m followed by row i is equivalent to m x^2, except row 6 (1 - cos x ~ x^2/2), whose written
// coefficient is therefore doubled.
const toolkit::IndexedArray<std::string_view, 1, 8> QuadraticEquivalents = [] {
  toolkit::IndexedArray<std::string_view, 1, 8> t;
  const std::string_view rows[] = {
      "\\ln(1+x^2)",         "\\sin(x^2)",   "\\mbox{tg}(x^2)", "\\mbox{arctg}(x^2)",
      "\\mbox{arcsin}(x^2)", "(1-\\cos(x))", "(e^{(x^2)}-1)",   "x^2"};
  for (int i = 1; i <= 8; ++i) t[i] = rows[i - 1];
  return t;
}();

constexpr int kQuadraticHalfRow = 6;

// A term of lower order than x^2, by P2, that makes the limit of the third form infinite.
const toolkit::IndexedArray<std::string_view, 1, 7> kLowerOrderTerms = [] {
  toolkit::IndexedArray<std::string_view, 1, 7> t;
  const std::string_view rows[] = {"+x", "+\\sqrt{x}", "+\\sin(2x)", "+\\cos(3x)",
                                   "+1", "+e^x",       "+e^x"};
  for (int i = 1; i <= 7; ++i) t[i] = rows[i - 1];
  return t;
}();

std::string Prefix(int row) { return std::string(LinearEquivalentPrefixes[row]); }
std::string Suffix(int row) { return std::string(LinearEquivalentSuffixes[row]); }
std::string Quadratic(int row) { return std::string(QuadraticEquivalents[row]); }
/// The written coefficient of a quadratic term whose limit coefficient is m.
double QuadraticCoefficient(int row, int m) { return row == kQuadraticHalfRow ? 2 * m : m; }

/// The variant's answer: a fraction, 0 or infinity.
struct Answer {
  enum Kind { kFraction, kZero, kInfinity } kind = kFraction;
  int numerator = 0;
  int denominator = 1;
};

}  // namespace

void BeginFirstRemarkableLimitProblem(SharedState& s) {
  s.ParboxWidth = 175;
  AnsBeginTable(s, 3);
  WriteLine(s, " Вычислить предел функции.");
  AnsWriteLine(s, "   & lim  ");
  EndTableHeadWithReference(s, 86);
}

void WriteFirstRemarkableLimitVariant(SharedState& s) {
  const int k = s.P5 + 1;
  const int f = s.P2;
  const int u = s.P3 == s.P2 ? toolkit::CyclicIndex7(static_cast<std::uint8_t>(s.P2 + 1)) : s.P3;
  const int w = (s.P4 == s.P2 || s.P4 == u) ? 8 : s.P4;
  WriteText(s, "$\\displaystyle \\lim_{x\\to 0}\\frac{");

  Answer answer;
  switch (s.P1) {
    case 1: {
      const std::string extra = (s.P2 == s.P3 || s.P3 == s.P5) ? "+\\sin^2(x)" : "";
      WriteText2NumbersLn(s, Prefix(f), k, Suffix(f) + "+" + Prefix(u), k + 1, Suffix(u) + "}{");
      WriteTextNumberLn(s, Prefix(w), k + 2, Suffix(w) + extra + "}");
      answer = {Answer::kFraction, 2 * k + 1, k + 2};
      break;
    }
    case 2: {
      const std::string extra = (s.P2 == s.P4 || s.P3 == s.P5) ? "+3x^3" : "";
      WriteTextNumberLn(s, Prefix(w), k + 3, Suffix(w) + extra + "}{");
      WriteText2NumbersLn(s, Prefix(f), k + 1, Suffix(f) + "+" + Prefix(u), k + 2, Suffix(u) + "}");
      answer = {Answer::kFraction, k + 3, 2 * k + 3};
      break;
    }
    case 3: {
      // A term of lower order in the numerator makes the limit infinite.
      const bool has_extra = s.P2 == s.P4 || s.P3 == s.P4;
      const std::string extra = has_extra ? std::string(kLowerOrderTerms[s.P2]) : "";
      WriteTextNumberLn(s, "", QuadraticCoefficient(w, k), Quadratic(w) + extra + "}{");
      WriteText2NumbersLn(s, "", QuadraticCoefficient(f, k + 1), Quadratic(f) + "+",
                          QuadraticCoefficient(u, k + 2), Quadratic(u) + "}");
      answer = has_extra ? Answer{Answer::kInfinity} : Answer{Answer::kFraction, k, 2 * k + 3};
      break;
    }
    case 4: {
      // A term of lower order in the denominator makes the limit 0.
      const bool has_extra = s.P2 == s.P4 || s.P3 == s.P5;
      WriteText2NumbersLn(s, "", QuadraticCoefficient(f, k + 1), Quadratic(f) + "+",
                          QuadraticCoefficient(u, k + 2), Quadratic(u) + "}{");
      if (has_extra) {
        WriteText2NumbersLn(s, "", QuadraticCoefficient(w, k), Quadratic(w) + "+\\sin(", 2 * s.P5,
                            "x)}");
      } else {
        WriteTextNumberLn(s, "", QuadraticCoefficient(w, k), Quadratic(w) + "}");
      }
      answer = has_extra ? Answer{Answer::kZero} : Answer{Answer::kFraction, 2 * k + 3, k};
      break;
    }
    default: {
      WriteText2NumbersLn(s, "(" + Prefix(f), k, Suffix(f) + "+" + Prefix(u), k + 1,
                          Suffix(u) + ")^2}{");
      WriteTextNumberLn(s, "", QuadraticCoefficient(w, k), Quadratic(w) + "}");
      answer = {Answer::kFraction, (2 * k + 1) * (2 * k + 1), k};
      break;
    }
  }
  WriteLine(s, "$ ");

  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  switch (answer.kind) {
    case Answer::kInfinity:
      AnsWrite(s, " &$\\infty$ ");
      break;
    case Answer::kZero:
      AnsWrite(s, "& $0");
      AnsWrite(s, "$ ");
      break;
    case Answer::kFraction:
      AnsWrite(s, "&$");
      AnsWriteFraction(s, answer.numerator, answer.denominator);
      AnsWrite(s, "$ ");
      break;
  }
}

}  // namespace calculus
