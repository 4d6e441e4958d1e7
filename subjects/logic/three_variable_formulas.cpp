#include "subjects/logic/three_variable_formulas.h"

#include <iterator>

namespace logic {

namespace {

// Entries 1..31 of the three-variable catalogue; index 0 here is the default entry.
constexpr std::string_view kThreeVariableFormulas[] = {
    "xz+~yz",                                                        // default
    "~x~y+xz", "xy+z",   "xz+y",    "zy+x",   "~xy+z",   "~xz+y",    // 1-6
    "~zy+x",   "x~y+z",  "x~z+y",   "z~y+x",  "xy+~z",   "xz+~y",    // 7-12
    "zy+~x",   "~x~y+z", "~x~z+y",  "~z~y+x", "~xy+~z",  "~xz+~y",   // 13-18
    "~zy+~x",  "xz+y~z", "xz+~y~z", "x~z+yz", "~xz+y~z", "xy+~y~z",  // 19-24
    "x+y+z",   "~x+y+z", "x+~y+z",  "x+y+~z", "~x+~y+z", "~x+y+~z",  // 25-30
    "xz+xy",                                                         // 31
};
static_assert(std::size(kThreeVariableFormulas) == 32);

}  // namespace

int DisjunctionValue(std::string_view formula, const LetterValues& values) {
  int product = 1;
  bool negate = false;
  for (char c : formula) {
    if (c == '~') {
      negate = true;
    } else if (c == '+') {
      if (product != 0) return 1;
      product = 1;
    } else {
      const int v = values[static_cast<std::size_t>(c - 'a')];
      product *= negate ? 1 - v : v;
      negate = false;
    }
  }
  return product != 0 ? 1 : 0;
}

std::string DisjunctionText(std::string_view formula, const std::array<char, 26>& letters) {
  std::string text;
  for (char c : formula) {
    if (c == '~') {
      text += "\\bar ";
    } else if (c == '+') {
      text += "\\vee ";
    } else {
      text += letters[static_cast<std::size_t>(c - 'a')];
    }
  }
  return text;
}

std::array<char, 26> PlainLetters() {
  std::array<char, 26> letters{};
  for (int i = 0; i < 26; ++i) letters[static_cast<std::size_t>(i)] = static_cast<char>('a' + i);
  return letters;
}

std::string_view ThreeVariableFormula(int index) {
  return kThreeVariableFormulas[index >= 1 && index <= 31 ? index : 0];
}

int EvaluateThreeVariableFormula(toolkit::Run& r, int index, int x, int y, int z,
                                 PlainWriter write_text) {
  const std::string_view formula = ThreeVariableFormula(index);
  if (write_text != nullptr) write_text(r, DisjunctionText(formula, PlainLetters()));
  LetterValues values{};
  values['x' - 'a'] = x;
  values['y' - 'a'] = y;
  values['z' - 'a'] = z;
  return DisjunctionValue(formula, values);
}

}  // namespace logic
