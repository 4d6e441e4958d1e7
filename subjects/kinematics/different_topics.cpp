#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;

// The statement lines and the answer formula of each problem of the catalogue.
struct ShortProblem {
  std::array<const char*, 3> lines;
  const char* answer;
};

constexpr ShortProblem kProblems[] = {
    {{" Два одинаковых ползуна соединены жестким стержнем $AB$ длиной $l$. Найти его мгновенную угловую скорость, если известны углы  $\\alpha, \\beta$ и  скорость $v$ ползуна A."},
     "$  \\omega=v\\sin\\beta/(l\\cos(\\alpha-\\beta))$"},  // 1
    {{" Отрезок $AB$ длиной $l$ совершает плоское движение. В некоторый момент направления векторов скоростей  его концов задаются углами $\\alpha$ и $\\beta$. Найти скорость точки $A$, если известна  угловая скорость $\\omega$."},
     "$ v_A=\\omega l\\cos\\beta/\\sin(\\alpha-\\beta)$"},  // 2
    {{" Определить мгновенную угловую скорость прямоугольного треугольника $ABC$, совершающего плоское движение,  если ${\\vla=\\vlb}$. Известна скорость $v_c$ и длины катетов $AB$ и $BC$."},
     "$\\omega=v_c/\\sqrt{(AB^2/(2BC))^2+(AB/2)^2}$"},  // 3
    {{" Найти скорость вершины $C$ прямоугольного треугольника $ABC$ у которого скорости точек $A$ и $B$ равны по величине, а мгновенная угловая скорость равна $\\omega$. Известны длины   $AС$ и $BC$."},
     "$ v=0.5\\omega\\sqrt{AC^2-BC^2}$"},  // 4
    {{" Муфта С движется с постоянной скоростью $v$ вверх по качающемуся на шарнире O стержню OA длиной $L$. Найти скорость ползуна B при вертикальном положении OA. Даны размеры: $AB=BC=l$ и $h$.\\\\ \\rule{0pt}{6pt} "},
     "$ v_B=0.5vL/\\sqrt{l^2-(L-h)^2}$"},  // 5
    {{" Даны скорости двух точек тела, совершающего плоское движение:  ${\\vla=v}$, ${\\vlb=v/2}$.  Найти скорость середины отрезка $AB$."},
     "$v_c=v\\sqrt{7}/4$"},  // 6
    {{" Известны величины скоростей двух точек тела, совершающего плоское движение:  ${\\vla=2v}$, ${\\vlb=v}$. Найти скорость середины отрезка $AB$."},
     "$v_c=v\\sqrt{7}/2$"},  // 7
    {{" В некоторый момент движения ускорения вершин треугольника $BCD$ равны по величине: ${\\acb=\\acc=\\acd=a}$. Найти  угловое ускорение треугольника. Даны длины катетов  $BC$ и $BD$."},
     "$\\varepsilon=2a\\cdot BD/(BC^2+BD^2)$"},  // 8
    {{" Мгновенный центр ускорений треугольника $BCD$ находится в точке $D$. Ускорение точки $C$ вдвое больше ускорения точки $B$. Найти угловое ускорение треугольника, если угловая  скорость в этот момент равна $\\omega$."},
     "$\\varepsilon=\\sqrt{3}\\omega^2$"},  // 9
    {{" Отрезок BC длиной $l$  движется, имея мгновенную угловую скорость $\\omega$  и угловое ускорение $\\varepsilon$. Найти ускорение  точки $C$, если известно ускорение  $\\acb$."},
     "$a_c=\\sqrt{(a_B\\cos\\alpha-\\omega^2l)^2+(a_B\\sin\\alpha-\\varepsilon l)^2}$"},  // 10
    {{" Колесо радиуса $R$ катится без проскальзывания так, что  ", " вектор ускорения некоторой точки на его ободе горизонтален и равен $3a$,  где $a$ -- ускорение центра колеса. Найти  скорость центра колеса."},
     "$v=\\sqrt{\\sqrt{3}aR}$"},  // 11
    {{" Колесо радиуса $R$ без проскальзывания катится по ровной поверхности с ускорением $a$. Найти  скорость центра колеса в тот момент, когда ускорения  точек  $B$ и $D$ равны между собой по величине."},
     "$v=\\sqrt{aR}$"},  // 12
    {{" Кривошип  планетарного механизма $OB$ длиной  $l$  вращается с постоянной угловой скоростью $\\omega$. Радиус подвижного колеса, катящегося без проскальзывания по неподвижному колесу, равен $r$. Найти ускорение точки $C$."},
     "$a_c=\\omega^2l(1+l/r)$"},  // 13
    {{" Отрезок $BC$ движется, имея мгновенное угловое  ускорение $\\varepsilon$. Найти его угловую скорость, если известно, что величина   ускорения точки $C$ вдвое больше ускорения точки $B$."},
     "$\\omega=\\sqrt{\\varepsilon(\\sqrt{3}-1)}$"},  // 14
    {{" Оси одинаковых катков соединены стержнем $BC$ длиной $l$. Даны ускорения осей катков $\\acb$, $\\acc$,  угол $\\beta$ и мгновенная угловая скорость стержня $\\omega$. Найти угловое ускорение стержня."},
     "$\\varepsilon=\\sqrt{(a_c^2+a_B^2-2a_ca_B\\cos\\beta)/l^2-\\omega^4}$ "},  // 15
    {{" Муфта С, шарнирно закрепленная на конце стержня BC, может перемещаться по направляющему стержню OA. Стержень BC вращается с постоянной угловой скоростью $\\omega$.", " Найти угловую скорость и угловое ускорение стержня OA в указанном положении. Угол $\\alpha$ задан."},
     "$\\omega_{OA}=\\omega, \\ \\varepsilon_{OA}=\\omega^2\\mbox{ctg}\\alpha.$"},  // 16
    {{" Муфта С, шарнирно закрепленная на конце стержня BC,  перемещается вверх с постоянной скоростью $v$ по направляющему стержню OA.", " Найти угловую скорость и угловое ускорение стержня OA  в указанном положении. Дан угол $\\alpha$ и расстояние между шарнирами $b$."},
     "$\\omega_{OA}=v/b, \\ \\varepsilon_{OA}=(v/b)^2\\mbox{ctg}\\alpha.$"},  // 17
    {{" Муфта С, шарнирно закрепленная на конце стержня BC, может перемещаться по направляющему стержню OA.  Стержень OA вращается с постоянной угловой скоростью $\\omega$.", " Найти угловую скорость и угловое ускорение стержня BC в указанном положении. Угол $\\alpha$ задан."},
     "$\\omega_{BC}=\\omega, \\ \\varepsilon_{BC}=-\\omega^2\\mbox{ctg}\\alpha.$"},  // 18
    {{" Стержень СD в точке С шарнирно соединен со стержнем OA. Другой его конец продет сквозь муфту, закрепленную на шарнире B.", " Стержень CD совершает плоское движение с постоянной угловой скоростью $\\omega$. Найти угловую скорость и угловое ускорение стержня OA в указанном положении. Угол $\\alpha$ задан."},
     "$\\omega_{OA}=\\omega/\\sin^2\\alpha, \\ \\varepsilon_{OA}=-(\\omega/2)^2\\sin4\\alpha/\\sin^6\\alpha.$"},  // 19
    {{" Стержень СD в точке С шарнирно соединен со стержнем OA. Другой его конец продет сквозь муфту, закрепленную на шарнире B. Расстояние между шарнирами С и B увеличивается с постоянной скоростью $v$.", " Найти угловую скорость и угловое ускорение стержня OA в указанном положении. Дан угол $\\alpha$ и расстояние между шарнирами $b$."},
     "$\\omega_{OA}=v/(b\\sin\\alpha), \\ \\varepsilon_{OA}=(v/b)^2\\mbox{ctg}\\alpha.$"},  // 20
    {{" Стержень СD в точке С шарнирно соединен со стержнем OA. Другой его конец продет сквозь муфту, закрепленную на шарнире B.", " Стержень OA вращается с постоянной угловой скоростью $\\omega$. Найти угловую скорость и угловое ускорение стержня CD в указанном положении. Угол $\\alpha$ задан."},
     "$\\omega_{CD}=\\omega\\sin^2\\alpha, \\ \\varepsilon_{CD}=(\\omega/2)^2\\sin4\\alpha.$"},  // 21
    {{" Стержень BD продет сквозь муфту C, шарнирно закрепленную на стержне OA.  Найти угловую скорость и угловое ускорение стержня AO в указанном положении. Задан угол $\\alpha$ и   постоянная угловая скорость вращения стержня BD $\\omega$. "},
     "$\\omega_{OA}=\\omega/\\sin^2\\alpha, \\ \\varepsilon_{OA}=-(\\omega/2)^2\\sin4\\alpha/\\sin^6\\alpha.$"},  // 22
    {{" Муфта C, шарнирно закрепленная на стержне OA, скользит вверх по направляющему стержню BD со скоростью $v$.  Найти угловую скорость и угловое ускорение стержня OA в указанном положении. Задан угол $\\alpha$ и расстояние $b$. "},
     "$\\omega_{OA}=v/(b\\sin\\alpha), \\ \\varepsilon_{OA}=(v/b)^2\\mbox{ctg}\\alpha.$"},  // 23
    {{" Стержень OA вращается с постоянной угловой скоростью $\\omega$.", " Муфта C, шарнирно закрепленная на стержне OA, скользит  по направляющему стержню BD.", " Найти угловую скорость и угловое ускорение стержня BD в указанном положении. Угол $\\alpha$ задан."},
     "$\\omega_{DB}=\\omega\\sin^2\\alpha, \\ \\varepsilon_{BD}= (\\omega/2)^2\\sin4\\alpha.$"},  // 24
    {{"Длина ленты в магнитофонной касете рассчитана на 45~мин звучания.  Максимальная угловая скорость приемной бобины при воспроизведении равна $\\omega$.  Найти ее угловую скорость через 22.5 мин после начала звучания.", " Диаметр пустой бобины $d$, внешний диаметр полного рулона ленты $D$."},
     "$\\omega_1=\\omega d/\\sqrt{(D^2+d^2)/2}$"},  // 25
    {{"Время воспроизведения  магнитофонной касеты $t_1$, время перемотки -- $t_2$.   Скорость движения ленты при воспроизведении $v$.  Найти угловую скорость приемной бобины при перемотке, считая ее постоянной.", " Диаметр пустой бобины $d$, внешний диаметр полного рулона ленты $D$."},
     "$\\omega=4(t_1/t_2)v/(D+d)$"},  // 26
    {{"Плоский механизм состоит из трех звеньев $OA=BC=b$. Задана постоянная угловая скорость  $\\omega$  звена OA.   По звену AB от A к B с постоянной относительной скоростью $v$ движется точка M.", " Найти абсолютную скорость и абсолютное ускорение M в указанном положении механизма при AM=MB."},
     "$v_{абс}=\\omega b-v,\\ a_{абс}=0.$"},  // 27
    {{" Окружность радиуса $R$ закреплена на стойке AB длиной $R$.  Угловая скорость вращения фигуры вокруг оси О, перпендикулярной ее плоскости,", "  $\\omega=const$. Найти относительную скорость движения точки M по окружности, считая ее постоянной. Известно абсолютное ускорение точки M в указанном положении: $a=2\\omega^2R$."},
     "$v=\\omega R$"},  // 28
    {{" Окружность радиуса $R$ закреплена на стойке AB   и вращается вокруг оси О перпендикулярной ее плоскости с угловой скоростью $\\omega$. ", " Найти относительную скорость  $v$ движения точки М по окружности, считая ее постоянной, если  известно, что абсолютные ускорения точки в момент прохождения противоположных концов диаметра AB равны по модулю."},
     "$v=\\omega R$"},  // 29
    {{" Муфта D, скользящая по стержню OA четырехзвенника OABC, соединена с шарниром B стержнем длиной $l$. Звено OA вращается с постоянной угловой скоростью $\\omega$.", " Найти скорость и ускорение движения муфты по стержню. \\\\ Дано: $OA=AB=BC=b$."},
     "$v=\\omega b, \\ a=\\omega^2b^2/\\sqrt{l^2-b^2}$"},  // 30
};
static_assert(std::size(kProblems) == 30);

