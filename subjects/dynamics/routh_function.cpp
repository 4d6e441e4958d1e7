#include "subjects/dynamics/routh_function.h"

#include <numbers>
#include <string>
#include <string_view>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/mechanisms/named_box.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/fractions.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

using namespace figures;  // NOLINT: the figure routines read like the drawing they make

constexpr double kPi = std::numbers::pi;
constexpr const char* kForce = "$\\vec F$";
constexpr const char* kPhi = "\\varphi";

// One variant's choices: the layout bits P2..P4, the sub-variant s they make and the mass
// ratio q of body 2 to body 1 with its printed coefficient.
struct Choice {
  int p2, p3, p4;
  int s;
  int q;
  std::string c;
};

int SubVariant(int p2, int p3, int p4) { return 2 * p3 + p2 + 4 * p4 - 6; }

std::string Num(int e) { return std::to_string(e); }

void Ans(SharedState& s, std::string_view text) { toolkit::AnsWrite(s, text); }

void Frac(SharedState& s, int a, int b) { toolkit::AnsWriteFractionInParens(s, a, b); }

// A rigid right angle AOB hinged on a moving rod, its sides pressing on bars 1 and 2.
void Mechanism1(SharedState& s, Choice& v) {
  if (v.s == 4) s.P4 = 2;
  if (v.s == 5) s.P2 = 2;
  v.p2 = s.P2;
  v.p4 = s.P4;
  v.s = SubVariant(v.p2, v.p3, v.p4);
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 14, y[2] = 24;
  x[3] = 22, y[3] = 14;
  x[4] = -27, y[4] = 24;
  x[5] = -38.5, y[5] = 13;
  toolkit::BeginPicture(s, 125, 64, -61, -25);
  SetLineWidth(s, 10);
  if (v.p4 == 1) {
    DrawSegment(s, 0, -23, 0, -1.5);
    DrawSegment(s, -2, -23, 2, -23);
    SetLineWidth(s, 1);
    PutBox(s, "vnpr", 0, -18);
    PutLabel(s, "$O$", -9, -6);
    DrawHatchRowV(s, -1, 18, -15, 6);
    DrawVector(s, 0, 1, 21, -15, 15);
    PutLabel(s, "$y$", 23, -10);
  } else {
    DrawSegment(s, -1.5, 0, -23, 0);
    DrawSegment(s, -23, 2, -23, -2);
    SetLineWidth(s, 1);
    DrawVector(s, 1, 0, -38, -12, 15);
    DrawHatchRowH(s, -1, -38, -15, 6);
    PutLabel(s, "$x$", -32, -10);
    PutBox(s, "hnpr", -18, 0);
    PutLabel(s, "$O$", -3, -8);
    DrawDashedLineMultiput(s, 4, -23, -2, -23, -12);
    if (v.p2 == 2 && v.p3 == 1) DrawRedForceWithLabel(s, 1, 0, kForce, -44, 0, 20, -5, 2);
    if (v.p3 == 2 && v.p2 == 1) DrawRedForceWithLabel(s, -1, 0, kForce, -24, 0, 20, -29, -2);
  }
  DrawNodeMarker(s, 1);
  PutBoxAtPoint(s, 1, "ugr");
  PutLabel(s, "$M$", -6, 20);
  PutBox(s, "Momentp", -5, 9);
  DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 11, 1, 2);
  if (v.p2 == 1) {
    PutBoxAtPoint(s, 2, "prsv");
  } else {
    PutBoxAtPoint(s, 3, "prsh");
    DrawRedForceWithLabel(s, -1, 0, kForce, x[3] + 37, y[3] + 8, 20, -2, 2);
  }
  if (v.p3 == 1) {
    PutBoxAtPoint(s, 4, "prsv");
  } else {
    PutBoxAtPoint(s, 5, "prsh");
    DrawRedForceWithLabel(s, 1, 0, kForce, x[5] - 21, y[5] + 8, 20, 0, 2);
  }
  const int a = 4 - v.p2, b = 6 - v.p3, one = v.p2 + 1, two = v.p3 + 3;
  PutLabel(s, "$A$", x[a], y[a]);
  PutLabel(s, "$B$", x[b] + 7 - 2 * (v.p3 - 2), y[b] + 1 - 2 * (v.p3 - 2));
  PutLabel(s, "1", x[one] + 5, y[one] + 5);
  PutLabel(s, "2", x[two] + 5, y[two] + 5);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{270pt}{Жесткий уголок $AOB$, расположенный в "
                     "горизонтальной плоскости, шарнирно закреплен на подвижном штоке и скользит "
                     "без отрыва по граням брусков 1 и 2. ");
  if (v.p2 != v.p3) {
    toolkit::WriteLine(s, "К уголку приложен момент $M$, к штоку и бруску --- силы $F$. ");
  } else if (v.p2 == 2) {
    toolkit::WriteLine(s, "К уголку приложен момент $M$,  к брускам --- силы $F$. ");
  } else {
    toolkit::WriteLine(s, "К уголку приложен момент $M$. ");
  }
  toolkit::WriteLine(s,
                     "За обобщенные координаты принять угол поворота $\\varphi$ уголка $AOB$ и "
                     "смещение штока ");
  toolkit::WriteLine(s, v.p4 == 1 ? "$y$." : "$x$.");
  if (v.q == 1) {
    toolkit::WriteText(s, "Дано: $OA=a$, $OB=b$, $OA\\perp OB$, $m_1=m_2=m$.}");
  } else {
    toolkit::WriteText(s, "Дано: $OA=a$, $OB=b$, $OA\\perp OB$, $m_1=m$, $m_2=" + v.c + "m$.}");
  }

  const int q = v.q;
  switch (v.s) {
    case 1:
      Ans(s, "$-(" + v.c + R"(m(a\cos\varphi+b\sin\varphi)^2\dot\varphi^2/2+p_y(a\cos\varphi-)" +
                 v.c + R"(b\sin\varphi)\dot\varphi+)" + Num(q + 1) + R"(M\varphi-p_y^2/(2m))/)" +
                 Num(q + 1) + "$");
      break;
    case 2:
      Ans(s, R"($-(1/2)ma^2\dot\varphi^2\sin^2\varphi+p_yb\dot\varphi\sin\varphi+Fa\cos\varphi-M\varphi+p_y^2/()" +
                 Num(2 * q) + "m)$");
      break;
    case 3:
      Ans(s, "$(-" + v.c +
                 R"(mb^2\dot\varphi^2\cos^2\varphi-2p_ya\dot\varphi\cos\varphi+2Fb\sin\varphi-2M\varphi+p_y^2/m)/2$)");
      break;
    case 6:
      Ans(s, "$(-" + v.c +
                 R"(mb^2\dot\varphi^2\sin^2\varphi+2p_xa\dot\varphi\sin\varphi+2Fa\cos\varphi-2M\varphi+p_x^2/m)/2$)");
      break;
    case 7:
      Ans(s, R"($-(1/2)ma^2\dot\varphi^2\cos^2\varphi+p_xb\dot\varphi\cos\varphi+Fb\sin\varphi-M\varphi+p_x^2/()" +
                 Num(2 * q) + "m)$");
      break;
    default:  // 8
      Ans(s, "$-(" + v.c + R"(m(a\sin\varphi-b\cos\varphi)^2\dot\varphi^2-2p_x(a\sin\varphi+)" +
                 v.c + R"(b\cos\varphi)\dot\varphi+)" + Num(2 * q + 2) +
                 R"((M\varphi-F(b\sin\varphi+a\cos\varphi))-p_x^2/m)/)" + Num(2 * q + 2) + "$");
      break;
  }
}

