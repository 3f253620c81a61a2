#include "core/date_time.h"

#include <algorithm>
#include <cmath>

namespace tv {

namespace {
constexpr std::int64_t kSerialEpochOffsetDays = 25569; // 1899-12-30 to 1970-01-01
constexpr double kMinSerial = -657434.0;
constexpr double kMaxSerial = 2958465.0;
} // namespace

// Howard Hinnant's civil-date algorithms.
std::int64_t days_from_civil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(std::int64_t days, int &year, int &month, int &day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && is_leap_year(year))
        return 29;
    return kDays[month - 1];
}

int weekday(const DateTime &t) {
    const std::int64_t d = days_from_civil(t.year, t.month, t.day); // 1970-01-01 was a Thursday (5)
    return static_cast<int>(((d % 7) + 7 + 4) % 7) + 1;
}

std::int64_t to_epoch_seconds(const DateTime &t) {
    return days_from_civil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

DateTime from_epoch_seconds(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    DateTime t;
    civil_from_days(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

double to_serial(const DateTime &t) {
    const double days = static_cast<double>(days_from_civil(t.year, t.month, t.day) + kSerialEpochOffsetDays);
    const double fraction = (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
    // Before the epoch the fraction still counts forward within the day (OLE dates).
    return days >= 0 ? days + fraction : days - fraction;
}

DateTime from_serial(double serial) {
    double whole = std::trunc(serial);
    double fraction = std::fabs(serial - whole);
    std::int64_t secs = std::llround(fraction * 86400.0);
    if (secs >= 86400) {
        secs -= 86400;
        whole += serial >= 0 ? 1 : -1;
    }
    return from_epoch_seconds((static_cast<std::int64_t>(whole) - kSerialEpochOffsetDays) * 86400 + secs);
}

DateTime add_minutes(const DateTime &t, std::int64_t minutes) {
    return from_epoch_seconds(to_epoch_seconds(t) + minutes * 60);
}

double clamp_date(double serial) { return std::clamp(serial, kMinSerial, kMaxSerial); }

std::optional<DateTime> make_date_time(int year, int month, int day, int hour, int minute, int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return DateTime{year, month, day, hour, minute, second};
}

} // namespace tv
