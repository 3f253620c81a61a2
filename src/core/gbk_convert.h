#pragma once
// Conversion between GBK texts and UTF-8 at the program's edges (display, addresses, tool output).
#include <string>
#include <string_view>

namespace tv {

// GBK bytes of a UTF-8 literal. Characters GBK cannot hold become '?'. Results are cached,
// so calling this for the same literal on every event costs a hash lookup.
const std::string &gbk(std::string_view utf8);

// Converts a GBK text to UTF-8 for display: each byte that is not part of a valid GBK
// sequence becomes U+FFFD, so nothing vanishes silently.
std::string utf8_from_gbk(std::string_view gbk_text);

// Converts a GBK text to UTF-8, writing each invalid byte as the escape \xHH.
std::string utf8_from_gbk_escaped(std::string_view gbk_text);

// Converts UTF-8 text to GBK. Invalid UTF-8 bytes and characters GBK cannot hold become '?'.
std::string gbk_from_utf8(std::string_view utf8);

// Length in bytes of the valid GBK sequence that starts text (1 or 2), or 0 when the first
// byte does not start a valid sequence. Decoding goes through glibc's iconv tables.
std::size_t valid_gbk_sequence_length(std::string_view text);

} // namespace tv