// Two equal discs joined by weightless rods AB = BC = a.
void Mechanism2(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  SetPointPolar(s, 2, 1, 50, 150 * kPi / 180);
  x[3] = 2 * x[2];
  y[3] = 0;
  y[5] = -16;
  toolkit::BeginPicture(s, 131, 53, -115, -20);
  DrawTwoCirclesAtPoint(s, 1, 32, 3);
  DrawTwoCirclesAtPoint(s, 3, 32, 3);
  DrawNodeMarker(s, 2);
  PutLabel(s, "$2$", 6, -7);
  SetLineWidth(s, 5 * v.p3 - 1);
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 1);
  if (v.p3 == 1) {
    DrawMomentAtPoint(s, 1, 1, kPhi, 5 * kPi / 6, 7, 0, 0);
  } else {
    DrawMomentAtPoint(s, 3, 1, kPhi, kPi / 6, 18, 4, 0);
  }
  if (v.p2 == 1) {
    if (v.p4 == 1) {
      DrawRedForceWithLabel(s, 0, -1, kForce, x[2], y[2], 22, 2, -28);
    } else {
      DrawRedForceWithLabel(s, 0, 1, kForce, x[2], y[2] - 23, 22, 2, -7);
    }
  } else {
    const double mx = (x[2] + x[1]) / 2, my = (y[2] + y[1]) / 2;
    PutBox(s, v.p4 == 1 ? "Momentp" : "Momentm", mx, my);
    PutLabel(s, "$M$", mx, my + 3);
  }
  PutLabel(s, "$1$", x[3] - 9, y[3] - 11);
  PutLabel(s, "$A$", x[3] - 2, y[3] - 8);
  PutLabel(s, "$B$", x[2] - 2, y[2] + 3);
  PutLabel(s, "$C$", -7, -8);
  DrawHatchRowV(s, -1, x[3] - 20, -16.5, 120);
  DrawVector(s, 1, 0, x[3] - 25, 25, 25);
  DrawHatchRowH(s, -1, x[3] - 25, 22, 6);
  PutLabel(s, "$x$", x[3] - 15, 27);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 8, x[3], 7, x[3], 27);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{250pt}{");
  if (v.q == 1) {
    toolkit::WriteLine(s, " Два диска одинаковой массы $m_1=m_2$ и ");
  } else {
    toolkit::WriteLine(s, " Два диска с массами $m_1=m$, $m_2=" + v.c + "m$ ");
  }
  toolkit::WriteLine(s, " одинакового радиуса шарнирно соединены невесомыми стержнями $AB=BC=a$.");
  toolkit::WriteLine(s, v.p2 == 1 ? " Вертикальная сила $F$  приложена к шарниру $B$."
                                  : " Момент $M$ приложен к диску 2.");
  toolkit::WriteLine(s, v.p3 == 1 ? "За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "стержня  $BC$ и смещение $x$ центра диска 1."
                                  : "За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "стержня  $AB$ и смещение $x$ центра диска 1.");
  toolkit::WriteLine(s, "}");

  static constexpr const char* kMinus = "$-a(";
  static constexpr const char* kPlus = "$a(";
  static constexpr const char* kNeg = R"()(3am\dot\varphi^2\sin^2\varphi+2p_x\dot\varphi\sin\varphi))";
  static constexpr const char* kPos = R"()(-3am\dot\varphi^2\sin^2\varphi+2p_x\dot\varphi\sin\varphi))";
  const char* head = (v.s == 1 || v.s == 2 || v.s == 5 || v.s == 6) ? kMinus : kPlus;
  const char* body = head == kMinus ? kNeg : kPos;
  const char* tail = "";
  switch (v.s) {
    case 1:
    case 3:
      tail = R"(+Fa\sin\varphi+p_x^2/()";
      break;
    case 2:
    case 8:
      tail = R"(-M\varphi+p_x^2/()";
      break;
    case 4:
    case 6:
      tail = R"(+M\varphi+p_x^2/()";
      break;
    default:  // 5, 7
      tail = R"(-Fa\sin\varphi+p_x^2/()";
      break;
  }
  Ans(s, std::string(head) + Num(v.q) + "/" + Num(v.q + 1) + body + tail + Num(3 * v.q + 3) +
             "m)$");
}

// Two cylinders, or a cylinder and a plate, joined by a rod AB.
void Mechanism3(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  s.BlockCentred = false;
  toolkit::BeginPicture(s, 87, 75, -33, -23);
  x[2] = 40, y[2] = 40;
  DrawTwoCirclesAtPoint(s, 1, 24, 3);
  if (v.p3 == 1) {
    DrawTwoCirclesAtPoint(s, 2, 24, 3);
    PutLabel(s, "$2$", x[2] - 20, y[2] + 5);
    DrawSegment(s, x[2] - 16, y[2] + 7, x[2] - 11, y[2] + 4);
  } else {
    DrawNodeMarker(s, 2);
    DrawRotatedBlock(s, 5, x[2], y[2] - 25, 0, 4, 30);
    PutLabel(s, "$2$", x[2] - 9, y[2] - 25);
    DrawSegment(s, x[2] - 5, y[2] - 23, x[2], y[2] - 23);
  }
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 14, 0, 0);
  if (v.p2 == 1) {
    DrawRedForceWithLabel(s, 1, 0, kForce, -24, 0, 22, -7, 2);
  } else {
    const double mx = (x[2] + x[1]) / 2, my = (y[2] + y[1]) / 2;
    PutBox(s, "umomentm", mx, my);
    PutLabel(s, "$M$", mx - 13, my + 6);
  }
  PutLabel(s, "$1$", -17, 10);
  DrawSegment(s, -13, 11, -8, 9);
  PutLabel(s, "$A$", -2, -8);
  PutLabel(s, "$B$", x[2] - 7, y[2] + 3);
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -20, -20, 72 - 7 * (v.p3 - 1));
  DrawHatchRowH(s, 1, x[2] + 12 - 7 * (v.p3 - 1), -20, 70);
  DrawRotatedBlock(s, 5, -15, -19.2, 0, 30, 7);
  DrawVector(s, 1, 0, -30, -16, 15);
  DrawHatchRowH(s, -1, -30, -19, 6);
  PutLabel(s, "$x$", -24, -14);
  SetLineWidth(s, 1);
  toolkit::EndPicture(s);
  s.BlockCentred = true;

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{250pt}{");
  if (v.p3 == 1) {
    toolkit::WriteText(s, " Цилиндры 1 и 2 ");
    if (v.q == 1) {
      toolkit::WriteLine(s,
                         " одинаковой массы $m_1=m_2$ соединены невесомым стержнем $AB$ длиной $a$. ");
    } else {
      toolkit::WriteLine(s, " с массами $m_1=m$, $m_2=" + v.c +
                                "m$ соединены невесомым стержнем $AB$ длиной $a$. ");
    }
    toolkit::WriteLine(s,
                       " Один цилиндр катится по вертикальной плоскости, другой --- по бруску, "
                       "скользящему по горизонтальному основанию.");
  } else {
    toolkit::WriteText(s, " Цилиндр 1 массой $m_1=m$ и пластина 2 массой $m_2=" + v.c +
                              "m$ соединены невесомым стержнем $AB$ длиной $a$. "
                              "Пластина скользит по вертикальной плоскости, цилиндр катится по "
                              "бруску, скользящему по горизонтальному основанию.");
  }
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня и "
                     "смещение $x$ бруска.}");

  // Body 2 rises a sin(phi) along the wall: its weight stays in the function.
  const int k = v.p3 == 1 ? 3 * v.q : 2 * v.q;
  Ans(s, R"($-ma^2(2\sin^2\varphi+)" + Num(k) +
             R"(\cos^2\varphi)\dot\varphi^2/4+p_xa\dot\varphi\sin\varphi +)" +
             (v.p2 == 1 ? "Fa\\cos\\varphi+" : "M\\varphi+") + v.c +
             R"(mga\sin\varphi+p_x^2/m$)");
}

