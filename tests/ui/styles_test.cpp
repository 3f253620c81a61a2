// The style sheets the renderer generates must be accepted by GTK's CSS parser, and the looks
// carry the scheme colours.
#include "ui/gtk/styles.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace {

using namespace tv::ui;
using namespace tv::ui::gtk;

// GTK's parse error for the sheet, empty when it parses cleanly.
std::string parse_error(const std::string &css) {
    GtkCssProvider *provider = gtk_css_provider_new();
    std::string message;
    g_signal_connect(provider, "parsing-error",
                     G_CALLBACK(+[](GtkCssProvider *, GtkCssSection *, GError *error, gpointer out) {
                         *static_cast<std::string *>(out) += error->message;
                     }),
                     &message);
    GError *error = nullptr;
    gtk_css_provider_load_from_data(provider, css.data(), static_cast<gssize>(css.size()), &error);
    if (error != nullptr) {
        message += error->message;
        g_error_free(error);
    }
    g_object_unref(provider);
    return message;
}

TEST(Styles, GeneratedSheetsParse) {
    constexpr Color menu_colors[] = {rgb(0xFFFFFF), rgb(0xFF80C0), rgb(0xFFFFFF),
                                     rgb(0xFF80C0), rgb(0xFFECF5), rgb(0xFFC1DA)};
    const ControlDef edit{.name = "e",
                          .kind = ControlKind::EditBox,
                          .text_color = rgb(0xFF0000),
                          .back_color = rgb(0x000000),
                          .font = Font{"宋体", 12, 700}};
    const ControlDef plain{.name = "d", .kind = ControlKind::DateBox};
    const std::pair<const char *, std::string> sheets[] = {
        {"base", base_css()},
        {"look 1", control_look_css(1)},
        {"look 2", control_look_css(2)},
        {"look 3", control_look_css(3)},
        {"edit box", control_css(edit)},
        {"date box without colours", control_css(plain)},
        {"menu", menu_css("tv-menu-0", menu_colors, Font{"宋体", 12, 400})},
        {"menu without colours", menu_css("tv-menu-1", {}, Font{})},
    };
    for (const auto &[name, css] : sheets)
        EXPECT_EQ(parse_error(css), "") << name << ":\n" << css;
}

TEST(Styles, LooksCarryTheirFrameColours) {
    struct Case {
        int scheme;
        const char *frame;
    };
    const Case cases[] = {{1, "#7B9EBD"}, {2, "#A4B97F"}, {3, "#C6C5D7"}};
    for (const Case &c : cases) {
        ASSERT_NE(control_look(c.scheme), nullptr);
        EXPECT_EQ(css_color(control_look(c.scheme)->frame), c.frame);
        EXPECT_NE(control_look_css(c.scheme).find(std::string("solid ") + c.frame), std::string::npos);
    }
    EXPECT_EQ(control_look(0), nullptr);
    EXPECT_EQ(control_look_css(4), "");
}

} // namespace
