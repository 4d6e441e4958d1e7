#include "subjects/dynamics/routh_function.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"
#include "toolkit/errors.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(const std::vector<VariantParams>& variants, int level = 1,
                                 int first = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first;
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 16, variants);
}

// The answer cell of the only variant of a run: what follows "N&" below the head row up to the
// closing "%" line.
std::string Cell(const std::string& answers) {
  const auto amp = answers.find('&', answers.find("\\\\\\hline"));
  const auto end = answers.rfind("%\r\n");
  return answers.substr(amp + 1, end - amp - 1);
}

// The answer cells that matter, byte for byte: q = 1 (no coefficient) and 3; mechanism 1's
// redrawn sub-variants (2, 2, 1) and (1, 1, 2); the fractions that vanish, reduce or stay
// whole; the line ends inside the cells of mechanisms 6, 9, 10 and 12; mechanism 11's bare q.
struct GoldenCell {
  VariantParams params;
  const char* cell;
};

const GoldenCell kGoldenCells[] = {
    {{1, 1, 1, 1, 1, 1, 1},
     "$-(m(a\\cos\\varphi+b\\sin\\varphi)^2\\dot\\varphi^2/2+p_y(a\\cos\\varphi"
     "-b\\sin\\varphi)\\dot\\varphi+2M\\varphi-p_y^2/(2m))/2$"},
    {{1, 1, 1, 1, 2, 2, 1},
     "$-(3m(a\\cos\\varphi+b\\sin\\varphi)^2\\dot\\varphi^2/2+p_y(a\\cos\\varphi"
     "-3b\\sin\\varphi)\\dot\\varphi+4M\\varphi-p_y^2/(2m))/4$"},
    {{1, 2, 2, 1, 1, 1, 1},
     "$-(m(a\\sin\\varphi-b\\cos\\varphi)^2\\dot\\varphi^2-2p_x(a\\sin\\varphi"
     "+b\\cos\\varphi)\\dot\\varphi+4(M\\varphi-F(b\\sin\\varphi+a\\cos\\varphi))"
     "-p_x^2/m)/4$"},
    {{1, 1, 1, 2, 2, 1, 1},
     "$(-2mb^2\\dot\\varphi^2\\sin^2\\varphi+2p_xa\\dot\\varphi\\sin\\varphi"
     "+2Fa\\cos\\varphi-2M\\varphi+p_x^2/m)/2$"},
    {{1, 1, 2, 1, 2, 1, 1},
     "$(-2mb^2\\dot\\varphi^2\\cos^2\\varphi-2p_ya\\dot\\varphi\\cos\\varphi"
     "+2Fb\\sin\\varphi-2M\\varphi+p_y^2/m)/2$"},
    {{2, 2, 2, 1, 1, 2, 1},
     "$a(2/3)(-3am\\dot\\varphi^2\\sin^2\\varphi+2p_x\\dot\\varphi\\sin\\varphi)"
     "+M\\varphi+p_x^2/(9m)$"},
    {{3, 1, 2, 1, 2, 1, 1},
     "$-ma^2(2\\sin^2\\varphi+4\\cos^2\\varphi)\\dot\\varphi^2/4+p_xa\\dot\\varphi\\sin\\varph"
     "i +Fa\\cos\\varphi+2mga\\sin\\varphi+p_x^2/m$"},
    {{4, 2, 1, 1, 2, 1, 1},
     "$-ma^2(3\\cos^2\\varphi+2\\sin^2\\varphi)\\dot\\varphi^2/6+(1/3)p_xa\\dot\\varphi\\sin\\"
     "varphi-(F-mg)a\\sin\\varphi+p_x^2/(6m)$"},
    {{4, 1, 1, 2, 1, 1, 1},
     "$-(2/3)ma^2\\dot\\varphi^2\\sin^2\\varphi-(1/3)p_xa\\dot\\varphi\\sin\\varphi"
     "+Fa\\sin\\varphi+p_x^2/(3m)$"},
    {{4, 2, 1, 2, 2, 1, 1},
     "$-(5/6)ma^2\\dot\\varphi^2\\sin^2\\varphi+(1/3)p_xa\\dot\\varphi\\sin\\varphi"
     "-Fa\\sin\\varphi+p_x^2/(6m)$"},
    {{4, 1, 2, 2, 2, 2, 1},
     "$-ma^2\\dot\\varphi^2\\sin^2\\varphi-(1/3)p_xa\\dot\\varphi\\sin\\varphi"
     "-Fa\\cos\\varphi+p_x^2/(9m)$"},
    {{5, 2, 2, 1, 2, 2, 1},
     "$-ma^2(1+18\\sin^2\\varphi)\\dot\\varphi^2/6-(2/3)p_xa\\dot\\varphi\\sin\\varphi "
     "+(a/2)mg\\sin\\varphi-2aF\\cos\\varphi+p_x^2/(9m)$"},
    {{6, 1, 1, 1, 1, 1, 1},
     "$(-ma^2(4\\cos^2\\varphi+3\\sin^2\\varphi)\\dot\\varphi^2/4+p_xa\\dot\\varphi\\sin\\varp"
     "hi +2a(F+mg)\\sin\\varphi+p_x^2/(3m))/2$\r\n"},
    {{6, 2, 1, 1, 2, 1, 1},
     "$-(1/2)ma^2\\dot\\varphi^2\\cos^2\\varphi+mga\\sin\\varphi+M\\varphi"
     "+p_x^2/(6m)$\r\n"},
    {{7, 1, 1, 1, 1, 1, 1},
     "$-16mr^2\\dot\\varphi^2\\sin^2\\varphi+4p_xr\\dot\\varphi\\sin\\varphi"
     "-4M\\varphi+p_x^2/(4m)$"},
    {{7, 2, 2, 2, 2, 1, 1},
     "$-(64/3)mr^2\\dot\\varphi^2\\sin^2\\varphi-(16/3)p_xr\\dot\\varphi\\sin\\varphi"
     "-M\\varphi+p_x^2/(6m)$"},
    {{8, 1, 1, 2, 2, 1, 1},
     "$-ma^2\\dot\\varphi^2\\cos^2\\!\\!\\varphi+p_xa\\dot\\varphi\\sin\\varphi "
     "+a(mg+M/R)\\sin\\varphi+p_x^2/(6m)$"},
    {{8, 2, 2, 2, 2, 2, 1},
     "$-ma^2(13+75\\cos^2\\!\\!\\varphi)\\dot\\varphi^2/96+(7/8)p_xa\\dot\\varphi\\sin\\varphi"
     "+a(mg/2-M/R)\\sin\\varphi+p_x^2/(8m)$"},
    {{9, 1, 1, 1, 1, 1, 1},
     "$-ma^2(6-2\\sin^2\\!\\!\\varphi)\\dot\\varphi^2/6-(2/(3r))p_\\psi a\\dot\\varphi\\sin\\v"
     "arphi-M\\varphi+2mga\\sin\\varphi+p_\\psi^2/(3mr^2)$"},
    {{9, 2, 1, 1, 1, 1, 1},
     "$-ma^2(14-2\\sin^2\\!\\!\\varphi)\\dot\\varphi^2/14-(2/(7r))p_\\psi a\\dot\\varphi\\sin"
     "\\varphi - M\\varphi+2mga\\sin\\varphi+p_\\psi^2/(7mr^2)$\r\n"},
    {{9, 1, 2, 2, 2, 2, 1},
     "$-ma^2(12-2\\sin^2\\!\\!\\varphi)\\dot\\varphi^2/6-(2/(3r))p_\\psi a\\dot\\varphi\\sin\\"
     "varphi-Fa\\cos\\varphi+4mga\\sin\\varphi+p_\\psi^2/(3mr^2)$"},
    {{10, 1, 1, 1, 1, 1, 1},
     "$-ma^2(5+27\\cos^2\\!\\!\\varphi)\\dot\\varphi^2/48+(3/4)p_x a\\dot\\varphi\\sin\\varphi"
     "-M\\varphi/2+(3/2)mga\\sin\\varphi+p_x^2/(4m)$\r\n"},
    {{10, 2, 2, 2, 2, 1, 1},
     "$-ma^2(9+3\\cos^2\\!\\!\\varphi)\\dot\\varphi^2/72-(1/6)p_x a\\dot\\varphi\\sin\\varphi"
     "+M\\varphi/2+(1/2)mga\\sin\\varphi+p_x^2/(6m)$"},
    {{11, 1, 1, 1, 1, 1, 1},
     "$-(9/2)mr^2(1+\\cos^2\\!\\!\\varphi)\\dot\\varphi^2+(3/2)p_\\psi\\dot\\varphi"
     "+3r(F+2mg)\\sin\\varphi+p_\\psi^2/(4mr^2)$"},
    {{11, 1, 2, 1, 1, 1, 1},
     "$-(9/2)mr^2\\dot\\varphi^2\\cos^2\\!\\!\\varphi+3r(F+1mg)\\sin\\varphi"
     "+p_\\psi^2/(4mr^2)$"},
    {{11, 2, 1, 1, 2, 1, 1},
     "$-(27/2)mr^2\\dot\\varphi^2\\cos^2\\!\\!\\varphi+(3/2)p_\\psi\\dot\\varphi(1"
     "+\\sin\\varphi)+3r(F+3mg)\\sin\\varphi+p_\\psi^2/(16mr^2)$"},
    {{11, 2, 2, 1, 2, 1, 1},
     "$(18mr^2(1+\\sin\\varphi)(2\\sin\\varphi-3)\\dot\\varphi^2+6p_\\psi\\dot\\varphi(1"
     "+\\sin\\varphi)+p_\\psi^2/(4mr^2))/5+3r(F+2mg)\\sin\\varphi$"},
    {{12, 1, 1, 1, 2, 2, 1},
     "$(-ma^2(-32\\sin^2\\!\\!\\varphi+129)\\dot\\varphi^2-ap_x\\dot\\varphi(144\\cos\\varphi"
     "-194\\sin\\varphi)\r\n"
     "+32p_x^2/m)/194+M\\varphi$"},
    {{12, 1, 2, 2, 2, 1, 1},
     "$-(1/34)ma^2(3\\sin\\varphi-4\\cos\\varphi)^2\\dot\\varphi^2+(3/17)ap_x(3\\sin\\varphi"
     "-4\\cos\\varphi)\\dot\\varphi + (4/17)p_x^2/m-M\\varphi$\r\n"},
};

