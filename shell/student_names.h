#pragma once

#include <string>
#include <string_view>

namespace shell {

/// A student's name as Windows-1251 can print it: letters it lacks are written by their
/// plain Latin form where one exists (ü u, é e, ß ss, Ł L, Œ OE), the rest unchanged.
/// unprintable is set when a character remains that Windows-1251 lacks.
std::string PrintableName(std::string_view name, bool& unprintable);

}  // namespace shell
