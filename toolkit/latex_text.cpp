#include "toolkit/latex_text.h"

namespace toolkit {

std::string EscapeLatexText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
      case '%':
      case '$':
      case '#':
      case '_':
      case '{':
      case '}':
        out += '\\';
        out += c;
        break;
      case '~':
        out += "\\textasciitilde{}";
        break;
      case '^':
        out += "\\textasciicircum{}";
        break;
      case '\\':
        out += "\\textbackslash{}";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          out += ' ';
        } else {
          out += c;
        }
    }
  }
  return out;
}

}  // namespace toolkit
