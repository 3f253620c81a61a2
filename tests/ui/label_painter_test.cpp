// Label drawing on an image surface: frames, backgrounds, text effects, alignment, wrapping.
#include "ui/gtk/label_painter.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <pangomm/init.h>

namespace {

using namespace tv::ui;
using namespace tv::ui::gtk;

constexpr Color kGrey = rgb(0x808080);
constexpr Color kRed = rgb(0xFF0000);

// A solid glyph makes the drawn text a box whose edges can be measured.
constexpr std::string_view kBlock = "\u2588";

struct Canvas {
    Cairo::RefPtr<Cairo::ImageSurface> surface;
    Cairo::RefPtr<Cairo::Context> cr;
};

Canvas canvas(int width, int height, Color fill) {
    Pango::init(); // the painter uses pangomm's wrappers
    Canvas c{Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, width, height), {}};
    c.cr = Cairo::Context::create(c.surface);
    c.cr->set_source_rgb(fill.r / 255.0, fill.g / 255.0, fill.b / 255.0);
    c.cr->paint();
    // Crisp glyph edges, so that every pixel is either text or not.
    Cairo::FontOptions options;
    options.set_antialias(Cairo::ANTIALIAS_NONE);
    options.set_hint_style(Cairo::HINT_STYLE_FULL);
    c.cr->set_font_options(options);
    return c;
}

Color pixel(const Canvas &c, int x, int y) {
    c.surface->flush();
    const unsigned char *p = c.surface->get_data() + y * c.surface->get_stride() + 4 * x;
    return Color{p[2], p[1], p[0]};
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1; // inclusive
    bool empty() const { return right < 0; }
    friend bool operator==(const Box &, const Box &) = default;
};

std::ostream &operator<<(std::ostream &os, const Box &b) {
    return os << "[" << b.left << "," << b.top << " .. " << b.right << "," << b.bottom << "]";
}

