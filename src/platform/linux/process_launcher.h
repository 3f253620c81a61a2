#pragma once
// Starts desktop programs by command line, standing in Linux programs for the Windows tool names.
#include "platform/desktop.h"

namespace tv::platform::linux_desktop {

class SpawnLauncher : public ProgramLauncher {
public:
    // The first word names the program: a known tool name ("calc", "CALC.EXE") starts the first of
    // its stand-ins found on PATH, without the remaining words; any other name is searched on PATH
    // and gets the remaining words as arguments. No shell is involved. Returns once the program
    // has been executed (never waits for it to finish); false when nothing could be started.
    bool run(std::string_view command_line) override;
    // Starts the first settings application found on PATH; nothing when none is installed.
    void open_settings() override;
};

} // namespace tv::platform::linux_desktop
