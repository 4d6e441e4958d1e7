#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

// Trunc(p / k) + 1 with the divisors 4.01 and 3.01 of the pattern.
int Step(int p, double k) { return static_cast<int>(p / k) + 1; }

void WriteVector(SharedState& s, const char* name, const toolkit::TIntVector3& v) {
  WriteText3NumbersLn(s, std::string("$\\vec ") + name + "=\\{", v[1], ",", v[2], ",", v[3],
                      "\\}$,");
}

}  // namespace

void BeginVectorAlgebraProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 2);
  WriteLine(s, "Найти значение $x$\\\\ ");
  AnsWriteLine(s, "   & $x$ ");
  AnsEndTableRow(s);
}

void WriteVectorAlgebraVariant(SharedState& s) {
  using toolkit::TIntVector3;
  TIntVector3 a, b, c, d;
  a[1] = Step(s.P1, 4.01);
  a[2] = Step(s.P2, 3.01);
  a[3] = Step(s.P3, 3.01);
  b[1] = Step(s.P4, 3.01);
  b[2] = Step(s.P5, 3.01);
  b[3] = static_cast<int>(s.P4 / 3.01) - a[1];
  c[1] = s.P1 % 3 + 1;
  c[2] = s.P2 % 3 - a[1];
  c[3] = s.P3 % 3 + 1;
  d[1] = s.P4 % 3 + 1;
  d[2] = s.P2 % 3 + 1;
  d[3] = s.P3 % 3 - a[2];

  WriteLine(s, "\\vskip1mm");
  WriteVector(s, "a", a);
  WriteVector(s, "b", b);
  WriteLine(s, "\\vskip2mm");
  WriteVector(s, "c", c);
  WriteVector(s, "d", d);
  WriteLine(s, "\\vskip2mm");

  // The terms a formula leaves out of the computed value are triple products with a repeated
  // vector, which vanish.
  TIntVector3 u, v, w;
  int x = 0;
  if (s.P1 <= 5) {
    WriteText(s, "$x=([\\vec a,\\vec b\\ ],\\vec b+\\vec c+\\vec d\\ )$");
    Vec3Cross(a, b, u);
    Vec3Add(c, d, v);
    x = Vec3Dot(u, v);
  } else if (s.P1 <= 10) {
    WriteText(s, "$x=([\\vec a+\\vec b,\\vec c+\\vec d\\ ],\\vec a\\ )$");
    Vec3Add(a, b, u);
    Vec3Add(c, d, v);
    Vec3Cross(u, v, w);
    x = Vec3Dot(w, a);
  } else if (s.P1 <= 15) {
    WriteText(s, "$x=([\\vec a+\\vec b+\\vec c,\\vec d\\ ],\\vec a\\ ) $");
    Vec3Add(b, c, u);
    Vec3Cross(u, d, w);
    x = Vec3Dot(w, a);
  } else {
    WriteText(s, "$x=([\\vec a+\\vec b,\\vec c\\ ],\\vec c+\\vec d\\ )$");
    Vec3Add(a, b, u);
    Vec3Cross(u, c, w);
    x = Vec3Dot(w, d);
  }
  AnsWriteText2Numbers(s, "", toolkit::PrintedVariantNumber(s), " & ", x, "");
}

}  // namespace algebra
