#include <cstdlib>
#include <string>

#include "subjects/algebra/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/state.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace algebra {

namespace {

using toolkit::IndexedArray;

// n answers cells of the quantities a kind does not ask for, each "&" and a dash.
std::string NoValues(int n) {
  std::string cells;
  for (int i = 0; i < n; ++i) cells += "&" + std::string(toolkit::kNoValue);
  return cells;
}

// Directions with whole lengths, so that distances and cosines come out exact.
const IndexedArray<IndexedArray<int, 1, 3>, 1, 5> SpaceDirectionTable = [] {
  IndexedArray<IndexedArray<int, 1, 3>, 1, 5> t;
  const int rows[5][3] = {{1, 2, 2}, {1, 4, 8}, {2, 3, 6}, {9, 2, 6}, {2, 1, 2}};
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 3; ++j) t[i][j] = rows[i - 1][j - 1];
  }
  return t;
}();

const IndexedArray<int, 1, 5> SpaceDirectionLengths = [] {
  IndexedArray<int, 1, 5> l;
  const int lengths[5] = {3, 9, 7, 11, 3};
  for (int i = 1; i <= 5; ++i) l[i] = lengths[i - 1];
  return l;
}();

// The coefficient vector the writing steps share: a line's direction (1..3) or a plane's
// A, B, C, D.
using Coefficients = IndexedArray<int, 1, 4>;

void SetCoefficients(Coefficients& n, int a, int b, int c, int d = 0) {
  n[1] = a;
  n[2] = b;
  n[3] = c;
  n[4] = d;
}

void ClearPlaneCoefficients(Coefficients& n) { SetCoefficients(n, 0, 0, 0, 0); }

void WriteLabelledPoint(SharedState& s, int x, int y, int z, const std::string& letter) {
  WriteText3NumbersLn(s, "$" + letter + "(", x, ",", y, ",", z, ")");
  WriteText(s, "$");
}

// One fraction of the canonical equations: "(x-x0)/n" with the coordinate's own letter.
void WriteCanonicalTerm(SharedState& s, const std::string& letter, int x0, int n,
                        const std::string& after) {
  if (x0 != 0) {
    WriteText2NumbersLn(s, "\\frac{" + letter + std::string(1, toolkit::SignChar(-x0)),
                        std::abs(x0), "}{", n, after);
  } else {
    WriteTextNumberLn(s, "\\frac{" + letter + "}{", n, after);
  }
}

void WriteCanonicalLine(SharedState& s, Coefficients& n, int x0, int y0, int z0) {
  toolkit::NormalizeIntVector(n, 3);
  WriteText(s, "$$");
  WriteCanonicalTerm(s, "x", x0, n[1], "}=");
  WriteCanonicalTerm(s, "y", y0, n[2], "}=");
  WriteCanonicalTerm(s, "z", z0, n[3], "}$$");
  ClearPlaneCoefficients(n);
}

void WritePlaneLeft(SharedState& s, const Coefficients& n) {
  toolkit::WriteLeadingCoefTermMinus(s, n[1], "x");
  if (n[1] == 0) {
    toolkit::WriteLeadingCoefTermMinus(s, n[2], "y");
  } else {
    toolkit::WriteSignedCoefTerm(s, n[2], "y");
  }
  toolkit::WriteSignedCoefTerm(s, n[3], "z");
  toolkit::WriteSignedNumberLn(s, n[4]);
}

void WritePlaneNormalized(SharedState& s, Coefficients& n) {
  toolkit::NormalizeIntVector(n, 4);
  WritePlaneLeft(s, n);
}

void WritePlaneEquation(SharedState& s, Coefficients& n) {
  toolkit::NormalizeIntVector(n, 4);
  WriteText(s, "\\ $");
  WritePlaneLeft(s, n);
  WriteText(s, "=0.$");
  ClearPlaneCoefficients(n);
}

struct Vector3 {
  int x, y, z;
};

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Normalized(const Vector3& v) {
  IndexedArray<int, 1, 3> r;
  r[1] = v.x;
  r[2] = v.y;
  r[3] = v.z;
  toolkit::NormalizeIntVector(r, 3);
  return {r[1], r[2], r[3]};
}

