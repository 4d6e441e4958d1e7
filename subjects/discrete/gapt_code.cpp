#include <string>
#include <vector>

#include "figures/lines.h"
#include "subjects/discrete/counting_problems.h"
#include "toolkit/answers.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

namespace {

// A rooted tree of height 3: the root has three children, child i has c[i] children and
// level-2 vertex j of child i has m[i][j] leaves.
struct GaptTree {
  int c[4] = {};
  int m[4][4] = {};
  int leaves = 0;
};

GaptTree GaptTreeOf(const SharedState& s) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  int digits[15] = {};
  for (int k = 1; k <= 7; ++k) {
    const auto base = static_cast<std::uint8_t>(k <= 4 ? 3 : 4);
    const auto value = static_cast<std::uint8_t>(p[k] - 1);
    digits[2 * k - 1] = toolkit::DivPlusOne(value, base);
    digits[2 * k] = toolkit::ModPlusOne(value, base);
  }
  GaptTree tree;
  int next = 1;
  for (int i = 1; i <= 3; ++i) tree.c[i] = digits[next++];
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= tree.c[i]; ++j) {
      tree.m[i][j] = digits[next++];
      tree.leaves += tree.m[i][j];
    }
  }
  return tree;
}

// The code: the leaves of every level-2 vertex, the children of the three level-1 vertices.
// The root's 3 closes the code and is written apart.
std::vector<int> GaptCode(const GaptTree& tree) {
  std::vector<int> code;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= tree.c[i]; ++j) code.push_back(tree.m[i][j]);
  }
  for (int i = 1; i <= 3; ++i) code.push_back(tree.c[i]);
  return code;
}

// Leaves 1..L along the bottom, level-2 vertices above the mean of their leaves, level-1
// vertices above the mean of theirs, the root last (ringed).
void DrawGaptTree(SharedState& s, const GaptTree& tree) {
  const double w = 125.0 / tree.leaves;
  const double h = 18;
  for (int k = 1; k <= tree.leaves; ++k) {
    s.PointX[k] = w * k;
    s.PointY[k] = 0;
  }
  // The leaves run from x = 125 / L to 125 and their markers 1.5 further, below y = 0 too.
  toolkit::BeginPicture(s, 130, 65, 0, -2);
  figures::SetLineWidth(s, 8);
  int point = tree.leaves;
  int offset = 0;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= tree.c[i]; ++j) {
      ++point;
      double sum = 0;
      for (int k = offset + 1; k <= offset + tree.m[i][j]; ++k) sum += s.PointX[k];
      s.PointX[point] = sum / tree.m[i][j];
      s.PointY[point] = h;
      for (int k = offset + 1; k <= offset + tree.m[i][j]; ++k) figures::DrawBar(s, point, k);
      offset += tree.m[i][j];
    }
  }
  offset = tree.leaves;
  for (int i = 1; i <= 3; ++i) {
    ++point;
    double sum = 0;
    for (int k = offset + 1; k <= offset + tree.c[i]; ++k) sum += s.PointX[k];
    s.PointX[point] = sum / tree.c[i];
    s.PointY[point] = 2 * h;
    for (int k = offset + 1; k <= offset + tree.c[i]; ++k) figures::DrawBar(s, point, k);
    offset += tree.c[i];
  }
  const int root = ++point;
  s.PointX[root] = (s.PointX[root - 3] + s.PointX[root - 2] + s.PointX[root - 1]) * (1.0 / 3);
  s.PointY[root] = 3 * h;
  for (int k = root - 3; k < root; ++k) figures::DrawBar(s, root, k);
  figures::SetLineWidth(s, 1);
  for (int k = 1; k <= root; ++k) figures::DrawNodeMarker(s, k);
  figures::DrawCircleAtPoint(s, root, 4);
  toolkit::EndPicture(s);
}

// While alive, the main-file writers write to the answers file: the decoding row draws its
// answer, the tree, with the drawing routines of the coding row.
class DrawIntoAnswers {
 public:
  explicit DrawIntoAnswers(SharedState& s) : s_(s) { s_.MainFile.Swap(s_.AnswersFile); }
  ~DrawIntoAnswers() { s_.MainFile.Swap(s_.AnswersFile); }
  DrawIntoAnswers(const DrawIntoAnswers&) = delete;
  DrawIntoAnswers& operator=(const DrawIntoAnswers&) = delete;

 private:
  SharedState& s_;
};

}  // namespace

void BeginGaptCodeProblem(SharedState& s, int mode) {
  s.ParboxWidth = 120;
  s.NodeGap = 1.5;  // bars stop at the rim of the vertex markers, whatever ran before
  toolkit::WriteText(s, mode == 1 ? " Найти код Гапта. \\\\\\noindent"
                                  : " По заданному коду Гапта построить дерево. \\\\\\noindent");
  if (mode == 1) {
    toolkit::AnsBeginTable(s, 2);
    toolkit::AnsWriteLine(s, "\\No & код Гапта \\\\\\hline ");
  } else {
    // The answers are the decoded trees, drawn small side by side under their numbers.
    toolkit::AnsWriteLine(s, "\\par\\noindent");
  }
}

void WriteGaptCodeVariant(SharedState& s, int mode) {
  const GaptTree tree = GaptTreeOf(s);
  const std::vector<int> code = GaptCode(tree);
  if (mode == 1) {
    DrawGaptTree(s, tree);
    toolkit::AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
    toolkit::AnsWrite(s, " & ");
    for (int v : code) toolkit::AnsWriteTextNumber(s, "", v, ",");
    toolkit::AnsWriteTextNumber(s, " ", 3, " ");
  } else {
    for (int v : code) toolkit::WriteTextNumberLn(s, "", v, ",");
    toolkit::WriteTextNumberLn(s, " ", 3, " ");
    // No table row carries the student's name here: the caption does, as a table row would.
    const std::string student =
        s.StudentsMode ? " " + s.StudentNames[s.VariantIndex + 1] : std::string();
    toolkit::AnsWriteTextNumberLn(s, "\\parbox[b]{100pt}{\\scriptsize\\rule{0pt}{14pt}",
                                  toolkit::PrintedVariantNumber(s),
                                  student + "\\\\{\\unitlength=0.7pt%");
    {
      const DrawIntoAnswers into_answers(s);
      DrawGaptTree(s, tree);
    }
    toolkit::AnsWriteLine(s, "}}\\hspace{6pt}%");
  }
}

}  // namespace discrete