TEST(RouthFunctionTest, GoldenAnswerCells) {
  for (const auto& g : kGoldenCells) {
    const auto run = RunRow({g.params}, 1, 7);
    EXPECT_EQ(Cell(run.answers), g.cell) << g.params[0] << " " << g.params[1] << g.params[2]
                                         << g.params[3] << " q=" << g.params[4] + g.params[5] - 1;
  }
}

TEST(RouthFunctionTest, BeginWritesTheStatementAndTheHeadOfR) {
  const auto run = RunRow({{5, 1, 1, 1, 1, 1, 1}}, 1, 7);
  EXPECT_EQ(run.main.find(" Механическая система с идеальными стационарными связями имеет две "
                          "степени свободы. Найти функцию Рауса.\\\\\\noindent \r\n"),
            run.main.find(" Механическая"));
  EXPECT_NE(run.answers.find("\\begin{tabular}{|r|r|r|r|r|}\\hline \r\n\\No & $R$ \\\\\\hline \r\n"
                             "7&$-ma^2(1+"),
            std::string::npos);
}

bool Has(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

// Mechanism 1 never draws (2, 2, 1) or (1, 1, 2): the rod turns horizontal in the first, block
// 1 turns to a horizontal guide in the second, and the statement follows.
TEST(RouthFunctionTest, MechanismOneRedrawsTwoLayouts) {
  const auto both_bars = RunRow({{1, 2, 2, 1, 1, 1, 1}});
  EXPECT_TRUE(Has(both_bars.main, "{\\usebox{\\hnpr}}"));
  EXPECT_FALSE(Has(both_bars.main, "{\\usebox{\\vnpr}}"));
  EXPECT_TRUE(Has(both_bars.main, "к брускам --- силы $F$. \r\n"));
  EXPECT_TRUE(Has(both_bars.main, "смещение штока \r\n$x$.\r\n"));

  const auto rod_and_bar = RunRow({{1, 1, 1, 2, 1, 1, 1}});
  EXPECT_TRUE(Has(rod_and_bar.main, "{\\usebox{\\prsh}}"));
  EXPECT_TRUE(Has(rod_and_bar.main, "К уголку приложен момент $M$, к штоку и бруску --- силы $F$. "));
  EXPECT_TRUE(Has(rod_and_bar.main, "смещение штока \r\n$x$.\r\n"));
}

// The masses as the statements give them: the equal-mass wording for q = 1 where there is
// one, "2m" and "3m" otherwise, "m_1" for the mechanisms that name it.
TEST(RouthFunctionTest, StatementsNameTheMassRatio) {
  const struct {
    VariantParams params;
    const char* piece;
  } cases[] = {
      {{1, 1, 1, 1, 1, 1, 1}, "$OA\\perp OB$, $m_1=m_2=m$.}"},
      {{1, 1, 1, 1, 2, 1, 1}, "$OA\\perp OB$, $m_1=m$, $m_2=2m$.}"},
      {{2, 1, 1, 1, 1, 1, 1}, " Два диска одинаковой массы $m_1=m_2$ и \r\n"},
      {{2, 1, 1, 1, 2, 2, 1}, " Два диска с массами $m_1=m$, $m_2=3m$ \r\n"},
      {{3, 1, 1, 1, 1, 1, 1}, " Цилиндры 1 и 2  одинаковой массы $m_1=m_2$ соединены"},
      {{3, 1, 2, 1, 1, 1, 1}, "пластина 2 массой $m_2=m$ соединены"},
      {{4, 1, 1, 1, 2, 1, 1}, " По бруску катается цилиндр массой $m_2=2m$.\r\n"},
      {{9, 2, 1, 1, 1, 1, 1}, " Масса  цилиндра $B$ равна $m_2=m_1$. "},
      {{11, 2, 2, 1, 2, 2, 1},
       " и находится в зацеплении с бруском массой $m_2=3m_1$, скользящим по нижней грани "
       "пресса, движущегося вертикально.\r\n"},
      {{12, 1, 2, 1, 1, 2, 1}, " ползуна  --- $m_2=2m_1$. К стержню приложен момент $M$."},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Has(RunRow({c.params}).main, c.piece)) << c.params[0] << ": " << c.piece;
  }
}

