#include "shell/start.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "figures/figure_state.h"
#include "shell/colloquium.h"
#include "shell/document_frame.h"
#include "shell/external_programs.h"
#include "shell/list_files.h"
#include "shell/question_check.h"
#include "shell/start_up.h"
#include "shell/student_names.h"
#include "shell/tickets.h"
#include "shell/variant_parameters.h"
#include "toolkit/answers.h"
#include "toolkit/cp1251.h"
#include "toolkit/errors.h"
#include "toolkit/latex_text.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace shell {

namespace {

// Students that the variant tables have room for (StudentNames holds the group line and 40).
constexpr int kMaxStudents = 40;

// Latin spelling of the Cyrillic letters of Windows-1251, for file names that latex can \input.
std::string_view Transliterate(char32_t c) {
  struct Pair {
    char32_t from;
    std::string_view to;
  };
  static constexpr Pair kTable[] = {
      {U'А', "A"},  {U'Б', "B"},  {U'В', "V"},    {U'Г', "G"},  {U'Д', "D"},  {U'Е', "E"},
      {U'Ё', "E"},  {U'Ж', "Zh"}, {U'З', "Z"},    {U'И', "I"},  {U'Й', "Y"},  {U'К', "K"},
      {U'Л', "L"},  {U'М', "M"},  {U'Н', "N"},    {U'О', "O"},  {U'П', "P"},  {U'Р', "R"},
      {U'С', "S"},  {U'Т', "T"},  {U'У', "U"},    {U'Ф', "F"},  {U'Х', "Kh"}, {U'Ц', "Ts"},
      {U'Ч', "Ch"}, {U'Ш', "Sh"}, {U'Щ', "Shch"}, {U'Ъ', ""},   {U'Ы', "Y"},  {U'Ь', ""},
      {U'Э', "E"},  {U'Ю', "Yu"}, {U'Я', "Ya"},   {U'а', "a"},  {U'б', "b"},  {U'в', "v"},
      {U'г', "g"},  {U'д', "d"},  {U'е', "e"},    {U'ё', "e"},  {U'ж', "zh"}, {U'з', "z"},
      {U'и', "i"},  {U'й', "y"},  {U'к', "k"},    {U'л', "l"},  {U'м', "m"},  {U'н', "n"},
      {U'о', "o"},  {U'п', "p"},  {U'р', "r"},    {U'с', "s"},  {U'т', "t"},  {U'у', "u"},
      {U'ф', "f"},  {U'х', "kh"}, {U'ц', "ts"},   {U'ч', "ch"}, {U'ш', "sh"}, {U'щ', "shch"},
      {U'ъ', ""},   {U'ы', "y"},  {U'ь', ""},     {U'э', "e"},  {U'ю', "yu"}, {U'я', "ya"},
      {U'І', "I"},  {U'і', "i"},  {U'Ї', "Yi"},   {U'ї', "yi"}, {U'Є', "Ye"}, {U'є', "ye"},
      {U'Ґ', "G"},  {U'ґ', "g"},  {U'Ў', "U"},    {U'ў', "u"},
  };
  for (const Pair& p : kTable) {
    if (p.from == c) return p.to;
  }
  return "_";
}

// Outside students mode the run must see no student names, but the teacher's loaded list
// must survive the run (a later students-mode Start uses it without reopening the list).
class StudentNamesKeeper {
 public:
  explicit StudentNamesKeeper(SharedState& s) : s_(s), saved_(s.StudentNames) {}
  ~StudentNamesKeeper() { s_.StudentNames = std::move(saved_); }
  StudentNamesKeeper(const StudentNamesKeeper&) = delete;
  StudentNamesKeeper& operator=(const StudentNamesKeeper&) = delete;

