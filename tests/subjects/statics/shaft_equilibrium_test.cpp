#include "subjects/statics/shaft_equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginShaftEquilibriumProblem, WriteShaftEquilibriumVariant, {p});
}

// The parts in the order the picture places them along the shaft: "A", "B", "2", "1", "3".
std::vector<std::string> PartOrder(const std::string& main) {
  const std::size_t pic = main.find("\\begin{picture}(275");
  std::vector<std::string> names;
  std::vector<double> u;
  for (std::size_t at = main.find("\\usebox{\\", pic); at != std::string::npos;
       at = main.find("\\usebox{\\", at + 1)) {
    const std::size_t b = at + 9;
    names.push_back(main.substr(b, main.find('}', b) - b));
    u.push_back(statics_testing::PutBefore(main, at).y);
  }
  // The hinges by their letters, placed at (2u - 13, u - 1) and (2u - 13, u - 2).
  const auto a = statics_testing::PutsOf(main.substr(pic), "$A$");
  const auto b = statics_testing::PutsOf(main.substr(pic), "$B$");
  std::vector<std::string> order;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == "axhing") order.push_back(std::fabs(a.at(0).y + 1 - u[i]) < 1e-9 ? "A" : "B");
    if (names[i] == "scillit") order.push_back("2");
    if (names[i] == "scilbig") order.push_back("1");
    if (names[i] == "baraban") order.push_back("3");
  }
  EXPECT_EQ(order.size(), 5u);
  EXPECT_EQ(b.size(), 1u);
  return order;
}

TEST(ShaftEquilibriumTest, BeginWritesTheBoxesTheHeadAndTheStatement) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  for (const char* box : {"scilbig", "scillit", "baraban", "axhing"}) {
    EXPECT_NE(t.main.find(std::string("\\newsavebox{\\") + box + "}\\sbox{\\" + box + "}{"),
              std::string::npos)
        << box;
  }
  EXPECT_NE(t.main.find("cm. \\vskip2mm\r\n"), std::string::npos);
  EXPECT_NE(t.answers.find(" \\No& $N$&$ X_A  $&$  Z_A $&$  X_B $&$   Z_B$\\\\\\hline\r\n"),
            std::string::npos);
}

TEST(ShaftEquilibriumTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    std::vector<std::string> order;
    const char* row;
  };
  const Case cases[] = {
      {"all ones", {1, 1, 1, 1, 1, 1, 1}, {"A", "B", "2", "1", "3"},
       " 1&  144.286&  -45.311& -468.610&   73.596&  699.896"},
      {"drum first", {5, 4, 3, 4, 5, 1, 1}, {"3", "1", "2", "B", "A"}, nullptr},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    EXPECT_EQ(PartOrder(t.main), c.order) << c.what;
    if (c.row != nullptr) {
      EXPECT_EQ(SingleRow(t.answers), c.row) << c.what;
    }
  }
  const auto t = RunOne({5, 4, 3, 4, 5, 1, 1});
  EXPECT_NEAR(AnswerCells(SingleRow(t.answers)).at(1), 61.333, 5e-4);
  EXPECT_NE(t.main.find("$ T_1=70$, \\\\\r\n"), std::string::npos);
}

