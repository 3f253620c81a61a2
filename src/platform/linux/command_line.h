#pragma once
// Command lines as the launcher reads them, and the search of a program on PATH.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::platform::linux_desktop {

// Splits at blanks (space, tab); a double-quoted stretch stays one word without its quotes.
std::vector<std::string> split_command_line(std::string_view command_line);

// The word as a tool key: lower-case ASCII, a trailing ".exe" removed.
std::string tool_key(std::string_view program_word);

// The first executable regular file named `name` in the ':'-separated directories of
// `search_path`; empty entries are skipped, so the current directory is never searched by
// accident. A name containing '/' is
// taken as a path and only checked. nullopt when nothing fits.
std::optional<std::string> find_program(std::string_view name, std::string_view search_path);

} // namespace tv::platform::linux_desktop
