#include "toolkit/terms.h"

#include <cmath>

#include "toolkit/number_format.h"

namespace toolkit {

std::string SignedTerm(double coef, std::string_view factor, TermPlace place,
                       std::string_view times) {
  const std::string magnitude = FormatNumber(std::fabs(coef));
  if (magnitude == "0") return "";
  std::string text;
  if (coef < 0) {
    text = "-";
  } else if (place == TermPlace::kNext) {
    text = "+";
  }
  if (factor.empty()) return text + magnitude;
  if (magnitude != "1") text += magnitude + std::string(times);
  return text + std::string(factor);
}

TermSum& TermSum::Add(double coef, std::string_view factor) {
  text_ += SignedTerm(coef, factor, text_.empty() ? TermPlace::kFirst : TermPlace::kNext, times_);
  return *this;
}

}  // namespace toolkit
