#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

constexpr double kPi = std::numbers::pi;

testing_support::RunTexts RunRow(const VariantParams& p) {
  auto s = testing_support::NewState();
  s->Level = 1;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 13, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// The direction of the force labelled `label`: the last \vector before its label.
std::pair<int, int> ArrowOf(const std::string& main, const std::string& label) {
  const auto at = main.find("{" + label + "}");
  if (at == std::string::npos) return {0, 0};
  const auto v = main.rfind("\\vector(", at);
  char* end = nullptr;
  const int dx = static_cast<int>(std::strtol(main.c_str() + v + 8, &end, 10));
  const int dy = static_cast<int>(std::strtol(end + 1, nullptr, 10));
  return {dx, dy};
}

// +1 when the picture places the counter-clockwise couple `positive`, -1 for `negative`.
int CoupleSign(const std::string& main, const std::string& positive, const std::string& negative) {
  if (main.find("{\\usebox{\\" + negative + "}}") != std::string::npos) return -1;
  EXPECT_NE(main.find("{\\usebox{\\" + positive + "}}"), std::string::npos) << main;
  return 1;
}

// The answers row's cells; a cell a/b reads as its quotient, an empty one as nan.
std::vector<double> Cells(const std::string& answers) {
  std::string row = answers.substr(answers.find("$B$\\\\\\hline") + 11);
  row = row.substr(row.find_first_not_of("\r\n"));
  row = row.substr(0, row.find(" \\\\"));
  std::vector<double> out;
  std::size_t from = 0;
  while (true) {
    const std::size_t at = row.find('&', from);
    std::string cell = row.substr(from, at == std::string::npos ? std::string::npos : at - from);
    std::string c;
    for (char ch : cell) {
      if (ch != ' ') c += ch;
    }
    double x = std::nan("");
    if (!c.empty() && c != "---") {
      char* end = nullptr;
      x = std::strtod(c.c_str(), &end);
      if (*end == '/') x /= std::strtod(end + 1, nullptr);
    }
    out.push_back(x);
    if (at == std::string::npos) break;
    from = at + 1;
  }
  return out;
}

struct V2 {
  double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(double k, V2 a) { return {k * a.x, k * a.y}; }
double Dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }

// A mechanism of one coordinate q: its bodies' positions and angles as functions of q, their
// masses and moments of inertia, and the loads with the point (or angle) they act on.
struct Model {
  struct Mass {
    double m;
    std::function<V2(double)> at;
  };
  struct Spin {
    double inertia;
    std::function<double(double)> angle;
  };
  struct Force {
    V2 f;
    std::function<V2(double)> at;
  };
  struct Couple {
    double m;
    std::function<double(double)> angle;
  };
  std::vector<Mass> masses;
  std::vector<Spin> spins;
  std::vector<Force> forces;
  std::vector<Couple> couples;

  // A(q) = 2T / qdot^2 by central differences of the positions.
  double A(double q) const {
    const double h = 1e-5;
    double a = 0;
    for (const auto& m : masses) {
      const V2 v = (1 / (2 * h)) * (m.at(q + h) - m.at(q - h));
      a += m.m * Dot(v, v);
    }
    for (const auto& s : spins) {
      const double w = (s.angle(q + h) - s.angle(q - h)) / (2 * h);
      a += s.inertia * w * w;
    }
    return a;
  }
  // The generalized force by virtual work.
  double Q(double q) const {
    const double h = 1e-6;
    double w = 0;
    for (const auto& f : forces) w += Dot(f.f, (1 / (2 * h)) * (f.at(q + h) - f.at(q - h)));
    for (const auto& c : couples) w += c.m * (c.angle(q + h) - c.angle(q - h)) / (2 * h);
    return w;
  }
  double Acceleration(double q, double qdot) const {
    const double h = 1e-4;
    const double da = (A(q + h) - A(q - h)) / (2 * h);
    return (Q(q) - 0.5 * da * qdot * qdot) / A(q);
  }
};

bool Near(double printed, double x) {
  return std::abs(printed - x) <= 0.0101 + 1e-6 * std::abs(x);  // FormatNumber's rounding
}

// Every column but B holds a number in every mechanism; B holds the coefficient A'(q)/2 of the
// squared velocity at the given position, or "---" where A does not change with q.
void ExpectFullRowAndB(const std::vector<double>& c, const Model& m, double q0,
                       const std::string& answers) {
  ASSERT_EQ(c.size(), 8u) << answers;
  for (int k = 1; k <= 6; ++k) EXPECT_FALSE(std::isnan(c[k])) << answers << " cell " << k;
  const double h = 1e-4;
  const double b = (m.A(q0 + h) - m.A(q0 - h)) / (4 * h);
  if (std::abs(b) < 1e-4 * (1 + m.A(q0))) {
    EXPECT_TRUE(std::isnan(c[7])) << answers << " B " << b;
  } else {
    EXPECT_TRUE(Near(c[7], b)) << answers << " B " << b;
  }
}

// Mechanism 1: the rod A-B of length L from the piston A (on x = 0) to the block B (on y = 0);
// q is the rod's angle, measured as drawn (the printed sine is the rod's or, with the arc at
// B, of the opposite direction, which turns at the same rate).
void CheckPiston(const VariantParams& p, const testing_support::RunTexts& run) {
  const std::string& t = run.main;
  const double L = p[1] == 2 ? NumberAfter(t, "$AB=") : NumberAfter(t, "длиной ");
  const double r = NumberAfter(t, "цилиндр радиуса ");
  const double q0 = std::asin(std::abs(NumberAfter(t, "$\\sin(\\varphi)= ")));
  const double qdot = NumberAfter(t, "$\\dot\\varphi=");
  Model m;
  auto A = [L](double q) { return V2{0, -L * std::sin(q)}; };
  auto B = [L](double q) { return V2{L * std::cos(q), 0}; };
  // The cylinder lies on the block: its bottom moves with the block.
  auto cylinder = [B, r](double q) { return B(q).x / r; };
  const double m1 = NumberAfter(t, "$m_1=$"), m2 = NumberAfter(t, "$m_2=$");
  switch (p[1]) {
    case 1:
      m.masses = {{m1, A}, {m2, B}};
      break;
    case 2:
      m.masses = {{m1, A}};
      m.spins = {{0.5 * m2 * r * r, cylinder}};
      break;
    case 3:
      m.masses = {{m1, A}, {m2, B}};
      m.spins = {{0.5 * NumberAfter(t, "$m_3=$") * r * r, cylinder}};
      break;
    default:
      m.masses = {{m1, [A, B](double q) { return 0.5 * (A(q) + B(q)); }}};
      m.spins = {{m1 * L * L / 12, [](double q) { return q; }}};
      break;
  }
  if (t.find("момент ") != std::string::npos) {
    const int sign = CoupleSign(t, "MomentpLeft", "MomentpLeftmm");
    m.couples = {{sign * NumberAfter(t, "момент "), cylinder}};
  } else if (t.find("$F=") != std::string::npos) {
    const auto [dx, dy] = ArrowOf(t, "$\\vec F$");
    m.forces = {{NumberAfter(t, "$F=") * V2{double(dx), double(dy)}, A}};
  } else {
    const auto [dx, dy] = ArrowOf(t, "$\\vec P$");
    m.forces = {{NumberAfter(t, "$P=") * V2{double(dx), double(dy)}, B}};
  }
  const auto c = Cells(run.answers);
  ASSERT_EQ(c.size(), 8u) << run.answers;
  const double acc = m.Acceleration(q0, qdot);
  EXPECT_TRUE(Near(c[1], acc) && Near(c[2], acc)) << run.main << run.answers << " " << acc;
  EXPECT_TRUE(Near(c[3], m.Q(q0)) && Near(c[4], m.Q(q0))) << run.answers << " " << m.Q(q0);
  EXPECT_TRUE(Near(c[5], m.A(q0)) && Near(c[6], m.A(q0))) << run.answers << " " << m.A(q0);
  ExpectFullRowAndB(c, m, q0, run.answers);
}

// Mechanism 2: the press rises by q between its walls; its face makes the angle alpha with the
// wall; the cylinder of radius 1 rolls on the floor and the plate rolls on the cylinder while it
// slides along the face. Velocities per unit rate of q solve those contacts.
void CheckPress(const testing_support::RunTexts& run) {
  const std::string& t = run.main;
  const double alpha = std::asin(NumberAfter(t, "$\\sin(\\alpha)= "));
  const double beta = kPi / 2 - alpha;  // the face's slope
  const V2 tangent{std::cos(beta), std::sin(beta)}, normal{-std::sin(beta), std::cos(beta)};
  // Plate: (0, 1) + s' tangent = (Vc, 0) + w J(n), w = -Vc (rolling on the floor, R = 1);
  // J(n) = (-n.y, n.x). Two equations in Vc and s'.
  const V2 jn{-normal.y, normal.x};
  // s' tx - Vc (1 - jn.x) = 0 ... written as a 2 x 2 system in (Vc, s').
  const double a11 = -(1 - jn.x), a12 = tangent.x, b1 = 0;
  const double a21 = jn.y, a22 = tangent.y, b2 = -1;
  const double det = a11 * a22 - a12 * a21;
  const double vc = (b1 * a22 - a12 * b2) / det, sd = (a11 * b2 - b1 * a21) / det;
  Model m;
  const auto press = [](double q) { return V2{0, q}; };
  const auto centre = [vc](double q) { return V2{vc * q, 0}; };
  const auto plate = [sd, tangent](double q) { return V2{0, q} + (sd * q) * tangent; };
  const auto turn = [vc](double q) { return -vc * q; };
  auto mass = [&](const char* what) {
    const auto at = t.find(what);
    return at == std::string::npos ? 0.0 : std::strtod(t.c_str() + t.find("=$", at) + 2, nullptr);
  };
  const double mc = mass("цилиндра $m_1"), mpl = std::max(mass("пластины $m_2"), mass("пластины $m_1"));
  const double mpr = mass("пресса $m_2");
  m.masses = {{mpr, press}, {mpl, plate}, {mc, centre}};
  m.spins = {{0.5 * mc, turn}};
  const auto [fx, fy] = ArrowOf(t, "$\\vec F$");
  m.forces = {{NumberAfter(t, "$F=") * V2{double(fx), double(fy)}, press}};
  if (t.find("момент $M=$") != std::string::npos) {
    m.couples = {{CoupleSign(t, "rmomentp", "rmomentm") * NumberAfter(t, "момент $M=$"), turn}};
  } else {
    const auto [px, py] = ArrowOf(t, "$\\vec P$");
    m.forces.push_back({NumberAfter(t, "$P=") * V2{double(px), double(py)}, centre});
  }
  const auto c = Cells(run.answers);
  ASSERT_EQ(c.size(), 8u) << run.answers;
  const double acc = m.Acceleration(0, 0);
  EXPECT_TRUE(Near(c[1], acc) && Near(c[2], acc)) << run.main << run.answers << " " << acc;
  EXPECT_TRUE(Near(c[3], m.Q(0)) && Near(c[4], m.Q(0))) << run.answers << " " << m.Q(0);
  EXPECT_TRUE(Near(c[5], m.A(0)) && Near(c[6], m.A(0))) << run.answers << " " << m.A(0);
  ExpectFullRowAndB(c, m, 0, run.answers);
}

// Mechanism 3: the disk of radius 1 rolls on the wall to its right; its centre and the rod move
// along the wall, the sleeve touching its left side moves with that side; the point mass sits on
// the rim at the angle q.
void CheckSleeve(const testing_support::RunTexts& run) {
  const std::string& t = run.main;
  const double q0 = std::asin(NumberAfter(t, "$\\sin(\\varphi)= "));
  const double qdot = NumberAfter(t, "$\\dot\\varphi=");
  const double m1 = NumberAfter(t, "$m_1=$");
  auto centre = [](double q) { return V2{0, -q}; };
  auto point = [centre](double q) { return centre(q) + V2{std::cos(q), std::sin(q)}; };
  auto sleeve = [](double q) { return V2{0, -2 * q}; };
  Model m;
  m.masses = {{m1, point}};
  const double m2 = NumberAfter(t, "$m_2=$");
  if (t.find("Масса диска") != std::string::npos) {
    m.masses.push_back({m2, centre});
    m.spins = {{0.5 * m2, [](double q) { return q; }}};
  } else if (t.find("Масса муфты") != std::string::npos) {
    m.masses.push_back({m2, sleeve});
  } else {
    m.masses.push_back({m2, centre});
  }
  const auto [fx, fy] = ArrowOf(t, "$\\vec F$");
  m.forces = {{NumberAfter(t, "сила $F=$") * V2{double(fx), double(fy)}, sleeve}};
  m.couples = {{CoupleSign(t, "Momentp", "Momentm") * NumberAfter(t, "момент $M=$"),
                [](double q) { return q; }}};
  const auto c = Cells(run.answers);
  ASSERT_EQ(c.size(), 8u) << run.answers;
  const double acc = m.Acceleration(q0, qdot);
  EXPECT_TRUE(Near(c[1], acc) && Near(c[2], acc)) << run.main << run.answers << " " << acc;
  EXPECT_TRUE(Near(c[3], m.Q(q0)) && Near(c[4], m.Q(q0))) << run.answers << " " << m.Q(q0);
  EXPECT_TRUE(Near(c[5], m.A(q0)) && Near(c[6], m.A(q0))) << run.answers << " " << m.A(q0);
  ExpectFullRowAndB(c, m, q0, run.answers);
}

// Mechanism 4: A on the disk's rim at the angle q keeps its x (rod 2 slides vertically), the
// disk rolls on rod 3, which slides horizontally under it.
void CheckTwoRods(const testing_support::RunTexts& run) {
  const std::string& t = run.main;
  const double q0 = std::asin(NumberAfter(t, "$\\sin(\\varphi)= "));
  const double R = NumberAfter(t, "радиуса $R=");
  const double mass = NumberAfter(t, "$m_1=");
  EXPECT_EQ(mass, NumberAfter(t, "$m_2="));
  auto centre = [R](double q) { return V2{-R * std::cos(q), 0}; };
  auto rod2 = [R](double q) { return V2{0, R * std::sin(q)}; };
  auto rod3 = [R, centre](double q) { return V2{centre(q).x + R * q, 0}; };
  Model m;
  m.masses = {{mass, centre}, {mass, rod2}};
  m.spins = {{0.5 * mass * R * R, [](double q) { return q; }}};
  if (t.find("к штоку 2") != std::string::npos) {
    const auto [fx, fy] = ArrowOf(t, "$\\vec F$");
    m.forces = {{NumberAfter(t, "сила $F=$") * V2{double(fx), double(fy)}, rod2}};
  } else if (t.find("к штоку 3") != std::string::npos) {
    const auto [fx, fy] = ArrowOf(t, "$\\vec F$");
    m.forces = {{NumberAfter(t, "сила $F=$") * V2{double(fx), double(fy)}, rod3}};
  } else {
    m.couples = {{CoupleSign(t, "Momentp", "Momentm") * NumberAfter(t, "момент $M=$"),
                  [](double q) { return q; }}};
  }
  // G pushes the disk's axis across its path.
  const auto [gx, gy] = ArrowOf(t, "$\\vec G$");
  m.forces.push_back({NumberAfter(t, "$G=") * V2{double(gx), double(gy)}, centre});
  const auto c = Cells(run.answers);
  ASSERT_EQ(c.size(), 8u) << run.answers;
  const double acc = m.Acceleration(q0, 0);
  EXPECT_TRUE(Near(c[1], acc) && Near(c[2], acc)) << run.main << run.answers << " " << acc;
  EXPECT_TRUE(Near(c[3], m.Q(q0)) && Near(c[4], m.Q(q0))) << run.answers << " " << m.Q(q0);
  EXPECT_TRUE(Near(c[5], m.A(q0)) && Near(c[6], m.A(q0))) << run.answers << " " << m.A(q0);
  ExpectFullRowAndB(c, m, q0, run.answers);
}

// Mechanism 5: the rhombus of side b = OA with O at the origin and C at (b, 0); q is the angle of
// O-A; the coulisse of length b + 1 turns about C through the sleeve at A.
void CheckRhombus(const testing_support::RunTexts& run) {
  const std::string& t = run.main;
  const double b = NumberAfter(t, "$OA=");
  EXPECT_EQ(NumberAfter(t, "длиной "), b + 1);
  const std::size_t sine = t.find("\\sin(\\alpha)");
  const double alpha = std::asin(std::strtod(t.c_str() + t.find('=', sine) + 1, nullptr));
  // The arc of alpha starts at O's reference line, or at C on the coulisse.
  const bool at_o = t.find("\\mt{10}{0}") != std::string::npos;
  const double q0 = at_o ? alpha : kPi - 2 * alpha;
  auto A = [b](double q) { return V2{b * std::cos(q), b * std::sin(q)}; };
  const V2 C{b, 0};
  auto coulisse = [A, C](double q) {
    const V2 d = A(q) - C;
    return std::atan2(d.y, d.x);
  };
  auto D = [coulisse, C, b](double q) {
    return C + (b + 1) * V2{std::cos(coulisse(q)), std::sin(coulisse(q))};
  };
  auto B = [A, b](double q) { return A(q) + V2{b, 0}; };
  const double mc = NumberAfter(t, "$m_1$ равна ");
  const double rod = NumberAfter(t, "--- $m_2=");
  Model m;
  m.spins = {{mc * (b + 1) * (b + 1) / 3, coulisse}};
  if (t.find("стержня  $AB$") != std::string::npos) {
    m.masses = {{rod, A}};
  } else {
    m.spins.push_back({rod * b * b / 3, [](double q) { return q; }});
  }
  const auto [fx, fy] = ArrowOf(t, "$\\vec F$");
  const V2 F = NumberAfter(t, "сила $F=") * V2{double(fx), double(fy)};
  const bool at_d = t.find("к точке  $D$") != std::string::npos;
  m.forces = {{F, at_d ? std::function<V2(double)>(D) : std::function<V2(double)>(B)}};
  m.couples = {{CoupleSign(t, "umomentp", "umomentm") * NumberAfter(t, "момент $M="), coulisse}};
  const double theta = m.Acceleration(q0, 0);
  // The coulisse turns at half the rate of O-A.
  const double h = 1e-5;
  const double ratio = (coulisse(q0 + h) - coulisse(q0 - h)) / (2 * h);
  EXPECT_NEAR(ratio, 0.5, 1e-6);
  const double asked = b == 1 ? theta : ratio * theta;
  const auto c = Cells(run.answers);
  ASSERT_EQ(c.size(), 8u) << run.answers;
  EXPECT_TRUE(Near(c[1], asked) && Near(c[2], asked)) << run.main << run.answers << " " << asked;
  EXPECT_TRUE(Near(c[3], m.Q(q0)) && Near(c[4], m.Q(q0))) << run.answers << " " << m.Q(q0);
  EXPECT_TRUE(Near(c[5], m.A(q0)) && Near(c[6], m.A(q0))) << run.answers << " " << m.A(q0);
  ExpectFullRowAndB(c, m, q0, run.answers);
}

void Check(const VariantParams& p) {
  const auto run = RunRow(p);
  switch (p[0]) {
    case 1: CheckPiston(p, run); break;
    case 2: CheckPress(run); break;
    case 3: CheckSleeve(run); break;
    case 4: CheckTwoRods(run); break;
    default: CheckRhombus(run); break;
  }
}

TEST(LagrangeAccelerationTest, AnswersFollowFromTheDrawnMechanisms) {
  long long checked = 0;
  for (const auto& point : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                         {5, 4, 7, 2, 12, 3, 12}, 2000, 1, 1)) {
    Check(point.p);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "P = " << point.p[0] << point.p[1] << point.p[2] << point.p[3] << " "
                    << point.p[4] << " " << point.p[5] << " " << point.p[6];
      return;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 5 * 4 * 7 * 2 * 12 * 3 * 12)) << checked;
}