// A rod AB joining a vertical rod and a horizontally sliding bar on which a cylinder rolls.
void Mechanism4(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  SetPointPolar(s, 2, 1, 40, kPi / 6);
  x[3] = x[2] + 40, y[3] = y[2] + 12;
  x[4] = x[3] - 20, y[4] = y[3] + 12;
  toolkit::BeginPicture(s, 129, 67, -10, -4);
  SetLineWidth(s, 8);
  DrawBar(s, 1, 2);
  DrawLineBySlope(s, -2, 41, 1, 0, 4);
  DrawLineBySlope(s, 0, 1, 0, 1, 40);
  SetLineWidth(s, 1);
  PutBox(s, "vnpr", 0, y[2] - 3);
  DrawCircleAtPoint(s, 3, 24);
  if (v.p2 == 1) {
    DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 6, 12, 1, 0);
  } else {
    DrawMomentAtPoint(s, 2, 1, kPhi, 7 * kPi / 6, 8, 1, 1);
  }
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 1);
  PutLabel(s, "$1$", 55 * (v.p4 - 1) - 5, 8);
  PutLabel(s, "$A$", -9, -3);
  PutLabel(s, "$B$", x[2] + 2, y[2] - 8);
  if (v.p3 == 1) {
    DrawRedForceWithLabel(s, 0, 1, kForce, 0, 42, 17, 3, 4);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, x[3] + 20, 15, 24, 13, 3);
  }
  PutLabel(s, "$2$", x[3] + 3, y[3] + 3);
  DrawRotatedBlock(s, 5, x[2] + 31, y[2] - 7.7, 0, 60, 15);
  PutBox(s, "hosnv", x[2] - 5, y[2] - 16);
  DrawVector(s, 1, 0, x[3] - 25, 55, 25);
  DrawHatchRowH(s, -1, x[3] - 25, 52, 6);
  PutLabel(s, "$x$", x[3] - 15, 57);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 8, x[3], 37, x[3], 57);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{250pt}{");
  toolkit::WriteLine(s, v.p4 == 1 ? " Невесомый стержень $AB$ длиной $a$ соединяет вертикальный "
                                    "шток массой $m_1=m$ и горизонтально скользящий брусок."
                                  : " Стержень $AB$  соединяет вертикальный шток и горизонтально "
                                    "скользящий брусок  массой $m_1=m$.");
  toolkit::WriteLine(s, " По бруску катается цилиндр массой $m_2=" + v.c + "m$.");
  toolkit::WriteLine(s, v.p3 == 1 ? " К штоку приложена вертикальная сила $F$."
                                  : " К бруску приложена горизонтальная сила $F$.");
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня и "
                     "смещение $x$ оси цилиндра.}");

  static constexpr const char* kTails[9] = {
      "",
      R"(\sin^2\varphi)\dot\varphi^2/6-(1/3)p_xa\dot\varphi\sin\varphi+(F-mg)a\sin\varphi+p_x^2/()",
      R"(\sin^2\varphi)\dot\varphi^2/6+(1/3)p_xa\dot\varphi\sin\varphi-(F-mg)a\sin\varphi+p_x^2/()",
      R"(\sin^2\varphi)\dot\varphi^2/6-(1/3)p_xa\dot\varphi\sin\varphi-mga\sin\varphi-Fa\cos\varphi+p_x^2/()",
      R"(\sin^2\varphi)\dot\varphi^2/6+(1/3)p_xa\dot\varphi\sin\varphi+mga\sin\varphi+Fa\cos\varphi+p_x^2/()",
      R"(ma^2\dot\varphi^2\sin^2\varphi-(1/3)p_xa\dot\varphi\sin\varphi+Fa\sin\varphi+p_x^2/()",
      R"(ma^2\dot\varphi^2\sin^2\varphi+(1/3)p_xa\dot\varphi\sin\varphi-Fa\sin\varphi+p_x^2/()",
      R"(ma^2\dot\varphi^2\sin^2\varphi-(1/3)p_xa\dot\varphi\sin\varphi-Fa\cos\varphi+p_x^2/()",
      R"(ma^2\dot\varphi^2\sin^2\varphi+(1/3)p_xa\dot\varphi\sin\varphi+Fa\cos\varphi+p_x^2/()",
  };
  if (v.s <= 4) {
    Ans(s, R"($-ma^2(3\cos^2\varphi+)" + v.c + kTails[v.s] + Num(3 * v.q) + "m)$");
  } else {
    Ans(s, "$-");
    Frac(s, v.q + 3, 6);
    Ans(s, std::string(kTails[v.s]) + Num(3 * v.q) + "m)$");
  }
}