// Mechanism 3 draws its blocks from the corner and mechanism 8 one block in black; both put
// the shared figure settings back for the next variant.
TEST(RouthFunctionTest, FigureSettingsAreRestored) {
  for (const int mechanism : {3, 8}) {
    auto s = testing_support::NewState();
    const auto run = testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 16,
                                                  {{mechanism, 1, 1, 1, 1, 1, 1}});
    EXPECT_TRUE(s->BlockCentred);
    EXPECT_EQ(s->BlockColour, "\\OliveGreen");
    EXPECT_EQ(Has(run.main, "\\Black{"), mechanism == 8);
  }
  auto s = testing_support::NewState();
  testing_support::SetVariant(*s, 1, {13, 1, 1, 1, 1, 1, 1});
  EXPECT_THROW(WriteRouthFunctionVariant(*s), toolkit::IndexRangeError);
}

// ---------------------------------------------------------------------------------------
// The Routh function of each mechanism, from its statement and figure.
//
// Every body is a point of the drawn geometry as a function of the two coordinates (phi and
// x, or phi and psi): its centre and its turning angle. The kinetic energy is the quadratic
// form T = (A phi'^2 + 2 B phi' x' + C x'^2) / 2 whose coefficients come from the bodies'
// velocities (central differences), V(phi) is the potential of the weights, forces and
// couples, and the Routh function, with the cyclic rate eliminated through p = dT/dx', is
//   R = p x' - L = (p - B phi')^2 / (2C) - A phi'^2 / 2 + V.
// The sign convention (R = p x' - L) is the one the printed formulas use: it makes the
// momentum term +p^2/(2C) and the couple term -M phi for a couple that turns phi forwards.

