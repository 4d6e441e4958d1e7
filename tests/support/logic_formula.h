#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A reader for the Boolean formulas the logic problems print, written apart from the
// generators: letters, "\bar " before a letter or a parenthesis, juxtaposition (product),
// "\vee ", "|" (Sheffer stroke), "\downarrow " (Peirce arrow), "\oplus ", "\leftrightarrow ",
// "\rightarrow ", the constants 0 and 1, and parentheses. The product binds tighter than every
// two-place connective; two different two-place connectives at one level without parentheses
// are rejected as ambiguous, so a printed formula is read exactly one way.
namespace testing_support {

/// One node of a parsed formula.
struct LogicNode {
  enum Kind : std::uint8_t { kVar, kConst, kNot, kAnd, kOr, kNand, kNor, kXor, kEqv, kImp };
  Kind kind = kVar;
  char letter = 0;  ///< kVar: the letter; kConst: '0' or '1'
  int left = -1, right = -1;
};

/// A parsed formula: its nodes, the root last.
struct LogicFormula {
  std::vector<LogicNode> nodes;
  int root = -1;
};

/// Values of the letters 'a'..'z' at one assignment.
using LogicValues = std::array<int, 26>;

namespace logic_formula_detail {

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  LogicFormula Parse() {
    f_.root = Binary();
    Skip();
    if (i_ != s_.size()) Fail("unexpected text");
    return f_;
  }

