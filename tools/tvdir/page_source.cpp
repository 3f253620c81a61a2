#include "page_source.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace tv::tvdir {

namespace {

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

PageBytes read_file(const std::string &path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return {false, {}, path + ": " + std::strerror(errno)};
    PageBytes page{true, {}, {}};
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        page.bytes.append(buffer, got);
    if (std::ferror(file.get()))
        return {false, {}, path + ": " + std::strerror(errno)};
    return page;
}

} // namespace

bool is_address_argument(std::string_view page) {
    return page.starts_with("http://") || page.starts_with("https://");
}

PageBytes read_page(std::string_view page, platform::Http &http) {
    if (!is_address_argument(page))
        return read_file(std::string(page));
    PageBytes result{true, http.get(std::string(page)), {}};
    if (result.bytes.empty())
        return {false, {}, std::string(page) + ": nothing received"};
    return result;
}

} // namespace tv::tvdir
