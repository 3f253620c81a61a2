#include "directory/page.h"

#include "core/gbk_convert.h"
#include "core/gbk_search.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace tv::directory {

std::string_view marked_section(std::string_view body) {
    return between(text_of_bytes(body), gbk("////开始"), gbk("////结束"));
}

std::string_view lookup(std::string_view section, std::string_view gbk_key) {
    // The lead "<p>KEY=" is assembled in a small buffer; keys are a few characters long.
    std::string lead;
    lead.reserve(gbk_key.size() + 4);
    lead.append("<p>").append(gbk_key).append("=");
    return between(section, lead, "</p>");
}

std::vector<std::string_view> lookup_all(std::string_view section, std::span<const std::string> gbk_keys) {
    constexpr std::string_view kOpen = "<p>";
    std::vector<std::string_view> values(gbk_keys.size());
    std::unordered_map<std::string_view, std::size_t> wanted;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < gbk_keys.size(); ++i) {
        if (!gbk_keys[i].empty() && gbk_keys[i].find('=') == std::string::npos)
            wanted.emplace(gbk_keys[i], i); // the first of equal keys gets the value
        longest = std::max(longest, gbk_keys[i].size());
    }
    // Each "<p>" on a character boundary opens a candidate entry; its key runs to the first "=".
    // The first candidate of a key is the first occurrence of "<p>KEY=", as lookup() finds it.
    // A position right after '<' is a boundary again, so the search can go on from there.
    std::size_t from = 0;
    std::vector<bool> found(gbk_keys.size());
    std::size_t left = wanted.size();
    while (left > 0 && from < section.size()) {
        const auto hit = gbk_find(section.substr(from), kOpen);
        if (!hit)
            break;
        const std::size_t key_start = from + *hit + kOpen.size();
        from += *hit + 1;
        const std::size_t span = std::min(longest + 1, section.size() - key_start);
        const void *eq = std::memchr(section.data() + key_start, '=', span);
        if (eq == nullptr)
            continue;
        const std::size_t key_end = static_cast<const char *>(eq) - section.data();
        const auto it = wanted.find(section.substr(key_start, key_end - key_start));
        if (it == wanted.end() || found[it->second])
            continue;
        found[it->second] = true;
        --left;
        const std::string_view rest = section.substr(key_end + 1);
        const auto close = gbk_find(rest, "</p>");
        values[it->second] = close && *close > 0 ? rest.substr(0, *close) : std::string_view();
    }
    // Keys that appear more than once in the list share the first one's value; a key that is
    // empty or holds "=" cannot be told apart by its first "=", so it is searched on its own.
    for (std::size_t i = 0; i < gbk_keys.size(); ++i) {
        const auto it = wanted.find(gbk_keys[i]);
        if (it == wanted.end())
            values[i] = lookup(section, gbk_keys[i]);
        else if (it->second != i)
            values[i] = values[it->second];
    }
    return values;
}

} // namespace tv::directory
