#!/usr/bin/python3
"""Computes the Chinese lunar calendar 1901-2048 and the Start of Spring moments 1901-2049, and writes
them as the constexpr tables of src/calendar/lunar_data.h.

Usage: scripts/calendar/generate_lunar_data.py [OUTPUT]   (default: src/calendar/lunar_data.h)
Needs the Debian packages python3-erfa and libnova-0.16-0; takes about two minutes.

The rules are those of the Chinese calendar since 1645 (true new moons, true solar terms):
- A month starts on the civil day that holds a new moon.
- The month that holds the winter solstice (solar longitude 270 degrees) is month 11.
- When 13 months start from one month 11 up to (not including) the next month 11, the first of them
  that holds no principal term (solar longitude a multiple of 30 degrees) is a leap month and repeats
  the number of the month before it.
- A lunar year runs from month 1 to the next month 1 and is named by the Gregorian year in which
  its month 1 starts.

Civil days are those of the Beijing meridian. Up to the end of 1928 the Chinese calendar was computed
for Beijing local mean time (116 deg 25 min east, UTC+7:45:40); from 1929 on for the 120th meridian,
which is China Standard Time (UTC+8). The moments of the Start of Spring (solar longitude 315
degrees) are given in China Standard Time for every year, 1901 to 1928 included, since they are used
to compare against the local clock of today's computers.

The astronomy is in lunar_ephemeris.py.
"""

import pathlib
import sys

import erfa

import lunar_ephemeris as eph

BEIJING_LOCAL_MEAN_TIME = (7 * 3600 + 45 * 60 + 40) / 86400.0
CHINA_STANDARD_TIME = 8 / 24.0
# 1929-01-01 00:00 UTC+8 as a UT Julian day: the switch between the two meridians.
SWITCH_TO_120_EAST_UT = 2425612.5 - CHINA_STANDARD_TIME

FIRST_YEAR, LAST_YEAR = 1901, 2048  # lunar years covered; the range ends on 2048-12-31
LAST_START_OF_SPRING = 2049


def calendar_offset(jd_ut):
    return BEIJING_LOCAL_MEAN_TIME if jd_ut < SWITCH_TO_120_EAST_UT else CHINA_STANDARD_TIME


def civil_day(jd_ut):
    """Julian day number of the civil date on which the moment falls, for the calendar's meridian."""
    return int(jd_ut + calendar_offset(jd_ut) + 0.5)


def julian_day(year, month, day):
    """Julian day at 0h of a Gregorian date."""
    return sum(erfa.cal2jd(year, month, day))


def gregorian(day_number):
    year, month, day, _ = erfa.jd2cal(day_number, 0.0)
    return int(year), int(month), int(day)


def lunation_of(jd):
    return round((jd - 2451550.09766) / eph.SYNODIC_MONTH)


def new_moon_days(first_jd, last_jd):
    return [civil_day(eph.new_moon_ut(k)) for k in range(lunation_of(first_jd), lunation_of(last_jd) + 1)]


def principal_term_days(first_year, last_year):
    """Civil days of the principal terms, and of each year's winter solstice."""
    days, solstices = [], {}
    for year in range(first_year, last_year + 1):
        for index in range(12):
            longitude = (index * 30 + 300) % 360  # 300 (January) ... 270 (December)
            guess = julian_day(year, index + 1, 21)
            day = civil_day(eph.solar_term_ut(longitude, guess))
            days.append(day)
            if longitude == 270:
                solstices[year] = day
    return sorted(days), solstices


def months_of_sui(starts, end, principal_days, solstice_year):
    """Numbers the months from one month 11 (starts[0]) up to the next (end)."""
    leap_sui = len(starts) == 13
    bounds = starts + [end]
    labelled, number, leap_taken = [], 11, False
    for i, start in enumerate(starts):
        has_principal = any(start <= d < bounds[i + 1] for d in principal_days)
        if i > 0 and leap_sui and not leap_taken and not has_principal:
            labelled.append((start, number, True))
            leap_taken = True
        else:
            if i > 0:
                number = number % 12 + 1
            labelled.append((start, number, False))
    result, reached_month_1 = [], False
    for start, number, leap in labelled:
        reached_month_1 = reached_month_1 or number == 1
        result.append((start, solstice_year + 1 if reached_month_1 else solstice_year, number, leap))
    return result


