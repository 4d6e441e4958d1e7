#include "subjects/strength/critical_force.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/strength/compressed_rod.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kPi = std::numbers::pi;

struct Point {
  double x, y;
};

// The sketch of each section kind: polylines separated by a point with x = 99; the row
// ends at the first (0, 0), which no sketch passes through.
constexpr double kEnd = 99;
constexpr Point kSketches[10][20] = {
    {{-15, 7.5}, {-1, 7.5}, {-1, -7.5}, {kEnd, 0}, {15, 7.5}, {1, 7.5}, {1, -7.5}, {kEnd, 0}},
    {{-15, 15}, {-1, 15}, {-1, -15}, {-15, -15}, {kEnd, 0},
     {15, 15}, {1, 15}, {1, -15}, {15, -15}, {kEnd, 0}},
    {{-1, 15}, {-15, 15}, {-15, -15}, {-1, -15}, {kEnd, 0},
     {1, 15}, {15, 15}, {15, -15}, {1, -15}, {kEnd, 0}},
    {{-1, 15}, {-15, 15}, {-15, 1}, {kEnd, 0}, {1, 15}, {15, 15}, {15, 1}, {kEnd, 0},
     {1, -15}, {15, -15}, {15, -1}, {kEnd, 0}, {-1, -15}, {-15, -15}, {-15, -1}, {kEnd, 0}},
    {{-1, 15}, {-1, 1}, {-15, 1}, {kEnd, 0}, {1, 15}, {1, 1}, {15, 1}, {kEnd, 0},
     {-1, -15}, {-1, -1}, {-15, -1}, {kEnd, 0}, {1, -15}, {1, -1}, {15, -1}, {kEnd, 0}},
    {{-1, 15}, {-15, 15}, {kEnd, 0}, {-7.5, 15}, {-7.5, -15}, {kEnd, 0}, {-1, -15}, {-15, -15},
     {kEnd, 0}, {1, 15}, {15, 15}, {kEnd, 0}, {7.5, 15}, {7.5, -15}, {kEnd, 0}, {1, -15},
     {15, -15}, {kEnd, 0}},
    {{-15, 7.5}, {-15, -7.5}, {-1, -7.5}, {kEnd, 0}, {15, 7.5}, {15, -7.5}, {1, -7.5}, {kEnd, 0}},
    {{-15, 15}, {-15, 1}, {-1, 1}, {kEnd, 0}, {15, 15}, {15, 1}, {1, 1}, {kEnd, 0},
     {-15, -1}, {-1, -1}, {-1, -15}, {kEnd, 0}, {15, -1}, {1, -1}, {1, -15}, {kEnd, 0}},
    {{-15, 15}, {-15, 1}, {15, 1}, {15, 15}, {kEnd, 0},
     {-15, -1}, {-15, -15}, {15, -15}, {15, -1}, {kEnd, 0}},
    {{-15, 15}, {-15, 1}, {-1, 1}, {kEnd, 0}, {15, 15}, {15, 1}, {1, 1}, {kEnd, 0},
     {-15, -1}, {-15, -15}, {-1, -15}, {kEnd, 0}, {15, -1}, {15, -15}, {1, -15}, {kEnd, 0}},
};

void DrawRodSectionSketch(SharedState& s, int p2) {
  bool start = true;
  for (const Point& p : kSketches[p2 - 1]) {
    if (p.x == 0 && p.y == 0) break;
    if (p.x == kEnd) {
      start = true;
      continue;
    }
    if (start) {
      MoveTo(s, p.x, p.y);
      start = false;
    } else {
      LineTo(s, p.x, p.y);
    }
  }
}

bool IsChannelKind(int p2) { return p2 == 2 || p2 == 3 || p2 == 9; }

}  // namespace

double LimitingSlenderness() { return kPi * std::sqrt(1025.6410256410256); }

void CriticalForceSection(const RolledProfileTables& t, int p2, int n, double& J, double& F) {
  if (p2 == 6) {
    const IBeamProfile& r = t.IBeamTable[n];
    J = 2 * (r.Jy + r.A * (r.b / 20.0) * (r.b / 20.0));
    F = 2 * r.A;
    return;
  }
  if (IsChannelKind(p2)) {
    const ChannelProfile& r = t.ChannelTable[n];
    F = 2 * r.A;
    if (p2 == 2) {
      J = 2 * (r.Jy + r.A * r.z0 * r.z0);
    } else if (p2 == 3) {
      const double d = r.b / 10.0 - r.z0;
      const double first = 2 * (r.Jy + r.A * d * d);
      const double second = 2 * r.Jx;
      J = first < second ? first : second;
    } else {
      const double d = (r.b / 20.0 - r.z0) + r.z0;
      J = 2 * r.Jy + 2 * r.A * d * d;
    }
    return;
  }
  const EqualAngleProfile& r = t.EqualAngleTable[n];
  switch (p2) {
    case 1:
    case 7:
      J = 2 * r.Jx, F = 2 * r.A;
      break;
    case 4: {
      const double d = r.b / 10.0 - r.z0;
      J = 4 * (r.Jx + r.A * d * d), F = 4 * r.A;
      break;
    }
    case 5:
    case 8:
      J = 4 * (r.Jx + r.A * r.z0 * r.z0), F = 4 * r.A;
      break;
    default: {
      const double d = (r.b / 20.0 - r.z0) + r.z0;
      J = 4 * r.Jx + 4 * r.A * d * d, F = 4 * r.A;
      break;
    }
  }
}