Box box_of(const Canvas &c, Color colour) {
    Box b;
    for (int y = 0; y < c.surface->get_height(); ++y)
        for (int x = 0; x < c.surface->get_width(); ++x)
            if (pixel(c, x, y) == colour) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

LabelLook text_look(TextEffect effect = TextEffect::None) {
    LabelLook look;
    look.transparent = true;
    look.effect = effect;
    look.text_color = kRed;
    look.font = Pango::FontDescription("DejaVu Sans");
    look.font.set_absolute_size(16 * PANGO_SCALE);
    return look;
}

TEST(LabelPainter, TextEffectsDrawTheirCopyFirst) {
    struct Case {
        TextEffect effect;
        std::optional<Color> copy;
        int dx, dy; // where the visible copy lies relative to the coloured text
    };
    const Case cases[] = {
        {TextEffect::None, std::nullopt, 0, 0},
        {TextEffect::LightShadow, rgb(0xFFFFFF), 1, 1},
        {TextEffect::Raised, rgb(0xFFFFFF), -1, -1},
        {TextEffect::DarkShadow, rgb(0x000000), 2, 2},
    };
    for (const Case &c : cases) {
        Canvas cv = canvas(60, 40, kGrey);
        paint_label(cv.cr, text_look(c.effect), kBlock, 60, 40);
        const Box text = box_of(cv, kRed);
        ASSERT_FALSE(text.empty()) << static_cast<int>(c.effect);
        const Box white = box_of(cv, rgb(0xFFFFFF)), black = box_of(cv, rgb(0x000000));
        if (!c.copy) {
            EXPECT_TRUE(white.empty() && black.empty()) << "no effect draws no copy";
            continue;
        }
        const Box copy = *c.copy == rgb(0xFFFFFF) ? white : black;
        EXPECT_EQ(copy, (Box{text.left + c.dx, text.top + c.dy, text.right + c.dx, text.bottom + c.dy}))
            << "effect " << static_cast<int>(c.effect) << ", text at " << text;
    }
}

TEST(LabelPainter, RaisedTextMovesOneRightAndDown) {
    Canvas plain = canvas(60, 40, kGrey), raised = canvas(60, 40, kGrey);
    paint_label(plain.cr, text_look(TextEffect::None), kBlock, 60, 40);
    paint_label(raised.cr, text_look(TextEffect::Raised), kBlock, 60, 40);
    const Box a = box_of(plain, kRed), b = box_of(raised, kRed);
    EXPECT_EQ(b, (Box{a.left + 1, a.top + 1, a.right + 1, a.bottom + 1}));
}

TEST(LabelPainter, AlignmentPlacesSingleLineText) {
    struct Case {
        HAlign h;
        VAlign v;
        std::function<void(const Box &, int, int)> check;
    };
    const auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    const Case cases[] = {
        {HAlign::Left, VAlign::Top,
         [&](const Box &b, int, int) {
             EXPECT_LE(b.left, 2);
             EXPECT_LE(b.top, 4);
         }},
        {HAlign::Right, VAlign::Bottom,
         [&](const Box &b, int w, int h) {
             EXPECT_GE(b.right, w - 3);
             EXPECT_GE(b.bottom, h - 6);
         }},
        {HAlign::Center, VAlign::Middle,
         [&](const Box &b, int w, int h) {
             EXPECT_TRUE(near(b.left, w - 1 - b.right)) << b;
             EXPECT_TRUE(near(b.top, h - 1 - b.bottom)) << b;
         }},
    };
    for (const Case &c : cases) {
        LabelLook look = text_look();
        look.h_align = c.h;
        look.v_align = c.v;
        Canvas cv = canvas(80, 40, kGrey);
        paint_label(cv.cr, look, kBlock, 80, 40);
        c.check(box_of(cv, kRed), 80, 40);
    }
}

TEST(LabelPainter, WordWrapBreaksLinesAndStartsAtTheTop) {
    LabelLook look = text_look();
    look.word_wrap = true;
    look.v_align = VAlign::Bottom; // not used with word wrap
    Canvas one = canvas(40, 80, kGrey), wrapped = canvas(40, 80, kGrey);
    paint_label(one.cr, look, kBlock, 40, 80);
    paint_label(wrapped.cr, look, "\u2588\u2588 \u2588\u2588 \u2588\u2588", 40, 80);
    const Box single = box_of(one, kRed), lines = box_of(wrapped, kRed);
    EXPECT_EQ(lines.top, single.top);
    EXPECT_GT(lines.bottom - lines.top, 2 * (single.bottom - single.top)) << "three lines";
    EXPECT_LT(lines.right, 40);
}

TEST(LabelPainter, CrLfBreaksTheCaption) {
    Canvas one = canvas(60, 80, kGrey), two = canvas(60, 80, kGrey);
    paint_label(one.cr, text_look(), kBlock, 60, 80);
    paint_label(two.cr, text_look(), "\u2588\r\n\u2588", 60, 80);
    EXPECT_GT(box_of(two, kRed).bottom, box_of(one, kRed).bottom + 10);
}

TEST(LabelPainter, BackgroundIsPictureElseGradientElseColour) {
    auto picture = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 2, 2);
    {
        auto cr = Cairo::Context::create(picture);
        cr->set_source_rgb(0, 1, 0);
        cr->paint();
        cr->set_source_rgb(0, 0, 1);
        cr->rectangle(1, 1, 1, 1);
        cr->fill();
    }
    struct Case {
        const char *what;
        std::function<void(LabelLook &)> style;
        int x, y;
        Color expected;
    };
    const Case cases[] = {
        {"colour", [](LabelLook &l) { l.back_color = rgb(0x123456); }, 5, 5, rgb(0x123456)},
        {"toolkit face without a colour", [](LabelLook &) {}, 5, 5, kControlFace},
        {"picture tiles from the top-left corner",
         [&](LabelLook &l) {
             l.back_color = rgb(0x123456);
             l.picture = picture;
         },
         3, 3, rgb(0x0000FF)},
        {"picture starts inside a thin frame",
         [&](LabelLook &l) {
             l.frame = 3;
             l.picture = picture;
         },
         1, 1, rgb(0x00FF00)},
        {"gradient top",
         [](LabelLook &l) {
             l.gradient = Gradient{rgb(0x000000), rgb(0xFF0000), rgb(0x0000FF)};
         },
         5, 0, rgb(0x000000)},
        {"gradient middle",
         [](LabelLook &l) {
             l.gradient = Gradient{rgb(0x000000), rgb(0xFF0000), rgb(0x0000FF)};
         },
         5, 10, rgb(0xFF0000)},
        {"gradient bottom",
         [](LabelLook &l) {
             l.gradient = Gradient{rgb(0x000000), rgb(0xFF0000), rgb(0x0000FF)};
         },
         5, 20, rgb(0x0000FF)},
        {"transparent labels paint no background",
         [](LabelLook &l) {
             l.transparent = true;
             l.back_color = rgb(0x123456);
         },
         5, 5, kGrey},
    };
    for (const Case &c : cases) {
        LabelLook look;
        c.style(look);
        Canvas cv = canvas(20, 21, kGrey);
        paint_label(cv.cr, look, "", 20, 21);
        const Color got = pixel(cv, c.x, c.y);
        EXPECT_NEAR(got.r, c.expected.r, 14) << c.what;
        EXPECT_NEAR(got.g, c.expected.g, 14) << c.what;
        EXPECT_NEAR(got.b, c.expected.b, 14) << c.what;
    }
}

TEST(LabelPainter, FramesAreSunkenEdges) {
    struct Case {
        int frame;
        int x, y;
        Color expected;
    };
    const Case cases[] = {
        {0, 0, 0, rgb(0x123456)},  {3, 0, 0, rgb(0xA0A0A0)},  {3, 19, 9, rgb(0xFFFFFF)},
        {3, 1, 1, rgb(0x123456)},  {1, 0, 0, rgb(0xA0A0A0)},  {1, 1, 1, rgb(0x696969)},
        {1, 18, 8, rgb(0xE3E3E3)}, {1, 19, 9, rgb(0xFFFFFF)}, {1, 2, 2, rgb(0x123456)},
    };
    for (const Case &c : cases) {
        LabelLook look;
        look.frame = c.frame;
        look.back_color = rgb(0x123456);
        Canvas cv = canvas(20, 10, kGrey);
        paint_label(cv.cr, look, "", 20, 10);
        EXPECT_EQ(pixel(cv, c.x, c.y), c.expected) << "frame " << c.frame << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(frame_thickness(0), 0);
    EXPECT_EQ(frame_thickness(1), 2);
    EXPECT_EQ(frame_thickness(3), 1);
}

} // namespace
