#include "common/core/bytesearch.h"

namespace bytesearch {

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
