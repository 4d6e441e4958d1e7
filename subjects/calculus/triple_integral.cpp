#include <cstdlib>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

using SignTable = toolkit::IndexedArray<int, 1, 4>;

SignTable MakeSignTable(int s1, int s2, int s3, int s4) {
  SignTable t;
  t[1] = s1;
  t[2] = s2;
  t[3] = s3;
  t[4] = s4;
  return t;
}

const SignTable InterceptSigns = MakeSignTable(-1, -2, 2, 1);
const SignTable CoefficientSigns = MakeSignTable(-1, -1, 1, 1);

}  // namespace

void BeginTripleIntegralProblem(SharedState& s) {
  AnsBeginTable(s, 3);
  AnsWrite(s, "\\No & Int  ");
  s.ParboxWidth = 200;
  WriteText(s,
            " Вычислить тройной интеграл по области $D$, ограниченной координатными плоскостями "
            "$x=0$, $y=0$, $z=0$ и заданной плоскостью.");
  EndTableHeadWithReference(s, 289);
}

void WriteTripleIntegralVariant(SharedState& s) {
  const int t1 = InterceptSigns[s.P1], t2 = InterceptSigns[s.P2], t3 = InterceptSigns[s.P3];
  const int a = 2 * t1, b = 3 * t2, c = 4 * t3;
  const int ax = CoefficientSigns[s.P2] * s.P3;
  int ay = CoefficientSigns[s.P1] * s.P5;
  int az = CoefficientSigns[s.P3] * s.P6;
  int delta = CoefficientSigns[s.P7];
  if (s.P4 == 1) {
    delta = 0;
  } else if (s.P4 == 2) {
    ay = 0;
  } else {
    az = 0;
  }
  WriteText(s, " \\ $\\displaystyle{\\int\\!\\!\\!\\!\\int\\!\\!\\!\\!\\int\\limits_D (");
  WriteLeadingCoefTermMinus(s, ax, "x");
  WriteSignedCoefTerm(s, ay, "y");
  WriteSignedCoefTerm(s, az, "z");
  WriteSignedNumberLn(s, delta);
  WriteText(s, ")\\ dxdydz,}$\\vskip1mm $");
  WriteText(s, std::string(1, toolkit::MinusOrSpace(a)));
  WriteTextNumberLn(s, "x/", std::abs(a), "");
  WriteText(s, std::string(1, toolkit::SignChar(b)));
  WriteTextNumberLn(s, "y/", std::abs(b), "");
  WriteText(s, std::string(1, toolkit::SignChar(c)));
  WriteTextNumberLn(s, "z/", std::abs(c), "=1$");
  // The tetrahedron's volume is 4|t1 t2 t3| and f at its centroid is (ax a + ay b + az c)/4 +
  // delta. The iterated integral with signed limits would carry the sign of t1 t2 t3; the
  // integral over the region does not.
  const int value = (ax * a + ay * b + az * c + 4 * delta) * std::abs(t1 * t2 * t3);
  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  AnsWrite(s, "&");
  AnsWriteLine(s, toolkit::FormatFixed(value, 9, 0));
}

}  // namespace calculus
