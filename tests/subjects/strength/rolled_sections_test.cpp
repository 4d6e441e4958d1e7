#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "strength_run.h"
#include "subjects/strength/rolled_profiles.h"
#include "tests/support/sweep.h"

// The rolled-steel tables against the standards' files (tests/subjects/strength/rolled_steel,
// with their sources), and the two rows built of them, each variant solved afresh from what
// it prints: the profiles named by the labels and placed as the figure draws them, looked up in
// those files and summed by the parallel-axis theorem; the compressed rod's length factor from
// the drawn supports, its force by Euler's or Yasinsky's formula.
namespace strength {
namespace {

using strength_check::PicturePoint;
using strength_check::RowNumbers;
using testing_support::VariantParams;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------- the standards' files

// One CSV file: its head and the cells of each line (a quoted cell may hold commas).
struct Csv {
  std::vector<std::string> head;
  std::vector<std::vector<std::string>> lines;

  std::string Cell(std::size_t line, const std::string& column) const {
    const auto at = std::find(head.begin(), head.end(), column);
    EXPECT_NE(at, head.end()) << column;
    if (at == head.end()) return "";
    return lines[line][static_cast<std::size_t>(at - head.begin())];
  }
  double Number(std::size_t line, const std::string& column) const {
    return std::strtod(Cell(line, column).c_str(), nullptr);
  }
};

std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

Csv ReadCsv(const std::string& name) {
  std::ifstream file(std::string(TARBEL_SOURCE_DIR) + "/tests/subjects/strength/rolled_steel/" +
                     name);
  EXPECT_TRUE(file.is_open()) << name;
  Csv csv;
  std::string line;
  if (std::getline(file, line)) csv.head = SplitCsvLine(line);
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    csv.lines.push_back(SplitCsvLine(line));
    EXPECT_EQ(csv.lines.back().size(), csv.head.size()) << name << ": " << line;
  }
  return csv;
}

const Csv& IBeamFile() {
  static const Csv csv = ReadCsv("ibeams_gost_8239_89.csv");
  return csv;
}
const Csv& ChannelFile() {
  static const Csv csv = ReadCsv("channels_gost_8240_89.csv");
  return csv;
}
const Csv& AngleFile() {
  static const Csv csv = ReadCsv("angles_gost_8509_86.csv");
  return csv;
}

// The angles' values as the program's tables keep them: three significant figures, whole
// numbers from 1000 up.
double ThreeFigures(double x) {
  if (std::fabs(x) >= 1000) return std::nearbyint(x);
  const double scale = std::pow(10.0, 2 - static_cast<int>(std::floor(std::log10(std::fabs(x)))));
  return std::nearbyint(x * scale) / scale;
}

// What a student reads off a table for one profile. h in cm (I-beams and channels), b and t
// in mm, A in cm^2, second moments in cm^4, z0 in cm; `row` is the line of the file (1-based).
struct Looked {
  int row = 0;
  double h = 0, b = 0, t = 0, A = 0, Jx = 0, Jy = 0, Jx0 = 0, z0 = 0;
};

Looked IBeamNumbered(const std::string& number) {
  const Csv& f = IBeamFile();
  for (std::size_t r = 0; r < f.lines.size(); ++r) {
    if (f.Cell(r, "number") != number) continue;
    return {static_cast<int>(r + 1),
            f.Number(r, "number"),
            f.Number(r, "b_mm"),
            0,
            f.Number(r, "A_cm2"),
            f.Number(r, "Jx_cm4"),
            f.Number(r, "Jy_cm4"),
            0,
            0};
  }
  ADD_FAILURE() << "no I-beam No " << number;
  return {};
}

Looked ChannelNumbered(const std::string& designation) {
  const Csv& f = ChannelFile();
  for (std::size_t r = 0; r < f.lines.size(); ++r) {
    if (f.Cell(r, "number") != designation) continue;
    return {static_cast<int>(r + 1), f.Number(r, "h_mm") / 10, f.Number(r, "b_mm"),   0,
            f.Number(r, "A_cm2"),    f.Number(r, "Jx_cm4"),    f.Number(r, "Jy_cm4"), 0,
            f.Number(r, "z0_cm")};
  }
  ADD_FAILURE() << "no channel No " << designation;
  return {};
}

Looked AngleSized(double b_mm, double t_mm) {
  const Csv& f = AngleFile();
  for (std::size_t r = 0; r < f.lines.size(); ++r) {
    if (f.Number(r, "b_mm") != b_mm || f.Number(r, "t_mm") != t_mm) continue;
    return {static_cast<int>(r + 1),
            0,
            b_mm,
            t_mm,
            ThreeFigures(f.Number(r, "A_cm2")),
            ThreeFigures(f.Number(r, "Jx_cm4")),
            0,
            ThreeFigures(f.Number(r, "Jx0max_cm4")),
            ThreeFigures(f.Number(r, "z0_cm"))};
  }
  ADD_FAILURE() << "no angle " << b_mm << "x" << t_mm;
  return {};
}

std::string Shown(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

TEST(RolledProfileTables, EveryValueIsTheStandardsOwnOrTheAnglesRounding) {
  const Csv& ib = IBeamFile();
  ASSERT_EQ(ib.lines.size(), 13u);
  for (int r = 1; r <= 13; ++r) {
    const std::size_t line = static_cast<std::size_t>(r - 1);
    const IBeamProfile& p = kRolledProfiles.IBeamTable[r];
    EXPECT_EQ(p.number, ib.Number(line, "number")) << "I-beam row " << r;
    EXPECT_EQ(p.b, ib.Number(line, "b_mm")) << "I-beam row " << r;
    EXPECT_EQ(p.A, ib.Number(line, "A_cm2")) << "I-beam row " << r;
    EXPECT_EQ(p.Jx, ib.Number(line, "Jx_cm4")) << "I-beam row " << r;
    EXPECT_EQ(p.Jy, ib.Number(line, "Jy_cm4")) << "I-beam row " << r;
  }
  const Csv& ch = ChannelFile();
  ASSERT_EQ(ch.lines.size(), 18u);
  for (int r = 1; r <= 18; ++r) {
    const std::size_t line = static_cast<std::size_t>(r - 1);
    const ChannelProfile& p = kRolledProfiles.ChannelTable[r];
    const std::string designation = ch.Cell(line, "number");
    EXPECT_EQ(p.number, std::strtod(designation.c_str(), nullptr)) << "channel row " << r;
    EXPECT_EQ(ChannelLetter(r), designation.back() == 'a' ? "a" : "") << "channel row " << r;
    EXPECT_EQ(p.b, ch.Number(line, "b_mm")) << "channel row " << r;
    EXPECT_EQ(p.A, ch.Number(line, "A_cm2")) << "channel row " << r;
    EXPECT_EQ(p.Jx, ch.Number(line, "Jx_cm4")) << "channel row " << r;
    EXPECT_EQ(p.Jy, ch.Number(line, "Jy_cm4")) << "channel row " << r;
    EXPECT_EQ(p.z0, ch.Number(line, "z0_cm")) << "channel row " << r;
  }
  // The angles' values that the program keeps rounded: the standard's value, then the program's.
  const std::vector<std::string> rounded_expected = {
      "50x4 Jx0 14.63 -> 14.6",   "63x4 Jx 18.86 -> 18.9",     "80x6 Jx 56.97 -> 57",
      "90x7 A 12.28 -> 12.3",     "90x7 Jx0 149.67 -> 150",    "100x8 Jx 147.19 -> 147",
      "100x8 Jx0 233.46 -> 233",  "125x10 A 24.33 -> 24.3",    "125x10 Jx 359.82 -> 360",
      "125x10 Jx0 571.04 -> 571", "140x9 A 24.72 -> 24.7",     "140x9 Jx 465.72 -> 466",
      "140x9 Jx0 739.42 -> 739",  "160x12 A 37.39 -> 37.4",    "160x12 Jx 912.89 -> 913",
      "180x12 A 42.19 -> 42.2",   "180x12 Jx 1316.62 -> 1317", "180x12 Jx0 2092.78 -> 2093",
  };
  std::vector<std::string> rounded;
  const Csv& an = AngleFile();
  ASSERT_EQ(an.lines.size(), 9u);
  for (int r = 1; r <= 9; ++r) {
    const std::size_t line = static_cast<std::size_t>(r - 1);
    const EqualAngleProfile& p = kRolledProfiles.EqualAngleTable[r];
    EXPECT_EQ(p.b, an.Number(line, "b_mm")) << "angle row " << r;
    EXPECT_EQ(p.t, an.Number(line, "t_mm")) << "angle row " << r;
    const std::string size = an.Cell(line, "b_mm") + "x" + an.Cell(line, "t_mm");
    const struct {
      const char* name;
      const char* column;
      double value;
    } values[] = {{"A", "A_cm2", p.A},
                  {"Jx", "Jx_cm4", p.Jx},
                  {"Jx0", "Jx0max_cm4", p.Jx0},
                  {"z0", "z0_cm", p.z0}};
    for (const auto& v : values) {
      const double standard = an.Number(line, v.column);
      EXPECT_EQ(v.value, ThreeFigures(standard)) << size << " " << v.name;
      if (v.value != standard) {
        rounded.push_back(size + " " + v.name + " " + an.Cell(line, v.column) + " -> " +
                          Shown(v.value));
      }
    }
  }
  EXPECT_EQ(rounded, rounded_expected);
  EXPECT_STREQ(ProfileStandards[1], " ГОСТ 8239-89");
  EXPECT_STREQ(ProfileStandards[2], " ГОСТ 8240-89");
  EXPECT_STREQ(ProfileStandards[3], " ГОСТ 8509-86");
}

// ---------------------------------------------------------------- sections by the parallel axes

// One profile in the section axes: area, centroid, second moments about its own centroidal
// axes parallel to x and y and the product of inertia about them (cm, cm^2, cm^4).
struct Piece {
  double A = 0, x = 0, y = 0, Jx = 0, Jy = 0, Jxy = 0;
};

struct Section {
  double F = 0, xc = 0, yc = 0, Jx = 0, Jy = 0, Jxy = 0, Jmax = 0, Jmin = 0;
  // The moment about the central axis at deg degrees from x.
  double MomentAt(double deg) const {
    const double r = deg * std::numbers::pi / 180, c = std::cos(r), s = std::sin(r);
    return Jx * c * c + Jy * s * s - 2 * Jxy * s * c;
  }
};

Section Assemble(const std::vector<Piece>& pieces) {
  Section s;
  double Sx = 0, Sy = 0;
  for (const Piece& p : pieces) {
    s.F += p.A;
    Sy += p.A * p.x;
    Sx += p.A * p.y;
  }
  s.xc = Sy / s.F;
  s.yc = Sx / s.F;
  for (const Piece& p : pieces) {
    const double dx = p.x - s.xc, dy = p.y - s.yc;
    s.Jx += p.Jx + p.A * dy * dy;
    s.Jy += p.Jy + p.A * dx * dx;
    s.Jxy += p.Jxy + p.A * dx * dy;
  }
  // The eigenvalues of the inertia tensor [[Jx, -Jxy], [-Jxy, Jy]].
  const double tr = s.Jx + s.Jy, det = s.Jx * s.Jy - s.Jxy * s.Jxy;
  const double disc = std::sqrt(std::max(0.0, tr * tr / 4 - det));
  s.Jmax = tr / 2 + disc;
  s.Jmin = tr / 2 - disc;
  return s;
}

// An equal angle whose corner is at (cx, cy) with its legs running towards +x or -x (ux) and
// +y or -y (uy): the centroid lies z0 inside both legs; about the axes parallel to the legs
// both moments are Jx, and the product of inertia follows from the principal moments at 45
// degrees (Jx0 = Jx + |Jxy|), negative when the legs run along +x and +y.
Piece AngleAt(const Looked& a, double cx, double cy, int ux, int uy) {
  return {a.A, cx + ux * a.z0, cy + uy * a.z0, a.Jx, a.Jx, -ux * uy * (a.Jx0 - a.Jx)};
}

// ---------------------------------------------------------------- row 6: composite section

// One element of the figure: its label and the points of its outline (picture units).
struct DrawnElement {
  std::string label;
  std::vector<PicturePoint> outline;
};

struct SectionFigure {
  double y0 = kNaN;  // picture height of the x axis; the y axis is x = 0
  std::vector<DrawnElement> elements;
};

// Each element opens with "\put(x,y){" at the end of a line; its outline chains follow, then
// a leader line and the label "\scriptsize \No ...".
SectionFigure ReadSectionFigure(const std::string& main) {
  const std::size_t from = main.find("\\begin{picture}");
  const std::string pic = main.substr(from, main.find("\\end{picture}", from) - from);
  SectionFigure f;
  f.y0 = strength_check::NumberAfter(pic, "\\multiput(0,");  // the first dashed axis: x
  for (std::size_t at = pic.find("\\put("); at != std::string::npos;
       at = pic.find("\\put(", at + 1)) {
    const std::size_t close = pic.find(')', at);
    if (pic.compare(close, 4, "){\r\n") != 0) continue;
    char* end = nullptr;
    const double ox = std::strtod(pic.c_str() + at + 5, &end);
    const double oy = std::strtod(end + 1, nullptr);
    const std::string key = "\\scriptsize \\No ";
    const std::size_t label = pic.find(key, close);
    const std::size_t label_put = pic.rfind("\\put(", label);
    auto chains = strength_check::Polylines(pic.substr(close, label_put - close));
    DrawnElement e;
    e.label = pic.substr(label + key.size(), pic.find('}', label) - label - key.size());
    EXPECT_GE(chains.size(), 2u) << e.label;
    if (chains.size() < 2) continue;
    EXPECT_EQ(chains.back().size(), 2u) << "leader of " << e.label;
    chains.pop_back();
    for (const auto& chain : chains) {
      for (const PicturePoint& p : chain) e.outline.push_back({ox + p.x, oy + p.y});
    }
    f.elements.push_back(e);
  }
  return f;
}

// The profile of a drawn element placed in the section axes (cm). The label names the profile
// ("b/t" an angle, a number a channel or an I-beam); the outline's bounding box is its size and
// place, and its points show which way it is turned: an angle's outline runs through three
// corners of the box, the one missing lies across from the angle's own corner; a channel's
// outline passes through the middle of its web's outer face; an I-beam's through the middles
// of both flanges' outer faces. scale gets the picture units per millimetre.
Piece PlacedElement(const DrawnElement& e, double y0, double& scale) {
  // Each coordinate is printed to 0.01, and a point's place adds up to three of them.
  constexpr double kSlack = 0.025;
  double x1 = 1e300, x2 = -1e300, y1 = 1e300, y2 = -1e300;
  for (const PicturePoint& p : e.outline) {
    x1 = std::min(x1, p.x), x2 = std::max(x2, p.x);
    y1 = std::min(y1, p.y - y0), y2 = std::max(y2, p.y - y0);
  }
  auto drawn = [&](double x, double y) {
    return std::any_of(e.outline.begin(), e.outline.end(), [&](const PicturePoint& p) {
      return std::fabs(p.x - x) < kSlack && std::fabs(p.y - y0 - y) < kSlack;
    });
  };
  enum { kAngle, kStanding, kLying, kIBeam } kind;
  Looked t;
  double w = 0, h = 0;  // the box in mm
  const std::size_t slash = e.label.find('/');
  const double xm = (x1 + x2) / 2, ym = (y1 + y2) / 2;
  if (slash != std::string::npos) {
    kind = kAngle;
    t = AngleSized(std::nearbyint(10 * std::strtod(e.label.c_str(), nullptr)),
                   std::strtod(e.label.c_str() + slash + 1, nullptr));
    w = h = t.b;
  } else if (drawn(x1, ym) || drawn(x2, ym)) {
    kind = kStanding;
    t = ChannelNumbered(e.label);
    w = t.b, h = 10 * t.h;
  } else if (drawn(xm, y1) != drawn(xm, y2)) {
    kind = kLying;
    t = ChannelNumbered(e.label);
    w = 10 * t.h, h = t.b;
  } else {
    EXPECT_TRUE(drawn(xm, y1) && drawn(xm, y2)) << e.label << ": no profile's outline";
    kind = kIBeam;
    t = IBeamNumbered(e.label);
    w = t.b, h = 10 * t.h;
  }
  scale = (y2 - y1) / h;
  EXPECT_NEAR((x2 - x1) / w, scale, 0.002 * scale) << e.label << ": the box is not the profile's";
  // Every element touches both axes: its box starts or ends on x = 0 and on y = 0.
  EXPECT_LT(std::min(std::fabs(x1), std::fabs(x2)), kSlack) << e.label;
  EXPECT_LT(std::min(std::fabs(y1), std::fabs(y2)), kSlack) << e.label;
  const double left = std::fabs(x1) < std::fabs(x2) ? 0 : -w / 10;
  const double bottom = std::fabs(y1) < std::fabs(y2) ? 0 : -h / 10;
  const double right = left + w / 10, top = bottom + h / 10;
  switch (kind) {
    case kAngle: {
      const bool corners[2][2] = {{drawn(x1, y1), drawn(x1, y2)}, {drawn(x2, y1), drawn(x2, y2)}};
      int missing = 0, mx = 0, my = 0;
      for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
          if (!corners[i][j]) ++missing, mx = i, my = j;
        }
      }
      EXPECT_EQ(missing, 1) << e.label << ": not an angle's outline";
      // The angle's corner is across from the missing one; its legs run towards the missing one.
      const int ux = mx == 1 ? 1 : -1, uy = my == 1 ? 1 : -1;
      return AngleAt(t, ux > 0 ? left : right, uy > 0 ? bottom : top, ux, uy);
    }
    case kStanding: {
      const bool web_left = drawn(x1, ym);
      const double web = web_left ? left : right;
      return {t.A, web + (web_left ? 1 : -1) * t.z0, (bottom + top) / 2, t.Jx, t.Jy, 0};
    }
    case kLying: {
      const bool web_low = drawn(xm, y1);
      const double web = web_low ? bottom : top;
      return {t.A, (left + right) / 2, web + (web_low ? 1 : -1) * t.z0, t.Jy, t.Jx, 0};
    }
    case kIBeam:
      break;
  }
  return {t.A, (left + right) / 2, (bottom + top) / 2, t.Jx, t.Jy, 0};
}

