#include "ui/gtk/date_text.h"

#include <charconv>

namespace tv::ui::gtk {
namespace {

constexpr std::string_view kYear = "年";
constexpr std::string_view kMonth = "月";
constexpr std::string_view kDay = "日";

std::string_view trim_spaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Reads decimal digits followed by the unit; advances text past both.
std::optional<int> take_number(std::string_view &text, std::string_view unit) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data())
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    text = trim_spaces(text);
    if (text.substr(0, unit.size()) != unit)
        return std::nullopt;
    text.remove_prefix(unit.size());
    text = trim_spaces(text);
    return value;
}

} // namespace

std::string long_date_text(const DateTime &t) {
    return std::to_string(t.year) + std::string(kYear) + std::to_string(t.month) + std::string(kMonth) +
           std::to_string(t.day) + std::string(kDay);
}

std::optional<DateTime> parse_long_date(std::string_view utf8_text, const DateTime &base) {
    std::string_view text = trim_spaces(utf8_text);
    const auto year = take_number(text, kYear);
    if (!year)
        return std::nullopt;
    const auto month = take_number(text, kMonth);
    if (!month)
        return std::nullopt;
    const auto day = take_number(text, kDay);
    if (!day || !text.empty())
        return std::nullopt;
    return make_date_time(*year, *month, *day, base.hour, base.minute, base.second);
}

} // namespace tv::ui::gtk