// A two-link ABC between a fixed hinge and a plate on the base; a cylinder rolls on the plate.
void Mechanism5(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 30, y[2] = 15;
  x[3] = 60, y[3] = 0;
  x[4] = 80, y[4] = 12;
  toolkit::BeginPicture(s, 120, 51, -10, -11);
  SetLineWidth(s, 8);
  DrawBar(s, 1, 2);
  DrawBar(s, 2, 3);
  PutHingeBoxAtPoint(s, 1);
  SetLineWidth(s, 1);
  DrawCircleAtPoint(s, 4, 24);
  DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 7, 12, 1, 0);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  PutLabel(s, "$1$", 42 * (v.p2 - 1) + 7, 8);
  PutLabel(s, "$A$", -9, -3);
  PutLabel(s, "$B$", 32, 17);
  PutLabel(s, "$C$", 59, 3);
  if (v.p3 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, 30, 13, 17, -11, -23);
  } else {
    DrawRedForceWithLabel(s, 1, 0, kForce, 39, -2, 20, -9, -3);
  }
  PutLabel(s, "$2$", 83, 15);
  DrawRotatedBlock(s, 5, 80, -3, 0, 40, 6);
  PutBox(s, "hosnv", 40, -6.5);
  DrawVector(s, 1, 0, 55, 32, 25);
  DrawHatchRowH(s, -1, 55, 29, 6);
  PutLabel(s, "$x$", 65, 34);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, 80, 12, 80, 35);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{250pt}{ Двухзвенник $ABC$ соединяет неподвижный шарнир с "
                     "пластиной, скользящей по горизонтальному основанию. ");
  toolkit::WriteLine(s, std::string(v.p2 == 1 ? " Масса стержня $AB$ равна $m_1$.  По пластине "
                                                "катается цилиндр массой $m_2="
                                              : " Масса стержня $BC$ равна $m_1$.  По пластине "
                                                "катается цилиндр массой $m_2=") +
                            v.c + "m_1$.");
  toolkit::WriteLine(s, v.p3 == 1 ? " К шарниру  $B$ приложена вертикальная сила $F$."
                                  : " К пластине приложена горизонтальная сила $F$.");
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня $AB$ и "
                     "смещение $x$ оси цилиндра.}");

  const int k = v.p2 == 1 ? 4 * v.q : 4 * v.q + 6;
  Ans(s, R"($-ma^2(1+)" + Num(k) +
             (v.p3 == 1
                  ? R"(\sin^2\varphi)\dot\varphi^2/6-(2/3)p_xa\dot\varphi\sin\varphi +a(F+mg/2)\sin\varphi+p_x^2/()"
                  : R"(\sin^2\varphi)\dot\varphi^2/6-(2/3)p_xa\dot\varphi\sin\varphi +(a/2)mg\sin\varphi-2aF\cos\varphi+p_x^2/()") +
             Num(3 * v.q) + "m)$");
}

// Two cylinders joined by a rod AB: the upper one rolls on a piston, the lower one on the base.
void Mechanism6(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 25, y[2] = 25;
  toolkit::BeginPicture(s, 71, 85, -21, -13);
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 1);
  DrawTwoCirclesAtPoint(s, 1, 20, 3);
  DrawTwoCirclesAtPoint(s, 2, 20, 3);
  DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 12, 1, 0);
  PutLabel(s, "$A$", -9, -3);
  PutLabel(s, "$B$", 27, 25);
  if (v.p2 == 1) {
    DrawRedForceWithLabel(s, 0, -1, kForce, 15, 70, 15, 2, -6);
  } else {
    PutBox(s, "momenLBm", 19, 18);
    PutLabel(s, "$M$", 3, 17);
  }
  DrawRotatedBlock(s, 5, 15, 45.3, 0, 60, 20);
  DrawHatchRowH(s, -1, -15.8, 31, 30);
  DrawHatchRowH(s, 1, 45.8, 31, 30);
  PutBox(s, "hosnv", -20, -10.3);
  DrawVector(s, 1, 0, -16, 20, 16);
  DrawHatchRowH(s, -1, -16, 18, 4);
  PutLabel(s, "$x$", -11, 22);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, 0, 20, 0, 0);
  DrawLabelledSegment(s, "2", -19, 0, -15, 2, -10, 2);
  if (v.p2 == 1) {
    DrawLabelledSegment(s, "1", 42, 22, 41, 24, 34, 24);
  } else {
    DrawLabelledSegment(s, "1", 42, 23, 41, 27, 36, 36);
  }
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{250pt}{ Два цилиндра соединены невесомым стержнем $AB$  "
                     "длиной $a$. ");
  toolkit::WriteLine(s, std::string(v.p2 == 1 ? " Верхний цилиндр массой $m_1$ катается по "
                                                "горизонтальной поверхности поршня, нижний, "
                                                "массой $m_2="
                                              : " Верхний цилиндр  катается по горизонтальной "
                                                "поверхности поршня массой $m_1$, нижний, массой "
                                                "$m_2=") +
                            v.c + "m_1$ --- по горизонтальному основанию. ");
  toolkit::WriteLine(s, v.p2 == 1 ? " К поршню приложена вертикальная сила $F$."
                                  : " К стержню приложен момент $M$.");
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня $AB$ и "
                     "смещение $x$ оси цилиндра $A$.}");

  if (v.p2 == 1) {
    toolkit::AnsWriteLine(s, "$(-ma^2(" + Num(2 * v.q + 2) + R"(\cos^2\varphi+)" + Num(3 * v.q) +
                                 R"(\sin^2\varphi)\dot\varphi^2/4+p_xa\dot\varphi\sin\varphi +)" +
                                 Num(v.q + 1) + R"(a(F+mg)\sin\varphi+p_x^2/(3m))/)" +
                                 Num(v.q + 1) + "$");
  } else {
    // The upper cylinder has no mass here: nothing ties the piston's rate to the axis A.
    toolkit::AnsWriteLine(s, R"($-(1/2)ma^2\dot\varphi^2\cos^2\varphi+mga\sin\varphi+M\varphi+p_x^2/()" +
                                 Num(3 * v.q) + "m)$");
  }
}

// A load on weightless bearings with a cylindrical face R = 3r; a disc of radius r on a rod
// 4r long hinged to a sliding plate rolls on that face.
void Mechanism7(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 30, y[2] = 30;
  x[3] = 60, y[3] = 0;
  x[4] = (x[2] + x[3]) / 2 + 4, y[4] = (y[2] + y[3]) / 2 - 4;
  toolkit::BeginPicture(s, 110, 60, -20, -18);
  if (v.p2 == 1) {
    PutBoxAtPoint(s, 2, "Momentm");
    PutLabel(s, "$M$", x[2] - 19, y[2] + 3);
  } else {
    PutBoxAtPoint(s, 4, "Momentp");
    PutLabel(s, "$M$", x[4] + 1, y[4] + 4);
  }
  DrawMomentAtPoint(s, 3, 1, kPhi, 3 * kPi / 4, 9, 2, 1);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 8);
  DrawBar(s, 2, 3);
  toolkit::WriteText(s, "\\Green{");
  DrawSegment(s, 30, 0, 0, 0);
  LineTo(s, 0, 30);
  DrawArcPolyline(s, 0, 0, 0, 0, kPi / 2, 30);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 4, 30, 0, 58, 0);
  DrawVector(s, 1, 4, 0, 0, 7.1);
  PutLabel(s, "$R$", 5, 15);
  toolkit::WriteText(s, "\\Brown{");
  for (int i = 1; i <= v.p4; ++i) DrawCircle(s, 8 * i + 2, -2.5, 4);
  DrawCircle(s, 26, -2.5, 4);
  DrawCircleAtPoint(s, 2, 24);
  toolkit::WriteText(s, "}");
  DrawRotatedBlock(s, 5, x[3] + 12, -2.5, 0, 24, 4);
  DrawHatchRowV(s, -1, -10, -5, 100);
  PutLabel(s, "$1$", -10, 26);
  DrawSegment(s, -7, 28, 0, 23);
  DrawLabelledSegment(s, "2", 77, 2, 76, 3, 72, 0);
  const double d = 60 * (v.p3 - 1);
  DrawVector(s, 1, 0, 43 - d, -15, 17);
  DrawHatchRowH(s, -1, 43 - d, -17, 4);
  PutLabel(s, "$x$", 48 - d, -13);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, 120 - 60 * v.p3, -15, 120 - 60 * v.p3, 0);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{270pt}{Груз массой $m_1$ движется на невесомых "
                     "подшипниках по горизонтальной плоскости.  По боковой ");
  toolkit::WriteText(s, " цилиндрической поверхности груза радиусом  $R=3r$ ");
  toolkit::WriteText(s,
                     " катится диск радиусом  $r$, закрепленный на стержне длиной $4r$.  Стержень "
                     "крепится к пластине массой $m_2=" +
                         v.c + "m_1$, скользящей горизонтально. ");
  toolkit::WriteText(s, v.p2 == 1 ? " К диску  приложен момент $M$. "
                                  : " К стержню приложен момент $M$. ");
  toolkit::WriteLine(s, v.p3 == 1 ? " За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "стержня и смещение $x$ пластины.}"
                                  : " За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "стержня и смещение $x$ груза.}");

  Ans(s, "$-");
  Frac(s, 32 * v.q, v.q + 1);
  Ans(s, R"(mr^2\dot\varphi^2\sin^2\varphi)");
  Ans(s, v.p3 == 1 ? "+" : "-");
  Frac(s, v.p3 == 1 ? 8 : 8 * v.q, v.q + 1);
  Ans(s, R"(p_xr\dot\varphi\sin\varphi-)" + std::string(v.p2 == 1 ? "4" : "") +
             R"(M\varphi+p_x^2/()" + Num(2 * v.q + 2) + "m)$");
}