// The answers row of row 6 checked against the section read from the figure; the figure's
// scale (picture units per mm) through `scale`.
void CheckCompositeVariant(const VariantParams& p, double* scale_out = nullptr) {
  SCOPED_TRACE(::testing::PrintToString(p));
  const auto run = strength_check::RunRow(6, {p});
  const SectionFigure f = ReadSectionFigure(run.main);
  ASSERT_EQ(f.elements.size(), 2u);
  std::vector<Piece> pieces;
  double scales[2] = {0, 0};
  for (int k = 0; k < 2; ++k) pieces.push_back(PlacedElement(f.elements[k], f.y0, scales[k]));
  EXPECT_NEAR(scales[0], scales[1], 0.002 * scales[0]) << "the two elements drawn to two scales";
  // Element 1 above the x axis, element 2 below.
  EXPECT_GT(pieces[0].y, 0);
  EXPECT_LT(pieces[1].y, 0);
  if (scale_out) *scale_out = scales[0];
  const Section s = Assemble(pieces);
  const std::vector<double> v = RowNumbers(strength_check::AnswersRow(run.answers));
  ASSERT_EQ(v.size(), 10u);
  const double expected[9] = {s.F, s.xc, s.yc, s.Jx, s.Jy, s.Jxy, s.Jmax, s.Jmin};
  const char* names[9] = {"F", "xc", "yc", "Jx", "Jy", "Jxy", "Jmax", "Jmin"};
  for (int k = 0; k < 8; ++k) {
    EXPECT_NEAR(v[static_cast<std::size_t>(k + 1)], expected[k],
                0.0051 + 1e-9 * std::fabs(expected[k]))
        << names[k];
  }
  // The angle from x to the axis of the largest moment, in -90..90 degrees; where the two
  // principal moments nearly agree every axis is principal.
  const double a = v[9];
  EXPECT_LE(std::fabs(a), 90.0);
  if (s.Jmax - s.Jmin > 1e-6 * s.Jmax) {
    const double axis = 0.5 * std::atan2(-2 * s.Jxy, s.Jx - s.Jy) * 180 / std::numbers::pi;
    const double d = std::fmod(std::fabs(a - axis), 180.0);
    EXPECT_LT(std::min(d, 180 - d), 0.0051) << "alpha " << a << ", the axis of J_max " << axis;
    EXPECT_NEAR(s.MomentAt(a), s.Jmax, 1e-6 * s.Jmax);
  }
}

