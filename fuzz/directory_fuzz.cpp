// libFuzzer target over everything that reads a directory page: the GBK-aware search and
// between (checked against a plain walk written from the rules), the marked section and the
// lookups of all 81 keys, the switch reading, the GBK conversions and tvdir's dump and check.
#include "core/gbk_convert.h"
#include "core/gbk_search.h"
#include "core/number_text.h"
#include "core/text.h"
#include "directory/directory_keys.h"
#include "directory/directory_read.h"
#include "directory/links.h"
#include "directory/page.h"
#include "page_check.h"
#include "page_dump.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

void require(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
        std::abort();
    }
}

// The character walk as the page rules state it, one position at a time: compare, then step by
// two over a byte of 0x80 or above, by one otherwise; a high byte that ends the text stops it.
// Left out of the coverage instrumentation: it is the yardstick, not the code under test, and it
// runs over every section 81 times per input.
__attribute__((no_sanitize("coverage"))) std::optional<std::size_t> walk_find(std::string_view text,
                                                                              std::string_view needle) {
    if (needle.empty())
        return std::nullopt;
    for (std::size_t pos = 0; pos + needle.size() <= text.size();) {
        const bool high = static_cast<unsigned char>(text[pos]) >= 0x80;
        if (high && pos + 1 == text.size())
            return std::nullopt;
        if (text[pos] == needle[0] && std::memcmp(text.data() + pos, needle.data(), needle.size()) == 0)
            return pos;
        pos += high ? 2 : 1;
    }
    return std::nullopt;
}

std::string_view walk_between(std::string_view text, std::string_view leading, std::string_view trailing) {
    const auto lead = walk_find(text, leading);
    if (!lead)
        return {};
    const std::string_view rest = text.substr(*lead + leading.size());
    const auto trail = walk_find(rest, trailing);
    if (!trail || *trail == 0)
        return {};
    return rest.substr(0, *trail);
}

int hex_digit(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

// Rebuilds the GBK bytes from tvdir's one-line escape of a value.
std::string unescape(std::string_view line) {
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == '\\') {
            const char kind = line[i + 1];
            if (kind == 'x') {
                out += static_cast<char>(hex_digit(line[i + 2]) * 16 + hex_digit(line[i + 3]));
                i += 4;
            } else {
                out += kind == 'r' ? '\r' : kind == 'n' ? '\n' : kind == 't' ? '\t' : '\\';
                i += 2;
            }
            continue;
        }
        const auto b = static_cast<unsigned char>(line[i]);
        const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        out += n == 1 ? std::string(1, line[i]) : tv::gbk_from_utf8(line.substr(i, n));
        i += n;
    }
    return out;
}

void fuzz_search(std::string_view text, std::string_view leading, std::string_view trailing) {
    require(tv::gbk_find(text, leading) == walk_find(text, leading), "gbk_find agrees with the walk");
    require(tv::gbk_find(text, trailing) == walk_find(text, trailing), "gbk_find agrees with the walk (trail)");
    const std::string_view cut = tv::between(text, leading, trailing);
    require(cut == walk_between(text, leading, trailing), "between agrees with the walk");
    require(cut.empty() || (cut.data() >= text.data() && cut.data() + cut.size() <= text.data() + text.size()),
            "between returns a view into its text");
}

void fuzz_value(std::string_view value) {
    // Every value is shown as one line from which its bytes can be rebuilt.
    const std::string line = tv::tvdir::escaped_utf8(value);
    require(line.find_first_of("\r\n") == std::string::npos, "an escaped value is one line");
    require(unescape(line) == value, "the escape names every byte");
    const double number = tv::read_number(value);
    require(tv::directory::switch_on(value, "0") == (number > 1e-7), "a switch is on above the threshold");
    if (!tv::tvdir::begins_with_number(value))
        require(number == 0, "a value that does not begin with a number reads as 0");
    (void)tv::directory::is_web_address(value);
}

void fuzz_page(std::string_view body) {
    const std::string_view section = tv::directory::marked_section(body);
    require(section == walk_between(tv::text_of_bytes(body), tv::gbk("////开始"), tv::gbk("////结束")),
            "marked section agrees with the walk");
    std::vector<std::string> keys;
    for (const auto &k : tv::directory::kKeys) {
        const std::string &key = tv::gbk(k.key);
        keys.push_back(key);
        const std::string_view value = tv::directory::lookup(section, key);
        require(value == walk_between(section, "<p>" + key + "=", "</p>"), "lookup agrees with the walk");
        fuzz_value(value);
    }
    const auto all = tv::directory::lookup_all(section, keys);
    for (std::size_t i = 0; i < keys.size(); ++i)
        require(all[i] == tv::directory::lookup(section, keys[i]), "the one-walk lookup agrees with each lookup");

    const std::string dump = tv::tvdir::dump_page(body);
    std::size_t lines = 0;
    for (const char c : dump)
        lines += c == '\n';
    require(lines == tv::directory::kKeys.size() + 2, "show prints one line per key and two switch lines");

    const auto findings = tv::tvdir::check_page(body);
    for (const auto &f : findings)
        require(!f.tag.empty() && tv::tvdir::line_of(f).find('\n') == std::string::npos, "one finding, one line");
    // A page without findings has a section that holds every key.
    if (findings.empty())
        for (const auto &k : tv::directory::kKeys)
            require(tv::gbk_find(section, "<p>" + tv::gbk(k.key) + "=").has_value(), "a clean page has every key");
}

void fuzz_conversions(std::string_view bytes) {
    const std::string utf8 = tv::utf8_from_gbk(bytes);
    const std::string escaped = tv::utf8_from_gbk_escaped(bytes);
    require(utf8.size() >= bytes.size() / 2 && escaped.size() >= bytes.size() / 2, "conversions drop nothing");
    // Text without invalid bytes converts back to itself.
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos && bytes.find('\0') == std::string_view::npos)
        require(tv::gbk_from_utf8(utf8) == bytes, "valid GBK survives the round trip");
    (void)tv::gbk_from_utf8(bytes); // the input read as UTF-8, however malformed
    for (std::size_t i = 0; i < bytes.size() && i < 64; ++i) {
        const std::size_t n = tv::valid_gbk_sequence_length(bytes.substr(i));
        require(n <= 2 && n <= bytes.size() - i, "a sequence length fits the text");
        if (n == 2)
            require(static_cast<unsigned char>(bytes[i]) >= 0x81, "pairs start with a lead byte");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    fuzz_page(input);
    fuzz_conversions(input);
    // The first byte chooses two needles from the bytes after it; the rest is the text.
    if (size > 1) {
        const std::size_t lead_size = data[0] & 0x0F;
        const std::size_t trail_size = data[0] >> 4 & 0x07;
        const std::string_view rest = input.substr(1);
        if (lead_size + trail_size <= rest.size())
            fuzz_search(rest.substr(lead_size + trail_size), rest.substr(0, lead_size),
                        rest.substr(lead_size, trail_size));
    }
    return 0;
}
