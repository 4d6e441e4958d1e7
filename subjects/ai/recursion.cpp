#include <string>
#include <string_view>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

// The thirty sequences as printed: f(1)..f(6).
const toolkit::IndexedArray<std::string_view, 1, 30> kRecursionValues = [] {
  toolkit::IndexedArray<std::string_view, 1, 30> t;
  const std::string_view v[30] = {
      "1, 2, 3, 7, 22, 155",     "1, 3, 7, 15, 31, 63",     "1, 3, 12, 60, 360, 2520",
      "1, 2, 3, 5, 8, 13",       "1, 2, 5, 11, 21, 36",     "1, 3, 5, 11, 21, 43",
      "1, 3, 7, 17, 41, 99",     "1, 3, 10, 41, 206, 1237", "1, 4, 11, 26, 57, 120",
      "1, 5, 11, 19, 29, 41",    "1, 4, 7, 19, 40, 97",     "1, 5, 18, 58, 179, 543",
      "1, 7, 16, 28, 43, 61",    "1, 4, 8, 16, 29, 51, ",   "1, 6, 13, 27, 50, 89",
      "1, 5, 14, 37, 93, 229",   "1, 3, 5, 9, 15, 25",      "1, 5, 10, 24, 49, 103",
      "1, 3, 10, 43, 225, 1393", "1, 1, 2, 7, 33, 191",     "1, 1, 9, 33, 81, 161",
      "1, 2, 5, 13, 32, 74",     "0, 4, 13, 29, 54, 90",    "0, 4, 5, 11, 14, 22",
      "1, 1, 3, 18, 180, 2700",  "1, 2, 5, 14, 47, 194",    "2, 3, 7, 19, 63, 259",
      "1, 0, 1, 4, 15, 64",      "1, 2, 4, 9, 24, 79",      "2, 4, 9, 27, 107, 533",
  };
  for (int i = 1; i <= 30; ++i) t[i] = v[i - 1];
  return t;
}();

// The answer cells: f(7), the cell separator and the recurrence (g[n] stands for f(n)), blanks
// kept as stored.
const toolkit::IndexedArray<std::string_view, 1, 30> kRecursionAnswers = [] {
  toolkit::IndexedArray<std::string_view, 1, 30> t;
  const std::string_view a[30] = {
      "3411 & g[n-1]g[n-2]+1     ", "127  & 2g[n-1]+1         ", "20160&(n+1)g[n-1]       ",
      "21   & g[n-1]+g[n-2]     ",  "57   & g[n-1]+(n-1)n/2   ", "85   & g[n-1]+2g(n-2)    ",
      "239  & 2g[n-1]+g(n-2)    ",  "8660 & ng[n-1]+1         ", "247  & 2g[n-1]+n         ",
      "55   & g[n-1]+2n         ",  "217  & g[n-1]+3g[n-2]    ", "1636 & 3g[n-1]+n         ",
      "82   & g[n-1]+3n         ",  "87   & g[n-1]+g[n-2]+n   ", "153  &g[n-1]+g[n-2]+2n   ",
      "558  &2g[n-1]+g[n-2]+n   ",  "41 &  g[n-1]+g[n-2]+1    ", "208&  g[n-1]+2g[n-2]+n   ",
      "9976& ng[n-1]+g[n-2]     ",  "1304 &ng[n-1]-g[n-2]     ", "281&  g[n-1]+4(n-2)(n-1) ",
      "163 &2g[n-1]+(n-2)(n-1)/2",  "139  &n*n+g[n-1]         ", "27   &n*n-g[n-1]         ",
      "56700& g[n-1]n(n-1)/2    ",  "977  &g[n-1](n-2)+n      ", "1303 &g[n-1](n-2)+n+1    ",
      "325  &g[n-1](n-2)+n-2    ",  "324  &g[n-1](n-3)+n+1    ", "3195 &g[n-1](n-1)-n+4    ",
  };
  for (int i = 1; i <= 30; ++i) t[i] = a[i - 1];
  return t;
}();

}  // namespace

void BeginRecursionProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::AnsBeginTable(s, 4);
  toolkit::WriteLine(s, "\\noindent  При $x=1,2,3,4,5,6$ функция $f(x)$ ");
  toolkit::WriteLine(s, "принимает указанные значения. Чему равно значение $f(7)$ ? ");
  toolkit::WriteLine(s, "Создать рекуррентную процедуру.\\par\\noindent ");
  // The head names the columns: the number, f(7) and the recurrence in g[n] = f(n).
  toolkit::AnsWrite(s, "\\No\\ru & $f(7)$ & $g[n]$");
  toolkit::AnsEndTableRow(s);
}

void WriteRecursionVariant(SharedState& s) {
  const int row = s.P1;
  toolkit::WriteText(s, kRecursionValues[row]);
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s),
                              " & " + std::string(kRecursionAnswers[row]));
}

}  // namespace ai
