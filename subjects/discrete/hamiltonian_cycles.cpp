#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

constexpr std::string_view kHamiltonLetters = "abcde";

struct Link {
  int a;
  int b;
  bool both_ways;
};

using Cycle = std::array<int, 5>;

struct HamiltonCase {
  std::vector<Link> links;
  std::vector<Cycle> cycles;
};

// The seven graphs in their own numbering with their directed Hamiltonian cycles through
// vertex 1, in output order.
const HamiltonCase& CaseOf(int p7) {
  static const std::array<HamiltonCase, 7> kCases{{
      {{{1, 5, true}, {1, 2, true}, {1, 4, true}, {2, 4, true}, {2, 3, true}, {3, 5, true},
        {4, 3, false}, {4, 5, false}},
       {{1, 4, 5, 3, 2}, {1, 2, 4, 3, 5}, {1, 4, 2, 3, 5}, {1, 5, 3, 2, 4}}},
      {{{1, 5, false}, {1, 2, true}, {1, 4, true}, {2, 4, true}, {2, 3, true}, {3, 5, true},
        {4, 3, false}, {4, 5, false}},
       {{1, 4, 5, 3, 2}, {1, 5, 3, 2, 4}}},
      {{{1, 5, true}, {1, 2, false}, {1, 4, true}, {2, 4, true}, {2, 3, true}, {3, 5, true},
        {4, 3, false}, {4, 5, false}},
       {{1, 4, 2, 3, 5}, {1, 5, 3, 2, 4}, {1, 2, 4, 3, 5}}},
      {{{1, 5, true}, {1, 2, true}, {1, 4, true}, {2, 3, true}, {2, 4, false}, {3, 5, false},
        {4, 3, false}, {4, 5, false}},
       {{1, 2, 4, 3, 5}}},
      {{{1, 5, true}, {1, 2, true}, {2, 4, true}, {2, 3, true}, {1, 4, false}, {3, 5, false},
        {4, 3, false}, {4, 5, false}},
       {{1, 2, 4, 3, 5}, {1, 4, 2, 3, 5}}},
      {{{1, 5, true}, {1, 2, true}, {2, 4, true}, {2, 3, true}, {4, 1, false}, {3, 5, false},
        {4, 3, false}, {4, 5, false}},
       {{1, 2, 4, 3, 5}}},
      {{{1, 5, true}, {1, 2, true}, {1, 4, true}, {2, 4, true}, {2, 3, true}, {3, 5, true},
        {4, 3, false}, {4, 5, false}, {2, 5, false}},
       {{1, 4, 5, 3, 2}, {1, 2, 4, 3, 5}, {1, 4, 2, 3, 5}, {1, 5, 3, 2, 4}, {1, 4, 3, 2, 5}}},
  }};
  return kCases[static_cast<std::size_t>(p7 - 1)];
}

// Each parameter goes to the first free label at or after it, wrapping from 5 to 1.
std::array<int, 6> HamiltonVertexMap(const SharedState& s) {
  std::array<int, 6> map{};
  bool used[6] = {};
  const int p[6] = {0, s.P1, s.P2, s.P3, s.P4, s.P5};
  for (int k = 1; k <= 5; ++k) {
    int b = p[k];
    while (used[b]) b = b + 1 <= 5 ? b + 1 : 1;
    used[b] = true;
    map[static_cast<std::size_t>(k)] = b;
  }
  return map;
}

// The cycle's letters from "a" on, in the listed direction.
std::string RotatedCycle(const Cycle& c, const std::array<int, 6>& map) {
  std::string letters;
  for (int v : c) letters += kHamiltonLetters[static_cast<std::size_t>(map[static_cast<std::size_t>(v)] - 1)];
  const std::size_t at = letters.find('a');
  return letters.substr(at) + letters.substr(0, at);
}

}  // namespace

void BeginHamiltonianCyclesProblem(SharedState& s, int n) {
  for (int i = 1; i <= n; ++i) {
    const double angle = 2 * std::numbers::pi * i / n;
    s.PointX[i] = 45 + 45 * std::cos(angle);
    s.PointY[i] = 45 + 45 * std::sin(angle);
  }
  s.ParboxWidth = 185;
  toolkit::WriteLine(s, "\\newsavebox{\\vrsinss}\\sbox{\\vrsinss}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  for (int i = 1; i <= n; ++i) figures::DrawCircleAtPoint10(s, i);
  toolkit::WriteText(s, "\\Red{");
  for (int i = 1; i <= n; ++i) {
    figures::PutLabel(s, kHamiltonLetters.substr(static_cast<std::size_t>(i - 1), 1),
                      s.PointX[i] - 2, s.PointY[i] - 2);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s, "Найти гамильтоновы циклы.\\par\\noindent ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, "\\No & гамильтоновы циклы \\\\\\hline ");
}

void WriteHamiltonianCyclesVariant(SharedState& s) {
  s.ArrowSize = 5;
  toolkit::ClearIntMatrix(s.GraphMatrix, 5);
  const std::array<int, 6> map = HamiltonVertexMap(s);
  toolkit::AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & ");
  const HamiltonCase& c = CaseOf(s.P7);
  auto at = [&](int v) { return map[static_cast<std::size_t>(v)]; };
  for (const Link& l : c.links) {
    s.GraphMatrix[at(l.a)][at(l.b)] = 1;
    if (l.both_ways) s.GraphMatrix[at(l.b)][at(l.a)] = 1;
  }
  for (std::size_t k = 0; k < c.cycles.size(); ++k) {
    if (k > 0) toolkit::AnsWrite(s, ", ");
    toolkit::AnsWrite(s, RotatedCycle(c.cycles[k], map));
  }

  // The picture holds all it draws: up to x = 99, down to y = -2.8.
  toolkit::BeginPicture(s, 120, 100, -20, -3);
  figures::PutBox(s, "vrsinss", 0, 0);
  figures::SetLineWidth(s, 5);
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 5; ++i) {
    for (int j = i + 1; j <= 5; ++j) {
      if (s.GraphMatrix[i][j] == 1 && s.GraphMatrix[j][i] == 1) {
        figures::DrawArcThroughPoints(s, i, j, 200, 0.025);
        figures::DrawArcThroughPoints(s, j, i, 200, 0.025);
      }
    }
  }
  figures::SetLineWidth(s, 5);
  for (int i = 1; i <= 5; ++i) {
    for (int j = 1; j <= 5; ++j) {
      if (s.GraphMatrix[i][j] == 1 && s.GraphMatrix[j][i] == 0) {
        figures::DrawArrowBetweenPoints(s, i, j, 5);
      }
    }
  }
  toolkit::WriteText(s, "}");
  toolkit::EndPicture(s);
}

}  // namespace discrete