struct Pose {
  double x, y, angle;
};
using PoseFn = std::function<Pose(double, double)>;

struct Body {
  double mass;
  double inertia;  // about the centre
  PoseFn pose;
};

struct Model {
  std::vector<Body> bodies;
  std::function<double(double, double)> potential;  // V(phi, x): must not depend on x
};

constexpr double kPi = std::numbers::pi;
// The letters of the printed formulas and their test values.
constexpr double kM = 1.3, kA = 0.9, kB = 0.7, kR = 0.4, kDiscR = 0.6, kG = 9.81, kF = 2.3,
                 kCouple = 1.7;
constexpr double kRho = 0.35;  // radius of a rolling body whose radius the formula never names

Body Disc(double mass, double radius, PoseFn pose) {
  return {mass, mass * radius * radius / 2, std::move(pose)};
}
Body Slider(double mass, PoseFn pose) { return {mass, 0, std::move(pose)}; }
Body Rod(double mass, double length, PoseFn pose) {
  return {mass, mass * length * length / 12, std::move(pose)};
}

struct Parts {
  int p2, p3, p4, q;
};

// Mechanism 1: the right angle's arms OA = a at phi and OB = b at phi + 90 degrees push the
// blocks; a block in a vertical guide (prsv) follows the arm end's height, one in a horizontal
// guide (prsh) its abscissa. The rod moves along y (P4 = 1) or x (P4 = 2).
Model Mechanism1(Parts v) {
  const double m = kM, q = v.q;
  auto o = [v](double, double u) { return v.p4 == 1 ? Pose{0, u, 0} : Pose{u, 0, 0}; };
  auto end_a = [o](double f, double u) {
    const Pose p = o(f, u);
    return Pose{p.x + kA * std::cos(f), p.y + kA * std::sin(f), 0};
  };
  auto end_b = [o](double f, double u) {
    const Pose p = o(f, u);
    return Pose{p.x - kB * std::sin(f), p.y + kB * std::cos(f), 0};
  };
  auto follow = [](int guide, std::function<Pose(double, double)> end) {
    return [guide, end](double f, double u) {
      const Pose p = end(f, u);
      return guide == 1 ? Pose{0, p.y, 0} : Pose{p.x, 0, 0};
    };
  };
  Model model;
  model.bodies = {Slider(m, follow(v.p2, end_a)), Slider(q * m, follow(v.p3, end_b))};
  model.potential = [v, o, end_a, end_b](double f, double u) {
    double e = -kCouple * f;                                 // Momentp on the angle
    if (v.p2 == 2) e += kF * end_a(f, u).x;                  // force on block 1 towards -x
    if (v.p3 == 2) e -= kF * end_b(f, u).x;                  // force on block 2 towards +x
    if (v.p4 == 2 && v.p2 == 2 && v.p3 == 1) e -= kF * o(f, u).x;  // on the rod, +x
    if (v.p4 == 2 && v.p2 == 1 && v.p3 == 2) e += kF * o(f, u).x;  // on the rod, -x
    return e;
  };
  return model;
}

