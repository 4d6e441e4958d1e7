#include <cmath>

#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

// P / d truncated, the divisor taken as its reciprocal as the data were always derived.
int DivTrunc(int p, double d) { return static_cast<int>(std::trunc(p * (1.0 / d))); }

}  // namespace

void BeginRotationFromRestProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 4);
  toolkit::WriteLine(s,
                     "Тело равноускоренно вращается из состояния покоя с угловым ускорением "
                     "$\\vec \\varepsilon$.");
  toolkit::WriteLine(s,
                     "Найти скорость и ускорение точки тела с радиусом вектором $\\vec r$ через "
                     "время $t$ после начала движения.\\\\");
  toolkit::AnsWrite(s, "   & $v$ & $a$ ");
  toolkit::AnsEndTableRow(s);
}

void WriteRotationFromRestVariant(SharedState& s) {
  toolkit::TIntVector3 eps, r, omega, v, a, a2;
  eps[1] = DivTrunc(s.P1, 4.01) + 1;
  eps[2] = DivTrunc(s.P2, 3.01) + 1;
  eps[3] = DivTrunc(s.P3, 3.01) + 1;
  r[1] = DivTrunc(s.P4, 3.01) + 1;
  r[2] = DivTrunc(s.P5, 3.01) + 1;
  const double third = s.P1 / 3.0;
  r[3] = static_cast<int>(toolkit::RoundHalfEven(3 * (third - std::trunc(third)))) + 1;
  const int t = s.P2 < 10 ? 2 : 3;
  for (;;) {
    for (int k = 1; k <= 3; ++k) omega[k] = t * eps[k];
    toolkit::Vec3Cross(omega, r, v);
    if (toolkit::RoundHalfEven(toolkit::Vec3Length(v)) != 0) break;
    // r parallel to the axis: the point would stand still.
    ++r[3];
    ++eps[1];
  }
  toolkit::WriteText(s, "\\vskip1mm");
  toolkit::WriteText3NumbersLn(s, "$\\vec \\varepsilon=\\{", eps[1], ",", eps[2], ",", eps[3],
                               "\\}$, ");
  toolkit::WriteText3NumbersLn(s, "$\\vec r=\\{", r[1], ",", r[2], ",", r[3], "\\}$, \\ ");
  toolkit::WriteTextNumberLn(s, "$t=", t, ".$");
  toolkit::Vec3Cross(eps, r, a);
  toolkit::Vec3Cross(omega, v, a2);
  toolkit::Vec3Add(a, a2, a);
  toolkit::AnsWriteText3Numbers(s, "", toolkit::PrintedVariantNumber(s), " & ",
                                toolkit::Vec3Length(v), " & ", toolkit::Vec3Length(a), "");
}

}  // namespace kinematics
