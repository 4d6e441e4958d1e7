#include <algorithm>
#include <cstdint>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

std::uint8_t BinomialItemCount = 0;

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
      AnsWriteText3Numbers(s, "-\\frac{2}{", 3 * u, "}(", u, "/x+", v, ")^{3/2}");
      break;
    case 3:
      WriteText2NumbersLn(s, "\\frac{dx}{(", u, "+", v, "x^{1/4})^{10}\\sqrt{x}}");
      AnsWriteText3Numbers(s, "-\\frac{", u, "+", 9 * v, "x^{1/4}}{", 18 * v * v, "");
      AnsWriteText2Numbers(s, "(", u, "+", v, "x^{1/4})^9}");
      break;
    case 5:
    case 6:
      if (s.P5 == 5) {
        WriteText2NumbersLn(s, "\\frac{dx}{x^4\\sqrt{", u, "+", v, "x^2}}");
      } else {
        WriteText2NumbersLn(s, "\\frac{dx}{x^5\\sqrt{", u, "/x^2+", v, "}}");
      }
      AnsWriteText3Numbers(s, "\\frac{\\sqrt{", u, "+", v, "x^2}(", 2 * v, "x^2");
      AnsWriteText2Numbers(s, "-", u, ")}{", 3 * u * u, "x^3}");
      break;
    case 7:
      WriteText2NumbersLn(s, "\\frac{dx}{x^2\\sqrt{", u, "+", v, "x^2}}");
      AnsWriteText3Numbers(s, "-\\frac{\\sqrt{", u, "+", v, "x^2}}{", u, "x}");
      break;
    case 8:
      WriteText2NumbersLn(s, "\\frac{dx}{x^6\\sqrt{", u, "+", v, "x^2}}");
      AnsWriteText3Numbers(s, "-\\frac{\\sqrt{", u, "+", v, "x^2}(", 3 * u * u, "");
      AnsWriteText3Numbers(s, "-", 4 * u * v, "x^2+", 8 * v * v, "x^4)}{", 15 * u * u * u, "x^5}");
      break;
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

// Item 4: a root of the full quadratic x^2 + p x + q; no answer.
void WriteQuadraticRootItem(SharedState& s) {
  const int p = s.P4 + 1;
  int q = s.P2;
  if (q == p) ++q;
  switch ((s.P5 - 1) % 5 + 1) {
    case 1:
      WriteText2NumbersLn(s, "\\frac{\\sqrt{x^2+", p, "x+", q, "}}{x}\\ dx");
      break;
    case 2:
      WriteText2NumbersLn(s, "\\sqrt{x^2+", p, "x+", q, "}\\ dx");
      break;
    case 3:
      WriteText2NumbersLn(s, "\\frac{1}{\\sqrt{x^2+", p, "x+", q, "}}\\ dx");
      break;
    case 4:
      WriteText2NumbersLn(s, "\\frac{x}{\\sqrt{x^2+", p, "x+", q, "}}\\ dx");
      break;
    default:
      WriteTextNumberLn(s, "\\frac{x^2}{\\sqrt{x^2+", p, "}}\\ dx");
      break;
  }
}

// Item 5: a fractional or linear irrationality, kind P3; no answer.
void WriteIrrationalityItem(SharedState& s) {
  int a = s.P2 + 1;
  const int b = s.P4 + 1;
  if (a == b) ++a;
  switch (s.P3) {
    case 1:
      WriteText2NumbersLn(s, "\\frac{dx}{\\sqrt{x+", a, "}-\\sqrt{x-", b, "}}");
      break;
    case 2:
      WriteText2NumbersLn(s, "\\frac{dx}{\\sqrt{", a, "x+1}+\\sqrt{", b, "x-1}}");
      break;
    case 3:
      WriteText2NumbersLn(s, "\\frac{dx}{(", a, "-x)\\sqrt{", b, "x-1}}");
      break;
    case 4:
      WriteText2NumbersLn(s, "x\\sqrt{\\frac{x-", a, "}{x+", a, "}}\\ dx");
      break;
    case 5:
      WriteText2NumbersLn(s, "x^2\\sqrt{\\frac{x+", a, "}{x-", a, "}}\\ dx");
      break;
    case 6:
    case 9:
      WriteText2NumbersLn(s, "\\frac{dx}{((x-", b, ")^7(x-", a, ")^5)^{1/6}}");
      break;
    case 7:
      WriteText2NumbersLn(s, "\\frac{dx}{((x-", b, ")^5(x-", a, ")^3)^{1/4}}");
      break;
    case 8:
      WriteText2NumbersLn(s, "\\frac{dx}{((x+", b, ")^4(x+", a, ")^2)^{1/3}}");
      break;
    default:
      WriteText2NumbersLn(s, "\\frac{1}{x^3}\\left(\\frac{x}{", b, "x+", a, "}\\right)^{1/5}dx");
      break;
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
