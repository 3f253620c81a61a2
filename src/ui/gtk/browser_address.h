#pragma once
// Which addresses the embedded browser may load. The directory that names them travels over
// plain HTTP and could be tampered with, so only web pages and the blank page are loaded.
#include <string_view>

namespace tv::ui::gtk {

// True for http:// and https:// addresses and for about:blank, the scheme in any letter case.
bool is_loadable_address(std::string_view utf8_address);

} // namespace tv::ui::gtk
