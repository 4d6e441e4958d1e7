#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "shell/start.h"
#include "subjects/shared_state.h"
#include "tests/support/fake_platform.h"

namespace fuzz_support {

/// A start directory emptied for every input (in memory-backed /dev/shm when there is one),
/// a fresh state, a session on it and the recording platform.
struct Workplace {
  Workplace();
  std::filesystem::path dir;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  shell::ShellSession session;
  testing_support::FakePlatform platform;

  /// Writes bytes as the file name of the start directory (folders made as needed).
  void Put(const std::filesystem::path& name, std::string_view bytes) const;
  /// Runs a Start and checks what every Start must keep: a Start that says it wrote the
  /// document left it in place, complete, and started latex on it; a refused Start told why.
  /// Aborts (a finding) when one does not hold.
  bool Start();
};

/// Selects the row of a subject as the settings would: subject 1 + a mod 9, row 1 + b mod its
/// row count, Level 1 + a / 9 mod 10. Returns false when the subject has no rows built.
bool SelectRow(SharedState& s, shell::ShellSession& session, std::uint8_t a, std::uint8_t b);

/// Whether text is valid UTF-8 (what every reader hands on).
bool IsUtf8(std::string_view text);

/// The input as bytes.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

/// Aborts with the message: a finding.
[[noreturn]] void Finding(const std::string& what);

}  // namespace fuzz_support
