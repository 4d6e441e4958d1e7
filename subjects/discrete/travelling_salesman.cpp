#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/discrete/problems.h"
#include "toolkit/answers.h"
#include "toolkit/int_matrix.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Vertex 5 is "f" and the hub 6 is "g"; there is no "e".
constexpr std::string_view kTspVertexLetters = "abcdfg";

constexpr int kNoCycle = 120;

// The wheel's radius: two weights stand beside each edge, ten edges meet at the hub, and the
// box is wide; at 45 pt the weights near the hub crowd onto the neighbouring arcs.
constexpr double kRadius = 63;

using Cycle = std::array<int, 6>;

constexpr std::array<Cycle, 10> kTspCycles{{{1, 5, 4, 3, 6, 2},
                                            {1, 5, 4, 6, 3, 2},
                                            {1, 5, 6, 4, 3, 2},
                                            {1, 6, 5, 4, 3, 2},
                                            {1, 2, 3, 4, 6, 5},
                                            {1, 2, 3, 6, 4, 5},
                                            {1, 2, 6, 3, 4, 5},
                                            {1, 6, 2, 3, 4, 5},
                                            {1, 5, 4, 3, 2, 6},
                                            {1, 2, 3, 4, 5, 6}}};

// Fills GraphMatrix with the wheel of case P7; the weights come from P2, P3, .., P7, P1, P2,
// .. in the order of assignment. Returns the cycles (1..10) that the one-way spokes exclude.
std::array<bool, 11> BuildWheel(SharedState& s) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  int k = 0;
  auto next = [&] {
    ++k;
    return p[k % 7 + 1];
  };
  auto two_way = [&](int a, int b) {
    s.GraphMatrix[a][b] = next();
    s.GraphMatrix[b][a] = next();
  };
  auto one_way = [&](int a, int b) { s.GraphMatrix[a][b] = next(); };
  std::array<bool, 11> excluded{};
  switch (s.P7) {
    case 2:
      two_way(1, 6); two_way(2, 6); two_way(3, 6); two_way(4, 6); one_way(5, 6);
      excluded[4] = excluded[5] = true;
      break;
    case 3:
      two_way(1, 6); two_way(2, 6); two_way(3, 6); two_way(4, 6); one_way(6, 5);
      excluded[3] = excluded[10] = true;
      break;
    case 4:
      two_way(1, 6); two_way(2, 6); one_way(6, 3); two_way(4, 6); one_way(5, 6);
      excluded[1] = excluded[4] = excluded[5] = excluded[6] = true;
      break;
    case 5:
      two_way(1, 6); two_way(2, 6); two_way(4, 6); one_way(6, 3); one_way(6, 5);
      excluded[1] = excluded[3] = excluded[6] = excluded[10] = true;
      break;
    default:
      two_way(1, 6); two_way(2, 6); two_way(3, 6); two_way(4, 6); two_way(5, 6);
      break;
  }
  two_way(1, 2); two_way(2, 3); two_way(3, 4); two_way(4, 5); two_way(5, 1);
  return excluded;
}

void DrawWeightedArc(SharedState& s, int a, int b) {
  const double dx = s.PointX[a] - s.PointX[b];
  const double dy = s.PointY[a] - s.PointY[b];
  const double d = toolkit::Hypot(dx, dy);
  const double sx = 3 * dy / d;
  const double tx = 3 * dx / d;
  const double mx = figures::MidX(s, a, b);
  const double my = figures::MidY(s, a, b);
  figures::PutValueLabel(s, mx - 1.1 * sx - 1, my + 1.5 * tx - 3, s.GraphMatrix[a][b]);
  figures::DrawArrowBetweenCoords(s, a, b, 5, 0);
}