// Mechanism 2: discs A (mass m, centre x) and C (mass qm) roll on the floor; AB = BC = a.
// phi is the angle of CB (P3 = 1, drawn at 150 degrees) or of AB (P3 = 2, at 30 degrees).
Model Mechanism2(Parts v) {
  const double m = kM, q = v.q;
  auto xc = [v](double f, double x) {
    return v.p3 == 1 ? x - 2 * kA * std::cos(f) : x + 2 * kA * std::cos(f);
  };
  auto hinge_b = [](double f) { return kA * std::sin(f); };
  Model model;
  model.bodies = {Disc(m, kRho, [](double, double x) { return Pose{x, 0, -x / kRho}; }),
                  Disc(q * m, kRho, [xc](double f, double x) {
                    return Pose{xc(f, x), 0, -xc(f, x) / kRho};
                  })};
  model.potential = [v, hinge_b](double f, double) {
    if (v.p2 == 1) return (v.p4 == 1 ? 1 : -1) * kF * hinge_b(f);  // down / up at B
    // The couple turns the rod BC, whose angle is phi or 180 degrees - phi.
    const double bc = v.p3 == 1 ? f : kPi - f;
    return (v.p4 == 1 ? -1 : 1) * kCouple * bc;  // Momentp / Momentm
  };
  return model;
}

// Mechanism 3: B slides up the wall (abscissa fixed), A rolls on the bar whose abscissa is x;
// AB = a at phi.
Model Mechanism3(Parts v) {
  const double m = kM, q = v.q;
  Model model;
  model.bodies = {Disc(m, kRho, [](double f, double x) {
    const double xa = -kA * std::cos(f);
    return Pose{xa, 0, (xa - x) / kRho};
  })};
  if (v.p3 == 1) {
    model.bodies.push_back(Disc(q * m, kRho, [](double f, double) {
      return Pose{0, kA * std::sin(f), kA * std::sin(f) / kRho};
    }));
  } else {
    model.bodies.push_back(
        Slider(q * m, [](double f, double) { return Pose{0, kA * std::sin(f), 0}; }));
  }
  model.potential = [v, q](double f, double) {
    const double weight = q * kM * kG * kA * std::sin(f);  // body 2 rises along the wall
    return weight + (v.p2 == 1 ? kF * kA * std::cos(f)     // +x at A, abscissa -a cos(phi)
                               : kCouple * f);             // umomentm on the rod
  };
  return model;
}

// Mechanism 4: A on the vertical rod, B on the bar at B's height; phi is AB's angle at A
// (P2 = 1) or BA's angle at B, 180 degrees more (P2 = 2). The cylinder (centre x) rolls on
// the bar.
Model Mechanism4(Parts v) {
  const double m = kM, q = v.q;
  auto at_a = [v](double f) { return v.p2 == 1 ? f : f - kPi; };
  auto ya = [at_a](double f) { return -kA * std::sin(at_a(f)); };
  auto xb = [at_a](double f) { return kA * std::cos(at_a(f)); };
  Model model;
  model.bodies.push_back(Disc(q * m, kRho, [xb](double f, double x) {
    return Pose{x, 0, -(x - xb(f)) / kRho};
  }));
  if (v.p4 == 1) {
    model.bodies.push_back(Slider(m, [ya](double f, double) { return Pose{0, ya(f), 0}; }));
  } else {
    model.bodies.push_back(Slider(m, [xb](double f, double) { return Pose{xb(f), 0, 0}; }));
  }
  model.potential = [v, ya, xb](double f, double) {
    double e = v.p4 == 1 ? kM * kG * ya(f) : 0;  // the rod's weight
    e += v.p3 == 1 ? -kF * ya(f) : -kF * xb(f);  // up on the rod / +x on the bar
    return e;
  };
  return model;
}

