// The rounded window outline: corner ellipses of d = min(w / 5, h / 5).
#include "ui/gtk/window_shape.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowShape, CornersAreCutByTheEllipse) {
    struct Case {
        int width, height, x, y;
        bool inside;
        const char *why;
    };
    const Case cases[] = {
        {150, 220, 0, 0, false, "top-left corner pixel"},
        {150, 220, 149, 0, false, "top-right corner pixel"},
        {150, 220, 0, 219, false, "bottom-left corner pixel"},
        {150, 220, 149, 219, false, "bottom-right corner pixel"},
        {150, 220, 3, 3, false, "inside the corner square, outside the d=30 ellipse"},
        {150, 220, 15, 15, true, "the corner ellipse's centre"},
        {150, 220, 75, 0, true, "middle of the top edge"},
        {150, 220, 0, 110, true, "middle of the left edge"},
        {150, 220, 11, 0, true, "where the d=30 ellipse meets the top edge"},
        {150, 220, 10, 0, false, "just before it"},
        {672, 123, 2, 2, false, "remote-control window, d=24"},
        {672, 123, 12, 0, true, "its top edge at the ellipse's centre column"},
        {300, 100, 4, 2, true, "after resizing to 300 x 100 the corner shrinks to d=20"},
        {300, 100, 1, 1, false, "still cut at the very corner"},
    };
    for (const Case &c : cases) {
        const auto region = tv::ui::gtk::rounded_window_region(c.width, c.height);
        EXPECT_EQ(region->contains_point(c.x, c.y), c.inside)
            << c.width << "x" << c.height << " at " << c.x << "," << c.y << ": " << c.why;
    }
}

TEST(WindowShape, CoversTheWholeWindowAndNothingBeyond) {
    const auto region = tv::ui::gtk::rounded_window_region(150, 220);
    const Cairo::RectangleInt extents = region->get_extents();
    EXPECT_EQ(extents.x, 0);
    EXPECT_EQ(extents.y, 0);
    EXPECT_EQ(extents.width, 150);
    EXPECT_EQ(extents.height, 220);
    EXPECT_TRUE(tv::ui::gtk::rounded_window_region(0, 10)->empty());
}

TEST(WindowShape, TinyWindowsAreRectangles) {
    // Below 5 pixels the corner ellipse has no size.
    const auto region = tv::ui::gtk::rounded_window_region(4, 40);
    EXPECT_TRUE(region->contains_point(0, 0));
    EXPECT_TRUE(region->contains_point(3, 39));
}

} // namespace
