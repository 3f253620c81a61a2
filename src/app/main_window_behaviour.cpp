#include "app/main_window_behaviour.h"

#include "directory/links.h"

namespace tv::app {

namespace {
constexpr std::string_view kChannelHead = "地方卫视";
constexpr std::string_view kExtrasHead = "附加功能";

void popup_at_pointer(Context &ctx, std::string_view head) {
    const ui::Point at = ctx.ui.mouse_position();
    ctx.ui.popup_menu(kMainWindow, head, at);
}
} // namespace

void on_channel_popup_clicked(Context &ctx, const ui::Event &) { popup_at_pointer(ctx, kChannelHead); }

void on_extras_popup_pressed(Context &ctx, const ui::Event &) { popup_at_pointer(ctx, kExtrasHead); }

void on_tools_view_clicked(Context &ctx, const ui::Event &) {
    ctx.ui.set_visible(kMainWindow, "标签1", false);
    ctx.ui.set_visible(kMainWindow, "封面", false);
    ctx.ui.set_visible(kMainWindow, "超文本浏览框1", false);
}

void on_tv_view_clicked(Context &ctx, const ui::Event &) {
    ctx.ui.set_visible(kMainWindow, "超文本浏览框1", true);
    ctx.ui.set_visible(kMainWindow, "标签1", true);
}

void on_hide_picture_clicked(Context &ctx, const ui::Event &) { ctx.ui.set_visible(kMainWindow, "图片框1", false); }

void on_show_picture_clicked(Context &ctx, const ui::Event &) { ctx.ui.set_visible(kMainWindow, "图片框1", true); }

void on_minimise_chosen(Context &ctx, const ui::Event &) { ctx.ui.set_window_state(kMainWindow, ui::kMinimised); }

void on_close_chosen(Context &ctx, const ui::Event &) { ctx.ui.request_destroy(kMainWindow); }

void on_chat_chosen(Context &ctx, const ui::Event &) { directory::open_fixed_link(ctx, kChatLink); }

void on_link_item_chosen(Context &ctx, const ui::Event &event) {
    // The three link items are named like the directory keys that hold their addresses.
    directory::open_directory_link(ctx, ctx.directory.value(event.item));
}

void on_credit_pressed(Context &ctx, const ui::Event &) {
    directory::open_directory_link(ctx, ctx.directory.value("官网论坛"));
}

void on_calendar_pressed(Context &ctx, const ui::Event &) { directory::open_fixed_link(ctx, kPersonalSpace); }

} // namespace tv::app
