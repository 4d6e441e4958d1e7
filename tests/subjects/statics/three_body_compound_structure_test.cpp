#include "subjects/statics/three_body_compound_structure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "tests/support/tex_formula.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PutBefore;
using testing_support::VariantParams;

constexpr double kPi = 3.14159265358979323846;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunBeginVariant(*s, BeginThreeBodyStructureProblem,
                                          WriteThreeBodyStructureVariant, {p});
}

struct V2 {
  double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(double k, V2 a) { return {k * a.x, k * a.y}; }
double Len(V2 a) { return std::hypot(a.x, a.y); }
// Moment about p of force f at q.
double Mom(V2 p, V2 q, V2 f) { return (q.x - p.x) * f.y - (q.y - p.y) * f.x; }

// The unit vector along the coordinate axis nearest to v's direction.
V2 AxisOf(V2 v) {
  if (std::fabs(v.x) > std::fabs(v.y)) return {v.x > 0 ? 1.0 : -1.0, 0};
  return {0, v.y > 0 ? 1.0 : -1.0};
}

struct Path {
  V2 from;
  std::vector<V2> to;
};

std::vector<Path> PathsIn(const std::string& m, std::size_t from, std::size_t to) {
  std::vector<Path> out;
  std::size_t at = from;
  while (true) {
    const std::size_t mt = m.find("\\mt{", at), pp = m.find("\\pp{", at);
    const std::size_t next = std::min(mt, pp);
    if (next == std::string::npos || next >= to) break;
    std::size_t p = next;
    V2 v;
    v.x = NumberAfter(m, "{", p);
    v.y = NumberAfter(m, "{", p);
    if (next == mt) {
      out.push_back({v, {}});
    } else if (!out.empty()) {
      out.back().to.push_back(v);
    }
    at = p;
  }
  return out;
}

// The equation cells "& $..$" of a one-variant second answers table (one or two rows).
std::vector<std::string> SecondCells(const std::string& text) {
  const std::size_t start = text.find("\r\n") + 2;
  const std::string row = text.substr(start, text.find("\\hline\\end{tabular}", start) - start);
  std::vector<std::string> cells;
  for (std::size_t at = row.find("& $"); at != std::string::npos; at = row.find("& $", at + 1)) {
    const std::size_t end = row.find('$', at + 3);
    cells.push_back(row.substr(at + 3, end - at - 3));
  }
  return cells;
}

const char* const kNames[8] = {"X_A", "Y_A", "X_B", "Y_B", "X_E", "Y_E", "X_D", "Y_D"};

// Each equation "... =0" of a cell with the printed reactions put in for the unknowns; returns
// the residuals and the tolerance the printed precision allows (NaN residual: an unknown that
// the answers do not give).
std::vector<std::pair<double, double>> Residuals(const std::string& cell,
                                                 const std::vector<double>& cells) {
  std::vector<std::pair<double, double>> out;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = cell.find("=0", at);
    if (end == std::string::npos) break;
    std::string eq = cell.substr(at, end - at);
    if (eq.rfind("; \\ \\ ", 0) == 0) eq = eq.substr(6);
    double tol = 0.0101;
    bool known = true;
    for (int k = 0; k < 8; ++k) {
      for (std::size_t p = eq.find(kNames[k]); p != std::string::npos; p = eq.find(kNames[k])) {
        const double v = cells[k + 1];
        known = known && !std::isnan(v);
        // A coefficient is printed within 0.01, the unknown is cut after three decimals.
        tol += 0.0101 * std::fabs(v) + 0.0011 * 20;
        eq.replace(p, 3, "(" + std::to_string(v) + ")");
      }
    }
    const double r = known ? numeric_check::EvalTex(eq, 'x', 0) : std::nan("");
    out.push_back({r, tol});
    at = end + 2;
  }
  return out;
}

