#include "ui/gtk/label_painter.h"

#include <array>
#include <pangomm/layout.h>
#include <string>

namespace tv::ui::gtk {
namespace {

void set_color(const Cairo::RefPtr<Cairo::Context> &cr, Color c) {
    cr->set_source_rgb(c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void fill_rect(const Cairo::RefPtr<Cairo::Context> &cr, Color c, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0)
        return;
    set_color(cr, c);
    cr->rectangle(x, y, w, h);
    cr->fill();
}

// One ring of a sunken edge: darker on the top and left, lighter on the bottom and right.
struct EdgeRing {
    Color top_left, bottom_right;
};
constexpr std::array<EdgeRing, 2> kClientEdge = {
    EdgeRing{rgb(0xA0A0A0), rgb(0xFFFFFF)}, // outer ring
    EdgeRing{rgb(0x696969), rgb(0xE3E3E3)}, // inner ring
};
constexpr EdgeRing kStaticEdge{rgb(0xA0A0A0), rgb(0xFFFFFF)};

void paint_ring(const Cairo::RefPtr<Cairo::Context> &cr, const EdgeRing &ring, int inset, int width, int height) {
    const int w = width - 2 * inset, h = height - 2 * inset;
    if (w <= 0 || h <= 0)
        return;
    fill_rect(cr, ring.top_left, inset, inset, w, 1);
    fill_rect(cr, ring.top_left, inset, inset, 1, h);
    fill_rect(cr, ring.bottom_right, inset, inset + h - 1, w, 1);
    fill_rect(cr, ring.bottom_right, inset + w - 1, inset, 1, h);
}

// The extra copy a text effect draws first, and where the coloured text then goes.
struct EffectCopy {
    bool drawn;
    Color color;
    int copy_dx, copy_dy;
    int text_dx, text_dy;
};
constexpr std::array<EffectCopy, 4> kEffects = {
    EffectCopy{false, rgb(0), 0, 0, 0, 0},       // none
    EffectCopy{true, rgb(0xFFFFFF), 1, 1, 0, 0}, // light shadow: white copy 1 right, 1 down
    EffectCopy{true, rgb(0xFFFFFF), 0, 0, 1, 1}, // raised: white copy in place, text 1 right, 1 down
    EffectCopy{true, rgb(0x000000), 2, 2, 0, 0}, // dark shadow: black copy 2 right, 2 down
};

void paint_background(const Cairo::RefPtr<Cairo::Context> &cr, const LabelLook &look, int x, int y, int w, int h) {
    if (look.picture) {
        cr->save();
        cr->rectangle(x, y, w, h);
        cr->clip();
        // The colour first, in case the picture has fewer pixels than the area (it tiles, but
        // an empty picture draws nothing).
        fill_rect(cr, look.back_color.value_or(kControlFace), x, y, w, h);
        auto pattern = Cairo::SurfacePattern::create(look.picture);
        pattern->set_extend(Cairo::EXTEND_REPEAT);
        Cairo::Matrix shift = Cairo::translation_matrix(-x, -y);
        pattern->set_matrix(shift);
        cr->set_source(pattern);
        cr->paint();
        cr->restore();
    } else if (look.gradient) {
        auto pattern = Cairo::LinearGradient::create(0, y, 0, y + h);
        const Color stops[] = {look.gradient->top, look.gradient->middle, look.gradient->bottom};
        for (int i = 0; i < 3; ++i)
            pattern->add_color_stop_rgb(i / 2.0, stops[i].r / 255.0, stops[i].g / 255.0, stops[i].b / 255.0);
        cr->set_source(pattern);
        cr->rectangle(x, y, w, h);
        cr->fill();
    } else {
        fill_rect(cr, look.back_color.value_or(kControlFace), x, y, w, h);
    }
}

Pango::Alignment pango_alignment(HAlign a) {
    switch (a) {
    case HAlign::Center:
        return Pango::ALIGN_CENTER;
    case HAlign::Right:
        return Pango::ALIGN_RIGHT;
    default:
        return Pango::ALIGN_LEFT;
    }
}

constexpr float kWrappedLineSpacing = 0.85f;

void paint_text(const Cairo::RefPtr<Cairo::Context> &cr, const LabelLook &look, std::string_view text, int x, int y,
                int w, int h) {
    if (text.empty() || w <= 0 || h <= 0)
        return;
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(look.font);
    layout->set_text(std::string(text));
    layout->set_alignment(pango_alignment(look.h_align));
    int tx = x, ty = y;
    if (look.word_wrap) {
        // Wrapped text fills the width and starts at the top.
        layout->set_width(w * PANGO_SCALE);
        layout->set_wrap(Pango::WRAP_WORD_CHAR);
        // Lines as tight as the classic GUI font's, about the font's own height: the calendar
        // labels hold seven lines in under 90 pixels.
        pango_layout_set_line_spacing(layout->gobj(), kWrappedLineSpacing);
    } else {
        int tw = 0, th = 0;
        layout->get_pixel_size(tw, th);
        if (look.h_align == HAlign::Center)
            tx = x + (w - tw) / 2;
        else if (look.h_align == HAlign::Right)
            tx = x + w - tw;
        if (look.v_align == VAlign::Middle)
            ty = y + (h - th) / 2;
        else if (look.v_align == VAlign::Bottom)
            ty = y + h - th;
    }
    cr->save();
    cr->rectangle(x, y, w, h);
    cr->clip();
    const EffectCopy &effect = kEffects.at(static_cast<std::size_t>(look.effect));
    if (effect.drawn) {
        set_color(cr, effect.color);
        cr->move_to(tx + effect.copy_dx, ty + effect.copy_dy);
        layout->show_in_cairo_context(cr);
    }
    set_color(cr, look.text_color);
    cr->move_to(tx + effect.text_dx, ty + effect.text_dy);
    layout->show_in_cairo_context(cr);
    cr->restore();
}

} // namespace

int frame_thickness(int frame) {
    return frame == 1 ? 2 : frame == 3 ? 1 : 0;
}

void paint_sunken_frame(const Cairo::RefPtr<Cairo::Context> &cr, int frame, int width, int height) {
    if (frame == 1) {
        for (int ring = 0; ring < 2; ++ring)
            paint_ring(cr, kClientEdge[static_cast<std::size_t>(ring)], ring, width, height);
    } else if (frame == 3) {
        paint_ring(cr, kStaticEdge, 0, width, height);
    }
}

void paint_label(const Cairo::RefPtr<Cairo::Context> &cr, const LabelLook &look, std::string_view utf8_text, int width,
                 int height) {
    const int inset = frame_thickness(look.frame);
    const int x = inset, y = inset, w = width - 2 * inset, h = height - 2 * inset;
    if (!look.transparent) {
        paint_sunken_frame(cr, look.frame, width, height);
        if (w > 0 && h > 0)
            paint_background(cr, look, x, y, w, h);
    }
    paint_text(cr, look, utf8_text, x, y, w, h);
}

} // namespace tv::ui::gtk
