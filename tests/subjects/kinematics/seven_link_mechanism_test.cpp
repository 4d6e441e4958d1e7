#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "subjects/kinematics/kinematics.h"
#include "subjects/kinematics/kinematics_check.h"
#include "subjects/kinematics/linkage_geometry.h"
#include "tests/support/plane_frame.h"

namespace {

using namespace linkage_geometry;

using kinematics_check::Agrees;
using kinematics_check::RunOne;
using kinematics_check::RunSubjectVariant;

constexpr double kPi = std::numbers::pi;


// The point of the horizontal line through `on` at distance L from p, nearest `on`.
P2d OnHorizontal(P2d p, double L, P2d on) {
  const double dy = p.y - on.y;
  const double dx = std::sqrt(std::max(0.0, L * L - dy * dy));
  const double x1 = p.x - dx, x2 = p.x + dx;
  return {std::abs(x1 - on.x) < std::abs(x2 - on.x) ? x1 : x2, on.y};
}

// Where x0 of a rigid body goes when its points p0 and q0 go to p and q.
P2d Carry(P2d p0, P2d q0, P2d p, P2d q, P2d x0) {
  return p + Rotate(x0 - p0, Angle(q - p) - Angle(q0 - p0));
}

// The mechanism as the data text and the figure give it: the joints of the left rod A-B-C at
// x = 0, the right rod E-F-G, the pivots O, K and H at the printed angle in their quadrants.
struct Mechanism {
  int p5 = 1;
  double w = 0;
  double a = 0, c = 0, oa = 0, kg = 0, eh = 0, d = 0;
  P2d A, B, C, D, E, F, G, H, O, N, K;
};

Mechanism Build(const kinematics_check::Params& p, const std::string& main) {
  Mechanism m;
  m.p5 = p[4];
  const int P5 = p[4];
  m.w = NumberAfter(main, "}=");
  const double alpha = NumberAfter(main, "$\\alpha=") * kPi / 180;
  EXPECT_EQ(alpha, (p[1] == p[2] ? 45 : 30) * kPi / 180);
  m.a = NumberAfter(main, "$AB=");
  m.c = NumberAfter(main, "$BC=");
  m.oa = NumberAfter(main, "$OA=");
  m.kg = NumberAfter(main, "$KG=");
  m.eh = NumberAfter(main, "$EH=");
  double pp = 0, qq = 0, fe = 0, fg = 0;
  if (P5 <= 3) {
    pp = NumberAfter(main, "$NB="), qq = NumberAfter(main, "$NF=");
  } else if (P5 <= 5) {
    pp = NumberAfter(main, "$DB="), qq = NumberAfter(main, "$DF=");
  } else if (P5 <= 8) {
    pp = NumberAfter(main, "$BF="), qq = NumberAfter(main, "$NF=");
  } else {
    pp = NumberAfter(main, "$BF="), qq = NumberAfter(main, "$FD=");
  }
  m.d = NumberAfter(main, P5 == 4 || P5 == 5 || P5 >= 9 ? "$NC=" : "$CD=");
  fg = NumberAfter(main, "$FG=");
  fe = P5 >= 6 && P5 <= 8 ? fg + NumberAfter(main, "$GE=") : NumberAfter(main, "$FE=");
  EXPECT_FALSE(std::isnan(pp + qq + fe + fg + m.a + m.c + m.oa + m.kg + m.eh + m.d)) << main;
  m.A = {0, -m.a};
  m.B = {0, 0};
  m.C = {0, m.c};
  const double xe = P5 <= 5 ? pp + qq : pp;
  m.E = {xe, -fe};
  m.F = {xe, 0};
  m.G = {xe, P5 <= 5 ? fg : -fg};
  const bool one = P5 == 1 || P5 == 2 || P5 == 3 || P5 == 6 || P5 == 7 || P5 == 8;
  const double side = 3 - 2 * p[1];
  const P2d far = P5 <= 5 ? P2d{pp, 0} : P2d{pp + qq, 0};
  if (one) {
    m.N = far;
    m.D = {side * m.d, m.c};
  } else {
    m.D = far;
    m.N = {side * m.d, m.c};
  }
  auto place = [&](int q, P2d from, double L) {
    const double sx = q == 1 || q == 4 ? 1 : -1, sy = q <= 2 ? 1 : -1;
    return from + P2d{L * sx * std::cos(alpha), L * sy * std::sin(alpha)};
  };
  m.O = place(p[0], m.A, m.oa);
  m.K = place(p[2], m.G, m.kg);
  m.H = place(p[3], m.E, m.eh);
  return m;
}

struct Positions {
  P2d A, B, C, D, E, F, G, H;
};

// The mechanism with its driving link turned by q from the drawn position.
Positions Move(const Mechanism& m, double q) {
  Positions s;
  const int P5 = m.p5;
  const bool one = P5 == 1 || P5 == 2 || P5 == 3 || P5 == 6 || P5 == 7 || P5 == 8;
  auto rod_right = [&](Positions& t) {
    // The rod F-G-E with the rocker K-G, and the slider H.
    t.G = Intersect(t.F, Len(m.G - m.F), m.K, m.kg, m.G);
    t.E = Carry(m.F, m.G, t.F, t.G, m.E);
    t.H = OnHorizontal(t.E, m.eh, m.H);
  };
  if (P5 == 3 || P5 == 7) {
    s.G = m.K + Rotate(m.G - m.K, q);
    s.F = Intersect(m.N, Len(m.F - m.N), s.G, Len(m.G - m.F), m.F);
    s.E = Carry(m.F, m.G, s.F, s.G, m.E);
    s.H = OnHorizontal(s.E, m.eh, m.H);
    s.B = Carry(m.N, m.F, m.N, s.F, m.B);
    s.A = Intersect(m.O, m.oa, s.B, m.a, m.A);
    s.C = Carry(m.A, m.B, s.A, s.B, m.C);
    s.D = OnHorizontal(s.C, Len(m.D - m.C), m.D);
    return s;
  }
  if (one) {
    if (P5 == 1 || P5 == 6) {
      s.A = m.O + Rotate(m.A - m.O, q);
      s.B = Intersect(s.A, m.a, m.N, Len(m.B - m.N), m.B);
    } else {
      s.B = m.N + Rotate(m.B - m.N, q);
      s.A = Intersect(m.O, m.oa, s.B, m.a, m.A);
    }
    s.C = Carry(m.A, m.B, s.A, s.B, m.C);
    s.D = OnHorizontal(s.C, Len(m.D - m.C), m.D);
    s.F = Carry(m.N, m.B, m.N, s.B, m.F);
  } else {
    if (P5 == 4 || P5 == 10) {
      s.A = m.O + Rotate(m.A - m.O, q);
      s.C = Intersect(s.A, m.a + m.c, m.N, Len(m.C - m.N), m.C);
    } else {
      s.C = m.N + Rotate(m.C - m.N, q);
      s.A = Intersect(m.O, m.oa, s.C, m.a + m.c, m.A);
    }
    s.B = Carry(m.A, m.C, s.A, s.C, m.B);
    s.D = OnHorizontal(s.B, Len(m.D - m.B), m.D);
    s.F = Carry(m.B, m.D, s.B, s.D, m.F);
  }
  rod_right(s);
  return s;
}

void CheckRow10(const kinematics_check::Params& p, int level) {
  const auto v = RunOne(10, p, level);
  const std::string what = kinematics_check::Describe(p) + " level " + std::to_string(level) +
                           "\n" + v.main;
  const Mechanism m = Build(p, v.main);
  EXPECT_EQ(m.w, p[5]) << what;
  const double h = 1e-4;
  Positions q[5];
  for (int i = 0; i < 5; ++i) q[i] = Move(m, m.w * (i - 2) * h);
  auto rates = [&](const std::function<double(const Positions&)>& f) {
    return kinematics_check::RatesOver(q, h, f);
  };
  auto motion = [&](P2d Positions::*pt) {
    const auto [vx, ax] = rates([&](const Positions& s) { return (s.*pt).x; });
    const auto [vy, ay] = rates([&](const Positions& s) { return (s.*pt).y; });
    return std::pair{std::hypot(vx, vy), std::hypot(ax, ay)};
  };
  auto omega = [&](const std::function<P2d(const Positions&)>& vec) {
    const P2d ref = vec(q[2]);
    return rates([&](const Positions& s) { return AngleTo(vec(s), ref); }).first;
  };
  P2d Positions::*points[] = {&Positions::A, &Positions::B, &Positions::C, &Positions::D,
                              &Positions::E, &Positions::F, &Positions::G, &Positions::H};
  const auto row1 = RowCells(v.answers), row2 = RowCells(v.second_answers);
  ASSERT_EQ(row1.size(), 9u) << v.answers;
  ASSERT_EQ(row2.size(), 15u) << v.second_answers;
  for (int i = 0; i < 8; ++i) {
    const double speed = motion(points[i]).first;
    EXPECT_TRUE(Agrees(row1[i + 1], speed, 3, 2e-6))
        << what << v.answers << "\ncell " << i + 1 << " expected " << speed;
  }
  const bool one = p[4] == 1 || p[4] == 2 || p[4] == 3 || p[4] == 6 || p[4] == 7 || p[4] == 8;
  const double w[] = {
      omega([&](const Positions& s) { return s.A - m.O; }),
      omega([](const Positions& s) { return s.C - s.A; }),
      one ? omega([](const Positions& s) { return s.D - s.C; }) : std::nan(""),
      omega([](const Positions& s) { return s.F - s.B; }),
      omega([](const Positions& s) { return s.E - s.F; }),
      omega([&](const Positions& s) { return s.G - m.K; }),
      omega([](const Positions& s) { return s.H - s.E; }),
      one ? std::nan("") : omega([&](const Positions& s) { return s.C - m.N; })};
  for (int i = 0; i < 8; ++i) {
    if (std::isnan(w[i])) {
      EXPECT_TRUE(std::isnan(row2[i + 1])) << what << v.second_answers << " cell " << i + 1;
    } else {
      EXPECT_TRUE(Agrees(row2[i + 1], w[i], 3, 2e-6))
          << what << v.second_answers << "\ncell " << i + 1 << " expected " << w[i];
    }
  }
  const bool lower = p[4] == 3 || p[4] == 7;
  const int asked[] = {0, 1, 2, 4, 5, 6};
  for (int k = 0; k < 6; ++k) {
    const bool given = lower ? k >= 3 : k < 3;
    if (!given) {
      EXPECT_TRUE(std::isnan(row2[9 + k])) << what << v.second_answers;
      continue;
    }
    const double acc = 0.01 * motion(points[asked[k]]).second;
    EXPECT_TRUE(Agrees(row2[9 + k], acc, 3, 5e-6))
        << what << v.second_answers << "\ncell " << 9 + k << " expected " << acc;
  }
}

TEST(SevenLinkMechanism, AnswersFollowFromTheMechanismsMotion) {
  kinematics_check::SweepAtLevels1And10({4, 2, 4, 4, 10, 4, 1}, 600, CheckRow10);
}

TEST(SevenLinkMechanism, GoldenLines) {
  // P5 = 3: structure I driven by the rocker K-G; the key leaves NC empty and gives a_E, a_F,
  // a_G. The lengths stand in the data at every Level.
  const auto v = RunOne(10, {1, 2, 3, 4, 3, 2, 1}, 3);
  EXPECT_NE(v.main.find("\\hfill\\parbox[b]{120pt}{\\small $\\omega_{KG}=2$~рад/с, "
                        "$\\alpha=30^\\circ$, \\\\\r\n $AB=30$, $BC=30 $,\\\\ \r\n$NB=60 $, $NF=30 $,\\\\ \r\n"),
            std::string::npos)
      << v.main;
  EXPECT_NE(v.main.find("$KG=20 $.\\\\ $a_G,\\ a_F,\\ a_E$-- ?\r\n}"), std::string::npos) << v.main;
  EXPECT_EQ(v.answers, " 1&  80.000&  69.282&  80.000&  40.000&  36.056&  34.641&  40.000&  10.000");
  EXPECT_EQ(v.second_answers,
            " 1&  2.667&  1.333& -4.619&  1.155&  0.667&  2.000& -1.333&---&---&---&---& 0.323& "
            "0.481& 0.800");
  // P5 = 10: structure II, the rod B-F-D with its jog at F, NC in the key, CD empty.
  const auto w = RunOne(10, {4, 1, 2, 3, 10, 1, 1}, 1);
  EXPECT_EQ(w.answers, " 1&  20.000&  17.638&  17.321&   3.333&   3.762&   4.807&   4.000&   3.467");
  EXPECT_EQ(w.second_answers,
            " 1&  1.000& -0.333&---&  0.173&  0.053& -0.160& -0.133&  0.433& 0.200& 0.163& 0.153"
            "&---&---&---");
  EXPECT_NE(w.main.find("$\\omega_{OA}=1$~рад/с"), std::string::npos) << w.main;
}

// Where `what` is put in the picture, in order.
std::vector<P2d> PutAt(const std::string& text, const std::string& what) {
  std::vector<P2d> out;
  for (std::size_t at = text.find("){" + what + "}"); at != std::string::npos;
       at = text.find("){" + what + "}", at + 1)) {
    const std::size_t open = text.rfind("\\put(", at);
    char* end = nullptr;
    const double x = std::strtod(text.c_str() + open + 5, &end);
    out.push_back({x, std::strtod(end + 1, nullptr)});
  }
  return out;
}

// Dynamics row 21 recomputed from its page by the stiffness method: the rods as the data text
// and the figure give them (the slider is the support whose block the figure draws, the one
// nearer the label D or H), each rod's weight rho * length at its middle as two halves at the
// ends of each piece (exact for the reactions: the rods are rigid), and the whole system's
// equilibrium from the printed reactions alone.
void CheckRow21(const kinematics_check::Params& p, int level) {
  const auto v = RunSubjectVariant(7, 21, p, level);
  const std::string what = kinematics_check::Describe(p) + " level " + std::to_string(level) +
                           "\n" + v.main + "\n" + v.answers;
  // A system that could still move is drawn again; the figure is that of the parameters the
  // variant ends with.
  const Mechanism m = Build(v.p_after, v.main);
  const double rho = NumberAfter(v.main, "$\\rho=");
  ASSERT_FALSE(std::isnan(rho)) << what;
  const auto blocks = PutAt(v.main, "\\usebox{\\slblockh}");
  const auto label_d = PutAt(v.main, "\\sD"), label_h = PutAt(v.main, "\\sH");
  ASSERT_EQ(blocks.size(), 1u) << what;
  ASSERT_EQ(label_d.size(), 1u) << what;
  ASSERT_EQ(label_h.size(), 1u) << what;
  const bool d_slides = Len(blocks[0] - label_d[0]) < Len(blocks[0] - label_h[0]);
  const int P5 = m.p5;
  const bool one = P5 == 1 || P5 == 2 || P5 == 3 || P5 == 6 || P5 == 7 || P5 == 8;

  testing_support::PlaneFrame frame;
  enum { O, A, B, C, D, E, F, G, H, K, N };
  for (const P2d& q : {m.O, m.A, m.B, m.C, m.D, m.E, m.F, m.G, m.H, m.K, m.N}) {
    frame.AddNode(q.x, q.y);
  }
  const P2d at[] = {m.O, m.A, m.B, m.C, m.D, m.E, m.F, m.G, m.H, m.K, m.N};
  double total = 0, moment = 0;  // the weights' sum and moment about the origin B
  // A rod through the nodes in order: rigid at its inner nodes, hinged at its ends.
  auto rod = [&](std::vector<int> nodes) {
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
      const int a = nodes[i], b = nodes[i + 1];
      // The reactions of a rigid structure do not depend on the stiffnesses; comparable axial
      // and bending stiffness keep the solve well conditioned.
      frame.AddMember(a, b, 1e4, 1e4, i == 0, i + 2 == nodes.size());
      const double w = rho * Len(at[b] - at[a]) / 100;
      frame.NodalLoad(a, 0, -w / 2);
      frame.NodalLoad(b, 0, -w / 2);
      total += w;
      moment -= w * (at[a].x + at[b].x) / 2;
    }
  };
  rod({O, A});
  rod({A, B, C});
  rod({C, one ? D : N});
  std::vector<int> cross = {B, F, one ? N : D};
  std::sort(cross.begin(), cross.end(), [&](int a, int b) { return at[a].x < at[b].x; });
  rod(cross);
  std::vector<int> right = {E, F, G};
  std::sort(right.begin(), right.end(), [&](int a, int b) { return at[a].y < at[b].y; });
  rod(right);
  rod({G, K});
  rod({E, H});
  frame.Pin(O);
  frame.Pin(N);
  frame.Pin(K);
  if (d_slides) {
    frame.RollerY(D);
    frame.Pin(H);
  } else {
    frame.Pin(D);
    frame.RollerY(H);
  }
  ASSERT_TRUE(frame.Solve()) << frame.Error() << what;