CriticalForceVariant DeriveCriticalForce(const RolledProfileTables& t, int p1, int p2, int p3) {
  CriticalForceVariant v;
  v.mu = LengthFactorTable[p1];
  v.n = p3;
  for (;;) {
    double J = 0, F = 0;
    CriticalForceSection(t, p2, v.n, J, F);
    v.J = J * 1e-8;
    v.F = F * 1e-4;
    v.i = std::sqrt(v.J / v.F);
    // The length at which Euler's force, with pi taken as 3, is about 490 kN.
    v.l = static_cast<int>(toolkit::RoundHalfEven(3 * std::sqrt(v.J * 2e11 / 490000) / v.mu));
    // Every lowered row is recomputed, down to row 1 if need be, so that the label, the data
    // and the answers always belong to one profile.
    if (v.l > 15 && v.n > 1) {
      --v.n;
      continue;
    }
    break;
  }
  // The smallest sections would give a rod of no length; 1 m is the shortest rod set.
  v.l = std::max(v.l, 1);
  v.lambda = v.mu * v.l / v.i;
  v.euler = !(v.lambda < LimitingSlenderness());
  if (v.euler) {
    v.Pcr = (kPi / v.lambda) * (kPi / v.lambda) * 2e11 * v.F * 0.001;
  } else {
    v.Pcr = v.F * (310e6 - 1.14e6 * v.lambda) * 0.001;
  }
  return v;
}

void BeginCriticalForceProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 16);
  AnsWrite(s,
           "\\No\\ru & \\mc{$F$}& \\mc{$J$}& \\mc{$i$}&\\mc{$\\mu$}& \\mc{$\\lambda$}& "
           "\\mc{$P_{кр}$}\\\\\\hline");
  AnsWrite(s,
           "       & \\mc{$см^2$}& \\mc{$см^4$}& \\mc{$см$}& \\mc{$-$} & \\mc{$-$} & "
           "\\mc{кН} \\\\\\hline");
  WriteLine(s,
            " Найти критическую силу $P$ центрально сжатого стержня длиной $l$. Известно "
            "симметричное поперечное сечение стержня,  составленное из двух или четырех "
            "прокатных профилей (ГОСТ 8239-89, ГОСТ 8240-89, ГОСТ 8509-86), и схема "
            "закрепления. Модуль упругости материала $E=2\\cdot 10^5$МПа.");
  WriteLine(s,
            " При гибкости меньшей  $\\lambda=\\pi\\sqrt{E/\\sigma_{пц}}$ пользоваться формулой "
            "Ясинского $\\sigma_{кр}=a-b\\lambda$, где  $a=310$~МПа, $b=1.14$~МПа, "
            "$\\sigma_{пц}=195$~МПа.\\\\ \\noindent");
}

void WriteCriticalForceVariant(SharedState& s, const RolledProfileTables& t) {
  const int p1 = s.P1, p2 = s.P2;
  const CriticalForceVariant v = DeriveCriticalForce(t, p1, p2, s.P3);
  s.P3 = static_cast<std::int8_t>(v.n);
  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      toolkit::FormatFixed(v.F * 1e4, 12, 3) + "&" +
                      toolkit::FormatFixed(v.J * 1e8, 12, 3) + "&" +
                      toolkit::FormatFixed(v.i * 100, 12, 3) + "&" +
                      toolkit::FormatFixed(v.mu, 4, 1) + "&" +
                      toolkit::FormatFixed(v.lambda, 12, 3) + "&" +
                      toolkit::FormatFixed(v.Pcr, 12, 3));

  // The section left, the rod's scheme from x = 50 with P above it and l beside it.
  BeginPicture(s, 100, 76, -30, -32);
  SetLineWidth(s, 12);
  WriteText(s, "\\Blue{");
  DrawRodSectionSketch(s, p2);
  WriteLine(s, "}%");
  WriteText(s, "\\put(50,-20){");
  DrawCompressedRodScheme(s, p1);
  WriteLine(s, "}%");
  if (p2 == 6) {
    PutMathValueLabel(s, "\\small \\No ", -9, -30, t.IBeamTable[v.n].number);
  } else if (IsChannelKind(p2)) {
    PutMathValueLabel(s, "\\small \\No ", -9, -30, t.ChannelTable[v.n].number);
    if (v.n == 8) PutText(s, "a", 14, -30);
  } else {
    const EqualAngleProfile& a = t.EqualAngleTable[v.n];
    const int decimals = (v.n == 2 || v.n == 6) ? 1 : 0;
    PutBlueLabel(s,
                 " \\No " + toolkit::FormatFixed(a.b * 0.1, 3, decimals) + "/" +
                     toolkit::FormatFixed(a.t, 1, 0),
                 -19, -25);
  }
  EndPicture(s);
  WriteTextNumberLn(s, "\\hfill\\parbox[b]{99pt}{\\small $l=", v.l, "$~м}");
}

void WriteCriticalForceVariant(SharedState& s) { WriteCriticalForceVariant(s, kRolledProfiles); }

}  // namespace strength
