#include <gtest/gtest.h>

#include "codepage.h"

TEST(CodePage, DecodesEveryByteAndEncodesItBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const QString text = codepage::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(codepage::encode(text), QByteArray(all.data(), 256));
}

TEST(CodePage, Windows1252Letters) {
    EXPECT_EQ(codepage::decode("\x80"), QString(QChar(0x20AC)));  // euro
    EXPECT_EQ(codepage::decode("\xF1"), QStringLiteral("ñ"));
    EXPECT_EQ(codepage::decode("\x9C"), QStringLiteral("œ"));
    // Undefined in Windows-1252: the code point of the same value.
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(codepage::decode(std::string(1, char(b)))[0].unicode(), b);
    }
    // UTF-8 read one byte a character, as the print file is.
    EXPECT_EQ(codepage::decode("\xC3\xBA"), QString(QChar(0xC3)) + QChar(0xBA));
}

TEST(CodePage, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(codepage::encode(QStringLiteral("año €")), QByteArray("a\xF1o \x80"));
    EXPECT_EQ(codepage::encode(QStringLiteral("Ωmega")), QByteArray("?mega"));
    // A character outside the basic plane is one "?", not two.
    EXPECT_EQ(codepage::encode(QStringLiteral("a\U0001F4DAb")), QByteArray("a?b"));
}
