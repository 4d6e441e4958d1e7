#pragma once

// Independent numeric checks for answer keys: a test rebuilds the function from the text the
// generator printed (tex_formula.h) and compares what these routines compute with the printed
// answer; nothing here reads a generator's own values. Also: reading printed formulas and
// answer cells back, and the parameter sets a sweep visits (sampled in the normal suite,
// every one under TARBEL_FULL; see sweep.h).

#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace numeric_check {


using Function = std::function<double(double)>;

/// f'(x) by the eighth-order central difference with step h.
double Derivative(const Function& f, double x, double h = 1e-2);

/// f''(x) by the eighth-order central difference with step h.
double SecondDerivative(const Function& f, double x, double h = 1e-2);

/// Richardson extrapolation of g(t) to t -> 0 from t0, t0/2, .. (levels samples), assuming
/// g has an expansion in whole powers of t.
double ExtrapolateToZero(const std::function<double(double)>& g, double t0, int levels = 5);

/// lim f(n) as n -> infinity, by extrapolation from n0, 4n0, 16n0, .. in t = n^(-1/root):
/// root 1 for expansions in whole powers of 1/n, 2 where half powers occur (square roots).
double LimitAtInfinity(const Function& f, double n0 = 200, int levels = 5, int root = 1);

/// lim f(x) as x -> x0 from the side `side` (+1 or -1), by extrapolation from step h0.
double LimitAt(const Function& f, double x0, double side = 1, double h0 = 1e-2,
                      int levels = 5);

/// |a - b| within tol relative to the larger magnitude (absolute below 1).
bool Near(double a, double b, double tol = 1e-6);

/// The value of a printed number or fraction "a", "a/b" (either part may be signed).
double ParseRational(const std::string& text);

/// The groups of the first match of `pattern` in text (group 1 .. n); empty when none.
/// Build each pattern once (a static std::regex): compiling one costs more than a variant.
std::vector<std::string> Match(const std::string& text, const std::regex& pattern);

/// The text between the first `open` in text and the next `close` after it; empty when there
/// is no `open`.
std::string Between(const std::string& text, const std::string& open,
                           const std::string& close);

/// Every piece of text between an `open` and the next `close` after it, in order: the
/// printed formulas of a variant's items ("$  y=" .. "$" and the like). An `open` without
/// its `close` ends the list.
std::vector<std::string> PrintedFormulas(const std::string& text, const std::string& open,
                                                const std::string& close);

/// The numbers of an answers row's cells after the variant number: each read from just
/// after its "&". A row split over several tables comes with their heads, which are skipped
/// (from "\begin{tabular}" to the heading row's end), so the cells of all its parts follow in
/// order.
std::vector<double> AnswerCells(const std::string& ans);

/// A number as the answers writers print it: "0.5\cdot10^{-2}" is 0.005, "\infty" and
/// "-\infty" are infinite.
double PrintedNumber(const std::string& text);

/// Parameter values P1..P7 of one variant.
struct Params {
  int p[7] = {1, 1, 1, 1, 1, 1, 1};
};

/// Calls visit for the combinations of P1..P7 with Pk in 1..bounds[k-1] (a bound of 0 keeps
/// that parameter at 1, for parameters a row does not read): every one under TARBEL_FULL or
/// when there are at most `budget`, else a fixed sample of `budget` covering every value.
void ForEachParameterSet(const int (&bounds)[7],
                         const std::function<void(const Params&)>& visit, int budget = 300);

/// "P1..P7 = a b c d e f g, Level L" for failure messages.
std::string Describe(const Params& q, int level);

}  // namespace numeric_check