TEST(CompositeSection, AnswersAreTheSectionsTheFiguresDraw) {
  // P7 has no effect (it is set to 1): the space is P1..P6.
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 6, 6, 15, 10, 9, 1}, 1500, 1, 1);
  for (const auto& point : points) CheckCompositeVariant(point.p);
  EXPECT_TRUE(testing_support::SweepCovered(static_cast<long long>(points.size()), 291600));
}

TEST(CompositeSection, EdgeCasesAsGoldenLines) {
  struct Case {
    VariantParams p;
    const char* row;
  } cases[] = {
      // Two equal channels No 16a lying back to back: no product of inertia, J_y the larger: 90.
      {{5, 5, 1, 8, 1, 4, 1}, "1& 39.00&  8.00&  0.00&313.60&1646.00&  0.00&1646.00&313.60& 90.00"},
      // Two I-beams No 10 one on the other: J_x the larger: 0.
      {{6, 6, 1, 1, 1, 1, 1}, "1& 24.00&  2.75&  0.00&996.00& 35.80&  0.00&996.00& 35.80&  0.00"},
      // Channel No 16a standing over a lying 16a (p4 = 8, 2 p6 = 8).
      {{3, 5, 1, 8, 1, 4, 1}, ""},
      // The tallest figure: channel No 30 over channel No 30 (rows 15 and p6 + p3 = 15).
      {{3, 3, 6, 15, 1, 9, 1}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.p));
    const auto run = strength_check::RunRow(6, {c.p});
    if (*c.row) {
      EXPECT_EQ(strength_check::AnswersRow(run.answers), c.row);
    }
  }
  double scale = 0;
  CheckCompositeVariant({3, 3, 6, 15, 1, 9, 1}, &scale);
  EXPECT_NEAR(scale, 80.0 / 600, 1e-4);  // 2 x 300 mm in the 80-unit box
  // A stored P7 of 13 still gives I-beam No 10 as element 2.
  const auto stored13 = strength_check::RunRow(6, {{6, 6, 1, 1, 4, 1, 13}});
  const auto stored1 = strength_check::RunRow(6, {{6, 6, 1, 1, 4, 1, 1}});
  EXPECT_EQ(stored13.main, stored1.main);
  EXPECT_EQ(stored13.answers, stored1.answers);
  EXPECT_NE(stored13.main.find("{\\scriptsize \\No 10}}"), std::string::npos);
}