// The answers cell of a direction through the origin: x/r1=y/r2=z/r3 with signed ratios.
void AnsWriteRatioLine(SharedState& s, const Vector3& r) {
  toolkit::AnsWriteSignedRatio(s, "x", r.x);
  toolkit::AnsWrite(s, "=");
  toolkit::AnsWriteSignedRatio(s, "y", r.y);
  toolkit::AnsWrite(s, "=");
  toolkit::AnsWriteSignedRatio(s, "z$", r.z);
}

// The kinds that ask for a point; writes the statement and returns the point.
Vector3 WritePointKind(SharedState& s, Coefficients& n, int kind, const int p[8]) {
  switch (kind) {
    case 1: {
      const int a = p[2] + p[3] - 1, b = p[2];
      int l = p[3];
      const int m = p[4], nz = p[5], x0 = p[6], y0 = p[7];
      const int t = l == m ? 1 : 2;
      if (l == nz) l = 2 * l;
      WriteText(s, " Найти координаты точки пересечения прямой ");
      SetCoefficients(n, l, m, nz);
      WriteCanonicalLine(s, n, x0, y0, t * nz);
      WriteText(s, "с плоскостью");
      SetCoefficients(n, a * nz, b * nz, 1 - a * l - b * m, -(a * x0 + b * y0) * nz);
      WritePlaneEquation(s, n);
      return {x0 - l * t + l * l * t * a + l * t * b * m,
              y0 - m * t + m * t * a * l + m * m * t * b, t * nz * a * l + t * nz * b * m};
    }
    case 2: {
      const int a = p[2], b = p[3], c = p[4], d = p[5], k = p[6];
      WriteText(s, " Найти проекцию точки ");
      WriteLabelledPoint(s, k * a, k * b, k * c, "A");
      WriteText(s, " на плоскость");
      SetCoefficients(n, a, b, c, (a * a + b * b + c * c) * d);
      WritePlaneEquation(s, n);
      return {-a * d, -b * d, -c * d};
    }
    default: {
      const int a = p[2], c = p[4], k = p[6];
      const int b = p[3] == a ? 2 * p[3] : p[3];
      WriteText(s, " Найти проекцию точки ");
      SetCoefficients(n, a, b, c);
      if (p[5] == 1) {
        WriteLabelledPoint(s, -k * (b * b + c * c), 0, 0, "A");
        WriteText(s, " на прямую");
        WriteCanonicalLine(s, n, 2 * a * a * k, a * b * k, a * c * k);
        return {0, -a * b * k, -a * c * k};
      }
      WriteLabelledPoint(s, 0, 0, -k * (a * a + b * b), "A");
      WriteText(s, " на прямую");
      WriteCanonicalLine(s, n, a * c * k, b * c * k, 2 * c * c * k);
      return {-a * c * k, -b * c * k, 0};
    }
  }
}

void WriteTwoPlanes(SharedState& s, Coefficients& n, const Coefficients& second, bool normalized,
                    const std::string& between, const std::string& after) {
  if (normalized) {
    WritePlaneNormalized(s, n);
  } else {
    WritePlaneLeft(s, n);
  }
  WriteText(s, between);
  n = second;
  if (normalized) {
    WritePlaneNormalized(s, n);
  } else {
    WritePlaneLeft(s, n);
  }
  WriteText(s, after);
}

