#include "toolkit/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/errors.h"

namespace toolkit {
namespace {

void RequireFinite(double x) {
  if (!std::isfinite(x)) {
    throw DegenerateDataError("a non-finite number (" + std::to_string(x) +
                              ") was about to be written into the document");
  }
}

// Digits of |x| rounded half away from zero to d decimals, from its 18-digit expansion.
std::string FixedDigits(double ax, int d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17e", ax);
  std::string digits;
  digits += buf[0];
  digits.append(buf + 2, 17);
  const int exponent = std::atoi(buf + 20);
  // digits[i] has weight 10^(exponent - i); keep those with weight >= 10^-d.
  const int keep = exponent + 1 + d;
  std::string kept;  // the kept digits, most significant first, weight of last is 10^-d
  bool round_up = false;
  if (keep <= 0) {
    kept = "0";
    round_up = keep == 0 && digits[0] >= '5';
  } else {
    kept = digits.substr(0, std::min<std::size_t>(keep, digits.size()));
    while (static_cast<int>(kept.size()) < keep) kept += '0';
    round_up = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
  }
  if (round_up) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0) {
      ++kept[i];
    } else {
      kept.insert(kept.begin(), '1');
    }
  }
  while (static_cast<int>(kept.size()) < d + 1) kept.insert(kept.begin(), '0');
  std::string int_part = kept.substr(0, kept.size() - d);
  const std::size_t nz = int_part.find_first_not_of('0');
  int_part = nz == std::string::npos ? "0" : int_part.substr(nz);
  return d > 0 ? int_part + "." + kept.substr(kept.size() - d) : int_part;
}

}  // namespace

std::string FormatFixed(double x, int w, int d) {
  RequireFinite(x);
  std::string s;
  if (std::fabs(x) >= 1e18) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", d, x);
    s = buf;
  } else {
    s = FixedDigits(std::fabs(x), d);
    // A value that rounds to zero is written without a sign: "-0.000" is no number a reader
    // writes.
    if (x < 0 && s.find_first_not_of("0.") != std::string::npos) s.insert(s.begin(), '-');
  }
  if (static_cast<int>(s.size()) < w) s.insert(0, w - s.size(), ' ');
  return s;
}

double RoundHalfEven(double x) { return std::nearbyint(x); }

std::string FormatNumber(double x) {
  RequireFinite(x);
  std::string s;
  if (std::fabs(x - RoundHalfEven(x)) <= 0.01) {
    s = FormatFixed(x, 1, 0);
  } else if (std::fabs(10 * x - RoundHalfEven(10 * x)) < 0.09) {
    s = FormatFixed(x, 3, 1);
  } else {
    s = FormatFixed(x, 3, 2);
  }
  return s.substr(0, 8);
}

std::string FormatNumberOneDecimal(double x) {
  RequireFinite(x);
  const std::string s =
      std::fabs(x - RoundHalfEven(x)) <= 0.05 ? FormatFixed(x, 1, 0) : FormatFixed(x, 4, 1);
  return s.substr(0, 8);
}

std::string FormatNumberSci(double x) {
  const double ax = std::fabs(x);
  if (ax > 0.001 && ax < 0.01) return FormatNumber(100 * x) + "\\cdot10^{-2}";
  return FormatNumber(x);
}

int SignOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

int SignNonZero(double x) { return x == 0 ? 1 : SignOf(x); }

char SignChar(double x) { return x < 0 ? '-' : '+'; }

char MinusOrSpace(double x) { return x < 0 ? '-' : ' '; }

}  // namespace toolkit
