#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

std::uint8_t BinomialItemCount = 0;

std::string Num(int v) { return toolkit::FormatNumber(v); }

// |n|/d reduced, as "\frac{..}{..}" or a whole number; d > 0.
std::string Frac(int n, int d) {
  n = std::abs(n);
  const int g = std::gcd(n, d);
  n /= g, d /= g;
  return d == 1 ? Num(n) : "\\frac{" + Num(n) + "}{" + Num(d) + "}";
}

// Frac as a coefficient: nothing when it is 1.
std::string Coef(int n, int d) {
  const std::string f = Frac(n, d);
  return f == "1" ? "" : f;
}

// Item 1: a square root of a two-term quadratic, kind P4, with c = 2h.
void WriteSquareRootItem(SharedState& s) {
  const int h = s.P2 + 1, c = 2 * h;
  switch (s.P4) {
    case 1:
      WriteTextNumberLn(s, "\\sqrt{", c, "-x^2}\\ dx");
      AnsWriteText3Numbers(s, "\\frac{x\\sqrt{", c, "-x^2}}{2}+", h,
                           "\\arctan\\left(\\frac{x}{\\sqrt{", c, "-x^2}}\\right)");
      break;
    case 2:
      WriteTextNumberLn(s, "\\sqrt{x^2-", c, "}\\ dx");
      AnsWriteText3Numbers(s, "\\frac{x\\sqrt{x^2-", c, "}}{2}-", h, "\\ln(x+\\sqrt{x^2-", c, "})");
      break;
    case 3:
      WriteTextNumberLn(s, "\\frac{x^2dx}{\\sqrt{x^2-", c, "}}");
      AnsWriteText3Numbers(s, "\\frac{x\\sqrt{x^2-", c, "}}{2}+", h, "\\ln(x+\\sqrt{x^2-", c, "})");
      break;
    case 4:
      WriteTextNumberLn(s, "\\sqrt{x^2+", c, "}\\ dx");
      AnsWriteText3Numbers(s, "\\frac{x\\sqrt{x^2+", c, "}}{2}+", h, "\\ln(x+\\sqrt{x^2+", c, "})");
      break;
    default:
      WriteTextNumberLn(s, "\\frac{dx}{x\\sqrt{x^2+", c * c, "}}");
      AnsWriteText3Numbers(s, "-\\frac{1}{", c, "}\\ln\\left(\\frac{", 2 * c * c, " + ", 2 * c, "");
      AnsWriteTextNumberLn(s, "\\sqrt{x^2+", c * c, "}}{x}\\right)");
      break;
  }
}

