#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

/// The limit is e^(num/den); num = 0 means the limit is 1.
struct Exponent {
  int num;
  int den = 1;
};

// Item 1: a sequence (1 + infinitesimal)^(infinitely large) as n -> infinity, form P1.
Exponent WriteSequenceForm(SharedState& s) {
  const int h = s.P2 / 2 + 1;
  switch (s.P1) {
    case 1: {
      const int a = s.P3 + 1, b = h, c = s.P4, d = s.P5;
      WriteText2NumbersLn(s, "1+\\frac{", b, "}{n+", c, "}\\right)");
      WriteText2NumbersLn(s, "^{", a, "(n+", d, ")}");
      return {a * b};
    }
    case 2:
    case 3: {
      const int b = h == 1 ? 6 : h, a = h * b, c = s.P4;
      WriteText3NumbersLn(s, "\\cos(", c, s.P1 == 2 ? "/n)+" : "/n)+\\sin(", a,
                          s.P1 == 2 ? "/n\\right)^{n/" : "/n)\\right)^{n/", b, "}");
      return {a, b};
    }
    case 4: {
      const int a = h + 1, b = a + 3, c = s.P4, d = s.P5 + 1, e = s.P3;
      WriteText3NumbersLn(s, "\\frac{", a, "n^2+", b, "n+", c, "}");
      WriteText3NumbersLn(s, "{", a, "n^2+", d, "n+", e, "}\\right)");
      WriteTextNumberLn(s, "^{n/", b, "}");
      return {b - d, a * b};
    }
    case 5: {
      const int a = h + 1, b = a + 2, c = s.P4, d = s.P5 + 1, e = s.P3 + s.P6;
      WriteText3NumbersLn(s, "\\frac{", a, "n^3+", b, "n+", c, "}");
      WriteText3NumbersLn(s, "{", a, "n^3+", d, "n+", e, "}\\right)");
      WriteTextNumberLn(s, "^{n^2/", b, "}");
      return {b - d, a * b};
    }
    case 6: {
      const int a = h + 1, b = a + s.P5, e = s.P3, c = s.P4 * a * b + e;
      WriteText3NumbersLn(s, "\\frac{", a, "n^3+", b, "n+", c, "}");
      WriteText3NumbersLn(s, "{", a, "n^3+", b, "n+", e, "}\\right)");
      WriteTextNumberLn(s, "^{n^3/", b, "}");
      return {c - e, a * b};
    }
    case 7: {
      const int a = h + 1, b = a + s.P5, c = s.P4 * a * b;
      WriteText3NumbersLn(s, "\\frac{", a, "n^3+", b, "n^2+", c, "n}");
      WriteText3NumbersLn(s, "{", a, "n^3+", b, "n^2+", 1, "}\\right)");
      WriteTextNumberLn(s, "^{n^2/", b, "}");
      return {c, a * b};
    }
    case 8: {
      const int a = s.P3 + 1, b = h + 2, c = s.P4, d = s.P5;
      WriteText4NumbersLn(s, "1+\\frac{", b, "n}{n^2+", c, "}\\right)^{", a, "(n+", d, ")}");
      return {a * b};
    }
    case 9: {
      const int a = s.P3 + 1, b = h + 2, c = s.P4;
      WriteText3NumbersLn(s, "1+\\frac{", b, "n^2+", c, "}{n^3}\\right)^{-", a, "n}");
      return {-a * b};
    }
    default: {
      const int a = s.P7, b = s.P6, c = s.P5 + 1, d = s.P4 + 1;
      WriteText4NumbersLn(s, "e^{", a, "/n} + ", d, "\\arcsin(", b, "/n)\\right)^{n/", c, "}");
      return {d * b + a, c};
    }
  }
}

// Item 2: a function of x as x tends to 0, pi/2 or pi, form P2.
Exponent WriteFunctionForm(SharedState& s) {
  const int a = s.P3 + 1, b = s.P2 / 2 + 2, c = s.P4 + 1;
  switch (s.P2) {
    case 1:
      WriteTextNumberLn(s, "x\\to 0}\\left(1+\\sin(", a, "x)\\right)^{1/x}");
      return {a};
    case 2:
      WriteText3NumbersLn(s, "x\\to 0}\\left(", a, "x+\\sin(x)/x\\right)^{1/(", c, "x+", b,
                          "x^2)}");
      return {a, c};
    case 3:
      WriteText2NumbersLn(s, "x\\to 0}\\left(1+\\sin(", a, "x)+", b, "x^2\\right)^{1/x}");
      return {a};
    case 4:
      WriteText2NumbersLn(s, "x\\to 0}\\left(1+\\sin(", a, "x)-", b, "x\\right)^{1/x}");
      return {a - b};
    case 5:
      WriteText2NumbersLn(s, "x\\to 0}\\left(1+", b, "x+\\tg(", a, "x)\\right)^{1/x}");
      return {a + b};
    case 6:
      WriteText2NumbersLn(s, "x\\to 0}\\left(1+", b, "x+\\arcsin(", a, "x)\\right)^{1/x}");
      return {a + b};
    case 7:
      WriteTextNumberLn(s, "x\\to \\pi/2}\\left(1+", a, "\\cos(x)\\right)^{1/(\\pi/2-x)}");
      return {a};
    case 8:
      WriteText2NumbersLn(s, "x\\to \\pi}\\left(1+", a, "\\sin(x)\\right)^{", b, "/(\\pi-x)}");
      return {a * b};
    case 9:
      WriteText3NumbersLn(s, "x\\to 0}\\left(\\cos(", a, "x)/\\cos(x)+", b, "x\\right)^{", c,
                          "/x}");
      return {b * c};
    default:
      WriteText2NumbersLn(s, "x\\to \\pi}\\left(1+\\sin(x)+", c, "(x-\\pi)\\right)^{", a,
                          "/(x-\\pi)}");
      return {a * c - a};
  }
}

}  // namespace

void BeginSecondRemarkableLimitProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteLine(s, s.Level == 1 ? " Вычислить предел последовательности." : " Вычислить пределы.");
  EndTableHeadWithReference(s, 77);
  AnsBeginTable(s, 3);
  AnsWriteLine(s, s.Level == 1 ? "   & lim  \\\\\\hline" : "   & lim & lim \\\\\\hline");
}

void WriteSecondRemarkableLimitVariant(SharedState& s) {
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  WriteText(s, "\\parbox[t][20mm]{233pt}{");
  if (s.Level != 1) WriteText(s, "1. ");

  WriteLine(s, " $\\displaystyle ");
  WriteText(s, "\\lim_{n\\to\\infty}\\left(");
  const Exponent first = WriteSequenceForm(s);
  WriteText(s, "$");
  if (first.num == 0) {
    AnsWrite(s, " & 1 ");
  } else {
    AnsWrite(s, "&$e^{");
    AnsWriteFractionUnlessOne(s, first.num, first.den);
    AnsWrite(s, "}$ ");
  }

  if (s.Level != 1) {
    WriteText(s, "\\par 2. ");
    WriteLine(s, " $\\displaystyle ");
    WriteText(s, "\\lim_{");
    const Exponent second = WriteFunctionForm(s);
    WriteText(s, "$");
    if (second.num == 0) {
      AnsWriteLine(s, " & 1 ");
    } else {
      AnsWriteLine(s, "&$e^{");
      AnsWriteFractionUnlessOne(s, second.num, second.den);
      AnsWrite(s, "}$ ");
    }
  }
  WriteText(s, "}");
}

}  // namespace calculus
