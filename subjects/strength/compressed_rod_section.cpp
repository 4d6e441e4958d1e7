#include "subjects/strength/compressed_rod_section.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/strength/compressed_rod.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kPi = std::numbers::pi;

constexpr const char* kMaterialNames[] = {
    "Сталь 3, $[\\sigma]=160$~МПа", "Сталь 5, $[\\sigma]=240$~МПа",
    "Чугун,   $[\\sigma]=130$~МПа",  "Дерево,  $[\\sigma]=11$~МПа",
    "Д16Т, $[\\sigma]=100$~МПа",
};
constexpr double kAllowedStress[] = {160, 240, 130, 11, 100};

// The buckling factor phi by slenderness 0, 10, ..., 200 (rows) and material (columns).
constexpr double kBucklingFactor[21][5] = {
    {1.00, 1.00, 1.00, 1.00, 1.00}, {0.99, 0.98, 0.97, 0.99, 1.00},
    {0.96, 0.96, 0.91, 0.97, 1.00}, {0.94, 0.93, 0.81, 0.93, 0.84},
    {0.92, 0.89, 0.69, 0.87, 0.70}, {0.89, 0.85, 0.57, 0.80, 0.57},
    {0.86, 0.80, 0.44, 0.71, 0.46}, {0.81, 0.74, 0.34, 0.60, 0.35},
    {0.75, 0.67, 0.26, 0.48, 0.27}, {0.69, 0.59, 0.20, 0.38, 0.21},
    {0.60, 0.50, 0.16, 0.31, 0.17}, {0.52, 0.43, 0.16, 0.25, 0.14},
    {0.45, 0.37, 0.16, 0.22, 0.12}, {0.40, 0.32, 0.16, 0.18, 0.10},
    {0.36, 0.28, 0.16, 0.16, 0.09}, {0.32, 0.25, 0.16, 0.14, 0.08},
    {0.29, 0.23, 0.16, 0.12, 0.08}, {0.26, 0.21, 0.16, 0.11, 0.08},
    {0.23, 0.19, 0.16, 0.10, 0.08}, {0.21, 0.17, 0.16, 0.09, 0.08},
    {0.19, 0.15, 0.16, 0.08, 0.08},
};

void DimensionH(SharedState& s, const std::string& text, double x1, double x2, double y) {
  DrawDimensionHText(s, text, x1, x2, y);
}

void DrawRodSection(SharedState& s, int p1, double t, double k) {
  s.BlockCentred = false;
  const std::string tb = "$" + toolkit::FormatNumberSci(t) + "b$";
  const std::string kb = "$" + toolkit::FormatNumberSci(k) + "b$";
  switch (p1) {
    case 1:
      DrawCircle(s, 20, 20, 40);
      DrawCircle(s, 20, 20, 34);
      DimensionH(s, "$b$", 0, 40, -9);
      DrawVector(s, 1, 0, 30, 20, 7);
      DrawVector(s, -1, 0, 47, 20, 7);
      PutLabel(s, tb, 43, 23);
      break;
    case 2:
      DrawRotatedBlock(s, 4, 0, 0, 0, 40, 40);
      DimensionH(s, "$b$", 0, 40, -9);
      DrawDimensionVText(s, "$b$", 50, 0, 40);
      break;
    case 3:
      DrawCircle(s, 20, 20, 40);
      DimensionH(s, "$b$", 0, 40, -9);
      break;
    case 4:
      DrawRotatedBlock(s, 4, 0, 0, 0, 40 * k, 40);
      DimensionH(s, kb, 0, 40 * k, -9);
      DrawDimensionVText(s, "$b$", 40 * k + 10, 0, 40);
      break;
    case 5:
      DrawSegment(s, 0, 0, 40, 0);
      LineTo(s, 20, 34.64);
      LineTo(s, 0, 0);
      PutLabel(s, "$A$", -9, -3);
      PutLabel(s, "$B$", 42, -3);
      PutLabel(s, "$C$", 21, 36);
      PutLabel(s, "$AB=BC=AC$", -10, -15);
      break;
    case 6:
      DrawRotatedBlock(s, 4, 0, 0, 0, 40 * k, 40);
      DrawRotatedBlock(s, 4, 5, 5, 0, 40 * k - 10, 30);
      DimensionH(s, kb, 0, 40 * k, -9);
      DrawDimensionVText(s, "$b$", 40 * k + 10, 0, 40);
      DrawVector(s, 1, 0, -7, 20, 7);
      DrawVector(s, -1, 0, 12, 20, 7);
      PutLabel(s, tb, -16, 23);
      break;
    default:
      DrawRotatedBlock(s, 4, 0, 0, 0, 20 * k, 20 * k);
      DrawCircle(s, 10 * k, 10 * k, 20);
      DrawVector(s, 1, 1, 10 * k, 10 * k, 6.8);
      DrawVector(s, -1, -1, 10 * k, 10 * k, 6.8);
      PutLabel(s, "$b$", 10 * k - 3, 10 * k + 1);
      DimensionH(s, kb, -1, 20 * k, -9);
      break;
  }
}

}  // namespace

