// Every built row, written in memory at Levels 1..10 over a deterministic sample of parameter
// sets (every set under TARBEL_FULL) and once more in students mode, read back with the picture
// reader: LaTeX reserves exactly the declared size of a picture, so whatever a figure draws
// outside it lands on the heading, the data lines or the next box; and two labels whose boxes
// overlap, or a label over the digits of a dimension number, cannot be read. The documents and
// both answers files are read.
// TARBEL_PICTURE_ROW=<letter><row> prints every fault of that row, not only its first.
// The rows listed below fail today and wait to be mended; a listed row that passes is told in
// the output, so that its entry can go.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/picture_reader.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"
#include "toolkit/writers.h"

namespace {

using testing_support::PictureBox;
using testing_support::ReadPicture;

// Rows (subject letter and row) whose figures still draw outside their picture.
const std::set<std::string> kDrawsOutside = {
};

// Rows whose labels still overlap one another.
const std::set<std::string> kLabelsOverlap = {
};

constexpr int kFullSweep = 4000;      // points of a row under TARBEL_FULL at most
constexpr double kTolerance = 1.0;    // pt outside the declared box that nobody sees
constexpr double kLabelMargin = 0.5;  // pt two label boxes may share (the boxes are estimates)

// The line written after each variant's text in every file, so that a fault names its variant.
constexpr const char* kVariantEnd = "%picture-room-test: variant end";

// Which variant a picture belongs to: one more than the variant ends before it.
int VariantAt(const std::string& text, std::size_t offset) {
  int n = 1;
  for (std::size_t p = text.find(kVariantEnd); p != std::string::npos && p < offset;
       p = text.find(kVariantEnd, p + 1))
    ++n;
  return n;
}

struct Finding {
  std::string row;   // "s7"
  std::string what;  // the first fault found in it, with where
  int count = 0;
};

// The sample of a row: Level and parameter sets, grouped by Level so that each Level runs its
// begin entry once, in runs of at most 40 variants (a document's most).
std::vector<std::pair<int, std::vector<testing_support::VariantParams>>> RowSample(
    const toolkit::TParameterRangeTable& ranges, int problem) {
  std::array<int, 7> lo{}, hi{};
  for (int k = 1; k <= 7; ++k) {
    lo[static_cast<std::size_t>(k - 1)] = 1;
    hi[static_cast<std::size_t>(k - 1)] = std::max<int>(1, ranges[problem][k]);
  }
  // Under TARBEL_FULL every parameter set at every Level where a row has at most kFullSweep
  // of them; most rows have millions, and those get a sample of kFullSweep.
  double total = 10;
  for (int h : hi) total *= h;
  const std::vector<testing_support::SweepPoint> points =
      !testing_support::FullSweep() ? testing_support::SweepPoints(lo, hi, 60)
      : total <= kFullSweep         ? testing_support::SweepPoints(lo, hi, kFullSweep)
                                    : testing_support::SampledSweepPoints(lo, hi, kFullSweep);
  std::map<int, std::vector<testing_support::VariantParams>> by_level;
  for (const testing_support::SweepPoint& point : points) {
    by_level[point.level].push_back(point.p);
  }
  std::vector<std::pair<int, std::vector<testing_support::VariantParams>>> runs;
  for (const auto& [level, sets] : by_level) {
    for (std::size_t i = 0; i < sets.size(); i += 40) {
      runs.emplace_back(
          level, std::vector<testing_support::VariantParams>(
                     sets.begin() + static_cast<std::ptrdiff_t>(i),
                     sets.begin() + static_cast<std::ptrdiff_t>(std::min(sets.size(), i + 40))));
    }
  }
  return runs;
}

enum class Check { kExtent, kLabels };

// Runs every built row of one tab and returns the rows with a fault of the given kind.
std::map<std::string, Finding> CheckTab(int subject, Check check, long long* pictures_read) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const testing_support::PictureReader& reader = testing_support::RepositoryPictureReader();
  std::map<std::string, Finding> found;
  const shell::SubjectRow& tab = table[static_cast<std::size_t>(subject - 1)];
  if (tab.Tab == nullptr) return found;
  const toolkit::TParameterRangeTable ranges = shell::SubjectRanges(table, subject);
  for (int problem = 1; problem <= shell::ProblemCount(table, subject); ++problem) {
    if (!shell::IsBuilt(table, subject, problem)) continue;
    const std::string row = std::string(tab.Letter) + std::to_string(problem);
    // Students mode prints the variants' boxes and answers under other headings: the first run
    // of the sample is read once more in it.
    auto runs = RowSample(ranges, problem);
    const std::size_t plain_runs = runs.size();
    if (!runs.empty()) runs.push_back(runs.front());
    // A list of one group and 39 students prints 39 variants at most.
    if (runs.size() > plain_runs && runs.back().second.size() > 39) runs.back().second.resize(39);
    for (std::size_t run = 0; run < runs.size(); ++run) {
      const auto& [level, sets] = runs[run];
      const bool students = run >= plain_runs;
      auto s = testing_support::NewState();
      s->Level = level;
      s->AnswersOn = true;
      if (students) testing_support::SetStudentsMode(*s);
      s->SubjectIndex = subject;
      s->ProblemNumber = problem;
      testing_support::RunTexts texts;
      try {
        texts = testing_support::RunBeginVariant(
            *s, [&](SharedState& st) { shell::BeginSubjectProblem(st, problem, table); },
            [&](SharedState& st) {
              shell::WriteSubjectVariant(st, problem, table);
              toolkit::WriteLine(st, kVariantEnd);
              toolkit::AnsWriteLine(st, kVariantEnd);
              toolkit::Ans2WriteLine(st, kVariantEnd);
            },
            sets);
      } catch (const std::exception& e) {
        Finding& f = found[row];
        f.row = row;
        if (f.count++ == 0) {
          f.what = "level " + std::to_string(level) + (students ? " (students mode)" : "") +
                   ", variant " +
                   std::to_string(s->VariantIndex) + ": the run stopped: " + e.what();
        }
        continue;
      }
      const std::pair<const char*, const std::string*> files[] = {
          {"document", &texts.main},
          {"answers", &texts.answers},
          {"second answers", &texts.second_answers}};
      for (const auto& [file, text] : files) {
        const std::vector<ReadPicture> pictures =
            reader.Read(*text, text == &texts.main ? std::string() : texts.main);
        *pictures_read += static_cast<long long>(pictures.size());
        for (const ReadPicture& pic : pictures) {
          const int v = VariantAt(*text, pic.offset);
          std::ostringstream where;
          where << "level " << level << (students ? " (students mode)" : "") << ", " << file
                << ", variant " << v;
          if (v >= 1 && v <= static_cast<int>(sets.size())) {
            where << " (P1..P7 =";
            for (int p : sets[static_cast<std::size_t>(v - 1)]) where << " " << p;
            where << ")";
          }
          std::string fault;
          if (check == Check::kExtent) {
            if (!pic.unknown.empty()) {
              fault = "the reader does not know " + *pic.unknown.begin();
            } else if (const double out = pic.drawn.Outside(pic.declared); out > kTolerance) {
              std::ostringstream f;
              f.precision(3);
              f << "drawn " << pic.drawn.Describe() << " reaches " << out
                << " pt outside the declared " << pic.declared.Describe();
              fault = f.str();
            }
          } else {
            for (std::size_t a = 0; a < pic.labels.size() && fault.empty(); ++a) {
              for (std::size_t b = a + 1; b < pic.labels.size(); ++b) {
                if (pic.labels[a].box.Overlaps(pic.labels[b].box, kLabelMargin)) {
                  fault = "\"" + pic.labels[a].text + "\" " + pic.labels[a].box.Describe() +
                          " overlaps \"" + pic.labels[b].text + "\" " +
                          pic.labels[b].box.Describe();
                  break;
                }
              }
            }
          }
          if (fault.empty()) continue;
          if (const char* shown = std::getenv("TARBEL_PICTURE_ROW");
              shown != nullptr && row == shown)
            std::cout << row << ", " << where.str() << ": " << fault << "\n";
          Finding& f = found[row];
          f.row = row;
          if (f.count++ == 0) f.what = where.str() + ": " + fault;
        }
      }
    }
  }
  return found;
}

