#pragma once
// A private virtual X server for tests that open real windows: started on a display number the
// server picks itself, ended by its process id when the test process ends.
#include <string>
#include <sys/types.h>

namespace tv::test {

class XvfbDisplay {
public:
    // Starts Xvfb with one screen of the given geometry; waits at most 10 s for it to be ready.
    explicit XvfbDisplay(const std::string &screen = "1024x768x24");
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay &) = delete;
    XvfbDisplay &operator=(const XvfbDisplay &) = delete;

    bool ok() const { return !name_.empty(); }
    // ":N", or empty when the server could not be started.
    const std::string &name() const { return name_; }
    // Why the server is not there, for a skip message.
    const std::string &problem() const { return problem_; }

private:
    pid_t pid_ = -1;
    std::string name_;
    std::string problem_;
};

// Starts one private Xvfb for the whole test process, points DISPLAY at it and initialises
// GTK. Returns false (with the reason in why_not) when no display can be had.
bool gtk_test_display(std::string &why_not);

} // namespace tv::test
