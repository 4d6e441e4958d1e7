#include "subjects/structural/truss_influence_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;
using testing_support::RunTexts;
using testing_support::VariantParams;

constexpr int kRow = 25;

RunTexts RunRow(const std::vector<VariantParams>& variants, int first_number = 1,
                bool students = false) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  if (students) {
    s->StudentsMode = true;
    s->StudentNames[1] = "Group";
    for (int v = 1; v <= static_cast<int>(variants.size()); ++v) {
      s->StudentNames[v + 1] = "Student" + std::to_string(v);
    }
  }
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

// The node (1..10) drawn within 2 units of (x, y), else 0.
int NodeAt(double x, double y) {
  for (int k = 1; k <= 10; ++k) {
    const double nx = 40.0 * (k <= 5 ? k : k - 5), ny = k <= 5 ? 0 : 40;
    if (std::hypot(nx - x, ny - y) < 2) return k;
  }
  return 0;
}

// The bars the main file draws between nodes (base box and web), each once.
std::set<std::pair<int, int>> DrawnBars(const std::string& main) {
  std::set<std::pair<int, int>> bars;
  const std::string mt = "\\mt{";
  for (std::size_t at = main.find(mt); at != std::string::npos; at = main.find(mt, at + 1)) {
    double v[4];
    char* end = nullptr;
    v[0] = std::strtod(main.c_str() + at + 4, &end);
    v[1] = std::strtod(end + 2, &end);
    if (std::string(end, 5) != "}\\pp{") continue;
    v[2] = std::strtod(end + 5, &end);
    v[3] = std::strtod(end + 2, &end);
    const int a = NodeAt(v[0], v[1]), b = NodeAt(v[2], v[3]);
    if (a != 0 && b != 0 && a != b) bars.insert({std::min(a, b), std::max(a, b)});
  }
  return bars;
}

struct Influence {
  double ordinate[5];
  double plus = 0, minus = 0;
};

// Ordinates of every drawn bar under a unit load at each node of the loaded chord, by the
// stiffness method on the pin-jointed truss (fixed hinge at 1, roller at 5), and the areas of
// the positive and negative parts of the line between the nodes, 1 m apart.
std::map<std::pair<int, int>, Influence> InfluenceLines(const std::set<std::pair<int, int>>& bars,
                                                        bool top) {
  std::map<std::pair<int, int>, Influence> lines;
  for (int c = 0; c < 5; ++c) {
    PlaneFrame f;
    for (int k = 1; k <= 10; ++k) f.AddNode(k <= 5 ? k : k - 5, k <= 5 ? 0 : 1);
    std::vector<std::pair<std::pair<int, int>, int>> members;
    for (const auto& b : bars) members.push_back({b, f.AddMember(b.first - 1, b.second - 1, 1, 1, true, true)});
    f.Pin(0);
    f.RollerY(4);
    f.NodalLoad((top ? 5 : 0) + c, 0, -1);
    EXPECT_TRUE(f.Solve()) << f.Error();
    for (const auto& [bar, m] : members) lines[bar].ordinate[c] = f.Axial(m, 0);
  }
  for (auto& [bar, line] : lines) {
    for (int p = 0; p < 4; ++p) {
      const double a = line.ordinate[p], b = line.ordinate[p + 1];
      // Exact integrals of the positive and the negative part of a linear piece.
      if (a >= 0 && b >= 0) {
        line.plus += (a + b) / 2;
      } else if (a <= 0 && b <= 0) {
        line.minus += (a + b) / 2;
      } else {
        const double t = a / (a - b);
        (a > 0 ? line.plus : line.minus) += a * t / 2;
        (b > 0 ? line.plus : line.minus) += b * (1 - t) / 2;
      }
    }
  }
  return lines;
}

double NumberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
  const std::size_t at = text.find(key, from);
  return at == std::string::npos ? std::nan("") : std::atof(text.c_str() + at + key.size());
}

