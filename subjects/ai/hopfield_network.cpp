#include <array>
#include <cstdlib>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

using Vector4 = std::array<int, 5>;  // entries 1..4

int WrapToFifteen(int a) { return a < 16 ? a : a - 15; }

/// The bipolar vector of a code: entry i is +1 for a set bit i (least significant first).
Vector4 BipolarOfCode(int code) {
  toolkit::TBinaryDigits bits;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(code), bits);
  Vector4 v{};
  for (int i = 1; i <= 4; ++i) v[i] = 2 * bits[i] - 1;
  return v;
}

/// Trains the Hebb matrix on x1..x3, updates y once and writes the answers row.
void SolveHopfieldNetwork(SharedState& s, const std::array<Vector4, 4>& x, const Vector4& y) {
  int m[5][5] = {};
  for (int k = 0; k < 3; ++k) {
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) m[i][j] += x[k][i] * x[k][j];
    }
  }
  for (int i = 1; i <= 4; ++i) m[i][i] = 0;
  Vector4 result{};
  for (int i = 1; i <= 4; ++i) {
    int net = 0;
    for (int j = 1; j <= 4; ++j) net += m[i][j] * y[j];
    result[i] = toolkit::SignOf(net);
  }
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&[");
  for (int i = 1; i <= 3; ++i) toolkit::AnsWriteTextNumber(s, " ", result[i], ",");
  toolkit::AnsWriteTextNumber(s, " ", result[4], "]");
  bool matched = false;
  for (int k = 0; k < 3; ++k) {
    int distance = 0;
    for (int i = 1; i <= 4; ++i) distance += std::abs(x[k][i] - result[i]);
    if (distance == 0) {
      toolkit::AnsWriteTextNumberLn(s, "& [", k + 1, "]");
      matched = true;
    }
  }
  if (!matched) toolkit::AnsWriteLine(s, "& " + std::string(toolkit::kNoValue) + " ");
}

}  // namespace

void BeginHopfieldNetworkProblem(SharedState& s) {
  s.ParboxWidth = 175;
  toolkit::AnsBeginTable(s, 4);
  toolkit::WriteLine(s,
                     " За один цикл определить образ $\\bar y$ вектора $y$ с помощью сети "
                     "Хопфилда, обученной по образцам $x_1$, $x_2$, $x_3$.  Если вектор был "
                     "распознан, указать номер соответствующего образца.\\\\ \\noindent");
  toolkit::AnsWriteLine(s, "   & $\\bar y$& \\No\\ образца\\ru \\\\\\hline ");
}

void WriteHopfieldNetworkVariant(SharedState& s) {
  const int c1 = s.P1;
  const int c2 = WrapToFifteen(s.P1 + s.P2);
  const int c3 = WrapToFifteen(s.P1 + s.P2 + s.P3);
  const int c4 = WrapToFifteen(s.P1 + s.P2 + s.P3 + s.P4);
  const std::array<Vector4, 4> x = {BipolarOfCode(c1), BipolarOfCode(c2), BipolarOfCode(c3),
                                    BipolarOfCode(c4)};
  for (int k = 1; k <= 3; ++k) {
    const Vector4& v = x[static_cast<std::size_t>(k - 1)];
    toolkit::WriteTextNumberLn(s, "$x_{", k, "}=[");
    for (int i = 1; i <= 3; ++i) toolkit::WriteTextNumberLn(s, "", v[i], ",");
    toolkit::WriteTextNumberLn(s, "", v[4], "]$\\\\ ");
  }
  const Vector4& y = x[3];
  toolkit::WriteText(s, "\\large $y = [");
  for (int i = 1; i <= 3; ++i) toolkit::WriteTextNumberLn(s, " ", y[i], ",");
  toolkit::WriteTextNumberLn(s, " ", y[4], "]$");
  SolveHopfieldNetwork(s, x, y);
}

}  // namespace ai
