#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// The first term of item 1 by P1: its multiplier, its text and m times its integral over
// [0, 1].
struct FirstTerm {
  int multiplier;
  const char* text;
  int value;
};

// P1 = 2 once had sqrt(cos(2 pi x)), which is not real on (1/4, 3/4); sqrt(1 + cos(2 pi x))
// keeps the value 0 and is real on the whole interval.
constexpr FirstTerm kFirstTerms[] = {
    {1, "(x+1)e^{x-1}", 1},
    {4, "\\sin(2\\pi x)\\sqrt{1+\\cos(2\\pi x)}", 0},
    {2, "\\cos(\\pi x)\\sin(\\pi\\sin(\\pi x))", 0},
    {2, "\\pi\\left(1+\\tg^2\\frac{\\pi x}{4}\\right)", 8},
    {3, "\\sin(\\pi x)\\sin(\\pi\\cos(\\pi x))", 0},
    {2, "x\\pi\\sin(\\pi x^2)", 2},
    {9, "x^2\\ln(1/x^2)", 2},
    {4, "x\\ln(x+1)", 1},
};

void WriteIntegralItem(SharedState& s) {
  const FirstTerm& first = kFirstTerms[s.P1 - 1];
  const int c = s.P5 + 1;
  WriteLine(s, "1. Вычислить интеграл");
  // Set as a centred line rather than a display, with fixed-size brackets, so that TeX may
  // break a sum too wide for the box after its "+" instead of running past the frame.
  WriteTextNumberLn(s, "\\begin{center}$\\displaystyle\\int_0^1 \\biggl(", first.multiplier * s.P4,
                    first.text);
  int second = 0;
  switch (s.P2) {
    case 1:
      WriteTextNumberLn(s, "+", c, "\\pi x\\sin(\\pi x)");
      second = c;
      break;
    case 2:
      WriteTextNumberLn(s, "+", c, "\\pi^2 x\\cos(\\pi x)");
      second = -2 * c;
      break;
    case 3:
      WriteTextNumberLn(s, "+", c, " x e^x");
      second = c;
      break;
    case 4:
      WriteTextNumberLn(s, "+", 4 * c, "x\\ln(x)");
      second = -c;
      break;
    case 5:
      WriteTextNumberLn(s, "+\\frac{", 4 * c, "\\sqrt{1-x^2}}{\\pi}");
      second = c;
      break;
    case 6:
      WriteTextNumberLn(s, "+15\\sqrt{x}(1-", c, "x)");
      second = 10 - 6 * c;
      break;
    default:
      WriteText(s, "+\\frac{2}{(2x-1)^2}");
  }
  WriteText(s, "\\biggr) dx$\\end{center}");
  const int v1 = s.P4 * first.value;
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, " ");
  if (s.P2 == 7) {
    // The second term is not integrable at x = 1/2.
    AnsWriteTextNumber(s, "&", v1, "&$\\infty$&$\\infty$");
  } else {
    AnsWriteText3Numbers(s, "&", v1, "&", second, "&", v1 + second, "");
  }
}

void WriteRegionItem(SharedState& s, int alpha, int beta, int g, int r) {
  WriteTextNumberLn(s, "2. Найти область сходимости  ряда $$ \\sum_{n=", s.P3, "}^{\\infty} ");
  const int p1 = s.P1 + 1;
  switch (s.P7) {
    case 1:
      if (s.P3 == 1) {
        WriteText4NumbersLn(s, "\\frac{", g, "^{n+1}+", s.P5, "/n}{(x^2-", alpha + beta, "x+",
                            g + alpha * beta, ")^n}$$");
      } else {
        WriteText3NumbersLn(s, "\\frac{", g, "^{n+1}}{(x^2-", alpha + beta, "x+", g + alpha * beta,
                            ")^n} $$");
      }
      AnsWriteText2Numbers(s, "&$x<", alpha, "$, $", beta, "<x$&&&&");
      break;
    case 2:
      WriteText2NumbersLn(s, "\\frac{1}{n^{x^2-", alpha + beta, "x+", alpha * beta + 1, "}}$$");
      AnsWriteText2Numbers(s, "&$x<", alpha, "$, $x>", beta, "$&&&&");
      break;
    case 3:
      if (s.P3 == 1) {
        WriteText3NumbersLn(s, "\\frac{1+", p1, "/n}{(2n)^{", beta, "/(x-", alpha, ")}}");
      } else {
        WriteText2NumbersLn(s, "\\frac{1}{n^{", beta, "/(x-", alpha, ")}}");
      }
      AnsWriteText2Numbers(s, "&$", alpha, "<x<", alpha + beta, "$&&&&");
      WriteText(s, " $$ ");
      break;
    case 4:
      if (r == 2) {
        WriteText3NumbersLn(s, "\\frac{(\\sqrt{n}+", s.P6, ")^{", 2 * beta, "x}}{n^{",
                            beta * p1 + 1, "}}");
      } else {
        WriteText4NumbersLn(s, "\\frac{(\\sqrt[", r, "]{n}+", s.P6, ")^{", r * beta, "x}}{n^{",
                            beta * p1 + 1, "}}");
      }
      WriteText(s, " $$ ");
      AnsWriteTextNumber(s, "&$x<", p1, "$&&&&");
      break;
    case 5:
      WriteText3NumbersLn(s, "", p1, "^{", s.P6, "-n^2} (x+", beta, ")^{n^2}");
      WriteText(s, " $$ ");
      AnsWriteText2Numbers(s, "&$", -p1 - beta, "< x <", p1 - beta, "$&&&&");
      break;
    default:
      if (s.P1 == 1) {
        WriteText5NumbersLn(s, "\\frac{", 2, "^n+", s.P6, "}{", alpha, "+", beta, "^{n+1}x^",
                            s.P5 + 1, "}");
      } else {
        WriteText5NumbersLn(s, "\\frac{", p1, "^{n+1}+", s.P6, "}{1+", beta, "^n(x-", alpha, ")^",
                            s.P5 + 2, "}");
      }
      WriteText(s, " $$ ");
      if (beta > p1) {
        AnsWriteTextNumber(s, "&$x\\ne", s.P1 == 1 ? 0 : alpha, "$&&&&");
      } else {
        AnsWrite(s, "&$\\emptyset$&&&&");
      }
  }
}

}  // namespace

