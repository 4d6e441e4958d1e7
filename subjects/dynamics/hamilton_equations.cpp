#include "subjects/dynamics/hamilton_equations.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/dynamics/answer_paragraphs.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

using namespace figures;  // NOLINT: the figure routines read like the drawing they make

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";
constexpr const char* kPhi = "\\varphi";

// Each L is written for the mechanism as drawn: the mass and force terms follow the figure
// (the force on slider B of mechanism 4 points towards O, the force on axle A of mechanism 9
// towards the wall).
constexpr HamiltonEquationsAnswer kAnswers[10] = {
    {" (3/4)m(R\\dot\\varphi)^2-Fa\\sin\\varphi, $\\\\  ",
     "  $\\dot\\varphi=2p/(3mR^2), $\\\\     $\\dot p=-F a \\cos\\varphi.", ""},
    {"(1/2)m(a\\dot\\varphi\\sin\\varphi)^2-Fa\\sin\\varphi, $ \\\\ ",
     "  $\\dot\\varphi=p/(a^2m\\sin^2\\varphi), $  \\\\   $\\dot p=",
     "\\cos\\varphi(p^2/(ma^2\\sin^3\\varphi)-Fa)."},
    {"(1/2)m(a\\dot\\varphi/\\cos^2\\varphi)^2-amg\\tg\\varphi+M\\varphi,$  \\\\",
     "  $\\dot\\varphi=p\\cos^4\\varphi/(ma^2)$, \\\\    $\\dot p=",
     "p^2\\sin2\\varphi\\cos^2\\varphi/(ma^2)+M-mga/\\cos^2\\varphi"},
    {"(1/2)m(a\\dot\\varphi)^2-mga\\sin\\varphi-2Fa\\cos\\varphi$, \\\\ ",
     "  $\\dot\\varphi=p/(a^2m)$, \\\\    $\\dot p=", "-a(m g \\cos\\varphi-2F\\sin\\varphi)"},
    {"(1/2)m(a\\dot\\varphi\\cos\\varphi)^2-mga\\sin\\varphi+M\\varphi$, \\\\ ",
     "  $\\dot\\varphi=p/(a^2m\\cos^2\\varphi)$, \\\\   $\\dot p=",
     "-p^2\\sin\\varphi/(ma^2\\cos^3\\varphi)-mga\\cos\\varphi+M"},
    {"(1/2)m(a\\dot\\varphi\\sin\\varphi)^2+M\\varphi$, \\\\ ",
     "  $\\dot\\varphi=p/(a^2m\\sin^2\\varphi)$, \\\\    $\\dot p=",
     "p^2\\cos\\varphi/(ma^2\\sin^3\\varphi)+M"},
    {"(1/2)\\dot x^2(m_1+m_2\\ctg^2\\alpha)+m_2gx\\ctg\\alpha,$\\\\ ",
     "  $\\dot x=p/(m_1+m_2\\ctg^2\\alpha),$ \\\\ $\\dot p=", "m_2g\\ctg\\alpha"},
    {"m(R\\dot\\varphi)^2(1+\\sin\\varphi)-Rmg\\sin\\varphi$, \\\\ ",
     "  $\\dot\\varphi=p/(2R^2m(1+\\sin\\varphi))$, \\\\ $\\dot p=",
     "p^2\\cos\\varphi/(4mR^2(1+\\sin\\varphi)^2)-mgR\\cos\\varphi"},
    {"(3/4)ma^2\\dot\\varphi^2-amg\\sin\\varphi-Fa\\cos\\varphi$, \\\\  ",
     "  $\\dot\\varphi=2p/(3ma^2)$, \\\\    $\\dot p=-a(mg\\cos\\varphi-F\\sin\\varphi)", ""},
    {"(1/2)m(h\\dot\\varphi/\\sin^2\\varphi)^2-Fa\\sin\\varphi$, \\\\   ",
     "$\\dot\\varphi=p\\sin^4\\varphi/(mh^2)$, \\\\ $\\dot p=",
     "-p^2\\sin^2\\varphi\\sin 2\\varphi/(mh^2)-Fa\\cos\\varphi"},
};