void ExpectTab(int subject, Check check, const std::set<std::string>& waiting) {
  long long pictures = 0;
  const std::map<std::string, Finding> found = CheckTab(subject, check, &pictures);
  std::ostringstream failures, mended;
  int failing = 0;
  const std::string letter(shell::SubjectLetters[static_cast<std::size_t>(subject - 1)]);
  for (const auto& [row, f] : found) {
    if (waiting.contains(row)) continue;
    ++failing;
    failures << row << " (" << f.count << " pictures): " << f.what << "\n";
  }
  for (const std::string& row : waiting) {
    const std::string prefix = row.substr(0, letter.size());
    const bool digits =
        row.size() > letter.size() && std::isdigit(static_cast<unsigned char>(row[letter.size()]));
    if (prefix == letter && digits && !found.contains(row)) mended << " " << row;
  }
  if (!mended.str().empty()) {
    std::cout << "Listed rows that now pass (take them off the list):" << mended.str() << "\n";
  }
  EXPECT_EQ(failing, 0) << failures.str();
  std::cout << pictures << " pictures read\n";
}

class EveryRowPicture : public testing::TestWithParam<int> {};

TEST_P(EveryRowPicture, DrawsNothingOutsideItsDeclaredBox) {
  ExpectTab(GetParam(), Check::kExtent, kDrawsOutside);
}

TEST_P(EveryRowPicture, LabelsDoNotOverlap) {
  ExpectTab(GetParam(), Check::kLabels, kLabelsOverlap);
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryRowPicture, testing::Range(1, 10),
                         [](const testing::TestParamInfo<int>& info) {
                           return "Subject" + std::to_string(info.param);
                         });

}  // namespace