// Mechanism 5: AB = BC = a, A fixed, C on the plate; the cylinder (centre x) rolls on it.
Model Mechanism5(Parts v) {
  const double m = kM, q = v.q;
  Model model;
  if (v.p2 == 1) {
    model.bodies.push_back(Rod(m, kA, [](double f, double) {
      return Pose{kA * std::cos(f) / 2, kA * std::sin(f) / 2, f};
    }));
  } else {
    model.bodies.push_back(Rod(m, kA, [](double f, double) {
      return Pose{1.5 * kA * std::cos(f), kA * std::sin(f) / 2, -f};
    }));
  }
  model.bodies.push_back(Disc(q * m, kRho, [](double f, double x) {
    return Pose{x, 0, -(x - 2 * kA * std::cos(f)) / kRho};
  }));
  model.potential = [v](double f, double) {
    double e = kM * kG * kA * std::sin(f) / 2;
    e += v.p3 == 1 ? kF * kA * std::sin(f) : -kF * 2 * kA * std::cos(f);
    return e;
  };
  return model;
}

// Mechanism 6: the lower cylinder A (mass qm, centre x) rolls on the floor, the upper one B
// rolls on the piston's lower face, which rises with B.
Model Mechanism6(Parts v) {
  const double m = kM, q = v.q;
  Model model;
  model.bodies.push_back(Disc(q * m, kRho, [](double, double x) { return Pose{x, 0, -x / kRho}; }));
  if (v.p2 == 1) {
    model.bodies.push_back(Disc(m, kRho, [](double f, double x) {
      const double xb = x + kA * std::cos(f);
      return Pose{xb, kA * std::sin(f), xb / kRho};
    }));
  } else {
    model.bodies.push_back(Slider(m, [](double f, double) { return Pose{0, kA * std::sin(f), 0}; }));
  }
  model.potential = [v](double f, double) {
    const double yb = kA * std::sin(f);
    return v.p2 == 1 ? (kM * kG + kF) * yb : kM * kG * yb + kCouple * f;  // momenLBm: clockwise
  };
  return model;
}

// Mechanism 7: the hinge P of the rod (length 4r) and the centre O of the load's face
// (R + r = 4r from the disc's axis) stand on one level, so x_load = x_plate + 8r cos(phi).
// The disc is massless; a couple on it works through its turning angle -4 phi.
Model Mechanism7(Parts v) {
  const double m = kM, q = v.q;
  auto plate = [v](double f, double x) { return v.p3 == 1 ? x : x - 8 * kR * std::cos(f); };
  Model model;
  model.bodies = {
      Slider(m, [plate](double f, double x) { return Pose{plate(f, x) + 8 * kR * std::cos(f), 0, 0}; }),
      Slider(q * m, [plate](double f, double x) { return Pose{plate(f, x), 0, 0}; })};
  model.potential = [v](double f, double) {
    return v.p2 == 1 ? -kCouple * 4 * f  // Momentm on the disc turning at -4 phi'
                     : -kCouple * f;     // Momentp on the rod
  };
  return model;
}

// Mechanism 8: A on the plate (abscissa x), B = A + a(cos, sin) on the trolley's post; the
// disc (radius R) on the trolley turns through B's height over R.
Model Mechanism8(Parts v) {
  const double m = kM, q = v.q;
  auto b = [](double f, double x) { return Pose{x + kA * std::cos(f), kA * std::sin(f), 0}; };
  Model model;
  if (v.p2 == 1) {
    model.bodies.push_back(Slider(m, b));
  } else {
    model.bodies.push_back(Rod(m, kA, [](double f, double x) {
      return Pose{x + kA * std::cos(f) / 2, kA * std::sin(f) / 2, f};
    }));
  }
  if (v.p4 == 1) {
    model.bodies.push_back(Slider(q * m, [b](double f, double x) { return Pose{b(f, x).x, 0, 0}; }));
  } else {
    model.bodies.push_back(Disc(q * m, kDiscR, [b](double f, double x) {
      return Pose{b(f, x).x, 0, b(f, x).y / kDiscR};
    }));
  }
  model.potential = [v](double f, double) {
    const double yb = kA * std::sin(f);
    const double weight = v.p2 == 1 ? kM * kG * yb : kM * kG * yb / 2;
    // MomentpLeft (P3 = 1) turns the disc counter-clockwise, which drives the coupling at its
    // left edge down: its work is -M dy_B / R.
    return weight + (v.p3 == 1 ? 1 : -1) * kCouple * yb / kDiscR;
  };
  return model;
}