// The statement lines of each mechanism; the last closes the parbox.
const std::vector<std::string> kStatements[10] = {
    {" Однородный цилиндр массой $m$ жестко соединен с невесомым стержнем длиной $a$,",
     " к которому приложена вертикальная сила $F$. Радиус цилиндра $R$. ",
     "\\par\\rule{0pt}{12pt}}"},
    {" Горизонтально движущийся ползун $A$ массой $m$ соединен",
     " с вертикально движущимся ползуном $B$. Массами стержня $AB$ и ползуна $B$ пренебречь; "
     "$AB=a$. ",
     "\\par\\rule{0pt}{25pt}}"},
    {" К невесомому стержню $AB$, скользящему без сопротивления по ребру опоры, приложен "
     "момент $M$",
     " Стержень шарнирно соединен с вертикально ", " движущимся ползуном массой $m$. ",
     "\\par\\rule{0pt}{20pt}}"},
    {" В шарнире $A$ механизма, состоящего из двух невесомых стержней одинаковой длины "
     "$OA=AB=a$",
     " и горизонтально движущегося ползуна $B$,", " сосредоточена масса $m$.",
     "К ползуну приложена горизонтальная сила $F$", "\\par\\rule{0pt}{1pt}}\\vskip 1pt"},
    {" Невесомый кривошип $OA=a$, к которому приложен момент $M$, приводит в движение",
     " вертикально движущийся поршень массой $m$. ",
     "Колесико $A$ катается без сопротивления по нижней поверхности поршня",
     "\\par\\rule{0pt}{5pt}}\\vskip 3mm"},
    {" Шарнирный параллелограмм $OAA'O'$, состоящий из невесомых",
     " стержней, приводится в движение моментом $M$. ", " Общая масса муфты $B$ и горизонтально ",
     "движущегося штока равна $m$; $OA=O'A'=a$", "\\par\\rule{0pt}{25pt}}\\vskip 3mm"},
    {" Груз массой $m_1$ приводится в движение клином массой $m_2$, скользящим без трения",
     "по неподвижной вертикальной поверхности и по ребру груза. Дан  угол $\\alpha$",
     "\\par\\rule{0pt}{11pt}}\\vskip 6mm"},
    {" Однородный цилиндр радиуса $R$, массой которого можно пренебречь, свободно катается по "
     "горизонтальной плоскости. ",
     " На ободе цилиндра  помещена точка массой $m$", "\\par\\rule{0pt}{15pt}}"},
    {" Два одинаковых цилиндра массой $m$ каждый соединены невесомым стержнем длиной $a$. ",
     " Цилиндр $A$ катится без проскальзывания по горизонтальной плоскости, цилиндр $B$ --- по "
     "вертикальной.",
     " На ось цилиндра $A$ действует горизонтальная сила $F$.",
     "\\par\\rule{0pt}{5pt}}\\vskip 1mm"},
    {" Невесомый стержень $AB=a$ вращается вокруг неподвижного шарнира $A$ под действием ",
     "вертикальной силы $F$, приложенной к его концу $B$, сообщая горизонтальное движение ",
     " параллелепипеду массой $m$   высотой $h$. ",
     "Стержень скользит по ребру  параллелепипеда без трения.\\par\\rule{0pt}{2pt}}"},
};

// The room each mechanism's drawing takes, with its letters, forces and hatching, 1 pt around:
// the points are fitted from fixed coordinates, so every variant of a mechanism draws alike.
// The left edges stay where the figures always stood; only the room they overran was added.
struct PictureRoom {
  double width, height, x0, y0;
};
constexpr PictureRoom kRoom[10] = {
    {112, 54, -40, -3},  {116, 72, -40, -6},  {135, 76, -40, -10}, {132, 70, -40, -10},
    {118, 70, -50, -10}, {130, 79, -40, -10}, {137, 68, -40, -3},  {110, 49, -40, 7},
    {113, 58, -20, -13}, {118, 72, -40, -5},
};

