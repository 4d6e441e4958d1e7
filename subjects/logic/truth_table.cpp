#include <array>
#include <string>

#include "subjects/logic/problems.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace logic {

namespace {

// Literals 1..6: x, y, z, x̄, ȳ, z̄.
constexpr const char* kLiteralTexts[] = {"x", "y", "z", "\\bar x", "\\bar y", "\\bar z"};

int LiteralValue(int literal, int x, int y, int z) {
  const int v = (literal - 1) % 3 == 0 ? x : (literal - 1) % 3 == 1 ? y : z;
  return literal <= 3 ? v : 1 - v;
}

// Two-place connectives of shapes 2 to 5, indices 1..6; any other index writes nothing.
const char* ConnectiveText(int k) {
  constexpr const char* kTexts[] = {" \\leftrightarrow ", " \\rightarrow ", " \\vee ", " | ",
                                    "\\oplus ",           "\\downarrow "};
  return k >= 1 && k <= 6 ? kTexts[k - 1] : "";
}

int ConnectiveValue(int k, int u, int v) {
  switch (k) {
    case 1:
      return u == v ? 1 : 0;
    case 2:
      return u == 1 && v == 0 ? 0 : 1;
    case 3:
      return u | v;
    case 4:
      return u & v ? 0 : 1;
    case 5:
      return u ^ v;
    case 6:
      return u | v ? 0 : 1;
    default:
      return 0;
  }
}

// Shape 1 joins its two parenthesised operands by connective p (5 and 6 both exclusive or).
const char* ShapeOneText(int p) {
  constexpr const char* kTexts[] = {
      ") \\leftrightarrow (", ") \\rightarrow (", ") \\vee (", ")(", ")\\oplus(", ")\\oplus("};
  return kTexts[p >= 1 && p <= 6 ? p - 1 : 5];
}

int ShapeOneValue(int p, int u, int v) {
  switch (p) {
    case 1:
      return u == v ? 1 : 0;
    case 2:
      return u == 1 && v == 0 ? 0 : 1;
    case 3:
      return u | v;
    case 4:
      return u & v;
    default:
      return u ^ v;
  }
}

}  // namespace

void BeginTruthTableProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s, "Записать таблицу истинности выражения.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWriteLine(s, "\\No & левая часть & правая часть & $f$ & код \\\\\\hline ");
}

void WriteTruthTableVariant(SharedState& s) {
  const int la = s.P1 <= 2 ? 1 : 2;
  const int lb = s.P1 % 2 == 1 ? 3 : 6;
  const int lc = s.P2 <= 2 ? 1 : 4;
  const int ld = s.P2 % 2 == 1 ? 2 : 5;
  const std::string na = kLiteralTexts[la - 1], nb = kLiteralTexts[lb - 1];
  const std::string nc = kLiteralTexts[lc - 1], nd = kLiteralTexts[ld - 1];
  const int p = s.P3;
  const int q = s.P5 == s.P3 ? 7 - s.P3 : s.P5;
  const int shape = s.P4;

  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " ");
  toolkit::WriteText(s, "\\vskip1mm $$");
  switch (shape) {
    case 1:
      toolkit::WriteText(s,
                         "(" + na + "| " + nb + ShapeOneText(p) + nc + "\\downarrow " + nd + ")");
      break;
    case 2:
      toolkit::WriteText(s, na + ConnectiveText(p) + "(" + nb + nc + nd + ")");
      break;
    case 3:
      toolkit::WriteText(s, "(" + na + nb + ")" + ConnectiveText(p) + "(" + nc + nd + ")");
      break;
    case 4:
      toolkit::WriteText(
          s, "(" + na + ConnectiveText(p) + nb + ")(" + nc + ConnectiveText(q) + nd + ")");
      break;
    default:
      toolkit::WriteText(
          s, "(" + nc + nd + ")" + ConnectiveText(p) + "(" + na + ConnectiveText(q) + nb + ")");
      break;
  }

  std::string t1s, t2s, fs;
  int code = 0;
  for (int row = 1; row <= 8; ++row) {
    const int x = ((row - 1) >> 2) & 1, y = ((row - 1) >> 1) & 1, z = (row - 1) & 1;
    const int a = LiteralValue(la, x, y, z), b = LiteralValue(lb, x, y, z);
    const int c = LiteralValue(lc, x, y, z), d = LiteralValue(ld, x, y, z);
    int t1 = 0, t2 = 0, f = 0;
    switch (shape) {
      case 1:
        t1 = 1 - (a & b);
        t2 = 1 - (c | d);
        f = ShapeOneValue(p, t1, t2);
        break;
      case 2:
        t1 = a;
        t2 = b & c & d;
        f = ConnectiveValue(p, t1, t2);
        break;
      case 3:
        t1 = a & b;
        t2 = c & d;
        f = ConnectiveValue(p, t1, t2);
        break;
      case 4:
        t1 = ConnectiveValue(p, a, b);
        t2 = ConnectiveValue(q, c, d);
        f = t1 & t2;
        break;
      default:
        t1 = c & d;
        t2 = ConnectiveValue(q, a, b);
        f = ConnectiveValue(p, t1, t2);
        break;
    }
    t1s += static_cast<char>('0' + t1);
    t2s += static_cast<char>('0' + t2);
    fs += static_cast<char>('0' + f);
    code = code * 2 + f;
  }
  toolkit::WriteText(s, " $$ \\vskip1mm ");
  toolkit::AnsWrite(s, "& " + t1s + " & " + t2s + " & " + fs + " & " + std::to_string(code) + " ");
}

}  // namespace logic
