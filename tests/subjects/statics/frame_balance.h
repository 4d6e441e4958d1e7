#pragma once

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/tex_formula.h"

// A plane-equilibrium checker for the frame and compound-structure answer checks: forces at
// points and couples on one body, summed along x, y and as moments about any point
// (counter-clockwise positive), and the polyline of a drawn frame read back from its \mt/\pp
// commands.
namespace statics_testing {

struct Vec2 {
  double x = 0, y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(double k, Vec2 a) { return {k * a.x, k * a.y}; }

/// The forces and couples acting on one body.
class PlaneBalance {
 public:
  void Force(Vec2 at, double fx, double fy) { forces_.push_back({at, {fx, fy}}); }
  /// A weight w downwards at the middle of the segment a-b.
  void Weight(Vec2 a, Vec2 b, double w) { Force(0.5 * (a + b), 0, -w); }
  void Couple(double m) { couple_ += m; }
  void Add(const PlaneBalance& other) {
    forces_.insert(forces_.end(), other.forces_.begin(), other.forces_.end());
    couple_ += other.couple_;
  }

  double SumX() const {
    double s = 0;
    for (const auto& f : forces_) s += f.f.x;
    return s;
  }
  double SumY() const {
    double s = 0;
    for (const auto& f : forces_) s += f.f.y;
    return s;
  }
  double MomentAbout(Vec2 o) const {
    double m = couple_;
    for (const auto& f : forces_) m += (f.at.x - o.x) * f.f.y - (f.at.y - o.y) * f.f.x;
    return m;
  }

 private:
  struct Applied {
    Vec2 at, f;
  };
  std::vector<Applied> forces_;
  double couple_ = 0;
};

/// The unit vector of a drawn direction, its angle snapped to the nearest multiple of 15
/// degrees (the drawn coordinates carry two decimals; the frames' angles are whole steps).
inline Vec2 SnappedDirection(Vec2 d) {
  const double pi = std::acos(-1.0);
  const double deg = std::round(std::atan2(d.y, d.x) * 180 / pi / 15) * 15;
  return {std::cos(deg * pi / 180), std::sin(deg * pi / 180)};
}

/// The points of the \mt{x}{y} and \pp{x}{y} commands in text[from, to), in order.
inline std::vector<Vec2> PathPoints(std::string_view text, std::size_t from, std::size_t to) {
  std::vector<Vec2> out;
  std::size_t at = from;
  while (true) {
    const std::size_t mt = text.find("\\mt{", at), pp = text.find("\\pp{", at);
    const std::size_t next = mt < pp ? mt : pp;
    if (next == std::string_view::npos || next >= to) break;
    const std::string rest(text.substr(next + 4, 40));
    char* end = nullptr;
    const double x = std::strtod(rest.c_str(), &end);
    const double y = std::strtod(end + 2, nullptr);  // past "}{"
    out.push_back({x, y});
    at = next + 4;
  }
  return out;
}

/// Whether a printed equation "lhs=rhs" holds to its printed precision once each name of
/// `values` is replaced by its value as the answers print it (three decimals). Both sides are
/// read with the shared formula evaluator. The allowed difference is what the printed digits
/// can account for: the sum over every number in the equation of the change one unit of its
/// last digit makes (the equations are linear in each number), plus `slack`. `error` gets the
/// equation and both sides when it does not hold.
inline bool EquationHolds(std::string equation, const std::map<std::string, double>& values,
                          double slack, std::string* error = nullptr) {
  for (const auto& [name, v] : values) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "(%.3f)", v);
    for (std::size_t at = equation.find(name); at != std::string::npos;
         at = equation.find(name, at)) {
      equation.replace(at, name.size(), buf);
      at += std::string_view(buf).size();
    }
  }
  const auto difference = [](const std::string& e) {
    const std::size_t eq = e.find('=');
    if (eq == std::string::npos) throw numeric_check::TexFormulaError("no '=' in " + e);
    return numeric_check::EvalTex(e.substr(0, eq), 'x', 0) -
           numeric_check::EvalTex(e.substr(eq + 1), 'x', 0);
  };
  try {
    const double d = difference(equation);
    double bound = slack;
    for (std::size_t at = 0; at < equation.size();) {
      if (!std::isdigit(static_cast<unsigned char>(equation[at]))) {
        ++at;
        continue;
      }
      std::size_t end = at;
      while (end < equation.size() &&
             (std::isdigit(static_cast<unsigned char>(equation[end])) || equation[end] == '.'))
        ++end;
      const std::string number = equation.substr(at, end - at);
      const std::size_t point = number.find('.');
      const int decimals = point == std::string::npos ? 0 : int(number.size() - point - 1);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.*f", decimals,
                    std::strtod(number.c_str(), nullptr) + std::pow(10.0, -decimals));
      std::string nudged = equation;
      nudged.replace(at, end - at, buf);
      bound += std::fabs(difference(nudged) - d);
      at = end;
    }
    if (std::fabs(d) <= bound) return true;
    if (error) {
      *error =
          equation + ": differs by " + std::to_string(d) + ", allowed " + std::to_string(bound);
    }
    return false;
  } catch (const numeric_check::TexFormulaError& e) {
    if (error) *error = std::string(e.what()) + " in " + equation;
    return false;
  }
}

}  // namespace statics_testing

namespace statics_testing {

/// The equations of a second-answers row: the math groups between "$" signs, cut at ";",
/// without the "\ " spaces and a closing "."; only pieces that hold "=".
inline std::vector<std::string> PrintedEquations(std::string_view row) {
  std::vector<std::string> out;
  std::size_t at = row.find('$');
  while (at != std::string_view::npos) {
    const std::size_t end = row.find('$', at + 1);
    if (end == std::string_view::npos) break;
    std::string math(row.substr(at + 1, end - at - 1));
    for (std::size_t p = math.find("\\ "); p != std::string::npos; p = math.find("\\ "))
      math.replace(p, 2, " ");
    std::size_t start = 0;
    while (start <= math.size()) {
      std::size_t semi = math.find(';', start);
      if (semi == std::string::npos) semi = math.size();
      std::string piece = math.substr(start, semi - start);
      while (!piece.empty() && (piece.back() == ' ' || piece.back() == '.')) piece.pop_back();
      while (!piece.empty() && piece.front() == ' ') piece.erase(0, 1);
      if (piece.find('=') != std::string::npos) out.push_back(piece);
      start = semi + 1;
    }
    at = row.find('$', end + 1);
  }
  return out;
}

/// The rows of the second answers table below its head: the text after the head row's
/// "\\\hline " and line end up to the " \\\hline\end{tabular}" that closes the table.
inline std::string SecondAnswersBody(std::string_view text) {
  const std::size_t head = text.find("\\\\\\hline ");
  std::size_t at = head == std::string_view::npos ? head : head + 2;
  const std::size_t end = text.rfind(" \\\\\\hline\\end{tabular}");
  if (at == std::string_view::npos || end == std::string_view::npos || end < at) return {};
  at += 7;
  if (text.substr(at, 2) == "\r\n") at += 2;
  return std::string(text.substr(at, end - at));
}

}  // namespace statics_testing
