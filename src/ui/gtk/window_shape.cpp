#include "ui/gtk/window_shape.h"

#include "ui/definitions.h"

#include <algorithm>
#include <cmath>

namespace tv::ui::gtk {
namespace {

// How far row y (0 = top edge) of a corner ellipse of diameter d lies inside the window's
// side: the x where the ellipse's boundary crosses the row's middle.
int corner_inset(int row, int d) {
    const double r = d / 2.0;
    const double dy = r - (row + 0.5);
    const double dx = std::sqrt(std::max(0.0, r * r - dy * dy));
    return static_cast<int>(std::lround(r - dx));
}

} // namespace

Cairo::RefPtr<Cairo::Region> rounded_window_region(int width, int height) {
    auto region = Cairo::Region::create();
    if (width <= 0 || height <= 0)
        return region;
    const int d = rounded_corner(width, height);
    const int corner_rows = d / 2;
    for (int y = 0; y < height; ++y) {
        int inset = 0;
        if (y < corner_rows)
            inset = corner_inset(y, d);
        else if (y >= height - corner_rows)
            inset = corner_inset(height - 1 - y, d);
        const int row_width = width - 2 * inset;
        if (row_width > 0)
            region->do_union(Cairo::RectangleInt{inset, y, row_width, 1});
    }
    return region;
}

} // namespace tv::ui::gtk