// The kinds 4..15: statement and answer cells.
void WriteOtherKind(SharedState& s, Coefficients& n, int kind, const int p[8]) {
  const auto& t_of = SpaceDirectionTable;
  const auto& l_of = SpaceDirectionLengths;
  switch (kind) {
    case 4: {
      const int a = p[2], c = p[4], d = p[5], e = p[6], f = p[7];
      int b = p[3];
      int num = 3 * (c - a) + 4 * (b - d);
      while (num == 0) {
        b += 2;
        num = 3 * (c - a) + 4 * (b - d);
      }
      WriteText(s, " Найти расстояние между прямой, проходящей через точки  ");
      WriteLabelledPoint(s, a, b, 0, "A");
      WriteText(s, " и ");
      WriteLabelledPoint(s, a, b, 1, "B");
      WriteText(s, " и прямой,  проходящей через точки  ");
      WriteLabelledPoint(s, c, d, e, "C");
      WriteText(s, " и ");
      WriteLabelledPoint(s, c + 4, d + 3, f, "D");
      WriteText(s, ". ");
      const int h = std::abs(num);
      if (h % 5 == 0) {
        toolkit::AnsWriteTextNumber(s, NoValues(3) + "&", h / 5, NoValues(5));
      } else {
        toolkit::AnsWriteTextNumber(s, NoValues(3) + "&", h, "/5 " + NoValues(5));
      }
      return;
    }
    case 5: {
      const int a = p[5] - 2, b = p[6] - 3, c = p[7] - 3;
      const auto& t = t_of[p[4]];
      const int u = t[2] + p[2], w = t[3] / t[2], v = t[1] + w * p[3];
      WriteText(s, " Найти площадь треугольника с вершинами \\\\");
      WriteLabelledPoint(s, u + a, b, c, "A");
      WriteText(s, ", ");
      WriteLabelledPoint(s, u + a, w + b, c + 1, "B");
      WriteText(s, ", ");
      WriteLabelledPoint(s, a + p[2], v + b, p[3] + c, "C");
      WriteText(s, ". ");
      const double area = 0.5 * toolkit::Hypot3(w * p[3] - v, u - p[2], (p[2] - u) * w);
      toolkit::AnsWriteTextNumber(s, NoValues(4) + "&", area, NoValues(4));
      return;
    }
    case 6: {
      int i1 = p[3] < 4 ? p[3] : 1;
      const int i2 = p[4] < 4 ? p[4] : 2;
      if (i1 == i2) i1 = i1 + 1;
      const auto& t1 = t_of[p[2]];
      const auto& t2 = t_of[p[5]];
      SetCoefficients(n, t1[1], t1[2], t1[3]);
      // Index 4 is the free term, which is set next: then no component is negated.
      n[i1] = -n[i1];
      n[4] = 2 * p[7] + 1;
      Coefficients second;
      SetCoefficients(second, t2[2], t2[1], t2[3]);
      second[i2] = -second[i2];
      second[4] = p[6] + p[3];
      const int dot = n[1] * second[1] + n[2] * second[2] + n[3] * second[3];
      WriteText(s, " Найти косинус угла между плоскостями ");
      WriteText(s, "$$ ");
      WriteTwoPlanes(s, n, second, false, "=0,$$  $$", "=0.$$ ");
      toolkit::AnsWrite(s, NoValues(5) + "&");
      if (dot == 0) {
        toolkit::AnsWrite(s, "0");
      } else {
        toolkit::AnsWriteFraction(s, dot, l_of[p[2]] * l_of[p[5]]);
      }
      toolkit::AnsWrite(s, NoValues(3));
      return;
    }
    case 7: {
      const int a = p[2] - 1, b = p[3] - 1, c = p[4] - 1, d = p[5] - 1, e = p[6] - 1;
      const int sx = a * e - a * c * d + b * d - 6 * p[7];
      // The one problem whose coordinates change from run to run: its volume does not.
      const int ox = toolkit::Random(s, 5) + 2;
      const int oy = toolkit::Random(s, 4) - 2;
      const int oz = toolkit::Random(s, 3) - 1;
      WriteText(s, " Найти объем тетраэдра с вершинами ");
      WriteLabelledPoint(s, a + ox, oy, oz + 1, "A");
      WriteText(s, ", ");
      WriteLabelledPoint(s, ox + b, oy + 1, c + oz, "B");
      WriteText(s, ", ");
      WriteLabelledPoint(s, ox + sx, d + oy, e + oz, "C");
      WriteText(s, ", ");
      WriteLabelledPoint(s, ox, oy, oz, "D");
      WriteText(s, ". ");
      toolkit::AnsWriteTextNumber(s, " " + NoValues(6) + "&", p[7], " " + NoValues(2));
      return;
    }
    case 8: {
      const int k = p[2] == 1 || p[2] == 5 ? p[3] : 1;
      const auto& t = t_of[p[2]];
      SetCoefficients(n, t[1], t[2], t[3], p[7] * t[3]);
      WriteText(s, " Найти расстояние от точки ");
      WriteLabelledPoint(s, k * t[1] + p[6] * t[3], k * t[2], k * t[3] - t[1] * p[6] - p[7], "A");
      WriteText(s, " до плоскости ");
      WritePlaneEquation(s, n);
      toolkit::AnsWriteTextNumber(s, NoValues(3) + "&", l_of[p[2]] * k, NoValues(5));
      return;
    }
    case 9: {
      const auto& t = t_of[p[2]];
      SetCoefficients(n, t[1], t[2], t[3], p[3]);
      Coefficients second;
      SetCoefficients(second, t[1], t[2], t[3], l_of[p[2]] * p[4] + p[3]);
      WriteText(s, " Найти расстояние между плоскостями $$");
      WriteTwoPlanes(s, n, second, false, "=0,$$ $$", "=0.$$");
      toolkit::AnsWriteTextNumber(s, NoValues(3) + "&", p[4], NoValues(5));
      return;
    }
    case 10: {
      const auto& t = t_of[p[5]];
      const int sv = p[3] - 2;
      SetCoefficients(n, p[2] * t[3] * sv + t[3], p[2] * t[3],
                      -p[2] * sv * t[1] - p[2] * t[2] - t[1], p[6]);
      Coefficients second;
      SetCoefficients(second, sv * t[3], t[3], -(t[1] * sv + t[2]), t[3]);
      WriteText(s, " Найти единичный вектор, лежащий на пересечении плоскостей $$");
      WriteTwoPlanes(s, n, second, true, "=0,$$ $$ ", "=0.$$");
      const int l = l_of[p[5]];
      toolkit::AnsWriteText3Numbers(s, NoValues(7) + "&\\small \\{", t[1], "/", l, ",", t[2], "/");
      toolkit::AnsWriteText3Numbers(s, "", l, ",", t[3], "/", l, "\\}" + NoValues(1));
      return;
    }
    case 11: {
      const int p4 = p[4] + 1;
      int u = p[5] + p[6] - p[7];
      const int b = p[5], c = p[6] + 1;
      // The answer lies in the plane of the origin and the first line whatever u is; were it
      // parallel to that line, no line through the origin would meet both.
      if (u * (p[2] + p[3]) == c * p4 * p[3]) u = u + 1;
      WriteText(s,
                " Найти уравнение прямой, проходящей через начало координат и пресекающую "
                "прямые ");
      SetCoefficients(n, u, b, c);
      WriteCanonicalLine(s, n, p[7], 0, 0);
      SetCoefficients(n, p4, -1, 1);
      WriteCanonicalLine(s, n, p4 * b * p[2], p[3] * (b + c), p[2] * (b + c));
      const Vector3 r = Normalized({c * p4 * p[3], b * (p[2] + p[3]), c * (p[2] + p[3])});
      toolkit::AnsWriteText3Numbers(s, NoValues(8) + "&\\small $x/", r.x, "=y/", r.y, "=z/", r.z,
                                    "$");
      return;
    }
    case 12: {
      const int u = p[5] + p[6] - p[7], b = p[5], c = p[6] + 1;
      const Vector3 p0{p[2], p[3], p[4]};
      Vector3 d{p[2] + p[3] - 1, p[4] + p[5] - 1, p[7]};
      // A line through the origin, or one parallel to the plane, leaves no single answer (or
      // none): tilt it. One step is always enough.
      const auto leaves_no_answer = [&] {
        const Vector3 m = Cross(p0, d);
        return (m.x == 0 && m.y == 0 && m.z == 0) || u * d.x + b * d.y + c * d.z == 0;
      };
      while (leaves_no_answer()) d.z = d.z + 1;
      WriteText(s, " Найти уравнение прямой параллельной плоскости $");
      SetCoefficients(n, u, b, c, p[7] + p[6]);
      WritePlaneNormalized(s, n);
      WriteText(s, "=0,$ проходящей через начало координат и пресекающую прямую ");
      SetCoefficients(n, d.x, d.y, d.z);
      WriteCanonicalLine(s, n, p0.x, p0.y, p0.z);
      const Vector3 r = Normalized(Cross({u, b, c}, Cross(p0, d)));
      toolkit::AnsWrite(s, NoValues(8) + "& \\small $ ");
      AnsWriteRatioLine(s, r);
      return;
    }
    case 13: {
      const int a = p[2], b1 = p[2] + p[3] + 1, b2 = p[2] + p[4] + 1;
      WriteText(s, " Найти проекцию прямой ");
      SetCoefficients(n, 3 * a - b1 - b2, b1, b2);
      WriteCanonicalLine(s, n, 0, 0, 0);
      WriteText(s, "на плоскость $x+y+z+3=0$.");
      const Vector3 r = Normalized({2 * a - b1 - b2, b1 - a, b2 - a});
      toolkit::AnsWrite(s, NoValues(8) + "& \\small $ ");
      toolkit::AnsWriteSignedRatio(s, "(x$+$1)", r.x);
      toolkit::AnsWrite(s, "$=$");
      toolkit::AnsWriteSignedRatio(s, "(y$+$1)", r.y);
      toolkit::AnsWrite(s, "$=$");
      toolkit::AnsWriteSignedRatio(s, "(z$+$1)$", r.z);
      return;
    }
    case 14: {
      const int a = p[2], g1 = p[2] + p[3], g2 = g1 + p[4];
      Vector3 normal{p[5] + a, g1 + p[6], g2 + p[7]};
      const Vector3 d{a, g1, g2};
      // A plane perpendicular to the line holds a whole pencil of answers: tilt it.
      const Vector3 m = Cross(d, normal);
      if (m.x == 0 && m.y == 0 && m.z == 0) normal.z = normal.z + 1;
      WriteText(s,
                " Найти уравнение прямой, проходящей через начало координат, лежащей на "
                "плоскости $");
      SetCoefficients(n, normal.x, normal.y, normal.z, 0);
      WritePlaneNormalized(s, n);
      WriteText(s, "=0,$ перпендикулярно прямой ");
      SetCoefficients(n, d.x, d.y, d.z);
      WriteCanonicalLine(s, n, 0, 0, 0);
      const Vector3 r = Normalized(Cross(d, normal));
      toolkit::AnsWrite(s, NoValues(8) + "& \\small $ ");
      AnsWriteRatioLine(s, r);
      return;
    }
    default: {
      const int za = p[2] + p[3];
      WriteText(s,
                " Вершина $C$ прямого угла треугольника $ABC$ лежит на оси $0z$. Даны "
                "координаты ");
      WriteLabelledPoint(s, -p[6], 1, za, "A");
      WriteText(s, ", ");
      WriteLabelledPoint(s, p[7], p[4] * p[4] - p[3] * p[3] + p[6] * p[7], za + 2 * p[4], "B");
      WriteText(s, ". Найти $z_C$.");
      toolkit::AnsWriteText2Numbers(s, "&0&0&", za + p[3] + p[4], ";", za - p[3] + p[4],
                                    NoValues(6));
      return;
    }
  }
}

}  // namespace

