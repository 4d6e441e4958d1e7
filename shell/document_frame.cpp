#include "shell/document_frame.h"

#include <cstddef>

#include "toolkit/cp1251.h"
#include "toolkit/latex_text.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace shell {

namespace {

// Width of the longest header comment line, to which the last line is padded.
constexpr std::string_view kCommentLine2 =
    "%%  containing math problems, teor.mech., strength of materials, %%";

// The widest row of variant boxes, from the left edge of its first box to the right edge of its
// last: 192 mm, so that a centred row keeps 9 mm of the A4 sheet on either side, room for a
// figure that reaches a little outside its box. Every row that fitted on the sheet from the
// former 13 mm left margin fits in it.
constexpr std::string_view kRowsWidth = "545pt";

// The least column padding of an answers table: a gap that shows between a rule and a digit
// even in \scriptsize.
constexpr std::string_view kAnswersPadding = "2.5pt";

}  // namespace

char LevelLetter(int level) { return static_cast<char>(64 + level); }

void OpenDocument(SharedState& s, const std::filesystem::path& start_dir, std::string_view base,
                  int textwidth) {
  s.OutputName = toolkit::CutToChars(base, 25) + LevelLetter(s.Level);
  s.MainFile.OpenFile(start_dir / (s.OutputName + ".tex"), toolkit::TextWriter::Replace::kOnCommit);
  WriteLine(s, "\\documentclass[12pt]{report}");
  WriteLine(s, "\\usepackage{colordvi}\\usepackage{eepico}");
  WriteLine(s, "\\usepackage{amsfonts}\\usepackage{mathtext}");
  // Current LaTeX reads UTF-8 unless told otherwise; the documents are Windows-1251.
  WriteLine(s, "\\usepackage[cp1251]{inputenc}\\usepackage[T2A]{fontenc}\\usepackage{amssymb}");
  WriteLine(s, "\\usepackage{color}\\pagestyle{empty}");
  WriteLine(s, "\\voffset=-30mm\\hoffset=-25mm");
  WriteLine(s, "\\newcounter{zdch}\\setcounter{page}{1}\\hfuzz=0.5pt\\righthyphenmin=2");
  // The text's last line may not hang below the text block: on A4 that is 5.8 mm above the
  // sheet's edge, the margin a printer needs.
  WriteLine(s, "\\maxdepth=0pt");
  // The text block stands in the middle of the A4 sheet (210 mm wide), whatever its width.
  WriteLine(s, "\\oddsidemargin=\\dimexpr(210mm-" + toolkit::FormatNumber(textwidth) +
                   "pt)/2-1in-\\hoffset\\relax");
  WriteLine(s, "\\textheight" + toolkit::FormatNumber(s.TextHeight) + "pt\\textwidth" +
                   toolkit::FormatNumber(textwidth) + "pt\\begin{document}\\input{sav.txt}");
  WriteHeaderComment(s);
  WriteLine(s,
            "\\newcommand{\\ru}{\\rule[-5pt]{0pt}{16pt}}\\newcommand{\\frc}[2]{\\displaystyle{"
            "\\frac{#1}{#2}}}\\newcommand{\\mc}[1]{\\multicolumn{1}{|c|}{#1}}\\def\\wa{ a}");
  WriteRowsOfBoxesMacros(s);
  WriteLine(s, "\\setcounter{zdch}{" + toolkit::FormatNumber(s.ProblemNumber) + "}");
}