void SetMechanismPoints(SharedState& s, int kind) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  switch (kind) {
    case 1:
      SetPointPolar(s, 2, 1, -40, kPi / 6);
      x[3] = x[1] + 20;
      y[3] = y[1] + 20;
      break;
    case 2:
      SetPointPolar(s, 2, 1, 40, kPi / 6);
      x[3] = 0;
      y[3] = y[2] + 10;
      break;
    case 3:
      SetPointPolar(s, 2, 1, 14, kPi / 6);
      SetPointPolar(s, 3, 2, 28, kPi / 6);
      break;
    case 4:
      SetPointPolar(s, 2, 1, 20, 0.923998);
      x[3] = x[1] + 40 * std::cos(0.923998);
      y[3] = y[1];
      break;
    case 5:
      x[1] = 20;
      y[1] = 0;
      SetPointPolar(s, 2, 1, 40, kPi / 4);
      x[3] = 0;
      y[3] = y[2] + 20;
      break;
    case 6:
      x[4] = 0;
      y[4] = y[1] + 20;
      SetPointPolar(s, 2, 1, 20, kPi / 6);
      x[3] = x[2];
      y[3] = y[2] + 20;
      break;
    case 7:
      x[2] = 24, y[2] = 34;
      x[3] = 50, y[3] = 20;
      x[4] = 10, y[4] = 0;
      x[5] = 0, y[5] = 10;
      break;
    case 8:
      x[2] = x[1] - 20, y[2] = 0;
      x[3] = x[1] - 20, y[3] = y[1] - 20;
      x[4] = x[1] + 20, y[4] = 20;
      break;
    case 9:
      x[2] = 30 * 0.866, y[2] = 15;
      x[3] = x[1] - 10, y[3] = y[2] + 10;
      break;
    default:
      SetPointPolar(s, 2, 1, 40, kPi / 4);
      x[3] = 14, y[3] = 0;
      x[4] = 0, y[4] = y[2] + 10;
      break;
  }
}

