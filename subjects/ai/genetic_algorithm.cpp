#include <array>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/supports.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

struct Quality {
  int a = 0, b = 0, c = 0, d = 0;  // Z = (x + a y + b) / (c x^2 + d y^2 + 1)
};

double GeneticQuality(const Quality& q, int x, int y) {
  return (x + q.a * y + q.b) / static_cast<double>(q.c * x * x + q.d * y * y + 1);
}

/// The binary digits of a stored parameter minus one, taken as an 8-bit value.
toolkit::TBinaryDigits DigitsBelow(int p) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p - 1), d);
  return d;
}

void DefineGeneBox(SharedState& s, const char* name, const char* colour) {
  toolkit::BeginSaveBox(s, name);
  toolkit::WriteText(s, std::string("\\fcolorbox{black}{") + colour + "}{\\phantom{\\small e}}");
  toolkit::EndSaveBox(s);
}

}  // namespace

void BeginGeneticAlgorithmProblem(SharedState& s) {
  s.BlockCentred = false;
  s.ParboxWidth = 190;
  toolkit::AnsBeginTable(s, 6);
  toolkit::AnsWriteLine(s, "\\No\\ru & 1 & 2 & 3 & 4 & max \\\\\\hline");
  toolkit::WriteLine(
      s,
      " Дана начальная популяция из четырех хромосом с двумя генами $x$ и $y$.  Показатель "
      "качества хромосомы оценивается функцией $Z$. При равном качестве   хромосом предпочтение "
      "отдается хромосоме с большим номером. На каждом этапе хромосома $a$  с высшим качеством "
      "порождает четыре новых хромосомы $b_1$, $c_1$, $b_2$, $c_2$, обмениваясь генами с  двумя "
      "хромосомами  $b$ и $c$ более низкого качества  по указанной схеме.  Последняя хромосома "
      "(с низшим качеством) выбывает из популяции.\\par Найти максимальный показатель качества "
      "хромосомы в популяции и общее качество популяции после четырех этапов эволюции. "
      "\\\\\\noindent ");
  DefineGeneBox(s, "pred", "red");
  DefineGeneBox(s, "pgreen", "green");
  DefineGeneBox(s, "pmagenta", "white");
  DefineGeneBox(s, "pblue", "blue");
  DefineGeneBox(s, "pcyan", "cyan");
  DefineGeneBox(s, "pyellow", "yellow");

  // The exchange scheme: parents a, b, c above, the children b1, c1, b2, c2 below.
  toolkit::BeginSaveBox(s, "pokolen");
  figures::PutBox(s, "pred", 0, 40);
  figures::PutBox(s, "pgreen", 0, 53);
  figures::PutBox(s, "pmagenta", 26, 40);
  figures::PutBox(s, "pblue", 26, 53);
  figures::PutBox(s, "pcyan", 52, 40);
  figures::PutBox(s, "pyellow", 52, 53);
  figures::DrawVector(s, 3, -2, 6, 56, 60);
  figures::DrawVector(s, 1, -1, 6, 56, 40);
  figures::DrawVector(s, 1, -3, 6, 43, 15);
  figures::DrawVector(s, -1, -3, 6, 43, 15);
  figures::DrawVector(s, -1, -1, 26, 58, 36);
  figures::DrawVector(s, -1, -1, 52, 58, 36);
  figures::DrawVector(s, 1, -4, 32, 36, 8);
  figures::DrawVector(s, 1, -4, 58, 36, 8);
  figures::PutLabel(s, "$a$", 6, 65);
  figures::PutLabel(s, "$b$", 32, 65);
  figures::PutLabel(s, "$c$", 58, 65);
  figures::PutBlueLabel(s, "I.", -13, 51);
  figures::PutBlueLabel(s, "II.", -26, 11);
  figures::PutLabel(s, "$b_1$", -8, -12);
  figures::PutLabel(s, "$c_1$", 16, -12);
  figures::PutLabel(s, "$b_2$", 43, -12);
  figures::PutLabel(s, "$c_2$", 69, -12);
  figures::PutBox(s, "pred", -13, 0);
  figures::PutBox(s, "pblue", -13, 13);
  figures::PutBox(s, "pred", 13, 0);
  figures::PutBox(s, "pyellow", 13, 13);
  figures::PutBox(s, "pmagenta", 39, 0);
  figures::PutBox(s, "pgreen", 39, 13);
  figures::PutBox(s, "pcyan", 65, 0);
  figures::PutBox(s, "pgreen", 65, 13);
  toolkit::EndSaveBox(s);

  // The empty chromosome table: the x genes above, the y genes below.
  toolkit::BeginSaveBox(s, "hromos");
  for (int k = 1; k <= 4; ++k) {
    figures::DrawRotatedBlock(s, 5, 20 * k + 80, 50, 0, 12, 12);
    figures::DrawRotatedBlock(s, 5, 20 * k + 80, 38, 0, 12, 12);
  }
  figures::PutLabel(s, "$x$", 91, 54);
  figures::PutLabel(s, "$y$", 91, 42);
  toolkit::EndSaveBox(s);
}

