#include <cmath>
#include <numbers>
#include <string>

#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;

using toolkit::FormatFixed;
using toolkit::FormatNumber;

double Round(double x) { return toolkit::RoundHalfEven(x); }

// The point's acceleration on a body turning with omega and eps at distance r.
double PointAcceleration(double r, double omega, double eps) {
  return r * toolkit::Hypot(omega * omega, eps);
}

// A velocity or acceleration answer: 100 and more of the centimetre unit is given in metres.
void AnswerVelocity(SharedState& s, double v) {
  if (v >= 100) {
    toolkit::AnsWriteTextNumber(s, " v   =", v * 0.01, "$~м/с. ");
  } else {
    toolkit::AnsWriteTextNumber(s, " v   =", v, "$~см/с. ");
  }
}

void AnswerAcceleration(SharedState& s, double a) {
  if (a >= 100) {
    toolkit::AnsWriteTextNumber(s, " a   =", a * 0.01, "$~м/с$^2$. ");
  } else {
    toolkit::AnsWriteTextNumber(s, " a   =", a, "$~см/с$^2$. ");
  }
}

// The body starts from rest with constant eps, so omega = eps t and (a/r)^2 = eps^2 + eps^4 t^4.
double EpsilonFromPointAcceleration(double a, double r, double t) {
  const double t4 = t * t * t * t;
  const double q = a / r;
  const double eps2 = (std::sqrt(1 + 4 * t4 * q * q) - 1) * 0.5 / t4;
  return std::sqrt(eps2);
}

void RimVelocityLine(SharedState& s, double R) {
  toolkit::WriteTextNumberLn(
      s, "Найти скорость точки, лежащей на его ободе, в этот момент. Радиус диска $R=", R,
      "$~см.");
}

void RimAccelerationLine(SharedState& s, double R) {
  toolkit::WriteTextNumberLn(
      s, "Найти ускорение точки, лежащей на его ободе, в этот момент. Радиус диска $R=", R,
      "$~см.");
}

void DistanceLine(SharedState& s, double a) {
  toolkit::WriteTextNumberLn(s,
                             "На каком расстоянии от оси вращения находится точка, ускорение "
                             "которой в этот момент равно ",
                             a, "~см/с$^2$?");
}

void AnswerRadius(SharedState& s, double R) {
  toolkit::AnsWriteTextNumber(s, " R   =", R, "$~cм. ");
}

// The wheel reaches omega after N turns from rest: eps follows from omega^2 = 2 eps phi.
double WheelSpinUpStatement(SharedState& s, double omega, double N) {
  const double phi = 2 * kPi * N;
  toolkit::WriteText2NumbersLn(s,
                               " Колесо вращается с постоянным угловым ускорением и развивает "
                               "угловую скорость ",
                               omega, "~рад/c, сделав ", N, " оборотов после начала движения.");
  return omega * omega / (2 * phi);
}

double BodySpinUpStatement(SharedState& s, double t, double r, double a) {
  toolkit::WriteTextNumberLn(s,
                             " Твердое тело вращается вокруг неподвижной оси  с постоянным "
                             "угловым ускорением. Через ",
                             t,
                             "~c после начала движения ускорение точки M, лежащей на");
  toolkit::WriteLine(s, " расстоянии " + FormatFixed(r, 3, 0) + "~см от оси, достигает " +
                            FormatFixed(a, 4, 0) + "~см/с$^2$.");
  return EpsilonFromPointAcceleration(a, r, t);
}

