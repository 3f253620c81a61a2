#pragma once
// Short constructors for control definitions, so the window tables read like the layout.
#include "ui/definitions.h"

namespace tv::app::build {

using namespace tv::ui;

constexpr ControlDef button(std::string_view name, int l, int t, int w, int h, std::string_view caption) {
    return {.name = name, .kind = ControlKind::Button, .left = l, .top = t, .width = w, .height = h,
            .caption = caption};
}

constexpr ControlDef invisible(std::string_view name, ControlKind kind, int l, int t, int w, int h) {
    return {.name = name, .kind = kind, .left = l, .top = t, .width = w, .height = h, .visible = false};
}

constexpr ControlDef timer(std::string_view name, int l, int t, int w, int h, int period_ms) {
    return {.name = name, .kind = ControlKind::Timer, .left = l, .top = t, .width = w, .height = h,
            .visible = false, .timer_period_ms = period_ms};
}

// A transparent label: text colour, effect, alignment, font; no background.
constexpr ControlDef clear_label(std::string_view name, int l, int t, int w, int h, std::string_view caption,
                                 Color color, TextEffect effect, Font font = {}, HAlign align = HAlign::Center,
                                 bool wrap = false, Pointer pointer = Pointer::Arrow) {
    return {.name = name, .kind = ControlKind::TransparentLabel, .left = l, .top = t, .width = w, .height = h,
            .caption = caption, .effect = effect, .text_color = color, .h_align = align,
            .v_align = wrap ? VAlign::Top : VAlign::Middle, .word_wrap = wrap, .font = font, .pointer = pointer};
}

// An edit box with a black background, centred text and a sunken frame.
constexpr ControlDef dark_edit(std::string_view name, int l, int t, int w, int h, Color color, Font font) {
    return {.name = name, .kind = ControlKind::EditBox, .left = l, .top = t, .width = w, .height = h, .frame = 1,
            .text_color = color, .back_color = rgb(0x000000), .h_align = HAlign::Center, .v_align = VAlign::Middle,
            .font = font};
}

constexpr Font kDefaultFont{};
constexpr Font song(int px, int weight = 400) { return Font{"宋体", px, weight}; }

} // namespace tv::app::build
