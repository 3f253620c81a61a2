#pragma once
// Formats a date-time by a GBK pattern with Gregorian and Chinese lunar placeholders.
#include "core/date_time.h"

#include <string>
#include <string_view>

namespace tv::calendar {

// Copies the GBK pattern, replacing every occurrence of each placeholder (case-sensitive):
//   %y Gregorian year, %m month 1-12, %d day 1-31 (decimal, no padding);
//   %S zodiac animal of the moment (鼠 .. 猪; changes at the Start of Spring);
//   %M lunar month name (正月 .. 十月, 冬月, 腊月; 闰 in front for a leap month);
//   %D lunar day name (初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十).
// Any other byte, including a '%' that starts no placeholder, is copied unchanged; a two-byte GBK
// character is copied whole, so its trail byte is never read as the start of a placeholder.
// Outside the lunar calendar's range (see lunar.h) %M and %D become empty; %S stays defined.
std::string format_lunar(const DateTime &moment, std::string_view gbk_pattern);

// GBK names of the lunar calendar's parts, as the placeholders give them.
std::string lunar_month_name(int month, bool leap);
std::string lunar_day_name(int day);
std::string zodiac_animal_name(int animal);

} // namespace tv::calendar
