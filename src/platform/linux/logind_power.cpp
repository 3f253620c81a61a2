#include "platform/linux/logind_power.h"

#include <gio/gio.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace tv::platform::linux_desktop {
namespace {

constexpr int call_timeout_ms = 5000;
constexpr auto connect_timeout = std::chrono::milliseconds(call_timeout_ms);

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct GVariantUnref {
    void operator()(GVariant *value) const { g_variant_unref(value); }
};
struct GFree {
    void operator()(gchar *text) const { g_free(text); }
};

// Cancels a GIO operation that has not finished within the time limit.
class CancelAfter {
public:
    CancelAfter(GCancellable *cancellable, std::chrono::milliseconds limit)
        : watchdog_([this, cancellable, limit] {
              std::unique_lock lock(mutex_);
              if (!done_cv_.wait_for(lock, limit, [this] { return done_; }))
                  g_cancellable_cancel(cancellable);
          }) {}
    ~CancelAfter() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        done_cv_.notify_one();
        watchdog_.join();
    }
    CancelAfter(const CancelAfter &) = delete;
    CancelAfter &operator=(const CancelAfter &) = delete;

private:
    std::mutex mutex_;
    std::condition_variable done_cv_;
    bool done_ = false;
    std::thread watchdog_;
};

// A connection of our own rather than the shared system-bus singleton, so that it is closed
// when the request is done and always follows the current DBUS_SYSTEM_BUS_ADDRESS.
std::unique_ptr<GDBusConnection, GObjectUnref> connect_system_bus() {
    std::unique_ptr<gchar, GFree> address(g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr));
    if (!address)
        return nullptr;
    std::unique_ptr<GCancellable, GObjectUnref> cancellable(g_cancellable_new());
    CancelAfter limit(cancellable.get(), connect_timeout);
    const auto flags = static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                         G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION);
    return std::unique_ptr<GDBusConnection, GObjectUnref>(
        g_dbus_connection_new_for_address_sync(address.get(), flags, nullptr, cancellable.get(), nullptr));
}

} // namespace

void LogindPower::power_off() {
    try {
        auto connection = connect_system_bus();
        if (!connection)
            return;
        std::unique_ptr<GVariant, GVariantUnref> reply(
            g_dbus_connection_call_sync(connection.get(), "org.freedesktop.login1", "/org/freedesktop/login1",
                                        "org.freedesktop.login1.Manager", "PowerOff", g_variant_new("(b)", FALSE),
                                        nullptr, G_DBUS_CALL_FLAGS_NONE, call_timeout_ms, nullptr, nullptr));
        g_dbus_connection_close_sync(connection.get(), nullptr, nullptr);
    } catch (...) {
        // A thread could not be started for the time limit: the request is dropped.
    }
}

} // namespace tv::platform::linux_desktop
