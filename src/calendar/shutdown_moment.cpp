#include "calendar/shutdown_moment.h"

namespace tv::calendar {

namespace {

// Value of a time field: empty is 0, else one or two decimal digits; nullopt for anything else.
std::optional<int> field_value(std::string_view text) {
    if (text.size() > 2)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<DateTime> shutdown_moment(int year, int month, int day, std::string_view hour_text,
                                        std::string_view minute_text, std::string_view second_text) {
    const auto hour = field_value(hour_text);
    const auto minute = field_value(minute_text);
    const auto second = field_value(second_text);
    if (!hour || !minute || !second)
        return std::nullopt;
    return make_date_time(year, month, day, *hour, *minute, *second);
}

} // namespace tv::calendar