CompressedRodSectionVariant DeriveCompressedRodSection(int p1, int p2, int p3, int p4, int p5,
                                                       int p6) {
  CompressedRodSectionVariant v;
  const double t = v.t = 0.1 * p2;
  const double k = v.k = 1 + 0.1 * p6;
  v.mu = LengthFactorTable[p3];
  const double q = 1 - 2 * t;
  switch (p1) {
    case 1:
      v.Fbar = kPi / 4 * (1 - q * q);
      v.Jbar = kPi / 64 * (1 - q * q * q * q);
      break;
    case 2: v.Fbar = 1, v.Jbar = 1.0 / 12; break;
    case 3: v.Fbar = kPi / 4, v.Jbar = kPi / 64; break;
    case 4: v.Fbar = k, v.Jbar = k / 12; break;
    case 5: v.Fbar = std::sqrt(3.0) / 4, v.Jbar = v.Fbar / 24; break;
    case 6:
      v.Fbar = k - q * (k - 2 * t);
      v.Jbar = (k - q * q * q * (k - 2 * t)) / 12;
      break;
    default:
      v.Fbar = k * k - kPi / 4;
      v.Jbar = k * k * k * k / 12 - kPi / 64;
      break;
  }
  const double c = std::sqrt(v.Jbar / v.Fbar);
  const int m = p5 - 1;
  v.sigma = kAllowedStress[m];
  v.l = toolkit::RoundHalfEven(10 * (2 + (p4 + p2) / 15.0) / v.mu) / 10;
  if (p5 == 3 || p5 == 5) v.l /= 2;
  const double b0 = (2 * p4 + 50 + 6 * p3) / 10.0;
  const double lambda0 = toolkit::RoundHalfEven(100 * v.mu * v.l / (c * b0));
  const double phi0 = kBucklingFactor[static_cast<int>(lambda0 / 10)][m];
  v.P = 10 * static_cast<int>(toolkit::RoundHalfEven(v.Fbar * b0 * b0 * v.sigma * phi0 / 100));
  if (v.P < 10) v.P = 90;
  if (v.P > 1000) v.P = 990;

  double phi = phi0;
  for (int round = 1; round <= 15; ++round) {
    v.rounds = round;
    const double prev = phi;
    const double Freq = 10.0 * v.P / (v.sigma * phi);
    v.b = std::sqrt(Freq / v.Fbar);
    v.lambda = 100 * v.mu * v.l / (c * v.b);
    const int j = static_cast<int>(v.lambda / 10);
    const double next = kBucklingFactor[j][m] -
                        (v.lambda - 10 * j) * (kBucklingFactor[j][m] - kBucklingFactor[j + 1][m]) / 10;
    const double err = std::fabs(next - prev) / prev;
    phi = (prev + next) / 2;
    if (err <= 0.005) break;
  }
  return v;
}

void BeginCompressedRodSectionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  AnsBeginTable(s, 4);
  AnsWrite(s, "\\No\\ru & \\mc{$ b$}&\\mc{$\\lambda $}&\\mc{$\\mu$} \\\\\\hline");
  WriteLine(s,
            " Прямолинейный стержень длиной $l$ сжимается продольной силой $P$.  Подобрать "
            "размер $b$ сечения стержня пользуясь таблицей коэффициентов $\\varphi$ снижения "
            "допускаемых напряжений [$\\sigma$].  Принять точность вычисления $\\varphi$ равной "
            "5\\%. \\vskip2mm\\noindent ");
}

void WriteCompressedRodSectionVariant(SharedState& s) {
  const CompressedRodSectionVariant v =
      DeriveCompressedRodSection(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6);
  WriteText2NumbersLn(s, std::string("{\\small ") + kMaterialNames[s.P5 - 1] + ", $l=", v.l,
                      "$~м, $P=", v.P, "$~кН.\\vskip9mm }");
  AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & " +
                  toolkit::FormatFixed(v.b, 6, 3) + " & " + toolkit::FormatFixed(v.lambda, 6, 3) +
                  " & " + toolkit::FormatFixed(v.mu, 6, 1));
  // The section with its dimensions, then the rod's scheme with P above it.
  BeginPicture(s, 120, 60, -30, -16);
  DrawRodSection(s, s.P1, v.t, v.k);
  EndPicture(s);
  BeginPicture(s, 70, 80, -30, -16);
  DrawCompressedRodScheme(s, s.P3);
  EndPicture(s);
}

}  // namespace strength