using figures::PutLabel;
using figures::PutMathText;

void Thick(SharedState& s, int dx, int dy, double x, double y, double len) {
  figures::DrawThickLatexLine(s, dx, dy, x, y, len);
}

void Block(SharedState& s, double x, double y, double angle, double a, double b) {
  figures::DrawRotatedBlock(s, 5, x, y, angle, a, b);
}

void Dot2(SharedState& s, double x, double y) { figures::PutBracedText(s, "\\circle*{2}", x, y); }

// Closes the figure and opens the statement's box beside it.
void EndFigureOpenStatement(SharedState& s) {
  toolkit::EndPicture(s);
  toolkit::WriteText(s, "\\\\ \\vfill\\noindent\\parbox[b]{220pt}{");
}

void DrawSliderHatching(SharedState& s, double k) {
  figures::DrawHatchTicks(s, 10, 0, k, 1, 0, 6, 2.5 * k);
  figures::DrawHatchTicks(s, 5, 4.5 * k, 2.6 * k, 5, 4, 9, 2 * k);
}

void DrawTwoSlidersFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "A", k - 2, 2 * k);
  Thick(s, 1, 0, 0, k, 2.5 * k);
  Thick(s, 5, 4, 2.5 * k, k, 3 * k + 6);
  figures::DrawSegment(s, 2.5 * k, k, 4 * k, k);
  figures::DrawDashedLineMultiput(s, 3, k, k + 4, k + 17, k + 4);
  figures::PutBracedText(s, "\\small )$\\beta$", 2.5 * k + 9, k + 2);
  figures::PutBracedText(s, "\\small )$\\alpha$", k + 12, k + 5);
  Thick(s, 2, 1, k, k + 4, 4 * k - 5);
  const double bx = s.LineEndX, by = s.LineEndY;
  figures::DrawCircle(s, k, k + 4, 2);
  figures::DrawCircle(s, bx, by, 2);
  s.BlockCentred = false;
  Block(s, 6, k, 0, 12, 8);
  PutMathText(s, "B", bx + 4, by + 4);
  Block(s, bx - 3, by - 8, 0.675, 12, 8);
  DrawSliderHatching(s, k);
}

