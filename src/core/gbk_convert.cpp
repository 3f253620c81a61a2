#include "core/gbk_convert.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace tv {

namespace {

// One iconv descriptor per direction, opened on first use and closed at exit.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts as much as possible; stops at the first invalid or incomplete sequence.
    // Returns the number of input bytes consumed; appends the output to out.
    std::size_t convert(std::string_view in, std::string &out, bool &stopped_on_error) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in.data());
        std::size_t src_left = in.size();
        std::array<char, 4096> buffer;
        stopped_on_error = false;
        while (src_left > 0) {
            char *dst = buffer.data();
            std::size_t dst_left = buffer.size();
            const std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer.data(), buffer.size() - dst_left);
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                stopped_on_error = true;
                break;
            }
        }
        return in.size() - src_left;
    }

private:
    iconv_t cd_;
};

Converter &gbk_to_utf8() {
    thread_local Converter c("UTF-8", "GBK");
    return c;
}

Converter &utf8_to_gbk() {
    thread_local Converter c("GBK", "UTF-8");
    return c;
}

template <typename OnInvalid> std::string decode_gbk(std::string_view text, OnInvalid on_invalid) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    while (!text.empty()) {
        bool error = false;
        const std::size_t used = gbk_to_utf8().convert(text, out, error);
        text.remove_prefix(used);
        if (error && !text.empty()) {
            on_invalid(out, static_cast<unsigned char>(text.front()));
            text.remove_prefix(1);
        }
    }
    return out;
}

// Length of the UTF-8 sequence a lead byte announces (1 for ASCII and stray bytes).
std::size_t utf8_sequence_length(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

} // namespace

const std::string &gbk(std::string_view utf8) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::string> cache;
    std::lock_guard lock(mutex);
    auto it = cache.find(std::string(utf8));
    if (it == cache.end())
        it = cache.emplace(std::string(utf8), gbk_from_utf8(utf8)).first;
    return it->second;
}

std::string utf8_from_gbk(std::string_view gbk_text) {
    return decode_gbk(gbk_text, [](std::string &out, unsigned char) { out += "\xEF\xBF\xBD"; });
}

std::string utf8_from_gbk_escaped(std::string_view gbk_text) {
    return decode_gbk(gbk_text, [](std::string &out, unsigned char byte) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    });
}

std::string gbk_from_utf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        bool error = false;
        const std::size_t used = utf8_to_gbk().convert(utf8, out, error);
        utf8.remove_prefix(used);
        if (error && !utf8.empty()) {
            out += '?';
            // Skip the whole UTF-8 sequence that could not be converted, or one stray byte.
            const auto lead = static_cast<unsigned char>(utf8.front());
            std::size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            std::size_t i = 1;
            while (i < skip && i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
                ++i;
            utf8.remove_prefix(i);
        }
    }
    return out;
}

std::size_t valid_gbk_sequence_length(std::string_view text) {
    if (text.empty())
        return 0;
    const auto first = static_cast<unsigned char>(text[0]);
    const std::size_t want = first < 0x80 ? 1 : 2;
    if (text.size() < want)
        return 0;
    std::string out;
    bool error = false;
    const std::size_t used = gbk_to_utf8().convert(text.substr(0, want), out, error);
    // A pair must decode to one character. glibc's table also knows the single byte 0x80 (the
    // euro sign of code page 936), so "\x80z" would otherwise pass as a pair; the directory's
    // search walks 0x80 as the lead byte of a pair, so here it never starts a valid sequence.
    const bool one_character = want == 1 || (!out.empty() && utf8_sequence_length(out.front()) == out.size());
    return used == want && one_character ? want : 0;
}

} // namespace tv
