#include "toolkit/answers.h"

#include <cstdint>
#include <string>

#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

// The citations are neutral texts of our own: a generic title and a page count, no named
// author, publisher or city. Each keeps the opening and the page form the documents expect.
constexpr const char* kAlgebraCitation =
    R"(\vskip1pt{\small\par\noindent{\it Коллектив авторов.} )"
    R"({\bf Высшая математика в решённых задачах.} --- 480 с.})";
constexpr const char* kMechanicsCitation =
    R"(\vskip1mm{\small\par\noindent{\it Коллектив авторов.} )"
    R"({\bf Теоретическая механика в решённых задачах.} --- 520 с.})";
constexpr const char* kComputerAlgebraCitation =
    R"(\vskip1mm{\small\par\noindent{\it Коллектив авторов.} )"
    R"({\bf Задачи теоретической механики с решениями в системе компьютерной алгебры.})"
    R"( --- 320 с.})";

std::string TableHead(int n, int extra) {
  const int count = static_cast<std::uint8_t>(n) + extra;
  std::string text = R"(\noindent\begin{center}\begin{tabular}{|)";
  for (int i = 0; i < count; ++i) text += "r|";
  text += R"(}\hline )";
  return text;
}

const std::string& StudentOfVariant(const Run& r) { return r.StudentNames[r.VariantIndex + 1]; }

}  // namespace

void AnsBeginTable(Run& r, int n) {
  r.AnsHeadStart = THeadStart{};
  r.AnsTableOpen = true;
  AnsWriteLine(r, TableHead(n, 2));
  r.AnsHeadStart.Open = true;
  r.AnsHeadStart.NameColumn = r.StudentsMode;
}

void Ans2BeginTable(Run& r, int n) {
  r.Ans2HeadStart = THeadStart{};
  r.Ans2TableOpen = true;
  Ans2WriteLine(r, TableHead(n, 1));
  // The shell ends the second file's rows without names: a row that adds them leaves a blank
  // cell for their head.
  r.Ans2HeadStart.Open = true;
  r.Ans2HeadStart.NameColumn = r.StudentsMode;
  r.Ans2HeadStart.NamesOnly = true;
}

std::string NamesHeadCell(const Run& r) { return r.StudentsMode ? " & " : ""; }

void EndTableHeadWithReference(Run& r, int page) {
  if (r.StudentsMode && r.AnsTableOpen) AnsWrite(r, " & ");
  if (r.AnsTableOpen) AnsWriteLine(r, R"( \\\hline )");
  if (r.Ans2TableOpen) Ans2WriteLine(r, R"( \\\hline )");
  if (!r.TicketMode) {
    WriteLine(r, std::string(kAlgebraCitation) + R"( \Red{(с.)" + FormatNumber(page) +
                     R"(.)}\\\noindent)");
  }
}

void AnsEndTableRow(Run& r) {
  AnsWriteLine(r, r.StudentsMode ? R"( & \\\hline )" : R"(  \\\hline )");
}

void AnsBeginVariant(Run& r) {
  const std::string number = FormatNumberSci(PrintedVariantNumber(r));
  if (r.StudentsMode) {
    const std::string& student = StudentOfVariant(r);
    AnsBeginTable(r, 2);
    r.AnsHeadStart = THeadStart{};  // a table of one variant's answers has no head row
    AnsWriteLine(r, R"({\bf )" + number + "} & " + student + R"(\\\hline )");
  } else {
    AnsWriteLine(r, R"(\vskip2mm )" + number + R"(. \par)");
    AnsBeginTable(r, 2);
  }
  r.AnsTableOpen = false;
  r.AnsHeadStart = THeadStart{};  // a table of one variant's answers has no head row
}

void AnsBeginVariantBox(Run& r, int w) {
  if (r.StudentsMode) {
    AnsWrite(r, R"(\noindent\fbox{\parbox{)" + FormatNumber(w) + R"(pt}{{\bf )" +
                    FormatNumber(PrintedVariantNumber(r)) + R"(.}\hfill )" + StudentOfVariant(r) +
                    R"( \\ )");
  } else {
    AnsWrite(r, R"(\noindent\fbox{\parbox{380pt}{{\bf )" +
                    FormatNumberSci(PrintedVariantNumber(r)) + R"(.} \\ )");
  }
}

void WriteBookReference(Run& r, int page) {
  if (r.TicketMode) return;
  WriteLine(r, std::string(kMechanicsCitation) + R"( \Red{(p.)" + FormatNumber(page) +
                   R"(.)}\par\noindent)");
}

void WriteSecondBookReference(Run& r, int page) {
  WriteLine(r, std::string(kComputerAlgebraCitation) + R"( \Red{(с.)" + FormatNumber(page) +
                   R"()}\par\noindent)");
}

void WriteSmallNoteLine(Run& r, std::string_view s) {
  if (!r.TicketMode) WriteLine(r, R"({\small)" + std::string(s) + "}");
}

void WriteUnlessTicketMode(Run& r, std::string_view s) {
  if (!r.TicketMode) WriteText(r, s);
}

void EndAnswersRows(Run& r) {
  if (r.AnsTableOpen) {
    if (r.StudentsMode) {
      AnsWrite(r, " & " + r.StudentNames[r.VariantIndex + 1] + "\\\\");
    } else {
      AnsWrite(r, " \\\\");
    }
  }
  if (r.Ans2TableOpen) Ans2Write(r, " \\\\");
}

void CloseAnswersTables(Run& r) {
  if (r.AnsTableOpen) AnsWrite(r, "\\hline\\end{tabular}\\end{center}");
  if (r.Ans2TableOpen) Ans2Write(r, "\\hline\\end{tabular}\\end{center}");
  r.AnsHeadStart = THeadStart{};
  r.Ans2HeadStart = THeadStart{};
}

}  // namespace toolkit
