// calendar-dump FROM TO | calendar-dump --moments: the main window's calendar caption as UTF-8 text.
#include "calendar_dump.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return tv::calendar_dump::run(args, std::cin, std::cout, std::cerr);
}
