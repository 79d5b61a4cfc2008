#include "common/core/bytesearch.h"

namespace bytesearch {

size_t asciiPrefix(std::string_view text) {
    size_t at = 0;
    while (at + 8 <= text.size() && (load(text.data() + at) & 0x8080808080808080ull) == 0) at += 8;
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) ++at;
    return at;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    if (prefix.size() >= 8 && prefix.size() <= 16) {
        // The two words overlap when the prefix is shorter than 16 bytes.
        const size_t tail = prefix.size() - 8;
        return load(text.data()) == load(prefix.data()) &&
               load(text.data() + tail) == load(prefix.data() + tail);
    }
    return text.starts_with(prefix);
}

}  // namespace bytesearch
