#include <string>

#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Where the students of template 4 had their practice (prepositional case).
constexpr std::string_view kCountriesA[] = {"Германии", "Польше", "Румынии", "Болгарии", "Израйле"};
constexpr std::string_view kCountriesB[] = {"Франции", "Англии", "Испании", "Турции", "Египте"};

std::string_view Country(const std::string_view (&table)[5], int k) {
  return table[k >= 1 && k <= 5 ? k - 1 : 0];
}

}  // namespace

void BeginInclusionExclusionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 3);
  // The third cell of every row, the template number, has a heading of its own.
  toolkit::AnsWriteLine(
      s, s.StudentsMode ? "\\No & N & шаблон & \\\\\\hline" : "\\No & N & шаблон  \\\\\\hline");
}

// Every template is built backwards from its answer, so all counts are whole numbers.
void WriteInclusionExclusionVariant(SharedState& s) {
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  toolkit::WriteText(s, "\\fboxsep=10pt");
  int answer = 0;
  switch (s.P1) {
    case 1: {
      const int sum = s.P2 + s.P6 + s.P3 + s.P4 + 6;
      const int c = s.P3 + 2;
      const int b = s.P4;
      toolkit::WriteText2NumbersLn(
          s, "Множество $A$ состоит из ", 2 * sum, " чисел, ", 2 * c,
          " из которых делятся на 6, остальные числа четные или делятся на 3.");
      toolkit::WriteTextNumberLn(
          s, " Сколько чисел в этом множестве делятся на 3, если известно, что таких чисел на ",
          2 * b, " больше чем четных?");
      answer = sum + c + b;
      break;
    }
    case 2: {
      const int sum = s.P2 + s.P7 + s.P3 + s.P4 + 2;
      const int c = s.P3 + 3;
      const int b = s.P4;
      toolkit::WriteText2NumbersLn(s, "Множество мощностью ", 2 * sum,
                                   " состоит из сюръективных и инъективных отображений, ", 2 * c,
                                   " из которых биективные.");
      toolkit::WriteTextNumberLn(
          s, " Сколько в этом множестве сюръективных отображений, если известно, что их на ", 2 * b,
          " больше чем инъективных?");
      answer = sum + c + b;
      break;
    }
    case 3: {
      const int m = s.P4 + s.P7 + 4;
      const int k = s.P3 + 1;
      const int t = s.P2 + m + s.P6;
      toolkit::WriteText2NumbersLn(
          s, "Множество $A$ состоит из сюръективных и инъективных отображений, ", t,
          " из которых сюръективные; $Card(A)=", (k - 1) * m + t, "$.");
      toolkit::WriteTextNumberLn(
          s, " Сколько инъективных отображений в этом множестве, если известно, что их в ", k,
          " раз больше чем биективных?");
      answer = m * k;
      break;
    }
    case 4: {
      const int a = s.P2 + s.P4 + 5;
      const int u = 2 * a + 5 * s.P3;
      const std::string x(Country(kCountriesA, s.P5));
      const std::string y(Country(kCountriesB, s.P6));
      const std::string first = " Группа студентов проходила производственную практику в " + y +
                                " и " + x + ". Половина студентов проходила практику в  " + y +
                                ". В обеих странах учились ";
      const std::string last =
          " студентов --- в " + x + ". " + " Сколько студентов в группе, если все прошли практику?";
      toolkit::WriteText2NumbersLn(s, first, a, " студентов,  ", u, last);
      answer = 2 * (u - a);
      break;
    }
    case 5: {
      const int e = s.P4 + 4;
      const int f = 2 * s.P3 + e + s.P4;
      const int g = s.P4 + s.P2 + s.P7 + 5;
      const int h = s.P5 + 1 + 2 * s.P3;
      const int k = s.P6 + e + 1;
      toolkit::WriteText2NumbersLn(
          s, "Множество $A$ состоит из чисел, имеющих множители 2, 3 и 5. Чисел, кратных 5, на  ",
          h, "  больше чисел, делящихся на 6, а чисел, кратных 3, на ", k,
          " больше чисел, кратных 10. ");
      toolkit::WriteText3NumbersLn(
          s, "Известно, что ", f, " чисел делится на 15, а ", e,
          " чисел делится на 30. Найти $Card(A)$, если известно, что в множестве ", g,
          " четных чисел.");
      answer = g + e - f + h + k;
      break;
    }
    default: {
      const int m = s.P4 + s.P6 + 5;
      const int k = s.P3 + 1;
      const int t = s.P2 + m + s.P7;
      toolkit::WriteText2NumbersLn(
          s, "Множество $A$ состоит из ", (k - 1) * m + t, " чисел, ", t,
          " из которых делятся на 3, остальные числа четные или делятся на 6.");
      toolkit::WriteTextNumberLn(
          s, " Сколько четных чисел в этом множестве, если известно, что таких чисел в ", k,
          " раз больше чем чисел, делящихся на 6?");
      answer = m * k;
      break;
    }
  }
  toolkit::AnsWriteTextNumber(s, "", answer, "");
  toolkit::AnsWriteTextNumber(s, "&", s.P1, "");
}

}  // namespace discrete
