#include "core/gbk_search.h"

#include <cstring>

namespace tv {

namespace {

// Decides whether the character walk from the start of a text lands on a position. A position
// right after a byte below 0x80 is always reached (that byte was a single character or the second
// byte of a pair); otherwise the walk crosses the run of high bytes before it in pairs. The last
// answer is remembered, so candidates inside one long run of high bytes cost their distance only.
class BoundaryOracle {
public:
    explicit BoundaryOracle(std::string_view text) : text_(text) {}

    bool reached(std::size_t pos) {
        std::size_t run = 0;
        bool result;
        for (;;) {
            if (run == pos || static_cast<unsigned char>(text_[pos - 1 - run]) < 0x80) {
                result = run % 2 == 0;
                break;
            }
            if (known_ && pos - 1 - run == known_pos_) {
                // Every byte from known_pos_ up to pos is high: the walk steps over them in pairs.
                const std::size_t distance = pos - known_pos_;
                result = known_reached_ ? distance % 2 == 0 : distance % 2 == 1;
                break;
            }
            ++run;
        }
        known_ = true;
        known_pos_ = pos;
        known_reached_ = result;
        return result;
    }

private:
    std::string_view text_;
    bool known_ = false;
    std::size_t known_pos_ = 0;
    bool known_reached_ = false;
};

} // namespace

std::optional<std::size_t> gbk_find(std::string_view text, std::string_view needle) {
    if (needle.empty() || needle.size() > text.size())
        return std::nullopt;
    BoundaryOracle boundary(text);
    std::size_t from = 0;
    while (from + needle.size() <= text.size()) {
        const void *hit = memmem(text.data() + from, text.size() - from, needle.data(), needle.size());
        if (hit == nullptr)
            return std::nullopt;
        const std::size_t pos = static_cast<const char *>(hit) - text.data();
        // The walk stops at a high byte that ends the text, so no match can start there.
        const bool stops_here = pos + 1 == text.size() && static_cast<unsigned char>(text[pos]) >= 0x80;
        if (!stops_here && boundary.reached(pos))
            return pos;
        from = pos + 1;
    }
    return std::nullopt;
}

std::string_view between(std::string_view text, std::string_view leading, std::string_view trailing) {
    const auto lead = gbk_find(text, leading);
    if (!lead)
        return {};
    const std::string_view rest = text.substr(*lead + leading.size());
    const auto trail = gbk_find(rest, trailing);
    if (!trail || *trail == 0)
        return {};
    return rest.substr(0, *trail);
}

} // namespace tv
