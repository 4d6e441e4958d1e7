#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/number_format.h"

namespace figures {

/// The length argument of \line and \vector: FormatNumberSci(len), except that its
/// small-magnitude form ("0.5\cdot10^{-2}"), which is no number to LaTeX, is written by
/// FormatNumber.
inline std::string PictureLength(double len) {
  const std::string sci = toolkit::FormatNumberSci(len);
  return sci.find('\\') == std::string::npos ? sci : toolkit::FormatNumber(len);
}

}  // namespace figures
