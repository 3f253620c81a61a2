#pragma once
// The embedded browser control: a WebKitWebView in a process-wide ephemeral web context (the
// portal writes no files), quiet (no dialogs, no new windows, no downloads, every permission
// denied), with autoplaying media allowed.
#include <gtkmm/widget.h>
#include <string>
#include <string_view>

typedef struct _WebKitWebView WebKitWebView;

namespace tv::ui::gtk {

// Zoom factor of a text size on the scale 0 (smallest) .. 4 (largest); 2 is 1.0.
double text_size_zoom(int text_size);

class BrowserView {
public:
    // text_size: 0 .. 4; silent: no script dialogs, authentication or colour choosers.
    BrowserView(int text_size, bool silent);
    // The widget to place; it belongs to the container it is added to.
    Gtk::Widget &widget() { return *widget_; }
    // Starts loading a web address; addresses that are not loadable are ignored.
    void load(std::string_view utf8_address);
    // The address the view shows or is loading (UTF-8), empty before the first load.
    std::string uri() const;

private:
    WebKitWebView *view_;
    Gtk::Widget *widget_;
};

} // namespace tv::ui::gtk