void DrawRodVelocitiesFigure(SharedState& s) {
  const double k = s.Scale;
  figures::DrawCircle(s, k, k, 3);
  figures::DrawLineBySlope(s, k, k, 1, 0, 4 * k);
  figures::DrawCircle(s, 5 * k, k, 3);
  PutMathText(s, "A", k - 2, k - 9);
  PutMathText(s, "B", 5 * k, k - 9);
  figures::DrawVector(s, 1, 3, k, k, k);
  figures::DrawVector(s, 1, 2, 5 * k, k, k);
  PutMathText(s, "\\vela", 2 * k + 1, 3 * k + 13);
  PutMathText(s, "\\velb", 6 * k, 3 * k + 2);
  PutMathText(s, ") \\alpha", k + 3, k + 2);
  PutMathText(s, ") \\beta", 5 * k + 4, k + 2);
  figures::DrawDashedLineMultiput(s, 4, 5 * k, k, 5 * k + 17, k);
}

void DrawTriangleVcFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "A", k - 3, 2);
  Thick(s, 1, 0, k, k, 4 * k);
  PutMathText(s, "B", 5 * k, 2);
  PutMathText(s, "C", 5 * k + 2, 2 * k + 4);
  Thick(s, 0, 1, 5 * k, k, 2 * k);
  figures::DrawVector(s, 2, 1, 5 * k, 3 * k, 2 * k);
  PutMathText(s, "\\velc", 5 * k + 5, 3 * k + 9);
  Thick(s, -2, -1, 5 * k, 3 * k, 4 * k);
}

void DrawTriangleVcHorizontalFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "A", 2, 4 * k);
  Thick(s, 0, -1, k, 4 * k, 3 * k);
  PutMathText(s, "B", 2, 3);
  Thick(s, 1, 0, k, k, 4 * k);
  PutMathText(s, "C", 5 * k, 3);
  figures::DrawVector(s, 1, 0, 5 * k, k, 1.5 * k);
  PutMathText(s, "\\velc", 6.5 * k - 6, k + 5);
  Thick(s, -4, 3, 5 * k, k, 4 * k);
}

void DrawRodSixtyDegreesFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "A", 0, 0);
  Thick(s, 1, 0, 0, k, 4 * k);
  PutMathText(s, "B", 4 * k, 0);
  figures::DrawVector(s, 1, 3, 0, k, 0.8 * k);
  PutMathText(s, "\\vela", k, 3 * k + 2);
  PutMathText(s, ") 60^\\circ", 3, k + 2);
}

void DrawTwoPointsFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "A", 0, 0);
  figures::DrawCircle(s, 0, k, 3);
  figures::DrawLineBySlope(s, 0, k, 1, 0, 3 * k);
  figures::DrawCircle(s, 3 * k, k, 3);
  figures::DrawVector(s, 1, 0, 3 * k, k, 2 * k);
  PutMathText(s, "\\velb", 4 * k, k + 5);
  PutMathText(s, "B", 3 * k, 0);
}

void DrawTriangleBcdFigure(SharedState& s) {
  const double k = s.Scale;
  PutLabel(s, "D", 2, 4 * k);
  Thick(s, 0, -1, k, 4 * k, 3 * k);
  PutMathText(s, "B", 2, 3);
  Thick(s, 1, 0, k, k, 4 * k);
  PutMathText(s, "C", 5 * k, 3);
  Thick(s, -4, 3, 5 * k, k, 4 * k);
}

void DrawRollingWheelFigure(SharedState& s) {
  Thick(s, 1, 0, 0, 0, 60);
  figures::DrawHatchTicks(s, 20, 0, 0, 1, 0, 4, 60);
  figures::DrawCircle(s, 30, 20, 40);
  figures::DrawCircle(s, 30, 20, 2);
  figures::DrawVector(s, -1, 0, 30, 20, 10);
  PutMathText(s, "\\bar a", 21, 22);
  figures::DrawDashedLineMultiput(s, 7, 8, 20, 54, 20);
  figures::DrawDashedLineMultiput(s, 7, 30, 0, 30, 44);
}

void DrawPlanetaryGearFigure(SharedState& s) {
  figures::DrawCircle(s, 16, 21, 32);
  figures::DrawCircle(s, 44, 21, 24);
  figures::DrawCircle(s, 16, 21, 3);
  figures::DrawCircle(s, 44, 21, 3);
  figures::DrawLineBySlope(s, 16, 21, 1, 0, 28);
  PutLabel(s, "  O", 5, 18);
  PutLabel(s, "  B", 45, 24);
  PutLabel(s, "  C", 58, 18);
  Dot2(s, 56, 21);
  Thick(s, 2, 0, 9, 5.5, 14);
  Thick(s, 2, 0, 8, 5, 16);
  figures::DrawHatchTicks(s, 8, 8, 5, 1, 0, 4, 16);
}

