#include "platform/conversions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

TEST(Conversions, StrOfDoubleIsShortestPlainDecimal)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1e21, "1000000000000000000000"},
        {1.5e-7, "0.00000015"},
        {123456.789, "123456.789"},
        {1.0 / 3.0, "0.3333333333333333"},
        {0.07 * 100, "7.000000000000001"},
        {0.0021000000000000003, "0.0021000000000000003"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(c.value).toStdString(), c.text) << c.value;
    EXPECT_EQ(Str(-12).toStdString(), "-12");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()).toStdString(), "0");
}

// The text shown in fields and read-outs and written into the GDL text.
TEST(Conversions, Str15DigitsDropsBinaryNoiseAndKeepsFifteenDigits)
{
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        // Noise from arithmetic disappears.
        {0.07 * 100, "7"},
        {33.3 * 0.01, "0.333"},
        {0.0021000000000000003, "0.0021"},
        {0.1 + 0.05, "0.15"},
        {0.1 + 0.2, "0.3"},
        {7.0 * 0.01, "0.07"},
        // Fifteen digits stay where the value has them.
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456.789012345678, "123456.789012346"},
        {-0.12345678901234567, "-0.123456789012346"},
        {9.9999999999999999, "10"},
        {0.99999999999999989, "1"},
        // Zero, negative zero and what is not finite.
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        {std::numeric_limits<double>::infinity(), "0"},
        // Plain decimals without trailing zeros, however large or small.
        {1.0, "1"},
        {-2.5, "-2.5"},
        {100.0, "100"},
        {1e21, "1000000000000000000000"},
        {1.2345678901234567e20, "123456789012346000000"},
        {1.5e-7, "0.00000015"},
        {-1e-10, "-0.0000000001"},
        {1.0 / 3.0 * 1e-5, "0.00000333333333333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str15Digits(c.value).toStdString(), c.text) << c.value;

    const QString largest = Str15Digits(std::numeric_limits<double>::max());
    EXPECT_EQ(largest.size(), 309);
    EXPECT_TRUE(largest.startsWith(QLatin1String("179769313486232000")));
    const QString smallest = Str15Digits(-std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest, QLatin1String("-0.") + QString(323, QLatin1Char('0')) + QLatin1String("494065645841247"));
    EXPECT_EQ(Val(smallest), -std::numeric_limits<double>::denorm_min());
}

// Fifteen digits keep every value within a few parts in 10^16, far inside the
// 10^-12 the script needs; values the shortest text writes with 15 digits or
// fewer come back exactly.
TEST(Conversions, Str15DigitsReadsBackCloseToTheValue)
{
    const double values[] = {1.0 / 7.0,
                             -1234.5678901234567,
                             1e-300,
                             0.15000000000000002,
                             3.14159,
                             6.02214076e23,
                             0.7853975,
                             -0.33299999999999996,
                             4.94065645841247e-324};
    for (double v : values) {
        const double back = Val(Str15Digits(v));
        EXPECT_LE(std::abs(back - v), 5e-15 * std::abs(v)) << Str15Digits(v).toStdString();
    }
    for (double v : {0.1, 0.07, 3.14159, -1234.5678, 1e-300, 12345678.901234})
        EXPECT_EQ(Val(Str15Digits(v)), v) << Str15Digits(v).toStdString();
}

// Measured sizes and the pointer position.
TEST(Conversions, StrTwoDecimalsRoundsToTheHundredth)
{
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {196.04894605258414, "196.05"},
        {4.9411764705882355, "4.94"},
        {43.885714285714286, "43.89"},
        {-16.114285714285714, "-16.11"},
        {100.01185050999607, "100.01"},
        {100.0, "100"},
        {2.5, "2.5"},
        {0.126, "0.13"},
        {0.125, "0.12"} /* an exact tie goes to the even hundredth */,
        {0.004, "0"},
        {-0.004, "0"},
        {-0.0, "0"},
        {0.0, "0"},
        {-0.005, "-0.01"},
        {99.999, "100"},
        {1e-9, "0"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
        // Large sizes keep 15 significant digits and no exponent.
        {123456789012.3456, "123456789012.35"},
        {1.2345678901234567e14, "123456789012346"},
        {1e21, "1000000000000000000000"},
        {-1e300 * 10, "-1" + std::string(301, '0')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrTwoDecimals(c.value).toStdString(), c.text) << c.value;
}

// Documents keep the shortest exact text: every Double reads back unchanged,
// binary noise included.
TEST(Conversions, ValReadsWhatStrWrote)
{
    const double values[] = {0.1,       -1234.5678, 1e-300,     5e-324,      1.7976931348623157e308,
                             1.0 / 7.0, 3.14159,    0.07 * 100, 33.3 * 0.01, 0.0021000000000000003};
    for (double v : values)
        EXPECT_EQ(Val(Str(v)), v) << Str(v).toStdString();
}

TEST(Conversions, ValTakesTheNumberAtTheStart)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},       {"abc", 0},    {"  12.5mm", 12.5}, {"-3", -3},   {"+4", 4},  {".5", 0.5},
        {"1e3", 1000}, {"nan", 0},    {"inf", 0},         {"1e999", 0}, {"-", 0},   {"7,5", 7},
        {"-.5", -0.5}, {"\t-2x", -2}, {"+-3", 0},         {"-+3", 0},   {"- 3", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Val(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(Conversions, DecimalNumberCheck)
{
    for (const char* ok : {"0", "-1", "2.5", " 3 ", ".5", "5.", "1e3", "-1.5E-2", "+7"})
        EXPECT_TRUE(isDecimalNumber(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"", " ", "abc", "1x", "nan", "inf", "1e", "--1", ".", "1e999", "1 2", "\f5", "5\v"})
        EXPECT_FALSE(isDecimalNumber(QString::fromLatin1(bad))) << bad;
}

TEST(Conversions, CIntTruncatesAndSaturates)
{
    EXPECT_EQ(CInt(2.9), 2);
    EXPECT_EQ(CInt(-2.9), -2);
    EXPECT_EQ(CInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(CInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(CInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(CInt(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(CInt(-std::numeric_limits<double>::infinity()), 0);
    // At the edges of the Integer range.
    EXPECT_EQ(CInt(-0.9), 0);
    EXPECT_EQ(CInt(2147483647.9), std::numeric_limits<int>::max());
    EXPECT_EQ(CInt(2147483648.0), std::numeric_limits<int>::max());
    EXPECT_EQ(CInt(-2147483648.9), std::numeric_limits<int>::min());
    EXPECT_EQ(CInt(-2147483649.0), std::numeric_limits<int>::min());
    EXPECT_EQ(Round(2.5), 3.0);
}
