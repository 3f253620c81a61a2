#include "tools/launchers.h"

#include <algorithm>

namespace tv::tools {

void on_launcher_clicked(Context &ctx, const ui::Event &event) {
    const auto it = std::find_if(kLaunchers.begin(), kLaunchers.end(),
                                 [&](const Launcher &l) { return l.button == event.control; });
    if (it == kLaunchers.end())
        return;
    ctx.ui.set_always_on_top(kMainWindow, false);
    ctx.launcher.run(it->command_line); // a tool that cannot start does nothing visible
}

void on_settings_clicked(Context &ctx, const ui::Event &) { ctx.launcher.open_settings(); }

} // namespace tv::tools
