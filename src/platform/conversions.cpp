#include "platform/conversions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

char* writeStr(char* out, double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        *out = '0';
        return out + 1;
    }
    return std::to_chars(out, out + kStrMaxChars, value, std::chars_format::fixed).ptr;
}

char* writeStr15Digits(char* out, double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        *out = '0';
        return out + 1;
    }
    // The correctly rounded 15 digits come as "-d.ddddddddddddddde-XXX"; they
    // are then laid out again in plain decimal notation.
    char scientific[32];
    const char* end =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 14).ptr;
    const char* p = scientific;
    if (*p == '-')
        *out++ = *p++;
    char digits[15];
    int count = 0;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (exponent < 0) {
        // 0.000ddd: the first digit stands -exponent places after the point.
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        return std::copy_n(digits, count, out);
    }
    const int whole = exponent + 1;
    if (count <= whole) {
        out = std::copy_n(digits, count, out);
        return std::fill_n(out, whole - count, '0');
    }
    out = std::copy_n(digits, whole, out);
    *out++ = '.';
    return std::copy_n(digits + whole, count - whole, out);
}

namespace {

using Writer = char* (*)(char*, double);

QString textOf(Writer write, double value)
{
    char buffer[kStrMaxChars];
    const char* end = write(buffer, value);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
}

void appendText(std::string& out, Writer write, double value)
{
    char buffer[kStrMaxChars];
    const char* end = write(buffer, value);
    out.append(buffer, static_cast<size_t>(end - buffer));
}

} // namespace

QString Str(double value) { return textOf(writeStr, value); }

QString Str15Digits(double value) { return textOf(writeStr15Digits, value); }

QString StrTwoDecimals(double value)
{
    // From 10^13 on, 15 significant digits leave at most one decimal.
    if (!std::isfinite(value) || std::abs(value) >= 1e13)
        return Str15Digits(value);
    char buffer[32];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    while (end[-1] == '0')
        --end;
    if (end[-1] == '.')
        --end;
    // A small negative value rounds to "-0", which is zero.
    if (end - buffer == 2 && buffer[0] == '-' && buffer[1] == '0')
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, static_cast<qsizetype>(end - buffer));
}

QString Str(int value) { return QString::number(value); }

void appendStr(std::string& out, double value) { appendText(out, writeStr, value); }

void appendStr15Digits(std::string& out, double value) { appendText(out, writeStr15Digits, value); }

double Val(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    // One optional sign, then digits or a point: only a plain decimal number
    // is read (from_chars would also take "inf" and "nan", which are not
    // numbers to this program, and "+-3" is no number either).
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'))
        return 0.0;
    double value = 0.0;
    auto result = std::from_chars(text.data() + i, text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double Val(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    return Val(std::string_view(latin.constData(), static_cast<size_t>(latin.size())));
}

std::optional<double> decimalNumber(std::string_view text)
{
    // Only the blanks Val skips may stand around the number, so that a text
    // that passes reads as the number it shows.
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view t = text.substr(first, last - first);
    const std::size_t n = t.size();
    auto digit = [&t](std::size_t i) { return t[i] >= '0' && t[i] <= '9'; };
    std::size_t i = 0;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    int digits = 0;
    for (; i < n && digit(i); ++i)
        ++digits;
    if (i < n && t[i] == '.')
        for (++i; i < n && digit(i); ++i)
            ++digits;
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        int expDigits = 0;
        for (; i < n && digit(i); ++i)
            ++expDigits;
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // A number too large for a Double is not a value the program can hold.
    double value = 0.0;
    const char* begin = t.data() + (t[0] == '+' ? 1 : 0);
    const auto result = std::from_chars(begin, t.data() + n, value);
    if (result.ec != std::errc() || result.ptr != t.data() + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isDecimalNumber(const QString& text)
{
    // A character beyond Latin-1 becomes '?', which no number holds.
    const QByteArray latin = text.toLatin1();
    return decimalNumber(std::string_view(latin.constData(), static_cast<std::size_t>(latin.size()))).has_value();
}

int CInt(double value)
{
    // Every value whose whole part is an Integer converts directly, the
    // conversion itself truncating toward zero; only the rest needs a look.
    if (value > static_cast<double>(INT_MIN) - 1.0 && value < static_cast<double>(INT_MAX) + 1.0)
        return static_cast<int>(value);
    if (!std::isfinite(value))
        return 0;
    return value > 0 ? INT_MAX : INT_MIN;
}

double Round(double value) { return std::round(value); }

} // namespace platform
