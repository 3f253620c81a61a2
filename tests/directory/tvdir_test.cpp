// tvdir: the value escapes, the page checks, where pages come from, and the tool run as a process.
#include "core/gbk_convert.h"
#include "directory/directory_keys.h"
#include "page_check.h"
#include "page_dump.h"
#include "page_source.h"

#include "loopback_http_server.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tv::tvdir {
namespace {

using directory::kKeys;

// ---------------------------------------------------------------- pages built in the test

// A value every check accepts, by what the key's value is used for.
std::string good_value(std::string_view key, std::size_t index) {
    if (key == "水平扫描" || key == "垂直扫描")
        return "640";
    if (key == "智能识别" || key == "解除封印")
        return "0";
    if (key == "智能公告" || key == "智变公告")
        return "今日无事";
    return "http://127.0.0.1/v" + std::to_string(index);
}

// A GBK page with one entry per key in lookup order; `raw` replaces the entries of some keys with
// the given UTF-8 text (the empty text drops the entry).
std::string page_with(const std::map<std::string_view, std::string_view> &raw = {}, std::string_view head = "",
                      std::string_view tail = "") {
    std::string section;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const auto key = kKeys[i].key;
        const auto it = raw.find(key);
        section +=
            it != raw.end() ? std::string(it->second) : "<p>" + std::string(key) + "=" + good_value(key, i) + "</p>\n";
    }
    return gbk_from_utf8(std::string(head) + "<html>////开始\n" + section + "////结束</html>" + std::string(tail));
}

std::vector<std::string> lines_of(const std::vector<Finding> &findings) {
    std::vector<std::string> lines;
    for (const auto &f : findings)
        lines.push_back(line_of(f));
    return lines;
}

std::vector<std::string> split_lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// ---------------------------------------------------------------- escapes

TEST(TvdirEscape, WritesOneLineThatNamesEveryByte) {
    const struct {
        std::string_view gbk, utf8;
    } cases[] = {
        {"http://a/?x=1&amp;y", "http://a/?x=1&amp;y"},
        {"\xD1\xEB\xCA\xD3", "央视"},
        {"a\r\nb\tc\\d", "a\\r\\nb\\tc\\\\d"},
        {"\xA3\xB1", "１"},                        // full-width forms stay as they are
        {"a\x80z", "a\\x80z"},                     // 0x80 alone is not GBK
        {"\xFF\xFE", "\\xFF\\xFE"},                // neither byte starts a character
        {"x\xB0", "x\\xB0"},                       // a lead byte cut off by the end
        {"\xB0 \xB0\xA1", "\\xB0 \xE5\x95\x8A"},   // lead byte with an invalid trail, then 啊
        {"\x01\x7F\x1B[0m", "\\x01\\x7F\\x1B[0m"}, // other control bytes cannot reach the terminal
        {"\\x41", "\\\\x41"},                      // a literal backslash escape stays unambiguous
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(escaped_utf8(c.gbk), c.utf8) << ::testing::PrintToString(std::string(c.gbk));
}

TEST(TvdirDump, ListsEveryKeyInLookupOrderThenTheSwitches) {
    const std::string page = page_with({{"智能识别", "<p>智能识别=　１</p>"}, {"上网", "<p>上网=a\tb</p>"}});
    const auto lines = split_lines(dump_page(page));
    ASSERT_EQ(lines.size(), kKeys.size() + 2);
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, lines[i].find('=')), kKeys[i].key) << i;
    EXPECT_EQ(lines[directory::key_index("上网")], "上网=a\\tb");
    EXPECT_EQ(lines[directory::key_index("央视综合")], "央视综合=http://127.0.0.1/v2");
    EXPECT_EQ(lines[kKeys.size()], "switch 智能识别 on");
    EXPECT_EQ(lines[kKeys.size() + 1], "switch 解除封印 off");

    // Without a section every value is empty and both switches are off.
    const auto empty = split_lines(dump_page("no markers"));
    EXPECT_EQ(empty[0], "水平扫描=");
    EXPECT_EQ(empty[kKeys.size() + 1], "switch 解除封印 off");
}

// ---------------------------------------------------------------- checks

