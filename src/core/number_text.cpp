#include "core/number_text.h"

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <string>

namespace tv {

namespace {

// Folds full-width forms to ASCII, walking the text character by character.
std::string fold_full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80 || i + 1 == text.size()) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const auto t = static_cast<unsigned char>(text[i + 1]);
        if (b == 0xA3 && t >= 0xA1 && t <= 0xFE)
            out += static_cast<char>(t - 0x80); // A3A1 '!' .. A3FE '~'
        else if (b == 0xA1 && t == 0xA1)
            out += ' ';
        else {
            out += static_cast<char>(b);
            out += static_cast<char>(t);
        }
        i += 2;
    }
    return out;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double read_number(std::string_view gbk_text) {
    const std::string s = fold_full_width(gbk_text);
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r' || s[i] == '\v' ||
                            s[i] == '\f'))
        ++i;
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && is_digit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t frac = 0;
        while (j < s.size() && is_digit(s[j]))
            ++j, ++frac;
        if (digits + frac > 0) {
            i = j;
            digits += frac;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && is_digit(s[j])) {
            while (j < s.size() && is_digit(s[j]))
                ++j;
            i = j;
        }
    }
    // The accepted prefix is plain C syntax: convert it with the "C" rules, independent of locale.
    std::string prefix = s.substr(start, i - start);
    static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(prefix.c_str(), nullptr, c_locale);
}

} // namespace tv
