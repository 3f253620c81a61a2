#pragma once
// Drawing of labels and transparent labels: frame, background (picture, else gradient, else
// colour; none for transparent labels), then the caption with its text effect.
#include "ui/definitions.h"

#include <cairomm/context.h>
#include <cairomm/surface.h>
#include <optional>
#include <pangomm/fontdescription.h>
#include <string_view>

namespace tv::ui::gtk {

struct LabelLook {
    bool transparent = false;
    int frame = 0;
    TextEffect effect = TextEffect::None;
    Color text_color{0, 0, 0};
    std::optional<Color> back_color;
    std::optional<Gradient> gradient;
    Cairo::RefPtr<Cairo::ImageSurface> picture; // tiled from the client area's top-left corner
    HAlign h_align = HAlign::Left;
    VAlign v_align = VAlign::Top;
    bool word_wrap = false;
    Pango::FontDescription font;
};

// The background of a label that names no colour: the face colour of standard controls.
inline constexpr Color kControlFace = rgb(0xECE9D8);

// Width in pixels of a frame style's edge: 0 none, 1 sunken 3-D edge (2), 3 thin sunken edge (1).
int frame_thickness(int frame);

// Draws a sunken edge of the frame style along the border of (0, 0, width, height).
void paint_sunken_frame(const Cairo::RefPtr<Cairo::Context> &cr, int frame, int width, int height);

// Draws the whole label into (0, 0, width, height) of cr. The text is UTF-8; CR LF breaks lines.
void paint_label(const Cairo::RefPtr<Cairo::Context> &cr, const LabelLook &look, std::string_view utf8_text, int width,
                 int height);

} // namespace tv::ui::gtk
