#include "subjects/dynamics/time_laws.h"

#include <cmath>
#include <numbers>

#include "toolkit/numerics.h"

namespace dynamics {

namespace {

using Long = long double;
constexpr Long kPi = std::numbers::pi_v<long double>;

enum class Kernel { kExp, kCos, kSin };

// Laws 1..10: f = c g(t/w) + a t^2 + b t + d.
struct KernelLaw {
  Long a, b, d, c;
  Kernel kernel;
  Long w;
};

constexpr KernelLaw kKernelLaws[10] = {
    {0, 0, 1, 0.2L, Kernel::kExp, 5}, {0, 3, 0, 0.1L, Kernel::kExp, 6},
    {1, 0, 0, 0.3L, Kernel::kExp, 2}, {0, 4, 0, 3, Kernel::kCos, 2},
    {0, 3, 0, 4, Kernel::kCos, 3},    {3, 0, 0, 2, Kernel::kCos, 4},
    {0, 0, 9, 2, Kernel::kSin, 3},    {1, 0, 0, 3, Kernel::kSin, 4},
    {0, 5, 0, 4, Kernel::kSin, 2},    {0, 0, 4, 2, Kernel::kCos, 5},
};

Long KernelIntegral(Kernel kernel, Long t, Long w) {
  switch (kernel) {
    case Kernel::kExp:
      return w * (std::exp(t / w) - 1);
    case Kernel::kCos:
      return w / kPi * std::sin(kPi * t / w);
    case Kernel::kSin:
      return w / kPi * (1 - std::cos(kPi * t / w));
  }
  return 0;
}

}  // namespace

std::string TimeLawText(int k, char letter, std::string unchanged) {
  const std::string x(1, letter);
  switch (k) {
    case 1: return "0.2\\exp(" + x + "/5)$+$1";
    case 2: return "0.1\\exp(" + x + "/6)$+$3" + x;
    case 3: return "0.3\\exp(" + x + "/2)+" + x + "^2";
    case 4: return "3\\cos(\\pi " + x + "/2)$+$4" + x;
    case 5: return "4\\cos(\\pi " + x + "/3)$+$3" + x;
    case 6: return "2\\cos(\\pi " + x + "/4)$+$3" + x + "^2";
    case 7: return "2\\sin(\\pi " + x + "/3)$+$9";
    case 8: return "3\\sin(\\pi " + x + "/4)$+$" + x + "^2";
    case 9: return "4\\sin(\\pi " + x + "/2)$+$5" + x;
    case 10: return "2\\cos(\\pi " + x + "/5)$+$4";
    case 11: return "2\\cos^2(\\pi " + x + "/6)";
    case 12: return "\\sqrt{2" + x + "+1}";
    case 13: return x + "\\exp(" + x + "/4)";
    case 14: return x + "\\sqrt{" + x + "^2+1}";
    case 15: return "10\\sin^2(\\pi " + x + "/6)";
    case 16: return "10/(1+2" + x + ")";
    case 17: return "8" + x + "/(2+3" + x + ")";
    case 18: return "8" + x + "^2/(1+5" + x + ")";
    case 19: return "7e^{2" + x + "}/(1+e^{2" + x + "})";
    case 20: return "9" + x + "^2/(2+" + x + "^3)";
    default: return unchanged;
  }
}

double TimeLawIntegral(int k, double t_in) {
  const Long t = t_in;
  if (k >= 1 && k <= 10) {
    const KernelLaw& law = kKernelLaws[k - 1];
    const Long polynomial = ((law.a * t / 3 + law.b / 2) * t + law.d) * t;
    return static_cast<double>(polynomial + law.c * KernelIntegral(law.kernel, t, law.w));
  }
  Long value = 0;
  switch (k) {
    case 11: value = t + std::sin(2 * kPi * t / 6) * 0.5L * 6 / kPi; break;
    case 12: value = ((2 * t + 1) * std::sqrt(2 * t + 1) - 1) / 3; break;
    case 13: value = 16 * (std::exp(t / 4) * (t / 4 - 1) + 1); break;
    case 14: value = ((t * t + 1) * std::sqrt(t * t + 1) - 1) / 3; break;
    case 15: value = (kPi * t - 3 * std::sin(kPi * t / 3)) * 5 / kPi; break;
    case 16: value = 5 * std::log(1 + 2 * t); break;
    case 17: value = (t - 2.0L / 3 * std::log(1 + 1.5L * t)) * 8 / 3; break;
    case 18: value = ((t - 0.4L) * t + 0.08L * std::log(1 + 5 * t)) * 0.8L; break;
    case 19: value = 3.5L * std::log((std::exp(2 * t) + 1) / 2); break;
    default:  // law 20, also for every number outside 1..19
      value = 3 * std::log(1 + 0.5L * toolkit::Power(t_in, 3));
  }
  return static_cast<double>(value);
}

}  // namespace dynamics
