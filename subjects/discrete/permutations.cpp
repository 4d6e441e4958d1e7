#include <string>

#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

using toolkit::TPermutation;

// The variant number as plain text and a line end: the row's cells follow on the next line.
void AnsWriteNumberLine(SharedState& s, std::string_view after) {
  toolkit::AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + std::string(after));
}

// The variant's permutation of 1..8 read from right to left.
TPermutation ReversedVariantPermutation(SharedState& s) {
  TPermutation p{};
  toolkit::BuildVariantPermutation(s, p, 8);
  TPermutation q{};
  for (int i = 1; i <= 8; ++i) q[i] = p[9 - i];
  return q;
}

// b[v] = how many entries greater than v stand to the left of v.
toolkit::IndexedArray<int, 1, 8> InversionTable(const TPermutation& p) {
  toolkit::IndexedArray<int, 1, 8> b{};
  for (int j = 1; j <= 8; ++j) {
    int count = 0;
    for (int i = 1; i < j; ++i) {
      if (p[i] > p[j]) ++count;
    }
    b[p[j]] = count;
  }
  return b;
}

void BeginInversionProblem(SharedState& s, std::string_view statement, std::string_view head) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s, "\\arraycolsep=3pt");
  toolkit::AnsBeginTable(s, 12);
  toolkit::AnsWriteLine(s, "\\No & " + std::string(head) + " \\\\\\hline");
  toolkit::WriteText(s, statement);
}

// The cycle type of a permutation of 1..6: count[L] cycles of length L.
using CycleType = toolkit::IndexedArray<int, 1, 6>;

// Writes the cycles of phi (1..6) into the answers file, each from phi(k) on and ending with
// its least element k, and returns the cycle type.
CycleType WriteCycleList(SharedState& s, const TPermutation& phi) {
  toolkit::AnsWrite(s, "\\small ");
  CycleType count{};
  toolkit::IndexedArray<bool, 1, 8> visited{};
  for (int k = 1; k <= 6; ++k) {
    if (visited[k]) continue;
    toolkit::AnsWrite(s, "[");
    int length = 0;
    int x = k;
    if (phi[k] != k) {
      toolkit::AnsWriteTextNumber(s, "", phi[k], ",");
      visited[k] = true;
      length = 1;
    }
    do {
      x = phi[x];
      visited[x] = true;
      toolkit::AnsWriteTextNumber(s, "", phi[x], "");
      if (phi[x] != k) toolkit::AnsWrite(s, ",");
      ++length;
    } while (phi[x] != k && length < 8);
    toolkit::AnsWrite(s, "]");
    if (length <= 6) ++count[length];
  }
  return count;
}

}  // namespace

void BeginPermutationFromInversionsProblem(SharedState& s) {
  BeginInversionProblem(s, "Восстановить перестановку по таблице инверсий. \\\\\\noindent ",
                        "Перестановка");
}

void WritePermutationFromInversionsVariant(SharedState& s) {
  AnsWriteNumberLine(s, "& ");
  const TPermutation p = ReversedVariantPermutation(s);
  toolkit::AnsWrite(s, "[");
  for (int i = 1; i <= 7; ++i) toolkit::AnsWriteTextNumber(s, "", p[i], ",");
  toolkit::AnsWriteTextNumber(s, "", p[8], "]");
  const auto b = InversionTable(p);
  toolkit::WriteText(s, "\\vspace{5mm}[");
  for (int v = 1; v <= 7; ++v) toolkit::WriteTextNumberLn(s, "", b[v], ",");
  toolkit::WriteTextNumberLn(s, "", b[8], "]\\\\\\vspace{10mm}");
}

void BeginInversionTableProblem(SharedState& s) {
  BeginInversionProblem(s, "Записать таблицу инверсий перестановки. \\\\\\noindent ",
                        "Таблица инверсий");
}

void WriteInversionTableVariant(SharedState& s) {
  AnsWriteNumberLine(s, "& ");
  const TPermutation p = ReversedVariantPermutation(s);
  toolkit::WriteText(s, "\\vspace{3mm}");
  toolkit::WritePermutationTex(s, 8, "\\alpha", p);
  const auto b = InversionTable(p);
  toolkit::WriteText(s, "\\vspace{10mm}");
  toolkit::AnsWrite(s, "[");
  for (int v = 1; v <= 7; ++v) toolkit::AnsWriteTextNumber(s, "", b[v], ",");
  toolkit::AnsWriteTextNumber(s, "", b[8], "]");
}