void BeginExamPaper2Problem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsWriteLine(s, "\\small\\tabcolsep=2pt");
  AnsBeginTable(s, 16);
  AnsWriteLine(s,
               "\\No &\\mc{$i_1$}&\\mc{$i_2$}&\\mc{$i_{sum}$}& Область сходимости&Сумма&$div$ & "
               "$rot$ &Card\\\\ \\hline");
}

void WriteExamPaper2Variant(SharedState& s) {
  WriteIntegralItem(s);
  const int alpha = s.P2, beta = s.P2 + s.P4, g = s.P4 / 2 + s.P1 + 1, r = s.P3 + 1;
  const int a = s.P5 + 1, b = s.P6 + 1, c = s.P2 + s.P3, z0 = s.P4 - 2;
  if (s.P7 <= 6) {
    WriteRegionItem(s, alpha, beta, g, r);
    return;
  }
  switch (s.P7) {
    case 7:
      WriteText(s, "2. Найти сумму ряда $$ \\sum_{n=1}^{\\infty} ");
      WriteText2NumbersLn(s, "(", s.P4 + 1, "n+", s.P5, ")x^n$$");
      WriteText(s, " при $x=1/2$. ");
      AnsWriteTextNumber(s, "&& ", s.P5 + 2 * (s.P4 + 1), " &&&");
      break;
    case 8:
      WriteText(s, "2. Найти сумму ряда $$ \\sum_{n=1}^{\\infty} ");
      WriteTextNumberLn(s, "\\frac{x^{n-", s.P5, "}}{n}$$");
      WriteText(s, " при $x=1/2$. ");
      AnsWriteTextNumber(s, "&&$", toolkit::Power(2, s.P5), "\\ln(2)$&&&");
      break;
    case 9: {
      const int x0 = s.P2 + s.P5, y0 = s.P3 - 2;
      WriteText3NumbersLn(s, "2. Найти дивергенцию векторного поля $$F(", a, "xy+z,", b, "yz+x,", c,
                          "z^2-xz)$$ в точке ");
      WriteText3NumbersLn(s, "$x=", x0, "$, $y=", y0, "$, $z=", z0, "$. ");
      AnsWriteTextNumber(s, "& & &", a * y0 + b * z0 + 2 * c * z0 - x0, "&&");
      break;
    }
    case 10:
      WriteText3NumbersLn(s, "2. Найти ротор векторного поля $$F(", a, "xe^{", b, "y}+z,xz^2,", c,
                          "yz^2)$$ в точке ");
      WriteText2NumbersLn(s, "$x=", s.P2, "$, $y=0$, $z=", z0, "$. ");
      AnsWriteText2Numbers(s, "& & & &(", c * z0 * z0 - 2 * s.P2 * z0, ",1,",
                           z0 * z0 - a * b * s.P2, ")&");
      break;
    default: {
      // The set routine reads P1 up to 4; a ticket-mode call prints only what X needs and
      // writes the X cell alone. The mode is this item's, not the document's.
      if (s.P1 > 4) s.P1 = 1;
      // The integral's centred line ends the paragraph before: the item starts a new one.
      WriteLine(s,
                "2. Универсальное множество состоит из 26 строчных букв латинского "
                "алфавита. Вычислить мощность множества $X$.\\\\");
      AnsWrite(s, "&&&&");
      const bool ticket_mode = s.TicketMode;
      s.TicketMode = true;
      WriteSetCardinalityVariant(s);
      s.TicketMode = ticket_mode;
    }
  }
}

}  // namespace calculus
