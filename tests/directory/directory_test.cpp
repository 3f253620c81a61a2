// The directory page: marked section, entries, the reads and the switches.
#include "directory/directory_read.h"
#include "directory/page.h"

#include "../support/portal_fixture.h"

#include <gtest/gtest.h>

namespace tv::directory {
namespace {

using tv::testing::directory_page;
using tv::testing::Portal;

std::string section_of(std::string_view utf8_page) {
    return utf8_from_gbk(marked_section(gbk_from_utf8(utf8_page)));
}

TEST(MarkedSection, FindsTheTextBetweenTheFirstMarkers) {
    const struct {
        std::string_view page, section;
    } cases[] = {
        {"a////开始X////结束b", "X"},
        {"////结束a////开始X", ""},                 // end marker only before the start marker
        {"a////开始X////结束Y////结束", "X"},
        {"a////开始X", ""},
        {"no markers", ""},
        {"////开始////结束", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(section_of(c.page), c.section) << c.page;
    // A zero byte before the start marker ends the text there.
    EXPECT_EQ(marked_section(std::string("a\0////开始X////结束", 20)), "");
}

TEST(Lookup, ReadsEntriesExactlyAsWritten) {
    const struct {
        std::string_view section, key, value;
    } cases[] = {
        {"<p>水平扫描=640</p>", "水平扫描", "640"},
        {"<p>水平扫描= 640 </p>", "水平扫描", " 640 "},
        {"<p>水平扫描=640</p><p>水平扫描=800</p>", "水平扫描", "640"},
        {"<P>水平扫描=640</p>", "水平扫描", ""},
        {"<p>水平扫描 =640</p>", "水平扫描", ""},
        {"<p>信息通道=a&amp;b</p>", "信息通道", "a&amp;b"},
        {"<p>信息通道=</p>", "信息通道", ""},
        {"<p>信息通道=abc", "信息通道", ""},
        {"<p>信息通道=line1\r\n<b>line2</b></p>", "信息通道", "line1\r\n<b>line2</b>"},
        {"x<p>赤=red</p><p>橙=orange</p>", "橙", "orange"},
    };
    for (const auto &c : cases) {
        const std::string section = gbk_from_utf8(c.section);
        EXPECT_EQ(utf8_from_gbk(lookup(section, gbk(c.key))), c.value) << c.section;
    }
}

TEST(Lookup, OneWalkFindsWhatEachLookupFinds) {
    const std::string_view sections[] = {
        "<p>a=1</p><p>b=2</p>",
        "<p>b=2</p><p>a=1</p><p>a=3</p>",
        "<p><p>a=1</p>",
        "<p>ab=1</p><p>a=2</p>",
        "\xB0<p>a=hidden</p><p>a=seen</p>",
        "<p>a=no close",
        "<p>a=</p><p>a=second</p>",
        "<p>a==x</p>",
        "<p>=e</p><p>x=y=z</p>",
        "<p>a=1<p>b=2</p>",
    };
    const std::vector<std::string> keys = {"a", "b", "ab", "", "x=y", "a", "zz"};
    for (std::string_view section : sections) {
        const auto all = lookup_all(section, keys);
        for (std::size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(all[i], lookup(section, keys[i])) << section << " key " << keys[i];
    }
}

TEST(Switches, OnExactlyAboveTheThreshold) {
    const struct {
        std::string_view value;
        bool on;
    } cases[] = {{"1", true},  {" 1", true},    {"１", true},         {"2.5", true},        {"1abc", true},
                 {"0", false}, {"", false},     {"-1", false},        {"abc", false},       {"0.0000001", false},
                 {"0.0000002", true}};
    for (const auto &c : cases)
        EXPECT_EQ(switch_on(gbk_from_utf8(c.value), "0"), c.on) << c.value;
}

TEST(DirectoryRead, KeysOutsideTheSectionStayEmpty) {
    Portal p({});
    p.serve(gbk_from_utf8("<p>央视综合=before</p>////开始<p>水平扫描=640</p>////结束<p>央视综合=after</p>"));
    directory_read(p.ctx, Read::StartUp);
    EXPECT_EQ(p.value("央视综合"), "");
    EXPECT_EQ(p.value("水平扫描"), "640");
}

TEST(DirectoryRead, PassesMessagesOnceThenDownloads) {
    Portal p({});
    directory_read(p.ctx, Read::NoticeBoard);
    EXPECT_EQ(p.journal.entries, (std::vector<std::string>{"pump", "get http://127.0.0.1:8173/directory.htm"}));
}

TEST(DirectoryRead, ReplacesOnlyItsOwnKeys) {
    Portal p({});
    p.serve(directory_page({{"水平扫描", "640"}, {"智变公告", "hello"}, {"上网", "http://a/"}}));
    directory_read(p.ctx, Read::StartUp);
    directory_read(p.ctx, Read::RemoteControl);
    EXPECT_EQ(p.value("水平扫描"), "640");
    EXPECT_EQ(p.value("智变公告"), "hello");

    // A later remote-control read that fails empties its eight values and nothing else.
    p.http.bodies.clear();
    directory_read(p.ctx, Read::RemoteControl);
    EXPECT_EQ(p.value("智变公告"), "");
    EXPECT_EQ(p.value("上网"), "");
    EXPECT_EQ(p.value("水平扫描"), "640");
}

TEST(DirectoryRead, ErrorPagesAndZeroBytesGiveEmptyValues) {
    Portal p({});
    p.serve("<html>404 Not Found</html>");
    directory_read(p.ctx, Read::StartUp);
    for (const KeyInfo &k : keys_of(Read::StartUp))
        EXPECT_EQ(p.directory.value(k.key), "") << k.key;
    p.serve(std::string("\0", 1) + directory_page({{"水平扫描", "640"}}));
    directory_read(p.ctx, Read::StartUp);
    EXPECT_EQ(p.value("水平扫描"), "");
}

TEST(StartUpRead, DecidesTheSwitchesInOrder) {
    const struct {
        std::string_view notice, full;
        std::vector<std::string> calls;
    } cases[] = {
        {"1", "1", {"notice", "full"}},
        {"1", "0", {"notice"}},
        {"", "2", {"full"}},
        {"abc", "", {}},
    };
    for (const auto &c : cases) {
        Portal p({});
        static std::vector<std::string> calls;
        calls.clear();
        p.directory.set_switch_baseline("0");
        p.serve(directory_page({{"智能识别", std::string(c.notice)}, {"解除封印", std::string(c.full)}}));
        start_up_read(p.ctx, {[](Context &) { calls.push_back("notice"); }, [](Context &) { calls.push_back("full"); }});
        EXPECT_EQ(calls, c.calls) << c.notice << "/" << c.full;
    }
}

TEST(KeyTable, EachReadHasItsKeysInLookupOrder) {
    EXPECT_EQ(keys_of(Read::StartUp).size(), 70u);
    EXPECT_EQ(keys_of(Read::NoticeBoard).size(), 3u);
    EXPECT_EQ(keys_of(Read::RemoteControl).size(), 8u);
    EXPECT_EQ(keys_of(Read::StartUp).front().key, "水平扫描");
    EXPECT_EQ(keys_of(Read::StartUp).back().key, "官网论坛");
    EXPECT_EQ(keys_of(Read::RemoteControl).back().key, "推荐");
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        for (std::size_t j = i + 1; j < kKeys.size(); ++j)
            EXPECT_NE(kKeys[i].key, kKeys[j].key);
}

} // namespace
} // namespace tv::directory
