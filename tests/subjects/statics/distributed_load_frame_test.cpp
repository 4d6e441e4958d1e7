#include "subjects/statics/distributed_load_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
  return testing_support::RunBeginVariant(*s, BeginDistributedLoadFrameProblem,
                                          WriteDistributedLoadFrameVariant, {p});
}

// The row of a one-variant second answers file: the text after its table line up to the
// row end " \\".
// The first variant's row of the second answers table: the line after the head row's.
std::string SecondRow(const std::string& text) {
  const std::size_t start = text.find("\r\n", text.find("\r\n") + 2) + 2;
  const std::size_t end = text.find(" \\\\", start);
  return text.substr(start, end - start);
}

struct V2 {
  double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(double k, V2 a) { return {k * a.x, k * a.y}; }
double Cross(V2 a, V2 b) { return a.x * b.y - a.y * b.x; }
double Dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
double Len(V2 a) { return std::hypot(a.x, a.y); }
// Moment about p of force f at q.
double Mom(V2 p, V2 q, V2 f) { return Cross(q - p, f); }

// The direction of v snapped to the nearest multiple of `step` degrees.
V2 Snapped(V2 v, double step) {
  const double a = std::round(std::atan2(v.y, v.x) * 180 / kPi / step) * step * kPi / 180;
  return {std::cos(a), std::sin(a)};
}

// One em-line path: its \mt point and the \pp points after it.
struct Path {
  V2 from;
  std::vector<V2> to;
};

// The em-line paths written between `from` and `to`.
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


// The printed equation `eq` (its left side, "=0" dropped) with printed values put in for the
// named unknowns; "" when it holds to the printed precision: coefficients within 0.01 (the
// document's number format), values cut after `cut`.
std::string EquationHolds(std::string eq, const std::vector<std::pair<std::string, double>>& vals,
                          double cut) {
  const auto with = [&](const std::vector<double>& v) {
    std::string e = eq;
    for (std::size_t k = 0; k < vals.size(); ++k) {
      for (std::size_t p = e.find(vals[k].first); p != std::string::npos;
           p = e.find(vals[k].first)) {
        e.replace(p, vals[k].first.size(), "(" + std::to_string(v[k]) + ")");
      }
    }
    return numeric_check::EvalTex(e, 'x', 0);
  };
  std::vector<double> zero(vals.size(), 0.0), value;
  for (const auto& nv : vals) value.push_back(nv.second);
  const double r = with(value), r0 = with(zero);
  double tol = 0.0101 + 1e-9;
  for (std::size_t k = 0; k < vals.size(); ++k) {
    std::vector<double> unit = zero;
    unit[k] = 1;
    const double coef = with(unit) - r0;
    tol += 0.0101 * std::fabs(vals[k].second) + 1.01 * cut * std::fabs(coef);
  }
  if (std::fabs(r) <= tol) return "";
  return eq + ": residual " + std::to_string(r) + " beyond " + std::to_string(tol);
}

V2 LabelAt(const std::string& m, const char* label) {
  const auto p = PutBefore(m, m.find(label));
  return {p.x, p.y};
}

// ---- The answers against the drawing ----
//
// The geometry is read from the figure (member directions, snapped to the 30-degree grid the
// statement promises) and the printed lengths; the loads from the printed intensities and the
// drawn arrows; the reactions from the answers row. Each body must balance its moments about
// the hinge C and the whole frame its forces.
struct Checked {
  bool ok = false;
  std::string why;
};

Checked CheckVariant(const testing_support::RunTexts& t) {
  const std::string& m = t.main;
  const double q1 = NumberAfter(m, "$ q_1="), R = NumberAfter(m, " $R=");
  const double q2 = NumberAfter(m, " $q_2="), AB = NumberAfter(m, "  $AB=");
  const double BC = NumberAfter(m, "  $BC="), DE = NumberAfter(m, "$DE=");
  const double frac = NumberAfter(m, "\\pi R/");
  const double theta = std::isnan(frac) ? kPi / 2 : kPi / frac;
  const bool from_c = m.find(" $CK=") != std::string::npos || std::isnan(frac);
  if (std::isnan(frac) != (m.find("{$K$}") == std::string::npos)) return {false, "K label"};
  const std::size_t pic = m.find("\\begin{picture}(192,");
  const std::size_t magenta = m.find("\\Magenta{", pic);
  const std::size_t q1_label = m.find("$q_1$", magenta);
  const std::size_t marker = m.find("\\BrickRed{", q1_label);
  if (pic == std::string::npos || magenta == std::string::npos || marker == std::string::npos)
    return {false, "figure parts"};
  // Members AB, CB, ED, each from near its free end.
  const std::vector<Path> members = PathsIn(m, q1_label, marker);
  if (members.size() != 3) return {false, "three members"};
  std::size_t at = marker;
  const V2 Cp{NumberAfter(m, "\\put(", at), NumberAfter(m, ",", at)};
  const V2 Bp = members[0].to.at(0), Dp = members[2].to.at(0);
  const V2 uAB = Snapped(Bp - members[0].from, 90);
  const V2 uBC = Snapped(members[1].from - Bp, 30);
  const V2 uDE = Snapped(members[2].from - Dp, 90);
  const V2 A{0, 0}, B = AB * uAB, C = B + BC * uBC;
  const V2 D = C + V2{R * (Dp.x > Cp.x ? 1 : -1), R * (Dp.y > Cp.y ? 1 : -1)};
  const V2 E = D + DE * uDE;
  // The drawing is the geometry at one scale (body CDE 1.5 units off the hinge).
  const V2 Ap = members[0].from - 1.5 * uAB;
  const double scale = Len(Bp - Ap) / AB;
  const V2 Ep = members[2].from + 1.5 * uDE;
  for (const auto& [pic_point, point] :
       std::vector<std::pair<V2, V2>>{{Cp, C}, {Dp, D}, {Ep, E}}) {
    if (Len(pic_point - (Ap + scale * point)) > 2.2) return {false, "drawn to scale"};
  }
  // O: the corner of the arc's square nearer to the drawn label.
  const V2 Op = LabelAt(m, "{$O$}");
  const V2 o1{C.x, D.y}, o2{D.x, C.y};
  const V2 O = Len(Op - (Ap + scale * o1)) < Len(Op - (Ap + scale * o2)) ? o1 : o2;
  if (std::fabs(Len(C - O) - R) > 1e-9 || std::fabs(Len(D - O) - R) > 1e-9)
    return {false, "arc radius"};
  // q1: the longest arrow stands at the end of largest intensity.
  const std::vector<Path> q1_arrows = PathsIn(m, magenta, q1_label);
  double longest = 0;
  V2 base, dir;
  for (const Path& p : q1_arrows) {
    if (p.to.size() != 2) continue;  // shafts carry a barb; the envelope and barbs do not
    if (Len(p.to[0] - p.from) > longest) {
      longest = Len(p.to[0] - p.from);
      base = p.from;
      dir = p.to[0] - p.from;
    }
  }
  const bool max_at_a = Len(base - Ap) < Len(base - Bp);
  const V2 K1 = max_at_a ? (1.0 / 3) * B : (2.0 / 3) * B;
  const V2 Q1 = (q1 * AB / 2) * Snapped(dir, 90);
  // q2: along the bisector of the loaded arc through O, outward when its arrows point out.
  const std::size_t red = m.find("\\Red{\\mt{", marker);
  if (red == std::string::npos) return {false, "q2 arrows"};
  const Path first = PathsIn(m, red, m.find("$q_2$", red)).at(0);
  const V2 O_pic = Ap + scale * O;
  const double outward = Dot(first.to.at(0) - first.from, first.from - O_pic) > 0 ? 1 : -1;
  const V2 start = from_c ? C : D, other = from_c ? D : C;
  const V2 es = (1 / R) * (start - O);
  const double turn = (Cross(es, other - O) > 0 ? 1 : -1) * theta / 2;
  const V2 bis{es.x * std::cos(turn) - es.y * std::sin(turn),
               es.x * std::sin(turn) + es.y * std::cos(turn)};
  const V2 Q2 = (2 * q2 * R * std::sin(theta / 2) * outward) * bis;
  // Reactions.
  const std::vector<double> cells = AnswerCells(statics_testing::SingleRow(t.answers));
  if (cells.size() != 7) return {false, "seven cells"};
  const auto v = [&](int k) { return std::isnan(cells[k]) ? 0.0 : cells[k]; };
  const bool clamp = !std::isnan(cells[6]);
  const bool clamp_at_a = clamp && !std::isnan(cells[1]);
  const int clamps = static_cast<int>(m.find("zadelka}") != std::string::npos);
  if (clamps != static_cast<int>(clamp)) return {false, "clamp drawn"};
  const V2 RA{v(1), v(2)}, RE{v(4), v(5)}, RD{0, v(3)};
  const double MA = clamp_at_a ? v(6) : 0, ME = clamp && !clamp_at_a ? v(6) : 0;
  const double body1 = Mom(C, K1, Q1) + Mom(C, A, RA) + MA;
  const double body2 = Mom(C, O, Q2) + Mom(C, D, RD) + Mom(C, E, RE) + ME;
  const double fx = Q1.x + Q2.x + RA.x + RE.x, fy = Q1.y + Q2.y + RA.y + RD.y + RE.y;
  // Every answer keeps its integer digits; eight characters leave two decimals below 10^4 and
  // one above (a nearly collinear A, C, E gives reactions of some thousands of kN).
  const std::string row = statics_testing::SingleRow(t.answers);
  double cut = 0.01;
  for (std::size_t p = row.find("$&$"); p != std::string::npos; p = row.find("$&$", p + 1)) {
    const std::string cell = row.substr(p + 3, 8);
    if (cell.substr(0, 5) == "  -  ") continue;
    const std::size_t dot = cell.find('.');
    if (dot == std::string::npos || dot == 7) return {false, "answer text " + cell};
    cut = std::max(cut, std::pow(10.0, -static_cast<double>(7 - dot)));
  }
  // Answers are cut, not rounded: allow one last digit per printed value and its arm.
  const double tol1 = 1.1 * cut * (Len(A - C) * 2 + 1) + 1e-6;
  const double tol2 = 1.1 * cut * (Len(D - C) + Len(E - C) * 2 + 1) + 1e-6;
  if (std::fabs(body1) > tol1) return {false, "body ABC moment " + std::to_string(body1)};
  if (std::fabs(body2) > tol2) return {false, "body CDE moment " + std::to_string(body2)};
  if (std::fabs(fx) > 3.1 * cut || std::fabs(fy) > 4.1 * cut) return {false, "forces"};
  // The second answers file: the equations hold with the printed reactions.
  const std::string second = SecondRow(t.second_answers);
  const std::size_t open = second.find("& $");
  if (open == std::string::npos) return {false, "no second answers cell"};
  const std::string body = second.substr(open + 3);
  const std::vector<std::pair<std::string, double>> vals{
      {"X_A", cells[1]}, {"Y_A", cells[2]}, {"Y_D", cells[3]},
      {"X_E", cells[4]}, {"Y_E", cells[5]}, {clamp_at_a ? "M_A" : "M_E", cells[6]}};
  std::vector<std::pair<std::string, double>> known;
  for (const auto& nv : vals)
    if (!std::isnan(nv.second)) known.push_back(nv);
  if (body.find("=0; \\ \\ ") != std::string::npos) {
    const std::size_t semi = body.find("=0; \\ \\ ");
    const std::size_t end = body.find("=0. $", semi);
    for (const std::string& eq : {body.substr(0, semi), body.substr(semi + 8, end - semi - 8)}) {
      const std::string why = EquationHolds(eq, known, cut);
      if (!why.empty()) return {false, why};
    }
  } else {
    // "Y=n/(d)$, $M=...\cdot Y$": the closed formulas.
    const std::string y_name = body.substr(0, 3), m_name = body.substr(body.find(", $") + 3, 3);
    const std::size_t eq1 = body.find('=') + 1, slash = body.find("/(", eq1);
    const double n = numeric_check::EvalTex(body.substr(eq1, slash - eq1), 'x', 0);
    const double dd = numeric_check::EvalTex(body.substr(slash + 2, body.find(")$") - slash - 2),
                                             'x', 0);
    double yv = 0;
    for (const auto& nv : known)
      if (nv.first == y_name) yv = nv.second;
    const double tol = 1.01 * cut + 0.0101 * (1 + std::fabs(n / dd)) / std::fabs(dd);
    if (std::fabs(n / dd - yv) > tol) return {false, "closed formula of " + y_name};
    const std::size_t m_start = body.find(m_name + "=") + 4;
    const std::string m_text = body.substr(m_start, body.rfind('$') - m_start) + "-" + m_name;
    const std::string why = EquationHolds(m_text, known, cut);
    if (!why.empty()) return {false, why};
  }
  return {true, ""};
}

TEST(DistributedLoadFrameTest, BeginWritesTheBoxesTheStatementAndBothTables) {
  auto s = testing_support::NewState();
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find("\\font\\circl=lcircle10\r\n\\newsavebox{\\ugn}\\sbox{\\ugn}{%\r\n"
                        "\\noindent\\begin{picture}(9,9)(0,0)%\r\n"),
            0u)
      << t.main.substr(0, 300);
  EXPECT_NE(t.main.find("\\newsavebox{\\ugv}\\sbox{\\ugv}{%"), std::string::npos);
  EXPECT_NE(t.main.find(" Determine the reaction of supports of the flat composite frame under "
                        "the action of a linearly distributed load with a maximum intensity of "
                        "$q_1$ and load with intensity $q_2$,\r\n  uniformly distributed along "
                        "the arc of a circle. Arc $CD$ represents a quarter of a circle of "
                        "radius $R$ centered at $O$.\r\n"),
            std::string::npos);
  EXPECT_NE(t.main.find("\\Red{(p.61.)}"), std::string::npos);
  EXPECT_EQ(t.answers.find("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|r|}"
                           "\\hline \r\n \\No& $ X_A $&$ Y_A$&$ Y_D $&$ X_E $&$ Y_E $&$ M_{A(E)}$"
                           "\\\\\\hline\r\n"),
            0u);
  EXPECT_EQ(t.second_answers.find("\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|r|r|}"
                                  "\\hline \r\n\\No & equations \\\\\\hline \r\n 1& $"),
            0u)
      << "the second answers file's head row";
}


