#include "directory/links.h"

#include "core/gbk_convert.h"

#include <cctype>

namespace tv::directory {

namespace {
bool starts_with_no_case(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}
} // namespace

bool is_web_address(std::string_view gbk_value) {
    // The scheme must stand at the very start: leading blanks or control bytes would let a
    // handler guess at another meaning.
    return (starts_with_no_case(gbk_value, "http://") && gbk_value.size() > 7) ||
           (starts_with_no_case(gbk_value, "https://") && gbk_value.size() > 8);
}

void open_directory_link(Context &ctx, std::string_view gbk_value) {
    if (is_web_address(gbk_value))
        ctx.links.open(utf8_from_gbk(gbk_value));
}

void open_fixed_link(Context &ctx, std::string_view utf8_address) { ctx.links.open(std::string(utf8_address)); }

} // namespace tv::directory
