#pragma once
// The style sheets of the portal's standard controls: compact sizing so controls fit their
// definitions, frame styles, balloon-shaped tips, the XP-like control looks, per-control colours
// and fonts, and the colours of a window's popup menus.
#include "ui/definitions.h"

#include <span>
#include <string>
#include <string_view>

namespace tv::ui::gtk {

// Style classes that the widgets of controls carry.
inline constexpr std::string_view kControlClass = "tv-control";
std::string frame_class(int frame); // "tv-frame-0", "tv-frame-1", "tv-frame-3"

// A control look: its frame colour and the push-button face.
struct ControlLook {
    int scheme;
    Color frame;
    Color button_border;
    Color face_top, face_bottom;
    Color hot; // the bottom edge of a button under the pointer
};
// The look of a scheme (1 blue, 2 olive green, 3 silver); nullptr for other numbers.
const ControlLook *control_look(int scheme);

std::string css_color(Color c);

// Always in force: sizing, frame styles before a look is chosen, tips.
std::string base_css();
// The screen-wide sheet of a look; empty for an unknown scheme.
std::string control_look_css(int scheme);
// The sheet of one edit box or date box: text and background colours, font.
std::string control_css(const ControlDef &control);
// The sheet of a window's popup menus, for menus carrying css_class. The colours are the menu
// styler's set in stored order: 0 highlighted text, 1 text, 2 separator, 3 highlight,
// 4 background, 5 border. Missing colours leave the theme's.
std::string menu_css(std::string_view css_class, std::span<const Color> colors, const Font &font);

} // namespace tv::ui::gtk
