#include <cmath>
#include <numbers>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// Largest n checked for an undefined general term; every term of the catalogue is defined
/// well before this point.
constexpr int kLastCheckedIndex = 400;

/// The power text P chosen by P4 ("n", "n^2", "n^3", "n^4", "\sqrt{n}").
std::string PowerText(int p4) {
  switch (p4) {
    case 1:
      return "n";
    case 2:
      return "n^2";
    case 3:
      return "n^3";
    case 4:
      return "n^4";
    default:
      return "\\sqrt{n}";
  }
}

/// The value of the power text at n.
double PowerValue(int p4, double n) {
  switch (p4) {
    case 1:
      return n;
    case 2:
      return n * n;
    case 3:
      return n * n * n;
    case 4:
      return n * n * n * n;
    default:
      return std::sqrt(n);
  }
}

/// The parameter that picks the member within each family (index = family).
int MemberOf(const SharedState& s, int family) {
  switch (family) {
    case 1:
    case 4:
    case 5:
    case 12:
      return s.P3;
    case 2:
    case 6:
      return s.P4;
    case 7:
    case 8:
    case 10:
    case 16:
      return s.P5;
    default:  // 3, 9, 11, 13, 14, 15, 17
      return s.P2;
  }
}

/// Whether the general term of family f, member m is a real number at n. Only the members
/// that hold a logarithm of 1, a zero denominator, an arcsine argument above 1 or a
/// negative base under a real power for some small n are listed; the others are defined for
/// every n >= 1.
bool TermDefinedAt(const SharedState& s, int f, int m, int n_int) {
  const double n = n_int;
  const double pw = PowerValue(s.P4, n);
  switch (f) {
    case 4:
      if (m == 5) return std::pow(n, n) - 1.0 / pw != 0.0;
      return true;
    case 7:
      if (m == 3) return std::cos((s.P3 + 1) / (n * n)) >= 0.0;
      if (m == 4) return std::cos((s.P3 + 1) / n) >= 0.0;
      return true;
    case 8:
      if (m == 3) return std::numbers::pi / ((s.P4 + 1) * n) <= 1.0;
      return true;
    case 9:
      if (m == 1) return n_int != 2;
      if (m == 3) return s.P3 <= n;
      if (m == 4 || m == 5) return s.P5 <= n;
      return true;
    case 10:
      if (m == 3) return n_int >= 2;
      return true;
    case 11:
      if (m == 1) return std::pow(s.P3 + 1, n) - pw != 0.0;
      if (m == 2) return n_int >= 2;
      return true;
    case 14:
      if (m == 4) return s.P3 + 1 <= pw;
      return true;
    case 15:
      if (m == 1) return 1.0 - std::tan(s.P3 / pw) > 0.0;
      if (m == 2 || m == 3) return s.P3 <= pw;
      return true;
    case 17:
      return n_int >= 2;
    default:
      return true;
  }
}

/// The first index from which every term of the series is defined, at least `from`.
int FirstDefinedStart(const SharedState& s, int f, int m, int from) {
  int last_undefined = 0;
  for (int n = 1; n <= kLastCheckedIndex; ++n) {
    if (!TermDefinedAt(s, f, m, n)) last_undefined = n;
  }
  return last_undefined + 1 > from ? last_undefined + 1 : from;
}

