#pragma once
// The date box: a date field with an up-down control and no drop-down calendar. It shows the
// date in the long format and keeps the time of day of its value; up and down change the day.
#include "core/date_time.h"

#include <gtkmm/spinbutton.h>

namespace tv::ui::gtk {

class DateBox : public Gtk::SpinButton {
public:
    explicit DateBox(const DateTime &initial);
    DateTime value() const;
    void set_value_of_date(const DateTime &value);

private:
    int on_input(double *new_value) override;
    bool on_output() override;

    DateTime time_of_day_; // only hour, minute and second are used
};

} // namespace tv::ui::gtk
