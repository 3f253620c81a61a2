#pragma once
// The tool launchers of the tools panel.
#include "app/context.h"

#include <array>
#include <string_view>

namespace tv::tools {

struct Launcher {
    std::string_view button;
    std::string_view command_line;
};

inline constexpr std::array<Launcher, 8> kLaunchers{{
    {"按钮19", "calc"},    {"按钮20", "winchat"}, {"按钮21", "osk"},      {"按钮22", "msconfig"},
    {"按钮23", "dxdiag"},  {"按钮24", "mspaint"}, {"按钮25", "sndrec32"}, {"按钮26", "charmap"},
}};

// 按钮19..按钮26: the main window stops being always on top, then the tool starts.
void on_launcher_clicked(Context &ctx, const ui::Event &event);
// 按钮29: opens the desktop's settings; always-on-top is not touched.
void on_settings_clicked(Context &ctx, const ui::Event &event);

} // namespace tv::tools
