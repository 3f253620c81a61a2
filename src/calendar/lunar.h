#pragma once
// The Chinese lunar calendar for 19 February 1901 .. 31 December 2048, the moments of the Start of
// Spring (立春) for 1901 .. 2049, and the zodiac animal of a local moment.
//
// Where the data comes from: lunar_data.h holds constexpr tables written by
// scripts/calendar/generate_lunar_data.py, which computes new moons and solar terms from ERFA
// (IAU 2006/2000A precession-nutation, Earth ephemeris epv00, aberration) and libnova's ELP 2000-82B
// lunar theory, with Delta T from the Espenak-Meeus polynomials and observed values, and applies the
// rules of the Chinese calendar in use since 1645: months start on the day of the new moon, the
// winter solstice lies in month 11, and in a year of 13 months from one month 11 to the next the
// first month without a principal term is the leap month. Run the script again (about two minutes;
// needs the Debian packages python3-erfa and libnova-0.16-0) to regenerate the file.
//
// Time convention: days are reckoned on Beijing local mean time (116°25' E, UTC+7:45:40) up to the
// end of 1928 and on China Standard Time (120° E, UTC+8) from 1929 on, because the Chinese calendar
// was computed for the meridian of Beijing until the 120th meridian became its reference in 1929.
// In 1901-1928 the choice decides one month start: the new moon of 23 April 1906 fell at 23:52
// Beijing time (00:06 on the 24th in UTC+8), so month 4 of 1906 begins on 23 April. The Start of
// Spring moments are China Standard Time wall-clock times for every year, 1901-1928 included,
// because they are compared with the local clock of today's computers.
//
// tests/calendar checks every day of the range and every Start of Spring against reference data made
// from two unrelated npm packages (scripts/calendar/make_reference.sh, tests/data/).
#include "core/date_time.h"

#include <optional>

namespace tv::calendar {

struct LunarDate {
    int year = 0;  // Gregorian year in which the lunar year's month 1 begins
    int month = 0; // 1-12
    bool leap = false;
    int day = 0; // 1-30

    friend bool operator==(const LunarDate &, const LunarDate &) = default;
};

// First and last Gregorian dates that lunar_date converts.
inline constexpr DateTime kFirstLunarDate{1901, 2, 19};
inline constexpr DateTime kLastLunarDate{2048, 12, 31};

// The lunar date of a Gregorian date; nullopt outside kFirstLunarDate .. kLastLunarDate or for a
// date that does not exist.
std::optional<LunarDate> lunar_date(int year, int month, int day);

// The moment of the Start of Spring in a Gregorian year, China Standard Time to the second;
// nullopt outside 1901 .. 2049.
std::optional<DateTime> start_of_spring(int year);

// Zodiac animal of a local moment, 0 = 鼠 (rat) .. 11 = 猪 (pig). The animal changes at the moment
// of the Start of Spring: it is (Y - 4) mod 12 for Y the Gregorian year of the latest Start of
// Spring at or before the moment. Outside the table's years the Start of Spring is taken as
// 4 February 00:00:00.
int zodiac_animal(const DateTime &moment);

} // namespace tv::calendar
