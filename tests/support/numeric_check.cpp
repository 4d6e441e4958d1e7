#include "tests/support/numeric_check.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "tests/support/sweep.h"

namespace numeric_check {

double Derivative(const Function& f, double x, double h) {
  auto d = [&](int k) { return f(x + k * h) - f(x - k * h); };
  return (672.0 * d(1) - 168.0 * d(2) + 32.0 * d(3) - 3.0 * d(4)) / (840.0 * h);
}

double SecondDerivative(const Function& f, double x, double h) {
  auto s = [&](int k) { return f(x + k * h) + f(x - k * h); };
  return (-205.0 / 72.0 * f(x) + 8.0 / 5.0 * s(1) - 1.0 / 5.0 * s(2) + 8.0 / 315.0 * s(3) -
          1.0 / 560.0 * s(4)) /
         (h * h);
}

double ExtrapolateToZero(const std::function<double(double)>& g, double t0, int levels) {
  std::vector<std::vector<double>> table(levels);
  double t = t0;
  for (int i = 0; i < levels; ++i, t /= 2) {
    table[i].push_back(g(t));
    for (int k = 1; k <= i; ++k) {
      const double p = std::ldexp(1.0, k);
      table[i].push_back((p * table[i][k - 1] - table[i - 1][k - 1]) / (p - 1));
    }
  }
  return table[levels - 1][levels - 1];
}

double LimitAtInfinity(const Function& f, double n0, int levels, int root) {
  return ExtrapolateToZero([&](double t) { return f(std::pow(t, -root)); },
                           std::pow(n0, -1.0 / root), levels);
}

double LimitAt(const Function& f, double x0, double side, double h0,
                      int levels) {
  return ExtrapolateToZero([&](double h) { return f(x0 + side * h); }, h0, levels);
}

bool Near(double a, double b, double tol) {
  return std::fabs(a - b) <= tol * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

double ParseRational(const std::string& text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) return std::strtod(text.c_str(), nullptr);
  return std::strtod(text.substr(0, slash).c_str(), nullptr) /
         std::strtod(text.substr(slash + 1).c_str(), nullptr);
}

std::vector<std::string> Match(const std::string& text, const std::regex& pattern) {
  std::smatch m;
  if (!std::regex_search(text, m, pattern)) return {};
  std::vector<std::string> groups;
  for (std::size_t i = 1; i < m.size(); ++i) groups.push_back(m[i].str());
  return groups;
}

std::string Between(const std::string& text, const std::string& open,
                           const std::string& close) {
  const std::size_t p = text.find(open);
  if (p == std::string::npos) return "";
  const std::size_t start = p + open.size();
  return text.substr(start, text.find(close, start) - start);
}

std::vector<std::string> PrintedFormulas(const std::string& text, const std::string& open,
                                                const std::string& close) {
  std::vector<std::string> formulas;
  for (std::size_t p = text.find(open); p != std::string::npos; p = text.find(open, p)) {
    const std::size_t start = p + open.size();
    const std::size_t end = text.find(close, start);
    if (end == std::string::npos) break;
    formulas.push_back(text.substr(start, end - start));
    p = end + close.size();
  }
  return formulas;
}

std::vector<double> AnswerCells(const std::string& ans) {
  std::string rows = ans;
  for (std::size_t p = rows.find("\\begin{tabular}"); p != std::string::npos;
       p = rows.find("\\begin{tabular}", p)) {
    const std::size_t head_end = rows.find("\\\\\\hline", p);
    rows.erase(p, head_end == std::string::npos ? std::string::npos : head_end - p);
  }
  std::vector<double> cells;
  for (std::size_t p = rows.find('&'); p != std::string::npos; p = rows.find('&', p + 1)) {
    cells.push_back(std::strtod(rows.c_str() + p + 1, nullptr));
  }
  return cells;
}

double PrintedNumber(const std::string& text) {
  if (text.find("\\infty") != std::string::npos) {
    return text.find('-') != std::string::npos ? -INFINITY : INFINITY;
  }
  const double v = std::strtod(text.c_str(), nullptr);
  return text.find("\\cdot10^{-2}") != std::string::npos ? v / 100 : v;
}

void ForEachParameterSet(const int (&bounds)[7],
                         const std::function<void(const Params&)>& visit, int budget) {
  std::array<int, 7> lo{1, 1, 1, 1, 1, 1, 1}, hi{};
  for (int k = 0; k < 7; ++k) hi[k] = bounds[k] == 0 ? 1 : bounds[k];
  for (const testing_support::SweepPoint& point : testing_support::SweepPoints(lo, hi, budget, 1, 1)) {
    Params q;
    for (int k = 0; k < 7; ++k) q.p[k] = point.p[k];
    visit(q);
  }
}

std::string Describe(const Params& q, int level) {
  std::string d = "P1..P7 =";
  for (int v : q.p) d += " " + std::to_string(v);
  return d + ", Level " + std::to_string(level);
}

}  // namespace numeric_check
