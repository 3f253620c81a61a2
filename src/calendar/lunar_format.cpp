#include "calendar/lunar_format.h"

#include "calendar/lunar.h"
#include "core/gbk_convert.h"

#include <array>
#include <optional>

namespace tv::calendar {

namespace {

constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kMonths = {"正月", "二月", "三月", "四月", "五月", "六月",
                                                      "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

bool is_gbk_lead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
bool is_gbk_trail(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

} // namespace

std::string lunar_month_name(int month, bool leap) {
    if (month < 1 || month > 12)
        return {};
    std::string utf8 = leap ? "闰" : "";
    utf8 += kMonths[month - 1];
    return gbk(utf8);
}

std::string lunar_day_name(int day) {
    if (day < 1 || day > 30)
        return {};
    std::string utf8;
    if (day <= 10)
        utf8 = std::string("初").append(kNumerals[day - 1]);
    else if (day < 20)
        utf8 = std::string("十").append(kNumerals[day - 11]);
    else if (day == 20)
        utf8 = "二十";
    else if (day < 30)
        utf8 = std::string("廿").append(kNumerals[day - 21]);
    else
        utf8 = "三十";
    return gbk(utf8);
}

std::string zodiac_animal_name(int animal) {
    if (animal < 0 || animal > 11)
        return {};
    return gbk(kAnimals[animal]);
}

std::string format_lunar(const DateTime &moment, std::string_view gbk_pattern) {
    const std::optional<LunarDate> lunar = lunar_date(moment.year, moment.month, moment.day);
    std::string out;
    out.reserve(gbk_pattern.size() + 16);
    for (std::size_t i = 0; i < gbk_pattern.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk_pattern[i]);
        if (is_gbk_lead(byte) && i + 1 < gbk_pattern.size() &&
            is_gbk_trail(static_cast<unsigned char>(gbk_pattern[i + 1]))) {
            out.append(gbk_pattern.substr(i, 2));
            ++i;
            continue;
        }
        if (byte != '%' || i + 1 == gbk_pattern.size()) {
            out += static_cast<char>(byte);
            continue;
        }
        switch (gbk_pattern[i + 1]) {
        case 'y':
            out += std::to_string(moment.year);
            break;
        case 'm':
            out += std::to_string(moment.month);
            break;
        case 'd':
            out += std::to_string(moment.day);
            break;
        case 'S':
            out += zodiac_animal_name(zodiac_animal(moment));
            break;
        case 'M':
            if (lunar)
                out += lunar_month_name(lunar->month, lunar->leap);
            break;
        case 'D':
            if (lunar)
                out += lunar_day_name(lunar->day);
            break;
        default:
            out += '%';
            continue; // the next byte is handled on its own
        }
        ++i;
    }
    return out;
}

} // namespace tv::calendar