void WriteRowsOfBoxesMacros(SharedState& s) {
  // \boxrows{box}{after} lays the paragraph that follows out as rows of boxes shaped like the
  // sample box, each followed by the blank space of "after" and one interword space: as many
  // boxes a row as fit in kRowsWidth, the line exactly as wide as its row (so that latex
  // neither stretches nor overfills it: a row of boxes has no glue to stretch, and without this
  // it always ran over the right edge of the text) and the boxes centred under the text block.
  // \noboxrows ends the paragraph; what follows it (the answers, whose tables may be wider than
  // the text) starts at the left edge of the widest row, and its tables are padded
  // (\paddedtables). Neither opens a group: what the
  // variants define between them stays defined for the answers.
  WriteLine(s, "\\newdimen\\boxrowunit\\newcount\\boxrowcount");
  WriteLine(s,
            "\\def\\boxrows#1#2{\\par\\setbox0\\hbox{#1}\\setbox2\\hbox{#2}"
            "\\boxrowunit=\\dimexpr\\wd0+\\wd2+\\fontdimen2\\font\\relax"
            "\\boxrowcount=\\dimexpr" +
                std::string(kRowsWidth) +
                "+\\wd2+\\fontdimen2\\font\\relax\\divide\\boxrowcount\\boxrowunit"
                "\\ifnum\\boxrowcount<1 \\boxrowcount=1 \\fi"
                "\\dimen0=\\dimexpr\\boxrowcount\\boxrowunit-\\wd2-\\fontdimen2\\font\\relax"
                "\\leftskip=\\dimexpr(\\textwidth-\\dimen0)/2\\relax"
                "\\hsize=\\dimexpr\\leftskip+\\dimen0+\\wd2\\relax}");
  // Answers tables keep at least kAnswersPadding between a rule and a digit, however tightly a
  // problem type sets \tabcolsep ("1|17.982" must not read as "117.982").
  WriteLine(s, "\\let\\tabularunpadded\\tabular\\def\\paddedtables{\\def\\tabular{\\ifdim"
               "\\tabcolsep<" + std::string(kAnswersPadding) + " \\tabcolsep=" +
                   std::string(kAnswersPadding) + "\\fi\\tabularunpadded}}");
  WriteLine(s, "\\def\\noboxrows{\\par\\leftskip=\\dimexpr(\\textwidth-" + std::string(kRowsWidth) +
                   ")/2\\relax\\hsize=\\dimexpr\\textwidth-\\leftskip\\relax\\paddedtables}");
}

void OpenAnswerFiles(SharedState& s, const std::filesystem::path& start_dir) {
  const std::filesystem::path folder = start_dir / "otv";
  s.SecondAnswersFile.OpenFile(folder / ("OT2" + s.OutputName + ".tex"),
                               toolkit::TextWriter::Replace::kOnCommit);
  s.AnswersFile.OpenFile(folder / ("otv" + s.OutputName + ".tex"),
                         toolkit::TextWriter::Replace::kOnCommit);
}

void WriteHeaderComment(SharedState& s) {
  WriteLine(s, "%%  Text problems generated by the program \"Tarbel\",   %%");
  WriteLine(s, kCommentLine2);
  WriteLine(s, "%%  Discrete. Math. and neural nets / the Tarbel project / %%");
  WriteLine(s, "%%  Tarbel  in LaTeX2e format for drivers MikTeX    %%");
  std::string last = "%%  Tarbel documents,  Tarbel answers files";
  if (last.size() + 2 < kCommentLine2.size())
    last.append(kCommentLine2.size() - 2 - last.size(), ' ');
  WriteLine(s, last + "%%");
}

void WriteRedTitle(SharedState& s, std::string_view title) {
  WriteLine(s, "\\Red{\\begin{center}{\\Large\\bf " + std::string(title) + "}\\end{center}}");
}

void WriteProblemHeading(SharedState& s) {
  WriteText(s, "\\noindent{\\small ");
  WriteTextNumberLn(s, "\\Blue{{\\bf Problem~\\arabic{zdch}.", toolkit::PrintedVariantNumber(s),
                    ".}}}");
}

void WriteTicketHeader(SharedState& s) {
  WriteText(s, "\\noindent");
  WriteLine(s, "\\fbox{\\parbox{" + std::string(kFramedParboxWidth) +
                   "}{\\begin{center}\\sf\\Blue{" +
                   toolkit::EscapeLatexText(s.UniversityName) + "}\\end{center}");
  WriteLine(s, "{\\small " + toolkit::EscapeLatexText(s.DepartmentName) +
                   "} \\hfill \\Blue{Student} \\rule{88pt}{0.1pt}гр.\\rule{22pt}{0.1pt}\\par");
  WriteLine(s, "{ \\noindent\\Blue{{\\bf Examination ticket} " +
                   toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)) + " \\hfill " +
                   toolkit::EscapeLatexText(s.TicketDate) + " \\rule{25pt}{0.1pt}h.\\rule{20pt}{0.1pt} min.\\vskip1pt}");
}

void CloseDocumentAndAnswers(SharedState& s) {
  WriteText(s, "\\end{document}");
  // All three are finished before any of them takes the place of the last Start's file.
  s.MainFile.Close();
  s.AnswersFile.Close();
  s.SecondAnswersFile.Close();
  s.AnswersFile.Commit();
  s.SecondAnswersFile.Commit();
  s.MainFile.Commit();
}

void CloseDocument(SharedState& s) {
  WriteText(s, "\\end{document}");
  s.MainFile.Close();
  s.MainFile.Commit();
}

}  // namespace shell