void DrawRodAccelerationsFigure(SharedState& s) {
  const double k = s.Scale;
  Thick(s, 1, 0, 2 * k, k, 4 * k);
  PutMathText(s, "B", k + 7, 2);
  PutMathText(s, "C", 5 * k + 7, 2);
  figures::DrawVector(s, -1, 0, 2 * k, k, 1.5 * k);
  PutMathText(s, "\\accb", 0, k + 4);
  figures::DrawVector(s, -2, 1, 6 * k, k, 2.5 * k);
  PutMathText(s, "\\accc", 3 * k + 4, 2.3 * k + 2);
  figures::PutBracedText(s, "{\\footnotesize $30^\\circ$ (}", 4 * k - 10, k + 2);
}

void DrawRollersFigure(SharedState& s) {
  const double k = s.Scale;
  PutMathText(s, "B", k - 2, 2 * k + 2);
  Thick(s, 1, 0, 0, k, 2.5 * k);
  Thick(s, 5, 4, 2.5 * k, k, 3 * k + 6);
  figures::DrawDashedLineMultiput(s, 3, 2.5 * k, k, 2.5 * k + 4, k);
  figures::PutBracedText(s, "\\small )$\\beta$", 2.5 * k + 9, k + 2);
  Thick(s, 2, 1, k, k + 6, 4 * k - 5);
  const double cx = s.LineEndX, cy = s.LineEndY;
  figures::DrawCircle(s, k, k + 6, 2);
  figures::DrawCircle(s, k, k + 6, 10);
  figures::DrawCircle(s, cx, cy, 2);
  figures::DrawCircle(s, cx, cy, 10);
  PutMathText(s, "C", cx + 4, cy + 4);
  DrawSliderHatching(s, k);
}

// The angle alpha at the hinge B and the line from B toward O.
void DrawAngleAtB(SharedState& s) {
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, 40, 10, kPi - 0.588, kPi, 12);
  figures::DrawSegment(s, 38, 10, 20, 10);
}

void DrawSleeveOnRodFigure(SharedState& s) {
  PutLabel(s, "O", 1, 10);
  PutLabel(s, "C", 1, 28);
  PutLabel(s, "A", 1, 45);
  PutLabel(s, "B", 44, 10);
  figures::PutHingeBox(s, 10, 10);
  figures::PutHingeBox(s, 40, 10);
  figures::SetLineWidth(s, 8);
  figures::DrawSegment(s, 10, 35, 10, 50);
  figures::DrawSegmentShortenedCopy(s, 40, 10, 10, 30, 1.5);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 25);
  figures::SetLineWidth(s, 1);
  s.BlockCentred = true;
  Block(s, 10, 30, 0, 5, 10);
  figures::DrawCircle(s, 10, 30, 3);
  DrawAngleAtB(s);
}

void DrawRodThroughSleeveFigure(SharedState& s) {
  PutLabel(s, "O", 1, 10);
  PutLabel(s, "C", 4, 28);
  PutLabel(s, "A", 4, 45);
  PutLabel(s, "B", 47, 10);
  PutLabel(s, "D", 53, 1);
  figures::PutHingeBox(s, 10, 10);
  figures::PutHingeBox(s, 40, 10);
  figures::SetLineWidth(s, 8);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 50);
  figures::DrawSegmentFromNode(s, 10, 30, 35.5, 13);
  figures::DrawSegment(s, 44.5, 7, 50.5, 3);
  figures::SetLineWidth(s, 1);
  figures::DrawCircle(s, 11, 30, 2);
  s.BlockCentred = true;
  Block(s, 40, 10, kPi - 0.588, 10.5, 5);
  figures::DrawCircle(s, 40, 10, 3);
  DrawAngleAtB(s);
}

void DrawRodThroughHingedSleeveFigure(SharedState& s) {
  PutLabel(s, "O", 1, 10);
  PutLabel(s, "C", 16, 30);
  PutLabel(s, "A", 4, 50);
  PutLabel(s, "B", 47, 10);
  PutLabel(s, "D", 0, 37);
  figures::PutHingeBox(s, 10, 10);
  figures::PutHingeBox(s, 40, 10);
  figures::SetLineWidth(s, 8);
  figures::DrawSegment(s, 10, 32, 10, 50);
  figures::DrawSegmentFromNode(s, 40, 10, 14.5, 27);
  figures::DrawSegment(s, 5.5, 33, 1, 36);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 28);
  figures::SetLineWidth(s, 6);
  figures::LineTo(s, 8, 29);
  figures::LineTo(s, 8, 31);
  figures::LineTo(s, 10, 32);
  figures::SetLineWidth(s, 1);
  figures::DrawCircle(s, 10, 30, 2);
  s.BlockCentred = true;
  Block(s, 10, 30, kPi - 0.588, 10.5, 6);
  figures::DrawCircle(s, 40, 10, 3);
  DrawAngleAtB(s);
}

