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
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                    std::chars_format::scientific, 14).ptr;
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
    auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                  std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double Val(const QString& text)
{
    const QByteArray latin = text.toLatin1();
    return Val(std::string_view(latin.constData(), static_cast<size_t>(latin.size())));
}

bool isDecimalNumber(const QString& text)
{
    // Only the blanks Val skips may stand around the number, so that a text
    // that passes reads as the number it shows.
    qsizetype first = 0, last = text.size();
    while (first < last && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (last > first && (text[last - 1] == u' ' || text[last - 1] == u'\t'))
        --last;
    const QString t = text.mid(first, last - first);
    if (t.isEmpty())
        return false;
    int i = 0;
    const int n = t.size();
    if (t[i] == '+' || t[i] == '-')
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    // A number too large for a Double is not a value the program can hold.
    const QByteArray latin = t.toLatin1();
    double value = 0.0;
    const char* begin = latin.constData();
    if (*begin == '+')
        ++begin;
    auto result = std::from_chars(begin, latin.constData() + latin.size(), value);
    return result.ec == std::errc() && std::isfinite(value);
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

QString Chr(int code) { return QString(QChar(code)); }

int Asc(const QString& text) { return text.isEmpty() ? 0 : text.at(0).unicode(); }

} // namespace platform