TEST(CompositeSection, LabelsOfTheLetteredChannelsAndTheFractionalLegs) {
  // Channel row 8 prints as 16 with the letter, row 7 as 16 alone; angle legs 6.3 and 12.5.
  const std::string a = strength_check::RunRow(6, {{3, 5, 1, 8, 1, 4, 1}}).main;
  EXPECT_EQ(strength_check::Count(a, "{\\scriptsize \\No 16a}}"), 2);  // p4 = 8 and 2 p6 = 8
  const std::string b = strength_check::RunRow(6, {{3, 1, 2, 7, 1, 6, 1}}).main;
  EXPECT_NE(b.find("{\\scriptsize \\No 16}}"), std::string::npos);
  EXPECT_NE(b.find("{\\scriptsize \\No 12.5/10}\r\n}"), std::string::npos);
  const std::string c = strength_check::RunRow(6, {{1, 2, 2, 1, 1, 2, 1}}).main;
  EXPECT_EQ(strength_check::Count(c, "{\\scriptsize \\No 6.3/4}\r\n}"), 2);
  // The sizing pass leaves only the empty blue group ahead of the picture.
  EXPECT_NE(c.find("\\Blue{}\\noindent\\begin{picture}"), std::string::npos);
}

TEST(CompositeSection, BeginWritesTheStandardsAndTheHead) {
  const auto t = strength_check::RunRow(6, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find(" Использованы двутавры  ГОСТ 8239-89, швеллеры  ГОСТ 8240-89 и уголки  "
                        "ГОСТ 8509-86\\\\\\noindent\r\n"),
            std::string::npos);
  EXPECT_NE(t.answers.find("\\tabcolsep=2pt"), std::string::npos);
  EXPECT_NE(t.answers.find("& $J_{min}$& $\\alpha_x$\\\\\\hline"), std::string::npos);
}

