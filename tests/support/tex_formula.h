#pragma once

// Reads a formula as the calculus generators print it (the LaTeX math subset of their
// catalogues: numbers, single-letter variables, implicit products, / and \cdot, signs bare or
// in spacing groups {+} {-}, powers, factorials, \frac, \frc, \sqrt[k], \left( \right), the
// trigonometric, hyperbolic and inverse functions in their \mbox{..} spellings, arcsinh and
// "arctan " among them, and control-word spellings, \arcsh \arcch \sec \csc and ln among
// them) and evaluates it in long double, so that a test checks an answer against the text
// the student sees rather than against the generator's own arithmetic. A value that is not a
// real number (a zero denominator, a logarithm of a non-positive number, an arcsine beyond 1,
// an even root or a real power of a negative number) throws NotReal; overflow to infinity is
// allowed. Both errors are numeric_check::TexFormulaError.
//
// tex_formula::Formula f(text, 'x') is also a function of one double (for the numeric
// derivatives of numeric_check.h); numeric_check::EvalTex(text, 'x', 0.3) evaluates once.

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace numeric_check {

/// A printed formula could not be read, or has no real value at the point asked.
struct TexFormulaError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace numeric_check

namespace tex_formula {

/// The formula has no real value at the point.
struct NotReal : numeric_check::TexFormulaError {
  using numeric_check::TexFormulaError::TexFormulaError;
};

/// The text is not a formula of the supported subset.
struct ParseError : numeric_check::TexFormulaError {
  using numeric_check::TexFormulaError::TexFormulaError;
};

using Real = long double;

/// Values of the variables: any single letter but e (Euler's number); unset letters are 0.
struct Point {
  Real x = 0, y = 0, z = 0, n = 0;
  std::map<char, Real> other;  ///< letters other than x, y, z, n
  Real Get(char c) const {
    switch (c) {
      case 'x':
        return x;
      case 'y':
        return y;
      case 'z':
        return z;
      case 'n':
        return n;
      default: {
        const auto it = other.find(c);
        return it == other.end() ? 0 : it->second;
      }
    }
  }
  void Set(char c, Real v) {
    switch (c) {
      case 'x':
        x = v;
        break;
      case 'y':
        y = v;
        break;
      case 'z':
        z = v;
        break;
      case 'n':
        n = v;
        break;
      default:
        other[c] = v;
    }
  }
};

/// A printed formula, read once; evaluating it never reparses.
class Formula {
 public:
  /// Parses text, a formula in the variable `var` when it is called with one number; throws
  /// ParseError naming the position of the first piece it cannot read.
  explicit Formula(std::string text, char var = 'x');

  /// The value at p; throws NotReal where the formula has no real value.
  Real operator()(const Point& p) const;

  /// The value with the formula's variable set to v (other letters 0), as a double.
  double operator()(double v) const;

  /// The value at n (other variables 0 unless given).
  Real AtN(Real n, Real x = 0) const;

 private:
  class Impl;
  std::shared_ptr<const Impl> impl_;  // shared: a Formula is copied into std::function
};

}  // namespace tex_formula

namespace numeric_check {

/// The printed formula `text` at var = value; throws TexFormulaError when it cannot be read
/// or has no real value there.
double EvalTex(const std::string& text, char var, double value);

/// The printed formula `text` as a function of var (read once); calls throw TexFormulaError
/// where it has no real value.
std::function<double(double)> TexFunction(const std::string& text, char var);

}  // namespace numeric_check