void ProblemDisc(SharedState& s) {  // P1 = 1
  toolkit::WriteLine(s, " Диск вращается с постоянным угловым ускорением ");
  if (s.P2 == 1) {
    const double a = s.P3 + s.P4;
    const double eps = 0.01 * s.P3;
    const double t = Round(1 / eps);
    toolkit::WriteLine(s, FormatFixed(eps, 5, 2) +
                              "~рад/c$^2$. На каком расстоянии от оси вращения находится точка,");
    toolkit::WriteText2NumbersLn(s, "ускорение которой через ", t,
                                 "~c после начала движения из состояния покоя достигает ", a,
                                 "~см/с$^2$~?");
    AnswerRadius(s, (a / eps) / std::sqrt(eps * eps * t * t * t * t + 1));
  } else if (s.P2 == 2) {
    const double eps = 0.01 * s.P3;
    const double t = Round(1 / std::sqrt(eps));
    const double r = 2.0 * s.P4;
    const double omega = t * eps;
    toolkit::WriteLine(s, FormatFixed(eps, 5, 2) +
                              "~рад/c$^2$. Найти ускорение точки, лежащей на расстоянии " +
                              FormatFixed(r, 3, 0) + "%");
    toolkit::WriteTextNumberLn(s, "~см от оси вращения, через ", t,
                               "~c после начала движения из состояния покоя. ");
    AnswerAcceleration(s, PointAcceleration(r, omega, eps));
  } else if (s.P2 == 3) {
    const double t = 0.1 * s.P3;
    const double a = s.P4;
    const double r = Round(t * t * a) + 1;
    toolkit::WriteText3NumbersLn(
        s, "$\\varepsilon$. Через ", t,
        "~c после начала движения из состояния покоя  ускорение точки,  лежащей на расстоянии ",
        r, "~см от оси вращения, достигает {", a, "~см/с$^2$}. Найти $\\varepsilon$.");
    toolkit::AnsWriteTextNumber(s, "\\varepsilon=", EpsilonFromPointAcceleration(a, r, t),
                                "$~рад/c$^2$. ");
  }
}

void ProblemArbitraryLaw(SharedState& s) {  // P1 = 2
  toolkit::WriteLine(s,
                     " Твердое тело вращается вокруг неподвижной оси по произвольному закону "
                     "${\\varphi=\\varphi(t)}$.");
  if (s.P2 == 1) {
    const double eps = s.P3;
    const double r = s.P4 + 2;
    const double a = eps * r + 4;
    toolkit::WriteText3NumbersLn(
        s, "В момент, когда угловое ускорение тела равно {", eps,
        "~рад/c$^2$,} известно ускорение точки, лежащей на расстоянии ", r, "~см от оси, $a=$ ",
        a, "~см/с$^2$. Чему равна в этот момент угловая скорость тела?");
    const double q = a / r;
    toolkit::AnsWriteTextNumber(s, "\\omega=$", toolkit::Power(q * q - eps * eps, 0.25),
                                "~рад/c.");
  } else if (s.P2 == 2) {
    const double r = s.P4 + 5;
    const double eps = s.P3;
    const double v = r * Round(std::sqrt(eps));
    toolkit::WriteText3NumbersLn(s, " В некоторый момент угловое ускорение тела равно ", eps,
                                 "~рад/c$^2$. Известна скорость $v=", v,
                                 "$~см/с точки, лежащей на расстоянии ", r,
                                 "~см от оси. Найти ускорение этой точки.");
    AnswerAcceleration(s, PointAcceleration(r, v / r, eps));
  } else if (s.P2 == 3) {
    const double a = s.P4 + 25;
    const double eps = s.P3;
    const double omega = Round(std::sqrt(eps)) + 1;
    toolkit::WriteText2NumbersLn(s, "В момент, когда угловое ускорение тела равно ", eps,
                                 "~рад/c$^2$, а угловая скорость тела равна ", omega,
                                 "~рад/c, известно ускорение точки {$a=$");
    toolkit::WriteLine(s, FormatFixed(a, 3, 0) +
                              "~см/с$^2$}. Найти расстояние от точки до оси вращения.");
    toolkit::AnsWriteTextNumber(s, " R   =", a / toolkit::Hypot(eps, omega * omega), "$~см.");
  }
}