// Mechanism 9: the rod AB translates with A = a(cos, sin); the small cylinder rolls on AB and
// its top is tied to the top of cylinder B (radius 2r, angle psi), so it moves along AB by
// -r psi and turns by psi.
Model Mechanism9(Parts v) {
  const double m = kM, q = v.q;
  Model model;
  model.bodies.push_back(Disc(m, kR, [](double f, double psi) {
    return Pose{kA * std::cos(f) - kR * psi, kA * std::sin(f), psi};
  }));
  if (v.p2 == 1) {
    model.bodies.push_back(Slider(q * m, [](double f, double) {
      return Pose{kA * std::cos(f), kA * std::sin(f), 0};
    }));
  } else {
    model.bodies.push_back(Disc(q * m, 2 * kR, [](double f, double psi) {
      return Pose{kA * std::cos(f), kA * std::sin(f), psi};
    }));
  }
  model.potential = [v, q](double f, double) {
    double e = (1 + q) * kM * kG * kA * std::sin(f);
    const double sense = v.p3 == 1 ? 1 : -1;  // umomentp / force to -x; umomentm / to +x
    e += v.p4 == 1 ? -sense * kCouple * f : sense * kF * kA * std::cos(f);
    return e;
  };
  return model;
}

// Mechanism 10: the crank OA (mass m) turns about O on the plate; A drives the rod AB, which
// moves with the coupling B (height of A) and the trolley (abscissa of A). CE is hinged at C
// with AC = AD = b, so it turns through phi / 2.
Model Mechanism10(Parts v) {
  const double m = kM, q = v.q;
  auto plate = [v](double f, double x) { return v.p4 == 1 ? x : x - kA * std::cos(f); };
  Model model;
  model.bodies.push_back(Rod(m, kA, [plate](double f, double x) {
    return Pose{plate(f, x) + kA * std::cos(f) / 2, kA * std::sin(f) / 2, f};
  }));
  model.bodies.push_back(Slider(q * m, [v, plate](double f, double x) {
    const double xa = plate(f, x) + kA * std::cos(f);
    return v.p2 == 1 ? Pose{xa, kA * std::sin(f), 0} : Pose{xa, 0, 0};
  }));
  model.potential = [v, q](double f, double) {
    const double lift = v.p2 == 1 ? 0.5 + q : 0.5;
    return lift * kM * kG * kA * std::sin(f) + (v.p3 == 1 ? -1 : 1) * kCouple * f / 2;
  };
  return model;
}

// Mechanism 11: OA = 3r; the disc (radius r) turns at 3 phi' - 2 psi' on the cylinder
// (radius 2r, angle psi); its top drives the bar, which slides under the press; the press
// rests on the disc's top.
Model Mechanism11(Parts v) {
  const double m = kM, q = v.q;
  auto disc = [](double f, double psi) {
    return Pose{3 * kR * std::cos(f), 3 * kR * std::sin(f), 3 * f - 2 * psi};
  };
  auto press = [](double f, double) { return Pose{0, 3 * kR * std::sin(f), 0}; };
  auto bar = [disc](double f, double psi) {
    const Pose d = disc(f, psi);
    return Pose{d.x - kR * d.angle, d.y, 0};
  };
  Model model;
  if (v.p3 == 1 && v.p2 == 1) {
    model.bodies = {Disc(m, kR, disc), Slider(q * m, press)};
  } else if (v.p3 == 1) {
    model.bodies = {Slider(m, press), Slider(q * m, bar)};
  } else {
    model.bodies = {Disc(m, 2 * kR, [](double, double psi) { return Pose{0, 0, psi}; }),
                    Slider(q * m, v.p2 == 1 ? PoseFn(press) : PoseFn(bar))};
  }
  model.potential = [v, q](double f, double) {
    const double lifted = v.p3 == 1 ? 1 + q : q;  // the disc or the press, and body 2
    return 3 * kR * std::sin(f) * (kF + lifted * kM * kG);
  };
  return model;
}

// Mechanism 12: the slider runs on x = 0; the axis K = S - a(cos, sin) keeps to the incline
// of the prism (abscissa x, slope 3/4 down to the right) and the cylinder rolls on it.
Model Mechanism12(Parts v) {
  const double m = kM, q = v.q;
  auto axis = [](double f, double x) {
    const double xk = -kA * std::cos(f);
    return Pose{xk, -0.75 * (xk - x), 1.25 * (xk - x) / kRho};
  };
  Model model;
  model.bodies.push_back(Slider(q * m, [axis](double f, double x) {
    return Pose{0, axis(f, x).y + kA * std::sin(f), 0};
  }));
  if (v.p3 == 1) {
    model.bodies.push_back(Disc(m, kRho, axis));
  } else {
    model.bodies.push_back(Slider(m, [](double, double x) { return Pose{x, 0, 0}; }));
  }
  model.potential = [v](double f, double) { return (v.p4 == 1 ? 1 : -1) * kCouple * f; };
  return model;
}

Model ModelOf(int mechanism, Parts v) {
  using Builder = Model (*)(Parts);
  static constexpr Builder kBuilders[12] = {Mechanism1, Mechanism2,  Mechanism3,  Mechanism4,
                                            Mechanism5, Mechanism6,  Mechanism7,  Mechanism8,
                                            Mechanism9, Mechanism10, Mechanism11, Mechanism12};
  return kBuilders[mechanism - 1](v);
}

