#include "subjects/ai/membership_function.h"

#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace ai {

MembershipEstimate EstimateMembership(const toolkit::TRealMatrix4& m) {
  toolkit::TRealMatrix4 p = m, t{};
  for (int k = 0; k < 3; ++k) {
    toolkit::RealMatrixMultiply(p, p, 4, t);
    p = t;
  }
  toolkit::TRealMatrix4 q{};
  toolkit::RealMatrixMultiply(p, m, 4, q);
  double r8[5] = {}, r9[5] = {};
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) {
      r8[i] += p[i][j];
      r9[i] += q[i][j];
    }
  }
  MembershipEstimate e;
  double total = 0;
  for (int i = 1; i <= 4; ++i) {
    e.lambda += r9[i] / r8[i];
    total += r9[i];
  }
  e.lambda *= 0.25;
  for (int i = 1; i <= 4; ++i) e.mu[i - 1] = r9[i] / total;
  return e;
}

void BeginMembershipFunctionProblem(SharedState& s) {
  s.ParboxWidth = 175;
  toolkit::AnsBeginTable(s, 8);
  toolkit::AnsWrite(s, "\\No\\ru ");
  for (int i = 1; i <= 4; ++i) toolkit::AnsWriteTextNumber(s, " & ", i, " ");
  toolkit::AnsWrite(s, " & $\\Delta$  \\\\\\hline");
  toolkit::WriteLine(
      s,
      " Построить функцию принадлежности элементов множества $X=\\{a,b,c,d\\}$ множеству $Y$.  "
      "Принадлежность определяется парными сравнениями эксперта на основе девятибалльной шкалы "
      "Саати. Введены обозначения:\\\\ \\begin{tabular}{ll}($m,1,n$) & --- преимущество $m$ над "
      "$n$ отсутствует, \\\\ ($m,2,n$) & --- {\\it почти} слабое преимущество $m$ над $n$, \\\\ "
      "($m,3,n$) &---  слабое преимущество $m$ над $n$, \\\\ ");
  toolkit::WriteLine(
      s,
      "($m,4,n$) &--- {\\it почти} существенное преимущество $m$ над $n$, \\\\ ($m,5,n$) &--- "
      "существенное  преимущество $m$ над $n$, \\\\ ($m,6,n$) &--- {\\it почти} явное "
      "преимущество $m$ над $n$,  \\\\ ($m,7,n$) &--- явное  преимущество $m$ над $n$,  \\\\ "
      "($m,8,n$) &--- {\\it почти} абсолютное преимущество $m$ над $n$, \\\\ ($m,9,n$) &--- "
      "абсолютное преимущество $m$ над $n$. \\end{tabular}\\\\");
  toolkit::WriteLine(
      s,
      "Найти {\\it меру несогласованности} $\\Delta$ парных сравнений эксперта"
      "\\footnote{Метод парных сравнений по шкале Саати и мера несогласованности "
      "$\\Delta=\\lambda_{\\max}-n$ изложены в учебных пособиях по теории нечетких множеств "
      "и принятию решений.}. \\\\ \\noindent");
}

void WriteMembershipFunctionVariant(SharedState& s) {
  toolkit::WriteText(s, "\\parbox[t][24mm]{233pt}{");
  toolkit::TBinaryDigits a, b;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(s.P1), a);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(s.P2), b);
  int g[7] = {};
  for (int i = 1; i <= 6; ++i) g[i] = 2 * b[i] + a[i] + i;

  // Rows and columns a, b, c, d are 1..4; below the diagonal the grades, above their inverses.
  toolkit::TRealMatrix4 m{};
  for (int i = 1; i <= 4; ++i) m[i][i] = 1;
  m[2][1] = g[1];
  m[3][2] = g[2];
  m[3][1] = g[3];
  m[4][3] = g[4];
  m[4][2] = g[5];
  m[4][1] = g[6];
  for (int i = 1; i <= 4; ++i) {
    for (int j = i + 1; j <= 4; ++j) m[i][j] = 1 / m[j][i];
  }
  toolkit::WriteTextNumberLn(s, "$(b,", g[1], ",a)$, ");
  toolkit::WriteTextNumberLn(s, "$(c,", g[3], ",a)$, ");
  toolkit::WriteTextNumberLn(s, "$(c,", g[2], ",b)$,\\\\ ");
  toolkit::WriteTextNumberLn(s, "$(d,", g[6], ",a)$, ");
  toolkit::WriteTextNumberLn(s, "$(d,", g[5], ",b)$, ");
  toolkit::WriteTextNumberLn(s, "$(d,", g[4], ",c)$. ");

  const MembershipEstimate e = EstimateMembership(m);
  toolkit::AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  std::string row;
  for (int i = 1; i <= 4; ++i) row += " & " + toolkit::FormatFixed(e.mu[i - 1], 6, 3) + "  ";
  row += "&" + toolkit::FormatFixed(e.lambda - 4, 6, 3);
  s.AnswersFile.WriteLine(row);
  toolkit::WriteText(s, "}");
}

}  // namespace ai
