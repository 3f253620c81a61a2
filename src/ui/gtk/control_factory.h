#pragma once
// Builds the widgets of a control from its definition.
#include "ui/gtk/control.h"
#include "ui/gtk/pointers.h"

#include <filesystem>
#include <functional>
#include <pangomm/fontdescription.h>

namespace tv::ui::gtk {

struct ControlResources {
    std::filesystem::path assets_dir;
    PointerCache &pointers;
    Pango::FontDescription default_font;
    DateTime now; // the date box's value at creation
};

// The control with its widgets created but not yet placed in a window. Timers get on_tick as
// their tick and start with the definition's period.
std::unique_ptr<Control> build_control(const ControlDef &def, const ControlResources &resources,
                                       std::function<void()> on_tick);

// Whether presses on the control can drag a drag-anywhere window: labels and picture boxes.
bool drags_window(ControlKind kind);

} // namespace tv::ui::gtk