// ---------------------------------------------------------------- row 31: critical force

struct RodFigure {
  std::vector<std::vector<PicturePoint>> sketch;
  std::string label;    // "16a", "20", or "12.5/10" for angles
  bool angles = false;  // the label is an angle's
  std::string scheme;   // the rod scheme's text
  double l = kNaN;      // printed length, m
};

RodFigure ReadRodFigure(const std::string& main) {
  RodFigure f;
  const std::size_t pic = main.find("\\begin{picture}");
  const std::size_t blue = main.find("\\Blue{", pic), blue_end = main.find("}%", blue);
  f.sketch = strength_check::Polylines(main.substr(blue, blue_end - blue));
  const std::size_t scheme = main.find("\\put(50,-20){", blue_end);
  const std::size_t scheme_end = main.find("\r\n}%", scheme);
  f.scheme = main.substr(scheme, scheme_end - scheme);
  const std::size_t end = main.find("\\end{picture}", scheme_end);
  const std::string rest = main.substr(scheme_end, end - scheme_end);
  const std::string number = "$\\small \\No ", angle = "\\Blue{ \\No ";
  if (rest.find(number) != std::string::npos) {
    const std::size_t at = rest.find(number) + number.size();
    f.label = rest.substr(at, rest.find('$', at) - at);
    if (rest.find("\\put(14,-30)a") != std::string::npos) f.label += "a";
  } else if (rest.find(angle) != std::string::npos) {
    std::size_t at = rest.find(angle) + angle.size();
    while (rest[at] == ' ') ++at;
    f.label = rest.substr(at, rest.find('}', at) - at);
    f.angles = true;
  }
  f.l = strength_check::NumberAfter(main, "\\small $l=", end);
  return f;
}

