#include "subjects/structural/frame_force_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;

// The drawn frame: five members, EJ = 1, the forces at their points and q across the loaded
// member (pressing from its +90 degree side for q > 0).
void Build(const FrameForceMethodVariant& v, PlaneFrame& f, bool loads) {
  for (int i = 1; i <= 6; ++i) f.AddNode(v.X[i], v.Y[i]);
  for (int k = 1; k <= 5; ++k) f.AddMember(k - 1, k, 1, 1e7);
  if (!loads) return;
  for (int k = 1; k <= 2; ++k) {
    const double p = k == 1 ? v.F1 : v.F2;
    const int at = v.ForcePoint[k] - 1;
    if (v.ForceHorizontal[k]) {
      f.NodalLoad(at, p, 0);
    } else {
      f.NodalLoad(at, 0, p);
    }
  }
  f.UniformLoad(v.LoadedMember - 1, -v.Q);
}

// Numbers of a table row with "$" and "---" cells: "---" reads as NaN.
std::vector<double> Cells(const std::string& row) {
  std::vector<double> out;
  size_t start = 0;
  while (true) {
    const size_t end = row.find('&', start);
    std::string cell = row.substr(start, end == std::string::npos ? std::string::npos : end - start);
    std::string clean;
    for (char c : cell)
      if (c != '$') clean += c;
    if (clean.find("---") != std::string::npos) {
      out.push_back(NAN);
    } else if (clean.find_first_not_of(" \r\n") != std::string::npos) {
      out.push_back(std::stod(clean));
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 5); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 5); }, variants);
}

TEST(FrameForceMethodTest, ReactionsAndCoefficientsMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 2, 3, 4, 6, 10, 14}, 1200, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const FrameForceMethodVariant v =
        DeriveFrameForceMethodVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    const bool roller = v.Scheme >= 6;
    const int d = v.RollerPoint - 1;

    PlaneFrame real;
    Build(v, real, true);
    if (roller) {
      real.Pin(0);
      real.RollerY(d);
    } else {
      real.Clamp(0);
    }
    real.Pin(5);
    ASSERT_TRUE(real.Solve()) << where << real.Error();

    // The basic system: A a vertical roller, B a pin, D removed.
    auto basic = [&](int state, double& along1, double& along2) {
      PlaneFrame f;
      Build(v, f, state == 0);
      f.RollerY(0);
      f.Pin(5);
      if (state == 1) f.NodalLoad(0, 1, 0);
      if (state == 2) {
        if (roller) {
          f.NodalLoad(d, 0, 1);
        } else {
          f.NodalLoad(0, 0, 0, 1);
        }
      }
      ASSERT_TRUE(f.Solve()) << where << f.Error();
      along1 = f.Ux(0);
      along2 = roller ? f.Uy(d) : f.Rotation(0);
    };
    double d11, d12, d21, d22, delta1, delta2;
    basic(1, d11, d21);
    basic(2, d12, d22);
    basic(0, delta1, delta2);
    const double tol = 2e-4 * (1 + std::fabs(d22) + std::fabs(d11));
    ASSERT_NEAR(v.D11, d11, tol) << where;
    ASSERT_NEAR(v.D12, d12, tol) << where;
    ASSERT_NEAR(v.D12, d21, tol) << where;
    ASSERT_NEAR(v.D22, d22, tol) << where;
    ASSERT_NEAR(v.Delta1, delta1, 2e-4 * (1 + std::fabs(delta1))) << where << " " << v.Delta1 << " " << delta1 << " " << v.Delta2 << " " << delta2 << " kq " << v.LoadedMember << " F " << v.ForcePoint[1] << v.ForceHorizontal[1] << " " << v.ForcePoint[2] << v.ForceHorizontal[2];
    ASSERT_NEAR(v.Delta2, delta2, 2e-4 * (1 + std::fabs(delta2))) << where;

    const double expected[6] = {real.Reaction(0, 0), real.Reaction(0, 1),
                                roller ? NAN : real.Reaction(0, 2), real.Reaction(5, 0),
                                real.Reaction(5, 1), roller ? real.Reaction(d, 1) : NAN};
    if (!testing_support::FullSweep() || n % 41 == 0) {
      const auto texts = RunRow({p});
      const std::string head_end = "\\mc{$ Y_D $}\\\\\\hline";
      const std::string tail = texts.answers.substr(texts.answers.find(head_end) + head_end.size());
      const std::vector<double> row = Cells(tail.substr(0, tail.find("\\\\")));
      ASSERT_EQ(row.size(), 7u) << texts.answers;
      for (int i = 0; i < 6; ++i) {
        if (std::isnan(expected[i])) {
          ASSERT_TRUE(std::isnan(row[i + 1])) << where << " column " << i;
        } else {
          ASSERT_NEAR(row[i + 1], expected[i], 0.0011) << where << " column " << i;
        }
      }
      // Equilibrium of the whole frame from the printed reactions and the loads.
      double fx = row[1] + row[4], fy = row[2] + row[5] + (roller ? row[6] : 0);
      for (int k = 1; k <= 2; ++k) (v.ForceHorizontal[k] ? fx : fy) += k == 1 ? v.F1 : v.F2;
      const int dir = v.Dir[v.LoadedMember];
      const double l = v.Length[v.LoadedMember];
      const double nx = dir == 2 ? -1 : dir == 4 ? 1 : 0, ny = dir == 1 ? 1 : dir == 3 ? -1 : 0;
      fx -= v.Q * l * nx;
      fy -= v.Q * l * ny;
      ASSERT_NEAR(fx, 0, 0.003) << where;
      ASSERT_NEAR(fy, 0, 0.004) << where;

      const std::string head2_end = "\\mc{$5$} \\\\\\hline";
      const std::string second =
          texts.second_answers.substr(texts.second_answers.find(head2_end) + head2_end.size());
      const std::vector<double> coeffs = Cells(second.substr(0, second.find("\\\\")));
      ASSERT_EQ(coeffs.size(), 10u) << texts.second_answers;
      const double printed[5] = {v.D11, v.D12, v.D22, v.Delta1, v.Delta2};
      for (int i = 0; i < 5; ++i) ASSERT_NEAR(coeffs[i + 1], printed[i], 0.0051) << where;
      ASSERT_EQ(texts.main.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 2 * 3 * 4 * 6 * 10 * 14));
}

