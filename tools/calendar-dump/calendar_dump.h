#pragma once
// calendar-dump: prints the main window's calendar caption for days or moments, as UTF-8 text.
#include "core/date_time.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tv::calendar_dump {

// "YYYY-MM-DD" of an existing date in years 100..9999; the time of day of the result is 12:00:00.
std::optional<DateTime> parse_date(std::string_view text);
// "YYYY-MM-DD HH:MM:SS" of an existing moment in years 100..9999.
std::optional<DateTime> parse_moment(std::string_view text);

// label, then lines 1, 3, 5 and 7 of the main window's calendar caption, separated by tabs, UTF-8.
std::string dump_line(std::string_view label, const DateTime &moment);

// The whole program: `FROM TO` dumps each day at 12:00:00 labelled YYYY-MM-DD; `--moments` dumps each
// "YYYY-MM-DD HH:MM:SS" line of `in` (blank lines skipped) labelled with that line. Returns the exit
// status: 0, or 2 after a message on `err` for bad arguments or input.
int run(std::span<const std::string_view> args, std::istream &in, std::ostream &out, std::ostream &err);

} // namespace tv::calendar_dump