 private:
  void Fail(const std::string& what) const {
    throw std::invalid_argument(what + " at " + std::to_string(i_) + " in \"" + std::string(s_) +
                                "\"");
  }
  void Skip() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  bool Eat(std::string_view word) {
    Skip();
    if (s_.substr(i_, word.size()) != word) return false;
    i_ += word.size();
    return true;
  }
  int Add(LogicNode n) {
    f_.nodes.push_back(n);
    return static_cast<int>(f_.nodes.size()) - 1;
  }
  // The two-place connectives as printed.
  bool Connective(LogicNode::Kind& kind) {
    struct Word {
      std::string_view text;
      LogicNode::Kind kind;
    };
    static constexpr Word kWords[] = {
        {"\\vee ", LogicNode::kOr},
        {"|", LogicNode::kNand},
        {"\\downarrow ", LogicNode::kNor},
        {"\\oplus ", LogicNode::kXor},
        {"\\leftrightarrow ", LogicNode::kEqv},
        {"\\rightarrow ", LogicNode::kImp},
    };
    for (const Word& w : kWords) {
      if (Eat(w.text)) {
        kind = w.kind;
        return true;
      }
    }
    // A connective written at the very end of the text without its blank.
    for (const Word& w : kWords) {
      if (w.text.back() == ' ' && Eat(w.text.substr(0, w.text.size() - 1))) {
        kind = w.kind;
        return true;
      }
    }
    return false;
  }
  int Binary() {
    int left = Product();
    LogicNode::Kind first{};
    bool have = false;
    LogicNode::Kind kind{};
    while (Connective(kind)) {
      if (have && kind != first) Fail("two different connectives without parentheses");
      if (have &&
          (kind == LogicNode::kImp || kind == LogicNode::kNand || kind == LogicNode::kNor)) {
        Fail("a chain of a connective that is not associative");
      }
      first = kind;
      have = true;
      const int right = Product();
      left = Add({kind, 0, left, right});
    }
    return left;
  }
  bool AtAtom() {
    Skip();
    if (i_ >= s_.size()) return false;
    const char c = s_[i_];
    return (c >= 'a' && c <= 'z') || c == '(' || c == '0' || c == '1' ||
           s_.substr(i_, 5) == "\\bar ";
  }
  int Product() {
    int left = Atom();
    while (AtAtom()) left = Add({LogicNode::kAnd, 0, left, Atom()});
    return left;
  }
  int Atom() {
    Skip();
    if (Eat("\\bar ")) return Add({LogicNode::kNot, 0, Atom(), -1});
    if (Eat("(")) {
      const int inner = Binary();
      if (!Eat(")")) Fail("missing )");
      return inner;
    }
    if (i_ < s_.size()) {
      const char c = s_[i_];
      if (c >= 'a' && c <= 'z') {
        ++i_;
        return Add({LogicNode::kVar, c, -1, -1});
      }
      if (c == '0' || c == '1') {
        ++i_;
        return Add({LogicNode::kConst, c, -1, -1});
      }
    }
    Fail("expected a letter, \\bar or (");
    return -1;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  LogicFormula f_;
};

}  // namespace logic_formula_detail

/// Reads a printed formula; throws std::invalid_argument naming the place of a fault.
inline LogicFormula ParseLogicFormula(std::string_view tex) {
  return logic_formula_detail::Parser(tex).Parse();
}

/// The value (0 or 1) of node `node` of f at the given letter values.
inline int EvaluateLogicNode(const LogicFormula& f, int node, const LogicValues& v) {
  const LogicNode& n = f.nodes[static_cast<std::size_t>(node)];
  auto at = [&](int k) { return EvaluateLogicNode(f, k, v); };
  switch (n.kind) {
    case LogicNode::kVar:
      return v[static_cast<std::size_t>(n.letter - 'a')] != 0;
    case LogicNode::kConst:
      return n.letter == '1';
    case LogicNode::kNot:
      return 1 - at(n.left);
    case LogicNode::kAnd:
      return at(n.left) & at(n.right);
    case LogicNode::kOr:
      return at(n.left) | at(n.right);
    case LogicNode::kNand:
      return 1 - (at(n.left) & at(n.right));
    case LogicNode::kNor:
      return 1 - (at(n.left) | at(n.right));
    case LogicNode::kXor:
      return at(n.left) ^ at(n.right);
    case LogicNode::kEqv:
      return at(n.left) == at(n.right);
    case LogicNode::kImp:
      return at(n.left) == 0 || at(n.right) == 1;
  }
  return 0;
}

/// The value (0 or 1) of f at the given letter values.
inline int EvaluateLogicFormula(const LogicFormula& f, const LogicValues& v) {
  return EvaluateLogicNode(f, f.root, v);
}

/// The truth vector of node `node` over the letters of `order` (first letter outermost):
/// element k is the value at the assignment whose bits, most significant first, are the
/// letters' values in that order.
inline std::vector<int> LogicTruthVector(const LogicFormula& f, int node, std::string_view order) {
  const int n = static_cast<int>(order.size());
  std::vector<int> column;
  for (int k = 0; k < (1 << n); ++k) {
    LogicValues v{};
    for (int j = 0; j < n; ++j) {
      v[static_cast<std::size_t>(order[static_cast<std::size_t>(j)] - 'a')] =
          (k >> (n - 1 - j)) & 1;
    }
    column.push_back(EvaluateLogicNode(f, node, v));
  }
  return column;
}

/// LogicTruthVector of the whole formula.
inline std::vector<int> LogicTruthVector(const LogicFormula& f, std::string_view order) {
  return LogicTruthVector(f, f.root, order);
}

/// Whether f is a disjunction of products of literals (letters or barred letters), each
/// letter at most once in a product; *literals receives the number of literals.
inline bool IsLogicDnf(const LogicFormula& f, int* literals) {
  int count = 0;
  bool ok = true;
  auto product = [&](auto&& self, int node, unsigned& seen) -> void {
    const LogicNode& n = f.nodes[static_cast<std::size_t>(node)];
    if (n.kind == LogicNode::kAnd) {
      self(self, n.left, seen);
      self(self, n.right, seen);
      return;
    }
    const LogicNode* lit = &n;
    if (n.kind == LogicNode::kNot) lit = &f.nodes[static_cast<std::size_t>(n.left)];
    if (lit->kind != LogicNode::kVar) {
      ok = false;
      return;
    }
    const unsigned bit = 1u << (lit->letter - 'a');
    if (seen & bit) ok = false;
    seen |= bit;
    ++count;
  };
  auto sum = [&](auto&& self, int node) -> void {
    const LogicNode& n = f.nodes[static_cast<std::size_t>(node)];
    if (n.kind == LogicNode::kOr) {
      self(self, n.left);
      self(self, n.right);
      return;
    }
    unsigned seen = 0;
    product(product, node, seen);
  };
  sum(sum, f.root);
  if (literals != nullptr) *literals = count;
  return ok;
}

/// The least number of literals of a disjunctive normal form of the function whose truth
/// vector over n letters (n <= 4, first letter outermost) is `f`; 0 for the constants.
/// Found by exhaustive search over covers by products, independent of any prime-implicant
/// method.
inline int MinimalDnfLiteralCount(const std::vector<int>& f, int n) {
  const int rows = 1 << n;
  unsigned target = 0;
  for (int k = 0; k < rows; ++k) {
    if (f[static_cast<std::size_t>(k)]) target |= 1u << k;
  }
  if (target == 0 || target == (1u << rows) - 1) return 0;
  // Every product: each letter absent, plain or barred (3^n - 1 non-empty ones).
  std::vector<std::pair<unsigned, int>> implicants;
  int total = 1;
  for (int j = 0; j < n; ++j) total *= 3;
  for (int code = 1; code < total; ++code) {
    unsigned rows_true = 0;
    int literals = 0;
    int c = code;
    std::array<int, 4> state{};
    for (int j = 0; j < n; ++j) {
      state[static_cast<std::size_t>(j)] = c % 3;
      c /= 3;
      if (state[static_cast<std::size_t>(j)] != 0) ++literals;
    }
    for (int k = 0; k < rows; ++k) {
      bool on = true;
      for (int j = 0; j < n; ++j) {
        const int bit = (k >> (n - 1 - j)) & 1;
        const int st = state[static_cast<std::size_t>(j)];
        if ((st == 1 && bit == 0) || (st == 2 && bit == 1)) on = false;
      }
      if (on) rows_true |= 1u << k;
    }
    if ((rows_true & ~target) == 0) implicants.push_back({rows_true, literals});
  }
  // Least cost to cover each subset of the true rows.
  const unsigned full = 1u << rows;
  std::vector<int> best(full, 1 << 20);
  best[0] = 0;
  for (unsigned mask = 1; mask < full; ++mask) {
    if ((mask & ~target) != 0) continue;
    const int low = __builtin_ctz(mask);
    for (const auto& [cover, cost] : implicants) {
      if (!(cover & (1u << low))) continue;
      const int c = best[mask & ~cover] + cost;
      if (c < best[mask]) best[mask] = c;
    }
  }
  return best[target];
}

}  // namespace testing_support