void DrawCassetteFigure(SharedState& s) {
  s.BlockCentred = true;
  Block(s, 50, 35, 0, 100, 64);
  figures::DrawCircle(s, 30, 35, 12);
  figures::DrawCircle(s, 30, 35, 45);
  figures::DrawCircle(s, 70, 35, 12);
  figures::DrawCircle(s, 70, 35, 22);
  figures::DrawCircle(s, 30, 35, 22);
  figures::DrawCircle(s, 10, 9, 8);
  figures::DrawCircle(s, 90, 9, 8);
  figures::SetLineWidth(s, 8);
  for (int j = 1; j <= 2; ++j) {
    for (int k = 0; k <= 5; ++k) {
      const double a = k * kPi / 3;
      figures::DrawPolarSegment(s, 40 * j - 10 + 5 * std::cos(a), 35 + 5 * std::sin(a), a, 1);
    }
  }
  figures::SetLineWidth(s, 2);
  figures::DrawSegment(s, 10, 5, 90, 5);
  figures::DrawSegment(s, 10, 37, 6, 9.5);
  figures::DrawSegment(s, 82, 37, 93, 11);
  figures::SetLineWidth(s, 1);
  figures::DrawSegment(s, 10, 58, 50, 58);
  figures::DrawSegment(s, 10, 57, 10, 59);
  figures::DrawSegment(s, 50, 57, 50, 59);
  PutLabel(s, "D", 27, 60);
  figures::DrawSegment(s, 58, 58, 82, 58);
  figures::DrawSegment(s, 58, 57, 58, 59);
  figures::DrawSegment(s, 82, 57, 82, 59);
  PutLabel(s, "d", 67, 60);
}

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void LabelPoint(SharedState& s, const char* name, int i, double dx, double dy) {
  PutLabel(s, name, s.PointX[i] + dx, s.PointY[i] + dy);
}

void DrawFourBarPointFigure(SharedState& s) {
  SetPoint(s, 1, 10, 10);
  SetPoint(s, 2, 10, 30);
  SetPoint(s, 3, 70, 30);
  SetPoint(s, 4, 70, 50);
  figures::SetLineWidth(s, 6);
  figures::DrawBar(s, 1, 2);
  figures::DrawBar(s, 2, 3);
  figures::DrawBar(s, 3, 4);
  figures::SetLineWidth(s, 1);
  LabelPoint(s, "O", 1, 3, -3);
  LabelPoint(s, "A", 2, -6, -3);
  LabelPoint(s, "B", 3, 3, -3);
  LabelPoint(s, "C", 4, 3, -3);
  figures::DrawNodeMarker(s, 2);
  figures::DrawNodeMarker(s, 3);
  figures::PutUpHingeBoxAtPoint(s, 4);
  figures::PutHingeBoxAtPoint(s, 1);
  Dot2(s, 40, 30);
  PutLabel(s, "M", 40, 23);
  PutLabel(s, "$\\bar v$", 50, 35);
  figures::DrawVector(s, 1, 0, 40, 33, 15);
}

void DrawRingOnPostFigure(SharedState& s) {
  figures::SetLineWidth(s, 6);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 29);
  figures::SetLineWidth(s, 1);
  PutLabel(s, "O", 13, 6);
  PutLabel(s, "A", 11, 23);
  figures::DrawDashedLine(s, 8, -8, 45, 0, 35, 0.4);
  figures::DrawDashedLine(s, 8, 10, 28, kPi / 2, 35, 0.4);
  figures::DrawCircle(s, 10, 45, 32);
  figures::PutHingeBox(s, 10, 10);
  figures::DrawVector(s, 1, -2, 10, 45, 7.15);
  PutLabel(s, "$R$", 16, 36);
}

void DrawFourBarSleeveFigure(SharedState& s) {
  SetPoint(s, 1, 10, 10);
  SetPoint(s, 2, 10, 60);
  SetPoint(s, 3, 60, 60);
  SetPoint(s, 4, 60, 10);
  SetPoint(s, 5, 10, 35);
  figures::SetLineWidth(s, 6);
  figures::DrawBar(s, 2, 3);
  figures::DrawBar(s, 3, 4);
  figures::DrawBar(s, 5, 3);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 30);
  figures::DrawSegmentFromNode(s, 10, 60, 10, 40);
  figures::SetLineWidth(s, 1);
  LabelPoint(s, "O", 1, 3, -3);
  LabelPoint(s, "A", 2, -8, -3);
  LabelPoint(s, "B", 3, 3, -3);
  LabelPoint(s, "C", 4, 3, -3);
  LabelPoint(s, "D", 5, -9, -3);
  figures::DrawNodeMarker(s, 2);
  figures::DrawNodeMarker(s, 3);
  figures::DrawNodeMarker(s, 5);
  figures::PutHingeBoxAtPoint(s, 4);
  figures::PutHingeBoxAtPoint(s, 1);
  s.BlockCentred = true;
  Block(s, 10, 35, 0, 5, 10);
}