struct Form {
  double a = 0, b = 0, c = 0;
};

Form KineticForm(const Model& model, double f, double x) {
  const double h = 1e-5;
  Form k;
  for (const Body& body : model.bodies) {
    const Pose fp = body.pose(f + h, x), fm = body.pose(f - h, x);
    const Pose xp = body.pose(f, x + h), xm = body.pose(f, x - h);
    const double vf[3] = {(fp.x - fm.x) / (2 * h), (fp.y - fm.y) / (2 * h),
                          (fp.angle - fm.angle) / (2 * h)};
    const double vx[3] = {(xp.x - xm.x) / (2 * h), (xp.y - xm.y) / (2 * h),
                          (xp.angle - xm.angle) / (2 * h)};
    k.a += body.mass * (vf[0] * vf[0] + vf[1] * vf[1]) + body.inertia * vf[2] * vf[2];
    k.b += body.mass * (vf[0] * vx[0] + vf[1] * vx[1]) + body.inertia * vf[2] * vx[2];
    k.c += body.mass * (vx[0] * vx[0] + vx[1] * vx[1]) + body.inertia * vx[2] * vx[2];
  }
  return k;
}

double Routh(const Model& model, double f, double w, double p) {
  const Form k = KineticForm(model, f, 0.1);
  return (p - k.b * w) * (p - k.b * w) / (2 * k.c) - k.a * w * w / 2 + model.potential(f, 0.1);
}

// The printed formula with its symbols as letters: phi f, phi' w, the momentum P.
std::string Letters(std::string text) {
  const std::pair<const char*, const char*> names[] = {
      {"\\!", ""},       {"\r\n", " "},     {"$", ""},           {"\\dot\\varphi", " w"},
      {"\\varphi", " f"}, {"p_\\psi", " P"}, {"p_x", " P"},        {"p_y", " P"}};
  for (const auto& [from, to] : names) {
    const std::string key = from;
    for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), to);
  }
  return text;
}

tex_formula::Point At(double f, double w, double p) {
  tex_formula::Point pt;
  for (const auto& [letter, value] :
       std::initializer_list<std::pair<char, double>>{{'f', f}, {'w', w}, {'P', p}, {'m', kM},
                                                      {'a', kA}, {'b', kB}, {'r', kR}, {'g', kG},
                                                      {'F', kF}, {'M', kCouple}, {'R', kDiscR}}) {
    pt.Set(letter, value);
  }
  return pt;
}

// Mechanism 1 draws (2, 2, 1) as (2, 2, 2) and (1, 1, 2) as (2, 1, 2).
Parts Drawn(int mechanism, Parts v) {
  if (mechanism == 1) {
    const int s = 2 * v.p3 + v.p2 + 4 * v.p4 - 6;
    if (s == 4) v.p4 = 2;
    if (s == 5) v.p2 = 2;
  }
  return v;
}

// Every printed Routh function equals the one derived from the drawn mechanism, up to a
// constant, at points spread over phi, phi' and p (the coordinate x never enters).
TEST(RouthFunctionTest, PrintedFunctionsMatchTheMechanisms) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {12, 2, 2, 2, 2, 2, 1},
                                                   800);
  const double samples[][3] = {{0.35, 0.8, 1.1}, {0.9, -1.3, 0.4}, {1.25, 0.6, -0.7},
                               {0.6, 2.1, 2.5}};
  long long checked = 0;
  for (const auto& point : points) {
    const auto& p = point.p;
    const auto run = RunRow({{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}}, point.level);
    const std::string cell = Cell(run.answers);
    const Parts v = Drawn(p[0], {p[1], p[2], p[3], p[4] + p[5] - 1});
    const Model model = ModelOf(p[0], v);
    // The model itself: x is cyclic.
    ASSERT_NEAR(model.potential(0.7, 0.1), model.potential(0.7, 1.4), 1e-9)
        << testing_support::Describe(point);
    const tex_formula::Formula printed(Letters(cell));
    const double base_printed = static_cast<double>(printed(At(0.5, 0, 0)));
    const double base_model = Routh(model, 0.5, 0, 0);
    for (const auto& s : samples) {
      const double want = Routh(model, s[0], s[1], s[2]) - base_model;
      const double got = static_cast<double>(printed(At(s[0], s[1], s[2]))) - base_printed;
      ASSERT_NEAR(got, want, 1e-5 * (1 + std::fabs(want)))
          << testing_support::Describe(point) << "\n" << cell;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 12 * 32 * 10));
}

}  // namespace
}  // namespace dynamics
