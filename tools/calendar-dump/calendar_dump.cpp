#include "calendar_dump.h"

#include "calendar/panel_text.h"
#include "core/gbk_convert.h"

#include <array>
#include <cstdio>
#include <istream>
#include <ostream>

namespace tv::calendar_dump {

namespace {

constexpr std::string_view kUsage = "usage: calendar-dump FROM TO   (dates as YYYY-MM-DD)\n"
                                    "       calendar-dump --moments  (reads YYYY-MM-DD HH:MM:SS lines from stdin)\n";

// Reads `width` decimal digits at `pos`, or nullopt.
std::optional<int> digits(std::string_view text, std::size_t pos, std::size_t width) {
    if (pos + width > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string date_label(const DateTime &t) {
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", t.year, t.month, t.day);
    return buffer.data();
}

} // namespace

std::optional<DateTime> parse_date(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return make_date_time(*year, *month, *day, 12, 0, 0);
}

std::optional<DateTime> parse_moment(std::string_view text) {
    if (text.size() != 19 || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto date = parse_date(text.substr(0, 10));
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!date || !hour || !minute || !second)
        return std::nullopt;
    return make_date_time(date->year, date->month, date->day, *hour, *minute, *second);
}

std::string dump_line(std::string_view label, const DateTime &moment) {
    const std::string caption = utf8_from_gbk(calendar::calendar_caption(moment, gbk(calendar::kMainNoFestivalText)));
    std::string line(label);
    // Lines 1, 3, 5 and 7 of the caption: every other line, starting with the first.
    std::size_t start = 0;
    for (int index = 0; start <= caption.size(); ++index) {
        const std::size_t end = std::min(caption.find("\r\n", start), caption.size());
        if (index % 2 == 0) {
            line += '\t';
            line.append(caption, start, end - start);
        }
        start = end + 2;
    }
    return line;
}

int run(std::span<const std::string_view> args, std::istream &in, std::ostream &out, std::ostream &err) {
    if (args.size() == 1 && args[0] == "--moments") {
        std::string text;
        for (int number = 1; std::getline(in, text); ++number) {
            if (!text.empty() && text.back() == '\r')
                text.pop_back();
            if (text.empty())
                continue;
            const auto moment = parse_moment(text);
            if (!moment) {
                err << "calendar-dump: line " << number << ": not a moment YYYY-MM-DD HH:MM:SS: " << text << '\n';
                return 2;
            }
            out << dump_line(text, *moment) << '\n';
        }
        return 0;
    }
    if (args.size() != 2) {
        err << kUsage;
        return 2;
    }
    const auto from = parse_date(args[0]);
    const auto to = parse_date(args[1]);
    if (!from || !to) {
        err << "calendar-dump: not a date YYYY-MM-DD: " << (from ? args[1] : args[0]) << '\n' << kUsage;
        return 2;
    }
    const auto last = days_from_civil(to->year, to->month, to->day);
    if (days_from_civil(from->year, from->month, from->day) > last) {
        err << "calendar-dump: FROM is after TO\n";
        return 2;
    }
    for (auto day = days_from_civil(from->year, from->month, from->day); day <= last; ++day) {
        DateTime moment{0, 0, 0, 12, 0, 0};
        civil_from_days(day, moment.year, moment.month, moment.day);
        out << dump_line(date_label(moment), moment) << '\n';
    }
    return 0;
}

} // namespace tv::calendar_dump
