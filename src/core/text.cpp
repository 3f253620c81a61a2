#include "core/text.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace tv {

Text concat(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (auto p : parts)
        size += p.size();
    Text out;
    out.reserve(size);
    for (auto p : parts)
        out.append(p);
    return out;
}

std::int64_t truncate_to_int64(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (value >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

int compare_texts(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    const int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n);
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace tv
