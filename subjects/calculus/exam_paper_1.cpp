#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace calculus {

void BeginExamPaper1Problem(SharedState& s) {
  s.ParboxWidth = 190;
  AnsBeginTable(s, 5);
  AnsWriteLine(s, "\\ru & предел ");
  AnsWriteLine(s, "\\\\\\hline ");
}

void WriteExamPaper1Variant(SharedState& s) {
  // The paper always sets the limit problems, whatever the stored P1.
  s.P1 = 9;
  const int a = s.P3 + 1, b = s.P6 + 1;
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&");
  WriteText(s, " Найти предел ");
  if (s.P7 == 1) {
    WriteTextNumberLn(s, "$$y=\\lim_{n\\to \\infty} n(", a, "^{(1/n)} -1)$$");
    AnsWriteTextNumber(s, "$ \\ln(", a, ")$");
  } else {
    WriteText3NumbersLn(s, "$$y=\\lim_{x\\to \\pi/", 2 * b, "} \\tg(", b, "x)\\tg(\\pi/", 2 * b,
                        " -x)$$");
    AnsWriteTextNumber(s, "$ 1/", b, "$");
  }
}

}  // namespace calculus