// Item 2: a differential binomial, kind P5.
void WriteBinomialItem(SharedState& s) {
  int u = s.P1 + 1;
  const int v = s.P3 + 1;
  if (u == v) ++u;
  switch (s.P5) {
    case 1:
      WriteText2NumbersLn(s, "\\frac{1}{x^2}\\sqrt[3]{", u, "+", v, "x^{3/4}}\\ dx");
      AnsWriteTextNumber(s, "-\\frac{\\sqrt[3]{", u, "}}{x}\\left(");
      // v/u as a decimal where two decimals hold it exactly (1.5), else as a fraction.
      if (100 * v % u == 0) {
        AnsWriteNumber(s, static_cast<double>(v) / u);
      } else {
        toolkit::AnsWriteTexFraction(s, v, u);
      }
      AnsWrite(s, "x^{3/4}+1\\right)^{4/3}");
      break;
    case 2:
    case 4:
      if (s.P5 == 2) {
        WriteText2NumbersLn(s, "\\frac{\\sqrt{", u, "+", v, "x}}{x^2\\sqrt{x}}\\ dx");
      } else {
        WriteText2NumbersLn(s, "\\frac{\\sqrt{", u, "/x+", v, "}}{x^2}\\ dx");
      }
      AnsWrite(s, "-" + Frac(2, 3 * u) + "(" + Num(u) + "/x+" + Num(v) + ")^{3/2}");
      break;
    case 3: {
      WriteText2NumbersLn(s, "\\frac{dx}{(", u, "+", v, "x^{1/4})^{10}\\sqrt{x}}");
      // Each fraction of the key reduced by the factor its numerator and denominator share.
      const int g = std::gcd(u, 9 * v);
      AnsWrite(s, "-\\frac{" + Num(u / g) + "+" + Coef(9 * v, g) + "x^{1/4}}{" +
                      Coef(18 * v * v, g) + "(" + Num(u) + "+" + Num(v) + "x^{1/4})^9}");
      break;
    }
    case 5:
    case 6:
      if (s.P5 == 5) {
        WriteText2NumbersLn(s, "\\frac{dx}{x^4\\sqrt{", u, "+", v, "x^2}}");
      } else {
        WriteText2NumbersLn(s, "\\frac{dx}{x^5\\sqrt{", u, "/x^2+", v, "}}");
      }
      {
        const int g = std::gcd(2 * v, u);
        AnsWrite(s, "\\frac{\\sqrt{" + Num(u) + "+" + Num(v) + "x^2}(" + Coef(2 * v, g) + "x^2-" +
                        Num(u / g) + ")}{" + Coef(3 * u * u, g) + "x^3}");
      }
      break;
    case 7:
      WriteText2NumbersLn(s, "\\frac{dx}{x^2\\sqrt{", u, "+", v, "x^2}}");
      AnsWriteText3Numbers(s, "-\\frac{\\sqrt{", u, "+", v, "x^2}}{", u, "x}");
      break;
    case 8: {
      WriteText2NumbersLn(s, "\\frac{dx}{x^6\\sqrt{", u, "+", v, "x^2}}");
      const int g = std::gcd(std::gcd(3 * u * u, 4 * u * v), std::gcd(8 * v * v, 15 * u * u * u));
      AnsWrite(s, "-\\frac{\\sqrt{" + Num(u) + "+" + Num(v) + "x^2}(" + Num(3 * u * u / g) + "-" +
                      Coef(4 * u * v, g) + "x^2+" + Coef(8 * v * v, g) + "x^4)}{" +
                      Coef(15 * u * u * u, g) + "x^5}");
      break;
    }
    case 9:
      WriteText2NumbersLn(s, "\\frac{dx}{x^3\\sqrt[3]{", u, "+", v, "x^3}}");
      AnsWriteText3Numbers(s, "-\\frac{(", u, "+", v, "x^3)^{2/3}}{", 2 * u, "x^2}");
      break;
    default:
      WriteText2NumbersLn(s, "\\frac{dx}{x^5\\sqrt[5]{", u, "+", v, "x^5}}");
      AnsWriteText3Numbers(s, "-\\frac{(", u, "+", v, "x^5)^{4/5}}{", 4 * u, "x^4}");
      break;
  }
}

// A printed coefficient: nothing when it is 1.
std::string Coef(const std::string& c) { return c == "1" ? "" : c; }

// The sign a term n/d takes inside a sum.
std::string Sign(int n) { return n < 0 ? "-" : "+"; }

// sqrt(n) as printed: the root itself when n is a square.
std::string Root(int n) {
  const int r = static_cast<int>(std::lround(std::sqrt(n)));
  return r * r == n ? Num(r) : "\\sqrt{" + Num(n) + "}";
}

// sqrt(n/d) as printed: the root taken where n/d reduced is a square of a fraction.
std::string RootOfFrac(int n, int d) {
  const int g = std::gcd(n, d);
  n /= g, d /= g;
  const int rn = static_cast<int>(std::lround(std::sqrt(n)));
  const int rd = static_cast<int>(std::lround(std::sqrt(d)));
  if (rn * rn == n && rd * rd == d) return Frac(rn, rd);
  return "\\sqrt{" + Frac(n, d) + "}";
}

