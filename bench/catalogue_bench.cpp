// The whole catalogue (every built problem row, 40 variants) written into memory through the
// subject entries, and to files through the real Start road.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "shell/dispatch.h"
#include "shell/start.h"
#include "tests/support/fake_platform.h"
#include "tests/support/run_harness.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kVariants = 40;

struct BuiltRow {
  int subject;
  int problem;
};

std::vector<BuiltRow> BuiltRows(const shell::SubjectTable& table) {
  std::vector<BuiltRow> rows;
  for (int subject = 1; subject <= 9; ++subject) {
    for (int problem = 1; problem <= shell::ProblemCount(table, subject); ++problem) {
      if (shell::IsBuilt(table, subject, problem)) rows.push_back({subject, problem});
    }
  }
  return rows;
}

void BM_CatalogueInMemory(benchmark::State& state) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const std::vector<BuiltRow> rows = BuiltRows(table);
  testing_support::FakePlatform random;
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const BuiltRow& row : rows) {
      const toolkit::TParameterRangeTable ranges = shell::SubjectRanges(table, row.subject);
      std::vector<testing_support::VariantParams> sets(kVariants);
      for (auto& p : sets) {
        for (int k = 1; k <= 7; ++k) {
          p[static_cast<std::size_t>(k - 1)] =
              1 + random.RandomInt(std::max<int>(1, ranges[row.problem][k]));
        }
      }
      auto s = testing_support::NewState();
      s->AnswersOn = true;
      const auto texts = testing_support::RunTableRow(*s, table, row.subject, row.problem, sets);
      bytes += texts.main.size() + texts.answers.size() + texts.second_answers.size();
    }
  }
  state.counters["documents"] = static_cast<double>(rows.size());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CatalogueInMemory)->Unit(benchmark::kMillisecond);

void BM_CatalogueToFiles(benchmark::State& state) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const std::vector<BuiltRow> rows = BuiltRows(table);
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  shell::ShellSession session;
  session.StartDirectory = dir.path();
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const BuiltRow& row : rows) {
      auto s = std::make_unique<SharedState>();
      s->SubjectIndex = row.subject;
      s->SavedProblems[row.subject] = row.problem;
      s->VariantCount = kVariants;
      s->SetNumber = 1;
      s->FirstNumber = 1;
      s->AnswersOn = true;
      if (!shell::Start(*s, session, platform, table)) state.SkipWithError("a Start failed");
      bytes += std::filesystem::file_size(dir.path() / (s->OutputName + ".tex"));
    }
  }
  state.counters["documents"] = static_cast<double>(rows.size());
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_CatalogueToFiles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
