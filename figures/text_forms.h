#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/number_format.h"

namespace figures {

/// The first `chars` characters of the UTF-8 text s (a short string of the documents'
/// generators holds at most that many); never splits a character.
inline std::string CutText(std::string_view s, std::size_t chars) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < s.size() && n < chars; ++n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return std::string(s.substr(0, i));
}

/// The length argument of \line and \vector: FormatNumberSci(len), except that its
/// small-magnitude form ("0.5\cdot10^{-2}"), which is no number to LaTeX, is written by
/// FormatNumber.
inline std::string PictureLength(double len) {
  const std::string sci = toolkit::FormatNumberSci(len);
  return sci.find('\\') == std::string::npos ? sci : toolkit::FormatNumber(len);
}

}  // namespace figures
