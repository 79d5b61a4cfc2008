#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

// The 8-bit code page of every file the programs read and write: Windows-1252.
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// decode to the code points of the same value, so every byte decodes and
// decoding then encoding gives the bytes back.
namespace codepage {

QString decode(std::string_view bytes);
// Decodes onto the end of `out`, in UTF-8.
void appendUtf8(std::string_view bytes, std::string& out);
// The UTF-8 of one byte's character onto the end of `out`.
void appendUtf8(unsigned char byte, std::string& out);

// The length of the valid UTF-8 sequence of two to four bytes at the front
// of `bytes`; 0 when none starts there.
int utf8SequenceAt(std::string_view bytes);
// Values that are UTF-8 read one byte a character, as the author's and the
// title's are: appends their text in UTF-8, wherever the bytes form a valid
// UTF-8 sequence the letter it encodes, every other byte its Windows-1252
// character.
void appendRepaired(std::string_view bytes, std::string& out);

// A character Windows-1252 cannot hold becomes "?" (one per code point).
QByteArray encode(QStringView text);

// The byte a decoded character came from; -1 if no byte decodes to it.
int byteOf(char16_t ch);

}  // namespace codepage