void ProblemWheel(SharedState& s) {  // P1 = 3
  toolkit::WriteLine(s, " Колесо вращается с постоянным угловым ускорением%");
  const double omega = 0.1 * s.P3;
  if (s.P2 == 1) {
    const double t = Round(1 / omega) + 1;
    const double a = s.P3 * s.P4;
    toolkit::WriteText3NumbersLn(
        s,
        ". На каком расстоянии от оси вращения находится точка, ускорение  которой через ", t,
        "~c после начала вращения из состояния покоя  достигает ", a,
        "~см/с$^2$? Угловая скорость в этот момент равна ", omega, "~рад/c.");
    AnswerRadius(s, (a / omega) / std::sqrt(omega * omega + 1 / (t * t)));
  } else if (s.P2 == 2) {
    const double t = Round(1 / omega) + 1;
    const double r = s.P4 + 10;
    toolkit::WriteText3NumbersLn(
        s, ". Вычислить ускорение точки, лежащей на расстоянии ", r, "~см от оси,  через ", t,
        "~c после начала вращения из состояния покоя, если  угловая скорость в этот момент "
        "равна ",
        omega, "~рад/c.");
    AnswerAcceleration(s, r * omega * std::sqrt(omega * omega + 1 / (t * t)));
  } else if (s.P2 == 3) {
    const double R = s.P4 + 5;
    const double a = Round(5 * R * omega * omega) + 1;
    toolkit::WriteText3NumbersLn(
        s,
        ". Через какое время после начала движения  из состояния покоя ускорение точки на его "
        "ободе достигнет ",
        a, "~см/с$^2$, а угловая скорость будет при этом равна ", omega,
        "~рад/c? Радиус диска {$R=", R, "~cм$}.");
    const double q = a / R;
    toolkit::AnsWriteTextNumber(s, " t   =", omega / std::sqrt(q * q - omega * omega * omega * omega),
                                "$~c.");
  }
}

void ProblemBodyPoint(SharedState& s) {  // P1 = 4
  if (s.P2 == 1) {
    const double t = s.P3 + 30;
    const double a = 10.0 * s.P4 - 1;
    const double r = s.P3 + s.P4;
    const double eps = BodySpinUpStatement(s, t, r, a);
    toolkit::WriteLine(s, " Сколько оборотов сделает тело за это время ?");
    toolkit::AnsWriteTextNumber(s, " n   =", eps * t * t / 2 / (2 * kPi), "$. ");
  } else if (s.P2 == 2) {
    const double t = s.P3;
    const double a = s.P4;
    const double r = 2 * a * t * t;
    const double eps = BodySpinUpStatement(s, t, r, a);
    toolkit::WriteLine(s, " Найти скорость точки М в этот момент.");
    AnswerVelocity(s, r * eps * t);
  } else if (s.P2 == 3) {
    const double t = s.P3;
    const double a = 10.0 * s.P4;
    const double r = a * t;
    const double eps = BodySpinUpStatement(s, t, r, a);
    toolkit::WriteLine(s, " Найти угловую скорость тела в этот момент.");
    toolkit::AnsWriteTextNumber(s, " \\omega=", eps * t, "$~рад/c.");
  }
}

void ProblemDiscTurns(SharedState& s) {  // P1 = 5
  const double N = 10.0 * s.P3;
  const double t = N * s.P4;
  const double eps = 2 * (2 * kPi * N) / (t * t);
  const double omega = eps * t;
  toolkit::WriteText2NumbersLn(s,
                               " Вращаясь с постоянным угловым ускорением, диск делает ", N,
                               " оборотов за ", t,
                               "~c после начала движения из состояния покоя.");
  if (s.P2 == 1) {
    const double R = s.P3 + 1;
    RimVelocityLine(s, R);
    AnswerVelocity(s, omega * R);
  } else if (s.P2 == 2) {
    const double R = s.P4;
    RimAccelerationLine(s, R);
    AnswerAcceleration(s, PointAcceleration(R, omega, eps));
  } else if (s.P2 == 3) {
    const double a = 10.0 * s.P4;
    DistanceLine(s, a);
    AnswerRadius(s, a / toolkit::Hypot(omega * omega, eps));
  }
}

