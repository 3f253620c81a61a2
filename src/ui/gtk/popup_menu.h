#pragma once
// A modal popup menu: built fresh from captions, shown with its top-left corner at a screen
// point, tracked in a nested loop until it is gone.
#include "ui/ui.h"

#include <functional>
#include <gtkmm/menu.h>
#include <gtkmm/window.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::ui::gtk {

// Runs the popup and returns the chosen caption, or nullopt when it was dismissed. owner may
// be null (the popup is then placed on the root window). on_shown is given the menu once it is
// up, and nullptr once it is gone.
std::optional<std::string> run_popup_menu(const std::vector<std::string> &captions, Gtk::Window *owner, Point at,
                                          std::string_view css_class, const std::function<void(Gtk::Menu *)> &on_shown);

} // namespace tv::ui::gtk
