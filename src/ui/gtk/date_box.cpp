#include "ui/gtk/date_box.h"

#include "ui/gtk/date_text.h"

#include <algorithm>
#include <gdk/gdkkeysyms.h>

namespace tv::ui::gtk {
namespace {

constexpr int kArrowWidth = 16;
const std::int64_t kFirstDay = days_from_civil(100, 1, 1);
const std::int64_t kLastDay = days_from_civil(9999, 12, 31);

} // namespace

DateBox::DateBox(const DateTime &initial) : Gtk::Box(Gtk::ORIENTATION_HORIZONTAL), value_(initial) {
    up_.set_label("\u25B4");
    down_.set_label("\u25BE");
    for (Gtk::Button *arrow : {&up_, &down_}) {
        arrow->set_can_focus(false);
        arrow->set_size_request(kArrowWidth, -1);
        arrow->get_style_context()->add_class("tv-arrow");
        arrows_.pack_start(*arrow, true, true);
    }
    field_.set_width_chars(1);
    pack_start(field_, true, true);
    pack_start(arrows_, false, false);
    show_all_children();

    up_.signal_clicked().connect([this] { step_days(1); });
    down_.signal_clicked().connect([this] { step_days(-1); });
    field_.signal_activate().connect([this] { take_typed_text(); });
    field_.signal_focus_out_event().connect([this](GdkEventFocus *) {
        take_typed_text();
        return false;
    });
    field_.signal_key_press_event().connect(
        [this](GdkEventKey *event) {
            if (event->keyval == GDK_KEY_Up || event->keyval == GDK_KEY_KP_Up) {
                step_days(1);
                return true;
            }
            if (event->keyval == GDK_KEY_Down || event->keyval == GDK_KEY_KP_Down) {
                step_days(-1);
                return true;
            }
            return false;
        },
        false);
    show_value();
}

void DateBox::set_value_of_date(const DateTime &value) {
    value_ = value;
    show_value();
}

void DateBox::step_days(int days) {
    take_typed_text();
    const std::int64_t day =
        std::clamp(days_from_civil(value_.year, value_.month, value_.day) + days, kFirstDay, kLastDay);
    civil_from_days(day, value_.year, value_.month, value_.day);
    show_value();
}

void DateBox::show_value() {
    const std::string text = long_date_text(value_);
    if (field_.get_text().raw() != text)
        field_.set_text(text);
}

void DateBox::take_typed_text() {
    if (const auto typed = parse_long_date(field_.get_text().raw(), value_))
        value_ = *typed;
    show_value();
}

} // namespace tv::ui::gtk