void DrawSwingingRodFigure(SharedState& s) {
  PutLabel(s, "O", 1, 10);
  PutLabel(s, "C", 1, 28);
  PutLabel(s, "A", 3, 58);
  PutLabel(s, "B", 52, 50);
  figures::PutHingeBox(s, 10, 10);
  figures::SetLineWidth(s, 6);
  figures::DrawSegmentFromNode(s, 10, 60, 10, 35);
  figures::DrawSegmentShortenedCopy(s, 50, 45, 10, 60, 1.5);
  figures::DrawSegmentShortenedCopy(s, 50, 45, 10, 30, 1.5);
  figures::DrawSegmentFromNode(s, 10, 10, 10, 25);
  figures::SetLineWidth(s, 1);
  s.BlockCentred = true;
  Block(s, 10, 30, 0, 5, 10);
  figures::DrawCircle(s, 10, 30, 3);
  Block(s, 50, 45, 0, 10, 5);
  figures::DrawCircle(s, 50, 45, 3);
  figures::DrawCircle(s, 10, 60, 3);
  Thick(s, 1, 0, 43, 41, 14);
  figures::DrawHatchTicks(s, 10, 43, 41, 1, 0, 3, 14);
  PutLabel(s, "$h$", 62, 25);
  figures::DrawSegment(s, 60, 10, 60, 45);
  figures::DrawSegment(s, 61, 10, 59, 10);
  figures::DrawSegment(s, 61, 45, 59, 45);
}

void DrawHingeDistanceMark(SharedState& s) {
  figures::DrawSegment(s, 10, 0, 40, 0);
  figures::DrawSegment(s, 10, -1, 10, 1);
  figures::DrawSegment(s, 40, -1, 40, 1);
  PutLabel(s, "$b$", 22, 1);
  EndFigureOpenStatement(s);
}

void DrawRotationArrowAtB(SharedState& s) {
  figures::DrawArcPolyline(s, 1, 40, 10, kPi - 0.888, kPi - 0.288, 20);
  PutLabel(s, "$\\omega$", 20, 25);
  EndFigureOpenStatement(s);
}

void DrawRotationArrowAtO(SharedState& s) {
  figures::DrawArcPolyline(s, 1, 10, 10, kPi / 2 - 0.7, kPi / 2 + 0.7, 10);
  PutLabel(s, "$\\omega$", 1, 21);
}

// The figure of problem p; returns whether it has closed the picture itself.
bool DrawFigure(SharedState& s, int p) {
  const double k = s.Scale;
  switch (p) {
    case 1: DrawTwoSlidersFigure(s); break;
    case 2: DrawRodVelocitiesFigure(s); break;
    case 3: DrawTriangleVcFigure(s); break;
    case 4: DrawTriangleVcHorizontalFigure(s); break;
    case 5: DrawSwingingRodFigure(s); break;
    case 6: DrawTwoPointsFigure(s); break;
    case 7: DrawRodSixtyDegreesFigure(s); break;
    case 8:
      DrawTriangleBcdFigure(s);
      figures::DrawVector(s, 1, 0, s.LineEndX, s.LineEndY, 2 * k);
      PutMathText(s, "\\accd", 3 * k + 3, 3 * k + 8);
      break;
    case 9:
      DrawTriangleBcdFigure(s);
      figures::DrawVector(s, 0, 1, 5 * k, k, 2 * k);
      PutMathText(s, "\\accc", 5 * k + 2, 3 * k + 3);
      break;
    case 10:
      Thick(s, 1, 0, k, k, 4 * k);
      PutMathText(s, "B", 2, 2);
      PutMathText(s, "C", 4 * k + 7, 2);
      figures::DrawVector(s, 2, 1, k, k, 3 * k);
      PutMathText(s, "\\accb", 3 * k + 12, 2 * k + 5);
      figures::PutBracedText(s, "{\\footnotesize ) $30^\\circ$}", k + 13, k + 2);
      break;
    case 11:
      DrawRollingWheelFigure(s);
      // Above the arrow's tip, clear of the centre's "a" below it.
      PutLabel(s, "3$\\bar a$", 20, 34);
      figures::DrawVector(s, -1, 0, 47.32, 30, 19);
      Dot2(s, 47.32, 30);
      break;
    case 12:
      DrawRollingWheelFigure(s);
      Dot2(s, 30, 40);
      Dot2(s, 50, 20);
      PutLabel(s, "B", 29, 42);
      PutLabel(s, "D", 52, 19);
      break;
    case 13: DrawPlanetaryGearFigure(s); break;
    case 14: DrawRodAccelerationsFigure(s); break;
    case 15: DrawRollersFigure(s); break;
    case 16:
      DrawSleeveOnRodFigure(s);
      DrawRotationArrowAtB(s);
      return true;
    case 17:
      DrawSleeveOnRodFigure(s);
      DrawHingeDistanceMark(s);
      return true;
    case 18:
      DrawSleeveOnRodFigure(s);
      DrawRotationArrowAtO(s);
      break;
    case 19:
      DrawRodThroughSleeveFigure(s);
      DrawRotationArrowAtB(s);
      return true;
    case 20:
      DrawRodThroughSleeveFigure(s);
      DrawHingeDistanceMark(s);
      return true;
    case 21:
      DrawRodThroughSleeveFigure(s);
      DrawRotationArrowAtO(s);
      break;
    case 22:
      DrawRodThroughHingedSleeveFigure(s);
      DrawRotationArrowAtB(s);
      return true;
    case 23:
      DrawRodThroughHingedSleeveFigure(s);
      DrawHingeDistanceMark(s);
      return true;
    case 24:
      DrawRodThroughHingedSleeveFigure(s);
      DrawRotationArrowAtO(s);
      break;
    case 25:
    case 26: DrawCassetteFigure(s); break;
    case 27:
      DrawFourBarPointFigure(s);
      DrawRotationArrowAtO(s);
      break;
    case 28:
      DrawRingOnPostFigure(s);
      DrawRotationArrowAtO(s);
      Dot2(s, 10, 61);
      PutLabel(s, "M", 10, 63);
      PutLabel(s, "$\\bar v$", 20, 63);
      figures::DrawVector(s, 1, 0, 10, 61, 15);
      break;
    case 29:
      DrawRingOnPostFigure(s);
      DrawRotationArrowAtO(s);
      Dot2(s, 21.2, 56.31);
      PutLabel(s, "B", 10, 63);
      PutLabel(s, "M", 21.2, 56.31);
      PutLabel(s, "$\\bar v$", 30, 48);
      figures::DrawVector(s, 1, -1, 21.2, 56.31, 15);
      break;
    default:
      DrawFourBarSleeveFigure(s);
      DrawRotationArrowAtO(s);
      break;
  }
  return false;
}

}  // namespace

