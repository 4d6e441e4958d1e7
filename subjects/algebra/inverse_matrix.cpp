#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// A = [[b, c], [d, e]] with det A = a, B = [[g, h], [i, j]] and the multiplier f of k = f a.
struct InverseMatrices {
  long long a, b, c, d, e, f;
  long long g, h, i, j;
};

InverseMatrices SetUpInverseMatrices(const SharedState& s) {
  InverseMatrices m{};
  m.a = s.P1;
  m.b = NonZeroOr(s.P2 - 3, 1);
  m.c = NonZeroOr(s.P5 - 3, 1);
  m.d = NonZeroOr(s.P6 - 3, -1);
  m.e = NonZeroOr(s.P3 - 3, 1);
  m.f = s.P4;
  switch (s.P4) {  // one entry is replaced so that b e - c d = a
    case 1:
      m.d = 1, m.c = m.b * m.e - m.a;
      break;
    case 2:
      m.c = 1, m.d = m.b * m.e - m.a;
      break;
    case 3:
      m.b = 1, m.e = m.d * m.c + m.a;
      break;
    case 4:
      m.e = 1, m.b = m.d * m.c + m.a;
      break;
    default:
      break;
  }
  m.g = NonZeroOr(s.P2 - 3, 1);
  m.h = NonZeroOr(s.P5 - 3, -1);
  m.i = NonZeroOr(s.P7 - 3, -1);
  m.j = NonZeroOr(s.P4 - 2, 1);
  return m;
}

// C = k A^-1 + A B with k = f a, so k A^-1 = f adj A is whole; writes det C.
void AnsWriteInverseAnswer(SharedState& s, const InverseMatrices& m) {
  const long long c11 = m.b * m.g + m.c * m.i + m.f * m.e;
  const long long c12 = m.b * m.h + m.c * m.j - m.f * m.c;
  const long long c21 = m.d * m.g + m.e * m.i - m.f * m.d;
  const long long c22 = m.d * m.h + m.e * m.j + m.f * m.b;
  AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), " & ",
                       static_cast<double>(c11 * c22 - c21 * c12), "");
}

}  // namespace

void BeginInverseMatrixProblem(SharedState& s) {
  s.ParboxWidth = 180;
  AnsBeginTable(s, 6);
  AnsWriteLine(s, "\\No & det $\\mathbf{C}$ \\\\\\hline ");
  WriteLine(s, "Найти определитель матрицы С.\\\\ ");
}

void WriteInverseMatrixVariant(SharedState& s) {
  const InverseMatrices m = SetUpInverseMatrices(s);
  AnsWriteInverseAnswer(s, m);
  WriteText(s, "$$ \\mathbf{A}= \\left[\\begin{tabular}{ll}");
  WriteText2NumbersLn(s, "", static_cast<double>(m.b), "&", static_cast<double>(m.c), "\\\\");
  WriteText2NumbersLn(s, "", static_cast<double>(m.d), "&", static_cast<double>(m.e), "\\\\");
  WriteText(s, " \\end{tabular}\\right],\\ \\  \\mathbf{B}= \\left[\\begin{tabular}{ll}");
  WriteText2NumbersLn(s, "", static_cast<double>(m.g), "&", static_cast<double>(m.h), "\\\\");
  WriteText2NumbersLn(s, "", static_cast<double>(m.i), "&", static_cast<double>(m.j), "\\\\");
  WriteLine(s, "\\end{tabular}\\right]$$ $\\mathbf{C} = " +
                   toolkit::TermSum("\\cdot ")
                       .Add(static_cast<double>(m.f * m.a), "\\mathbf{A}^{-1}")
                       .Add(1, "\\mathbf{AB}")
                       .Text() +
                   "$, det($\\mathbf{C})$ - ?");
}

}  // namespace algebra
