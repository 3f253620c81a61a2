#include "calendar/lunar.h"

#include "calendar/lunar_data.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <tuple>

namespace tv::calendar {

namespace {

using data::kLunarYears;
using data::kStartOfSpring;
using data::LunarYearRow;

constexpr int month_count(const LunarYearRow &row) {
    return row.leap_month == 0 ? 12 : 13;
}

constexpr int month_length(const LunarYearRow &row, int index) {
    return (row.long_months >> index) & 1 ? 30 : 29;
}

constexpr int year_length(const LunarYearRow &row) {
    int days = 0;
    for (int i = 0; i < month_count(row); ++i)
        days += month_length(row, i);
    return days;
}

// Days since 1970-01-01 (the same count as tv::days_from_civil), usable in constant expressions.
constexpr std::int64_t civil_days(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int year_of_era = static_cast<int>(year - era * 400);
    const int day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

constexpr std::int64_t new_year_days(const LunarYearRow &row) {
    return civil_days(row.year, row.new_year_month, row.new_year_day);
}

// The generated tables must be one row per year, each lunar year's months exactly filling the days
// up to the next new year.
constexpr bool lunar_years_are_consistent() {
    if (std::size(kLunarYears) != data::kLastLunarYear - data::kFirstLunarYear + 1)
        return false;
    for (std::size_t i = 0; i < std::size(kLunarYears); ++i) {
        const LunarYearRow &row = kLunarYears[i];
        if (row.year != data::kFirstLunarYear + static_cast<int>(i) || row.leap_month > 12)
            return false;
        if ((row.long_months >> month_count(row)) != 0)
            return false;
        if (i + 1 < std::size(kLunarYears) &&
            new_year_days(row) + year_length(row) != new_year_days(kLunarYears[i + 1]))
            return false;
    }
    return true;
}
static_assert(lunar_years_are_consistent());
static_assert(kLunarYears[0].new_year_month == kFirstLunarDate.month &&
              kLunarYears[0].new_year_day == kFirstLunarDate.day && kLunarYears[0].year == kFirstLunarDate.year);
static_assert(std::size(kStartOfSpring) == 2049 - 1901 + 1);

constexpr auto date_key(int year, int month, int day) {
    return std::tuple(year, month, day);
}

} // namespace

std::optional<LunarDate> lunar_date(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
        return std::nullopt;
    const auto key = date_key(year, month, day);
    if (key < date_key(kFirstLunarDate.year, kFirstLunarDate.month, kFirstLunarDate.day) ||
        key > date_key(kLastLunarDate.year, kLastLunarDate.month, kLastLunarDate.day))
        return std::nullopt;

    // The last lunar year whose month 1 begins on or before the date.
    const auto after = std::upper_bound(std::begin(kLunarYears), std::end(kLunarYears), key,
                                        [](const auto &k, const LunarYearRow &row) {
                                            return k < date_key(row.year, row.new_year_month, row.new_year_day);
                                        });
    const LunarYearRow &row = *std::prev(after);
    auto offset = civil_days(year, month, day) - new_year_days(row);
    int index = 0;
    while (offset >= month_length(row, index)) {
        offset -= month_length(row, index);
        ++index;
    }
    // Months before the leap month keep their index + 1; the leap month repeats the month before it.
    LunarDate result{row.year, index + 1, false, static_cast<int>(offset) + 1};
    if (row.leap_month != 0 && index >= row.leap_month) {
        result.month = index;
        result.leap = index == row.leap_month;
    }
    return result;
}

std::optional<DateTime> start_of_spring(int year) {
    const int first = kStartOfSpring[0].year;
    if (year < first || year >= first + static_cast<int>(std::size(kStartOfSpring)))
        return std::nullopt;
    const auto &row = kStartOfSpring[year - first];
    return DateTime{row.year, row.month, row.day, row.hour, row.minute, row.second};
}

int zodiac_animal(const DateTime &moment) {
    const DateTime spring = start_of_spring(moment.year).value_or(DateTime{moment.year, 2, 4});
    const int year = to_epoch_seconds(moment) < to_epoch_seconds(spring) ? moment.year - 1 : moment.year;
    return ((year - 4) % 12 + 12) % 12;
}

} // namespace tv::calendar
