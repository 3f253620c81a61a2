#include "calendar/panel_text.h"

#include "calendar/festival_table.h"
#include "calendar/lunar_format.h"
#include "core/gbk_convert.h"

#include <array>
#include <optional>

namespace tv::calendar {

namespace {

constexpr std::string_view kCalendarPattern = "★★%y年%m月%d日★★\r\n\r\n农历%S年%M%D\r\n\r\n";
constexpr std::string_view kFestivalSeparator = "\r\n\r\n";
constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

void append_two_digits(std::string &out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// A kind-marked text without its marker byte.
std::string_view without_marker(std::string_view marked) {
    return marked.empty() ? marked : marked.substr(1);
}

} // namespace

std::string clock_caption(const DateTime &moment) {
    std::string out;
    out.reserve(8);
    append_two_digits(out, moment.hour);
    out += ':';
    append_two_digits(out, moment.minute);
    out += ':';
    append_two_digits(out, moment.second);
    return out;
}

std::string weekday_name(const DateTime &moment) {
    return gbk(kWeekdays[weekday(moment) - 1]);
}

std::string calendar_caption(const DateTime &moment, std::string_view no_festival_gbk) {
    std::string out = format_lunar(moment, gbk(kCalendarPattern));
    out += weekday_name(moment);
    out += kFestivalSeparator;
    if (const std::optional<std::string> festival = festival_text(moment.month, moment.day))
        out += without_marker(*festival);
    else
        out += without_marker(no_festival_gbk);
    return out;
}

} // namespace tv::calendar