// The sketch is drawn to no scale: a profile's outer faces at +-15 units, the faces that meet
// at the axes at +-1. Mapped onto a profile's size d (cm) across its legs or flanges.
double Across(double u, double d) {
  return (u < 0 ? -1 : 1) * std::max(std::fabs(u) - 1, 0.0) / 14 * d;
}

// The section of the sketch made of the labelled profile. Angles are three-point chains
// (leg end, corner, leg end); channels four-point chains (flange end, the web, flange end);
// I-beams three segments each, two flanges and the web between them.
std::vector<Piece> RodSection(const RodFigure& f, int& table_row) {
  std::vector<Piece> pieces;
  const std::size_t n = f.sketch.empty() ? 0 : f.sketch.front().size();
  for (const auto& chain : f.sketch) EXPECT_EQ(chain.size(), n) << "mixed sketch";
  if (f.angles) {
    EXPECT_EQ(n, 3u);
    const std::size_t slash = f.label.find('/');
    const Looked a = AngleSized(std::nearbyint(10 * std::strtod(f.label.c_str(), nullptr)),
                                std::strtod(f.label.c_str() + slash + 1, nullptr));
    table_row = a.row;
    for (const auto& c : f.sketch) {
      // One leg end differs from the corner in x, the other in y.
      const PicturePoint& corner = c[1];
      const PicturePoint& hx = c[0].y == corner.y ? c[0] : c[2];
      const PicturePoint& vy = c[0].y == corner.y ? c[2] : c[0];
      EXPECT_EQ(hx.y, corner.y);
      EXPECT_EQ(vy.x, corner.x);
      pieces.push_back(AngleAt(a, Across(corner.x, a.b / 10), Across(corner.y, a.b / 10),
                               hx.x > corner.x ? 1 : -1, vy.y > corner.y ? 1 : -1));
    }
    return pieces;
  }
  if (n == 4) {
    const Looked ch = ChannelNumbered(f.label);
    table_row = ch.row;
    for (const auto& c : f.sketch) {
      const PicturePoint &w1 = c[1], &w2 = c[2], &tip = c[0];
      if (w1.x == w2.x) {  // web upright: J_y about the vertical axis through the channel
        const double web = Across(w1.x, ch.b / 10), u = tip.x > w1.x ? 1 : -1;
        pieces.push_back({ch.A, web + u * ch.z0, (w1.y + w2.y) / 30 * ch.h / 2, ch.Jx, ch.Jy, 0});
      } else {
        const double web = Across(w1.y, ch.b / 10), u = tip.y > w1.y ? 1 : -1;
        pieces.push_back({ch.A, (w1.x + w2.x) / 30 * ch.h / 2, web + u * ch.z0, ch.Jy, ch.Jx, 0});
      }
    }
    return pieces;
  }
  EXPECT_EQ(n, 2u);
  const Looked ib = IBeamNumbered(f.label);
  table_row = ib.row;
  for (int side : {-1, 1}) {
    int flanges = 0, webs = 0;
    double centre = 0;
    for (const auto& c : f.sketch) {
      if ((c[0].x + c[1].x) * side <= 0) continue;
      if (c[0].y == c[1].y) {
        ++flanges;
        centre = (Across(c[0].x, ib.b / 10) + Across(c[1].x, ib.b / 10)) / 2;
      } else {
        ++webs;
      }
    }
    EXPECT_EQ(flanges, 2);
    EXPECT_EQ(webs, 1);
    pieces.push_back({ib.A, centre, 0, ib.Jx, ib.Jy, 0});
  }
  return pieces;
}

