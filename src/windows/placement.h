#pragma once
// Placing a secondary window relative to the bottom-right of the primary screen.
#include "app/context.h"

namespace tv::windows {

// Moves and sizes the window to left = screen width - from_right, top = screen height -
// from_bottom, computed as reals and truncated, not clamped: on a small screen the window may
// start off its left or top edge.
inline void place_from_screen_edge(Context &ctx, std::string_view window, double from_right, double from_bottom,
                                   int width, int height) {
    const ui::Size screen = ctx.ui.screen_size();
    const auto left = truncate_to_int64(static_cast<double>(screen.width) - from_right);
    const auto top = truncate_to_int64(static_cast<double>(screen.height) - from_bottom);
    ctx.ui.move_window(window, ui::Rect{static_cast<int>(left), static_cast<int>(top), width, height});
}

} // namespace tv::windows