void DrawMechanism(SharedState& s, int kind) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  const PictureRoom& room = kRoom[kind - 1];
  toolkit::BeginPicture(s, room.width, room.height, room.x0, room.y0);
  switch (kind) {
    case 1:
      SetLineWidth(s, 8);
      DrawBar(s, 1, 2);
      SetLineWidth(s, 3);
      DrawCircle(s, x[1], y[1], 40);
      DrawMomentAtPoint(s, 1, 1, kPhi, 7 * kPi / 6, 9, 1, 2);
      DrawNodeMarker(s, 2);
      DrawNodeMarker(s, 1);
      DrawRedForceWithLabel(s, 0, -1, kForce, x[2], y[2] + 25, 23, -9, -13);
      PutBlueLabel(s, "$m$", x[1], y[1] - 14);
      DrawHatchRowV(s, -1, x[1] - 12, y[1] - 20, 24);
      DrawStrokesAcrossRay(s, 1, 16, 7 * kPi / 6);
      break;
    case 2:
      SetLineWidth(s, 8);
      DrawBar(s, 1, 2);
      SetLineWidth(s, 3);
      DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 6, 16, 2, 0);
      PutBlueLabel(s, "$A$", x[1] - 2, y[1] + 7);
      PutBlueLabel(s, "$B$", x[2] - 14, y[2] - 3);
      DrawRedForceWithLabel(s, 0, -1, kForce, x[2], y[2] + 25, 20, -9, -9);
      PutBoxAtPoint(s, 1, "slblockh");
      PutBoxAtPoint(s, 2, "slblockv");
      PutBlueLabel(s, "$m$", x[1] - 16, y[1] - 2);
      break;
    case 3:
      PutBlueLabel(s, "$A$", x[1] - 2, y[1] - 9);
      PutBlueLabel(s, "$B$", x[3] - 13, y[3] + 1);
      DrawNodeMarker(s, 3);
      DrawMomentAtPoint(s, 2, 1, kPhi, kPi / 6, 15, 1, 0);
      DrawSegment(s, x[3] - 3, y[3] - 6, x[3] - 3, y[3] + 6);
      LineTo(s, x[3] + 3, y[3] + 6);
      LineTo(s, x[3] + 3, y[3] - 6);
      LineTo(s, x[3] - 3, y[3] - 6);
      DrawHatchRowV(s, -1, x[2] + 3, y[2] - 1, x[3] - x[2] + 4);
      DrawHatchRowH(s, 1, x[2], y[2] - 12, 7);
      PutBlueLabel(s, "$M$", x[1] - 4, y[1] + 12);
      PutBlueLabel(s, "$m$", x[3] + 5, y[3] + 1);
      PutBoxAtPoint(s, 1, "Momentp");
      DrawSegment(s, x[2], y[2] - 17, x[2], y[2] - 19);
      DrawSegment(s, x[3], y[2] - 17, x[3], y[2] - 19);
      DrawSegment(s, x[2], y[2] - 18, x[3], y[2] - 18);
      PutBlueLabel(s, "$a$", MidX(s, 2, 3), y[2] - 16);
      SetLineWidth(s, 8);
      DrawSegment(s, x[3], y[3] - 6, x[3], y[2] - 1);
      DrawSegment(s, x[3], y[3] + 6, x[3], y[3] + 18);
      DrawSegment(s, x[2], y[2] - 5, x[2], y[2] - 1);
      LineTo(s, x[2] + 3, y[2] - 1);
      DrawBar(s, 1, 3);
      SetLineWidth(s, 3);
      break;
    case 4:
      SetLineWidth(s, 8);
      DrawBar(s, 1, 2);
      DrawBar(s, 2, 3);
      SetLineWidth(s, 3);
      DrawNodeMarker(s, 2);
      PutHingeBoxAtPoint(s, 1);
      DrawMomentAtPoint(s, 1, 1, kPhi, 0.923998, 14, 1, 0);
      PutBlueLabel(s, "$m$", x[2] + 4, y[2] - 3);
      PutBoxAtPoint(s, 3, "slblockh");
      DrawRedForceWithLabel(s, -1, 0, kForce, x[3] - 6, y[3], 18, -29, -1);
      PutBlueLabel(s, "$O$", x[1] - 12, y[1] - 3);
      PutBlueLabel(s, "$A$", x[2] - 11, y[2] - 2);
      PutBlueLabel(s, "$B$", x[3] + 2, y[3] + 7);
      break;
    case 5:
      SetLineWidth(s, 12);
      DrawLineBySlope(s, x[1] - 40, y[2] + 3, 1, 0, 80);
      SetLineWidth(s, 8);
      DrawBar(s, 1, 2);
      toolkit::WriteLine(s, "%поршень");
      DrawLineBySlope(s, x[1], y[2] + 3, 0, 1, 20);
      SetLineWidth(s, 3);
      DrawHatchRowH(s, -1, x[1] - 3, y[2] + 12, 10);
      DrawHatchRowH(s, 1, x[1] + 3, y[2] + 12, 10);
      DrawNodeMarker(s, 2);
      DrawCircle(s, x[2], y[2], 5);
      PutHingeBoxAtPoint(s, 1);
      DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 14, 2, -3);
      PutBox(s, "MomentpLeft", x[1] + 10, y[1] + 10);
      PutBlueLabel(s, "$M$", x[1] + 7, y[1] + 23);
      PutBlueLabel(s, "$O$", x[1] - 12, y[1] - 3);
      PutBlueLabel(s, "$A$", x[2] - 2, y[2] - 10);
      PutBlueLabel(s, "$m$", x[1] + 20, y[2] + 11);
      DrawLineBySlope(s, x[1] + 19, y[2] + 11, -1, -1, 6);
      break;
    case 6: {
      const double ym = MidY(s, 2, 3);
      const double link = (y[3] - y[2] - 13) / 2;
      SetLineWidth(s, 8);
      DrawBar(s, 1, 2);
      DrawBar(s, 4, 3);
      DrawLineBySlope(s, x[2] + 3, ym, 1, 0, 40);
      toolkit::WriteLine(s, "%поршень");
      DrawLineBySlope(s, x[2], y[2] + 1.5, 0, 1, link);
      DrawLineBySlope(s, x[3], y[3] - 1.5, 0, -1, link);
      SetLineWidth(s, 3);
      DrawHatchRowV(s, -1, x[2] + 18, ym - 2, 10);
      DrawHatchRowV(s, 1, x[2] + 18, ym + 2.1, 10);
      DrawNodeMarker(s, 2);
      DrawNodeMarker(s, 3);
      PutHingeBoxAtPoint(s, 1);
      PutHingeBoxAtPoint(s, 4);
      DrawRotatedBlock(s, 5, x[2], ym, 0, 6, 10);
      DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 6, 14, 2, 0);
      PutBoxAtPoint(s, 4, "MomentpLeft");
      PutBlueLabel(s, "$M$", x[4] - 3, y[4] + 12);
      PutBlueLabel(s, "$O$", x[1] - 12, y[1] - 3);
      PutBlueLabel(s, "$O'$", x[4] - 12, y[4] - 3);
      PutBlueLabel(s, "$A$", x[2] + 3, y[2]);
      PutBlueLabel(s, "$B$", x[2] + 4, y[2] + 22);
      PutBlueLabel(s, "$A'$", x[3] + 3, y[3]);
      PutBlueLabel(s, "$m$", x[2] + 45, y[3] - 11);
      DrawLineBySlope(s, x[2] + 44, y[3] - 11, -1, -1, 8);
      break;
    }
    case 7:
      SetLineWidth(s, 6);
      DrawSegment(s, x[4] + 1, y[4], x[4] + 1, y[3]);
      LineToPoint(s, 3);
      LineTo(s, x[3], y[4]);
      toolkit::WriteLine(s, "%");
      toolkit::WriteLine(s, "%куб");
      MoveToPoint(s, 5);
      LineToPoint(s, 2);
      LineTo(s, x[1], y[2]);
      toolkit::WriteLine(s, "%");
      toolkit::WriteLine(s, "%клин");
      DrawVector(s, 1, 0, x[1], y[1] + 5, x[4] - x[1] + 1);
      PutBlueLabel(s, "$x$", x[1] + 5, y[1] + 8);
      SetLineWidth(s, 2);
      DrawHatchRowV(s, -1, x[1], y[1], 95);
      DrawHatchRowH(s, -1, x[1], y[1], 65);
      DrawLabelledArcArrow(s, 0, "\\alpha", 0, x[5], y[5], kPi / 4, kPi / 2, 14, 2);
      PutBlueLabel(s, "$m_2$", x[2] - 35, y[2] - 11);
      PutBlueLabel(s, "$m_1$", x[3] - 25, y[3] - 15);
      break;
    case 8:
      DrawCircle(s, x[1], y[1], 40);
      DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 12, 1, 0);
      DrawLineBySlope(s, x[1] + 2, y[1] + 2, 1, 1, 12);
      PutBlueLabel(s, "$m$", x[1] + 16, y[1] + 17);
      DrawFilledCircle(s, x[1] + 14, y[1] + 14, 4);
      DrawHatchRowV(s, -1, x[1] - 20, y[1] - 20, 40);
      DrawNodeMarker(s, 1);
      break;
    case 9:
      DrawHatchRowV(s, -1, x[1] - 10, y[1] - 10, x[2] - x[1] + 20);
      DrawHatchRowH(s, 1, x[2] + 10, y[1] - 10, y[2] - y[1] + 20);
      for (const int i : {1, 2}) {
        DrawCircle(s, x[i], y[i], 20);
        DrawNodeMarker(s, i);
      }
      DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 6, 15, 1, 0);
      PutBlueLabel(s, "$A$", x[1] - 11, y[1] + 11);
      PutBlueLabel(s, "$B$", x[2] - 19, y[2] + 3);
      SetLineWidth(s, 5);
      DrawBar(s, 1, 2);
      SetLineWidth(s, 2);
      DrawRedForceWithLabel(s, 1, 0, kForce, x[1] - 21, y[1], 20, 0, 3);
      break;
    default: {
      const double d = x[3] - x[1];
      SetLineWidth(s, 10);
      DrawBar(s, 1, 2);
      SetLineWidth(s, 6);
      DrawSegment(s, x[3] + 1, y[3] - 1, x[3] + 1, y[3] + d);
      LineTo(s, x[3] + 40, y[3] + d);
      LineTo(s, x[3] + 40, y[3] - 1);
      toolkit::WriteLine(s, "%куб");
      PutBlueLabel(s, "$m$", x[3] + 20, y[1] + 10);
      SetLineWidth(s, 3);
      DrawSegment(s, x[3] + 53, y[3] + d, x[3] + 55, y[3] + d);
      LineTo(s, x[3] + 55, y[3] - 1);
      LineTo(s, x[3] + 53, y[3] - 1);
      PutBlueLabel(s, "$h$", x[3] + 48, y[1] + 8);
      DrawLabelledArcArrow(s, 1, kPhi, 2, x[1], y[1] - 1, 0, kPi / 4, 14, 0);
      DrawRedForceWithLabel(s, 0, -1, kForce, x[2] - 1, y[2] + 20, 20, -10, -6);
      PutBlueLabel(s, "$A$", x[1] - 10, y[1] + 4);
      PutBlueLabel(s, "$B$", x[2] - 1, y[2] - 14);
      DrawNodeMarker(s, 1);
      DrawHatchRowV(s, -1, x[1] - 10, y[1] - 1.5, 80);
      break;
    }
  }
  toolkit::EndPicture(s);
}

}  // namespace