  const auto cells = RowCells(v.answers);
  ASSERT_EQ(cells.size(), 11u) << what;
  const int support[] = {O, N, K, D, H};
  double sum_x = 0, sum_y = 0, sum_m = 0;
  for (int k = 0; k < 5; ++k) {
    const bool slides = (support[k] == D && d_slides) || (support[k] == H && !d_slides);
    const double x = cells[1 + 2 * k], y = cells[2 + 2 * k];
    if (slides) {
      EXPECT_TRUE(std::isnan(x)) << what << "\ncell " << 1 + 2 * k << ": a slider holds no x";
    } else {
      EXPECT_NEAR(x, frame.Reaction(support[k], 0), 0.006) << what << "\ncell " << 1 + 2 * k;
      sum_x += x;
      sum_m -= x * at[support[k]].y;
    }
    EXPECT_NEAR(y, frame.Reaction(support[k], 1), 0.006) << what << "\ncell " << 2 + 2 * k;
    sum_y += y;
    sum_m += y * at[support[k]].x;
  }
  EXPECT_NEAR(sum_x, 0, 0.03) << what;
  EXPECT_NEAR(sum_y, total, 0.03) << what;
  // Each cell is rounded to 0.005 N, at arms of up to 200 cm.
  EXPECT_NEAR(sum_m, -moment, 10) << what;
}

