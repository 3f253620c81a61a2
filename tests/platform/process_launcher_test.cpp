#include "platform/linux/process_launcher.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

using tv::platform::linux_desktop::SpawnLauncher;
using namespace std::chrono_literals;

// A stub program in `folder`: records "<folder>/<name> <pid> <arguments>" as one line.
struct Stub {
    const char *folder; // "bin1" or "bin2"
    const char *name;
    bool executable = true;
};

// PATH holds only the private folders bin1 and bin2, so no real desktop program can start.
class SpawnLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char *path = std::getenv("PATH"))
            saved_path_ = path;
        const std::string private_path = (dir / "bin1").string() + ":" + (dir / "bin2").string();
        setenv("PATH", private_path.c_str(), 1);
        std::filesystem::create_directories(dir / "bin1");
        std::filesystem::create_directories(dir / "bin2");
    }
    void TearDown() override {
        if (saved_path_)
            setenv("PATH", saved_path_->c_str(), 1);
        else
            unsetenv("PATH");
    }

    void add_stub(const Stub &stub, std::string_view extra_commands = {}) {
        std::ostringstream script;
        script << "#!/bin/sh\n"
               << "echo \"" << stub.folder << "/" << stub.name << " $$ $*\" >> '" << record().string() << "'\n"
               << extra_commands;
        tv::test::write_file(dir / stub.folder / stub.name, script.str(), stub.executable);
    }

    std::filesystem::path record() const { return dir / "record.txt"; }

    // The recorded lines once `count` of them are there (or whatever is there after 5 s).
    std::vector<std::string> wait_for_lines(std::size_t count) const {
        std::vector<std::string> lines;
        for (auto deadline = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < deadline;
             std::this_thread::sleep_for(10ms)) {
            lines.clear();
            std::istringstream in(tv::test::read_file(record()));
            for (std::string line; std::getline(in, line);)
                lines.push_back(line);
            if (lines.size() >= count)
                break;
        }
        return lines;
    }

    // "bin1/kcalc 123 a b" -> "bin1/kcalc a b"
    static std::string without_pid(const std::string &line) {
        std::istringstream in(line);
        std::string program, pid, rest;
        in >> program >> pid;
        std::getline(in, rest);
        return program + (rest == " " ? "" : rest);
    }

    static pid_t pid_of(const std::string &line) {
        std::istringstream in(line);
        std::string program;
        pid_t pid = 0;
        in >> program >> pid;
        return pid;
    }

    tv::test::ScratchDir dir;

private:
    std::optional<std::string> saved_path_;
};

struct ResolutionCase {
    const char *command_line;
    std::vector<Stub> stubs;
    const char *started; // "" when nothing may start
};

TEST_F(SpawnLauncherTest, StartsTheFirstStandInFoundOrTheNamedProgram) {
    const ResolutionCase cases[] = {
        {"calc", {{"bin1", "xcalc"}, {"bin1", "kcalc"}}, "bin1/kcalc"},
        {"calc", {{"bin1", "xcalc"}, {"bin2", "gnome-calculator"}}, "bin2/gnome-calculator"},
        {"CALC.EXE", {{"bin2", "mate-calc"}}, "bin2/mate-calc"},
        {"calc", {{"bin1", "gnome-calculator", false}, {"bin2", "galculator"}}, "bin2/galculator"},
        {"calc /ignored-switch", {{"bin1", "kcalc"}}, "bin1/kcalc"},
        {"charmap", {{"bin2", "kcharselect"}}, "bin2/kcharselect"},
        {"winchat", {{"bin1", "hexchat"}, {"bin2", "pidgin"}}, "bin2/pidgin"},
        {"sndrec32", {{"bin1", "audacity"}}, "bin1/audacity"},
        {"mspaint", {{"bin1", "paint"}}, ""},
        {"dxdiag", {}, ""},
        {"mytool --flag \"two words\"", {{"bin2", "mytool"}, {"bin1", "other"}}, "bin2/mytool --flag two words"},
        {"mytool", {{"bin1", "mytool"}, {"bin2", "mytool"}}, "bin1/mytool"},
        {"frobnicate", {{"bin1", "calc"}}, ""},
        {"", {{"bin1", "calc"}}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command_line);
        std::filesystem::remove_all(dir / "bin1");
        std::filesystem::remove_all(dir / "bin2");
        std::filesystem::remove(record());
        for (const auto &stub : c.stubs)
            add_stub(stub);

        SpawnLauncher launcher;
        const bool started = launcher.run(c.command_line);

        EXPECT_EQ(started, *c.started != '\0');
        if (started) {
            const auto lines = wait_for_lines(1);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(without_pid(lines[0]), c.started);
        } else {
            EXPECT_FALSE(std::filesystem::exists(record()));
        }
    }
}