void BeginCycleIndexProblem(SharedState& s) {
  s.ParboxWidth = 205;
  toolkit::WriteText(s, "\\arraycolsep=3pt");
  toolkit::WriteText(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 4);
  // One heading per cell of the rows: the cycles of phi1, phi2, phi3 and the index.
  toolkit::AnsWriteLine(s,
                        "\\No & $\\varphi_1$ & $\\varphi_2$ & $\\varphi_3$ & индекс \\\\\\hline");
  toolkit::WriteText(s, "Найти цикловой индекс структуры. \\\\\\noindent ");
}

// phi0 is the identity, phi1 the variant permutation with entries 2 and P7 (6 when P7 = 2)
// exchanged, phi2 is phi1 with entries 3 and 4 exchanged, phi3 = phi1 phi2. The cycle index is
// the sum of their monomials, equal cycle types merged, written without the factor 1/4.
void WriteCycleIndexVariant(SharedState& s) {
  AnsWriteNumberLine(s, "& ");
  TPermutation phi{};
  for (int k = 1; k <= 6; ++k) phi[k] = static_cast<std::uint8_t>(k);
  toolkit::WritePermutationTex(s, 6, "\\varphi_0", phi);
  toolkit::WriteText(s, ", ");
  toolkit::AnsWrite(s, "\\small ");
  toolkit::BuildVariantPermutation(s, phi, 6);
  toolkit::SwapBytes(2, s.P7 == 2 ? 6 : s.P7, phi);
  const TPermutation phi1 = phi;
  toolkit::WritePermutationTex(s, 6, "\\varphi_1", phi1);
  toolkit::WriteText(s, ", \\\\");
  CycleType types[4];
  types[1] = WriteCycleList(s, phi1);
  toolkit::AnsWrite(s, "&");
  toolkit::SwapBytes(3, 4, phi);
  const TPermutation phi2 = phi;
  toolkit::WritePermutationTex(s, 6, "\\varphi_2", phi2);
  toolkit::WriteText(s, ", ");
  types[2] = WriteCycleList(s, phi2);
  toolkit::AnsWrite(s, "&");
  TPermutation phi3{};
  toolkit::ComposePermutations(phi1, phi2, 6, phi3);
  toolkit::WritePermutationTex(s, 6, "\\varphi_3", phi3);
  types[3] = WriteCycleList(s, phi3);

  int multiplicity[4] = {0, 1, 1, 1};
  for (int r = 1; r <= 2; ++r) {
    for (int t = r + 1; t <= 3; ++t) {
      if (multiplicity[t] == 0) continue;
      bool same = true;
      for (int j = 1; j <= 6; ++j) same = same && types[r][j] == types[t][j];
      if (same) {
        ++multiplicity[r];
        multiplicity[t] = 0;
      }
    }
  }
  toolkit::AnsWrite(s, "& $x_1^6");
  for (int r = 1; r <= 3; ++r) {
    if (multiplicity[r] == 0) continue;
    toolkit::AnsWrite(s, "+");
    if (multiplicity[r] != 1) toolkit::AnsWriteNumber(s, multiplicity[r]);
    for (int j = 1; j <= 6; ++j) {
      const int c = types[r][j];
      if (c == 1) {
        toolkit::AnsWriteTextNumber(s, "x_", j, "");
      } else if (c != 0) {
        toolkit::AnsWriteText2Numbers(s, "x_", j, "^", c, "");
      }
    }
  }
  toolkit::AnsWrite(s, "$");
}

void BeginPermutationCyclesProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::WriteText(s, "\\arraycolsep=3pt");
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\No & Циклы \\\\\\hline");
  toolkit::WriteText(s, "Разложить подстановку на элементарные циклы. \\\\\\noindent ");
}

// Each cycle is written from p(s) on and ends with its least element s: [2, 3, 1].
void WritePermutationCyclesVariant(SharedState& s) {
  AnsWriteNumberLine(s, "& ");
  TPermutation p{};
  toolkit::BuildVariantPermutation(s, p, 8);
  toolkit::WritePermutationTex(s, 8, "\\alpha", p);
  toolkit::WriteText(s, "\\par");
  toolkit::IndexedArray<bool, 1, 8> visited{};
  for (int start = 1; start <= 8; ++start) {
    if (visited[start]) continue;
    std::string cycle = "[";
    int x = start;
    do {
      x = p[x];
      visited[x] = true;
      cycle += std::to_string(x) + (x == start ? "]" : ", ");
    } while (x != start);
    toolkit::AnsWrite(s, cycle);
  }
}

void BeginPermutationProductProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 12);
  toolkit::AnsWriteLine(s, "\\No & Произведение \\\\\\hline");
  toolkit::WriteText(s,
                     "\\arraycolsep=3pt Даны две подстановки. Найти указанное произведение "
                     "(подстановки применяются справа налево: "
                     "$(\\alpha\\beta)(k)=\\alpha(\\beta(k))$). \\\\\\noindent ");
}

// Products read right to left: (XY)(k) = X(Y(k)).
void WritePermutationProductVariant(SharedState& s) {
  TPermutation alpha{};
  toolkit::BuildVariantPermutation(s, alpha, 5);
  static constexpr std::string_view kProducts[] = {
      "$\\alpha\\beta^{-1}=?$\\\\[5pt]", "$\\alpha^{-1}\\beta=?$\\\\[5pt]",
      "$(\\alpha\\beta)^{-1}=?$\\\\[5pt]", "$\\beta\\alpha^{-1}=?$\\\\[5pt]",
      "$\\alpha^{-1}\\beta^{-1}=?$\\\\[5pt]"};
  const int kind = s.P6 >= 1 && s.P6 <= 5 ? s.P6 : 5;
  toolkit::WriteText(s, kProducts[kind - 1]);
  toolkit::WritePermutationTex(s, 5, "\\alpha", alpha);
  TPermutation beta = alpha;
  toolkit::SwapBytes(1, s.P7 == 1 ? 5 : s.P7, beta);
  toolkit::SwapBytes(2, s.P2 == 1 ? 3 : s.P2 == 2 ? 4 : 5, beta);
  toolkit::WriteText(s, ", ");
  toolkit::WritePermutationTex(s, 5, "\\beta", beta);

  const auto inverse = [](const TPermutation& x) {
    TPermutation y{};
    for (int k = 1; k <= 5; ++k) y[x[k]] = static_cast<std::uint8_t>(k);
    return y;
  };
  TPermutation product{};
  switch (kind) {
    case 1:
      toolkit::ComposePermutations(alpha, inverse(beta), 5, product);
      break;
    case 2:
      toolkit::ComposePermutations(inverse(alpha), beta, 5, product);
      break;
    case 3:
      toolkit::ComposePermutations(alpha, beta, 5, product);
      product = inverse(product);
      break;
    case 4:
      toolkit::ComposePermutations(beta, inverse(alpha), 5, product);
      break;
    default:
      toolkit::ComposePermutations(inverse(alpha), inverse(beta), 5, product);
      break;
  }
  AnsWriteNumberLine(s, "");
  toolkit::AnsWrite(s, "&$[");
  for (int k = 1; k <= 4; ++k) toolkit::AnsWriteTextNumber(s, "", product[k], ",");
  toolkit::AnsWriteTextNumber(s, "", product[5], "]$");
}

void BeginInversionCountProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 12);
  toolkit::AnsWriteLine(s, "\\No & знак & N \\\\\\hline");
  toolkit::WriteText(s,
                     "Найти число инверсий в строке и знак соответствующей подстановки. "
                     "\\\\\\noindent ");
}

// Value k goes to place P_k when that place is free; the values left over fill the free
// places in increasing order from the left.
void WriteInversionCountVariant(SharedState& s) {
  const int place[7] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6};
  int q[7] = {};
  bool placed[7] = {};
  for (int k = 1; k <= 6; ++k) {
    const int at = place[k];
    if (at >= 1 && at <= 6 && q[at] == 0) {
      q[at] = k;
      placed[k] = true;
    }
  }
  int free_place = 1;
  for (int value = 1; value <= 6; ++value) {
    if (placed[value]) continue;
    while (q[free_place] != 0) ++free_place;
    q[free_place] = value;
  }
  AnsWriteNumberLine(s, "");
  toolkit::WriteText(s, "$$[");
  for (int i = 1; i <= 5; ++i) toolkit::WriteTextNumber(s, "", q[i], ",");
  toolkit::WriteTextNumberLn(s, "", q[6], "]$$");
  int inversions = 0;
  for (int i = 1; i <= 6; ++i) {
    for (int j = i + 1; j <= 6; ++j) {
      if (q[i] > q[j]) ++inversions;
    }
  }
  toolkit::AnsWrite(s, inversions % 2 == 0 ? "&+" : "&-");
  toolkit::AnsWriteTextNumber(s, "&", inversions, "");
}

}  // namespace discrete
