#include "xvfb_display.h"

#include "ui/gtk/gtk_ui.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tv::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

std::string find_in_path(const std::string &program) {
    const char *path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + program;
        if (!dir.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// Waits for the process to end, at most timeout; true when it has been reaped.
bool reap_within(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t r = waitpid(pid, nullptr, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

XvfbDisplay::XvfbDisplay(const std::string &screen) {
    const std::string xvfb = find_in_path("Xvfb");
    if (xvfb.empty()) {
        problem_ = "Xvfb is not installed";
        return;
    }
    int ready[2];
    if (pipe(ready) != 0) {
        problem_ = "no pipe";
        return;
    }
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        // The server ends with the test process, even if the test crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
        close(ready[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(ready[1]);
        execl(xvfb.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
              "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (pid_ < 0) {
        close(ready[0]);
        problem_ = "fork failed";
        return;
    }
    // Xvfb writes its display number and a newline once it accepts connections.
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (number.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd p{ready[0], POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buffer[16];
        const ssize_t n = read(ready[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, static_cast<std::size_t>(n));
    }
    close(ready[0]);
    if (number.find('\n') == std::string::npos) {
        problem_ = "Xvfb did not start";
        return;
    }
    name_ = ":" + number.substr(0, number.find('\n'));
}

XvfbDisplay::~XvfbDisplay() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    if (!reap_within(pid_, std::chrono::seconds(5))) {
        kill(pid_, SIGKILL);
        reap_within(pid_, std::chrono::seconds(5));
    }
}

bool gtk_test_display(std::string &why_not) {
    static XvfbDisplay *display = nullptr;
    static bool initialised = false;
    static std::string problem;
    if (display == nullptr) {
        // Ended when the process exits; the server also follows the process through its
        // parent-death signal.
        display = new XvfbDisplay();
        static const struct Reaper {
            ~Reaper() { delete display; }
        } reaper;
        if (!display->ok()) {
            problem = display->problem();
        } else {
            setenv("DISPLAY", display->name().c_str(), 1);
            unsetenv("WAYLAND_DISPLAY");
            // Input that tests synthesise (gdk_test_simulate_*) arrives as core X events.
            setenv("GDK_CORE_DEVICE_EVENTS", "1", 1);
            initialised = ui::gtk_init_toolkit();
            if (!initialised)
                problem = "GTK could not open " + display->name();
        }
    }
    why_not = problem;
    return initialised;
}

} // namespace tv::test