// The answers against the drawing: member ends and the hinge from the figure, metres from the
// dimension chain's scale, P, Q, F, m and alpha from the data block with the senses drawn, the
// reactions from the answers row. Each body balances its moments about C, the whole structure
// its forces.
std::string CheckVariant(const testing_support::RunTexts& t) {
  const std::string& m = t.main;
  const std::size_t pic = m.find("\\begin{picture}(194,150)(-17,-28)");
  const std::size_t f_label = m.find("{$\\vec F$}", pic);
  const std::size_t hinge = m.find("{\\circle{ 3}}", f_label);
  if (pic == std::string::npos || f_label == std::string::npos || hinge == std::string::npos)
    return "figure parts";
  const std::vector<Path> members = PathsIn(m, f_label, hinge);
  if (members.size() != 6 || members[0].to.size() != 3) return "members";
  std::map<int, V2> p;  // picture points by number
  p[2] = members[0].to[0];
  p[3] = members[0].to[1];
  p[9] = members[0].to[2];
  p[5] = members[2].to.at(0);
  p[7] = members[4].to.at(0);
  const auto pc = PutBefore(m, hinge);
  p[4] = {pc.x, pc.y};
  p[1] = members[0].from - 1.5 * AxisOf(p[2] - members[0].from);
  p[6] = members[2].from - 1.5 * AxisOf(p[5] - members[2].from);
  p[8] = members[4].from - 1.5 * AxisOf(p[7] - members[4].from);
  // The other members end where the polyline and the first ends say.
  if (Len(members[1].to.at(0) - p[3]) > 1e-6 || Len(members[3].to.at(0) - p[5]) > 1e-6 ||
      Len(members[5].to.at(0) - p[7]) > 1e-6)
    return "members meet";
  // Metres per picture unit from the horizontal chain: its first two ticks and first label.
  std::size_t at = m.find("%RAZMeR%begin%", hinge);
  at = m.find("\\mt{", m.find("\\pp{", at));
  const double tick1 = NumberAfter(m, "\\mt{", at);
  at = m.find("\\mt{", m.find("\\pp{", at));
  const double tick2 = NumberAfter(m, "\\mt{", at);
  const double first = NumberAfter(m, "{\\scriptsize ", at);
  const double unit = (tick2 - tick1) / first;
  if (!(unit > 0)) return "chain scale";
  std::map<int, V2> q;  // metres from C
  for (const auto& [k, v] : p) q[k] = (1 / unit) * (v - p[4]);
  const V2 C{0, 0};
  // Loads.
  const double P = NumberAfter(m, " $P="), Q = NumberAfter(m, " $Q="), F = NumberAfter(m, " $F=");
  const double couple = NumberAfter(m, "\\\\ $m="), alpha = NumberAfter(m, "$\\alpha=") * kPi / 180;
  const std::size_t p_label = m.find("{$\\vec P$}", pic);
  const std::size_t p_vec = m.rfind("\\vector(", p_label);
  std::size_t vp = p_vec;
  const double pdx = NumberAfter(m, "\\vector(", vp), pdy = NumberAfter(m, ",", vp);
  const auto pp = PutBefore(m, m.rfind("\\begin{picture}(5,5)(0,0)", p_vec));
  int p_point = 0;
  for (int k : {2, 5, 7})
    if (Len(p[k] - V2{pp.x, pp.y}) < 1e-6) p_point = k;
  if (p_point == 0) return "P at a loaded point";
  const V2 Pf{P * std::cos(alpha) * (pdx > 0 ? 1 : -1), P * std::sin(alpha) * (pdy > 0 ? 1 : -1)};
  const auto axis_force = [&](const char* label, double value, V2& at_point) {
    const std::size_t l = m.find(label, pic);
    std::size_t v = m.rfind("\\vector(", l);
    const auto put = PutBefore(m, v);
    const double dx = NumberAfter(m, "\\vector(", v), dy = NumberAfter(m, ",", v);
    at_point = {put.x, put.y};
    return V2{value * dx, value * dy};
  };
  V2 q_put, f_put;
  const V2 Qf = axis_force("{$\\vec Q$}", Q, q_put), Ff = axis_force("{$\\vec F$}", F, f_put);
  // Q acts along a line through point 9, F through C.
  const bool vertical = Qf.x == 0;
  if (vertical ? std::fabs(q_put.x - p[9].x) > 1e-6 : std::fabs(q_put.y - p[9].y) > 1e-6)
    return "Q through point 9";
  if (vertical ? std::fabs(f_put.x - p[4].x) > 1e-6 : std::fabs(f_put.y - p[4].y) > 1e-6)
    return "F through C";
  double couple2 = 0, couple3 = 0;
  for (const char* name : {"{\\usebox{\\momentplus}}", "{\\usebox{\\momentminus}}"}) {
    const double sign = std::string(name).find("plus") != std::string::npos ? 1 : -1;
    for (std::size_t b = m.find(name, pic); b != std::string::npos; b = m.find(name, b + 1)) {
      const auto put = PutBefore(m, b);
      if (std::fabs(put.x - p[6].x) < 1e-6) {
        couple2 += sign * couple;
      } else if (std::fabs(put.x - p[4].x) < 1e-6) {
        couple3 += sign * couple;
      } else {
        return "couple on no body";
      }
    }
  }
  // D: the one of points 2, 5, 7 with a support symbol on it.
  int d_point = 0;
  for (std::size_t b = m.find("{\\usebox{\\", hinge); b != std::string::npos;
       b = m.find("{\\usebox{\\", b + 1)) {
    const auto put = PutBefore(m, b);
    for (int k : {2, 5, 7})
      if (Len(p[k] - V2{put.x, put.y}) <= 1.6) d_point = k;
  }
  const std::vector<double> cells = AnswerCells(statics_testing::SingleRow(t.answers));
  if (cells.size() != 9) return "nine cells";
  const auto v = [&](int k) { return std::isnan(cells[k]) ? 0.0 : cells[k]; };
  const bool has_d = !std::isnan(cells[7]) || !std::isnan(cells[8]);
  if (has_d != (d_point != 0)) return "D drawn and answered";
  const V2 RA{v(1), v(2)}, RB{v(3), v(4)}, RE{v(5), v(6)}, RD{v(7), v(8)};
  double body[4] = {0, 0, 0, 0};
  body[1] = Mom(C, q[1], RA) + Mom(C, q[9], Qf);
  body[2] = Mom(C, q[6], RE) + couple2;
  body[3] = Mom(C, q[8], RB) + couple3;
  const int p_body = p_point == 2 ? 1 : p_point == 5 ? 2 : 3;
  body[p_body] += Mom(C, q[p_point], Pf);
  if (d_point != 0) body[d_point == 2 ? 1 : d_point == 5 ? 2 : 3] += Mom(C, q[d_point], RD);
  const V2 sum = RA + RB + RE + RD + Pf + Qf + Ff;
  double arms = 0;
  for (const auto& [k, point] : q) arms += std::fabs(point.x) + std::fabs(point.y);
  const double tol = 0.0011 * 2 * arms + 1e-6;
  for (int b = 1; b <= 3; ++b) {
    if (std::fabs(body[b]) > tol) return "body " + std::to_string(b) + " moment " + std::to_string(body[b]);
  }
  if (std::fabs(sum.x) > 0.005 || std::fabs(sum.y) > 0.005) return "forces";
  // The second answers file: each equation holds with the printed reactions.
  const std::vector<std::string> second = SecondCells(t.second_answers);
  if (second.empty()) return "no equations";
  for (const std::string& cell : second) {
    for (const auto& [r, rtol] : Residuals(cell, cells)) {
      if (!(std::fabs(r) <= rtol)) return "equation " + cell + " residual " + std::to_string(r);
    }
  }
  return "";
}

