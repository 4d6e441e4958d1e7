#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

using Grades = std::array<double, 4>;  // the elements a, b, c, d

double FuzzyMin(double x, double y) { return x < y ? x : y; }
double FuzzyMax(double x, double y) { return x > y ? x : y; }
double FuzzyNot(double x) { return 1 - x; }

void WriteSet(SharedState& s, const char* name, const Grades& g) {
  toolkit::WriteText4NumbersLn(s, std::string("$") + name + "=", g[0], "/a + ", g[1], "/b + ", g[2],
                               "/c + ", g[3], "/d ;$\\\\");
}

}  // namespace

void BeginFuzzySetsProblem(SharedState& s) {
  s.ParboxWidth = 185;
  toolkit::WriteText(
      s, "Определить результат действий над нечеткими множествами.\\vskip3mm\\noindent ");
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWrite(
      s, " & \\multicolumn{4}{c|}{$X$}& \\multicolumn{4}{c|}{$Y$} & Результат \\\\\\hline");
}

void WriteFuzzySetsVariant(SharedState& s) {
  // The grades come from the variant's stored record, which holds P1..P7.
  const auto& v = s.StoredVariants[s.VariantIndex];
  const auto tenth = [&v](int k) { return v[k] / 10.0; };
  const Grades a{tenth(1), tenth(2), tenth(3), tenth(4)};
  const Grades b{tenth(4), tenth(5), tenth(6), tenth(7)};
  const Grades c{tenth(1), tenth(3), tenth(5), tenth(7)};
  WriteSet(s, "A", a);
  WriteSet(s, "B", b);
  WriteSet(s, "C", c);

  Grades x{}, y{}, z{};
  for (int i = 0; i < 4; ++i) {
    if (s.P1 <= 3) {
      x[i] = FuzzyMax(a[i], FuzzyNot(b[i]));
    } else if (s.P1 <= 6) {
      x[i] = FuzzyMin(b[i], FuzzyNot(a[i]));
    } else {
      x[i] = FuzzyMax(b[i], FuzzyNot(a[i]));
    }
    if (s.P2 <= 3) {
      y[i] = FuzzyMax(a[i] * a[i], c[i]);
    } else if (s.P2 <= 6) {
      const double sum = a[i] + c[i] - a[i] * c[i];
      y[i] = sum * sum;
    } else {
      y[i] = std::sqrt(b[i] * c[i]);
    }
    if (s.P3 <= 3) {
      z[i] = FuzzyMax(x[i], y[i]);
    } else if (s.P3 <= 6) {
      z[i] = FuzzyMin(x[i], y[i]);
    } else {
      z[i] = FuzzyMin(FuzzyNot(x[i]), y[i]);
    }
  }
  toolkit::WriteText(s, s.P1 <= 3   ? "$ X= A \\cup \\bar B$, \\ \\ "
                        : s.P1 <= 6 ? "$ X= \\bar A \\cap B$, \\ \\ "
                                    : "$ X= \\bar A \\cup B$, \\ \\ ");
  toolkit::WriteText(s, s.P2 <= 3   ? "$ Y= $ CON $(A)\\cup C$\\\\"
                        : s.P2 <= 6 ? "$ Y= $CON$(A\\hat{+}C),$\\\\"
                                    : "$ Y= $DIL$(CB),$\\\\");
  toolkit::WriteText(s, s.P3 <= 3   ? "$X\\cup Y$ =?"
                        : s.P3 <= 6 ? "$X\\cap Y$ =?"
                                    : "$\\bar X\\cap Y$ =?");

  toolkit::AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  toolkit::AnsWriteText4NumbersLn(s, " & $", x[0], "$ & $", x[1], " $&$ ", x[2], "$ & $", x[3],
                                  "$ &");
  toolkit::AnsWriteText4NumbersLn(s, "$", y[0], "$ & $", y[1], " $&$ ", y[2], "$ & $", y[3], "$ &");
  s.AnswersFile.WriteLine("$" + toolkit::FormatFixed(z[0], 5, 2) + "/a$+$" +
                          toolkit::FormatFixed(z[1], 5, 2) + "/b $+$ " +
                          toolkit::FormatFixed(z[2], 5, 2) + "/c$+$" +
                          toolkit::FormatFixed(z[3], 5, 2) + "/d$ ");
}

}  // namespace ai
