#include "platform/conversions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

TEST(Conversions, StrOfDoubleIsShortestPlainDecimal)
{
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0.0, "0"}, {-0.0, "0"}, {1.0, "1"}, {-2.5, "-2.5"}, {0.1, "0.1"},
        {1e21, "1000000000000000000000"}, {1.5e-7, "0.00000015"}, {123456.789, "123456.789"},
        {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(c.value).toStdString(), c.text) << c.value;
    EXPECT_EQ(Str(-12).toStdString(), "-12");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()).toStdString(), "0");
}

TEST(Conversions, ValReadsWhatStrWrote)
{
    const double values[] = {0.1, -1234.5678, 1e-300, 5e-324, 1.7976931348623157e308, 1.0 / 7.0, 3.14159};
    for (double v : values)
        EXPECT_EQ(Val(Str(v)), v) << Str(v).toStdString();
}

TEST(Conversions, ValTakesTheNumberAtTheStart)
{
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"", 0}, {"abc", 0}, {"  12.5mm", 12.5}, {"-3", -3}, {"+4", 4}, {".5", 0.5},
        {"1e3", 1000}, {"nan", 0}, {"inf", 0}, {"1e999", 0}, {"-", 0}, {"7,5", 7},
        {"-.5", -0.5}, {"\t-2x", -2}, {"+-3", 0}, {"-+3", 0}, {"- 3", 0},
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
