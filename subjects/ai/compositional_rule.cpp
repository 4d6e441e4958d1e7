#include <algorithm>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

int MinByte(int x, int y) { return x < y ? x : y; }

toolkit::TBinaryDigits DigitsOf(int n) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(n), d);
  return d;
}

}  // namespace

void BeginCompositionalRuleProblem(SharedState& s) {
  s.ParboxWidth = 195;
  toolkit::AnsBeginTable(s, 10);
  toolkit::WriteText(
      s,
      "Дано нечеткое правило: если $x=\\tilde{A}$, то $y=\\tilde{B}$, где $\\tilde{A}$ и  "
      "$\\tilde{B}$  --- заданные нечеткие множества. Найти $y$ при $x=\\tilde{C}$. Нечеткое "
      "отношение рассчитывается по $t-$норме -- минимум.\\\\\\noindent ");
  toolkit::AnsWriteLine(s, "\\No\\ru & $X$& $Y$& $Z$& $V$  \\\\\\hline");
}

void WriteCompositionalRuleVariant(SharedState& s) {
  const auto p1 = DigitsOf(s.P1), p2 = DigitsOf(s.P2), p3 = DigitsOf(s.P3), p4 = DigitsOf(s.P4),
             p5 = DigitsOf(s.P5), p6 = DigitsOf(s.P6), p7 = DigitsOf(s.P7);
  const auto q5 = DigitsOf(s.P5 - 1), q6 = DigitsOf(s.P6 - 1);
  int a[6] = {}, c[6] = {}, b[5] = {};  // grades in tenths, from index 1
  for (int i = 1; i <= 5; ++i) {
    a[i] = p1[i] + 2 * p2[i] + 3 * p3[i] + 3 * p4[i] + 1;
    c[i] = 2 * p4[i] + 2 * p5[i] + 2 * p6[i] + p7[i] + 2;
  }
  for (int j = 1; j <= 4; ++j) b[j] = p4[j] + q5[j] + q6[j] + p7[j] + 5;

  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), "");
  const char* const small[6] = {"", "a", "b", "c", "d", "e"};
  const char* const large[5] = {"", "X", "Y", "Z", "V"};
  toolkit::WriteText(s, "$A=(");
  for (int i = 1; i <= 4; ++i)
    toolkit::WriteTextNumberLn(s, "", a[i] / 10.0, std::string("/") + small[i] + ", ");
  toolkit::WriteTextNumberLn(s, "", a[5] / 10.0, "/e");
  toolkit::WriteText(s, ")$,\\\\ $B=(");
  for (int j = 1; j <= 3; ++j)
    toolkit::WriteTextNumberLn(s, "", b[j] / 10.0, std::string("/") + large[j] + ", ");
  toolkit::WriteTextNumberLn(s, "", b[4] / 10.0, "/V");
  toolkit::WriteText(s, ")$,\\\\ $C=(");
  for (int i = 1; i <= 4; ++i)
    toolkit::WriteTextNumberLn(s, "", c[i] / 10.0, std::string("/") + small[i] + ", ");
  toolkit::WriteTextNumberLn(s, "", c[5] / 10.0, "/e");
  toolkit::WriteText(s, ")$.");

  for (int j = 1; j <= 4; ++j) {
    int y = 0;
    for (int i = 1; i <= 5; ++i) y = std::max(y, MinByte(c[i], MinByte(a[i], b[j])));
    toolkit::AnsWriteTextNumber(s, "&", y / 10.0, "");
  }
}

}  // namespace ai
