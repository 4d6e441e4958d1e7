#pragma once

#include <array>
#include <string>
#include <string_view>

#include "toolkit/state.h"

namespace logic {

// The logic catalogues hold each formula as a disjunction of products in a short notation:
// a letter is a plain variable, "~" before a letter negates it, "+" separates products, and
// the order of products and letters is the order the formula is printed in.

/// Values of the letters 'a'..'z' (0 or 1) at one assignment; letters not set are 0.
using LetterValues = std::array<int, 26>;

/// The value of a disjunction written in the catalogue notation at the given letter values.
int DisjunctionValue(std::string_view formula, const LetterValues& values);

/// The LaTeX text of a disjunction in the catalogue notation: a letter is written as
/// `letters[letter - 'a']`, a negated letter as "\bar " and that letter, products are joined
/// by "\vee ".
std::string DisjunctionText(std::string_view formula, const std::array<char, 26>& letters);

/// The identity letter map for DisjunctionText.
std::array<char, 26> PlainLetters();

/// Entry `index` of ThreeVariableFormulas in the catalogue notation: entries 1..31, the
/// default entry xz + ~yz for 0, 32 and above (and for a negative index).
std::string_view ThreeVariableFormula(int index);

/// A plain writer of one output file (toolkit::WriteText, toolkit::AnsWrite).
using PlainWriter = void (*)(toolkit::Run& r, std::string_view s);

/// The value (0 or 1) of catalogue entry `index` at x, y, z (each 0 or 1). When write_text
/// is not null, appends the entry's text to its file through it, without a line end.
int EvaluateThreeVariableFormula(toolkit::Run& r, int index, int x, int y, int z,
                                 PlainWriter write_text);

}  // namespace logic
