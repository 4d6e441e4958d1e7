#include "strength_run.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "shell/dispatch.h"

namespace strength_check {

testing_support::RunTexts RunRow(int row, const std::vector<testing_support::VariantParams>& params,
                                 int first_number) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), kMechanicsSubject, row,
                                      params);
}

std::vector<testing_support::VariantParams> SamplePoints(const std::array<int, 7>& hi, int count) {
  std::vector<testing_support::VariantParams> out;
  out.reserve(count);
  std::uint64_t state = 0x9E3779B97F4A7C15ULL;
  auto next = [&state] {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  };
  for (int i = 0; i < count; ++i) {
    testing_support::VariantParams p{};
    for (int k = 0; k < 7; ++k) p[k] = 1 + static_cast<int>(next() % static_cast<unsigned>(hi[k]));
    out.push_back(p);
  }
  return out;
}

std::string AnswersRow(const std::string& answers) {
  const std::size_t close = answers.rfind("\\hline\\end{tabular}");
  std::string body = answers.substr(0, close);
  while (!body.empty() && (body.back() == ' ' || body.back() == '\\' || body.back() == '\n' ||
                           body.back() == '\r')) {
    body.pop_back();
  }
  const std::size_t head = body.rfind("\\\\\\hline");
  std::size_t start = head == std::string::npos ? 0 : head + 8;
  while (start < body.size() && (body[start] == '\r' || body[start] == '\n')) ++start;
  return body.substr(start);
}

std::vector<double> RowNumbers(const std::string& row) {
  std::vector<double> out;
  std::string cell;
  auto flush = [&] {
    std::string t;
    for (char c : cell) {
      if (c != '$' && c != ' ' && c != '\r' && c != '\n') t += c;
    }
    out.push_back(t.empty() ? std::numeric_limits<double>::quiet_NaN()
                            : std::strtod(t.c_str(), nullptr));
    cell.clear();
  };
  for (char c : row) {
    if (c == '&') {
      flush();
    } else {
      cell += c;
    }
  }
  flush();
  return out;
}

double NumberAfter(const std::string& text, const std::string& prefix, std::size_t from) {
  const std::size_t at = text.find(prefix, from);
  if (at == std::string::npos) return std::numeric_limits<double>::quiet_NaN();
  const char* start = text.c_str() + at + prefix.size();
  char* end = nullptr;
  const double v = std::strtod(start, &end);
  return end == start ? std::numeric_limits<double>::quiet_NaN() : v;
}

std::vector<Arrow> Arrows(const std::string& text) {
  std::vector<Arrow> out;
  const std::string key = "\\vector(";
  for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
    const std::size_t put = text.rfind("\\put(", at);
    Arrow a;
    char* end = nullptr;
    a.x = std::strtod(text.c_str() + put + 5, &end);
    a.y = std::strtod(end + 1, nullptr);
    a.dx = static_cast<int>(std::strtol(text.c_str() + at + key.size(), &end, 10));
    a.dy = static_cast<int>(std::strtol(end + 1, &end, 10));
    a.len = std::strtod(end + 2, nullptr);
    out.push_back(a);
  }
  return out;
}

std::vector<std::pair<double, double>> PutsOf(const std::string& text, const std::string& key) {
  std::vector<std::pair<double, double>> out;
  for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
    const std::size_t put = text.rfind("\\put(", at);
    char* end = nullptr;
    const double x = std::strtod(text.c_str() + put + 5, &end);
    const double y = std::strtod(end + 1, nullptr);
    out.emplace_back(x, y);
  }
  return out;
}

std::vector<std::pair<double, double>> BoxPlacements(const std::string& text,
                                                     const std::string& name) {
  return PutsOf(text, "\\usebox{\\" + name + "}");
}

std::vector<std::pair<double, double>> Dots(const std::string& text) {
  return PutsOf(text, "{\\circle*{");
}

std::vector<std::vector<PicturePoint>> Polylines(const std::string& text) {
  std::vector<std::vector<PicturePoint>> out;
  for (std::size_t at = text.find('\\'); at != std::string::npos; at = text.find('\\', at + 1)) {
    const bool start = text.compare(at, 4, "\\mt{") == 0;
    if (!start && text.compare(at, 4, "\\pp{") != 0) continue;
    char* end = nullptr;
    PicturePoint p;
    p.x = std::strtod(text.c_str() + at + 4, &end);
    p.y = std::strtod(end + 2, nullptr);  // past "}{"
    if (start || out.empty()) out.emplace_back();
    out.back().push_back(p);
  }
  return out;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

}  // namespace strength_check