void BeginDifferentTopicsProblem(SharedState& s) {
  s.ParboxWidth = 205;
  toolkit::WriteLine(s,
                     "\\newcommand{\\vela}{\\bar v_{\\scriptscriptstyle A}}\\newcommand{\\velb}{\\bar "
                     "v_{\\scriptscriptstyle B}}");
  toolkit::WriteLine(s,
                     "\\newcommand{\\velc}{\\bar v_{\\scriptscriptstyle C}}\\newcommand{\\vla}{ "
                     "v_{\\scriptscriptstyle A}}\\newcommand{\\vlb}{ v_{\\scriptscriptstyle B}}");
  toolkit::WriteLine(s,
                     "\\newcommand{\\accd}{\\bar a_{\\scriptscriptstyle   D}}\\newcommand{\\accb}{"
                     "\\bar a_{\\scriptscriptstyle   B}}\\newcommand{\\accc}{\\bar "
                     "a_{\\scriptscriptstyle   C}}");
  toolkit::WriteLine(s,
                     "\\newcommand{\\acd}{ a_{\\scriptscriptstyle   D}}\\newcommand{\\acb}{ "
                     "a_{\\scriptscriptstyle   B}}\\newcommand{\\acc}{ a_{\\scriptscriptstyle   "
                     "C}}");
}

void WriteDifferentTopicsVariant(SharedState& s) {
  s.Scale = 11;
  // The key carries the number printed on the variant, so that it matches with any starting
  // number.
  toolkit::AnsWrite(s, "{\\bf " + toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 4, 0) +
                           ".} ");
  // Outside the catalogue nothing is drawn or opened, so nothing is left unclosed.
  if (s.P1 >= 1 && s.P1 <= 30) {
    // The rolling wheels (11, 12) hatch their ground 3.3 below the line they roll on.
    const bool ground_below = s.P1 == 11 || s.P1 == 12;
    toolkit::BeginPicture(s, 150, ground_below ? 74 : 70, -30, ground_below ? -4 : 0);
    if (!DrawFigure(s, s.P1)) EndFigureOpenStatement(s);
    const ShortProblem& problem = kProblems[s.P1 - 1];
    for (int i = 0; i < 3 && problem.lines[i] != nullptr; ++i) {
      // Problem 11 ends its statement without a line end, problem 24 runs its first sentence
      // into the next line.
      const bool open_end = (s.P1 == 11 && i == 1) || (s.P1 == 24 && i == 0);
      if (open_end) {
        toolkit::WriteText(s, problem.lines[i]);
      } else {
        toolkit::WriteLine(s, problem.lines[i]);
      }
    }
    toolkit::AnsWrite(s, problem.answer);
  }
  toolkit::AnsWrite(s, " \\\\ ");
  if (s.P1 >= 1 && s.P1 <= 30) toolkit::WriteLine(s, "}\\vskip10pt");
}

}  // namespace kinematics
