#include "toolkit/latex_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LatexTextTest, SpecialCharactersPrintAsTypedAndControlCharactersAsBlanks) {
  struct Case {
    std::string text;
    std::string latex;
  };
  const Case cases[] = {
      {"Иванов И.И.", "Иванов И.И."},
      {"O'Neil & Sons", "O'Neil \\& Sons"},
      {"100% #1 $5 a_b {c}", "100\\% \\#1 \\$5 a\\_b \\{c\\}"},
      {"~^\\", "\\textasciitilde{}\\textasciicircum{}\\textbackslash{}"},
      {"\\input{/etc/passwd}", "\\textbackslash{}input\\{/etc/passwd\\}"},
      {std::string("a\0b\tc\x0C" "d\x7F", 8), "a b c d "},
  };
  for (const Case& c : cases) EXPECT_EQ(toolkit::EscapeLatexText(c.text), c.latex) << c.text;
}

}  // namespace
