#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace algebra {

void BeginEigenvalues3Problem(SharedState& s) {
  s.ParboxWidth = 180;
  WriteText(s,
            "Найти собственные значения оператора, заданого в некотором базисе матрицей.\\\\ "
            "\\noindent");
  AnsBeginTable(s, 4);
  AnsWriteLine(s, "     &$\\lambda_1$&$\\lambda_2$&$\\lambda_3$ ");
  EndTableHeadWithReference(s, 68);
}

void WriteEigenvalues3Variant(SharedState& s) {
  const long long l1 = s.P1 - 5 == 0 ? -5 : s.P1 - 5;
  const long long l2 = s.P2 - 5 == 0 ? -6 : s.P2 - 5;
  const long long l3 = s.P3;
  long long u = s.P4 / 2 + 1;
  long long w = s.P5 / 2 + 1;
  if (s.P3 >= 3) {
    w = 0;
  } else {
    u = 0;
  }
  const long long s1 = l1 + l2 + l3;
  const long long s2 = l1 * l2 + l1 * l3 + l2 * l3;
  const long long s3 = l1 * l2 * l3;
  // The entries are chosen so that the characteristic polynomial is
  // (x - l1)(x - l2)(x - l3); one of u and w is always 0.
  const long long m13 = (w - 2) * (w - 2) * (w - 2) * u * u * u +
                        (s1 * (w - 2) * (w - 2) + w - 3) * u * u + ((w - 2) * s2 + s1 - 2 * w) * u +
                        s3;
  const long long m12 = -3 * u * u - w * m13 - w * w * u * u - 4 * w * w - 2 * w * w * u - s2 +
                        s1 * u + 2 * s1 * w - u + 3 * w * u * u;
  const long long m11 = s1 - u - 2 * w;
  const long long m22 = 2 * w - u;
  const long long m33 = 2 * u;
  const long long m32 = 2 * w * w - 3 * u * w + w * w * u + 1;
  const long long m[3][3] = {{m11, m12, m13}, {1, m22, u}, {w, m32, m33}};

  WriteLine(s, "\\hskip5mm\\vskip1mm$\\begin{tabular}{|lll|}");
  for (const auto& row : m) {
    for (int j = 0; j < 3; ++j) {
      WriteNumber(s, static_cast<double>(row[j]));
      WriteText(s, j < 2 ? " & " : " \\\\ ");
    }
  }
  WriteLine(s, "");
  WriteLine(s, "\\end{tabular}$\\vskip2mm");

  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&" + toolkit::FormatFixed(static_cast<double>(l1), 4, 0) + "&" +
                  toolkit::FormatFixed(static_cast<double>(l2), 4, 0) + "&" +
                  toolkit::FormatFixed(static_cast<double>(l3), 4, 0));
}

}  // namespace algebra
