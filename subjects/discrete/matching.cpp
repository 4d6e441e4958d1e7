#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "toolkit/int_matrix.h"
#include "toolkit/max_flow.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// Fills the 6 x 6 block of GraphMatrix: the parameters' pairs, then an edge for every vertex
// left bare, then four more edges when there are fewer than 11.
void BuildBipartiteGraph(SharedState& s) {
  const int p[7] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6};
  int a[7] = {};
  int b[7] = {};
  toolkit::ClearIntMatrix(s.GraphMatrix, 6);
  for (int k = 1; k <= 6; ++k) {
    a[k] = toolkit::DivPlusOne(static_cast<std::uint8_t>(p[k] - 1), 6);
    b[k] = toolkit::ModPlusOne(static_cast<std::uint8_t>(p[k] - 1), 6);
    s.GraphMatrix[a[k]][b[k]] = 1;
  }
  toolkit::TIntMatrix& g = s.GraphMatrix;
  for (int i = 1; i <= 6; ++i) {
    bool bare = true;
    for (int j = 1; j <= 6; ++j) bare = bare && g[i][j] == 0;
    if (bare) g[i][i] = 1;
  }
  for (int j = 1; j <= 6; ++j) {
    bool bare = true;
    for (int i = 1; i <= 6; ++i) bare = bare && g[i][j] == 0;
    if (bare) g[j + 1 > 6 ? 1 : j + 1][j] = 1;
  }
  int edges = 0;
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) edges += g[i][j];
  }
  if (edges < 11) {
    int r = b[6] / 2 + 1;
    int c = a[6] / 2 + 1;
    int added = 0;
    while (added < 4) {
      if (g[r][c] == 0) {
        g[r][c] = 1;
        ++added;
      }
      if (++r > 6) {
        r = 1;
        ++c;
      }
    }
  }
}

}  // namespace

void BeginMatchingProblem(SharedState& s) {
  for (int i = 1; i <= 6; ++i) {
    s.PointX[i] = 0;
    s.PointY[i] = 12 * (7 - i);
    s.PointX[6 + i] = 40;
    s.PointY[6 + i] = 12 * (7 - i);
  }
  s.ParboxWidth = 125;
  toolkit::WriteLine(s, "\\newsavebox{\\versins}\\sbox{\\versins}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  for (int p = 1; p <= 12; ++p) figures::DrawNodeMarker(s, p);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s,
                     " Найти наибольшее паросочетание в двудольном графе. Определить число $P$ "
                     "{\\it совершенных} паросочетаний.\\\\\\noindent");
}

void WriteMatchingVariant(SharedState& s) {
  BuildBipartiteGraph(s);
  toolkit::BeginPicture(s, 100, 80, -10, 0);
  figures::PutBox(s, "versins", 0, 0);
  figures::SetLineWidth(s, 8);
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      if (s.GraphMatrix[i][j] == 1) figures::DrawBar(s, i, j + 6);
    }
  }
  figures::SetLineWidth(s, 1);
  toolkit::EndPicture(s);

  toolkit::TIntMatrix arcs{};
  for (int i = 1; i <= 6; ++i) {
    arcs[1][i + 1] = 1;
    arcs[i + 7][14] = 1;
    for (int j = 1; j <= 6; ++j) {
      if (s.GraphMatrix[i][j] == 1) arcs[i + 1][j + 7] = 1;
    }
  }
  toolkit::TIntMatrix flow{};
  toolkit::ComputeMaxFlow(14, arcs, arcs, flow);
  s.DeterminantMode = false;
  const int permanent = toolkit::IntMatrixDeterminant(s, s.GraphMatrix, 6);

  // Six pictures to a line: the answers come as one unbreakable box that has to hold all 40.
  toolkit::AnsWriteTextNumber(s, "\\noindent\\parbox[t]{62pt}{\\hfill \\bf ",
                              toolkit::PrintedVariantNumber(s), ") ");
  toolkit::AnsWriteTextNumber(s, "$P=", permanent, "$\\\\ ");
  // The picture holds all it draws: up to x = 46.
  toolkit::AnsBeginPicture(s, 55, 80, -8, 0);
  figures::AnsPutBox(s, "versins", 0, 0);
  figures::AnsSetLineWidth(s, 8);
  for (int i = 2; i <= 13; ++i) {
    for (int j = 2; j <= 13; ++j) {
      if (flow[i][j] == 1) figures::AnsDrawBar(s, i - 1, j - 1);
    }
  }
  figures::AnsSetLineWidth(s, 1);
  toolkit::AnsEndPicture(s);
  toolkit::AnsWrite(s, "}  ");
}

}  // namespace discrete
