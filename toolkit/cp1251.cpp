#include "toolkit/cp1251.h"

#include <array>
#include <cstdint>

namespace toolkit {
namespace {

// Code points of Windows-1251 bytes 0x80..0xBF; 0 marks the one unassigned byte (0x98).
constexpr std::array<char32_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t ByteToCodePoint(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kHighTable[b - 0x80];
}

// Returns '?' for code points Windows-1251 cannot hold.
char CodePointToByte(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));
  for (std::size_t i = 0; i < kHighTable.size(); ++i) {
    if (kHighTable[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  }
  return '?';
}

// Decodes one UTF-8 sequence at pos; returns false (and advances by one byte) when malformed.
bool NextCodePoint(std::string_view s, std::size_t& pos, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  int extra = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    ++pos;
    return true;
  } else if ((b0 & 0xE0) == 0xC0) {
    extra = 1, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3, cp = b0 & 0x07, min = 0x10000;
  } else {
    ++pos;
    return false;
  }
  if (pos + extra >= s.size()) {
    ++pos;
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + k]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return false;
  }
  pos += extra + 1;
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    out += NextCodePoint(utf8, pos, cp) ? CodePointToByte(cp) : '?';
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) {
    const char32_t cp = ByteToCodePoint(static_cast<unsigned char>(c));
    AppendUtf8(out, cp == 0 && c != 0 ? U'?' : cp);
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    char32_t cp = 0;
    if (!NextCodePoint(bytes, pos, cp)) return false;
  }
  return true;
}

std::string DecodeTextFileBytes(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
}

std::string CutToChars(std::string_view utf8, std::size_t n) {
  std::size_t pos = 0;
  std::size_t count = 0;
  while (pos < utf8.size() && count < n) {
    char32_t cp = 0;
    NextCodePoint(utf8, pos, cp);
    ++count;
  }
  return std::string(utf8.substr(0, pos));
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t pos = 0;
  std::size_t count = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    NextCodePoint(utf8, pos, cp);
    ++count;
  }
  return count;
}

char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos) {
  char32_t cp = 0;
  return NextCodePoint(utf8, pos, cp) ? cp : U'\uFFFD';
}

}  // namespace toolkit