 private:
  SharedState& s_;
  decltype(SharedState::StudentNames) saved_;
};

// The students' names are plain text typed by people: while a Start writes, the run sees them
// as LaTeX that prints them as typed (letters Windows-1251 lacks by their plain Latin form),
// and the list is back as typed when the Start ends. changed lists the names printed
// otherwise than typed, once each.
class LatexStudentNames {
 public:
  LatexStudentNames(SharedState& s, std::string& changed) : s_(s), saved_(s.StudentNames) {
    for (int i = 0; i <= 40; ++i) {
      bool unprintable = false;
      const std::string printable = PrintableName(saved_[i], unprintable);
      if ((printable != saved_[i] || unprintable) && i >= 2 && i <= s.StudentLineCount) {
        changed += "\n" + saved_[i] + (unprintable ? " (some letters print as \"?\")"
                                                      : " \u2192 " + printable);
      }
      s.StudentNames[i] = toolkit::EscapeLatexText(printable);
    }
  }
  ~LatexStudentNames() { s_.StudentNames = std::move(saved_); }
  LatexStudentNames(const LatexStudentNames&) = delete;
  LatexStudentNames& operator=(const LatexStudentNames&) = delete;

 private:
  SharedState& s_;
  decltype(SharedState::StudentNames) saved_;
};

// The generators draw from the program's one generator, the platform's, for as long as the
// Start writes; afterwards the state holds no reference to the platform.
class RandomNumbersHandOver {
 public:
  RandomNumbersHandOver(SharedState& s, Platform& platform) : s_(s) { s.RandomNumbers = &platform; }
  ~RandomNumbersHandOver() { s_.RandomNumbers = nullptr; }
  RandomNumbersHandOver(const RandomNumbersHandOver&) = delete;
  RandomNumbersHandOver& operator=(const RandomNumbersHandOver&) = delete;

 private:
  SharedState& s_;
};

// VariantCount and FirstNumber as the Start uses them: in students mode one variant per
// student, numbered from 1; the controls' values are back when the Start ends, so that
// switching "Individual tasks" off finds them as the teacher left them.
class StudentsModeCounts {
 public:
  StudentsModeCounts(SharedState& s, int students)
      : s_(s), variant_count_(s.VariantCount), first_number_(s.FirstNumber) {
    s.VariantCount = students;
    s.FirstNumber = 1;
  }
  ~StudentsModeCounts() {
    s_.VariantCount = variant_count_;
    s_.FirstNumber = first_number_;
  }
  StudentsModeCounts(const StudentsModeCounts&) = delete;
  StudentsModeCounts& operator=(const StudentsModeCounts&) = delete;

 private:
  SharedState& s_;
  int variant_count_;
  int first_number_;
};

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string::npos; }

void CloseAllQuietly(SharedState& s) {
  s.MainFile.CloseQuietly();
  s.AnswersFile.CloseQuietly();
  s.SecondAnswersFile.CloseQuietly();
}

}  // namespace

void ReadSelectedProblem(SharedState& s) {
  if (s.SubjectIndex < 1 || s.SubjectIndex > 9) return;
  s.ProblemNumber = s.SavedProblems[s.SubjectIndex] & 0xFF;
}

std::string ProblemSetText(const SharedState& s) {
  if (s.StudentsMode) return toolkit::CutToChars(s.GroupName, 6);
  return toolkit::CutToChars(std::to_string(s.SetNumber), 6);
}

