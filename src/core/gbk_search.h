#pragma once
// The GBK-aware search and the text-between-markers operation the directory page is read with.
#include <optional>
#include <string_view>

namespace tv {

// Position (0-based) of the first occurrence of needle in text that starts on a GBK character
// boundary, walking from the first byte (a byte of 0x80 or above begins a two-byte character).
// An empty needle matches nothing.
std::optional<std::size_t> gbk_find(std::string_view text, std::string_view needle);

// The bytes after the first leading marker and before the first trailing marker that follows
// it; empty when either is missing or the trailing marker follows at once. A view into text.
std::string_view between(std::string_view text, std::string_view leading, std::string_view trailing);

} // namespace tv
