#include "subjects/algebra/algebra_check.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "shell/dispatch.h"
#include "subjects/algebra/algebra.h"
#include "subjects/shared_state.h"
#include "support/memory_files.h"
#include "support/sweep.h"
#include "toolkit/answers.h"

namespace algebra_check {

namespace {

__int128 Gcd(__int128 a, __int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const __int128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

std::string Int128Text(__int128 v) {
  if (v == 0) return "0";
  const bool negative = v < 0;
  std::string digits;
  while (v != 0) {
    const int d = static_cast<int>(v % 10);
    digits.insert(digits.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
    v /= 10;
  }
  return negative ? "-" + digits : digits;
}

}  // namespace

Rational::Rational(__int128 n, __int128 d) {
  if (d == 0) throw std::domain_error("rational with denominator 0");
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const __int128 g = Gcd(n, d);
  num = g == 0 ? 0 : n / g;
  den = g == 0 ? 1 : d / g;
}

std::string Rational::Text() const {
  return den == 1 ? Int128Text(num) : Int128Text(num) + "/" + Int128Text(den);
}

RunText RunRow(int row, const Params& p, int level, int first_number, bool ticket_mode,
               toolkit::RandomSource* random) {
  static const std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
  SharedState& s = *state;
  testing_support::OpenMemoryFiles(s);
  s.SubjectIndex = 3;
  s.ProblemNumber = row;
  s.Level = level;
  s.FirstNumber = first_number;
  s.VariantIndex = 1;
  s.VariantCount = 1;
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
  s.TicketMode = ticket_mode;
  s.StudentsMode = false;
  shell::BeginSubjectProblem(s, row, shell::DefaultSubjectTable());
  RunText out;
  out.begin_main = testing_support::MainText(s);
  out.begin_ans = testing_support::AnsText(s);
  testing_support::OpenMemoryFiles(s);
  s.P1 = static_cast<std::int8_t>(p[0]);
  s.P2 = static_cast<std::int8_t>(p[1]);
  s.P3 = static_cast<std::int8_t>(p[2]);
  s.P4 = static_cast<std::int8_t>(p[3]);
  s.P5 = static_cast<std::int8_t>(p[4]);
  s.P6 = static_cast<std::int8_t>(p[5]);
  s.P7 = static_cast<std::int8_t>(p[6]);
  s.RandomNumbers = random;
  shell::WriteSubjectVariant(s, row, shell::DefaultSubjectTable());
  s.RandomNumbers = nullptr;
  out.main = testing_support::MainText(s);
  out.ans = testing_support::AnsText(s);
  out.ans2 = testing_support::Ans2Text(s);
  return out;
}

long long ForEachParams(const std::array<int, 7>& bounds, long long budget,
                        const std::function<void(const Params&)>& visit) {
  std::array<int, 7> lo{1, 1, 1, 1, 1, 1, 1};
  std::array<int, 7> hi{};
  long long space = 1;
  for (int k = 0; k < 7; ++k) {
    hi[k] = bounds[k] < 1 ? 1 : bounds[k];
    space *= hi[k];
  }
  if (!testing_support::FullSweep()) {
    const std::vector<testing_support::SweepPoint> points =
        testing_support::SweepPoints(lo, hi, static_cast<int>(budget), 1, 1);
    for (const testing_support::SweepPoint& point : points) visit(point.p);
    return static_cast<long long>(points.size());
  }
  // The whole space, visited in place: some rows hold tens of millions of sets.
  Params p{};
  for (long long i = 0; i < space; ++i) {
    long long rest = i;
    for (int k = 6; k >= 0; --k) {
      p[k] = 1 + static_cast<int>(rest % hi[k]);
      rest /= hi[k];
    }
    visit(p);
  }
  return space;
}

std::vector<long long> Integers(std::string_view text) {
  std::vector<long long> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') continue;
    const bool negative = i > 0 && text[i - 1] == '-';
    long long v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') v = v * 10 + (text[i++] - '0');
    out.push_back(negative ? -v : v);
  }
  return out;
}

std::string Cut(const std::string& text, std::string_view open, std::string_view close,
                std::size_t& from) {
  const std::size_t p = text.find(open, from);
  if (p == std::string::npos) return "";
  const std::size_t start = p + open.size();
  const std::size_t end = text.find(close, start);
  if (end == std::string::npos) return "";
  from = end + close.size();
  return text.substr(start, end - start);
}

Matrix ReadMatrix(std::string_view body) {
  Matrix m;
  std::size_t start = 0;
  while (start <= body.size()) {
    std::size_t end = body.find("\\\\", start);
    if (end == std::string_view::npos) end = body.size();
    const std::string_view row = body.substr(start, end - start);
    std::vector<long long> cells;
    std::size_t c = 0;
    bool blank = true;
    while (c <= row.size()) {
      std::size_t e = row.find('&', c);
      if (e == std::string_view::npos) e = row.size();
      const std::vector<long long> v = Integers(row.substr(c, e - c));
      if (v.size() == 1) {
        cells.push_back(v[0]);
        blank = false;
      } else if (!v.empty() || row.find('&') != std::string_view::npos) {
        cells.push_back(v.empty() ? 0x7FFFFFFF : v[0]);  // a malformed cell shows
      }
      c = e + 1;
    }
    if (!blank) m.push_back(cells);
    start = end + 2;
  }
  return m;
}

long long Det(const Matrix& a) {
  const std::size_t n = a.size();
  std::vector<std::vector<__int128>> m(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i].size() != n) throw std::invalid_argument("Det of a matrix that is not square");
    m[i].assign(a[i].begin(), a[i].end());
  }
  __int128 sign = 1, prev = 1;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (m[k][k] == 0) {
      std::size_t r = k + 1;
      while (r < n && m[r][k] == 0) ++r;
      if (r == n) return 0;
      std::swap(m[k], m[r]);
      sign = -sign;
    }
    for (std::size_t i = k + 1; i < n; ++i) {
      for (std::size_t j = k + 1; j < n; ++j)
        m[i][j] = (m[i][j] * m[k][k] - m[i][k] * m[k][j]) / prev;
    }
    prev = m[k][k];
  }
  return n == 0 ? 1 : static_cast<long long>(sign * m[n - 1][n - 1]);
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix c(a.size(), std::vector<long long>(b.empty() ? 0 : b[0].size(), 0));
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < c[i].size(); ++j) {
      for (std::size_t k = 0; k < b.size(); ++k) c[i][j] += a[i][k] * b[k][j];
    }
  }
  return c;
}

