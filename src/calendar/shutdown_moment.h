#pragma once
// The moment that the scheduled-shutdown row of the tools panel shows.
#include "core/date_time.h"

#include <optional>
#include <string_view>

namespace tv::calendar {

// Builds the set moment from the date box's year, month and day and the three edit-box texts, taken
// as they stand: an empty text counts as 0; otherwise a text must be one or two ASCII digits ("05"
// and "5" are both 5), the hour 0-23 and the minute and second 0-59. Anything else (a sign, a
// space, a letter, a third digit, a value out of range) or an impossible date gives nullopt.
std::optional<DateTime> shutdown_moment(int year, int month, int day, std::string_view hour_text,
                                        std::string_view minute_text, std::string_view second_text);

} // namespace tv::calendar
