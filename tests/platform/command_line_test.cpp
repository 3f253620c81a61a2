#include "platform/linux/command_line.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace {

using tv::platform::linux_desktop::find_program;
using tv::platform::linux_desktop::split_command_line;
using tv::platform::linux_desktop::tool_key;

TEST(SplitCommandLine, SplitsAtBlanksAndKeepsQuotedStretches) {
    struct Case {
        const char *line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"calc", {"calc"}},
        {"  calc  ", {"calc"}},
        {"", {}},
        {" \t ", {}},
        {"prog a\tb", {"prog", "a", "b"}},
        {"prog \"two words\" x", {"prog", "two words", "x"}},
        {"prog \"\"", {"prog", ""}},
        {"pre\"fix mid\"post", {"prefix midpost"}},
        {"prog \"unclosed quote", {"prog", "unclosed quote"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(split_command_line(c.line), c.words) << "line: [" << c.line << "]";
}

TEST(ToolKey, LowerCasesAndDropsTheExeExtension) {
    const std::pair<const char *, const char *> cases[] = {
        {"calc", "calc"},       {"CALC", "calc"}, {"Calc.Exe", "calc"}, {"calc.exe.exe", "calc.exe"}, {".exe", ".exe"},
        {"calcexe", "calcexe"}, {"", ""},
    };
    for (const auto &[word, key] : cases)
        EXPECT_EQ(tool_key(word), key) << word;
}

class FindProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        tv::test::write_file(dir / "a/tool", "#!/bin/sh\n", true);
        tv::test::write_file(dir / "b/tool", "#!/bin/sh\n", true);
        tv::test::write_file(dir / "a/plain", "not a program\n");
        tv::test::write_file(dir / "b/plain", "#!/bin/sh\n", true);
        std::filesystem::create_directories(dir / "a/folder");
        tv::test::write_file(dir / "b/folder", "#!/bin/sh\n", true);
    }
    std::string at(const char *relative) const { return (dir / relative).string(); }

    tv::test::ScratchDir dir;
};

TEST_F(FindProgramTest, TakesTheFirstExecutableFileOnTheSearchPath) {
    const std::string a = at("a"), b = at("b"), missing = at("missing");
    struct Case {
        std::string name;
        std::string search_path;
        std::optional<std::string> found;
    };
    const Case cases[] = {
        {"tool", a + ":" + b, at("a/tool")},
        {"tool", b + ":" + a, at("b/tool")},
        {"tool", missing + "::" + b, at("b/tool")},
        {"plain", a + ":" + b, at("b/plain")},   // not executable in a
        {"folder", a + ":" + b, at("b/folder")}, // a directory in a
        {"nothing", a + ":" + b, std::nullopt},
        {"tool", "", std::nullopt},
        {"", a, std::nullopt},
        {at("a/tool"), b, at("a/tool")}, // a path is only checked
        {at("a/plain"), a, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(find_program(c.name, c.search_path), c.found) << c.name << " on " << c.search_path;
}

TEST_F(FindProgramTest, NeverSearchesTheCurrentDirectoryThroughAnEmptyEntry) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir / "a");
    const auto found = find_program("tool", ":");
    std::filesystem::current_path(previous);
    EXPECT_EQ(found, std::nullopt);
}

} // namespace
