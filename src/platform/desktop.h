#pragma once
// Desktop seams: open an address with its default handler, run a program, open the settings.
#include <string>
#include <string_view>

namespace tv::platform {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Hands a UTF-8 address to the desktop's default handler for its scheme.
    // The result is not reported: a failure does nothing visible.
    virtual void open(const std::string &utf8_address) = 0;
};

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a program by command line (a tool name such as "calc"), without a shell.
    // Returns whether a program could be started; waits at most 1000 ms for its readiness.
    virtual bool run(std::string_view command_line) = 0;
    // Opens the desktop's settings application (the control-panel item).
    virtual void open_settings() = 0;
};

} // namespace tv::platform
