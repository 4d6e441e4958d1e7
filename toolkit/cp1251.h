#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace toolkit {

/// UTF-8 text in Windows-1251; characters it lacks and malformed bytes become "?".
std::string Utf8ToCp1251(std::string_view utf8);
/// Windows-1251 bytes as UTF-8 (0x98, which has no character, becomes "?").
std::string Cp1251ToUtf8(std::string_view cp1251);
/// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
/// Text read from a file as UTF-8: taken as it is when it is valid UTF-8, else as Windows-1251.
std::string DecodeTextFileBytes(std::string_view bytes);
/// The first n characters (not bytes) of UTF-8 text.
std::string CutToChars(std::string_view utf8, std::size_t n);
/// Number of characters (not bytes) of UTF-8 text.
std::size_t CharCount(std::string_view utf8);
/// Decodes the UTF-8 character at utf8[pos] and moves pos past it; a malformed byte gives
/// U+FFFD and moves pos by one. pos must be below utf8.size().
char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos);

}  // namespace toolkit
