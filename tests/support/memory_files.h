#pragma once

#include <string>

#include "toolkit/cp1251.h"
#include "toolkit/state.h"

namespace testing_support {

/// Points the three output files of a state at memory.
void OpenMemoryFiles(toolkit::Run& r);

/// What was written to the main file, as UTF-8 (CR LF kept).
std::string MainText(const toolkit::Run& r);
/// What was written to the answers file, as UTF-8 (CR LF kept).
std::string AnsText(const toolkit::Run& r);
/// What was written to the second answers file, as UTF-8 (CR LF kept).
std::string Ans2Text(const toolkit::Run& r);

}  // namespace testing_support