// The six equations of the shaft hold with the printed data and answers: the moment about the
// shaft's axis with F = f N, and the forces and moments in the horizontal and vertical planes.
TEST(ShaftEquilibriumTest, PrintedReactionsBalanceThePrintedLoads) {
  int sets = 0, raised = 0;
  for (int p1 = 1; p1 <= 5; ++p1)
    for (int p2 = 1; p2 <= 4; ++p2)
      for (int p3 = 1; p3 <= 3; ++p3)
        for (int p4 = 1; p4 <= 4; ++p4)
          for (int p5 = 1; p5 <= 5; ++p5) {
            const auto t = RunOne({p1, p2, p3, p4, p5, 1, 1});
            const std::string& m = t.main;
            const std::string where = std::to_string(p1) + std::to_string(p2) +
                                      std::to_string(p3) + std::to_string(p4) +
                                      std::to_string(p5);
            const std::size_t data = m.find("\\hfill\\parbox[b]{110pt}");
            auto num = [&](const char* key) {
              std::size_t at = data;
              return NumberAfter(m, key, at);
            };
            const double f = num("$F="), T1 = num("$ T_1="), T2 = num("$ T_2="),
                         P1 = num("$ P_1="), P2 = num("$ P_2="), P3 = num("$ P_3="),
                         Q = num("$ Q="), G = num("$ G="), al = num("$ \\alpha=") *
                                                                std::numbers::pi / 180,
                         R1 = num("$ R_1="), R2 = num("$ R_2="), R3 = num("$ R_3="),
                         a = num("$a="), b = num("$b="), c = num("$c="), d = num("$d=");
            const std::vector<double> cell = AnswerCells(SingleRow(t.answers));
            ASSERT_EQ(cell.size(), 6u) << where;
            const double N = cell[1], XA = cell[2], ZA = cell[3], XB = cell[4], ZB = cell[5];
            const double F = f * N;
            EXPECT_GE(N, 0) << where;
            // Which way the drawn forces act: F along the top with N down, or F up with N
            // across; T1 down with T2 slanted, or T2 across with T1 slanted.
            const bool top = m.find("\\vector(0,-1){12}", m.find("\\begin{picture}(275")) !=
                             std::string::npos;
            const bool t1_down = p2 <= 2;
            EXPECT_EQ(top, p5 == 1 || p5 == 5) << where;
            std::map<std::string, double> y;
            const std::vector<std::string> order = PartOrder(m);
            const double along[5] = {0, a, a + b, a + b + c, a + b + c + d};
            for (int j = 0; j < 5; ++j) y[order[static_cast<std::size_t>(j)]] = along[j];
            struct Load {
              double y, x, z;
            };
            std::vector<Load> loads;
            if (t1_down) {
              loads.push_back({y["2"], -T2 * std::cos(al), T2 * std::sin(al) - T1 - P2});
            } else {
              loads.push_back({y["2"], T1 * std::sin(al) + T2, T1 * std::cos(al) - P2});
            }
            loads.push_back(top ? Load{y["1"], -F, -N - P1} : Load{y["1"], N, F - P1});
            loads.push_back({y["3"], 0, -Q - P3});
            loads.push_back({along[4] / 2, 0, -G});
            loads.push_back({y["A"], XA, ZA});
            loads.push_back({y["B"], XB, ZB});
            // About the axis: the drag against the cargo and the belt.
            const double axis = (top ? -F : F) * R1 + Q * R3 + (T1 - T2) * R2;
            EXPECT_NEAR(axis, 0, 1e-3 * R1) << where;
            double fx = 0, fz = 0, mx = 0, mz = 0;
            for (const Load& l : loads) {
              fx += l.x;
              fz += l.z;
              mx += (l.y - y["A"]) * l.x;
              mz += (l.y - y["A"]) * l.z;
            }
            const double span = std::fabs(y["B"] - y["A"]);
            EXPECT_NEAR(fx, 0, 3e-3) << where;
            EXPECT_NEAR(fz, 0, 3e-3) << where;
            EXPECT_NEAR(mx / span, 0, 3e-3) << where;
            EXPECT_NEAR(mz / span, 0, 3e-3) << where;
            // The drag would be negative with the base data: Q or T2 is printed raised.
            const double q0 = 4 * p5 + 6;
            const double t2_0 = (p5 == 1 || p5 == 5) ? (10 * (p1 + 2)) / 2 + p4
                                                     : 2 * 10 * (p1 + 2) - p5;
            if (Q != q0 || T2 != t2_0) ++raised;
            ++sets;
            if (::testing::Test::HasFailure()) return;
          }
  EXPECT_EQ(sets, 1200);
  EXPECT_EQ(raised, 16);
}

}  // namespace
}  // namespace statics
