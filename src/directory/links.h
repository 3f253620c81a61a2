#pragma once
// Opening links with the desktop's default handler.
#include "app/context.h"

namespace tv::directory {

// Whether a directory value may be handed to the desktop: only http and https addresses.
// The page travels over plain HTTP, so a tampered value must not open local files or programs.
bool is_web_address(std::string_view gbk_value);

// Opens a directory value (GBK) when it is a web address; anything else is ignored silently.
void open_directory_link(Context &ctx, std::string_view gbk_value);

// Opens one of the program's own fixed addresses (UTF-8) as it is.
void open_fixed_link(Context &ctx, std::string_view utf8_address);

} // namespace tv::directory
