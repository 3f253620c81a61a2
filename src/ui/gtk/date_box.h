#pragma once
// The date box: a date field with an up-down control and no drop-down calendar. It shows the
// date in the long format and keeps the time of day of its value; the up and down arrows (and
// the arrow keys in the field) move the date one day on or back. A typed date is taken when
// the field is left or Enter is pressed; text that is not a date gives way to the date shown.
#include "core/date_time.h"

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>

namespace tv::ui::gtk {

class DateBox : public Gtk::Box {
public:
    explicit DateBox(const DateTime &initial);
    DateTime value() const { return value_; }
    void set_value_of_date(const DateTime &value);
    // Moves the date by whole days, within 1 January 100 .. 31 December 9999.
    void step_days(int days);

    Gtk::Entry &field() { return field_; }
    Gtk::Button &up_button() { return up_; }
    Gtk::Button &down_button() { return down_; }

private:
    void show_value();
    void take_typed_text();

    Gtk::Entry field_;
    Gtk::Box arrows_{Gtk::ORIENTATION_VERTICAL};
    Gtk::Button up_, down_;
    DateTime value_;
};

} // namespace tv::ui::gtk
