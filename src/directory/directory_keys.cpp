#include "directory/directory_keys.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tv::directory {

std::size_t key_index(std::string_view utf8_key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i].key == utf8_key)
            return i;
    std::fprintf(stderr, "unknown directory key: %s\n", std::string(utf8_key).c_str());
    std::abort();
}

std::span<const KeyInfo> keys_of(Read read) {
    // The table keeps each read's keys together, in lookup order.
    std::size_t first = 0;
    while (kKeys[first].read != read)
        ++first;
    std::size_t last = first;
    while (last < kKeys.size() && kKeys[last].read == read)
        ++last;
    return std::span<const KeyInfo>(kKeys).subspan(first, last - first);
}

} // namespace tv::directory
