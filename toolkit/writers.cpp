#include "toolkit/writers.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/number_format.h"

namespace toolkit {

namespace {

// Whether a head cell prints nothing: blanks, braces, struts, rules and type sizes only.
bool BlankCell(std::string_view cell) {
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const char c = cell[i];
    if (c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '{' || c == '}') continue;
    if (c != '\\') return false;
    std::size_t end = i + 1;
    while (end < cell.size() && std::isalpha(static_cast<unsigned char>(cell[end]))) ++end;
    const std::string_view word = cell.substr(i + 1, end - i - 1);
    if (word == "rule") {
      // \rule[lift]{width}{height}: its sizes print nothing either.
      if (end < cell.size() && cell[end] == '[') end = cell.find(']', end) + 1;
      for (int group = 0; group < 2 && end != 0 && end < cell.size() && cell[end] == '{'; ++group) {
        end = cell.find('}', end) + 1;
      }
      if (end == 0) return false;
    } else if (word != "ru" && word != "hline" && word != "tiny" && word != "scriptsize" &&
               word != "footnotesize" && word != "small" && word != "normalsize") {
      return false;
    }
    i = end - 1;
  }
  return true;
}

// The ends of the cells of a table row: each "&" and the row end "\\\\" outside braces, the row
// end last (when text holds it).
std::vector<std::size_t> CellEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      if (depth == 0 && i + 1 < text.size() && text[i + 1] == '\\') {
        ends.push_back(i);
        break;
      }
      ++i;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      --depth;
    } else if (c == '&' && depth == 0) {
      ends.push_back(i);
    }
  }
  return ends;
}

// Text on its way to an answers file whose table head is being written (see AnsBeginTable):
// the head row is followed until it ends. When its first cell ends blank, "\No" goes just
// before that cell's end; in students mode the names column is headed too: a blank last cell
// gets "студент", and where the row leaves no cell for the names, one is added.
std::string HeadedText(THeadStart& head, bool table_open, std::string_view text) {
  if (!head.Open || !table_open) return std::string(text);
  const std::size_t before = head.Row.size();
  head.Row += text;
  const std::vector<std::size_t> ends = CellEnds(head.Row);
  if (ends.empty() || ends.back() < before) return std::string(text);
  std::string out(text);
  const std::string_view row = head.Row;
  const bool row_ended = row.compare(ends.back(), 2, "\\\\") == 0;
  // Inserted from the back, so that the places ahead keep their offsets.
  if (row_ended && head.NameColumn) {
    const std::size_t last = ends.size() > 1 ? ends[ends.size() - 2] + 1 : 0;
    const bool blank = ends.size() > 1 && BlankCell(row.substr(last, ends.back() - last));
    if (blank) {
      out.insert(ends.back() - before, "студент");
    } else if (!head.NamesOnly) {
      out.insert(ends.back() - before, " & студент");
    }
  }
  if (ends.front() >= before && BlankCell(row.substr(0, ends.front()))) {
    out.insert(ends.front() - before, "\\No");
  }
  if (row_ended) head = THeadStart{};
  return out;
}

}  // namespace

void WriteText(Run& r, std::string_view s) { r.MainFile.Write(s); }
void WriteLine(Run& r, std::string_view s) { r.MainFile.WriteLine(s); }
void WriteLineAlt(Run& r, std::string_view s) { WriteLine(r, s); }
void WriteNumber(Run& r, double x) { WriteText(r, FormatNumber(x)); }

void WriteTextNumber(Run& r, std::string_view s1, double x, std::string_view s2) {
  WriteText(r, s1);
  WriteNumber(r, x);
  WriteText(r, s2);
}

void WriteTextNumberLn(Run& r, std::string_view s1, double x, std::string_view s2) {
  WriteTextNumber(r, s1, x, s2);
  WriteLine(r, "");
}

void WriteText2NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3) {
  WriteTextNumber(r, s1, x1, s2);
  WriteTextNumberLn(r, "", x2, s3);
}

void WriteText3NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4) {
  WriteTextNumber(r, s1, x1, s2);
  WriteText2NumbersLn(r, "", x2, s3, x3, s4);
}