// A disc on a trolley geared with a coupling B on the trolley's post; a rod AB joins the
// coupling and a sliding plate.
void Mechanism8(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 15, y[1] = -10;
  x[2] = 40, y[2] = 30;
  x[3] = 59.7, y[3] = 20;
  x[4] = 50, y[4] = -13.5;
  x[5] = 74, y[5] = -13.5;
  toolkit::BeginPicture(s, 109, 69, -24, -29);
  PutLabel(s, "$A$", 9, -8);
  PutLabel(s, "$B$", 29, 30);
  DrawHatchRowV(s, -1, -15, -15, 100);
  for (int i = 1; i <= 5; ++i) DrawNodeMarker(s, i);
  SetLineWidth(s, 8);
  toolkit::WriteText(s, "\\Blue{");
  DrawBar(s, 1, 2);
  toolkit::WriteText(s, "}\\OliveGreen{");
  DrawSegment(s, 40, -10, 40, 5);
  DrawSegment(s, 40, 35, 40, 40);
  DrawSegment(s, 59, 19, 50, -8);
  DrawSegment(s, 60.4, 19, 69.4, -8);
  SetLineWidth(s, 12);
  DrawSegment(s, 40.2, -4, 44, -7.8);
  DrawSegment(s, 40.2, -5, 43, -7.8);
  DrawSegment(s, 40.2, -6, 42, -7.8);
  DrawSegment(s, 40.2, -7, 41, -7.8);
  toolkit::WriteText(s, "}");
  DrawRotatedBlock(s, 5, 5, -12, 0, 20, 4);
  DrawRotatedBlock(s, 5, 60, -10, 0, 40, 4);
  s.BlockColour = "\\Black";
  DrawRotatedBlock(s, 6, 40, 20, 0, 7, 30);
  s.BlockColour = "\\OliveGreen";
  SetLineWidth(s, 1);
  mechanisms::PutNamedBoxByKind(s, v.p3, 3, 3, "MomentpLeft", "MomentpLeftmm");
  PutLabel(s, "$M$", 50, 22);
  if (v.p2 == 1) {
    DrawLabelledSegment(s, "1", 30, 2, 34, 4, 38, 14);
  } else {
    DrawLabelledSegment(s, "1", 14, 12, 29, 11, 19, 14);
  }
  PutLabel(s, "$2$", 78, 5);
  if (v.p4 == 1) {
    DrawSegment(s, 80, 4, 78, -8);
  } else {
    DrawSegment(s, 68, 9, 77, 6);
  }
  DrawMomentAtPoint(s, 1, 1, kPhi, 0.95, 12, 1, 0);
  DrawCircleAtPoint(s, 3, 32);
  DrawVector(s, 1, 0, -21, -26, 16);
  DrawHatchRowH(s, -1, -21, -28, 4);
  PutLabel(s, "$x$", -16, -24);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, -5, -26, -5, -10);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{270pt}{На тележке закреплен диск радиусом $R$, "
                     "находящийся в зацеплении с муфтой $B$. Муфта скользит по вертикальной "
                     "стойке, установленной на тележке. ");
  toolkit::WriteLine(s,
                     "  На диск действует момент $M$. Длина стержня $AB$, соединяющего муфту и "
                     "горизонтально скользящую пластину, равна $a$.  ");
  toolkit::WriteText(s, v.p2 == 1 ? " Масса  муфты равна $m_1$, " : " Масса  стержня равна $m_1$, ");
  toolkit::WriteText(s, std::string(v.p4 == 1 ? " Масса тележки ---  $m_2=" : " масса  диска --- $m_2=") +
                            v.c + "m_1$. ");
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня и "
                     "смещение $x$ пластины.}");

  const std::string sign = v.p3 == 1 ? "+" : "-";
  const std::string tail = R"(M/R)\sin\varphi+p_x^2/()" + Num(2 * v.q + 2) + "m)$";
  if (v.p2 == 1 && v.p4 == 1) {
    Ans(s, R"($-(1/2)ma^2\dot\varphi^2\cos^2\!\!\varphi+p_xa\dot\varphi\sin\varphi +a(mg)" + sign +
               tail);
  } else if (v.p2 == 2 && v.p4 == 1) {
    Ans(s, "$-ma^2(" + Num(4 * v.q + 1) + R"(+3\cos^2\!\!\varphi)\dot\varphi^2/)" +
               Num(24 * v.q + 24) + "+(" + Num(2 * v.q + 1) + "/" + Num(2 * v.q + 2) +
               R"()p_xa\dot\varphi\sin\varphi +a(mg/2)" + sign + tail);
  } else if (v.p2 == 1) {
    Ans(s, "$-");
    Frac(s, v.q + 2, 4);
    Ans(s, R"(ma^2\dot\varphi^2\cos^2\!\!\varphi+p_xa\dot\varphi\sin\varphi +a(mg)" + sign + tail);
  } else {
    Ans(s, "$-ma^2(" + Num(4 * v.q + 1) + "+" + Num(6 * v.q * v.q + 6 * v.q + 3) +
               R"(\cos^2\!\!\varphi)\dot\varphi^2/)" + Num(24 * v.q + 24) + "+(" +
               Num(2 * v.q + 1) + "/" + Num(2 * v.q + 2) +
               R"()p_xa\dot\varphi\sin\varphi+a(mg/2)" + sign + tail);
  }
}

