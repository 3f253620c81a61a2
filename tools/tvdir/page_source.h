#pragma once
// Where `tvdir` gets a page from: a local file, or an http:// or https:// address.
#include "platform/http.h"

#include <string>
#include <string_view>

namespace tv::tvdir {

struct PageBytes {
    bool readable = false;
    std::string bytes; // the body as received, zero bytes included
    std::string error; // why the page could not be read
};

// Whether the argument names a web address rather than a file.
bool is_address_argument(std::string_view page);

// Reads the page. An address that yields no bytes at all (connection refused, time-out before
// the first byte, empty body) counts as unreadable: nothing could be checked.
PageBytes read_page(std::string_view page, platform::Http &http);

} // namespace tv::tvdir
