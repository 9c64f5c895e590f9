#include <gtest/gtest.h>

#include "shell/SettingValue.h"

using namespace vantix::shell;

TEST(SettingValue, BooleansAcceptWordsAndNumbers) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {{"True", true},  {"true", true},   {"TRUE", true}, {"False", false}, {"false", false},
                 {"0", false},    {"-1", true},     {"1", true},    {"2.5", true},    {"&H0&", false},
                 {"&HFF&", true}, {"maybe", false}, {"", false},    {" True ", true}};
    for (const Case& c : cases) EXPECT_EQ(toBoolean(c.text), c.expected) << c.text;
}

TEST(SettingValue, LongsReadDecimalAndHexLiterals) {
    struct Case {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"8421504", 8421504},
        {"&H808080&", 0x808080},
        {"&H8000000F&", -2147483633},  // a system colour: the Long's bit pattern
        {"-2147483633", -2147483633},
        {"&h80000012", -2147483630},   // lower case, no trailing "&"
        {"320", 320},
        {"1000.5", 1000},              // half to even
        {"1001.5", 1002},
        {"2147483648", 0},             // beyond a Long: the type's zero
        {"&H123456789&", 0},           // more than eight digits
        {"&H&", 0},
        {"12abc", 0},
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(toLong(c.text), c.expected) << c.text;
}

TEST(SettingValue, SystemColourWrittenAsDecimalReadsTheSameAsTheHexDefault) {
    EXPECT_EQ(toLong(fromLong(toLong("&H8000000F&"))), toLong("&H8000000F&"));
}

TEST(SettingValue, IntegersOutsideSixteenBitsAreZero) {
    EXPECT_EQ(toInteger("32767"), 32767);
    EXPECT_EQ(toInteger("-32768"), -32768);
    EXPECT_EQ(toInteger("32768"), 0);
    EXPECT_EQ(toInteger("&HFFFF&"), 0);  // 65535 as four digits
}

TEST(SettingValue, SinglesRoundTripThroughTheirText) {
    for (float value : {0.0f, 4560.0f, -12.5f, 1234567.0f, 0.25f}) {
        EXPECT_FLOAT_EQ(toSingle(fromSingle(value)), value) << fromSingle(value);
    }
    EXPECT_EQ(fromSingle(4560.0f), "4560");
    EXPECT_EQ(fromSingle(-12.5f), "-12.5");
    EXPECT_EQ(toSingle("x"), 0.0f);
}
