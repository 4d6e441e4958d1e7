#pragma once

// Reading a printed polynomial equation back term by term: "3x^2-6xy+y^2+16x+1=0" or
// "$-10 x^2 +4 y^2 -5 x -3 y =0$" into its integer coefficients by monomial.

#include <map>
#include <string>
#include <string_view>

namespace testing_support {

/// The integer coefficients of a printed "...=0" by monomial (the text after the number:
/// "x^2", "xy", "\sqrt{3}xy", "" for the constant term).
struct PolynomialTerms {
  std::map<std::string, long long> coef;
  bool ok = true;  ///< false when "=0" is missing, a term is unreadable or a monomial repeats
  bool leading_plus = false;  ///< the first term is written with "+"
  /// The coefficient of monomial m (0 when absent).
  long long Get(const std::string& m) const;
};

/// Reads text up to its "=0"; blanks, line ends and "$" are ignored; a sign alone is 1.
PolynomialTerms ReadPolynomialTerms(std::string_view text);

}  // namespace testing_support
