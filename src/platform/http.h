#pragma once
// HTTP GET seam: one blocking request, body bytes out.
#include <string>

namespace tv::platform {

class Http {
public:
    virtual ~Http() = default;
    // Blocking GET that bypasses caches. Returns the body bytes whatever the status;
    // on failure, the bytes that had arrived (often none). Never throws.
    virtual std::string get(const std::string &url) = 0;
};

} // namespace tv::platform
