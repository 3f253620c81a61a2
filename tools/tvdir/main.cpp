// tvdir: shows and checks a directory page the way the portal reads it.
#include "page_check.h"
#include "page_dump.h"
#include "page_source.h"
#include "platform/linux/curl_http.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr int kClean = 0;
constexpr int kProblemsListed = 1;
constexpr int kCannotRun = 2;

constexpr std::string_view kUsage = "usage: tvdir show PAGE\n"
                                    "       tvdir check PAGE\n"
                                    "PAGE is a file or an http:// or https:// address of a GBK directory page.\n"
                                    "show prints every directory value as the portal stores it and the two switches;\n"
                                    "check lists what must be fixed (exit 1 when it lists anything).\n";

void write(std::FILE *stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        write(stdout, kUsage);
        return kClean;
    }
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (argc != 3 || (command != "show" && command != "check")) {
        write(stderr, kUsage);
        return kCannotRun;
    }

    tv::platform::linux_desktop::CurlHttp http;
    const tv::tvdir::PageBytes page = tv::tvdir::read_page(argv[2], http);
    if (!page.readable) {
        write(stderr, "tvdir: cannot read " + page.error + "\n");
        return kCannotRun;
    }

    if (command == "show") {
        write(stdout, tv::tvdir::dump_page(page.bytes));
        return kClean;
    }
    const auto findings = tv::tvdir::check_page(page.bytes);
    for (const auto &finding : findings)
        write(stdout, tv::tvdir::line_of(finding) + "\n");
    return findings.empty() ? kClean : kProblemsListed;
}
