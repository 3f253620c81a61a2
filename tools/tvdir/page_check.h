#pragma once
// `tvdir check`: what a maintainer must fix on a directory page.
#include <string>
#include <string_view>
#include <vector>

namespace tv::tvdir {

// One problem: a fixed tag scripts can grep for, and a UTF-8 detail naming where it is.
struct Finding {
    std::string tag;
    std::string detail;
    friend bool operator==(const Finding &, const Finding &) = default;
};

// "tag detail", or the tag alone when there is no detail.
std::string line_of(const Finding &finding);

// Whether a switch value begins, after white space, with a number as the switch reads it.
// Full-width digits, signs and points and the ideographic space count as their ASCII forms.
bool begins_with_number(std::string_view gbk_value);

// The problems of a page body, in this order: a zero byte that cuts the page before its end
// marker; a missing start or end marker (then nothing else about keys, since every key reads
// empty); per key, in lookup order, a missing entry, an unclosed entry, several entries, a value
// that runs into the next entry, a switch that does not read as a number, an address that is
// not http or https; last the bytes that are not valid GBK (the first 20 offsets and a count).
std::vector<Finding> check_page(std::string_view body);

} // namespace tv::tvdir
