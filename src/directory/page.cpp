#include "directory/page.h"

#include "core/gbk_convert.h"
#include "core/gbk_search.h"

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

} // namespace tv::directory
