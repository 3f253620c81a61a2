#include "page_check.h"

#include "core/gbk_convert.h"
#include "core/gbk_search.h"
#include "core/text.h"
#include "directory/directory_keys.h"
#include "directory/links.h"
#include "directory/page.h"
#include "page_dump.h"

#include <array>
#include <optional>

namespace tv::tvdir {

namespace {

constexpr std::size_t kInvalidOffsetsListed = 20;

enum class ValueKind { Address, Switch, FreeText };

// Every key not listed here holds an address: the first part of a channel's player address, a
// whole page address (信息通道, 施展咒语) or a link handed to the desktop.
constexpr std::array<std::pair<std::string_view, ValueKind>, 6> kNonAddressKeys{{
    {"水平扫描", ValueKind::FreeText},
    {"垂直扫描", ValueKind::FreeText},
    {"智能公告", ValueKind::FreeText},
    {"智变公告", ValueKind::FreeText},
    {"智能识别", ValueKind::Switch},
    {"解除封印", ValueKind::Switch},
}};

ValueKind kind_of(std::string_view utf8_key) {
    for (const auto &[key, kind] : kNonAddressKeys)
        if (key == utf8_key)
            return kind;
    return ValueKind::Address;
}

std::string lead_of(std::string_view gbk_key) {
    return concat({"<p>", gbk_key, "="});
}

// Number of entries of a lead in the section, counted as the search walks: each one from the
// end of the previous lead on.
std::size_t count_entries(std::string_view section, std::string_view lead) {
    std::size_t count = 0;
    while (const auto at = gbk_find(section, lead)) {
        ++count;
        section.remove_prefix(*at + lead.size());
    }
    return count;
}

// The first known key whose entry starts inside a value: the value's "</p>" was forgotten.
std::optional<std::string_view> entry_inside(std::string_view value) {
    for (const directory::KeyInfo &k : directory::kKeys)
        if (gbk_find(value, lead_of(gbk(k.key))))
            return k.key;
    return std::nullopt;
}

void check_value(std::string_view utf8_key, std::string_view value, std::vector<Finding> &out) {
    const std::string shown = concat({utf8_key, "=", escaped_utf8(value)});
    switch (kind_of(utf8_key)) {
    case ValueKind::Switch:
        // An empty switch reads as 0 and so is off, but an explicit 0 says that on purpose; an
        // empty value is reported apart from text that is not a number.
        if (value.empty())
            out.push_back({"switch-empty", std::string(utf8_key)});
        else if (!begins_with_number(value))
            out.push_back({"switch-not-a-number", shown});
        break;
    case ValueKind::Address:
        // Channel values are the start of an address, so the same scheme rule holds for them.
        if (!directory::is_web_address(value))
            out.push_back({"not-a-web-address", value.empty() ? shown + " (empty)" : shown});
        break;
    case ValueKind::FreeText:
        break;
    }
}

void check_key(std::string_view section, std::string_view utf8_key, std::vector<Finding> &out) {
    const std::string lead = lead_of(gbk(utf8_key));
    const auto at = gbk_find(section, lead);
    if (!at) {
        out.push_back({"missing-key", std::string(utf8_key)});
        return;
    }
    const std::string_view rest = section.substr(*at + lead.size());
    const auto close = gbk_find(rest, "</p>");
    if (!close)
        out.push_back({"unclosed-entry", std::string(utf8_key)});
    if (const std::size_t entries = count_entries(section, lead); entries > 1)
        out.push_back(
            {"duplicate-key", concat({utf8_key, " (", std::to_string(entries), " entries, the first counts)"})});
    if (!close)
        return;
    const std::string_view value = rest.substr(0, *close);
    if (const auto inner = entry_inside(value))
        out.push_back({"entry-inside-value", concat({utf8_key, " (its value runs into <p>", *inner, "=)"})});
    check_value(utf8_key, value, out);
}

void check_gbk(std::string_view text, std::vector<Finding> &out) {
    std::size_t invalid = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = valid_gbk_sequence_length(text.substr(i));
        if (length != 0) {
            i += length;
            continue;
        }
        if (invalid < kInvalidOffsetsListed)
            out.push_back({"invalid-gbk", "at byte " + std::to_string(i)});
        ++invalid;
        ++i;
    }
    if (invalid > 0)
        out.push_back({"invalid-gbk-count", std::to_string(invalid) + (invalid == 1 ? " byte" : " bytes")});
}

// Replaces the full-width forms (A3A1..A3FE) by ASCII and the ideographic space by a space,
// walking character by character, as a switch value is read.
std::string fold_full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80 || i + 1 == text.size()) {
            out += text[i++];
            continue;
        }
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += static_cast<char>(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            out += ' ';
        else
            out.append(text.substr(i, 2));
        i += 2;
    }
    return out;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string line_of(const Finding &finding) {
    return finding.detail.empty() ? finding.tag : finding.tag + " " + finding.detail;
}

bool begins_with_number(std::string_view gbk_value) {
    const std::string s = fold_full_width(gbk_value);
    std::size_t i = s.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return false;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    // A digit, or a decimal point followed by a digit (".5").
    if (i < s.size() && is_digit(s[i]))
        return true;
    return i + 1 < s.size() && s[i] == '.' && is_digit(s[i + 1]);
}

std::vector<Finding> check_page(std::string_view body) {
    std::vector<Finding> out;
    const std::string_view text = text_of_bytes(body);
    const std::string &start_marker = gbk("////开始");
    const std::string &end_marker = gbk("////结束");

    if (text.size() < body.size() && gbk_find(body.substr(text.size()), end_marker))
        out.push_back({"zero-byte", "at byte " + std::to_string(text.size()) + " (the page text ends there, before " +
                                        "the end marker)"});

    const auto start = gbk_find(text, start_marker);
    if (!start)
        out.push_back({"missing-start-marker", ""});
    else if (!gbk_find(text.substr(*start + start_marker.size()), end_marker))
        out.push_back({"missing-end-marker", ""});
    else {
        const std::string_view section = directory::marked_section(body);
        for (const directory::KeyInfo &k : directory::kKeys)
            check_key(section, k.key, out);
    }

    check_gbk(text, out);
    return out;
}

} // namespace tv::tvdir