TEST_F(SpawnLauncherTest, OpensTheFirstSettingsApplicationFound) {
    add_stub({"bin1", "lxqt-config"});
    add_stub({"bin2", "systemsettings"});
    SpawnLauncher launcher;
    launcher.open_settings();
    const auto lines = wait_for_lines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(without_pid(lines[0]), "bin2/systemsettings");
}

TEST_F(SpawnLauncherTest, RepeatedRunsStartRepeatedProcesses) {
    add_stub({"bin1", "gnome-calculator"});
    SpawnLauncher launcher;
    EXPECT_TRUE(launcher.run("calc"));
    EXPECT_TRUE(launcher.run("calc"));
    const auto lines = wait_for_lines(2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(pid_of(lines[0]), pid_of(lines[1]));
}

// The descriptor's target as /proc shows it, e.g. "pipe:[12345]".
std::string descriptor_target(int fd) {
    std::error_code ignored;
    return std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd), ignored).string();
}

TEST_F(SpawnLauncherTest, ChildInheritsOnlyTheStandardDescriptors) {
    int leaky[2];
    ASSERT_EQ(pipe(leaky), 0); // deliberately without close-on-exec
    const std::string leaked_target = descriptor_target(leaky[0]);
    add_stub({"bin1", "onboard"},
             "for f in /proc/$$/fd/*; do echo \"fd ${f##*/} $(/usr/bin/readlink \"$f\")\"; done >> '" +
                 record().string() + "'\necho done >> '" + record().string() + "'\n");
    SpawnLauncher launcher;
    const bool started = launcher.run("osk");
    close(leaky[0]);
    close(leaky[1]);
    ASSERT_TRUE(started);

    std::vector<std::string> lines;
    for (int attempt = 0; attempt < 50 && (lines.empty() || lines.back() != "done"); ++attempt)
        lines = wait_for_lines(lines.size() + 1);
    ASSERT_FALSE(lines.empty());
    ASSERT_EQ(lines.back(), "done");
    for (const auto &line : lines)
        EXPECT_EQ(line.find(leaked_target), std::string::npos) << line;
}

bool process_exists(pid_t pid) {
    return std::filesystem::exists("/proc/" + std::to_string(pid));
}

bool is_zombie(pid_t pid) {
    const std::string stat = tv::test::read_file("/proc/" + std::to_string(pid) + "/stat");
    const auto end_of_name = stat.rfind(')');
    return end_of_name != std::string::npos && stat.compare(end_of_name + 1, 3, " Z ") == 0;
}

TEST_F(SpawnLauncherTest, ReturnsWhileTheProgramRunsAndLeavesNoZombie) {
    add_stub({"bin1", "gucharmap"}, "exec /bin/sleep 20\n");
    SpawnLauncher launcher;
    ASSERT_TRUE(launcher.run("charmap"));
    const auto lines = wait_for_lines(1);
    ASSERT_EQ(lines.size(), 1u);
    const pid_t pid = pid_of(lines[0]);
    ASSERT_GT(pid, 1);
    EXPECT_TRUE(process_exists(pid) && !is_zombie(pid)) << "the program should still be running";

    ASSERT_EQ(kill(pid, SIGTERM), 0);
    for (int attempt = 0; attempt < 300 && process_exists(pid); ++attempt)
        std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(process_exists(pid)) << (is_zombie(pid) ? "left as a zombie" : "still running");
}

} // namespace