void ProblemUniformDisc(SharedState& s) {  // P1 = 6
  const double N = 10.0 * s.P3;
  const double t = s.P2 == 1 ? s.P3 * s.P4 : s.P3 * (s.P4 + 10);
  const double omega = 2 * kPi * N / t;
  toolkit::WriteText2NumbersLn(s,
                               " Вращаясь с постоянной угловой скоростью, диск делает ", N,
                               " оборотов за ", t,
                               "~c после начала движения из состояния покоя.");
  if (s.P2 == 1) {
    const double R = s.P4 + 10;
    RimVelocityLine(s, R);
    AnswerVelocity(s, omega * R);
  } else if (s.P2 == 2) {
    const double R = 2.0 * s.P3;
    RimAccelerationLine(s, R);
    AnswerAcceleration(s, omega * omega * R);
  } else if (s.P2 == 3) {
    const double a = 10.0 * (s.P4 + 20);
    DistanceLine(s, a);
    AnswerRadius(s, a / (omega * omega));
  }
}

void ProblemWheelTurns(SharedState& s) {  // P1 = 7
  const double N = 10.0 * s.P3;
  const double omega = s.P4;
  if (s.P2 == 1) {
    toolkit::WriteText2NumbersLn(s,
                                 " Колесо вращается с постоянным угловым ускорением. Спустя "
                                 "некоторое время $t$, колесо сделало ",
                                 N, " оборотов и развило угловую скорость ", omega,
                                 "~рад/c. Найти время $t$.");
    toolkit::AnsWriteTextNumber(s, " t   =", 2 * (2 * kPi * N) / omega, "$~c. ");
  } else if (s.P2 == 2) {
    const double R = Round(10.0 / s.P4) + 1;
    const double eps = WheelSpinUpStatement(s, omega, N);
    RimAccelerationLine(s, R);
    AnswerAcceleration(s, PointAcceleration(R, omega, eps));
  } else if (s.P2 == 3) {
    const double a = s.P3 * s.P4 + 1;
    const double eps = WheelSpinUpStatement(s, omega, N);
    DistanceLine(s, a);
    AnswerRadius(s, a / toolkit::Hypot(omega * omega, eps));
  }
}

void ProblemBodyTurns(SharedState& s) {  // P1 = 8
  const double N = 5.0 * s.P3;
  const double eps = 2 - 0.1 * s.P3;
  const double t = std::sqrt(2 * (2 * kPi * N) / eps);
  const double omega = t * eps;
  toolkit::WriteText2NumbersLn(s,
                               " Твердое тело вращается вокруг неподвижной оси с постоянным "
                               "угловым   ускорением ",
                               eps, "~рад/c$^2$ и за некоторое время $t$ делает ", N,
                               " оборотов. Начальная угловая скорость тела равна нулю.");
  if (s.P2 == 1) {
    const double R = s.P4 + 1;
    RimVelocityLine(s, R);
    AnswerVelocity(s, omega * R);
  } else if (s.P2 == 2) {
    const double R = s.P4;
    RimAccelerationLine(s, R);
    AnswerAcceleration(s, PointAcceleration(R, omega, eps));
  } else if (s.P2 == 3) {
    const double a = 1000.0 * s.P3;
    toolkit::WriteTextNumberLn(s,
                               "На каком расстоянии от оси вращения находится точка, ускорение "
                               "которой в этот момент равно ",
                               a * 0.01, "~м/c$^2$~?");
    AnswerRadius(s, a / toolkit::Hypot(omega * omega, eps));
  }
}