TEST(DistributedLoadFrameTest, ThePrintedReactionsHoldBothBodiesAndTheirEquations) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {4, 2, 2, 2, 8, 10, 8}, 1200, 1, 1);
  long long checked = 0;
  for (const auto& point : points) {
    const auto t = RunOne(point.p);
    const Checked c = CheckVariant(t);
    ASSERT_TRUE(c.ok) << testing_support::Describe(point) << ": " << c.why << "\n"
                      << statics_testing::SingleRow(t.answers) << "\n"
                      << t.second_answers;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 2 * 2 * 2 * 8 * 10 * 8));
}

TEST(DistributedLoadFrameTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    const char* data;
    const char* row;
    const char* second;
  };
  const Case cases[] = {
      {"first set: case A1, load on CK = pi R/6",
       {1, 1, 1, 1, 1, 5, 1},
       "\\hfill\\parbox[b]{172pt}{\\small\\begin{tabular}{ll}\r\n$ q_1=14$~kN/m,& \r\n $R=6$~m, "
       "\\\\\r\n $q_2=5$~kN/m, & \r\n  $AB=6$~m,\\\\ \r\n  $BC=9$~m, & \r\n $CK=\\pi R/6$~m,\\\\ "
       "\r\n$DE=5$~m.\\\\ \r\n\\end{tabular}\\par\\rule{0pt}{15pt}}\\vskip3mm\r\n",
       "$ 1$&$  -46.01$&$   16.19$&$    5.06$&$  -  $&$   -6.25$&$  -  $ ",
       " 1& $8.8\\cdot Y_E+13.8\\cdot Y_D-14.83=0; \\ \\ Y_E+6\\cdot Y_D-24.12=0. $  "},
      {"P5 = 7: case B, the whole arc loaded, BC paired with DE",
       {1, 1, 1, 1, 7, 5, 1},
       "  $BC=9$~m, & \r\n$DE=5$~m.\\\\ \r\n\\end{tabular}",
       "$ 1$&$   42.00$&$  330.00$&$  -  $&$  -  $&$ -396.00$&$ 3217.09$ ",
       " 1& $Y_E=-396/(1)$, $M_A=-217.42-48-8.8\\cdot Y_E$"},
      {"P5 = 8: case C, clamp at E",
       {1, 1, 1, 1, 8, 5, 1},
       "  $BC=9$~m, & \r\n$DE=5$~m.\\\\ \r\n\\end{tabular}",
       "$ 1$&$  -  $&$  -22.90$&$  -  $&$   51.00$&$  -49.09$&$  -76.90$ ",
       " 1& $Y_A=178.5/(-7.8)$, $M_E=72+52.5+8.8\\cdot Y_A$"},
      {"case A2 with a zero coefficient",
       {2, 2, 2, 1, 2, 3, 4},
       " $CK=\\pi R/6$~m,\\\\ \r\n",
       "$ 1$&$  -28.56$&$  -33.80$&$  -  $&$   10.56$&$   -9.51$&$  -  $ ",
       " 1& $-22.93\\cdot Y_A-775.07=0; \\ \\ 4\\cdot X_A-13.93\\cdot Y_A-356.57=0. $  "},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    EXPECT_NE(t.main.find(c.data), std::string::npos) << c.what << "\n" << t.main;
    EXPECT_NE(t.answers.find(std::string("\r\n") + c.row), std::string::npos)
        << c.what << "\n" << t.answers;
    EXPECT_EQ(SecondRow(t.second_answers).rfind(c.second, 0), 0u)
        << c.what << "\n" << t.second_answers;
    EXPECT_EQ(t.main.find("{$K$}") == std::string::npos, c.p[4] >= 7) << c.what;
  }
  // The label E stands beside E, moved 11 units left when DE runs to the left (P4 = 1), and
  // below a DE that rises from D (P3 = 2, P4 = 1, P2 = 2).
  EXPECT_NE(RunOne({1, 1, 1, 1, 1, 5, 1}).main.find("\\put(73.07,56.29){\\scriptsize \\Brown{$E$}}"),
            std::string::npos);
  const auto rising = RunOne({2, 2, 2, 1, 2, 3, 4});
  const auto e_label = PutBefore(rising.main, rising.main.find("{$E$}"));
  const auto d_label = PutBefore(rising.main, rising.main.find("{$D$}"));
  EXPECT_DOUBLE_EQ(e_label.x, d_label.x) << "E right of a vertical DE, as D";
  EXPECT_GT(e_label.y, d_label.y + 20) << "E above D";
}

// The comment line counts the variants of the set, the answers rows carry the printed numbers
// (a three-digit number fills its field).
TEST(DistributedLoadFrameTest, CommentShowsTheLoopIndexAndRowsThePrintedNumber) {
  for (int first : {21, 96}) {
    auto s = testing_support::NewState();
    s->FirstNumber = first;
    std::vector<VariantParams> set(5, VariantParams{1, 1, 1, 1, 1, 5, 1});
    const auto t = testing_support::RunBeginVariant(*s, BeginDistributedLoadFrameProblem,
                                                    WriteDistributedLoadFrameVariant, set);
    EXPECT_NE(t.main.find("%%%%%%%%%%%%%%%%   Вариант  5%\r\n\\vskip8pt\r\n"), std::string::npos);
    const std::string last = std::to_string(first + 4);
    EXPECT_NE(t.answers.find("\\\\$" + last + "$&$  -46.01$"), std::string::npos) << t.answers;
    EXPECT_NE(t.second_answers.find(last + "& $8.8"), std::string::npos) << t.second_answers;
  }
}

}  // namespace
}  // namespace statics
