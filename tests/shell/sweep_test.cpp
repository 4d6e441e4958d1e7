// Runs every built problem row of the program's subject table at every Level 1..10 over a
// fixed sample of parameter sets within the row's bounds (a larger one under TARBEL_FULL), in
// memory, and checks what any document must satisfy: no exception, no "nan" or "inf", balanced
// braces and \left/\right, no answers row with more cells than its table declares, and no
// number or term that a teacher would not write (a negative zero, a coefficient 0 or 1 before
// a factor, a "+0" term, a leading "+", a lone "-" for a missing value, a list ending in a
// comma, 0/6 for zero). A failure names the subject, row, level and the parameters.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace {

using testing_support::VariantParams;

constexpr std::size_t kSamples = 12;
constexpr std::size_t kFullSamples = 39;  // as many as a students-mode document holds

// The parameter sets of a row: every combination when there are few, otherwise all ones,
// the bounds themselves and a reproducible pseudo-random spread.
std::vector<VariantParams> SampleParameters(const toolkit::TParameterRangeTable& ranges, int row,
                                            int subject) {
  const std::size_t max_samples = testing_support::FullSweep() ? kFullSamples : kSamples;
  VariantParams bounds{};
  std::uint64_t combinations = 1;
  for (int k = 1; k <= 7; ++k) {
    bounds[static_cast<std::size_t>(k - 1)] = std::max<int>(1, ranges[row][k]);
    combinations *= static_cast<std::uint64_t>(bounds[static_cast<std::size_t>(k - 1)]);
  }
  std::vector<VariantParams> sets;
  if (combinations <= max_samples) {
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
  while (sets.size() < max_samples) {
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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
bool StartsAt(const std::string& text, std::size_t i, std::string_view what) {
  return text.compare(i, what.size(), what) == 0;
}

// The end of a zero written at i ("0", "0.0", "0.000"), or npos when no zero stands there as a
// whole number.
std::size_t ZeroEnd(const std::string& text, std::size_t i) {
  if (i >= text.size() || text[i] != '0') return std::string::npos;
  std::size_t j = i + 1;
  if (j + 1 < text.size() && text[j] == '.' && text[j + 1] == '0') {
    ++j;
    while (j < text.size() && text[j] == '0') ++j;
  }
  if (j < text.size() && (IsDigit(text[j]) || text[j] == '.')) return std::string::npos;
  return j;
}

std::size_t SkipSpaces(const std::string& text, std::size_t i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

// Whether a row of a table ends at i: "\\" followed by the next row's number, \hline or the
// end of the table (a "\\" inside a cell continues it).
bool TableRowEndsAt(const std::string& text, std::size_t i) {
  if (!StartsAt(text, i, "\\\\")) return false;
  const std::size_t j = SkipSpaces(text, i + 2);
  return j >= text.size() || IsDigit(text[j]) || StartsAt(text, j, "\\hline") ||
         StartsAt(text, j, "\\end{tabular}") || StartsAt(text, j, "\\ru");
}

// Whether the "}" at close ends a run of text: the text of a \parbox (a box of data lines or a
// variant's box) or a group set in a size of its own ("{\small $m_A$=7$m$, }").
bool ClosesTextGroup(const std::string& text, std::size_t close) {
  int depth = 0;
  for (std::size_t i = close; i-- > 0;) {
    if (i > 0 && text[i - 1] == '\\') continue;
    if (text[i] == '}') {
      ++depth;
    } else if (text[i] == '{') {
      if (depth-- > 0) continue;
      for (const char* size : {"\\tiny", "\\scriptsize", "\\footnotesize", "\\small",
                               "\\normalsize", "\\large", "\\Large"}) {
        const std::size_t end = i + 1 + std::string_view(size).size();
        if (StartsAt(text, i + 1, size) && end < text.size() && !IsLetter(text[end])) return true;
      }
      // The matching "{" follows "\parbox[..]{width}" when it opens a parbox's text.
      if (i == 0 || text[i - 1] != '}') return false;
      const std::size_t from = i > 40 ? i - 40 : 0;
      const std::size_t box = text.rfind("\\parbox", i);
      return box != std::string::npos && box >= from &&
             text.find('{', box) != std::string::npos && text.find("}{", box) == i - 1;
    }
  }
  return false;
}

// Numbers and terms no teacher writes; answers tells the answers files (tables) from the
// document. Returns what was found, each with the text around it.
std::vector<std::string> WritingProblems(const std::string& text, bool answers) {
  std::vector<std::string> found;
  const auto report = [&](const char* what, std::size_t at) {
    const std::size_t from = at > 40 ? at - 40 : 0;
    std::string around = text.substr(from, 70);
    for (char& ch : around) {
      if (ch == '\r' || ch == '\n') ch = ' ';
    }
    found.push_back(std::string(what) + ": ..." + around + "...");
  };
  for (std::size_t i = 0; i < text.size() && found.size() < 3; ++i) {
    const char c = text[i];
    const char before = i > 0 ? text[i - 1] : ' ';
    if (c == '%' && before != '\\') {  // a comment
      while (i < text.size() && text[i] != '\n') ++i;
      continue;
    }
    if (c == '-' || c == '+') {
      const std::size_t z = SkipSpaces(text, i + 1);
      const std::size_t zero_end = ZeroEnd(text, z);
      const bool operand = IsLetter(before) || IsDigit(before) || before == '}' ||
                           before == ')' || before == '.' || before == '-';
      if (zero_end != std::string::npos) {
        const std::size_t after = SkipSpaces(text, zero_end);
        const bool term_ends = after >= text.size() ||
                               std::string_view("=$&);").find(text[after]) != std::string::npos ||
                               StartsAt(text, after, "\\\\");
        if (c == '-' && !operand) {
          report("a negative zero", i);
        } else if (operand && term_ends && text[after] != '&' && text[after] != ')') {
          report("a zero term", i);
        }
      }
      if (c == '+') {
        std::size_t b = i;
        while (b > 0 && IsSpace(text[b - 1])) --b;
        const char prev = b > 0 ? text[b - 1] : '=';
        const bool leads = std::string_view("=([$&").find(prev) != std::string::npos ||
                           (b >= 2 && StartsAt(text, b - 2, "\\\\") &&
                            (b < 3 || text[b - 3] != '\\'));
        const std::size_t next = SkipSpaces(text, i + 1);
        const bool followed = next < text.size() &&
                              (IsDigit(text[next]) || IsLetter(text[next]) ||
                               text[next] == '\\') &&
                              !StartsAt(text, next, "\\infty") && !StartsAt(text, next, "\\\\");
        if (leads && followed) report("a leading \"+\"", i);
      }
    }
    if ((c == '0' || c == '1') && !IsDigit(before) && before != '.' && before != '_' &&
        before != '^') {
      const std::size_t j = SkipSpaces(text, i + 1);
      if (StartsAt(text, j, "\\cdot")) {
        const std::size_t k = SkipSpaces(text, j + 5);
        if (!StartsAt(text, k, "10^")) {
          report(c == '0' ? "a coefficient 0" : "a coefficient 1", i);
        }
      }
    }
    if (c == '0' && text.compare(i + 1, 1, "/") == 0 && i + 2 < text.size() &&
        IsDigit(text[i + 2]) && !IsDigit(before) && before != '.') {
      report("a fraction for zero", i);
    }
    if (c == '&' || TableRowEndsAt(text, i)) {
      // A cell that holds only "-", "--" or "$-$": a missing value written as a minus.
      std::size_t j = SkipSpaces(text, i + (c == '&' ? 1 : 2));
      std::size_t k = j;
      if (StartsAt(text, k, "$-$")) {
        k += 3;
      } else if (StartsAt(text, k, "--") && !StartsAt(text, k, "---")) {
        k += 2;
      } else if (StartsAt(text, k, "-")) {
        k += 1;
      }
      if (k > j) {
        const std::size_t e = SkipSpaces(text, k);
        if (e < text.size() && (text[e] == '&' || TableRowEndsAt(text, e))) {
          report("a lone minus for a missing value", j);
        }
      }
    }
    if (c == ',') {
      const std::size_t j = SkipSpaces(text, i + 1);
      const bool list_ends = answers ? (j < text.size() && text[j] == '&') || TableRowEndsAt(text, j)
                                     : j < text.size() && text[j] == '}' && ClosesTextGroup(text, j);
      if (list_ends) report("a list ending in a comma", i);
    }
  }
  return found;
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

std::vector<std::string> CheckWriting(const testing_support::RunTexts& texts) {
  std::vector<std::string> problems;
  for (const auto& [name, text, answers] :
       {std::tuple{"main", &texts.main, false}, std::tuple{"answers", &texts.answers, true},
        std::tuple{"second answers", &texts.second_answers, true}}) {
    for (const std::string& p : WritingProblems(*text, answers))
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

TEST(SweepTest, WritingCheckFindsWhatNoTeacherWrites) {
  struct Case {
    const char* text;
    bool answers;
    const char* found;  // the kind reported, or "" for a clean text
  };
  const Case cases[] = {
      {"1&  -0.000& 2.5 \\\\", true, "a negative zero"},
      {"\\pp{-0}{22}", false, "a negative zero"},
      {"$x-0.5$, $t_0=-0.25$, $10-0.1$", false, ""},
      {"$0\\cdot X_E+16\\cdot Y_E=0$", true, "a coefficient 0"},
      {"$-1\\cdot X_A=0$", true, "a coefficient 1"},
      {"$1\\cdot10^{-2}$, $v_1\\cdot t$, $0.1\\cdot x$, $21\\cdot y$", false, ""},
      {"$Y_B+0=0$", true, "a zero term"},
      {"$x+0.5=0$, $(a+0)$", true, ""},
      {"$$+3x^2+44y=0$$", false, "a leading \"+\""},
      {"(+28x^2)", false, "a leading \"+\""},
      {"$x\\to+\\infty$, $a+b$, &+& 6 \\\\", false, ""},
      {"1& 12& - & 3 \\\\", true, "a lone minus"},
      {"1& 12& $-$ \\\\ 2& 3& 4 \\\\", true, "a lone minus"},
      {"1& 12& --- & -3 \\\\", true, ""},
      {"1 & 3, 1, 2, & 4 \\\\", true, "a list ending in a comma"},
      {"\\parbox[b]{60pt}{$P=13$~кН,\r\n}}%", false, "a list ending in a comma"},
      {"\\vskip2mm{\\small$m_B$=6$m$, $m_A$=7$m$, }\\unitlength=1pt", false,
       "a list ending in a comma"},
      {"{\\small $a$, $b$}, {\\smallskip x, }, {\\bf a, }", false, ""},
      {"\\parbox[b]{60pt}{$P=13$~кН,\\\\ $Q=2$~кН}, {$f=0.01,$} $dxdy,}$", false, ""},
      {"$x$ & 0/6 \\\\", true, "a fraction for zero"},
      {"$10/3$, $0.6/a$", true, ""},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> found = WritingProblems(c.text, c.answers);
    if (*c.found == '\0') {
      EXPECT_TRUE(found.empty()) << c.text << ": " << (found.empty() ? "" : found[0]);
    } else {
      ASSERT_FALSE(found.empty()) << c.text;
      EXPECT_EQ(found[0].rfind(c.found, 0), 0u) << c.text << ": " << found[0];
    }
  }
}

// Rows whose writing is left as it is, with the kind of fault ("" for every kind).
struct WritingExemption {
  std::string_view tab;
  int row;
  std::string_view kind;
};
constexpr WritingExemption kWritingExemptions[] = {
    // Not faults: a sign column of "+" and "-" (Discrete 38); "(0/3)" names the pair m/n
    // (AI 1).
    {"c", 38, "a lone minus"},
    {"b", 1, "a fraction for zero"},
};

bool WritingExempt(std::string_view tab, int row, const std::string& problem) {
  for (const WritingExemption& e : kWritingExemptions) {
    if (e.tab == tab && e.row == row && problem.find(e.kind) != std::string::npos) return true;
  }
  return false;
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
          if (students) testing_support::SetStudentsMode(*s);
          ++runs;
          try {
            const auto texts = testing_support::RunTableRow(*s, table, subject, problem, sets);
            for (const std::string& p : CheckTexts(texts)) failures.push_back(who + ": " + p);
            for (const std::string& p : CheckWriting(texts)) {
              if (!WritingExempt(row.Letter, problem, p)) failures.push_back(who + ": " + p);
            }
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
