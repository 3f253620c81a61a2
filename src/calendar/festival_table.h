#pragma once
// The fixed table of festivals, commemorations and observance days by Gregorian month and day.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tv::calendar {

struct FestivalRow {
    int month;
    int day;
    // UTF-8, starting with the kind marker "2" that the panel removes before display.
    std::string_view text;
};

// The table's rows, ordered by month and day; one row per date at most.
std::span<const FestivalRow> festival_rows();

// The GBK text (marker included) of the row for a month and day, or nullopt when the date has none.
std::optional<std::string> festival_text(int month, int day);

} // namespace tv::calendar
