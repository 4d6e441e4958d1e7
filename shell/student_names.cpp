#include "shell/student_names.h"

#include <array>

#include "toolkit/cp1251.h"

namespace shell {

namespace {

// Plain forms of U+00C0..U+017F (Latin-1 letters and Latin Extended-A); empty: none.
constexpr std::array<std::string_view, 192> kPlainLatin = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E",
    "I", "I", "I", "I", "D", "N", "O", "O", "O", "O", "O", "x",
    "O", "U", "U", "U", "U", "Y", "Th", "ss", "a", "a", "a", "a",
    "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u",
    "u", "y", "th", "y", "A", "a", "A", "a", "A", "a", "C", "c",
    "C", "c", "C", "c", "C", "c", "D", "d", "D", "d", "E", "e",
    "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",
    "G", "g", "G", "g", "H", "h", "H", "h", "I", "i", "I", "i",
    "I", "i", "I", "i", "I", "i", "IJ", "ij", "J", "j", "K", "k",
    "k", "L", "l", "L", "l", "L", "l", "L", "l", "L", "l", "N",
    "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o",
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R", "r", "S", "s",
    "S", "s", "S", "s", "S", "s", "T", "t", "T", "t", "T", "t",
    "U", "u", "U", "u", "U", "u", "U", "u", "U", "u", "U", "u",
    "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s",
};

std::string_view PlainForm(char32_t c) {
  if (c >= 0xC0 && c <= 0x17F) return kPlainLatin[c - 0xC0];
  // The Romanian comma-below letters, often typed for the cedilla forms.
  switch (c) {
    case 0x218: return "S";
    case 0x219: return "s";
    case 0x21A: return "T";
    case 0x21B: return "t";
    default: return {};
  }
}

}  // namespace

std::string PrintableName(std::string_view name, bool& unprintable) {
  unprintable = false;
  std::string printable;
  std::size_t pos = 0;
  while (pos < name.size()) {
    const std::size_t start = pos;
    const char32_t c = toolkit::NextUtf8Char(name, pos);
    const std::string_view character = name.substr(start, pos - start);
    if (c == U'?' || toolkit::Utf8ToCp1251(character) != "?") {
      printable += character;
      continue;
    }
    const std::string_view plain = PlainForm(c);
    if (plain.empty()) {
      unprintable = true;
      printable += character;
    } else {
      printable += plain;
    }
  }
  return printable;
}

}  // namespace shell
