#pragma once
// The outline of a rounded window: a rectangle whose corners are cut by an ellipse of
// d x d pixels, d = rounded_corner(width, height).
#include <cairomm/region.h>

namespace tv::ui::gtk {

// The pixels inside the rounded rectangle (0, 0, width, height), one band per pixel row.
Cairo::RefPtr<Cairo::Region> rounded_window_region(int width, int height);

} // namespace tv::ui::gtk
