#pragma once
// Number and text conversions used throughout the program.
//
// Three texts of a Double, all in plain decimal notation (never an exponent)
// with a point, no trailing zeros, and "0" for zero, negative zero and a value
// that is not finite:
// - Str: the shortest text that reads back to the same Double. Documents are
//   written with it, so a save loses nothing.
// - Str15Digits: rounded to at most 15 significant digits. The GDL text and
//   every number a field or read-out shows use it: binary noise such as
//   0.07 * 100 = 7.000000000000001 shows as 7.
// - StrTwoDecimals: rounded to at most two decimals (and 15 significant
//   digits), for measured sizes and the pointer position, so that they fit
//   their labels.
// Val reads the decimal number at the start of a text (0 when there is none);
// CInt truncates toward zero and saturates at the Integer range.
#include <QString>
#include <cstdint>
#include <optional>
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
QString Str15Digits(double value);
QString StrTwoDecimals(double value);
// Appends Str(value) to out without building a temporary QString.
void appendStr(std::string& out, double value);
// Appends Str15Digits(value) to out.
void appendStr15Digits(std::string& out, double value);
// The longest text Str(double) gives: 309 integer digits, a sign, a point and
// up to 767 fraction digits of a subnormal, with room to spare. The other two
// texts are shorter.
inline constexpr int kStrMaxChars = 1100;
// Write Str(value) or Str15Digits(value) at out, which has room for
// kStrMaxChars characters, and return the end of what they wrote. For callers
// that build a line of several numbers in a buffer of their own before
// appending it.
char* writeStr(char* out, double value);
char* writeStr15Digits(char* out, double value);

double Val(const QString& text);
double Val(std::string_view text);

// True when the whole text (blanks around it allowed) is one finite decimal
// number: optional sign, digits with an optional point and fraction, and an
// optional exponent. "12", "-0.5", ".5", "1e3" pass; "", "abc", "1x", "nan" fail.
bool isDecimalNumber(const QString& text);
// The value of such a text, which is then what Val gives; nothing when the
// text is no such number. For readers that go through many lines.
std::optional<double> decimalNumber(std::string_view text);

int CInt(double value);
double Round(double value);

} // namespace platform
