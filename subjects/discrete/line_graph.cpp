#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/discrete/problems.h"
#include "subjects/discrete/variant_graph.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

constexpr const char* kLineGraphStatement =
    " По заданному графу построить его реберный граф.\\par\\noindent ";

struct Edge {
  int u = 0;
  int v = 0;
};

// Builds and draws the variant's graph, then numbers its edges and places the line graph's
// vertices (one per edge) on a circle, leaving NodeGap at 6 for the answer's bars.
std::vector<Edge> BuildLineGraph(SharedState& s, int n) {
  BuildVariantGraph(s, n);
  s.NodeGap = 1.5;
  DrawVariantGraphSmall(s, n);
  std::vector<Edge> edges;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (s.GraphMatrix[i][j] == 1) edges.push_back({i, j});
    }
  }
  const double pi = std::numbers::pi;
  const int m = static_cast<int>(edges.size());
  for (int k = 0; k < m; ++k) {
    s.PointX[k + 1] = 30 * (1 + std::sin(2 * pi * k / m));
    s.PointY[k + 1] = 30 * (1 + std::cos(2 * pi * k / m));
  }
  s.NodeGap = 6;
  return edges;
}

void PutEdgeLabel(SharedState& s, double x, double y, int u, int v) {
  toolkit::AnsWrite(s, "\\put(" + toolkit::FormatNumber(x) + "," + toolkit::FormatNumber(y) +
                           "){\\scriptsize " + std::to_string(u) + "," + std::to_string(v) + "}");
}

}  // namespace

void BeginLineGraphProblem(SharedState& s) {
  s.ParboxWidth = 120;
  toolkit::AnsWrite(s, "\\tabcolsep=1pt ");
  // The answers are pictures side by side, five to a line, not rows of a table: the answers
  // file is one box, and forty pictures one below the other would run far off the page.
  toolkit::AnsWriteLine(s, "\\noindent");
  toolkit::WriteText(s, kLineGraphStatement);
}

void WriteLineGraphVariant(SharedState& s, int mode) {
  toolkit::WriteText(s, kLineGraphStatement);
  toolkit::WriteText(s, "\\par");
  std::string caption = std::to_string(toolkit::PrintedVariantNumber(s));
  if (s.StudentsMode) caption += " " + s.StudentNames[s.VariantIndex + 1];
  toolkit::AnsWrite(s, "\\parbox[b]{76pt}{\\scriptsize " + caption + "\\\\");
  const std::vector<Edge> edges = BuildLineGraph(s, mode == 1 ? 5 : 6);
  const int m = static_cast<int>(edges.size());
  // The line graph's circles (radius 6) lie on a circle of radius 30 about (30, 30).
  toolkit::AnsBeginPicture(s, 72, 72, -6, -6);
  for (int k = 1; k <= m; ++k) {
    toolkit::AnsWriteText2Numbers(s, "\\put(", s.PointX[k], ",", s.PointY[k], "){\\circle{12}}");
  }
  for (int k = 1; k <= m; ++k) {
    const Edge& e = edges[static_cast<std::size_t>(k - 1)];
    PutEdgeLabel(s, s.PointX[k] - 4.5, s.PointY[k] - 3, e.u, e.v);
  }
  for (int a = 1; a < m; ++a) {
    const Edge& ea = edges[static_cast<std::size_t>(a - 1)];
    for (int b = a + 1; b <= m; ++b) {
      const Edge& eb = edges[static_cast<std::size_t>(b - 1)];
      const bool share = ea.u == eb.u || ea.u == eb.v || ea.v == eb.u || ea.v == eb.v;
      if (share) figures::AnsDrawBar(s, a, b);
    }
  }
  toolkit::AnsEndPicture(s);
  toolkit::AnsWriteLine(s, "}\\hspace{8pt}");
  toolkit::WriteLine(s, "\\vskip3mm");
}

}  // namespace discrete
