#include "tests/support/tex_formula.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace tex_formula {

class Formula::Impl {
 public:
  /// Parses text, a formula in the variable `var` when it is called with one number; throws
  /// ParseError naming the position of the first piece it cannot read.
  Impl(std::string text, char var) : text_(std::move(text)), var_(var) {
    root_ = ParseSum();
    SkipBlanks();
    if (pos_ != text_.size()) Fail("unexpected text");
  }

  /// The value at p; throws NotReal where the formula has no real value.
  Real operator()(const Point& p) const { return Eval(*root_, p); }

  /// The value with the formula's variable set to v (other letters 0), as a double.
  double operator()(double v) const {
    Point p;
    p.Set(var_, v);
    return static_cast<double>((*this)(p));
  }

  /// The value at n (other variables 0 unless given).
  Real AtN(Real n, Real x = 0) const {
    Point p;
    p.n = n;
    p.x = x;
    return (*this)(p);
  }

 private:
  enum class Op { kNum, kVar, kAdd, kSub, kMul, kDiv, kNeg, kPow, kFact, kRoot, kFunc };

  struct Node {
    Op op;
    Real value = 0;              // kNum
    char var = 0;                // kVar
    std::string func;            // kFunc
    std::unique_ptr<Node> a, b;  // operands; kFunc: argument and optional power; kRoot:
                                 // radicand and optional index (square root without one)
  };
  using NodePtr = std::unique_ptr<Node>;

