#pragma once

// Reads the printed sets of the set-cardinality problem and evaluates printed set expressions
// over them, for checks written apart from the generator: "(A\cup B)\cap D",
// "(A\backslash  B)\cap (\overline{C}\cap D)", "\overline{C}\backslash\overline{B}" and the
// like, operators taken left to right (the printed expressions parenthesise where it
// matters), complements within 'a'..'z'.

#include <bitset>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>

namespace set_check {

using Letters = std::bitset<26>;

/// The sets printed as " $A=\{" / members / "\}$..", by name.
inline std::map<char, Letters> ReadSets(const std::string& main) {
  static const std::regex kSet(R"( \$([A-D])=\\\{\r\n(?:([a-z](?:,[a-z])*)\r\n)?\\\}\$)");
  std::map<char, Letters> sets;
  for (auto it = std::sregex_iterator(main.begin(), main.end(), kSet); it != std::sregex_iterator();
       ++it) {
    Letters s;
    const std::string members = (*it)[2];
    for (char c : members) {
      if (c != ',') s.set(static_cast<std::size_t>(c - 'a'));
    }
    sets[(*it)[1].str()[0]] = s;
  }
  return sets;
}

/// "a,b,c": the members in alphabetical order.
inline std::string Members(const Letters& s) {
  std::string out;
  for (int i = 0; i < 26; ++i) {
    if (!s.test(static_cast<std::size_t>(i))) continue;
    if (!out.empty()) out += ',';
    out += static_cast<char>('a' + i);
  }
  return out;
}

/// The value of a printed expression; throws std::runtime_error on text it cannot read or a
/// set that was not printed.
class Expression {
 public:
  Expression(std::string text, const std::map<char, Letters>& sets)
      : text_(std::move(text)), sets_(sets) {}

  Letters Value() {
    Letters v = Sequence();
    Blanks();
    if (pos_ != text_.size()) Fail();
    return v;
  }

 private:
  Letters Sequence() {
    Letters v = Operand();
    for (;;) {
      Blanks();
      if (Take("\\cup")) {
        v |= Operand();
      } else if (Take("\\cap")) {
        v &= Operand();
      } else if (Take("\\backslash")) {
        v &= ~Operand();
      } else {
        return v;
      }
    }
  }

  Letters Operand() {
    Blanks();
    if (Take("(")) {
      Letters v = Sequence();
      Blanks();
      if (!Take(")")) Fail();
      return v;
    }
    if (Take("\\overline{")) {
      Letters v = Sequence();
      if (!Take("}")) Fail();
      return ~v;
    }
    if (pos_ < text_.size()) {
      const auto it = sets_.find(text_[pos_]);
      if (it != sets_.end()) {
        ++pos_;
        return it->second;
      }
    }
    Fail();
    return {};
  }

  void Blanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }
  bool Take(const std::string& s) {
    if (text_.compare(pos_, s.size(), s) != 0) return false;
    pos_ += s.size();
    return true;
  }
  [[noreturn]] void Fail() const {
    throw std::runtime_error("cannot read set expression \"" + text_ + "\" at " +
                             std::to_string(pos_));
  }

  std::string text_;
  const std::map<char, Letters>& sets_;
  std::size_t pos_ = 0;
};

/// The value of the printed expression text over the printed sets.
inline Letters Evaluate(const std::string& text, const std::map<char, Letters>& sets) {
  return Expression(text, sets).Value();
}

}  // namespace set_check
