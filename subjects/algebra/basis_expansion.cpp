#include <string>

#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// A neutral reference of our own to a worked example of the same kind.
constexpr const char* kBasisReference =
    "\\vskip1mm{\\small Коллектив авторов. \\Blue{{\\it Линейная алгебра и аналитическая "
    "геометрия в решённых задачах}}. --- Учебное пособие, с. 112, пример 4.7.}\\vskip1mm ";

// [B | x]: columns 0..2 hold the basis vectors, column 3 the vector x.
using Augmented = long long[3][4];

// Row t := row t + f * row s (1-based rows), over all four columns.
void AddRowMultiple(Augmented& e, int t, int s, int f) {
  for (int j = 0; j < 4; ++j) e[t - 1][j] += f * e[s - 1][j];
}

}  // namespace

void BeginBasisExpansionProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 10);
  WriteLine(s,
            "Даны три вектора пространства $R^3$. Доказать, что эти векторы образуют базис в "
            "$R^3$ и найти координаты вектора $\\bar x$ в этом базисе.\\\\\\noindent ");
  WriteLine(s, kBasisReference);
  AnsWriteLine(s, "\\No\\ru & $\\bar x$ \\\\\\hline");
}

void WriteBasisExpansionVariant(SharedState& s) {
  Augmented e = {{1, 0, 0, s.P1 - 2}, {0, 1, 0, s.P2 - 2}, {0, 0, 1, s.P3 - 2}};
  if (s.P1 == 2 && s.P2 == 2 && s.P3 == 2) e[s.P6 - 1][3] = 1;
  const long long k[3] = {e[0][3], e[1][3], e[2][3]};

  const int p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  AddRowMultiple(e, 1, p7 + 1, p4);
  AddRowMultiple(e, 1, 3, -p5);
  AddRowMultiple(e, 2, 3, p6);
  AddRowMultiple(e, 3, 1, -p7);
  AddRowMultiple(e, 3, 2, 2);
  AddRowMultiple(e, 1, 3, -1);
  AddRowMultiple(e, 3, 2, p4);
  AddRowMultiple(e, 2, 1, p5);
  AddRowMultiple(e, 3, 1, -p7);

  for (int i = 0; i < 3; ++i) {
    WriteText4NumbersLn(s, "$\\bar e_", i + 1, "=[", e[0][i], ",", e[1][i], ",", e[2][i],
                        "],$ \\\\");
  }
  WriteText3NumbersLn(s, "$\\bar x=[", e[0][3], ",", e[1][3], ",", e[2][3], "]$");

  AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), "& ", k[0], ",");
  AnsWriteText2NumbersLn(s, "", k[1], ",", k[2], "");
}

}  // namespace algebra
