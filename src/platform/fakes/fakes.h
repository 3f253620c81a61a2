#pragma once
// Test doubles of the platform seams. They record what the behaviour asked for in a shared
// journal, so a test can check the order of steps across seams.
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/power.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tv::platform::fakes {

// Ordered record of observable steps ("get http://...", "create main", ...).
struct Journal {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // Entries that start with the prefix, in order.
    std::vector<std::string> with_prefix(const std::string &prefix) const;
};

// A clock that moves only when told to. Local time = start + elapsed milliseconds.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(DateTime start = DateTime{2016, 1, 28, 10, 5, 7}, std::uint32_t uptime_at_start = 5000)
        : start_seconds_(to_epoch_seconds(start)), uptime_at_start_(uptime_at_start) {}
    DateTime now() override;
    std::uint32_t uptime_ms() override { return static_cast<std::uint32_t>(uptime_at_start_ + elapsed_ms_); }

    std::int64_t elapsed_ms() const { return elapsed_ms_; }
    void advance_ms(std::int64_t ms) { elapsed_ms_ += ms; }
    // Sets the wall clock to a moment; elapsed time (what timers run on) is not touched.
    void set_now(const DateTime &t);

private:
    std::int64_t start_seconds_;
    std::uint32_t uptime_at_start_;
    std::int64_t elapsed_ms_ = 0;
};

// Serves fixed bodies by address. A request may take virtual time, during which the GUI
// thread is blocked (timers do not fire). Unknown addresses fail with an empty body.
class FakeHttp : public Http {
public:
    FakeHttp(Journal &journal, VirtualClock &clock) : journal_(journal), clock_(clock) {}
    std::string get(const std::string &url) override;

    std::map<std::string, std::string> bodies;
    std::int64_t request_ms = 0;
    // Optional: a body per request number (0-based); empty function means use bodies.
    std::function<std::string(int request, const std::string &url)> responder;
    int requests = 0;

private:
    Journal &journal_;
    VirtualClock &clock_;
};

class RecordingLinkOpener : public LinkOpener {
public:
    explicit RecordingLinkOpener(Journal &journal) : journal_(journal) {}
    void open(const std::string &utf8_address) override;
    std::vector<std::string> opened;

private:
    Journal &journal_;
};

class RecordingLauncher : public ProgramLauncher {
public:
    explicit RecordingLauncher(Journal &journal) : journal_(journal) {}
    bool run(std::string_view command_line) override;
    void open_settings() override;
    std::vector<std::string> started;
    bool result = true;

private:
    Journal &journal_;
};

class RecordingPower : public PowerControl {
public:
    explicit RecordingPower(Journal &journal) : journal_(journal) {}
    void power_off() override;
    int requests = 0;

private:
    Journal &journal_;
};

} // namespace tv::platform::fakes
