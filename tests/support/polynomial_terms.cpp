#include "tests/support/polynomial_terms.h"

#include <cctype>

namespace testing_support {

long long PolynomialTerms::Get(const std::string& m) const {
  const auto it = coef.find(m);
  return it == coef.end() ? 0 : it->second;
}

PolynomialTerms ReadPolynomialTerms(std::string_view text) {
  std::string t;
  for (char ch : text) {
    if (ch != ' ' && ch != '\r' && ch != '\n' && ch != '$') t += ch;
  }
  PolynomialTerms out;
  const std::size_t eq = t.find("=0");
  if (eq == std::string::npos) {
    out.ok = false;
    return out;
  }
  t.resize(eq);
  out.leading_plus = !t.empty() && t[0] == '+';
  std::size_t i = 0;
  while (i < t.size()) {
    long long sign = 1;
    if (t[i] == '+' || t[i] == '-') {
      sign = t[i] == '-' ? -1 : 1;
      ++i;
    }
    long long value = 1;
    bool digits = false;
    if (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
      value = 0;
      while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        value = value * 10 + (t[i++] - '0');
      }
      digits = true;
    }
    std::string monomial;
    while (i < t.size() && t[i] != '+' && t[i] != '-') monomial += t[i++];
    if (monomial.empty() && !digits) out.ok = false;
    if (out.coef.count(monomial) != 0) out.ok = false;
    out.coef[monomial] = sign * value;
  }
  return out;
}

}  // namespace testing_support
