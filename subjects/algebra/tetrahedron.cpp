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

constexpr const char* kVertexLetters[] = {"A", "B", "C", "D"};

struct Point3 {
  long long x, y, z;
};

Point3 Minus(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// |(pj - pi) x (pk - pi)| / 2 from the integer cross product.
double FaceArea(const Point3& pi, const Point3& pj, const Point3& pk) {
  const Point3 u = Minus(pj, pi), v = Minus(pk, pi);
  const long long cx = u.y * v.z - u.z * v.y;
  const long long cy = u.z * v.x - u.x * v.z;
  const long long cz = u.x * v.y - u.y * v.x;
  return std::sqrt(static_cast<double>(cx * cx + cy * cy + cz * cz)) / 2;
}

}  // namespace

void BeginTetrahedronProblem(SharedState& s) {
  s.ParboxWidth = 125;
  AnsBeginTable(s, 4);
  WriteText(s, s.TicketMode ? "Заданы координаты вершин тетраэдра. Определить его объем и "
                              "высоту, опущенную из вершины $A$."
                            : "Заданы координаты вершин тетраэдра. Определить его объем и "
                              "высоту, опущенную из вершины $V$.");
  AnsWriteLine(s, "   & $V$ &$S$&$h$");
  WriteSmallNoteLine(s,
                     "\\vskip2mm {\\small В ответе дан объем тетраэдра, площадь грани, на "
                     "которую опущена высота, и высота.}");
  EndTableHeadWithReference(s, 18);
}

void WriteTetrahedronVariant(SharedState& s) {
  const PatternNumbers n = LinearSystemNumbers(s);
  const Point3 p[4] = {
      {n.q1, n.q2, n.q3},
      {n.q1 + 5 + s.P6, n.q2 + n.r2, n.q3 - s.P7},
      {n.q1 - s.P5 - s.P6, n.q2 - n.r1 - 2, n.q3 + s.P6},
      {n.q1 - s.P5, n.q2 - n.r1, n.q3 + 10},
  };
  Matrix3 m{};
  for (int i = 0; i < 3; ++i) {
    const Point3 d = Minus(p[i], p[3]);
    m[i] = {d.x, d.y, d.z};
  }
  const double volume = std::abs(Determinant3(m)) / 6.0;
  // In a ticket the common statement names the vertex A, so every ticket drops the height
  // from A.
  const int v = s.TicketMode ? 0 : n.r1 - 1;
  int face[3], f = 0;
  for (int i = 0; i < 4; ++i) {
    if (i != v) face[f++] = i;
  }
  const double area = FaceArea(p[face[0]], p[face[1]], p[face[2]]);
  const double height = 3 * volume / area;

  WriteLine(s, "\\arraycolsep=4pt \\ \\ \\ ");
  for (int i = 0; i < 4; ++i) {
    WriteText3NumbersLn(s, std::string("$") + kVertexLetters[i] + "(", p[i].x, ",", p[i].y, ",",
                        p[i].z, "");
    WriteText(s, i < 3 ? "),$ \\ " : ").$ \\ ");
    if (i == 1 && !s.TicketMode) WriteText(s, "\\\\ ");
  }
  WriteSmallNoteLine(s, std::string("\\\\ \\ \\ \\ $V=") + kVertexLetters[v] + "$");
  WriteLine(s, "\\par");

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(volume, 7, 3) + "&" + toolkit::FormatFixed(area, 7, 3) +
                  "&" + toolkit::FormatFixed(height, 7, 3));
}

}  // namespace algebra
