#pragma once
// A whole portal on the in-memory toolkit and fake platform: what behaviour tests drive.
#include "app/context.h"
#include "core/gbk_convert.h"
#include "directory/directory_keys.h"
#include "platform/fakes/fakes.h"
#include "ui/memory/memory_ui.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tv::testing {

inline constexpr const char *kDirectoryAddress = "http://127.0.0.1:8173/directory.htm";

// A GBK directory page with the given (UTF-8) entries inside the markers.
inline std::string directory_page(const std::vector<std::pair<std::string, std::string>> &entries) {
    std::string page = "<html><body>intro ////开始\n";
    for (const auto &[key, value] : entries)
        page += "<p>" + key + "=" + value + "</p>\n";
    page += "////结束 outro</body></html>";
    return gbk_from_utf8(page);
}

struct Portal {
    explicit Portal(std::span<const ui::WindowDef *const> catalogue, DateTime start = DateTime{2016, 1, 28, 10, 5, 7})
        : clock(start), ui(catalogue, clock, journal), http(journal, clock), links(journal), launcher(journal),
          power(journal), ctx{ui, directory, http, kDirectoryAddress, links, launcher, power, clock} {
        ui.set_context(ctx);
    }
    void serve(const std::string &gbk_page) { http.bodies[kDirectoryAddress] = gbk_page; }
    std::string value(std::string_view key) const { return utf8_from_gbk(directory.value(key)); }

    platform::fakes::Journal journal;
    platform::fakes::VirtualClock clock;
    ui::MemoryUi ui;
    directory::DirectoryStore directory;
    platform::fakes::FakeHttp http;
    platform::fakes::RecordingLinkOpener links;
    platform::fakes::RecordingLauncher launcher;
    platform::fakes::RecordingPower power;
    Context ctx;
};

} // namespace tv::testing
