#pragma once
// HTTP GET on libcurl: one blocking request per call, caches bypassed, bounded in time and size.
#include "platform/http.h"

#include <cstddef>
#include <string>

namespace tv::platform::linux_desktop {

struct CurlHttpOptions {
    long connect_timeout_ms = 10'000;
    long total_timeout_ms = 30'000;
    // Bytes kept of a body; the transfer stops once this many have arrived.
    std::size_t body_cap = 8u * 1024u * 1024u;
    long max_redirects = 5;
    std::string user_agent = "tvportal/0.1";
};

class CurlHttp : public Http {
public:
    explicit CurlHttp(CurlHttpOptions options = {});
    // Returns the body whatever the status; after a failure, the bytes that had arrived.
    std::string get(const std::string &url) noexcept override;

private:
    CurlHttpOptions options_;
};

} // namespace tv::platform::linux_desktop
