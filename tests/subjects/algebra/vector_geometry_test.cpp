#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/algebra/algebra_check.h"

// Answer checks for the vector and space-geometry rows (12, 16, 17, 23): the printed data are
// read back and the answers are solved again by other routes than the generators take.
namespace {

using algebra_check::Cut;
using algebra_check::Integers;
using algebra_check::Params;
using algebra_check::RunRow;

std::string Where(const Params& p, int level) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w + ", Level " + std::to_string(level);
}

// Every decimal number written in text, in order ("-1.250", "3").
std::vector<double> Decimals(const std::string& text) {
  std::vector<double> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool sign = text[i] == '-' && i + 1 < text.size() &&
                      std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    char* end = nullptr;
    out.push_back(std::strtod(text.c_str() + i, &end));
    i = static_cast<std::size_t>(end - text.c_str()) - 1;
  }
  return out;
}

using V3 = std::array<long long, 3>;

V3 Add(const V3& a, const V3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
V3 Sub(const V3& a, const V3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
long long Dot(const V3& a, const V3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
// The triple product (a, b, c) as the determinant of the rows a, b, c.
long long Triple(const V3& a, const V3& b, const V3& c) {
  return algebra_check::Det({{a[0], a[1], a[2]}, {b[0], b[1], b[2]}, {c[0], c[1], c[2]}});
}

V3 ReadV3(const std::string& text) {
  const std::vector<long long> v = Integers(text);
  EXPECT_EQ(v.size(), 3u) << text;
  return v.size() == 3 ? V3{v[0], v[1], v[2]} : V3{};
}

// Row 12: x is the printed formula's triple product of the printed vectors, every term kept.
TEST(VectorAlgebra, PrintedFormulaOfPrintedVectors) {
  algebra_check::ForEachParams({20, 20, 20, 20, 20, 0, 0}, 4000, [&](const Params& p) {
    const auto out = RunRow(12, p, 1);
    const std::string where = Where(p, 1);
    std::size_t from = 0;
    V3 v[4];
    for (int i = 0; i < 4; ++i) {
      const std::string open = std::string("$\\vec ") + "abcd"[i] + "=\\{";
      v[i] = ReadV3(Cut(out.main, open, "\\}$", from));
    }
    const V3 &a = v[0], &b = v[1], &c = v[2], &d = v[3];
    long long x = 0;
    if (out.main.find("$x=([\\vec a,\\vec b\\ ],\\vec b+\\vec c+\\vec d\\ )$") !=
        std::string::npos) {
      x = Triple(a, b, Add(Add(b, c), d));
    } else if (out.main.find("$x=([\\vec a+\\vec b,\\vec c+\\vec d\\ ],\\vec a\\ )$") !=
               std::string::npos) {
      x = Triple(Add(a, b), Add(c, d), a);
    } else if (out.main.find("$x=([\\vec a+\\vec b+\\vec c,\\vec d\\ ],\\vec a\\ ) $") !=
               std::string::npos) {
      x = Triple(Add(Add(a, b), c), d, a);
    } else {
      ASSERT_NE(out.main.find("$x=([\\vec a+\\vec b,\\vec c\\ ],\\vec c+\\vec d\\ )$"),
                std::string::npos)
          << where << "\n" << out.main;
      x = Triple(Add(a, b), c, Add(c, d));
    }
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_EQ(cells.size(), 2u) << where << "\n" << out.ans;
    EXPECT_EQ(cells[1], x) << where << "\n" << out.main;
  });
}

// Row 23: the printed vectors form a basis with det B = 1, and B k = x for the printed k.
TEST(BasisExpansion, PrintedCoordinatesExpandThePrintedVector) {
  algebra_check::ForEachParams({6, 6, 6, 3, 3, 3, 2}, 4000, [&](const Params& p) {
    const auto out = RunRow(23, p, 1);
    const std::string where = Where(p, 1);
    std::size_t from = 0;
    V3 e[4];
    for (int i = 0; i < 4; ++i) e[i] = ReadV3(Cut(out.main, "=[", "]", from));
    algebra_check::Matrix b(3, std::vector<long long>(3));
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) b[i][j] = e[j][i];
    }
    EXPECT_EQ(algebra_check::Det(b), 1) << where << "\n" << out.main;
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_EQ(cells.size(), 4u) << where << "\n" << out.ans;
    const V3 k = {cells[1], cells[2], cells[3]};
    EXPECT_NE(k, (V3{0, 0, 0})) << where;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Dot(V3{b[i][0], b[i][1], b[i][2]}, k), e[3][i]) << where;
  });
}