// A hinged parallelogram OABC; a cylinder of radius r on its rod AB is tied by a thread to
// the cylinder B of radius 2r.
void Mechanism9(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 30, y[2] = 30;
  x[3] = 90, y[3] = 30;
  x[4] = 60, y[4] = 0;
  x[5] = 45, y[5] = 40;
  x[6] = 20, y[6] = 20;
  toolkit::BeginPicture(s, 121, 64, -11, -10);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 1);
  PutHingeBoxAtPoint(s, 4);
  DrawMomentAtPoint(s, 1, 1, kPhi, 0.72, 18, 1, 0);
  DrawMomentAtPoint(s, 3, 1, "\\psi", 2.3, 9, 1, 0);
  DrawSegment(s, 90, 30, 75, 45);
  PutLabel(s, "$O$", -10, -2);
  PutLabel(s, "$A$", 25, 34);
  PutLabel(s, "$B$", 90, 22);
  PutLabel(s, "$C$", 50, -2);
  DrawNodeMarker(s, 2);
  DrawNodeMarker(s, 3);
  SetLineWidth(s, 8);
  DrawBar(s, 3, 4);
  toolkit::WriteText(s, "\\Blue{");
  DrawTwoBars(s, 1, 2, 3);
  SetLineWidth(s, 4);
  DrawSegment(s, 45, 50, 90, 50);
  toolkit::WriteText(s, "}");
  toolkit::WriteText(s, "\\thicklines ");
  DrawCircleAtPoint(s, 3, 40);
  DrawCircleAtPoint(s, 5, 20);
  SetLineWidth(s, 1);
  DrawLabelledSegment(s, "1", 22, 48, 26, 50, 38, 47);
  if (v.p2 == 1) {
    DrawLabelledSegment(s, "2", 60, 37, 62, 35, 62, 30);
  } else {
    DrawLabelledSegment(s, "2", 60, 37, 65, 39, 73, 39);
  }
  if (v.p4 == 1) {
    mechanisms::PutNamedBoxByKind(s, v.p3, 6, 6, "umomentp", "umomentm");
    PutLabel(s, "$M$", 4, 21);
  } else {
    DrawThickRedForce(s, -1, 0, kForce, 3 - 2 * v.p3, 28, 30, 18, -26, -3);
  }
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{270pt}{ На горизонтальном стержне $AB$ шарнирного "
                     "параллелограмма $OABC$  расположен цилиндр радиусом $r$ массой $m_1$, "
                     "связанный нитью с цилиндром $B$ радиусом $2r$. ");
  toolkit::WriteLine(s, v.p4 == 1 ? "  К  стержню  $OA$ приложен момент $M$; $OA=CB=a$.  "
                                  : "  К  шарниру  $A$ приложена горизонтальная сила $F$; "
                                    "$OA=CB=a$.  ");
  toolkit::WriteText(s, std::string(v.p2 == 1 ? " Масса  стержня  $AB$ равна $m_2="
                                              : " Масса  цилиндра $B$ равна $m_2=") +
                            v.c + "m_1$. ");
  toolkit::WriteLine(s,
                     " За обобщенные координаты принять угол поворота $\\varphi$ стержня $OA$ и "
                     "угол поворота $\\psi$ цилиндра.}");

  const int q = v.q;
  const std::string sign = v.p3 == v.p4 ? "-" : "+";
  // The force at A is horizontal: its arm is a cos(phi).
  const std::string tail = sign + (v.p4 == 1 ? (v.p2 == 1 ? "M\\varphi+" : " M\\varphi+")
                                             : "Fa\\cos\\varphi+") +
                           Num(q + 1) + R"(mga\sin\varphi+p_\psi^2/()" +
                           (v.p2 == 1 ? std::string("3") : Num(4 * q + 3)) + "mr^2)$";
  if (v.p2 == 1) {
    Ans(s, "$-ma^2(" + Num(3 * q + 3) +
               R"(-2\sin^2\!\!\varphi)\dot\varphi^2/6-(2/(3r))p_\psi a\dot\varphi\sin\varphi)" + tail);
  } else {
    toolkit::AnsWriteLine(s, "$-ma^2(" + Num(4 * q * q + 7 * q + 3) +
                                 R"(-2\sin^2\!\!\varphi)\dot\varphi^2/)" + Num(8 * q + 6) +
                                 "-(2/(" + Num(4 * q + 3) +
                                 R"(r))p_\psi a\dot\varphi\sin\varphi )" + tail);
  }
}

// A crank OA on a sliding plate carries a rocking coupling D in which the rod CE slides; CE
// is fixed to the rod AB and the coupling B slides on a post of a trolley.
void Mechanism10(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = -5, y[1] = -5;
  x[2] = 40, y[2] = 40;
  x[3] = 100, y[3] = 40;
  x[4] = 80, y[4] = 38.5;
  x[5] = 10, y[5] = 10;
  x[6] = 88, y[6] = -8.5;
  x[7] = 112, y[7] = -8.5;
  x[8] = 52, y[8] = 23;
  toolkit::WriteLine(s,
                     " Горизонтальный стержень $AB$ жестко соединен с муфтой $B$. Муфта скользит "
                     "по вертикальному стержню,  установленному на  тележке.  На кривошипе $OA$ "
                     "длиной $a$ закреплена качающаяся муфта $D$, в которой скользит "
                     "стержень\\linebreak ");
  toolkit::BeginPicture(s, 141, 80, -24, -24);
  PutLabel(s, "$O$", -14, -8);
  PutLabel(s, "$D$", 6, 14);
  PutLabel(s, "$E$", -15, 2);
  PutLabel(s, "$A$", 32, 39);
  PutLabel(s, "$B$", 106, 40);
  PutLabel(s, "$C$", 80, 43);
  DrawHatchRowV(s, -1, -15, -10, 131);
  for (int i : {1, 2, 4, 5, 6, 7}) DrawNodeMarker(s, i);
  SetLineWidth(s, 8);
  toolkit::WriteText(s, "\\Blue{");
  DrawBar(s, 3, 2);
  DrawSegment(s, 79, 37.5, 20.5, 14.5);
  DrawSegment(s, -0.5, 5.5, -11, 1);
  MoveTo(s, 97, 35);
  LineTo(s, 95, 40);
  LineTo(s, 97, 45);
  toolkit::WriteText(s, "}\\Sepia{");
  DrawSegment(s, -4, -4, 5, 5);
  DrawSegment(s, 39, 39, 15, 15);
  toolkit::WriteText(s, "}");
  DrawRotatedBlock(s, 5, 9, -7.5, 0, 28, 4);
  SetLineWidth(s, 12);
  DrawSegment(s, 100, -1, 100, 30);
  DrawSegment(s, 100, 50, 100, 56);
  DrawRotatedBlock(s, 4, 100, 40, 0, 6, 20);
  DrawRotatedBlock(s, 4, 100, -4, 0, 30, 6);
  DrawRotatedBlock(s, 4, 10, 10, kPi / 8, 22, 5);
  DrawLabelledSegment(s, "1", 18, 32, 22, 33, 35, 36);
  if (v.p2 == 1) {
    DrawLabelledSegment(s, "2", 110, 21, 108, 24, 100, 34);
  } else {
    DrawLabelledSegment(s, "2", 110, 11, 109, 11, 102, -1);
  }
  mechanisms::PutNamedBoxByKind(s, v.p3, 8, 8, "MomentpLeft", "MomentpLeftmm");
  PutLabel(s, "$M$", 39, 29);
  DrawMomentAtPoint(s, 1, 1, kPhi, 0.71, 10, 1, 0);
  const double e = 90 * (v.p4 - 1);
  DrawVector(s, 1, 0, e - 21, -21, 16);
  DrawHatchRowH(s, -1, e - 21, -23, 4);
  PutLabel(s, "$x$", e - 16, -19);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, e - 5, -21, e - 5, -10);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s,
                     "\\hfill\\parbox[b]{255pt}{ $CE$.  Масса  кривошипа, шарнирно соединенного с "
                     "пластиной, скользящей по основанию, равна $m_1$,  ");
  toolkit::WriteText(s, std::string(v.p2 == 1 ? " масса муфты --- $m_2=" : " масса тележки  --- $m_2=") +
                            v.c + "m_1$; ");
  toolkit::WriteLine(s, " $AC=AD=b$. К стержню $CE$ приложен момент $M$.");
  toolkit::WriteLine(s, v.p4 == 1 ? " За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "кривошипа и смещение $x$ пластины.}"
                                  : " За обобщенные координаты принять угол поворота $\\varphi$ "
                                    "кривошипа и смещение $x$ тележки.}");

  const int q = v.q;
  const std::string sign = v.p3 == 1 ? "-" : "+";
  const std::string head = "$-ma^2(" + Num(4 * q + 1) + "+";
  const std::string mid = R"(\cos^2\!\!\varphi)\dot\varphi^2/)" + Num(24 * q + 24);
  const std::string weight = v.p2 == 1 ? "(" + Num(2 * q + 1) + "/2)" : "(1/2)";
  const std::string end = sign + R"(M\varphi/2+)" + weight + R"(mga\sin\varphi+p_x^2/()" +
                          Num(2 * q + 2) + "m)$";
  std::string coupling;
  if (v.p4 == 1) {
    coupling = "+(" + Num(2 * q + 1) + "/" + Num(2 * q + 2) + R"()p_x a\dot\varphi\sin\varphi)";
  } else {
    coupling = "-(1/" + Num(2 * q + 2) + R"()p_x a\dot\varphi\sin\varphi)";
  }
  // The coupling B rises with A: with its mass the cos^2 share is 3(2q + 1)^2.
  const std::string inertia = v.p2 == 2 ? "3" : Num(12 * q * q + 12 * q + 3);
  const std::string text = head + inertia + mid + coupling + end;
  if (v.p2 == 1 && v.p4 == 1) {
    toolkit::AnsWriteLine(s, text);
  } else {
    Ans(s, text);
  }
}

