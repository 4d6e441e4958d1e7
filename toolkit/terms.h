#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Terms of a sum and values in tables, written as a teacher writes them by hand: no zero
// term, no coefficient 1, no "+" in front, "0" for a sum with nothing left, a dash for a
// value that does not exist. Numbers go through FormatNumber, so "prints as 0" and "prints as
// 1" are judged on the printed digits.

/// What a table cell holds for a value that does not exist: an em dash (text mode).
inline constexpr std::string_view kNoValue = "---";

/// Where a term stands in its sum: the first term carries no "+".
enum class TermPlace { kFirst, kNext };

/// coef times factor as one term of a sum: empty when coef prints as 0; otherwise "-" for a
/// negative coef (and "+" for a positive one in kNext place), then FormatNumber(|coef|) unless
/// a factor follows and it prints as 1, then `times` when both a number and a factor are
/// written, then the factor. Throws DegenerateDataError for NaN or infinity.
std::string SignedTerm(double coef, std::string_view factor, TermPlace place,
                       std::string_view times = "");

/// A sum written term by term through SignedTerm; Text() is "0" when no term was written.
class TermSum {
 public:
  /// `times` goes between a printed coefficient and its factor (for example "\cdot ").
  explicit TermSum(std::string_view times = "") : times_(times) {}
  /// Appends coef times factor (a constant term when factor is empty); returns *this.
  TermSum& Add(double coef, std::string_view factor = "");
  /// The sum as written so far, or "0" when every term printed as zero.
  std::string Text() const { return text_.empty() ? "0" : text_; }

 private:
  std::string times_;
  std::string text_;
};

}  // namespace toolkit
