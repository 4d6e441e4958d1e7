#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "subjects/logic/problems.h"
#include "subjects/logic/three_variable_formulas.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace logic {

namespace {

// Literals 1..6 are x, x̄, y, ȳ, z, z̄; a literal set is a bit mask with bit l - 1 for literal l.
constexpr const char* kLiteralTexts[] = {"x", "\\bar x", "y", "\\bar y", "z", "\\bar z"};

// The 26 candidate products in their fixed order, as literal sets.
constexpr unsigned Set(std::initializer_list<int> literals) {
  unsigned m = 0;
  for (int l : literals) m |= 1u << (l - 1);
  return m;
}
constexpr unsigned kTerms[26] = {
    Set({1}),       Set({2}),       Set({3}),       Set({4}),       Set({5}),       Set({6}),
    Set({1, 3}),    Set({1, 4}),    Set({1, 5}),    Set({1, 6}),    Set({2, 3}),    Set({2, 4}),
    Set({2, 5}),    Set({2, 6}),    Set({3, 5}),    Set({3, 6}),    Set({4, 5}),    Set({4, 6}),
    Set({1, 3, 5}), Set({1, 3, 6}), Set({1, 4, 5}), Set({1, 4, 6}), Set({2, 3, 5}), Set({2, 3, 6}),
    Set({2, 4, 5}), Set({2, 4, 6}),
};

// The cover list holds 26 entries; the functions of this problem record at most 11.
constexpr std::size_t kCoverListSize = 26;

int LiteralCount(unsigned set) { return __builtin_popcount(set); }

/// The literal set of truth-table row `row` (1..8, x outermost).
unsigned MintermSet(int row) {
  const int x = ((row - 1) >> 2) & 1, y = ((row - 1) >> 1) & 1, z = (row - 1) & 1;
  return Set({x ? 1 : 2, y ? 3 : 4, z ? 5 : 6});
}

/// A term is true at a row exactly when its literals are among the row's minterm literals.
bool TermTrueAt(unsigned term, int row) { return (term & ~MintermSet(row)) == 0; }

std::string TermText(unsigned term) {
  std::string text;
  for (int l = 1; l <= 6; ++l) {
    if (term & (1u << (l - 1))) text += kLiteralTexts[l - 1];
  }
  return text;
}

struct Cover {
  std::vector<int> primes;  // indices into the prime list, increasing
  int cost = 0;
};

/// Every cover of least literal count, in the order the search records them: single primes,
/// then pairs, triples and quadruples of primes in lexicographic order of their indices. A
/// single-literal function stops after the single primes.
std::vector<std::vector<unsigned>> MinimalCovers(const std::array<int, 9>& f) {
  std::vector<unsigned> implicants;
  for (unsigned t : kTerms) {
    bool inside = true;
    for (int row = 1; row <= 8; ++row) {
      if (TermTrueAt(t, row) && f[static_cast<std::size_t>(row)] == 0) inside = false;
    }
    if (inside) implicants.push_back(t);
  }
  std::vector<unsigned> primes;
  for (unsigned t : implicants) {
    bool prime = true;
    if (LiteralCount(t) >= 2) {
      for (int l = 0; l < 6; ++l) {
        if (!(t & (1u << l))) continue;
        for (unsigned other : implicants) {
          if (other == (t & ~(1u << l))) prime = false;
        }
      }
    }
    if (prime) primes.push_back(t);
  }
  std::vector<unsigned> minterms;
  for (int row = 1; row <= 8; ++row) {
    if (f[static_cast<std::size_t>(row)] == 1) minterms.push_back(MintermSet(row));
  }
  const int p = static_cast<int>(primes.size());
  auto covers_all = [&](const std::vector<int>& chosen) {
    for (unsigned m : minterms) {
      bool covered = false;
      for (int i : chosen) covered = covered || (primes[static_cast<std::size_t>(i)] & ~m) == 0;
      if (!covered) return false;
    }
    return true;
  };
  std::vector<Cover> list;
  auto record = [&](const std::vector<int>& chosen) {
    if (!covers_all(chosen)) return;
    if (list.size() == kCoverListSize) {
      throw toolkit::DegenerateDataError("more than 26 covers of the simplified expression");
    }
    int cost = 0;
    for (int i : chosen) cost += LiteralCount(primes[static_cast<std::size_t>(i)]);
    list.push_back({chosen, cost});
  };

  for (int i = 0; i < p; ++i) record({i});
  int least_single = 1 << 20;
  for (const Cover& c : list) least_single = std::min(least_single, c.cost);
  if (least_single != 1) {
    for (int i = 0; i < p; ++i)
      for (int j = i + 1; j < p; ++j) record({i, j});
    for (int i = 0; i < p; ++i)
      for (int j = i + 1; j < p; ++j)
        for (int k = j + 1; k < p; ++k) record({i, j, k});
    for (int i = 0; i < p; ++i)
      for (int j = i + 1; j < p; ++j)
        for (int k = j + 1; k < p; ++k)
          for (int l = k + 1; l < p; ++l) record({i, j, k, l});
  }

  int least = 1 << 20;
  for (const Cover& c : list) least = std::min(least, c.cost);
  std::vector<std::vector<unsigned>> minimal;
  for (const Cover& c : list) {
    if (c.cost != least) continue;
    std::vector<unsigned> terms;
    for (int i : c.primes) terms.push_back(primes[static_cast<std::size_t>(i)]);
    minimal.push_back(terms);
  }
  return minimal;
}

struct Connective {
  const char* text;
  int (*value)(int, int);
};
constexpr Connective kConnectives[] = {
    {")\\oplus (", [](int a, int b) { return a ^ b; }},
    {")\\leftrightarrow (", [](int a, int b) { return a == b ? 1 : 0; }},
    {")(", [](int a, int b) { return a & b; }},
};

}  // namespace

void BeginExpressionSimplificationProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s,
                     "Упростить выражение, преобразовав его в минимальную дизъюнктивную "
                     "нормальную форму.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWriteLine(s, " \\No & $f$ & МДНФ & 2-я МДНФ \\\\\\hline");
}

void WriteExpressionSimplificationVariant(SharedState& s) {
  const int a = s.P1;
  const int b = s.P1 + s.P3 > 33 ? s.P1 + s.P3 - 33 : s.P1 + s.P3;
  const Connective& op = kConnectives[s.P2 >= 1 && s.P2 <= 3 ? s.P2 - 1 : 0];

  toolkit::WriteLine(s, "\\vskip3mm ");
  std::array<int, 9> f{};
  for (int row = 1; row <= 8; ++row) {
    const int x = ((row - 1) >> 2) & 1, y = ((row - 1) >> 1) & 1, z = (row - 1) & 1;
    const bool first = row == 1;
    if (first) toolkit::WriteText(s, " $(");
    const int va =
        EvaluateThreeVariableFormula(s, a, x, y, z, first ? toolkit::WriteText : nullptr);
    if (first) toolkit::WriteText(s, op.text);
    const int vb =
        EvaluateThreeVariableFormula(s, b, x, y, z, first ? toolkit::WriteText : nullptr);
    if (first) toolkit::WriteText(s, ")$ ");
    f[static_cast<std::size_t>(row)] = op.value(va, vb);
  }
  toolkit::WriteLine(s, "\\vskip4mm ");

  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  int ones = 0;
  for (int row = 1; row <= 8; ++row) {
    ones += f[static_cast<std::size_t>(row)];
    toolkit::AnsWrite(s,
                      std::to_string(f[static_cast<std::size_t>(row)]) + (row < 8 ? ", " : "  "));
  }
  if (ones == 0) {
    toolkit::AnsWrite(s, "$0$");
    return;
  }
  if (ones == 8) {
    toolkit::AnsWrite(s, "$1$");
    return;
  }
  for (const auto& cover : MinimalCovers(f)) {
    std::string cell = "& $";
    for (std::size_t i = 0; i < cover.size(); ++i) {
      if (i > 0) cell += "\\vee ";
      cell += TermText(cover[i]);
    }
    toolkit::AnsWrite(s, cell + "$  ");
  }
}

}  // namespace logic
