#include "platform/fakes/fakes.h"

namespace tv::platform::fakes {

std::vector<std::string> Journal::with_prefix(const std::string &prefix) const {
    std::vector<std::string> out;
    for (const auto &e : entries)
        if (e.rfind(prefix, 0) == 0)
            out.push_back(e);
    return out;
}

DateTime VirtualClock::now() { return from_epoch_seconds(start_seconds_ + elapsed_ms_ / 1000); }

void VirtualClock::set_now(const DateTime &t) { start_seconds_ = to_epoch_seconds(t) - elapsed_ms_ / 1000; }

std::string FakeHttp::get(const std::string &url) {
    journal_.add("get " + url);
    const int n = requests++;
    clock_.advance_ms(request_ms);
    if (responder)
        return responder(n, url);
    const auto it = bodies.find(url);
    return it == bodies.end() ? std::string() : it->second;
}

void RecordingLinkOpener::open(const std::string &utf8_address) {
    journal_.add("open " + utf8_address);
    opened.push_back(utf8_address);
}

bool RecordingLauncher::run(std::string_view command_line) {
    journal_.add("run " + std::string(command_line));
    started.emplace_back(command_line);
    return result;
}

void RecordingLauncher::open_settings() {
    journal_.add("settings");
    started.emplace_back("<settings>");
}

void RecordingPower::power_off() {
    journal_.add("power-off");
    ++requests;
}

} // namespace tv::platform::fakes