TEST(ThreeBodyCompoundStructureTest, BeginWritesTheStatementTheReferenceAndBothTables) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find(" Determine the reactions of the supports construction (kN), which "
                        "consists of three bodies connected at the point $C$ hinge. Dimensions "
                        "are in meters.\r\n"),
            0u);
  EXPECT_NE(t.main.find("\\Red{(p.67.)}"), std::string::npos);
  EXPECT_EQ(t.answers.find("\\small\\tabcolsep=2pt\\noindent\\begin{center}\\begin{tabular}{|"
                           "r|r|r|r|r|r|r|r|r|r|r|}\\hline \r\n\\ru\\#  &\\mc{$X_A$}&\\mc{$Y_A$}&"
                           "\\mc{$X_B$}&\\mc{$Y_B $}&\\mc{$X_E$}&\\mc{$Y_E $}&\\mc{$X_D $}&"
                           "\\mc{$Y_D $}\\\\\\hline\r\n"),
            0u);
  EXPECT_EQ(t.second_answers.find("\\scriptsize\\noindent\\begin{center}\\begin{tabular}{|r|r|r|"
                                  "r|r|r|}\\hline \r\n\\No & equations \\\\\\hline \r\n1& $"),
            0u);
}


TEST(ThreeBodyCompoundStructureTest, ThePrintedReactionsHoldEveryBodyAndTheirEquations) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {8, 2, 2, 9, 4, 9, 9}, 1500, 1, 1);
  long long checked = 0;
  for (const auto& point : points) {
    const auto t = RunOne(point.p);
    const std::string why = CheckVariant(t);
    ASSERT_EQ(why, "") << testing_support::Describe(point) << "\n"
                       << statics_testing::SingleRow(t.answers) << "\n"
                       << t.second_answers;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 8LL * 2 * 2 * 9 * 4 * 9 * 9));
}

TEST(ThreeBodyCompoundStructureTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* row;
    const char* second;
  };
  const Case cases[] = {
      {"first set: scheme 1, roller A, pins E and B",
       {1, 1, 1, 1, 1, 3, 2},
       " $1$ & $ -  $ & $  -2.000$ & $  -4.398$ & $  -2.700$ & $   1.800$ & $   0.200$ & $  - $ & "
       "$  - $",
       "1& $-5\\cdot X_E+5\\cdot Y_E+8=0; \\ \\ -2\\cdot X_E+3\\cdot Y_E+3=0. $   \\\\\\hline"},
      {"scheme 9: roller D at point 7, no X_B or X_E",
       {1, 1, 1, 9, 1, 3, 2},
       " $1$ & $  -2.598$ & $  -3.299$ & $  -  $ & $   3.897$ & $    -  $ & $  -1.000$ & $  - $ & "
       "$ -12.098$",
       "1& $X_A+2.6=0; \\ \\ 4\\cdot X_A-8\\cdot Y_A-16=0. $   \\\\ & $6\\cdot Y_B+8\\cdot Y_D+73.4=0; "
       "\\ \\ -2\\cdot Y_B+7.8=0. $   \\\\\\hline"},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    // The solver's empty line comes first.
    EXPECT_EQ(statics_testing::SingleRow(t.answers), std::string("\r\n") + c.row) << c.what;
    EXPECT_NE(t.second_answers.find(std::string("\r\n") + c.second), std::string::npos)
        << c.what << "\n" << t.second_answers;
  }
  // The data block states P, Q, F = P4, m and alpha, and nothing after it.
  const auto t = RunOne({1, 1, 1, 9, 1, 3, 2});
  EXPECT_NE(t.main.find("\\vfill\\parbox[b]{190pt}{ $P=3$~kN,  \r\n $Q=2$~kN,  \r\n $F=9$~kN,  \r\n"
                        "\\\\ $m=3$~kNm, $\\alpha=30^\\circ$.}\r\n"),
            std::string::npos);
  EXPECT_EQ(t.main.find("i4="), std::string::npos);
  // The first set's points, half-metres from C: A (-16, -8), B (-4, -6), E (6, 4); with equal
  // fit factors the horizontal chain reads 2, 4, 2, 3 m.
  const auto first = RunOne({1, 1, 1, 1, 1, 3, 2});
  const std::size_t chain = first.main.find("%RAZMeR%begin%");
  const std::string labels = first.main.substr(chain, first.main.find("%RAZMeR Vert", chain) - chain);
  std::vector<double> values;
  for (std::size_t at = labels.find("{\\scriptsize "); at != std::string::npos;
       at = labels.find("{\\scriptsize ", at + 1)) {
    values.push_back(NumberAfter(labels.substr(at), "{\\scriptsize "));
  }
  EXPECT_EQ(values, (std::vector<double>{2, 4, 2, 3}));
}

// A, C and E (layout 2, scheme 2) or A, C and B (layout 5, scheme 3) would lie on one line and
// the structure would move; E and B stand 1 m further out instead, and every load case solves.
TEST(ThreeBodyCompoundStructureTest, LayoutsThatWouldBeMechanismsAreMovedOffTheLine) {
  for (const VariantParams base : {VariantParams{2, 1, 1, 2, 1, 1, 1}, VariantParams{5, 2, 1, 3, 1, 1, 1}}) {
    for (int p5 = 1; p5 <= 4; ++p5) {
      for (int load : {1, 9}) {
        VariantParams p = base;
        p[4] = p5;
        p[5] = load;
        p[6] = 10 - load;
        testing_support::RunTexts t;
        ASSERT_NO_THROW(t = RunOne(p)) << p[0] << " " << p5;
        EXPECT_EQ(CheckVariant(t), "") << p[0] << " " << p5;
      }
    }
  }
}

}  // namespace
}  // namespace statics
