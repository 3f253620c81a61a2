#pragma once
// Opens an address with the desktop's default handler for its scheme, through GIO.
#include "platform/desktop.h"

namespace tv::platform::linux_desktop {

class GioLinkOpener : public LinkOpener {
public:
    // No dialog, no result: a missing handler or a failed start does nothing visible.
    // The empty address does nothing.
    void open(const std::string &utf8_address) override;
};

} // namespace tv::platform::linux_desktop