def lunar_months():
    """(start day number, lunar year, month, leap) of every month from the winter solstice before the
    first lunar year covered to the one after the last, and the month 11 that follows."""
    first_jd = julian_day(FIRST_YEAR - 1, 10, 1)
    last_jd = julian_day(LAST_YEAR + 2, 2, 1)
    moons = new_moon_days(first_jd, last_jd)
    principal_days, solstices = principal_term_days(FIRST_YEAR - 1, LAST_YEAR + 1)
    month_11 = {year: max(m for m in moons if m <= day) for year, day in solstices.items()}
    months = []
    for year in range(FIRST_YEAR - 1, LAST_YEAR + 1):
        starts = [m for m in moons if month_11[year] <= m < month_11[year + 1]]
        months += months_of_sui(starts, month_11[year + 1], principal_days, year)
    # Month 11 of the next sui closes the last month computed.
    return months + [(month_11[LAST_YEAR + 1], LAST_YEAR + 1, 11, False)]


def year_rows(months):
    rows = []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        indices = [i for i, m in enumerate(months) if m[1] == year]
        own = [months[i] for i in indices]
        bounds = [m[0] for m in own] + [months[indices[-1] + 1][0]]
        long_mask = sum(1 << i for i in range(len(own)) if bounds[i + 1] - bounds[i] == 30)
        leap_month = next((m[2] for m in own if m[3]), 0)
        assert own[0][2] == 1 and not own[0][3], own[0]
        assert all(bounds[i + 1] - bounds[i] in (29, 30) for i in range(len(own)))
        y, mo, d = gregorian(own[0][0])
        rows.append((year, mo, d, leap_month, long_mask, len(own)))
    return rows


def start_of_spring_moments():
    rows = []
    for year in range(FIRST_YEAR, LAST_START_OF_SPRING + 1):
        guess = julian_day(year, 2, 4)
        cst = eph.solar_term_ut(315.0, guess) + CHINA_STANDARD_TIME
        seconds = round((cst + 0.5 - int(cst + 0.5)) * 86400)
        day = int(cst + 0.5) + seconds // 86400
        seconds %= 86400
        y, mo, d = gregorian(day)
        rows.append((y, mo, d, seconds // 3600, seconds // 60 % 60, seconds % 60))
    return rows


HEADER = """\
#pragma once
// Generated by scripts/calendar/generate_lunar_data.py; do not edit by hand.
// How the values were computed, and which meridian they use, is described in lunar.h.

namespace tv::calendar::data {{

// One lunar year: the Gregorian date of its month 1, its leap month (0 = none; otherwise the number
// of the month that the leap month follows) and its month lengths, bit i set when the i-th month of
// the year (leap month included, in order) has 30 days rather than 29 (written in binary, so the
// first month is the rightmost digit).
struct LunarYearRow {{
    short year;
    unsigned char new_year_month;
    unsigned char new_year_day;
    unsigned char leap_month;
    unsigned short long_months;
}};

// The moment of the Start of Spring (solar longitude 315 degrees), China Standard Time wall clock.
struct StartOfSpringRow {{
    short year;
    unsigned char month;
    unsigned char day;
    unsigned char hour;
    unsigned char minute;
    unsigned char second;
}};

// clang-format off
inline constexpr int kFirstLunarYear = {first};
inline constexpr int kLastLunarYear = {last};

inline constexpr LunarYearRow kLunarYears[] = {{
{years}
}};

inline constexpr StartOfSpringRow kStartOfSpring[] = {{
{spring}
}};
// clang-format on

}} // namespace tv::calendar::data
"""


def main():
    output = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                          pathlib.Path(__file__).resolve().parents[2] / "src/calendar/lunar_data.h")
    months = lunar_months()
    years = "\n".join(
        f"    {{{year}, {mo}, {d}, {leap}, 0b{mask:0{count}b}}},"
        for year, mo, d, leap, mask, count in year_rows(months))
    spring = "\n".join(f"    {{{y}, {mo}, {d}, {h}, {mi}, {s}}}," for y, mo, d, h, mi, s in start_of_spring_moments())
    output.write_text(HEADER.format(first=FIRST_YEAR, last=LAST_YEAR, years=years, spring=spring))
    print(f"wrote {output}")


if __name__ == "__main__":
    main()