void WriteGeneticAlgorithmVariant(SharedState& s) {
  const Quality q{s.P1 - 4, s.P2 - 4, s.P4, s.P3};
  const toolkit::TBinaryDigits d7 = DigitsBelow(s.P7), d6 = DigitsBelow(s.P6);
  std::array<int, 5> x{}, y{};  // chromosomes 1..4
  x[1] = -3 * d7[1] + d7[2] - 2;
  for (int k = 1; k <= 3; ++k) x[k + 1] = x[k] + 1 + d7[k];
  bool used[16] = {};
  for (int k = 1; k <= 4; ++k) {
    int u = 2 * d6[k] + d7[k] + 1;
    while (used[u]) ++u;
    used[u] = true;
    y[k] = u - 3;
  }

  // The quality function stands under the table of genes, inside the picture, which holds the
  // whole drawing: the generation scheme from x = -22, its labels down to y = -14, the genes
  // to x = 176.
  toolkit::BeginPicture(s, 205, 88, -25, -15);
  figures::PutBox(s, "pokolen", 0, 0);
  figures::PutBox(s, "hromos", 0, 0);
  for (int k = 1; k <= 4; ++k) {
    figures::PutValueLabel(s, 20 * k + 83, 52, x[k]);
    figures::PutValueLabel(s, 20 * k + 83, 40, y[k]);
  }
  toolkit::WriteText(s, "\\put(88,-1){$Z=\\frc{x");
  toolkit::WriteSignedCoefTerm(s, q.a, "y");
  toolkit::WriteSignedNumberLn(s, q.b);
  toolkit::WriteText(s, "}{");
  toolkit::WriteLeadingCoefTerm(s, q.c, "x^2");
  toolkit::WriteSignedCoefTerm(s, q.d, "y^2+1}$}");
  toolkit::EndPicture(s);

  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  std::array<double, 5> quality{};
  for (int stage = 1; stage <= 4; ++stage) {
    std::array<int, 5> idx{0, 1, 2, 3, 4};
    for (int k = 1; k <= 4; ++k) quality[k] = GeneticQuality(q, x[k], y[k]);
    // Three bubble passes; a pair is exchanged only when the first is strictly better, so of
    // equal qualities the higher-numbered chromosome ranks higher.
    for (int last = 3; last >= 1; --last) {
      for (int i = 1; i <= last; ++i) {
        if (quality[i] > quality[i + 1]) {
          std::swap(quality[i], quality[i + 1]);
          std::swap(idx[i], idx[i + 1]);
        }
      }
    }
    const int a = idx[4], b = idx[3], c = idx[2];
    const std::array<int, 5> nx{0, x[c], x[b], x[a], x[a]};
    const std::array<int, 5> ny{0, y[a], y[a], y[c], y[b]};
    x = nx;
    y = ny;
    s.AnswersFile.Write(
        "&" + toolkit::FormatFixed(quality[1] + quality[2] + quality[3] + quality[4], 5, 3));
  }
  s.AnswersFile.Write("&" + toolkit::FormatFixed(quality[4], 5, 3));
}

}  // namespace ai