TEST(SevenLinkMechanism, RodSystemReactionsHoldEveryRodInEquilibrium) {
  kinematics_check::SweepAtLevels1And10({4, 2, 4, 4, 10, 33, 1}, 400, CheckRow21);
}

// The reactions mode prints what the key needs and heads the key with what it holds.
TEST(SevenLinkMechanism, RodSystemGoldenLines) {
  const auto r = RunSubjectVariant(7, 21, {2, 2, 1, 3, 6, 5, 32}, 1);
  EXPECT_NE(r.main.find("\\hfill\\parbox[b]{120pt}{\\small $\\rho=30$~Н/м, $\\alpha=30^\\circ$"),
            std::string::npos)
      << r.main;
  EXPECT_NE(r.main.find("$KG=25 $.\r\n}"), std::string::npos) << r.main;
  EXPECT_EQ(r.second_answers, "") << r.second_answers;
  auto s = testing_support::NewState();
  s->SubjectIndex = 7;
  s->ProblemNumber = 21;
  shell::BeginSubjectProblem(*s, 21, shell::DefaultSubjectTable());
  const std::string main = testing_support::MainText(*s), ans = testing_support::AnsText(*s);
  EXPECT_NE(main.find("Найти реакции опор шарнирно-стержневой системы"), std::string::npos)
      << main;
  EXPECT_NE(ans.find("\\No &$X_O$&$Y_O$&$X_N$&$Y_N$&$X_K$&$Y_K$&$X_D$&$Y_D$&$X_H$&$Y_H$"),
            std::string::npos)
      << ans;
  EXPECT_EQ(ans.find("v_A"), std::string::npos) << ans;
}

