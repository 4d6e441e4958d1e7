#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "figures/figure_state.h"
#include "tests/support/memory_files.h"

namespace figures {

/// A fresh figure state whose three output files write to memory.
class FigureTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::OpenMemoryFiles(f); }
  std::string Main() const { return testing_support::MainText(f); }
  std::string Ans() const { return testing_support::AnsText(f); }

  Figure f;
};

/// One drawing call and the text it must write.
struct TextCase {
  const char* name;
  std::function<void(Figure&)> draw;
  std::string expected;
};

/// Runs each case on a fresh state and compares the main file (or the answers file).
inline void ExpectTexts(const std::vector<TextCase>& cases, bool answers = false) {
  for (const TextCase& c : cases) {
    Figure f;
    testing_support::OpenMemoryFiles(f);
    c.draw(f);
    EXPECT_EQ(answers ? testing_support::AnsText(f) : testing_support::MainText(f), c.expected)
        << c.name;
  }
}

/// How often needle occurs in text.
inline int Count(const std::string& text, const std::string& needle) {
  int n = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at + needle.size())) {
    ++n;
  }
  return n;
}

}  // namespace figures