// A disc rolling on a cylinder R = 2r, geared with a bar that slides on the lower face of a
// vertically moving press; the axes are joined by the rod OA.
void Mechanism11(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 3.3, y[1] = 3.3;
  x[2] = 23, y[2] = 23;
  x[3] = 18, y[3] = 41;
  toolkit::BeginPicture(s, 63, 91, -16, -16);
  SetLineWidth(s, 7);
  DrawBar(s, 1, 2);
  DrawSegment(s, 29.5, 44, 38, 44);
  DrawSegment(s, -12, 44, -3, 44);
  SetLineWidth(s, 1);
  PutHingeBoxAtPoint(s, 1);
  DrawCircleAtPoint(s, 1, 36);
  DrawHatchRowH(s, -1, -3, 44, 20);
  DrawHatchRowH(s, 1, 29.5, 44, 20);
  DrawRotatedBlock(s, 5, 21, 36, 0, 20, 5);
  DrawRotatedBlock(s, 5, 13, 49, 0, 30, 20);
  DrawTwoCirclesAtPoint(s, 2, 20, 3);
  PutLabel(s, "$O$", x[1] - 9, -1);
  PutLabel(s, "$A$", 25, 24);
  DrawMomentAtPoint(s, 1, 1, kPhi, kPi / 4, 8, 1, 0);
  DrawMomentAtPoint(s, 1, 1, "\\psi", 3 * kPi / 4, 5, -5, 2);
  DrawSegment(s, 3.3, 3.3, -8.7, 15.3);
  DrawRedForceWithLabel(s, 0, -1, kForce, 13, 75, 15.5, 2, -10);
  if (v.p2 == 1) {
    DrawLabelledSegment(s, "2", 1, 63, 5, 63, 8, 59);
  } else {
    DrawLabelledSegment(s, "2", 43, 33, 42, 35, 30, 35);
  }
  if (v.p3 == 2) {
    DrawLabelledSegment(s, "1", 31.3, -6.7, 31.3, -3.7, 18.3, 3.3);
  } else if (v.p2 == 1) {
    DrawLabelledSegment(s, "1", 38, 25, 37, 27, 32, 27);
  } else {
    DrawLabelledSegment(s, "1", 1, 63, 5, 63, 8, 59);
  }
  toolkit::EndPicture(s);

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{320pt}{");
  if (v.p3 == 2) {
    toolkit::WriteText(s,
                       " Диск радиусом  $r$ катится по поверхности цилиндра массой $m_1$ "
                       "радиусом  $R=2r$ ");
  } else if (v.p2 == 1) {
    toolkit::WriteText(s,
                       " Диск радиусом  $r$ массой $m_1$ катится по поверхности цилиндра "
                       "радиусом  $R=2r$");
  } else {
    toolkit::WriteText(s, " Диск радиусом  $r$ катится по поверхности цилиндра радиусом  $R=2r$");
  }
  if (v.p2 == 1) {
    toolkit::WriteLine(s, " и находится в зацеплении с бруском, скользящим по нижней грани пресса "
                          "массой $m_2=" +
                              v.c + "m_1$, движущегося вертикально.");
  } else if (v.p3 == 1) {
    toolkit::WriteLine(s, " и находится в зацеплении с бруском массой $m_2=" + v.c +
                              "m_1$, скользящим по нижней грани пресса массой $m_1$, движущегося "
                              "вертикально.");
  } else {
    toolkit::WriteLine(s, " и находится в зацеплении с бруском массой $m_2=" + v.c +
                              "m_1$, скользящим по нижней грани пресса, движущегося вертикально.");
  }
  toolkit::WriteLine(s,
                     " Оси цилиндров соединены невесомым стержнем $OA$. К  прессу  приложена "
                     "вертикальная сила $F$. За обобщенные координаты принять угол поворота "
                     "$\\varphi$ стержня $OA$ и угол поворота $\\psi$ цилиндра.}");

  // The disc turns at 3 phi' - 2 psi'; the bar it drives moves at 2r psi' - 3r(1 + sin phi) phi'
  // and the press rises at 3r cos(phi) phi'.
  const int q = v.q;
  if (v.p3 == 1 && v.p2 == 1) {
    Ans(s, R"($-(9/2)mr^2(1+)" + v.c +
               R"(\cos^2\!\!\varphi)\dot\varphi^2+(3/2)p_\psi\dot\varphi+3r(F+)" + Num(q + 1) +
               R"(mg)\sin\varphi+p_\psi^2/(4mr^2)$)");
  } else if (v.p3 == 1) {
    Ans(s, "$-");
    Frac(s, 9 * q + 9, 2);
    Ans(s, R"(mr^2\dot\varphi^2\cos^2\!\!\varphi+(3/2)p_\psi\dot\varphi(1+\sin\varphi)+3r(F+)" +
               Num(q + 1) + R"(mg)\sin\varphi+p_\psi^2/()" + Num(8 * q) + "mr^2)$");
  } else if (v.p2 == 1) {
    Ans(s, "$-");
    Frac(s, 9 * q, 2);
    Ans(s, R"(mr^2\dot\varphi^2\cos^2\!\!\varphi+3r(F+)" + Num(q) +
               R"(mg)\sin\varphi+p_\psi^2/(4mr^2)$)");
  } else {
    Ans(s, "$(" + Num(9 * q) + R"(mr^2(1+\sin\varphi)()" + v.c + R"(\sin\varphi-)" + Num(q + 1) +
               R"()\dot\varphi^2+)" + Num(3 * q) +
               R"(p_\psi\dot\varphi(1+\sin\varphi)+p_\psi^2/(4mr^2))/)" + Num(2 * q + 1) +
               "+3r(F+" + Num(q) + R"(mg)\sin\varphi$)");
  }
}

// A cylinder rolling on a movable prism, hinged by a rod to a slider; slider and prism move
// along perpendicular guides in a horizontal plane.
void Mechanism12(SharedState& s, const Choice& v) {
  auto& x = s.PointX;
  auto& y = s.PointY;
  x[1] = 0, y[1] = 0;
  x[2] = 40, y[2] = 40;
  x[3] = 40, y[3] = 0;
  x[4] = 17, y[4] = 17;
  toolkit::BeginPicture(s, 85, 97, -40, -42);
  DrawRotatedBlock(s, 5, 40, 40, 0, 10, 20);
  DrawNodeMarker(s, 2);
  DrawArcPolyline(s, 0, 20, -29, 2.7, 3.14, 15);
  PutLabel(s, "$\\alpha$", -2, -26);
  SetLineWidth(s, 14);
  toolkit::WriteText(s, "\\Blue{");
  MoveTo(s, -30, -30);
  LineTo(s, 40, -30);
  LineTo(s, 40, 30);
  MoveTo(s, 40, 50);
  LineTo(s, 40, 55);
  toolkit::WriteText(s, "}");
  SetLineWidth(s, 10);
  DrawBar(s, 1, 2);
  SetLineWidth(s, 8);
  MoveTo(s, -20, -28.5);
  LineTo(s, -20, -9);
  LineTo(s, 20, -28.5);
  LineTo(s, -20, -28.5);
  DrawTwoCirclesAtPoint(s, 1, 34, 3);
  PutBoxAtPoint(s, 4, v.p4 == 1 ? "MomentpLeftmm" : "MomentpLeft");
  PutLabel(s, "$M$", 6, 25);
  SetLineWidth(s, 1);
  DrawMomentAtPoint(s, 1, 1, kPhi, 0.7, 10, -5, -9);
  PutLabel(s, "$1$", -29, -3);
  PutLabel(s, "$2$", 22, 35);
  DrawSegment(s, 27, 38, 36, 39);
  if (v.p3 == 1) {
    DrawSegment(s, -24, 0, -17, 0);
  } else {
    DrawSegment(s, -26, -3, -20, -9);
  }
  DrawVector(s, 1, 0, -37, -39, 17);
  DrawHatchRowH(s, -1, -37, -41, 4);
  PutLabel(s, "$x$", -32, -37);
  SetLineWidth(s, 1);
  DrawDashedLineMultiput(s, 6, -20, -39, -20, -30);
  toolkit::EndPicture(s);

  toolkit::WriteLine(s, "\\hfill\\parbox[b]{290pt}{");
  toolkit::WriteLine(s,
                     " Цилиндр радиусом $R$ опирается без проскальзывания на подвижную призму. "
                     "Стержень длиной $a$  шарнирно соединяет цилиндр с ползуном.  Ползун и "
                     "призма движутся по взаимно перпендикулярным направляющим. Механизм "
                     "расположен в горизонтальной плоскости; $\\cos\\alpha=4/5$. ");
  toolkit::WriteLine(s, v.p3 == 1 ? " Масса цилиндра равна $m_1$, масса "
                                  : " Масса  призмы равна $m_1$, масса ");
  toolkit::WriteLine(s, " ползуна  --- $m_2=" + v.c +
                            "m_1$. К стержню приложен момент $M$. За обобщенные координаты "
                            "принять угол поворота $\\varphi$ кривошипа и смещение $x$ призмы.}");

  // The axis slides along the incline relative to the prism (tan alpha = 3/4) and the
  // cylinder rolls at that relative rate over R.
  const int q = v.q;
  const std::string sign = v.p4 == 1 ? "+" : "-";
  if (v.p3 == 1) {
    toolkit::AnsWriteLine(s, "$(-ma^2(" + Num(43 - 25 * q) + R"(\sin^2\!\!\varphi+)" +
                                 Num(43 * q) + R"()\dot\varphi^2-ap_x\dot\varphi()" +
                                 Num(48 * q) + R"(\cos\varphi-)" + Num(36 * q + 86) +
                                 R"(\sin\varphi))");
    Ans(s, "+32p_x^2/m)/" + Num(36 * q + 86) + sign + R"(M\varphi$)");
  } else {
    Ans(s, "$-");
    Frac(s, q, 18 * q + 32);
    Ans(s, R"(ma^2(3\sin\varphi-4\cos\varphi)^2\dot\varphi^2+)");
    Frac(s, 3 * q, 9 * q + 16);
    Ans(s, R"(ap_x(3\sin\varphi-4\cos\varphi)\dot\varphi + )");
    Frac(s, 8, 9 * q + 16);
    toolkit::AnsWriteLine(s, "p_x^2/m" + sign + R"(M\varphi$)");
  }
}

}  // namespace