// Row 16: the volume, the opposite face and the height from the named vertex (A in tickets),
// the height measured as the distance from the vertex to the plane of the face.
TEST(Tetrahedron, VolumeFaceAndHeightFromTheNamedVertex) {
  for (bool ticket : {false, true}) {
    algebra_check::ForEachParams({20, 20, 15, 15, 3, 3, 3}, 3000, [&](const Params& p) {
      const auto out = RunRow(16, p, 1, 1, ticket);
      const std::string where = Where(p, 1) + (ticket ? ", tickets" : "");
      std::size_t from = 0;
      V3 v[4];
      for (int i = 0; i < 4; ++i) {
        v[i] = ReadV3(Cut(out.main, std::string("$") + "ABCD"[i] + "(", ")", from));
      }
      int named = 0;
      if (!ticket) {
        const std::size_t at = out.main.find("$V=");
        ASSERT_NE(at, std::string::npos) << where << "\n" << out.main;
        named = out.main[at + 3] - 'A';
      } else {
        EXPECT_EQ(out.main.find("$V="), std::string::npos) << where;
      }
      ASSERT_TRUE(named >= 0 && named < 4) << where;
      const long long six_v = std::llabs(Triple(Sub(v[1], v[0]), Sub(v[2], v[0]), Sub(v[3], v[0])));
      std::vector<V3> face;
      for (int i = 0; i < 4; ++i) {
        if (i != named) face.push_back(v[i]);
      }
      const V3 u = Sub(face[1], face[0]), w = Sub(face[2], face[0]);
      // Twice the face's area by the Gram determinant.
      const double gram = static_cast<double>(Dot(u, u) * Dot(w, w) - Dot(u, w) * Dot(u, w));
      const double area = std::sqrt(gram) / 2;
      const V3 n = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                    u[0] * w[1] - u[1] * w[0]};
      const double height = std::fabs(static_cast<double>(Dot(n, Sub(v[named], face[0])))) /
                            std::sqrt(static_cast<double>(Dot(n, n)));
      const std::vector<double> cells = Decimals(out.ans);
      ASSERT_EQ(cells.size(), 4u) << where << "\n" << out.ans;
      EXPECT_GT(six_v, 0) << where;
      EXPECT_NEAR(cells[1], six_v / 6.0, 5.1e-4) << where;
      EXPECT_NEAR(cells[2], area, 5.1e-4) << where;
      EXPECT_NEAR(cells[3], height, 5.1e-4) << where;
    });
  }
}

// Row 17: the distance between AB and CD from the closest points, found by solving the
// normal equations exactly; 0 when the lines meet.
TEST(LineDistance, DistanceFromTheClosestPoints) {
  int meeting = 0;
  algebra_check::ForEachParams({20, 20, 15, 15, 4, 4, 4}, 6000, [&](const Params& p) {
    const auto out = RunRow(17, p, 1);
    const std::string where = Where(p, 1);
    std::size_t from = 0;
    V3 v[4];
    for (int i = 0; i < 4; ++i) {
      v[i] = ReadV3(Cut(out.main, std::string("$") + "ABCD"[i] + "(", ")", from));
    }
    const V3 u = Sub(v[1], v[0]), w = Sub(v[3], v[2]), r = Sub(v[2], v[0]);
    // A + s u - (C + t w) is orthogonal to u and w.
    using algebra_check::Rational;
    const std::vector<Rational> st =
        algebra_check::Solve({{Dot(u, u), -Dot(u, w)}, {Dot(u, w), -Dot(w, w)}},
                             {Rational(Dot(u, r)), Rational(Dot(w, r))});
    ASSERT_EQ(st.size(), 2u) << where << " parallel lines";
    Rational d2 = 0;
    for (int k = 0; k < 3; ++k) {
      const Rational g = Rational(-r[k]) + st[0] * Rational(u[k]) - st[1] * Rational(w[k]);
      d2 = d2 + g * g;
    }
    const double h = std::sqrt(static_cast<double>(d2.num) / static_cast<double>(d2.den));
    if (d2.num == 0) ++meeting;
    const std::vector<double> cells = Decimals(out.ans);
    ASSERT_EQ(cells.size(), 2u) << where << "\n" << out.ans;
    EXPECT_NEAR(cells[1], h, 5.1e-5) << where;
    EXPECT_NE(out.ans.find('.'), std::string::npos) << where;
  });
  EXPECT_GT(meeting, 0);
}

// text as a C string literal, for the golden table.
std::string Literal(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    if (ch == '\\' || ch == '"') {
      out += '\\';
      out += ch;
    } else if (ch == '\r') {
      out += "\\r";
    } else if (ch == '\n') {
      out += "\\n";
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

struct Golden {
  int row;
  Params p;
  bool ticket;
  const char* main;
  const char* ans;
};

// Pinned bytes of the cases that matter for rows 12 and 14..23 (one list; a failure prints
// the entry as it now stands).
TEST(VectorGeometry, GoldenLines) {
  const Golden cases[] = {
#include "vector_geometry_golden.inc"
  };
  for (const Golden& c : cases) {
    const auto out = RunRow(c.row, c.p, 1, 1, c.ticket);
    std::string params;
    for (int v : c.p) params += (params.empty() ? "" : ", ") + std::to_string(v);
    const std::string entry = "{" + std::to_string(c.row) + ", {" + params + "}, " +
                              (c.ticket ? "true" : "false") + ",\n " + Literal(out.main) +
                              ",\n " + Literal(out.ans) + "},";
    EXPECT_TRUE(out.main == c.main && out.ans == c.ans) << entry;
  }
}

}  // namespace
