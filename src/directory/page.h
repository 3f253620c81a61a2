#pragma once
// Cutting the marked section out of a directory page and looking keys up in it.
#include "core/text.h"
#include "directory/directory_keys.h"

#include <string_view>

namespace tv::directory {

// The marked section of a page body: the text up to the first zero byte, between the first
// "////开始" and the first "////结束" after it.
std::string_view marked_section(std::string_view body);

// The value of one entry "<p>KEY=VALUE</p>" in a section; empty when the key has no entry.
std::string_view lookup(std::string_view section, std::string_view gbk_key);

} // namespace tv::directory
