#include "ui/gtk/date_box.h"

#include "ui/gtk/date_text.h"

#include <cmath>

namespace tv::ui::gtk {
namespace {

// The spin value is the day number since 1970-01-01, bounded to 1 January 100 .. 31 December 9999.
double day_number(const DateTime &t) {
    return static_cast<double>(days_from_civil(t.year, t.month, t.day));
}
const double kFirstDay = static_cast<double>(days_from_civil(100, 1, 1));
const double kLastDay = static_cast<double>(days_from_civil(9999, 12, 31));

} // namespace

DateBox::DateBox(const DateTime &initial)
    : Gtk::SpinButton(Gtk::Adjustment::create(day_number(initial), kFirstDay, kLastDay, 1, 30, 0), 1, 0),
      time_of_day_(initial) {
    set_numeric(false);
    set_wrap(false);
    set_update_policy(Gtk::UPDATE_IF_VALID);
    set_width_chars(1);
    set_value_of_date(initial);
}

DateTime DateBox::value() const {
    int year = 0, month = 0, day = 0;
    civil_from_days(static_cast<std::int64_t>(std::lround(get_value())), year, month, day);
    return DateTime{year, month, day, time_of_day_.hour, time_of_day_.minute, time_of_day_.second};
}

void DateBox::set_value_of_date(const DateTime &value) {
    time_of_day_ = value;
    set_value(day_number(value));
    on_output(); // shows the text even when the day number did not change
}

int DateBox::on_input(double *new_value) {
    const auto parsed = parse_long_date(get_text().raw(), value());
    if (!parsed)
        return Gtk::INPUT_ERROR;
    *new_value = day_number(*parsed);
    return 1;
}

bool DateBox::on_output() {
    const std::string text = long_date_text(value());
    if (get_text().raw() != text)
        set_text(text);
    return true;
}

} // namespace tv::ui::gtk
