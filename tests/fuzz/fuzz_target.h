#pragma once

// One fuzz target per reader. A target is written once:
//
//   TARBEL_FUZZ_TARGET(settings) { ...uses data and size...; return 0; }
//
// Built for libFuzzer (scripts/fuzz, TARBEL_LIBFUZZER defined) it is the program's
// LLVMFuzzerTestOneInput; in the normal build it is registered by name with the replay
// program, which feeds it every file of its seed corpus (tests/fuzz/corpus/<name>/).

#include <cstddef>
#include <cstdint>

namespace fuzz_support {

using Target = int (*)(const std::uint8_t* data, std::size_t size);

/// Registers a target for the replay program under name; returns true.
bool Register(const char* name, Target target);

}  // namespace fuzz_support

#ifdef TARBEL_LIBFUZZER
#define TARBEL_FUZZ_TARGET(name) \
  extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
#define TARBEL_FUZZ_TARGET(name)                                                     \
  static int FuzzTarget_##name(const std::uint8_t* data, std::size_t size);          \
  [[maybe_unused]] static const bool kRegistered_##name =                            \
      fuzz_support::Register(#name, &FuzzTarget_##name);                             \
  static int FuzzTarget_##name(const std::uint8_t* data, std::size_t size)
#endif
