#include "toolkit/picture_frames.h"

#include <gtest/gtest.h>

#include "tests/support/memory_files.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

using testing_support::AnsText;
using testing_support::MainText;

TEST(PictureFramesTest, PictureAndSaveBoxFrames) {
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  BeginSaveBox(r, "hing");
  EndSaveBox(r);
  BeginPicture(r, 120, 60, 0, -5);
  EndPicture(r);
  EXPECT_EQ(MainText(r),
            "\\newsavebox{\\hing}\\sbox{\\hing}{%\r\n"
            "\\noindent\\begin{picture}(2,2)(0,0)%\r\n"
            "\\end{picture}}\r\n"
            "\\noindent\\begin{picture}(120,60)(0,-5)%\r\n"
            "\\end{picture}\r\n");
}

TEST(PictureFramesTest, AnswersPictureUsesSciFormAndLeavesTheLineOpen) {
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  AnsBeginPicture(r, 80.5, 40, 0.005, -2);
  AnsEndPicture(r);
  AnsWrite(r, "&");
  EXPECT_EQ(AnsText(r),
            "\\noindent\\begin{picture}(80.5,40)(0.5\\cdot10^{-2},-2)%\r\n\\end{picture}&");
  EXPECT_EQ(MainText(r), "");
}

}  // namespace
}  // namespace toolkit
