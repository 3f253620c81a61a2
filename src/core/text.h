#pragma once
// GBK texts and the small helpers every handler uses. A text is a GBK byte string; a
// missing text is the empty text.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tv {

using Text = std::string;

// Bytes of a received body up to its first zero byte: the text the body stands for.
inline std::string_view text_of_bytes(std::string_view bytes) {
    const auto zero = bytes.find('\0');
    return zero == std::string_view::npos ? bytes : bytes.substr(0, zero);
}

// Joins the texts in order into one new text.
Text concat(std::initializer_list<std::string_view> parts);

// Drops the fraction toward zero; values beyond the 64-bit range saturate, NaN gives 0.
std::int64_t truncate_to_int64(double value);

// Byte-wise comparison as unsigned bytes: negative, zero or positive.
int compare_texts(std::string_view a, std::string_view b);

} // namespace tv
