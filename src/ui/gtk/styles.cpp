#include "ui/gtk/styles.h"

#include "ui/gtk/fonts.h"

#include <array>
#include <cstdio>

namespace tv::ui::gtk {
namespace {

constexpr std::array<ControlLook, 3> kLooks = {
    ControlLook{1, rgb(0x7B9EBD), rgb(0x003C74), rgb(0xFFFFFF), rgb(0xECEBE6), rgb(0xF8B330)},
    ControlLook{2, rgb(0xA4B97F), rgb(0x376206), rgb(0xFFFFFF), rgb(0xE2E6D0), rgb(0xE3C15D)},
    ControlLook{3, rgb(0xC6C5D7), rgb(0x737594), rgb(0xFFFFFF), rgb(0xD6D3E2), rgb(0xF8B330)},
};

std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string font_css(const Font &font) {
    std::string css;
    if (!font.family.empty())
        css += "font-family: " + quoted(font.family) + "; ";
    css += "font-size: " + std::to_string(font.height_px > 0 ? font.height_px : kDefaultFontPixels) + "px; ";
    css += "font-weight: " + std::to_string(font.weight) + "; ";
    return css;
}

// Frames before a look is chosen: the classic sunken edges.
constexpr std::string_view kBaseCss = R"css(
.tv-control, .tv-control *, .tv-arrow { transition: none; }
.tv-control { min-height: 0; min-width: 0; border-radius: 0; outline-width: 0; }
button.tv-control { padding: 0 1px; font-size: 12px; }
button.tv-control label { padding: 0; margin: 0; }
entry.tv-control { padding: 0 2px; }
button.tv-arrow { min-height: 0; min-width: 0; padding: 0; border-radius: 0; font-size: 8px; }
.tv-frame-0 { border-style: none; box-shadow: none; }
.tv-frame-1 { border: 1px solid; border-color: #a0a0a0 #ffffff #ffffff #a0a0a0;
              box-shadow: inset 1px 1px #696969, inset -1px -1px #e3e3e3; }
.tv-frame-3 { border: 1px solid; border-color: #a0a0a0 #ffffff #ffffff #a0a0a0; box-shadow: none; }
tooltip, tooltip.background { background-color: #ffffe1; color: #000000; border: 1px solid #000000;
                              border-radius: 8px; padding: 4px 6px; }
tooltip * { color: #000000; }
)css";

} // namespace

std::string frame_class(int frame) {
    return "tv-frame-" + std::to_string(frame);
}

const ControlLook *control_look(int scheme) {
    for (const ControlLook &look : kLooks)
        if (look.scheme == scheme)
            return &look;
    return nullptr;
}

std::string css_color(Color c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", c.r, c.g, c.b);
    return buffer;
}

std::string base_css() {
    return std::string(kBaseCss);
}

std::string control_look_css(int scheme) {
    const ControlLook *look = control_look(scheme);
    if (look == nullptr)
        return {};
    const std::string frame = css_color(look->frame);
    const std::string border = css_color(look->button_border);
    const std::string top = css_color(look->face_top), bottom = css_color(look->face_bottom);
    std::string css;
    css += ".tv-frame-1, .tv-frame-3 { border: 1px solid " + frame + "; box-shadow: none; }\n";
    css += "button.tv-control { border: 1px solid " + border +
           "; border-radius: 3px; color: #000000;"
           " background-image: linear-gradient(to bottom, " +
           top + ", " + bottom + "); box-shadow: none; }\n";
    css += "button.tv-control:hover { box-shadow: inset 0 -2px " + css_color(look->hot) + "; }\n";
    css += "button.tv-control:active { background-image: linear-gradient(to bottom, " + bottom + ", " + top + "); }\n";
    css += "button.tv-arrow { border: 1px solid " + frame + "; border-radius: 0; color: " + border +
           "; background-image: linear-gradient(to bottom, " + top + ", " + bottom + "); box-shadow: none; }\n";
    return css;
}

std::string control_css(const ControlDef &control) {
    std::string css = "* { ";
    if (control.text_color)
        css += "color: " + css_color(*control.text_color) + "; caret-color: " + css_color(*control.text_color) + "; ";
    if (control.back_color)
        css += "background-color: " + css_color(*control.back_color) + "; background-image: none; ";
    css += font_css(control.font);
    return css + "}\n";
}

std::string menu_css(std::string_view css_class, std::span<const Color> colors, const Font &font) {
    const auto color = [&](std::size_t i) { return i < colors.size() ? css_color(colors[i]) : std::string(); };
    const std::string menu = "menu." + std::string(css_class);
    std::string css = menu + " { " + font_css(font);
    if (!color(4).empty())
        css += "background-color: " + color(4) + "; ";
    if (!color(5).empty())
        css += "border: 1px solid " + color(5) + "; ";
    css += "}\n";
    css += menu + " menuitem { min-height: 0; padding: 2px 12px; ";
    if (!color(1).empty())
        css += "color: " + color(1) + "; ";
    css += "}\n";
    css += menu + " menuitem:hover { ";
    if (!color(3).empty())
        css += "background-color: " + color(3) + "; ";
    if (!color(0).empty())
        css += "color: " + color(0) + "; ";
    css += "}\n";
    if (!color(2).empty())
        css += menu + " separator { background-color: " + color(2) + "; }\n";
    return css;
}

} // namespace tv::ui::gtk
