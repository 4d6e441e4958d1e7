#include <algorithm>
#include <cstdint>
#include <string>

#include "subjects/calculus/integrals.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace calculus {

namespace {

std::uint8_t IntegralItemCount = 0;

// The functions f of the substitution families, by P1 (family 1) or P3 (family 2).
const toolkit::IndexedArray<std::string_view, 1, 10> IntegralFunctionNames = [] {
  toolkit::IndexedArray<std::string_view, 1, 10> t;
  const char* names[] = {"\\sin",    "\\cos", "\\tg", "\\ctg", "\\arcsin",
                         "\\arccos", "\\ln",  "\\sh", "\\ch",  "\\arctg"};
  for (int i = 1; i <= 10; ++i) t[i] = names[i - 1];
  return t;
}();

// The coefficient a or b an item starts from: 1 for p = 1, 2; 2 for 3, 4; ..; 5 from 9 on.
int Pair(int p) { return std::min((p + 1) / 2, 5); }

std::string Str(std::string_view v) { return std::string(v); }

// Family 1: g'(x) f(a g(x)), answered by F(a g(x))/a. For g = cos the whole antiderivative is
// negated.
void WriteFamilyOne(SharedState& s, int a, int b) {
  const std::string f = Str(IntegralFunctionNames[s.P1]);
  std::string g, g2;
  bool minus = false;
  // arcsin and arccos of a ch(x) >= a >= 2 have no real value anywhere: these draws take the
  // sh form, whose argument passes through 0.
  const bool inverse_sine = s.P1 == 5 || s.P1 == 6;
  const int form = (s.P5 == 4 || s.P5 == 7) && inverse_sine ? 3 : s.P5;
  switch (form) {
    case 1:
    case 10:
      WriteTextNumberLn(s, "\\cos(x)" + f + "(", a, "\\sin(x))dx");
      g = "\\sin(x)", g2 = "\\sin^2(x)";
      break;
    case 2:
    case 9:
      WriteTextNumberLn(s, "\\sin(x)" + f + "(", a, "\\cos(x))dx");
      g = "\\cos(x)", g2 = "\\cos^2(x)", minus = true;
      break;
    case 4:
    case 7:
      WriteTextNumberLn(s, "\\sh(x)" + f + "(", a, "\\ch(x))dx");
      g = "\\ch(x)", g2 = "\\ch^2(x)";
      break;
    case 3:
    case 8:
      WriteTextNumberLn(s, "\\ch(x)" + f + "(", a, "\\sh(x))dx");
      g = "\\sh(x)", g2 = "\\sh^2(x)";
      break;
    case 5:
      WriteTextNumberLn(s, "\\frac{" + f + "(", a, "\\tg(x))dx}{\\cos^2(x)}");
      g = "\\tg(x)", g2 = "\\tg^2(x)";
      break;
    default: {
      WriteText2NumbersLn(s, "\\frac{" + f + "(", a, "\\ln(", b, "x))dx}{x}");
      const std::string bx = toolkit::FormatNumber(b) + "x";
      g = "\\ln(" + bx + ")", g2 = "\\ln^2(" + bx + ")";
      break;
    }
  }
  switch (s.P1) {
    case 1:
      AnsWriteText2Numbers(s, minus ? "\\cos(" : "-\\cos(", a, g + ")/", a, "");
      break;
    case 2:
      AnsWriteText2Numbers(s, minus ? "-\\sin(" : "\\sin(", a, g + ")/", a, "");
      break;
    case 3:
      AnsWriteText2Numbers(s, minus ? "\\ln(\\cos(" : "-\\ln(\\cos(", a, g + "))/", a, "");
      break;
    case 4:
      AnsWriteText2Numbers(s, minus ? "-\\ln(\\sin(" : "\\ln(\\sin(", a, g + "))/", a, "");
      break;
    case 5:
    case 6: {
      const std::string open = minus ? "-\\left(" : "(";
      const std::string close = minus ? "}\\right)/" : "})/";
      const std::string name = s.P1 == 5 ? "\\arcsin(" : "\\arccos(";
      const std::string root = s.P1 == 5 ? ")+\\sqrt{1-" : ")-\\sqrt{1-";
      AnsWriteText4NumbersLn(s, open, a, g + name, a, g + root, a * a, g2 + close, a, "");
      break;
    }
    case 7:
      AnsWriteTextNumberLn(s, minus ? "-(\\ln(" : "(\\ln(", a, g + ")-1)" + g);
      break;
    case 8:
      AnsWriteText2Numbers(s, minus ? "-\\ch(" : "\\ch(", a, g + ")/", a, "");
      break;
    case 9:
      AnsWriteText2Numbers(s, minus ? "-\\sh(" : "\\sh(", a, g + ")/", a, "");
      break;
    default:
      AnsWriteTextNumberLn(s, (minus ? "-" : "") + g + "\\arctg(", a, g + ")");
      AnsWriteTextNumberLn(s, minus ? "+\\frac{\\ln(1+" : "-\\frac{\\ln(1+", a * a, g2 + ")}");
      AnsWriteTextNumberLn(s, "{", 2 * a, "}");
      break;
  }
}

// Family 2: x f(a x^2 + 1), answered by F(a x^2 + 1)/(2a). arcsin and arccos take 1 - a x^2
// instead: of a x^2 + 1 they are real at x = 0 alone.
void WriteFamilyTwo(SharedState& s, int a) {
  if (s.P3 == 5 || s.P3 == 6) {
    const bool sine = s.P3 == 5;
    WriteTextNumberLn(s, sine ? "x\\arcsin(1-" : "x\\arccos(1-", a, "x^2)dx");
    AnsWriteText4NumbersLn(s, "-\\left((1-", a, sine ? "x^2)\\arcsin(1-" : "x^2)\\arccos(1-", a,
                           sine ? "x^2)+\\sqrt{1-(1-" : "x^2)-\\sqrt{1-(1-", a,
                           "x^2)^2}\\right)/", 2 * a, "");
    return;
  }
  WriteTextNumberLn(s, "x" + Str(IntegralFunctionNames[s.P3]) + "(", a, "x^2+1)dx");
  const int d = 2 * a;
  switch (s.P3) {
    case 1:
      AnsWriteText2Numbers(s, "-\\cos(", a, "x^2+1)/", d, "");
      break;
    case 2:
      AnsWriteText2Numbers(s, "\\sin(", a, "x^2+1)/", d, "");
      break;
    case 3:
      AnsWriteText2Numbers(s, "-\\ln(\\cos(", a, "x^2+1))/", d, "");
      break;
    case 4:
      AnsWriteText2Numbers(s, "\\ln(\\sin(", a, "x^2+1))/", d, "");
      break;
    case 7:
      AnsWriteText3Numbers(s, "(", a, "x^2+1)(\\ln(", a, "x^2+1)-1)/", d, "");
      break;
    case 8:
      AnsWriteText2Numbers(s, "\\ch(", a, "x^2+1)/", d, "");
      break;
    case 9:
      AnsWriteText2Numbers(s, "\\sh(", a, "x^2+1)/", d, "");
      break;
    default:
      AnsWriteText4NumbersLn(s, "\\left((", a, "x^2+1)\\arctg(", a, "x^2+1)-(1/2)\\ln(1+(", a,
                             "x^2+1)^2)\\right)/", d, "");
      break;
  }
}

// Family 3: integration by parts, by P4.
void WriteFamilyThree(SharedState& s, int a) {
  const int a2 = a * a;
  switch (s.P4) {
    case 1:
      WriteTextNumberLn(s, "\\arcsin(", a, "x)dx");
      AnsWriteText2Numbers(s, "x\\arcsin(", a, "x)+\\sqrt{1/", a2, "-x^2}");
      break;
    case 2:
      WriteTextNumberLn(s, "\\arccos(", a, "x)dx");
      AnsWriteText2Numbers(s, "x\\arccos(", a, "x)-\\sqrt{1/", a2, "-x^2}");
      break;
    case 3:
      WriteTextNumberLn(s, "x\\exp(", a, "x)dx");
      AnsWriteText3Numbers(s, "e^{", a, "x}(", a, "x-1)/", a2, "");
      break;
    case 4:
      WriteTextNumberLn(s, "x\\ln(", a, "x)dx");
      AnsWriteTextNumberLn(s, "(x^2/4)(2\\ln(", a, "x)-1)");
      break;
    case 5:
      WriteTextNumberLn(s, "x\\sh(", a, "x)dx");
      AnsWriteText4NumbersLn(s, "(", a, "x\\ch(", a, "x)-\\sh(", a, "x))/", a2, "");
      break;
    case 6:
      WriteTextNumberLn(s, "x\\ch(", a, "x)dx");
      AnsWriteText4NumbersLn(s, "(", a, "x\\sh(", a, "x)-\\ch(", a, "x))/", a2, "");
      break;
    case 7:
      WriteTextNumberLn(s, "\\arctg(", a, "x)dx");
      AnsWriteText2NumbersLn(s, "x\\arctg(", a, "x)-(1/", 2 * a, ")");
      AnsWriteTextNumberLn(s, "\\ln(1+", a2, "x^2)");
      break;
    case 8:
      WriteTextNumberLn(s, "\\arcctg(", a, "x)dx");
      AnsWriteText2NumbersLn(s, "x\\arcctg(", a, "x)+(1/", 2 * a, ")");
      AnsWriteTextNumberLn(s, "\\ln(1+", a2, "x^2)");
      break;
    case 9:
      WriteTextNumberLn(s, "\\arcsh(", a, "x)dx");
      AnsWriteText2Numbers(s, "x\\arcsh(", a, "x)-\\sqrt{1/", a2, "+x^2}");
      break;
    case 10:
      WriteTextNumberLn(s, "\\arcch(", a, "x)dx");
      AnsWriteText2Numbers(s, "x\\arcch(", a, "x)-\\sqrt{x^2-1/", a2, "}");
      break;
    default:
      WriteLine(s, "\\cos(\\ln(x))dx");
      AnsWrite(s, "(\\cos(\\ln(x))+\\sin(\\ln(x)))x/2");
      break;
  }
}

std::string Num(int v) { return toolkit::FormatNumber(v); }

// Family 4: integrals by parts where the integral left over needs one more step (a second
// substitution, or a second integration by parts that returns the integral itself).
void WriteFamilyFour(SharedState& s, int a) {
  const std::string ax = Num(a) + "x", a2 = Num(a * a);
  const std::string quarter = "/" + Num(4 * a);  // x sqrt(..)/(4a) of the inverse functions
  switch (s.P4) {
    case 1:
      WriteTextNumberLn(s, "x\\arcsin(", a, "x)dx");
      AnsWrite(s, "(x^2/2-1/" + Num(4 * a * a) + ")\\arcsin(" + ax + ")+x\\sqrt{1-" + a2 +
                      "x^2}" + quarter);
      break;
    case 2:
      WriteLine(s, "x\\cos(\\ln(x))dx");
      AnsWrite(s, "x^2(2\\cos(\\ln(x))+\\sin(\\ln(x)))/5");
      break;
    case 3:
      WriteTextNumberLn(s, "x\\arcsh(", a, "x)dx");
      AnsWrite(s, "(x^2/2+1/" + Num(4 * a * a) + ")\\arcsh(" + ax + ")-x\\sqrt{1+" + a2 +
                      "x^2}" + quarter);
      break;
    case 4:
      WriteTextNumberLn(s, "x\\arcch(", a, "x)dx");
      AnsWrite(s, "(x^2/2-1/" + Num(4 * a * a) + ")\\arcch(" + ax + ")-x\\sqrt{" + a2 +
                      "x^2-1}" + quarter);
      break;
    case 5:
      WriteTextNumberLn(s, "x\\arccos(", a, "x)dx");
      AnsWrite(s, "(x^2/2-1/" + Num(4 * a * a) + ")\\arccos(" + ax + ")-x\\sqrt{1-" + a2 +
                      "x^2}" + quarter);
      break;
    case 6:
      WriteTextNumberLn(s, "x\\arctg(", a, "x)dx");
      AnsWrite(s, "(x^2/2+1/" + Num(2 * a * a) + ")\\arctg(" + ax + ")-x/" + Num(2 * a));
      break;
    case 7:
      WriteTextNumberLn(s, "\\frac{\\cos(", a, "\\ln(x))}{x}dx");
      AnsWrite(s, "\\sin(" + Num(a) + "\\ln(x))/" + Num(a));
      break;
    case 8:
      WriteLine(s, "\\frac{\\ln(\\ln(x))}{x}dx");
      AnsWrite(s, "\\ln(x)(\\ln(\\ln(x))-1)");
      break;
    default:
      WriteTextNumberLn(s, "x\\arcctg(", a, "x)dx");
      AnsWrite(s, "(x^2/2+1/" + Num(2 * a * a) + ")\\arcctg(" + ax + ")+x/" + Num(2 * a));
      break;
  }
}

// Family 5: integrals by parts after the substitution u = x^2 (u = x^2 + a in the second):
// half the antiderivative of f(a u).
void WriteFamilyFive(SharedState& s, int a) {
  const std::string ax2 = Num(a) + "x^2", a2 = Num(a * a);
  switch (s.P4) {
    case 1:
      WriteTextNumberLn(s, "x\\arcsin(", a, "x^2)dx");
      AnsWrite(s, "(x^2\\arcsin(" + ax2 + ")+\\sqrt{1/" + a2 + "-x^4})/2");
      break;
    case 2: {
      WriteTextNumberLn(s, "x\\cos(\\ln(x^2+", a, "))dx");
      const std::string u = "x^2+" + Num(a);
      AnsWrite(s, "(" + u + ")(\\cos(\\ln(" + u + "))+\\sin(\\ln(" + u + ")))/4");
      break;
    }
    case 3:
      WriteTextNumberLn(s, "x\\arcsh(", a, "x^2)dx");
      AnsWrite(s, "(x^2\\arcsh(" + ax2 + ")-\\sqrt{1/" + a2 + "+x^4})/2");
      break;
    case 4:
      WriteTextNumberLn(s, "x\\arcch(", a, "x^2)dx");
      AnsWrite(s, "(x^2\\arcch(" + ax2 + ")-\\sqrt{x^4-1/" + a2 + "})/2");
      break;
    case 5:
      WriteTextNumberLn(s, "x\\arccos(", a, "x^2)dx");
      AnsWrite(s, "(x^2\\arccos(" + ax2 + ")-\\sqrt{1/" + a2 + "-x^4})/2");
      break;
    case 6:
      WriteTextNumberLn(s, "x\\arctg(", a, "x^2)dx");
      AnsWrite(s, "x^2\\arctg(" + ax2 + ")/2-\\ln(1+" + a2 + "x^4)/" + Num(4 * a));
      break;
    default:
      WriteTextNumberLn(s, "x\\arcctg(", a, "x^2)dx");
      AnsWrite(s, "x^2\\arcctg(" + ax2 + ")/2+\\ln(1+" + a2 + "x^4)/" + Num(4 * a));
      break;
  }
}

}  // namespace