std::string DocumentSetName(const SharedState& s) {
  if (!s.StudentsMode) return ProblemSetText(s);
  const std::string group = toolkit::CutToChars(s.GroupName, 6);
  std::string name;
  std::size_t pos = 0;
  while (pos < group.size()) {
    const char32_t c = toolkit::NextUtf8Char(group, pos);
    const bool plain = (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
                       (c >= U'0' && c <= U'9') || c == U'-' || c == U'_';
    if (plain) {
      name.push_back(static_cast<char>(c));
    } else {
      name += Transliterate(c);
    }
  }
  return name;
}

void WriteProblemSet(SharedState& s, ShellSession& session, Platform& platform, int count,
                     const SubjectTable& table) {
  s.WriteCramerRows = true;
  s.AnsTableOpen = false;
  s.Ans2TableOpen = false;
  ReadSelectedProblem(s);
  s.TextHeight = 735;

  // The group line of a students-mode set is plain text.
  const std::string set_text = toolkit::EscapeLatexText(ProblemSetText(s));
  const SubjectRow* row = FindSubject(table, s.SubjectIndex);
  const std::string name = (s.AnswersOn ? "o" : "") + std::to_string(s.ProblemNumber) +
                           std::string(row != nullptr ? row->Letter : "") + DocumentSetName(s);
  session.DocumentBaseName = name;
  StudentNamesKeeper keeper(s);

  OpenDocument(s, session.StartDirectory, name, 430);
  OpenAnswerFiles(s, session.StartDirectory);
  MakeVariantParametersDistinct(s);
  // A new parameter file is drawn before the begin entry: finding repeated problems runs
  // the row's own begin entry on a state of its own.
  if (count >= 1) PrepareVariantParameterFile(s, platform, session.StartDirectory, table);
  const std::string title(ProblemTitle(table, s.SubjectIndex, s.ProblemNumber));
  // Not indented: the title line is as wide as the text. At least 1em between the title and
  // the date; a title too long to leave it puts the date on a line of its own, flush right,
  // instead of running into it.
  AnsWrite(s, "\\vfill\\noindent\\parbox{429pt}{{\\bf  " + title +
                  "\\unskip\\nobreak\\hfil\\penalty50\\hskip1em\\hbox{}\\nobreak\\hfill {\\small " +
                  platform.ShortDate() + "}}\\par");
  WriteRedTitle(s, title);
  BeginSubjectProblem(s, s.ProblemNumber, table);
  // A blank variant box with the rules that follow it: the rows are laid out from it.
  const std::string box_width = toolkit::FormatNumber(s.ParboxWidth * 1.2);
  WriteLine(s, "\\boxrows{\\fboxsep=8pt\\fbox{\\parbox{" + box_width +
                   "pt}{\\mbox{}}}}{\\rule{12pt}{0pt}" +
                   (session.Margins ? "\\rule{15pt}{0pt}" : "") + "}");
  if (!s.StudentsMode) {
    for (int i = 1; i <= std::min(s.StudentLineCount, kMaxStudents); ++i) {
      s.StudentNames[i].clear();
    }
  }

  for (int v = 1; v <= count; ++v) {
    s.VariantIndex = v;
    LoadVariantParameters(s, platform, session.StartDirectory, table);
    SelectVariantParameters(s, v);
    WriteLine(s, " ");
    WriteTextNumberLn(s, "\\fboxsep=8pt\\noindent\\fbox{\\parbox{", s.ParboxWidth * 1.2, "pt}{");
    WriteProblemHeading(s);
    if (!s.StudentsMode) WriteText(s, "\\hfill{\\tiny{\\it " + set_text + "}}");
    if (session.Margins) WriteText(s, "\\vskip4mm");
    if (s.StudentsMode) WriteText(s, "\\hfill {\\small\\it " + s.StudentNames[v + 1] + "} ");
    WriteText(s, "\\vskip1pt");
    WriteSubjectVariant(s, s.ProblemNumber, table);
    WriteLine(s, "}}%");
    WriteText(s, "\\rule{0pt}{50pt}\\rule{12pt}{0pt}");
    EndAnswersRows(s);
    if (session.Margins) WriteText(s, "\\rule{15pt}{0pt}\\rule{0pt}{65pt}");
  }

  WriteLine(s,
            " \\hfill{\\bf\\tiny " + toolkit::FormatNumber(s.ProblemNumber) + "." + set_text + "}");
  WriteLine(s, "\\noboxrows");
  if (s.AnswersOn) {
    WriteLine(s, "");
    WriteText(s, "\\vskip1mm\\input{otv/otv" + s.OutputName + ".tex}");
    WriteText(s, "\\vskip1mm\\input{otv/OT2" + s.OutputName + ".tex}");
  }
  CloseAnswersTables(s);
  AnsWriteTextNumber(s, "", s.ProblemNumber, "." + set_text + "}");
  CloseDocumentAndAnswers(s);
}

bool Start(SharedState& s, ShellSession& session, Platform& platform, const SubjectTable& table) {
  // Begin entries may lower Level or switch TicketMode on, and generators change the drawing
  // switches; none of that may leak into this document.
  s.Level = session.LevelControl;
  s.TicketMode = s.DocumentMode == 1 || s.DocumentMode == 2;
  figures::ResetDrawingState(s);
  s.DepartmentName = toolkit::CutToChars(s.DepartmentName, 78);
  s.UniversityName = toolkit::CutToChars(s.UniversityName, 78);
  if (s.DocumentMode < 0 || s.DocumentMode > 2) return false;

  // A row of the list that holds no problem type would give a set of empty boxes.
  if (s.DocumentMode == 0 || (s.DocumentMode == 1 && s.TicketProblemOn)) {
    ReadSelectedProblem(s);
    const SubjectRow* subject = FindSubject(table, s.SubjectIndex);
    if (s.ProblemNumber >= 1 && s.ProblemNumber <= ProblemCount(table, s.SubjectIndex) &&
        !IsBuilt(table, s.SubjectIndex, s.ProblemNumber)) {
      platform.ShowMessage("Row " + std::to_string(s.ProblemNumber) + " of " +
                           std::string(subject->Caption) +
                           " holds no problem type; nothing was written. Choose another row.");
      return false;
    }
  }

  std::optional<StudentsModeCounts> students_counts;
  if (s.StudentsMode && s.DocumentMode != 2) {
    const int students = s.StudentLineCount - 1;
    if (students < 1) {
      platform.ShowMessage(
          "The students list holds no students (only the group line or nothing). Load or "
          "edit the list in the \"Students\" window, or switch \"Individual tasks\" off.");
      return false;
    }
    if (students > kMaxStudents) {
      platform.ShowMessage("The students list holds " + std::to_string(students) +
                           " students; a set has room for " + std::to_string(kMaxStudents) +
                           ". Split the list into two.");
      return false;
    }
    students_counts.emplace(s, students);
    if (IsBlank(s.GroupName)) {
      s.GroupName = kDefaultGroupName;
      platform.ShowMessage(
          "The students list has no group line (its first line is empty): the group \"" +
          std::string(kDefaultGroupName) +
          "\" names the document and the parameter file. Write the group's name in the first "
          "line of the list in the \"Students\" window.");
    }
  }

  std::string renamed;
  try {
    CheckQuestionLists(s, s.DocumentMode, session.ColloquiumList);
    const LatexStudentNames names(s, renamed);
    const RandomNumbersHandOver random_numbers(s, platform);
    CreateAnswersFolder(session.StartDirectory);
    switch (s.DocumentMode) {
      case 0:
        WriteProblemSet(s, session, platform, s.VariantCount & 0xFF, table);
        break;
      case 1:
        WriteExaminationTickets(s, platform, session.StartDirectory, s.VariantCount & 0xFF, table);
        break;
      default:
        WriteColloquiumSets(s, platform, session.StartDirectory);
        break;
    }
  } catch (const ParameterFileError& e) {
    CloseAllQuietly(s);
    platform.ShowMessage(e.what());
    return false;
  } catch (const ListDataError& e) {
    CloseAllQuietly(s);
    platform.ShowMessage(std::string("The document was not written: ") + e.what() + ".");
    return false;
  } catch (const toolkit::IoError& e) {
    CloseAllQuietly(s);
    platform.ShowMessage(std::string("The document was not written. ") + e.what());
    return false;
  } catch (const toolkit::DegenerateDataError& e) {
    CloseAllQuietly(s);
    platform.ShowMessage(std::string("The document was not written: the problem's data cannot "
                                     "be handled (") +
                         e.what() + ").");
    return false;
  } catch (const std::exception& e) {
    CloseAllQuietly(s);
    platform.ShowMessage(std::string("The document was not written: ") + e.what());
    return false;
  }

  if (!renamed.empty() && s.StudentsMode && s.DocumentMode != 2) {
    platform.ShowMessage("These names hold letters that Windows-1251 cannot print and were "
                         "written in their plain Latin form:" + renamed);
  }
  if (session.Status) {
    const int count = s.DocumentMode == 2 ? s.SetNumber : s.VariantCount;
    const char* unit = s.DocumentMode == 0 ? " variants" : s.DocumentMode == 1 ? " tickets" : " sets";
    session.Status("Written " + s.OutputName + ".tex in " + session.StartDirectory.string() + ": " +
                   std::to_string(count) + unit);
  }
  RunLatex(s, platform, session.StartDirectory, session.TexDirectory, session.Status);
  return true;
}

}  // namespace shell
