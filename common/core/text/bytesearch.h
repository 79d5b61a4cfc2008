#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Looking at bytes eight at a time, where the standard library offers nothing
// fast enough for the print-file reader: a print file of 100,000 items is
// 40 MB, and every one of its lines holds a tag.
namespace bytesearch {

// The words are read in the machine's order; the masks below give byte k of
// a word as bits 8k..8k+7, as on every machine the programs are built for.
static_assert(std::endian::native == std::endian::little);

inline uint64_t load(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The high bit of every byte of `word` that equals `byte`, and no other bit.
inline uint64_t bytesEqual(uint64_t word, unsigned char byte) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t diff = word ^ (0x0101010101010101ull * byte);
    return ~(((diff & kLow7) + kLow7) | diff | kLow7);
}

// The byte a bit of such a mask stands for.
inline size_t byteOf(uint64_t mask) { return size_t(std::countr_zero(mask)) / 8; }

// How many bytes at the front of `text` are ASCII (below 0x80). Words, not
// bytes, down to the first that is not: an accented letter every few words
// would make a loop over bytes stumble at each.
inline size_t asciiPrefix(std::string_view text) {
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    const char* data = text.data();
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        if (const uint64_t high = load(data + at) & kHighBits) return at + byteOf(high);
    }
    if (text.size() >= 8) {
        // The last word, overlapping bytes already found ASCII.
        const size_t last = text.size() - 8;
        const uint64_t high = load(data + last) & kHighBits;
        return high ? last + byteOf(high) : text.size();
    }
    while (at < text.size() && static_cast<unsigned char>(data[at]) < 0x80) ++at;
    return at;
}

}  // namespace bytesearch