TEST(TvdirCheck, SwitchValuesMustBeginWithANumber) {
    const struct {
        std::string_view utf8;
        bool number;
    } cases[] = {{"0", true},    {"1", true},    {" 1", true},  {"\t-2.5", true}, {"+.5", true},  {"１", true},
                 {"　１", true}, {"1abc", true}, {"", false},   {"  ", false},    {"abc", false}, {".", false},
                 {"-", false},   {"- 1", false}, {"e5", false}, {"．５", true},   {"on", false}};
    for (const auto &c : cases)
        EXPECT_EQ(begins_with_number(gbk_from_utf8(c.utf8)), c.number) << c.utf8;
}

TEST(TvdirCheck, ListsWhatTheMaintainerMustFix) {
    const struct {
        const char *name;
        std::map<std::string_view, std::string_view> raw;
        std::vector<std::string> lines;
    } cases[] = {
        {"clean page", {}, {}},
        {"missing key", {{"央视经济", ""}}, {"missing-key 央视经济"}},
        {"upper-case tag opens no entry", {{"广播", "<P>广播=http://x/</P>"}}, {"missing-key 广播"}},
        {"space before '=' opens no entry", {{"报纸", "<p>报纸 =http://x/</p>"}}, {"missing-key 报纸"}},
        {"duplicate, first counts",
         {{"水平扫描", "<p>水平扫描=640</p><p>水平扫描=800</p><p>水平扫描=1</p>"}},
         {"duplicate-key 水平扫描 (3 entries, the first counts)"}},
        {"duplicate whose first entry is bad",
         {{"上网", "<p>上网=ftp://x</p><p>上网=http://x/</p>"}},
         {"duplicate-key 上网 (2 entries, the first counts)", "not-a-web-address 上网=ftp://x"}},
        {"last entry not closed inside the section", {{"推荐", "<p>推荐=http://x/"}}, {"unclosed-entry 推荐"}},
        {"forgotten close runs into the next entry",
         {{"央视歌曲", "<p>央视歌曲=http://x/\n"}},
         {"entry-inside-value 央视歌曲 (its value runs into <p>央视国际=)"}},
        {"switch text", {{"智能识别", "<p>智能识别=yes</p>"}}, {"switch-not-a-number 智能识别=yes"}},
        {"switch empty", {{"解除封印", "<p>解除封印=</p>"}}, {"switch-empty 解除封印"}},
        {"switch only blanks", {{"解除封印", "<p>解除封印= </p>"}}, {"switch-not-a-number 解除封印= "}},
        {"switch full-width", {{"解除封印", "<p>解除封印=　１</p>"}}, {}},
        {"link to a file", {{"上网", "<p>上网=file:///etc</p>"}}, {"not-a-web-address 上网=file:///etc"}},
        {"script address",
         {{"施展咒语", "<p>施展咒语=javascript:alert(1)</p>"}},
         {"not-a-web-address 施展咒语=javascript:alert(1)"}},
        {"channel without scheme",
         {{"北京卫视", "<p>北京卫视=127.0.0.1/bj</p>"}},
         {"not-a-web-address 北京卫视=127.0.0.1/bj"}},
        {"channel with a leading blank", {{"赤", "<p>赤= http://x/</p>"}}, {"not-a-web-address 赤= http://x/"}},
        {"empty address", {{"央视综合", "<p>央视综合=</p>"}}, {"not-a-web-address 央视综合= (empty)"}},
        {"escaped in the line", {{"作者空间", "<p>作者空间=a\r\nb</p>"}}, {"not-a-web-address 作者空间=a\\r\\nb"}},
        {"scheme in capitals", {{"信息通道", "<p>信息通道=HTTPS://x/a&amp;b</p>"}}, {}},
        {"notices and scans are free text",
         {{"智能公告", "<p>智能公告=file:///x</p>"}, {"水平扫描", "<p>水平扫描=</p>"}},
         {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lines_of(check_page(page_with(c.raw))), c.lines) << c.name;
}

TEST(TvdirCheck, MarkersAndZeroBytes) {
    const std::string clean = page_with();
    const std::string zero(1, '\0');
    const struct {
        const char *name;
        std::string body;
        std::vector<std::string> lines;
    } cases[] = {
        {"no markers", gbk_from_utf8("<p>水平扫描=640</p>"), {"missing-start-marker"}},
        {"empty body", "", {"missing-start-marker"}},
        {"end marker only before the start marker",
         gbk_from_utf8("////结束 ////开始 <p>水平扫描=640</p>"),
         {"missing-end-marker"}},
        {"zero byte before the start marker",
         "ab" + zero + clean,
         {"zero-byte at byte 2 (the page text ends there, before the end marker)", "missing-start-marker"}},
        {"zero byte after the end marker", clean + zero + "tail", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lines_of(check_page(c.body)), c.lines) << c.name;

    // Markers next to each other leave an empty section: every key is missing.
    const auto adjacent = check_page(gbk_from_utf8("////开始////结束"));
    ASSERT_EQ(adjacent.size(), kKeys.size());
    EXPECT_EQ(line_of(adjacent.front()), "missing-key 水平扫描");
}

TEST(TvdirCheck, InvalidGbkListsTheFirstTwentyOffsetsAndACount) {
    // A stray 0x80 before markup only costs the '<' it pairs with.
    std::string page = page_with();
    page.insert(0, "\x80");
    EXPECT_EQ(lines_of(check_page(page)),
              (std::vector<std::string>{"invalid-gbk at byte 0", "invalid-gbk-count 1 byte"}));

    // Before Chinese text it shifts the character walk, so the "</p>" after the notice is no
    // longer found where it stands: the value runs on into the next entry, as the portal reads it.
    page = page_with();
    const std::size_t at = page.find(gbk("今日无事"));
    page.insert(at, "\x80");
    EXPECT_EQ(lines_of(check_page(page)),
              (std::vector<std::string>{"entry-inside-value 智能公告 (its value runs into <p>智能链接=)",
                                        "invalid-gbk at byte " + std::to_string(at), "invalid-gbk-count 1 byte"}));

    // Twenty-five bad bytes before the section, and more after the zero byte, which do not count.
    const std::string bad = std::string(25, '\xFF');
    const auto lines = lines_of(check_page(bad + page_with() + std::string(1, '\0') + bad));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "invalid-gbk at byte 0");
    EXPECT_EQ(lines[19], "invalid-gbk at byte 19");
    EXPECT_EQ(lines[20], "invalid-gbk-count 25 bytes");
}

// ---------------------------------------------------------------- page sources

class CannedHttp : public platform::Http {
public:
    explicit CannedHttp(std::string body) : body_(std::move(body)) {}
    std::string get(const std::string &url) override {
        urls.push_back(url);
        return body_;
    }
    std::vector<std::string> urls;

private:
    std::string body_;
};

TEST(TvdirSource, AddressesAreFetchedAndFilesRead) {
    CannedHttp http("body");
    const auto fetched = read_page("https://127.0.0.1/d.htm", http);
    EXPECT_TRUE(fetched.readable);
    EXPECT_EQ(fetched.bytes, "body");
    EXPECT_EQ(http.urls, std::vector<std::string>{"https://127.0.0.1/d.htm"});

    CannedHttp silent("");
    EXPECT_FALSE(read_page("http://127.0.0.1/d.htm", silent).readable);
    EXPECT_FALSE(read_page(TVDIR_DATA "/no-such-page.htm", silent).readable);
    EXPECT_FALSE(read_page(TVDIR_DATA, silent).readable); // a folder
    const auto file = read_page(TVDIR_DATA "/nomarkers.htm", silent);
    EXPECT_TRUE(file.readable);
    EXPECT_NE(file.bytes.find("404"), std::string::npos);
    EXPECT_EQ(silent.urls.size(), 1u); // files never go through HTTP
    EXPECT_FALSE(is_address_argument("file:///etc/passwd"));
    EXPECT_FALSE(is_address_argument("http:/x"));
}

// ---------------------------------------------------------------- the tool as a process

struct ToolRun {
    int exit_code = -1;
    std::string out;
};

// Runs tvdir with the arguments, stdout captured, stderr discarded.
ToolRun run_tvdir(std::vector<std::string> args) {
    args.insert(args.begin(), TVDIR_PATH);
    std::vector<char *> argv;
    for (auto &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::array<int, 2> pipe_fds{};
    if (pipe2(pipe_fds.data(), O_CLOEXEC) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipe_fds[1], STDOUT_FILENO);
        const int null_fd = open("/dev/null", O_WRONLY);
        dup2(null_fd, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipe_fds[1]);
    ToolRun run;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipe_fds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            run.out.append(buffer, static_cast<std::size_t>(got));
    close(pipe_fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string file_text(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class TvdirTool : public ::testing::Test {
protected:
    void SetUp() override {
        // Loopback requests must never go through a proxy named in the environment.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            unsetenv(name);
    }
};

TEST_F(TvdirTool, FixturePages) {
    const std::string data = TVDIR_DATA;
    const struct {
        std::vector<std::string> args;
        int exit_code;
        std::string out;
    } cases[] = {
        {{"show", data + "/clean.htm"}, 0, file_text(data + "/clean.show.txt")},
        {{"check", data + "/clean.htm"}, 0, ""},
        {{"check", data + "/faulty.htm"},
         1,
         "duplicate-key 水平扫描 (2 entries, the first counts)\n"
         "not-a-web-address 央视综合=file:///etc/passwd\n"
         "missing-key 央视经济\n"
         "entry-inside-value 央视歌曲 (its value runs into <p>央视国际=)\n"
         "unclosed-entry 信息通道\n"
         "switch-not-a-number 智能识别=abc\n"
         "switch-empty 解除封印\n"
         "not-a-web-address 上网= http://127.0.0.1:8173/remote1.htm\n"
         "missing-key 广播\n"
         "invalid-gbk at byte 49\n"
         "invalid-gbk at byte 4127\n"
         "invalid-gbk-count 2 bytes\n"},
        {{"check", data + "/nomarkers.htm"}, 1, "missing-start-marker\n"},
        {{"check", data + "/zerobyte.htm"},
         1,
         "zero-byte at byte 1045 (the page text ends there, before the end marker)\nmissing-end-marker\n"},
        {{"show", data + "/no-such-page.htm"}, 2, ""},
        {{"check", data}, 2, ""},
        {{"show"}, 2, ""},
        {{"list", data + "/clean.htm"}, 2, ""},
        {{"show", data + "/clean.htm", "extra"}, 2, ""},
    };
    for (const auto &c : cases) {
        const ToolRun run = run_tvdir(c.args);
        EXPECT_EQ(run.exit_code, c.exit_code) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.out, c.out) << ::testing::PrintToString(c.args);
    }

    // The faulty page as the portal reads it: the first duplicate, a value cut at the next </p>.
    const auto faulty = split_lines(run_tvdir({"show", data + "/faulty.htm"}).out);
    ASSERT_EQ(faulty.size(), kKeys.size() + 2);
    EXPECT_EQ(faulty[directory::key_index("水平扫描")], "水平扫描=640");
    EXPECT_EQ(faulty[directory::key_index("信息通道")], "信息通道=");
    EXPECT_EQ(faulty[directory::key_index("智变公告")], "智变公告=欢迎\\x80收看 <b>节目</b>");
    EXPECT_EQ(faulty[kKeys.size()], "switch 智能识别 off");
}

TEST_F(TvdirTool, FetchesAddressesOverHttp) {
    const std::string page = file_text(TVDIR_DATA "/clean.htm");
    tv::test::LoopbackHttpServer server(
        [&](const tv::test::ReceivedRequest &, tv::test::ResponseStream &out) {
            out.send(tv::test::http_response(200, "OK", page));
        },
        std::chrono::seconds(20));
    const ToolRun fetched = run_tvdir({"show", server.url("/directory.htm")});
    EXPECT_EQ(fetched.exit_code, 0);
    EXPECT_EQ(fetched.out, file_text(TVDIR_DATA "/clean.show.txt"));

    const std::string nobody = "http://127.0.0.1:" + std::to_string(tv::test::unused_loopback_port()) + "/d.htm";
    const ToolRun refused = run_tvdir({"check", nobody});
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_EQ(refused.out, "");
}

TEST_F(TvdirTool, ShowsTheDemoPage) {
    // The demo page the local server publishes; before it exists, the clean fixture stands in.
    std::string page = TV_DEMO_PAGE;
    if (!std::ifstream(page))
        page = TVDIR_DATA "/clean.htm";
    const ToolRun run = run_tvdir({"show", page});
    EXPECT_EQ(run.exit_code, 0);
    const auto lines = split_lines(run.out);
    ASSERT_EQ(lines.size(), kKeys.size() + 2) << page;
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        EXPECT_TRUE(lines[i].starts_with(std::string(kKeys[i].key) + "=")) << lines[i];
    for (const auto &[line, key] : {std::pair{lines[kKeys.size()], "智能识别"}, {lines[kKeys.size() + 1], "解除封印"}})
        EXPECT_TRUE(line == std::string("switch ") + key + " on" || line == std::string("switch ") + key + " off")
            << line;
}

} // namespace
} // namespace tv::tvdir