/// Writes the general term of family f, member m (without any sign).
void WriteTerm(SharedState& s, int f, int m, const std::string& sign) {
  const std::string pw = PowerText(s.P4);
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  switch (f) {
    case 1:
      switch (m) {
        case 1:
          return WriteTextNumberLn(s, "\\frac{n!+", p5, "}{(n+1)!}");
        case 2:
          return WriteTextNumberLn(s, "\\frac{n!}{", p5, "+(n+1)!}");
        case 3:
          return WriteTextNumberLn(s, "\\frac{\\ln(", p5 + 1, "n)+1}{\\sqrt[3]{n+1}}");
        case 4:
          return WriteTextNumberLn(s, "\\frac{\\ln(", p5 + 1, "n)}{\\sqrt[3]{n^4+3}}");
        default:
          return WriteTextNumberLn(s, "\\frac{", p5 + 3, "+\\cos(n)}{n^3+\\sqrt[3]{n+1}}");
      }
    case 2:
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "\\frac{1}{n}\\ln\\frac{", p2 + p3 + 1, "n^3+", p3 + 1,
                                     "}{n^3+1}");
        case 2:
          return WriteText(s, "(1-\\cos(\\pi/n^2))");
        case 3:
          return WriteText2NumbersLn(s, "\\sqrt[", p5 + 2, "]{n^", p5 + 1, "}\\arctan(1/n^2)");
        case 4:
          return WriteText2NumbersLn(s, "\\sin(1/\\sqrt[", p5 + 2, "]{n^", p5 + 1, "+1})");
        default:
          return WriteText(s, "\\sqrt[3]{n}\\tg^2(\\pi/n^2)");
      }
    case 3:
      WriteText2NumbersLn(s, " n^", p5 + 1, "\\left(\\frac{", p2 + 1, "n");
      WriteText2NumbersLn(s, "^", p3 + 1, "+", p6, "}{");
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, " ", p2 + p3 + 1, "n^", p3 + 1, "+n!}\\right)^n");
        case 2:
          return WriteTextNumberLn(s, "n^", p3 + 1, "}\\right)^{(n^2)}");
        case 3:
          return WriteText2NumbersLn(s, "1/n+", p2 + p3 + 1, "n^", p2 + 1, "}\\right)^n");
        case 4:
          return WriteText2NumbersLn(s, " ", p2 + p3 + 1, "n^", p3 + 1, "+\\sin(n)}\\right)^n");
        default:
          return WriteText2NumbersLn(s, "n+", p2 + p3 + 2, "n^", p3 + 1, "}\\right)^{(n-1)}");
      }
    case 4:
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "\\frac{n!+" + pw + "}{", p2 + 1, "^{n-1}+", p5, "}");
        case 2:
          return WriteText2NumbersLn(s, "\\frac{(", p2 + 1, "n+1)!}{3n!+", p5, "}n!");
        case 3:
          return WriteText2NumbersLn(s, "\\frac{2^n+n!+1}{(", p2 + 1, "n+", p5, ")!n}");
        case 4:
          return WriteText2NumbersLn(s, "\\frac{", p2 + 1, "^n(" + pw + "+", p5, ")!}{n^n+2}");
        default:
          return WriteText2NumbersLn(s, "\\frac{", p5 + 1, "^nn!+", p2 + 1,
                                     "n}{n^n-1/" + pw + "}");
      }
    case 5:
      WriteTextNumberLn(s, "\\frac{" + pw + " + ", p3 + 1, "^");
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "n    } {n^", p5 + 1, " ", p2 + 1, "^{n-1} }");
        case 2:
          return WriteText2NumbersLn(s, "n    } {n^", p5 + 1, " ", p3 + 1, "^{n+1} }");
        case 3:
          return WriteText2NumbersLn(s, "{n+1}} {n^", p5 + 1, " ", p2 + 1, "^n     }");
        case 4:
          return WriteText2NumbersLn(s, "{n+1}} {n^", p5 + 1, " ", p2 + 1, "^{n-1} }");
        default:
          return WriteText2NumbersLn(s, "{n-1}} {n^", p5 + 1, " ", p2 + 1, "^n+1   }");
      }
    case 6:
      switch (m) {
        case 1:
          return WriteText3NumbersLn(s, "\\frac{", p3 + 1, "^n+", p2 + 1, "}{", p5 + 1,
                                     "^n(2n)!}");
        case 2:
          return WriteText3NumbersLn(s, "\\frac{", p3 + 1, "^n+", p2 + 1, "}{", p5 + 1,
                                     "^n(n^2+1)!}");
        case 3:
          return WriteText3NumbersLn(s, "\\frac{", p3 + 1, "^n+", p2 + 1, "}{", p5 + 1,
                                     "^{n+1}(2n)!+1}");
        case 4:
          return WriteText3NumbersLn(s, "\\frac{", p3 + 1, "^{n+1}+", p2 + 1, "}{", p5 + 1,
                                     "^n(3n)!}");
        default:
          return WriteText3NumbersLn(s, "\\frac{", p3 + 1, "^nn!}{", p5 + 1, "^{2n+", p2 + 1,
                                     "}+n}");
      }
    case 7:
      switch (m) {
        case 1:
          return WriteTextNumberLn(s, "1-\\cos\\frac{", p3 + 1, "}{" + pw + "}");
        case 2:
          return WriteTextNumberLn(s, "1-\\ch\\frac{", p3 + 1, "}{\\sqrt{n}}");
        case 3:
          return WriteTextNumberLn(s, "1-\\sqrt{\\cos\\frac{", p3 + 1, "}{n^2}}");
        case 4:
          return WriteText2NumbersLn(s, "\\frac{1-\\sqrt{\\cos\\frac{", p3 + 1,
                                     "}{n}}}{1-\\cos\\frac{", p2 + p3 + 1, "}{n}}");
        default:
          return WriteTextNumberLn(s, "\\left(1-\\cos\\frac{", p3 + 1, "}{\\sqrt{n}}\\right)^2");
      }
    case 8:
      switch (m) {
        case 1:
          return WriteText3NumbersLn(s, "n^", p3 + 1, "\\mbox{arctg}^{", 2 * p2 + 2,
                                     "n}\\frac{\\pi}{", p4 + 1, pw + "}");
        case 2:
          return WriteText3NumbersLn(s, "n^", p3 + 1, "\\sin^{", 2 * p2 + 2, "n}\\frac{\\pi}{",
                                     p4 + 1, "n}");
        case 3:
          return WriteText3NumbersLn(s, "(n^", p3 + 1, "+1)\\mbox{arcsin}^{", 2 * p2 + 2,
                                     "n}\\frac{\\pi}{", p4 + 1, "n}");
        case 4:
          return WriteText3NumbersLn(s, "(\\ln^", p3 + 1, " n )(\\cos\\frac{\\pi}{", p4 + 1,
                                     "n}-1)^{", 2 * p2 + 2, "n}");
        default:
          return WriteText3NumbersLn(s, "n^{n+", p3 + 1, "}\\mbox{arctg}^{", p2 + 1,
                                     "n}\\frac{\\pi}{", p4 + 1, "n}");
      }
    case 9:
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "n\\left(\\sh\\frac{", p5, "}{n-2}-\\tg\\frac{", p3,
                                     "}{n}\\right)");
        case 2:
          return WriteText2NumbersLn(s, "n\\left(\\tg\\frac{", p5,
                                     "}{n}-\\frac{1}{n^2}\\ctg\\frac{", p3 + p5, "}{n}\\right)");
        case 3:
          return WriteText2NumbersLn(s, "n\\left(\\tg\\frac{", p5, "}{n+1}-\\arcsin\\frac{", p3,
                                     "}{n}\\right)");
        case 4:
          return WriteText2NumbersLn(s, "n\\left(\\arcsin\\frac{", p5, "}{n}-\\sh\\frac{", p3,
                                     "}{n}\\right)");
        default:
          return WriteText2NumbersLn(s, "n\\left(\\arcsin\\frac{", p5, "}{n}-\\sin\\frac{", p3,
                                     "}{n}\\right)^n");
      }
    case 10:
      switch (m) {
        case 1:
          return WriteText3NumbersLn(s, "\\frac{(", 2 * p3 + 1, pw + "+", 2 * p1, ")!}{(",
                                     p2 + 1, "n)!n!}");
        case 2:
          return WriteText2NumbersLn(s, "\\frac{n^{n+", p2 + 1, "}}{ ", p3 + 1, "^nn!}");
        case 3:
          return WriteText2NumbersLn(s, "\\frac{n!}{ ", p3 + 1, "^n(n^", p2 + 1, "-1)}");
        case 4:
          return WriteText2NumbersLn(s, "\\frac{ ", p3 + 1, "^n}{(n!)^", p2 + 1, "}");
        default:
          return WriteText3NumbersLn(s, "\\frac{ ", p3 + 1, "^{n+", p1, "}}{(2n!)^", p2 + 1,
                                     "}");
      }
    case 11:
      switch (m) {
        case 1:
          return WriteTextNumberLn(s, "\\frac{1}{", p3 + 1, "^n-" + pw + "}");
        case 2:
          return WriteTextNumberLn(s, "\\frac{1}{(", p3 + 1,
                                   "^n-\\sin(" + pw + "))\\ln(n)}");
        case 3:
          return WriteTextNumberLn(s, "\\frac{1}{(", p3 + 1, "^n-1/" + pw + ")(1+n^2)}");
        case 4:
          return WriteText2NumbersLn(s, "\\frac{\\sin(" + pw + ")}{", p3 + 1, "^{n+", p2 + 1,
                                     "}-n}");
        default:
          return WriteText2NumbersLn(s, "\\frac{\\cos(1/" + pw + ")}{", p3 + 1, "^{", p2 + 1,
                                     "n+1}}");
      }
    case 12:
      switch (m) {
        case 1:
          return WriteTextNumberLn(s, "\\sin\\frac{", p3 + 1, "}{" + pw + "}");
        case 2:
          return WriteTextNumberLn(s, "(\\sqrt[n]{", p3 + 1, "}-1)");
        case 3:
          return WriteTextNumberLn(s, "(\\ln(", p3 + 1, "n))^{-n}");
        case 4:
          return WriteText3NumbersLn(s, "\\frac{1+1/n}{\\sqrt[", p2 + 2, "]{n^", p2 + 1,
                                     "(" + pw + "+", p1, ")}}");
        default:
          return WriteText3NumbersLn(s, "\\frac{1+e^{-", p3 + 1, "n}}{\\sqrt[4]{", p1,
                                     "n^2(n^2+", p2 + 2, ")+1}}");
      }
    case 13:
      switch (m) {
        case 1:
          return WriteText3NumbersLn(s, "(\\sqrt{n^2+", p2 + 3, "n+", p5, "}-\\sqrt{n^2+", p2 + 2,
                                     "})");
        case 2:
          return WriteText3NumbersLn(s, "(\\sqrt{n^3+", p2 + 2, "n+", p3 + 1, "}-\\sqrt{n^3+",
                                     p2 + 2, "})");
        case 3:
          return WriteText3NumbersLn(s, "(\\sqrt{n^5+", p2 + 2, "n+", p3 + 1, "}-\\sqrt{n^5+",
                                     p5, "})");
        case 4:
          return WriteText2NumbersLn(s, "(\\sqrt{n^4+", p3 + 2, "}-\\sqrt{n^4+", p3 + 1, "})");
        default:
          return WriteText2NumbersLn(s, "(\\sqrt{n+", p3 + 2, "}-\\sqrt{n+", p3 + 1, "})");
      }
    case 14:
      switch (m) {
        case 1:
          return WriteTextNumberLn(s, "n\\,\\sin\\frac{", p3 + 1, "}{" + pw + "}");
        case 2:
          return WriteTextNumberLn(s, "n\\,\\tg\\frac{", p3 + 1, "}{" + pw + "}");
        case 3:
          return WriteTextNumberLn(s, "n\\,(1-e^\\frac{", p3 + 1, "}{" + pw + "})");
        case 4:
          return WriteTextNumberLn(s, "n\\,\\arcsin\\frac{", p3 + 1, "}{" + pw + "}");
        default:
          return WriteTextNumberLn(s, "n\\,\\sh\\frac{", p3 + 1, "}{" + pw + "}");
      }
    case 15:
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "\\left(1-\\tg\\frac{", p3,
                                     "}{" + pw + "}\\right)^{\\ctg\\frac{", p5, "}{n}}");
        case 2:
          return WriteText2NumbersLn(s, "\\left(1+\\arcsin\\frac{", p3,
                                     "}{" + pw + "}\\right)^{\\ctg\\frac{", p5, "}{n}}");
        case 3:
          return WriteText2NumbersLn(s, "\\left(1-\\arcsin\\frac{", p3,
                                     "}{" + pw + "}\\right)^{", p5 + 1, "n}");
        case 4:
          return WriteText2NumbersLn(s, "\\left(1-\\sin\\frac{", p3, "}{" + pw + "}\\right)^{",
                                     p5 + 1, "n}");
        default:
          return WriteText2NumbersLn(s, "\\left(1+\\sin\\frac{", p3,
                                     "}{" + pw + "}\\right)^{\\ctg\\frac{", p5, "}{2n+1}}");
      }
    case 16:
      switch (m) {
        case 1:
          return WriteText2NumbersLn(s, "\\frac{1}{(", p3 + 1, pw + "+1)\\ln(", p2 + 1, "n)}");
        case 2:
          return WriteText2NumbersLn(s, "\\frac{1}{(", 2 * p3 + 2, "n-1)\\sqrt{\\ln(",
                                     2 * p2 + 2, "n)}}");
        case 3:
          return WriteText2NumbersLn(s, "\\frac{1}{n\\sqrt[", p5 + 1, "]{\\ln(", 2 * p2 + 2,
                                     "n+1)}}");
        case 4:
          return WriteText2NumbersLn(s, "\\frac{n+1}{n^2\\sqrt[", p5 + 1, "]{\\ln(", 2 * p2 + 2,
                                     "n+1)}}");
        default:
          return WriteText3NumbersLn(s, "\\frac{n^", p3 + 1, "+1}{n^", p3 + 2, "\\ln^2(",
                                     2 * p2 + 2, "n)}");
      }
    default:  // 17
      WriteText2NumbersLn(s, "\\frac{" + sign, p3 + p5 + 2, "(" + pw + "+", p2 + 1, ")}");
      switch (m) {
        case 1:
          // The double logarithm is closed here: the catalogue text leaves its bracket open.
          return WriteText2NumbersLn(s, "{n(", p5 + 1, pw + "+1)\\ln(n)\\ln(\\ln(", p3 + 1,
                                     "n))}");
        case 2:
          return WriteText2NumbersLn(s, "{n(", p5 + 1, pw + "+1)\\ln(n)\\sqrt{\\ln(\\ln(", p3 + 1,
                                     "n))}}");
        case 3:
          return WriteText2NumbersLn(s, "{n(", p5 + 1, pw + "+1)\\ln(n)(\\ln(\\ln(", p3 + 1,
                                     "n)))^2}");
        case 4:
          return WriteText2NumbersLn(s, "{n(", p5 + 1, pw + "+1)\\ln(", p3 + 1,
                                     "n)(\\ln(\\ln n))^3}");
        default:
          return WriteText2NumbersLn(s, "{n(", p5 + 1, pw + "-1)\\ln(", p3 + 1,
                                     "n)(\\ln(\\ln n))^4}");
      }
  }
}

}  // namespace

void BeginNumericSeriesProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteText(s, "Исследовать сходимость ряда \\\\ ");
  EndTableHeadWithReference(s, 222);
  // The row computes no verdicts: the answers say so under their heading rather than leave
  // a bare heading the teacher would take for a lost key.
  AnsWriteLine(s, "\\noindent Ответы к этой задаче не приводятся.\\par");
}

void WriteNumericSeriesVariant(SharedState& s, int kind) {
  WriteText(s, "Исследовать сходимость ряда \\\\ ");
  const int step = s.P5 >= 1 && s.P5 <= 3 ? 1 : -1;
  const int count = s.Level > 5 ? 17 : 15;
  int f = s.P1 - 1;
  for (int i = 1; i <= s.Level; ++i) {
    f += step;
    if (f > count) f -= count;
    if (f < 1) f = count;
    const int member = MemberOf(s, f);
    // Some terms are not real numbers for the first few n (a logarithm of 1 in a
    // denominator, an arcsine of more than 1, ...): the sum then starts where every term is
    // defined.
    const int start = FirstDefinedStart(s, f, member, s.P2);
    WriteTextNumberLn(s, "", i, ")");
    WriteTextNumberLn(s, "$\\displaystyle{\\sum_{n=", start, "}^{\\infty} ");
    const bool alternating = kind == 2;
    // These terms are differences: bracketed, so that the sum takes the whole term.
    const bool wrapped = f == 7 && member >= 1 && member <= 3;
    if (wrapped) {
      WriteText(s, alternating ? "(-1)^n\\left(" : "\\left(");
    } else if (alternating && f != 17) {
      WriteText(s, "(-1)^n");
    }
    WriteTerm(s, f, member, alternating && f == 17 ? "(-1)^n" : "");
    if (wrapped) WriteText(s, "\\right)");
    WriteText(s, "}$\\vskip1pt ");
  }
}

}  // namespace calculus