TEST(TrussInfluenceLineTest, PrintedForcesMatchInfluenceLinesOfTheDrawnTruss) {
  // P1 (web), P2 (second search), P3, P4 (loads) and P5 (chord): 6 300 sets, all of them in
  // the exhaustive sweep; Level and P6, P7 are not used.
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {18, 5, 5, 7, 2, 1, 1}, 2000, 1, 1);
  long checked = 0;
  // The lines depend on the drawn truss and the loaded chord only: 36 trusses to solve.
  std::map<std::pair<std::set<std::pair<int, int>>, bool>,
           std::map<std::pair<int, int>, Influence>>
      solved;
  for (const auto& pt : points) {
    const RunTexts t = RunRow({pt.p});
    const std::string where = testing_support::Describe(pt);
    const auto bars = DrawnBars(t.main);
    ASSERT_EQ(bars.size(), 17u) << where;
    const bool top = t.main.find("Груз поверху:") != std::string::npos;
    ASSERT_EQ(top, pt.p[4] == 2) << where;
    const double qvr = NumberAfter(t.main, "$q_{vr}=");
    const double qp = NumberAfter(t.main, "$q_{p}=");
    ASSERT_EQ(qvr, pt.p[3] + 12) << where;
    ASSERT_EQ(qp, pt.p[2] + 2) << where;
    auto known = solved.find({bars, top});
    if (known == solved.end()) known = solved.emplace(std::make_pair(bars, top), InfluenceLines(bars, top)).first;
    const auto& lines = known->second;

    bool any_sign_change = false;
    for (const auto& [bar, line] : lines) {
      any_sign_change |= line.plus > 1e-8 && line.minus < -1e-8;
    }
    // The two bars named in the statement and their rows in the second answers file.
    const std::size_t named = t.main.find(top ? "Груз поверху:" : "Груз понизу:");
    std::size_t cell = t.second_answers.find("S_{max}$} \\\\\\hline");
    std::pair<int, int> seen[2];
    for (int i = 0; i < 2; ++i) {
      const std::size_t at = t.main.find("$S_{", i == 0 ? named : t.main.find("}$, ", named));
      const int a = std::atoi(t.main.c_str() + at + 4);
      const int b = std::atoi(t.main.c_str() + t.main.find('-', at) + 1);
      const std::pair<int, int> bar{std::min(a, b), std::max(a, b)};
      seen[i] = bar;
      ASSERT_TRUE(lines.count(bar)) << where << ": S_" << a << "-" << b << " is not drawn";
      const Influence& line = lines.at(bar);
      const std::string key = "$S_{" + std::to_string(a) + "-" + std::to_string(b) + "}$ & ";
      cell = t.second_answers.find(key, cell);
      ASSERT_NE(cell, std::string::npos) << where;
      char* end = nullptr;
      const double sp = std::strtod(t.second_answers.c_str() + cell + key.size(), &end);
      const double smin = std::strtod(end + 1, &end);
      const double smax = std::strtod(end + 1, &end);
      const double exact_sp = qp * (line.plus + line.minus);
      EXPECT_NEAR(sp, exact_sp, 6e-4) << where;
      EXPECT_NEAR(smin, exact_sp + qvr * line.minus, 6e-4) << where;
      EXPECT_NEAR(smax, exact_sp + qvr * line.plus, 6e-4) << where;
      EXPECT_GT(line.plus - line.minus, 1e-8) << where << ": a bar without force is indicated";
      if (i == 0 && any_sign_change) {
        EXPECT_TRUE(line.plus > 1e-8 && line.minus < -1e-8)
            << where << ": the first bar's line keeps its sign while another's changes";
      }
    }
    EXPECT_NE(seen[0], seen[1]) << where;
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 18 * 5 * 5 * 7 * 2));
}

TEST(TrussInfluenceLineTest, GoldenRowsOfTheBottomLoadedPatternTwo) {
  const RunTexts t = RunRow({{2, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.second_answers.find("1& $S_{2-3}$ &    1.500&   -0.667&   10.167 & $S_{4-5}$ & "
                                  "   4.500&    4.500&   24.000 \r\n \\\\"),
            std::string::npos)
      << t.second_answers;
  EXPECT_NE(t.main.find("\\\\ $q_{vr}=13$~кН/м, $q_{p}=3$~кН/м. \\\\ \r\nГруз понизу: $S_{2-3}$, "
                        "\r\n $S_{4-5}$.\r\n"),
            std::string::npos)
      << t.main;
  // The zero ordinates at the supports carry no value label; the others do.
  EXPECT_NE(t.answers.find("{\\scriptsize -0.3}"), std::string::npos) << t.answers;
  EXPECT_EQ(t.answers.find("{\\scriptsize 0.0}"), std::string::npos) << t.answers;
}

TEST(TrussInfluenceLineTest, PatternThreeTakesTheTopChordFirstAndSkipsItAfterwards) {
  const RunTexts t = RunRow({{3, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("Груз понизу: $S_{6-7}$, "), std::string::npos) << t.main;
  EXPECT_EQ(t.main.find(" $S_{6-7}$."), std::string::npos) << t.main;
}

TEST(TrussInfluenceLineTest, RowsCarryThePrintedNumberAndNamesOnlyInStudentsMode) {
  const std::vector<VariantParams> three = {
      {2, 1, 1, 1, 1, 1, 1}, {5, 2, 3, 4, 2, 1, 1}, {3, 1, 1, 1, 1, 1, 1}};
  const RunTexts t = RunRow(three, 10);
  EXPECT_NE(t.second_answers.find("\\\\12& $S_{6-7}$"), std::string::npos)
      << t.second_answers;
  EXPECT_NE(t.answers.find("{\\bf 12.} \\hfill{\\scriptsize } \\\\[3pt] "), std::string::npos);
  EXPECT_EQ(t.second_answers.find("Student"), std::string::npos);
  EXPECT_NE(t.second_answers.find("24.000 \r\n \\\\"), std::string::npos);
  const RunTexts named = RunRow(three, 10, true);
  EXPECT_NE(named.second_answers.find("\r\n&Student3 \\\\"), std::string::npos)
      << named.second_answers;
  EXPECT_NE(named.answers.find("{\\bf 12.} \\hfill{\\scriptsize Student3} "), std::string::npos);
}

TEST(TrussInfluenceLineTest, AnswersBlockIsReopenedAfterEveryBox) {
  const RunTexts t = RunRow({{2, 1, 1, 1, 1, 1, 1}, {7, 3, 2, 2, 2, 1, 1}});
  std::size_t count = 0;
  EXPECT_NE(t.answers.find("}}\\\\ }\\par \\parbox{430pt}{"), std::string::npos);
  for (std::size_t at = t.answers.find("}\\par \\parbox{430pt}{"); at != std::string::npos;
       at = t.answers.find("}\\par \\parbox{430pt}{", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 2u) << t.answers;
  // A ticket's answers stand in no block to reopen.
  auto s = testing_support::NewState();
  s->TicketMode = true;
  const RunTexts ticket = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); },
      {{2, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(ticket.answers.find("\\parbox{430pt}"), std::string::npos) << ticket.answers;
}

}  // namespace
}  // namespace structural
