#pragma once
// The captions of the clock-and-calendar panel of the main and remote-control windows.
#include "core/date_time.h"

#include <string>
#include <string_view>

namespace tv::calendar {

// Texts shown on a date without a festival row (UTF-8; convert with tv::gbk). Like the festival
// texts they start with a one-byte kind marker, "1", that is never displayed.
inline constexpr std::string_view kMainNoFestivalText = "1www.tvportal.example";
inline constexpr std::string_view kRemoteNoFestivalText = "1······"; // six U+00B7

// The clock label: hour, minute and second, two digits each, 24-hour ("07:05:09").
std::string clock_caption(const DateTime &moment);

// GBK weekday name of a moment (星期日 .. 星期六).
std::string weekday_name(const DateTime &moment);

// The calendar label, seven GBK lines separated by CR LF:
//   ★★<year>年<month>月<day>日★★, empty, 农历<animal>年<lunar month><lunar day>, empty,
//   <weekday>, empty, <festival text of the date, or no_festival_gbk, without its first byte>.
std::string calendar_caption(const DateTime &moment, std::string_view no_festival_gbk);

} // namespace tv::calendar
