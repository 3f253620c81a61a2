#include "platform/linux/command_line.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tv::platform::linux_desktop {
namespace {

bool is_executable_file(const std::string &path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

} // namespace

std::vector<std::string> split_command_line(std::string_view command_line) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (const char c : command_line) {
        if (c == '"') {
            quoted = !quoted;
            in_word = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (in_word)
                words.push_back(std::move(word));
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word)
        words.push_back(std::move(word));
    return words;
}

std::string tool_key(std::string_view program_word) {
    std::string key;
    for (const char c : program_word)
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    constexpr std::string_view extension = ".exe";
    if (key.size() > extension.size() && key.ends_with(extension))
        key.resize(key.size() - extension.size());
    return key;
}

std::optional<std::string> find_program(std::string_view name, std::string_view search_path) {
    if (name.empty())
        return std::nullopt;
    if (name.find('/') != std::string_view::npos) {
        std::string path(name);
        return is_executable_file(path) ? std::optional(path) : std::nullopt;
    }
    std::size_t start = 0;
    while (start <= search_path.size()) {
        std::size_t end = search_path.find(':', start);
        if (end == std::string_view::npos)
            end = search_path.size();
        const std::string_view dir = search_path.substr(start, end - start);
        start = end + 1;
        if (dir.empty())
            continue;
        std::string candidate(dir);
        candidate += '/';
        candidate += name;
        if (is_executable_file(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace tv::platform::linux_desktop
