#pragma once
// One control of an open window: its widgets (if it has a look) and its property values.
#include "core/date_time.h"
#include "core/text.h"
#include "ui/definitions.h"
#include "ui/gtk/browser_view.h"
#include "ui/gtk/control_timer.h"

#include <memory>

namespace Gtk {
class Button;
class Entry;
class EventBox;
} // namespace Gtk

namespace tv::ui::gtk {

class DateBox;
class LabelWidget;
class PictureBox;

struct Control {
    const ControlDef *def = nullptr;
    // The box that places, stacks, shows and hides the control's widget. The window's layer
    // owns it; null for components without a look (timers, tips, menu styler).
    Gtk::EventBox *slot = nullptr;
    // The kind's widget, inside the slot; at most one is set.
    LabelWidget *label = nullptr;
    Gtk::Button *button = nullptr;
    Gtk::Entry *entry = nullptr;
    DateBox *date_box = nullptr;
    PictureBox *picture = nullptr;
    std::unique_ptr<BrowserView> browser;
    std::unique_ptr<ControlTimer> timer;

    Text text;    // GBK caption; edit boxes read their field instead
    Text address; // browser: the last address set, GBK
    bool visible = true;
    int width = 0, height = 0;
    int period = 0; // the period of a control that is not a timer, as it was set
    DateTime date;  // controls other than the date box keep the value they were given
};

} // namespace tv::ui::gtk
