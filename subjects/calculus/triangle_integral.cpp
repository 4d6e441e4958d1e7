#include "subjects/calculus/exact_value.h"
#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

struct IntPoint {
  int x, y;
};

// One side's line a x + b y + c = 0 through p and r, reduced, into the answers file.
void AnsWriteSideLine(SharedState& s, IntPoint p, IntPoint r, const char* tail) {
  int v[3] = {p.y - r.y, r.x - p.x, p.x * r.y - p.y * r.x};
  toolkit::NormalizeIntVector(v, 3);
  // No side is horizontal, so the x coefficient is never 0.
  if (v[0] == -1) {
    AnsWrite(s, "-");
  } else {
    AnsWriteNumberUnlessUnit(s, v[0]);
  }
  AnsWrite(s, "x");
  AnsWriteSignedCoefLn(s, v[1]);
  AnsWrite(s, "y");
  AnsWriteSignedNumber(s, v[2]);
  AnsWrite(s, tail);
}

}  // namespace

void BeginTriangleIntegralProblem(SharedState& s) {
  s.ParboxWidth = 199;
  AnsWrite(s, "\\tabcolsep=2pt");
  AnsBeginTable(s, 5);
  // One heading per answer cell (and the student's), as the rows have.
  AnsWriteLine(s, s.StudentsMode ? "\\No & int & $AB$ & $AC$ & $BC$ & \\\\ \\hline"
                                 : "\\No & int & $AB$ & $AC$ & $BC$ \\\\ \\hline");
  WriteLine(s, " Вычислить интеграл по внутренней области треугольника $ABC$. ");
}

void WriteTriangleIntegralVariant(SharedState& s) {
  const int p = s.P2 - 2, q = s.P3 - 2;
  int a = 0, b = 0, c = 0;
  WriteText(s, "$$\\int\\!\\!\\int\\limits_D (");
  switch (s.P1) {
    case 1:
      a = p == 0 ? 2 : p;
      c = q == 0 ? 2 : q;
      WriteLeadingCoefTermMinus(s, a, "x");
      WriteSignedNumberLn(s, c);
      break;
    case 2:
      a = p == 0 ? 3 : p;
      b = q == 0 ? 3 : q;
      WriteLeadingCoefTermMinus(s, a, "x");
      WriteSignedCoefTerm(s, b, "y");
      break;
    default:
      b = p == 0 ? -3 : p;
      c = q == 0 ? -3 : q;
      WriteLeadingCoefTermMinus(s, b, "y");
      WriteSignedNumberLn(s, c);
  }
  WriteLine(s, " )dxdy$$");
  const int x0 = s.P4 - s.P6, y0 = s.P2 + s.P3 - 5;
  const IntPoint pa{x0, y0}, pb{x0 + s.P4 + s.P5, y0 + s.P6}, pc{x0 + s.P4, y0 + s.P6 + s.P7};
  WriteText2NumbersLn(s, "$A(", pa.x, ",", pa.y, ")$, ");
  WriteText2NumbersLn(s, "$B(", pb.x, ",", pb.y, ")$, ");
  WriteText2NumbersLn(s, "$C(", pc.x, ",", pc.y, ")$. ");
  // Twice the area times the value at the centroid, over 6.
  const int twice_area = pa.x * (pb.y - pc.y) + pb.x * (pc.y - pa.y) + pc.x * (pa.y - pb.y);
  const int sum3 = a * (pa.x + pb.x + pc.x) + b * (pa.y + pb.y + pc.y) + 3 * c;
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 4, 0));
  AnsWrite(s, "&");
  AnsWriteExactValue(s, twice_area * sum3, 6);
  AnsWrite(s, "&$");
  AnsWriteSideLine(s, pa, pb, "=0$&$");
  AnsWriteSideLine(s, pa, pc, "=0$&$");
  AnsWriteSideLine(s, pb, pc, "=0$");
}

}  // namespace calculus
