#pragma once

#include <string_view>

#include "toolkit/state.h"

namespace toolkit {

// The three writer families: no prefix writes the main document, "Ans" the answers file,
// "Ans2" the second answers file. Numbers are reals written with FormatNumber unless the
// writer says otherwise. Every writer throws IoError when its file cannot be written.

/// Writes s to the main file.
void WriteText(Run& r, std::string_view s);
/// Writes s and a line end to the main file.
void WriteLine(Run& r, std::string_view s);
/// Same as WriteLine.
void WriteLineAlt(Run& r, std::string_view s);
/// Writes FormatNumber(x) to the main file.
void WriteNumber(Run& r, double x);
/// Writes s1 x s2.
void WriteTextNumber(Run& r, std::string_view s1, double x, std::string_view s2);
/// Writes s1 x s2 and a line end.
void WriteTextNumberLn(Run& r, std::string_view s1, double x, std::string_view s2);
/// Writes s1 x1 s2 x2 s3 and a line end.
void WriteText2NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3);
/// Writes s1 x1 s2 x2 s3 x3 s4 and a line end.
void WriteText3NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4);
/// Writes s1 x1 s2 x2 s3 x3 s4 x4 s5 and a line end.
void WriteText4NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4, double x4,
                         std::string_view s5);
/// Writes s1 x1 .. s4 x4 s5, a line end, then x5 s6 and a line end (two lines).
void WriteText5NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                         std::string_view s3, double x3, std::string_view s4, double x4,
                         std::string_view s5, double x5, std::string_view s6);
/// Writes "(" x "," y ")" and a line end.
void WriteCoordinatePair(Run& r, double x, double y);

/// Writes s to the answers file.
void AnsWrite(Run& r, std::string_view s);
/// Writes s and a line end to the answers file.
void AnsWriteLine(Run& r, std::string_view s);
/// Writes FormatNumber(x) to the answers file.
void AnsWriteNumber(Run& r, double x);
/// Writes s1, FormatNumberSci(x), s2.
void AnsWriteTextNumber(Run& r, std::string_view s1, double x, std::string_view s2);
/// Writes s1, FormatNumberSci(x), s2 and a line end.
void AnsWriteTextNumberLn(Run& r, std::string_view s1, double x, std::string_view s2);
/// x = 1: s1 s2 without number or line end; otherwise as AnsWriteTextNumberLn.
void AnsWriteTextExponent(Run& r, std::string_view s1, double x, std::string_view s2);
/// Writes s1 x1 s2 x2 s3.
void AnsWriteText2Numbers(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                          std::string_view s3);
/// Writes s1 x1 s2 x2 s3 and a line end.
void AnsWriteText2NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2,
                            double x2, std::string_view s3);
/// Writes s1 x1 s2 x2 s3 x3 s4.
void AnsWriteText3Numbers(Run& r, std::string_view s1, double x1, std::string_view s2, double x2,
                          std::string_view s3, double x3, std::string_view s4);
/// Writes s1 x1 .. s4 x4 s5 and a line end.
void AnsWriteText4NumbersLn(Run& r, std::string_view s1, double x1, std::string_view s2,
                            double x2, std::string_view s3, double x3, std::string_view s4,
                            double x4, std::string_view s5);
/// Writes s1 x1 .. s4 x4 s5, every x fixed with 3 decimals in a field of at least 5.
void AnsWriteText4NumbersFixed(Run& r, std::string_view s1, double x1, std::string_view s2,
                               double x2, std::string_view s3, double x3, std::string_view s4,
                               double x4, std::string_view s5);

/// Writes s to the second answers file.
void Ans2Write(Run& r, std::string_view s);
/// Writes s and a line end to the second answers file.
void Ans2WriteLine(Run& r, std::string_view s);
/// Writes FormatNumber(x) to the second answers file.
void Ans2WriteNumber(Run& r, double x);
/// Writes SignChar(x) and FormatNumber(|x|) to the second answers file.
void Ans2WriteSignedNumber(Run& r, double x);

}  // namespace toolkit