// Item 4: a root of the full quadratic x^2 + p x + q. With R the root, every kind reduces to
// R and L = ln(2x + p + 2R), the antiderivative of 1/R.
void WriteQuadraticRootItem(SharedState& s) {
  const int p = s.P4 + 1;
  int q = s.P2;
  if (q == p) ++q;
  const std::string root = "\\sqrt{x^2+" + Num(p) + "x+" + Num(q) + "}";
  const std::string log = "\\ln(2x+" + Num(p) + "+2" + root + ")";
  switch ((s.P5 - 1) % 5 + 1) {
    case 1:
      // R/x = R'/2 + (p/2)/R + q/(xR); the last by x = 1/t.
      WriteText2NumbersLn(s, "\\frac{\\sqrt{x^2+", p, "x+", q, "}}{x}\\ dx");
      AnsWrite(s, root + "+" + Coef(p, 2) + log + "-" + Coef(Root(q)) + "\\ln\\frac{" + Num(2 * q) + "+" +
                      Num(p) + "x+" + (Root(q).find("\\sqrt") == std::string::npos ? Root(4 * q) : "2" + Root(q)) +
                      root + "}{x}");
      break;
    case 2: {
      WriteText2NumbersLn(s, "\\sqrt{x^2+", p, "x+", q, "}\\ dx");
      const int c = 4 * q - p * p;  // the log's coefficient is c/8
      AnsWrite(s, "\\frac{(2x+" + Num(p) + ")" + root + "}{4}" +
                      (c == 0 ? "" : Sign(c) + Coef(c, 8) + log));
      break;
    }
    case 3:
      WriteText2NumbersLn(s, "\\frac{1}{\\sqrt{x^2+", p, "x+", q, "}}\\ dx");
      AnsWrite(s, log);
      break;
    case 4:
      WriteText2NumbersLn(s, "\\frac{x}{\\sqrt{x^2+", p, "x+", q, "}}\\ dx");
      AnsWrite(s, root + "-" + Coef(p, 2) + log);
      break;
    default:
      WriteTextNumberLn(s, "\\frac{x^2}{\\sqrt{x^2+", p, "}}\\ dx");
      AnsWrite(s, "\\frac{x\\sqrt{x^2+" + Num(p) + "}}{2}-" + Coef(p, 2) + "\\ln(x+\\sqrt{x^2+" +
                      Num(p) + "})");
      break;
  }
}

// Item 5: a fractional or linear irrationality, kind P3, rationalised by the root that holds x.
void WriteIrrationalityItem(SharedState& s) {
  int a = s.P2 + 1;
  const int b = s.P4 + 1;
  if (a == b) ++a;
  const std::string na = Num(a), nb = Num(b);
  switch (s.P3) {
    case 1:
      // The conjugate turns the integrand into (sqrt(x+a) + sqrt(x-b))/(a+b).
      WriteText2NumbersLn(s, "\\frac{dx}{\\sqrt{x+", a, "}-\\sqrt{x-", b, "}}");
      AnsWrite(s, Frac(2, 3 * (a + b)) + "\\left((x+" + na + ")^{3/2}+(x-" + nb + ")^{3/2}\\right)");
      break;
    case 2: {
      // The conjugate gives (sqrt(ax+1) - sqrt(bx-1))/(dx + 2), d = a - b; each root t turns
      // its part into 2t^2/(d t^2 + a + b).
      WriteText2NumbersLn(s, "\\frac{dx}{\\sqrt{", a, "x+1}+\\sqrt{", b, "x-1}}");
      const int d = a - b, k = a + b, e = std::abs(d);
      const std::string t = "\\sqrt{" + na + "x+1}", u = "\\sqrt{" + nb + "x-1}";
      if (d > 0) {
        const std::string inner = Coef(RootOfFrac(d, k));
        AnsWrite(s, Coef(2, d) + "\\left(" + t + "-" + u + "-" + Coef(RootOfFrac(k, d)) +
                        "\\left(\\arctg\\left(" + inner + t + "\\right)-\\arctg\\left(" + inner +
                        u + "\\right)\\right)\\right)");
      } else {
        const std::string rk = Root(k), re = Coef(Root(e));
        // (1/2) sqrt(k/e), one number where the root comes out whole.
        const std::string root = RootOfFrac(k, e);
        const std::string half = root.find("\\sqrt") == std::string::npos
                                     ? RootOfFrac(k, 4 * e)
                                     : "\\frac{1}{2}" + root;
        const auto log = [&](const std::string& r) {
          return "\\ln\\frac{" + rk + "+" + re + r + "}{" + rk + "-" + re + r + "}";
        };
        AnsWrite(s, Coef(2, e) + "\\left(" + u + "-" + t + "+" + Coef(half) +
                        "\\left(" + log(t) + "-" + log(u) + "\\right)\\right)");
      }
      break;
    }
    case 3: {
      // t = sqrt(bx - 1) gives 2 dt/(ab - 1 - t^2).
      WriteText2NumbersLn(s, "\\frac{dx}{(", a, "-x)\\sqrt{", b, "x-1}}");
      const std::string rk = Root(a * b - 1), t = "\\sqrt{" + nb + "x-1}";
      AnsWrite(s, "\\frac{1}{" + rk + "}\\ln\\frac{" + rk + "+" + t + "}{" + rk + "-" + t + "}");
      break;
    }
    case 4: {
      // For x > a the integrand is x (x - a)/sqrt(x^2 - a^2).
      WriteText2NumbersLn(s, "x\\sqrt{\\frac{x-", a, "}{x+", a, "}}\\ dx");
      const std::string r = "\\sqrt{x^2-" + Num(a * a) + "}";
      AnsWrite(s, "\\left(\\frac{x}{2}-" + na + "\\right)" + r + "+" + Frac(a * a, 2) + "\\ln(x+" +
                      r + ")");
      break;
    }
    case 5: {
      // For x > a the integrand is (x^3 + a x^2)/sqrt(x^2 - a^2).
      WriteText2NumbersLn(s, "x^2\\sqrt{\\frac{x+", a, "}{x-", a, "}}\\ dx");
      const std::string r = "\\sqrt{x^2-" + Num(a * a) + "}";
      AnsWrite(s, r + "\\left(\\frac{x^2+" + Num(2 * a * a) + "}{3}+\\frac{" + na + "x}{2}\\right)+" +
                      Frac(a * a * a, 2) + "\\ln(x+" + r + ")");
      break;
    }
    case 6:
    case 9:
    case 7:
    case 8: {
      // The exponents add up to -2: the antiderivative is a power of the ratio of the factors,
      // n/(a - b) ((x - a)/(x - b))^(1/n) (with -a, -b for the third kind).
      const bool plus = s.P3 == 8;
      const int n = s.P3 == 7 ? 4 : plus ? 3 : 6;
      if (s.P3 == 7) {
        WriteText2NumbersLn(s, "\\frac{dx}{((x-", b, ")^5(x-", a, ")^3)^{1/4}}");
      } else if (plus) {
        WriteText2NumbersLn(s, "\\frac{dx}{((x+", b, ")^4(x+", a, ")^2)^{1/3}}");
      } else {
        WriteText2NumbersLn(s, "\\frac{dx}{((x-", b, ")^7(x-", a, ")^5)^{1/6}}");
      }
      const int diff = plus ? b - a : a - b;
      const std::string op = plus ? "+" : "-";
      AnsWrite(s, (diff < 0 ? "-" : "") + Coef(n, std::abs(diff)) + "\\sqrt[" + Num(n) +
                      "]{\\frac{x" + op + na + "}{x" + op + nb + "}}");
      break;
    }
    default: {
      // u = (bx + a)/x: the integrand becomes -(u - b) u^(-1/5) du/a^2.
      WriteText2NumbersLn(s, "\\frac{1}{x^3}\\left(\\frac{x}{", b, "x+", a, "}\\right)^{1/5}dx");
      const std::string u = "\\left(\\frac{" + nb + "x+" + na + "}{x}\\right)";
      AnsWrite(s, Frac(5, a * a) + "\\left(" + Coef(b, 4) + u + "^{4/5}-\\frac{1}{9}" + u +
                      "^{9/5}\\right)");
      break;
    }
  }
}

}  // namespace

