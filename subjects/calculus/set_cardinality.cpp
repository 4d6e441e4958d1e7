#include <bitset>
#include <initializer_list>
#include <string>

#include "subjects/calculus/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

// A set of character codes; the letters of the problem are 'a'..'z'.
using LetterSet = std::bitset<256>;

// The character with code 96 + k (l(1) = 'a'), taken as a byte: an index outside 1..26 gives
// a member that is not a letter.
std::size_t Letter(int k) { return static_cast<std::size_t>((96 + k) & 0xFF); }

LetterSet Of(std::initializer_list<int> indices) {
  LetterSet s;
  for (int k : indices) s.set(Letter(k));
  return s;
}

const LetterSet& Universe() {
  static const LetterSet u = [] {
    LetterSet s;
    for (int c = 'a'; c <= 'z'; ++c) s.set(static_cast<std::size_t>(c));
    return s;
  }();
  return u;
}

LetterSet Not(const LetterSet& s) { return Universe() & ~s; }
LetterSet Minus(const LetterSet& a, const LetterSet& b) { return a & ~b; }

bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

int CountLetters(const LetterSet& s) {
  int n = 0;
  for (int c = 0; c < 256; ++c) n += s.test(static_cast<std::size_t>(c)) && IsLetter(c);
  return n;
}

// The letters of s in code order, "," between them.
std::string LetterList(const LetterSet& s) {
  std::string out;
  for (int c = 0; c < 256; ++c) {
    if (!s.test(static_cast<std::size_t>(c)) || !IsLetter(c)) continue;
    if (!out.empty()) out += ',';
    out += static_cast<char>(c);
  }
  return out;
}

void WriteLetterSet(SharedState& s, const LetterSet& set) { WriteText(s, LetterList(set)); }

// One printed set: its name line, its members on a line of their own, its closing line.
void WriteSetLines(SharedState& s, const char* open, const LetterSet& set, const char* close) {
  WriteLine(s, open);
  if (set.any()) {
    WriteLetterSet(s, set);
    WriteLine(s, "");
  }
  WriteLine(s, close);
}

}  // namespace

void BeginSetCardinalityProblem(SharedState& s) {
  s.ParboxWidth = 125;
  WriteText(s, "\\tabcolsep=1pt");
  if (s.TicketMode) {
    AnsBeginTable(s, 5);
    AnsWriteLine(s, "\\No &\\tiny Card(X)&\\tiny  Card(Y)&  &  \\\\\\hline");
  } else {
    // The two intermediate sets may hold twenty letters each: the cardinalities and the first
    // set in one table, the second set in another, so that neither runs off the page.
    BeginSplitAnswers(s, {"&\\tiny Card(X)&\\tiny  Card(Y)", "& $Y_1$ ", "& $Y_2$ "}, 2, "", "&  ");
  }
  WriteLine(s, " Универсальное множество состоит из 26 строчных букв латинского алфавита.");
  WriteLine(s, " Заданы множества $A$, $B$, $C$ и $D$. ");
  WriteLine(s, " Вычислить мощность множеств $X$ и $Y$.\\\\");
}