void BeginSpaceGeometryProblem(SharedState& s) {
  s.ParboxWidth = 195;
  toolkit::AnsBeginTable(s, 10);
  toolkit::AnsWriteLine(s,
                        "\\No\\ru & $x$ & $y$ & $z$ & $h$& $S$ & $\\cos\\alpha$& $V$& $\\bar "
                        "e$& Прямая \\\\\\hline");
}

void WriteSpaceGeometryVariant(SharedState& s) {
  const int kind = s.P1;
  // p[k] is Pk; the point kinds take -1 for a parameter above 3.
  int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  if (kind <= 3) {
    for (int k = 2; k <= 7; ++k) {
      if (p[k] > 3) p[k] = -1;
    }
  }
  toolkit::AnsWriteTextNumberLn(s, "", toolkit::PrintedVariantNumber(s), "");
  WriteText(s, "\\parbox[t][34mm]{233pt}{");
  Coefficients n;
  ClearPlaneCoefficients(n);
  Vector3 point{};
  if (kind <= 3) {
    point = WritePointKind(s, n, kind, p);
  } else {
    WriteOtherKind(s, n, kind, p);
  }
  WriteText(s, "} ");
  if (kind <= 3) {
    toolkit::AnsWriteText3Numbers(s, "&", point.x, "&", point.y, "&", point.z, NoValues(6));
  }
}

}  // namespace algebra
