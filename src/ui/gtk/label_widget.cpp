#include "ui/gtk/label_widget.h"

namespace tv::ui::gtk {

void LabelWidget::set_caption(std::string utf8_text) {
    if (utf8_text == caption_)
        return;
    caption_ = std::move(utf8_text);
    queue_draw();
}

bool LabelWidget::on_draw(const Cairo::RefPtr<Cairo::Context> &cr) {
    paint_label(cr, look_, caption_, get_allocated_width(), get_allocated_height());
    return true;
}

} // namespace tv::ui::gtk
