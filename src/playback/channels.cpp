#include "playback/channels.h"

#include <algorithm>

namespace tv::playback {

namespace {
constexpr std::string_view kBrowser = "超文本浏览框1";
constexpr std::string_view kCover = "封面";
constexpr std::string_view kSeparatorBox = "虚拟显卡";

template <std::size_t N>
std::string_view find_key(const std::array<ChannelBinding, N> &table, std::string_view control) {
    const auto it = std::find_if(table.begin(), table.end(), [&](const auto &b) { return b.control == control; });
    return it == table.end() ? std::string_view() : it->key;
}
} // namespace

Text player_address(Context &ctx, std::string_view utf8_key) {
    const Text separator = ctx.ui.text(kMainWindow, kSeparatorBox);
    const auto &dir = ctx.directory;
    return concat({dir.value(utf8_key), separator, dir.value("水平扫描"), separator, dir.value("垂直扫描"), separator});
}

std::string_view channel_key_of(const ui::Event &event) {
    return event.kind == ui::EventKind::MenuSelected ? find_key(kChannelItems, event.item)
                                                     : find_key(kChannelButtons, event.control);
}

void on_channel_chosen(Context &ctx, const ui::Event &event) {
    const std::string_view key = channel_key_of(event);
    if (key.empty())
        return;
    const Text address = player_address(ctx, key);
    ctx.ui.set_address(kMainWindow, kBrowser, address);
    ctx.ui.set_visible(kMainWindow, kCover, false);
}

void on_information_channel(Context &ctx, const ui::Event &) {
    ctx.ui.set_address(kMainWindow, kBrowser, ctx.directory.value("信息通道"));
    ctx.ui.set_visible(kMainWindow, kCover, false);
}

} // namespace tv::playback
