#include <gtest/gtest.h>

#include <QString>

#include "number.h"

TEST(ParseNumber, Numbers) {
    EXPECT_EQ(parseNumber(u"12.28"), 12.28);
    EXPECT_EQ(parseNumber(u"9,5"), 9.5);
    EXPECT_EQ(parseNumber(u"  2 "), 2.0);
    EXPECT_EQ(parseNumber(u"0"), 0.0);
    EXPECT_EQ(parseNumber(u"-1.5"), -1.5);
    EXPECT_EQ(parseNumber(u"+3"), 3.0);
    EXPECT_EQ(parseNumber(u".5"), 0.5);
    EXPECT_EQ(parseNumber(u"7."), 7.0);
    EXPECT_EQ(parseNumber(u"\t8\t"), 8.0);
}

TEST(ParseNumber, NotNumbers) {
    for (const char16_t* text : {u"", u"   ", u"abc", u"1.2.3", u"1,2.3", u"12cm", u"1e3", u"--1",
                                 u".", u"-", u"1 2", u"inf", u"nan", u"0x10"}) {
        EXPECT_FALSE(parseNumber(text).has_value()) << QString::fromUtf16(text).toStdString();
    }
}
