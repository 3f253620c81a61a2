#pragma once
// `tvdir show`: every directory value of a page as the portal would store it, one line per key.
#include <string>
#include <string_view>

namespace tv::tvdir {

// A GBK value as one line of UTF-8: CR, LF, TAB and backslash become \r, \n, \t and \\; a byte
// that does not belong to a valid GBK sequence, and any other control byte, becomes \xHH. Every
// escape stands for exactly the bytes it names, so the value can be rebuilt from the line.
std::string escaped_utf8(std::string_view gbk_value);

// The lines "KEY=VALUE" of the start-up, notice-board and remote-control reads (each in lookup
// order), then "switch 智能识别 on|off" and "switch 解除封印 on|off" against the baseline "0".
std::string dump_page(std::string_view body);

} // namespace tv::tvdir