void BeginBinomialIntegralProblem(SharedState& s) {
  BinomialItemCount = static_cast<std::uint8_t>(s.Level);
  s.ParboxWidth = 175;
  WriteText(s, "Найти неопределенный интеграл");
  EndTableHeadWithReference(s, 150);
  // The variants' tables are in the second answers file (SecondAnswersFileScope).
  Ans2Write(s, "\\tabcolsep=2pt ");
}

void WriteBinomialIntegralVariant(SharedState& s) {
  const SecondAnswersFileScope to_second_file(s);
  AnsBeginVariant(s);
  // Four kinds of integral have integrands: a variant holds at most those four, each once
  // (every item of a variant takes the same numbers).
  const int items = std::min<int>(BinomialItemCount, 4);
  for (int i = 1; i <= items; ++i) {
    WriteLine(s, "\\vskip2mm ");
    if (s.StudentsMode) WriteTextNumberLn(s, "\\vskip1pt ", i, ")");
    WriteText(s, " \\ $\\displaystyle{\\int ");
    AnsWriteTextNumberLn(s, "", i, "&\\rule{0pt}{14pt} $ ");
    switch (i) {
      case 1:
        WriteSquareRootItem(s);
        break;
      case 2:
        WriteBinomialItem(s);
        break;
      case 3:
        WriteQuadraticRootItem(s);
        break;
      default:
        WriteIrrationalityItem(s);
        break;
    }
    WriteText(s, "}$");
    AnsWrite(s, " $ \\\\");
  }
  // AnsBeginVariant opens the table inside a center environment: close both.
  AnsWrite(s, "\\hline\\end{tabular}\\end{center} ");
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
