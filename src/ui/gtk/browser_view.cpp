#include "ui/gtk/browser_view.h"

#include "ui/gtk/browser_address.h"

#include <array>
#include <webkit2/webkit2.h>

namespace tv::ui::gtk {
namespace {

constexpr std::array<double, 5> kTextSizeZoom = {0.7, 0.85, 1.0, 1.15, 1.3};

// Context-menu entries that would save to disk, open windows or open the inspector.
constexpr std::array<WebKitContextMenuAction, 10> kRemovedMenuActions = {
    WEBKIT_CONTEXT_MENU_ACTION_DOWNLOAD_LINK_TO_DISK,    WEBKIT_CONTEXT_MENU_ACTION_DOWNLOAD_IMAGE_TO_DISK,
    WEBKIT_CONTEXT_MENU_ACTION_DOWNLOAD_VIDEO_TO_DISK,   WEBKIT_CONTEXT_MENU_ACTION_DOWNLOAD_AUDIO_TO_DISK,
    WEBKIT_CONTEXT_MENU_ACTION_OPEN_LINK_IN_NEW_WINDOW,  WEBKIT_CONTEXT_MENU_ACTION_OPEN_IMAGE_IN_NEW_WINDOW,
    WEBKIT_CONTEXT_MENU_ACTION_OPEN_FRAME_IN_NEW_WINDOW, WEBKIT_CONTEXT_MENU_ACTION_OPEN_VIDEO_IN_NEW_WINDOW,
    WEBKIT_CONTEXT_MENU_ACTION_OPEN_AUDIO_IN_NEW_WINDOW, WEBKIT_CONTEXT_MENU_ACTION_INSPECT_ELEMENT,
};

void cancel_download(WebKitWebContext *, WebKitDownload *download, gpointer) {
    webkit_download_cancel(download);
}

// One ephemeral context for every browser of the process: cookies, caches and storage live
// in memory only.
WebKitWebContext *portal_web_context() {
    static WebKitWebContext *context = [] {
        WebKitWebContext *c = webkit_web_context_new_ephemeral();
        g_signal_connect(c, "download-started", G_CALLBACK(cancel_download), nullptr);
        return c;
    }();
    return context;
}

gboolean handled(WebKitWebView *, gpointer, gpointer) {
    return TRUE;
}

GtkWidget *no_new_window(WebKitWebView *, WebKitNavigationAction *, gpointer) {
    return nullptr;
}

gboolean deny_permission(WebKitWebView *, WebKitPermissionRequest *request, gpointer) {
    webkit_permission_request_deny(request);
    return TRUE;
}

gboolean cancel_file_chooser(WebKitWebView *, WebKitFileChooserRequest *request, gpointer) {
    webkit_file_chooser_request_cancel(request);
    return TRUE;
}

gboolean cancel_authentication(WebKitWebView *, WebKitAuthenticationRequest *request, gpointer) {
    webkit_authentication_request_cancel(request);
    return TRUE;
}

gboolean cancel_color_chooser(WebKitWebView *, WebKitColorChooserRequest *request, gpointer) {
    webkit_color_chooser_request_cancel(request);
    return TRUE;
}

gboolean trim_context_menu(WebKitWebView *, WebKitContextMenu *menu, GdkEvent *, WebKitHitTestResult *, gpointer) {
    GList *items = g_list_copy(webkit_context_menu_get_items(menu));
    for (GList *l = items; l != nullptr; l = l->next) {
        auto *item = static_cast<WebKitContextMenuItem *>(l->data);
        const WebKitContextMenuAction action = webkit_context_menu_item_get_stock_action(item);
        for (WebKitContextMenuAction removed : kRemovedMenuActions)
            if (action == removed)
                webkit_context_menu_remove(menu, item);
    }
    g_list_free(items);
    return FALSE;
}

// New-window navigations are dropped, and responses the view cannot show (which would become
// downloads) are ignored.
gboolean decide_policy(WebKitWebView *, WebKitPolicyDecision *decision, WebKitPolicyDecisionType type, gpointer) {
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
        webkit_policy_decision_ignore(decision);
        return TRUE;
    }
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE &&
        !webkit_response_policy_decision_is_mime_type_supported(WEBKIT_RESPONSE_POLICY_DECISION(decision))) {
        webkit_policy_decision_ignore(decision);
        return TRUE;
    }
    return FALSE;
}

// A crashed page stays as it is until the next address is set; nothing is shown.
void ignore_termination(WebKitWebView *, WebKitWebProcessTerminationReason, gpointer) {}

WebKitWebView *create_view(int text_size, bool silent) {
    WebKitSettings *settings = webkit_settings_new();
    webkit_settings_set_zoom_text_only(settings, TRUE);
    webkit_settings_set_media_playback_requires_user_gesture(settings, FALSE);
    webkit_settings_set_javascript_can_open_windows_automatically(settings, FALSE);
    webkit_settings_set_enable_developer_extras(settings, FALSE);
    webkit_settings_set_hardware_acceleration_policy(settings, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
    WebKitWebsitePolicies *policies =
        webkit_website_policies_new_with_policies("autoplay", WEBKIT_AUTOPLAY_ALLOW, nullptr);
    auto *view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", portal_web_context(), "settings",
                                              settings, "website-policies", policies, nullptr));
    g_object_unref(policies);
    g_object_unref(settings);
    webkit_web_view_set_zoom_level(view, text_size_zoom(text_size));

    g_signal_connect(view, "create", G_CALLBACK(no_new_window), nullptr);
    g_signal_connect(view, "permission-request", G_CALLBACK(deny_permission), nullptr);
    g_signal_connect(view, "run-file-chooser", G_CALLBACK(cancel_file_chooser), nullptr);
    g_signal_connect(view, "context-menu", G_CALLBACK(trim_context_menu), nullptr);
    g_signal_connect(view, "decide-policy", G_CALLBACK(decide_policy), nullptr);
    g_signal_connect(view, "web-process-terminated", G_CALLBACK(ignore_termination), nullptr);
    g_signal_connect(view, "show-notification", G_CALLBACK(handled), nullptr);
    g_signal_connect(view, "print", G_CALLBACK(handled), nullptr);
    if (silent) {
        g_signal_connect(view, "script-dialog", G_CALLBACK(handled), nullptr);
        g_signal_connect(view, "authenticate", G_CALLBACK(cancel_authentication), nullptr);
        g_signal_connect(view, "run-color-chooser", G_CALLBACK(cancel_color_chooser), nullptr);
    }
    return view;
}

} // namespace

double text_size_zoom(int text_size) {
    if (text_size < 0 || text_size >= static_cast<int>(kTextSizeZoom.size()))
        return 1.0;
    return kTextSizeZoom[static_cast<std::size_t>(text_size)];
}

BrowserView::BrowserView(int text_size, bool silent)
    : view_(create_view(text_size, silent)), widget_(Gtk::manage(Glib::wrap(GTK_WIDGET(view_)))) {}

void BrowserView::load(std::string_view utf8_address) {
    if (is_loadable_address(utf8_address))
        webkit_web_view_load_uri(view_, std::string(utf8_address).c_str());
}

std::string BrowserView::uri() const {
    const char *uri = webkit_web_view_get_uri(view_);
    return uri ? uri : "";
}

} // namespace tv::ui::gtk