// A drawn system whose rods could still move (here the left part turns about the meeting point
// of O-A and C-N while E-F-G slides between the parallel links G-K and E-H, and the rod B-D-F
// follows both) cannot stand: it is drawn again with E-H turned, and then stands.
TEST(SevenLinkMechanism, RodSystemThatCouldMoveIsRedrawn) {
  for (const kinematics_check::Params& p :
       {kinematics_check::Params{1, 1, 4, 2, 5, 11, 1}, {1, 1, 2, 4, 4, 3, 1}}) {
    const auto v = RunSubjectVariant(7, 21, p, 1);
    EXPECT_NE(v.p_after[3], p[3]) << v.main;
    CheckRow21(p, 1);
  }
}

// Every quadrant of O, K and H gets its label beside the pivot's support.
TEST(SevenLinkMechanism, PivotLabelsStandBesideTheirSupports) {
  const auto put_at = PutAt;
  for (int p5 : {1, 4, 7, 9}) {
    for (int q = 1; q <= 4; ++q) {
      const auto v = RunOne(10, {q, 1, q, q, p5, 1, 1});
      const auto boxes = put_at(v.main, "\\usebox{\\hing}");
      const auto blocks = put_at(v.main, "\\usebox{\\slblockh}");
      for (const char* label : {"\\sO", "\\sK", "\\sH"}) {
        const auto at = put_at(v.main, label);
        ASSERT_EQ(at.size(), 1u) << label << "\n" << v.main;
        double nearest = 1e9;
        for (const auto& b : boxes) nearest = std::min(nearest, Len(b - at[0]));
        for (const auto& b : blocks) nearest = std::min(nearest, Len(b - at[0]));
        EXPECT_LT(nearest, 20) << label << " P5=" << p5 << " quadrant " << q;
      }
    }
  }
}

}  // namespace
