// The picture reader on small drawings whose extents are known by hand: what is drawn and
// where, through \put, nested pictures, saved boxes of sav.txt and of the document, \multiput,
// \unitlength and macros; the label boxes; and the commands it does not know.

#include "tests/support/picture_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::PictureBox;
using testing_support::ReadPicture;

struct ExtentCase {
  const char* name;
  std::string text;
  PictureBox declared;
  PictureBox drawn;
};

void ExpectBox(const PictureBox& got, const PictureBox& want, const char* name, const char* what) {
  EXPECT_NEAR(got.x0, want.x0, 0.01) << name << " " << what << " " << got.Describe();
  EXPECT_NEAR(got.x1, want.x1, 0.01) << name << " " << what << " " << got.Describe();
  EXPECT_NEAR(got.y0, want.y0, 0.01) << name << " " << what << " " << got.Describe();
  EXPECT_NEAR(got.y1, want.y1, 0.01) << name << " " << what << " " << got.Describe();
}

TEST(PictureReader, FindsWhatADrawingCovers) {
  const ExtentCase cases[] = {
      {"a line beyond the right edge",
       R"(\noindent\begin{picture}(100,50)(0,0)%
\put(10,10){\line(1,0){100}}\put(10,10){\vector(-1,2){5}}
\end{picture})",
       {0, 0, 100, 50},
       {5, 10, 110, 20}},
      {"a nested picture with an offset",
       R"(\begin{picture}(100,50)(-10,-5)\put(50,20){\begin{picture}(5,5)(10,10)%
\put(10,10){\circle{4}}\put(0,0){\circle*{2}}\end{picture}}\end{picture})",
       {-10, -5, 90, 45},
       {39, 9, 52, 22}},
      {"a pin support of sav.txt",
       R"(\begin{picture}(20,20)(0,0)\put(10,10){\usebox{\hing}}\end{picture})",
       {0, 0, 20, 20},
       {3, 1, 17, 11.5}},
      {"the em-line pen, repeated, in units of 2 pt",
       R"({\unitlength=2pt\begin{picture}(10,10)(0,0)%
\multiput(0,0)(4,0){3}{\mt{0}{0}\pp{0}{12}}\end{picture}})",
       {0, 0, 20, 20},
       {0, 0, 16, 24}},
      {"a box saved by the document",
       R"(\newsavebox{\bx}\sbox{\bx}{\begin{picture}(2,2)(0,0)\put(-5,0){\line(1,0){10}}%
\end{picture}}\begin{picture}(20,10)(0,0)\put(10,5){\usebox{\bx}}\end{picture})",
       {0, 0, 20, 10},
       {5, 5, 15, 5}},
      {"a saved box placed outside any picture",
       R"(\sbox{\bx}{\begin{picture}(10,10)\put(0,0){\line(1,0){20}}\end{picture}}x \usebox{\bx})",
       {0, 0, 10, 10},
       {0, 0, 20, 0}},
      {"line ends after \\put or a comment in a saved box take no room",
       R"(\newsavebox{\bx}\savebox{\bx}{\put(10,10){\line(1,0){20}}
\mt{0}{0}\pp{5}{0}
\special{em:linewidth0.2pt}%
\put(50,10){\line(0,1){5}}}\begin{picture}(100,100)(0,0)%
\usebox{\bx}%
\put(20,20){\line(1,0){5}}
\end{picture})",
       {0, 0, 100, 100},
       {0, 0, 50, 20}},
      {"half an oval, a hatching row and an arc",
       R"(\begin{picture}(10,10)\put(0,0){\oval(20,10)[t]}\put(0,-4){\strichd{3}}%
\put(0,0){\arc[180,270]{6}}\end{picture})",
       {0, 0, 10, 10},
       {-10, -6, 10, 5}},
      {"a box of \\put lines outside picture mode: \\put eats the blanks after it",
       R"(\sbox{\bx}{\put(10,0){\line(1,0){5}}
\mt{0}{0}\pp{0}{5}
\multiput(0,0)(2,0){2}{\put(0,0){\line(0,1){1}} }
\put(0,8){x}
}\begin{picture}(20,10)(0,0)\put(0,0){\usebox{\bx}}\end{picture})",
       {0, 0, 20, 10},
       {0, 0, 15, 16.16}},
      {"a macro of the document",
       R"(\newcommand{\tick}[1]{\put(#1,0){\line(0,1){5}}}\begin{picture}(10,10)\tick{12}%
\end{picture})",
       {0, 0, 10, 10},
       {12, 0, 12, 5}},
      {"a unit set inside a framed box ends with the box",
       R"(\fbox{\parbox{100pt}{text\unitlength=2pt}}\begin{picture}(10,10)(0,0)%
\put(0,0){\line(1,0){10}}\end{picture})",
       {0, 0, 10, 10},
       {0, 0, 10, 0}},
  };
  const testing_support::PictureReader& reader = testing_support::RepositoryPictureReader();
  for (const ExtentCase& c : cases) {
    const std::vector<ReadPicture> pictures = reader.Read(c.text);
    ASSERT_EQ(pictures.size(), 1u) << c.name;
    ExpectBox(pictures[0].declared, c.declared, c.name, "declared");
    ExpectBox(pictures[0].drawn, c.drawn, c.name, "drawn");
    EXPECT_TRUE(pictures[0].unknown.empty()) << c.name << ": " << *pictures[0].unknown.begin();
  }
}

