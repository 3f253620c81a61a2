#pragma once
// A label or transparent label control: drawn by paint_label with its definition's look.
#include "ui/gtk/label_painter.h"

#include <gtkmm/drawingarea.h>
#include <string>

namespace tv::ui::gtk {

class LabelWidget : public Gtk::DrawingArea {
public:
    explicit LabelWidget(LabelLook look) : look_(std::move(look)) {}
    void set_caption(std::string utf8_text);

private:
    bool on_draw(const Cairo::RefPtr<Cairo::Context> &cr) override;

    LabelLook look_;
    std::string caption_;
};

} // namespace tv::ui::gtk
