#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "figures/figure_state.h"
#include "shell/dispatch.h"
#include "shell/start_up.h"

namespace fuzz_support {

namespace {

std::filesystem::path ProcessDirectory() {
  std::error_code ec;
  const std::filesystem::path shm("/dev/shm");
  const std::filesystem::path base =
      std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
  return base / ("tarbel_fuzz_" + std::to_string(::getpid()));
}

struct RemoveAtExit {
  std::filesystem::path dir = ProcessDirectory();
  ~RemoveAtExit() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

}  // namespace

void Finding(const std::string& what) {
  std::fprintf(stderr, "FINDING: %s\n", what.c_str());
  std::abort();
}

Workplace::Workplace() {
  static RemoveAtExit process_dir;
  shell::IgnoreFileSizeLimitSignal();
  dir = process_dir.dir;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  session.StartDirectory = dir;
  session.TexDirectory = dir / "tex";
  figures::ResetDrawingState(*s);
}

void Workplace::Put(const std::filesystem::path& name, std::string_view bytes) const {
  const auto path = dir / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool SelectRow(SharedState& s, shell::ShellSession& session, std::uint8_t a, std::uint8_t b) {
  s.SubjectIndex = 1 + a % 9;
  session.LevelControl = 1 + (a / 9) % 10;
  const int rows = shell::ProblemCount(shell::DefaultSubjectTable(), s.SubjectIndex);
  if (rows < 1) return false;
  s.SavedProblems[s.SubjectIndex] = 1 + b % rows;
  return true;
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    if (c < 0x80) {
      n = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
    } else {
      return false;
    }
    if (text.size() - i <= n) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n + 1;
  }
  return true;
}

bool Workplace::Start() {
  const std::size_t messages = platform.messages.size();
  const std::size_t started = platform.started.size();
  const bool written = shell::Start(*s, session, platform);
  if (written) {
    if (platform.started.size() != started + 1) Finding("a written document got no latex run");
    const auto document = dir / (s->OutputName + ".tex");
    std::ifstream in(document, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    if (!text.ends_with("\\end{document}")) Finding("the document is not complete: " + s->OutputName);
  } else if (platform.messages.size() == messages && s->DocumentMode >= 0 && s->DocumentMode <= 2) {
    Finding("a Start was refused without a message");
  }
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
    if (e.path().extension() == ".tmp") Finding("a temporary file was left: " + e.path().string());
  }
  // TARBEL_FUZZ_VERBOSE=1 tells what each input did, for looking after the seed corpus.
  if (std::getenv("TARBEL_FUZZ_VERBOSE") != nullptr) {
    const std::string what = written ? "wrote " + s->OutputName : std::string("refused");
    std::fprintf(stderr, "  Start %s: subject %d row %d mode %d%s\n", what.c_str(),
                 s->SubjectIndex, s->ProblemNumber,
                 s->DocumentMode, platform.messages.empty() ? "" : "; told:");
    for (const auto& m : platform.messages) std::fprintf(stderr, "    %s\n", m.substr(0, 160).c_str());
  }
  return written;
}

}  // namespace fuzz_support
