#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

void BeginEigenvalues2Problem(SharedState& s) {
  // Three variant boxes to a line (TeX cannot break after the second without stretch): at
  // 130pt the third ran past the right edge of an A4 sheet.
  s.ParboxWidth = 110;
  WriteText(s,
            "Найти собственные значения оператора, заданого в некотором базисе матрицей.\\\\ "
            "\\noindent");
  AnsBeginTable(s, 3);
  AnsWriteLine(s, "     &$\\lambda_1$&$\\lambda_2$ ");
  EndTableHeadWithReference(s, 68);
}

void WriteEigenvalues2Variant(SharedState& s) {
  const int lambda1 = s.P1 - 5 == 0 ? 6 : s.P1 - 5;
  int lambda2 = s.P2 - 5 == 0 ? 7 : s.P2 - 5;
  if (lambda1 == lambda2) lambda2 = lambda1 + 1;
  // Trace lambda1 + lambda2 and determinant lambda1 lambda2: a + d is the trace, and the
  // off-diagonal product c = a d - lambda1 lambda2 must not vanish.
  long long a = s.P3;
  long long d = 0;
  long long c = 0;
  for (int t = 1;; ++t) {
    const long long sum = lambda1 + lambda2;
    if (sum == a) a = sum + t;
    d = sum - a;
    c = d * a - static_cast<long long>(lambda1) * lambda2;
    if (c != 0) break;
    ++a;
  }
  const long long upper = c % 2 == 0 ? 2 : 1;
  const long long lower = c % 2 == 0 ? c / 2 : c;

  WriteLine(s, "$\\begin{tabular}{|ll|}");
  WriteText2NumbersLn(s, "", static_cast<double>(a), " & ", static_cast<double>(upper), " \\\\ ");
  WriteText2NumbersLn(s, "", static_cast<double>(lower), " & ", static_cast<double>(d), " \\\\ ");
  WriteLine(s, "\\end{tabular}$ ");

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " & " +
                  toolkit::FormatFixed(lambda1, 4, 0) + " & " +
                  toolkit::FormatFixed(lambda2, 4, 0));
}

}  // namespace algebra