void WriteSetCardinalityVariant(SharedState& s) {
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6;
  const LetterSet a = Of({p6, p5, p4, p3, p1 - 1, p2 + p3});
  const LetterSet b = Of({p5 + 10, p4 + 20, p2 + 1, p5, p2, p3 + p4});
  const LetterSet c =
      Of({p3 + p6, p1 + p3 - 2, p1 + p3 - 1, p2 + p3 + p4, 2 * p3 + p4 + 4, 2 * p3 + p4 + 5});
  const LetterSet d = Of({p5 + 14, p5 + 15, p5 + 19, p5 + 20, p3 - 1, p2, p1 - 2, p2 + p3 - 1});
  // A ticket prints only the sets that X uses.
  const bool print_b = !(s.TicketMode && p2 == 2);
  const bool print_c = !(s.TicketMode && p2 == 1);
  const bool print_d = !(s.TicketMode && (p2 == 3 || (p2 >= 6 && p2 <= 8)));
  WriteSetLines(s, " $A=\\{", a, "\\}$,\\\\");
  if (print_b) WriteSetLines(s, " $B=\\{", b, s.TicketMode ? "\\}$," : "\\}$,\\\\");
  if (print_c) WriteSetLines(s, " $C=\\{", c, "\\}$,\\\\");
  if (print_d) WriteSetLines(s, " $D=\\{", d, "\\}$.\\\\  ");
  WriteText(s, "$X$= ");
  LetterSet x;
  switch (p2) {
    case 1:
      WriteText(s, "$(A\\cup B)\\cap D$");
      x = (a | b) & d;
      break;
    case 2:
      WriteText(s, "$(A\\cup D)\\cap C$");
      x = (a | d) & c;
      break;
    case 3:
      WriteText(s, "$(A\\cup B)\\cap C$");
      x = (a | b) & c;
      break;
    case 4:
      WriteText(s, "$(A\\backslash  B)\\cap (C\\cap D)$");
      x = Minus(a, b) & (c & d);
      break;
    case 5:
      WriteText(s, "$(A\\backslash  B)\\cap (\\overline{C}\\cap D)$");
      x = Minus(a, b) & (Not(c) & d);
      break;
    case 6:
      WriteText(s, "$(A\\cap B)\\cup C$");
      x = (a & b) | c;
      break;
    case 7:
      WriteText(s, "$(A\\cap C)\\cup B$");
      x = (a & c) | b;
      break;
    case 8:
      WriteText(s, "$(A\\backslash  C)\\cap\\overline{B}$");
      x = Minus(a, c) & Not(b);
      break;
    case 9:
      WriteText(s, "$(A\\cap B)\\cup (D\\cap C)$");
      x = (a & b) | (d & c);
      break;
    default:
      WriteText(s, "$(A\\cap C)\\cup (D\\cap B)$");
      x = (a & c) | (d & b);
  }
  if (s.TicketMode) {
    // The X cell alone: a trailing "&" would open a cell no heading names.
    AnsWriteTextNumber(s, "&", CountLetters(x), "");
    WriteText(s, ".");
    return;
  }
  WriteLine(s, ", \\\\[1mm] $Y$=");
  LetterSet i1, i2, y;
  const char *first = "", *second = "", *between = "&";
  switch (p1) {
    case 1:
      WriteLine(s, " $(A\\cap \\overline{B})\\cup (C\\backslash D)$.");
      i1 = a & Not(b);
      i2 = Minus(c, d);
      y = i1 | i2;
      first = "$(A\\cap \\overline{B})$=";
      second = " $(C\\backslash D)$=";
      between = "& ";
      break;
    case 2:
      WriteLine(s, " $(\\overline{A}\\cap \\overline{B})\\backslash(C\\cup D)$.");
      i1 = Not(a) & Not(b);
      i2 = c | d;
      y = Minus(i1, i2);
      first = " $(\\overline{A}\\cap \\overline{B})$=";
      second = "$(C\\cup D)$=";
      break;
    case 3:
      WriteLine(s, "$(\\overline{A}\\cap D)\\cup (C\\backslash B) $.");
      i1 = d & Not(a);
      i2 = Minus(c, b);
      y = i1 | i2;
      first = "$(\\overline{A}\\cap D)$=";
      second = " $(C\\backslash B)$=";
      break;
    default:
      WriteLine(s, "$(A\\backslash D)\\cup (\\overline{C}\\backslash\\overline{B}) $.");
      i1 = Minus(a, d);
      i2 = Minus(Not(c), Not(b));
      y = i1 | i2;
      first = "$A\\backslash D$=";
      second = " $\\overline{C}\\backslash\\overline{B}$=";
  }
  toolkit::AnswersRow row(s, true,
                          toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " ");
  row.Item("&" + toolkit::FormatNumber(CountLetters(x)) + "&  " +
           toolkit::FormatNumber(CountLetters(y)) + " ");
  row.Item("& " + std::string(first) + LetterList(i1));
  row.Item(std::string(between) + second + LetterList(i2));
  row.End();
}

}  // namespace calculus