void WriteText4NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4, double x4,
                         std::string_view s5) {
  WriteTextNumber(r, s1, x1, s2);
  WriteText3NumbersLn(r, "", x2, s3, x3, s4, x4, s5);
}

void WriteText5NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4, double x4,
                         std::string_view s5, double x5, std::string_view s6) {
  WriteText4NumbersLn(r, s1, x1, s2, x2, s3, x3, s4, x4, s5);
  WriteTextNumberLn(r, "", x5, s6);
}

void WriteCoordinatePair(Run& r, double x, double y) { WriteText2NumbersLn(r, "(", x, ",", y, ")"); }

void AnsWrite(Run& r, std::string_view s) {
  r.AnswersFile.Write(HeadedText(r.AnsHeadStart, r.AnsTableOpen, s));
}
void AnsWriteLine(Run& r, std::string_view s) {
  r.AnswersFile.WriteLine(HeadedText(r.AnsHeadStart, r.AnsTableOpen, s));
}
void AnsWriteNumber(Run& r, double x) { AnsWrite(r, FormatNumber(x)); }

void AnsWriteTextNumber(Run& r, std::string_view s1, double x, std::string_view s2) {
  AnsWrite(r, s1);
  AnsWrite(r, FormatNumberSci(x));
  AnsWrite(r, s2);
}

void AnsWriteTextNumberLn(Run& r, std::string_view s1, double x, std::string_view s2) {
  AnsWriteTextNumber(r, s1, x, s2);
  AnsWriteLine(r, "");
}

void AnsWriteTextExponent(Run& r, std::string_view s1, double x, std::string_view s2) {
  if (x == 1) {
    AnsWrite(r, s1);
    AnsWrite(r, s2);
  } else {
    AnsWriteTextNumberLn(r, s1, x, s2);
  }
}

void AnsWriteText2Numbers(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                          std::string_view s3) {
  AnsWrite(r, s1);
  AnsWriteNumber(r, x1);
  AnsWrite(r, s2);
  AnsWriteNumber(r, x2);
  AnsWrite(r, s3);
}

void AnsWriteText2NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2,
                            double x2, std::string_view s3) {
  AnsWriteText2Numbers(r, s1, x1, s2, x2, s3);
  AnsWriteLine(r, "");
}

void AnsWriteText3Numbers(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                          std::string_view s3, double x3, std::string_view s4) {
  AnsWriteText2Numbers(r, s1, x1, s2, x2, s3);
  AnsWriteNumber(r, x3);
  AnsWrite(r, s4);
}

void AnsWriteText4NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2,
                            double x2, std::string_view s3, double x3, std::string_view s4,
                            double x4, std::string_view s5) {
  AnsWriteText3Numbers(r, s1, x1, s2, x2, s3, x3, s4);
  AnsWriteNumber(r, x4);
  AnsWriteLine(r, s5);
}

void AnsWriteText4NumbersFixed(Run& r, std::string_view s1, double x1, std::string_view s2,
                               double x2, std::string_view s3, double x3, std::string_view s4,
                               double x4, std::string_view s5) {
  AnsWrite(r, s1);
  AnsWrite(r, FormatFixed(x1, 5, 3));
  AnsWrite(r, s2);
  AnsWrite(r, FormatFixed(x2, 5, 3));
  AnsWrite(r, s3);
  AnsWrite(r, FormatFixed(x3, 5, 3));
  AnsWrite(r, s4);
  AnsWrite(r, FormatFixed(x4, 5, 3));
  AnsWrite(r, s5);
}

void Ans2Write(Run& r, std::string_view s) {
  r.SecondAnswersFile.Write(HeadedText(r.Ans2HeadStart, r.Ans2TableOpen, s));
}
void Ans2WriteLine(Run& r, std::string_view s) {
  r.SecondAnswersFile.WriteLine(HeadedText(r.Ans2HeadStart, r.Ans2TableOpen, s));
}
void Ans2WriteNumber(Run& r, double x) { Ans2Write(r, FormatNumber(x)); }

void Ans2WriteSignedNumber(Run& r, double x) {
  Ans2Write(r, std::string(1, SignChar(x)));
  Ans2WriteNumber(r, std::fabs(x));
}

}  // namespace toolkit
