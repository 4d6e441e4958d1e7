#pragma once

#include <string>
#include <string_view>

namespace toolkit {

/// Plain text (a name, a group line, a department, a date) as LaTeX that prints it as typed:
/// & % $ # _ { } get a backslash, ~ ^ \ become their text symbols, and control characters
/// (which TeX would drop or stop at) become blanks. Everything else stays as it is.
std::string EscapeLatexText(std::string_view text);

}  // namespace toolkit
