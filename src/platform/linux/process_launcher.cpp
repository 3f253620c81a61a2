#include "platform/linux/process_launcher.h"

#include "platform/linux/command_line.h"
#include "platform/linux/tool_programs.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace tv::platform::linux_desktop {
namespace {

std::string search_path() {
    if (const char *path = std::getenv("PATH"))
        return path;
    const std::size_t size = confstr(_CS_PATH, nullptr, 0);
    std::string fallback(size, '\0');
    confstr(_CS_PATH, fallback.data(), size);
    fallback.resize(size > 0 ? size - 1 : 0);
    return fallback;
}

class SpawnFileActions {
public:
    SpawnFileActions() { ok_ = posix_spawn_file_actions_init(&actions_) == 0; }
    ~SpawnFileActions() {
        if (ok_)
            posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnFileActions(const SpawnFileActions &) = delete;
    SpawnFileActions &operator=(const SpawnFileActions &) = delete;
    bool ok() const { return ok_; }
    posix_spawn_file_actions_t *get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ok_ = false;
};

class SpawnAttributes {
public:
    SpawnAttributes() { ok_ = posix_spawnattr_init(&attributes_) == 0; }
    ~SpawnAttributes() {
        if (ok_)
            posix_spawnattr_destroy(&attributes_);
    }
    SpawnAttributes(const SpawnAttributes &) = delete;
    SpawnAttributes &operator=(const SpawnAttributes &) = delete;
    bool ok() const { return ok_; }
    posix_spawnattr_t *get() { return &attributes_; }

private:
    posix_spawnattr_t attributes_{};
    bool ok_ = false;
};

// Collects the child's exit status so that it never lingers as a zombie, without a SIGCHLD
// handler and without a main loop.
void reap_in_background(pid_t pid) {
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // No thread to spare: a late non-blocking reap is the best that can be done.
        waitpid(pid, nullptr, WNOHANG);
    }
}

// Starts the program at `path` with `arguments` (arguments[0] is its name) in a session of its
// own, with the caller's environment, default signal handling and only descriptors 0-2.
// glibc's posix_spawn returns only after the exec succeeded or failed, so a true result means
// the program is running.
bool spawn_detached(const std::string &path, const std::vector<std::string> &arguments) {
    SpawnFileActions actions;
    SpawnAttributes attributes;
    if (!actions.ok() || !attributes.ok())
        return false;
    if (posix_spawn_file_actions_addclosefrom_np(actions.get(), 3) != 0)
        return false;
    sigset_t no_signals;
    sigset_t all_signals;
    sigemptyset(&no_signals);
    sigfillset(&all_signals);
    posix_spawnattr_setsigmask(attributes.get(), &no_signals);
    posix_spawnattr_setsigdefault(attributes.get(), &all_signals);
    posix_spawnattr_setflags(attributes.get(), POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (const auto &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), actions.get(), attributes.get(), argv.data(), environ) != 0)
        return false;
    reap_in_background(pid);
    return true;
}

bool start_first_found(const ProgramChoices &choices, const std::string &path_list) {
    for (const std::string_view program : choices) {
        if (program.empty())
            break;
        if (const auto path = find_program(program, path_list))
            return spawn_detached(*path, {std::string(program)});
    }
    return false;
}

} // namespace

bool SpawnLauncher::run(std::string_view command_line) {
    try {
        std::vector<std::string> words = split_command_line(command_line);
        if (words.empty())
            return false;
        const std::string path_list = search_path();
        if (const ProgramChoices *choices = programs_for_tool(tool_key(words.front())))
            return start_first_found(*choices, path_list);
        const auto path = find_program(words.front(), path_list);
        return path && spawn_detached(*path, words);
    } catch (...) {
        return false;
    }
}

void SpawnLauncher::open_settings() {
    try {
        start_first_found(settings_programs, search_path());
    } catch (...) {
    }
}

} // namespace tv::platform::linux_desktop
