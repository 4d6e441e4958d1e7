#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shell/dispatch.h"
#include "subjects/algebra/algebra_check.h"
#include "subjects/shared_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/run_harness.h"
#include "toolkit/random_source.h"
#include "toolkit/terms.h"

// Answer checks for Algebra row 21 (points, lines and planes in space): the printed points,
// lines and planes are read back and every answer is found again by plain vector algebra
// over exact rationals, whatever route the generator took.
namespace {

using algebra_check::Cut;
using algebra_check::Integers;
using algebra_check::Params;
using algebra_check::Rational;
using algebra_check::RunRow;

constexpr int kRow = 21;

using R3 = std::array<Rational, 3>;
using V3 = std::array<long long, 3>;

Rational Dot(const R3& a, const R3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
R3 Cross(const R3& a, const R3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
R3 Sub(const R3& a, const R3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
R3 AddScaled(const R3& a, Rational k, const R3& b) {
  return {a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]};
}
bool IsZero(const R3& a) { return a[0] == 0 && a[1] == 0 && a[2] == 0; }
R3 Of(const V3& v) { return {Rational(v[0]), Rational(v[1]), Rational(v[2])}; }
std::string Text(const R3& a) {
  return "(" + a[0].Text() + ", " + a[1].Text() + ", " + a[2].Text() + ")";
}

// Text with blanks and line ends taken out.
std::string Squeezed(const std::string& text) {
  std::string out;
  for (char ch : text) {
    if (ch != ' ' && ch != '\r' && ch != '\n') out += ch;
  }
  return out;
}

// The point written as "$A(x,y,z)".
V3 ReadPoint(const std::string& main, char letter) {
  std::size_t from = 0;
  const std::vector<long long> v = Integers(Cut(main, std::string("$") + letter + "(", ")", from));
  EXPECT_EQ(v.size(), 3u) << letter << " in\n" << main;
  return v.size() == 3 ? V3{v[0], v[1], v[2]} : V3{};
}

struct Line {
  R3 point, direction;
};

// The canonical equations "\frac{x-x0}{l}=\frac{y}{m}=\frac{z+z0}{n}" that begin at or after
// `from` (blanks and line ends already squeezed out); `from` moves past them.
Line ReadLine(const std::string& text, std::size_t& from) {
  Line line;
  for (int k = 0; k < 3; ++k) {
    const std::string open = std::string("\\frac{") + "xyz"[k];
    const std::size_t at = text.find(open, from);
    EXPECT_NE(at, std::string::npos) << open << " in\n" << text;
    if (at == std::string::npos) return line;
    const std::size_t mid = text.find("}{", at);
    const std::size_t end = text.find('}', mid + 2);
    const std::string shift = text.substr(at + open.size(), mid - at - open.size());
    const std::string value = !shift.empty() && shift[0] == '+' ? shift.substr(1) : shift;
    line.point[k] = shift.empty() ? Rational(0) : Rational(0) - algebra_check::ParseDecimal(value);
    line.direction[k] = algebra_check::ParseDecimal(text.substr(mid + 2, end - mid - 2));
    from = end + 1;
  }
  return line;
}

struct Plane {
  R3 normal;
  Rational free;
};

// The left side "2x-y+3z-4" (squeezed) of a plane's equation.
Plane ReadPlane(const std::string& left) {
  Plane plane{{Rational(0), Rational(0), Rational(0)}, Rational(0)};
  std::size_t i = 0;
  while (i < left.size()) {
    int sign = 1;
    if (left[i] == '+' || left[i] == '-') sign = left[i++] == '-' ? -1 : 1;
    long long value = 0;
    bool digits = false;
    while (i < left.size() && std::isdigit(static_cast<unsigned char>(left[i]))) {
      value = value * 10 + (left[i++] - '0');
      digits = true;
    }
    if (i < left.size() && left[i] >= 'x' && left[i] <= 'z') {
      const int k = left[i++] - 'x';
      plane.normal[k] = plane.normal[k] + Rational(sign * (digits ? value : 1));
    } else if (digits) {
      plane.free = plane.free + Rational(sign * value);
    } else {
      ADD_FAILURE() << "unreadable plane " << left;
      break;
    }
  }
  return plane;
}

// The answers row split at "&": cell 0 is the variant number.
std::vector<std::string> Cells(const std::string& ans) {
  std::vector<std::string> cells(1);
  for (char ch : ans) {
    if (ch == '&') {
      cells.emplace_back();
    } else {
      cells.back() += ch;
    }
  }
  for (std::string& cell : cells) cell = Squeezed(cell);
  return cells;
}

// "12", "-3", "7/5", "4/9" as an exact rational.
Rational ReadRatio(const std::string& cell) {
  const std::size_t slash = cell.find('/');
  if (slash == std::string::npos) return algebra_check::ParseDecimal(cell);
  return algebra_check::ParseDecimal(cell.substr(0, slash)) /
         algebra_check::ParseDecimal(cell.substr(slash + 1));
}

// The direction of "x/r1=y/r2=z/r3" or of its signed-ratio forms (" x/3=-y/2= z$/5",
// "-(x$+$1)/5$=$ ..."): each part's sign is its leading "-", its size the number after "/".
R3 ReadRatioLine(const std::string& cell, const std::string& separator) {
  std::string body = cell;
  const std::size_t small = body.find("\\small");
  if (small != std::string::npos) body = body.substr(small + 6);
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = body.find(separator, from);
    parts.push_back(body.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) break;
    from = at + separator.size();
  }
  R3 r{};
  EXPECT_EQ(parts.size(), 3u) << cell;
  for (std::size_t k = 0; k < parts.size() && k < 3; ++k) {
    std::string part = parts[k];
    while (!part.empty() && part.front() == '$') part.erase(part.begin());
    const bool minus = !part.empty() && part.front() == '-';
    const std::size_t slash = part.rfind('/');
    std::string number = part.substr(slash + 1);
    while (!number.empty() && number.back() == '$') number.pop_back();
    const Rational value = algebra_check::ParseDecimal(number);
    r[k] = minus ? Rational(0) - value : value;
  }
  return r;
}

std::string Where(const Params& p) { return algebra_check::Where(p); }

// Draws given in advance, in order: the tetrahedron's volume is checked for every position.
class ScriptedDraws : public toolkit::RandomSource {
 public:
  explicit ScriptedDraws(std::vector<int> draws) : draws_(std::move(draws)) {}
  int RandomInt(int n) override {
    EXPECT_LT(next_, draws_.size());
    const int v = next_ < draws_.size() ? draws_[next_++] : 0;
    EXPECT_LT(v, n);
    return v;
  }

 private:
  std::vector<int> draws_;
  std::size_t next_ = 0;
};

// One variant read back and checked, drawing from `random` when given.
void CheckVariant(const Params& p, toolkit::RandomSource* random = nullptr) {
  const auto out = RunRow(kRow, p, 1, 1, false, random);
  const std::string where = Where(p) + "\n" + out.main + "\n" + out.ans;
  const std::string main = Squeezed(out.main);
  const std::vector<std::string> cells = Cells(out.ans);
  ASSERT_EQ(cells.size(), 10u) << where;
  EXPECT_EQ(cells[0], "1") << where;
  ASSERT_EQ(main.rfind("\\parbox[t][34mm]{233pt}{", 0), 0u) << where;
  ASSERT_EQ(out.main.substr(out.main.size() - 2), "} ") << where;
  // The columns each kind fills; every other cell has no value.
  const int kind = p[0];
  std::vector<int> filled;
  if (kind <= 3 || kind == 15) {
    filled = {1, 2, 3};
  } else if (kind == 4 || kind == 8 || kind == 9) {
    filled = {4};
  } else if (kind == 5) {
    filled = {5};
  } else if (kind == 6) {
    filled = {6};
  } else if (kind == 7) {
    filled = {7};
  } else if (kind == 10) {
    filled = {8};
  } else {
    filled = {9};
  }
  for (int c = 1; c <= 9; ++c) {
    const bool own = std::find(filled.begin(), filled.end(), c) != filled.end();
    if (!own) {
      EXPECT_EQ(cells[c], toolkit::kNoValue) << "cell " << c << " " << where;
    }
  }
  const std::size_t start = std::string("\\parbox[t][34mm]{233pt}{").size();
  std::size_t from = start;

  auto answer_point = [&]() {
    return R3{ReadRatio(cells[1]), ReadRatio(cells[2]), ReadRatio(cells[3])};
  };
  auto plane_between = [&](const std::string& open, const std::string& close) {
    return ReadPlane(Cut(main, open, close, from));
  };

  switch (kind) {
    case 1: {
      const Line l = ReadLine(main, from);
      const Plane pl = plane_between("\\$", "=0.$");
      const Rational along = Dot(pl.normal, l.direction);
      ASSERT_FALSE(along == 0) << "line parallel to the plane " << where;
      const Rational s = (Rational(0) - Dot(pl.normal, l.point) - pl.free) / along;
      const R3 x = AddScaled(l.point, s, l.direction);
      EXPECT_EQ(Text(answer_point()), Text(x)) << where;
      break;
    }
    case 2: {
      const R3 a = Of(ReadPoint(out.main, 'A'));
      from = main.find("наплоскость");
      const Plane pl = plane_between("\\$", "=0.$");
      const Rational k = (Dot(pl.normal, a) + pl.free) / Dot(pl.normal, pl.normal);
      EXPECT_EQ(Text(answer_point()), Text(AddScaled(a, Rational(0) - k, pl.normal))) << where;
      break;
    }
    case 3: {
      const R3 a = Of(ReadPoint(out.main, 'A'));
      from = main.find("напрямую");
      const Line l = ReadLine(main, from);
      const Rational k = Dot(Sub(a, l.point), l.direction) / Dot(l.direction, l.direction);
      EXPECT_EQ(Text(answer_point()), Text(AddScaled(l.point, k, l.direction))) << where;
      break;
    }
    case 4: {
      const R3 a = Of(ReadPoint(out.main, 'A')), b = Of(ReadPoint(out.main, 'B'));
      const R3 c = Of(ReadPoint(out.main, 'C')), d = Of(ReadPoint(out.main, 'D'));
      const R3 n = Cross(Sub(b, a), Sub(d, c));
      ASSERT_FALSE(IsZero(n)) << "parallel lines " << where;
      const Rational t = Dot(Sub(c, a), n);
      const Rational h = ReadRatio(cells[4]);
      EXPECT_EQ((h * h * Dot(n, n)).Text(), (t * t).Text()) << where;
      EXPECT_FALSE(h == 0) << where;
      break;
    }
    case 5: {
      const R3 a = Of(ReadPoint(out.main, 'A')), b = Of(ReadPoint(out.main, 'B'));
      const R3 c = Of(ReadPoint(out.main, 'C'));
      const R3 n = Cross(Sub(b, a), Sub(c, a));
      const Rational area = algebra_check::ParseDecimal(cells[5]);
      EXPECT_EQ((Rational(4) * area * area).Text(), Dot(n, n).Text()) << where;
      break;
    }
    case 6: {
      const Plane first = plane_between("$$", "=0,$$");
      const Plane second = plane_between("$$", "=0.$$");
      const Rational dot = Dot(first.normal, second.normal);
      const Rational cosine = ReadRatio(cells[6]);
      EXPECT_EQ(
          (cosine * cosine * Dot(first.normal, first.normal) * Dot(second.normal, second.normal))
              .Text(),
          (dot * dot).Text())
          << where;
      EXPECT_EQ(cosine.num > 0, dot.num > 0) << where;
      if (dot == 0) {
        EXPECT_EQ(cells[6], "0") << where;
      }
      break;
    }
    case 7: {
      const R3 a = Of(ReadPoint(out.main, 'A')), b = Of(ReadPoint(out.main, 'B'));
      const R3 c = Of(ReadPoint(out.main, 'C')), d = Of(ReadPoint(out.main, 'D'));
      Rational six = Dot(Sub(a, d), Cross(Sub(b, d), Sub(c, d)));
      if (six.num < 0) six = Rational(0) - six;
      EXPECT_EQ((six / Rational(6)).Text(), cells[7]) << where;
      break;
    }
    case 8: {
      const R3 a = Of(ReadPoint(out.main, 'A'));
      from = main.find("доплоскости");
      const Plane pl = plane_between("\\$", "=0.$");
      const Rational t = Dot(pl.normal, a) + pl.free;
      const Rational h = ReadRatio(cells[4]);
      EXPECT_EQ((h * h * Dot(pl.normal, pl.normal)).Text(), (t * t).Text()) << where;
      EXPECT_TRUE(h.num > 0) << where;
      break;
    }
    case 9: {
      const Plane first = plane_between("$$", "=0,$$");
      const Plane second = plane_between("$$", "=0.$$");
      ASSERT_EQ(Text(first.normal), Text(second.normal)) << where;
      const Rational t = first.free - second.free;
      const Rational h = ReadRatio(cells[4]);
      EXPECT_EQ((h * h * Dot(first.normal, first.normal)).Text(), (t * t).Text()) << where;
      EXPECT_TRUE(h.num > 0) << where;
      break;
    }
    case 10: {
      const Plane first = plane_between("$$", "=0,$$");
      const Plane second = plane_between("$$", "=0.$$");
      ASSERT_FALSE(IsZero(Cross(first.normal, second.normal))) << "parallel planes " << where;
      std::size_t at = 0;
      const std::string body = Cut(cells[8], "\\{", "\\}", at);
      R3 e{};
      std::size_t part = 0;
      for (int k = 0; k < 3; ++k) {
        const std::size_t comma = body.find(',', part);
        e[k] = ReadRatio(
            body.substr(part, comma == std::string::npos ? std::string::npos : comma - part));
        part = comma + 1;
      }
      EXPECT_EQ(Dot(e, e).Text(), "1") << where;
      EXPECT_EQ(Dot(e, first.normal).Text(), "0") << where;
      EXPECT_EQ(Dot(e, second.normal).Text(), "0") << where;
      break;
    }
    case 11: {
      const Line first = ReadLine(main, from);
      const Line second = ReadLine(main, from);
      ASSERT_NE(cells[9].find("$x/"), std::string::npos) << where;
      const R3 r = ReadRatioLine(cells[9], "=");
      ASSERT_FALSE(IsZero(r)) << where;
      // Through the origin, it meets a line when it lies in one plane with it and is not
      // parallel to it.
      for (const Line& l : {first, second}) {
        EXPECT_EQ(Dot(l.point, Cross(l.direction, r)).Text(), "0") << where;
        EXPECT_FALSE(IsZero(Cross(l.direction, r))) << "parallel to a given line " << where;
      }
      break;
    }
    case 12: {
      const Plane pl = plane_between("$", "=0,$");
      const Line l = ReadLine(main, from);
      const R3 r = ReadRatioLine(cells[9], "=");
      ASSERT_FALSE(IsZero(r)) << where;
      EXPECT_EQ(Dot(pl.normal, r).Text(), "0") << where;
      EXPECT_EQ(Dot(l.point, Cross(l.direction, r)).Text(), "0") << where;
      EXPECT_FALSE(IsZero(Cross(l.direction, r))) << "parallel to the given line " << where;
      break;
    }
    case 13: {
      const Line l = ReadLine(main, from);
      ASSERT_NE(main.find("наплоскость$x+y+z+3=0$."), std::string::npos) << where;
      const R3 n{Rational(1), Rational(1), Rational(1)};
      // The projection of the origin onto x+y+z+3=0 is (-1,-1,-1): the answer's "(x+1)".
      ASSERT_TRUE(IsZero(l.point)) << where;
      const Rational k = Dot(l.direction, n) / Dot(n, n);
      const R3 projected = AddScaled(l.direction, Rational(0) - k, n);
      ASSERT_FALSE(IsZero(projected)) << "line perpendicular to the plane " << where;
      const R3 r = ReadRatioLine(cells[9], "$=$");
      EXPECT_TRUE(IsZero(Cross(projected, r))) << Text(projected) << " " << where;
      EXPECT_FALSE(IsZero(r)) << where;
      for (const char* axis : {"(x$+$1)", "(y$+$1)", "(z$+$1)"}) {
        EXPECT_NE(cells[9].find(axis), std::string::npos) << where;
      }
      break;
    }
    case 14: {
      const Plane pl = plane_between("$", "=0,$");
      EXPECT_TRUE(pl.free == 0) << where;
      const Line l = ReadLine(main, from);
      const R3 r = ReadRatioLine(cells[9], "=");
      ASSERT_FALSE(IsZero(r)) << where;
      EXPECT_EQ(Dot(pl.normal, r).Text(), "0") << where;
      EXPECT_EQ(Dot(l.direction, r).Text(), "0") << where;
      break;
    }
    default: {
      const R3 a = Of(ReadPoint(out.main, 'A')), b = Of(ReadPoint(out.main, 'B'));
      EXPECT_EQ(cells[1], "0") << where;
      EXPECT_EQ(cells[2], "0") << where;
      const std::size_t semicolon = cells[3].find(';');
      ASSERT_NE(semicolon, std::string::npos) << where;
      const Rational z1 = ReadRatio(cells[3].substr(0, semicolon));
      const Rational z2 = ReadRatio(cells[3].substr(semicolon + 1));
      EXPECT_FALSE(z1 == z2) << where;
      // (A - C).(B - C) = 0 is a quadratic in z_C: two distinct roots are all of them.
      for (const Rational& z : {z1, z2}) {
        const R3 c{Rational(0), Rational(0), z};
        EXPECT_EQ(Dot(Sub(a, c), Sub(b, c)).Text(), "0") << where;
      }
      break;
    }
  }
}

TEST(SpaceGeometry, EveryKindsAnswerFromThePrintedData) {
  const long long checked =
      algebra_check::ForEachParams({15, 5, 5, 5, 5, 5, 5}, 9000, [](const Params& p) {
        if (p[0] != 7) {
          CheckVariant(p);
          return;
        }
        // Every position the three draws can give.
        for (int x = 0; x < 5; ++x) {
          for (int y = 0; y < 4; ++y) {
            for (int z = 0; z < 3; ++z) {
              ScriptedDraws draws({x, y, z});
              CheckVariant(p, &draws);
            }
          }
        }
      });
  EXPECT_GT(checked, 0);
}

// The point kinds read a parameter above 3 as -1; the others take the parameters as stored.
TEST(SpaceGeometry, PointKindsReadLargeParametersAsMinusOne) {
  for (int kind = 1; kind <= 3; ++kind) {
    const auto large = RunRow(kRow, {kind, 4, 5, 4, 5, 4, 5}, 1);
    const auto minus = RunRow(kRow, {kind, 5, 4, 5, 4, 5, 4}, 1);
    EXPECT_EQ(large.main, minus.main) << kind;
    EXPECT_EQ(large.ans, minus.ans) << kind;
  }
  EXPECT_NE(RunRow(kRow, {8, 1, 4, 1, 1, 1, 1}, 1).ans, RunRow(kRow, {8, 1, 5, 1, 1, 1, 1}, 1).ans);
}

// The volume kind takes its position from the program's generator: the coordinates follow the
// draws, the volume does not, and without a generator every draw is 0.
TEST(SpaceGeometry, TetrahedronMovesWithTheDrawsAndKeepsItsVolume) {
  const Params p{7, 3, 2, 4, 5, 1, 2};
  std::unique_ptr<SharedState> s = testing_support::NewState();
  testing_support::FakePlatform platform;
  s->RandomNumbers = &platform;
  std::vector<testing_support::VariantParams> variants(12, p);
  const auto run =
      testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 3, kRow, variants);
  s->RandomNumbers = nullptr;
  // The fake platform's fixed seed pins the first variant's position.
  EXPECT_EQ(run.main.substr(0, run.main.find("} ") + 2),
            "\\parbox[t][34mm]{233pt}{ Найти объем тетраэдра с вершинами $A(8,0,2)\r\n$, "
            "$B(7,1,4)\r\n$, $C(-26,4,1)\r\n$, $D(6,0,1)\r\n$. } ");
  EXPECT_EQ(platform.random_requests.size(), 36u);
  for (std::size_t i = 0; i < platform.random_requests.size(); ++i) {
    EXPECT_EQ(platform.random_requests[i], 5 - static_cast<int>(i % 3));
  }
  // Twelve variants of one set: several positions, one volume.
  std::vector<std::string> positions;
  std::size_t at = 0;
  while ((at = run.main.find("$D(", at)) != std::string::npos) {
    positions.push_back(run.main.substr(at, run.main.find(')', at) - at));
    ++at;
  }
  ASSERT_EQ(positions.size(), 12u);
  std::sort(positions.begin(), positions.end());
  EXPECT_GT(std::unique(positions.begin(), positions.end()) - positions.begin(), 3);
  std::size_t volumes = 0;
  for (std::size_t i = run.answers.find("&2 &---&---"); i != std::string::npos;
       i = run.answers.find("&2 &---&---", i + 1)) {
    ++volumes;
  }
  EXPECT_EQ(volumes, 12u);
  // No generator: D = (2, -2, -1).
  EXPECT_NE(RunRow(kRow, p, 1).main.find("$D(2,-2,-1)"), std::string::npos);
}

}  // namespace
