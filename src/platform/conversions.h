#pragma once
// Number and text conversions used throughout the program.
//
// Str(double) gives the shortest text that reads back to the same Double, in
// plain decimal notation with a point; Val reads the decimal number at the
// start of a text (0 when there is none); CInt truncates toward zero and
// saturates at the Integer range.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The circle constants written the way the program has always written them.
inline constexpr double kPi = 3.14159;
inline constexpr double kHalfPi = 1.570795;
inline constexpr double kQuarterPi = 0.7853975;
inline constexpr double kTwoPi = 6.28318;

QString Str(double value);
QString Str(int value);
// Appends Str(value) to out without building a temporary QString.
void appendStr(std::string& out, double value);
// The longest text Str(double) gives: 309 integer digits, a sign, a point and
// up to 767 fraction digits of a subnormal, with room to spare.
inline constexpr int kStrMaxChars = 1100;
// Writes Str(value) at out, which has room for kStrMaxChars characters, and
// returns the end of what it wrote. For callers that build a line of several
// numbers in a buffer of their own before appending it.
char* writeStr(char* out, double value);

double Val(const QString& text);
double Val(std::string_view text);

// True when the whole text (blanks around it allowed) is one finite decimal
// number: optional sign, digits with an optional point and fraction, and an
// optional exponent. "12", "-0.5", ".5", "1e3" pass; "", "abc", "1x", "nan" fail.
bool isDecimalNumber(const QString& text);

int CInt(double value);
double Round(double value);

QString Chr(int code);
int Asc(const QString& text);

} // namespace platform