const HamiltonEquationsAnswer& HamiltonEquationsAnswerOf(int kind) {
  if (kind < 1 || kind > 10) {
    throw toolkit::IndexRangeError("mechanism " + std::to_string(kind) + " outside 1..10");
  }
  return kAnswers[kind - 1];
}

void BeginHamiltonEquationsProblem(SharedState& s) {
  s.ParboxWidth = 360;
  toolkit::WriteText(s,
                     " Получить уравнения движения в форме  Гамильтона для консервативной "
                     "системы с одной степенью свободы. ");
  toolkit::WriteBookReference(s, 324);
}

void WriteHamiltonEquationsVariant(SharedState& s, int kind, int /*b*/, int /*c*/, int /*d*/,
                                   int /*e*/, int /*f*/) {
  const HamiltonEquationsAnswer& answer = HamiltonEquationsAnswerOf(kind);
  for (int i = 1; i <= 5; ++i) s.PointX[i] = s.PointY[i] = 0;
  s.BoxWidth = 80;
  s.BoxHeight = 60;
  s.BlockCentred = true;
  SetMechanismPoints(s, kind);
  FitPointsToBox(s, 5, 0);
  DrawMechanism(s, kind);
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{182pt}{\\small");
  for (const std::string& line : kStatements[kind - 1]) toolkit::WriteLine(s, line);

  BreakAnswerParagraphs(s, 12);
  toolkit::AnsWriteTextNumber(s, "\\noindent{\\bf ", toolkit::PrintedVariantNumber(s), ".}\\\\ ");
  toolkit::AnsWrite(s, "  $L=");
  toolkit::AnsWrite(s, answer.Lagrangian);
  toolkit::AnsWrite(s, answer.Velocity);
  toolkit::AnsWrite(s, answer.MomentumRate);
  toolkit::AnsWrite(s, "$ \\\\");
}

}  // namespace dynamics