TEST(FrameForceMethodTest, GoldenLines) {
  // Scheme 1 with a negative q (P1 = 1), scheme 6 and scheme 7 ("---" under M_A).
  const auto texts = RunRow({{1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 3, 1, 11}, {2, 2, 3, 4, 6, 10, 14}});
  EXPECT_NE(texts.answers.find("1&$ 12.140$&$  2.883$&$-53.663$&$ 25.860$&$ -8.883$& ---  "
                               "\\\\2&$ -1.873$&$  2.399$& --- &$-18.127$&$ -8.169$&$ -2.230$ "
                               "\\\\3&$-25.507$&$-10.427$& --- &$-31.493$&$-70.000$&$ 80.427$ "),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.second_answers.find(
                "1&$ 210.03$&$  40.76$&$  10.49$&$-362.32$&$  68.24$ &  0.00&-36.46& 75.54& "
                "48.31\\\\[-4pt]&&&&&&  5.00&  4.54&  0.54&  0.31\\\\[-4pt]&&&&&&  1.00&  0.54&  "
                "0.54&  0.31"),
            std::string::npos)
      << texts.second_answers;
  EXPECT_NE(texts.main.find("\\vskip4mm $P$=28~кН,\\ \r\n$F$=10~кН,\\ \r\n$q=2$~кН/м. "),
            std::string::npos);
}

TEST(FrameForceMethodTest, SecondTableIsSplitEveryFifteenVariants) {
  std::vector<testing_support::VariantParams> variants(31, {1, 1, 1, 1, 1, 1, 1});
  const auto texts = RunRow(variants);
  size_t tables = 0;
  for (size_t at = 0; (at = texts.second_answers.find("\\begin{tabular}", at)) != std::string::npos; ++at)
    ++tables;
  EXPECT_EQ(tables, 3u);
}

}  // namespace
}  // namespace structural
