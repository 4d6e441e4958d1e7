// Runs every built problem row of the program's subject table at every Level 1..10 over a
// fixed sample of parameter sets within the row's bounds, in memory, and checks what any
// document must satisfy: no exception, no "nan" or "inf", balanced braces and \left/\right,
// and no answers row with more cells than its table declares. A failure names the subject,
// row, level and the parameters that broke it.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/run_harness.h"

namespace {

using testing_support::VariantParams;

constexpr std::size_t kMaxSamples = 12;

// The parameter sets of a row: every combination when there are few, otherwise all ones,
// the bounds themselves and a reproducible pseudo-random spread.
std::vector<VariantParams> SampleParameters(const toolkit::TParameterRangeTable& ranges, int row,
                                            int subject) {
  VariantParams bounds{};
  std::uint64_t combinations = 1;
  for (int k = 1; k <= 7; ++k) {
    bounds[static_cast<std::size_t>(k - 1)] = std::max<int>(1, ranges[row][k]);
    combinations *= static_cast<std::uint64_t>(bounds[static_cast<std::size_t>(k - 1)]);
  }
  std::vector<VariantParams> sets;
  if (combinations <= kMaxSamples) {
    VariantParams p{1, 1, 1, 1, 1, 1, 1};
    for (std::uint64_t i = 0; i < combinations; ++i) {
      sets.push_back(p);
      for (std::size_t k = 0; k < 7; ++k) {
        if (++p[k] <= bounds[k]) break;
        p[k] = 1;
      }
    }
    return sets;
  }
  sets.push_back({1, 1, 1, 1, 1, 1, 1});
  sets.push_back(bounds);
  std::uint64_t state = 0x5EED0000ULL + static_cast<std::uint64_t>(subject * 100 + row);
  while (sets.size() < kMaxSamples) {
    VariantParams p{};
    for (std::size_t k = 0; k < 7; ++k) {
      state += 0x9E3779B97F4A7C15ULL;
      std::uint64_t z = state;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
      z ^= z >> 31;
      p[k] = 1 + static_cast<int>(z % static_cast<std::uint64_t>(bounds[k]));
    }
    sets.push_back(p);
  }
  return sets;
}

std::string Describe(const VariantParams& p) {
  std::ostringstream out;
  out << "P1..P7 = ";
  for (std::size_t k = 0; k < 7; ++k) out << (k ? "," : "") << p[k];
  return out.str();
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "nan" or "inf" standing as a word (a number that went wrong), not \infty or a longer word.
bool HasNonFiniteWord(const std::string& text) {
  for (const char* word : {"nan", "inf", "NaN", "Inf", "NAN", "INF"}) {
    for (std::size_t pos = text.find(word); pos != std::string::npos;
         pos = text.find(word, pos + 1)) {
      const bool before_ok = pos == 0 || (!IsLetter(text[pos - 1]) && text[pos - 1] != '\\');
      const bool after_ok = pos + 3 >= text.size() || !IsLetter(text[pos + 3]);
      if (before_ok && after_ok) return true;
    }
  }
  return false;
}

// Braces never close more than they opened and end at zero; escaped braces and comments
// do not count. A row whose answers run over pages closes the document's answers block and
// opens the next one ("}\\par \\parbox{430pt}{"): that pair counts as neither. Returns an
// empty string when balanced.
std::string BraceProblem(const std::string& text) {
  static const std::string kBlockSplit = "}\\par \\parbox{430pt}{";
  long depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (text.compare(i, kBlockSplit.size(), kBlockSplit) == 0) {
      i += kBlockSplit.size() - 1;
    } else if (c == '\\') {
      ++i;
    } else if (c == '%') {
      while (i < text.size() && text[i] != '\n') ++i;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < 0)
        return "a \"}\" closes nothing near: " + text.substr(i > 60 ? i - 60 : 0, 80);
    }
  }
  return depth == 0 ? "" : std::to_string(depth) + " \"{\" never closed";
}

int CountCommand(const std::string& text, const std::string& name) {
  int n = 0;
  for (std::size_t pos = text.find(name); pos != std::string::npos;
       pos = text.find(name, pos + 1)) {
    if (pos + name.size() >= text.size() || !IsLetter(text[pos + name.size()])) ++n;
  }
  return n;
}

// Every row of every tabular has no more cells than the column format declares.
std::string TableProblem(const std::string& text) {
  const std::string begin = "\\begin{tabular}{";
  for (std::size_t pos = text.find(begin); pos != std::string::npos;
       pos = text.find(begin, pos + 1)) {
    std::size_t i = pos + begin.size();
    int depth = 1;
    int columns = 0;
    for (; i < text.size() && depth > 0; ++i) {
      const char c = text[i];
      if (c == '{') {
        ++depth;
      } else if (c == '}') {
        --depth;
      } else if (depth == 1 && (c == 'r' || c == 'c' || c == 'l' || c == 'p')) {
        ++columns;
      }
    }
    int cells = 1;
    int row = 1;
    int nesting = 0;
    depth = 0;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (text.compare(i, 15, "\\begin{tabular}") == 0) {
        ++nesting;
      } else if (text.compare(i, 13, "\\end{tabular}") == 0) {
        if (nesting-- == 0) break;
      }
      if (nesting > 0) continue;
      if (c == '\\' && i + 1 < text.size()) {
        if (text[i + 1] == '\\') {
          cells = 1;
          ++row;
        } else if (text.compare(i, 13, "\\multicolumn{") == 0) {
          cells += std::atoi(text.c_str() + i + 13) - 1;
        }
        ++i;
      } else if (c == '{') {
        ++depth;
      } else if (c == '}') {
        --depth;
      } else if (c == '&' && depth == 0) {
        ++cells;
      }
      if (cells > columns) {
        return "row " + std::to_string(row) + " of a table of " + std::to_string(columns) +
               " columns has more cells: " + text.substr(pos, 160);
      }
    }
  }
  return "";
}