TEST(PictureReader, GivesEachLabelABoxAtItsFontSize) {
  const std::string text =
      R"(\begin{picture}(60,20)\put(0,0){\scriptsize \Brown{$A$}}\put(3,2){\scriptsize $B_1$})"
      R"(\put(30,0){\tiny 10}\put(30,8){12.5}\end{picture})";
  const std::vector<ReadPicture> pictures = testing_support::PictureReader().Read(text);
  ASSERT_EQ(pictures.size(), 1u);
  const std::vector<testing_support::PictureLabel>& labels = pictures[0].labels;
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[0].text, "A");
  EXPECT_EQ(labels[1].text, "B1");
  EXPECT_EQ(labels[3].text, "12.5");
  // Capitals about three quarters of an em wide and two thirds of one high; digits half an em.
  EXPECT_NEAR(labels[0].box.x1, 0.74 * 8, 0.01);
  EXPECT_NEAR(labels[0].box.y1, 0.68 * 8, 0.01);
  EXPECT_NEAR(labels[2].box.x1 - labels[2].box.x0, 2 * 0.5 * 6, 0.01);
  EXPECT_NEAR(labels[3].box.x1 - labels[3].box.x0, (3 * 0.5 + 0.28) * 12, 0.01);
  // The blank after a control word takes no room: the text starts at its \put.
  EXPECT_NEAR(labels[1].box.x0, 3, 0.01);
  EXPECT_NEAR(labels[2].box.x0, 30, 0.01);
  // The subscript reaches below the baseline.
  EXPECT_LT(labels[1].box.y0, 2);
  EXPECT_TRUE(labels[0].box.Overlaps(labels[1].box, 0.5));
  EXPECT_FALSE(labels[2].box.Overlaps(labels[3].box, 0.5));
  EXPECT_FALSE(labels[0].box.Overlaps(labels[2].box, 0.5));
}

// A comment ends at its line's end and takes the line end with it: the label starts and ends
// where it would on one line (the generators end their lines with "%" inside labels too).
TEST(PictureReader, ReadsNoBlankForTheLineEndAfterAComment) {
  struct Case {
    const char* name;
    std::string with_comment;
    std::string on_one_line;
  };
  const Case cases[] = {
      {"before the text", "\\put(5,0){%\r\n\\scriptsize $F_1$}", "\\put(5,0){\\scriptsize $F_1$}"},
      {"inside the text", "\\put(5,0){AB%\r\nCD}", "\\put(5,0){ABCD}"},
      {"after the text", "\\put(5,0){\\small 12%\n}", "\\put(5,0){\\small 12}"},
      {"after a command", "\\put(5,0){\\Blue{%\r\nA}}", "\\put(5,0){\\Blue{A}}"},
      {"in math", "\\put(5,0){$x%\r\n_1$}", "\\put(5,0){$x_1$}"},
  };
  const testing_support::PictureReader reader;
  for (const Case& c : cases) {
    const auto read = [&](const std::string& label) {
      const std::vector<ReadPicture> pictures =
          reader.Read("\\begin{picture}(60,20)" + label + "\\end{picture}");
      return pictures.size() == 1 && pictures[0].labels.size() == 1 ? pictures[0].labels[0].box
                                                                      : PictureBox{};
    };
    const PictureBox want = read(c.on_one_line);
    ASSERT_FALSE(want.Empty()) << c.name;
    ExpectBox(read(c.with_comment), want, c.name, "label");
  }
}

// The documents' display fraction \frc sets numerator and denominator at full size, above
// and below the baseline; \frac in a picture label sets them smaller and closer.
TEST(PictureReader, SetsTheDocumentsDisplayFractionAtFullSize) {
  const std::string text =
      R"(\begin{picture}(60,40)\put(0,10){$\frc{1}{2}$}\put(30,10){$\frac{1}{2}$}\end{picture})";
  const std::vector<ReadPicture> pictures = testing_support::PictureReader().Read(text);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_TRUE(pictures[0].unknown.empty());
  const std::vector<testing_support::PictureLabel>& labels = pictures[0].labels;
  ASSERT_EQ(labels.size(), 4u);
  // A digit of the 12 pt text is 6 pt wide; the display numerator's baseline stands 8.2 pt up,
  // the denominator's 8.3 pt down; \frac's digits are 0.7 of that.
  EXPECT_NEAR(labels[0].box.x1 - labels[0].box.x0, 6, 0.01);
  EXPECT_NEAR(labels[0].box.y0, 18.16, 0.01);
  EXPECT_LT(labels[1].box.y0, 10 - 8.28 + 0.01);
  EXPECT_NEAR(labels[2].box.x1 - labels[2].box.x0, 4.2, 0.01);
  EXPECT_GT(labels[3].box.y0, labels[1].box.y0);
}

TEST(PictureReader, NamesTheCommandsItDoesNotKnow) {
  const std::string text = R"(\begin{picture}(10,10)\put(0,0){\squiggle(3,4)}\end{picture})";
  const std::vector<ReadPicture> pictures = testing_support::PictureReader().Read(text);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].unknown, std::set<std::string>{"\\squiggle"});
}

TEST(PictureReader, KnowsTheBoxesOfTheDocumentAnAnswersFileGoesWith) {
  const std::string document = R"(\newsavebox{\curve}\sbox{\curve}{\begin{picture}(2,2)%
\put(0,0){\line(1,1){30}}\end{picture}})";
  const std::string answers = R"(\begin{picture}(20,20)\put(0,0){\usebox{\curve}}\end{picture})";
  const testing_support::PictureReader& reader = testing_support::RepositoryPictureReader();
  const std::vector<ReadPicture> alone = reader.Read(answers);
  ASSERT_EQ(alone.size(), 1u);
  EXPECT_FALSE(alone[0].unknown.empty());
  const std::vector<ReadPicture> pictures = reader.Read(answers, document);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_NEAR(pictures[0].drawn.Outside(pictures[0].declared), 10, 0.01);
}

}  // namespace
