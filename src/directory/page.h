#pragma once
// Cutting the marked section out of a directory page and looking keys up in it.
#include "core/text.h"
#include "directory/directory_keys.h"

#include <span>
#include <string_view>
#include <vector>

namespace tv::directory {

// The marked section of a page body: the text up to the first zero byte, between the first
// "////开始" and the first "////结束" after it.
std::string_view marked_section(std::string_view body);

// The value of one entry "<p>KEY=VALUE</p>" in a section; empty when the key has no entry.
std::string_view lookup(std::string_view section, std::string_view gbk_key);

// The values of several keys, in the order given: the same as lookup() of each key, found in
// one walk over the section's "<p>" tags instead of one search per key.
std::vector<std::string_view> lookup_all(std::string_view section, std::span<const std::string> gbk_keys);

} // namespace tv::directory
