// The portal's entry: brings up the toolkit and the Linux platform, then runs the program.
#include "app/assets_location.h"
#include "app/start_up.h"
#include "app/window_definitions.h"
#include "platform/linux/curl_http.h"
#include "platform/linux/gio_link_opener.h"
#include "platform/linux/logind_power.h"
#include "platform/linux/process_launcher.h"
#include "platform/linux/system_clock.h"
#include "ui/gtk/gtk_ui.h"

#include <cstdio>

int main() {
    if (!tv::ui::gtk_init_toolkit()) {
        std::fputs("tvportal: cannot open a display\n", stderr);
        return 1;
    }

    tv::platform::linux_desktop::CurlHttp http;
    tv::platform::linux_desktop::GioLinkOpener links;
    tv::platform::linux_desktop::SpawnLauncher launcher;
    tv::platform::linux_desktop::LogindPower power;
    tv::platform::linux_desktop::SystemClock clock;
    tv::directory::DirectoryStore directory;
    tv::ui::GtkUi ui(tv::app::window_catalogue(), tv::app::assets_dir());

    tv::Context ctx{ui, directory, http, TV_DIRECTORY_ADDRESS, links, launcher, power, clock};
    return tv::app::run_portal(ctx);
}