// The row of the answers after the heading, as written.
std::string Row(const testing_support::RunTexts& run) {
  std::string row = run.answers.substr(run.answers.find("$B$\\\\\\hline") + 11);
  row = row.substr(row.find_first_not_of("\r\n"));
  return row.substr(0, row.find(" \\\\"));
}

TEST(LagrangeAccelerationTest, GoldenLines) {
  // Mechanism 1, P2 = 1 with P6 = 2 in the file: only the moment acts; r = 1 gives the moment
  // -10 L (printed 30, drawn clockwise); P3 <= 3 prints a negative sine and marks the angle at B.
  auto run = RunRow({1, 1, 2, 1, 3, 2, 3});
  EXPECT_NE(run.main.find("К цилиндру приложен момент 30~Нм.\r\n"), std::string::npos) << run.main;
  EXPECT_NE(run.main.find("{\\usebox{\\MomentpLeftmm}}"), std::string::npos) << run.main;
  EXPECT_NE(run.main.find("$\\sin(\\varphi)= -0.6$, $\\dot\\varphi=2\\, с^{-1}$.}"
                          "\\unitlength=1.3pt\\parbox[b]{50pt}{\r\n"),
            std::string::npos)
      << run.main;
  EXPECT_EQ(Row(run), "1&3&3& 54&54&18&18& --- ");
  // P2 = 4: the rod's mass, A = m L^2 / 3 as a fraction.
  EXPECT_EQ(Row(RunRow({1, 4, 5, 2, 7, 3, 8})), "1&-12/5&-2.4& -100&-100&125/3&41.67& --- ");
  // Mechanism 2, P6 = 1, P3 < 3: the moment is negative (printed 2, drawn clockwise); the plate
  // rolls on the cylinder and slides on the face (A = 232/15).
  run = RunRow({2, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(run.main.find(" к цилиндру --- момент $M=$2~Нм.\r\n"), std::string::npos) << run.main;
  EXPECT_NE(run.main.find("{\\usebox{\\rmomentm}}"), std::string::npos) << run.main;
  EXPECT_EQ(Row(run), "1&-35/116&-0.3& -14/3&-4.67&232/15&15.47 & --- ");
  // Mechanism 3 with a zero numerator, P2 = 3 giving the angular velocity 1: A = 7 at the given
  // angle, and B = 6 for the squared velocity, which Q = 6 balances.
  run = RunRow({3, 3, 7, 1, 1, 1, 2});
  EXPECT_NE(run.main.find("$\\dot\\varphi=1\\, с^{-1}$"), std::string::npos) << run.main;
  EXPECT_EQ(Row(run), "1& 0&0&6&6&7&7&6");
  // Mechanism 4, P7 <= 2, P6 = 3: the moment in tenths.
  run = RunRow({4, 1, 1, 1, 1, 3, 1});
  EXPECT_NE(run.main.find("\\ и момент $M=$1.4~Нм. \r\n"), std::string::npos) << run.main;
  EXPECT_EQ(Row(run), "1&-10/63&-0.16&-7/5&-1.4&441/50&8.82& --- ");
  // Mechanism 5 with b = 2 (the coulisse asked for) and a zero moment drawn positive; P1 out of
  // 1..5 selects it too.
  for (int p1 : {5, 7}) {
    run = RunRow({p1, 2, 2, 1, 1, 1, 12});
    EXPECT_NE(run.main.find(" На кулису действует момент $M=0$~Нм, \r\n"), std::string::npos);
    EXPECT_NE(run.main.find("{\\usebox{\\umomentp}}"), std::string::npos) << run.main;
    EXPECT_NE(run.main.find(" Найти угловое ускорение кулисы  при $\\sin(\\alpha) =0.6 $."),
              std::string::npos);
    EXPECT_EQ(Row(run), "1& 36/41&0.88&6&6& 41/12&3.42& --- ");
  }
}

}  // namespace
}  // namespace dynamics