std::string CoefficientText(int b) { return b == 1 ? std::string() : std::to_string(b); }

void BeginRouthFunctionProblem(SharedState& s) {
  s.NodeGap = 1.5;
  s.ParboxWidth = 350;
  toolkit::WriteLine(s,
                     " Механическая система с идеальными стационарными связями имеет две степени "
                     "свободы. Найти функцию Рауса.\\\\\\noindent ");
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, "\\No & $R$ \\\\\\hline ");
}

void WriteRouthFunctionVariant(SharedState& s) {
  ClearPoints(s, 10);
  s.BlockCentred = true;
  Choice v{s.P2, s.P3, s.P4, SubVariant(s.P2, s.P3, s.P4), s.P5 + s.P6 - 1, ""};
  v.c = CoefficientText(v.q);
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "&");
  switch (s.P1) {
    case 1:
      Mechanism1(s, v);
      break;
    case 2:
      Mechanism2(s, v);
      break;
    case 3:
      Mechanism3(s, v);
      break;
    case 4:
      Mechanism4(s, v);
      break;
    case 5:
      Mechanism5(s, v);
      break;
    case 6:
      Mechanism6(s, v);
      break;
    case 7:
      Mechanism7(s, v);
      break;
    case 8:
      Mechanism8(s, v);
      break;
    case 9:
      Mechanism9(s, v);
      break;
    case 10:
      Mechanism10(s, v);
      break;
    case 11:
      Mechanism11(s, v);
      break;
    case 12:
      Mechanism12(s, v);
      break;
    default:
      throw toolkit::IndexRangeError("Routh mechanism " + std::to_string(s.P1) + " outside 1..12");
  }
  toolkit::AnsWriteLine(s, "%");
}

}  // namespace dynamics
