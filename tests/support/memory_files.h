#pragma once

#include <string>

#include "toolkit/cp1251.h"
#include "toolkit/state.h"

namespace testing_support {

/// Points the three output files of a state at memory.
inline void OpenMemoryFiles(toolkit::Run& r) {
  r.MainFile.OpenMemory();
  r.AnswersFile.OpenMemory();
  r.SecondAnswersFile.OpenMemory();
}

/// What was written to the main file, as UTF-8 (CR LF kept).
inline std::string MainText(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.MainFile.Contents());
}
/// What was written to the answers file, as UTF-8 (CR LF kept).
inline std::string AnsText(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.AnswersFile.Contents());
}
/// What was written to the second answers file, as UTF-8 (CR LF kept).
inline std::string Ans2Text(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.SecondAnswersFile.Contents());
}

}  // namespace testing_support