  static NodePtr Make(Op op, NodePtr a = nullptr, NodePtr b = nullptr) {
    auto n = std::make_unique<Node>();
    n->op = op;
    n->a = std::move(a);
    n->b = std::move(b);
    return n;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw ParseError(what + " at " + std::to_string(pos_) + " in \"" + text_ + "\"");
  }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == ' ' || c == '\r' || c == '\n' || c == '\t') {
        ++pos_;
      } else if (text_.compare(pos_, 2, "\\,") == 0 || text_.compare(pos_, 2, "\\ ") == 0) {
        pos_ += 2;
      } else if (text_.compare(pos_, 13, "\\displaystyle") == 0) {
        pos_ += 13;
      } else {
        break;
      }
    }
  }

  bool At(const std::string& s) {
    SkipBlanks();
    return text_.compare(pos_, s.size(), s) == 0;
  }

  bool Take(const std::string& s) {
    if (!At(s)) return false;
    pos_ += s.size();
    return true;
  }

  void Expect(const std::string& s) {
    if (!Take(s)) Fail("expected \"" + s + "\"");
  }

  /// A control word at the position (without consuming it), or "".
  std::string PeekCommand() {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != '\\') return "";
    std::size_t e = pos_ + 1;
    while (e < text_.size() && std::isalpha(static_cast<unsigned char>(text_[e]))) ++e;
    return text_.substr(pos_, e - pos_);
  }

  /// A sign, bare or in a spacing group: "+" or "{+}", "-" or "{-}".
  bool TakeSign(char sign) {
    return Take(std::string(1, sign)) || Take(std::string("{") + sign + "}");
  }

  NodePtr ParseSum() {
    NodePtr left;
    if (TakeSign('-')) {
      left = Make(Op::kNeg, ParseProduct());
    } else {
      TakeSign('+');
      left = ParseProduct();
    }
    for (;;) {
      if (TakeSign('+')) {
        left = Make(Op::kAdd, std::move(left), ParseProduct());
      } else if (TakeSign('-')) {
        left = Make(Op::kSub, std::move(left), ParseProduct());
      } else {
        return left;
      }
    }
  }

  bool StartsFactor() {
    SkipBlanks();
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    if (At("{+}") || At("{-}")) return false;  // a sign, not a group
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '(' || c == '{' || c == '.') {
      return true;
    }
    if (std::isalpha(static_cast<unsigned char>(c))) return true;
    if (c == '\\') {
      const std::string cmd = PeekCommand();
      return cmd != "\\right" && cmd != "\\cdot";
    }
    return false;
  }

  NodePtr ParseProduct() {
    NodePtr left = ParsePower();
    for (;;) {
      if (Take("/")) {
        left = Make(Op::kDiv, std::move(left), ParsePower());
      } else if (Take("\\cdot")) {
        left = Make(Op::kMul, std::move(left), ParsePower());
      } else if (StartsFactor()) {
        left = Make(Op::kMul, std::move(left), ParsePower());
      } else {
        return left;
      }
    }
  }

  /// A primary with its factorial and power: "n!", "(n+1)!", "x^2", "e^{x/3}".
  NodePtr ParsePower() {
    NodePtr base = ParsePrimary();
    if (Take("!")) base = Make(Op::kFact, std::move(base));
    if (Take("^")) base = Make(Op::kPow, std::move(base), ParseExponent());
    return base;
  }

  /// A superscript: a group, a control sequence with its arguments, or one character.
  NodePtr ParseExponent() {
    SkipBlanks();
    if (At("{")) return ParsePrimary();
    if (At("\\")) return ParsePrimary();
    if (pos_ >= text_.size()) Fail("missing exponent");
    const char c = text_[pos_++];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      auto n = Make(Op::kNum);
      n->value = c - '0';
      return n;
    }
    return Variable(c);
  }

  NodePtr Variable(char c) {
    if (c == 'e') {
      auto n = Make(Op::kNum);
      n->value = std::numbers::e_v<Real>;
      return n;
    }
    auto n = Make(Op::kVar);
    n->var = c;
    return n;
  }

  NodePtr ParseGroup(const std::string& open, const std::string& close) {
    Expect(open);
    NodePtr inner = ParseSum();
    Expect(close);
    return inner;
  }

  NodePtr Function(const std::string& name) {
    auto f = Make(Op::kFunc);
    f->func = name;
    if (Take("^")) f->b = ParseExponent();
    f->a = ParsePower();  // the argument: "(..)", "\frac{..}{..}", "n", "(..)^2" ..
    return f;
  }

  NodePtr ParsePrimary() {
    SkipBlanks();
    if (pos_ >= text_.size()) Fail("missing operand");
    const char c = text_[pos_];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
      std::size_t e = pos_;
      while (e < text_.size() &&
             (std::isdigit(static_cast<unsigned char>(text_[e])) || text_[e] == '.')) {
        ++e;
      }
      auto n = Make(Op::kNum);
      n->value = std::stold(text_.substr(pos_, e - pos_));
      pos_ = e;
      return n;
    }
    if (c == '(') return ParseGroup("(", ")");
    if (c == '{') return ParseGroup("{", "}");
    if (std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      return Variable(c);
    }
    if (c != '\\') Fail("unexpected character");
    if (Take("\\left(")) {
      NodePtr inner = ParseSum();
      Expect("\\right)");
      return inner;
    }
    if (Take("\\frac") || Take("\\frc")) {
      NodePtr num = ParseExponent();  // "\frac{..}{..}" or "\frac12"
      NodePtr den = ParseExponent();
      return Make(Op::kDiv, std::move(num), std::move(den));
    }
    if (Take("\\sqrt")) {
      auto r = Make(Op::kRoot);
      if (Take("[")) {
        NodePtr index = ParseSum();
        Expect("]");
        r->b = std::move(index);
      }
      r->a = ParseGroup("{", "}");
      return r;
    }
    if (Take("\\pi")) {
      auto n = Make(Op::kNum);
      n->value = std::numbers::pi_v<Real>;
      return n;
    }
    if (Take("\\mbox{")) {
      std::size_t e = text_.find('}', pos_);
      if (e == std::string::npos) Fail("open \\mbox");
      // "\mbox{arctan }" keeps a space before its argument: the name is the letters.
      std::string name = text_.substr(pos_, e - pos_);
      while (!name.empty() && name.back() == ' ') name.pop_back();
      pos_ = e + 1;
      return Function(name);
    }
    static const char* const kFunctions[] = {
        "arcsin", "arccos", "arctan", "arctg", "arcctg", "sinh", "cosh", "tanh", "sin", "cos",
        "tan",    "cot",    "tg",     "ctg",   "sh",     "ch",   "th",   "cth",  "ln",  "log",
        "exp",    "arcsh",  "arcch",  "sec",   "csc"};
    const std::string cmd = PeekCommand();
    for (const char* f : kFunctions) {
      if (cmd == std::string("\\") + f) {
        pos_ += cmd.size();
        return Function(f);
      }
    }
    Fail("unknown command " + cmd);
  }

  static Real Check(Real v) {
    if (std::isnan(v)) throw NotReal("not a number");
    return v;
  }

  static Real Pow(Real base, Real e) {
    if (base < 0 && e != std::floor(e)) throw NotReal("real power of a negative number");
    if (base == 0 && e < 0) throw NotReal("negative power of 0");
    return Check(std::pow(base, e));
  }

  static Real Apply(const std::string& f, Real v) {
    if (f == "sin") return std::sin(v);
    if (f == "cos") return std::cos(v);
    if (f == "tg") {
      if (std::cos(v) == 0) throw NotReal("tg at a pole");
      return std::tan(v);
    }
    if (f == "ctg") {
      if (std::sin(v) == 0) throw NotReal("ctg at a pole");
      return std::cos(v) / std::sin(v);
    }
    if (f == "tan") return Apply("tg", v);
    if (f == "cot") return Apply("ctg", v);
    if (f == "arctg" || f == "arctan") return std::atan(v);
    if (f == "arcctg") return std::numbers::pi_v<Real> / 2 - std::atan(v);
    if (f == "sinh" || f == "sh") return std::sinh(v);
    if (f == "cosh" || f == "ch") return std::cosh(v);
    if (f == "th" || f == "tanh") return std::tanh(v);
    if (f == "cth") {
      if (v == 0) throw NotReal("cth at 0");
      return 1 / std::tanh(v);
    }
    if (f == "arcsinh" || f == "arcsh") return std::asinh(v);
    if (f == "arcch") {
      if (v < 1) throw NotReal("arcch below 1");
      return std::acosh(v);
    }
    if (f == "sec") {
      if (std::cos(v) == 0) throw NotReal("sec at a pole");
      return 1 / std::cos(v);
    }
    if (f == "csc") {
      if (std::sin(v) == 0) throw NotReal("csc at a pole");
      return 1 / std::sin(v);
    }
    if (f == "exp") return std::exp(v);
    if (f == "arcsin" || f == "arccos") {
      if (v < -1 || v > 1) throw NotReal(f + " beyond 1");
      return f == "arcsin" ? std::asin(v) : std::acos(v);
    }
    if (f == "ln" || f == "log") {
      if (v <= 0) throw NotReal("ln of a non-positive number");
      return std::log(v);
    }
    throw ParseError("unknown function " + f);
  }

  static Real Eval(const Node& node, const Point& p) {
    switch (node.op) {
      case Op::kNum:
        return node.value;
      case Op::kVar:
        return p.Get(node.var);
      case Op::kAdd:
        return Check(Eval(*node.a, p) + Eval(*node.b, p));
      case Op::kSub:
        return Check(Eval(*node.a, p) - Eval(*node.b, p));
      case Op::kMul:
        return Check(Eval(*node.a, p) * Eval(*node.b, p));
      case Op::kNeg:
        return -Eval(*node.a, p);
      case Op::kDiv: {
        const Real d = Eval(*node.b, p);
        if (d == 0) throw NotReal("zero denominator");
        return Check(Eval(*node.a, p) / d);
      }
      case Op::kPow:
        return Pow(Eval(*node.a, p), Eval(*node.b, p));
      case Op::kFact: {
        const Real v = Eval(*node.a, p);
        if (v < 0 && v == std::floor(v)) throw NotReal("factorial of a negative integer");
        return Check(std::tgamma(v + 1));
      }
      case Op::kRoot: {
        const Real v = Eval(*node.a, p);
        const Real k = node.b ? Eval(*node.b, p) : 2;
        if (v < 0) {
          const bool odd = k == std::floor(k) && std::fmod(k, 2) != 0;
          if (!odd) throw NotReal("even root of a negative number");
          return -std::pow(-v, 1 / k);
        }
        return std::pow(v, 1 / k);
      }
      case Op::kFunc: {
        const Real v = Apply(node.func, Eval(*node.a, p));
        return node.b ? Pow(v, Eval(*node.b, p)) : v;
      }
    }
    return 0;
  }

  std::string text_;
  char var_ = 'x';
  std::size_t pos_ = 0;
  std::shared_ptr<const Node> root_;  // shared: a Formula is copied into std::function
};

Formula::Formula(std::string text, char var)
    : impl_(std::make_shared<const Impl>(std::move(text), var)) {}

Real Formula::operator()(const Point& p) const { return (*impl_)(p); }

double Formula::operator()(double v) const { return (*impl_)(v); }

Real Formula::AtN(Real n, Real x) const { return impl_->AtN(n, x); }

}  // namespace tex_formula

namespace numeric_check {

double EvalTex(const std::string& text, char var, double value) {
  return tex_formula::Formula(text, var)(value);
}

std::function<double(double)> TexFunction(const std::string& text, char var) {
  return tex_formula::Formula(text, var);
}

}  // namespace numeric_check
