#include "platform/linux/gio_link_opener.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using tv::platform::linux_desktop::GioLinkOpener;
using namespace std::chrono_literals;

struct PipeCloser {
    void operator()(FILE *pipe) const { pclose(pipe); }
};

// Private XDG folders from scripts/xdg-recorder-setup make a recording stub the default handler
// of the link schemes. GIO reads them once per process, so they are set up once for the suite,
// before the first lookup; the session bus is pointed nowhere so nothing is started on demand.
class GioLinkOpenerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new tv::test::ScratchDir;
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (dir_->path() / "no-session-bus").string()).c_str(), 1);
        const std::string command = std::string(TV_SCRIPTS_DIR) + "/xdg-recorder-setup '" + dir_->path().string() +
                                    "/xdg' '" + record().string() + "'";
        std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
        ASSERT_TRUE(pipe);
        char line[4096];
        while (fgets(line, sizeof line, pipe.get())) {
            std::string assignment(line);
            if (!assignment.empty() && assignment.back() == '\n')
                assignment.pop_back();
            const auto equals = assignment.find('=');
            ASSERT_NE(equals, std::string::npos) << assignment;
            setenv(assignment.substr(0, equals).c_str(), assignment.substr(equals + 1).c_str(), 1);
        }
        const int status = pclose(pipe.release());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    static std::filesystem::path record() { return dir_->path() / "opened.txt"; }

    // The recorded addresses, sorted: the handlers run as separate processes and may finish in
    // any order.
    static std::vector<std::string> recorded() {
        std::vector<std::string> lines;
        std::istringstream in(tv::test::read_file(record()));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // The recorded addresses once `count` are there, or what is there after 5 s.
    static std::vector<std::string> wait_for_records(std::size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        auto lines = recorded();
        while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
            lines = recorded();
        }
        return lines;
    }

private:
    static tv::test::ScratchDir *dir_;
};

tv::test::ScratchDir *GioLinkOpenerTest::dir_ = nullptr;

TEST_F(GioLinkOpenerTest, HandsEachAddressToTheDefaultHandlerOfItsScheme) {
    const std::vector<std::string> opened = {
        "http://127.0.0.1/x", "https://127.0.0.1/page?a=1&b=2", "tencent://message/?uin=10001",
        "http://127.0.0.1/\xe9\xa2\x91\xe9\x81\x93", // UTF-8 path
    };
    GioLinkOpener opener;
    opener.open("");
    opener.open("noscheme");
    opener.open("unhandled-scheme://127.0.0.1/");
    for (const auto &address : opened)
        opener.open(address);

    auto expected = opened;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(wait_for_records(expected.size()), expected);
    std::this_thread::sleep_for(200ms); // a late extra start would show up now
    EXPECT_EQ(recorded(), expected);
}

} // namespace
