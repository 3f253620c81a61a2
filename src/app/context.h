#pragma once
// What every handler works with: the toolkit, the directory, the platform seams, and the
// lucky-number generator's process-wide state. Handlers keep nothing else between events.
#include "directory/directory_store.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/http.h"
#include "platform/power.h"
#include "ui/ui.h"

#include <cstdint>
#include <string>

namespace tv {

// The picker's random source: one generator state and one seed accumulator for the process.
struct LuckyState {
    std::uint32_t generator = 0;
    std::uint32_t accumulator = 0;
};

struct Context {
    ui::Ui &ui;
    directory::DirectoryStore &directory;
    platform::Http &http;
    std::string directory_address;
    platform::LinkOpener &links;
    platform::ProgramLauncher &launcher;
    platform::PowerControl &power;
    platform::Clock &clock;
    LuckyState lucky = {};
};

// Window ids of the three definitions.
inline constexpr std::string_view kMainWindow = "main";
inline constexpr std::string_view kNoticeBoard = "notice_board";
inline constexpr std::string_view kRemoteControl = "remote_control";

} // namespace tv