std::vector<std::string> CheckTexts(const testing_support::RunTexts& texts) {
  std::vector<std::string> problems;
  const std::pair<const char*, const std::string*> files[] = {
      {"main", &texts.main},
      {"answers", &texts.answers},
      {"second answers", &texts.second_answers}};
  for (const auto& [name, text] : files) {
    if (HasNonFiniteWord(*text)) problems.push_back(std::string(name) + ": nan or inf written");
    if (std::string p = BraceProblem(*text); !p.empty())
      problems.push_back(std::string(name) + ": " + p);
    const int left = CountCommand(*text, "\\left");
    const int right = CountCommand(*text, "\\right");
    if (left != right) {
      problems.push_back(std::string(name) + ": " + std::to_string(left) + " \\left against " +
                         std::to_string(right) + " \\right");
    }
    if (std::string p = TableProblem(*text); !p.empty())
      problems.push_back(std::string(name) + ": " + p);
  }
  return problems;
}

TEST(SweepTest, ChecksFindWhatTheyLookFor) {
  struct Case {
    const char* answers;
    bool clean;
  };
  const Case cases[] = {
      {"$\\left(\\frac{1}{2}\\right)$, \\{a\\}, x\\to\\infty, \\inf, information", true},
      {"\\begin{tabular}{|r|r|r|}\\hline 1 & {a&b} & \\multicolumn{1}{c}{x} \\\\ 2 & & 3 "
       "\\\\\\hline\\end{tabular}",
       true},
      {"\\picture(10,0)% a { in a comment", true},
      {"x = nan", false},
      {"x=-inf;", false},
      {"{\\bf a", false},
      {"a}{", false},
      {"\\fbox{\\parbox{380pt}{a}}}\\par \\parbox{430pt}{", true},  // the block split
      {"a}\\par \\parbox{429pt}{", false},
      {"$\\left( x$", false},
      {"\\begin{tabular}{|r|r|}\\hline 1 & 2 & 3 \\\\\\hline\\end{tabular}", false},
      {"\\begin{tabular}{|r|r|}\\hline \\multicolumn{2}{c}{a} & b\\end{tabular}", false},
  };
  for (const Case& c : cases) {
    const testing_support::RunTexts texts{"", c.answers, ""};
    EXPECT_EQ(CheckTexts(texts).empty(), c.clean) << c.answers;
  }
}

// One test per tab, so that ctest runs the tabs side by side.
class EveryBuiltRow : public testing::TestWithParam<int> {};

TEST_P(EveryBuiltRow, RunsCleanlyAtEveryLevel) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  std::vector<std::string> failures;
  int runs = 0;
  {
    const int subject = GetParam();
    const shell::SubjectRow& row = table[static_cast<std::size_t>(subject - 1)];
    if (row.Tab == nullptr) return;
    const toolkit::TParameterRangeTable ranges = shell::SubjectRanges(table, subject);
    for (int problem = 1; problem <= shell::ProblemCount(table, subject); ++problem) {
      if (!shell::IsBuilt(table, subject, problem)) continue;
      const std::vector<VariantParams> sets = SampleParameters(ranges, problem, subject);
      for (int level = 1; level <= 10; ++level) {
        for (bool students : {false, true}) {
          if (students && level != 1) continue;
          const std::string who = "subject " + std::string(row.Letter) + " row " +
                                  std::to_string(problem) + " level " + std::to_string(level) +
                                  (students ? " (students mode)" : "");
          auto s = testing_support::NewState();
          s->Level = level;
          s->AnswersOn = true;
          s->StudentsMode = students;
          if (students) {
            s->GroupName = "Группа";
            s->StudentNames[1] = "Группа";
            for (int v = 1; v <= 39; ++v) s->StudentNames[v + 1] = "Студент " + std::to_string(v);
            s->StudentLineCount = 40;
          }
          ++runs;
          try {
            const auto texts = testing_support::RunTableRow(*s, table, subject, problem, sets);
            for (const std::string& p : CheckTexts(texts)) failures.push_back(who + ": " + p);
          } catch (const std::exception& e) {
            const std::string where =
                s->VariantIndex == 0
                    ? std::string("in the begin entry")
                    : Describe(sets[static_cast<std::size_t>(s->VariantIndex - 1)]);
            failures.push_back(who + ", " + where + ": " + e.what());
          }
        }
      }
    }
  }
  std::ostringstream report;
  for (std::size_t i = 0; i < failures.size() && i < 60; ++i) report << failures[i] << "\n";
  EXPECT_TRUE(failures.empty()) << failures.size() << " failures in " << runs << " runs:\n"
                                << report.str();
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryBuiltRow, testing::Range(1, 10),
                         [](const testing::TestParamInfo<int>& info) {
                           return "Subject" + std::to_string(info.param);
                         });

}  // namespace