void DrawWeightedEdgePair(SharedState& s, int a, int b) {
  const double dx = s.PointX[a] - s.PointX[b];
  const double dy = s.PointY[a] - s.PointY[b];
  const double d = toolkit::Hypot(dx, dy);
  const double sx = -4 * dy / d;
  const double tx = -4 * dx / d;
  const double mx = figures::MidX(s, a, b);
  const double my = figures::MidY(s, a, b);
  figures::DrawArrowBetweenCoords(s, a, b, 5, 2);
  figures::PutValueLabel(s, mx + 1.5 * sx - 2, my - 1.4 * tx - 4, s.GraphMatrix[a][b]);
  toolkit::WriteText(s, "\\Blue{");
  figures::PutValueLabel(s, mx - 1.1 * sx - 1, my + 1.5 * tx - 3, s.GraphMatrix[b][a]);
  figures::DrawArrowBetweenCoords(s, b, a, 5, 2);
  toolkit::WriteText(s, "}");
}

}  // namespace

void BeginTravellingSalesmanProblem(SharedState& s) {
  for (int i = 1; i <= 5; ++i) {
    const double angle = 2 * std::numbers::pi * i / 5;
    s.PointX[i] = kRadius + kRadius * std::cos(angle);
    s.PointY[i] = kRadius + kRadius * std::sin(angle);
  }
  s.PointX[6] = kRadius;
  s.PointY[6] = kRadius;
  s.ParboxWidth = 185;
  toolkit::WriteLine(s, "\\newsavebox{\\vrsinss}\\sbox{\\vrsinss}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  for (int i = 1; i <= 6; ++i) figures::DrawCircleAtPoint10(s, i);
  toolkit::WriteText(s, "\\Red{");
  for (int i = 1; i <= 6; ++i) {
    figures::PutLabel(s, "$" + std::string(1, kTspVertexLetters[static_cast<std::size_t>(i - 1)]) + "$",
                      s.PointX[i] - 2, s.PointY[i] - 2);
  }
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s, "Найти кратчайший гамильтонов цикл.\\par\\noindent ");
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, "\\No & длина & цикл \\\\\\hline ");
}

void WriteTravellingSalesmanVariant(SharedState& s) {
  s.ArrowSize = 5;
  toolkit::ClearIntMatrix(s.GraphMatrix, 6);
  const std::array<bool, 11> excluded = BuildWheel(s);
  int best = 0;
  int min = kNoCycle;
  for (int c = 1; c <= 10; ++c) {
    const Cycle& p = kTspCycles[static_cast<std::size_t>(c - 1)];
    int length = 0;
    for (std::size_t k = 0; k < 6; ++k) length += s.GraphMatrix[p[k]][p[(k + 1) % 6]];
    if (excluded[static_cast<std::size_t>(c)]) length = kNoCycle;
    if (length < min) {
      min = length;
      best = c;
    }
  }
  std::string letters;
  for (int v : kTspCycles[static_cast<std::size_t>(best - 1)]) {
    letters += kTspVertexLetters[static_cast<std::size_t>(v - 1)];
  }
  toolkit::AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                               std::to_string(min) + " & " + letters);

  // The picture holds all it draws: up to x = 2 * kRadius + 9, down to y = -2.8.
  toolkit::BeginPicture(s, 2 * kRadius + 30, 2 * kRadius + 10, -20, -3);
  figures::PutBox(s, "vrsinss", 0, 0);
  figures::SetLineWidth(s, 5);
  for (int i = 1; i <= 6; ++i) {
    for (int j = i; j <= 6; ++j) {
      const bool there = s.GraphMatrix[i][j] != 0;
      const bool back = s.GraphMatrix[j][i] != 0;
      if (there && back) {
        DrawWeightedEdgePair(s, i, j);
      } else if (there) {
        DrawWeightedArc(s, i, j);
      } else if (back) {
        DrawWeightedArc(s, j, i);
      }
    }
  }
  figures::SetLineWidth(s, 5);
  toolkit::EndPicture(s);
}

}  // namespace discrete