// The length factor of the drawn supports: below, a clamp (hatching under the rod) or a hinge;
// above, a support holding the rod against both sideways movement and turning (hatching on
// both sides), a pinned side link, or nothing.
double DrawnLengthFactor(const std::string& scheme) {
  const bool clamped = scheme.find("\\strichd") != std::string::npos;
  const bool hinged = scheme.find("\\usebox{\\hing}") != std::string::npos;
  const bool held = scheme.find("\\strichl") != std::string::npos &&
                    scheme.find("\\strichr") != std::string::npos;
  const bool link = scheme.find("\\usebox{\\lster}") != std::string::npos;
  EXPECT_NE(clamped, hinged) << scheme;
  EXPECT_FALSE(held && link) << scheme;
  // The length is dimensioned up to the upper support: 33 where the rod is held, else 40.
  const double top = strength_check::NumberAfter(scheme, "\\mt{12}{0}\\pp{12}{");
  EXPECT_EQ(top, held ? 33 : 40) << scheme;
  if (held) return clamped ? 0.5 : 0.7;
  if (link) return clamped ? 0.7 : 1.0;
  EXPECT_TRUE(clamped) << "a hinged rod with a free end: " << scheme;
  return 2.0;
}

TEST(CriticalForce, EveryVariantIsTheRodItsFigureShows) {
  const double E = 2e5, a = 310, b = 1.14, sigma_pc = 195;  // MPa, as the statement gives them
  const double lambda_lim = std::numbers::pi * std::sqrt(E / sigma_pc);
  const std::string head = strength_check::RunRow(31, {{1, 1, 1, 1, 1, 1, 1}}).main;
  EXPECT_NE(head.find("$E=2\\cdot 10^5$МПа"), std::string::npos);
  EXPECT_NE(head.find("$a=310$~МПа, $b=1.14$~МПа, $\\sigma_{пц}=195$~МПа"), std::string::npos);
  int checked = 0;
  for (int p1 = 1; p1 <= 5; ++p1) {
    for (int p2 = 1; p2 <= 10; ++p2) {
      for (int p3 = 1; p3 <= 9; ++p3) {
        SCOPED_TRACE(testing::Message() << p1 << " " << p2 << " " << p3);
        const auto run = strength_check::RunRow(31, {{p1, p2, p3, 1, 1, 1, 1}});
        const std::vector<double> v = RowNumbers(strength_check::AnswersRow(run.answers));
        ASSERT_EQ(v.size(), 7u);
        const RodFigure f = ReadRodFigure(run.main);
        int row = 0;
        const Section s = Assemble(RodSection(f, row));
        // Only the first nine sizes of each table are used: no 18a.
        EXPECT_GE(row, 1);
        EXPECT_LE(row, 9);
        EXPECT_GE(f.l, 1);
        EXPECT_LE(f.l, 15);
        const double mu = DrawnLengthFactor(f.scheme);
        const double i = std::sqrt(s.Jmin / s.F);  // cm
        const double lambda = mu * f.l * 100 / i;
        const double sigma = lambda >= lambda_lim
                                 ? std::pow(std::numbers::pi, 2) * E / (lambda * lambda)
                                 : a - b * lambda;  // MPa
        const double P = sigma * s.F * 0.1;         // MPa cm^2 = 0.1 kN
        EXPECT_NEAR(v[1], s.F, 0.0006);
        EXPECT_NEAR(v[2], s.Jmin, 0.0006 + 1e-9 * s.Jmin);
        EXPECT_NEAR(v[3], i, 0.0006);
        EXPECT_NEAR(v[4], mu, 0.051);
        EXPECT_NEAR(v[5], lambda, 0.0006 + 1e-9 * lambda);
        EXPECT_NEAR(v[6], P, 0.0006 + 1e-9 * P);
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 450);
}

TEST(CriticalForce, AnchorCasesAsGoldenLines) {
  struct Case {
    VariantParams p;
    const char* label;   // as the figure prints it
    const char* length;  // the length line
    const char* row;     // the answers row
  } cases[] = {
      // Two 50x4 angles on a free-standing rod: the rule gives no length; the rod is 1 m.
      {{4, 1, 1, 1, 1, 1, 1},
       "\\put(-19,-25){\\small \\Blue{ \\No   5/4}}",
       "$l=1$~м}",
       "1&       7.780&      18.420&       1.539& 2.0&     129.980&      90.899"},
      // Four 80x6 angles at the corners of a square, mu 0.5: exactly 15 m, no smaller profile.
      {{1, 4, 3, 1, 1, 1, 1}, "\\put(-19,-25){\\small \\Blue{ \\No   8/6}}", "$l=15$~м}", ""},
      // Two I-beams: rows 9, 8 and 7 give 23, 20 and 18 m; row 6 (No 20) gives 15 m.
      {{1, 6, 9, 1, 1, 1, 1}, "\\put(-9,-30){$\\small \\No 20$}\\end{picture}", "$l=15$~м}", ""},
      // Channel row 8 is 16 with the letter, row 7 16 alone; angle legs 6.3 and 12.5.
      {{3, 2, 8, 1, 1, 1, 1}, "\\put(-9,-30){$\\small \\No 16$}\\put(14,-30)a", "", ""},
      {{3, 2, 7, 1, 1, 1, 1}, "\\put(-9,-30){$\\small \\No 16$}\\end{picture}", "", ""},
      {{4, 1, 2, 1, 1, 1, 1}, "\\put(-19,-25){\\small \\Blue{ \\No 6.3/4}}", "", ""},
      {{4, 1, 6, 1, 1, 1, 1}, "\\put(-19,-25){\\small \\Blue{ \\No 12.5/10}}", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.p));
    const auto run = strength_check::RunRow(31, {c.p});
    EXPECT_NE(run.main.find(c.label), std::string::npos) << run.main;
    if (*c.length) {
      EXPECT_NE(run.main.find(std::string("\\hfill\\parbox[b]{99pt}{\\small ") + c.length),
                std::string::npos);
    }
    if (*c.row) {
      EXPECT_EQ(strength_check::AnswersRow(run.answers), c.row);
    }
  }
}

}  // namespace
}  // namespace strength
