#pragma once
// Local date-times at whole-second resolution, and their serial form: days since
// 30 December 1899 with the time of day as the fraction.
#include <cstdint>
#include <optional>

namespace tv {

struct DateTime {
    int year = 1899;
    int month = 12; // 1-12
    int day = 30;   // 1-31
    int hour = 0;   // 0-23
    int minute = 0; // 0-59
    int second = 0; // 0-59

    friend bool operator==(const DateTime &, const DateTime &) = default;
};

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t days_from_civil(int year, int month, int day);
// Inverse of days_from_civil.
void civil_from_days(std::int64_t days, int &year, int &month, int &day);

bool is_leap_year(int year);
int days_in_month(int year, int month);
// 1 = Sunday ... 7 = Saturday.
int weekday(const DateTime &t);

// Serial value: days since 1899-12-30, time of day as fraction.
double to_serial(const DateTime &t);
// Inverse of to_serial, rounded to the nearest second.
DateTime from_serial(double serial);
// Seconds since 1970-01-01 00:00:00 of the same wall-clock reading (no time zone involved).
std::int64_t to_epoch_seconds(const DateTime &t);
DateTime from_epoch_seconds(std::int64_t seconds);
// Adds (or subtracts) whole minutes, carrying into hours, days, months and years.
DateTime add_minutes(const DateTime &t, std::int64_t minutes);

// Limits a serial value to 1 January 100 .. 31 December 9999 (-657434 .. 2958465).
double clamp_date(double serial);

// Builds a date-time from parts; nullopt when a part is out of range.
std::optional<DateTime> make_date_time(int year, int month, int day, int hour, int minute, int second);

} // namespace tv