void BeginSubstitutionIntegralProblem(SharedState& s) {
  IntegralItemCount = static_cast<std::uint8_t>(s.Level);
  s.ParboxWidth = 175;
  WriteText(s, "Найти неопределенный интеграл");
  EndTableHeadWithReference(s, 147);
  // \providecommand: a document that holds this problem twice must not define them twice.
  WriteText(s, "\\providecommand{\\arcch}{\\mbox{arcch}}");
  WriteText(s, "\\providecommand{\\arcsh}{\\mbox{arcsh}}");
}

void WriteSubstitutionIntegralVariant(SharedState& s) {
  const SecondAnswersFileScope to_second_file(s);
  int a = Pair(s.P3), b = Pair(s.P4), k = s.P2 / 2;
  AnsBeginVariant(s);
  for (int i = 1; i <= IntegralItemCount; ++i) {
    ++a, ++b;
    if (i == s.P1) a = 2;
    if (i == s.P2) b = 2;
    if (b == a) ++b;
    k = k >= 5 ? 1 : k + 1;
    if (IntegralItemCount > 1) WriteTextNumberLn(s, "\\par ", i, ")");
    WriteText(s, " \\ $\\displaystyle{\\int ");
    AnsWriteTextNumberLn(s, "", i, "&\\rule{0pt}{14pt}$\\displaystyle{ ");
    switch (k) {
      case 1:
        WriteFamilyOne(s, a, b);
        break;
      case 2:
        WriteFamilyTwo(s, a);
        break;
      case 3:
        WriteFamilyThree(s, a);
        break;
      case 4:
        WriteFamilyFour(s, a);
        break;
      default:
        WriteFamilyFive(s, a);
        break;
    }
    WriteText(s, "}$");
    AnsWrite(s, "}$\\\\");
  }
  // AnsBeginVariant opens the table inside a center environment: close both.
  AnsWrite(s, "\\hline\\end{tabular}\\end{center}");
  WriteText(s, "\\vskip2mm");
}

}  // namespace calculus
