#pragma once
// The date box's display: the long date format, year "年" month "月" day "日" without leading
// zeros ("2016年1月28日"), and reading such a text back after the user has edited it.
#include "core/date_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace tv::ui::gtk {

// UTF-8 long date of the date part of t.
std::string long_date_text(const DateTime &t);

// The date a long date text names, keeping the time of day of base; nullopt when the text is
// not a valid date in that format (surrounding spaces are allowed).
std::optional<DateTime> parse_long_date(std::string_view utf8_text, const DateTime &base);

} // namespace tv::ui::gtk
