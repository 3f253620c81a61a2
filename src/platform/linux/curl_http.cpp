#include "platform/linux/curl_http.h"

#include <curl/curl.h>

#include <memory>

namespace tv::platform::linux_desktop {
namespace {

// libcurl's process-wide state, set up on first use and torn down at exit.
class CurlGlobal {
public:
    CurlGlobal() : ok_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
    ~CurlGlobal() {
        if (ok_)
            curl_global_cleanup();
    }
    CurlGlobal(const CurlGlobal &) = delete;
    CurlGlobal &operator=(const CurlGlobal &) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_;
};

bool curl_ready() {
    static const CurlGlobal global;
    return global.ok();
}

struct EasyDeleter {
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct SlistDeleter {
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

// Where the body goes: kept up to the cap; reaching the cap ends the transfer.
struct BodySink {
    std::string body;
    std::size_t cap;
};

extern "C" size_t append_body(char *data, size_t size, size_t count, void *user) noexcept {
    auto *sink = static_cast<BodySink *>(user);
    const size_t offered = size * count;
    const size_t room = sink->cap - sink->body.size();
    const size_t taken = offered < room ? offered : room;
    try {
        sink->body.append(data, taken);
    } catch (...) {
        return 0;
    }
    // Returning less than offered makes libcurl abort the transfer.
    return taken;
}

HeaderList no_cache_headers() {
    curl_slist *list = curl_slist_append(nullptr, "Cache-Control: no-cache");
    if (list == nullptr)
        return nullptr;
    HeaderList headers(list);
    if (curl_slist_append(list, "Pragma: no-cache") == nullptr)
        return nullptr;
    return headers;
}

} // namespace

CurlHttp::CurlHttp(CurlHttpOptions options) : options_(std::move(options)) {}

std::string CurlHttp::get(const std::string &url) noexcept {
    try {
        if (!curl_ready())
            return {};
        EasyHandle easy(curl_easy_init());
        HeaderList headers = no_cache_headers();
        if (!easy || !headers)
            return {};
        BodySink sink{{}, options_.body_cap};
        CURL *h = easy.get();
        curl_easy_setopt(h, CURLOPT_URL, url.c_str());
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, options_.max_redirects);
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, options_.connect_timeout_ms);
        curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, options_.total_timeout_ms);
        curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(h, CURLOPT_USERAGENT, options_.user_agent.c_str());
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, append_body);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
        // The outcome does not matter: whatever arrived is the answer.
        curl_easy_perform(h);
        return std::move(sink.body);
    } catch (...) {
        return {};
    }
}

} // namespace tv::platform::linux_desktop
