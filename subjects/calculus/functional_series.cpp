#include <cmath>
#include <numbers>
#include <string>

#include "subjects/calculus/forms.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

constexpr double kE = std::numbers::e;

/// "[" or "(" for a lower end that the region does or does not hold; likewise for upper ends.
const char* Lower(bool closed) { return closed ? "[" : "("; }
const char* Upper(bool closed) { return closed ? "]" : ")"; }

/// Writes the general term of kind q into the main file and the region of x where the series
/// converges into the answers file.
void WriteKind(SharedState& s, int q) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5;
  switch (q) {
    case 1: {
      const int a = p3 + 1, b = p4 + 2, c = p1;
      WriteTextNumberLn(s, "\\frac{n^", a, "+");
      WriteSeriesTerm(s, p5);
      WriteTextNumberLn(s, "}{(\\sqrt[", b, "]{n}+");
      WriteSeriesTerm(s, p3);
      WriteTextNumberLn(s, ")^{x+", c, "}}");
      AnsWriteTextNumberLn(s, " (", (a + 1) * b - c, ",\\infty)");
      return;
    }
    case 2: {
      const int d = 2 * p1, e = p2 + 1, a = 2 * p1 + 1, b = a + p3;
      WriteTextNumberLn(s, " \\frac{", d, "^n+");
      WriteSeriesTerm(s, p5);
      WriteText3NumbersLn(s, "}{n^", e, "(x^2-", a + b, "x+", d + a * b, ")^n}");
      AnsWriteText2Numbers(s, "(-\\infty,", a, "]; [", b, ",\\infty)");
      return;
    }
    case 3: {
      const int a = p4 + 1;
      const double c = 0.1 * (2 * p3 - 1);
      WriteTextNumberLn(s, " \\frac{(", a, "");
      switch (p2) {
        case 1:
          WriteText(s, "x");
          break;
        case 2:
          WriteTextNumberLn(s, "x^", 2 * p1, " ");
          break;
        case 3:
          WriteText(s, "e^x");
          break;
        default:
          WriteText(s, "\\ln(x)");
          break;
      }
      WriteTextNumberLn(s, "+", c, ")^nn!}{n^n}");
      // |a f(x) + c| < e by the ratio test; at |a f(x) + c| = e the terms grow like sqrt(n).
      const double lo = (-kE - c) / a, hi = (kE - c) / a;
      switch (p2) {
        case 1:
          AnsWriteText2Numbers(s, "(", lo, ",", hi, ")");
          break;
        case 2: {
          const double r = std::pow(hi, 1.0 / (2 * p1));
          AnsWriteText2Numbers(s, "(-", r, ",", r, ")");
          break;
        }
        case 3:
          AnsWriteTextNumberLn(s, "(-\\infty,", std::log(hi), ")");
          break;
        default:
          AnsWriteText2Numbers(s, "(", std::exp(lo), ",", std::exp(hi), ")");
          break;
      }
      return;
    }
    case 4: {
      const int a = p4 + 1, b = p3 + 1;
      WriteText4NumbersLn(s, " n^", a + p1, "\\left(\\frac{x^{", b, "}n+", 2 * p3, "}{",
                          std::pow(a, b), "n+");
      WriteSeriesTerm(s, p5);
      WriteText(s, "}\\right)^n");
      AnsWriteText2Numbers(s, "(", -a, ",", a, ")");
      return;
    }
    case 5: {
      const int a = p1 + 1;
      if (p2 == 1) WriteText(s, "n");
      WriteText3NumbersLn(s, "\\left(\\frac{(", a, "x^", 2 * p3, "+1)n^", p2 + 1, "+");
      WriteText4NumbersLn(s, "", 2 * p3, "}{", a, "n+", a * std::pow(p4, 2 * p3) + 1, "n^",
                          p2 + 1, "}\\right)^{n^2}");
      // At |x| = P4 the base is 1 - a/(K n^(P2)) + ...; raised to n^2 it decays like
      // exp(-a n / K) only when P2 = 1, so only then are the ends held.
      const bool ends = p2 == 1;
      AnsWriteText2Numbers(s, Lower(ends), -p4, ",", p4, Upper(ends));
      return;
    }
    case 6: {
      const int a = p1 + 1, b = p2 + 1;
      WriteTextNumberLn(s, " ", a, "^{n^2");
      switch (p4) {
        case 1:
          WriteTextNumberLn(s, "-", p5, "}");
          break;
        case 2:
          WriteTextNumberLn(s, "+", p5, "}");
          break;
        default:
          WriteText(s, "}");
          break;
      }
      double lo = -1.0 / a, hi = 1.0 / a;
      switch (p3) {
        case 1:
          WriteText(s, "x^{n^2}");
          break;
        case 2:
          WriteText(s, "(\\ln(x))^{n^2}");
          lo = std::exp(-1.0 / a);
          hi = std::exp(1.0 / a);
          break;
        default:
          WriteTextNumberLn(s, "(x-", b, ")^{n^2}");
          lo = b - 1.0 / a;
          hi = b + 1.0 / a;
          break;
      }
      AnsWriteText2Numbers(s, "(", lo, ",", hi, ")");
      return;
    }
    case 7: {
      const int a = p1 + 1, b = p2 + 1;
      WriteText3NumbersLn(s, "\\frac{(", a, "n+", b, ")(x^2+", 2 * p3, ")^n}{n^");
      WriteTextNumberLn(s, "", a, "");
      WriteTextNumberLn(s, "", 2 * p3 + p4 * p4, "^n}");
      // At |x| = P4 the term is (a n + b)/n^a: summable only for a > 2.
      const bool ends = a > 2;
      AnsWriteText2Numbers(s, Lower(ends), -p4, ",", p4, Upper(ends));
      return;
    }
    case 8: {
      const int a = p1 + 1;
      const double c = 0.2 * p2;
      const double u = (1.0 - c) / a, w = (1.0 + c) / a;
      WriteText(s, "\\frac{");
      WriteSeriesTerm(s, p5);
      WriteTextNumberLn(s, "}{(", a, "");
      switch (p2) {
        case 1:
          WriteText(s, "x+");
          break;
        case 2:
          WriteText(s, "\\ln(x)+");
          break;
        case 3:
          WriteText(s, "e^x+");
          break;
        default:
          WriteText(s, "x^3+");
          break;
      }
      WriteText2NumbersLn(s, "", c, ")^{", 2 * p3, "n}}");
      // Where the base is +-1 the term is the numerator alone, summable only for 1/n^(P1+1).
      const bool ends = p5 == 6;
      const std::string mid = std::string(Upper(ends)) + "$, $" + Lower(ends);
      switch (p2) {
        case 1:
          AnsWriteText2Numbers(s, "(-\\infty,", -w, mid, u, ",\\infty) ");
          break;
        case 2:
          // ln(x) is defined for x > 0 only.
          AnsWriteText2Numbers(s, "(0,", std::exp(-w), mid, std::exp(u), ",\\infty) ");
          break;
        case 3:
          AnsWrite(s, Lower(ends) + toolkit::FormatNumber(std::log(u)) + ",\\infty)");
          break;
        default:
          AnsWriteText2Numbers(s, "(-\\infty,", -std::cbrt(w), mid, std::cbrt(u), ",\\infty) ");
          break;
      }
      return;
    }
    case 9: {
      switch (p1) {
        case 1:
          WriteText(s, "\\frac{\\pi\\tg(x/n)}");
          break;
        case 2:
          WriteText(s, "\\frac{\\sin(x/n)}");
          break;
        case 3:
          WriteText(s, "\\frac{\\arcsin(2x/n)}");
          break;
        default:
          WriteText(s, "\\frac{\\sin(n/(n^2+x))}");
          break;
      }
      WriteText2NumbersLn(s, "{", p2 + 1, "n^x+", p3, "}");
      // At x = 0 the first three numerators vanish for every n: the series converges there.
      // arcsin(2x/n) is defined for every n from the first index n0 = P4 only while
      // x <= n0/2.
      if (p1 == 3) {
        AnsWriteTextNumberLn(s, "[0,", p4 / 2.0, "]");
      } else {
        AnsWrite(s, p1 <= 3 ? "[0,\\infty)" : "(0,\\infty)");
      }
      return;
    }
    case 10: {
      const int b = p2 + 1, c = p3 + 1, d = p4 + 1;
      WriteText(s, " \\frac{");
      switch (p1) {
        case 1:
          WriteTextNumberLn(s, "\\cos(", d, "nx)}{n^2+n}");
          AnsWrite(s, "(-\\infty,\\infty)");
          break;
        case 2:
          WriteText3NumbersLn(s, "\\cos(", d, "\\sqrt{nx})}{\\sqrt{", b, "n^", c, "+n+1}}");
          // x = 0 leaves 1/sqrt(b n^c + n + 1), summable for c > 2; x < 0 has no real root.
          AnsWrite(s, c > 2 ? "[0,\\infty)" : "(0,\\infty)");
          break;
        case 3:
          WriteTextNumberLn(s, "\\sin(", d, "nx)}{n^3-n+1}");
          AnsWrite(s, "(-\\infty,\\infty)");
          break;
        default:
          WriteText3NumbersLn(s, "x^", d, "}{(x^", d, "+1)n^", c, "}");
          // An odd power makes x^d + 1 vanish at x = -1, where no term is defined.
          AnsWrite(s, d % 2 == 1 ? "(-\\infty,-1)$, $(-1,\\infty)" : "(-\\infty,\\infty)");
          break;
      }
      return;
    }
    case 11:
      WriteTextNumberLn(s, " \\frac{x^n}{n^", p4 + 1, "+");
      WriteSeriesTerm(s, p5);
      WriteText(s, "}");
      // At x = +-1 the terms are bounded by a multiple of 1/n^(P4+1).
      AnsWrite(s, "[-1,1]");
      return;
    case 12: {
      const int a = p1 + 1, b = p2 + 1, m = p3 + 2;
      if (a == 2) {
        WriteTextNumberLn(s, "\\frac{(\\sqrt{n}+", p4, ")^x}");
      } else {
        WriteText2NumbersLn(s, "\\frac{(\\sqrt[", a, "]{n}+", p4, ")^x}");
      }
      switch (p1) {
        case 1:
          WriteText2NumbersLn(s, "{", b, "n^", m, "+");
          break;
        case 2:
          WriteText2NumbersLn(s, "{n(", b, "n^", m - 1, "+1)+");
          break;
        case 3:
          WriteText2NumbersLn(s, "{\\sqrt{", b, "n^{", 2 * m, "}+1}+");
          break;
        default:
          WriteText2NumbersLn(s, "{\\sqrt[3]{", b, "n^{", 3 * m, "}+1} + ");
          break;
      }
      WriteSeriesTerm(s, p5);
      WriteText(s, "}");
      AnsWriteTextNumberLn(s, "(-\\infty,", (m - 1) * a, ")");
      return;
    }
    case 13:
      WriteTextNumberLn(s, " \\frac{(n(x+", p1, "))^n}{n!}");
      // |x + P1| = 1/e: the terms are about (+-1)^n / sqrt(2 pi n), so the lower end (an
      // alternating series) is held and the upper one is not.
      AnsWriteText2Numbers(s, "[", -std::exp(-1.0) - p1, ",", std::exp(-1.0) - p1, ")");
      return;
    case 14:
      WriteText2NumbersLn(s, " \\frac{n}{n^{x-", p2, "}+", p3, "}");
      AnsWriteTextNumberLn(s, "(", p2 + 2, ",\\infty)");
      return;
    default:  // 15
      WriteTextNumberLn(s, " \\frac{\\sqrt{", p4 + 1, "n^2+");
      WriteSeriesTerm(s, p5);
      WriteText2NumbersLn(s, "}}{n(n^{x-", p2 + 1, "}+", p3, ")}");
      AnsWriteTextNumberLn(s, "(", p2 + 2, ",\\infty)");
      return;
  }
}

}  // namespace

void BeginFunctionalSeriesProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteText(s, "Найти область сходимости функционального ряда ");
  EndSeriesRegionHead(s, 4);
}

void WriteFunctionalSeriesVariant(SharedState& s) {
  WriteText(s, "\\par");
  WriteSeriesRegionItems(s, s.P1 * s.P2 - 1, 15, WriteKind, "}$\\vskip1pt");
}

}  // namespace calculus