void ProblemQuadraticLaw(SharedState& s) {  // P1 = 9
  const double R = s.P4 + 20;
  toolkit::WriteLine(s,
                     " Колесо, вращаясь вокруг неподвижной оси, увеличивает свою угловую "
                     "скорость по закону $\\omega=kt^2$.");
  if (s.P2 == 1) {
    const double eps = s.P4 + 5;
    const double t = 0.1 * s.P3 + 1.5;
    const double k = eps / (2 * t);
    const double omega = k * t * t;
    toolkit::WriteText3NumbersLn(
        s, " Через $", t, "~$c угловое ускорение становится равным ", eps,
        "~рад/c$^2$. Найти ускорение точки, лежащей на его ободе, в этот момент. Радиус диска "
        "$R=",
        R, "$~см.");
    AnswerAcceleration(s, PointAcceleration(R, omega, eps));
  } else if (s.P2 == 2 || s.P2 == 3) {
    const double a = R - 1;
    const double t = 0.1 * s.P3 + 0.5;
    const double t2 = t * t, t4 = t2 * t2, t8 = t4 * t4;
    const double k = std::sqrt((std::sqrt(16 * t4 + 4 * t8 * a * a / (R * R)) - 4 * t2) * 0.5 / t8);
    const double T = s.P4;
    toolkit::WriteTextNumber(s, " Через $", t, " c$ ускорение точки, лежащей на его ободе, ");
    toolkit::WriteTextNumber(s, "становится равным ", a, "~см/с$^2$. Радиус диска $R=");
    toolkit::WriteTextNumber(s, "", R, "$~см. Найти ");
    toolkit::WriteText(s, s.P2 == 2 ? " угловую скорость " : " угловое ускорение ");
    toolkit::WriteTextNumberLn(s, " колеса при $t=", T, "$~c.");
    if (s.P2 == 2) {
      toolkit::AnsWriteTextNumber(s, " \\omega=", k * T * T, "$~рад/c .");
    } else {
      toolkit::AnsWriteTextNumber(s, " \\varepsilon=", 2 * k * T, "$~рад/c$^2$ .");
    }
  }
}

void ProblemFlywheel(SharedState& s) {  // P1 = 10
  const double omega0 = s.P4 + 14;
  const double N = 10.0 * s.P3 + 5;
  const double phi = 2 * kPi * N;
  const double t_half = (4.0 / 3.0) * phi / omega0;
  const double eps = (omega0 / 2) / t_half;
  toolkit::WriteText2NumbersLn(s, " Имея угловую скорость $\\omega=$", omega0,
                               "~рад/c, маховик начинает  равномерно тормозить "
                               "($\\varepsilon=const$). После ",
                               N, " оборотов его угловая скорость уменьшается вдвое.");
  if (s.P2 == 1) {
    toolkit::WriteText(s, " Найти время торможения до полной остановки маховика.");
    toolkit::AnsWriteTextNumber(s, " t=", omega0 / eps, "$~с.");
  } else if (s.P2 == 2) {
    toolkit::WriteText(s, " Найти  угловое ускорение маховика.");
    toolkit::AnsWriteTextNumber(s, " \\varepsilon=", eps, "$~рад/c$^2$");
  } else if (s.P2 == 3) {
    toolkit::WriteText(
        s, " За какое время с начала торможения угловая скорость маховика уменьшится втрое?");
    toolkit::AnsWriteTextNumber(s, " t =", (2 * omega0 / 3) / eps, "$~c. ");
  }
}

}  // namespace

void BeginBodyPointMotionProblem(SharedState& s) {
  s.ParboxWidth = 190;
  toolkit::AnsBeginTable(s, 4);
  // The variants ask for different quantities: each answer names its own.
  toolkit::AnsWriteLine(s, "\\No & ответ \\\\\\hline ");
  toolkit::WriteBookReference(s, 149);
}

void WriteBodyPointMotionVariant(SharedState& s) {
  // The key carries the number printed on the variant, so that it matches with any starting
  // number.
  toolkit::AnsWrite(s, "{\\bf " + FormatFixed(toolkit::PrintedVariantNumber(s), 4, 0) + ".} & $");
  switch (s.P1) {
    case 1: ProblemDisc(s); break;
    case 2: ProblemArbitraryLaw(s); break;
    case 3: ProblemWheel(s); break;
    case 4: ProblemBodyPoint(s); break;
    case 5: ProblemDiscTurns(s); break;
    case 6: ProblemUniformDisc(s); break;
    case 7: ProblemWheelTurns(s); break;
    case 8: ProblemBodyTurns(s); break;
    case 9: ProblemQuadraticLaw(s); break;
    case 10: ProblemFlywheel(s); break;
    default: break;
  }
  toolkit::WriteText(s, "\\vskip3mm");
}

}  // namespace kinematics
