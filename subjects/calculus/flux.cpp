#include "subjects/calculus/exact_value.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// P mod 3 of a positive parameter.
int ModThree(int p) { return p % 3; }

// The three terms of one linear component a x + b y + c z; a >= 1 leads.
void WriteComponent(SharedState& s, int a, int b, int c) {
  WriteLeadingCoefTerm(s, a, "x");
  WriteSignedCoefTerm(s, b, "y");
  WriteSignedCoefTerm(s, c, "z");
}

}  // namespace

void BeginFluxProblem(SharedState& s) {
  s.ParboxWidth = 175;
  WriteText(s,
            "Найти поток векторного поля через верхнюю сторону треугольника с вершинами в "
            "точках $A$, $B$, $C$.");
  WriteText(s, "\\par\\noindent ");
  AnsWrite(s, "\\tabcolsep=1pt");
  // Lowered for the rest of this Start; this problem does not read it.
  if (s.Level > 4) s.Level = 4;
  AnsBeginTable(s, 2);
  AnsWriteLine(s, "\\No & Поток \\\\\\hline ");
}

void WriteFluxVariant(SharedState& s) {
  const int a = s.P7, b = s.P4, c = s.P5;
  const int fx[3] = {s.P1, s.P4 - 2, ModThree(s.P1)};
  const int fy[3] = {s.P2, s.P5 - 2, ModThree(s.P2)};
  const int fz[3] = {s.P3, s.P6 - 2, ModThree(s.P3)};
  WriteText(s, "$F_x=");
  WriteComponent(s, fx[0], fx[1], fx[2]);
  WriteLine(s, "$,\\\\ $F_y=");
  WriteComponent(s, fy[0], fy[1], fy[2]);
  WriteLine(s, "$,\\\\ $F_z=");
  WriteComponent(s, fz[0], fz[1], fz[2]);
  WriteText3NumbersLn(s, "$,\\\\ $A(", a, ",0,0)$,\\ $B(0,", b, ",0)$, $C(0,0,", c, ")$.");
  // Upper normal times area is (bc, ac, ab)/2 and F at the centroid is F(a, b, c)/3.
  auto at = [&](const int(&f)[3]) { return f[0] * a + f[1] * b + f[2] * c; };
  const int flux6 = at(fx) * b * c + at(fy) * a * c + at(fz) * a * b;
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWriteLine(s, " & ");
  AnsWriteExactValue(s, flux6, 6);
}

}  // namespace calculus
