#include "ui/gtk/browser_address.h"

#include <array>
#include <cstddef>

namespace tv::ui::gtk {
namespace {

char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower_ascii(text[i]) != prefix[i])
            return false;
    return true;
}

constexpr std::array<std::string_view, 2> kWebPrefixes = {"http://", "https://"};
constexpr std::string_view kBlankPage = "about:blank";

} // namespace

bool is_loadable_address(std::string_view utf8_address) {
    for (std::string_view prefix : kWebPrefixes)
        if (starts_with_ignoring_case(utf8_address, prefix) && utf8_address.size() > prefix.size())
            return true;
    return utf8_address.size() == kBlankPage.size() && starts_with_ignoring_case(utf8_address, kBlankPage);
}

} // namespace tv::ui::gtk
