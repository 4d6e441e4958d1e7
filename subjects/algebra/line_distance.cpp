#include <cmath>
#include <string>

#include "subjects/algebra/algebra_helpers.h"
#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/state.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

struct Point3 {
  long long x, y, z;
};

// The distance between the lines AB and CD: the absolute triple product of the two
// directions and a joining vector over the length of the directions' cross product.
double LineDistance(const Point3& a, const Point3& b, const Point3& c, const Point3& d) {
  const Matrix3 m = {{{c.x - d.x, a.x - b.x, b.x - c.x},
                      {c.y - d.y, a.y - b.y, b.y - c.y},
                      {c.z - d.z, a.z - b.z, b.z - c.z}}};
  const double n = std::abs(Determinant3(m));
  const long long ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
  const long long vx = c.x - d.x, vy = c.y - d.y, vz = c.z - d.z;
  const long long cx = uy * vz - uz * vy, cy = uz * vx - ux * vz, cz = ux * vy - uy * vx;
  const double l = std::sqrt(static_cast<double>(cx * cx + cy * cy + cz * cz));
  return n / l;
}

void WritePoint(SharedState& s, const char* open, const Point3& p, const char* close) {
  WriteText3NumbersLn(s, open, p.x, ",", p.y, ",", p.z, close);
}

}  // namespace

void BeginLineDistanceProblem(SharedState& s) {
  s.ParboxWidth = 199;
  AnsBeginTable(s, 2);
  WriteText(s,
            "Найти расстояние между прямой, проходящей через точки $A$ и $B$ и  прямой, "
            "проходящей через точки $C$ и $D$.");
  WriteSmallNoteLine(s, "\\\\\\noindent ");
  AnsWriteLine(s, "   & $h$\\\\\\hline ");
}

void WriteLineDistanceVariant(SharedState& s) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const Point3 a = {n.q1 + 5, n.q2, n.q3};
  const Point3 b = {n.q1 + s.P7 + n.r4, n.q2 + n.r2, n.q3 - n.r4};
  const Point3 c = {n.q1 - n.r3 - n.r4, n.q2 - n.r1 - s.P6, n.q3 + n.r4};
  const Point3 d = {n.q1 - n.r3, n.q2 - n.r1, n.q3 + 8 + s.P5};
  const double h = LineDistance(a, b, c, d);
  // Later problems of the same run see Level 2, as they always have.
  s.Level = 2;

  WritePoint(s, "\\parbox[t][16mm]{233pt}{ $A(", a, ")$, ");
  WritePoint(s, " $B(", b, ")$,");
  WriteSmallNoteLine(s, "\\\\");
  WritePoint(s, " $C(", c, ")$, ");
  WritePoint(s, " $D(", d, ").$ }");

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(h, 7, 4));
}

}  // namespace algebra
