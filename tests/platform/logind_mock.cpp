#include "logind_mock.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace tv::test {
namespace {

const std::string script = std::string(TV_SCRIPTS_DIR) + "/logind-mock";

std::string quoted(const std::string &text) {
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct PipeCloser {
    void operator()(FILE *pipe) const { pclose(pipe); }
};

// Runs the helper script and returns its standard output and whether it succeeded.
std::pair<std::string, bool> run_script(const std::string &arguments) {
    std::unique_ptr<FILE, PipeCloser> pipe(popen((quoted(script) + " " + arguments).c_str(), "r"));
    if (!pipe)
        return {{}, false};
    std::string output;
    char buffer[512];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get()))
        output.append(buffer, n);
    const int status = pclose(pipe.release());
    return {output, status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

} // namespace

bool PrivateSystemBus::available() {
    return run_script("check").second;
}

PrivateSystemBus::PrivateSystemBus(const std::filesystem::path &dir, Services services, int lifetime_seconds)
    : dir_(dir) {
    const char *command = services == Services::logind ? "start " : "bus ";
    const auto [output, ok] = run_script(command + quoted(dir_.string()) + " " + std::to_string(lifetime_seconds));
    constexpr std::string_view prefix = "DBUS_SYSTEM_BUS_ADDRESS=";
    const auto at = output.find(prefix);
    if (ok && at != std::string::npos) {
        address_ = output.substr(at + prefix.size());
        address_ = address_.substr(0, address_.find('\n'));
    }
    if (address_.empty()) {
        run_script("stop " + quoted(dir_.string()));
        throw std::runtime_error("private bus did not start: " + output);
    }
}

PrivateSystemBus::~PrivateSystemBus() {
    run_script("stop " + quoted(dir_.string()));
}

std::vector<std::string> PrivateSystemBus::logind_calls() const {
    std::vector<std::string> calls;
    std::istringstream in(run_script("calls " + quoted(dir_.string())).first);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            calls.push_back(line);
    return calls;
}

} // namespace tv::test
