#include "platform/linux/gio_link_opener.h"

#include <gio/gio.h>

namespace tv::platform::linux_desktop {

void GioLinkOpener::open(const std::string &utf8_address) {
    if (utf8_address.empty())
        return;
    GError *error = nullptr;
    if (!g_app_info_launch_default_for_uri(utf8_address.c_str(), nullptr, &error))
        g_clear_error(&error);
}

} // namespace tv::platform::linux_desktop
