#pragma once

#include <string>

namespace toolkit {

/// x with exactly d decimals, right-aligned in at least w characters; digits rounded half
/// away from zero on the 18-significant-digit expansion; a negative value that rounds to
/// zero is written without "-". Throws DegenerateDataError for NaN or infinity.
std::string FormatFixed(double x, int w, int d);
/// The program's number format: an integer when within 0.01 of one, else one decimal when
/// 10x is within 0.09 of an integer, else two decimals; at most 8 characters.
std::string FormatNumber(double x);
/// An integer when within 0.05 of one, else one decimal in a field of 4; at most 8 characters.
std::string FormatNumberOneDecimal(double x);
/// FormatNumber, but 0.001 < |x| < 0.01 is written as FormatNumber(100x) "\cdot10^{-2}".
std::string FormatNumberSci(double x);
/// Rounds halves to the even neighbour (the documents' "Round").
double RoundHalfEven(double x);
/// -1, 0 or +1.
int SignOf(double x);
/// +1 for 0, otherwise SignOf(x).
int SignNonZero(double x);
/// "-" when x < 0, otherwise "+".
char SignChar(double x);
/// "-" when x < 0, otherwise a blank.
char MinusOrSpace(double x);

}  // namespace toolkit
