#include <cstdint>
#include <string>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// The universal substitution t = tg(x/2) of kinds 1, 3 and 12: 2/sqrt(D) arctg((p t + q)/sqrt(D)).
void WriteUniversalAnswer(SharedState& s, int d) {
  AnsWriteTextNumberLn(s, "\\frac{2}{\\sqrt{", d, "}} ");
}

void WriteTrigKind(SharedState& s, int kind) {
  switch (kind) {
    case 1: {
      const int a = s.P2, b = s.P3 + a, c = a + b + 2 * s.P4 - 1, d = c * c - a * a - b * b;
      WriteText(s, "\\frac{dx}{");
      if (a == 1) {
        WriteText(s, "\\cos(x)+");
      } else {
        WriteTextNumberLn(s, "", a, "\\cos(x)+");
      }
      WriteText2NumbersLn(s, "", b, "\\sin(x)+", c, "}");
      WriteUniversalAnswer(s, d);
      AnsWriteText3Numbers(s, "\\arctg((", c - a, "\\tg(x/2)+", b, ")/\\sqrt{", d, "})");
      return;
    }
    case 2:
    case 6: {
      int u = (kind == 2 ? s.P5 : s.P2) + 1;
      const int v = s.P4 + 1;
      if (u == v) ++u;
      if (kind == 2) {
        WriteText2NumbersLn(s, "\\frac{", u, "+", v, "\\sin(x)}{\\cos(x)}\\ dx");
        AnsWriteText2Numbers(s, "", u, "\\ln(\\sec(x)+\\tg(x))", -v, "\\ln(\\cos(x))");
      } else {
        WriteText2NumbersLn(s, "\\frac{", u, "\\sin^2(x)+", v, "}{\\cos(x)}\\ dx");
        AnsWriteText2Numbers(s, "", -u, "\\sin(x)+", u + v, "\\ln(\\sec(x)+\\tg(x))");
      }
      return;
    }
    case 3: {
      const int b = s.P3 + 1, c = s.P5 + b + s.P2 - 1, d = c * c - b * b;
      WriteText2NumbersLn(s, "\\frac{dx}{", c, "+", b, "\\sin(x)}");
      WriteUniversalAnswer(s, d);
      AnsWriteText3Numbers(s, "\\arctg((", c, "\\tg(x/2)+", b, ")/\\sqrt{", d, "})");
      return;
    }
    case 4:
      switch (s.P2) {
        case 1:
          WriteLine(s, "\\sin^4(x)\\cos^2(x)\\ dx");
          AnsWrite(s, "-\\sin(2x)/64-\\sin(4x)/64+\\sin(6x)/192+x/16");
          break;
        case 2:
          WriteLine(s, "\\sin^2(x)\\cos^4(x)\\ dx");
          AnsWrite(s, "\\sin(2x)/64-\\sin(4x)/64-\\sin(6x)/192+x/16");
          break;
        default:
          WriteLine(s, "\\sin^2(x)\\cos^3(x)\\ dx");
          AnsWrite(s, "\\sin(x)/8-\\sin(3x)/48-\\sin(5x)/80");
          break;
      }
      return;
    case 5: {
      const int a = s.P2, b = s.P5 + 1;
      WriteText2NumbersLn(s, "\\frac{\\sin(x) dx}{", a, "+", b, "\\cos(x)}");
      AnsWriteText3Numbers(s, "-\\frac{\\ln(", a, "+", b, "\\cos(x))}{", b, "}");
      return;
    }
    case 7: {
      int a = s.P2;
      const int b = s.P4 + 1;
      if (a == b) ++a;
      WriteText2NumbersLn(s, "\\frac{\\sin(x) dx}{", a, "+", b, "\\cos^2(x)}");
      AnsWrite(s, "-\\arctan\\left(\\sqrt{");
      toolkit::AnsWriteTexFractionUnlessOne(s, b, a);
      AnsWriteTextNumber(s, "}\\cos(x)\\right)/\\sqrt{", a * b, "}");
      return;
    }
    case 8:
    case 10: {
      int u = s.P2 + 1;
      const int v = s.P4 + 1;
      if (u == v) ++u;
      if (kind == 8) {
        WriteText2NumbersLn(s, "\\frac{", u, "\\sin^2(x)+", v, "}{\\sin(x)}\\ dx");
        AnsWriteText2NumbersLn(s, "", -u, "\\cos(x)+", v, "\\ln(\\csc(x)-\\ctg(x))");
      } else {
        WriteText2NumbersLn(s, "\\frac{", u, "\\cos^2(x)+", v, "}{\\sin(x)}\\ dx");
        AnsWriteText2NumbersLn(s, "", u, "\\cos(x)+", u + v, "\\ln(\\csc(x)-\\ctg(x))");
      }
      return;
    }
    case 9:
    case 11: {
      const bool cosine = kind == 9;
      WriteTextNumberLn(s, cosine ? "\\cos^{" : "\\sin^{", 2 * s.P2, "}(x)\\ dx");
      // The antiderivatives of cos^2n and sin^2n differ in the signs of sin(2x) and sin(6x).
      const std::string m = cosine ? "" : "-";
      const std::string p = cosine ? "+" : "-";
      switch (s.P2) {
        case 1:
          AnsWrite(s, m + "\\sin(2x)/4+x/2");
          break;
        case 2:
          AnsWrite(s, m + "\\sin(2x)/4+\\sin(4x)/32+3x/8");
          break;
        default:
          AnsWrite(s, m + "15\\sin(2x)/64+3\\sin(4x)/64" + p + "\\sin(6x)/192+5x/16");
          break;
      }
      return;
    }
    default: {
      const int b = s.P3 + 1, c = s.P4 + b + s.P2 - 1, d = c * c - b * b;
      WriteText2NumbersLn(s, "\\frac{dx}{", c, "+", b, "\\cos(x)}");
      WriteUniversalAnswer(s, d);
      AnsWrite(s, "\\arctg((");
      if (c - b != 1) toolkit::AnsWriteNumber(s, c - b);
      AnsWriteTextNumber(s, "\\tg(x/2))/\\sqrt{", d, "})");
      return;
    }
  }
}

}  // namespace

void WriteTrigIntegralVariant(SharedState& s) {
  const SecondAnswersFileScope to_second_file(s);
  const int step = s.P2 == 1 ? 1 : -1;
  // The kind runs through 1..12 cyclically, forwards or backwards.
  std::uint8_t kind = static_cast<std::uint8_t>(s.P1 - 1);
  AnsBeginVariant(s);
  for (int i = 1; i <= s.Level; ++i) {
    kind = static_cast<std::uint8_t>(kind + step);
    if (kind > 12) kind = 1;
    if (kind == 0) kind = 12;
    AnsWriteTextNumberLn(s, "", i, "&\\rule{0pt}{14pt} $");
    WriteLine(s, "\\vskip2mm ");
    if (s.Level > 1) WriteTextNumberLn(s, "\\par ", i, ")");
    WriteText(s, " \\ $\\displaystyle{\\int ");
    WriteTrigKind(s, kind);
    WriteText(s, "}$");
    AnsWrite(s, " $\\\\");
  }
  // AnsBeginVariant opens the table inside a center environment: close both.
  AnsWrite(s, "\\hline\\end{tabular}\\end{center} ");
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