Rational ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  __int128 num = 0, den = 1;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] == '.' && !point) {
      point = true;
    } else if (text[i] >= '0' && text[i] <= '9') {
      num = num * 10 + (text[i] - '0');
      if (point) den *= 10;
    } else {
      break;
    }
  }
  return {negative ? -num : num, den};
}

std::vector<Rational> Solve(const Matrix& a, const std::vector<Rational>& b) {
  const std::size_t n = a.size();
  std::vector<std::vector<Rational>> m(n, std::vector<Rational>(n + 1));
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) m[i][j] = a[i][j];
    m[i][n] = b[i];
  }
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t r = k;
    while (r < n && m[r][k].num == 0) ++r;
    if (r == n) return {};
    std::swap(m[k], m[r]);
    for (std::size_t i = 0; i < n; ++i) {
      if (i == k || m[i][k].num == 0) continue;
      const Rational f = m[i][k] / m[k][k];
      for (std::size_t j = k; j <= n; ++j) m[i][j] = m[i][j] - f * m[k][j];
    }
  }
  std::vector<Rational> x(n);
  for (std::size_t i = 0; i < n; ++i) x[i] = m[i][n] / m[i][i];
  return x;
}

Equation ReadEquation(std::string_view text, int n) {
  std::string t;
  for (char c : text) {
    if (c != ' ' && c != '\r' && c != '\n') t += c;
  }
  Equation e;
  e.coef.assign(static_cast<std::size_t>(n), 0);
  const std::size_t eq = t.find('=');
  if (eq == std::string::npos) return e;
  std::size_t i = 0;
  while (i < eq) {
    long long sign = 1;
    if (t[i] == '+' || t[i] == '-') sign = t[i++] == '-' ? -1 : 1;
    long long mag = 1;
    if (i < eq && t[i] >= '0' && t[i] <= '9') {
      mag = 0;
      while (i < eq && t[i] >= '0' && t[i] <= '9') mag = mag * 10 + (t[i++] - '0');
    }
    if (t.compare(i, 2, "x_") != 0) return e;
    i += 2;
    const bool braced = i < eq && t[i] == '{';
    if (braced) ++i;
    int k = 0;
    while (i < eq && t[i] >= '0' && t[i] <= '9') k = k * 10 + (t[i++] - '0');
    if (braced) {
      if (i >= eq || t[i] != '}') return e;
      ++i;
    }
    if (k < 1 || k > n || e.coef[static_cast<std::size_t>(k - 1)] != 0 || mag == 0) return e;
    e.coef[static_cast<std::size_t>(k - 1)] = sign * mag;
  }
  const std::vector<long long> rhs = Integers(t.substr(eq + 1));
  if (rhs.size() != 1) return e;
  e.rhs = rhs[0];
  e.ok = true;
  return e;
}

std::string Where(const Params& p) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w;
}

bool IsShape(const Matrix& m, std::size_t rows, std::size_t cols) {
  if (m.size() != rows) return false;
  for (const auto& r : m) {
    if (r.size() != cols) return false;
  }
  return true;
}

}  // namespace algebra_check
